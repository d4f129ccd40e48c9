#pragma once
// Shared by the fuzz targets: one temporary data directory per process
// (removed again when the process ends), the input held as a memory file in
// it, and a silent message box.
#include <cstdint>
#include <filesystem>
#include <string>

#include <sys/stat.h>

#include "app/SettingsStore.h"
#include "tests/support/ScratchDir.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "platform/TextFile.h"

namespace fuzzsupport {

inline const testsupport::ScratchDir& Scratch() {
    static const testsupport::ScratchDir dir("kirokan-fuzz", true);
    return dir;
}

// The process's data directory (with TxtData), made on first use; the
// settings store points at it and message boxes go nowhere.
inline const std::string& DataDir() {
    static const std::string dir = [] {
        const std::string d = Scratch().Path();
        mkdir((d + "/TxtData").c_str(), 0755);
        CSettingsStore::Instance().Init(d, "kirokan");
        platform::SetMessageBoxHandler([](const std::string&, const std::string&) { return platform::kIdOk; });
        return d;
    }();
    return dir;
}

// The input as the file at path, held in memory: no file system work per
// input, for the readers and for the settings file's writes alike.
inline void PutFile(const std::string& path, const uint8_t* data, size_t size) {
    platform::SetMemoryFile(path, std::string(reinterpret_cast<const char*>(data), size));
}

// Frees, when an input ends, what the input left behind: the memory files
// and the settings functions' cache. Every allocation an input makes is then
// freed by its end, so libFuzzer's leak check (which runs whenever an input
// ends with more allocations than frees) runs only on a real leak.
struct InputScope {
    InputScope() = default;
    InputScope(const InputScope&) = delete;
    InputScope& operator=(const InputScope&) = delete;
    ~InputScope() {
        platform::RemoveAllMemoryFiles();
        platform::ForgetProfileState();
    }
};

// Stops the run with a finding when an expectation fails.
inline void Check(bool ok) {
    if (!ok) __builtin_trap();
}

}  // namespace fuzzsupport
