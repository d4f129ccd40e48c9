#pragma once
// A directory of the test's, benchmark's or fuzz target's own, made at once
// and removed with everything in it when the object goes (for a static one,
// when the process ends normally). On a memory file system when asked and
// one is there: a settings write syncs its file, which would otherwise
// dominate a fuzz run. The name holds the process id, so that the
// directories of processes that were killed or stopped at a finding are
// removed by the next one of the same prefix.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace testsupport {

class ScratchDir {
public:
    explicit ScratchDir(const char* prefix = "kirokan-test", bool inMemory = false) {
        struct stat st {};
        const std::string base = inMemory && stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode)
                                     ? std::string("/dev/shm")
                                     : std::filesystem::temp_directory_path().string();
        RemoveLeftOvers(base, prefix);
        std::string pattern = base + "/" + prefix + "-" + std::to_string(getpid()) + "-XXXXXX";
        if (!mkdtemp(pattern.data())) std::abort();
        m_path = pattern;
    }
    ~ScratchDir() {
        std::error_code ec;
        // A test may have taken the owner's rights away to make a file unwritable.
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    // "<prefix>-<pid>-XXXXXX" of a process that no longer runs.
    static void RemoveLeftOvers(const std::string& base, const std::string& prefix) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(base, ec)) {
            const std::string name = entry.path().filename().string();
            if (name.size() <= prefix.size() + 8 || name.compare(0, prefix.size() + 1, prefix + "-") != 0) continue;
            const std::string rest = name.substr(prefix.size() + 1);
            const std::size_t dash = rest.find('-');
            if (dash == 0 || dash == std::string::npos || rest.size() - dash - 1 != 6) continue;
            if (rest.find_first_not_of("0123456789") != dash) continue;
            const long pid = std::strtol(rest.c_str(), nullptr, 10);
            if (pid <= 0 || pid == getpid() || kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
            std::error_code ignored;
            std::filesystem::remove_all(entry.path(), ignored);
        }
    }

    std::string m_path;
};

}  // namespace testsupport
