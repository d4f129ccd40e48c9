#include "app/SettingsStore.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>

#include "platform/Profile.h"
#include "platform/ShiftJis.h"

namespace {

constexpr std::string_view kSettings = "Settings";
constexpr std::string_view kFindStrings = "Find Strings";
constexpr std::string_view kMuseumSearch = "Museum Search";
constexpr std::size_t kMaxFindStrings = 16;

std::string JoinPath(std::string_view dir, std::string_view name) {
    std::string path;
    path.reserve(dir.size() + 1 + name.size());
    path += dir;
    if (path.empty() || path.back() != '/') path += '/';
    path += name;
    return path;
}

// The program's file name without its extension, from the running executable.
std::string ProgramName() {
    const std::string path = CSettingsStore::ExecutablePath();
    if (path.empty()) return "kirokan";
    std::string name = path.substr(path.rfind('/') + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name.empty() ? "kirokan" : name;
}

}  // namespace

std::string CSettingsStore::ExecutablePath() {
    char buf[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n <= 0 ? std::string() : std::string(buf, static_cast<std::size_t>(n));
}

std::string CSettingsStore::WorkingDirectory() {
    std::string buf(256, '\0');
    for (;;) {
        if (getcwd(buf.data(), buf.size())) {
            buf.resize(buf.find('\0'));
            return buf;
        }
        if (errno != ERANGE || buf.size() > (1u << 20)) return ".";
        buf.resize(buf.size() * 2);
    }
}

namespace {

// The user's configuration directory for the program, or empty when there
// is none ($XDG_CONFIG_HOME must be an absolute path to count).
std::string UserConfigDir() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return JoinPath(xdg, "kirokan");
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return JoinPath(JoinPath(home, ".config"), "kirokan");
    return {};
}

// Creates dir and its missing parents.
bool MakeDirs(const std::string& dir) {
    for (std::size_t pos = 1; pos <= dir.size(); ++pos) {
        if (pos != dir.size() && dir[pos] != '/') continue;
        const std::string part = dir.substr(0, pos);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
    struct stat st {};
    return stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

CSettingsStore& CSettingsStore::Instance() {
    static CSettingsStore store;
    return store;
}

int CSettingsStore::Init() { return Init(WorkingDirectory(), ProgramName()); }

int CSettingsStore::InitForData(const std::string& dataDir, bool holdsMuseum) {
    return Init(dataDir, ProgramName(), holdsMuseum);
}

int CSettingsStore::Init(const std::string& workingDir, const std::string& programName, bool holdsMuseum) {
    m_dataDir = workingDir;
    const std::string fileName = programName + ".INI";
    if (holdsMuseum && access(workingDir.c_str(), W_OK | X_OK) == 0) {
        m_settingsPath = JoinPath(workingDir, fileName);
        m_configDir.clear();
        return 0;
    }
    // A data directory the program may not write to (a shared or read-only
    // installation), or one without the museum (never written to): the
    // settings live in the user's configuration directory instead.
    m_configDir = UserConfigDir();
    m_settingsPath = m_configDir.empty() ? JoinPath(workingDir, fileName) : JoinPath(m_configDir, fileName);
    return 0;
}

std::string CSettingsStore::GetDataFilePath(std::string_view fileName) const {
    return JoinPath(JoinPath(m_dataDir, "TxtData"), fileName);
}

bool CSettingsStore::PrepareWrite() {
    if (m_configDir.empty()) return true;
    return MakeDirs(m_configDir);
}

std::string CSettingsStore::GetProfileString(std::string_view section, std::string_view key,
                                             std::string_view def) {
    return platform::GetPrivateProfileString(m_settingsPath, section, key, def);
}

void CSettingsStore::WriteProfileString(std::string_view section, std::string_view key,
                                        std::string_view value) {
    if (PrepareWrite()) platform::WritePrivateProfileString(m_settingsPath, section, key, value);
}

int CSettingsStore::GetProfileInt(std::string_view section, std::string_view key, int def) {
    return platform::GetPrivateProfileInt(m_settingsPath, section, key, def);
}

void CSettingsStore::WriteProfileInt(std::string_view section, std::string_view key, int value) {
    if (PrepareWrite()) platform::WritePrivateProfileInt(m_settingsPath, section, key, value);
}

int CSettingsStore::GetOnePoint() { return GetProfileInt(kSettings, "onepoint", 1); }
void CSettingsStore::SetOnePoint(int value) { WriteProfileInt(kSettings, "onepoint", value); }
int CSettingsStore::GetOnePointView() { return GetProfileInt(kSettings, "onepointview", 1); }
void CSettingsStore::SetOnePointView(int value) { WriteProfileInt(kSettings, "onepointview", value); }
int CSettingsStore::GetKironoNo(int def) { return GetProfileInt(kSettings, "kironoNo", def); }
void CSettingsStore::SetKironoNo(int value) { WriteProfileInt(kSettings, "kironoNo", value); }
int CSettingsStore::GetKironoMode(int def) { return GetProfileInt(kSettings, "kironoMode", def); }
void CSettingsStore::SetKironoMode(int value) { WriteProfileInt(kSettings, "kironoMode", value); }
int CSettingsStore::GetKironoView() { return GetProfileInt(kSettings, "kironoView", 1); }
void CSettingsStore::SetKironoView(int value) { WriteProfileInt(kSettings, "kironoView", value); }

std::string CSettingsStore::GetWindowPos() { return GetProfileString(kSettings, "WindowPos"); }
void CSettingsStore::SetWindowPos(const std::string& text) {
    WriteProfileString(kSettings, "WindowPos", text);
}

void CSettingsStore::SaveWindowPlacement(WindowPlacement placement, bool maximized) {
    placement.flags = maximized ? 2u : 0u;
    SetWindowPos(FormatWindowPos(placement));
}

bool CSettingsStore::RestoreWindowPlacement(WindowPlacement* placement) {
    const std::string text = GetWindowPos();
    if (text.empty()) return false;
    return ParseWindowPos(text, placement);
}

void CSettingsStore::SaveNumberedStrings(std::string_view section, const std::vector<std::string>& entries) {
    std::vector<platform::ProfileEntry> keys;
    for (std::size_t i = 0; i < entries.size() && i < kMaxFindStrings; ++i)
        keys.emplace_back("Find" + std::to_string(i + 1), entries[i]);
    if (keys.empty()) return;
    if (PrepareWrite()) platform::WritePrivateProfileEntries(m_settingsPath, section, keys);
}

std::vector<std::string> CSettingsStore::LoadNumberedStrings(std::string_view section) {
    // One read of the section; then Find1, Find2, ... up to the first empty
    // or missing value. Keys compare without regard to case, and only the
    // way the numbers are written ("Find01" is no Find1).
    const auto found = platform::GetPrivateProfileSection(m_settingsPath, section);
    std::vector<const std::string*> byNumber(found.size() + 1, nullptr);
    for (const auto& [key, value] : found) {
        if (key.size() < 5 || platform::AsciiLower(key.substr(0, 4)) != "find" || key[4] == '0') continue;
        std::size_t n = 0;
        const auto [end, error] = std::from_chars(key.data() + 4, key.data() + key.size(), n);
        if (error != std::errc() || end != key.data() + key.size() || n >= byNumber.size()) continue;
        if (!byNumber[n]) byNumber[n] = &value;
    }
    std::vector<std::string> entries;
    for (std::size_t i = 1; i < byNumber.size() && byNumber[i] && !byNumber[i]->empty(); ++i)
        entries.push_back(*byNumber[i]);
    return entries;
}

void CSettingsStore::SaveFindStrings(const std::vector<std::string>& entries) {
    SaveNumberedStrings(kFindStrings, entries);
}

std::vector<std::string> CSettingsStore::LoadFindStrings() { return LoadNumberedStrings(kFindStrings); }

void CSettingsStore::SaveMuseumSearchStrings(const std::vector<std::string>& entries) {
    SaveNumberedStrings(kMuseumSearch, entries);
}

std::vector<std::string> CSettingsStore::LoadMuseumSearchStrings() { return LoadNumberedStrings(kMuseumSearch); }
