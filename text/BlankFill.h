#pragma once
// The blank fill of the word-wrapping text boxes: every source line of a text
// is filled with blanks to the next multiple of the box width (in bytes), so
// that a box exactly that wide starts every source line on a row of its own.
#include <string>
#include <string_view>
#include <vector>

namespace text {

// Appends line to out, then blanks up to the next multiple of width bytes of
// the line's own length (an empty line, or one whose length already is a
// multiple, gets none).
void AppendBlankFilled(std::string& out, std::string_view line, int width);

// Breaks a blank-filled text into the rows a box `width` bytes wide shows:
// each row holds at most width bytes and ends at a character boundary. When
// a double-byte character cannot end a row, the row is one byte short; the
// blanks of the fill that are then left over before the next multiple of
// width are dropped, so the next source line still starts a row of its own.
// Trailing blanks of a row are not kept.
std::vector<std::string> SplitRows(std::string_view text, int width);

}  // namespace text
