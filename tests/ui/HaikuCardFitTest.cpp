// The haiku card with the shipped museum: every text of every haiku of every
// order is readable whole in its field.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QtTest>
#include <memory>

#include "app/SettingsStore.h"
#include "haiku/HaikuCardDlg.h"
#include "haiku/HaikuOrders.h"
#include "platform/MessageBox.h"
#include "platform/QtCodec.h"
#include "platform/UpDownControl.h"
#include "res/ResourceIds.h"
#include "tests/ui/WindowTestMain.h"

class HaikuCardFitTest : public QObject {
    Q_OBJECT

    // The width a line edit gives its text: inside the frame and the edit's
    // own margin of 2 pixels a side.
    static int TextRoom(const QLineEdit& edit) {
        const int frame = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit) : 0;
        const QMargins m = edit.textMargins();
        return edit.width() - 2 * frame - 4 - m.left() - m.right();
    }

private slots:
    void initTestCase() {
        CSettingsStore::Instance().Init(KIROKAN_MUSEUM_DIR, "kirokan-fit-test");
        platform::SetMessageBoxHandler([](const std::string& text, const std::string&) {
            qWarning("unexpected message: %s", qPrintable(platform::ToQString(text)));
            return platform::kIdOk;
        });
    }

    void everyTextOfEveryOrderFitsItsField() {
        const int fields[] = {res::IDC_CARD_NUMBER, res::IDC_CARD_HAIKU,
                              res::IDC_CARD_READING, res::IDC_CARD_SEASON, res::IDC_CARD_SEASON_WORD,
                              res::IDC_CARD_YEAR, res::IDC_CARD_SOURCE};
        int cut = 0;
        for (int order = 0; order < haiku::kOrderCount; ++order) {
            CHaikuCardDlg dlg;
            dlg.SetOrder(order);
            dlg.SetPosition(0);
            dlg.show();
            auto* updown = qobject_cast<platform::CUpDownControl*>(dlg.Control(res::IDC_CARD_UPDOWN));
            QVERIFY(updown);
            const int count = haiku::GetOrderCount(order);
            auto* preface = qobject_cast<QPlainTextEdit*>(dlg.Control(res::IDC_CARD_PREFACE));
            QVERIFY(preface);
            for (int position = 0; position < count; ++position) {
                if (position > 0) emit updown->stepRequested(-1);  // the lower arrow: one step on
                // The headnote wraps within its rows: nothing to scroll to.
                if (preface->verticalScrollBar()->maximum() > 0 && ++cut <= 12)
                    qWarning("order %d position %d: the headnote needs more rows: %s", order, position,
                             qPrintable(preface->toPlainText()));
                for (int id : fields) {
                    auto* edit = qobject_cast<QLineEdit*>(dlg.Control(id));
                    QVERIFY(edit);
                    const int need = edit->fontMetrics().horizontalAdvance(edit->text());
                    if (need > TextRoom(*edit) && ++cut <= 12)
                        qWarning("order %d position %d field %d: %d px in %d px: %s", order, position, id, need,
                                 TextRoom(*edit), qPrintable(edit->text()));
                }
            }
            dlg.accept();
        }
        QCOMPARE(cut, 0);
    }

    // With KIROKAN_SCREENSHOT_DIR and KIROKAN_SCREENSHOT_CARDS (register
    // numbers, blank-separated) set, saves the card on each of those haiku
    // as card-<number>.png.
    void screenshotsOfCards() {
        const QString dir = qEnvironmentVariable("KIROKAN_SCREENSHOT_DIR");
        const QStringList numbers = qEnvironmentVariable("KIROKAN_SCREENSHOT_CARDS").split(' ', Qt::SkipEmptyParts);
        if (dir.isEmpty() || numbers.isEmpty()) QSKIP("KIROKAN_SCREENSHOT_DIR or KIROKAN_SCREENSHOT_CARDS not set");
        for (const QString& number : numbers) {
            CHaikuCardDlg dlg;
            dlg.SetOrder(0);
            dlg.SetPosition(number.toInt() - 1);  // the register's order: position = number - 1
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            QVERIFY(dlg.grab().save(dir + "/card-" + number + ".png"));
            dlg.accept();
        }
    }

    void cleanupTestCase() {
        const std::string ini = std::string(KIROKAN_MUSEUM_DIR) + "/kirokan-fit-test.INI";
        std::remove(ini.c_str());
        std::remove((ini + ".lock").c_str());
    }
};

KIROKAN_WINDOW_TEST_MAIN(HaikuCardFitTest)
#include "HaikuCardFitTest.moc"
