#pragma once
// The rows of the old/new calendar list for one old-calendar year: one row per
// day, seven cell texts each (old month label, old day, the day's cycle name,
// Western year, month, day and weekday), and the window caption that names the
// year. Everything is kept in fixed arrays; a fill allocates nothing.
#include "calendar/CalendarNames.h"
#include "calendar/OldCalendarTable.h"
#include "calendar/SexagenaryNames.h"

class CCalendarYearRows {
public:
    static constexpr int kColumnCount = 7;
    static constexpr int kMaxRows = 385;   // 13 big months would be 390; no year has more than 385 days
    static constexpr int kCellBytes = 12;  // the longest cell is "閏12" (6 bytes)
    static constexpr int kCaptionBytes = 128;

    enum Column : int {
        kOldMonth = 0,
        kOldDay = 1,
        kDayCycle = 2,
        kWesternYear = 3,
        kWesternMonth = 4,
        kWesternDay = 5,
        kWeekday = 6,
    };

    CCalendarYearRows();

    // Fills the rows and the caption of an old-calendar year. Returns the row
    // count, or -1 (no rows, empty caption) for a year the table does not hold,
    // which the table has already reported.
    int Fill(int year);

    int GetYear() const { return m_year; }
    int GetRowCount() const { return m_rowCount; }
    // The Shift-JIS text of a cell (row 0-based); empty text outside the rows.
    const char* GetCell(int row, int column) const;
    // "旧暦／西暦対照表 旧暦  <year>年(<era> <era year>年 <cycle>)".
    const char* GetCaption() const { return m_caption; }

    // Column headers and widths (in average character widths of the list font).
    static const char* GetHeader(int column);
    static int GetWidthInChars(int column);

private:
    using Cells = char[kColumnCount][kCellBytes];

    void FillOldSide(int year, int leapPosition);
    void FillWesternSide(int year, int leapPosition);
    void SetCaption(int year);

    CCalendarNames m_names;
    COldCalendarTable m_table;
    CSexagenaryNames m_cycles;
    int m_year;
    int m_rowCount;
    Cells m_rows[kMaxRows];
    char m_caption[kCaptionBytes];
};
