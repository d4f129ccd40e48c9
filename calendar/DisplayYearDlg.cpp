#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "calendar/DisplayYearDlg.h"
#include "platform/DialogBuilder.h"
#include "platform/QtCodec.h"
#include "platform/UpDownControl.h"
#include "res/DialogTemplates.h"
#include "res/ResourceIds.h"

CDisplayYearDlg::CDisplayYearDlg(QWidget* parent) : QDialog(parent) {
    const res::DialogTemplate& t = res::kDisplayYearDialogTemplate;
    const platform::CDialogUnits units = platform::BuildDialog(this, t);

    // The year spin is an up-down control beside its buddy, the read-only
    // year edit: it sits at the edit's right edge and the edit gives up that
    // width. The template's generic spin box is replaced by it.
    m_yearEdit = platform::ControlById<QLineEdit>(this, res::IDC_YEAR_EDIT);
    delete platform::ControlById(this, res::IDC_YEAR_SPIN);
    m_yearSpin = new platform::CUpDownControl(this);
    m_yearSpin->setObjectName(QString::number(res::IDC_YEAR_SPIN));
    const res::DialogControl* spin = res::FindControl(t, res::IDC_YEAR_SPIN);
    QRect editRect = m_yearEdit->geometry();
    const int spinWidth = units.X(spin->w);
    editRect.setWidth(editRect.width() - spinWidth);
    m_yearEdit->setGeometry(editRect);
    m_yearSpin->setGeometry(editRect.right() + 1, editRect.top(), spinWidth, editRect.height());
    m_yearSpin->ForwardArrowKeysFrom(m_yearEdit);
    connect(m_yearSpin, &platform::CUpDownControl::stepRequested, this, &CDisplayYearDlg::OnStepYear);

    m_ok = platform::ControlById<QPushButton>(this, res::IDOK);
    m_cancel = platform::ControlById<QPushButton>(this, res::IDCANCEL);
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
