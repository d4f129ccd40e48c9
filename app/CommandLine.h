#pragma once
// The program's command line: --help, --version and --data-dir DIR (also
// --data-dir=DIR). Anything else is left for the window system's own options
// (-platform, -style, ...); with no option the museum starts as it always did.
#include <string>
#include <vector>

struct CommandLine {
    bool help = false;
    bool version = false;
    std::string dataDir;
    std::string error;  // a usage error, for standard error (exit status 2)
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);  // without the program name

// The texts printed for --help and --version (UTF-8).
std::string CommandLineHelp(const std::string& program);
std::string CommandLineVersion(const std::string& buildVersion);
