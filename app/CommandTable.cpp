#include "app/CommandTable.h"

#include <cstdio>

#include "app/SettingsStore.h"
#include "platform/TextFile.h"
#include "res/ResourceIds.h"
#include "res/Strings.h"
#include "text/TextWorkKind.h"

namespace {

using namespace res;
using text::KindOf;
using text::TextWorkId;

constexpr MuseumCommand kCommands[] = {
    {ID_HAIKU_REGISTER, CommandAction::OpenHaikuList, 0},
    {ID_HAIKU_OUFUSHA, CommandAction::OpenHaikuList, 1},
    {ID_HAIKU_SHINCHOSHA, CommandAction::OpenHaikuList, 2},
    {ID_HAIKU_ICHINICHI, CommandAction::OpenHaikuList, 3},
    {ID_HAIKU_NENPU, CommandAction::OpenHaikuList, 4},
    {ID_WORK_COLLECTION, CommandAction::TextWork, KindOf(TextWorkId::Collection)},
    {ID_WORK_OKUNO, CommandAction::TextWork, KindOf(TextWorkId::Okuno)},
    {ID_WORK_SARASINA, CommandAction::TextWork, KindOf(TextWorkId::Sarasina)},
    {ID_WORK_NOZARASI, CommandAction::TextWork, KindOf(TextWorkId::Nozarasi)},
    {ID_WORK_KASIMA, CommandAction::TextWork, KindOf(TextWorkId::Kasima)},
    {ID_WORK_KOBUMI, CommandAction::TextWork, KindOf(TextWorkId::Kobumi)},
    {ID_WORK_SAGA, CommandAction::TextWork, KindOf(TextWorkId::Saga)},
    {ID_LIFE_CHRONOLOGY, CommandAction::TextWork, KindOf(TextWorkId::Chronology)},
    {ID_LIFE_FRIENDS, CommandAction::TextWork, KindOf(TextWorkId::Friends)},
    {ID_LIFE_MEMORIALS, CommandAction::TextWork, KindOf(TextWorkId::Memorials)},
    {ID_LIFE_MONUMENTS, CommandAction::TextWork, KindOf(TextWorkId::Monuments)},
    {ID_DATA_HAIKU_CARD, CommandAction::HaikuCard, 0},
    {ID_DATA_NATURE, CommandAction::TextWork, KindOf(TextWorkId::Nature)},
    {ID_DATA_GLOSSARY, CommandAction::TextWork, KindOf(TextWorkId::Glossary)},
    {ID_DATA_SEARCH, CommandAction::MuseumSearch, 0},
    {ID_CALENDAR_TABLE, CommandAction::OpenCalendar, 1644},
    {ID_CALENDAR_YEAR, CommandAction::ViewOnly, 0},
    {ID_CALENDAR_CONVERT, CommandAction::DateConverter, 0},
    {ID_HELP_CONTENTS, CommandAction::HelpContents, 0},
    {ID_APP_ABOUT, CommandAction::About, 0},
    {ID_ONE_POINT, CommandAction::OnePointTips, 0},
    {ID_FIND, CommandAction::ViewOnly, 0},
    {ID_FILE_NEW, CommandAction::FileNew, 0},
    {ID_FILE_OPEN, CommandAction::FileOpen, 0},
    {ID_FILE_CLOSE, CommandAction::FileClose, 0},
    {ID_FILE_SAVE, CommandAction::FileSave, 0},
    {ID_FILE_PRINT, CommandAction::ViewOnly, 0},
    {ID_APP_EXIT, CommandAction::AppExit, 0},
    {ID_VIEW_TOOLBAR, CommandAction::ToggleToolBar, 0},
    {ID_VIEW_STATUS_BAR, CommandAction::ToggleStatusBar, 0},
    {ID_WINDOW_NEW, CommandAction::WindowNew, 0},
    {ID_WINDOW_CASCADE, CommandAction::WindowCascade, 0},
    {ID_WINDOW_TILE_HORZ, CommandAction::WindowTile, 0},
    {ID_WINDOW_ARRANGE, CommandAction::WindowArrange, 0},
    {ID_EDIT_COPY, CommandAction::NoHandler, 0},
    {ID_EDIT_CUT, CommandAction::NoHandler, 0},
    {ID_EDIT_PASTE, CommandAction::NoHandler, 0},
    {ID_EDIT_UNDO, CommandAction::NoHandler, 0},
    {ID_CONTEXT_HELP, CommandAction::NoHandler, 0},
    {ID_NEXT_PANE, CommandAction::NoHandler, 0},
    {ID_PREV_PANE, CommandAction::NoHandler, 0},
};

}  // namespace

std::span<const MuseumCommand> GetCommandTable() { return kCommands; }

const MuseumCommand* FindCommand(int id) {
    for (const MuseumCommand& c : kCommands)
        if (c.id == id) return &c;
    return nullptr;
}

std::string GetCommandPrompt(int id) { return res::LoadStringField(id, 0); }

std::string GetCommandToolTip(int id) { return res::LoadStringField(id, 1); }

std::string GetHelpTopicsPath() {
    return CSettingsStore::Instance().GetDataFilePath("Topics.txt");
}

const char* GetHelpContentsTopic() { return "目次"; }

bool CanOpenForReading(const std::string& path) {
    std::FILE* f = platform::OpenRegularFile(path);
    if (!f) return false;
    std::fclose(f);
    return true;
}
