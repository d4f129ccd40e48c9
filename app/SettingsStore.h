#pragma once
// Everything the museum remembers between runs, and the data directory.
// One instance for the whole program: CSettingsStore::Instance().
#include <string>
#include <string_view>
#include <vector>

#include "app/WindowPlacement.h"

class CSettingsStore {
public:
    static CSettingsStore& Instance();

    // Fixes the data directory (the working directory now) and the settings
    // file "<dir>/<program name>.INI". When the working directory is not
    // writable, the settings file is "<config>/kirokan/<program name>.INI"
    // under $XDG_CONFIG_HOME (or ~/.config) instead. Returns 0.
    int Init();
    // The same with an explicit directory and program name (tests, tools).
    // holdsMuseum false: the directory holds no museum data, and the settings
    // file goes to the user's configuration directory even when it could be
    // written beside it.
    int Init(const std::string& workingDir, const std::string& programName, bool holdsMuseum = true);
    // The chosen data directory (see app/DataDirectory.h), with the running
    // program's name.
    int InitForData(const std::string& dataDir, bool holdsMuseum);

    static std::string WorkingDirectory();
    static std::string ExecutablePath();

    const std::string& GetDataDir() const { return m_dataDir; }
    const std::string& GetSettingsPath() const { return m_settingsPath; }
    // "<data dir>/TxtData/<fileName>".
    std::string GetDataFilePath(std::string_view fileName) const;

    int GetOnePoint();
    void SetOnePoint(int value);
    int GetOnePointView();
    void SetOnePointView(int value);
    int GetKironoNo(int def = 0);
    void SetKironoNo(int value);
    int GetKironoMode(int def = 0);
    void SetKironoMode(int value);
    int GetKironoView();
    void SetKironoView(int value);

    std::string GetWindowPos();
    void SetWindowPos(const std::string& text);
    // WindowPos from a placement: flags 2 when the window is maximised, else 0.
    void SaveWindowPlacement(WindowPlacement placement, bool maximized);
    // False when WindowPos is empty or not ten valid numbers (*placement is
    // then untouched).
    bool RestoreWindowPlacement(WindowPlacement* placement);

    // Search history, section "Find Strings": at most 16 written, in order.
    void SaveFindStrings(const std::vector<std::string>& entries);
    // Reads Find1, Find2, ... up to the first empty value.
    std::vector<std::string> LoadFindStrings();
    // The museum-wide search's history, likewise, in section "Museum Search".
    void SaveMuseumSearchStrings(const std::vector<std::string>& entries);
    std::vector<std::string> LoadMuseumSearchStrings();

    // Plain profile access for the bar layout ("General..." sections) and
    // the recent-document list.
    std::string GetProfileString(std::string_view section, std::string_view key,
                                 std::string_view def = {});
    void WriteProfileString(std::string_view section, std::string_view key,
                            std::string_view value);
    int GetProfileInt(std::string_view section, std::string_view key, int def);
    void WriteProfileInt(std::string_view section, std::string_view key, int value);

private:
    CSettingsStore() = default;
    // Creates the configuration directory before a write that goes there.
    bool PrepareWrite();
    // Find1, Find2, ... of section: at most 16 written in one rewrite of the
    // file, read up to the first empty value.
    void SaveNumberedStrings(std::string_view section, const std::vector<std::string>& entries);
    std::vector<std::string> LoadNumberedStrings(std::string_view section);
    std::string m_dataDir;
    std::string m_settingsPath;
    std::string m_configDir;  // set when the settings live in the user's configuration directory
};
