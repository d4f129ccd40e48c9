#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include "haiku/HaikuCardDlg.h"
#include "haiku/HaikuCardLayout.h"
#include "haiku/HaikuOrders.h"
#include "platform/DialogUnits.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/QtCodec.h"
#include "platform/UpDownControl.h"

using platform::ToQString;

namespace {

QString IdName(int id) { return QString::number(id); }

}  // namespace

CHaikuCardDlg::CHaikuCardDlg(QWidget* parent)
    : QDialog(parent), m_card(std::make_unique<CHaikuCard>()) {
    const haiku::CardDialog& dialog = haiku::GetCardDialog();
    setObjectName(IdName(haiku::IDD_HAIKU_CARD));
    setWindowTitle(ToQString(dialog.caption));
    setModal(true);
    const QFont dialogFont = platform::DialogFont();
    setFont(dialogFont);
    const platform::CDialogUnits du(dialogFont);
    setFixedSize(du.Size(dialog.w, dialog.h));
    const QFont fieldFont = platform::FixedGothicFont(12);

    for (const haiku::CardControl& c : dialog.controls) {
        QWidget* w = nullptr;
        QRect rect = du.Rect(c.x, c.y, c.w, c.h);
        switch (c.kind) {
        case haiku::CardControlKind::Label:
            w = new QLabel(ToQString(c.text), this);
            break;
        case haiku::CardControlKind::Field: {
            auto* edit = new QLineEdit(this);
            edit->setReadOnly(true);
            w = edit;
            break;
        }
        case haiku::CardControlKind::MultiLineField: {
            auto* edit = new QPlainTextEdit(this);
            edit->setReadOnly(true);
            edit->setLineWrapMode(QPlainTextEdit::NoWrap);  // rows come cut to 44 bytes
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            w = edit;
            break;
        }
        case haiku::CardControlKind::UpDown: {
            auto* updown = new platform::CUpDownControl(this);
            // The control asks +1 for its upper arrow; the card steps back then.
            connect(updown, &platform::CUpDownControl::stepRequested, this,
                    [this](int delta) { OnStep(-delta); });
            w = updown;
            break;
        }
        case haiku::CardControlKind::DropDownList: {
            m_orderBox = new QComboBox(this);
            m_orderBox->setEditable(false);
            for (int i = 0; i < haiku::kOrderCount; ++i)
                m_orderBox->addItem(ToQString(haiku::GetOrderLabel(i)));
            connect(m_orderBox, &QComboBox::activated, this, [this](int index) { OnOrderSelected(index); });
            rect.setHeight(m_orderBox->sizeHint().height());  // the height includes the dropped list
            w = m_orderBox;
            break;
        }
        case haiku::CardControlKind::CheckBox:
            m_startupBox = new QCheckBox(ToQString(c.text), this);
            connect(m_startupBox, &QCheckBox::clicked, this, [this] { OnStartupClicked(); });
            w = m_startupBox;
            break;
        case haiku::CardControlKind::DefaultButton: {
            auto* button = new QPushButton(ToQString(c.text), this);
            button->setDefault(true);
            button->setAutoDefault(true);
            connect(button, &QPushButton::clicked, this, &QDialog::accept);
            w = button;
            break;
        }
        }
        if (c.id != haiku::IDC_STATIC) w->setObjectName(IdName(c.id));
        w->setGeometry(rect);
    }
    for (int id : haiku::kCardFontFields)
        if (QWidget* field = Control(id)) field->setFont(fieldFont);
}

CHaikuCardDlg::~CHaikuCardDlg() {
    // Destroyed without being closed: store as closing does.
    if (m_initialised && !m_stored) Store();
}

QWidget* CHaikuCardDlg::Control(int id) const {
    return findChild<QWidget*>(IdName(id), Qt::FindDirectChildrenOnly);
}

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
    m_orderBox->setCurrentIndex(m_card->GetOrder());
    m_startupBox->setChecked(CHaikuCard::GetStartupView() != 0);
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
        }
    };
    setLine(haiku::IDC_CARD_PREFACE, t.preface);
    setLine(haiku::IDC_CARD_HAIKU, t.haiku);
    setLine(haiku::IDC_CARD_READING, t.reading);
    setLine(haiku::IDC_CARD_YEAR, t.yearLine);
    setLine(haiku::IDC_CARD_SEASON, t.season);
    setLine(haiku::IDC_CARD_SEASON_WORD, t.seasonWord);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(Control(haiku::IDC_CARD_COMMENTARY))) {
        QStringList rows;
        for (const std::string& row : t.commentary) rows << ToQString(row);
        edit->setPlainText(rows.join(QLatin1Char('\n')));
    }
    setLine(haiku::IDC_CARD_SOURCE, t.source);
    setLine(haiku::IDC_CARD_NUMBER, t.numberLine);
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
    m_startupBox->setChecked(CHaikuCard::ToggleStartupView() != 0);
}

void CHaikuCardDlg::Store() {
    m_card->StoreOnClose();
    m_stored = true;
}

void CHaikuCardDlg::done(int result) {
    if (m_initialised && !m_stored) Store();
    QDialog::done(result);
}
