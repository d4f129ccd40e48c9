#include "text/MuseumSearchForm.h"

#include <algorithm>
#include <cstdio>

#include "app/SettingsStore.h"
#include "platform/ShiftJis.h"
#include "res/MuseumSearchTexts.h"

namespace text {
namespace {

// A year field: -1 when it holds anything but digits (blanks around them
// allowed), 0 when it is empty.
int ParseYear(std::string_view field) {
    std::string digits;
    for (std::size_t i = 0; i < field.size();) {
        const auto c = static_cast<unsigned char>(field[i]);
        if (platform::IsLeadByte(c) && i + 1 < field.size()) {
            const auto t = static_cast<unsigned char>(field[i + 1]);
            if (c == 0x82 && t >= 0x4F && t <= 0x58)  // full-width 0..9
                digits.push_back(static_cast<char>('0' + (t - 0x4F)));
            else if (c == 0x81 && t == 0x40)  // full-width blank
                digits.push_back(' ');
            else
                return -1;
            i += 2;
            continue;
        }
        digits.push_back(static_cast<char>(c));
        ++i;
    }
    const std::size_t first = digits.find_first_not_of(' ');
    if (first == std::string::npos) return 0;
    const std::size_t last = digits.find_last_not_of(' ');
    const std::string_view number = std::string_view(digits).substr(first, last - first + 1);
    if (number.size() > 4) return -1;
    int value = 0;
    for (char d : number) {
        if (d < '0' || d > '9') return -1;
        value = value * 10 + (d - '0');
    }
    return value;
}

std::string Format(const char* format, int a) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, a);
    return buffer;
}

}  // namespace

SearchYears CMuseumSearchForm::CheckYears(std::string_view from, std::string_view to) {
    SearchYears y;
    const int a = ParseYear(from);
    const int b = ParseYear(to);
    auto inRange = [](int v) { return v == 0 || (v >= kFirstYear && v <= kLastYear); };
    if (a < 0 || b < 0 || !inRange(a) || !inRange(b)) {
        y.ok = false;
        char buffer[256];
        std::snprintf(buffer, sizeof buffer, res::kSearchYearRangeMessage, kFirstYear, kLastYear);
        y.message = buffer;
        return y;
    }
    if (a != 0 && b != 0 && a > b) {
        y.ok = false;
        y.message = res::kSearchYearOrderMessage;
        return y;
    }
    y.from = a;
    y.to = b;
    return y;
}

void CMuseumSearchForm::LoadHistory() {
    m_history.clear();
    for (std::string& value : CSettingsStore::Instance().LoadMuseumSearchStrings())
        if (std::find(m_history.begin(), m_history.end(), value) == m_history.end())
            m_history.push_back(std::move(value));
    if (m_history.size() > kMaxHistory) m_history.resize(kMaxHistory);
}

bool CMuseumSearchForm::TakeQuery(std::string_view query) {
    if (CSearchText::FoldQuery(query).empty()) return false;
    const auto found = std::find(m_history.begin(), m_history.end(), query);
    if (found != m_history.end()) m_history.erase(found);
    m_history.insert(m_history.begin(), std::string(query));
    if (m_history.size() > kMaxHistory) m_history.resize(kMaxHistory);
    CSettingsStore::Instance().SaveMuseumSearchStrings(m_history);
    return true;
}

std::string CMuseumSearchForm::StatusText(const SearchResults& results, bool hasQuery) {
    if (!hasQuery) return res::kSearchPromptText;
    if (results.total == 0) return res::kSearchNothingText;
    return Format(res::kSearchFoundFormat, results.total);
}

std::string CMuseumSearchForm::GroupRowText(const SearchResultGroup& group) {
    char buffer[256];
    if (static_cast<int>(group.hits.size()) < group.count)
        std::snprintf(buffer, sizeof buffer, res::kSearchGroupPartFormat, group.label.c_str(), group.count,
                      static_cast<int>(group.hits.size()));
    else
        std::snprintf(buffer, sizeof buffer, res::kSearchGroupFormat, group.label.c_str(), group.count);
    return buffer;
}

std::string CMuseumSearchForm::MissingFilesText(const std::vector<std::string>& files) {
    if (files.empty()) return {};
    std::string names;
    for (const std::string& f : files) {
        if (!names.empty()) names += ' ';
        names += f;
    }
    return res::kSearchMissingPrefix + names;
}

}  // namespace text
