#include "haiku/HaikuList.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "haiku/HaikuOrders.h"
#include "haiku/HaikuSortKeys.h"
#include "haiku/YearLine.h"
#include "platform/MessageBox.h"
#include "platform/ShiftJis.h"

namespace {

constexpr const char* kHeadings[CHaikuList::kColumnCount] = {
    "No", "初句", "第ニ句", "第三句", "季節", "季語", "出典", "作年次", "動植物",
};
constexpr int kFactors[CHaikuList::kColumnCount] = {4, 10, 14, 10, 5, 10, 15, 18, 18};

template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

template <std::size_t N>
bool Contains(const char (&field)[N], std::string_view text) {
    return std::string_view(field, strnlen(field, N)).find(text) != std::string_view::npos;
}

}  // namespace

CHaikuList::CHaikuList() {
    for (int i = 0; i < kRowOrderSize; ++i) m_rowOrder[i] = i;
}

int CHaikuList::Load(std::string_view title) {
    platform::CWaitCursor wait;
    m_order = haiku::OrderFromTitle(title);
    m_count = haiku::GetOrderCount(m_order);
    platform::CopyToField(m_title, sizeof m_title, title);
    if (m_order < 0) return -1;
    m_table.Build(m_order);
    m_reader.LoadAll("kirono.txt", 44, m_table, m_count);
    return m_order;
}

int CHaikuList::GetSlot(int row) const {
    return row >= 0 && row < m_count ? m_rowOrder[row] : -1;
}

HaikuRecord CHaikuList::GetRowRecord(int row) const {
    return m_table.GetRecord(GetSlot(row));
}

std::string CHaikuList::GetCellText(int row, int column) const {
    const int slot = GetSlot(row);
    if (slot < 0) return {};
    const HaikuRecord r = m_table.GetRecord(slot);
    char buffer[16];
    switch (column) {
    case 0:
        std::snprintf(buffer, sizeof buffer, "%4d", slot + 1);
        return buffer;
    case 1: return FieldText(r.phrase1);
    case 2: return FieldText(r.phrase2);
    case 3: return FieldText(r.phrase3);
    case 4: return FieldText(r.season);
    case 5: return FieldText(r.seasonWord);
    case 6: return FieldText(r.source);
    case 7:
        if (r.year == 0) return {};
        return haiku::FormatYearLine(r.year, r.yearFrom, m_table, m_calendar, m_cycles);
    case 8: return FieldText(r.creatures);
    default: return {};
    }
}

const char* CHaikuList::GetColumnHeading(int column) {
    return column >= 0 && column < kColumnCount ? kHeadings[column] : "";
}

int CHaikuList::GetColumnFactor(int column) {
    return column >= 0 && column < kColumnCount ? kFactors[column] : 0;
}

void CHaikuList::Sort(int column) {
    if (m_count <= 0) return;
    platform::CWaitCursor wait;
    std::vector<haiku::SortKey> keys(m_count);
    for (int r = 0; r < m_count; ++r)
        keys[r] = haiku::MakeSortKey(m_table.GetRecord(m_rowOrder[r]), m_rowOrder[r], column);
    haiku::QuickSortKeys(keys.data(), m_rowOrder, 0, m_count - 1);
}

int CHaikuList::Find(std::string_view text) const {
    for (int r = 0; r < m_count; ++r) {
        const HaikuRecord rec = m_table.GetRecord(m_rowOrder[r]);
        if (Contains(rec.phrase1, text) || Contains(rec.phrase2, text) ||
            Contains(rec.phrase3, text))
            return r;
    }
    return -1;
}

std::string CHaikuList::FormatNotFound(std::string_view text) {
    const std::string_view cut = text.substr(0, platform::CharBoundaryPrefix(text, kMessageTextBytes));
    char buffer[kMessageSize];
    std::snprintf(buffer, sizeof buffer, "%s%.*s%s", "検索文字列 : ", static_cast<int>(cut.size()),
                  cut.data(), " が見つかりません.");
    return buffer;
}

int CHaikuList::FindOrReport(std::string_view text) const {
    const int row = Find(text);
    if (row < 0) platform::ShowMessageBox(FormatNotFound(text));
    return row;
}
