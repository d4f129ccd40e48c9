#pragma once
// The kinds of the text-work window: which TxtData file it shows, its
// caption, and what a click on an index row does.

namespace text {

enum class TextWorkClick {
    ShowPart3,      // show the section's part 3 in the text box
    OpenHaikuCard,  // open the haiku card on the number that part 3 names
    Beep,           // the default beep
};

// The works by name. The value is the kind number that the command table,
// the windows and the settings pass around.
enum class TextWorkId : int {
    Okuno = 0,       // おくのほそ道
    Monuments = 1,   // 句碑
    Chronology = 2,  // 略年譜
    Friends = 3,     // 弟子・友人
    Collection = 4,  // 作品集
    Nature = 5,      // 動植物
    Memorials = 6,   // 記念館
    Glossary = 7,    // 語彙
    Sarasina = 8,    // 更科紀行
    Nozarasi = 9,    // 野ざらし紀行
    Kasima = 10,     // 鹿島詣
    Kobumi = 11,     // 笈の小文
    Saga = 12,       // 嵯峨日記
};

constexpr int KindOf(TextWorkId id) { return static_cast<int>(id); }

// One row a work: everything the window needs to know of it.
struct TextWorkKind {
    TextWorkId id;
    const char* fileName;  // in TxtData
    const char* title;     // window caption (Shift-JIS)
    TextWorkClick click;
};

constexpr int kTextWorkKindCount = 13;

// The kind's entry, or nullptr for a kind outside 0..12.
const TextWorkKind* FindTextWorkKind(int kind);

}  // namespace text
