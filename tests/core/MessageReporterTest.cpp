#include <gtest/gtest.h>

#include <cstring>

#include "app/MessageReporter.h"
#include "platform/ShiftJis.h"
#include "res/Strings.h"
#include "tests/core/ReaderTestSupport.h"

using testsupport::MessageRecorder;

namespace {

TEST(MessageReporter, TheThreeMessagesAndTheirResults) {
    MessageRecorder box(7);
    CMessageReporter reporter;
    EXPECT_EQ(reporter.ReportUnreadable("/data/TxtData/okuno.txt"), -1);
    EXPECT_EQ(reporter.ReportTooLong(2070), 7);  // the box's answer
    EXPECT_EQ(reporter.ReportBadSequence(12, 0), -1);
    ASSERT_EQ(box.texts.size(), 3u);
    EXPECT_EQ(box.texts[0], "/data/TxtData/okuno.txt\nファイル を読み出し出来ません.");
    EXPECT_EQ(box.texts[1], "2070\n入力データが長過ぎます。");
    EXPECT_EQ(box.texts[2], "12\n0\nsqnoが異常です。");
    EXPECT_STREQ(reporter.GetText(), box.texts[2].c_str());
    for (const auto& caption : box.captions) EXPECT_EQ(caption, res::LoadString(res::IDS_APP_TITLE));
    EXPECT_EQ(box.captions[0], "『キロノ』博物館 V1.08");
}

TEST(MessageReporter, AFileSystemPathIsShownAsTheCharactersItNames) {
    MessageRecorder box;
    CMessageReporter reporter;
    // The file system's bytes are UTF-8: ~/ドキュメント/博物館.
    reporter.ReportUnreadable("/home/u/\xE3\x83\x89\xE3\x82\xAD\xE3\x83\xA5\xE3\x83\xA1\xE3\x83\xB3\xE3\x83\x88/"
                              "\xE5\x8D\x9A\xE7\x89\xA9\xE9\xA4\xA8/TxtData/okuno.txt");
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_EQ(box.texts[0], "/home/u/ドキュメント/博物館/TxtData/okuno.txt\nファイル を読み出し出来ません.");
}

TEST(MessageReporter, ALongTextIsCutAtACharacterBoundaryInsideTheBuffer) {
    MessageRecorder box;
    CMessageReporter reporter;
    // An odd number of ASCII bytes, then double-byte characters (with 5C
    // trail bytes) running over byte 255: the cut falls inside a character.
    for (const std::string prefix : {"/", "//"}) {
        std::string path = prefix;
        while (path.size() < 400) path += "表ソ";
        reporter.ReportUnreadable(path);
        const std::string shown = box.texts.back();
        EXPECT_LE(shown.size(), static_cast<std::size_t>(CMessageReporter::kBufferSize - 1));
        EXPECT_GE(shown.size(), static_cast<std::size_t>(CMessageReporter::kBufferSize - 2));
        EXPECT_EQ(path.compare(0, shown.size(), shown), 0);
        EXPECT_TRUE(platform::IsValidCp932(shown));
        EXPECT_EQ(std::strlen(reporter.GetText()), shown.size());
    }
}

}  // namespace
