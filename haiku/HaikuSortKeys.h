#pragma once
// Sort keys of the haiku list's columns and the sort that orders them.
//
// A key is at most 29 bytes of Shift-JIS. Each text column's key ends in the
// slot number written as "%04d", so keys of different rows never compare
// equal except in the year column. A key made of the slot number alone (the
// row's text was empty) becomes FC 4B FC 4B followed by the slot number, the
// last character of the character set, so such rows sort after all others.
#include <cstddef>

struct HaikuRecord;

namespace haiku {

constexpr int kSortKeyBytes = 29;
constexpr int kColumnCount = 9;

struct SortKey {
    char text[kSortKeyBytes + 1];
};

// The key of the record in slot `slot` for list column 0..8 (an empty key
// for any other column).
SortKey MakeSortKey(const HaikuRecord& record, int slot, int column);

// Byte-wise comparison, bytes unsigned, 0x41..0x5A taken as 0x20 higher
// wherever they stand; a key that ends first is smaller. <0, 0 or >0.
int CompareSortKeys(const SortKey& a, const SortKey& b);

// Sorts keys[lo..hi] ascending and permutes rowOrder[lo..hi] alongside:
// quicksort with the middle key as pivot (copied), recursion on the smaller
// part and iteration on the larger.
void QuickSortKeys(SortKey* keys, int* rowOrder, int lo, int hi);

}  // namespace haiku
