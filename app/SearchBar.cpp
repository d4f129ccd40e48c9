#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListView>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QStyleOptionComboBox>

#include <algorithm>

#include "app/SearchBar.h"
#include "app/SettingsStore.h"
#include "platform/QtCodec.h"
#include "platform/ResourceImages.h"
#include "res/ResourceIds.h"
#include "res/Strings.h"
#include "res/ToolBar.h"

namespace {

// A row of the history's drop-down: the text's line with room above and below.
class HistoryRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), option.fontMetrics.height() + 6));
        return size;
    }
};

}  // namespace

CSearchBar::CSearchBar(QWidget* parent, QAction* findAction) : QToolBar(parent) {
    setObjectName(QString::number(res::ID_SEARCH_BAR));
    // String IDS_SEARCH_BAR names the bar; its first line is the floating caption.
    setWindowTitle(platform::ToQString(res::LoadStringField(res::IDS_SEARCH_BAR, 0)));
    setIconSize(QSize(res::kToolButtonWidth, res::kToolButtonHeight));
    setAllowedAreas(Qt::AllToolBarAreas);

    m_combo = new QComboBox(this);
    m_combo->setObjectName(QString::number(res::IDC_SEARCH_COMBO));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMaxVisibleItems(10);
    m_combo->setFocusPolicy(Qt::StrongFocus);
    // Wide enough for sixteen Latin capitals and for twelve full-width
    // characters, whichever is wider in the font at hand.
    const QFontMetrics fm(m_combo->font());
    const int text = std::max(fm.horizontalAdvance(QStringLiteral("WWWWWWWWWWWWWWWW")),
                              fm.horizontalAdvance(QString(kFullWidthShown, QChar(0x6F22))));
    QStyleOptionComboBox option;
    option.initFrom(m_combo);
    option.editable = true;
    m_combo->setFixedWidth(
        m_combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(text, fm.height()), m_combo).width());
    // The history's rows: as tall as an item of a list needs, so that no row
    // is cramped and the last one is not cut by the drop-down's edge.
    auto* rows = new QListView(m_combo);
    rows->setUniformItemSizes(true);
    rows->setItemDelegate(new HistoryRowDelegate(rows));
    m_combo->setView(rows);
    // The history, in its sorted order; the first entry is selected.
    m_history.Load(CSettingsStore::Instance().LoadFindStrings());
    for (const std::string& e : m_history.Entries()) m_combo->addItem(platform::ToQString(e));
    if (m_combo->count() > 0) m_combo->setCurrentIndex(0);

    addWidget(m_combo);
    // Floating, the bar is a small window of its own with the caption "検索".
    connect(this, &QToolBar::topLevelChanged, this, [this](bool floating) {
        if (!floating) return;
        setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        show();
    });
    addSeparator();
    findAction->setIcon(platform::ToolButtonIcon(res::GetSearchButton()));
    addAction(findAction);
    m_combo->setEnabled(false);
}

CSearchBar::~CSearchBar() { SaveHistory(); }

void CSearchBar::SaveHistory() const { CSettingsStore::Instance().SaveFindStrings(m_history.EntriesToSave()); }

void CSearchBar::EnableCombo(bool enable) { m_combo->setEnabled(enable); }

bool CSearchBar::IsComboEnabled() const { return m_combo->isEnabled(); }

std::string CSearchBar::TakeSearchText() {
    const std::string text = platform::FromQString(m_combo->currentText());
    const int index = m_history.Take(text);
    if (index >= 0) {
        const QString edit = m_combo->currentText();
        m_combo->insertItem(index, platform::ToQString(text));
        m_combo->setEditText(edit);
    }
    return text;
}
