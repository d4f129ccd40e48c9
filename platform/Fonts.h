#pragma once
// The program's fonts. The resource face names do not exist on Linux, so
// they are substituted once at start-up with IPA Gothic faces and fallbacks.
#include <QFont>

namespace platform {

// Registers the substitutes for the resource face names (idempotent).
void InstallFontSubstitutions();

// The dialogs' font: "ＭＳ Ｐゴシック" 9 point.
QFont DialogFont();

// A copy of the shared fixed Gothic font ("ＭＳ ゴシック", weight 400, fixed
// pitch) at the given character height in pixels.
QFont FixedGothicFont(int pixelHeight);

}  // namespace platform
