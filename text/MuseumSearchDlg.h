#pragma once
// The museum-wide search window (データ館 > 総合検索): one text field, the
// results of every kind grouped below it, filters by season, years and kind.
// Modeless, one per main frame. The index is built when the window is
// first shown; results follow the typing after a short pause. A result
// opens (double-click, Enter, or the open button) the haiku card, the text
// work at its section, or the help at its topic. The decisions are the
// core's (text/MuseumSearch.h, text/MuseumSearchForm.h); this draws them.
#include <QDialog>
#include <QRect>
#include <vector>

#include "text/MuseumSearch.h"
#include "text/MuseumSearchForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

class CMuseumSearchDlg : public QDialog {
    Q_OBJECT
public:
    // Item data of a result row: the snippet's pieces, the note, and the
    // number of its hit (-1 on a group row).
    static constexpr int kBeforeRole = Qt::UserRole + 1;
    static constexpr int kMatchRole = Qt::UserRole + 2;
    static constexpr int kAfterRole = Qt::UserRole + 3;
    static constexpr int kNoteRole = Qt::UserRole + 4;
    static constexpr int kHitRole = Qt::UserRole + 5;

    explicit CMuseumSearchDlg(QWidget* parent = nullptr);
    ~CMuseumSearchDlg() override;

    // Builds the index now (the first showing does it otherwise).
    void BuildIndex();
    bool IsIndexBuilt() const { return m_built; }
    // Runs the query of the fields at once, without waiting for the pause.
    void SearchNow();
    // Opens a result row; false for a group row or no row.
    bool OpenItem(QTreeWidgetItem* item);

    const text::CMuseumSearch& Index() const { return m_search; }
    const text::CMuseumSearchForm& Form() const { return m_form; }
    // The hit a result row stands for, or nullptr.
    const text::SearchHit* HitOf(const QTreeWidgetItem* item) const;

    QComboBox* QueryBox() const { return m_query; }
    QTreeWidget* ResultTree() const { return m_tree; }
    QLabel* StatusLabel() const { return m_status; }
    QCheckBox* SeasonBox(int season) const { return m_seasons[static_cast<std::size_t>(season)]; }
    QCheckBox* KindBox(int kind) const { return m_kinds[static_cast<std::size_t>(kind)]; }
    QLineEdit* YearFromEdit() const { return m_yearFrom; }
    QLineEdit* YearToEdit() const { return m_yearTo; }
    QPushButton* OpenButton() const { return m_open; }
    QTimer* TypingTimer() const { return m_timer; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowResults(const text::SearchResults& results);
    void ShowStatus(const std::string& text, bool isMessage);
    void TakeQuery();
    void FillHistory();
    void OnReturnInQuery();
    void UpdateOpenButton();

    text::CMuseumSearch m_search;
    text::CMuseumSearchForm m_form;
    std::vector<text::SearchHit> m_hits;
    bool m_built = false;

    QComboBox* m_query = nullptr;
    QTreeWidget* m_tree = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_close = nullptr;
    QLineEdit* m_yearFrom = nullptr;
    QLineEdit* m_yearTo = nullptr;
    std::vector<QCheckBox*> m_seasons;
    std::vector<QCheckBox*> m_kinds;
    QTimer* m_timer = nullptr;
    // The template's first size and the geometries that follow a resize.
    QSize m_baseSize;
    QRect m_baseQuery, m_baseOpen, m_baseTree, m_baseStatus, m_baseClose;
};
