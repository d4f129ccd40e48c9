#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <cstdio>

#include "app/CalendarTitle.h"
#include "app/CascadePlacement.h"
#include "app/ChildFrame.h"
#include "app/CommandTable.h"
#include "app/DocTemplate.h"
#include "app/KirokanApp.h"
#include "app/KirokanDoc.h"
#include "app/KirokanViewBase.h"
#include "app/MainFrame.h"
#include "app/MessageReporter.h"
#include "app/SearchBar.h"
#include "app/SettingsStore.h"
#include "app/WindowHooks.h"
#include "app/WindowPlacement.h"
#include "calendar/DateConverterDlg.h"
#include "calendar/OldNewSimpleListView.h"
#include "haiku/HaikuOrders.h"
#include "platform/QtCodec.h"
#include "platform/ResourceImages.h"
#include "platform/ShiftJis.h"
#include "res/Accelerators.h"
#include "res/Menus.h"
#include "res/ResourceIds.h"
#include "res/Strings.h"
#include "res/ToolBar.h"
#include "text/MuseumSearchDlg.h"

namespace {

constexpr const char* kBarSection = "General";
constexpr const char* kBarStateKey = "BarState";
constexpr const char* kStatusBarKey = "StatusBar";

QString Text(const std::string& cp932) { return platform::ToQString(cp932); }

// A menu label without its "(&X)" mnemonic, for bar captions.
QString WithoutMnemonic(const char* label) {
    QString text = platform::ToQString(label ? label : "");
    text.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    return text.remove(QLatin1Char('&')).trimmed();
}

}  // namespace

CMainFrame* GetMainFrame() { return CKirokanApp::Instance() ? CKirokanApp::Instance()->GetMainFrame() : nullptr; }

CMainFrame::CMainFrame() {
    setObjectName(QString::number(res::IDR_MAINFRAME));
    setWindowTitle(Text(res::LoadString(res::IDR_MAINFRAME)));
    setWindowIcon(platform::ResourceIcon(res::IDR_MAINFRAME));
}

CMainFrame::~CMainFrame() {
    // Document windows go while the frame is whole (their views may still
    // talk to it); the search bar writes its history as a child afterwards.
    // Closed windows waiting for deletion are no longer listed by the MDI
    // area, so every child frame is looked up.
    m_destroying = true;
    m_activeView = nullptr;
    for (CChildFrame* frame : findChildren<CChildFrame*>()) delete frame;
}

bool CMainFrame::Create() {
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("MDIClient"));
    m_mdiArea->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) {
        RefreshActiveView();
        UpdateMenuForWindows();
        UpdateCommandUI();
    });

    CreateActions();
    if (!CreateToolBar() || !CreateStatusBar() || !CreateSearchBar()) return false;
    CreateMenus();
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
    // The search bar is docked before the tool bar: its row comes first.
    addToolBar(Qt::TopToolBarArea, m_searchBar);
    addToolBarBreak(Qt::TopToolBarArea);
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);

    // The size the platform gives a new main window: three quarters of the
    // screen, at most 900 by 680.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize avail = screen->availableGeometry().size();
        resize(qMin(900, avail.width() * 3 / 4), qMin(680, avail.height() * 3 / 4));
    } else {
        resize(800, 600);
    }
    RestoreWindowPos();
    UpdateCommandUI();
    return true;
}

void CMainFrame::CreateActions() {
    for (const MuseumCommand& c : GetCommandTable()) {
        auto* action = new QAction(this);
        action->setObjectName(QString::number(c.id));
        const char* label = res::FindMenuLabel(res::IDR_MAINFRAME, c.id);
        if (!label) label = res::FindMenuLabel(res::IDR_KIROKATYPE, c.id);
        if (label) action->setText(platform::ToQString(label));
        const std::string prompt = GetCommandPrompt(c.id);
        const std::string tip = GetCommandToolTip(c.id);
        if (!prompt.empty()) action->setStatusTip(Text(prompt));
        if (!tip.empty()) action->setToolTip(Text(tip));
        if (c.action == CommandAction::ToggleToolBar || c.action == CommandAction::ToggleStatusBar)
            action->setCheckable(true);
        action->setShortcutContext(Qt::WindowShortcut);
        const int id = c.id;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        addAction(action);  // shortcuts work whichever menu is shown
        m_actions[c.id] = action;
    }
    std::map<int, QList<QKeySequence>> keys;
    for (const res::Accelerator& a : res::GetAccelerators())
        keys[a.command].append(QKeySequence(QString::fromLatin1(a.key), QKeySequence::PortableText));
    for (const auto& [id, seqs] : keys)
        if (QAction* action = GetCommandAction(id)) action->setShortcuts(seqs);
}

bool CMainFrame::CreateToolBar() {
    m_wndToolBar = new QToolBar(this);
    m_wndToolBar->setObjectName(QString::number(res::ID_VIEW_TOOLBAR));
    m_wndToolBar->setWindowTitle(WithoutMnemonic(res::FindMenuLabel(res::IDR_MAINFRAME, res::ID_VIEW_TOOLBAR)));
    m_wndToolBar->setIconSize(QSize(res::kToolButtonWidth, res::kToolButtonHeight));
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (const res::ToolBarSlot& slot : res::GetToolBar()) {
        if (slot.command == 0) {
            m_wndToolBar->addSeparator();
            continue;
        }
        QAction* action = GetCommandAction(slot.command);
        if (!action) return false;
        action->setIcon(platform::ToolButtonIcon(slot));
        m_wndToolBar->addAction(action);
    }
    connect(m_wndToolBar, &QToolBar::visibilityChanged, this, [this] { UpdateCommandUI(); });
    return true;
}

bool CMainFrame::CreateStatusBar() {
    m_wndStatusBar = new QStatusBar(this);
    m_wndStatusBar->setObjectName(QString::number(res::ID_VIEW_STATUS_BAR));
    // The one message pane: the idle text, covered by a command's prompt
    // while its menu item or button is highlighted.
    m_idleLabel = new QLabel(Text(res::LoadString(res::IDS_IDLE_MESSAGE)), m_wndStatusBar);
    m_idleLabel->setObjectName(QString::number(res::IDS_IDLE_MESSAGE));
    m_wndStatusBar->addWidget(m_idleLabel, 1);
    setStatusBar(m_wndStatusBar);
    return true;
}

bool CMainFrame::CreateSearchBar() {
    QAction* find = GetCommandAction(res::ID_FIND);
    if (!find) return false;
    m_searchBar = new CSearchBar(this, find);
    return true;
}

void CMainFrame::CreateMenus() {
    for (int menuId : {int(res::IDR_MAINFRAME), int(res::IDR_KIROKATYPE)}) {
        const res::MenuResource* menu = res::FindMenu(menuId);
        std::vector<QMenu*>& popups = m_menus[menuId];
        for (const res::MenuPopup& popup : menu->popups) {
            auto* qmenu = new QMenu(platform::ToQString(popup.title), this);
            for (const res::MenuItem& item : popup.items) {
                if (item.id == 0) {
                    qmenu->addSeparator();
                } else if (QAction* action = GetCommandAction(item.id)) {
                    qmenu->addAction(action);
                }
                if (item.id == res::ID_WINDOW_CASCADE) m_windowMenu = qmenu;
            }
            connect(qmenu, &QMenu::aboutToShow, this, [this] { UpdateCommandUI(); });
            popups.push_back(qmenu);
        }
    }
    if (m_windowMenu) connect(m_windowMenu, &QMenu::aboutToShow, this, [this] { UpdateWindowList(); });
    SetMenu(res::IDR_MAINFRAME);
}

const std::vector<QMenu*>& CMainFrame::GetMenuPopups(int menuId) const {
    static const std::vector<QMenu*> none;
    const auto it = m_menus.find(menuId);
    return it == m_menus.end() ? none : it->second;
}

void CMainFrame::SetMenu(int menuId) {
    if (menuId == m_currentMenu) return;
    m_currentMenu = menuId;
    menuBar()->clear();
    for (QMenu* popup : m_menus[menuId]) menuBar()->addMenu(popup);
    // The exit item is labelled differently in the two menus.
    if (const char* label = res::FindMenuLabel(menuId, res::ID_APP_EXIT))
        GetCommandAction(res::ID_APP_EXIT)->setText(platform::ToQString(label));
}

bool CMainFrame::IsLiveFrame(const QMdiSubWindow* w) const {
    return w && w != m_closingFrame && !w->isHidden() && qobject_cast<const CChildFrame*>(w);
}

std::vector<CChildFrame*> CMainFrame::GetChildFrames() const {
    std::vector<CChildFrame*> frames;
    if (!m_mdiArea) return frames;
    for (QMdiSubWindow* w : m_mdiArea->subWindowList(QMdiArea::CreationOrder))
        if (IsLiveFrame(w)) frames.push_back(static_cast<CChildFrame*>(w));
    return frames;
}

void CMainFrame::UpdateMenuForWindows() {
    SetMenu(GetChildFrames().empty() ? res::IDR_MAINFRAME : res::IDR_KIROKATYPE);
}

void CMainFrame::UpdateWindowList() {
    for (QAction* a : m_windowListActions) {
        m_windowMenu->removeAction(a);
        delete a;
    }
    m_windowListActions.clear();
    const std::vector<CChildFrame*> frames = GetChildFrames();
    if (frames.empty()) return;
    m_windowListActions.push_back(m_windowMenu->addSeparator());
    const CChildFrame* active = GetActiveFrame();
    int n = 0;
    for (CChildFrame* frame : frames) {
        ++n;
        QString label = frame->windowTitle();
        label.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(n).arg(label));
        a->setCheckable(true);
        a->setChecked(frame == active);
        QPointer<CChildFrame> target(frame);
        connect(a, &QAction::triggered, this, [this, target] {
            if (target) ActivateChildFrame(target);
        });
        m_windowListActions.push_back(a);
    }
}

CChildFrame* CMainFrame::GetActiveFrame() const {
    if (!m_mdiArea) return nullptr;
    QMdiSubWindow* w = m_mdiArea->currentSubWindow();
    return IsLiveFrame(w) ? static_cast<CChildFrame*>(w) : nullptr;
}

CKirokanViewBase* CMainFrame::GetActiveView() const {
    CChildFrame* frame = GetActiveFrame();
    return frame ? frame->GetActiveView() : nullptr;
}

CKirokanDoc* CMainFrame::GetActiveDocument() const {
    CChildFrame* frame = GetActiveFrame();
    return frame ? frame->GetDocument() : nullptr;
}

void CMainFrame::RefreshActiveView() {
    CKirokanViewBase* view = GetActiveView();
    if (view == m_activeView) return;
    CKirokanViewBase* old = m_activeView;
    m_activeView = view;
    if (old) old->OnActivateView(false);
    if (view) view->OnActivateView(true);
}

QAction* CMainFrame::GetCommandAction(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

bool CMainFrame::IsCommandEnabled(int id) const {
    if (const CKirokanViewBase* view = GetActiveView(); view && view->IsCommandEnabled(id)) return true;
    const MuseumCommand* c = FindCommand(id);
    if (!c) return false;
    switch (c->action) {
        case CommandAction::ViewOnly:
        case CommandAction::NoHandler:
            return false;
        case CommandAction::FileClose:
        case CommandAction::FileSave:
        case CommandAction::WindowNew:
            return GetActiveFrame() != nullptr;
        default:
            return true;
    }
}

void CMainFrame::OnCommand(int id) {
    if (!IsCommandEnabled(id)) return;
    if (CKirokanViewBase* view = GetActiveView(); view && view->IsCommandEnabled(id) && view->HandleCommand(id)) {
        UpdateCommandUI();
        return;
    }
    const MuseumCommand* c = FindCommand(id);
    if (!c) return;
    CKirokanApp* app = CKirokanApp::Instance();
    WindowHooks& hooks = GetWindowHooks();
    switch (c->action) {
        case CommandAction::OpenHaikuList:
            std::snprintf(m_szDocTitle, sizeof m_szDocTitle, "%s", haiku::GetOrderLabel(c->arg));
            if (app && app->m_pHaikuTemplate) app->m_pHaikuTemplate->OpenDocumentFile(m_szDocTitle);
            break;
        case CommandAction::OpenCalendar:
            platform::CopyToField(m_szDocTitle, sizeof m_szDocTitle, CalendarDocTitle(c->arg));
            if (app && app->m_pCalendarTemplate) app->m_pCalendarTemplate->OpenDocumentFile(m_szDocTitle);
            break;
        case CommandAction::TextWork:
            OpenTextWork(this, c->arg);
            break;
        case CommandAction::HaikuCard: {
            CSettingsStore& store = CSettingsStore::Instance();
            const int order = store.GetKironoMode(0);
            const int position = store.GetKironoNo(0);
            OpenHaikuCard(this, order, position);
            break;
        }
        case CommandAction::OnePointTips:
            if (app) app->RunOnePointTips();
            break;
        case CommandAction::HelpContents: {
            const std::string path = GetHelpTopicsPath();
            if (!CanOpenForReading(path)) {
                CMessageReporter().ReportUnreadable(path);
                break;
            }
            const std::string topic = GetHelpContentsTopic();
            if (hooks.runHelpBrowser) hooks.runHelpBrowser(this, path, topic, topic);
            break;
        }
        case CommandAction::MuseumSearch:
            ShowMuseumSearch();
            break;
        case CommandAction::DateConverter:
            ShowDateConverter();
            break;
        case CommandAction::About:
            if (app) app->OnAppAbout();
            break;
        case CommandAction::FileNew:
            if (app) app->OnFileNew();
            break;
        case CommandAction::FileOpen:
            if (app) app->OnFileOpen();
            break;
        case CommandAction::FileClose:
            if (CChildFrame* frame = GetActiveFrame()) frame->close();
            break;
        case CommandAction::FileSave:
            if (CKirokanDoc* doc = GetActiveDocument()) doc->DoFileSave();
            break;
        case CommandAction::AppExit:
            close();
            break;
        case CommandAction::ToggleToolBar:
            m_wndToolBar->setVisible(m_wndToolBar->isHidden());
            break;
        case CommandAction::ToggleStatusBar:
            m_wndStatusBar->setVisible(m_wndStatusBar->isHidden());
            break;
        case CommandAction::WindowNew:
            if (CChildFrame* frame = GetActiveFrame()) frame->GetDocTemplate()->CreateNewFrame(frame->GetDocument());
            break;
        case CommandAction::WindowCascade:
            m_mdiArea->cascadeSubWindows();
            break;
        case CommandAction::WindowTile:
            TileHorizontally();
            break;
        case CommandAction::WindowArrange:
            ArrangeIcons();
            break;
        case CommandAction::ViewOnly:
        case CommandAction::NoHandler:
            break;
    }
    UpdateCommandUI();
}

CMuseumSearchDlg* CMainFrame::GetMuseumSearch() const { return m_museumSearch.data(); }

CDateConverterDlg* CMainFrame::GetDateConverter() const { return m_dateConverter.data(); }

void CMainFrame::ShowMuseumSearch() {
    if (!m_museumSearch) m_museumSearch = new CMuseumSearchDlg(this);
    m_museumSearch->show();
    m_museumSearch->raise();
    m_museumSearch->activateWindow();
}

void CMainFrame::ShowDateConverter() {
    if (!m_dateConverter) m_dateConverter = new CDateConverterDlg(this);
    m_dateConverter->show();
    m_dateConverter->raise();
    m_dateConverter->activateWindow();
}

bool CMainFrame::OpenCalendarAt(int year) {
    if (year < COldNewSimpleListView::kFirstDisplayYear || year > COldNewSimpleListView::kLastDisplayYear)
        return false;
    OnCommand(res::ID_CALENDAR_TABLE);
    CChildFrame* frame = GetActiveFrame();
    auto* view = frame ? dynamic_cast<COldNewSimpleListView*>(frame->GetViewWidget()) : nullptr;
    return view && view->ShowYear(year);
}

void CMainFrame::UpdateCommandUI() {
    for (const auto& [id, action] : m_actions) action->setEnabled(IsCommandEnabled(id));
    if (m_wndToolBar) GetCommandAction(res::ID_VIEW_TOOLBAR)->setChecked(!m_wndToolBar->isHidden());
    if (m_wndStatusBar) GetCommandAction(res::ID_VIEW_STATUS_BAR)->setChecked(!m_wndStatusBar->isHidden());
    UpdateTitle();
}

void CMainFrame::UpdateTitle() {
    QString title = Text(res::LoadString(res::IDR_MAINFRAME));
    if (CChildFrame* frame = GetActiveFrame()) {
        title += frame->isMaximized() ? QStringLiteral(" - [%1]").arg(frame->windowTitle())
                                      : QStringLiteral(" - %1").arg(frame->windowTitle());
    }
    if (windowTitle() != title) setWindowTitle(title);
}

void CMainFrame::AddChildFrame(CChildFrame* frame) {
    const int open = static_cast<int>(GetChildFrames().size());
    m_mdiArea->addSubWindow(frame);
    connect(frame, &QMdiSubWindow::windowStateChanged, this, [this] {
        UpdateTitle();
        // The MDI area composes its own caption for a maximised window; ours
        // is put back once it has done so.
        QTimer::singleShot(0, this, [this] { UpdateTitle(); });
    });
    connect(frame, &QWidget::windowTitleChanged, this, [this] { UpdateTitle(); });
    const QSize area = m_mdiArea->viewport()->size();
    frame->resize(area * 2 / 3);
    // Cascade from the corner so that a new window never opens partly
    // outside the client area, where the area's own placement can put it.
    const int step = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame);
    const CascadePoint at =
        CascadePosition(open, area.width(), area.height(), frame->width(), frame->height(), step);
    frame->move(at.x, at.y);
}

void CMainFrame::ShowChildFrame(CChildFrame* frame) {
    frame->show();
    ActivateChildFrame(frame);
}

void CMainFrame::ActivateChildFrame(CChildFrame* frame) {
    if (!frame) return;
    m_mdiArea->setActiveSubWindow(frame);
    RefreshActiveView();
    UpdateMenuForWindows();
    UpdateCommandUI();
}

void CMainFrame::OnChildFrameClosing(CChildFrame* frame) {
    if (m_destroying) return;
    if (m_activeView && frame->GetActiveView() == m_activeView) {
        m_activeView->OnActivateView(false);
        m_activeView = nullptr;
    }
    m_closingFrame = frame;
    UpdateMenuForWindows();
    UpdateCommandUI();
    m_closingFrame = nullptr;
}

void CMainFrame::TileHorizontally() {
    std::vector<QMdiSubWindow*> windows;
    for (CChildFrame* f : GetChildFrames())
        if (!f->isMinimized()) windows.push_back(f);
    if (windows.empty()) return;
    const QRect area = m_mdiArea->viewport()->rect();
    const int n = static_cast<int>(windows.size());
    int top = 0;
    for (int i = 0; i < n; ++i) {
        const int bottom = area.height() * (i + 1) / n;
        windows[i]->showNormal();
        windows[i]->setGeometry(0, top, area.width(), bottom - top);
        top = bottom;
    }
}

void CMainFrame::ArrangeIcons() {
    const QRect area = m_mdiArea->viewport()->rect();
    int x = 0, y = area.height();
    for (CChildFrame* f : GetChildFrames()) {
        if (!f->isMinimized()) continue;
        const QSize size = f->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        f->move(x, y - size.height());
        x += size.width();
    }
}

void CMainFrame::SaveWindowPos() {
    CSettingsStore& store = CSettingsStore::Instance();
    WindowPlacement wp;
    wp.showCmd = isMinimized() ? 2u : isMaximized() ? 3u : 1u;
    wp.minX = wp.minY = wp.maxX = wp.maxY = -1;
    QRect normal = normalGeometry();
    if (!normal.isValid()) normal = geometry();
    wp.left = normal.left();
    wp.top = normal.top();
    wp.right = normal.left() + normal.width();
    wp.bottom = normal.top() + normal.height();
    store.SaveWindowPlacement(wp, isMaximized());
    store.WriteProfileString(kBarSection, kBarStateKey, saveState().toHex().toStdString());
    store.WriteProfileInt(kBarSection, kStatusBarKey, m_wndStatusBar->isHidden() ? 0 : 1);
}

int CMainFrame::RestoreWindowPos() {
    CSettingsStore& store = CSettingsStore::Instance();
    if (store.GetWindowPos().empty()) {
        CenterOnScreen();
        return 0;
    }
    WindowPlacement wp;
    if (!store.RestoreWindowPlacement(&wp)) return 0;
    // A placement saved on a larger or a second screen comes back onto one.
    std::vector<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect a = screen->availableGeometry();
        screens.push_back({a.left(), a.top(), a.left() + a.width(), a.top() + a.height()});
    }
    wp = BringOntoScreen(wp, screens);
    setGeometry(QRect(wp.left, wp.top, wp.right - wp.left, wp.bottom - wp.top));
    m_restoreMaximized = wp.showCmd == 3 || (wp.flags & 2u) != 0;
    const std::string state = store.GetProfileString(kBarSection, kBarStateKey);
    if (!state.empty()) restoreState(QByteArray::fromHex(QByteArray::fromStdString(state)));
    m_wndStatusBar->setVisible(store.GetProfileInt(kBarSection, kStatusBarKey, 1) != 0);
    return 1;
}

void CMainFrame::CenterOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect avail = screen->availableGeometry();
    QSize size = this->size().boundedTo(avail.size());
    resize(size);
    move(avail.x() + (avail.width() - size.width()) / 2, avail.y() + (avail.height() - size.height()) / 2);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    SaveWindowPos();
    // Documents are never modified: their windows close without a question.
    for (CChildFrame* frame : GetChildFrames()) frame->close();
    event->accept();
}
