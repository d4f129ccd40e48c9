#pragma once
// What the museum-wide search window decides besides the index: the year
// fields' check and its message, the query made of the window's fields, the
// remembered queries (settings section "Museum Search", Find1 .. Find16,
// the latest first), and the texts of the status line and the group rows.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "text/MuseumSearch.h"

namespace text {

struct SearchYears {
    bool ok = true;
    int from = 0;  // 0: no bound
    int to = 0;
    std::string message;  // why the fields were refused (Shift-JIS)
};

class CMuseumSearchForm {
public:
    // The pause after the last key before the results follow, in ms.
    static constexpr int kTypingPause = 250;
    // The years a field may name: the poet's lifetime.
    static constexpr int kFirstYear = 1644;
    static constexpr int kLastYear = 1694;
    static constexpr std::size_t kMaxHistory = 16;

    // The two year fields (Shift-JIS; ASCII or full-width digits, blanks
    // around them allowed). An empty field leaves that side open.
    static SearchYears CheckYears(std::string_view from, std::string_view to);

    // Reads the remembered queries from the settings.
    void LoadHistory();
    // Puts a query first (once; the oldest beyond kMaxHistory goes) and
    // writes the list to the settings. Returns false for a query of blanks
    // only, which is not kept.
    bool TakeQuery(std::string_view query);
    const std::vector<std::string>& History() const { return m_history; }

    // The status line under the results.
    static std::string StatusText(const SearchResults& results, bool hasQuery);
    // A group's row: its name and how many entries matched.
    static std::string GroupRowText(const SearchResultGroup& group);
    // The note of files that could not be read, empty when there are none.
    static std::string MissingFilesText(const std::vector<std::string>& files);

private:
    std::vector<std::string> m_history;
};

}  // namespace text
