// The index and the queries of the museum-wide search, on small data
// directories and on the shipped museum; and the window's own decisions
// (the year fields, the remembered queries).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/SettingsStore.h"
#include "haiku/HaikuOrders.h"
#include "haiku/HaikuTable.h"
#include "haiku/HaikuTextReader.h"
#include "platform/ShiftJis.h"
#include "res/MuseumSearchTexts.h"
#include "tests/core/TxtDataDir.h"
#include "text/MuseumSearch.h"
#include "text/MuseumSearchForm.h"
#include "text/TextWork.h"
#include "text/TextWorkKind.h"

using text::CMuseumSearch;
using text::SearchQuery;
using text::SearchResultGroup;
using text::SearchResults;
using text::SearchTarget;

namespace {

// The haiku at a position of order 0, from the compiled rows.
HaikuRecord Haiku(int position) {
    static const std::unique_ptr<CHaikuTable> table = [] {
        auto t = std::make_unique<CHaikuTable>();
        t->Build(0);
        return t;
    }();
    return table->GetRecord(position);
}

std::string HaikuText(const HaikuRecord& r) {
    return std::string(r.phrase1) + " " + r.phrase2 + " " + r.phrase3;
}

std::string Location(const char* format, int number) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, number);
    return buffer;
}

const SearchResultGroup* Group(const SearchResults& r, int group) {
    for (const SearchResultGroup& g : r.groups)
        if (g.group == group) return &g;
    return nullptr;
}

SearchResults Find(const CMuseumSearch& s, const std::string& text, unsigned kinds = text::kSearchAllKinds) {
    SearchQuery q;
    q.text = text;
    q.kinds = kinds;
    return s.Query(q);
}

// A notes file for haiku 1 and 2 as the build writes it; their
// interpretations share a word with a text-work section.
std::vector<std::string> TwoHaikuNotes() {
    return {"// notes",
            "[1]",
            "1:廿九日立春ナレバ",
            "2:はるやこし としやゆきけん こつごもり",
            "3:冬",
            "4:小晦日",
            "5:『試しの集』",
            "6:「" + HaikuText(Haiku(0)) + "」",
            "小晦日は大晦日の前日のこと。共通の語がある。",
            "二つ目の段落。",
            "[2]",
            "2:つきぞしるべ こなたへいらせ たびのやど",
            "3:秋",
            "4:月",
            "6:「" + HaikuText(Haiku(1)) + "」",
            "月の光を道しるべに。共通の語もある。"};
}

}  // namespace

TEST(MuseumSearchTest, AKanaQueryFindsAHaikuWrittenInKanjiThroughItsReading) {
    CTxtDataDir dir;
    dir.Write("kirono.txt", TwoHaikuNotes());
    CMuseumSearch s;
    s.Build();

    const SearchResults r = Find(s, "コツゴモリ");
    ASSERT_EQ(r.groups.size(), 1u);
    const SearchResultGroup& g = r.groups[0];
    EXPECT_EQ(g.group, CMuseumSearch::kReadingGroup);
    ASSERT_EQ(g.hits.size(), 1u);
    EXPECT_EQ(g.hits[0].location, Location(res::kSearchHaikuLocation, 1));
    EXPECT_EQ(g.hits[0].note, HaikuText(Haiku(0)));
    EXPECT_EQ(g.hits[0].snippet.before, "はるやこし としやゆきけん ");
    EXPECT_EQ(g.hits[0].snippet.match, "こつごもり");
    EXPECT_EQ(g.hits[0].target.action, SearchTarget::HaikuCard);
    EXPECT_EQ(g.hits[0].target.position, 0);

    // The kanji finds the haiku's text, its season word and its note; the
    // season word's note names the season.
    const SearchResults k = Find(s, "小晦日");
    ASSERT_NE(Group(k, CMuseumSearch::kHaikuTextGroup), nullptr);
    const SearchResultGroup* word = Group(k, CMuseumSearch::kSeasonWordGroup);
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(word->hits[0].note.find("冬"), 0u);
    const SearchResultGroup* notes = Group(k, CMuseumSearch::kNotesGroup);
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->hits[0].location, Location(res::kSearchCommentaryLocation, 1));
    EXPECT_EQ(Group(k, CMuseumSearch::kReadingGroup), nullptr);

    // The interpretation's first line only quotes the haiku: not a note.
    EXPECT_EQ(Group(Find(s, "行きけん"), CMuseumSearch::kNotesGroup), nullptr);
    // Headnote and source are notes of their own; lines of one
    // interpretation join.
    EXPECT_EQ(Group(Find(s, "立春ナレバ"), CMuseumSearch::kNotesGroup)->hits[0].location,
              Location(res::kSearchHeadnoteLocation, 1));
    EXPECT_EQ(Group(Find(s, "試しの集"), CMuseumSearch::kNotesGroup)->hits[0].location,
              Location(res::kSearchSourceLocation, 1));
    EXPECT_NE(Group(Find(s, "語がある。二つ目"), CMuseumSearch::kNotesGroup), nullptr);
}

TEST(MuseumSearchTest, SeasonAndYearFiltersNarrowOnlyTheHaikuGroups) {
    CTxtDataDir dir;
    dir.Write("kirono.txt", TwoHaikuNotes());
    dir.Write("life.txt", {"[*]", "1:ある年", "2:共通の語を持つ節。"});
    CMuseumSearch s;
    s.Build();
    auto count = [&s](unsigned seasons, int from, int to, int group) {
        SearchQuery q;
        q.text = "共通の語";
        q.seasons = seasons;
        q.yearFrom = from;
        q.yearTo = to;
        const SearchResults r = s.Query(q);
        const SearchResultGroup* g = Group(r, group);
        return g ? g->count : 0;
    };
    const int life = CMuseumSearch::kWorkGroup + 2;
    const unsigned autumn = text::SeasonBit("秋");
    const unsigned winter = text::SeasonBit("冬");
    ASSERT_NE(autumn, 0u);
    ASSERT_NE(winter, 0u);
    EXPECT_EQ(count(0, 0, 0, CMuseumSearch::kNotesGroup), 2);
    EXPECT_EQ(count(text::kSearchAllSeasons, 0, 0, CMuseumSearch::kNotesGroup), 2);
    EXPECT_EQ(count(autumn, 0, 0, CMuseumSearch::kNotesGroup), 1);
    EXPECT_EQ(count(autumn | winter, 0, 0, CMuseumSearch::kNotesGroup), 2);
    EXPECT_EQ(count(text::SeasonBit("春"), 0, 0, CMuseumSearch::kNotesGroup), 0);
    EXPECT_EQ(count(text::SeasonBit("春"), 0, 0, life), 1);

    const int first = Haiku(0).year;
    const int second = Haiku(1).year;
    ASSERT_LT(first, second);
    EXPECT_EQ(count(0, first, first, CMuseumSearch::kNotesGroup), 1);
    EXPECT_EQ(count(0, first + 1, 0, CMuseumSearch::kNotesGroup), 1);
    EXPECT_EQ(count(0, 0, second - 1, CMuseumSearch::kNotesGroup), 1);
    EXPECT_EQ(count(0, second + 1, 0, CMuseumSearch::kNotesGroup), 0);
    EXPECT_EQ(count(0, second + 1, 0, life), 1);
}

TEST(MuseumSearchTest, AYearSpanCountsWhenItOverlapsTheRange) {
    EXPECT_TRUE(text::YearsOverlap(1689, 0, 0, 0));
    EXPECT_TRUE(text::YearsOverlap(1689, 0, 1689, 1689));
    EXPECT_FALSE(text::YearsOverlap(1689, 0, 1690, 0));
    EXPECT_FALSE(text::YearsOverlap(1689, 0, 0, 1688));
    // 1684-1694: any range that reaches into it.
    EXPECT_TRUE(text::YearsOverlap(1694, 1684, 1690, 1690));
    EXPECT_TRUE(text::YearsOverlap(1694, 1684, 1670, 1684));
    EXPECT_TRUE(text::YearsOverlap(1694, 1684, 1694, 0));
    EXPECT_FALSE(text::YearsOverlap(1694, 1684, 1670, 1683));
    EXPECT_FALSE(text::YearsOverlap(1694, 1684, 0, 1683));
    // An undated haiku is left out once a bound is set.
    EXPECT_TRUE(text::YearsOverlap(0, 0, 0, 0));
    EXPECT_FALSE(text::YearsOverlap(0, 0, 1644, 0));

    // Through a query: the first spanned haiku of the register.
    int position = -1;
    for (int p = 0; p < haiku::GetOrderCount(0) && position < 0; ++p)
        if (Haiku(p).yearFrom != 0 && Haiku(p).yearFrom < Haiku(p).year) position = p;
    ASSERT_GE(position, 0);
    const HaikuRecord h = Haiku(position);
    CTxtDataDir dir;
    CMuseumSearch s;
    s.Build();
    SearchQuery q;
    q.text = HaikuText(h);
    q.kinds = text::kSearchHaiku;
    auto found = [&](int from, int to) {
        q.yearFrom = from;
        q.yearTo = to;
        const SearchResults r = s.Query(q);
        return !r.groups.empty() &&
               std::any_of(r.groups[0].hits.begin(), r.groups[0].hits.end(),
                           [&](const text::SearchHit& hit) { return hit.target.position == position; });
    };
    EXPECT_TRUE(found(0, 0));
    EXPECT_TRUE(found(h.yearFrom + 1, h.yearFrom + 1));
    EXPECT_FALSE(found(h.year + 1, 0));
    EXPECT_FALSE(found(0, h.yearFrom - 1));
}

TEST(MuseumSearchTest, TextWorkSectionsAreNumberedAsTheWindowNumbersThem) {
    CTxtDataDir dir;
    // 45 single bytes, then a blank at the row's last byte that only keeps
    // the next character off it.
    const std::string padded = std::string(45, 'x') + " 旅人" + std::string(10, 'y');
    dir.Write("okuno.txt", {"// comment",
                            "[*]",
                            "1:序 旅立ち",
                            "2:月日は百代の過客にして",
                            "続きの行。",
                            "3:クリックの文",
                            "[*]",
                            "1:千住",
                            "x",
                            "// a comment inside",
                            "2:" + padded,
                            "[*]",
                            "1:立石寺",
                            "2:山寺の岩。",
                            "",
                            "[*]",
                            "1:読まれない節",
                            "2:空の行の後。"});
    CMuseumSearch s;
    s.Build();
    text::CTextWork work;
    ASSERT_EQ(work.SetKind(text::KindOf(text::TextWorkId::Okuno)), 1);
    work.Start();
    ASSERT_EQ(work.Titles().size(), 3u);
    for (std::size_t i = 0; i < work.Titles().size(); ++i) {
        std::string title = work.Titles()[i];
        title.erase(title.find_last_not_of(' ') + 1);  // the window fills it with blanks
        const SearchResults r = Find(s, title, text::kSearchWorks);
        const SearchResultGroup* g = Group(r, CMuseumSearch::kWorkGroup + 0);
        ASSERT_NE(g, nullptr) << title;
        EXPECT_EQ(g->hits[0].target.action, SearchTarget::TextWork);
        EXPECT_EQ(g->hits[0].target.kind, 0);
        EXPECT_EQ(g->hits[0].target.section, static_cast<int>(i));
        EXPECT_EQ(g->hits[0].location, std::string(text::FindTextWorkKind(text::KindOf(text::TextWorkId::Okuno))->title) + res::kSearchLocationJoin + title);
    }
    // Continuation lines join; part 3 and what follows an empty line are not searched.
    EXPECT_FALSE(Find(s, "過客にして続き").groups.empty());
    EXPECT_TRUE(Find(s, "クリックの文").groups.empty());
    EXPECT_TRUE(Find(s, "読まれない").groups.empty());
    // The row-keeping blank is gone from the snippet.
    const SearchResults r = Find(s, "x旅人");
    ASSERT_EQ(r.groups.size(), 1u);
    EXPECT_EQ(r.groups[0].hits[0].snippet.match, "x旅人");
}

TEST(MuseumSearchTest, RowEndBlanksAreDroppedOnlyWhereTheBoxDropsThem) {
    const std::string row(45, 'a');
    EXPECT_EQ(text::DropRowEndBlanks(row + " 旅", 46), row + "旅");
    EXPECT_EQ(text::DropRowEndBlanks(row + " b", 46), row + " b");  // a single byte fits there
    EXPECT_EQ(text::DropRowEndBlanks(std::string(44, 'a') + " 旅", 46), std::string(44, 'a') + " 旅");
    // On the second row, after double-byte characters.
    std::string two = std::string(46, 'a');
    for (int i = 0; i < 22; ++i) two += "あ";
    two += "a";
    EXPECT_EQ(text::DropRowEndBlanks(two + " 旅 人", 46), two + "旅 人");
    // A blank at that place inside a character is no blank: 0x20 is never a trail byte,
    // but a character may stand across the place.
    const std::string across = std::string(44, 'a') + "表 ";
    EXPECT_EQ(text::DropRowEndBlanks(across, 46), across);
}

TEST(MuseumSearchTest, HelpTopicsAreFoundByNameBodyAndOtherKeys) {
    CTxtDataDir dir;
    dir.Write("Topics.txt", {"// help", "f:more.txt", "[*]", "k1:目次", "l2:", "[*]", "k1:総合検索",
                             "k2:そうごうけんさく", "k3:search", "d:博物館の    すべてを探す窓です。",
                             "二行目の本文。"});
    dir.Write("more.txt", {"[*]", "k1:別の話題", "d:総合検索を見てください。", "[*]", "k1:本文のない話題"});
    CMuseumSearch s;
    s.Build();
    // The help group of a query (empty when it has none).
    auto help = [&s](const std::string& q) {
        const SearchResults r = Find(s, q);
        const SearchResultGroup* g = Group(r, CMuseumSearch::kHelpGroup);
        return g ? *g : SearchResultGroup{};
    };
    for (const char* q : {"ソウゴウケンサク", "SEARCH", "すべてを探す", "二行目"}) {
        const SearchResultGroup g = help(q);
        ASSERT_EQ(g.count, 1) << q;
        EXPECT_EQ(g.hits[0].target.action, SearchTarget::Help);
        EXPECT_EQ(g.hits[0].target.topic, "総合検索");
    }
    // Layout blanks of a body shrink to one.
    EXPECT_EQ(help("すべて").hits.at(0).snippet.before, "総合検索　博物館の ");
    EXPECT_EQ(help("総合検索").count, 2);
    // The contents topic lists every name: it is not searched.
    EXPECT_EQ(help("目次").count, 0);
    EXPECT_EQ(help("本文のない").count, 0);
    EXPECT_TRUE(dir.messages.empty());
}

TEST(MuseumSearchTest, UnreadableFilesAreNamedWithoutAMessage) {
    CTxtDataDir dir;
    dir.Write("Topics.txt", {"f:missing.txt", "[*]", "k1:話題", "d:本文"});
    CMuseumSearch s;
    s.Build();
    EXPECT_TRUE(dir.messages.empty());
    const std::vector<std::string>& missing = s.MissingFiles();
    EXPECT_NE(std::find(missing.begin(), missing.end(), "kirono.txt"), missing.end());
    for (int kind = 0; kind < text::kTextWorkKindCount; ++kind)
        EXPECT_NE(std::find(missing.begin(), missing.end(), text::FindTextWorkKind(kind)->fileName), missing.end());
    EXPECT_NE(std::find(missing.begin(), missing.end(), res::kSearchHelpIncludes), missing.end());
    // The compiled haiku are there all the same.
    EXPECT_EQ(s.HaikuCount(), haiku::GetOrderCount(0));
    EXPECT_NE(Group(Find(s, HaikuText(Haiku(0))), CMuseumSearch::kHaikuTextGroup), nullptr);
    EXPECT_NE(Group(Find(s, "本文"), CMuseumSearch::kHelpGroup), nullptr);
}

TEST(MuseumSearchTest, EachEntryCountsOnceAndAGroupListsAtMostItsLimit) {
    CTxtDataDir dir;
    CMuseumSearch s;
    s.Build();
    // The haiku whose text holds "の" (at a character start), counted here.
    const std::string no = "の";
    int expected = 0;
    for (int p = 0; p < haiku::GetOrderCount(0); ++p) {
        const std::string t = HaikuText(Haiku(p));
        for (std::size_t at = t.find(no); at != std::string::npos; at = t.find(no, at + 1))
            if (platform::IsCharStart(t, at)) {
                ++expected;
                break;
            }
    }
    ASSERT_GT(expected, static_cast<int>(CMuseumSearch::kMaxHitsPerGroup));
    const SearchResults r = Find(s, no, text::kSearchHaiku);
    ASSERT_EQ(r.groups.size(), 1u);
    EXPECT_EQ(r.groups[0].count, expected);
    EXPECT_EQ(r.total, expected);
    ASSERT_EQ(r.groups[0].hits.size(), CMuseumSearch::kMaxHitsPerGroup);
    int last = -1;
    for (const text::SearchHit& hit : r.groups[0].hits) {
        EXPECT_EQ(hit.snippet.match, no);
        EXPECT_GT(hit.target.position, last);  // register order, each haiku once
        last = hit.target.position;
    }
    // No kind chosen: nothing at all.
    EXPECT_TRUE(Find(s, no, 0).groups.empty());
}

TEST(MuseumSearchTest, TheShippedMuseumIsSearchedWhole) {
    CSettingsStore::Instance().Init(KIROKAN_MUSEUM_DIR, "kirokan");
    CMuseumSearch s;
    s.Build();
    EXPECT_TRUE(s.MissingFiles().empty());
    ASSERT_EQ(s.HaikuCount(), haiku::GetOrderCount(0));

    // Every haiku is found through its reading, as the notes reader reads it.
    auto table = std::make_unique<CHaikuTable>();
    table->Build(0);
    CHaikuTextReader reader;
    ASSERT_EQ(reader.LoadAll("kirono.txt", 44, *table, haiku::GetOrderCount(0)), 0);
    int withReading = 0;
    for (int p = 0; p < haiku::GetOrderCount(0); ++p) {
        const HaikuRecord r = table->GetRecord(p);
        const std::string reading = std::string(r.reading1) + r.reading2 + r.reading3;
        if (reading.empty()) continue;
        ++withReading;
        const SearchResults found = Find(s, reading, text::kSearchReading);
        const SearchResultGroup* g = Group(found, CMuseumSearch::kReadingGroup);
        ASSERT_NE(g, nullptr) << p;
        EXPECT_TRUE(std::any_of(g->hits.begin(), g->hits.end(),
                                [p](const text::SearchHit& h) { return h.target.position == p; }))
            << "haiku " << p + 1;
    }
    EXPECT_EQ(withReading, haiku::GetOrderCount(0));

    // Every section of every text work is found by its title, numbered as
    // the window numbers it.
    for (int kind = 0; kind < text::kTextWorkKindCount; ++kind) {
        text::CTextWork work;
        ASSERT_EQ(work.SetKind(kind), 1);
        work.Start();
        ASSERT_FALSE(work.Titles().empty());
        for (std::size_t i = 0; i < work.Titles().size(); ++i) {
            std::string title = work.Titles()[i];
            title.erase(title.find_last_not_of(' ') + 1);
            const SearchResults found = Find(s, title, text::kSearchAllKinds);
            const SearchResultGroup* g = Group(found, CMuseumSearch::kWorkGroup + kind);
            ASSERT_NE(g, nullptr) << kind << " " << i;
            EXPECT_TRUE(std::any_of(g->hits.begin(), g->hits.end(), [&](const text::SearchHit& h) {
                return h.target.kind == kind && h.target.section == static_cast<int>(i);
            })) << kind << " " << i;
        }
    }
}

TEST(MuseumSearchFormTest, TheYearFieldsTakeTheLifetimeInEitherWidth) {
    using Form = text::CMuseumSearchForm;
    text::SearchYears y = Form::CheckYears("", " ");
    EXPECT_TRUE(y.ok);
    EXPECT_EQ(y.from, 0);
    EXPECT_EQ(y.to, 0);
    y = Form::CheckYears("１６８４", " 1689 ");
    EXPECT_TRUE(y.ok);
    EXPECT_EQ(y.from, 1684);
    EXPECT_EQ(y.to, 1689);
    y = Form::CheckYears("", "1694");
    EXPECT_TRUE(y.ok && y.from == 0 && y.to == 1694);
    for (const auto& [from, to] : {std::pair{"1643", ""}, std::pair{"", "1695"}, std::pair{"16a9", ""},
                                   std::pair{"元禄", ""}, std::pair{"-1690", ""}, std::pair{"01689", ""}}) {
        y = Form::CheckYears(from, to);
        EXPECT_FALSE(y.ok) << from << to;
        EXPECT_FALSE(y.message.empty());
    }
    const std::string range = Form::CheckYears("1600", "").message;
    y = Form::CheckYears("1690", "1680");
    EXPECT_FALSE(y.ok);
    EXPECT_NE(y.message, range);
    EXPECT_TRUE(Form::CheckYears("1690", "1690").ok);
}

TEST(MuseumSearchFormTest, QueriesAreRememberedLatestFirstInTheSettings) {
    CTxtDataDir dir;
    text::CMuseumSearchForm form;
    form.LoadHistory();
    EXPECT_TRUE(form.History().empty());
    EXPECT_TRUE(form.TakeQuery("古池"));
    EXPECT_TRUE(form.TakeQuery("ふるいけ"));
    EXPECT_TRUE(form.TakeQuery("古池"));
    EXPECT_FALSE(form.TakeQuery(" 　"));
    EXPECT_EQ(form.History(), (std::vector<std::string>{"古池", "ふるいけ"}));

    text::CMuseumSearchForm again;
    again.LoadHistory();
    EXPECT_EQ(again.History(), form.History());
    EXPECT_EQ(CSettingsStore::Instance().LoadFindStrings(), std::vector<std::string>{});  // the bar's own list

    for (int i = 0; i < 20; ++i) again.TakeQuery("語" + std::to_string(i));
    ASSERT_EQ(again.History().size(), text::CMuseumSearchForm::kMaxHistory);
    EXPECT_EQ(again.History().front(), "語19");
    EXPECT_EQ(again.History().back(), "語4");
    text::CMuseumSearchForm third;
    third.LoadHistory();
    EXPECT_EQ(third.History(), again.History());
}

TEST(MuseumSearchFormTest, TheGroupRowSaysWhenNotAllAreListed) {
    SearchResultGroup g;
    g.label = "俳句";
    g.count = 2;
    g.hits.resize(2);
    const std::string whole = text::CMuseumSearchForm::GroupRowText(g);
    EXPECT_EQ(whole.find("俳句"), 0u);
    EXPECT_NE(whole.find('2'), std::string::npos);
    g.count = 512;
    const std::string part = text::CMuseumSearchForm::GroupRowText(g);
    EXPECT_NE(part.find("512"), std::string::npos);
    EXPECT_NE(part.find('2', part.find("512") + 3), std::string::npos);
    EXPECT_EQ(text::CMuseumSearchForm::MissingFilesText({}), "");
}
