#pragma once
// What the display-year window decides: the year chosen with its spin within
// the caller's range (no wrap at either end), the month that goes back to 1
// whenever the year changes, and the window caption "旧暦 <low～high>".

class CDisplayYearState {
public:
    static constexpr int kCaptionBytes = 64;

    // The year starts at displayYear, held inside lowestYear..highestYear as the
    // spin holds its position inside its range; a reversed range is taken in
    // increasing order.
    CDisplayYearState(int displayYear, int displayMonth, int lowestYear, int highestYear);

    // One spin step (+1 up, -1 down, or any count): when the new year lies in
    // the range it becomes the display year and the month goes back to 1, and
    // the result is true; otherwise nothing changes and the result is false.
    bool Step(int delta);

    int GetYear() const { return m_year; }
    int GetMonth() const { return m_month; }
    int GetLowestYear() const { return m_lowestYear; }
    int GetHighestYear() const { return m_highestYear; }
    // "旧暦 <%d～%d>" with the lowest and the highest year (Shift-JIS).
    const char* GetCaption() const { return m_caption; }

private:
    int m_year;
    int m_month;
    int m_lowestYear;
    int m_highestYear;
    char m_caption[kCaptionBytes];
};
