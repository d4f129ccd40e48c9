#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

#include "tests/ui/TextWindowFixture.h"
#include "text/DrawnPane.h"
#include "text/SimpleHelpDlg.h"
#include "tests/ui/WindowTestMain.h"

namespace {

QStringList Topics(int longLines) {
    QStringList lines{QStringLiteral("[*]"), QStringLiteral("k1:目次"), QStringLiteral("l2:"), QStringLiteral("d:"),
                      QStringLiteral("[*]"), QStringLiteral("k1:松島"), QStringLiteral("k2:まつしま"),
                      QStringLiteral("d:松島は句碑の話")};
    for (int i = 0; i < longLines; ++i) lines << QStringLiteral("行%1").arg(i);
    lines << QStringLiteral("[*]") << QStringLiteral("k1:句碑") << QStringLiteral("d:句碑の一") << QStringLiteral("句碑の二");
    return lines;
}

const text::HelpLinkBox* FindLink(CSimpleHelpDlg& dlg, const QString& name) {
    for (const auto& row : dlg.Browser().RowLinks())
        for (const auto& box : row)
            if (platform::ToQString(box.link.text) == name) return &box;
    return nullptr;
}

// Points the browser at a Topics.txt of longLines body lines, starting on topic.
void Prepare(CSimpleHelpDlg& dlg, CTextWindowFixture& fx, int longLines, const QString& topic) {
    dlg.SetFilePath(platform::FromQString(fx.Write(QStringLiteral("Topics.txt"), Topics(longLines))));
    dlg.SetCaptionSuffix(platform::FromQString(topic));
    dlg.SetStartTopic(platform::FromQString(topic));
}

QRect ToQRect(const text::PixelRect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

}  // namespace

class SimpleHelpDlgTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheContentsWithBlueLinksAndFollowsThem() {
        CTextWindowFixture fx;
        CSimpleHelpDlg dlg;
        Prepare(dlg, fx, 20, QStringLiteral("目次"));
        QVERIFY(dlg.Create());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("簡易ヘルプ V1.03 - 目次"));
        QCOMPARE(dlg.SearchList(1)->count(), 4);
        QCOMPARE(dlg.SearchList(1)->itemText(3), QStringLiteral("*****"));
        QCOMPARE(dlg.SearchList(1)->currentText(), QStringLiteral("目次"));
        QCOMPARE(dlg.SearchList(2)->currentText(), QStringLiteral("*****"));
        QVERIFY(!dlg.TopicScrollBar()->isEnabled());
        QCOMPARE(dlg.ReferenceScrollBar()->maximum(), 0);  // nothing previewed: no thumb
        QCOMPARE(dlg.BackArrow()->pixmap().toImage(), dlg.ArrowImage(1).toImage());

        dlg.show();
        const text::HelpLinkBox* link = FindLink(dlg, QStringLiteral("松島"));
        QVERIFY(link);
        QImage image = dlg.TopicPane()->grab().toImage();
        QVERIFY(CountColour(image, ToQRect(link->rect), QColor(0, 0, 255)) > 10);

        // Hover: the reference pane previews the topic and its keys.
        SendMouse(dlg.TopicPane(), QEvent::MouseMove, ToQRect(link->rect).center());
        QCOMPARE(dlg.KeyField(1)->text(), QStringLiteral("松島"));
        QCOMPARE(dlg.KeyField(2)->text(), QStringLiteral("まつしま"));
        QCOMPARE(dlg.KeyField(3)->text(), QStringLiteral("*****"));
        QVERIFY(dlg.ReferenceScrollBar()->isEnabled());
        QCOMPARE(dlg.ReferenceScrollBar()->maximum(), 21 - 7);
        image = dlg.ReferencePane()->grab().toImage();
        QVERIFY(CountColour(image, QRect(2, 2, 200, 12), QColor(0, 0, 0)) > 10);
        QCOMPARE(CountColour(image, QRect(2, 2, 200, 80), QColor(0, 0, 255)), 0);

        // Click: the topic opens; its own name is no link, the other one is.
        SendMouse(dlg.TopicPane(), QEvent::MouseButtonPress, ToQRect(link->rect).center(), Qt::LeftButton);
        QCOMPARE(platform::ToQString(dlg.Browser().CurrentName()), QStringLiteral("松島"));
        QVERIFY(!FindLink(dlg, QStringLiteral("松島")));
        QVERIFY(FindLink(dlg, QStringLiteral("句碑")));
        QVERIFY(dlg.TopicScrollBar()->isEnabled());
        QCOMPARE(dlg.TopicScrollBar()->maximum(), 21 - 15);
        QCOMPARE(dlg.SearchList(2)->currentText(), QStringLiteral("まつしま"));
        QCOMPARE(dlg.BackArrow()->pixmap().toImage(), dlg.ArrowImage(0).toImage());
        QCOMPARE(dlg.KeyField(1)->text(), QString());
        // The emptied reference pane keeps no thumb of the preview.
        QVERIFY(!dlg.ReferenceScrollBar()->isEnabled());
        QCOMPARE(dlg.ReferenceScrollBar()->maximum(), 0);

        // Scrolling past the top beeps.
        dlg.TopicScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(fx.beeps, 1);
        dlg.TopicScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(dlg.TopicScrollBar()->value(), 1);

        // The back arrow returns to the contents; the forward arrow lights up.
        SendMouse(&dlg, QEvent::MouseButtonPress, dlg.BackArrow()->geometry().center(), Qt::LeftButton);
        QCOMPARE(platform::ToQString(dlg.Browser().CurrentName()), QStringLiteral("目次"));
        QCOMPARE(dlg.ForwardArrow()->pixmap().toImage(), dlg.ArrowImage(2).toImage());
        QVERIFY(!dlg.TopicScrollBar()->isEnabled());

        // "*****" beeps and changes nothing.
        emit dlg.SearchList(1)->activated(3);
        QCOMPARE(fx.beeps, 2);
        QCOMPARE(platform::ToQString(dlg.Browser().CurrentName()), QStringLiteral("目次"));
        // A real entry navigates and drops the forward entry.
        emit dlg.SearchList(1)->activated(0);
        QCOMPARE(platform::ToQString(dlg.Browser().CurrentName()), QStringLiteral("句碑"));
        QCOMPARE(dlg.ForwardArrow()->pixmap().toImage(), dlg.ArrowImage(3).toImage());
    }

    void theWheelOverTheTopicScrollBarMovesThePage() {
        CTextWindowFixture fx;
        CSimpleHelpDlg dlg;
        Prepare(dlg, fx, 40, QStringLiteral("松島"));
        QVERIFY(dlg.Create());
        dlg.show();
        QVERIFY(dlg.TopicScrollBar()->isEnabled());
        SendWheelDown(dlg.TopicScrollBar());
        QVERIFY(dlg.TopicScrollBar()->value() > 0);
        QCOMPARE(dlg.Browser().TopicFirst(), dlg.TopicScrollBar()->value());
    }

    void missingStartTopicShowsTheMessage() {
        CTextWindowFixture fx;
        const QString path = fx.Write(QStringLiteral("Topics.txt"), {QStringLiteral("[*]"), QStringLiteral("k1:a"),
                                                                     QStringLiteral("d:b")});
        CSimpleHelpDlg dlg;
        dlg.SetFilePath(platform::FromQString(path));
        dlg.SetStartTopic(platform::FromQString(QStringLiteral("目次")));
        QVERIFY(!dlg.Create());
        QCOMPARE(fx.messages, QStringList{QStringLiteral("ファイル:%1に\n検索キーワード:目次が\n見つかりません。").arg(path)});
    }
};

KIROKAN_WINDOW_TEST_MAIN(SimpleHelpDlgTest)
#include "SimpleHelpDlgTest.moc"
