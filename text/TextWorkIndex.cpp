#include "text/TextWorkIndex.h"

#include <algorithm>

namespace text {

void CTextWorkIndex::SetPaneSize(int width, int height) {
    m_index = {kInset, kInset, width - kInset, height - kInset};
    m_hover = {};
}

void CTextWorkIndex::SetCount(int n) {
    m_count = std::max(0, n);
    m_page = std::min(m_count, kRowsInView);
    m_top = 0;
    m_red = -1;
    m_hover = {};
}

PixelRect CTextWorkIndex::SlotRect(int slot) const {
    return {m_index.left, m_index.top + kRowHeight * slot, m_index.right,
            m_index.top + kRowHeight * (slot + 1)};
}

int CTextWorkIndex::HitSection(int x, int y) const {
    if (!m_index.Contains(x, y)) return -1;
    for (int slot = 0; slot < m_page; ++slot)
        if (SlotRect(slot).Contains(x, y)) return m_top + slot;
    return -1;
}

int CTextWorkIndex::MouseMove(int x, int y) {
    if (!m_index.Contains(x, y)) {
        m_hover = {};  // the rows keep their colours
        return -1;
    }
    if (m_hover.Contains(x, y)) return -1;
    int shown = -1;
    m_red = -1;
    for (int slot = 0; slot < m_page; ++slot) {
        const PixelRect r = SlotRect(slot);
        if (r.Contains(x, y)) {
            shown = m_top + slot;
            m_red = shown;
            m_hover = r;
        }
    }
    return shown;
}

int CTextWorkIndex::Scroll(ScrollCode code, int thumbPos) {
    int top = m_top;
    switch (code) {
    case ScrollCode::LineUp: top = m_top - 1; break;
    case ScrollCode::LineDown: top = m_top + 1; break;
    case ScrollCode::ThumbPosition: top = thumbPos; break;
    default: break;
    }
    if (top < 0)
        top = 0;
    else if (top + m_page > m_count)
        top = m_count - m_page;
    m_top = top;
    m_red = -1;
    m_hover = {};
    return m_top;
}

}  // namespace text
