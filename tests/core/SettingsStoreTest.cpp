#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "app/SettingsStore.h"
#include "app/WindowPlacement.h"
#include "tests/core/ReaderTestSupport.h"

using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { Store().Init(dir.Path(), "kirokan"); }
    static CSettingsStore& Store() { return CSettingsStore::Instance(); }
    std::string Ini() const { return dir / "kirokan.INI"; }
    TempDir dir;
};

TEST_F(SettingsStoreTest, FirstRunGivesTheDefaultsAndWritesNothing) {
    EXPECT_EQ(Store().GetOnePoint(), 1);
    EXPECT_EQ(Store().GetOnePointView(), 1);
    EXPECT_EQ(Store().GetKironoView(), 1);
    EXPECT_EQ(Store().GetKironoNo(0), 0);
    EXPECT_EQ(Store().GetKironoMode(0), 0);
    EXPECT_EQ(Store().GetWindowPos(), "");
    EXPECT_TRUE(Store().LoadFindStrings().empty());
    WindowPlacement p;
    p.left = 77;
    EXPECT_FALSE(Store().RestoreWindowPlacement(&p));  // the frame centres itself
    EXPECT_EQ(p.left, 77);
    EXPECT_FALSE(std::filesystem::exists(Ini()));
}

TEST_F(SettingsStoreTest, PathsComeFromTheWorkingDirectoryAsItIs) {
    TempDir other;
    const std::string mixed = other / "Museum Dir";
    std::filesystem::create_directory(mixed);
    Store().Init(mixed, "kirokan");
    EXPECT_EQ(Store().GetDataDir(), mixed);  // not lower-cased
    EXPECT_EQ(Store().GetSettingsPath(), mixed + "/kirokan.INI");
    EXPECT_EQ(Store().GetDataFilePath("kirono.txt"), mixed + "/TxtData/kirono.txt");
    Store().SetKironoNo(33);

    // Another working directory: another settings file, another TxtData.
    Store().Init(dir.Path(), "kirokan");
    EXPECT_EQ(Store().GetDataFilePath("okuno.txt"), dir / "TxtData/okuno.txt");
    EXPECT_EQ(Store().GetKironoNo(0), 0);
    Store().SetKironoNo(5);
    Store().Init(mixed, "kirokan");
    EXPECT_EQ(Store().GetKironoNo(0), 33);
    EXPECT_TRUE(std::filesystem::exists(Ini()));
}

TEST_F(SettingsStoreTest, EveryKeyKeepsWhatWasStored) {
    Store().SetOnePoint(42);
    Store().SetOnePointView(0);
    Store().SetKironoNo(-5);
    Store().SetKironoMode(7);  // out of range: the card clamps, the store keeps it
    Store().SetKironoView(0);
    EXPECT_EQ(Store().GetOnePoint(), 42);
    EXPECT_EQ(Store().GetOnePointView(), 0);
    EXPECT_EQ(Store().GetKironoNo(0), -5);
    EXPECT_EQ(Store().GetKironoMode(0), 7);
    EXPECT_EQ(Store().GetKironoView(), 0);
    Store().SetKironoNo(INT_MAX);
    EXPECT_EQ(Store().GetKironoNo(0), INT_MAX);
    // The caller's default counts only for a missing key.
    EXPECT_EQ(Store().GetKironoMode(3), 7);
    EXPECT_NE(ReadFile(Ini()).find("[Settings]\n"), std::string::npos);
}

TEST_F(SettingsStoreTest, BadValuesAndGarbageFilesReadSafely) {
    WriteFile(Ini(), "[settings]\nkironoNo=99999999999\nkironoMode=abc\nonepoint=\n"
                     "WindowPos=1,2,3\n");
    EXPECT_EQ(Store().GetKironoNo(0), INT_MAX);
    EXPECT_EQ(Store().GetKironoMode(0), 0);  // text that is no number
    EXPECT_EQ(Store().GetOnePoint(), 1);     // an empty value counts as missing
    WindowPlacement p;
    EXPECT_FALSE(Store().RestoreWindowPlacement(&p));

    std::string garbage(2000, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>(i * 131 % 256);
    WriteFile(Ini(), garbage);
    EXPECT_EQ(Store().GetOnePoint(), 1);
    EXPECT_EQ(Store().GetKironoView(), 1);
    EXPECT_EQ(Store().GetWindowPos(), "");
    EXPECT_TRUE(Store().LoadFindStrings().empty());
    EXPECT_EQ(ReadFile(Ini()), garbage);
}

TEST_F(SettingsStoreTest, HistoryKeepsTheFirstSixteenOfTheSortedList) {
    std::vector<std::string> history;
    for (int i = 20; i >= 1; --i) history.push_back("句" + std::to_string(i));
    std::sort(history.begin(), history.end());  // the combo's sorted list
    Store().SaveFindStrings(history);
    const std::vector<std::string> loaded = Store().LoadFindStrings();
    EXPECT_EQ(loaded, std::vector<std::string>(history.begin(), history.begin() + 16));
    EXPECT_EQ(Store().GetProfileString("Find Strings", "Find17", "none"), "none");

    // A shorter history later leaves the old keys beyond it in place.
    Store().SaveFindStrings({"a", "b"});
    const std::vector<std::string> again = Store().LoadFindStrings();
    ASSERT_EQ(again.size(), 16u);
    EXPECT_EQ(again[0], "a");
    EXPECT_EQ(again[2], history[2]);
}

TEST_F(SettingsStoreTest, AnEmptyHistoryKeyEndsLoading) {
    WriteFile(Ini(), "[Find Strings]\nFind1=松島\nFind2=\nFind3=古池\n");
    EXPECT_EQ(Store().LoadFindStrings(), std::vector<std::string>{"松島"});
    WriteFile(Ini(), "[Find Strings]\nFind2=古池\nFind1=蛙\n");
    EXPECT_EQ(Store().LoadFindStrings(), (std::vector<std::string>{"蛙", "古池"}));
    WriteFile(Ini(), "[Find Strings]\nFind1=x\nFind3=y\n");
    EXPECT_EQ(Store().LoadFindStrings(), std::vector<std::string>{"x"});
    // Keys in any case; a number written otherwise than plainly is no key.
    WriteFile(Ini(), "[Find Strings]\nFIND1=a\nfind2=b\nFind03=c\nFind+3=c\nFind 3=c\nFind3x=c\n");
    EXPECT_EQ(Store().LoadFindStrings(), (std::vector<std::string>{"a", "b"}));
    WriteFile(Ini(), "[Find Strings]\nFind2=b\nFind1=a\nFind3=c\nFind18446744073709551617=d\n");
    EXPECT_EQ(Store().LoadFindStrings(), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(SettingsStoreTest, WindowPosRestoresNormalAndMaximisedWindows) {
    WindowPlacement normal;
    normal.flags = 0;
    normal.showCmd = 1;
    normal.minX = normal.minY = -1;
    normal.maxX = normal.maxY = -1;
    normal.left = 100;
    normal.top = 50;
    normal.right = 900;
    normal.bottom = 700;
    Store().SaveWindowPlacement(normal, false);
    EXPECT_EQ(Store().GetWindowPos(), "0,1,-1,-1,-1,-1,100,50,900,700");
    WindowPlacement p;
    ASSERT_TRUE(Store().RestoreWindowPlacement(&p));
    EXPECT_EQ(FormatWindowPos(p), "0,1,-1,-1,-1,-1,100,50,900,700");

    WindowPlacement maxed = normal;
    maxed.flags = 1;  // whatever the frame had: replaced by 2
    maxed.showCmd = 3;
    Store().SaveWindowPlacement(maxed, true);
    EXPECT_EQ(Store().GetWindowPos(), "2,3,-1,-1,-1,-1,100,50,900,700");
    ASSERT_TRUE(Store().RestoreWindowPlacement(&p));
    EXPECT_EQ(p.flags, 2u);
    EXPECT_EQ(p.showCmd, 3u);
    EXPECT_EQ(p.left, 100);
    EXPECT_EQ(p.bottom, 700);
}

TEST(WindowPos, ParsingWantsExactlyTenNumbers) {
    WindowPlacement p;
    ASSERT_TRUE(ParseWindowPos("4294967295,1,-2147483648,2147483647,0,0,0,0,0,0", &p));
    EXPECT_EQ(p.flags, 4294967295u);
    EXPECT_EQ(p.minX, INT_MIN);
    EXPECT_EQ(p.minY, INT_MAX);

    const char* bad[] = {
        "",
        "0,1,2,3,4,5,6,7,8",          // nine fields
        "0,1,2,3,4,5,6,7,8,9,10",     // eleven
        "0,1,2,3,4,5,6,7,8,9x",       // trailing text
        "0,1,2,3,4,5,6,7,8,9 ",       // trailing blank
        "0,1,2,3,4,5,6,7,8,9\r",
        "0, 1,2,3,4,5,6,7,8,9",       // blank inside
        "0,1,2,3,,5,6,7,8,9",         // empty field
        "0,1,2,3,4,5,6,7,8,",
        "+0,1,2,3,4,5,6,7,8,9",
        "-1,1,2,3,4,5,6,7,8,9",       // negative unsigned field
        "4294967296,1,2,3,4,5,6,7,8,9",
        "0,1,2147483648,3,4,5,6,7,8,9",
        "0,1,-2147483649,3,4,5,6,7,8,9",
        "0,1,2,3,4,5,6,7,8,0x9",
        "a,b,c,d,e,f,g,h,i,j",
    };
    for (const char* text : bad) {
        WindowPlacement q;
        q.left = 12345;
        EXPECT_FALSE(ParseWindowPos(text, &q)) << text;
        EXPECT_EQ(q.left, 12345) << text;
    }
}

// Restores an environment variable when the test ends.
class EnvGuard {
public:
    explicit EnvGuard(const char* name) : m_name(name) {
        if (const char* v = std::getenv(name)) m_old = v;
    }
    ~EnvGuard() {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST_F(SettingsStoreTest, AnUnwritableWorkingDirectoryKeepsSettingsInTheUserConfig) {
    EnvGuard xdg("XDG_CONFIG_HOME");
    EnvGuard home("HOME");
    TempDir config;
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    // A directory that does not exist is one the program cannot write to
    // (a read-only directory would not do when the tests run as root).
    const std::string gone = dir / "gone";
    Store().Init(gone, "kirokan");
    EXPECT_EQ(Store().GetDataDir(), gone);
    EXPECT_EQ(Store().GetDataFilePath("goi.txt"), gone + "/TxtData/goi.txt");
    EXPECT_EQ(Store().GetSettingsPath(), config / "kirokan/kirokan.INI");
    EXPECT_EQ(Store().GetOnePoint(), 1);
    Store().SetOnePoint(8);  // creates the folder
    EXPECT_EQ(Store().GetOnePoint(), 8);
    EXPECT_TRUE(std::filesystem::exists(config / "kirokan/kirokan.INI"));

    // A relative XDG_CONFIG_HOME does not count: ~/.config is used.
    setenv("XDG_CONFIG_HOME", "relative", 1);
    setenv("HOME", config.Path().c_str(), 1);
    Store().Init(gone, "kirokan");
    EXPECT_EQ(Store().GetSettingsPath(), config / ".config/kirokan/kirokan.INI");
}

}  // namespace
