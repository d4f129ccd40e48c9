#include "calendar/DateConverterDlg.h"

#include "res/ResourceIds.h"

CDateConverterDlg::CDateConverterDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(res::IDD_DATE_CONVERTER));
}
