#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/DataDirectory.h"
#include "app/KirokanApp.h"
#include "app/SettingsStore.h"

int main(int argc, char* argv[]) {
    // The museum's own options come first and need no display.
    const CommandLine options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::fprintf(stderr, "kirokan: %s\n%s", options.error.c_str(), CommandLineHelp("kirokan").c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(CommandLineHelp("kirokan").c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::fputs(CommandLineVersion(KIROKAN_BUILD_VERSION).c_str(), stdout);
        return 0;
    }
    const char* env = std::getenv("KIROKAN_DATA_DIR");
    const DataDirectoryChoice data = ChooseDataDirectory(
        {CSettingsStore::WorkingDirectory(), options.dataDir, env ? env : "", CSettingsStore::ExecutablePath()});
    for (const std::string& note : data.notes) std::fprintf(stderr, "kirokan: %s\n", note.c_str());

    QApplication app(argc, argv);
    CKirokanApp theApp;
    theApp.SetSettingsInit([data] { CSettingsStore::Instance().InitForData(data.dir, data.HoldsMuseum()); });
    if (!theApp.InitInstance()) return 1;
    const int result = app.exec();
    theApp.ExitInstance();
    return result;
}
