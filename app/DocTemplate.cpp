#include <QMdiArea>
#include <QWidget>

#include "app/ChildFrame.h"
#include "app/DocTemplate.h"
#include "app/KirokanApp.h"
#include "app/KirokanDoc.h"
#include "app/KirokanViewBase.h"
#include "app/MainFrame.h"
#include "platform/QtCodec.h"
#include "res/Strings.h"

CDocTemplate::CDocTemplate(int resourceId, ViewFactory factory, CRecentFileList* recent)
    : m_resourceId(resourceId), m_factory(std::move(factory)), m_recent(recent) {}

// The main frame destroys every document window before the templates go.
CDocTemplate::~CDocTemplate() = default;

std::string CDocTemplate::GetDocName() const { return res::LoadStringField(m_resourceId, 1); }

CKirokanDoc* CDocTemplate::OpenDocumentFile(const std::string& name, bool makeVisible) {
    auto entry = std::make_unique<Entry>();
    entry->doc = std::make_unique<CKirokanDoc>(m_recent);
    CKirokanDoc* doc = entry->doc.get();
    doc->SetTitleChangedHandler([this, doc] { UpdateFrameTitles(doc); });
    if (name.empty()) {
        doc->OnNewDocument(UntitledTitle(++m_untitledCount));
    } else {
        doc->OnOpenDocument(name);
    }
    m_entries.push_back(std::move(entry));
    CChildFrame* frame = CreateNewFrame(doc);
    if (!frame) return nullptr;
    if (!makeVisible) frame->hide();
    return doc;
}

CChildFrame* CDocTemplate::CreateNewFrame(CKirokanDoc* doc) {
    Entry* entry = FindEntry(doc);
    CMainFrame* main = CKirokanApp::Instance() ? CKirokanApp::Instance()->GetMainFrame() : nullptr;
    if (!entry || !main) return nullptr;
    QWidget* view = m_factory ? m_factory(doc) : nullptr;
    if (!view) return nullptr;
    if (auto* base = dynamic_cast<CKirokanViewBase*>(view)) base->m_pDocument = doc;
    auto* frame = new CChildFrame(this, doc, view);
    entry->frames.push_back(frame);
    UpdateFrameTitles(doc);
    // The view's initial update comes before the window is shown and
    // activated (and so before the view's first activation).
    main->AddChildFrame(frame);
    if (auto* base = dynamic_cast<CKirokanViewBase*>(view)) base->OnInitialUpdate();
    // The title may have been set again by the view's initial update.
    UpdateFrameTitles(doc);
    main->ShowChildFrame(frame);
    return frame;
}

CDocTemplate::Entry* CDocTemplate::FindEntry(const CKirokanDoc* doc) {
    for (auto& e : m_entries)
        if (e->doc.get() == doc) return e.get();
    return nullptr;
}

const CDocTemplate::Entry* CDocTemplate::FindEntry(const CKirokanDoc* doc) const {
    for (const auto& e : m_entries)
        if (e->doc.get() == doc) return e.get();
    return nullptr;
}

CKirokanDoc* CDocTemplate::FindDocumentByPath(const std::string& path) const {
    for (const auto& e : m_entries)
        if (!e->doc->GetPathName().empty() && e->doc->GetPathName() == path) return e->doc.get();
    return nullptr;
}

std::vector<CKirokanDoc*> CDocTemplate::GetDocuments() const {
    std::vector<CKirokanDoc*> docs;
    for (const auto& e : m_entries) docs.push_back(e->doc.get());
    return docs;
}

std::vector<CChildFrame*> CDocTemplate::GetFrames(const CKirokanDoc* doc) const {
    std::vector<CChildFrame*> frames;
    if (const Entry* e = FindEntry(doc))
        for (const auto& f : e->frames)
            if (f) frames.push_back(f.data());
    return frames;
}

bool CDocTemplate::OwnsDocument(const CKirokanDoc* doc) const { return FindEntry(doc) != nullptr; }

void CDocTemplate::OnFrameDestroyed(CChildFrame* frame) {
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        Entry& e = **it;
        std::erase_if(e.frames, [frame](const QPointer<CChildFrame>& f) { return !f || f.data() == frame; });
        if (e.doc.get() != frame->GetDocument()) continue;
        if (e.frames.empty()) {
            m_entries.erase(it);
        } else {
            UpdateFrameTitles(e.doc.get());
        }
        return;
    }
}

void CDocTemplate::UpdateFrameTitles(const CKirokanDoc* doc) {
    Entry* e = FindEntry(doc);
    if (!e) return;
    const QString title = platform::ToQString(doc->GetTitle());
    int n = 0;
    for (auto& f : e->frames) {
        if (!f) continue;
        ++n;
        f->setWindowTitle(e->frames.size() > 1 ? QStringLiteral("%1:%2").arg(title).arg(n) : title);
    }
    if (CKirokanApp::Instance() && CKirokanApp::Instance()->GetMainFrame())
        CKirokanApp::Instance()->GetMainFrame()->UpdateTitle();
}
