// The calendar hall's windows as the shell reaches them.
#include <QWidget>
#include <string>

#include "app/KirokanApp.h"
#include "app/KirokanDoc.h"
#include "app/KirokanViewBase.h"
#include "app/WindowHooks.h"
#include "calendar/OldNewSimpleListView.h"
#include "res/ResourceIds.h"

namespace {

// The old/new calendar list as a document window's view: its caption becomes
// the document's title (not a recent document), and it takes the display-year
// and tips commands while its window is active.
class CCalendarDocView : public COldNewSimpleListView, public CKirokanViewBase {
public:
    void OnInitialUpdate() override {
        CKirokanDoc* doc = GetDocument();
        SetTitleSink([doc](const std::string& caption) {
            if (doc) doc->SetPathName(caption, false);
        });
        SetTipsRunner([] {
            if (CKirokanApp* app = CKirokanApp::Instance()) app->RunOnePointTips();
        });
        COldNewSimpleListView::OnInitialUpdate();
    }
    bool IsCommandEnabled(int id) const override {
        return id == res::ID_CALENDAR_YEAR || id == res::ID_ONE_POINT;
    }
    bool HandleCommand(int id) override { return OnCommand(id); }
};

}  // namespace

// Template 3's view: the old/new calendar list (COldNewSimpleListView).
QWidget* CreateCalendarView(CKirokanDoc* /*doc*/) { return new CCalendarDocView; }
