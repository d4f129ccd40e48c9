#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/TxtDataDir.h"
#include "text/HelpBrowser.h"
#include "text/HelpHistory.h"

using text::CHelpBrowser;
using text::CHelpHistory;
using text::HelpClickTarget;
using text::HelpNavigation;
using text::ScrollCode;

namespace {

// Topics "目次" (contents, l3), "Long" (body of `longLines` lines),
// "Short" (one line naming Long), "Other" with keys 2 and 3.
std::string WriteTopics(CTxtDataDir& dir, int longLines = 20) {
    std::vector<std::string> lines = {"[*]", "k1:目次", "k2:contents", "l3:", "d:"};
    lines.insert(lines.end(), {"[*]", "k1:Long", "d:Long starts here, see Short"});
    for (int i = 1; i < longLines; ++i) lines.push_back("line " + std::to_string(i) + " Other");
    lines.insert(lines.end(), {"[*]", "k1:Short", "k3:brief", "d:Short: only Long and Other here"});
    lines.insert(lines.end(), {"[*]", "k1:Other", "k2:second", "k3:third", "d:o1", "o2", "o3", "o4",
                               "o5", "o6", "o7", "o8", "o9"});
    return dir.Write("Topics.txt", lines);
}

// The box of the first link named `text` on visible row r.
const text::HelpLinkBox* LinkOnRow(const CHelpBrowser& b, int r, const std::string& text) {
    for (const auto& box : b.RowLinks()[r])
        if (box.link.text == text) return &box;
    return nullptr;
}

}  // namespace

TEST(HelpHistory, NewNavigationAfterBackDropsTheForwardEntry) {
    CHelpHistory h;
    h.Navigate(HelpNavigation::New, 5);
    EXPECT_FALSE(h.CanGoBack());
    h.Navigate(HelpNavigation::New, 6);
    h.SetPosition(3);
    h.Navigate(HelpNavigation::New, 7);
    EXPECT_EQ(h.BackTopic(), 6);
    h.Navigate(HelpNavigation::Back, 6);
    EXPECT_EQ(h.Position(), 3);  // the first line shown of topic 6 comes back
    ASSERT_TRUE(h.HasForward());
    EXPECT_EQ(h.ForwardTopic(), 7);
    h.Navigate(HelpNavigation::Forward, 7);
    EXPECT_EQ(h.Count(), 3);
    h.Navigate(HelpNavigation::Back, 6);
    h.Navigate(HelpNavigation::New, 8);
    EXPECT_FALSE(h.HasForward());
    EXPECT_EQ(h.Entry(2), 8);
    EXPECT_EQ(h.Position(), 0);
}

TEST(HelpHistory, TheHundredAndFirstEntryDropsTheOldest) {
    CHelpHistory h;
    for (int t = 0; t < 100; ++t) {
        h.Navigate(HelpNavigation::New, t);
        h.SetPosition(t);
    }
    EXPECT_EQ(h.Count(), 100);
    EXPECT_FALSE(h.HasForward());
    EXPECT_EQ(h.Position(), 99);
    h.Navigate(HelpNavigation::New, 100);
    EXPECT_EQ(h.Count(), 100);
    EXPECT_EQ(h.Entry(0), 1);
    EXPECT_EQ(h.Entry(99), 100);
    EXPECT_EQ(h.Position(), 0);
    h.Navigate(HelpNavigation::Back, 99);
    EXPECT_EQ(h.Position(), 99);  // positions moved with their entries
    EXPECT_EQ(h.ForwardTopic(), 100);
}

TEST(HelpBrowser, StartTopicMissingShowsTheMessage) {
    CTxtDataDir dir;
    const std::string path = dir.Write("Topics.txt", {"[*]", "k2:目次", "d:no first key"});
    CHelpBrowser b;
    EXPECT_EQ(b.Open(path, "目次"), -1);
    ASSERT_EQ(dir.messages.size(), 1u);
    EXPECT_EQ(dir.messages[0], "ファイル:" + path + "に\n検索キーワード:目次が\n見つかりません。");
    CHelpBrowser other;
    EXPECT_EQ(other.Open(path, "nothing"), -1);
    EXPECT_EQ(CHelpBrowser::Caption("目次"), "簡易ヘルプ V1.03 - 目次");
    EXPECT_EQ(CHelpBrowser::Caption(""), "簡易ヘルプ V1.03");
}

TEST(HelpBrowser, LinksHoverPreviewAndClick) {
    CTxtDataDir dir;
    CHelpBrowser b;
    ASSERT_EQ(b.Open(WriteTopics(dir), "目次"), 0);
    b.Start();
    // The contents: "Long", "Other", "Short" in one row; each is a link.
    ASSERT_EQ(b.CurrentPage().lines.size(), 3u);  // a full last row: an empty line follows
    const text::HelpLinkBox* other = LinkOnRow(b, 1, "Other");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->rect, (text::PixelRect{2 + 30 * 6, 14, 2 + 35 * 6, 26}));
    EXPECT_FALSE(b.BackEnabled());
    EXPECT_EQ(b.SearchList(1)[static_cast<std::size_t>(b.SearchSelection(1))], "目次");
    EXPECT_EQ(b.SearchList(3)[static_cast<std::size_t>(b.SearchSelection(3))], "*****");

    // Hovering previews the link in the reference pane.
    EXPECT_TRUE(b.MouseMove(other->rect.left + 1, other->rect.top + 1));
    EXPECT_EQ(b.ReferenceName(), "Other");
    EXPECT_EQ(b.ReferencePageRows(), 7);
    EXPECT_TRUE(b.ReferenceScrollEnabled());
    EXPECT_EQ(b.ReferenceScrollMax(), 2);
    EXPECT_EQ(b.ReferenceKeyField(2), "second");
    EXPECT_FALSE(b.MouseMove(other->rect.left + 2, other->rect.top + 2));  // same link
    EXPECT_EQ(b.ScrollReference(ScrollCode::ThumbPosition, 5), 2);
    EXPECT_EQ(dir.beeps, 1);

    // Clicking opens it; the page does not link its own name.
    b.Click(HelpClickTarget::TopicPane, other->rect.left + 1, other->rect.top + 1);
    EXPECT_EQ(b.CurrentName(), "Other");
    EXPECT_TRUE(b.BackEnabled());
    EXPECT_FALSE(b.ReferenceShown());
    // A click beside the links beeps.
    b.Click(HelpClickTarget::TopicPane, 300, 100);
    EXPECT_EQ(dir.beeps, 2);
}

TEST(HelpBrowser, PageOfTheTopicNeverLinksTheNameItWasReachedBy) {
    CTxtDataDir dir;
    CHelpBrowser b;
    ASSERT_EQ(b.Open(WriteTopics(dir), "Short"), 0);
    b.Start();
    EXPECT_EQ(b.CurrentPage().key3, "brief");
    EXPECT_EQ(LinkOnRow(b, 0, "Short"), nullptr);
    EXPECT_NE(LinkOnRow(b, 0, "Long"), nullptr);
    // The same topic reached by its key 3 links its key 1.
    b.Navigate("brief", HelpNavigation::New);
    EXPECT_EQ(b.CurrentPage().key1, "Short");
    EXPECT_NE(LinkOnRow(b, 0, "Short"), nullptr);
}

TEST(HelpBrowser, TopicScrollBarOnlyPastFifteenLinesAndBeepsAtTheEnds) {
    CTxtDataDir dir;
    CHelpBrowser fifteen;
    ASSERT_EQ(fifteen.Open(WriteTopics(dir, 15), "Long"), 0);
    fifteen.Start();
    EXPECT_EQ(fifteen.LineCount(), 15);
    EXPECT_FALSE(fifteen.TopicScrollEnabled());
    EXPECT_EQ(fifteen.ScrollTopic(ScrollCode::LineDown), 0);
    EXPECT_EQ(dir.beeps, 1);

    CHelpBrowser b;
    ASSERT_EQ(b.Open(WriteTopics(dir, 16), "Short"), 0);
    b.Start();
    EXPECT_FALSE(b.TopicScrollEnabled());
    b.Navigate("Long", HelpNavigation::New);
    EXPECT_TRUE(b.TopicScrollEnabled());
    EXPECT_EQ(b.TopicScrollMax(), 1);
    EXPECT_EQ(b.ScrollTopic(ScrollCode::LineDown), 1);
    EXPECT_EQ(dir.beeps, 1);
    EXPECT_EQ(b.ScrollTopic(ScrollCode::LineDown), 1);
    EXPECT_EQ(dir.beeps, 2);
    EXPECT_EQ(b.ScrollTopic(ScrollCode::PageUp), 1);  // other codes change nothing
    EXPECT_EQ(b.ScrollTopic(ScrollCode::ThumbPosition, -3), 0);
    EXPECT_EQ(dir.beeps, 3);
    // Links follow the scrolled rows: row 0 now shows page line 1.
    b.ScrollTopic(ScrollCode::LineDown);
    EXPECT_NE(LinkOnRow(b, 0, "Other"), nullptr);
    EXPECT_EQ(LinkOnRow(b, 0, "Short"), nullptr);
}

TEST(HelpBrowser, BackForwardAndSearchLists) {
    CTxtDataDir dir;
    CHelpBrowser b;
    ASSERT_EQ(b.Open(WriteTopics(dir), "目次"), 0);
    b.Start();
    b.Navigate("Long", HelpNavigation::New);
    b.ScrollTopic(ScrollCode::ThumbPosition, 4);
    b.Navigate("Short", HelpNavigation::New);

    b.Click(HelpClickTarget::BackArrow);
    EXPECT_EQ(b.CurrentName(), "Long");
    EXPECT_EQ(b.TopicFirst(), 4);
    EXPECT_TRUE(b.ForwardEnabled());
    b.Click(HelpClickTarget::ForwardArrow);
    EXPECT_EQ(b.CurrentName(), "Short");
    EXPECT_FALSE(b.ForwardEnabled());
    b.Click(HelpClickTarget::ForwardArrow);  // no forward entry: a beep
    EXPECT_EQ(dir.beeps, 1);

    // After going back, a new navigation drops the forward entry.
    b.Click(HelpClickTarget::BackArrow);
    ASSERT_TRUE(b.ForwardEnabled());
    const std::vector<std::string> list2 = b.SearchList(2);
    ASSERT_EQ(list2, (std::vector<std::string>{"contents", "second", "*****"}));
    b.SelectSearchEntry(2, 1);
    EXPECT_EQ(b.CurrentPage().key1, "Other");
    EXPECT_FALSE(b.ForwardEnabled());
    EXPECT_EQ(b.SearchSelection(2), 1);
    EXPECT_EQ(b.SearchSelection(3), 1);  // "third" after "brief"

    // Choosing "*****" beeps and changes nothing.
    const int count = b.History().Count();
    b.SelectSearchEntry(2, 2);
    EXPECT_EQ(dir.beeps, 2);
    EXPECT_EQ(b.CurrentPage().key1, "Other");
    EXPECT_EQ(b.History().Count(), count);

    // Back to the start: the back arrow greys and beeps.
    while (b.BackEnabled()) b.Click(HelpClickTarget::BackArrow);
    EXPECT_EQ(b.CurrentName(), "目次");
    b.Click(HelpClickTarget::BackArrow);
    EXPECT_EQ(dir.beeps, 3);
}
