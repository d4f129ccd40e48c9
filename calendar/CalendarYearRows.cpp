#include "calendar/CalendarYearRows.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kTitle = "旧暦／西暦対照表";

constexpr const char* kHeaders[CCalendarYearRows::kColumnCount] = {
    "月", "日", "干支", "西暦", "月", "日", "曜日"};
constexpr int kWidths[CCalendarYearRows::kColumnCount] = {4, 4, 6, 6, 4, 4, 6};

// Copies a name into a cell, cutting it at the cell's size (the names are at
// most 4 bytes, so nothing is ever cut).
void CopyCell(char* cell, const char* text) {
    std::snprintf(cell, CCalendarYearRows::kCellBytes, "%s", text ? text : "");
}

}  // namespace

CCalendarYearRows::CCalendarYearRows() : m_year(0), m_rowCount(0), m_rows{}, m_caption{} {}

const char* CCalendarYearRows::GetHeader(int column) {
    return column >= 0 && column < kColumnCount ? kHeaders[column] : "";
}

int CCalendarYearRows::GetWidthInChars(int column) {
    return column >= 0 && column < kColumnCount ? kWidths[column] : 0;
}

const char* CCalendarYearRows::GetCell(int row, int column) const {
    if (row < 0 || row >= m_rowCount || column < 0 || column >= kColumnCount) return "";
    return m_rows[row][column];
}

int CCalendarYearRows::Fill(int year) {
    m_year = year;
    m_rowCount = 0;
    m_caption[0] = '\0';
    const int leapPosition = m_table.GetLeapPosition(year);
    if (leapPosition < 0) return -1;
    FillOldSide(year, leapPosition);
    FillWesternSide(year, leapPosition);
    SetCaption(year);
    return m_rowCount;
}

void CCalendarYearRows::FillOldSide(int year, int leapPosition) {
    const int positions = 12 + (leapPosition != 0 ? 1 : 0);
    int regularMonth = 0;
    for (int p = 1; p <= positions; ++p) {
        char label[kCellBytes];
        if (p == leapPosition) {
            std::snprintf(label, sizeof label, "閏%2d", p - 1);
        } else {
            std::snprintf(label, sizeof label, "%2d", ++regularMonth);
        }
        const int days = m_table.GetMonthDays(year, p);
        for (int d = 1; d <= days && m_rowCount < kMaxRows; ++d) {
            Cells& row = m_rows[m_rowCount++];
            std::memset(row, 0, sizeof row);
            if (d == 1) CopyCell(row[kOldMonth], label);
            std::snprintf(row[kOldDay], kCellBytes, "%2d", d);
            CopyCell(row[kDayCycle], m_cycles.GetCycleName(m_table.GetDayCycle(year, p, d)));
        }
    }
}

void CCalendarYearRows::FillWesternSide(int year, int leapPosition) {
    const int positions = 12 + (leapPosition != 0 ? 1 : 0);
    int row = 0;
    int shownYear = 0;
    int shownMonth = 0;
    for (int p = 1; p <= positions; ++p) {
        const int days = m_table.GetMonthDays(year, p);
        for (int d = 1; d <= days && row < m_rowCount; ++d, ++row) {
            Cells& cells = m_rows[row];
            const WesternDate date = m_table.ToWestern(year, p, d);
            if (d == 1 || date.year != shownYear) {
                std::snprintf(cells[kWesternYear], kCellBytes, "%4d", date.year);
                shownYear = date.year;
            }
            if (d == 1 || date.month != shownMonth) {
                std::snprintf(cells[kWesternMonth], kCellBytes, "%2d", date.month);
                shownMonth = date.month;
            }
            std::snprintf(cells[kWesternDay], kCellBytes, "%2d", date.day);
            CopyCell(cells[kWeekday],
                     m_names.GetWeekdayName(m_names.DayOfWeek(date.year, date.month, date.day)));
        }
    }
}

void CCalendarYearRows::SetCaption(int year) {
    std::snprintf(m_caption, sizeof m_caption, "%s 旧暦  %d年(%s %d年 %s)", kTitle, year,
                  m_table.GetEraName(year), m_table.GetEraYear(year), m_cycles.GetCycleName(year));
}
