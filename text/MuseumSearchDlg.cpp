#include "text/MuseumSearchDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>

#include "app/CommandTable.h"
#include "app/WindowHooks.h"
#include "platform/DialogBuilder.h"
#include "platform/MessageBox.h"
#include "platform/QtCodec.h"
#include "res/MuseumSearchTexts.h"
#include "res/ResourceIds.h"

namespace {

// The snippet column: the text before the match, the match in bold on a
// marker colour, the text after it, and the note in grey.
class CSnippetDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QString match = index.data(CMuseumSearchDlg::kMatchRole).toString();
        if (match.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).adjusted(2, 0, -2, 0);
        const bool selected = opt.state & QStyle::State_Selected;
        const QColor ink = opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        QFont bold = opt.font;
        bold.setBold(true);
        const QFontMetrics normalMetrics(opt.font);
        const QFontMetrics boldMetrics(bold);
        const int baseline = area.top() + (area.height() - normalMetrics.height()) / 2 + normalMetrics.ascent();

        painter->save();
        painter->setClipRect(area);
        int x = area.left();
        auto run = [&](const QString& text, const QFont& font, const QFontMetrics& fm, const QColor& colour) {
            if (text.isEmpty()) return;
            painter->setFont(font);
            painter->setPen(colour);
            painter->drawText(x, baseline, text);
            x += fm.horizontalAdvance(text);
        };
        run(index.data(CMuseumSearchDlg::kBeforeRole).toString(), opt.font, normalMetrics, ink);
        const QRect mark(x, area.top() + 1, boldMetrics.horizontalAdvance(match) + 2, area.height() - 2);
        if (!selected) painter->fillRect(mark, QColor(255, 230, 120));
        x += 1;
        run(match, bold, boldMetrics, selected ? ink : QColor(150, 0, 0));
        x += 1;
        run(index.data(CMuseumSearchDlg::kAfterRole).toString(), opt.font, normalMetrics, ink);
        const QString note = index.data(CMuseumSearchDlg::kNoteRole).toString();
        if (!note.isEmpty()) {
            x += normalMetrics.horizontalAdvance(QLatin1Char(' ')) * 2;
            run(note, opt.font, normalMetrics, selected ? ink : opt.palette.color(QPalette::Disabled, QPalette::Text));
        }
        painter->restore();
    }
};

QString Q(const std::string& cp932) { return platform::ToQString(cp932); }
QString Q(const char* cp932) { return platform::ToQString(cp932); }

}  // namespace

CMuseumSearchDlg::CMuseumSearchDlg(QWidget* parent) : QDialog(parent) {
    const res::DialogTemplate& t = res::kMuseumSearchDialogTemplate;
    const platform::CDialogUnits units = platform::BuildDialog(this, t);
    // The window may grow: the field, the results and the bottom row follow.
    m_baseSize = size();
    setMinimumSize(m_baseSize);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizeGripEnabled(true);

    m_query = platform::ControlById<QComboBox>(this, res::IDC_MSEARCH_QUERY);
    m_query->setCompleter(nullptr);  // a remembered query is chosen, never filled in while typing
    m_open = platform::ControlById<QPushButton>(this, res::IDC_MSEARCH_OPEN);
    m_close = platform::ControlById<QPushButton>(this, res::IDCANCEL);
    m_status = platform::ControlById<QLabel>(this, res::IDC_MSEARCH_STATUS);
    m_status->setWordWrap(false);
    m_yearFrom = platform::ControlById<QLineEdit>(this, res::IDC_MSEARCH_YEAR_FROM);
    m_yearTo = platform::ControlById<QLineEdit>(this, res::IDC_MSEARCH_YEAR_TO);
    for (QLineEdit* edit : {m_yearFrom, m_yearTo}) edit->setMaxLength(8);
    for (int i = 0; i < text::kSearchSeasonCount; ++i)
        m_seasons.push_back(platform::ControlById<QCheckBox>(this, res::IDC_MSEARCH_SEASON_FIRST + i));
    for (int i = 0; i < text::kSearchKindCount; ++i) {
        m_kinds.push_back(platform::ControlById<QCheckBox>(this, res::IDC_MSEARCH_KIND_FIRST + i));
        m_kinds.back()->setChecked(true);
    }

    // The results: a tree of group rows and result rows in place of the
    // template's area.
    QWidget* area = platform::ControlById(this, res::IDC_MSEARCH_RESULTS);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QString::number(res::IDC_MSEARCH_RESULTS));
    m_tree->setGeometry(area->geometry());
    delete area;
    m_tree->setColumnCount(2);
    m_tree->setHeaderLabels({Q(res::kSearchColumnPlace), Q(res::kSearchColumnText)});
    m_tree->header()->setStretchLastSection(true);
    m_tree->setColumnWidth(0, units.X(128));
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setItemDelegateForColumn(1, new CSnippetDelegate(m_tree));
    m_tree->setFocusPolicy(Qt::StrongFocus);

    m_baseQuery = m_query->geometry();
    m_baseOpen = m_open->geometry();
    m_baseTree = m_tree->geometry();
    m_baseStatus = m_status->geometry();
    m_baseClose = m_close->geometry();

    // Tab order: the field, the open button, the filters, the results, close.
    setTabOrder(m_query, m_open);
    setTabOrder(m_open, m_seasons.front());
    for (std::size_t i = 1; i < m_seasons.size(); ++i) setTabOrder(m_seasons[i - 1], m_seasons[i]);
    setTabOrder(m_seasons.back(), m_yearFrom);
    setTabOrder(m_yearFrom, m_yearTo);
    setTabOrder(m_yearTo, m_kinds.front());
    for (std::size_t i = 1; i < m_kinds.size(); ++i) setTabOrder(m_kinds[i - 1], m_kinds[i]);
    setTabOrder(m_kinds.back(), m_tree);
    setTabOrder(m_tree, m_close);

    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(text::CMuseumSearchForm::kTypingPause);
    connect(m_timer, &QTimer::timeout, this, &CMuseumSearchDlg::SearchNow);
    connect(m_query, &QComboBox::editTextChanged, this, [this] { m_timer->start(); });
    connect(m_query, &QComboBox::activated, this, [this] { SearchNow(); });
    connect(m_query->lineEdit(), &QLineEdit::returnPressed, this, &CMuseumSearchDlg::OnReturnInQuery);
    for (QLineEdit* edit : {m_yearFrom, m_yearTo})
        connect(edit, &QLineEdit::textEdited, this, [this] { m_timer->start(); });
    for (QCheckBox* box : m_seasons) connect(box, &QCheckBox::toggled, this, &CMuseumSearchDlg::SearchNow);
    for (QCheckBox* box : m_kinds) connect(box, &QCheckBox::toggled, this, &CMuseumSearchDlg::SearchNow);
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { OpenItem(item); });
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CMuseumSearchDlg::UpdateOpenButton);
    connect(m_open, &QPushButton::clicked, this, [this] { OpenItem(m_tree->currentItem()); });

    m_form.LoadHistory();
    FillHistory();
    m_query->setEditText(QString());
    m_timer->stop();
    ShowStatus(text::CMuseumSearchForm::StatusText({}, false), false);
    m_query->setFocus();
}

CMuseumSearchDlg::~CMuseumSearchDlg() = default;

void CMuseumSearchDlg::BuildIndex() {
    platform::CWaitCursor wait;
    m_search.Build();
    m_built = true;
}

void CMuseumSearchDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_built) {
        BuildIndex();
        SearchNow();
    }
}

void CMuseumSearchDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int dx = std::max(0, width() - m_baseSize.width());
    const int dy = std::max(0, height() - m_baseSize.height());
    m_query->setGeometry(m_baseQuery.adjusted(0, 0, dx, 0));
    m_open->setGeometry(m_baseOpen.translated(dx, 0));
    m_tree->setGeometry(m_baseTree.adjusted(0, 0, dx, dy));
    m_status->setGeometry(m_baseStatus.translated(0, dy).adjusted(0, 0, dx, 0));
    m_close->setGeometry(m_baseClose.translated(dx, dy));
}

void CMuseumSearchDlg::SearchNow() {
    m_timer->stop();
    if (!m_built) return;
    const text::SearchYears years = text::CMuseumSearchForm::CheckYears(
        platform::FromQString(m_yearFrom->text()), platform::FromQString(m_yearTo->text()));
    if (!years.ok) {
        ShowResults({});
        ShowStatus(years.message, true);
        return;
    }
    text::SearchQuery query;
    query.text = platform::FromQString(m_query->currentText());
    query.kinds = 0;
    for (int i = 0; i < text::kSearchKindCount; ++i)
        if (m_kinds[static_cast<std::size_t>(i)]->isChecked()) query.kinds |= 1u << i;
    query.seasons = 0;
    for (int i = 0; i < text::kSearchSeasonCount; ++i)
        if (m_seasons[static_cast<std::size_t>(i)]->isChecked()) query.seasons |= 1u << i;
    query.yearFrom = years.from;
    query.yearTo = years.to;
    const text::SearchResults results = m_search.Query(query);
    ShowResults(results);
    const bool hasQuery = !text::CSearchText::FoldQuery(query.text).empty();
    ShowStatus(text::CMuseumSearchForm::StatusText(results, hasQuery), false);
}

void CMuseumSearchDlg::ShowStatus(const std::string& status, bool isMessage) {
    std::string line = status;
    const std::string missing = text::CMuseumSearchForm::MissingFilesText(m_search.MissingFiles());
    if (!isMessage && !missing.empty()) line += res::kSearchPartJoin + missing;
    m_status->setText(Q(line));
    QPalette palette = m_status->palette();
    palette.setColor(QPalette::WindowText,
                     isMessage || !missing.empty() ? QColor(192, 0, 0) : this->palette().color(QPalette::WindowText));
    m_status->setPalette(palette);
}

void CMuseumSearchDlg::ShowResults(const text::SearchResults& results) {
    m_tree->setUpdatesEnabled(false);
    m_tree->clear();
    m_hits.clear();
    QFont groupFont = m_tree->font();
    groupFont.setBold(true);
    QTreeWidgetItem* first = nullptr;
    QList<QTreeWidgetItem*> groups;
    for (const text::SearchResultGroup& g : results.groups) {
        auto* group = new QTreeWidgetItem(QStringList{Q(text::CMuseumSearchForm::GroupRowText(g))});
        group->setFont(0, groupFont);
        group->setData(0, kHitRole, -1);
        group->setFlags(Qt::ItemIsEnabled);
        for (const text::SearchHit& hit : g.hits) {
            const QString before = Q(hit.snippet.before);
            const QString match = Q(hit.snippet.match);
            const QString after = Q(hit.snippet.after);
            const QString note = Q(hit.note);
            auto* row = new QTreeWidgetItem(QStringList{Q(hit.location), before + match + after});
            row->setData(0, kHitRole, static_cast<int>(m_hits.size()));
            row->setData(1, kBeforeRole, before);
            row->setData(1, kMatchRole, match);
            row->setData(1, kAfterRole, after);
            row->setData(1, kNoteRole, note);
            row->setToolTip(0, row->text(0));
            row->setToolTip(1, note.isEmpty() ? before + match + after : before + match + after + QLatin1Char('\n') + note);
            group->addChild(row);
            m_hits.push_back(hit);
            if (!first) first = row;
        }
        groups << group;
    }
    m_tree->addTopLevelItems(groups);
    m_tree->expandAll();
    if (first) m_tree->setCurrentItem(first);
    m_tree->setUpdatesEnabled(true);
    UpdateOpenButton();
}

const text::SearchHit* CMuseumSearchDlg::HitOf(const QTreeWidgetItem* item) const {
    if (!item) return nullptr;
    const QVariant v = item->data(0, kHitRole);
    if (!v.isValid()) return nullptr;
    const int i = v.toInt();
    return i >= 0 && i < static_cast<int>(m_hits.size()) ? &m_hits[static_cast<std::size_t>(i)] : nullptr;
}

void CMuseumSearchDlg::UpdateOpenButton() { m_open->setEnabled(HitOf(m_tree->currentItem()) != nullptr); }

bool CMuseumSearchDlg::OpenItem(QTreeWidgetItem* item) {
    const text::SearchHit* hit = HitOf(item);
    if (!hit) {
        if (item && item->childCount() > 0) item->setExpanded(!item->isExpanded());
        return false;
    }
    const text::SearchTarget target = hit->target;  // the history's refresh keeps the rows, but be safe
    TakeQuery();
    WindowHooks& hooks = GetWindowHooks();
    switch (target.action) {
    case text::SearchTarget::HaikuCard:
        OpenHaikuCard(this, 0, target.position);
        break;
    case text::SearchTarget::TextWork:
        OpenTextWork(this, target.kind, target.section);
        break;
    case text::SearchTarget::Help: {
        const std::string path = GetHelpTopicsPath();
        if (!CanOpenForReading(path)) {
            ShowStatus(text::CMuseumSearchForm::MissingFilesText({res::kSearchHelpFile}), true);
            return false;
        }
        if (hooks.runHelpBrowser) hooks.runHelpBrowser(this, path, target.topic, target.topic);
        break;
    }
    case text::SearchTarget::None: return false;
    }
    return true;
}

void CMuseumSearchDlg::TakeQuery() {
    if (m_form.TakeQuery(platform::FromQString(m_query->currentText()))) FillHistory();
}

void CMuseumSearchDlg::FillHistory() {
    const QString text = m_query->currentText();
    const bool blocked = m_query->blockSignals(true);
    m_query->clear();
    for (const std::string& entry : m_form.History()) m_query->addItem(Q(entry));
    m_query->setEditText(text);
    m_query->blockSignals(blocked);
}

void CMuseumSearchDlg::OnReturnInQuery() {
    SearchNow();
    TakeQuery();
    // The first result takes the focus: Enter again opens it.
    if (QTreeWidgetItem* item = m_tree->currentItem(); HitOf(item)) m_tree->setFocus();
}
