#pragma once
// Face names of the program's fonts (Shift-JIS), as the resources name them.

namespace res {

// The fixed Gothic font of every pixel-drawn text area and the haiku card.
extern const char* const kFixedGothicFace;    // "ＭＳ ゴシック"
// The dialogs' font (9 point).
extern const char* const kDialogFace;         // "ＭＳ Ｐゴシック"
constexpr int kDialogPointSize = 9;
// The template height of the fixed Gothic font, in pixels.
constexpr int kFixedGothicTemplateHeight = 48;

}  // namespace res
