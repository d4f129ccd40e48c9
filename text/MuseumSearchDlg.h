#pragma once
// The museum-wide search window (データ館 > 総合検索): one text field, the
// results of every kind grouped below it. Modeless, one per main frame.
#include <QDialog>

class CMuseumSearchDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMuseumSearchDlg(QWidget* parent = nullptr);
};
