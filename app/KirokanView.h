#pragma once
// The plain view of template 1: paints nothing beyond its background and
// prints one blank page (ID_FILE_PRINT) after the print dialog is confirmed.
#include <QWidget>

#include "app/KirokanViewBase.h"

class CKirokanView : public QWidget, public CKirokanViewBase {
    Q_OBJECT
public:
    explicit CKirokanView(QWidget* parent = nullptr);

    bool IsCommandEnabled(int id) const override;
    bool HandleCommand(int id) override;

    // Shows the print dialog and, when it is confirmed, prints one empty
    // page. Returns the number of pages printed.
    int OnFilePrint();
};
