#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTextDocument>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "app/SettingsStore.h"
#include "haiku/HaikuCardDlg.h"
#include "haiku/HaikuListView.h"
#include "haiku/HaikuOrders.h"
#include "platform/MessageBox.h"
#include "platform/QtCodec.h"
#include "platform/UpDownControl.h"
#include "HaikuTestData.h"
#include "tests/ui/WindowTestMain.h"

class HaikuCardDlgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<halltest::DataDir> data;

    static QString Text(const CHaikuCardDlg& dlg, int id) {
        if (auto* edit = qobject_cast<QLineEdit*>(dlg.Control(id))) return edit->text();
        if (auto* edit = qobject_cast<QPlainTextEdit*>(dlg.Control(id))) return edit->toPlainText();
        return QStringLiteral("<none>");
    }
    static std::unique_ptr<CHaikuCardDlg> Open(int order, int position) {
        auto dlg = std::make_unique<CHaikuCardDlg>();
        dlg->SetOrder(order);
        dlg->SetPosition(position);
        dlg->show();  // opens without a modal loop
        return dlg;
    }
    static platform::CUpDownControl* UpDown(const CHaikuCardDlg& dlg) {
        return qobject_cast<platform::CUpDownControl*>(dlg.Control(1000));
    }

private slots:
    void initTestCase() {
        data = std::make_unique<halltest::DataDir>();
        platform::SetMessageBoxHandler([](const std::string& text, const std::string&) {
            qWarning("unexpected message: %s", qPrintable(platform::ToQString(text)));
            return platform::kIdOk;
        });
    }

    void showsTheHaikuOfTheDailyOrder() {
        auto dlg = Open(3, 34);
        QCOMPARE(dlg->windowTitle(), QStringLiteral("キロノの俳句"));
        QCOMPARE(Text(*dlg, 1002), QStringLiteral("キロノ一日一句(近代文芸社)の番号 : 35"));
        QCOMPARE(Text(*dlg, 1023), QStringLiteral("春や来し 年や行きけん 小晦日"));
        QCOMPARE(Text(*dlg, 1025), QStringLiteral("寛文 2年壬寅(1662)(19才)"));
        QCOMPARE(Text(*dlg, 1004), QStringLiteral("前書1"));
        QCOMPARE(Text(*dlg, 1003), QStringLiteral("春"));
        QCOMPARE(Text(*dlg, 1005), QStringLiteral("出典1"));
        QCOMPARE(Text(*dlg, 1027), QStringLiteral("解釈1。\n続きの行"));
        QCOMPARE(qobject_cast<QComboBox*>(dlg->Control(1001))->currentIndex(), 3);
        for (int id : {1004, 1023, 1024, 1003, 1026, 1027, 1025, 1005})
            QCOMPARE(dlg->Control(id)->font().pixelSize(), 12);
        QVERIFY(dlg->Control(1002)->font().pixelSize() != 12 || dlg->Control(1002)->font() != dlg->Control(1023)->font());
        dlg->accept();
    }

    void yearLineShowsTheSpanOfTheRowInThatSlot() {
        auto complete = Open(1, 39);
        QCOMPARE(Text(*complete, 1025), QStringLiteral("寛文 1年辛丑(1661)(18才)～寛文 12年壬子(1672)(29才)"));
        auto reg = Open(0, 39);
        QCOMPARE(Text(*reg, 1025), QStringLiteral("寛文 12年壬子(1672)(29才)"));
        QCOMPARE(Text(*reg, 1023), Text(*complete, 1023));
    }

    void stepsWithTheArrowsAndStaysAtBothEnds() {
        auto dlg = Open(3, 0);
        platform::CUpDownControl* arrows = UpDown(*dlg);
        QVERIFY(arrows);
        QTest::mouseClick(arrows->UpButton(), Qt::LeftButton);  // previous: stays at the first
        QCOMPARE(dlg->Card().GetPosition(), 0);
        QCOMPARE(Text(*dlg, 1002), QStringLiteral("キロノ一日一句(近代文芸社)の番号 : 1"));
        const int shown = dlg->Card().GetShowCount();
        QTest::mouseClick(arrows->UpButton(), Qt::LeftButton);
        QCOMPARE(dlg->Card().GetShowCount(), shown + 1);  // shown again all the same
        QTest::mouseClick(arrows->DownButton(), Qt::LeftButton);
        QTest::mouseClick(arrows->DownButton(), Qt::LeftButton);
        QCOMPARE(Text(*dlg, 1002), QStringLiteral("キロノ一日一句(近代文芸社)の番号 : 3"));
        dlg->SetPosition(364);
        dlg->ShowHaiku();
        QTest::mouseClick(arrows->DownButton(), Qt::LeftButton);
        QCOMPARE(dlg->Card().GetPosition(), 364);
        QCOMPARE(Text(*dlg, 1002), QStringLiteral("キロノ一日一句(近代文芸社)の番号 : 365"));
        QTest::mouseClick(arrows->UpButton(), Qt::LeftButton);
        QCOMPARE(dlg->Card().GetPosition(), 363);
    }

    void changingTheOrderKeepsThePositionClamped() {
        auto dlg = Open(0, 500);
        auto* box = qobject_cast<QComboBox*>(dlg->Control(1001));
        QCOMPARE(box->count(), 5);
        QCOMPARE(box->itemText(3), QStringLiteral("キロノ一日一句(近代文芸社)"));
        box->setFocus();
        box->setCurrentIndex(2);
        QTest::keyClick(box, Qt::Key_Down);  // a confirmed choice of item 3
        QCOMPARE(dlg->Card().GetOrder(), 3);
        QCOMPARE(dlg->Card().GetPosition(), 364);
        QCOMPARE(Text(*dlg, 1002), QStringLiteral("キロノ一日一句(近代文芸社)の番号 : 365"));
    }

    void closingStoresOrderAndPositionByOkCloseBoxOrEscape() {
        CSettingsStore& settings = CSettingsStore::Instance();
        {
            auto dlg = Open(4, 10);
            QTest::mouseClick(UpDown(*dlg)->DownButton(), Qt::LeftButton);
            QTest::mouseClick(qobject_cast<QPushButton*>(dlg->Control(1)), Qt::LeftButton);
            QVERIFY(!dlg->isVisible());
            QCOMPARE(settings.GetKironoMode(), 4);
            QCOMPARE(settings.GetKironoNo(), 11);
        }
        {
            auto dlg = Open(2, 20);
            QTest::mouseClick(UpDown(*dlg)->UpButton(), Qt::LeftButton);
            dlg->close();  // the close box
            QCOMPARE(settings.GetKironoMode(), 2);
            QCOMPARE(settings.GetKironoNo(), 19);
        }
        {
            auto dlg = Open(1, 7);
            QTest::keyClick(dlg.get(), Qt::Key_Escape);
            QCOMPARE(settings.GetKironoMode(), 1);
            QCOMPARE(settings.GetKironoNo(), 7);
        }
    }

    void interpretationRowsOf44BytesAreNeverWrappedAgain() {
        auto dlg = Open(0, 0);
        auto* field = qobject_cast<QPlainTextEdit*>(dlg->Control(1027));
        QVERIFY(field);
        // A full row of 44 half-width columns, as the card cuts them.
        field->setPlainText(QString(22, QChar(0x3042)) + QLatin1Char('\n') + QString(44, QLatin1Char('W')));
        QApplication::processEvents();
        QCOMPARE(field->document()->lineCount(), 2);
        const QFontMetrics fm(field->font());
        const int need = std::max(fm.horizontalAdvance(QString(22, QChar(0x3042))), fm.horizontalAdvance(QString(44, QLatin1Char('W'))));
        const int room = field->viewport()->width() - 2 * int(field->document()->documentMargin());
        QVERIFY(need <= room || field->horizontalScrollBar()->isVisible());
    }

    void numberLineIsNeverReachedByTheKeyboard() {
        auto dlg = Open(0, 0);
        dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
        QWidget* number = dlg->Control(1002);
        QVERIFY(number);
        // The first control with a tab stop has the focus when the card opens.
        QCOMPARE(QApplication::focusWidget(), dlg->Control(1004));
        for (int i = 0; i < 20; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != number);
        }
    }

    void checkBoxShowsAndFlipsTheStartupSetting() {
        CSettingsStore& settings = CSettingsStore::Instance();
        settings.SetKironoView(0);
        auto dlg = Open(0, 0);
        auto* box = qobject_cast<QCheckBox*>(dlg->Control(1006));
        QCOMPARE(box->text(), QStringLiteral("起動時に表示(&S)"));
        QVERIFY(!box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
        QCOMPARE(settings.GetKironoView(), 1);
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(!box->isChecked());
        QCOMPARE(settings.GetKironoView(), 0);
        settings.SetKironoView(1);
    }

    void openedFromASortedListShowsTheClickedHaikusOwnNumber() {
        CHaikuListView view;
        view.resize(1200, 500);
        view.show();
        view.OnInitialUpdate(haiku::GetOrderLabel(3));
        QHeaderView* header = view.horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(header->sectionViewportPosition(8) + 4, header->height() / 2));
        int row = 0;
        while (view.List().GetSlot(row) == row) ++row;
        const int slot = view.List().GetSlot(row);
        QString numberLine, haikuLine;
        QTimer::singleShot(0, [&] {
            auto* card = qobject_cast<CHaikuCardDlg*>(QApplication::activeModalWidget());
            if (!card) return;
            numberLine = Text(*card, 1002);
            haikuLine = Text(*card, 1023);
            card->reject();
        });
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                           view.visualRect(view.model()->index(row, 1)).center());
        QCOMPARE(numberLine, QStringLiteral("キロノ一日一句(近代文芸社)の番号 : %1").arg(slot + 1));
        const auto cell = [&](int c) { return view.model()->data(view.model()->index(row, c)).toString(); };
        QCOMPARE(haikuLine, cell(1) + QLatin1Char(' ') + cell(2) + QLatin1Char(' ') + cell(3));
        QCOMPARE(CSettingsStore::Instance().GetKironoNo(), slot);
        QCOMPARE(CSettingsStore::Instance().GetKironoMode(), 3);
    }
};

KIROKAN_WINDOW_TEST_MAIN(HaikuCardDlgTest)
#include "HaikuCardDlgTest.moc"
