#pragma once
// Tool bar 128 (16 by 15 buttons) and the search bar's bitmap 136.
// Each button names the image it shows: a hall colour and one character
// (Shift-JIS) drawn on it.
#include <span>

namespace res {

constexpr int kToolButtonWidth = 16;
constexpr int kToolButtonHeight = 15;

enum class ButtonArt { WorksHall, LifeHall, DataHall, Help, Find };

struct ToolBarSlot {
    int command;        // 0: separator
    ButtonArt art;      // image family of the button
    const char* glyph;  // the character on the image (Shift-JIS), may be empty
};

// The slots of tool bar 128 in order: 15 buttons with 3 separators.
std::span<const ToolBarSlot> GetToolBar();

// The image of bitmap 136 (the search bar's find button, image 0).
const ToolBarSlot& GetSearchButton();

}  // namespace res
