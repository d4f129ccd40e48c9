#pragma once
// Dialog and control ids and texts of the text-work window, the one-point
// tips window and the simple help browser (Shift-JIS). Their layouts are
// the templates of res/TextDialogTemplates.cpp.

namespace res {

constexpr int IDD_TEXTWORK = 140;
constexpr int IDD_ONEPOINT = 141;
constexpr int IDD_SIMPLEHELP = 142;

// Text-work window.
constexpr int IDC_TEXTWORK_INDEX = 1008;
constexpr int IDC_TEXTWORK_SCROLL = 1007;
constexpr int IDC_TEXTWORK_TEXT = 1010;

// One-point tips window.
constexpr int IDC_ONEPOINT_CHECK = 1001;
constexpr int IDC_ONEPOINT_NEXT = 1003;
constexpr int IDC_ONEPOINT_PANEL = 1004;
constexpr int IDC_ONEPOINT_CLOSE = 1005;
constexpr int IDC_ONEPOINT_PREV = 1017;
extern const char* const kOnePointCaptionFormat;  // "%s - ワンポイント"

// Simple help browser.
constexpr int IDC_HELP_LIST1 = 1001;
constexpr int IDC_HELP_LIST2 = 1002;
constexpr int IDC_HELP_LIST3 = 1003;
constexpr int IDC_HELP_KEY1 = 1004;
constexpr int IDC_HELP_KEY2 = 1005;
constexpr int IDC_HELP_KEY3 = 1006;
constexpr int IDC_HELP_TOPIC_SCROLL = 1007;
constexpr int IDC_HELP_TOPIC = 1008;
constexpr int IDC_HELP_REFERENCE = 1011;
constexpr int IDC_HELP_REFERENCE_SCROLL = 1012;
constexpr int IDC_HELP_BACK = 1013;
constexpr int IDC_HELP_BACK_GREY_IMAGE = 1014;
constexpr int IDC_HELP_BACK_IMAGE = 1015;
constexpr int IDC_HELP_FORWARD = 1016;
constexpr int IDC_HELP_FORWARD_IMAGE = 1017;
constexpr int IDC_HELP_FORWARD_GREY_IMAGE = 1018;
extern const char* const kHelpContentsTopic;   // "目次": start topic and caption suffix
extern const char* const kHelpTopicsFile;      // "Topics.txt"

}  // namespace res
