#pragma once
// What every view of a document window offers the frame. A view is a
// QWidget that also derives from CKirokanViewBase; its template's factory
// creates it (app/DocTemplate.h), the template attaches the document before
// calling OnInitialUpdate.
//
// Commands routed to the active view: the main frame first asks the active
// view (IsCommandEnabled / HandleCommand) and only then falls back to its
// own command table. ID_FIND, ID_CALENDAR_YEAR and ID_FILE_PRINT are handled
// only by views; ID_ONE_POINT (tips) may be taken by a view.
class CKirokanDoc;

class CKirokanViewBase {
public:
    virtual ~CKirokanViewBase() = default;

    CKirokanDoc* GetDocument() const { return m_pDocument; }

    // Called once after the view and its frame exist and the document has
    // its title.
    virtual void OnInitialUpdate() {}
    // The view's frame became (true) or stopped being (false) the active
    // document window.
    virtual void OnActivateView(bool /*activate*/) {}
    // True when the view takes command id now (it is then enabled).
    virtual bool IsCommandEnabled(int /*id*/) const { return false; }
    // Runs command id; false when the view does not take it.
    virtual bool HandleCommand(int /*id*/) { return false; }

private:
    friend class CDocTemplate;
    CKirokanDoc* m_pDocument = nullptr;
};
