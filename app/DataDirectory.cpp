#include "app/DataDirectory.h"

#include <sys/stat.h>

namespace {

std::string Parent(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::string InstalledDataDirectory(const std::string& executable) {
    if (executable.empty()) return {};
    const std::string bin = Parent(executable);
    return Parent(bin) + "/share/kirokan";
}

bool HoldsTxtData(const std::string& dir) {
    if (dir.empty()) return false;
    struct stat st {};
    return stat((dir + "/TxtData").c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

DataDirectoryChoice ChooseDataDirectory(const DataDirectoryInputs& in) {
    DataDirectoryChoice choice;
    if (HoldsTxtData(in.workingDir)) {
        choice.dir = in.workingDir;
        choice.source = DataDirectorySource::WorkingDirectory;
        return choice;
    }
    const struct {
        const std::string& dir;
        DataDirectorySource source;
        const char* named;
    } candidates[] = {
        {in.option, DataDirectorySource::Option, "--data-dir"},
        {in.environment, DataDirectorySource::Environment, "KIROKAN_DATA_DIR"},
    };
    for (const auto& c : candidates) {
        if (c.dir.empty()) continue;
        if (HoldsTxtData(c.dir)) {
            choice.dir = c.dir;
            choice.source = c.source;
            return choice;
        }
        choice.notes.push_back(std::string(c.named) + " " + c.dir + ": no TxtData directory there");
    }
    const std::string installed = InstalledDataDirectory(in.executable);
    if (HoldsTxtData(installed)) {
        choice.dir = installed;
        choice.source = DataDirectorySource::Installed;
        return choice;
    }
    choice.dir = in.workingDir;
    choice.notes.push_back("no museum data (a TxtData directory) in the working directory " + in.workingDir +
                           (installed.empty() ? std::string() : " or in " + installed) +
                           "; start the museum with --data-dir DIR");
    return choice;
}
