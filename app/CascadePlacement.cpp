#include "app/CascadePlacement.h"

#include <algorithm>

CascadePoint CascadePosition(int openCount, int areaWidth, int areaHeight, int windowWidth,
                             int windowHeight, int step) {
    if (step <= 0 || openCount <= 0) return {};
    // Steps that keep the whole window inside the area, the corner included.
    const int room = std::min(areaWidth - windowWidth, areaHeight - windowHeight);
    const int slots = room < 0 ? 1 : room / step + 1;
    const int offset = (openCount % slots) * step;
    return {offset, offset};
}
