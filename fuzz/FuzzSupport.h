#pragma once
// Shared by the fuzz targets: one temporary data directory per process, the
// input written to a file in it, and a silent message box.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/stat.h>

#include "app/SettingsStore.h"
#include "platform/MessageBox.h"

namespace fuzzsupport {

// The process's data directory (with TxtData), made on first use; the
// settings store points at it and message boxes go nowhere.
inline const std::string& DataDir() {
    static const std::string dir = [] {
        // On a memory file system when there is one: every settings write
        // syncs its file, which would otherwise dominate the run.
        struct stat st {};
        char shm[] = "/dev/shm/kirokan-fuzz-XXXXXX";
        char tmp[] = "/tmp/kirokan-fuzz-XXXXXX";
        char* pattern = stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode) ? shm : tmp;
        if (!mkdtemp(pattern)) std::abort();
        const std::string d = pattern;
        mkdir((d + "/TxtData").c_str(), 0755);
        CSettingsStore::Instance().Init(d, "kirokan");
        platform::SetMessageBoxHandler([](const std::string&, const std::string&) { return platform::kIdOk; });
        return d;
    }();
    return dir;
}

inline void WriteBytes(const std::string& path, const uint8_t* data, size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
}

// Stops the run with a finding when an expectation fails.
inline void Check(bool ok) {
    if (!ok) __builtin_trap();
}

}  // namespace fuzzsupport
