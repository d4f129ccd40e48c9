// The folding and matching of the museum-wide search: widths, capitals and
// kana fold alike, blanks do not count, a match never starts on a trail
// byte and maps back to whole characters, whatever the bytes.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "platform/Codec.h"
#include "platform/ShiftJis.h"
#include "text/SearchText.h"

using text::CSearchText;
using text::SearchByteRange;

namespace {

CSearchText Folded(std::initializer_list<std::string> texts) {
    CSearchText s;
    for (const std::string& t : texts) s.Add(t);
    s.Finish();
    return s;
}

// Every match of query in text, in bytes.
std::vector<SearchByteRange> AllMatches(const CSearchText& s, int text, const std::string& query) {
    const std::u16string q = CSearchText::FoldQuery(query);
    std::vector<SearchByteRange> found;
    std::size_t pos = s.FoldedBegin(text);
    while ((pos = s.Find(q, pos, s.FoldedEnd(text))) != std::u16string::npos) {
        found.push_back(s.ByteRange(pos, q.size()));
        ++pos;
    }
    return found;
}

std::string Bytes(const std::string& source, SearchByteRange r) { return source.substr(r.begin, r.end - r.begin); }

}  // namespace

TEST(SearchTextTest, WidthsCapitalsAndKanaFoldAlike) {
    // Each pair finds each other both ways, the match being the whole text.
    const std::pair<std::string, std::string> same[] = {
        {"ＴｘｔＤａｔａ", "txtdata"},  {"Shift-JIS", "ｓｈｉｆｔ－ｊｉｓ"},
        {"1689", "１６８９"},          {"ほととぎす", "ホトトギス"},
        {"ﾎﾄﾄｷﾞｽ", "ほととぎす"},      {"ｶﾞｲﾄﾞ", "ガイド"},
        {"ヴァイオリン", "ｳﾞｧｲｵﾘﾝ"}, {"データファイル", "でーたふぁいる"},
        {"ｹｰｷ", "けーき"},
    };
    for (const auto& [a, b] : same) {
        for (const auto& [text, query] : {std::pair{a, b}, std::pair{b, a}}) {
            const CSearchText s = Folded({text});
            SearchByteRange r;
            ASSERT_TRUE(s.FindIn(0, CSearchText::FoldQuery(query), &r)) << text << " / " << query;
            EXPECT_EQ(r.begin, 0u) << text;
            EXPECT_EQ(r.end, text.size()) << text;
        }
    }
    // Inside a katakana word each character keeps its own bytes.
    const CSearchText word = Folded({"ヴァイオリン"});
    SearchByteRange inner;
    ASSERT_TRUE(word.FindIn(0, CSearchText::FoldQuery("いお"), &inner));
    EXPECT_EQ(Bytes(word.Source(0), inner), "イオ");
    // Voicing marks still count: folding must not make か and が one.
    const CSearchText s = Folded({"ガイド", "ﾊﾟﾝ"});
    EXPECT_FALSE(s.FindIn(0, CSearchText::FoldQuery("かいど"), nullptr));
    EXPECT_FALSE(s.FindIn(1, CSearchText::FoldQuery("ばん"), nullptr));
    EXPECT_TRUE(s.FindIn(1, CSearchText::FoldQuery("パン"), nullptr));
}

TEST(SearchTextTest, AMatchNeverStartsOnATrailByte) {
    // Double-byte characters whose trail bytes are ASCII letters, digits,
    // "\" and "@": each alone and then after a single byte of the same
    // value, so that a byte-wise search would find twice as many.
    std::string source;
    int standalone = 0;
    // (Katakana and kanji only: a full-width letter would rightly match.)
    for (unsigned lead : {0x83u, 0x89u, 0x93u, 0x95u, 0x97u, 0xE0u}) {
        for (unsigned trail = 0x40; trail <= 0x7E; ++trail) {
            const std::string ch{static_cast<char>(lead), static_cast<char>(trail)};
            if (!platform::IsValidCp932(ch) || platform::Cp932ToUtf8(ch) == "\xEF\xBF\xBD") continue;
            source += ch;
            if (trail % 5 == 0) {
                source += static_cast<char>(trail);
                ++standalone;
            }
        }
    }
    const CSearchText s = Folded({source});
    int found = 0;
    for (char c = 0x40; c <= 0x7E; ++c) {
        for (const SearchByteRange& r : AllMatches(s, 0, std::string(1, c))) {
            ASSERT_TRUE(platform::IsCharStart(source, r.begin)) << "match of " << c << " at " << r.begin;
            ASSERT_TRUE(platform::IsCharStart(source, r.end));
            // The bytes matched are that very byte (or its other case).
            ASSERT_EQ(r.end - r.begin, 1u);
            EXPECT_EQ(platform::AsciiLower(Bytes(source, r)), platform::AsciiLower(std::string(1, c)));
            ++found;
        }
    }
    // Letters match in both cases: each single byte of a letter is found
    // by its own query and by the other case's.
    int expected = 0;
    for (std::size_t i = 0; i < source.size();) {
        const auto b = static_cast<unsigned char>(source[i]);
        if (platform::IsLeadByte(b)) {
            i += 2;
            continue;
        }
        expected += std::isalpha(b) ? 2 : 1;
        ++i;
    }
    EXPECT_GT(standalone, 50);
    EXPECT_EQ(found, expected);
}

TEST(SearchTextTest, BlanksDoNotCountAndABlankQueryFindsNothing) {
    const std::string haiku = "古池や 蛙飛びこむ　水の音";
    const CSearchText s = Folded({haiku});
    SearchByteRange r;
    ASSERT_TRUE(s.FindIn(0, CSearchText::FoldQuery("古池や蛙"), &r));
    EXPECT_EQ(Bytes(haiku, r), "古池や 蛙");
    ASSERT_TRUE(s.FindIn(0, CSearchText::FoldQuery("こむ水"), &r));
    EXPECT_EQ(Bytes(haiku, r), "こむ　水");
    ASSERT_TRUE(s.FindIn(0, CSearchText::FoldQuery(" 蛙 飛び "), &r));
    EXPECT_EQ(Bytes(haiku, r), "蛙飛び");
    EXPECT_TRUE(CSearchText::FoldQuery(" 　\t ").empty());
    EXPECT_EQ(s.Find(CSearchText::FoldQuery("　"), 0, s.Folded().size()), std::u16string::npos);
}

TEST(SearchTextTest, MatchesStayInsideTheirTextAcrossBatches) {
    CSearchText s;
    s.Add("春の");
    s.Add("海カタカナ");
    s.Finish();
    s.Add("ひらがな と カタカナ");
    s.Add("");
    s.Add("ｶﾀｶﾅ");
    s.Finish();
    ASSERT_EQ(s.Count(), 5);
    // Nothing runs from one text into the next.
    EXPECT_EQ(s.Find(CSearchText::FoldQuery("の海"), 0, s.Folded().size()), std::u16string::npos);
    // Each text knows its stretch of the folded string, after both passes.
    const std::u16string kana = CSearchText::FoldQuery("かたかな");
    std::vector<int> texts;
    for (std::size_t pos = 0; (pos = s.Find(kana, pos, s.Folded().size())) != std::u16string::npos; ++pos) {
        const int t = s.TextAt(pos);
        EXPECT_GE(pos, s.FoldedBegin(t));
        EXPECT_LE(pos + kana.size(), s.FoldedEnd(t));
        texts.push_back(t);
    }
    EXPECT_EQ(texts, (std::vector<int>{1, 2, 4}));
    SearchByteRange r;
    ASSERT_TRUE(s.FindIn(2, kana, &r));
    EXPECT_EQ(Bytes(s.Source(2), r), "カタカナ");
    ASSERT_TRUE(s.FindIn(4, kana, &r));
    EXPECT_EQ(r.begin, 0u);
    EXPECT_EQ(r.end, s.Source(4).size());
    EXPECT_EQ(s.FoldedBegin(3), s.FoldedEnd(3));  // the empty text
}

TEST(SearchTextTest, MalformedBytesKeepTheRestInPlace) {
    // A lead byte before a blank (no character), one at the very end.
    const std::string source = std::string("\x81 ") + "abcあ" + "\x82";
    const CSearchText s = Folded({source});
    SearchByteRange r;
    ASSERT_TRUE(s.FindIn(0, CSearchText::FoldQuery("ｂｃア"), &r));
    EXPECT_EQ(r.begin, 3u);
    EXPECT_EQ(r.end, 7u);
    ASSERT_TRUE(s.FindIn(0, CSearchText::FoldQuery("a"), &r));
    EXPECT_EQ(r.begin, 2u);
}

TEST(SearchTextTest, SnippetsShowTheMatchWithItsSurroundings) {
    std::string before, after;
    for (int i = 0; i < 10; ++i) before += "あいうえお";
    for (int i = 0; i < 10; ++i) after += "かきくけこ";
    const std::string source = before + "古池" + after;
    const CSearchText s = Folded({"前の文", source});
    const std::u16string q = CSearchText::FoldQuery("古池");
    const std::size_t pos = s.Find(q, 0, s.Folded().size());
    ASSERT_NE(pos, std::u16string::npos);

    text::SearchSnippet snippet = s.Snippet(pos, q.size(), 4, 6);
    EXPECT_EQ(snippet.before, "…" + before.substr(before.size() - 8));
    EXPECT_EQ(snippet.match, "古池");
    EXPECT_EQ(snippet.after, after.substr(0, 12) + "…");

    // At the ends of the text there is nothing more to mark.
    snippet = s.Snippet(pos, q.size(), 100, 100);
    EXPECT_EQ(snippet.before, before);
    EXPECT_EQ(snippet.after, after);

    // A match inside a character that folds to several units takes the
    // whole character: "ﾄﾞ" is one unit, "ｲ" another.
    const std::string halfWidth = "ｶﾞｲﾄﾞ本";
    const CSearchText h = Folded({halfWidth});
    const std::u16string q2 = CSearchText::FoldQuery("いど");
    const std::size_t at = h.Find(q2, 0, h.Folded().size());
    ASSERT_NE(at, std::u16string::npos);
    snippet = h.Snippet(at, q2.size(), 10, 10);
    EXPECT_EQ(snippet.before, "ｶﾞ");
    EXPECT_EQ(snippet.match, "ｲﾄﾞ");
    EXPECT_EQ(snippet.after, "本");
}
