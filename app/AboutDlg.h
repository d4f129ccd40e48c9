#pragma once
// The version window (dialog 100): icon 128, the program title in static
// text 1000, a second line, and OK.
#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
