#include <gtest/gtest.h>

#include <string>

#include "platform/Codec.h"
#include "platform/MessageBox.h"
#include "platform/ShiftJis.h"

using platform::Cp932ToUtf8;
using platform::Utf8ToCp932;

namespace {

// u8 literals keep their UTF-8 bytes although this file's narrow literals are
// Shift-JIS; char8_t arrays are turned into std::string here.
std::string U8(const char8_t* s) { return std::string(reinterpret_cast<const char*>(s)); }

struct RoundTrip {
    const char8_t* utf8;
    const char* cp932;
};

TEST(Codec, RoundTripsTheTellingCharacters) {
    const RoundTrip cases[] = {
        {u8"～", "\x81\x60"},
        {u8"黑", "\xFC\x4B"},
        {u8"ｷｬﾝｾﾙ", "\xB7\xAC\xDD\xBE\xD9"},
        {u8"表", "\x95\x5C"},
        {u8"ソ", "\x83\x5C"},
        {u8"登録全句", "登録全句"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToCp932(U8(c.utf8)), std::string(c.cp932));
        EXPECT_EQ(Cp932ToUtf8(c.cp932), U8(c.utf8));
    }
}

TEST(Codec, NarrowLiteralsOfTheCoreAreShiftJis) {
    // The core is compiled with the CP932 execution character set.
    EXPECT_EQ(std::string("表"), std::string("\x95\x5C"));
    EXPECT_EQ(std::string("『キロノ』").size(), 10u);
}

TEST(Codec, InvalidShiftJisIsReplacedVisibly) {
    // A lone lead byte at the end, and bytes that are no CP932 character.
    EXPECT_EQ(Cp932ToUtf8("A\x81"), U8(u8"A\uFFFD"));
    EXPECT_EQ(Cp932ToUtf8("\xFD" "B"), U8(u8"\uFFFDB"));
    // A lead byte followed by a line feed keeps the line feed.
    EXPECT_EQ(Cp932ToUtf8("\x81\nC"), U8(u8"\uFFFD\nC"));
}

TEST(Codec, CharactersWithoutCp932FormBecomeAQuestionMark) {
    EXPECT_EQ(Utf8ToCp932(U8(u8"a\U0001F600b")), std::string("a\x81\x48" "b"));
    // A malformed UTF-8 byte is replaced, the following text is kept.
    EXPECT_EQ(Utf8ToCp932(std::string("\xE3" "AB")), std::string("\x81\x48" "AB"));
    EXPECT_EQ(Utf8ToCp932(""), "");
}

TEST(ShiftJis, CutsOnlyAtCharacterBoundaries) {
    const std::string s = "表ソA";  // 95 5C 83 5C 41
    EXPECT_EQ(platform::CharBoundaryPrefix(s, 3), 2u);
    EXPECT_EQ(platform::CharBoundaryPrefix(s, 4), 4u);
    EXPECT_EQ(platform::CharBoundaryPrefix(s, 99), 5u);
    EXPECT_TRUE(platform::IsCharStart(s, 2));
    EXPECT_FALSE(platform::IsCharStart(s, 1));
    char field[4];
    platform::CopyToField(field, sizeof field, s);
    EXPECT_STREQ(field, "表");
    EXPECT_TRUE(platform::IsValidCp932(s));
    EXPECT_FALSE(platform::IsValidCp932("\x81"));
    EXPECT_FALSE(platform::IsValidCp932("\x81\x0A"));
}

TEST(MessageBox, RecordingHandlerSeesTextAndCaption) {
    std::string seenText, seenCaption;
    auto old = platform::SetMessageBoxHandler([&](const std::string& t, const std::string& c) {
        seenText = t;
        seenCaption = c;
        return platform::kIdOk;
    });
    EXPECT_EQ(platform::ShowMessageBox("テスト"), platform::kIdOk);
    EXPECT_EQ(seenText, "テスト");
    EXPECT_EQ(seenCaption, "『キロノ』博物館 V1.08");
    platform::SetMessageBoxHandler(old);
}

TEST(MessageBox, WithoutHandlerReturnsOk) {
    auto old = platform::SetMessageBoxHandler({});
    testing::internal::CaptureStderr();
    EXPECT_EQ(platform::ShowMessageBox("テスト"), platform::kIdOk);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(U8(u8"テスト")), std::string::npos);
    platform::SetMessageBoxHandler(old);
}

}  // namespace
