#pragma once
// The date converter (暦館 > 日付の換算): an old-calendar date to the Western
// one and back, for any day of 593..2051. Modeless, one per main frame.
#include <QDialog>

class CDateConverterDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDateConverterDlg(QWidget* parent = nullptr);
};
