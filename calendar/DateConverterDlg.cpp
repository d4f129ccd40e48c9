#include "calendar/DateConverterDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/MainFrame.h"
#include "calendar/DayCount.h"
#include "platform/DialogBuilder.h"
#include "platform/QtCodec.h"
#include "res/DateConverterTexts.h"
#include "res/ResourceIds.h"

CDateConverterDlg::CDateConverterDlg(QWidget* parent)
    : QDialog(parent), m_converter(std::make_unique<CDateConverter>()) {
    platform::BuildDialog(this, res::kDateConverterDialogTemplate);
    using platform::ControlById;
    m_era = ControlById<QComboBox>(this, res::IDC_CONV_ERA);
    m_eraYear = ControlById<QLineEdit>(this, res::IDC_CONV_ERA_YEAR);
    m_oldMonth = ControlById<QLineEdit>(this, res::IDC_CONV_OLD_MONTH);
    m_leap = ControlById<QCheckBox>(this, res::IDC_CONV_LEAP);
    m_oldDay = ControlById<QLineEdit>(this, res::IDC_CONV_OLD_DAY);
    m_westernYear = ControlById<QLineEdit>(this, res::IDC_CONV_WESTERN_YEAR);
    m_westernMonth = ControlById<QLineEdit>(this, res::IDC_CONV_WESTERN_MONTH);
    m_westernDay = ControlById<QLineEdit>(this, res::IDC_CONV_WESTERN_DAY);
    m_julian = ControlById<QCheckBox>(this, res::IDC_CONV_JULIAN);
    for (int row = 0; row < CDateConverter::kRowCount; ++row) {
        m_labels[row] = ControlById<QLabel>(this, res::IDC_CONV_ROW_LABEL + row);
        m_values[row] = ControlById<QLabel>(this, res::IDC_CONV_ROW_VALUE + row);
        m_values[row]->setWordWrap(false);
        m_values[row]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    m_message = ControlById<QLabel>(this, res::IDC_CONV_MESSAGE);
    QPalette palette = m_message->palette();
    palette.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
    m_message->setPalette(palette);
    m_calendar = ControlById<QPushButton>(this, res::IDC_CONV_CALENDAR);

    // The era is chosen from the list or typed as it is: no completion
    // rewrites what is typed.
    for (const std::string& item : m_converter->GetEraItems()) m_era->addItem(platform::ToQString(item));
    m_era->setCompleter(nullptr);
    m_era->setMaxVisibleItems(20);

    connect(ControlById<QPushButton>(this, res::IDC_CONV_TO_WESTERN), &QPushButton::clicked, this,
            &CDateConverterDlg::ConvertOld);
    connect(ControlById<QPushButton>(this, res::IDC_CONV_TO_OLD), &QPushButton::clicked, this,
            &CDateConverterDlg::ConvertWestern);
    connect(m_calendar, &QPushButton::clicked, this, &CDateConverterDlg::OpenCalendar);
    // Enter in a field converts that side.
    for (QLineEdit* edit : {m_era->lineEdit(), m_eraYear, m_oldMonth, m_oldDay})
        connect(edit, &QLineEdit::returnPressed, this, &CDateConverterDlg::ConvertOld);
    for (QLineEdit* edit : {m_westernYear, m_westernMonth, m_westernDay})
        connect(edit, &QLineEdit::returnPressed, this, &CDateConverterDlg::ConvertWestern);

    const QDate today = QDate::currentDate();
    ShowDay(CDayCount::FromGregorian(today.year(), today.month(), today.day()));
}

CDateConverterDlg::~CDateConverterDlg() = default;

void CDateConverterDlg::ConvertOld() {
    CDateConverter::OldFields fields;
    fields.era = platform::FromQString(m_era->currentText());
    fields.year = platform::FromQString(m_eraYear->text());
    fields.month = platform::FromQString(m_oldMonth->text());
    fields.leap = m_leap->isChecked();
    fields.day = platform::FromQString(m_oldDay->text());
    if (m_converter->ConvertOld(fields)) ShowResult();
    else ShowMessage();
}

void CDateConverterDlg::ConvertWestern() {
    CDateConverter::WesternFields fields;
    fields.year = platform::FromQString(m_westernYear->text());
    fields.month = platform::FromQString(m_westernMonth->text());
    fields.day = platform::FromQString(m_westernDay->text());
    fields.julian = m_julian->isChecked();
    if (m_converter->ConvertWestern(fields)) ShowResult();
    else ShowMessage();
}

void CDateConverterDlg::ShowDay(long long fixed) {
    if (m_converter->ShowDay(fixed)) ShowResult();
}

void CDateConverterDlg::OpenCalendar() {
    const int year = m_converter->GetCalendarYear();
    if (year == 0) return;
    if (CMainFrame* frame = GetMainFrame()) frame->OpenCalendarAt(year);
}

void CDateConverterDlg::ShowMessage() { m_message->setText(platform::ToQString(m_converter->GetMessage())); }

void CDateConverterDlg::ShowResult() {
    const CDateConverter& c = *m_converter;
    // The rows that apply, one under the other.
    const auto rows = c.GetShownRows();
    for (int slot = 0; slot < CDateConverter::kRowCount; ++slot) {
        const bool used = slot < static_cast<int>(rows.size());
        m_labels[slot]->setText(used ? platform::ToQString(rows[slot].first) : QString());
        m_values[slot]->setText(used ? platform::ToQString(rows[slot].second) : QString());
    }
    ShowMessage();

    const CDateConverter::OldFields& old = c.GetOldFields();
    const QString era = platform::ToQString(old.era);
    const int item = m_era->findText(era, Qt::MatchExactly);
    if (item >= 0) m_era->setCurrentIndex(item);
    m_era->setEditText(era);
    m_eraYear->setText(platform::ToQString(old.year));
    m_oldMonth->setText(platform::ToQString(old.month));
    m_leap->setChecked(old.leap);
    m_oldDay->setText(platform::ToQString(old.day));

    const CDateConverter::WesternFields& western = c.GetWesternFields();
    m_westernYear->setText(platform::ToQString(western.year));
    m_westernMonth->setText(platform::ToQString(western.month));
    m_westernDay->setText(platform::ToQString(western.day));
    m_julian->setChecked(western.julian);

    m_calendar->setEnabled(c.GetCalendarYear() != 0);
}
