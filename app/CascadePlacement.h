#pragma once

// Where a new document window opens in the main window's client area: each
// new window one step lower and further right than the one before, starting
// again at the top-left corner when the next step would carry the window
// past the right or bottom edge of the area.
struct CascadePoint {
    int x = 0;
    int y = 0;
};

// openCount: document windows already open; step: the offset between two
// windows (a caption's height). A window as large as the area or larger
// always opens at the corner.
CascadePoint CascadePosition(int openCount, int areaWidth, int areaHeight, int windowWidth,
                             int windowHeight, int step);
