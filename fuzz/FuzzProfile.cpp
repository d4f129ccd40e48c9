// Reads an arbitrary settings file through the profile functions and the
// settings store, then writes one key into it.
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

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
    // Dated an hour back, a second apart from the last input: the file is
    // then read once for all the reads below (a file changed within the last
    // tick of the file times is read anew every time), and never mistaken
    // for the last input's.
    static long long serial = 0;
    const timespec times[2] = {{std::time(nullptr) - 3600 + (++serial % 1800), 0},
                               {std::time(nullptr) - 3600 + (serial % 1800), 0}};
    utimensat(AT_FDCWD, ini.c_str(), times, 0);

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
