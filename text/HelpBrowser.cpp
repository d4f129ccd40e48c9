#include "text/HelpBrowser.h"

#include "platform/MessageBox.h"

namespace text {
namespace {

const char kCaption[] = "簡易ヘルプ V1.03";
const char kStartMissing[] = "ファイル:%sに\n検索キーワード:%sが\n見つかりません。";

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) return false;
    return CHelpTopics::CompareKeys(text.substr(0, prefix.size()), prefix) == 0;
}

}  // namespace

CHelpBrowser::CHelpBrowser() {
    m_measure = [](std::string_view bytes) { return static_cast<int>(bytes.size()) * 6; };
}

std::string CHelpBrowser::Caption(std::string_view suffix) {
    std::string caption = kCaption;
    if (!suffix.empty()) {
        caption += " - ";
        caption.append(suffix);
    }
    return caption;
}

int CHelpBrowser::Open(const std::string& path, const std::string& startName) {
    platform::CWaitCursor wait;
    if (m_topics.LoadTopics(path) != 0) return -1;
    m_currentName = startName;
    if (!startName.empty()) {
        const HelpPage& page = m_topics.FindTopic(startName);
        if (page.number < 0 || page.key1.empty()) {
            std::string text = kStartMissing;
            text.replace(text.find("%s"), 2, path);
            text.replace(text.find("%s", text.find('\n')), 2, startName);
            platform::ShowMessageBox(text);
            return -1;
        }
    }
    return 0;
}

void CHelpBrowser::Start() { Navigate(m_currentName, HelpNavigation::New); }

const std::string& CHelpBrowser::NameOf(int topic) const {
    // A topic is looked up again by its first key; one reached through its
    // second or third key alone is looked up by that.
    const HelpTopic& t = m_topics.GetTopic(topic);
    return !t.key1.empty() ? t.key1 : !t.key2.empty() ? t.key2 : t.key3;
}

void CHelpBrowser::Navigate(const std::string& name, HelpNavigation mode) {
    m_refShown = false;
    m_currentName = name;
    m_current = m_topics.FindTopic(name);
    m_history.Navigate(mode, m_current.number);
    if (m_history.Position() > TopicScrollMax()) m_history.SetPosition(TopicScrollMax());
    m_hover = {};
    LayoutRows();
}

void CHelpBrowser::LayoutRows() {
    const int first = TopicFirst();
    const int rows = TopicPageRows();
    for (int r = 0; r < kTopicRows; ++r) {
        m_rows[r].clear();
        const int i = first + r;
        if (r >= rows || i >= LineCount()) continue;
        const std::string& line = m_current.lines[static_cast<std::size_t>(i)];
        const int top = kInset + kRowHeight * r;
        for (HelpLink& link : m_topics.FindLinks(line, m_currentName)) {
            const int x = kInset + m_measure(std::string_view(line).substr(0, link.start));
            const int w = m_measure(link.text);
            m_rows[r].push_back({std::move(link), {x, top, x + w, top + kRowHeight}});
        }
    }
}

bool CHelpBrowser::MouseMove(int x, int y) {
    if (m_hover.Contains(x, y)) return false;
    for (const auto& row : m_rows)
        for (const HelpLinkBox& box : row)
            if (box.rect.Contains(x, y)) {
                m_hover = box.rect;
                m_refName = box.link.text;
                m_refFirst = 0;
                ShowReference();
                return true;
            }
    return false;
}

void CHelpBrowser::ShowReference() {
    const HelpPage& page = m_topics.FindTopic(m_refName);
    m_ref = page;
    m_refShown = true;
    if (m_refFirst > ReferenceScrollMax()) m_refFirst = ReferenceScrollMax();
}

std::string CHelpBrowser::ReferenceKeyField(int kind) const {
    if (!m_refShown) return std::string();
    const std::string& key = m_ref.Key(kind);
    return key.empty() ? std::string(kNone) : key;
}

void CHelpBrowser::Click(HelpClickTarget target, int x, int y) {
    m_refFirst = 0;
    if (target == HelpClickTarget::ForwardArrow && m_history.HasForward()) {
        Navigate(NameOf(m_history.ForwardTopic()), HelpNavigation::Forward);
        return;
    }
    if (target == HelpClickTarget::BackArrow && m_history.CanGoBack()) {
        Navigate(NameOf(m_history.BackTopic()), HelpNavigation::Back);
        return;
    }
    if (target == HelpClickTarget::TopicPane)
        for (const auto& row : m_rows)
            for (const HelpLinkBox& box : row)
                if (box.rect.Contains(x, y)) {
                    const std::string name = box.link.text;
                    Navigate(name, HelpNavigation::New);
                    return;
                }
    platform::Beep();
}

std::vector<std::string> CHelpBrowser::SearchList(int kind) const {
    std::vector<std::string> list = m_topics.SearchEntries(kind);
    list.emplace_back(kNone);
    return list;
}

int CHelpBrowser::SearchSelection(int kind) const {
    const std::vector<std::string> entries = m_topics.SearchEntries(kind);
    const std::string& key = m_current.Key(kind);
    if (!key.empty())
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (StartsWithNoCase(entries[i], key)) return static_cast<int>(i);
    return static_cast<int>(entries.size());
}

void CHelpBrowser::SelectSearchEntry(int kind, int index) {
    const std::vector<int>& order = m_topics.GetOrder(kind);
    if (index < 0 || index >= m_topics.GetKeyCount(kind) || index >= static_cast<int>(order.size())) {
        platform::Beep();
        return;
    }
    const std::string name = m_topics.GetKey(order[static_cast<std::size_t>(index)], kind);
    Navigate(name, HelpNavigation::New);
}

int CHelpBrowser::Clamp(int pos, int max) {
    if (pos < 0) {
        platform::Beep();
        return 0;
    }
    if (pos > max) {
        platform::Beep();
        return max;
    }
    return pos;
}

namespace {
int Requested(ScrollCode code, int current, int thumbPos) {
    switch (code) {
    case ScrollCode::LineUp: return current - 1;
    case ScrollCode::LineDown: return current + 1;
    case ScrollCode::ThumbPosition: return thumbPos;
    default: return current;
    }
}
}  // namespace

int CHelpBrowser::ScrollTopic(ScrollCode code, int thumbPos) {
    const int max = LineCount() - TopicPageRows();
    m_history.SetPosition(Clamp(Requested(code, TopicFirst(), thumbPos), max));
    m_hover = {};
    LayoutRows();
    return TopicFirst();
}

int CHelpBrowser::ScrollReference(ScrollCode code, int thumbPos) {
    const int max = static_cast<int>(m_ref.lines.size()) - ReferencePageRows();
    m_refFirst = Clamp(Requested(code, m_refFirst, thumbPos), max);
    return m_refFirst;
}

}  // namespace text
