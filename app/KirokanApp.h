#pragma once
// The application object: start-up (InitInstance), the three document
// templates, the recent-document list, the new/open/about commands and the
// exit path (ExitInstance). One instance; CKirokanApp::Instance().
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/RecentFileList.h"

class CDocTemplate;
class CKirokanDoc;
class CMainFrame;

class CKirokanApp {
public:
    CKirokanApp();
    ~CKirokanApp();
    CKirokanApp(const CKirokanApp&) = delete;
    CKirokanApp& operator=(const CKirokanApp&) = delete;

    static CKirokanApp* Instance();

    // Start-up, in order: platform handlers; the settings store (data
    // directory, settings file) and the recent-document list; template 1;
    // the main frame, shown; templates 2 and 3; the tips window and the
    // haiku card when the settings ask for them. False when the main frame
    // cannot be created.
    bool InitInstance();
    // After the main window has closed: destroys it (the search bar writes
    // its history) and writes the recent-document list.
    int ExitInstance();

    // How InitInstance fixes the settings file (default: the working
    // directory and the program's name); tests point it at a directory.
    void SetSettingsInit(std::function<void()> init) { m_settingsInit = std::move(init); }

    CMainFrame* GetMainFrame() const { return m_pMainWnd; }
    CRecentFileList& GetRecentFileList() { return m_recentFiles; }
    const std::vector<CDocTemplate*>& GetDocTemplates() const { return m_templateList; }
    CDocTemplate* GetPlainTemplate() const { return m_templateList.empty() ? nullptr : m_templateList.front(); }

    // Template 2 (haiku list) and template 3 (old/new calendar list).
    CDocTemplate* m_pHaikuTemplate = nullptr;
    CDocTemplate* m_pCalendarTemplate = nullptr;

    // Commands of the application object.
    void OnAppAbout();   // ID_APP_ABOUT
    void OnFileNew();    // ID_FILE_NEW: chooser of the templates
    void OnFileOpen();   // ID_FILE_OPEN: open-file dialog
    // Opens path in template 1, or activates the window already showing it.
    CKirokanDoc* OpenDocumentFile(const std::string& path);

    // The start-up tips window (also reached by command ID_ONE_POINT).
    void RunOnePointTips();

private:
    CDocTemplate* AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate);
    void InstallPlatformHandlers();

    std::function<void()> m_settingsInit;
    CMainFrame* m_pMainWnd = nullptr;
    CRecentFileList m_recentFiles;
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    std::vector<CDocTemplate*> m_templateList;
};
