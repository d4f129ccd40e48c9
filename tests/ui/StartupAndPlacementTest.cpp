// Start-up and exit: the start-up windows, the main window's placement and
// bar layout, the search history and the recent-document list, all through
// a real settings file.
#include <QComboBox>
#include <QFile>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

#include "ShellTestSupport.h"
#include "app/SearchBar.h"
#include "res/ResourceIds.h"
#include "tests/ui/WindowTestMain.h"

namespace {

std::string Profile(const char* section, const char* key) {
    return CSettingsStore::Instance().GetProfileString(section, key);
}

}  // namespace

class StartupAndPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void firstRunShowsTipsThenCardAndCentresTheWindow() {
        CShellRun run;
        QVERIFY(!QFile::exists(run.SettingsPath()));
        QVERIFY(run.Start());
        // The tips window, then the card at order 0, position 0.
        QCOMPARE(run.calls.size(), size_t(2));
        QCOMPARE(run.calls[0].what, std::string("tips"));
        QCOMPARE(run.calls[1].what, std::string("card"));
        QCOMPARE(run.calls[1].a, 0);
        QCOMPARE(run.calls[1].b, 0);
        QVERIFY(run.frame->isVisible());
        QVERIFY(run.frame->GetChildFrames().empty());
        const QRect avail = run.frame->screen()->availableGeometry();
        const QRect g = run.frame->geometry();
        QVERIFY(g.width() < avail.width());
        // Centred up to the width of the window frame.
        const int margin = (run.frame->frameGeometry().width() - g.width()) / 2 + 1;
        QVERIFY(qAbs(g.center().x() - avail.center().x()) <= margin);
        QVERIFY(qAbs(g.center().y() - avail.center().y()) <= margin + 1);
        // The search history is empty and its combo box disabled.
        QCOMPARE(run.frame->GetSearchBar()->GetComboBox()->count(), 0);
        QVERIFY(!run.frame->GetSearchBar()->IsComboEnabled());
        QCOMPARE(run.frame->windowTitle(), U("『キロノ』博物館 V1.08"));
        run.Exit();
        // Closing wrote the placement; nothing asked for a save.
        QVERIFY(run.messages.empty());
        WindowPlacement wp;
        QVERIFY(ParseWindowPos(Profile("Settings", "WindowPos"), &wp));
        QCOMPARE(QRect(wp.left, wp.top, wp.right - wp.left, wp.bottom - wp.top), g);
        QCOMPARE(wp.showCmd, 1u);
    }

    void startupWindowsStayShutWhenSwitchedOff() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        QVERIFY(run.calls.empty());
        QVERIFY(run.frame->GetChildFrames().empty());
    }

    void normalPlacementRoundTrip() {
        CShellRun run;
        run.WriteSettings("WindowPos=0,1,-1,-1,-1,-1,40,30,560,430\n");
        QVERIFY(run.Start());
        QVERIFY(!run.frame->isMaximized());
        QCOMPARE(run.frame->geometry(), QRect(40, 30, 520, 400));
        run.frame->setGeometry(QRect(60, 50, 500, 380));
        run.Exit();
        QCOMPARE(Profile("Settings", "WindowPos"), std::string("0,1,-1,-1,-1,-1,60,50,560,430"));
    }

    void maximisedPlacementRoundTrip() {
        CShellRun run;
        run.WriteSettings("WindowPos=2,3,-1,-1,-1,-1,40,30,560,430\n");
        QVERIFY(run.Start());
        QTRY_VERIFY(run.frame->isMaximized());
        QCOMPARE(run.frame->normalGeometry(), QRect(40, 30, 520, 400));
        run.Exit();
        QCOMPARE(Profile("Settings", "WindowPos"), std::string("2,3,-1,-1,-1,-1,40,30,560,430"));
        // The next start comes back maximised with the same restored size.
        CShellRun again;
        QFile::copy(run.SettingsPath(), again.SettingsPath());
        QVERIFY(again.Start());
        QTRY_VERIFY(again.frame->isMaximized());
        QCOMPARE(again.frame->normalGeometry(), QRect(40, 30, 520, 400));
    }

    void unparsablePlacementIsIgnored() {
        CShellRun centred;
        centred.WriteSettings("");
        QVERIFY(centred.Start());
        const QRect platformChoice = centred.frame->geometry();
        centred.Exit();
        for (const char* bad : {"1,2,3", "0,1,-1,-1,-1,-1,40,30,560", "0,1,-1,-1,-1,-1,40,30,560,x"}) {
            CShellRun run;
            run.WriteSettings(std::string("WindowPos=") + bad + "\n");
            QVERIFY(run.Start());
            QCOMPARE(run.frame->RestoreWindowPos(), 0);
            QVERIFY(!run.frame->isMaximized());
            // Not the stored rectangle; not centred either.
            QVERIFY(run.frame->geometry() != QRect(40, 30, 520, 400));
            QCOMPARE(run.frame->size(), platformChoice.size());
        }
    }

    void barLayoutSurvivesARestart() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        run.Action(res::ID_VIEW_TOOLBAR)->trigger();
        run.Action(res::ID_VIEW_STATUS_BAR)->trigger();
        run.frame->addToolBar(Qt::LeftToolBarArea, run.frame->GetSearchBar());
        run.Exit();
        QVERIFY(!Profile("General", "BarState").empty());

        CShellRun again;
        QFile::copy(run.SettingsPath(), again.SettingsPath());
        QVERIFY(again.Start());
        QVERIFY(again.frame->GetToolBar()->isHidden());
        QVERIFY(!again.Action(res::ID_VIEW_TOOLBAR)->isChecked());
        QVERIFY(again.frame->statusBar()->isHidden());
        QVERIFY(!again.Action(res::ID_VIEW_STATUS_BAR)->isChecked());
        QCOMPARE(again.frame->toolBarArea(again.frame->GetSearchBar()), Qt::LeftToolBarArea);
    }

    void searchHistoryRules() {
        CShellRun run;
        run.WriteSettings("[Find Strings]\nFind1=" + S("古池") + "\nFind2=" + S("秋") + "\nFind3=\nFind4=" +
                          S("夏草") + "\n");
        QVERIFY(run.Start());
        CSearchBar* bar = run.frame->GetSearchBar();
        QComboBox* combo = bar->GetComboBox();
        // Loading stops at the empty Find3; the list is in byte order and its
        // first entry is selected.
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), U("古池"));  // 8C C3 ...
        QCOMPARE(combo->itemText(1), U("秋"));    // 8F 48
        QCOMPARE(combo->currentText(), U("古池"));

        bar->EnableCombo(true);
        combo->setEditText(U("秋"));
        QCOMPARE(bar->TakeSearchText(), S("秋"));  // already there: no duplicate
        QCOMPARE(combo->count(), 2);
        combo->setEditText(U("蛙"));  // 8A 5E: sorts first
        QCOMPARE(bar->TakeSearchText(), S("蛙"));
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0), U("蛙"));
        QCOMPARE(combo->currentText(), U("蛙"));
        combo->setEditText(QString());
        QCOMPARE(bar->TakeSearchText(), std::string());
        QCOMPARE(combo->count(), 3);
        // Twenty texts in all: the first sixteen in sorted order are written.
        for (int i = 0; i < 17; ++i) {
            combo->setEditText(QStringLiteral("w%1").arg(i, 2, 10, QLatin1Char('0')));
            bar->TakeSearchText();
        }
        QCOMPARE(combo->count(), 20);
        run.Exit();
        CSettingsStore& store = CSettingsStore::Instance();
        const std::vector<std::string> saved = store.LoadFindStrings();
        QCOMPARE(saved.size(), size_t(16));
        QCOMPARE(saved.front(), std::string("w00"));
        QCOMPARE(saved.back(), std::string("w15"));
        QVERIFY(std::is_sorted(saved.begin(), saved.end()));
        QCOMPARE(Profile("Find Strings", "Find17"), std::string());
    }

    void recentListKeepsTheLastFourOpened() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        for (int id : {res::ID_HAIKU_REGISTER, res::ID_HAIKU_OUFUSHA, res::ID_HAIKU_SHINCHOSHA,
                       res::ID_HAIKU_ICHINICHI, res::ID_HAIKU_NENPU})
            run.Command(id);
        run.Exit();
        const std::string dir = platform::FromQString(run.DataDir()) + "/";
        QCOMPARE(Profile("Recent File List", "File1"), dir + S("キロノ年譜大成(角川書店)"));
        QCOMPARE(Profile("Recent File List", "File4"), dir + S("キロノ全句集(桜楓社)"));
        QCOMPARE(Profile("Recent File List", "File5"), std::string());
    }
};

KIROKAN_WINDOW_TEST_MAIN(StartupAndPlacementTest)
#include "StartupAndPlacementTest.moc"
