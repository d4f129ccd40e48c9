#pragma once
// Accelerator table 128. Keys are written in the portable form
// "Ctrl+Shift+F6" (modifiers Ctrl, Shift, Alt joined by '+').
#include <span>

namespace res {

struct Accelerator {
    const char* key;
    int command;
};

std::span<const Accelerator> GetAccelerators();

}  // namespace res
