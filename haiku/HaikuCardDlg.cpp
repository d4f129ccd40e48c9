#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextDocument>

#include "haiku/HaikuCardDlg.h"
#include "haiku/HaikuOrders.h"
#include "platform/DialogBuilder.h"
#include "platform/Fonts.h"
#include "platform/QtCodec.h"
#include "platform/UpDownControl.h"
#include "res/DialogTemplates.h"
#include "res/ResourceIds.h"

using platform::ToQString;

namespace {

// The eight fields in the fixed Gothic font; the number line keeps the
// dialog's font.
constexpr int kFontFields[] = {res::IDC_CARD_PREFACE, res::IDC_CARD_HAIKU,       res::IDC_CARD_READING,
                               res::IDC_CARD_SEASON,  res::IDC_CARD_SEASON_WORD, res::IDC_CARD_COMMENTARY,
                               res::IDC_CARD_YEAR,    res::IDC_CARD_SOURCE};

}  // namespace

CHaikuCardDlg::CHaikuCardDlg(QWidget* parent)
    : QDialog(parent), m_card(std::make_unique<CHaikuCard>()) {
    if (const res::DialogTemplate* t = res::FindDialogTemplate(res::IDD_HAIKU_CARD))
        platform::BuildDialog(this, *t);
    setModal(true);

    // The up-down control: no value of its own, each arrow asks for a step.
    // Its upper arrow asks +1, which the card takes as a step back.
    if (QWidget* placeholder = Control(res::IDC_CARD_UPDOWN)) {
        auto* updown = new platform::CUpDownControl(this);
        updown->setGeometry(placeholder->geometry());
        delete placeholder;
        updown->setObjectName(QString::number(res::IDC_CARD_UPDOWN));
        connect(updown, &platform::CUpDownControl::stepRequested, this, [this](int delta) { OnStep(-delta); });
    }
    // The interpretation's rows come cut to 44 bytes: the field never wraps
    // them again. A narrow text margin lets a full row fit; where a font is
    // wider still, the row can be scrolled to.
    if (auto* commentary = qobject_cast<QPlainTextEdit*>(Control(res::IDC_CARD_COMMENTARY))) {
        commentary->setLineWrapMode(QPlainTextEdit::NoWrap);
        commentary->document()->setDocumentMargin(2);
        commentary->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    // A long headnote wraps to its second row.
    if (auto* preface = qobject_cast<QPlainTextEdit*>(Control(res::IDC_CARD_PREFACE))) {
        preface->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        preface->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        preface->document()->setDocumentMargin(1);
        preface->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        preface->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    m_orderBox = qobject_cast<QComboBox*>(Control(res::IDC_CARD_ORDER));
    if (m_orderBox) {
        for (int i = 0; i < haiku::kOrderCount; ++i) m_orderBox->addItem(ToQString(haiku::GetOrderLabel(i)));
        connect(m_orderBox, &QComboBox::activated, this, [this](int index) { OnOrderSelected(index); });
    }
    m_startupBox = qobject_cast<QCheckBox*>(Control(res::IDC_CARD_STARTUP));
    if (m_startupBox) connect(m_startupBox, &QCheckBox::clicked, this, [this] { OnStartupClicked(); });
    const QFont fieldFont = platform::FixedGothicFont(12);
    for (int id : kFontFields)
        if (QWidget* field = Control(id)) field->setFont(fieldFont);
}

CHaikuCardDlg::~CHaikuCardDlg() {
    // Destroyed without being closed: store as closing does.
    if (m_initialised && !m_stored) Store();
}

QWidget* CHaikuCardDlg::Control(int id) const { return platform::ControlById(this, id); }

void CHaikuCardDlg::SetOrder(int order) { m_card->SetOrder(order); }

void CHaikuCardDlg::SetPosition(int position) { m_card->SetPosition(position); }

void CHaikuCardDlg::showEvent(QShowEvent* event) {
    if (!m_initialised) OnInitDialog();
    QDialog::showEvent(event);
}

void CHaikuCardDlg::OnInitDialog() {
    m_initialised = true;
    m_stored = false;
    if (parentWidget()) {
        const QPoint centre = parentWidget()->mapToGlobal(parentWidget()->rect().center());
        move(centre - QPoint(width() / 2, height() / 2));
    }
    if (m_orderBox) m_orderBox->setCurrentIndex(m_card->GetOrder());
    if (m_startupBox) m_startupBox->setChecked(CHaikuCard::GetStartupView() != 0);
    ShowHaiku();
}

void CHaikuCardDlg::ShowHaiku() {
    m_card->ShowHaiku();
    Refresh();
}

void CHaikuCardDlg::Refresh() {
    const CHaikuCard::Texts& t = m_card->GetTexts();
    auto setLine = [this](int id, const std::string& text) {
        if (auto* edit = qobject_cast<QLineEdit*>(Control(id))) {
            edit->setText(ToQString(text));
            edit->setCursorPosition(0);
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(Control(id))) {
            box->setPlainText(ToQString(text));
        }
    };
    setLine(res::IDC_CARD_PREFACE, t.preface);
    setLine(res::IDC_CARD_HAIKU, t.haiku);
    setLine(res::IDC_CARD_READING, t.reading);
    setLine(res::IDC_CARD_YEAR, t.yearLine);
    setLine(res::IDC_CARD_SEASON, t.season);
    setLine(res::IDC_CARD_SEASON_WORD, t.seasonWord);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(Control(res::IDC_CARD_COMMENTARY))) {
        QStringList rows;
        for (const std::string& row : t.commentary) rows << ToQString(row);
        edit->setPlainText(rows.join(QLatin1Char('\n')));
    }
    setLine(res::IDC_CARD_SOURCE, t.source);
    setLine(res::IDC_CARD_NUMBER, t.numberLine);
    if (m_orderBox) m_orderBox->setCurrentIndex(m_card->GetOrder());
}

void CHaikuCardDlg::OnStep(int step) {
    m_card->Step(step);
    Refresh();
}

void CHaikuCardDlg::OnOrderSelected(int index) {
    m_card->ChangeOrder(index);
    Refresh();
}

void CHaikuCardDlg::OnStartupClicked() {
    const int value = CHaikuCard::ToggleStartupView();
    if (m_startupBox) m_startupBox->setChecked(value != 0);
}

void CHaikuCardDlg::Store() {
    m_card->StoreOnClose();
    m_stored = true;
}

void CHaikuCardDlg::done(int result) {
    if (m_initialised && !m_stored) Store();
    QDialog::done(result);
}
