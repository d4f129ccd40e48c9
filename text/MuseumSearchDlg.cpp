#include "text/MuseumSearchDlg.h"

#include "res/ResourceIds.h"

CMuseumSearchDlg::CMuseumSearchDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(res::IDD_MUSEUM_SEARCH));
}
