#pragma once
// Menu resources 128 (no document window open) and 129 (one or more open).
// Labels are Shift-JIS with their & mnemonics; an item with id 0 is a
// separator.
#include <span>

namespace res {

struct MenuItem {
    int id;             // command id, 0 for a separator
    const char* label;  // empty for a separator
};

struct MenuPopup {
    const char* title;
    std::span<const MenuItem> items;
};

struct MenuResource {
    int id;
    std::span<const MenuPopup> popups;
};

// Menu 128 or 129; nullptr for any other id.
const MenuResource* FindMenu(int id);

// The label of command id in menu menuId (first occurrence), or nullptr.
const char* FindMenuLabel(int menuId, int id);

}  // namespace res
