#pragma once
// A directory of the test's, benchmark's or fuzz target's own, made at once
// and removed with everything in it when the object goes (for a static one,
// when the process ends normally). On a memory file system when asked and
// one is there: a settings write syncs its file, which would otherwise
// dominate a fuzz run.
#include <sys/stat.h>

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
        std::string pattern = base + "/" + prefix + "-XXXXXX";
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
    std::string m_path;
};

}  // namespace testsupport
