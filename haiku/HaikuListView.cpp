#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>
#include <vector>

#include "app/WindowHooks.h"
#include "haiku/HaikuListView.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/QtCodec.h"

// The cell texts of one making of the list, converted once.
class CHaikuListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Make(const CHaikuList& list) {
        beginResetModel();
        m_rows = list.GetRowCount();
        m_cells.assign(static_cast<std::size_t>(m_rows) * CHaikuList::kColumnCount, QString());
        for (int c = 1; c < CHaikuList::kColumnCount; ++c)
            for (int r = 0; r < m_rows; ++r) m_cells[Index(r, c)] = platform::ToQString(list.GetCellText(r, c));
        for (int r = 0; r < m_rows; ++r) m_cells[Index(r, 0)] = platform::ToQString(list.GetCellText(r, 0));
        for (int c = 0; c < CHaikuList::kColumnCount; ++c)
            m_headings[c] = platform::ToQString(CHaikuList::GetColumnHeading(c));
        m_columns = CHaikuList::kColumnCount;
        endResetModel();
    }
    // Deletes all rows, then all columns.
    void Clear() {
        beginResetModel();
        m_rows = 0;
        m_columns = 0;
        m_cells.clear();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : m_columns;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        if (role == Qt::DisplayRole) return m_cells[Index(index.row(), index.column())];
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < CHaikuList::kColumnCount)
            return m_headings[section];
        if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return {};
    }

private:
    static std::size_t Index(int r, int c) {
        return static_cast<std::size_t>(r) * CHaikuList::kColumnCount + static_cast<std::size_t>(c);
    }
    int m_rows = 0;
    int m_columns = 0;
    std::vector<QString> m_cells;
    QString m_headings[CHaikuList::kColumnCount];
};

// The number column is four characters wide: its "%4d" text is drawn right-
// aligned and never shortened to an ellipsis.
class CNumberColumnDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = option->text.trimmed();
        option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
        option->textElideMode = Qt::ElideNone;
    }
};

CHaikuListView::CHaikuListView(QWidget* parent)
    : QTableView(parent), m_list(std::make_unique<CHaikuList>()), m_model(new CHaikuListModel(this)) {
    setObjectName(QStringLiteral("HaikuListView"));
    setFont(platform::DialogFont());
    setModel(m_model);
    setItemDelegateForColumn(0, new CNumberColumnDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 2);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setMinimumSectionSize(1);  // the "No" column is only four characters wide
    horizontalHeader()->setSortIndicatorShown(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { SortByColumn(column); });
    openCard = [this](int order, int slot) {
        OpenHaikuCard(this, order, slot);
    };
}

CHaikuListView::~CHaikuListView() = default;

void CHaikuListView::OnInitialUpdate(const std::string& title) {
    platform::CWaitCursor wait;
    m_list->Load(title);
    MakeList();
}

void CHaikuListView::OnActivateView(bool activate) {
    if (m_hooks.enableSearchCombo) m_hooks.enableSearchCombo(activate);
}

int CHaikuListView::DefaultColumnWidth(int column) const {
    const QFontMetrics fm(font());
    const int width = CHaikuList::GetColumnFactor(column) * fm.averageCharWidth();
    if (column != 0) return width;
    // The number column's four places are meant to fit four average
    // characters; where the font's digits are wider, the column widens just
    // enough to show "%4d" whole rather than cut off its first digit.
    int digit = 0;
    for (char c = '0'; c <= '9'; ++c) digit = std::max(digit, fm.horizontalAdvance(QLatin1Char(c)));
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return std::max(width, 4 * digit + margins);
}

void CHaikuListView::MakeList() {
    platform::CWaitCursor wait;
    // Rows and columns go first, so the columns come back at their defaults.
    m_model->Clear();
    m_model->Make(*m_list);
    for (int c = 0; c < CHaikuList::kColumnCount; ++c)
        horizontalHeader()->resizeSection(c, DefaultColumnWidth(c));
    if (m_hooks.setPathName) m_hooks.setPathName(m_list->GetTitle());
}

void CHaikuListView::SortByColumn(int column) {
    if (column < 0 || column >= CHaikuList::kColumnCount) return;
    platform::CWaitCursor wait;
    m_list->Sort(column);
    MakeList();
}

void CHaikuListView::OnFind() {
    const std::string text = m_hooks.takeSearchText ? m_hooks.takeSearchText() : std::string();
    FindText(text);
}

int CHaikuListView::FindText(const std::string& text) {
    const int row = m_list->FindOrReport(text);
    if (row >= 0) scrollTo(m_model->index(row, 0), QAbstractItemView::PositionAtTop);
    return row;
}

void CHaikuListView::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid()) {
        platform::Beep();
    } else if (openCard) {
        openCard(m_list->GetOrder(), m_list->GetSlot(index.row()));
    }
    QTableView::mouseDoubleClickEvent(event);
}
