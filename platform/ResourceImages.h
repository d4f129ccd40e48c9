#pragma once
// The program's images, drawn as vectors so they stay crisp at any size and
// device pixel ratio: icons 128 (main window, version window) and 129
// (document windows), the tool bar buttons of tool bar 128 and image 0 of
// bitmap 136 (the search bar's find button).
#include <QIcon>
#include <QImage>

#include "res/ToolBar.h"

namespace platform {

// Icon 128 or 129; a null icon for other ids.
QIcon ResourceIcon(int id);

// The image of a tool bar slot (16 by 15 at device pixel ratio 1).
QIcon ToolButtonIcon(const res::ToolBarSlot& slot);

// Renders icon 128 or 129 into a square image of size pixels (for the
// installed desktop icons).
QImage RenderResourceIcon(int id, int size);

}  // namespace platform
