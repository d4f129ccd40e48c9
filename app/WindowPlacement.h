#pragma once
// The main window's placement as the settings file keeps it under WindowPos:
// "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d".
#include <string>
#include <string_view>
#include <vector>

struct WindowPlacement {
    unsigned flags = 0;    // 0, or 2: restore to maximised
    unsigned showCmd = 1;  // 1 normal, 2 minimised, 3 maximised
    int minX = 0, minY = 0;
    int maxX = 0, maxY = 0;
    int left = 0, top = 0, right = 0, bottom = 0;  // normal rectangle
};

std::string FormatWindowPos(const WindowPlacement& placement);
// True only when all ten fields convert; out is untouched otherwise.
bool ParseWindowPos(std::string_view text, WindowPlacement* out);

// A screen's work area, in the same coordinates as the normal rectangle.
struct ScreenArea {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The placement with its normal rectangle on a screen, as the desktop keeps
// windows: a rectangle of which enough shows on some screen to be taken hold
// of (100 by 50 pixels, or the whole of a smaller window) stays; any other is
// moved onto the screen nearest to it, made no larger than that screen. With
// no screens the placement is unchanged.
WindowPlacement BringOntoScreen(WindowPlacement placement, const std::vector<ScreenArea>& screens);
