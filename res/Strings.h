#pragma once
// The string table: every text of the program's resources by its 16-bit id.
// Texts are Shift-JIS. A command's prompt string is "status text\ntool tip".
#include <string>

#include "res/ResourceIds.h"

namespace res {

// The text with that id, or an empty string when the table has none.
std::string LoadString(int id);

// True when the table holds a text with that id.
bool HasString(int id);

// The n-th (from 0) newline-separated field of string id, or empty:
// field 0 of a prompt is the status-bar text, field 1 the tool tip.
std::string LoadStringField(int id, int n);

}  // namespace res
