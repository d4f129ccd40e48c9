#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>

#include "app/SettingsStore.h"
#include "app/WindowHooks.h"
#include "calendar/CalendarYearModel.h"
#include "calendar/CalendarYearRows.h"
#include "calendar/DisplayYearDlg.h"
#include "calendar/OldNewSimpleListView.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "res/ResourceIds.h"

namespace {

// The tip that the tips window shows first when opened from the calendar hall.
constexpr int kCalendarOnePoint = 42;

}  // namespace

COldNewSimpleListView::COldNewSimpleListView(QWidget* parent)
    : QTreeView(parent), m_rows(std::make_unique<CCalendarYearRows>()) {
    m_model = new CCalendarYearModel(*m_rows, this);
    setModel(m_model);
    // The list's font is the program's dialog font, as for the other lists.
    setFont(platform::DialogFont());
    // Report style: no tree decoration, whole rows selected one at a time.
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    // Narrow columns clip their text rather than trade digits for an ellipsis.
    setTextElideMode(Qt::ElideNone);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setDefaultAlignment(Qt::AlignCenter);
    // The widths come from the list font alone, however narrow.
    header()->setMinimumSectionSize(1);
    // The keyboard reaches the list (tab, or the window's activation), a
    // mouse click does not.
    setFocusPolicy(Qt::TabFocus);
    setContextMenuPolicy(Qt::PreventContextMenu);
}

COldNewSimpleListView::~COldNewSimpleListView() = default;

void COldNewSimpleListView::OnInitialUpdate() { Fill(); }

void COldNewSimpleListView::Fill() {
    platform::CWaitCursor wait;
    m_model->Fill(*m_rows, m_displayYear);
    SetColumnWidths();
    m_caption = m_rows->GetCaption();
    if (m_titleSink) m_titleSink(m_caption);
}

void COldNewSimpleListView::SetColumnWidths() {
    const int w = QFontMetrics(font()).averageCharWidth();
    for (int c = 0; c < CCalendarYearRows::kColumnCount; ++c)
        header()->resizeSection(c, CCalendarYearRows::GetWidthInChars(c) * w);
}

bool COldNewSimpleListView::OnCommand(int id) {
    switch (id) {
    case res::ID_CALENDAR_YEAR:
        OnSetDisplayYear();
        return true;
    case res::ID_ONE_POINT:
        OnOnePoint();
        return true;
    default:
        return false;
    }
}

void COldNewSimpleListView::OnSetDisplayYear() {
    CDisplayYearDlg dlg(this);
    dlg.SetDisplayYear(m_displayYear);
    dlg.SetDisplayMonth(m_displayMonth);
    dlg.SetYearRange(kFirstDisplayYear, kLastDisplayYear);
    const int result = RunModalDialog(&dlg);
    if (result != QDialog::Accepted) return;
    m_displayYear = dlg.GetDisplayYear();
    m_displayMonth = dlg.GetDisplayMonth();
    Fill();
}

bool COldNewSimpleListView::ShowYear(int year) {
    if (year < kFirstDisplayYear || year > kLastDisplayYear) return false;
    m_displayYear = year;
    m_displayMonth = 1;
    Fill();
    return true;
}

void COldNewSimpleListView::OnOnePoint() {
    CSettingsStore::Instance().SetOnePoint(kCalendarOnePoint);
    if (m_tipsRunner) m_tipsRunner();
}

void COldNewSimpleListView::mousePressEvent(QMouseEvent* event) {
    // Presses in the rows area never reach the list: no selection, no focus.
    event->accept();
    if (event->button() == Qt::RightButton) OnSetDisplayYear();
}

void COldNewSimpleListView::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void COldNewSimpleListView::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void COldNewSimpleListView::mouseMoveEvent(QMouseEvent* event) { event->accept(); }
