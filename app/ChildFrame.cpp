#include <QMdiSubWindow>

#include "app/ChildFrame.h"
#include "app/DocTemplate.h"
#include "app/KirokanApp.h"
#include "app/KirokanViewBase.h"
#include "app/MainFrame.h"
#include "platform/ResourceImages.h"

CChildFrame::CChildFrame(CDocTemplate* docTemplate, CKirokanDoc* doc, QWidget* view)
    : m_template(docTemplate), m_doc(doc) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(platform::ResourceIcon(docTemplate->GetResourceId()));
    setWidget(view);
}

CChildFrame::~CChildFrame() {
    // The view goes first, while its document still exists; then the
    // template lets the document go with its last window.
    if (CKirokanApp::Instance() && CKirokanApp::Instance()->GetMainFrame())
        CKirokanApp::Instance()->GetMainFrame()->OnChildFrameClosing(this);
    delete widget();
    m_template->OnFrameDestroyed(this);
}

CKirokanViewBase* CChildFrame::GetActiveView() const { return dynamic_cast<CKirokanViewBase*>(widget()); }
