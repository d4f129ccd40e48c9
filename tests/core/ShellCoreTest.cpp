// The shell's Qt-free parts: search history, documents and their titles,
// the recent-document list, the calendar window's title and the resource
// tables' consistency.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/CalendarTitle.h"
#include "app/CascadePlacement.h"
#include "app/CommandTable.h"
#include "app/KirokanDoc.h"
#include "app/RecentFileList.h"
#include "app/SearchHistory.h"
#include "app/SettingsStore.h"
#include "platform/ShiftJis.h"
#include "res/Accelerators.h"
#include "res/DialogTemplates.h"
#include "res/Menus.h"
#include "res/ResourceIds.h"
#include "res/Strings.h"
#include "res/ToolBar.h"

namespace {

TEST(CascadePlacement, NewWindowsStepDownAndStartAgainBeforeLeavingTheArea) {
    // An area of 900 x 570 and windows of 600 x 380 stepped by 20: the
    // bottom edge allows offsets 0..180, i.e. ten places.
    for (int open = 0; open < 25; ++open) {
        const CascadePoint p = CascadePosition(open, 900, 570, 600, 380, 20);
        EXPECT_EQ(p.x, p.y);
        EXPECT_EQ(p.x, (open % 10) * 20) << open;
        EXPECT_LE(p.x + 600, 900);
        EXPECT_LE(p.y + 380, 570);
    }
    // A window as large as the area, or larger, stays at the corner.
    EXPECT_EQ(CascadePosition(3, 600, 380, 600, 380, 20).x, 0);
    EXPECT_EQ(CascadePosition(3, 500, 300, 600, 380, 20).y, 0);
}

TEST(SearchHistory, TakesNewTextsInByteOrderWithoutDuplicatesOrEmpties) {
    CSearchHistory h;
    EXPECT_EQ(h.Take("秋"), 0);    // 8F 48
    EXPECT_EQ(h.Take("古池"), 0);  // 8C C3: before 秋
    EXPECT_EQ(h.Take("zz"), 0);    // ASCII before every double-byte text
    EXPECT_EQ(h.Take("蛙"), 1);    // 8A 5E
    EXPECT_EQ(h.Take("秋"), -1);
    EXPECT_EQ(h.Take(""), -1);
    EXPECT_EQ(h.Entries(), (std::vector<std::string>{"zz", "蛙", "古池", "秋"}));
    // Texts that differ only in a trail byte are distinct ("表" 95 5C, "ソ" 83 5C).
    EXPECT_GE(h.Take("表"), 0);
    EXPECT_GE(h.Take("ソ"), 0);
    EXPECT_EQ(h.Find("表"), 5);
    EXPECT_EQ(h.Find("ソ"), 1);
}

TEST(SearchHistory, LoadSortsAndSaveKeepsTheFirstSixteen) {
    std::vector<std::string> loaded;
    for (int i = 19; i >= 0; --i) loaded.push_back("t" + std::to_string(100 + i));
    loaded.push_back("t105");  // a repeat
    loaded.push_back("");
    CSearchHistory h;
    h.Load(loaded);
    ASSERT_EQ(h.Entries().size(), 20u);
    EXPECT_TRUE(std::is_sorted(h.Entries().begin(), h.Entries().end()));
    const std::vector<std::string> saved = h.EntriesToSave();
    ASSERT_EQ(saved.size(), CSearchHistory::kMaxSaved);
    EXPECT_EQ(saved.front(), "t100");
    EXPECT_EQ(saved.back(), "t115");
}

class ShellSettings : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("shell-core-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        CSettingsStore::Instance().Init(m_dir.string(), "kirokan");
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::filesystem::path m_dir;
};

TEST_F(ShellSettings, RecentListKeepsFourNewestFirstThroughTheSettingsFile) {
    CRecentFileList list;
    for (const char* p : {"/a", "/b", "/c", "/d", "/e", "/c", ""}) list.Add(p);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/c", "/e", "/d", "/b"}));
    CSettingsStore& store = CSettingsStore::Instance();
    list.WriteList(store);
    EXPECT_EQ(store.GetProfileString("Recent File List", "File1"), "/c");
    EXPECT_EQ(store.GetProfileString("Recent File List", "File4"), "/b");
    CRecentFileList read;
    read.ReadList(store);
    EXPECT_EQ(read.Entries(), list.Entries());
    // A shorter list clears the keys it no longer fills.
    CRecentFileList shorter;
    shorter.Add("/x");
    shorter.WriteList(store);
    read.ReadList(store);
    EXPECT_EQ(read.Entries(), (std::vector<std::string>{"/x"}));
}

TEST(KirokanDoc, OpenedNameIsPathAndTitleAndEntersTheRecentList) {
    CRecentFileList recent;
    CKirokanDoc doc(&recent);
    ASSERT_TRUE(doc.OnOpenDocument("キロノ一日一句(近代文芸社)"));
    EXPECT_EQ(doc.GetTitle(), "キロノ一日一句(近代文芸社)");
    EXPECT_EQ(doc.GetPathName(), ResolveDocumentPath("キロノ一日一句(近代文芸社)"));
    EXPECT_EQ(doc.GetPathName().front(), '/');
    ASSERT_EQ(recent.Entries().size(), 1u);
    // The list views set the path again without entering the list.
    doc.SetPathName("/museum/" + std::string("旧暦／西暦対照表"), false);
    EXPECT_EQ(doc.GetTitle(), "旧暦／西暦対照表");
    EXPECT_EQ(recent.Entries().size(), 1u);
    EXPECT_FALSE(doc.IsModified());
}

TEST(KirokanDoc, TitleIsTheLastComponentWhateverTheTrailBytes) {
    // "表" ends in 5C, "ソ" too; neither is a separator.
    EXPECT_EQ(PathTitle("/data/表ソ.txt"), "表ソ.txt");
    EXPECT_EQ(PathTitle("plain"), "plain");
    EXPECT_EQ(ResolveDocumentPath("/abs/file"), "/abs/file");
    EXPECT_EQ(UntitledTitle(1), "Kiroka1");
    EXPECT_EQ(UntitledTitle(12), "Kiroka12");
    CKirokanDoc doc;
    doc.OnNewDocument(UntitledTitle(3));
    EXPECT_EQ(doc.GetTitle(), "Kiroka3");
    EXPECT_TRUE(doc.GetPathName().empty());
}

TEST(KirokanDoc, TellsWhenItsTitleChanges) {
    CKirokanDoc doc;
    int changes = 0;
    doc.SetTitleChangedHandler([&changes] { ++changes; });
    doc.OnOpenDocument("a");
    doc.SetPathName("a", false);  // same title: no news
    EXPECT_EQ(changes, 1);
    doc.SetPathName("/x/b", false);
    doc.SetTitle("c");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(doc.GetTitle(), "c");
}

TEST(CalendarTitle, NamesTheYearWithEraAndCycle) {
    EXPECT_EQ(CalendarDocTitle(1644), "旧暦／西暦対照表 旧暦  1644年(正保 1年 甲申)");
    EXPECT_EQ(CalendarDocTitle(1689), "旧暦／西暦対照表 旧暦  1689年(元禄 2年 己巳)");
}

TEST(CalendarTitle, NeverExceeds127BytesNorSplitsACharacter) {
    const std::string longEra(200, 'x');
    EXPECT_EQ(FormatCalendarTitle(1644, longEra, 1, "甲申").size(), 127u);
    // A double-byte character straddling byte 127 is dropped whole: the era
    // starts at byte 30, so "正" would take bytes 126 and 127.
    const std::string t = FormatCalendarTitle(1644, std::string(96, 'a') + "正保", 1, "");
    EXPECT_EQ(t.size(), 126u);
    EXPECT_TRUE(platform::IsValidCp932(t));
}

TEST(Resources, EveryMenuCommandIsRoutedAndHasItsPrompt) {
    for (int menuId : {int(res::IDR_MAINFRAME), int(res::IDR_KIROKATYPE)}) {
        const res::MenuResource* menu = res::FindMenu(menuId);
        ASSERT_NE(menu, nullptr);
        std::set<int> seen;
        for (const res::MenuPopup& popup : menu->popups) {
            ASSERT_FALSE(popup.items.empty());
            for (const res::MenuItem& item : popup.items) {
                if (item.id == 0) continue;
                EXPECT_TRUE(seen.insert(item.id).second) << item.id;
                EXPECT_NE(FindCommand(item.id), nullptr) << item.id;
                EXPECT_FALSE(GetCommandPrompt(item.id).empty()) << item.id;
                EXPECT_FALSE(GetCommandToolTip(item.id).empty()) << item.id;
            }
        }
    }
    EXPECT_EQ(res::FindMenuLabel(res::IDR_KIROKATYPE, res::ID_FIND), std::string("検索(&F)"));
    EXPECT_EQ(res::FindMenuLabel(res::IDR_MAINFRAME, res::ID_FIND), nullptr);
    EXPECT_EQ(res::FindMenuLabel(res::IDR_MAINFRAME, res::ID_WINDOW_NEW), nullptr);
}

TEST(Resources, ToolBarAndAcceleratorsNameRoutedCommands) {
    int buttons = 0;
    for (const res::ToolBarSlot& slot : res::GetToolBar()) {
        if (slot.command == 0) continue;
        ++buttons;
        EXPECT_NE(FindCommand(slot.command), nullptr);
        EXPECT_NE(res::FindMenuLabel(res::IDR_MAINFRAME, slot.command), nullptr);
        EXPECT_FALSE(std::string(slot.glyph).empty());
    }
    EXPECT_EQ(buttons, 15);
    for (const res::Accelerator& a : res::GetAccelerators()) EXPECT_NE(FindCommand(a.command), nullptr) << a.key;
    EXPECT_EQ(FindCommand(res::ID_EDIT_COPY)->action, CommandAction::NoHandler);
}

TEST(Resources, DialogTemplatesHaveUniqueControlsInsideTheirBox) {
    std::set<int> dialogs;
    for (const res::DialogTemplate* t : res::GetDialogTemplates()) {
        const int id = t->id;
        EXPECT_TRUE(dialogs.insert(id).second) << "two dialogs are " << id;
        EXPECT_EQ(res::FindDialogTemplate(id), t) << id;
        std::set<int> ids;
        for (const res::DialogControl& c : t->controls) {
            if (c.id != 0) {
                EXPECT_TRUE(ids.insert(c.id).second) << id << ":" << c.id;
            }
            EXPECT_LE(c.x + c.w, t->w) << id << ":" << c.id;
            // A drop-down list's height is that of its opened list.
            if (c.kind != res::ControlKind::DropDownList) {
                EXPECT_LE(c.y + c.h, t->h) << id << ":" << c.id;
            }
        }
    }
    const res::DialogTemplate* about = res::FindDialogTemplate(res::IDD_ABOUTBOX);
    EXPECT_STREQ(about->caption, "ﾊﾞｰｼﾞｮﾝ情報(Kirokan)");
    EXPECT_EQ(about->w, 217);
    EXPECT_EQ(about->h, 55);
    EXPECT_NE(res::FindControl(*about, res::IDC_ABOUT_TITLE), nullptr);
}

TEST(Resources, StringFieldsSplitAtNewlines) {
    EXPECT_EQ(res::LoadStringField(res::IDR_KIROKATYPE, 0), "");
    EXPECT_EQ(res::LoadStringField(res::IDR_KIROKATYPE, 1), "Kiroka");
    EXPECT_EQ(res::LoadStringField(res::IDR_KIROKATYPE, 5), "Kirokan.Document");
    EXPECT_EQ(res::LoadStringField(res::IDR_KIROKATYPE, 6), "Kiroka Document");
    EXPECT_EQ(res::LoadStringField(res::IDR_KIROKATYPE, 7), "");
    EXPECT_EQ(res::LoadStringField(res::IDS_SEARCH_BAR, 0), "検索");
}

}  // namespace

namespace {

WindowPlacement Normal(int left, int top, int right, int bottom) {
    WindowPlacement p;
    p.left = left;
    p.top = top;
    p.right = right;
    p.bottom = bottom;
    return p;
}

}  // namespace

TEST(WindowPlacement, AWindowOffEveryScreenComesBackOntoTheNearest) {
    const std::vector<ScreenArea> one = {{0, 0, 1280, 1000}};
    const std::vector<ScreenArea> two = {{0, 0, 1280, 1000}, {1280, 0, 2560, 1000}};
    // On a screen, or enough of it to take hold of: unchanged.
    const WindowPlacement on = Normal(100, 100, 900, 700);
    EXPECT_EQ(FormatWindowPos(BringOntoScreen(on, one)), FormatWindowPos(on));
    const WindowPlacement partly = Normal(1150, 900, 1950, 1500);  // 130 x 100 on screen
    EXPECT_EQ(FormatWindowPos(BringOntoScreen(partly, one)), FormatWindowPos(partly));
    // Saved on a second screen that is gone: moved back, size kept.
    const WindowPlacement gone = BringOntoScreen(Normal(1500, 100, 2300, 700), one);
    EXPECT_EQ(gone.left, 480);
    EXPECT_EQ(gone.right - gone.left, 800);
    EXPECT_EQ(gone.top, 100);
    // With both screens it stays where it was saved.
    EXPECT_EQ(BringOntoScreen(Normal(1500, 100, 2300, 700), two).left, 1500);
    // Only a sliver showing, above and left: onto the nearest screen's corner.
    const WindowPlacement sliver = BringOntoScreen(Normal(-790, -590, 10, 10), one);
    EXPECT_EQ(sliver.left, 0);
    EXPECT_EQ(sliver.top, 0);
    // Larger than the screen it comes back to: made to fit.
    const WindowPlacement huge = BringOntoScreen(Normal(3000, 3000, 6000, 5000), two);
    EXPECT_EQ(huge.left, 1280);
    EXPECT_EQ(huge.right, 2560);
    EXPECT_EQ(huge.bottom - huge.top, 1000);
    // No screens known: nothing to do.
    EXPECT_EQ(BringOntoScreen(Normal(-5000, 0, -4000, 500), {}).left, -5000);
}
