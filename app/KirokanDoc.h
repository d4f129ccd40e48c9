#pragma once
// The one document class of every document window. It holds no content:
// its title tells a view which order or table to show. Documents are never
// modified and never written; closing never asks about saving.
#include <functional>
#include <string>
#include <string_view>

class CRecentFileList;

class CKirokanDoc {
public:
    // recent: the list that SetPathName adds to (may be null).
    explicit CKirokanDoc(CRecentFileList* recent = nullptr) : m_recent(recent) {}

    // A new untitled document: the template gives it its title
    // ("Kiroka1", "Kiroka2", ...). Always succeeds.
    bool OnNewDocument(std::string_view untitledTitle);

    // Opening by name reads nothing and always succeeds; the name becomes the
    // path (resolved against the working directory) and its last component
    // the title, and the path enters the recent-document list.
    bool OnOpenDocument(std::string_view name);

    // Records the path; the title becomes its last component. addToRecent
    // false leaves the recent-document list alone (the list views use it).
    void SetPathName(std::string_view name, bool addToRecent = true);

    const std::string& GetPathName() const { return m_pathName; }
    const std::string& GetTitle() const { return m_title; }
    void SetTitle(std::string_view title);

    // Called whenever the title changes (the template refreshes the window
    // captions through it).
    void SetTitleChangedHandler(std::function<void()> handler) { m_titleChanged = std::move(handler); }

    // Never set: nothing in a document changes.
    bool IsModified() const { return false; }
    // The save command: documents are never written. Returns true.
    bool DoFileSave() const { return true; }

private:
    CRecentFileList* m_recent;
    std::string m_pathName;
    std::string m_title;
    std::function<void()> m_titleChanged;
};

// The full path of name: name itself when it is absolute, else the working
// directory (in Shift-JIS), '/', and name.
std::string ResolveDocumentPath(std::string_view name);
// The last component of a path (after the last '/').
std::string PathTitle(std::string_view path);
// "Kiroka" (the document name of document string 129) followed by n.
std::string UntitledTitle(int n);
