#pragma once
// What a haiku list window shows and decides: the order named by the window's
// title, the table of that order with its notes, the rows in list order, the
// cell texts, sorting by a column and finding a phrase. The window only draws.
#include <string>
#include <string_view>

#include "calendar/OldCalendarTable.h"
#include "calendar/SexagenaryNames.h"
#include "haiku/HaikuRecord.h"
#include "haiku/HaikuTable.h"
#include "haiku/HaikuTextReader.h"

class CHaikuList {
public:
    static constexpr int kRowOrderSize = 1600;
    static constexpr int kColumnCount = 9;
    static constexpr int kTitleSize = 128;
    static constexpr int kMessageSize = 128;
    // The longest search text the not-found message names; a longer text is
    // cut at a character boundary.
    static constexpr int kMessageTextBytes = 96;

    CHaikuList();

    // Finds the order whose label equals the title, builds the table for it
    // and loads the notes (wait cursor meanwhile). A title that names no
    // order gives an empty list; returns the order or -1.
    int Load(std::string_view title);

    int GetOrder() const { return m_order; }
    int GetRowCount() const { return m_count; }
    const char* GetTitle() const { return m_title; }
    // The table slot shown in list row r (-1 outside the rows).
    int GetSlot(int row) const;
    // A copy of the record shown in row r.
    HaikuRecord GetRowRecord(int row) const;
    // The text of a cell (Shift-JIS).
    std::string GetCellText(int row, int column) const;

    // Heading (Shift-JIS) and width factor (in average character widths).
    static const char* GetColumnHeading(int column);
    static int GetColumnFactor(int column);

    // Sorts the rows ascending by the key of the column (wait cursor meanwhile).
    void Sort(int column);

    // The first row in list order whose phrases contain text as a byte
    // substring, or -1.
    int Find(std::string_view text) const;
    // "検索文字列 : <text> が見つかりません." (the text cut to 96 bytes).
    static std::string FormatNotFound(std::string_view text);
    // Find, showing the not-found message when no row matches.
    int FindOrReport(std::string_view text) const;

    const CHaikuTable& GetTable() const { return m_table; }

private:
    CHaikuTable m_table;
    CHaikuTextReader m_reader;
    COldCalendarTable m_calendar;
    CSexagenaryNames m_cycles;
    char m_title[kTitleSize] = {};
    int m_order = -1;
    int m_count = 0;
    int m_rowOrder[kRowOrderSize];
};
