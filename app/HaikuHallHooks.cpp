// The haiku hall's windows as the shell reaches them.
#include <QWidget>
#include <string>

#include "app/KirokanDoc.h"
#include "app/KirokanViewBase.h"
#include "app/MainFrame.h"
#include "app/SearchBar.h"
#include "app/WindowHooks.h"
#include "haiku/HaikuCardDlg.h"
#include "haiku/HaikuListView.h"
#include "res/ResourceIds.h"

namespace {

// The haiku list as a document window's view: its title names the order,
// the search bar follows it, and it takes the find command.
class CHaikuListDocView : public CHaikuListView, public CKirokanViewBase {
public:
    // The connections are made at once: the frame may activate the view
    // before its initial update.
    CHaikuListDocView() {
        DocumentHooks hooks;
        hooks.takeSearchText = [] {
            CMainFrame* frame = GetMainFrame();
            return frame ? frame->GetSearchBar()->TakeSearchText() : std::string();
        };
        hooks.enableSearchCombo = [](bool enable) {
            if (CMainFrame* frame = GetMainFrame()) frame->GetSearchBar()->EnableCombo(enable);
        };
        hooks.setPathName = [this](const std::string& name) {
            if (CKirokanDoc* doc = GetDocument()) doc->SetPathName(name, false);
        };
        SetDocumentHooks(std::move(hooks));
    }
    void OnInitialUpdate() override {
        CKirokanDoc* doc = GetDocument();
        CHaikuListView::OnInitialUpdate(doc ? doc->GetTitle() : std::string());
    }
    void OnActivateView(bool activate) override { CHaikuListView::OnActivateView(activate); }
    bool IsCommandEnabled(int id) const override { return id == res::ID_FIND; }
    bool HandleCommand(int id) override {
        if (id != res::ID_FIND) return false;
        OnFind();
        return true;
    }
};

}  // namespace

// Template 2's view: the haiku list (CHaikuListView).
QWidget* CreateHaikuListView(CKirokanDoc* /*doc*/) { return new CHaikuListDocView; }

// The haiku card (CHaikuCardDlg) at an order and position, run modally.
void ShowHaikuCardDialog(QWidget* owner, int order, int position) {
    CHaikuCardDlg dialog(owner);
    dialog.SetOrder(order);
    dialog.SetPosition(position);
    RunModalDialog(&dialog);
}
