#pragma once
// Where the museum's data is. The working directory comes first, as it
// always did, when it holds TxtData; otherwise a directory named on the
// command line (--data-dir) or in KIROKAN_DATA_DIR, then the museum data
// installed with the program (<prefix>/share/kirokan, found from the
// executable's own place, so a moved installation still finds it). A
// directory counts only when it holds a TxtData directory.
#include <string>
#include <vector>

struct DataDirectoryInputs {
    std::string workingDir;
    std::string option;       // --data-dir, empty when not given
    std::string environment;  // KIROKAN_DATA_DIR, empty when not set
    std::string executable;   // the running program's path
};

enum class DataDirectorySource { WorkingDirectory, Option, Environment, Installed, None };

struct DataDirectoryChoice {
    std::string dir;  // the working directory when nothing holds TxtData
    DataDirectorySource source = DataDirectorySource::None;
    // What was passed over and why, for standard error (a named directory
    // without TxtData, or no museum data anywhere).
    std::vector<std::string> notes;
    // The settings file may stand in dir only when dir holds the museum.
    bool HoldsMuseum() const { return source != DataDirectorySource::None; }
};

// The installed data directory for an executable: "<bin>/../share/kirokan".
std::string InstalledDataDirectory(const std::string& executable);
// True when dir/TxtData is a directory.
bool HoldsTxtData(const std::string& dir);

DataDirectoryChoice ChooseDataDirectory(const DataDirectoryInputs& in);
