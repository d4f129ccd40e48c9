#pragma once
// The help browser's history: up to 100 visited topics with the first line
// shown of each. The shown topic is entry count - 1, the forward entry is
// entry count; the first line shown for the current topic is position[count].
#include <array>

namespace text {

enum class HelpNavigation { New, Forward, Back };

class CHelpHistory {
public:
    static constexpr int kEntries = 100;

    CHelpHistory();

    // Records a navigation to topic (its number). A new navigation drops the
    // forward entries; when all 100 entries are in use it drops the oldest.
    void Navigate(HelpNavigation mode, int topic);

    int Count() const { return m_count; }
    bool CanGoBack() const { return m_count >= 2; }
    bool HasForward() const { return m_count < kEntries && m_topics[m_count] >= 0; }
    // The topic to go back to (entry count - 2) and the forward entry's topic.
    int BackTopic() const { return CanGoBack() ? m_topics[m_count - 2] : -1; }
    int ForwardTopic() const { return HasForward() ? m_topics[m_count] : -1; }
    int Entry(int i) const { return i >= 0 && i < kEntries ? m_topics[i] : -1; }

    int Position() const { return m_positions[m_count]; }
    void SetPosition(int line) { m_positions[m_count] = line; }

private:
    std::array<int, kEntries> m_topics;
    // One more than the entries: with 100 entries in use position[100]
    // belongs to the last of them.
    std::array<int, kEntries + 1> m_positions;
    int m_count = 0;
};

}  // namespace text
