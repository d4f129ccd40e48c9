// The museum's shipped TxtData (the build tree's museum directory): every
// file must load without a message and follow its format to the byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/SettingsStore.h"
#include "haiku/HaikuTable.h"
#include "haiku/HaikuTextReader.h"
#include "platform/MessageBox.h"
#include "platform/ShiftJis.h"
#include "text/BlankFill.h"
#include "text/HelpTopics.h"
#include "text/OnePointTips.h"
#include "text/SectionTextFile.h"

#ifndef KIROKAN_MUSEUM_DIR
#error "KIROKAN_MUSEUM_DIR names the build tree's museum directory"
#endif

namespace {

const std::string kTxtData = std::string(KIROKAN_MUSEUM_DIR) + "/TxtData/";
constexpr int kHaikuCount = 1017;

std::vector<std::string> ReadLines(const std::string& name) {
    std::ifstream in(kTxtData + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name << " is missing";
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

bool EndsWithAnyOf(const std::string& s, std::initializer_list<const char*> ends) {
    for (const char* e : ends) {
        const std::string end = e;
        if (s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0 &&
            platform::IsCharStart(s, s.size() - end.size()))
            return true;
    }
    return false;
}

std::size_t Filled(std::size_t len, std::size_t width) {
    return (len + width - 1) / width * width;
}

void ExpectShiftJis(const std::string& name, const std::vector<std::string>& lines) {
    for (std::size_t n = 0; n < lines.size(); ++n)
        EXPECT_TRUE(platform::IsValidCp932(lines[n])) << name << " line " << n + 1;
}

// A paragraph is one line that the box flows into full rows: a line ends
// where a sentence, a quotation or a bracket does, never at a pause ("、")
// with a short row left behind, and no row is cut short inside a line.
void ExpectFlowed(const std::string& filled, int width) {
    const std::vector<std::string> rows = text::SplitRows(filled, width);
    for (std::size_t r = 0; r + 1 < rows.size(); ++r) {
        const std::string& row = rows[r];
        if (row.size() + 1 >= static_cast<std::size_t>(width) || row.empty()) continue;
        EXPECT_TRUE(EndsWithAnyOf(row, {"。", "」", "』", "）", ")", "！", "？", "…"}))
            << "row " << r + 1 << " ends a line mid-sentence: " << row;
    }
}

bool IsHeader(const std::string& s) { return !s.empty() && s.front() == '[' && s.back() == ']'; }

struct WorkFile {
    const char* name;
    int kind;
    int minSections;
};

// The thirteen text-work files with the size of index each one ships.
const WorkFile kWorks[] = {
    {"okuno.txt", 0, 40},   {"kuhi.txt", 1, 20},     {"life.txt", 2, 30},
    {"friend.txt", 3, 20},  {"work.txt", 4, 12},     {"nature.txt", 5, 40},
    {"kinenkan.txt", 6, 10}, {"goi.txt", 7, 40},     {"sarasina.txt", 8, 8},
    {"nozarasi.txt", 9, 8}, {"kasima.txt", 10, 8},   {"kobumi.txt", 11, 8},
    {"saga.txt", 12, 8},
};

// The readers neither check the encoding nor say when an empty line hides
// the rest of a file; this does, for every shipped file.
TEST(MuseumData, EveryLineIsShiftJisAndNothingIsHidden) {
    // Empty lines are part of a help page and skipped between tips.
    const std::set<std::string> mayHaveEmptyLines = {"onepoint.txt", "Topics.txt", "help_halls.txt",
                                                     "help_windows.txt", "help_calendar.txt",
                                                     "help_data.txt"};
    std::vector<std::string> names(mayHaveEmptyLines.begin(), mayHaveEmptyLines.end());
    names.push_back("kirono.txt");
    for (const WorkFile& w : kWorks) names.push_back(w.name);
    for (const std::string& name : names) {
        const auto lines = ReadLines(name);
        ExpectShiftJis(name, lines);
        if (mayHaveEmptyLines.count(name)) continue;
        for (std::size_t n = 0; n < lines.size(); ++n)
            EXPECT_FALSE(lines[n].empty()) << name << " line " << n + 1
                                           << ": an empty line hides the rest";
    }
}

// ---------------------------------------------------------------------------
// The program's own readers on the shipped files: no message, full indexes,
// and every haiku a section names is the one the card will show.

class ShippedData : public ::testing::Test {
protected:
    void SetUp() override {
        CSettingsStore::Instance().Init(KIROKAN_MUSEUM_DIR, "kirokan");
        m_previous = platform::SetMessageBoxHandler([this](const std::string& text, const std::string&) {
            m_messages.push_back(text);
            return platform::kIdOk;
        });
        m_table.Build(0);
    }
    void TearDown() override { platform::SetMessageBoxHandler(m_previous); }

    std::vector<std::string> m_messages;
    platform::MessageBoxHandler m_previous;
    CHaikuTable m_table;
};

TEST_F(ShippedData, TextWorksLoadThroughTheTextWorkReader) {
    for (const WorkFile& w : kWorks) {
        SCOPED_TRACE(w.name);
        CSectionTextFile file;
        ASSERT_EQ(file.Load(w.name), 0);
        const int n = file.CountSections();
        EXPECT_GE(n, w.minSections);
        for (int s = 1; s <= n; ++s) {
            SCOPED_TRACE("section " + std::to_string(s));
            const std::string title = file.GetPartText(s, 1, 46);
            EXPECT_EQ(title.size(), 46u) << "an index title is one row";
            EXPECT_NE(title.find_first_not_of(' '), std::string::npos);
            EXPECT_FALSE(file.GetPartText(s, 2, 46).empty());
            const std::string third = file.GetPartText(s, 3, 46);
            for (int part : {2, 3}) ExpectFlowed(file.GetPartText(s, part, 46), 46);
            if (w.kind == 0) {
                EXPECT_FALSE(third.empty());
            }
            if (w.kind == 1 || w.kind == 5 || w.kind == 7) {
                const int regNo = std::atoi(third.c_str());
                ASSERT_GE(regNo, 1);
                ASSERT_LE(regNo, kHaikuCount);
                // The card opens order 0 at regNo - 1: the section quotes that haiku.
                const HaikuRecord r = m_table.GetRecord(regNo - 1);
                EXPECT_EQ(r.regNo, regNo);
                EXPECT_NE(third.find(std::string(r.phrase1) + r.phrase2 + r.phrase3),
                          std::string::npos)
                    << "part 3 names another haiku";
            }
        }
    }
    EXPECT_TRUE(m_messages.empty()) << m_messages.size() << " messages";
}

// What the works quote: every 「…」(登録番号N) names a registered haiku with
// that text; the retold journeys name every registered haiku of their own;
// the plants and animals and the glossary explain each entry.
TEST_F(ShippedData, TextWorksQuoteRegisteredHaikuAndExplainTheirEntries) {
    CHaikuTable listed;
    listed.Build(0);
    CHaikuTextReader notes;
    ASSERT_EQ(notes.LoadAll("kirono.txt", 44, listed, kHaikuCount), 0);
    const std::string marker = "(登録番号";
    auto withoutBlanks = [](std::string s) {
        std::erase(s, ' ');  // the row alignment's blanks
        return s;
    };
    const std::map<std::string, std::string> journeys = {
        {"kasima.txt", "『鹿島詣』"}, {"sarasina.txt", "『更科紀行』"}, {"saga.txt", "『嵯峨日記』"}};
    for (const WorkFile& w : kWorks) {
        SCOPED_TRACE(w.name);
        CSectionTextFile file;
        ASSERT_EQ(file.Load(w.name), 0);
        std::set<int> named;
        const int n = file.CountSections();
        for (int sec = 1; sec <= n; ++sec) {
            const std::string text = withoutBlanks(file.GetPartText(sec, 2, 46) + file.GetPartText(sec, 3, 46));
            for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + 1)) {
                if (!platform::IsCharStart(text, at)) continue;
                const int regNo = std::atoi(text.c_str() + at + marker.size());
                ASSERT_GE(regNo, 1) << "section " << sec;
                ASSERT_LE(regNo, kHaikuCount) << "section " << sec;
                named.insert(regNo);
                const HaikuRecord r = listed.GetRecord(regNo - 1);
                const std::string quote = "「" + std::string(r.phrase1) + r.phrase2 + r.phrase3 + "」";
                EXPECT_TRUE(at >= quote.size() && text.compare(at - quote.size(), quote.size(), quote) == 0)
                    << "section " << sec << ": 登録番号" << regNo << " does not follow its haiku";
            }
            if (w.kind == 5 || w.kind == 7) {
                std::size_t chars = 0;
                const std::string body = file.GetPartText(sec, 2, 46);
                for (std::size_t i = 0; i < body.size(); i += platform::IsLeadByte(static_cast<unsigned char>(body[i])) ? 2 : 1)
                    if (body[i] != ' ') ++chars;
                EXPECT_GE(chars, 40u) << "section " << sec << " explains too little";
            }
        }
        if (const auto j = journeys.find(w.name); j != journeys.end()) {
            int told = 0;
            for (int slot = 0; slot < kHaikuCount; ++slot) {
                const HaikuRecord r = listed.GetRecord(slot);
                if (r.source != j->second) continue;
                ++told;
                EXPECT_TRUE(named.count(r.regNo)) << "登録番号" << r.regNo << " is not told";
            }
            EXPECT_GE(told, 5) << "the register names few haiku of this journey";
        }
    }
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(ShippedData, NotesLoadThroughBothNotesReaders) {
    CHaikuTable listed;
    listed.Build(0);
    CHaikuTextReader bulk;
    ASSERT_EQ(bulk.LoadAll("kirono.txt", 44, listed, kHaikuCount), 0);
    CHaikuTextReader single;
    for (int slot = 0; slot < kHaikuCount; ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        const HaikuRecord r = listed.GetRecord(slot);
        EXPECT_NE(r.reading1[0], '\0');
        EXPECT_NE(r.reading3[0], '\0');
        ASSERT_EQ(single.LoadOne("kirono.txt", slot, 44, m_table), 0);
        const HaikuNotes notes = single.GetNotes();
        EXPECT_STREQ(notes.reading1, r.reading1) << "the two readers disagree";
        EXPECT_STREQ(notes.season, r.season);
        EXPECT_STREQ(notes.source, r.source);
        const std::string commentary = notes.commentary;
        EXPECT_EQ(commentary.size() % 44, 0u) << "each line is filled to the box width";
        // The interpretation opens with the haiku it belongs to.
        EXPECT_EQ(commentary.find(r.phrase1), 2u) << "notes of another haiku";
        ExpectFlowed(commentary, 44);
        // Every haiku has its season, and a season word unless it has none (雑).
        const std::string season = r.season;
        EXPECT_TRUE(season == "春" || season == "夏" || season == "秋" || season == "冬" ||
                    season == "新年" || season == "雑")
            << "season '" << season << "'";
        EXPECT_EQ(season == "雑", r.seasonWord[0] == '\0') << "season word '" << r.seasonWord << "'";
    }
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(ShippedData, HelpLoadsThroughTheTopicStore) {
    int beeps = 0;
    const platform::BeepHandler previous = platform::SetBeepHandler([&beeps] { ++beeps; });
    CHelpTopics help;
    ASSERT_EQ(help.LoadTopics(CSettingsStore::Instance().GetDataFilePath("Topics.txt")), 0);
    const HelpPage contents = help.FindTopic("目次");
    ASSERT_EQ(contents.key1, "目次") << "the help opens on 目次";
    std::string listed;
    for (const std::string& line : contents.lines) listed += line + "\n";
    std::set<std::string> linkedTo;
    for (int t = 0; t < help.GetTopicCount(); ++t) {
        const std::string key = help.GetTopic(t).key1;
        SCOPED_TRACE("topic " + std::to_string(t));
        ASSERT_FALSE(key.empty());
        if (key == "目次") continue;
        EXPECT_NE(listed.find(key), std::string::npos) << "missing from the contents";
        const HelpPage page = help.FindTopic(key);
        EXPECT_EQ(page.number, t) << "two topics share a first key";
        ASSERT_FALSE(page.lines.empty());
        int links = 0;
        for (const std::string& line : page.lines) {
            EXPECT_LE(line.size(), 76u) << "wider than the topic pane";
            for (const HelpLink& link : help.FindLinks(line, key)) {
                ++links;
                linkedTo.insert(link.text);
                EXPECT_EQ(help.FindTopic(link.text).key1, link.text) << "a link leads nowhere";
            }
        }
        EXPECT_GT(links, 0) << "no way on from this topic";
    }
    // Every topic is reached from some other topic, not only from the contents.
    for (int t = 0; t < help.GetTopicCount(); ++t) {
        const std::string& key = help.GetTopic(t).key1;
        if (key != "目次") {
            EXPECT_TRUE(linkedTo.count(key)) << "topic " << t << " is only in the contents";
        }
    }
    EXPECT_EQ(beeps, 0) << "a topic without a body";
    EXPECT_TRUE(m_messages.empty());
    platform::SetBeepHandler(previous);
}

TEST_F(ShippedData, TipsStepThroughTheTipsWindowModel) {
    text::COnePointTips tips;
    ASSERT_EQ(tips.ShowTip(1), 1);
    const int count = tips.GetTipCount();
    EXPECT_GE(count, 45);
    for (int n = 1; n <= count; ++n) {
        SCOPED_TRACE("tip " + std::to_string(n));
        ASSERT_EQ(tips.ShowTip(n), n);
        EXPECT_GT(tips.GetHeading().size(), 1u) << "the heading is missing";
        EXPECT_EQ(tips.GetHeading().find("豆知識"), std::string::npos) << "first line too long";
        EXPECT_GT(tips.GetBody().size(), 2u) << "no text under the heading";
    }
    EXPECT_EQ(tips.ShowTip(count + 1), 1);
    EXPECT_EQ(tips.ShowTip(0), count);
    ASSERT_EQ(tips.ShowTip(42), 42);
    EXPECT_NE((tips.GetHeading() + tips.GetBody()).find("旧暦"), std::string::npos)
        << "the calendar hall opens the tips on 42";
    EXPECT_TRUE(m_messages.empty());
}

// ---------------------------------------------------------------------------
// kirono.txt, checked against both of its readers' rules.

TEST(MuseumData, EveryHaikuHasItsNotes) {
    const auto lines = ReadLines("kirono.txt");
    ExpectShiftJis("kirono.txt", lines);
    std::set<int> seen;
    int current = 0;
    int lastKey = 0;
    std::size_t commentary = 0;
    bool inCommentary = false;
    auto finish = [&] {
        if (current == 0) return;
        EXPECT_GE(lastKey, 2) << "[" << current << "] has no reading";
        EXPECT_LE(commentary, 1023u) << "[" << current << "] interpretation too long";
    };
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string& s = lines[n];
        SCOPED_TRACE("kirono.txt line " + std::to_string(n + 1));
        ASSERT_FALSE(s.empty()) << "an empty line ends a section early for the list";
        if (StartsWith(s, "//")) continue;
        if (IsHeader(s)) {
            finish();
            current = std::atoi(s.c_str() + 1);
            EXPECT_EQ(s, "[" + std::to_string(current) + "]");
            EXPECT_GE(current, 1);
            EXPECT_LE(current, kHaikuCount);
            EXPECT_TRUE(seen.insert(current).second) << "section twice";
            lastKey = 0;
            commentary = 0;
            inCommentary = false;
            continue;
        }
        ASSERT_NE(current, 0) << "text before the first section";
        EXPECT_NE(s.size(), 1u);
        // The first key anywhere in the line is what the card reads.
        int key = 0;
        for (char k = '1'; k <= '6' && key == 0; ++k)
            if (s.find(std::string{k, ':'}) != std::string::npos) key = k - '0';
        if (inCommentary) {
            EXPECT_EQ(key, 0) << "a key inside the interpretation";
            commentary += Filled(s.size(), 44);
            continue;
        }
        ASSERT_TRUE(s.size() >= 2 && s[1] == ':' && key == s[0] - '0') << "not a key line";
        EXPECT_GT(key, lastKey) << "keys out of order";
        lastKey = key;
        const std::string value = s.substr(2);
        switch (key) {
        case 1: EXPECT_LE(value.size(), 79u); break;
        case 2: {
            const std::size_t b1 = value.find(' ');
            ASSERT_NE(b1, std::string::npos);
            const std::size_t b2 = value.find(' ', b1 + 1);
            ASSERT_NE(b2, std::string::npos);
            EXPECT_EQ(value.find(' ', b2 + 1), std::string::npos);
            EXPECT_LE(b1, 29u);
            EXPECT_LE(b2 - b1 - 1, 29u);
            EXPECT_LE(value.size() - b2 - 1, 29u);
            EXPECT_GT(b1, 0u);
            EXPECT_GT(b2 - b1 - 1, 0u);
            EXPECT_GT(value.size() - b2 - 1, 0u);
            break;
        }
        case 3: EXPECT_LE(value.size(), 5u); break;
        case 4: EXPECT_LE(value.size(), 29u) << "the list shows 29 bytes"; break;
        case 5: EXPECT_LE(value.size(), 79u); break;
        case 6:
            inCommentary = true;
            commentary = Filled(value.size(), 44);
            break;
        }
    }
    finish();
    EXPECT_EQ(static_cast<int>(seen.size()), kHaikuCount);
    if (!seen.empty()) {
        EXPECT_EQ(*seen.begin(), 1);
        EXPECT_EQ(*seen.rbegin(), kHaikuCount);
    }
}

// The notes are written for each haiku by hand: the interpretation's own text
// (after the line that quotes the haiku) says something of that haiku, and no
// sentence is a formula repeated across the file.
// The register numbers whose notes are written, range by range; each range
// is held to the rule on its own.
constexpr std::pair<int, int> kWrittenNotes[] = {{1, 340}, {341, 680}, {681, 1017}};

std::vector<std::string> SjisChars(const std::string& s) {
    std::vector<std::string> chars;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = platform::IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
        chars.push_back(s.substr(i, n));
        i += n;
    }
    return chars;
}

TEST(MuseumData, NotesAreWrittenForTheirHaiku) {
    const auto lines = ReadLines("kirono.txt");
    std::map<int, std::vector<std::string>> own;  // regNo -> characters of its own text
    int current = 0;
    bool inCommentary = false;
    for (const std::string& s : lines) {
        if (StartsWith(s, "//")) continue;
        if (IsHeader(s)) {
            current = std::atoi(s.c_str() + 1);
            own[current];
            inCommentary = false;
        } else if (StartsWith(s, "6:")) {
            inCommentary = true;  // the line that quotes the haiku
        } else if (inCommentary) {
            for (std::string& c : SjisChars(s))
                if (c != " " && c != "　") own[current].push_back(std::move(c));
        }
    }
    ASSERT_EQ(static_cast<int>(own.size()), kHaikuCount);

    for (const auto& [first, last] : kWrittenNotes) {
        std::vector<std::size_t> lengths;
        for (int reg = first; reg <= last; ++reg) {
            const std::size_t n = own[reg].size();
            EXPECT_GE(n, 80u) << "[" << reg << "] has " << n << " characters of its own";
            lengths.push_back(n);
        }
        std::sort(lengths.begin(), lengths.end());
        EXPECT_GE(lengths[lengths.size() / 2], 150u) << "median length of the notes " << first << "-" << last;
    }

    std::map<std::string, std::set<int>> notesOf;
    for (const auto& [reg, chars] : own) {
        std::string sentence;
        std::size_t count = 0;
        auto finish = [&, reg = reg] {
            if (count >= 12) notesOf[sentence].insert(reg);
            sentence.clear();
            count = 0;
        };
        for (const std::string& c : chars) {
            if (c == "。" || c == "！" || c == "？") {
                finish();
            } else {
                sentence += c;
                ++count;
            }
        }
        finish();
    }
    for (const auto& [sentence, regs] : notesOf)
        EXPECT_LE(regs.size(), 3u) << "a sentence stands in " << regs.size() << " notes, first ["
                                   << *regs.begin() << "]: " << sentence;
}

// ---------------------------------------------------------------------------
// onepoint.txt

// The tips window finds a tip by the first header numbered n or more, so the
// headers must count 1, 2, 3 ... without a gap, each a bare "n:".
TEST(MuseumData, TipHeadersCountFromOneWithoutGaps) {
    const auto lines = ReadLines("onepoint.txt");
    int expected = 1;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string& s = lines[n];
        if (s.empty() || StartsWith(s, "//") || s.back() != ':') continue;
        EXPECT_EQ(s, std::to_string(expected) + ":") << "line " << n + 1;
        ++expected;
    }
    EXPECT_GE(expected - 1, 45);
}

}  // namespace
