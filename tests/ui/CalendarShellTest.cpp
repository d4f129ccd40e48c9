// The calendar hall inside the running program: the calendar command opens
// the list in a document window, and the commands reach it through the main
// frame.
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "ShellTestSupport.h"
#include "app/ChildFrame.h"
#include "app/KirokanDoc.h"
#include "calendar/DisplayYearDlg.h"
#include "calendar/OldNewSimpleListView.h"
#include "platform/UpDownControl.h"
#include "res/ResourceIds.h"
#include "tests/support/ResourceNames.h"
#include "tests/ui/WindowTestMain.h"

namespace {

QString Caption(int year, const char* era, int eraYear, const char* cycle) {
    return U("旧暦／西暦対照表 旧暦  %1年(%2 %3年 %4)").arg(year).arg(U(era)).arg(eraYear).arg(U(cycle));
}

COldNewSimpleListView* CalendarView(CChildFrame* frame) {
    return frame ? qobject_cast<COldNewSimpleListView*>(frame->GetViewWidget()) : nullptr;
}

// Answers the display-year window: steps it up `steps` times, then OK.
int StepAndAccept(QDialog* dialog, int steps) {
    auto* dlg = qobject_cast<CDisplayYearDlg*>(dialog);
    if (!dlg) return QDialog::Rejected;
    dlg->show();
    auto* spin = testsupport::FindById<platform::CUpDownControl>(dlg, res::IDC_YEAR_SPIN);
    for (int i = 0; i < steps; ++i) QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
    QTest::mouseClick(testsupport::FindById<QPushButton>(dlg, res::IDOK), Qt::LeftButton);
    return dlg->result();
}

}  // namespace

class CalendarShellTest : public QObject {
    Q_OBJECT
private slots:
    void calendarCommandOpensTheListAt1644() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        run.Command(res::ID_CALENDAR_TABLE);
        CChildFrame* frame = run.frame->GetActiveFrame();
        COldNewSimpleListView* view = CalendarView(frame);
        QVERIFY(view);
        QCOMPARE(view->model()->rowCount(), 355);
        QCOMPARE(frame->windowTitle(), Caption(1644, "正保", 1, "甲申"));
        QVERIFY(run.Action(res::ID_CALENDAR_YEAR)->isEnabled());
        // The keyboard reaches the list of the active window.
        QTRY_VERIFY(view->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        const int row = view->currentIndex().row();
        QVERIFY(row >= 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(view->currentIndex().row(), row + 1);
        QVERIFY(view->selectionModel()->isRowSelected(row + 1, {}));
    }

    void displayYearCommandRebuildsAndRetitlesWithoutARecentEntry() {
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        run.Command(res::ID_CALENDAR_TABLE);
        CChildFrame* frame = run.frame->GetActiveFrame();
        const auto recentBefore = run.app->GetRecentFileList().Entries();

        run.onModal = [](QDialog* dialog) { return StepAndAccept(dialog, 45); };
        run.Command(res::ID_CALENDAR_YEAR);
        QCOMPARE(run.calls.size(), size_t(1));
        QCOMPARE(run.calls[0].what, std::string("modal:CDisplayYearDlg"));
        QCOMPARE(frame->windowTitle(), Caption(1689, "元禄", 2, "己巳"));
        QCOMPARE(platform::ToQString(frame->GetDocument()->GetTitle()), Caption(1689, "元禄", 2, "己巳"));
        QCOMPARE(CalendarView(frame)->model()->rowCount(), 384);
        QCOMPARE(run.app->GetRecentFileList().Entries(), recentBefore);

        // Cancelled, the window stays as it was.
        run.onModal = [](QDialog*) { return int(QDialog::Rejected); };
        run.Command(res::ID_CALENDAR_YEAR);
        QCOMPARE(frame->windowTitle(), Caption(1689, "元禄", 2, "己巳"));
    }

    void onePointFromTheCalendarWindowStoresTip42() {
        CShellRun run;
        run.WriteSettings("onepoint=5\n");
        QVERIFY(run.Start());
        run.Command(res::ID_CALENDAR_TABLE);
        run.calls.clear();
        int storedWhenOpened = 0;
        GetWindowHooks().showOnePointTips = [&](QWidget*) {
            run.calls.push_back({"tips", 0, 0, {}});
            storedWhenOpened = CSettingsStore::Instance().GetOnePoint();
        };
        run.Command(res::ID_ONE_POINT);
        QCOMPARE(run.calls.size(), size_t(1));
        QCOMPARE(run.calls[0].what, std::string("tips"));
        QCOMPARE(storedWhenOpened, 42);
    }

    // With KIROKAN_SCREENSHOT_DIR set, saves the main window with a calendar
    // window (1694, around its leap month) as calendar.png there.
    void screenshot() {
        const QString dir = qEnvironmentVariable("KIROKAN_SCREENSHOT_DIR");
        if (dir.isEmpty()) QSKIP("KIROKAN_SCREENSHOT_DIR not set");
        CShellRun run;
        run.WriteSettings("");
        QVERIFY(run.Start());
        run.frame->resize(720, 560);
        run.Command(res::ID_CALENDAR_TABLE);
        run.onModal = [](QDialog* dialog) { return StepAndAccept(dialog, 50); };
        run.Command(res::ID_CALENDAR_YEAR);
        CChildFrame* frame = run.frame->GetActiveFrame();
        frame->showNormal();
        frame->setGeometry(10, 10, 520, 400);
        COldNewSimpleListView* view = CalendarView(frame);
        view->setFocus();
        for (int i = 0; i < 150; ++i) QTest::keyClick(view, Qt::Key_Down);
        run.Flush();
        QVERIFY(run.frame->grab().save(dir + QStringLiteral("/calendar.png")));
    }
};

KIROKAN_WINDOW_TEST_MAIN(CalendarShellTest)
#include "CalendarShellTest.moc"
