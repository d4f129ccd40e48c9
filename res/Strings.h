#pragma once
// The string table: every text of the program's resources by its 16-bit id.
// Texts are Shift-JIS. A command's prompt string is "status text\ntool tip".
#include <string>

namespace res {

enum : int {
    IDR_MAINFRAME = 128,       // main window title
    IDS_APP_TITLE = 57344,     // application title (message box caption)
    IDS_IDLE_MESSAGE = 57345,  // status bar idle text
    IDS_SEARCH_BAR = 32800,    // search bar caption "検索\n検索"
};

// The text with that id, or an empty string when the table has none.
std::string LoadString(int id);

// True when the table holds a text with that id.
bool HasString(int id);

}  // namespace res
