#pragma once
// The kinds of the text-work window: which TxtData file it shows, its
// caption, and what a click on an index row does.

namespace text {

enum class TextWorkClick {
    ShowPart3,      // show the section's part 3 in the text box
    OpenHaikuCard,  // open the haiku card on the number that part 3 names
    Beep,           // the default beep
};

struct TextWorkKind {
    const char* fileName;  // in TxtData
    const char* title;     // window caption (Shift-JIS)
    TextWorkClick click;
};

constexpr int kTextWorkKindCount = 13;

// The kind's entry, or nullptr for a kind outside 0..12.
const TextWorkKind* FindTextWorkKind(int kind);

}  // namespace text
