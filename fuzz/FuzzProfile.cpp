// Reads an arbitrary settings file through the profile functions and the
// settings store, then writes one key into it.
#include <cstdint>
#include <string>
#include <vector>

#include "app/SettingsStore.h"
#include "app/WindowPlacement.h"
#include "fuzz/FuzzSupport.h"
#include "platform/Profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using fuzzsupport::Check;
    fuzzsupport::DataDir();
    const fuzzsupport::InputScope scope;
    CSettingsStore& store = CSettingsStore::Instance();
    const std::string& ini = store.GetSettingsPath();
    // The settings file is a memory file: read and written without the file
    // system, through the same parsing and merging as a file on disk.
    fuzzsupport::PutFile(ini, data, size);

    store.GetOnePoint();
    store.GetOnePointView();
    store.GetKironoNo(0);
    store.GetKironoMode(0);
    store.GetKironoView();
    const auto history = store.LoadFindStrings();
    Check(history.size() <= size);
    for (const auto& entry : history) Check(!entry.empty());
    // A key read alone gives what the whole section gives for it.
    for (const char* section : {"Settings", "Find Strings"})
        for (const auto& [key, value] : platform::GetPrivateProfileSection(ini, section))
            Check(platform::GetPrivateProfileString(ini, section, key, "\n") == value);

    // A placement that parses formats back to the same placement.
    WindowPlacement p;
    if (store.RestoreWindowPlacement(&p)) {
        WindowPlacement q;
        Check(ParseWindowPos(FormatWindowPos(p), &q));
        Check(FormatWindowPos(q) == FormatWindowPos(p));
    }
    const std::string raw(reinterpret_cast<const char*>(data), size);
    if (ParseWindowPos(raw, &p)) {
        WindowPlacement q;
        Check(ParseWindowPos(FormatWindowPos(p), &q));
    }

    // One write an input (the input's last byte chooses which): writing a
    // key changes that key only.
    const int onepoint = store.GetOnePoint();
    const std::string pos = store.GetWindowPos();
    if (size > 0 && (data[size - 1] & 1)) {
        const std::vector<std::string> before = store.LoadFindStrings();
        store.SetKironoNo(12345);
        Check(store.GetKironoNo(0) == 12345);
        Check(store.LoadFindStrings() == before);
    } else {
        const int kironoNo = store.GetKironoNo(0);
        store.SaveFindStrings({"a", "b"});
        const auto after = store.LoadFindStrings();
        Check(after.size() >= 2 && after[0] == "a" && after[1] == "b");
        Check(store.GetKironoNo(0) == kironoNo);
    }
    Check(store.GetOnePoint() == onepoint);
    Check(store.GetWindowPos() == pos);
    return 0;
}
