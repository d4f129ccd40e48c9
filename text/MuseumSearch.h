#pragma once
// The index of the museum-wide search and its queries. Built once from the
// compiled haiku rows, the notes file (kirono.txt), the thirteen text-work
// files and the help topics; every text folded once (text/SearchText.h).
// A query folds its text the same way and lists, group by group, the
// entries that hold it: one result per entry, at its first match.
//
// Groups, in the order they are listed: haiku (text), haiku (reading),
// season words, notes (headnote, source, interpretation), the eleven works
// and life texts, the glossary, plants and animals, help topics.
// The season and year filters narrow the four haiku groups only; the other
// groups have neither.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/SearchText.h"

namespace text {

// The kinds a query may search (bits of SearchQuery::kinds).
enum SearchKind : unsigned {
    kSearchHaiku = 1u << 0,       // the haiku's text
    kSearchReading = 1u << 1,     // its reading
    kSearchSeasonWord = 1u << 2,  // its season word
    kSearchNotes = 1u << 3,       // headnote, source, interpretation
    kSearchWorks = 1u << 4,       // the works and the life texts
    kSearchGlossary = 1u << 5,
    kSearchNature = 1u << 6,      // plants and animals
    kSearchHelp = 1u << 7,
    kSearchAllKinds = (1u << 8) - 1,
};
constexpr int kSearchKindCount = 8;

// The seasons of the filter (bits of SearchQuery::seasons), in the order
// 春 夏 秋 冬 新年 雑.
constexpr int kSearchSeasonCount = 6;
constexpr unsigned kSearchAllSeasons = (1u << kSearchSeasonCount) - 1;
// The season's bit for a season name of the notes file, 0 for another text.
unsigned SeasonBit(std::string_view season);

struct SearchQuery {
    std::string text;                  // Shift-JIS
    unsigned kinds = kSearchAllKinds;  // SearchKind bits
    unsigned seasons = 0;              // season bits; 0 (or all) for every season
    int yearFrom = 0;                  // 0: no lower bound
    int yearTo = 0;                    // 0: no upper bound
};

// What opening a result does.
struct SearchTarget {
    enum Action { None, HaikuCard, TextWork, Help } action = None;
    int position = -1;  // HaikuCard: the position in order 0 (register number - 1)
    int kind = -1;      // TextWork: the text-work kind (text/TextWorkKind.h)
    int section = -1;   // TextWork: the section, from 0
    std::string topic;  // Help: the topic's first key (Shift-JIS)
};

struct SearchHit {
    std::string location;  // "おくのほそ道 ― 立石寺", "俳句 553"
    SearchSnippet snippet;
    std::string note;      // the haiku beside a reading or a season word; may be empty
    SearchTarget target;
};

struct SearchResultGroup {
    int group = 0;
    std::string label;           // the group's name
    int count = 0;               // entries that match (also those not listed)
    std::vector<SearchHit> hits;  // the first kMaxHitsPerGroup of them
};

struct SearchResults {
    std::vector<SearchResultGroup> groups;  // only groups with a match
    int total = 0;                          // entries that match, in all groups
};

class CMuseumSearch {
public:
    // Results listed per group; the count goes on past it.
    static constexpr std::size_t kMaxHitsPerGroup = 300;
    // Folded units of context a snippet shows before and after a match.
    static constexpr std::size_t kSnippetBefore = 14;
    static constexpr std::size_t kSnippetAfter = 40;
    // The group numbers: the haiku groups, then the thirteen text-work
    // kinds by kind (kWorkGroup + kind), then the help topics.
    static constexpr int kHaikuTextGroup = 0;
    static constexpr int kReadingGroup = 1;
    static constexpr int kSeasonWordGroup = 2;
    static constexpr int kNotesGroup = 3;
    static constexpr int kWorkGroup = 4;
    static constexpr int kHelpGroup = kWorkGroup + 13;
    static constexpr int kGroupCount = kHelpGroup + 1;

    CMuseumSearch();
    ~CMuseumSearch();
    CMuseumSearch(const CMuseumSearch&) = delete;
    CMuseumSearch& operator=(const CMuseumSearch&) = delete;

    // Reads everything from the data directory (CSettingsStore) and folds
    // it; replaces an earlier index. A file that cannot be read is left out
    // without a message: MissingFiles names it.
    void Build();

    SearchResults Query(const SearchQuery& query) const;

    int EntryCount() const { return static_cast<int>(m_entries.size()); }
    // The haiku indexed (from the compiled rows).
    int HaikuCount() const { return static_cast<int>(m_haiku.size()); }
    const std::vector<std::string>& MissingFiles() const { return m_missing; }

    // The group's name (Shift-JIS), empty outside 0..kGroupCount-1.
    static std::string GroupLabel(int group);
    // The kind bit that searches a group.
    static unsigned GroupKind(int group);
    // The groups in listing order.
    static const std::vector<int>& GroupOrder();

private:
    struct Haiku {
        int regNo = 0;
        int year = 0;
        int yearFrom = 0;
        unsigned season = 0;  // its season bit, 0 when it has none
    };
    struct Entry {
        int group = 0;
        int haiku = -1;  // index into m_haiku for the haiku groups
        std::string location;
        std::string note;
        SearchTarget target;
    };

    void AddEntry(Entry entry, std::string_view text);
    void BuildHaiku();
    void BuildWork(int kind);
    void BuildHelp();
    bool Passes(const Entry& entry, const SearchQuery& query) const;

    CSearchText m_text;
    std::vector<Entry> m_entries;  // by text number of m_text
    std::vector<std::string> m_pending;  // the entries' texts until Build folds them
    std::vector<Haiku> m_haiku;
    // The entries of each group: [first, last).
    std::vector<int> m_groupFirst;
    std::vector<int> m_groupLast;
    std::vector<std::string> m_missing;
};

// A text line of a box that is `width` bytes wide, without the blanks that
// only keep double-byte characters off a row's last byte: a blank at the
// row's last byte followed by a double-byte character (the box drops it).
std::string DropRowEndBlanks(std::string_view line, int width);

// Whether a haiku dated `year` (or composed between yearFrom and year when
// yearFrom is not 0) may have been composed in [from, to]: a span counts
// when it overlaps the range; from or to 0 leaves that side open.
bool YearsOverlap(int year, int yearFrom, int from, int to);

}  // namespace text
