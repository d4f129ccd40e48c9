#include "res/Accelerators.h"

#include "res/ResourceIds.h"

namespace res {
namespace {

constexpr Accelerator kAccelerators[] = {
    {"F1", ID_HELP_CONTENTS},
    {"F3", ID_FIND},
    {"Ctrl+N", ID_FILE_NEW},
    {"Ctrl+O", ID_FILE_OPEN},
    {"Ctrl+P", ID_FILE_PRINT},
    {"Ctrl+S", ID_FILE_SAVE},
    {"Ctrl+C", ID_EDIT_COPY},
    {"Ctrl+Ins", ID_EDIT_COPY},
    {"Ctrl+X", ID_EDIT_CUT},
    {"Shift+Del", ID_EDIT_CUT},
    {"Ctrl+V", ID_EDIT_PASTE},
    {"Shift+Ins", ID_EDIT_PASTE},
    {"Ctrl+Z", ID_EDIT_UNDO},
    {"Alt+Backspace", ID_EDIT_UNDO},
    {"Shift+F1", ID_CONTEXT_HELP},
    {"F6", ID_NEXT_PANE},
    {"Shift+F6", ID_PREV_PANE},
    {"Ctrl+Shift+F", ID_DATA_SEARCH},
};

}  // namespace

std::span<const Accelerator> GetAccelerators() { return kAccelerators; }

}  // namespace res
