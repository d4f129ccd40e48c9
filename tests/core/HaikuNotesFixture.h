#pragma once
// A data directory made for a test: TxtData/kirono.txt with notes for every
// registered haiku, written in Shift-JIS (this file's literals are Shift-JIS),
// and the settings store pointed at it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/SettingsStore.h"

namespace hallfixture {

// Small deterministic generator so every run writes the same file.
struct Lcg {
    unsigned state;
    unsigned Next() {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7FFF;
    }
};

// A reading of 0..maxChars characters mixing hiragana, katakana (whose trail
// bytes include 0x41..0x5A) and ASCII letters of both cases.
inline std::string MakeText(Lcg& g, int maxChars) {
    static const char* const kPieces[] = {"あ", "か", "さ", "た", "な", "は", "ま", "や", "ら",
                                          "わ", "ア", "カ", "チ", "ソ", "ネ", "Z",  "a",  "B",
                                          "ｶ",  "ゆ", "ふ", "ケ", "m",  "Q"};
    const int n = static_cast<int>(g.Next() % (maxChars + 1));
    std::string out;
    for (int i = 0; i < n; ++i) out += kPieces[g.Next() % (sizeof kPieces / sizeof kPieces[0])];
    return out;
}

// The notes section of registered haiku number regNo.
inline std::string MakeSection(int regNo) {
    Lcg g{static_cast<unsigned>(regNo) * 7919u + 17u};
    static const char* const kSeasons[] = {"春", "夏", "秋", "冬", "新年", ""};
    static const char* const kSources[] = {"笈日記",   "Arano",       "あら野",
                                           "",         "キロノ翁句集草稿", "続虚栗（ぞくみなしぐり）巻之上",
                                           "ARANO",    "猿蓑"};
    std::string s = "[" + std::to_string(regNo) + "]\n";
    s += "// generated\n";
    s += "1:前書" + std::to_string(regNo) + "\n";
    s += "2:" + MakeText(g, 10) + " " + MakeText(g, 10) + " " + MakeText(g, 8) + "\n";
    s += std::string("3:") + kSeasons[g.Next() % 6] + "\n";
    s += "4:" + (g.Next() % 5 == 0 ? std::string() : MakeText(g, 14)) + "\n";
    s += std::string("5:") + kSources[g.Next() % 8] + "\n";
    s += "6:解釈の一行目。\n二行目\n";
    return s;
}

class DataDir {
public:
    DataDir() {
        char pattern[] = "/tmp/hallXXXXXX";
        dir_ = mkdtemp(pattern);
        std::filesystem::create_directories(dir_ + "/TxtData");
        CSettingsStore::Instance().Init(dir_, "kirokan");
    }
    ~DataDir() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    void WriteNotes(const std::string& content) const {
        std::ofstream out(dir_ + "/TxtData/kirono.txt", std::ios::binary);
        out << content;
    }
    void WriteAllNotes(int lastRegNo = 1017) const {
        std::string all;
        for (int n = 1; n <= lastRegNo; ++n) all += MakeSection(n) + "\n";
        WriteNotes(all);
    }
    const std::string& Path() const { return dir_; }

private:
    std::string dir_;
};

// A test suite sharing one such directory, with notes for every haiku; each
// test points the settings store at it again.
class AllNotesSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new DataDir;
        dir_->WriteAllNotes();
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override { CSettingsStore::Instance().Init(dir_->Path(), "kirokan"); }
    static inline DataDir* dir_ = nullptr;
};

}  // namespace hallfixture
