// Dialogs 140 (text-work window), 141 (one-point tips) and 142 (simple help
// browser). Their captions are set when they open.
#include "res/DialogTemplates.h"
#include "res/FontNames.h"
#include "res/ResourceIds.h"
#include "res/TextWindowTexts.h"

namespace res {
namespace {

constexpr DialogControl kTextWorkControls[] = {
    {ControlKind::Custom, IDC_TEXTWORK_INDEX, "", 0, 0, 140, 125, kBorder},
    {ControlKind::ScrollBar, IDC_TEXTWORK_SCROLL, "", 140, 0, 10, 125, kVertical},
    {ControlKind::Edit, IDC_TEXTWORK_TEXT, "", 150, 0, 170, 125, kMultiLine | kReadOnly | kVScroll | kBorder | kTabStop},
    {ControlKind::DefPushButton, IDOK, "OK", 185, 125, 50, 14, kTabStop},
};

constexpr DialogControl kOnePointControls[] = {
    {ControlKind::Custom, IDC_ONEPOINT_PANEL, "", 7, 7, 43, 168, kStyleNone},
    {ControlKind::Icon, 0, "128", 20, 18, 21, 20, kStyleNone},
    {ControlKind::CheckBox, IDC_ONEPOINT_CHECK, "起動時にワンポイントを表示(&S)", 5, 180, 108, 11, kTabStop},
    {ControlKind::PushButton, IDC_ONEPOINT_PREV, "前を表示(&B)", 155, 180, 45, 15, kTabStop},
    {ControlKind::PushButton, IDC_ONEPOINT_NEXT, "次を表示(&N)", 205, 180, 45, 15, kTabStop},
    {ControlKind::PushButton, IDC_ONEPOINT_CLOSE, "閉じる(&C)", 255, 180, 45, 15, kTabStop},
};

constexpr DialogControl kSimpleHelpControls[] = {
    {ControlKind::Static, 0, "検索", 0, 0, 20, 10, kStyleNone},
    {ControlKind::DropDownList, IDC_HELP_LIST1, "", 20, 0, 75, 100, kVScroll | kTabStop},
    {ControlKind::DropDownList, IDC_HELP_LIST2, "", 100, 0, 75, 100, kVScroll | kTabStop},
    {ControlKind::DropDownList, IDC_HELP_LIST3, "", 180, 0, 75, 100, kVScroll | kTabStop},
    {ControlKind::Static, IDC_HELP_BACK, "", 275, 5, 9, 10, kStyleNone},
    {ControlKind::Static, IDC_HELP_FORWARD, "", 290, 5, 9, 10, kStyleNone},
    {ControlKind::Custom, IDC_HELP_TOPIC, "", 0, 15, 310, 125, kBorder},
    {ControlKind::ScrollBar, IDC_HELP_TOPIC_SCROLL, "", 310, 15, 10, 125, kVertical},
    {ControlKind::Static, 0, "参照", 0, 145, 20, 10, kStyleNone},
    {ControlKind::Static, IDC_HELP_KEY1, "", 20, 145, 70, 10, kBorder},
    {ControlKind::Static, IDC_HELP_KEY2, "", 95, 145, 70, 10, kBorder},
    {ControlKind::Static, IDC_HELP_KEY3, "", 170, 145, 70, 10, kBorder},
    {ControlKind::Static, IDC_HELP_BACK_IMAGE, "", 260, 145, 9, 10, kHidden},
    {ControlKind::Static, IDC_HELP_BACK_GREY_IMAGE, "", 275, 145, 9, 10, kHidden},
    {ControlKind::Static, IDC_HELP_FORWARD_IMAGE, "", 290, 145, 9, 10, kHidden},
    {ControlKind::Static, IDC_HELP_FORWARD_GREY_IMAGE, "", 305, 145, 9, 10, kHidden},
    {ControlKind::Custom, IDC_HELP_REFERENCE, "", 0, 155, 310, 65, kBorder},
    {ControlKind::ScrollBar, IDC_HELP_REFERENCE_SCROLL, "", 310, 155, 10, 65, kVertical},
};

}  // namespace

extern const DialogTemplate kTextWorkDialogTemplate{
    IDD_TEXTWORK, "", 321, 139, "ＭＳ Ｐゴシック", kDialogPointSize, kTextWorkControls};
extern const DialogTemplate kOnePointDialogTemplate{
    IDD_ONEPOINT, "", 303, 195, "ＭＳ Ｐゴシック", kDialogPointSize, kOnePointControls};
extern const DialogTemplate kSimpleHelpDialogTemplate{
    IDD_SIMPLEHELP, "", 329, 221, "ＭＳ Ｐゴシック", kDialogPointSize, kSimpleHelpControls};

}  // namespace res
