#pragma once
// A document template: the document class CKirokanDoc, the frame
// CChildFrame, and a factory that creates the view widget of a document
// window. The view's class decides what the window shows; the haiku and
// calendar halls plug their views in through their factories.
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;
class CChildFrame;
class CKirokanDoc;
class CKirokanViewBase;
class CRecentFileList;
class CMainFrame;

class CDocTemplate {
public:
    using ViewFactory = std::function<QWidget*(CKirokanDoc*)>;

    // resourceId: the document string (129) naming the documents; the
    // frames show icon resourceId.
    CDocTemplate(int resourceId, ViewFactory factory, CRecentFileList* recent);
    ~CDocTemplate();
    CDocTemplate(const CDocTemplate&) = delete;
    CDocTemplate& operator=(const CDocTemplate&) = delete;

    // "Kiroka": the document name of the document string (Shift-JIS).
    std::string GetDocName() const;

    // Opens a new document and a new window on it. An empty name makes an
    // untitled document ("Kiroka1", "Kiroka2", ...); any other name is
    // taken as the document's path name (nothing is read). A new document
    // and window are made every time.
    CKirokanDoc* OpenDocumentFile(const std::string& name, bool makeVisible = true);

    // One more window on doc (the new-window command).
    CChildFrame* CreateNewFrame(CKirokanDoc* doc);

    // The open document whose path name is path, or nullptr.
    CKirokanDoc* FindDocumentByPath(const std::string& path) const;
    std::vector<CKirokanDoc*> GetDocuments() const;
    std::vector<CChildFrame*> GetFrames(const CKirokanDoc* doc) const;
    bool OwnsDocument(const CKirokanDoc* doc) const;

    int GetResourceId() const { return m_resourceId; }

    // Called by a frame as it is destroyed, after its view is gone; the
    // document goes with its last frame.
    void OnFrameDestroyed(CChildFrame* frame);

    // Refreshes the window titles of doc ("title", or "title:1",
    // "title:2", ... while it has several windows).
    void UpdateFrameTitles(const CKirokanDoc* doc);

private:
    struct Entry {
        std::unique_ptr<CKirokanDoc> doc;
        std::vector<QPointer<CChildFrame>> frames;
    };
    Entry* FindEntry(const CKirokanDoc* doc);
    const Entry* FindEntry(const CKirokanDoc* doc) const;

    int m_resourceId;
    ViewFactory m_factory;
    CRecentFileList* m_recent;
    int m_untitledCount = 0;
    std::vector<std::unique_ptr<Entry>> m_entries;
};
