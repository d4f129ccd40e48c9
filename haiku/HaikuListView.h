#pragma once
// The haiku list window: all haiku of one order in nine columns. Sorting by a
// column click, finding a phrase (command ID_FIND) and opening the haiku card
// by a double-click. What it shows and decides lives in CHaikuList.
#include <QTableView>
#include <functional>
#include <memory>
#include <string>

#include "haiku/HaikuList.h"

class CHaikuListModel;

class CHaikuListView : public QTableView {
    Q_OBJECT
public:
    explicit CHaikuListView(QWidget* parent = nullptr);
    ~CHaikuListView() override;

    // The document's connections, set by whoever makes the view (the frame's
    // document template). All may be left empty.
    struct DocumentHooks {
        std::function<std::string()> takeSearchText;  // Shift-JIS; files it in the history
        std::function<void(bool)> enableSearchCombo;
        // Sets the document's path without entering the recent list.
        std::function<void(const std::string&)> setPathName;
    };
    void SetDocumentHooks(DocumentHooks hooks) { m_hooks = std::move(hooks); }

    // Loads and makes the list for the document title (Shift-JIS).
    void OnInitialUpdate(const std::string& title);
    // The search bar's combo box follows the active list window.
    void OnActivateView(bool activate);
    // Command ID_FIND: finds the search bar's text.
    void OnFind();
    // Finds the text (Shift-JIS); returns the row or -1 after the message.
    int FindText(const std::string& text);
    // Sorts by the column's key and makes the list again.
    void SortByColumn(int column);
    // The default width of a column (factor × average character width).
    int DefaultColumnWidth(int column) const;

    const CHaikuList& List() const { return *m_list; }

    // Opens the haiku card on a slot of an order; the default runs the card
    // modally (OpenHaikuCard).
    std::function<void(int order, int slot)> openCard;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void MakeList();

    std::unique_ptr<CHaikuList> m_list;
    CHaikuListModel* m_model;
    DocumentHooks m_hooks;
};
