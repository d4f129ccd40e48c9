#pragma once
// Builds a dialog's widgets from a dialog template (res/DialogTemplates.h):
// caption, font and fixed client size, and one widget per control at its
// dialog-unit rectangle (converted through CDialogUnits). Each control's
// objectName is its id in decimal, so code and tests find it with
// ControlById. Buttons 1 (OK) and 2 (cancel) accept and reject the dialog.
#include <QDialog>
#include <QFont>

#include "platform/DialogUnits.h"
#include "res/DialogTemplates.h"

namespace platform {

// The font a template names.
QFont TemplateFont(const res::DialogTemplate& t);

// Lays the template out on dialog (which should have no layout of its own).
// Returns the dialog-unit converter used, for windows that place more.
CDialogUnits BuildDialog(QDialog* dialog, const res::DialogTemplate& t);

// The control with that id, or nullptr.
QWidget* ControlById(const QWidget* dialog, int id);

template <typename T>
T* ControlById(const QWidget* dialog, int id) {
    return qobject_cast<T*>(ControlById(dialog, id));
}

}  // namespace platform
