#include "app/MessageReporter.h"

#include "platform/Codec.h"

#include <cstring>
#include <string>

#include "platform/MessageBox.h"
#include "platform/ShiftJis.h"

namespace {

// Puts text into the buffer, cut at a character boundary so that the
// terminator always fits.
void Compose(char (&buffer)[CMessageReporter::kBufferSize], const std::string& text) {
    platform::CopyToField(buffer, sizeof buffer, text);
}

}  // namespace

int CMessageReporter::Show() { return platform::ShowMessageBox(m_text); }

int CMessageReporter::ReportUnreadable(std::string_view path) {
    std::string text = platform::PathForDisplay(path);
    text += "\n";
    text += "ファイル を読み出し出来ません.";
    Compose(m_text, text);
    Show();
    return -1;
}

int CMessageReporter::ReportUnconvertible(std::string_view path, int line) {
    if (line <= 0) return 0;
    Compose(m_text, platform::PathForDisplay(path) + "\n" + std::to_string(line) +
                        "行目にシフトJISで表せない文字があります。");
    Show();
    return 0;
}

int CMessageReporter::ReportTooLong(int n) {
    Compose(m_text, std::to_string(n) + "\n" + "入力データが長過ぎます。");
    return Show();
}

int CMessageReporter::ReportBadSequence(int a, int b) {
    Compose(m_text, std::to_string(a) + "\n" + std::to_string(b) + "\n" + "sqnoが異常です。");
    Show();
    return -1;
}
