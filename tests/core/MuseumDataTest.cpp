// The museum's shipped TxtData (the build tree's museum directory): every
// file must load without a message and follow its format to the byte.
#include <gtest/gtest.h>

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

std::size_t Filled(std::size_t len, std::size_t width) {
    return (len + width - 1) / width * width;
}

void ExpectShiftJis(const std::string& name, const std::vector<std::string>& lines) {
    for (std::size_t n = 0; n < lines.size(); ++n)
        EXPECT_TRUE(platform::IsValidCp932(lines[n])) << name << " line " << n + 1;
}

// ---------------------------------------------------------------------------
// Sectioned text files, read the way the text-work window reads them.

struct Section {
    std::string header;
    std::map<int, std::string> parts;  // part number -> assembled text (width 46)
    std::map<int, std::string> firstLine;
    int line = 0;
};

bool IsHeader(const std::string& s) { return !s.empty() && s.front() == '[' && s.back() == ']'; }
bool IsSkipped(const std::string& s) { return s.size() == 1 || StartsWith(s, "//"); }

std::vector<Section> ReadSections(const std::string& name, int width) {
    const auto lines = ReadLines(name);
    ExpectShiftJis(name, lines);
    std::vector<Section> sections;
    int counter = 1;
    int part = 0;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        std::string s = lines[n];
        if (s.empty()) {
            ADD_FAILURE() << name << " line " << n + 1 << ": an empty line hides the rest";
            break;
        }
        if (IsSkipped(s)) continue;
        if (s == "[*]") s = "[" + std::to_string(counter++) + "]";
        if (IsHeader(s)) {
            sections.push_back({s, {}, {}, static_cast<int>(n + 1)});
            part = 0;
            continue;
        }
        if (sections.empty()) continue;
        Section& sec = sections.back();
        if (s.size() >= 2 && s[1] == ':') {
            part = s[0] - '0';
            EXPECT_TRUE(part >= 1 && part <= 9) << name << " line " << n + 1;
            EXPECT_EQ(sec.parts.count(part), 0u) << name << " line " << n + 1 << ": part twice";
            const std::string rest = s.substr(2);
            sec.parts[part] = rest + std::string(Filled(rest.size(), width) - rest.size(), ' ');
            sec.firstLine[part] = rest;
            continue;
        }
        if (part == 0) continue;  // lines before the first part are not shown
        std::string& text = sec.parts[part];
        EXPECT_LT(text.size(), 2048u) << name << " " << sec.header << " part " << part
                                      << " would be cut";
        text += s + std::string(Filled(s.size(), width) - s.size(), ' ');
    }
    return sections;
}

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

// The files shipped so far; each one listed here must be complete.
const char* const kShipped[] = {"kirono.txt", "okuno.txt", "Topics.txt", "onepoint.txt", "life.txt", "friend.txt", "work.txt", "kinenkan.txt", "kuhi.txt", "nature.txt", "goi.txt", "nozarasi.txt", "kasima.txt", "kobumi.txt", "sarasina.txt", "saga.txt"};

bool Shipped(const std::string& name) {
    for (const char* s : kShipped)
        if (name == s) return true;
    return false;
}

TEST(MuseumData, TextWorkIndexesAreFull) {
    for (const WorkFile& w : kWorks) {
        if (!Shipped(w.name)) continue;
        SCOPED_TRACE(w.name);
        const auto sections = ReadSections(w.name, 46);
        EXPECT_GE(static_cast<int>(sections.size()), w.minSections);
        for (std::size_t i = 0; i < sections.size(); ++i) {
            const Section& s = sections[i];
            SCOPED_TRACE(s.header);
            EXPECT_EQ(s.header, "[" + std::to_string(i + 1) + "]") << "sections out of order";
            ASSERT_TRUE(s.parts.count(1)) << "no title (part 1), line " << s.line;
            EXPECT_FALSE(s.firstLine.at(1).empty());
            EXPECT_LE(s.parts.at(1).size(), 46u) << "title wraps in the index";
            ASSERT_TRUE(s.parts.count(2)) << "no text (part 2)";
            EXPECT_LT(s.parts.at(2).size(), 2048u);
            if (w.kind == 0) {
                ASSERT_TRUE(s.parts.count(3)) << "no click text (part 3)";
                EXPECT_LT(s.parts.at(3).size(), 2048u);
            }
            if (w.kind == 1 || w.kind == 5 || w.kind == 7) {
                ASSERT_TRUE(s.parts.count(3)) << "no haiku number (part 3)";
                const int n = std::atoi(s.firstLine.at(3).c_str());
                EXPECT_GE(n, 1);
                EXPECT_LE(n, kHaikuCount);
            }
        }
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
            if (w.kind == 0) EXPECT_FALSE(third.empty());
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
    }
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

// ---------------------------------------------------------------------------
// The help topics: Topics.txt and its include files.

struct Topic {
    std::string key[3];
    int listColumns = 0;
    std::vector<std::string> body;
};

std::string ExpandTabs(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\t')
            out.append(4 - out.size() % 4, ' ');
        else
            out += c;
    }
    return out;
}

std::string Lower(const std::string& s) { return platform::AsciiLower(s); }

std::vector<Topic> ReadTopics() {
    std::vector<std::string> lines;
    std::vector<std::string> includes;
    for (const std::string& s : ReadLines("Topics.txt")) {
        if (StartsWith(s, "//")) continue;
        if (StartsWith(Lower(s), "f:")) {
            includes.push_back(s.substr(2));
            continue;
        }
        lines.push_back(s);
    }
    EXPECT_LE(includes.size(), 20u);
    for (const std::string& inc : includes) {
        EXPECT_LE(inc.size(), 127u);
        const auto more = ReadLines(inc);
        for (const std::string& s : more)
            if (!StartsWith(s, "//")) lines.push_back(s);
    }
    ExpectShiftJis("help", lines);
    EXPECT_LT(lines.size(), 9000u) << "the contents list needs room";
    std::vector<Topic> topics;
    bool inBody = false;
    for (const std::string& raw : lines) {
        const std::string s = ExpandTabs(raw);
        if (s == "[*]") {
            topics.emplace_back();
            inBody = false;
            continue;
        }
        if (topics.empty()) continue;
        Topic& t = topics.back();
        if (inBody) {
            t.body.push_back(s);
            continue;
        }
        const std::string low = Lower(s);
        if (StartsWith(low, "k1:") || StartsWith(low, "k2:") || StartsWith(low, "k3:")) {
            EXPECT_TRUE(StartsWith(s, "k")) << s;
            t.key[low[1] - '1'] = s.substr(3);
        } else if (low.size() >= 3 && low[0] == 'l' && low[1] >= '1' && low[1] <= '5' &&
                   low[2] == ':') {
            t.listColumns = low[1] - '0';
        } else if (StartsWith(s, "d:")) {
            inBody = true;
            t.body.push_back(s.substr(2));
        } else {
            EXPECT_FALSE(StartsWith(low, "d:")) << "a body marker in capitals hides the body";
        }
    }
    return topics;
}

TEST(MuseumData, HelpOpensOnContentsWithWorkingLinks) {
    if (!Shipped("Topics.txt")) GTEST_SKIP();
    const auto topics = ReadTopics();
    ASSERT_GE(topics.size(), 20u);
    std::map<std::string, int> byKey1;
    int lists = 0;
    for (std::size_t i = 0; i < topics.size(); ++i) {
        const Topic& t = topics[i];
        SCOPED_TRACE("topic " + t.key[0]);
        EXPECT_FALSE(t.key[0].empty()) << "topic " << i << " cannot be reached";
        EXPECT_TRUE(byKey1.emplace(t.key[0], static_cast<int>(i)).second) << "key 1 twice";
        if (t.listColumns) {
            ++lists;
        } else {
            EXPECT_FALSE(t.body.empty()) << "no body (d:)";
        }
        for (const std::string& line : t.body) EXPECT_LE(line.size(), 76u) << line;
    }
    EXPECT_EQ(lists, 1) << "one topic carries the contents list";
    ASSERT_TRUE(byKey1.count("目次")) << "the help starts on 目次";
    EXPECT_GT(topics[static_cast<std::size_t>(byKey1["目次"])].listColumns, 0)
        << "目次 is the generated contents list";
    // Every topic but the contents list links to another topic, and every
    // topic is linked from somewhere besides the contents list.
    std::set<std::string> linkedTo;
    for (const Topic& t : topics) {
        if (t.listColumns) continue;
        int links = 0;
        for (const std::string& line : t.body)
            for (const auto& [key, index] : byKey1)
                if (key != t.key[0] && line.find(key) != std::string::npos) {
                    ++links;
                    linkedTo.insert(key);
                }
        EXPECT_GT(links, 0) << t.key[0] << " links nowhere";
    }
    for (const Topic& t : topics) {
        if (t.key[0] != "目次" && !t.listColumns) {
            EXPECT_TRUE(linkedTo.count(t.key[0])) << t.key[0] << " is only in the contents";
        }
    }
}

// ---------------------------------------------------------------------------
// onepoint.txt

TEST(MuseumData, TipsStepThroughOneToT) {
    if (!Shipped("onepoint.txt")) GTEST_SKIP();
    const auto lines = ReadLines("onepoint.txt");
    ExpectShiftJis("onepoint.txt", lines);
    int expected = 1;
    std::map<int, std::vector<std::string>> tips;
    int current = 0;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string& s = lines[n];
        if (s.empty() || StartsWith(s, "//")) continue;
        if (s.back() == ':') {
            const int number = std::atoi(s.c_str());
            EXPECT_EQ(number, expected) << "line " << n + 1 << ": tip heading without its number";
            EXPECT_EQ(s, std::to_string(number) + ":") << "line " << n + 1;
            current = number;
            ++expected;
            continue;
        }
        ASSERT_NE(current, 0) << "text before the first tip";
        EXPECT_LE(s.size(), 254u);
        tips[current].push_back(s);
    }
    const int count = expected - 1;
    EXPECT_GE(count, 45);
    for (int t = 1; t <= count; ++t) {
        ASSERT_TRUE(tips.count(t)) << "tip " << t << " is empty";
        EXPECT_LE(tips[t].front().size(), 28u) << "tip " << t << " has no heading";
        EXPECT_GE(tips[t].size(), 2u) << "tip " << t << " has no text";
    }
    ASSERT_TRUE(tips.count(42));
    bool calendar = false;
    for (const std::string& s : tips[42]) calendar = calendar || s.find("旧暦") != std::string::npos;
    EXPECT_TRUE(calendar) << "tip 42 opens from the calendar hall";
}

}  // namespace
