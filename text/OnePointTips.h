#pragma once
// The tips of onepoint.txt: counting them, choosing the one to show, and
// cutting its lines into the heading and the body of the tips window.
//
// File: a line ending with ":" is a header; a header whose leading number is
// 1 or more starts that tip. The lines after it, up to the next line ending
// with ":", are its text. Empty lines and "//" lines are skipped. Lines are
// read in pieces of at most 254 bytes.
#include <string>
#include <string_view>

#include "app/MessageReporter.h"
#include "text/PixelRect.h"

namespace text {

struct TipsLayout {
    PixelRect headingBox;   // white box with a black border
    PixelRect headingText;  // where the heading is drawn (36 px)
    PixelRect bodyBox;
    PixelRect bodyText;
    int bodyFontHeight = 1;  // 13 lines fit the body box
};

class COnePointTips {
public:
    static constexpr std::size_t kPieceBytes = 254;
    static constexpr std::size_t kHeadingMax = 28;
    static constexpr std::size_t kLineMax = 65;
    static constexpr std::size_t kPieceMax = 66;
    static constexpr int kHeadingFontHeight = 36;

    // Loads the tip to show for the requested number from onepoint.txt of
    // TxtData and returns its number: requested when 1 <= requested <= T,
    // 1 above T, T at 0 or below. -1 after the unreadable message.
    int ShowTip(int requested);
    // The same with the file's full path.
    int ShowTipFrom(const std::string& path, int requested);

    const std::string& GetHeading() const { return m_heading; }
    const std::string& GetBody() const { return m_body; }
    // T of the last load.
    int GetTipCount() const { return m_count; }

    // The window's steps: the tip stored as next at opening, the next and
    // the previous tip, the closing that stores the tip after the current
    // one, and the start-up check box.
    int Open();
    int Next() { return m_current = ShowTip(m_current + 1); }
    int Previous() { return m_current = ShowTip(m_current - 1); }
    void Close();
    int ToggleView();
    int Current() const { return m_current; }

    // Adds one text line of the tip being read to the heading or the body.
    void AddLine(std::string_view line);

    // The boxes for a client area W pixels wide beside a grey panel whose
    // client area is panelHeight pixels high.
    // headingLineHeight: the height of a line of the heading font (36 px in
    // a font whose lines are exactly as high as its characters); the heading
    // moves up from y = 25 as far as its line needs to end above the body
    // box's border.
    static TipsLayout Layout(int clientWidth, int panelHeight, int headingLineHeight = kHeadingFontHeight);

private:
    CMessageReporter m_reporter;
    std::string m_heading;
    std::string m_body = "\n";
    bool m_first = false;
    int m_current = -1;
    int m_count = 0;
};

// True when the piece is a header line (its last byte is ":").
bool IsTipHeader(std::string_view line);

}  // namespace text
