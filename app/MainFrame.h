#pragma once
// The main window: menu bar (menu IDR_MAINFRAME while no document window is
// open, IDR_KIROKATYPE while one is), tool bar IDR_MAINFRAME (bar
// ID_VIEW_TOOLBAR), status bar (ID_VIEW_STATUS_BAR) with one message pane,
// the search bar (ID_SEARCH_BAR), and the MDI area that holds the document
// windows. Every command is routed here: first to the active view, then
// through the command table (app/CommandTable.h).
#include <QMainWindow>
#include <QPointer>
#include <map>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class CChildFrame;
class CKirokanDoc;
class CKirokanViewBase;
class CSearchBar;
class CMuseumSearchDlg;
class CDateConverterDlg;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame();
    ~CMainFrame() override;

    // The window-created handler: builds the bars and menus and restores
    // the placement. False aborts the creation.
    bool Create();

    // True when the restored placement asks for a maximised window.
    bool ShouldShowMaximized() const { return m_restoreMaximized; }

    CSearchBar* GetSearchBar() const { return m_searchBar; }
    QToolBar* GetToolBar() const { return m_wndToolBar; }
    QMdiArea* GetMdiArea() const { return m_mdiArea; }
    QLabel* GetIdleLabel() const { return m_idleLabel; }
    // The action of a command id (objectName = the id), or nullptr.
    QAction* GetCommandAction(int id) const;
    // 128 or 129: the menu shown now.
    int GetCurrentMenuId() const { return m_currentMenu; }
    // The popups of menu 128 or 129.
    const std::vector<QMenu*>& GetMenuPopups(int menuId) const;

    // The active document window, its view and document (nullptr if none).
    CChildFrame* GetActiveFrame() const;
    CKirokanViewBase* GetActiveView() const;
    CKirokanDoc* GetActiveDocument() const;
    std::vector<CChildFrame*> GetChildFrames() const;

    // The title of the document window a museum command opened last.
    const char* GetDocTitle() const { return m_szDocTitle; }

    // The two windows of this program's own, one of each, modeless: made
    // on first use, then shown and raised. The converter's button opens
    // the calendar hall at a year of 1644..1694 (OpenCalendarAt).
    void ShowMuseumSearch();
    void ShowDateConverter();
    CMuseumSearchDlg* GetMuseumSearch() const;
    CDateConverterDlg* GetDateConverter() const;
    // Opens the old/new calendar list (as the calendar command does) and
    // shows year in it; false outside the list's years.
    bool OpenCalendarAt(int year);

    // Runs command id when it is enabled on the current route.
    void OnCommand(int id);
    bool IsCommandEnabled(int id) const;
    // Brings enabled states, check marks, menus and caption up to date.
    void UpdateCommandUI();
    void UpdateTitle();

    // Document windows (used by the document templates).
    // Adds a frame to the MDI area, hidden; ShowChildFrame shows and
    // activates it.
    void AddChildFrame(CChildFrame* frame);
    void ShowChildFrame(CChildFrame* frame);
    void ActivateChildFrame(CChildFrame* frame);
    void OnChildFrameClosing(CChildFrame* frame);

    // Placement and bar layout (settings key WindowPos, section "General").
    void SaveWindowPos();
    // 1 when WindowPos was applied, 0 when it was empty (the frame is
    // centred) or unparsable (left as it is).
    int RestoreWindowPos();
    void CenterOnScreen();

    // Document windows one above the other; minimised ones along the bottom.
    void TileHorizontally();
    void ArrangeIcons();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    bool CreateToolBar();
    bool CreateStatusBar();
    bool CreateSearchBar();
    void CreateMenus();
    void SetMenu(int menuId);
    void UpdateMenuForWindows();
    void UpdateWindowList();
    void RefreshActiveView();
    bool IsLiveFrame(const QMdiSubWindow* w) const;

    QStatusBar* m_wndStatusBar = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    char m_szDocTitle[128] = {};
    CSearchBar* m_searchBar = nullptr;
    QMdiArea* m_mdiArea = nullptr;
    QLabel* m_idleLabel = nullptr;
    std::map<int, QAction*> m_actions;
    std::map<int, std::vector<QMenu*>> m_menus;
    QMenu* m_windowMenu = nullptr;
    std::vector<QAction*> m_windowListActions;
    int m_currentMenu = 0;
    bool m_restoreMaximized = false;
    CKirokanViewBase* m_activeView = nullptr;
    const CChildFrame* m_closingFrame = nullptr;
    bool m_destroying = false;
    QPointer<CMuseumSearchDlg> m_museumSearch;
    QPointer<CDateConverterDlg> m_dateConverter;
};

// The program's main frame (nullptr before start-up and after exit).
CMainFrame* GetMainFrame();
