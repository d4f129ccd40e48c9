#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "platform/Profile.h"
#include "platform/TextFile.h"
#include "tests/core/ReaderTestSupport.h"

using namespace platform;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

std::vector<std::string> DirectoryEntries(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename());
    return names;
}

TEST(Profile, MissingFileSectionOrKeyGivesTheDefault) {
    TempDir dir;
    const std::string ini = dir / "k.INI";
    EXPECT_EQ(GetPrivateProfileString(ini, "Settings", "WindowPos", "none"), "none");
    EXPECT_EQ(GetPrivateProfileInt(ini, "Settings", "onepoint", 7), 7);
    WriteFile(ini, "[Settings]\nonepoint=3\n");
    EXPECT_EQ(GetPrivateProfileInt(ini, "Settings", "onepoint", 7), 3);
    EXPECT_EQ(GetPrivateProfileInt(ini, "Settings", "kironoNo", 7), 7);
    EXPECT_EQ(GetPrivateProfileInt(ini, "Other", "onepoint", 7), 7);
    EXPECT_EQ(GetPrivateProfileString(ini, "Settings", "WindowPos"), "");
    // Reading never creates a file.
    EXPECT_FALSE(std::filesystem::exists(dir / "absent.INI"));
    GetPrivateProfileInt(dir / "absent.INI", "Settings", "x", 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "absent.INI"));
}

TEST(Profile, IntegersReadTheLeadingDecimalNumber) {
    EXPECT_EQ(ParseProfileInt("42"), 42);
    EXPECT_EQ(ParseProfileInt("-17"), -17);
    EXPECT_EQ(ParseProfileInt("12abc"), 12);
    EXPECT_EQ(ParseProfileInt("abc"), 0);
    EXPECT_EQ(ParseProfileInt(" 5"), 5);
    EXPECT_EQ(ParseProfileInt("-"), 0);
    EXPECT_EQ(ParseProfileInt("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(ParseProfileInt("-99999999999999999999999"), INT_MIN);
    EXPECT_EQ(ParseProfileInt("2147483647"), INT_MAX);
    EXPECT_EQ(ParseProfileInt("-2147483648"), INT_MIN);

    TempDir dir;
    const std::string ini = dir / "k.INI";
    WriteFile(ini, "[S]\ntext=abc\nempty=\nneg=-3\n");
    EXPECT_EQ(GetPrivateProfileInt(ini, "S", "text", 9), 0);
    EXPECT_EQ(GetPrivateProfileInt(ini, "S", "empty", 9), 9);
    EXPECT_EQ(GetPrivateProfileInt(ini, "S", "neg", 9), -3);
    ASSERT_TRUE(WritePrivateProfileInt(ini, "S", "big", INT_MIN));
    EXPECT_EQ(GetPrivateProfileInt(ini, "S", "big", 0), INT_MIN);
}

TEST(Profile, NamesIgnoreAsciiCaseButNotTheBytesOfDoubleByteCharacters) {
    TempDir dir;
    const std::string ini = dir / "k.INI";
    ASSERT_TRUE(WritePrivateProfileInt(ini, "Settings", "kironoNo", 5));
    EXPECT_EQ(GetPrivateProfileInt(ini, "SETTINGS", "KIRONONO", 0), 5);
    // Writing under another spelling replaces the key, it adds no second one.
    ASSERT_TRUE(WritePrivateProfileInt(ini, "settings", "KironoNo", 6));
    EXPECT_EQ(ReadFile(ini), "[Settings]\nKironoNo=6\n");

    // "ア" is 83 41 and "ャ" is 83 61: only the trail byte differs, by the
    // case of an ASCII letter. They are different names.
    ASSERT_TRUE(WritePrivateProfileString(ini, "ア", "キー", "one"));
    EXPECT_EQ(GetPrivateProfileString(ini, "ャ", "キー", "none"), "none");
    EXPECT_EQ(GetPrivateProfileString(ini, "ア", "キー", "none"), "one");
}

TEST(Profile, WritingOneKeyKeepsEverythingElse) {
    TempDir dir;
    const std::string ini = dir / "k.INI";
    const std::string before =
        "; made by hand\n"
        "stray line before any section\n"
        "[General-Bar0]\n"
        "Visible=1\n"
        "\n"
        "[Settings]\n"
        "onepoint=4\n"
        "garbage without equals\n"
        "kironoMode=2\n"
        "\n"
        "[Recent File List]\n"
        "File1=/museum/a\n";
    WriteFile(ini, before);

    ASSERT_TRUE(WritePrivateProfileInt(ini, "Settings", "onepoint", 9));
    std::string expected = before;
    expected.replace(expected.find("onepoint=4"), 10, "onepoint=9");
    EXPECT_EQ(ReadFile(ini), expected);

    // A new key goes to the end of its own section, before the blank line.
    ASSERT_TRUE(WritePrivateProfileInt(ini, "Settings", "kironoView", 0));
    expected.insert(expected.find("kironoMode=2\n") + 13, "kironoView=0\n");
    EXPECT_EQ(ReadFile(ini), expected);

    // A new section is appended after a blank line.
    ASSERT_TRUE(WritePrivateProfileString(ini, "Find Strings", "Find1", "古池"));
    expected += "\n[Find Strings]\nFind1=古池\n";
    EXPECT_EQ(ReadFile(ini), expected);
    EXPECT_EQ(GetPrivateProfileString(ini, "Recent File List", "File1"), "/museum/a");
}

TEST(Profile, CrLfFilesKeepTheirLineEnds) {
    TempDir dir;
    const std::string ini = dir / "k.INI";
    WriteFile(ini, "[Settings]\r\nonepoint=4\r\n");
    EXPECT_EQ(GetPrivateProfileInt(ini, "Settings", "onepoint", 0), 4);
    ASSERT_TRUE(WritePrivateProfileInt(ini, "Settings", "kironoNo", 1));
    EXPECT_EQ(ReadFile(ini), "[Settings]\r\nonepoint=4\r\nkironoNo=1\r\n");
}

TEST(Profile, ValuesAreKeptByteForByte) {
    TempDir dir;
    const std::string ini = dir / "k.INI";
    // "表" and "ソ" end in 5C; "=" inside a value stays, blanks around it go
    // as they went with the platform's profile functions.
    const std::string value = "表ソ a=b ]";
    ASSERT_TRUE(WritePrivateProfileString(ini, "Find Strings", "Find1", "  " + value + "  "));
    EXPECT_EQ(GetPrivateProfileString(ini, "Find Strings", "Find1"), value);
    // A line break cannot smuggle a section or a key into the file.
    ASSERT_TRUE(WritePrivateProfileString(ini, "S", "k", "x\n[Settings]\nkironoNo=5"));
    EXPECT_EQ(GetPrivateProfileString(ini, "S", "k"), "x");
    EXPECT_EQ(GetPrivateProfileInt(ini, "Settings", "kironoNo", -1), -1);
    // Names that cannot be written back faithfully are refused.
    EXPECT_FALSE(WritePrivateProfileString(ini, "S", "a=b", "v"));
    EXPECT_FALSE(WritePrivateProfileString(ini, "S]", "k", "v"));
    EXPECT_FALSE(WritePrivateProfileString(ini, "", "k", "v"));
    EXPECT_FALSE(WritePrivateProfileString(ini, "S", "", "v"));
}

TEST(Profile, GarbageFilesReadAsDefaultsAndSurviveAWrite) {
    TempDir dir;
    const std::string ini = dir / "k.INI";
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 7919) % 251));
    garbage += "\nonepoint=5\n";  // a key line outside every section
    WriteFile(ini, garbage);
    EXPECT_EQ(GetPrivateProfileInt(ini, "Settings", "onepoint", 1), 1);
    EXPECT_EQ(ReadFile(ini), garbage);  // reading wrote nothing

    ASSERT_TRUE(WritePrivateProfileInt(ini, "Settings", "onepoint", 2));
    const std::string after = ReadFile(ini);
    EXPECT_EQ(after.substr(0, garbage.size()), garbage);
    EXPECT_EQ(GetPrivateProfileInt(ini, "Settings", "onepoint", 1), 2);

    // A NUL byte ends a value as it ends a C string.
    WriteFile(ini, std::string("[S]\nk=ab\0cd\n", 12));
    EXPECT_EQ(GetPrivateProfileString(ini, "S", "k"), "ab");
}

TEST(Profile, TheFirstSectionAndKeyOfAName) {
    TempDir dir;
    const std::string ini = dir / "k.INI";
    WriteFile(ini, "[S]\nk=1\nk=2\n[S]\nk=3\nj=4\n");
    EXPECT_EQ(GetPrivateProfileInt(ini, "S", "k", 0), 1);
    EXPECT_EQ(GetPrivateProfileInt(ini, "S", "j", 0), 0);
    const auto entries = GetPrivateProfileSection(ini, "s");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], (ProfileEntry{"k", "1"}));
}

TEST(Profile, AFailedWriteLeavesTheOldFileWhole) {
    TempDir dir;
    const std::string ini = dir / "k.INI";
    const std::string before = "[Settings]\nonepoint=4\n";
    WriteFile(ini, before);

    // A full disk: the file size limit stops the temporary file half-way.
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WritePrivateProfileString(ini, "Settings", "WindowPos", std::string(500, '1'));
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFile(ini), before);
    EXPECT_EQ(DirectoryEntries(dir.Path()), (std::vector<std::string>{"k.INI", "k.INI.lock"}));

    // No directory to write in.
    EXPECT_FALSE(WritePrivateProfileInt(dir / "none/k.INI", "S", "k", 1));
    // A directory in place of the file is neither read nor replaced.
    std::filesystem::create_directory(dir / "d.INI");
    EXPECT_EQ(GetPrivateProfileInt(dir / "d.INI", "S", "k", 3), 3);
    EXPECT_FALSE(WritePrivateProfileInt(dir / "d.INI", "S", "k", 1));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "d.INI"));

    // A successful write leaves no temporary file behind.
    ASSERT_TRUE(WritePrivateProfileInt(ini, "Settings", "onepoint", 5));
    for (const std::string& name : DirectoryEntries(dir.Path()))
        EXPECT_TRUE(name == "k.INI" || name == "d.INI" || name.ends_with(".lock")) << name;
}

}  // namespace

namespace {

std::vector<std::string> Pieces(const std::string& bytes, std::size_t max) {
    TempDir dir;
    WriteFile(dir / "f.txt", bytes);
    platform::CTextFile file;
    EXPECT_TRUE(file.Open(dir / "f.txt"));
    std::vector<std::string> pieces;
    std::string piece;
    while (file.ReadPiece(&piece, max)) pieces.push_back(piece);
    return pieces;
}

TEST(TextFile, PiecesKeepCharactersWholeAndLineEndsApart) {
    using V = std::vector<std::string>;
    // A lone CR right at a piece's end stays a byte of the line.
    EXPECT_EQ(Pieces("abc\rd\r\nxy\r", 3), (V{"abc", "\rd", "xy"}));
    EXPECT_EQ(Pieces("ab\r\rc", 3), (V{"ab\r", "\rc"}));
    // A double-byte character that would not fit goes to the next piece.
    EXPECT_EQ(Pieces("a表b\n", 2), (V{"a", "表", "b"}));
    // A lone lead byte before the line end, CR or NUL does not swallow it.
    EXPECT_EQ(Pieces("x\x95\ny\x95\r\nz\x95", 10), (V{"x\x95", "y\x95", "z\x95"}));
    EXPECT_EQ(Pieces(std::string("p\x95\0q\nr", 6), 10), (V{"p\x95", "r"}));
    EXPECT_EQ(Pieces("", 10), V{});
    EXPECT_EQ(Pieces("\n\n", 10), (V{"", ""}));
}

// A file is read 64 KiB at first, then in blocks of 16 KiB: a CR LF, a
// double-byte character and a lone CR cut by a reading's end read as they do
// within one, and a memory file (read whole) gives the same pieces.
TEST(TextFile, BlockEndsSplitNothingAndAMemoryFileReadsLikeTheFile) {
    using V = std::vector<std::string>;
    const std::string a(65535, 'a');         // CR at 65535, LF at 65536
    const std::string b(16382, 'b');         // 表 at 81919 and 81920
    const std::string c(16380, 'c');         // lone CR at 98303
    const std::string bytes = a + "\r\n" + b + "表x\n" + c + "\ry\n\x95";
    const V expected{a, b + "表x", c + "\ry", "\x95"};
    ASSERT_EQ(bytes.find('\n'), 65536u);
    ASSERT_EQ(bytes.substr(81919, 2), "表");
    ASSERT_EQ(bytes[98303], '\r');
    EXPECT_EQ(Pieces(bytes, std::size_t(-1)), expected);

    TempDir dir;
    const std::string path = dir / "memory.txt";
    SetMemoryFile(path, bytes);
    CTextFile file;
    ASSERT_TRUE(file.Open(path));
    V lines;
    std::string line;
    while (file.ReadLine(&line)) lines.push_back(line);
    RemoveMemoryFile(path);
    EXPECT_EQ(lines, expected);
    EXPECT_FALSE(std::filesystem::exists(path));

    // Pieces of two bytes keep the character whole across the block's end.
    const V pieces = Pieces(std::string(65534, 'b') + "表", 2);
    ASSERT_EQ(pieces.size(), 32768u);
    EXPECT_EQ(pieces.back(), "表");
}

}  // namespace

// ---------------------------------------------------------------------------
// Hand-edited files, special files, other processes.

namespace {

// Records the settings file's reports while it lives.
struct WarningRecorder {
    WarningRecorder() {
        ForgetProfileState();
        previous = SetProfileWarningHandler([this](const std::string& m) { messages.push_back(m); });
    }
    ~WarningRecorder() {
        SetProfileWarningHandler(previous);
        ForgetProfileState();
    }
    std::vector<std::string> messages;
    ProfileWarningHandler previous;
};

}  // namespace

TEST(Profile, BlanksAroundTheEqualsSignAndAfterTheValueAreIgnored) {
    TempDir dir;
    const std::string ini = dir / "k.INI";
    WriteFile(ini, "[Settings]\r\nWindowPos = 0,1,2 \r\n onepoint\t=\t7\t\r\nempty =  \r\n");
    EXPECT_EQ(GetPrivateProfileString(ini, "Settings", "WindowPos"), "0,1,2");
    EXPECT_EQ(GetPrivateProfileInt(ini, "Settings", "onepoint", 0), 7);
    EXPECT_EQ(GetPrivateProfileInt(ini, "Settings", "empty", 5), 5);
    const auto section = GetPrivateProfileSection(ini, "Settings");
    ASSERT_EQ(section.size(), 3u);
    EXPECT_EQ(section[0], (ProfileEntry{"WindowPos", "0,1,2"}));
    // A rewrite of another key keeps the hand-edited line as it was.
    ASSERT_TRUE(WritePrivateProfileInt(ini, "Settings", "kironoNo", 4));
    EXPECT_NE(ReadFile(ini).find("WindowPos = 0,1,2 \r\n"), std::string::npos);
}

TEST(Profile, SpecialFilesInPlaceOfTheSettingsFileReadAsNoneAndAreNotReplaced) {
    TempDir dir;
    const std::string fifo = dir / "fifo.INI";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const std::string folder = dir / "folder.INI";
    std::filesystem::create_directory(folder);
    const std::string zero = dir / "zero.INI";
    std::filesystem::create_symlink("/dev/zero", zero);
    for (const std::string& ini : {fifo, folder, zero}) {
        SCOPED_TRACE(ini);
        WarningRecorder warnings;
        // No reader blocks on a pipe without a writer or reads a device forever.
        EXPECT_EQ(GetPrivateProfileInt(ini, "Settings", "onepoint", 9), 9);
        EXPECT_TRUE(GetPrivateProfileSection(ini, "Settings").empty());
        // A write does not replace it; the value is kept for the run and the
        // failure said once.
        EXPECT_FALSE(WritePrivateProfileInt(ini, "Settings", "onepoint", 3));
        EXPECT_FALSE(WritePrivateProfileInt(ini, "Settings", "kironoNo", 2));
        EXPECT_EQ(GetPrivateProfileInt(ini, "Settings", "onepoint", 9), 3);
        EXPECT_EQ(GetPrivateProfileSection(ini, "Settings").size(), 2u);
        EXPECT_EQ(warnings.messages.size(), 1u);
        EXPECT_FALSE(std::filesystem::is_regular_file(ini));
    }
}

TEST(Profile, AReadOnlyFileIsLeftAloneAndItsValuesAreKeptForTheRun) {
    TempDir dir;
    const std::string ini = dir / "k.INI";
    WriteFile(ini, "[Settings]\nonepoint=5\n");
    std::filesystem::permissions(ini, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    WarningRecorder warnings;
    EXPECT_FALSE(WritePrivateProfileInt(ini, "Settings", "onepoint", 6));
    EXPECT_FALSE(WritePrivateProfileString(ini, "Find Strings", "Find0", "古池"));
    EXPECT_EQ(ReadFile(ini), "[Settings]\nonepoint=5\n");
    EXPECT_EQ(GetPrivateProfileInt(ini, "Settings", "onepoint", 0), 6);
    EXPECT_EQ(GetPrivateProfileString(ini, "Find Strings", "Find0"), "古池");
    ASSERT_EQ(warnings.messages.size(), 1u);
    EXPECT_NE(warnings.messages[0].find("read-only"), std::string::npos);
    EXPECT_NE(warnings.messages[0].find(ini), std::string::npos);
}

TEST(Profile, TheFileIsReadOnceUntilItChangesAndOnlyUpToItsBound) {
    TempDir dir;
    const std::string ini = dir / "k.INI";
    WriteFile(ini, "[S]\na=1\n");
    EXPECT_EQ(GetPrivateProfileInt(ini, "S", "a", 0), 1);
    // Another program replaces the file: the next read sees it.
    WriteFile(ini + ".new", "[S]\na=2\n");
    std::filesystem::rename(ini + ".new", ini);
    EXPECT_EQ(GetPrivateProfileInt(ini, "S", "a", 0), 2);
    // ... or rewrites it in place at once, to the same size: within one tick
    // of the file times the stamp stays, and still the read sees it.
    for (int v = 3; v <= 9; ++v) {
        WriteFile(ini, "[S]\na=" + std::to_string(v) + "\n");
        EXPECT_EQ(GetPrivateProfileInt(ini, "S", "a", 0), v);
    }

    // A huge file: its first MiB is read, and it is never rewritten from a part.
    std::string huge = "[S]\nb=7\n";
    huge.append(3u << 20, 'x');
    huge += "\nc=8\n";
    WriteFile(ini, huge);
    WarningRecorder warnings;
    EXPECT_EQ(GetPrivateProfileInt(ini, "S", "b", 0), 7);
    EXPECT_EQ(GetPrivateProfileInt(ini, "S", "c", 0), 0);
    EXPECT_FALSE(WritePrivateProfileInt(ini, "S", "d", 1));
    EXPECT_EQ(std::filesystem::file_size(ini), huge.size());
    EXPECT_EQ(GetPrivateProfileInt(ini, "S", "d", 0), 1);
    EXPECT_EQ(warnings.messages.size(), 1u);
}

TEST(Profile, WritersInTwoProcessesLoseNoKeyAndLeaveNoTemporaryFile) {
    TempDir dir;
    const std::string ini = dir / "kirokan.INI";
    // A temporary file that a killed writer left behind.
    WriteFile(ini + ".a1B2c3", "[S]\n");
    constexpr int kKeys = 200;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            bool ok = true;
            for (int k = 0; k < kKeys; ++k)
                ok = WritePrivateProfileInt(ini, "S", "p" + std::to_string(c) + "k" + std::to_string(k), k) && ok;
            _exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(GetPrivateProfileSection(ini, "S").size(), 2u * kKeys);
    for (int c = 0; c < 2; ++c)
        for (int k = 0; k < kKeys; k += 37)
            EXPECT_EQ(GetPrivateProfileInt(ini, "S", "p" + std::to_string(c) + "k" + std::to_string(k), -1), k);
    for (const std::string& name : DirectoryEntries(dir.Path()))
        EXPECT_TRUE(name == "kirokan.INI" || name == "kirokan.INI.lock") << name << " left behind";
}

// The fuzz targets' seam: a memory file in place of the settings file is read
// and rewritten exactly as the same file on disk is, and no file appears.
TEST(Profile, AMemorySettingsFileIsMergedLikeTheFileOnDisk) {
    TempDir dir;
    const std::string disk = dir / "disk.INI";
    const std::string memory = dir / "memory.INI";
    const std::string start = "; kept\r\n[Settings]\r\nonepoint = 3\r\n\r\n[FindStrings]\r\n0=a\r\n";
    WriteFile(disk, start);
    SetMemoryFile(memory, start);
    for (const std::string& path : {disk, memory}) {
        EXPECT_EQ(GetPrivateProfileInt(path, "settings", "ONEPOINT", 0), 3);
        EXPECT_TRUE(WritePrivateProfileInt(path, "Settings", "kironoNo", 12));
        EXPECT_TRUE(WritePrivateProfileString(path, "New", "k", "v\nw"));
        EXPECT_EQ(GetPrivateProfileInt(path, "Settings", "kironoNo", 0), 12);
        EXPECT_EQ(GetPrivateProfileString(path, "FindStrings", "0"), "a");
    }
    const MemoryFile* written = FindMemoryFile(memory);
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(*written->bytes, ReadFile(disk));
    // A new value set from outside is seen at once, with no file time to wait for.
    SetMemoryFile(memory, "[Settings]\nonepoint=5\n");
    EXPECT_EQ(GetPrivateProfileInt(memory, "Settings", "onepoint", 0), 5);
    EXPECT_FALSE(std::filesystem::exists(memory));
    EXPECT_FALSE(std::filesystem::exists(memory + ".lock"));
    RemoveMemoryFile(memory);
    EXPECT_EQ(FindMemoryFile(memory), nullptr);
}

