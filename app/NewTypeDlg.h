#pragma once
// The new command's chooser (dialog 30721): the registered document
// templates by name, in the order they were registered.
#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

class CNewTypeDlg : public QDialog {
    Q_OBJECT
public:
    CNewTypeDlg(const std::vector<std::string>& names, QWidget* parent = nullptr);
    // The chosen row (0-based), or -1.
    int GetSelection() const;
    QListWidget* GetList() const { return m_list; }

private:
    QListWidget* m_list;
};
