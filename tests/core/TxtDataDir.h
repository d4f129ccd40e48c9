#pragma once
// A temporary data directory with a TxtData folder for the tests of the text
// windows; the settings store points at it while the object lives.
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "app/SettingsStore.h"
#include "platform/MessageBox.h"

class CTxtDataDir {
public:
    CTxtDataDir() {
        static int serial = 0;
        m_root = std::filesystem::temp_directory_path() /
                 ("kirokan-text-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
        std::filesystem::create_directories(m_root / "TxtData");
        CSettingsStore::Instance().Init(m_root.string(), "kirokan");
        m_oldBox = platform::SetMessageBoxHandler([this](const std::string& text, const std::string&) {
            messages.push_back(text);
            return platform::kIdOk;
        });
        m_oldBeep = platform::SetBeepHandler([this] { ++beeps; });
    }
    ~CTxtDataDir() {
        platform::SetMessageBoxHandler(m_oldBox);
        platform::SetBeepHandler(m_oldBeep);
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    CTxtDataDir(const CTxtDataDir&) = delete;
    CTxtDataDir& operator=(const CTxtDataDir&) = delete;

    // Writes the lines (Shift-JIS bytes) with CR LF line ends.
    std::string Write(const std::string& name, const std::vector<std::string>& lines) {
        std::string body;
        for (const std::string& l : lines) body += l + "\r\n";
        return WriteRaw(name, body);
    }
    std::string WriteRaw(const std::string& name, const std::string& bytes) {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string Path(const std::string& name) const { return (m_root / "TxtData" / name).string(); }
    std::string Root() const { return m_root.string(); }

    std::vector<std::string> messages;
    int beeps = 0;

private:
    std::filesystem::path m_root;
    platform::MessageBoxHandler m_oldBox;
    platform::BeepHandler m_oldBeep;
};
