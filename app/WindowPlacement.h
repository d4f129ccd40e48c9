#pragma once
// The main window's placement as the settings file keeps it under WindowPos:
// "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d".
#include <string>
#include <string_view>

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
