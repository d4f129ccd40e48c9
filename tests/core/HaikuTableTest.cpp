#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "HaikuRegisterPath.h"
#include "haiku/HaikuOrders.h"
#include "haiku/HaikuRow.h"
#include "haiku/HaikuTable.h"
#include "platform/Codec.h"
#include "platform/ShiftJis.h"

namespace {

constexpr int kSlots = CHaikuTable::kSlotCount;

// A table is large; the tests keep theirs on the heap.
std::unique_ptr<CHaikuTable> NewTable() { return std::make_unique<CHaikuTable>(); }

// The number field of each order.
int NumberIn(const HaikuRow& r, int order) {
    const int numbers[haiku::kOrderCount] = {r.regNo, r.completeNo, r.collectionNo, r.dailyNo,
                                             r.chronicleNo};
    return numbers[order];
}

bool SameRecord(const HaikuRecord& a, const HaikuRecord& b) {
    auto same = [](const char* x, const char* y, std::size_t n) {
        return std::strncmp(x, y, n) == 0;
    };
    return same(a.phrase1, b.phrase1, 30) && same(a.phrase2, b.phrase2, 30) &&
           same(a.phrase3, b.phrase3, 30) && a.year == b.year && a.yearFrom == b.yearFrom &&
           a.month == b.month && a.day == b.day && a.regNo == b.regNo &&
           a.chronicleNo == b.chronicleNo && a.completeNo == b.completeNo &&
           a.collectionNo == b.collectionNo && a.dailyNo == b.dailyNo &&
           a.reserved1 == b.reserved1 && a.reserved2 == b.reserved2 &&
           same(a.season, b.season, 6) && same(a.seasonWord, b.seasonWord, 30) &&
           same(a.source, b.source, 80) && same(a.reading1, b.reading1, 30) &&
           same(a.reading2, b.reading2, 30) && same(a.reading3, b.reading3, 30) &&
           a.creatureClass == b.creatureClass && same(a.creatures, b.creatures, 32);
}

std::vector<HaikuRecord> Snapshot(const CHaikuTable& t) {
    std::vector<HaikuRecord> records;
    for (int i = 0; i < kSlots; ++i) records.push_back(t.GetRecord(i));
    return records;
}

void ExpectUnchanged(const std::vector<HaikuRecord>& before, const CHaikuTable& t) {
    for (int i = 0; i < kSlots; ++i)
        ASSERT_TRUE(SameRecord(before[i], t.GetRecord(i))) << "slot " << i;
}

template <std::size_t N>
void Fill(char (&field)[N], const std::string& value) {
    std::memset(field, 0, N);
    std::memcpy(field, value.data(), std::min(N, value.size()));
}

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> parts(1);
    for (char c : s) {
        if (c == sep)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// ---------------------------------------------------------------------------
// Placing rows

TEST(HaikuTable, FreshTableHasNoHaikuAndGuardsItsSlots) {
    auto t = NewTable();
    for (int i = 0; i < kSlots; ++i) ASSERT_EQ(t->GetRegNo(i), 0) << i;
    t->Build(0);
    for (int slot : {-1, kSlots, kSlots + 100}) {
        EXPECT_EQ(t->GetRegNo(slot), 0);
        const HaikuRecord r = t->GetRecord(slot);
        EXPECT_EQ(r.regNo, 0);
        EXPECT_EQ(r.year, 0);
        EXPECT_STREQ(r.phrase1, "");
    }
    // A number beyond the slots, or negative, places nothing.
    const auto before = Snapshot(*t);
    t->AddRow(kSlots + 1, 0, 0, 0, 0, "x", "y", "z", 1690, 0, 99, 99, 99, "", 0, 0);
    t->AddRow(-5, 0, 0, 0, 0, "x", "y", "z", 1690, 0, 99, 99, 99, "", 0, 0);
    HaikuNotes notes{};
    Fill(notes.season, "春");
    t->SetNotes(notes, -1);
    t->SetNotes(notes, kSlots);
    ExpectUnchanged(before, *t);
}

TEST(HaikuTable, OrderZeroKeepsTheLastRowOfEachNumber) {
    auto t = NewTable();
    t->Build(0);
    const HaikuRecord two = t->GetRecord(1);
    EXPECT_EQ(two.regNo, 2);
    EXPECT_EQ(two.year, 1664);
    EXPECT_EQ(two.month, 9);
    EXPECT_EQ(two.chronicleNo, 3);
    EXPECT_EQ(two.completeNo, 0);

    std::map<int, int> lastRow;
    for (int i = 0; i < kHaikuRowCount; ++i) lastRow[kHaikuRows[i].regNo] = i;
    for (const auto& [regNo, row] : lastRow) {
        const HaikuRecord r = t->GetRecord(regNo - 1);
        ASSERT_EQ(r.regNo, regNo);
        EXPECT_EQ(r.year, kHaikuRows[row].year) << regNo;
        EXPECT_EQ(r.chronicleNo, kHaikuRows[row].chronicleNo) << regNo;
        EXPECT_EQ(r.dailyNo, kHaikuRows[row].dailyNo) << regNo;
    }
}

TEST(HaikuTable, DailyOrderFillsEveryDayOfTheYear) {
    auto t = NewTable();
    t->Build(3);
    EXPECT_EQ(t->GetOrder(), 3);
    for (int i = 0; i < 365; ++i) {
        ASSERT_NE(t->GetRegNo(i), 0) << i;
        EXPECT_EQ(t->GetRecord(i).dailyNo, i + 1);
    }
    for (int i = 365; i < kSlots; ++i) ASSERT_EQ(t->GetRegNo(i), 0) << i;
    EXPECT_EQ(t->GetRegNo(34), 1);
    EXPECT_EQ(t->GetRegNo(258), 2);
}

TEST(HaikuTable, BuildLeavesSlotsBeyondTheNewOrder) {
    auto t = NewTable();
    t->Build(0);
    const auto order0 = Snapshot(*t);
    t->Build(1);
    EXPECT_EQ(t->GetOrder(), 1);
    for (int i = 983; i < 1017; ++i) ASSERT_TRUE(SameRecord(order0[i], t->GetRecord(i))) << i;
    for (int i = 0; i < 983; ++i) ASSERT_EQ(t->GetRecord(i).completeNo, i + 1) << i;
    EXPECT_EQ(t->GetRecord(982).completeNo, 983);
}

TEST(HaikuTable, AddRowWithoutANumberInTheOrderChangesNothing) {
    auto t = NewTable();
    for (int order = 0; order < haiku::kOrderCount; ++order) {
        t->Build(order);
        const auto before = Snapshot(*t);
        int n[haiku::kOrderCount] = {5, 5, 5, 5, 5};  // regNo, compl., coll., daily, chron.
        n[order] = 0;
        t->AddRow(n[0], n[4], n[1], n[2], n[3], "x", "y", "z", 1690, 0, 1, 1, 6, "雨", 0, 0);
        ExpectUnchanged(before, *t);
    }
}

TEST(HaikuTable, AddRowOverwritesTheRowFieldsAndKeepsTheNotes) {
    auto t = NewTable();
    t->Build(2);
    HaikuNotes notes{};
    Fill(notes.seasonWord, "五月雨");
    Fill(notes.reading1, "さみだれを");
    t->SetNotes(notes, 11);
    t->AddRow(7, 0, 0, 12, 0, "五月雨を", "集めて早し", "最上川", 1689, 1684, 5, 29, 6, "雨",
              0, 0);
    const HaikuRecord r = t->GetRecord(11);
    EXPECT_EQ(r.regNo, 7);
    EXPECT_EQ(r.completeNo, 0);
    EXPECT_STREQ(r.phrase2, "集めて早し");
    EXPECT_EQ(r.yearFrom, 1684);
    EXPECT_STREQ(r.creatures, "雨");
    EXPECT_STREQ(r.seasonWord, "五月雨");
    EXPECT_STREQ(r.reading1, "さみだれを");

    // A rebuild rewrites the row fields but still leaves the notes.
    t->Build(2);
    EXPECT_STREQ(t->GetRecord(11).seasonWord, "五月雨");
    EXPECT_NE(t->GetRecord(11).regNo, 7);
}

TEST(HaikuTable, AddRowCutsAnOverlongTextAtACharacterBoundary) {
    auto t = NewTable();
    const std::string fifteen = "表表表表表表表表表表表表表表表";  // 30 bytes, trail bytes 5C
    t->AddRow(1, 0, 0, 0, 0, fifteen.c_str(), ("a" + fifteen).c_str(), "", 1690, 0, 99, 99, 99,
              "", 0, 0);
    const HaikuRecord r = t->GetRecord(0);
    EXPECT_EQ(std::string(r.phrase1), fifteen.substr(0, 28));
    EXPECT_EQ(std::string(r.phrase2), "a" + fifteen.substr(0, 28));
    EXPECT_TRUE(platform::IsValidCp932(r.phrase1));
}

TEST(HaikuTable, AgeCountsOneInTheYearOfBirth) {
    auto t = NewTable();
    EXPECT_EQ(t->AgeInYear(1694), 51);
    EXPECT_EQ(t->AgeInYear(1662), 19);
    EXPECT_EQ(t->AgeInYear(1644), 1);
}

// ---------------------------------------------------------------------------
// Copying notes

TEST(HaikuTable, SetNotesCutsEachValueToItsFieldWithoutSplittingACharacter) {
    auto t = NewTable();
    t->Build(0);
    const HaikuRecord before = t->GetRecord(5);

    HaikuNotes notes{};
    // 40 bytes: a, nineteen double-byte characters, b.
    const std::string word40 = "a" + std::string("表示季語春夏秋冬雪月花鳥風月山川草木林") + "b";
    ASSERT_EQ(word40.size(), 40u);
    Fill(notes.seasonWord, word40);
    Fill(notes.season, "新年春");                       // 6 bytes: no room for the terminator
    Fill(notes.reading1, "ふるいけや");                 // fits
    Fill(notes.reading2, std::string(20, 'x') + "かわずとびこむ");  // 34 bytes
    Fill(notes.source, "『おくのほそ道』");
    t->SetNotes(notes, 5);

    const HaikuRecord r = t->GetRecord(5);
    EXPECT_EQ(std::string(r.seasonWord), word40.substr(0, 29));
    EXPECT_EQ(std::string(r.season), "新年");
    EXPECT_STREQ(r.reading1, "ふるいけや");
    EXPECT_EQ(std::string(r.reading2), std::string(20, 'x') + "かわずと");  // 28 bytes, not 29
    EXPECT_STREQ(r.source, "『おくのほそ道』");
    // The row fields stay as they were.
    EXPECT_EQ(r.regNo, before.regNo);
    EXPECT_STREQ(r.phrase1, before.phrase1);

    // Twenty double-byte characters: 28 bytes fit before the terminator.
    Fill(notes.seasonWord, "表表表表表表表表表表表表表表表表表表表表");
    t->SetNotes(notes, 5);
    const HaikuRecord r2 = t->GetRecord(5);
    EXPECT_EQ(std::strlen(r2.seasonWord), 28u);
    EXPECT_TRUE(platform::IsValidCp932(r2.seasonWord));
}

// ---------------------------------------------------------------------------
// The compiled rows

TEST(CompiledRows, EveryOrderNumbersItsHaikuOneToCount) {
    for (int order = 0; order < haiku::kOrderCount; ++order) {
        const int count = haiku::GetOrderCount(order);
        std::map<int, int> rowsPerNumber;
        for (int i = 0; i < kHaikuRowCount; ++i)
            if (const int n = NumberIn(kHaikuRows[i], order)) ++rowsPerNumber[n];
        ASSERT_EQ(static_cast<int>(rowsPerNumber.size()), count) << "order " << order;
        EXPECT_EQ(rowsPerNumber.begin()->first, 1) << "order " << order;
        EXPECT_EQ(rowsPerNumber.rbegin()->first, count) << "order " << order;
        if (order != 0) {
            for (const auto& [n, rows] : rowsPerNumber)
                EXPECT_EQ(rows, 1) << "order " << order << " number " << n;
        }

        auto t = NewTable();
        t->Build(order);
        for (int slot = 0; slot < kSlots; ++slot) {
            const HaikuRecord r = t->GetRecord(slot);
            if (slot >= count) {
                ASSERT_EQ(r.regNo, 0) << "order " << order << " slot " << slot;
                continue;
            }
            ASSERT_NE(r.regNo, 0) << "order " << order << " slot " << slot;
            EXPECT_GE(r.year, 1662);
            EXPECT_LE(r.year, 1694);
            EXPECT_TRUE(r.yearFrom == 0 || r.yearFrom < r.year) << r.regNo;
            EXPECT_EQ(r.creatureClass == 99, r.creatures[0] == '\0') << r.regNo;
        }
    }
}

TEST(CompiledRows, EveryRowIsWellFormed) {
    std::map<std::string, int> classOfFirstItem;
    for (int i = 0; i < kHaikuRowCount; ++i) {
        const HaikuRow& r = kHaikuRows[i];
        SCOPED_TRACE("row " + std::to_string(i) + ", number " + std::to_string(r.regNo));
        EXPECT_EQ(r.reserved1 | r.reserved2, 0);
        for (const char* p : {r.phrase1, r.phrase2, r.phrase3}) {
            EXPECT_GT(std::strlen(p), 0u);
            EXPECT_LE(std::strlen(p), 16u);
            EXPECT_TRUE(platform::IsValidCp932(p));
        }
        const std::string creatures = r.creatures;
        EXPECT_LE(creatures.size(), 20u);
        EXPECT_TRUE(platform::IsValidCp932(creatures));
        if (creatures.empty()) continue;
        EXPECT_GE(r.creatureClass, 1);
        EXPECT_LE(r.creatureClass, 12);
        // Items are joined by the middle dot; split on whole characters only.
        std::vector<std::string> items(1);
        for (std::size_t k = 0; k < creatures.size();) {
            const auto lead = static_cast<unsigned char>(creatures[k]);
            const std::string ch = creatures.substr(k, platform::IsLeadByte(lead) ? 2 : 1);
            if (ch == "・")
                items.emplace_back();
            else
                items.back() += ch;
            k += ch.size();
        }
        EXPECT_LE(items.size(), 4u);
        for (const auto& item : items) EXPECT_FALSE(item.empty());
        // The class groups the first item: one item, one class.
        const auto [it, added] = classOfFirstItem.emplace(items.front(), r.creatureClass);
        if (!added) {
            EXPECT_EQ(it->second, r.creatureClass) << "first item " << items.front();
        }
    }
}

TEST(CompiledRows, RowsOfOneHaikuStandTogetherAndTheLastIsNumber1017) {
    std::set<int> closed;
    for (int i = 0; i < kHaikuRowCount; ++i) {
        const int regNo = kHaikuRows[i].regNo;
        if (i > 0 && kHaikuRows[i - 1].regNo != regNo) closed.insert(kHaikuRows[i - 1].regNo);
        ASSERT_FALSE(closed.count(regNo)) << "number " << regNo << " apart at row " << i;
    }
    const HaikuRow& last = kHaikuRows[kHaikuRowCount - 1];
    EXPECT_EQ(last.regNo, 1017);
    EXPECT_STREQ(last.phrase1, "人声や");
    EXPECT_EQ(last.chronicleNo, 918);
    EXPECT_EQ(last.completeNo + last.collectionNo + last.dailyNo, 0);
    EXPECT_EQ(last.year, 1694);
    EXPECT_EQ(last.month, 9);
}

TEST(CompiledRows, MatchTheRegisterFile) {
    std::ifstream in(KIROKAN_HAIKU_REGISTER_TSV, std::ios::binary);
    ASSERT_TRUE(in) << KIROKAN_HAIKU_REGISTER_TSV;
    std::string line;
    std::getline(in, line);  // header
    int i = 0;
    while (std::getline(in, line)) {
        ASSERT_LT(i, kHaikuRowCount);
        const auto f = Split(platform::Utf8ToCp932(line), '\t');
        ASSERT_EQ(f.size(), 15u) << "line " << i + 2;
        const HaikuRow& r = kHaikuRows[i];
        const int numbers[] = {r.regNo, r.chronicleNo, r.completeNo, r.collectionNo, r.dailyNo};
        for (int k = 0; k < 5; ++k) EXPECT_EQ(std::stoi(f[k]), numbers[k]) << "line " << i + 2;
        EXPECT_EQ(f[5], r.phrase1);
        EXPECT_EQ(f[6], r.phrase2);
        EXPECT_EQ(f[7], r.phrase3);
        const int dating[] = {r.year, r.yearFrom, r.month, r.day, r.creatureClass};
        for (int k = 0; k < 5; ++k) EXPECT_EQ(std::stoi(f[8 + k]), dating[k]) << "line " << i + 2;
        EXPECT_EQ(f[13], r.creatures);
        ++i;
    }
    EXPECT_EQ(i, kHaikuRowCount);
}

}  // namespace
