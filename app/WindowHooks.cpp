#include <QDialog>
#include <QFileDialog>

#include "app/WindowHooks.h"

namespace {

WindowHooks DefaultHooks() {
    WindowHooks h;
    h.createHaikuListView = CreateHaikuListView;
    h.createCalendarView = CreateCalendarView;
    h.runTextWork = RunTextWork;
    h.runHaikuCard = RunHaikuCard;
    h.runOnePointTips = RunOnePointTips;
    h.runHelpBrowser = RunHelpBrowser;
    h.runModal = [](QDialog* dialog) { return dialog->exec(); };
    h.getOpenFileName = [](QWidget* owner) { return QFileDialog::getOpenFileName(owner); };
    return h;
}

}  // namespace

WindowHooks& GetWindowHooks() {
    static WindowHooks hooks = DefaultHooks();
    return hooks;
}

void ResetWindowHooks() { GetWindowHooks() = DefaultHooks(); }

int RunModalDialog(QDialog* dialog) { return GetWindowHooks().runModal(dialog); }
