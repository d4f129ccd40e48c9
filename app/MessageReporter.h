#pragma once
// The program's three fixed error messages, formatted into a 256-byte buffer
// (cut at a character boundary, never written past) and shown in the
// program's message box.
#include <string_view>

class CMessageReporter {
public:
    static constexpr int kBufferSize = 256;

    // "%s\n%s": the path, then "ファイル を読み出し出来ません."; returns -1.
    int ReportUnreadable(std::string_view path);
    // "%d\n%s": n, then "入力データが長過ぎます。"; returns the box's result.
    int ReportTooLong(int n);
    // "%d\n%d\n%s": a, b, then "sqnoが異常です。"; returns -1.
    int ReportBadSequence(int a, int b);
    // A data file written in UTF-8 with a character that Shift-JIS cannot
    // hold: "<path>\n<line>行目にシフトJISで表せない文字があります。" (the
    // character reads as "？"). Nothing when the file holds none. Returns 0.
    int ReportUnconvertible(std::string_view path, int line);

    // The text of the last message (for tests).
    const char* GetText() const { return m_text; }

private:
    int Show();
    char m_text[kBufferSize] = {};
};
