#include <QApplication>
#include <QLocale>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMessageBox>
#include <QWidget>

#include "app/AboutDlg.h"
#include "app/ChildFrame.h"
#include "app/DocTemplate.h"
#include "app/KirokanApp.h"
#include "app/KirokanDoc.h"
#include "app/KirokanView.h"
#include "app/MainFrame.h"
#include "app/NewTypeDlg.h"
#include "app/SettingsStore.h"
#include "app/WindowHooks.h"
#include "platform/QtTranslations.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/QtCodec.h"
#include "platform/ResourceImages.h"
#include "res/ResourceIds.h"

namespace {

CKirokanApp* g_app = nullptr;

}  // namespace

CKirokanApp::CKirokanApp() : m_settingsInit([] { CSettingsStore::Instance().Init(); }) { g_app = this; }

CKirokanApp::~CKirokanApp() {
    if (m_pMainWnd) {
        delete m_pMainWnd;
        m_pMainWnd = nullptr;
    }
    if (g_app == this) g_app = nullptr;
}

CKirokanApp* CKirokanApp::Instance() { return g_app; }

void CKirokanApp::InstallPlatformHandlers() {
    // Without a display (the offscreen platform) messages stay on standard
    // error, or with whatever handler a test installed.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        platform::SetMessageBoxHandler([](const std::string& text, const std::string& caption) {
            QMessageBox box(QMessageBox::Warning, platform::ToQString(caption), platform::ToQString(text),
                            QMessageBox::Ok, QApplication::activeWindow());
            box.exec();
            return platform::kIdOk;
        });
    }
    platform::SetBeepHandler([] { QApplication::beep(); });
    platform::SetWaitCursorHandler([](bool show) {
        if (show) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    });
    platform::InstallFontSubstitutions();
    platform::InstallQtTranslations(QLocale::system());
}

CDocTemplate* CKirokanApp::AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate) {
    m_templates.push_back(std::move(docTemplate));
    m_templateList.push_back(m_templates.back().get());
    return m_templateList.back();
}

bool CKirokanApp::InitInstance() {
    // 1. Platform support.
    InstallPlatformHandlers();
    // 2. The settings file and data directory first; then the
    //    recent-document list of 4.
    m_settingsInit();
    m_recentFiles.ReadList(CSettingsStore::Instance());
    // 3. Template 1: the plain view.
    AddDocTemplate(std::make_unique<CDocTemplate>(
        res::IDR_KIROKATYPE, [](CKirokanDoc*) -> QWidget* { return new CKirokanView; }, &m_recentFiles));
    // 4. The main frame.
    auto* frame = new CMainFrame;
    m_pMainWnd = frame;
    if (!frame->Create()) {
        m_pMainWnd = nullptr;
        delete frame;
        return false;
    }
    // 5. Shown and painted at once.
    if (frame->ShouldShowMaximized()) {
        frame->showMaximized();
    } else {
        frame->show();
    }
    frame->repaint();
    // 6. Templates 2 and 3.
    m_pHaikuTemplate = AddDocTemplate(std::make_unique<CDocTemplate>(
        res::IDR_KIROKATYPE, [](CKirokanDoc* doc) { return GetWindowHooks().createHaikuListView(doc); },
        &m_recentFiles));
    m_pCalendarTemplate = AddDocTemplate(std::make_unique<CDocTemplate>(
        res::IDR_KIROKATYPE, [](CKirokanDoc* doc) { return GetWindowHooks().createCalendarView(doc); },
        &m_recentFiles));
    // 7., 8. The tips window and the haiku card, when the settings ask.
    CSettingsStore& store = CSettingsStore::Instance();
    if (store.GetOnePointView() != 0) RunOnePointTips();
    if (store.GetKironoView() != 0) {
        const int order = store.GetKironoMode(0);
        const int position = store.GetKironoNo(0);
        OpenHaikuCard(m_pMainWnd, order, position);
    }
    return true;
}

int CKirokanApp::ExitInstance() {
    // The frame goes with its document windows; the search bar writes the
    // history as it is destroyed. Last, the recent-document list.
    if (m_pMainWnd) {
        CMainFrame* frame = m_pMainWnd;
        delete frame;
        m_pMainWnd = nullptr;
    }
    m_recentFiles.WriteList(CSettingsStore::Instance());
    return 0;
}

void CKirokanApp::RunOnePointTips() {
    if (GetWindowHooks().showOnePointTips) GetWindowHooks().showOnePointTips(m_pMainWnd);
}

void CKirokanApp::OnAppAbout() {
    CAboutDlg dialog(m_pMainWnd);
    RunModalDialog(&dialog);
}

void CKirokanApp::OnFileNew() {
    std::vector<std::string> names;
    for (CDocTemplate* t : m_templateList) names.push_back(t->GetDocName());
    CNewTypeDlg dialog(names, m_pMainWnd);
    if (RunModalDialog(&dialog) != QDialog::Accepted) return;
    const int choice = dialog.GetSelection();
    if (choice < 0 || choice >= static_cast<int>(m_templateList.size())) return;
    m_templateList[choice]->OpenDocumentFile(std::string());
}

void CKirokanApp::OnFileOpen() {
    if (!GetWindowHooks().getOpenFileName) return;
    const QString path = GetWindowHooks().getOpenFileName(m_pMainWnd);
    if (path.isEmpty()) return;
    OpenDocumentFile(platform::FromQString(path));
}

CKirokanDoc* CKirokanApp::OpenDocumentFile(const std::string& path) {
    const std::string full = ResolveDocumentPath(path);
    for (CDocTemplate* t : m_templateList) {
        if (CKirokanDoc* doc = t->FindDocumentByPath(full)) {
            const std::vector<CChildFrame*> frames = t->GetFrames(doc);
            if (!frames.empty() && m_pMainWnd) m_pMainWnd->ActivateChildFrame(frames.front());
            return doc;
        }
    }
    CDocTemplate* plain = GetPlainTemplate();
    return plain ? plain->OpenDocumentFile(full) : nullptr;
}
