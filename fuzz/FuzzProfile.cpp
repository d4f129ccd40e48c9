// Reads an arbitrary settings file through the profile functions and the
// settings store, then writes one key into it.
#include <cstdint>
#include <string>

#include "app/SettingsStore.h"
#include "app/WindowPlacement.h"
#include "fuzz/FuzzSupport.h"
#include "platform/Profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using fuzzsupport::Check;
    fuzzsupport::DataDir();
    CSettingsStore& store = CSettingsStore::Instance();
    const std::string& ini = store.GetSettingsPath();
    fuzzsupport::WriteBytes(ini, data, size);

    store.GetOnePoint();
    store.GetOnePointView();
    store.GetKironoNo(0);
    store.GetKironoMode(0);
    store.GetKironoView();
    const auto history = store.LoadFindStrings();
    Check(history.size() <= size);
    for (const auto& entry : history) Check(!entry.empty());

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

    // Writing one key changes that key only.
    const int onepoint = store.GetOnePoint();
    const std::string pos = store.GetWindowPos();
    store.SetKironoNo(12345);
    Check(store.GetKironoNo(0) == 12345);
    Check(store.GetOnePoint() == onepoint);
    Check(store.GetWindowPos() == pos);
    store.SaveFindStrings({"a", "b"});
    const auto after = store.LoadFindStrings();
    Check(after.size() >= 2 && after[0] == "a" && after[1] == "b");
    Check(store.GetKironoNo(0) == 12345);
    return 0;
}
