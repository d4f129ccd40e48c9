#pragma once
// The program's message box: OK button, exclamation icon, the program title
// as caption, modal. The windowing layer installs a handler that shows it;
// tests install one that records the text. With no handler the text goes to
// standard error (as UTF-8) and the call returns as after OK, so nothing ever
// blocks a test or a run without a display.
#include <functional>
#include <string>
#include <string_view>

namespace platform {

constexpr int kIdOk = 1;

// text and caption are Shift-JIS; the result is the button pressed (kIdOk).
using MessageBoxHandler = std::function<int(const std::string& text, const std::string& caption)>;

// Installs a handler; returns the previous one. An empty handler restores
// the standard-error fallback.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Shows text (Shift-JIS) with the program title as caption.
int ShowMessageBox(std::string_view text);

// The default beep. The windowing layer installs the real one; tests may
// count calls.
using BeepHandler = std::function<void()>;
BeepHandler SetBeepHandler(BeepHandler handler);
void Beep();

// The wait cursor, shown while an instance lives (nests).
using WaitCursorHandler = std::function<void(bool show)>;
WaitCursorHandler SetWaitCursorHandler(WaitCursorHandler handler);

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

}  // namespace platform
