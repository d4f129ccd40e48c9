#pragma once
// The museum command table: what the main frame does with each command id.
// Labels and prompts live in res/ (menus and string table), tool bar slots
// in res/ToolBar.h; this table holds the action and its argument.
#include <span>
#include <string>

enum class CommandAction {
    OpenHaikuList,    // arg: order 0..4; title = the order's label
    OpenCalendar,     // title from year 1644
    TextWork,         // arg: the work's kind (text::TextWorkId)
    HaikuCard,        // at the stored order and position
    OnePointTips,
    HelpContents,     // Topics.txt, caption suffix and start topic "目次"
    MuseumSearch,     // the museum-wide search window (one, modeless)
    DateConverter,    // the date converter window (one, modeless)
    About,            // version window (application object)
    ViewOnly,         // handled only by the active view; disabled otherwise
    FileNew,          // application object: chooser of the templates
    FileOpen,         // application object: open-file dialog
    FileClose,        // close the active document window
    FileSave,         // documents are never written: does nothing
    AppExit,
    ToggleToolBar,
    ToggleStatusBar,
    WindowNew,
    WindowCascade,
    WindowTile,
    WindowArrange,
    NoHandler,        // routed nowhere: always disabled
};

struct MuseumCommand {
    int id;
    CommandAction action;
    int arg;
};

// Every command the main frame routes.
std::span<const MuseumCommand> GetCommandTable();

// The entry of command id, or nullptr.
const MuseumCommand* FindCommand(int id);

// The status-bar prompt (first line of the prompt string) and the tool tip
// (second line) of a command; empty when it has none.
std::string GetCommandPrompt(int id);
std::string GetCommandToolTip(int id);

// The help contents command's file: "<data dir>/TxtData/Topics.txt".
std::string GetHelpTopicsPath();
// The caption suffix and start topic given to the help browser: "目次".
const char* GetHelpContentsTopic();

// True when the file can be opened for reading (it is closed again at once).
bool CanOpenForReading(const std::string& path);
