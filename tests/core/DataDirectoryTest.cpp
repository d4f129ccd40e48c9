// Where the museum finds its data, what the command line asks, and that a
// directory without the museum is never written to.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/CommandLine.h"
#include "app/DataDirectory.h"
#include "app/SettingsStore.h"
#include "tests/core/ReaderTestSupport.h"

namespace {

using testsupport::TempDir;

void MakeMuseum(const std::string& dir) { std::filesystem::create_directories(dir + "/TxtData"); }

TEST(DataDirectory, TheWorkingDirectoryFirstThenTheOptionTheEnvironmentAndTheInstallation) {
    TempDir root;
    const std::string work = root / "work", named = root / "named", env = root / "env";
    const std::string prefix = root / "usr";
    const std::string exe = prefix + "/bin/kirokan";
    for (const std::string& d : {work, named, env}) std::filesystem::create_directories(d);
    MakeMuseum(prefix + "/share/kirokan");
    EXPECT_EQ(InstalledDataDirectory(exe), prefix + "/share/kirokan");

    // Nothing but the installation holds TxtData.
    DataDirectoryChoice c = ChooseDataDirectory({work, "", "", exe});
    EXPECT_EQ(c.source, DataDirectorySource::Installed);
    EXPECT_EQ(c.dir, prefix + "/share/kirokan");
    // The environment before the installation, the option before both.
    MakeMuseum(env);
    EXPECT_EQ(ChooseDataDirectory({work, "", env, exe}).dir, env);
    MakeMuseum(named);
    c = ChooseDataDirectory({work, named, env, exe});
    EXPECT_EQ(c.source, DataDirectorySource::Option);
    EXPECT_EQ(c.dir, named);
    // The working directory with TxtData comes first of all, as it always did.
    MakeMuseum(work);
    EXPECT_EQ(ChooseDataDirectory({work, named, env, exe}).source, DataDirectorySource::WorkingDirectory);

    // A named directory without the museum is passed over, and said so.
    const std::string empty = root / "empty";
    std::filesystem::create_directories(empty);
    c = ChooseDataDirectory({empty, empty, "", exe});
    EXPECT_EQ(c.source, DataDirectorySource::Installed);
    ASSERT_EQ(c.notes.size(), 1u);
    EXPECT_NE(c.notes[0].find("--data-dir " + empty), std::string::npos);
}

TEST(DataDirectory, NoMuseumAnywhereWritesNothingThereAndKeepsTheSettingsInTheUserConfig) {
    TempDir root;
    const std::string work = root / "somewhere", config = root / "config";
    std::filesystem::create_directories(work);
    const DataDirectoryChoice c = ChooseDataDirectory({work, "", "", root / "bin/kirokan"});
    EXPECT_FALSE(c.HoldsMuseum());
    EXPECT_EQ(c.dir, work);
    ASSERT_EQ(c.notes.size(), 1u);
    EXPECT_NE(c.notes[0].find("--data-dir"), std::string::npos);

    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    CSettingsStore& store = CSettingsStore::Instance();
    store.Init(c.dir, "kirokan", c.HoldsMuseum());
    store.SetKironoNo(7);
    EXPECT_EQ(store.GetSettingsPath(), config + "/kirokan/kirokan.INI");
    EXPECT_TRUE(std::filesystem::exists(config + "/kirokan/kirokan.INI"));
    EXPECT_TRUE(std::filesystem::is_empty(work)) << "the working directory was written to";
    if (old) setenv("XDG_CONFIG_HOME", saved.c_str(), 1); else unsetenv("XDG_CONFIG_HOME");
}

TEST(CommandLine, HelpVersionAndTheDataDirectory) {
    EXPECT_FALSE(ParseCommandLine({}).help);
    EXPECT_TRUE(ParseCommandLine({"--help"}).help);
    EXPECT_TRUE(ParseCommandLine({"-h"}).help);
    EXPECT_TRUE(ParseCommandLine({"--version"}).version);
    EXPECT_EQ(ParseCommandLine({"--data-dir", "/srv/museum"}).dataDir, "/srv/museum");
    EXPECT_EQ(ParseCommandLine({"--data-dir=/srv/museum"}).dataDir, "/srv/museum");
    EXPECT_FALSE(ParseCommandLine({"--data-dir"}).error.empty());
    EXPECT_FALSE(ParseCommandLine({"--data-dir="}).error.empty());
    // The window system's own options are left alone.
    const CommandLine qt = ParseCommandLine({"-platform", "offscreen"});
    EXPECT_TRUE(qt.error.empty());
    EXPECT_FALSE(qt.help || qt.version);

    EXPECT_EQ(CommandLineVersion("1.08-abc"), "kirokan V1.08 (build 1.08-abc)\n");
    const std::string help = CommandLineHelp("kirokan");
    for (const char* word : {"--data-dir DIR", "--version", "--help", "KIROKAN_DATA_DIR", "kirokan.INI"})
        EXPECT_NE(help.find(word), std::string::npos) << word;
}

}  // namespace
