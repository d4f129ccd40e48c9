#pragma once
// The line kinds of the sectioned text files in TxtData (shared by the
// sectioned text reader and the notes reader). Markers are ASCII; the "]"
// that closes a header must be a character of its own, not the trail byte
// of a double-byte character.
#include <string>
#include <string_view>

namespace text {

// Exactly one byte: a spacer, ignored everywhere.
inline bool IsSpacerLine(std::string_view line) { return line.size() == 1; }

// Begins with "//".
inline bool IsCommentLine(std::string_view line) {
    return line.size() >= 2 && line[0] == '/' && line[1] == '/';
}

// First byte "[", last character "]".
bool IsHeaderLine(std::string_view line);

// "[%d]" of n.
std::string FormatHeader(int n);
// n when line reads exactly FormatHeader(n); false for any other line.
bool ParseHeader(std::string_view line, int* n);

// Appends line to text and fills it with blanks to the next multiple of
// width bytes (nothing when its length already is one; width < 1 fills
// nothing).
void AppendFilled(std::string* text, std::string_view line, int width);

}  // namespace text
