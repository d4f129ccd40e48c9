#include <QDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>

#include "app/WindowHooks.h"

void FitFileDialogColumns(QFileDialog* dialog) {
    // Qt's own dialog (no native one): every column of its detail view as
    // wide as its longest entry, so that names, sizes and dates show whole.
    for (auto* tree : dialog->findChildren<QTreeView*>()) {
        tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        tree->header()->setStretchLastSection(false);
    }
}

namespace {

QString OpenFileName(QWidget* owner) {
    QFileDialog dialog(owner);
    dialog.setFileMode(QFileDialog::ExistingFile);
    FitFileDialogColumns(&dialog);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                  : QString();
}

WindowHooks DefaultHooks() {
    WindowHooks h;
    h.createHaikuListView = CreateHaikuListView;
    h.createCalendarView = CreateCalendarView;
    h.showTextWork = ShowTextWorkDialog;
    h.showHaikuCard = ShowHaikuCardDialog;
    h.showOnePointTips = ShowOnePointTipsDialog;
    h.runHelpBrowser = RunHelpBrowser;
    h.runModal = [](QDialog* dialog) { return dialog->exec(); };
    h.getOpenFileName = OpenFileName;
    return h;
}

}  // namespace

WindowHooks& GetWindowHooks() {
    static WindowHooks hooks = DefaultHooks();
    return hooks;
}

void ResetWindowHooks() { GetWindowHooks() = DefaultHooks(); }

void OpenHaikuCard(QWidget* owner, int order, int position) {
    if (const auto& show = GetWindowHooks().showHaikuCard) show(owner, order, position);
}

void OpenTextWork(QWidget* owner, int kind, int section) {
    if (const auto& show = GetWindowHooks().showTextWork) show(owner, kind, section);
}

int RunModalDialog(QDialog* dialog) { return GetWindowHooks().runModal(dialog); }
