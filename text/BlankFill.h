#pragma once
// The rows of a blank-filled text: every source line of the text has been
// filled with blanks to the next multiple of the box width in bytes
// (text::AppendFilled, text/SectionLines.h), so that a box exactly that wide
// starts every source line on a row of its own.
#include <string>
#include <string_view>
#include <vector>

namespace text {

// Breaks a blank-filled text into the rows a box `width` bytes wide shows:
// each row holds at most width bytes and ends at a character boundary. When
// a double-byte character cannot end a row, the row is one byte short; a row
// never runs past a multiple of width where a character starts (a source
// line may begin there), and the blanks of the fill left over before the next
// multiple are dropped, so every source line starts a row of its own.
// Trailing blanks of a row are not kept. Used by the text-work window (46)
// and the haiku card's interpretation (44).
std::vector<std::string> SplitRows(std::string_view text, int width);

}  // namespace text
