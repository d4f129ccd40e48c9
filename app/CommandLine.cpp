#include "app/CommandLine.h"

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    const std::string kDataDir = "--data-dir";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            line.help = true;
        } else if (a == "--version") {
            line.version = true;
        } else if (a == kDataDir) {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                line.error = "--data-dir needs a directory";
                return line;
            }
            line.dataDir = args[++i];
        } else if (a.rfind(kDataDir + "=", 0) == 0) {
            line.dataDir = a.substr(kDataDir.size() + 1);
            if (line.dataDir.empty()) {
                line.error = "--data-dir needs a directory";
                return line;
            }
        }
    }
    return line;
}

std::string CommandLineHelp(const std::string& program) {
    return "Usage: " + program + " [--data-dir DIR]\n"
           "A desktop museum of the haiku poet Kirono: the haiku, the journals and\n"
           "works, the poet's life and the old calendar of 1644-1694.\n"
           "\n"
           "  --data-dir DIR  read the museum's data from DIR/TxtData when the\n"
           "                  working directory holds no TxtData (also KIROKAN_DATA_DIR)\n"
           "  --version       show the version and exit\n"
           "  -h, --help      show this help and exit\n"
           "\n"
           "The data directory is the working directory when it holds TxtData,\n"
           "else DIR, else the museum installed with the program. The settings file\n"
           "kirokan.INI is kept beside the data when that directory is writable,\n"
           "else in $XDG_CONFIG_HOME/kirokan (~/.config/kirokan).\n";
}

std::string CommandLineVersion(const std::string& buildVersion) {
    return "kirokan V1.08 (build " + buildVersion + ")\n";
}
