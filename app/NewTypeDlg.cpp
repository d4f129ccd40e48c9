#include <QListWidget>

#include "app/NewTypeDlg.h"
#include "platform/DialogBuilder.h"
#include "platform/QtCodec.h"
#include "res/ResourceIds.h"

CNewTypeDlg::CNewTypeDlg(const std::vector<std::string>& names, QWidget* parent) : QDialog(parent) {
    platform::BuildDialog(this, res::kNewTypeDialogTemplate);
    m_list = platform::ControlById<QListWidget>(this, res::IDC_NEWTYPE_LIST);
    for (const std::string& name : names) m_list->addItem(platform::ToQString(name));
    if (m_list->count() > 0) m_list->setCurrentRow(0);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

int CNewTypeDlg::GetSelection() const { return m_list->currentRow(); }
