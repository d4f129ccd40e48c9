#pragma once
// The main frame's search bar (bar id ID_SEARCH_BAR): an editable, sorted
// combo box (IDC_SEARCH_COMBO) holding the search text and its history, a
// separator and the find button (ID_FIND). The combo box is disabled until
// a haiku list view becomes active. The history is loaded when the bar is created and written when it
// is destroyed.
#include <QToolBar>
#include <string>

#include "app/SearchHistory.h"

class QAction;
class QComboBox;

class CSearchBar : public QToolBar {
    Q_OBJECT
public:
    // Full-width characters the combo box shows at least.
    static constexpr int kFullWidthShown = 12;

    // findAction: the shared action of command ID_FIND.
    CSearchBar(QWidget* parent, QAction* findAction);
    ~CSearchBar() override;

    // Enables or disables the combo box (a haiku list view does this when it
    // is activated or deactivated).
    void EnableCombo(bool enable);
    bool IsComboEnabled() const;

    // The search text (Shift-JIS). A non-empty text that the history does
    // not hold yet enters it in sorted position.
    std::string TakeSearchText();

    QComboBox* GetComboBox() const { return m_combo; }
    const CSearchHistory& GetHistory() const { return m_history; }

    // Writes the history to the settings (done when the bar is destroyed).
    void SaveHistory() const;

private:
    QComboBox* m_combo;
    CSearchHistory m_history;
};
