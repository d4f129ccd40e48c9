#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>

#include "app/SearchBar.h"
#include "app/SettingsStore.h"
#include "platform/QtCodec.h"
#include "platform/ResourceImages.h"
#include "res/ResourceIds.h"
#include "res/Strings.h"
#include "res/ToolBar.h"

CSearchBar::CSearchBar(QWidget* parent, QAction* findAction) : QToolBar(parent) {
    setObjectName(QString::number(res::ID_SEARCH_BAR));
    // String 32800 names the bar; its first line is the floating caption.
    setWindowTitle(platform::ToQString(res::LoadStringField(res::IDS_SEARCH_BAR, 0)));
    setIconSize(QSize(res::kToolButtonWidth, res::kToolButtonHeight));
    setAllowedAreas(Qt::AllToolBarAreas);

    m_combo = new QComboBox(this);
    m_combo->setObjectName(QString::number(res::IDC_SEARCH_COMBO));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMaxVisibleItems(10);
    m_combo->setFocusPolicy(Qt::StrongFocus);
    m_combo->setFixedWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("WWWWWWWWWWWWWWWW")));
    // The history, in its sorted order; the first entry is selected.
    m_history.Load(CSettingsStore::Instance().LoadFindStrings());
    for (const std::string& e : m_history.Entries()) m_combo->addItem(platform::ToQString(e));
    if (m_combo->count() > 0) m_combo->setCurrentIndex(0);

    addWidget(m_combo);
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
