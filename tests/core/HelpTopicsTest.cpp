#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/TxtDataDir.h"
#include "text/HelpTopics.h"

namespace {

std::vector<std::string> Texts(const std::vector<HelpLink>& links) {
    std::vector<std::string> out;
    for (const HelpLink& l : links) out.push_back(l.text + "@" + std::to_string(l.start));
    return out;
}

// A topic with key 1 and a one-line body.
void AddTopic(std::vector<std::string>& lines, const std::string& key, const std::string& body = "text") {
    lines.insert(lines.end(), {"[*]", "k1:" + key, "d:" + body});
}

std::string Pad(const std::string& key, std::size_t column) {
    return key + std::string(column > key.size() ? column - key.size() : 0, ' ');
}

}  // namespace

TEST(HelpTopics, MarkersInCapitalsSetKeysButTheBodyNeedsLowercase) {
    CTxtDataDir dir;
    const std::string path = dir.Write("Topics.txt", {
        "lines before the first topic", "[*]", "K1:Alpha", "k2:alpha two", "K3:third",
        "ignored line", "D:not the body", "hidden", "d:shown", "", "k1:in the body",
        "[*]", "k1:Beta", "D:capital only", "more", "[*]", "k1:Gamma", "d:gamma body"});
    CHelpTopics topics;
    ASSERT_EQ(topics.LoadTopics(path), 0);
    ASSERT_EQ(topics.GetTopicCount(), 3);

    const HelpPage& alpha = topics.FindTopic("third");
    EXPECT_EQ(alpha.key1, "Alpha");
    EXPECT_EQ(alpha.key2, "alpha two");
    EXPECT_EQ(alpha.bodyLine, 6);  // the "D:" line is recorded
    EXPECT_EQ(alpha.lines, (std::vector<std::string>{"shown", "", "k1:in the body"}));
    // Keys compare exactly: another case finds nothing and the page stays.
    EXPECT_EQ(topics.FindTopic("alpha").number, 0);
    EXPECT_EQ(topics.FindTopic("ALPHA TWO").key1, "Alpha");

    // Without a lowercase "d:" in its own topic the page is empty: the
    // body of the next topic is never taken.
    const HelpPage& beta = topics.FindTopic("Beta");
    EXPECT_EQ(beta.number, 1);
    EXPECT_TRUE(beta.lines.empty());
    EXPECT_EQ(dir.beeps, 0);
}

TEST(HelpTopics, TopicWithoutBodyBeepsAndHasNoLines) {
    CTxtDataDir dir;
    const std::string path = dir.Write("Topics.txt", {"[*]", "k1:Empty", "[*]", "k1:Full", "d:x"});
    CHelpTopics topics;
    ASSERT_EQ(topics.LoadTopics(path), 0);
    const HelpPage& page = topics.FindTopic("Empty");
    EXPECT_EQ(page.number, 0);
    EXPECT_TRUE(page.lines.empty());
    EXPECT_EQ(dir.beeps, 1);
}

TEST(HelpTopics, IncludesAreReadOnceFromTheMainFileAndOnlyInsideTxtData) {
    CTxtDataDir dir;
    std::vector<std::string> main = {"// comment", "f:more.txt", "F:missing.txt", "f:../secret.txt",
                                     "f:sub/x.txt", "f:", "[*]", "k1:Main", "d:\tmain body"};
    const std::string path = dir.Write("Topics.txt", main);
    dir.Write("more.txt", {"[*]", "k1:More", "d:more body", "f:other.txt", "// dropped", "last"});
    dir.Write("other.txt", {"[*]", "k1:Other", "d:never read"});
    std::ofstream(dir.Root() + "/secret.txt") << "[*]\nk1:Secret\nd:outside\n";

    CHelpTopics topics;
    ASSERT_EQ(topics.LoadTopics(path), 0);
    EXPECT_EQ(topics.GetTopicCount(), 2);
    EXPECT_EQ(topics.FindTopic("More").lines,
              (std::vector<std::string>{"more body", "f:other.txt", "last"}));
    EXPECT_EQ(topics.FindTopic("Other").key1, "More");  // not found: the page stays
    EXPECT_EQ(topics.FindTopic("Secret").key1, "More");
    // The tab after "d:" stops at column 4 of the stored line.
    EXPECT_EQ(topics.FindTopic("Main").lines[0], "  main body");
    // missing.txt, ../secret.txt and sub/x.txt are reported; the empty name is skipped.
    ASSERT_EQ(dir.messages.size(), 3u);
    EXPECT_NE(dir.messages[0].find("missing.txt"), std::string::npos);
    EXPECT_NE(dir.messages[1].find("secret.txt"), std::string::npos);
    EXPECT_NE(dir.messages[2].find("x.txt"), std::string::npos);
}

TEST(HelpTopics, AtMostTwentyIncludes) {
    CTxtDataDir dir;
    std::vector<std::string> main;
    for (int i = 1; i <= 21; ++i) {
        main.push_back("f:inc" + std::to_string(i) + ".txt");
        dir.Write("inc" + std::to_string(i) + ".txt", {"[*]", "k1:T" + std::to_string(i), "d:x"});
    }
    CHelpTopics topics;
    ASSERT_EQ(topics.LoadTopics(dir.Write("Topics.txt", main)), 0);
    EXPECT_EQ(topics.GetTopicCount(), 20);
    EXPECT_EQ(topics.GetKey(19, 1), "T20");
}

TEST(HelpTopics, UnreadableMainFileFails) {
    CTxtDataDir dir;
    CHelpTopics topics;
    EXPECT_EQ(topics.LoadTopics(dir.Path("Topics.txt")), -1);
    ASSERT_EQ(dir.messages.size(), 1u);
    EXPECT_EQ(dir.messages[0], dir.Path("Topics.txt") + "\nファイル を読み出し出来ません.");
}

TEST(HelpTopics, TabsStopEveryFourColumns) {
    CTxtDataDir dir;
    const std::string path = dir.Write("Topics.txt", {"[*]", "k1:T", "d:x", "a\tb", "abcd\te", "\t\tf", "字\tg"});
    CHelpTopics topics;
    ASSERT_EQ(topics.LoadTopics(path), 0);
    EXPECT_EQ(topics.FindTopic("T").lines,
              (std::vector<std::string>{"x", "a   b", "abcd    e", "        f", "字  g"}));
}

TEST(HelpTopics, KeysSortWithLettersFoldedAndEmptyKeysLast) {
    CTxtDataDir dir;
    std::vector<std::string> lines;
    AddTopic(lines, "beta");
    AddTopic(lines, "Alpha");
    lines.insert(lines.end(), {"[*]", "k2:only second", "d:x"});
    AddTopic(lines, "gamma");
    AddTopic(lines, "ALPHB");
    CHelpTopics topics;
    ASSERT_EQ(topics.LoadTopics(dir.Write("Topics.txt", lines)), 0);
    EXPECT_EQ(topics.GetKeyCount(1), 4);
    EXPECT_EQ(topics.GetOrder(1), (std::vector<int>{1, 4, 0, 3, 2}));
    EXPECT_EQ(topics.SearchEntries(1), (std::vector<std::string>{"Alpha", "ALPHB", "beta", "gamma"}));
    EXPECT_EQ(topics.GetKeyCount(2), 1);
    EXPECT_EQ(topics.GetOrder(2)[0], 2);
    EXPECT_EQ(topics.GetKeyCount(3), 0);
}

TEST(HelpTopics, EmptyKeysSortAfterKeysBeyondTheCharacterSet) {
    // Bytes above FC 4B (no character of the set) must not let a topic
    // without key 1 into the search list.
    CTxtDataDir dir;
    std::vector<std::string> lines;
    lines.insert(lines.end(), {"[*]", "k2:no key 1", "d:x"});
    AddTopic(lines, "\xFC\xFC");
    AddTopic(lines, "\xFF");
    AddTopic(lines, "a");
    CHelpTopics topics;
    ASSERT_EQ(topics.LoadTopics(dir.Write("Topics.txt", lines)), 0);
    EXPECT_EQ(topics.SearchEntries(1), (std::vector<std::string>{"a", "\xFC\xFC", "\xFF"}));
    EXPECT_EQ(topics.GetOrder(1).back(), 0);
}

TEST(HelpTopics, SortOrdersManyKeys) {
    // Enough keys to exercise both sides of the partitioning.
    CTxtDataDir dir;
    std::vector<std::string> lines;
    std::vector<std::string> keys;
    for (int i = 0; i < 300; ++i) {
        const std::string key = std::string(1, static_cast<char>('a' + (i * 7) % 26)) + std::to_string((i * 37) % 101);
        keys.push_back(key);
        AddTopic(lines, key);
    }
    CHelpTopics topics;
    ASSERT_EQ(topics.LoadTopics(dir.Write("Topics.txt", lines)), 0);
    const std::vector<std::string> sorted = topics.SearchEntries(1);
    ASSERT_EQ(sorted.size(), keys.size());
    for (std::size_t i = 1; i < sorted.size(); ++i)
        EXPECT_LE(CHelpTopics::CompareKeys(sorted[i - 1], sorted[i]), 0) << i;
}

TEST(HelpTopics, ContentsListInThreeColumns) {
    CTxtDataDir dir;
    std::vector<std::string> lines = {"[*]", "k1:目次", "l3:", "d:own body is not shown"};
    for (const char* key : {"g", "B", "a", "e", "C", "f", "d"}) AddTopic(lines, key);
    CHelpTopics topics;
    ASSERT_EQ(topics.LoadTopics(dir.Write("Topics.txt", lines)), 0);
    EXPECT_EQ(topics.FindTopic("目次").lines,
              (std::vector<std::string>{"", Pad("a", 30) + Pad("B", 30) + "C",
                                        Pad("d", 30) + Pad("e", 30) + "f", Pad("g", 30)}));

    // With 6 other topics the second row is full and an empty line follows.
    lines.resize(lines.size() - 3);
    CHelpTopics six;
    ASSERT_EQ(six.LoadTopics(dir.Write("Topics.txt", lines)), 0);
    EXPECT_EQ(six.FindTopic("目次").lines,
              (std::vector<std::string>{"", Pad("a", 30) + Pad("B", 30) + "C",
                                        Pad("e", 30) + Pad("f", 30) + "g", ""}));
}

TEST(HelpTopics, ContentsListColumnsAndTheFirstMark) {
    CTxtDataDir dir;
    // l1 wins over l2 wherever it stands; a key reaching past its column
    // start gets no blanks.
    std::vector<std::string> lines = {"[*]", "k1:list2", "l2:", "d:x", "[*]", "k1:list1", "L1:", "d:y"};
    AddTopic(lines, "a-very-long-key-of-more-than-forty-bytes!");
    AddTopic(lines, "b");
    CHelpTopics one;
    ASSERT_EQ(one.LoadTopics(dir.Write("Topics.txt", lines)), 0);
    EXPECT_EQ(one.FindTopic("list1").lines,
              (std::vector<std::string>{"", "a-very-long-key-of-more-than-forty-bytes!", "b", "list2"}));
    EXPECT_EQ(one.FindTopic("list2").lines, (std::vector<std::string>{"x"}));

    lines[6] = "k2:no longer a list";
    CHelpTopics two;
    ASSERT_EQ(two.LoadTopics(dir.Write("Topics.txt", lines)), 0);
    EXPECT_EQ(two.FindTopic("list2").lines,
              (std::vector<std::string>{"", "a-very-long-key-of-more-than-forty-bytes!b", Pad("list1", 40)}));
}

TEST(HelpTopics, LinksPreferTheLongerKeyAndSkipTheCurrentName) {
    CTxtDataDir dir;
    std::vector<std::string> lines;
    for (const char* key : {"松", "松島", "AB", "BC", "@", "a"}) AddTopic(lines, key);
    CHelpTopics topics;
    ASSERT_EQ(topics.LoadTopics(dir.Write("Topics.txt", lines)), 0);

    EXPECT_EQ(Texts(topics.FindLinks("松島や松", "")), (std::vector<std::string>{"松島@0", "松@6"}));
    // The current name is dropped after the nesting: the inner "松" stays hidden.
    EXPECT_EQ(Texts(topics.FindLinks("松島や松", "松島")), (std::vector<std::string>{"松@6"}));
    // Partly overlapping matches are both kept.
    EXPECT_EQ(Texts(topics.FindLinks("xABCx", "")), (std::vector<std::string>{"BC@2", "AB@1"}));
    // "@" is also the trail byte of "ァ" (83 40): no match there.
    EXPECT_EQ(Texts(topics.FindLinks("ァ@", "")), (std::vector<std::string>{"@@2"}));
    // At most 10 matches are recorded per line.
    EXPECT_EQ(topics.FindLinks("a a a a a a a a a a a a a a a", "").size(), 10u);
}

TEST(HelpTopics, StoreIsBoundedAt10000LinesAnd1000Topics) {
    CTxtDataDir dir;
    std::vector<std::string> lines;
    for (int i = 0; i < 1200; ++i) AddTopic(lines, "t" + std::to_string(i));
    for (int i = 0; i < 8000; ++i) lines.push_back("filler " + std::to_string(i));
    CHelpTopics topics;
    ASSERT_EQ(topics.LoadTopics(dir.Write("Topics.txt", lines)), 0);
    EXPECT_EQ(topics.GetLineCount(), CHelpTopics::kMaxLines);
    EXPECT_EQ(topics.GetTopicCount(), CHelpTopics::kMaxTopics);
    EXPECT_EQ(topics.GetLine(CHelpTopics::kMaxLines - 1), "filler " + std::to_string(10000 - 3600 - 1));
}
