#pragma once
// Dialog templates as data: caption, size and controls in dialog units
// (a horizontal unit is a quarter, a vertical unit an eighth of the dialog
// font's average character cell), font, and the controls with their ids.
// Texts are Shift-JIS. platform/DialogBuilder.h turns a template into widgets.
//
// To add a dialog: define its template in a file of its own under res/
// (see ShellDialogTemplates.cpp), declare it below and list it in
// kDialogTemplates in DialogTemplates.cpp.
#include <span>

namespace res {

enum class ControlKind {
    Static,         // text
    Icon,           // icon; text holds the icon's resource id in decimal ("128")
    PushButton,
    DefPushButton,  // the default button
    Edit,
    ComboBox,       // editable field plus list
    DropDownList,   // list only
    ListBox,
    CheckBox,
    GroupBox,
    ScrollBar,
    UpDown,
    ListView,       // report-mode list
    Custom,         // an area the window draws itself
};

// Style flags of a control.
enum ControlStyle : unsigned {
    kStyleNone = 0,
    kTabStop = 1u << 0,
    kVScroll = 1u << 1,
    kHScroll = 1u << 2,
    kBorder = 1u << 3,
    kReadOnly = 1u << 4,
    kMultiLine = 1u << 5,
    kCenter = 1u << 6,     // centred text
    kRight = 1u << 7,      // right-aligned text
    kSort = 1u << 8,       // sorted list
    kDisabled = 1u << 9,
    kHidden = 1u << 10,
    kAutoHScroll = 1u << 11,
    kVertical = 1u << 12,  // vertical scroll bar / up-down
    kWantReturn = 1u << 13,
};

struct DialogControl {
    ControlKind kind;
    int id;
    const char* text;
    int x, y, w, h;  // dialog units
    unsigned style;
};

struct DialogTemplate {
    int id;
    const char* caption;
    int w, h;           // client size in dialog units
    const char* face;   // font face
    int pointSize;
    std::span<const DialogControl> controls;
};

// The template with that id, or nullptr.
const DialogTemplate* FindDialogTemplate(int id);
// Every dialog template of the program (their ids are distinct).
std::span<const DialogTemplate* const> GetDialogTemplates();

// The control with that id in a template, or nullptr.
const DialogControl* FindControl(const DialogTemplate& t, int id);

// The templates (defined in files of their own).
extern const DialogTemplate kAboutDialogTemplate;    // 100
extern const DialogTemplate kNewTypeDialogTemplate;  // 30721
extern const DialogTemplate kHaikuCardDialogTemplate;  // 131
extern const DialogTemplate kTextWorkDialogTemplate;    // 140
extern const DialogTemplate kOnePointDialogTemplate;    // 141
extern const DialogTemplate kSimpleHelpDialogTemplate;  // 142
extern const DialogTemplate kDisplayYearDialogTemplate;  // 135

}  // namespace res
