// Sort keys, key comparison and the quicksort of the haiku list, checked
// against a reference of the key rules written independently of the list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "haiku/HaikuList.h"
#include "haiku/HaikuOrders.h"
#include "haiku/HaikuSortKeys.h"
#include "HaikuNotesFixture.h"

using haiku::CompareSortKeys;
using haiku::MakeSortKey;
using haiku::QuickSortKeys;
using haiku::SortKey;

namespace {

SortKey Key(const std::string& text) {
    SortKey k{};
    std::strncpy(k.text, text.c_str(), sizeof k.text - 1);
    return k;
}

template <std::size_t N>
void Put(char (&field)[N], const std::string& text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N));
}

// ---- the reference ---------------------------------------------------------

template <std::size_t N>
std::string Take(const char (&field)[N], std::size_t n) {
    std::string s(field, N);
    s.resize(std::min(s.find('\0'), n));
    return s;
}

std::string Slot4(int slot) {
    std::string s = std::to_string(slot);
    return std::string(4 - std::min<std::size_t>(4, s.size()), '0') + s;
}

std::string ReferenceKey(const HaikuRecord& r, int slot, int column) {
    if (column == 7) return std::to_string(r.year * 10 + (r.yearFrom ? 1 : 0));
    std::string text;
    switch (column) {
    case 0: text = Slot4(slot); break;
    case 1: text = Take(r.reading1, 22) + Take(r.reading2, 2); break;
    case 2: text = Take(r.reading2, 24); break;
    case 3: text = Take(r.reading3, 24); break;
    case 4: text = Take(r.season, 6) + Take(r.seasonWord, 10); break;
    case 5: text = Take(r.seasonWord, 24); break;
    case 6: text = Take(r.source, 24); break;
    case 8:
        text = (r.creatureClass < 10 ? "0" : "") + std::to_string(r.creatureClass) +
               Take(r.creatures, 22);
        break;
    }
    if (text.empty()) text = "\xFC\x4B\xFC\x4B";
    return text + Slot4(slot);
}

// Keys as the comparison sees them: capital letters folded, bytes unsigned.
std::basic_string<unsigned char> Folded(const std::string& key) {
    std::basic_string<unsigned char> out;
    for (char c : key) {
        unsigned char b = static_cast<unsigned char>(c);
        if (b >= 'A' && b <= 'Z') b = static_cast<unsigned char>(b + 0x20);
        out.push_back(b);
    }
    return out;
}

class ListSort : public hallfixture::AllNotesSuite {};

}  // namespace

TEST(SortKeys, BuildsEachColumnsKeyFromItsFields) {
    HaikuRecord r{};
    Put(r.reading1, "はるやこし");
    Put(r.reading2, "としやゆきけん");
    Put(r.reading3, "こつごもり");
    Put(r.season, "冬");
    Put(r.seasonWord, "小晦日");
    Put(r.source, "千宜理記");
    Put(r.creatures, "雨・梅");
    r.creatureClass = 6;
    r.year = 1662;
    EXPECT_STREQ(MakeSortKey(r, 34, 0).text, "00340034");
    EXPECT_STREQ(MakeSortKey(r, 34, 1).text, "はるやこしと0034");
    EXPECT_STREQ(MakeSortKey(r, 34, 4).text, "冬小晦日0034");
    EXPECT_STREQ(MakeSortKey(r, 34, 8).text, "06雨・梅0034");
    EXPECT_STREQ(MakeSortKey(r, 34, 7).text, "16620");
    r.yearFrom = 1661;
    EXPECT_STREQ(MakeSortKey(r, 34, 7).text, "16621");
}

TEST(SortKeys, CutsTextsByBytesAndNeverExceeds29Bytes) {
    HaikuRecord r{};
    // 14 double-byte characters: the 22-byte cut keeps 11, the 24-byte cut 12.
    Put(r.reading1, "あいうえおかきくけこさしすせ");
    Put(r.reading2, "xyz");
    Put(r.seasonWord, "aあいうえおかきくけこさしすせ");  // the cut splits a character
    EXPECT_STREQ(MakeSortKey(r, 7, 1).text, "あいうえおかきくけこさxy0007");
    EXPECT_STREQ(MakeSortKey(r, 7, 5).text, "aあいうえおかきくけこさ\x82" "0007");
    for (int c = 0; c < 9; ++c) EXPECT_LE(std::strlen(MakeSortKey(r, 1599, c).text), 29u);
}

TEST(SortKeys, EmptyTextsGetTheLastCharacterOfTheSet) {
    HaikuRecord r{};
    r.creatureClass = 99;
    for (int c : {1, 2, 3, 4, 5, 6}) EXPECT_STREQ(MakeSortKey(r, 12, c).text, "\xFC\x4B\xFC\x4B" "0012");
    // Column 8 always has its class digits, so no placeholder there.
    EXPECT_STREQ(MakeSortKey(r, 12, 8).text, "990012");
    // A season alone is enough text for column 4.
    Put(r.season, "春");
    EXPECT_STREQ(MakeSortKey(r, 12, 4).text, "春0012");
}

TEST(SortKeys, ComparisonFoldsCapitalsEvenAsTrailBytesAndIsUnsigned) {
    EXPECT_EQ(CompareSortKeys(Key("ABC"), Key("abc")), 0);
    EXPECT_LT(CompareSortKeys(Key("abc"), Key("ABD")), 0);
    // 0x5B..0x60 lie between the capitals and the small letters: folding
    // puts "_" before "A".
    EXPECT_LT(CompareSortKeys(Key("_"), Key("A")), 0);
    // "ア" is 83 41: its trail byte is folded and meets "ヂ" (83 61).
    EXPECT_EQ(CompareSortKeys(Key("ア"), Key("ヂ")), 0);
    EXPECT_LT(CompareSortKeys(Key("z"), Key("\xFC\x4B")), 0);
    EXPECT_LT(CompareSortKeys(Key("ab"), Key("abc")), 0);
    EXPECT_GT(CompareSortKeys(Key("\x81\x40"), Key("\x7F")), 0);
}

TEST(Quicksort, PlacesEqualKeysAsThePartitionLeavesThem) {
    // Traced by hand: the first partition swaps the ends, so slot 3 comes
    // before slot 1; sorting again moves equal keys once more.
    std::vector<SortKey> keys = {Key("B"), Key("A"), Key("B"), Key("A")};
    int order[4] = {0, 1, 2, 3};
    QuickSortKeys(keys.data(), order, 0, 3);
    EXPECT_EQ(std::vector<int>(order, order + 4), (std::vector<int>{3, 1, 0, 2}));
    QuickSortKeys(keys.data(), order, 0, 3);
    EXPECT_EQ(std::vector<int>(order, order + 4), (std::vector<int>{1, 3, 2, 0}));
}

TEST(Quicksort, SortsManyDuplicatesAndKeepsAPermutation) {
    std::mt19937 rng(7);
    for (int n : {1, 2, 3, 17, 1600}) {
        std::vector<SortKey> keys(n);
        std::vector<int> order(n);
        std::iota(order.begin(), order.end(), 0);
        std::vector<std::string> byRow(n);
        for (int i = 0; i < n; ++i) {
            byRow[i] = std::string(1, "aAbBc"[rng() % 5]) + std::string(1, "xy"[rng() % 2]);
            keys[i] = Key(byRow[i]);
        }
        QuickSortKeys(keys.data(), order.data(), 0, n - 1);
        for (int i = 0; i + 1 < n; ++i) ASSERT_LE(CompareSortKeys(keys[i], keys[i + 1]), 0);
        // Each key still travels with its row.
        for (int i = 0; i < n; ++i) ASSERT_EQ(Folded(keys[i].text), Folded(byRow[order[i]]));
        std::vector<int> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < n; ++i) ASSERT_EQ(sorted[i], i);
    }
}

TEST_F(ListSort, EveryColumnOfAllRegisteredHaikuMatchesTheReference) {
    CHaikuList list;
    ASSERT_EQ(list.Load(haiku::GetOrderLabel(0)), 0);
    ASSERT_EQ(list.GetRowCount(), 1017);
    // Sort by a column that mixes the rows first, so every sort below starts
    // from a different row order.
    for (int column : {5, 1, 2, 3, 4, 6, 8, 0, 7, 7}) {
        list.Sort(column);
        const int n = list.GetRowCount();
        std::vector<int> shown(n);
        for (int r = 0; r < n; ++r) shown[r] = list.GetSlot(r);
        if (column == 7) {
            for (int r = 0; r + 1 < n; ++r) {
                const HaikuRecord a = list.GetTable().GetRecord(shown[r]);
                const HaikuRecord b = list.GetTable().GetRecord(shown[r + 1]);
                ASSERT_LE(Folded(ReferenceKey(a, shown[r], 7)), Folded(ReferenceKey(b, shown[r + 1], 7)))
                    << "row " << r;
            }
            std::vector<int> sorted = shown;
            std::sort(sorted.begin(), sorted.end());
            for (int r = 0; r < n; ++r) ASSERT_EQ(sorted[r], r);
            continue;
        }
        std::vector<std::pair<std::basic_string<unsigned char>, int>> ref;
        for (int s = 0; s < n; ++s)
            ref.emplace_back(Folded(ReferenceKey(list.GetTable().GetRecord(s), s, column)), s);
        std::stable_sort(ref.begin(), ref.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (int r = 0; r + 1 < n; ++r) ASSERT_NE(ref[r].first, ref[r + 1].first) << "keys unique";
        for (int r = 0; r < n; ++r) ASSERT_EQ(shown[r], ref[r].second) << "column " << column << " row " << r;
    }
}

TEST_F(ListSort, NotesFileMissingSortsEveryTextColumnBySlot) {
    hallfixture::DataDir empty;  // no kirono.txt; the reader reports it
    CHaikuList list;
    ASSERT_EQ(list.Load(haiku::GetOrderLabel(3)), 3);
    list.Sort(8);
    list.Sort(2);
    for (int r = 0; r < list.GetRowCount(); ++r) ASSERT_EQ(list.GetSlot(r), r);
    EXPECT_EQ(list.GetCellText(0, 4), "");
    CSettingsStore::Instance().Init(dir_->Path(), "kirokan");  // back to the suite's notes
}
