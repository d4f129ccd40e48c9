#include "text/MuseumSearch.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

#include "app/CommandTable.h"
#include "app/SettingsStore.h"
#include "haiku/HaikuOrders.h"
#include "haiku/HaikuTable.h"
#include "platform/MessageBox.h"
#include "platform/ShiftJis.h"
#include "platform/TextFile.h"
#include "res/MuseumSearchTexts.h"
#include "text/HelpTopics.h"
#include "text/SectionLines.h"
#include "text/TextWork.h"
#include "text/TextWorkKind.h"

namespace text {
namespace {

constexpr const char* kNotesFile = "kirono.txt";
// The widths of the boxes that show the texts: the card's interpretation
// and the text-work window's text box.
constexpr int kCardWidth = 44;
constexpr int kWorkWidth = CTextWork::kWrapWidth;
// Lines a file is read to, as the windows that show them read.
constexpr std::size_t kMaxWorkLines = 10000;
constexpr std::size_t kMaxNotesLines = 100000;

// The text-work kinds in the order their groups are listed: the works hall,
// the life hall, then glossary and plants and animals.
constexpr int kWorkOrder[] = {4, 0, 8, 9, 10, 11, 12, 2, 3, 6, 1, 7, 5};
constexpr int kGlossaryKind = 7;
constexpr int kNatureKind = 5;

template <std::size_t N>
std::string_view FieldView(const char (&field)[N]) {
    return std::string_view(field, strnlen(field, N));
}

std::string Format(const char* format, int number) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, number);
    return buffer;
}

// Reads a file of TxtData as lines; false when it cannot be read.
bool ReadLines(std::string_view fileName, std::size_t maxLines, std::vector<std::string>* lines) {
    platform::CTextFile file;
    if (!file.Open(CSettingsStore::Instance().GetDataFilePath(fileName))) return false;
    std::string line;
    while (lines->size() < maxLines && file.ReadLine(&line)) lines->push_back(std::move(line));
    return true;
}

// "k:" at the start of a line, k a digit 1..9: the part number, else 0.
int PartKey(std::string_view line) {
    if (line.size() < 2 || line[1] != ':' || line[0] < '1' || line[0] > '9') return 0;
    return line[0] - '0';
}

void AppendLine(std::string* text, std::string_view line) {
    if (line.empty()) return;
    if (!text->empty()) text->push_back(' ');
    text->append(line);
}

// Runs of blanks become one blank (a blank byte is never a trail byte).
std::string SqueezeBlanks(std::string_view s) {
    std::string out;
    for (char c : s) {
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out.push_back(c);
    }
    return out;
}

// 「...」 as the whole line: the interpretation's first line quotes the haiku.
bool IsQuotedLine(std::string_view line) {
    static const std::string open = "「";
    static const std::string close = "」";
    return line.size() >= open.size() + close.size() && line.starts_with(open) && line.ends_with(close) &&
           platform::IsCharStart(line, line.size() - close.size());
}

// The notes of one haiku as the index wants them: whole texts, lines
// joined, the row-keeping blanks gone.
struct NoteTexts {
    std::string preface;
    std::string reading;
    std::string season;
    std::string seasonWord;
    std::string source;
    std::string commentary;
};

// The notes file by register number: the first section of each number.
// Part keys start their line; the interpretation (6) goes on over the
// lines without a key up to the next key or section.
std::map<int, NoteTexts> ParseNotes(const std::vector<std::string>& lines) {
    std::map<int, NoteTexts> notes;
    NoteTexts* current = nullptr;
    bool inCommentary = false;
    for (const std::string& line : lines) {
        if (line.empty() || IsSpacerLine(line) || IsCommentLine(line)) continue;
        if (IsHeaderLine(line)) {
            const int regNo = LeadingInteger(line.substr(1));
            const auto [it, fresh] = notes.try_emplace(regNo);
            current = fresh ? &it->second : nullptr;
            inCommentary = false;
            continue;
        }
        if (!current) continue;
        const int key = PartKey(line);
        const std::string_view value = key ? std::string_view(line).substr(2) : std::string_view(line);
        if (key == 0) {
            if (inCommentary) AppendLine(&current->commentary, DropRowEndBlanks(value, kCardWidth));
            continue;
        }
        inCommentary = key == 6;
        switch (key) {
        case 1: current->preface = value; break;
        case 2: current->reading = value; break;
        case 3: current->season = value; break;
        case 4: current->seasonWord = value; break;
        case 5: current->source = value; break;
        case 6:
            if (!IsQuotedLine(value)) AppendLine(&current->commentary, DropRowEndBlanks(value, kCardWidth));
            break;
        default: break;
        }
    }
    return notes;
}

// One section of a text-work file: its title (part 1) and text (part 2).
struct WorkSection {
    std::string title;
    std::string text;
};

// The sections as the text-work window reads them: "[*]" and "[n]" lines
// start a section, "k:" a part, the lines after it continue the part; "//"
// lines and one-byte lines are skipped; an empty line ends the file.
std::vector<WorkSection> ParseSections(const std::vector<std::string>& lines) {
    std::vector<WorkSection> sections;
    int part = 0;
    for (const std::string& line : lines) {
        if (line.empty()) break;
        if (IsSpacerLine(line) || IsCommentLine(line)) continue;
        if (line == "[*]" || IsHeaderLine(line)) {
            sections.emplace_back();
            part = 0;
            continue;
        }
        if (sections.empty()) continue;
        std::string_view value = line;
        if (line.size() >= 2 && line[1] == ':') {
            part = PartKey(line);
            value = value.substr(2);
        }
        WorkSection& s = sections.back();
        if (part == 1) AppendLine(&s.title, value);
        if (part == 2) AppendLine(&s.text, DropRowEndBlanks(value, kWorkWidth));
    }
    return sections;
}

}  // namespace

unsigned SeasonBit(std::string_view season) {
    for (int i = 0; i < kSearchSeasonCount; ++i)
        if (season == res::kSearchSeasonNames[i]) return 1u << i;
    return 0;
}

std::string DropRowEndBlanks(std::string_view line, int width) {
    std::string out;
    out.reserve(line.size());
    const auto w = static_cast<std::size_t>(width > 0 ? width : 1);
    for (std::size_t i = 0; i < line.size();) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (platform::IsLeadByte(c) && i + 1 < line.size()) {
            out.append(line, i, 2);
            i += 2;
            continue;
        }
        const bool rowEndBlank = c == ' ' && width > 1 && i % w == w - 1 && i + 1 < line.size() &&
                                 platform::IsLeadByte(static_cast<unsigned char>(line[i + 1]));
        if (!rowEndBlank) out.push_back(line[i]);
        ++i;
    }
    return out;
}

bool YearsOverlap(int year, int yearFrom, int from, int to) {
    if (year == 0) return from == 0 && to == 0;
    const int first = yearFrom != 0 ? std::min(yearFrom, year) : year;
    const int last = yearFrom != 0 ? std::max(yearFrom, year) : year;
    if (from != 0 && last < from) return false;
    if (to != 0 && first > to) return false;
    return true;
}

CMuseumSearch::CMuseumSearch() = default;
CMuseumSearch::~CMuseumSearch() = default;

std::string CMuseumSearch::GroupLabel(int group) {
    switch (group) {
    case kHaikuTextGroup: return res::kSearchGroupHaikuText;
    case kReadingGroup: return res::kSearchGroupReading;
    case kSeasonWordGroup: return res::kSearchGroupSeasonWord;
    case kNotesGroup: return res::kSearchGroupNotes;
    case kHelpGroup: return res::kSearchGroupHelp;
    default: break;
    }
    const TextWorkKind* kind = FindTextWorkKind(group - kWorkGroup);
    return kind ? kind->title : "";
}

unsigned CMuseumSearch::GroupKind(int group) {
    switch (group) {
    case kHaikuTextGroup: return kSearchHaiku;
    case kReadingGroup: return kSearchReading;
    case kSeasonWordGroup: return kSearchSeasonWord;
    case kNotesGroup: return kSearchNotes;
    case kHelpGroup: return kSearchHelp;
    case kWorkGroup + kGlossaryKind: return kSearchGlossary;
    case kWorkGroup + kNatureKind: return kSearchNature;
    default: return group >= kWorkGroup && group < kHelpGroup ? kSearchWorks : 0u;
    }
}

const std::vector<int>& CMuseumSearch::GroupOrder() {
    static const std::vector<int> order = [] {
        std::vector<int> o{kHaikuTextGroup, kReadingGroup, kSeasonWordGroup, kNotesGroup};
        for (int kind : kWorkOrder) o.push_back(kWorkGroup + kind);
        o.push_back(kHelpGroup);
        return o;
    }();
    return order;
}

void CMuseumSearch::AddEntry(Entry entry, std::string_view text) {
    const auto group = static_cast<std::size_t>(entry.group);
    const int number = static_cast<int>(m_entries.size());
    if (m_groupFirst[group] < 0) m_groupFirst[group] = number;
    m_groupLast[group] = number + 1;
    m_entries.push_back(std::move(entry));
    m_pending.emplace_back(text);
}

void CMuseumSearch::Build() {
    m_text = CSearchText();
    m_entries.clear();
    m_pending.clear();
    m_haiku.clear();
    m_missing.clear();
    m_groupFirst.assign(kGroupCount, -1);
    m_groupLast.assign(kGroupCount, -1);
    // The groups go into the index in listing order, each in one stretch.
    BuildHaiku();
    for (int kind : kWorkOrder) BuildWork(kind);
    BuildHelp();
    // Folded all at once, into room made for all.
    std::size_t bytes = 0;
    for (const std::string& t : m_pending) bytes += t.size();
    m_text.Reserve(bytes, m_pending.size());
    for (const std::string& t : m_pending) m_text.Add(t);
    m_pending = {};
    m_text.Finish();
}

void CMuseumSearch::BuildHaiku() {
    // The compiled rows in order 0: slot k holds register number k + 1, as
    // the haiku card shows it at position k.
    auto table = std::make_unique<CHaikuTable>();
    table->Build(0);
    std::vector<std::string> lines;
    std::map<int, NoteTexts> notes;
    if (ReadLines(kNotesFile, kMaxNotesLines, &lines))
        notes = ParseNotes(lines);
    else
        m_missing.emplace_back(kNotesFile);

    struct Row {
        int haiku;
        std::string text;  // "phrase1 phrase2 phrase3"
        const NoteTexts* notes;
    };
    std::vector<Row> rows;
    const int count = haiku::GetOrderCount(0);
    for (int slot = 0; slot < count; ++slot) {
        const HaikuRecord r = table->GetRecord(slot);
        if (r.regNo == 0) continue;
        const auto found = notes.find(r.regNo);
        const NoteTexts* n = found != notes.end() ? &found->second : nullptr;
        Haiku h;
        h.regNo = r.regNo;
        h.year = r.year;
        h.yearFrom = r.yearFrom;
        h.season = n ? SeasonBit(n->season) : 0;
        m_haiku.push_back(h);
        std::string text(FieldView(r.phrase1));
        text += ' ';
        text += FieldView(r.phrase2);
        text += ' ';
        text += FieldView(r.phrase3);
        rows.push_back({static_cast<int>(m_haiku.size()) - 1, std::move(text), n});
    }

    auto entry = [this](int group, const Row& row, std::string location, std::string note) {
        Entry e;
        e.group = group;
        e.haiku = row.haiku;
        e.location = std::move(location);
        e.note = std::move(note);
        e.target.action = SearchTarget::HaikuCard;
        e.target.position = m_haiku[static_cast<std::size_t>(row.haiku)].regNo - 1;
        return e;
    };
    auto number = [this](const Row& row) { return m_haiku[static_cast<std::size_t>(row.haiku)].regNo; };

    for (const Row& row : rows)
        AddEntry(entry(kHaikuTextGroup, row, Format(res::kSearchHaikuLocation, number(row)), {}), row.text);
    for (const Row& row : rows)
        if (row.notes && !row.notes->reading.empty())
            AddEntry(entry(kReadingGroup, row, Format(res::kSearchHaikuLocation, number(row)), row.text),
                     row.notes->reading);
    for (const Row& row : rows)
        if (row.notes && !row.notes->seasonWord.empty()) {
            std::string note = row.text;
            if (!row.notes->season.empty()) note = row.notes->season + res::kSearchNoteJoin + row.text;
            AddEntry(entry(kSeasonWordGroup, row, Format(res::kSearchHaikuLocation, number(row)), note),
                     row.notes->seasonWord);
        }
    for (const Row& row : rows) {
        if (!row.notes) continue;
        const NoteTexts& n = *row.notes;
        if (!n.preface.empty())
            AddEntry(entry(kNotesGroup, row, Format(res::kSearchHeadnoteLocation, number(row)), {}), n.preface);
        if (!n.source.empty())
            AddEntry(entry(kNotesGroup, row, Format(res::kSearchSourceLocation, number(row)), {}), n.source);
        if (!n.commentary.empty())
            AddEntry(entry(kNotesGroup, row, Format(res::kSearchCommentaryLocation, number(row)), {}),
                     n.commentary);
    }
}

void CMuseumSearch::BuildWork(int kind) {
    const TextWorkKind* work = FindTextWorkKind(kind);
    if (!work) return;
    std::vector<std::string> lines;
    if (!ReadLines(work->fileName, kMaxWorkLines, &lines)) {
        m_missing.emplace_back(work->fileName);
        return;
    }
    const std::vector<WorkSection> sections = ParseSections(lines);
    for (std::size_t s = 0; s < sections.size(); ++s) {
        Entry e;
        e.group = kWorkGroup + kind;
        e.location = std::string(work->title) + res::kSearchLocationJoin + sections[s].title;
        e.target.action = SearchTarget::TextWork;
        e.target.kind = kind;
        e.target.section = static_cast<int>(s);
        // The title, then the text: a match in either finds the section.
        std::string text = sections[s].title;
        text += res::kSearchPartJoin;
        text += sections[s].text;
        AddEntry(std::move(e), text);
    }
}

void CMuseumSearch::BuildHelp() {
    const std::string path = GetHelpTopicsPath();
    if (!CanOpenForReading(path)) {
        m_missing.emplace_back(res::kSearchHelpFile);
        return;
    }
    // The topic store reports a file it cannot read in a message box; here
    // that would interrupt the window, so the messages are only noted.
    CHelpTopics topics;
    std::vector<std::string> messages;
    platform::MessageBoxHandler previous = platform::SetMessageBoxHandler(
        [&messages](const std::string& text, const std::string&) {
            messages.push_back(text);
            return platform::kIdOk;
        });
    const int loaded = topics.LoadTopics(path);
    platform::SetMessageBoxHandler(std::move(previous));
    if (loaded != 0) {
        m_missing.emplace_back(res::kSearchHelpFile);
        return;
    }
    if (!messages.empty()) m_missing.emplace_back(res::kSearchHelpIncludes);

    for (int i = 0; i < topics.GetTopicCount(); ++i) {
        const HelpTopic& t = topics.GetTopic(i);
        // The contents topic is made of every other topic's name.
        if (t.bodyLine < 0 || t.key1.empty() || t.key1 == GetHelpContentsTopic()) continue;
        // The body: from the first "d:" line of the topic to the next topic.
        int line = t.bodyLine;
        const int count = topics.GetLineCount();
        for (; line < count; ++line) {
            if (topics.GetLine(line).starts_with("d:")) break;
            if (line > t.bodyLine && topics.GetLine(line) == "[*]") break;
        }
        std::string body;
        if (line < count && topics.GetLine(line).starts_with("d:")) {
            AppendLine(&body, SqueezeBlanks(std::string_view(topics.GetLine(line)).substr(2)));
            for (++line; line < count && topics.GetLine(line) != "[*]"; ++line)
                AppendLine(&body, SqueezeBlanks(topics.GetLine(line)));
        }
        Entry e;
        e.group = kHelpGroup;
        e.location = std::string(res::kSearchGroupHelp) + res::kSearchLocationJoin + t.key1;
        e.target.action = SearchTarget::Help;
        e.target.topic = t.key1;
        // The name, the body, and the other two keys last (a reading in
        // kana and an English name find the topic too).
        std::string text = t.key1;
        text += res::kSearchPartJoin;
        text += body;
        for (const std::string* key : {&t.key2, &t.key3})
            if (!key->empty()) {
                text += res::kSearchPartJoin;
                text += *key;
            }
        AddEntry(std::move(e), text);
    }
}

bool CMuseumSearch::Passes(const Entry& entry, const SearchQuery& query) const {
    if (entry.haiku < 0) return true;
    const Haiku& h = m_haiku[static_cast<std::size_t>(entry.haiku)];
    const unsigned seasons = query.seasons & kSearchAllSeasons;
    if (seasons != 0 && seasons != kSearchAllSeasons && (h.season & seasons) == 0) return false;
    return YearsOverlap(h.year, h.yearFrom, query.yearFrom, query.yearTo);
}

SearchResults CMuseumSearch::Query(const SearchQuery& query) const {
    SearchResults results;
    const std::u16string folded = CSearchText::FoldQuery(query.text);
    if (folded.empty() || m_entries.empty()) return results;
    for (int group : GroupOrder()) {
        const auto g = static_cast<std::size_t>(group);
        if ((GroupKind(group) & query.kinds) == 0 || m_groupFirst[g] < 0) continue;
        const std::size_t limit = m_text.FoldedEnd(m_groupLast[g] - 1);
        SearchResultGroup out;
        out.group = group;
        out.label = GroupLabel(group);
        std::size_t pos = m_text.FoldedBegin(m_groupFirst[g]);
        while ((pos = m_text.Find(folded, pos, limit)) != std::u16string::npos) {
            const int number = m_text.TextAt(pos);
            const Entry& entry = m_entries[static_cast<std::size_t>(number)];
            if (Passes(entry, query)) {
                ++out.count;
                if (out.hits.size() < kMaxHitsPerGroup) {
                    SearchHit hit;
                    hit.location = entry.location;
                    hit.snippet = m_text.Snippet(pos, folded.size(), kSnippetBefore, kSnippetAfter);
                    hit.note = entry.note;
                    hit.target = entry.target;
                    out.hits.push_back(std::move(hit));
                }
            }
            pos = m_text.FoldedEnd(number) + 1;  // one result per entry
        }
        if (out.count == 0) continue;
        results.total += out.count;
        results.groups.push_back(std::move(out));
    }
    return results;
}

}  // namespace text
