// The scratch directories of tests, benchmarks and fuzz targets.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/support/ScratchDir.h"

namespace {

namespace fs = std::filesystem;

// A process id that no process has: a child that has ended and been reaped.
pid_t DeadPid() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    int status = 0;
    waitpid(child, &status, 0);
    return child;
}

TEST(ScratchDir, ADirectoryLeftByAKilledProcessGoesWithTheNextOfItsPrefix) {
    const fs::path base = fs::temp_directory_path();
    const std::string prefix = "kirokan-scratch-" + std::to_string(getpid());
    const fs::path dead = base / (prefix + "-" + std::to_string(DeadPid()) + "-AbC123");
    const fs::path living = base / (prefix + "-" + std::to_string(getppid()) + "-AbC123");
    const fs::path foreign = base / (prefix + "-notes");
    for (const fs::path& d : {dead, living, foreign}) {
        fs::create_directories(d / "TxtData");
        ASSERT_TRUE(fs::exists(d));
    }
    fs::path made;
    {
        const testsupport::ScratchDir scratch(prefix.c_str());
        made = scratch.Path();
        EXPECT_TRUE(fs::is_directory(made));
        EXPECT_NE(made.filename().string().find("-" + std::to_string(getpid()) + "-"), std::string::npos);
        EXPECT_FALSE(fs::exists(dead));
        EXPECT_TRUE(fs::exists(living));   // its process still runs
        EXPECT_TRUE(fs::exists(foreign));  // not of the pattern
    }
    EXPECT_FALSE(fs::exists(made));
    fs::remove_all(living);
    fs::remove_all(foreign);
}

}  // namespace
