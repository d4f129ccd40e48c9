#pragma once
// Shift-JIS texts folded for the museum-wide search, and the matching on
// them. Each text added is folded once: converted to UTF-16, normalised
// with ICU's NFKC case folding (full-width and half-width letters, digits
// and kana become one form, capitals small), stripped of white space, and
// its katakana turned into hiragana by ICU's Katakana-Hiragana
// transliterator. Every folded unit keeps the byte range of the Shift-JIS
// character it came from (a character that normalises to several units
// gives each of them its range; a katakana word whose folded form has
// another length gives each unit the whole word's range), so a match maps
// back to bytes that start and end on character boundaries, never on a
// trail byte.
//
// The texts are folded into one string, one after another, a separator
// between two texts: a match never runs from one text into the next.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace text {

// A match in the bytes of one text: [begin, end), both character starts
// (end may be the text's length).
struct SearchByteRange {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// The pieces a result line shows: the match and some text on either side,
// cut at character boundaries; "…" marks where the text goes on.
struct SearchSnippet {
    std::string before;
    std::string match;
    std::string after;
};

class CSearchText {
public:
    // The unit between two folded texts; no query holds it.
    static constexpr char16_t kSeparator = u'\xFFFF';

    // Appends a text (Shift-JIS) and returns its number (0, 1, 2 ...). Its
    // kana are folded by the next Finish.
    int Add(std::string_view cp932);
    // Room for texts of that many bytes in all, and that many texts.
    void Reserve(std::size_t bytes, std::size_t texts);
    // Folds the kana of every text added since the last call, in one pass
    // of the transliterator over all their katakana.
    void Finish();

    // The folded form of a query: what Add and Finish make of it.
    static std::u16string FoldQuery(std::string_view cp932);

    int Count() const { return static_cast<int>(m_sources.size()); }
    const std::string& Source(int text) const { return m_sources[static_cast<std::size_t>(text)]; }
    const std::u16string& Folded() const { return m_folded; }
    // Where text's folded form lies in Folded(): [begin, end).
    std::size_t FoldedBegin(int text) const { return m_begins[static_cast<std::size_t>(text)]; }
    std::size_t FoldedEnd(int text) const;
    // The text whose folded form holds the unit at pos (a separator belongs
    // to the text before it).
    int TextAt(std::size_t pos) const;

    // The first match of a folded query in the folded texts, at or after
    // from and before limit; npos when there is none (or the query is empty).
    std::size_t Find(std::u16string_view query, std::size_t from, std::size_t limit) const;
    // The first match inside one text, in its bytes; false when none.
    bool FindIn(int text, std::u16string_view query, SearchByteRange* range) const;

    // The bytes of the characters that folded units [pos, pos + length) of
    // text came from.
    SearchByteRange ByteRange(std::size_t pos, std::size_t length) const;
    // The match at folded pos (length units) with up to `before` and
    // `after` folded units of its text around it.
    SearchSnippet Snippet(std::size_t pos, std::size_t length, std::size_t before,
                          std::size_t after) const;

private:
    std::vector<std::string> m_sources;
    std::vector<std::size_t> m_begins;  // folded start of each text
    std::u16string m_folded;
    // For each folded unit: the byte range in its text's source.
    std::vector<std::uint32_t> m_byteBegin;
    std::vector<std::uint32_t> m_byteEnd;
    std::size_t m_unfinished = 0;  // folded start of the texts Finish has not seen
};

}  // namespace text
