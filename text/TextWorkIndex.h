#pragma once
// The index pane of the text-work window: which sections are in view, which
// row the mouse rests on, which row is drawn red, and the scroll rules.
#include "text/PixelRect.h"

namespace text {

enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, ThumbTrack, ThumbPosition, Other };

class CTextWorkIndex {
public:
    static constexpr int kRowsInView = 15;
    static constexpr int kRowHeight = 12;
    static constexpr int kInset = 2;

    // The pane's client size in pixels; the index rectangle is that area
    // shrunk by kInset on every side.
    void SetPaneSize(int width, int height);
    // n sections; top back to 0, no hover, every row black.
    void SetCount(int n);

    int Count() const { return m_count; }
    int Page() const { return m_page; }
    int Top() const { return m_top; }
    int ScrollMax() const { return m_count - m_page; }
    const PixelRect& IndexRect() const { return m_index; }
    // Slot i (0..14) of the pane.
    PixelRect SlotRect(int slot) const;
    const PixelRect& HoverRect() const { return m_hover; }
    // The section drawn red, or -1.
    int RedSection() const { return m_red; }

    // The section whose row holds the point (pane coordinates), or -1.
    int HitSection(int x, int y) const;

    // Mouse at (x, y). Returns the section whose text is now to be shown,
    // -1 when the text box stays as it is.
    int MouseMove(int x, int y);

    // Applies a scroll request of the index bar; returns the new top (also
    // the bar's new position). Every row is black afterwards and the hover
    // rectangle is cleared.
    int Scroll(ScrollCode code, int thumbPos = 0);

private:
    int m_count = 0;
    int m_page = 0;
    int m_top = 0;
    int m_red = -1;
    PixelRect m_index;
    PixelRect m_hover;
};

}  // namespace text
