#include "haiku/HaikuCardLayout.h"

namespace haiku {
namespace {

using K = CardControlKind;

// Labels stand left of their fields, at x 0 (季語 at 60), a line below the
// field's top so that their text sits on the field's text line.
constexpr CardControl kControls[] = {
    {K::Field, IDC_CARD_NUMBER, "", 5, 5, 120, 10},
    {K::Label, IDC_STATIC, "前書", 0, 27, 18, 8},
    {K::Field, IDC_CARD_PREFACE, "", 20, 25, 165, 12},
    {K::Label, IDC_STATIC, "俳句", 0, 42, 18, 8},
    {K::Field, IDC_CARD_HAIKU, "", 20, 40, 165, 12},
    {K::UpDown, IDC_CARD_UPDOWN, "", 190, 38, 9, 14},
    {K::Label, IDC_STATIC, "詠み", 0, 57, 18, 8},
    {K::Field, IDC_CARD_READING, "", 20, 55, 165, 12},
    {K::Label, IDC_STATIC, "季節", 0, 72, 18, 8},
    {K::Field, IDC_CARD_SEASON, "", 20, 70, 35, 12},
    {K::Label, IDC_STATIC, "季語", 60, 72, 18, 8},
    {K::Field, IDC_CARD_SEASON_WORD, "", 80, 70, 105, 12},
    {K::Label, IDC_STATIC, "解釈", 0, 87, 18, 8},
    {K::MultiLineField, IDC_CARD_COMMENTARY, "", 20, 85, 165, 37},
    {K::Label, IDC_STATIC, "詠年", 0, 127, 18, 8},
    {K::Field, IDC_CARD_YEAR, "", 20, 125, 165, 12},
    {K::Label, IDC_STATIC, "出典", 0, 142, 18, 8},
    {K::Field, IDC_CARD_SOURCE, "", 20, 140, 165, 12},
    {K::Label, IDC_STATIC, "表示順序", 0, 166, 34, 8},
    {K::DropDownList, IDC_CARD_ORDER, "", 35, 164, 105, 65},
    {K::CheckBox, IDC_CARD_STARTUP, "起動時に表示(&S)", 0, 185, 60, 11},
    {K::DefaultButton, 1, "OK", 165, 185, 50, 14},
};

constexpr CardDialog kDialog = {"キロノの俳句", 219, 199, kControls};

}  // namespace

const CardDialog& GetCardDialog() { return kDialog; }

}  // namespace haiku
