#include "text/HelpHistory.h"

#include <algorithm>

namespace text {

CHelpHistory::CHelpHistory() {
    m_topics.fill(-1);
    m_positions.fill(0);
}

void CHelpHistory::Navigate(HelpNavigation mode, int topic) {
    if (mode == HelpNavigation::Back) {
        if (m_count > 0) --m_count;
        return;
    }
    if (m_count >= kEntries) {
        // All entries in use: the oldest goes.
        std::copy(m_topics.begin() + 1, m_topics.end(), m_topics.begin());
        std::copy(m_positions.begin() + 1, m_positions.end(), m_positions.begin());
        m_count = kEntries - 1;
    }
    m_topics[m_count] = topic;
    ++m_count;
    if (mode == HelpNavigation::New) {
        for (int i = m_count; i < kEntries; ++i) m_topics[i] = -1;
        for (int i = m_count; i <= kEntries; ++i) m_positions[i] = 0;
    }
}

}  // namespace text
