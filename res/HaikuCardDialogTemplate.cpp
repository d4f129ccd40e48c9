// Dialog 131, the haiku card "キロノの俳句".
#include "res/DialogTemplates.h"
#include "res/FontNames.h"
#include "res/ResourceIds.h"

namespace res {
namespace {

constexpr unsigned kField = kReadOnly | kBorder | kAutoHScroll | kTabStop;

// The labels stand left of their fields (季語 at 60), on the fields' text line.
// The fields reach the dialog's right margin where nothing stands beside them,
// so that a span year line, a reading or a source shows whole; the headnote
// has two rows for the long ones.
constexpr DialogControl kHaikuCardControls[] = {
    {ControlKind::Edit, IDC_CARD_NUMBER, "", 5, 4, 210, 10, kReadOnly | kAutoHScroll},
    {ControlKind::Static, 0, "前書", 2, 22, 17, 8, kStyleNone},
    {ControlKind::Edit, IDC_CARD_PREFACE, "", 20, 15, 195, 23, kReadOnly | kBorder | kMultiLine | kTabStop},
    {ControlKind::Static, 0, "俳句", 2, 42, 17, 8, kStyleNone},
    {ControlKind::Edit, IDC_CARD_HAIKU, "", 20, 40, 165, 12, kField},
    {ControlKind::UpDown, IDC_CARD_UPDOWN, "", 190, 38, 9, 14, kVertical},
    {ControlKind::Static, 0, "詠み", 2, 57, 17, 8, kStyleNone},
    {ControlKind::Edit, IDC_CARD_READING, "", 20, 55, 195, 12, kField},
    {ControlKind::Static, 0, "季節", 2, 72, 17, 8, kStyleNone},
    {ControlKind::Edit, IDC_CARD_SEASON, "", 20, 70, 35, 12, kField},
    {ControlKind::Static, 0, "季語", 60, 72, 18, 8, kStyleNone},
    {ControlKind::Edit, IDC_CARD_SEASON_WORD, "", 80, 70, 135, 12, kField},
    {ControlKind::Static, 0, "解釈", 2, 87, 17, 8, kStyleNone},
    {ControlKind::Edit, IDC_CARD_COMMENTARY, "", 20, 85, 165, 37, kField | kMultiLine | kVScroll},
    {ControlKind::Static, 0, "詠年", 2, 127, 17, 8, kStyleNone},
    {ControlKind::Edit, IDC_CARD_YEAR, "", 20, 125, 195, 12, kField},
    {ControlKind::Static, 0, "出典", 2, 142, 17, 8, kStyleNone},
    {ControlKind::Edit, IDC_CARD_SOURCE, "", 20, 140, 195, 12, kField},
    {ControlKind::Static, 0, "表示順序", 2, 166, 32, 8, kStyleNone},
    {ControlKind::DropDownList, IDC_CARD_ORDER, "", 35, 164, 105, 65, kTabStop | kVScroll},
    {ControlKind::CheckBox, IDC_CARD_STARTUP, "起動時に表示(&S)", 0, 185, 60, 11, kTabStop},
    {ControlKind::DefPushButton, IDOK, "OK", 165, 185, 50, 14, kTabStop},
};

}  // namespace

extern const DialogTemplate kHaikuCardDialogTemplate{
    IDD_HAIKU_CARD, "キロノの俳句", 219, 199, "ＭＳ Ｐゴシック", kDialogPointSize, kHaikuCardControls};

}  // namespace res
