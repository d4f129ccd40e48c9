#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include "app/WindowHooks.h"
#include "text/TextWorkKind.h"
#include "tests/ui/TextWindowFixture.h"
#include "text/DrawnPane.h"
#include "text/TextWorkDlg.h"
#include "tests/ui/WindowTestMain.h"

namespace {

QStringList Sections(int n) {
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("[*]") << QStringLiteral("1:第%1段").arg(i) << QStringLiteral("2:本文%1").arg(i)
              << QStringLiteral("続きの行") << QStringLiteral("3:%1番の句について").arg(i + 11);
    return lines;
}

QPoint Slot(int s) { return QPoint(40, 2 + 12 * s + 6); }
QRect SlotRect(int s) { return QRect(2, 2 + 12 * s, 100, 12); }

}  // namespace

class TextWorkDlgTest : public QObject {
    Q_OBJECT
private slots:
    void hoverShowsTheTextAndPaintsTheRowRed() {
        CTextWindowFixture fx;
        fx.Write(QStringLiteral("okuno.txt"), Sections(40));
        CTextWorkDlg dlg;
        QCOMPARE(dlg.SetKind(text::KindOf(text::TextWorkId::Okuno)), 1);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("おくのほそ道"));
        QCOMPARE(dlg.IndexScrollBar()->maximum(), 25);
        dlg.show();

        SendMouse(dlg.IndexPane(), QEvent::MouseMove, Slot(2));
        QCOMPARE(dlg.TextBox()->toPlainText(), QStringLiteral("本文3\n続きの行"));
        QImage image = dlg.IndexPane()->grab().toImage();
        QVERIFY(CountColour(image, SlotRect(2), QColor(255, 0, 0)) > 10);
        QCOMPARE(CountColour(image, SlotRect(1), QColor(255, 0, 0)), 0);
        QVERIFY(CountColour(image, SlotRect(1), QColor(0, 0, 0)) > 10);
        // Below the fifteen rows, inside the frame, the pane is blank.
        const QRect below(3, 2 + 12 * 15, dlg.IndexPane()->width() - 6, dlg.IndexPane()->height() - 2 - 12 * 15 - 3);
        QVERIFY(below.height() > 0);
        QCOMPARE(CountColour(image, below, QColor(0, 0, 0)), 0);
        QCOMPARE(CountColour(image, below, dlg.palette().color(QPalette::Button)), below.width() * below.height());

        // A scroll turns the highlight off; the text box keeps its text.
        dlg.IndexScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(dlg.Work().Index().Top(), 1);
        QCOMPARE(dlg.IndexScrollBar()->value(), 1);
        image = dlg.IndexPane()->grab().toImage();
        QCOMPARE(CountColour(image, dlg.IndexPane()->rect(), QColor(255, 0, 0)), 0);
        QCOMPARE(dlg.TextBox()->toPlainText(), QStringLiteral("本文3\n続きの行"));

        // Kind 0: a click shows part 3.
        SendMouse(dlg.IndexPane(), QEvent::MouseButtonPress, Slot(0), Qt::LeftButton);
        QCOMPARE(dlg.TextBox()->toPlainText(), QStringLiteral("13番の句について"));
        QCOMPARE(fx.beeps, 0);
        // The next hover over another title replaces it again.
        SendMouse(dlg.IndexPane(), QEvent::MouseMove, Slot(5));
        QCOMPARE(dlg.TextBox()->toPlainText(), QStringLiteral("本文7\n続きの行"));
    }

    void theWheelOverTheScrollBarMovesTheIndexWithTheThumb() {
        CTextWindowFixture fx;
        fx.Write(QStringLiteral("okuno.txt"), Sections(40));
        CTextWorkDlg dlg;
        QCOMPARE(dlg.SetKind(text::KindOf(text::TextWorkId::Okuno)), 1);
        dlg.show();
        SendWheelDown(dlg.IndexScrollBar());
        QVERIFY(dlg.IndexScrollBar()->value() > 0);
        QCOMPARE(dlg.Work().Index().Top(), dlg.IndexScrollBar()->value());
    }

    void clicksOpenTheHaikuCardOnTheNumberedHaiku() {
        CTextWindowFixture fx;
        QStringList lines = Sections(2);
        lines << QStringLiteral("[*]") << QStringLiteral("1:番号なし") << QStringLiteral("2:x");
        fx.Write(QStringLiteral("nature.txt"), lines);
        fx.Write(QStringLiteral("life.txt"), lines);
        std::vector<std::pair<int, int>> opened;
        GetWindowHooks().showHaikuCard = [&](QWidget*, int order, int position) { opened.push_back({order, position}); };

        CTextWorkDlg nature;
        QCOMPARE(nature.SetKind(text::KindOf(text::TextWorkId::Nature)), 1);
        SendMouse(nature.IndexPane(), QEvent::MouseButtonPress, Slot(0), Qt::LeftButton);
        QCOMPARE(opened.size(), std::size_t(1));
        QCOMPARE(opened[0], std::make_pair(0, 11));
        SendMouse(nature.IndexPane(), QEvent::MouseButtonPress, Slot(2), Qt::LeftButton);
        QCOMPARE(fx.beeps, 1);
        SendMouse(nature.IndexPane(), QEvent::MouseButtonPress, Slot(9), Qt::LeftButton);  // empty slot
        QCOMPARE(fx.beeps, 1);

        CTextWorkDlg life;
        QCOMPARE(life.SetKind(text::KindOf(text::TextWorkId::Chronology)), 1);
        SendMouse(life.IndexPane(), QEvent::MouseButtonPress, Slot(0), Qt::LeftButton);
        QCOMPARE(fx.beeps, 2);
        QCOMPARE(opened.size(), std::size_t(1));
        ResetWindowHooks();
    }

    void missingFileOrUnknownKindIsNotShown() {
        CTextWindowFixture fx;
        CTextWorkDlg dlg;
        QCOMPARE(dlg.SetKind(text::KindOf(text::TextWorkId::Glossary)), -1);
        QCOMPARE(dlg.SetKind(13), -1);
        QCOMPARE(fx.messages.size(), 2);
        QVERIFY(fx.messages[0].startsWith(fx.Path(QStringLiteral("goi.txt"))));
        QVERIFY(fx.messages[0].endsWith(QStringLiteral("ファイル を読み出し出来ません.")));
    }

    void hooksRunTheWindowsOnlyWhenTheirFilesLoad() {
        CTextWindowFixture fx;
        QStringList titles;
        GetWindowHooks().runModal = [&](QDialog* dialog) {
            titles << dialog->windowTitle();
            return 0;
        };
        ShowTextWorkDialog(nullptr, text::KindOf(text::TextWorkId::Friends), -1);  // friend.txt is missing
        ShowOnePointTipsDialog(nullptr);
        QVERIFY(titles.isEmpty());
        QCOMPARE(fx.messages.size(), 2);
        fx.Write(QStringLiteral("friend.txt"), Sections(1));
        fx.Write(QStringLiteral("onepoint.txt"), {QStringLiteral("1:"), QStringLiteral("x")});
        const QString topics = fx.Write(QStringLiteral("Topics.txt"), {QStringLiteral("[*]"), QStringLiteral("k1:目次"),
                                                                       QStringLiteral("d:x")});
        ShowTextWorkDialog(nullptr, text::KindOf(text::TextWorkId::Friends), -1);
        ShowOnePointTipsDialog(nullptr);
        RunHelpBrowser(nullptr, platform::FromQString(topics), platform::FromQString(QStringLiteral("目次")),
                       platform::FromQString(QStringLiteral("目次")));
        QCOMPARE(titles, (QStringList{QStringLiteral("キロノの弟子・友人"), QStringLiteral("『キロノ』博物館 V1.08 - ワンポイント"),
                                      QStringLiteral("簡易ヘルプ V1.03 - 目次")}));
        ResetWindowHooks();
    }

    void textBoxRowsAreCutAt46Bytes() {
        CTextWindowFixture fx;
        const QString longLine = QString(22, QChar(0x3042)) + QStringLiteral("ab") + QString(3, QChar(0x3044));
        fx.Write(QStringLiteral("saga.txt"), {QStringLiteral("[*]"), QStringLiteral("1:t"), QStringLiteral("2:") + longLine,
                                              QStringLiteral("次の行")});
        CTextWorkDlg dlg;
        QCOMPARE(dlg.SetKind(text::KindOf(text::TextWorkId::Saga)), 1);
        SendMouse(dlg.IndexPane(), QEvent::MouseMove, Slot(0));
        QCOMPARE(dlg.TextBox()->toPlainText(),
                 QString(22, QChar(0x3042)) + QStringLiteral("ab\n") + QString(3, QChar(0x3044)) + QStringLiteral("\n次の行"));

        // The full 46-byte row stays one row: the box never wraps it again,
        // and what does not fit in view can be scrolled to.
        dlg.show();
        QApplication::processEvents();
        QPlainTextEdit* box = dlg.TextBox();
        QCOMPARE(box->document()->blockCount(), 3);
        QCOMPARE(box->document()->lineCount(), 3);
        const int need = QFontMetrics(box->font()).horizontalAdvance(box->document()->firstBlock().text());
        const int room = box->viewport()->width() - 2 * int(box->document()->documentMargin());
        QVERIFY(need <= room || box->horizontalScrollBar()->isVisible());
    }
};

KIROKAN_WINDOW_TEST_MAIN(TextWorkDlgTest)
#include "TextWorkDlgTest.moc"
