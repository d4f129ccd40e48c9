#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "app/KirokanView.h"
#include "app/WindowHooks.h"
#include "res/ResourceIds.h"

CKirokanView::CKirokanView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

bool CKirokanView::IsCommandEnabled(int id) const { return id == res::ID_FILE_PRINT; }

bool CKirokanView::HandleCommand(int id) {
    if (id != res::ID_FILE_PRINT) return false;
    OnFilePrint();
    return true;
}

int CKirokanView::OnFilePrint() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (RunModalDialog(&dialog) != QDialog::Accepted) return 0;
    // Beginning and ending the painter emits exactly one page; the view
    // draws nothing on it.
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    painter.end();
    return 1;
}
