// Dialog 100, the version window, and dialog 30721, the chooser of the new
// command.
#include "res/DialogTemplates.h"
#include "res/FontNames.h"
#include "res/ResourceIds.h"

namespace res {
namespace {

constexpr DialogControl kAboutControls[] = {
    {ControlKind::Icon, IDC_ABOUT_ICON, "128", 11, 17, 20, 20, kStyleNone},
    {ControlKind::Static, IDC_ABOUT_TITLE, "Kirokan Version 1.08", 40, 10, 119, 8, kStyleNone},
    {ControlKind::Static, IDC_ABOUT_LINE, "俳句・作品・暦の資料館", 40, 25, 119, 8, kStyleNone},
    {ControlKind::DefPushButton, IDOK, "OK", 178, 7, 32, 14, kTabStop},
};

constexpr DialogControl kNewTypeControls[] = {
    {ControlKind::Static, 0, "新規(&N)", 7, 7, 80, 8, kStyleNone},
    {ControlKind::ListBox, IDC_NEWTYPE_LIST, "", 7, 18, 122, 60, kTabStop | kVScroll | kBorder},
    {ControlKind::DefPushButton, IDOK, "OK", 137, 18, 50, 14, kTabStop},
    {ControlKind::PushButton, IDCANCEL, "ｷｬﾝｾﾙ", 137, 36, 50, 14, kTabStop},
};

}  // namespace

extern const DialogTemplate kAboutDialogTemplate{
    IDD_ABOUTBOX, "ﾊﾞｰｼﾞｮﾝ情報(Kirokan)", 217, 55, "ＭＳ Ｐゴシック", kDialogPointSize, kAboutControls};

extern const DialogTemplate kNewTypeDialogTemplate{
    IDD_NEWTYPE, "新規", 194, 85, "ＭＳ Ｐゴシック", kDialogPointSize, kNewTypeControls};

}  // namespace res
