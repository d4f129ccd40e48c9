#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QtTest>

#include "app/SettingsStore.h"
#include "tests/ui/TextWindowFixture.h"
#include "text/OnePointDlg.h"
#include "tests/ui/WindowTestMain.h"

namespace {

QStringList Tips(int n) {
    QStringList lines{QStringLiteral("// ワンポイント")};
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral("%1:").arg(i) << QStringLiteral("見出し%1").arg(i) << QStringLiteral("本文の行 %1").arg(i);
    return lines;
}

}  // namespace

class OnePointDlgTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheStoredTipAndStepsAround() {
        CTextWindowFixture fx;
        fx.Write(QStringLiteral("onepoint.txt"), Tips(12));
        CSettingsStore::Instance().SetOnePoint(13);
        CSettingsStore::Instance().SetOnePointView(1);
        COnePointDlg dlg;
        QVERIFY(dlg.InitDialog());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("『キロノ』博物館 V1.08 - ワンポイント"));
        QCOMPARE(dlg.Current(), 1);
        QVERIFY(dlg.CheckBox()->isChecked());
        QCOMPARE(dlg.CheckBox()->text(), QStringLiteral("起動時にワンポイントを表示(&S)"));

        dlg.PrevButton()->click();
        QCOMPARE(dlg.Current(), 12);
        QCOMPARE(platform::ToQString(dlg.Tips().GetHeading()), QStringLiteral("見出し12\n"));
        dlg.NextButton()->click();
        dlg.NextButton()->click();
        QCOMPARE(dlg.Current(), 2);

        // The heading box: black border at x = 87, white inside, the heading
        // drawn in black; the body box below it.
        dlg.show();
        const QImage image = dlg.grab().toImage();

        const text::TipsLayout l = dlg.Layout();
        QCOMPARE(QColor(image.pixel(87, 30)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(88, 15)), QColor(Qt::white));
        QCOMPARE(QColor(image.pixel(l.headingBox.right - 1, 30)), QColor(Qt::black));
        QVERIFY(CountColour(image, QRect(89, 25, 150, 36), QColor(Qt::black)) > 50);
        QVERIFY(CountColour(image, QRect(89, 62 + l.bodyFontHeight, 150, l.bodyFontHeight), QColor(Qt::black)) > 10);
        QCOMPARE(CountColour(image, QRect(89, 62, 150, l.bodyFontHeight - 1), QColor(Qt::black)), 0);  // first line empty
        QCOMPARE(l.bodyBox.bottom, dlg.Panel()->height() + 11);

        // The check box flips the start-up setting.
        dlg.CheckBox()->click();
        QCOMPARE(CSettingsStore::Instance().GetOnePointView(), 0);
        QVERIFY(!dlg.CheckBox()->isChecked());

        // Closing stores the tip after the current one.
        dlg.CloseButton()->click();
        QCOMPARE(CSettingsStore::Instance().GetOnePoint(), 3);
        QVERIFY(!dlg.isVisible());
    }

    void aFileThatBecomesUnreadableClosesTheWindowOnTheNextStep() {
        for (bool forward : {true, false}) {
            CTextWindowFixture fx;
            fx.Write(QStringLiteral("onepoint.txt"), Tips(5));
            CSettingsStore::Instance().SetOnePoint(2);
            COnePointDlg dlg;
            QVERIFY(dlg.InitDialog());
            dlg.show();
            QVERIFY(QFile::remove(fx.Path(QStringLiteral("onepoint.txt"))));
            (forward ? dlg.NextButton() : dlg.PrevButton())->click();
            QCOMPARE(fx.messages.size(), 1);
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.result(), int(QDialog::Rejected));
            QCOMPARE(CSettingsStore::Instance().GetOnePoint(), 0);
        }
    }

    void missingFileClosesAtOnceAndStoresZero() {
        CTextWindowFixture fx;
        CSettingsStore::Instance().SetOnePoint(5);
        COnePointDlg dlg;
        QVERIFY(!dlg.InitDialog());
        dlg.done(QDialog::Rejected);
        QCOMPARE(CSettingsStore::Instance().GetOnePoint(), 0);
        QCOMPARE(fx.messages.size(), 1);
        QVERIFY(fx.messages[0].startsWith(fx.Path(QStringLiteral("onepoint.txt"))));
    }
};

KIROKAN_WINDOW_TEST_MAIN(OnePointDlgTest)
#include "OnePointDlgTest.moc"
