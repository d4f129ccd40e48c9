#pragma once
// The search bar's history: a sorted list of search texts (Shift-JIS), in
// byte order, without duplicates and without empty texts.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CSearchHistory {
public:
    // Texts saved at exit (section "Find Strings" holds at most this many).
    static constexpr std::size_t kMaxSaved = 16;

    // The find command's rule: an empty text is returned untouched; a text
    // equal byte for byte to an entry adds nothing; any other text is
    // inserted in sorted position. Returns the index at which a new entry
    // was inserted, or -1 when the list did not change.
    int Take(std::string_view text);

    // The index of an entry equal to text, or -1.
    int Find(std::string_view text) const;

    const std::vector<std::string>& Entries() const { return m_entries; }
    // The first kMaxSaved entries in list order: what is written at exit.
    std::vector<std::string> EntriesToSave() const;

    // Replaces the list by the entries of a loaded history, each taken as
    // above (sorted, no duplicates, no empty texts).
    void Load(const std::vector<std::string>& entries);

private:
    std::vector<std::string> m_entries;
};
