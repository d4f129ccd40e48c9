#include "text/SearchText.h"

#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <memory>

#include "platform/Codec.h"
#include "platform/ShiftJis.h"

namespace text {
namespace {

using Units = std::u16string;
using Offsets = std::vector<std::uint32_t>;

// Folded units with the byte range each came from.
struct MappedUnits {
    Units units;
    Offsets begin;
    Offsets end;

    void Push(char16_t u, std::uint32_t b, std::uint32_t e) {
        units.push_back(u);
        begin.push_back(b);
        end.push_back(e);
    }
};

const icu::Normalizer2* Nfkc() {
    static const icu::Normalizer2* normalizer = [] {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Normalizer2* n = icu::Normalizer2::getNFKCCasefoldInstance(status);
        return U_SUCCESS(status) ? n : nullptr;
    }();
    return normalizer;
}

// Made once: making it reads and compiles its rules.
icu::Transliterator* KanaFolder() {
    static const std::unique_ptr<icu::Transliterator> transliterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(
            icu::Transliterator::createInstance("Katakana-Hiragana", UTRANS_FORWARD, status));
        if (U_FAILURE(status)) t.reset();
        return t;
    }();
    return transliterator.get();
}

// Katakana, the iteration marks and the combining voicing marks that may
// follow them. The prolonged sound mark stays out: the transliterator would
// spell it as the vowel before it, and "でーた" could not find "データ".
bool IsKatakanaUnit(char16_t u) {
    if (u == 0x30FC) return false;
    return (u >= 0x30A1 && u <= 0x30FF) || (u >= 0x31F0 && u <= 0x31FF) || u == 0x3099 || u == 0x309A;
}

// White space, without a property lookup for the common characters.
bool IsWhiteSpace(char16_t u) {
    if (u < 0x80) return u == ' ' || (u >= '\t' && u <= '\r');
    if (u > 0x3000) return false;
    return u_isUWhiteSpace(u);
}

// The Unicode of a text, one code point per Shift-JIS character, each with
// the bytes of its character. A lead byte and the byte after it are one
// character; a lead byte at the very end is a character of its own.
void Decode(std::string_view cp932, MappedUnits* out) {
    out->units.clear();
    out->begin.clear();
    out->end.clear();
    std::vector<std::uint32_t> starts;
    starts.reserve(cp932.size() + 1);
    for (std::size_t i = 0; i < cp932.size();) {
        starts.push_back(static_cast<std::uint32_t>(i));
        i += platform::IsLeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size() ? 2 : 1;
    }
    starts.push_back(static_cast<std::uint32_t>(cp932.size()));
    const std::size_t chars = starts.size() - 1;

    auto pushCodePoint = [out](UChar32 c, std::uint32_t b, std::uint32_t e) {
        if (U_IS_BMP(c)) {
            out->Push(static_cast<char16_t>(c), b, e);
        } else {
            out->Push(static_cast<char16_t>(U16_LEAD(c)), b, e);
            out->Push(static_cast<char16_t>(U16_TRAIL(c)), b, e);
        }
    };

    // The whole text converts at once when it gives one code point per
    // character (every well-formed text does: a malformed character gives
    // more); otherwise each character is converted by itself.
    const icu::UnicodeString whole = icu::UnicodeString::fromUTF8(platform::Cp932ToUtf8(cp932));
    const UChar* units = whole.getBuffer();
    const int32_t length = whole.length();
    if (whole.countChar32() == static_cast<int32_t>(chars)) {
        int32_t at = 0;
        for (std::size_t k = 0; k < chars; ++k) {
            UChar32 c;
            U16_NEXT(units, at, length, c);
            pushCodePoint(c, starts[k], starts[k + 1]);
        }
        return;
    }
    for (std::size_t k = 0; k < chars; ++k) {
        const icu::UnicodeString one = icu::UnicodeString::fromUTF8(
            platform::Cp932ToUtf8(cp932.substr(starts[k], starts[k + 1] - starts[k])));
        for (int32_t at = 0; at < one.length();) {
            const UChar32 c = one.char32At(at);
            at += U16_LENGTH(c);
            pushCodePoint(c, starts[k], starts[k + 1]);
        }
    }
}

// NFKC with case folding, white space dropped, appended to out. Stretches
// that are already normal are copied; the rest is normalised piece by piece
// between normalisation boundaries, each piece's units taking the bytes of
// all its characters.
void Normalise(const MappedUnits& in, MappedUnits* out) {
    auto push = [out](char16_t u, std::uint32_t b, std::uint32_t e) {
        if (!IsWhiteSpace(u)) out->Push(u, b, e);
    };
    const icu::Normalizer2* nfkc = Nfkc();
    const auto n = static_cast<int32_t>(in.units.size());
    const auto* units = reinterpret_cast<const UChar*>(in.units.data());
    if (!nfkc) {
        for (int32_t i = 0; i < n; ++i) push(in.units[i], in.begin[i], in.end[i]);
        return;
    }
    int32_t pos = 0;
    while (pos < n) {
        UErrorCode status = U_ZERO_ERROR;
        const icu::UnicodeString rest(false, units + pos, n - pos);
        int32_t yes = nfkc->spanQuickCheckYes(rest, status);
        if (U_FAILURE(status)) yes = 0;
        for (int32_t i = pos; i < pos + yes; ++i) push(in.units[i], in.begin[i], in.end[i]);
        pos += yes;
        if (pos >= n) break;
        int32_t end = pos;
        UChar32 c;
        U16_NEXT(units, end, n, c);
        while (end < n) {
            int32_t next = end;
            U16_NEXT(units, next, n, c);
            if (nfkc->hasBoundaryBefore(c)) break;
            end = next;
        }
        const icu::UnicodeString piece(false, units + pos, end - pos);
        status = U_ZERO_ERROR;
        const icu::UnicodeString normal = nfkc->normalize(piece, status);
        const std::uint32_t b = *std::min_element(in.begin.begin() + pos, in.begin.begin() + end);
        const std::uint32_t e = *std::max_element(in.end.begin() + pos, in.end.begin() + end);
        if (U_FAILURE(status)) {
            for (int32_t i = pos; i < end; ++i) push(in.units[i], b, e);
        } else {
            for (int32_t i = 0; i < normal.length(); ++i) push(normal.charAt(i), b, e);
        }
        pos = end;
    }
}

}  // namespace

int CSearchText::Add(std::string_view cp932) {
    // The folded units go straight behind the texts before.
    static thread_local MappedUnits decoded;
    Decode(cp932, &decoded);
    MappedUnits folded;
    folded.units.swap(m_folded);
    folded.begin.swap(m_byteBegin);
    folded.end.swap(m_byteEnd);
    const int number = Count();
    m_begins.push_back(folded.units.size());
    Normalise(decoded, &folded);
    const auto size = static_cast<std::uint32_t>(cp932.size());
    folded.Push(kSeparator, size, size);
    folded.units.swap(m_folded);
    folded.begin.swap(m_byteBegin);
    folded.end.swap(m_byteEnd);
    m_sources.emplace_back(cp932);
    return number;
}

void CSearchText::Reserve(std::size_t bytes, std::size_t texts) {
    // A text folds to at most a unit per byte and its separator (but for
    // the rare characters that normalise to several).
    const std::size_t units = m_folded.size() + bytes + texts;
    m_folded.reserve(units);
    m_byteBegin.reserve(units);
    m_byteEnd.reserve(units);
    m_sources.reserve(m_sources.size() + texts);
    m_begins.reserve(m_begins.size() + texts);
}

void CSearchText::Finish() {
    const std::size_t from = m_unfinished;
    const std::size_t size = m_folded.size();
    m_unfinished = size;
    icu::Transliterator* kana = KanaFolder();
    if (!kana || from >= size) return;

    // The katakana runs of the new texts, one after another, a separator
    // after each: one pass of the transliterator folds them all.
    struct Run {
        std::size_t begin, end;
    };
    std::vector<Run> runs;
    icu::UnicodeString joined;
    for (std::size_t i = from; i < size;) {
        if (!IsKatakanaUnit(m_folded[i])) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < size && IsKatakanaUnit(m_folded[j])) ++j;
        joined.append(reinterpret_cast<const UChar*>(m_folded.data() + i), static_cast<int32_t>(j - i));
        joined.append(static_cast<UChar>(kSeparator));
        runs.push_back({i, j});
        i = j;
    }
    if (runs.empty()) return;
    kana->transliterate(joined);

    // The new texts again, each run replaced by its folded form. A run that
    // kept its length keeps each unit's bytes; one that did not (a rare
    // sign folds to two) takes the bytes of the whole run for every unit.
    MappedUnits merged;
    merged.units.reserve(size - from);
    merged.begin.reserve(size - from);
    merged.end.reserve(size - from);
    std::size_t at = from;
    int32_t k = 0;  // in joined
    for (const Run& run : runs) {
        for (; at < run.begin; ++at) merged.Push(m_folded[at], m_byteBegin[at], m_byteEnd[at]);
        const int32_t stop = k >= 0 ? joined.indexOf(static_cast<UChar>(kSeparator), k) : -1;
        const auto length = static_cast<std::size_t>(stop - k);
        if (stop < 0) {
            // (The separators always come through; should one not, the
            // runs from here on stay as they were.)
            for (; at < run.end; ++at) merged.Push(m_folded[at], m_byteBegin[at], m_byteEnd[at]);
            k = -1;
            continue;
        }
        if (length == run.end - run.begin) {
            for (std::size_t u = 0; u < length; ++u, ++at)
                merged.Push(joined.charAt(k + static_cast<int32_t>(u)), m_byteBegin[at], m_byteEnd[at]);
        } else {
            const std::uint32_t b = *std::min_element(m_byteBegin.begin() + static_cast<std::ptrdiff_t>(run.begin),
                                                      m_byteBegin.begin() + static_cast<std::ptrdiff_t>(run.end));
            const std::uint32_t e = *std::max_element(m_byteEnd.begin() + static_cast<std::ptrdiff_t>(run.begin),
                                                      m_byteEnd.begin() + static_cast<std::ptrdiff_t>(run.end));
            for (std::size_t u = 0; u < length; ++u) merged.Push(joined.charAt(k + static_cast<int32_t>(u)), b, e);
            at = run.end;
        }
        k = stop + 1;
    }
    for (; at < size; ++at) merged.Push(m_folded[at], m_byteBegin[at], m_byteEnd[at]);

    m_folded.replace(from, size - from, merged.units);
    m_byteBegin.resize(from);
    m_byteBegin.insert(m_byteBegin.end(), merged.begin.begin(), merged.begin.end());
    m_byteEnd.resize(from);
    m_byteEnd.insert(m_byteEnd.end(), merged.end.begin(), merged.end.end());
    m_unfinished = m_folded.size();

    // The texts after `from` may have moved: each begins after a separator.
    std::size_t pos = from;  // the start of the first new text
    std::size_t text = static_cast<std::size_t>(TextAt(from));
    for (; text < m_begins.size(); ++text) {
        m_begins[text] = pos;
        pos = m_folded.find(kSeparator, pos) + 1;
    }
}

std::u16string CSearchText::FoldQuery(std::string_view cp932) {
    CSearchText one;
    one.Add(cp932);
    one.Finish();
    std::u16string folded = one.Folded();
    folded.pop_back();  // the separator
    return folded;
}

std::size_t CSearchText::FoldedEnd(int text) const {
    const auto t = static_cast<std::size_t>(text);
    const std::size_t next = t + 1 < m_begins.size() ? m_begins[t + 1] : m_folded.size();
    return next - 1;  // before the separator
}

int CSearchText::TextAt(std::size_t pos) const {
    const auto it = std::upper_bound(m_begins.begin(), m_begins.end(), pos);
    return it == m_begins.begin() ? 0 : static_cast<int>(it - m_begins.begin()) - 1;
}

std::size_t CSearchText::Find(std::u16string_view query, std::size_t from, std::size_t limit) const {
    if (query.empty()) return std::u16string::npos;
    const std::u16string_view all = std::u16string_view(m_folded).substr(0, std::min(limit, m_folded.size()));
    return all.find(query, from);
}

bool CSearchText::FindIn(int text, std::u16string_view query, SearchByteRange* range) const {
    const std::size_t pos = Find(query, FoldedBegin(text), FoldedEnd(text));
    if (pos == std::u16string::npos) return false;
    if (range) *range = ByteRange(pos, query.size());
    return true;
}

SearchByteRange CSearchText::ByteRange(std::size_t pos, std::size_t length) const {
    if (pos >= m_folded.size()) return {};
    if (length == 0) return {m_byteBegin[pos], m_byteBegin[pos]};
    const std::size_t end = std::min(pos + length, m_folded.size());
    SearchByteRange r;
    r.begin = *std::min_element(m_byteBegin.begin() + static_cast<std::ptrdiff_t>(pos),
                                m_byteBegin.begin() + static_cast<std::ptrdiff_t>(end));
    r.end = *std::max_element(m_byteEnd.begin() + static_cast<std::ptrdiff_t>(pos),
                              m_byteEnd.begin() + static_cast<std::ptrdiff_t>(end));
    return r;
}

SearchSnippet CSearchText::Snippet(std::size_t pos, std::size_t length, std::size_t before,
                                   std::size_t after) const {
    SearchSnippet s;
    if (pos >= m_folded.size()) return s;
    const int text = TextAt(pos);
    const std::string& source = Source(text);
    const std::size_t first = FoldedBegin(text);
    const std::size_t last = FoldedEnd(text);
    const SearchByteRange match = ByteRange(pos, length);
    const std::size_t from = pos - first > before ? pos - before : first;
    const std::size_t to = std::min(last, pos + length + after);
    const std::size_t byteFrom = from == first ? 0 : std::min(ByteRange(from, 1).begin, match.begin);
    const std::size_t byteTo = to >= last ? source.size() : std::max(ByteRange(to - 1, 1).end, match.end);
    if (from > first) s.before = "…";
    s.before.append(source, byteFrom, match.begin - byteFrom);
    s.match = source.substr(match.begin, match.end - match.begin);
    s.after = source.substr(match.end, byteTo - match.end);
    if (to < last) s.after += "…";
    return s;
}

}  // namespace text
