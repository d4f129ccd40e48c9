// Dialog 135, the display-year window of the calendar hall. The area and month
// controls exist in the template but the window never shows them.
#include "res/DialogTemplates.h"
#include "res/FontNames.h"
#include "res/ResourceIds.h"

namespace res {
namespace {

constexpr DialogControl kDisplayYearControls[] = {
    {ControlKind::Static, IDC_AREA_LABEL, "地域名", 0, 10, 30, 10, kHidden},
    {ControlKind::ComboBox, IDC_AREA_COMBO, "", 30, 5, 50, 60, kSort | kVScroll | kTabStop | kHidden},
    {ControlKind::Static, 0, "年", 0, 30, 35, 10, kStyleNone},
    {ControlKind::Static, IDC_MONTH_LABEL, "月", 45, 30, 35, 10, kHidden},
    {ControlKind::Edit, IDC_YEAR_EDIT, "", 0, 40, 30, 15, kReadOnly | kBorder | kTabStop},
    {ControlKind::UpDown, IDC_YEAR_SPIN, "Spin1", 25, 40, 9, 15, kVertical},
    {ControlKind::Edit, IDC_MONTH_EDIT, "", 45, 40, 30, 15, kReadOnly | kBorder | kTabStop | kHidden},
    {ControlKind::UpDown, IDC_MONTH_SPIN, "Spin2", 70, 40, 9, 15, kVertical | kHidden},
    {ControlKind::DefPushButton, IDOK, "OK", 0, 60, 35, 14, kTabStop},
    {ControlKind::PushButton, IDCANCEL, "ｷｬﾝｾﾙ", 45, 60, 35, 14, kTabStop},
};

}  // namespace

extern const DialogTemplate kDisplayYearDialogTemplate{
    IDD_DISPLAY_YEAR, "西暦", 83, 75, "ＭＳ Ｐゴシック", kDialogPointSize, kDisplayYearControls};

}  // namespace res
