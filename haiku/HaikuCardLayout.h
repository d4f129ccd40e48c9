#pragma once
// The haiku card's dialog (resource 131) as data: caption, size and controls
// in dialog units. Texts are Shift-JIS. The dialog lays itself out from it.
#include <span>

namespace haiku {

enum : int {
    IDD_HAIKU_CARD = 131,
    IDC_CARD_UPDOWN = 1000,
    IDC_CARD_ORDER = 1001,
    IDC_CARD_NUMBER = 1002,
    IDC_CARD_SEASON = 1003,
    IDC_CARD_PREFACE = 1004,
    IDC_CARD_SOURCE = 1005,
    IDC_CARD_STARTUP = 1006,
    IDC_CARD_HAIKU = 1023,
    IDC_CARD_READING = 1024,
    IDC_CARD_YEAR = 1025,
    IDC_CARD_SEASON_WORD = 1026,
    IDC_CARD_COMMENTARY = 1027,
    IDC_STATIC = -1,
};

enum class CardControlKind { Label, Field, MultiLineField, UpDown, DropDownList, CheckBox, DefaultButton };

struct CardControl {
    CardControlKind kind;
    int id;
    const char* text;
    int x, y, w, h;  // dialog units
};

struct CardDialog {
    const char* caption;  // "キロノの俳句"
    int w, h;             // 219 by 199
    std::span<const CardControl> controls;
};

const CardDialog& GetCardDialog();

// The eight fields shown in the fixed 12-pixel Gothic font.
constexpr int kCardFontFields[] = {IDC_CARD_PREFACE, IDC_CARD_HAIKU,       IDC_CARD_READING,
                                   IDC_CARD_SEASON,  IDC_CARD_SEASON_WORD, IDC_CARD_COMMENTARY,
                                   IDC_CARD_YEAR,    IDC_CARD_SOURCE};

}  // namespace haiku
