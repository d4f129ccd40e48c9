#include "haiku/HaikuSortKeys.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "haiku/HaikuRecord.h"

namespace haiku {
namespace {

class KeyBuilder {
public:
    explicit KeyBuilder(SortKey& key) : m_key(key) { m_key.text[0] = '\0'; }

    // Appends at most `cut` bytes of a fixed field (which may fill its width
    // without a terminator).
    template <std::size_t N>
    void Field(const char (&field)[N], std::size_t cut) {
        Bytes(field, std::min(strnlen(field, N), cut));
    }

    void Bytes(const char* src, std::size_t n) {
        n = std::min(n, static_cast<std::size_t>(kSortKeyBytes) - m_length);
        std::memcpy(m_key.text + m_length, src, n);
        m_length += n;
        m_key.text[m_length] = '\0';
    }

    void Text(const char* text) { Bytes(text, std::strlen(text)); }

private:
    SortKey& m_key;
    std::size_t m_length = 0;
};

inline unsigned Fold(unsigned char c) { return c >= 0x41 && c <= 0x5A ? c + 0x20u : c; }

}  // namespace

SortKey MakeSortKey(const HaikuRecord& r, int slot, int column) {
    SortKey key;
    KeyBuilder k(key);
    char s[16];
    std::snprintf(s, sizeof s, "%04d", slot);
    char number[24];
    switch (column) {
    case 0:
        k.Text(s);
        break;
    case 1:
        k.Field(r.reading1, 22);
        k.Field(r.reading2, 2);
        break;
    case 2:
        k.Field(r.reading2, 24);
        break;
    case 3:
        k.Field(r.reading3, 24);
        break;
    case 4:
        k.Field(r.season, 6);
        k.Field(r.seasonWord, 10);
        break;
    case 5:
        k.Field(r.seasonWord, 24);
        break;
    case 6:
        k.Field(r.source, 24);
        break;
    case 7:
        std::snprintf(number, sizeof number, "%d", r.year * 10 + (r.yearFrom != 0 ? 1 : 0));
        k.Text(number);
        return key;  // the year column carries no slot number
    case 8:
        std::snprintf(number, sizeof number, "%02d", r.creatureClass);
        k.Text(number);
        k.Field(r.creatures, 22);
        break;
    default:
        return key;
    }
    k.Text(s);
    if (std::strcmp(key.text, s) == 0) {
        KeyBuilder last(key);
        last.Text("\xFC\x4B\xFC\x4B");
        last.Text(s);
    }
    return key;
}

int CompareSortKeys(const SortKey& a, const SortKey& b) {
    for (int i = 0;; ++i) {
        const unsigned ca = Fold(static_cast<unsigned char>(a.text[i]));
        const unsigned cb = Fold(static_cast<unsigned char>(b.text[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}

void QuickSortKeys(SortKey* keys, int* rowOrder, int lo, int hi) {
    while (lo < hi) {
        const SortKey pivot = keys[(lo + hi) / 2];
        int i = lo;
        int j = hi;
        do {
            while (CompareSortKeys(keys[i], pivot) < 0) ++i;
            while (CompareSortKeys(keys[j], pivot) > 0) --j;
            if (i <= j) {
                std::swap(keys[i], keys[j]);
                std::swap(rowOrder[i], rowOrder[j]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - lo < hi - i) {
            if (lo < j) QuickSortKeys(keys, rowOrder, lo, j);
            lo = i;
        } else {
            if (i < hi) QuickSortKeys(keys, rowOrder, i, hi);
            hi = j;
        }
    }
}

}  // namespace haiku
