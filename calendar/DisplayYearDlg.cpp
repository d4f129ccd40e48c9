#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "calendar/DisplayYearDlg.h"
#include "platform/DialogUnits.h"
#include "platform/Fonts.h"
#include "platform/QtCodec.h"
#include "platform/UpDownControl.h"
#include "res/DialogTemplates.h"
#include "res/ResourceIds.h"

namespace {

QRect ControlRect(const platform::CDialogUnits& units, const res::DialogControl& c) {
    return units.Rect(c.x, c.y, c.w, c.h);
}

}  // namespace

CDisplayYearDlg::CDisplayYearDlg(QWidget* parent) : QDialog(parent) {
    const res::DialogTemplate& t = res::kDisplayYearDialogTemplate;
    setFont(platform::DialogFont());
    const platform::CDialogUnits units(font());
    setWindowTitle(platform::ToQString(t.caption));
    setFixedSize(units.Size(t.w, t.h));

    // The area and month controls are never shown in this window and are not
    // created; the remaining controls come from the template.
    for (const res::DialogControl& c : t.controls) {
        if (c.style & res::kHidden) continue;
        if (c.kind == res::ControlKind::Static) {
            auto* label = new QLabel(platform::ToQString(c.text), this);
            label->setGeometry(ControlRect(units, c));
        }
    }

    const res::DialogControl* edit = res::FindControl(t, res::IDC_YEAR_EDIT);
    const res::DialogControl* spin = res::FindControl(t, res::IDC_YEAR_SPIN);
    const res::DialogControl* ok = res::FindControl(t, res::IDOK);
    const res::DialogControl* cancel = res::FindControl(t, res::IDCANCEL);

    m_yearEdit = new QLineEdit(this);
    m_yearEdit->setObjectName(QString::number(res::IDC_YEAR_EDIT));
    m_yearEdit->setReadOnly(true);
    m_yearSpin = new platform::CUpDownControl(this);
    m_yearSpin->setObjectName(QString::number(res::IDC_YEAR_SPIN));
    // The spin sits at the right edge of its buddy, which gives up that width.
    QRect editRect = ControlRect(units, *edit);
    const int spinWidth = units.X(spin->w);
    editRect.setWidth(editRect.width() - spinWidth);
    m_yearEdit->setGeometry(editRect);
    m_yearSpin->setGeometry(editRect.right() + 1, editRect.top(), spinWidth, editRect.height());
    m_yearSpin->ForwardArrowKeysFrom(m_yearEdit);
    connect(m_yearSpin, &platform::CUpDownControl::stepRequested, this, &CDisplayYearDlg::OnStepYear);

    m_ok = new QPushButton(platform::ToQString(ok->text), this);
    m_ok->setObjectName(QString::number(res::IDOK));
    m_ok->setGeometry(ControlRect(units, *ok));
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CDisplayYearDlg::accept);
    m_cancel = new QPushButton(platform::ToQString(cancel->text), this);
    m_cancel->setObjectName(QString::number(res::IDCANCEL));
    m_cancel->setGeometry(ControlRect(units, *cancel));
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &CDisplayYearDlg::reject);

    setTabOrder(m_yearEdit, m_yearSpin);
    setTabOrder(m_yearSpin, m_ok);
    setTabOrder(m_ok, m_cancel);
}

CDisplayYearDlg::~CDisplayYearDlg() = default;

void CDisplayYearDlg::SetYearRange(int lowestYear, int highestYear) {
    m_lowestYear = lowestYear;
    m_highestYear = highestYear;
}

void CDisplayYearDlg::showEvent(QShowEvent* event) {
    if (!m_initialised && !event->spontaneous()) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

void CDisplayYearDlg::OnInitDialog() {
    // Each run starts from the values the caller set.
    m_state = std::make_unique<CDisplayYearState>(m_displayYear, m_displayMonth, m_lowestYear,
                                                  m_highestYear);
    m_yearEdit->setText(QString::number(m_state->GetYear()));
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->window()->frameGeometry();
        move(area.center() - rect().center());
    }
    setWindowTitle(platform::ToQString(m_state->GetCaption()));
    m_yearEdit->setFocus();
}

void CDisplayYearDlg::OnStepYear(int delta) {
    if (m_state && m_state->Step(delta)) m_yearEdit->setText(QString::number(m_state->GetYear()));
}

void CDisplayYearDlg::accept() {
    // The year edit is read back, as the window's data exchange does.
    bool ok = false;
    const int year = m_yearEdit->text().toInt(&ok);
    if (ok) m_displayYear = year;
    if (m_state) m_displayMonth = m_state->GetMonth();
    QDialog::accept();
}

void CDisplayYearDlg::done(int result) {
    m_initialised = false;
    QDialog::done(result);
}
