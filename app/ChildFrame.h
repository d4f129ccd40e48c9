#pragma once
// The frame of a document window: a sub-window of the main frame's MDI area
// holding one view. It has no state of its own beyond its document and
// template.
#include <QMdiSubWindow>

class CDocTemplate;
class CKirokanDoc;
class CKirokanViewBase;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CDocTemplate* docTemplate, CKirokanDoc* doc, QWidget* view);
    ~CChildFrame() override;

    CKirokanDoc* GetDocument() const { return m_doc; }
    CDocTemplate* GetDocTemplate() const { return m_template; }
    QWidget* GetViewWidget() const { return widget(); }
    // The view's interface (nullptr for a view that lacks it).
    CKirokanViewBase* GetActiveView() const;

private:
    CDocTemplate* m_template;
    CKirokanDoc* m_doc;
};
