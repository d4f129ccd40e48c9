#pragma once
// The Qt-free side of the help browser: the topic store, the history, the
// page shown in the topic pane with the links of its visible rows, the
// reference preview, the scroll rules and what a click or a search list
// selection does. The window draws what this holds and forwards its events.
#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "text/HelpHistory.h"
#include "text/HelpTopics.h"
#include "text/PixelRect.h"
#include "text/TextWorkIndex.h"

namespace text {

struct HelpLinkBox {
    HelpLink link;
    PixelRect rect;  // topic-pane coordinates
};

enum class HelpClickTarget { BackArrow, ForwardArrow, TopicPane, Elsewhere };

class CHelpBrowser {
public:
    static constexpr int kTopicRows = 15;
    static constexpr int kReferenceRows = 7;
    static constexpr int kRowHeight = 12;
    static constexpr int kInset = 2;
    static constexpr const char* kNone = "*****";

    // Width in pixels of a run of Shift-JIS bytes in the pane font.
    using Measure = std::function<int(std::string_view)>;

    CHelpBrowser();
    void SetMeasure(Measure measure) { m_measure = std::move(measure); }

    // Loads the topic file and checks the start topic (with the wait cursor).
    // 0, or -1 after a message: the window is not to be shown.
    int Open(const std::string& path, const std::string& startName);
    // The start topic as a new history entry.
    void Start();

    static std::string Caption(std::string_view suffix);

    void Navigate(const std::string& name, HelpNavigation mode);

    // Events, in topic-pane coordinates. MouseMove returns true when the
    // reference preview changed.
    bool MouseMove(int x, int y);
    void Click(HelpClickTarget target, int x = -1, int y = -1);
    void SelectSearchEntry(int kind, int index);
    int ScrollTopic(ScrollCode code, int thumbPos = 0);
    int ScrollReference(ScrollCode code, int thumbPos = 0);

    // What the window shows.
    const CHelpTopics& Topics() const { return m_topics; }
    CHelpTopics& Topics() { return m_topics; }
    const CHelpHistory& History() const { return m_history; }
    const std::string& CurrentName() const { return m_currentName; }
    const HelpPage& CurrentPage() const { return m_current; }
    int LineCount() const { return static_cast<int>(m_current.lines.size()); }
    int TopicPageRows() const { return std::min(LineCount(), kTopicRows); }
    int TopicFirst() const { return m_history.Position(); }
    bool TopicScrollEnabled() const { return LineCount() > kTopicRows; }
    int TopicScrollMax() const { return TopicScrollEnabled() ? LineCount() - kTopicRows : 0; }
    const std::array<std::vector<HelpLinkBox>, kTopicRows>& RowLinks() const { return m_rows; }
    const PixelRect& HoverRect() const { return m_hover; }
    bool BackEnabled() const { return m_history.Count() > 1; }
    bool ForwardEnabled() const { return m_history.HasForward(); }
    // Index to select in search list kind (1..3); the "*****" entry is last.
    int SearchSelection(int kind) const;
    std::vector<std::string> SearchList(int kind) const;

    bool ReferenceShown() const { return m_refShown; }
    const std::string& ReferenceName() const { return m_refName; }
    const HelpPage& ReferencePage() const { return m_ref; }
    int ReferenceFirst() const { return m_refFirst; }
    int ReferencePageRows() const { return std::min(static_cast<int>(m_ref.lines.size()), kReferenceRows); }
    bool ReferenceScrollEnabled() const { return static_cast<int>(m_ref.lines.size()) > kReferenceRows; }
    int ReferenceScrollMax() const {
        return ReferenceScrollEnabled() ? static_cast<int>(m_ref.lines.size()) - kReferenceRows : 0;
    }
    // Text of reference key field kind (1..3): the key, or "*****".
    std::string ReferenceKeyField(int kind) const;

    // Recomputes the links of the visible rows (after a font change).
    void LayoutRows();

private:
    void ShowReference();
    static int Clamp(int pos, int max);
    const std::string& NameOf(int topic) const;

    CHelpTopics m_topics;
    CHelpHistory m_history;
    Measure m_measure;
    std::string m_currentName;
    HelpPage m_current;
    std::array<std::vector<HelpLinkBox>, kTopicRows> m_rows;
    PixelRect m_hover;
    bool m_refShown = false;
    std::string m_refName;
    HelpPage m_ref;
    int m_refFirst = 0;
};

}  // namespace text
