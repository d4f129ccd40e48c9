// The calendar list and the display-year window, on real widgets (offscreen).
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include "app/WindowHooks.h"
#include "calendar/DisplayYearDlg.h"
#include "calendar/OldNewSimpleListView.h"
#include "platform/MessageBox.h"
#include "platform/QtCodec.h"
#include "platform/UpDownControl.h"
#include "res/ResourceIds.h"
#include "tests/support/ResourceNames.h"
#include "tests/ui/WindowTestMain.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

QString Caption(int year, const char* era, int eraYear, const char* cycle) {
    return U("旧暦／西暦対照表 旧暦  %1年(%2 %3年 %4)").arg(year).arg(U(era)).arg(eraYear).arg(U(cycle));
}

// A calendar window as the museum shows it: the list beside another widget
// that can hold the focus, the caption going to the window title.
struct CalendarWindow {
    QWidget frame;
    QLineEdit* other;
    COldNewSimpleListView* view;
    QString title;

    CalendarWindow() {
        auto* layout = new QVBoxLayout(&frame);
        other = new QLineEdit(&frame);
        view = new COldNewSimpleListView(&frame);
        layout->addWidget(other);
        layout->addWidget(view);
        view->SetTitleSink([this](const std::string& caption) { title = platform::ToQString(caption); });
        frame.resize(420, 600);
        frame.show();
        view->OnInitialUpdate();
    }
    QString Cell(int row1, int column) const {
        return view->model()->index(row1 - 1, column).data().toString();
    }
    QPoint RowPoint(int row1) const {
        return view->visualRect(view->model()->index(row1 - 1, 2)).center();
    }
};

struct DialogParts {
    QLineEdit* edit;
    platform::CUpDownControl* spin;
    QPushButton* ok;
    QPushButton* cancel;
};

DialogParts Parts(CDisplayYearDlg& dlg) {
    using testsupport::FindById;
    return {FindById<QLineEdit>(&dlg, res::IDC_YEAR_EDIT), FindById<platform::CUpDownControl>(&dlg, res::IDC_YEAR_SPIN),
            FindById<QPushButton>(&dlg, res::IDOK), FindById<QPushButton>(&dlg, res::IDCANCEL)};
}

// In place of the modal run: opens the window without blocking, lets `act`
// work on it and returns how it closed.
template <class Act>
void Driving(Act act, int* runs = nullptr) {
    GetWindowHooks().runModal = [act, runs](QDialog* dialog) {
        auto* dlg = qobject_cast<CDisplayYearDlg*>(dialog);
        if (!dlg) return int(QDialog::Rejected);
        if (runs) ++*runs;
        dlg->show();
        act(*dlg);
        if (dlg->isVisible()) dlg->reject();
        return dlg->result();
    };
}

void StepUp(const DialogParts& p, int times) {
    for (int i = 0; i < times; ++i) QTest::mouseClick(p.spin->UpButton(), Qt::LeftButton);
}

}  // namespace

class CalendarHallTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ResetWindowHooks(); }

    void opensAt1644WithSevenCentredColumns() {
        int waits = 0, shown = 0;
        auto previous = platform::SetWaitCursorHandler([&](bool show) {
            ++waits;
            shown += show ? 1 : -1;
        });
        CalendarWindow w;
        platform::SetWaitCursorHandler(previous);
        QCOMPARE(w.title, Caption(1644, "正保", 1, "甲申"));
        QCOMPARE(w.view->model()->rowCount(), 355);
        QCOMPARE(waits, 2);  // shown while filling, then restored
        QCOMPARE(shown, 0);

        const char* headers[7] = {"月", "日", "干支", "西暦", "月", "日", "曜日"};
        const int widths[7] = {4, 4, 6, 6, 4, 4, 6};
        QCOMPARE(w.view->model()->columnCount(), 7);
        const int avg = QFontMetrics(w.view->font()).averageCharWidth();
        for (int c = 0; c < 7; ++c) {
            QCOMPARE(w.view->model()->headerData(c, Qt::Horizontal).toString(), U(headers[c]));
            QCOMPARE(w.view->header()->sectionSize(c), widths[c] * avg);
            QCOMPARE(w.view->model()->index(0, c).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        }
    }

    void tellingRowsOf1644() {
        CalendarWindow w;
        struct Row {
            int row;
            const char* cells[7];
        };
        const Row rows[] = {
            {1, {" 1", " 1", "庚寅", "1644", " 2", " 8", "月"}},
            {2, {"", " 2", "辛卯", "", "", " 9", "火"}},
            {31, {" 2", " 1", "庚申", "1644", " 3", " 9", "水"}},
            {329, {"", " 4", "戊午", "1645", " 1", " 1", "日"}},
            {355, {"", "30", "甲申", "", "", "27", "金"}},
        };
        for (const Row& r : rows)
            for (int c = 0; c < 7; ++c) QCOMPARE(w.Cell(r.row, c), U(r.cells[c]));
    }

    void windowOpensAtTheShownYearAndStopsAt1644() {
        CalendarWindow w;
        int runs = 0;
        Driving(
            [](CDisplayYearDlg& dlg) {
                const DialogParts p = Parts(dlg);
                QVERIFY(p.edit && p.spin && p.ok && p.cancel);
                QCOMPARE(dlg.windowTitle(), U("旧暦 <1644～1694>"));
                QCOMPARE(p.edit->text(), QStringLiteral("1644"));
                QTest::mouseClick(p.spin->DownButton(), Qt::LeftButton);
                QTest::keyClick(p.edit, Qt::Key_Down);
                QTest::keyClick(p.spin, Qt::Key_Down);
                QCOMPARE(p.edit->text(), QStringLiteral("1644"));
                // The edit takes no typing: only the spin changes it.
                QTest::keyClicks(p.edit, QStringLiteral("99"));
                QTest::keyClick(p.edit, Qt::Key_Backspace);
                QTest::keyClick(p.edit, Qt::Key_Delete);
                QCOMPARE(p.edit->text(), QStringLiteral("1644"));
                QVERIFY(p.edit->isReadOnly());
                QTest::keyClick(p.edit, Qt::Key_Up);
                QCOMPARE(p.edit->text(), QStringLiteral("1645"));
            },
            &runs);
        QVERIFY(w.view->OnCommand(res::ID_CALENDAR_YEAR));
        QCOMPARE(runs, 1);
    }

    void cancelAfterSteppingChangesNothing() {
        CalendarWindow w;
        Driving([](CDisplayYearDlg& dlg) {
            const DialogParts p = Parts(dlg);
            StepUp(p, 5);
            QCOMPARE(p.edit->text(), QStringLiteral("1649"));
            QTest::mouseClick(p.cancel, Qt::LeftButton);
        });
        w.view->OnSetDisplayYear();
        QCOMPARE(w.view->GetDisplayYear(), 1644);
        QCOMPARE(w.title, Caption(1644, "正保", 1, "甲申"));
        QCOMPARE(w.view->model()->rowCount(), 355);
        QCOMPARE(w.Cell(1, 2), U("庚寅"));
    }

    void okAt1689ShowsThatYear() {
        CalendarWindow w;
        Driving([](CDisplayYearDlg& dlg) {
            const DialogParts p = Parts(dlg);
            StepUp(p, 45);
            QCOMPARE(p.edit->text(), QStringLiteral("1689"));
            QTest::mouseClick(p.ok, Qt::LeftButton);
        });
        w.view->OnSetDisplayYear();
        QCOMPARE(w.view->GetDisplayYear(), 1689);
        QCOMPARE(w.view->GetDisplayMonth(), 1);
        QCOMPARE(w.title, Caption(1689, "元禄", 2, "己巳"));
        QCOMPARE(w.view->model()->rowCount(), 384);
        QCOMPARE(w.Cell(31, 0), U("閏 1"));  // after the 30 days of month 1
    }

    void year1694HasItsLeapMonthAndIsTheEnd() {
        CalendarWindow w;
        Driving([](CDisplayYearDlg& dlg) {
            const DialogParts p = Parts(dlg);
            StepUp(p, 49);
            QCOMPARE(p.edit->text(), QStringLiteral("1693"));
            StepUp(p, 1);
            QCOMPARE(p.edit->text(), QStringLiteral("1694"));
            StepUp(p, 3);
            QTest::keyClick(p.edit, Qt::Key_Up);
            QCOMPARE(p.edit->text(), QStringLiteral("1694"));
            QTest::mouseClick(p.ok, Qt::LeftButton);
        });
        w.view->OnSetDisplayYear();
        QCOMPARE(w.title, Caption(1694, "元禄", 7, "甲戌"));
        QCOMPARE(w.view->model()->rowCount(), 384);
        const char* row150[7] = {"閏 5", " 1", "戊辰", "1694", " 6", "23", "水"};
        for (int c = 0; c < 7; ++c) QCOMPARE(w.Cell(150, c), U(row150[c]));

        // Opened again, the window starts from 1694 and steps back down.
        Driving([](CDisplayYearDlg& dlg) {
            const DialogParts p = Parts(dlg);
            QCOMPARE(p.edit->text(), QStringLiteral("1694"));
            QTest::mouseClick(p.spin->DownButton(), Qt::LeftButton);
            QTest::mouseClick(p.ok, Qt::LeftButton);
        });
        w.view->OnSetDisplayYear();
        QCOMPARE(w.title, Caption(1693, "元禄", 6, "癸酉"));
        QCOMPARE(w.view->model()->rowCount(), 354);
    }

    void modalRunClosedFromATimer() {
        CalendarWindow w;
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<CDisplayYearDlg*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            const DialogParts p = Parts(*dlg);
            StepUp(p, 2);
            QTest::keyClick(dlg, Qt::Key_Return);  // the default button is OK
        });
        w.view->OnSetDisplayYear();
        QCOMPARE(w.view->GetDisplayYear(), 1646);
        QCOMPARE(w.title, Caption(1646, "正保", 3, "丙戌"));
    }

    void rightClickInTheRowsOpensTheWindowButNotOnTheHeader() {
        CalendarWindow w;
        int runs = 0;
        Driving([](CDisplayYearDlg&) {}, &runs);
        QTest::mouseClick(w.view->header()->viewport(), Qt::RightButton, {}, QPoint(10, 5));
        QCOMPARE(runs, 0);
        QTest::mouseClick(w.view->viewport(), Qt::RightButton, {}, w.RowPoint(3));
        QCOMPARE(runs, 1);
        // Below the last visible row is still the rows area.
        QTest::mouseClick(w.view->viewport(), Qt::RightButton, {},
                          QPoint(5, w.view->viewport()->height() - 2));
        QCOMPARE(runs, 2);
        QVERIFY(!w.view->selectionModel()->hasSelection());
        QCOMPARE(w.title, Caption(1644, "正保", 1, "甲申"));
    }

    void leftClickChangesNeitherSelectionNorFocus() {
        CalendarWindow w;
        w.frame.activateWindow();
        w.other->setFocus();
        QTRY_VERIFY(w.other->hasFocus());
        QTest::mouseClick(w.view->viewport(), Qt::LeftButton, {}, w.RowPoint(5));
        QTest::mouseDClick(w.view->viewport(), Qt::LeftButton, {}, w.RowPoint(6));
        QVERIFY(w.other->hasFocus());
        QVERIFY(!w.view->selectionModel()->hasSelection());
        QVERIFY(!w.view->currentIndex().isValid());

        // The keyboard still selects, and a click does not move that selection.
        w.view->setFocus();
        QVERIFY(w.view->hasFocus());
        QTest::keyClick(w.view, Qt::Key_Down);
        QTest::keyClick(w.view, Qt::Key_Down);
        const int row = w.view->currentIndex().row();
        QVERIFY(row >= 0);
        QVERIFY(w.view->selectionModel()->isRowSelected(row, {}));
        QTest::mouseClick(w.view->viewport(), Qt::LeftButton, {}, w.RowPoint(12));
        QCOMPARE(w.view->currentIndex().row(), row);
        QCOMPARE(w.view->selectionModel()->selectedRows().size(), 1);
        QVERIFY(w.view->selectionModel()->isRowSelected(row, {}));
        QTest::keyClick(w.view, Qt::Key_Down);
        QCOMPARE(w.view->currentIndex().row(), row + 1);
    }
};

KIROKAN_WINDOW_TEST_MAIN(CalendarHallTest)
#include "CalendarHallTest.moc"
