#pragma once
// The date converter (暦館 > 日付の換算): an old-calendar date to the Western
// one and back, for any day of 593..2051. Modeless, one per main frame. The
// window draws what CDateConverter decides: it hands the typed fields to it
// and shows its rows, its message and both sides' fields. It opens on today.
#include <QDialog>
#include <memory>

#include "calendar/DateConverter.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CDateConverterDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDateConverterDlg(QWidget* parent = nullptr);
    ~CDateConverterDlg() override;

    const CDateConverter& Converter() const { return *m_converter; }

    // The buttons' actions.
    void ConvertOld();
    void ConvertWestern();
    // Opens the calendar hall's list at the day's year (1644..1694).
    void OpenCalendar();
    // Shows a day (a fixed day number, calendar/DayCount.h).
    void ShowDay(long long fixed);

private:
    // Shows the converter's day: rows, both sides' fields, the button.
    void ShowResult();
    void ShowMessage();

    std::unique_ptr<CDateConverter> m_converter;
    QComboBox* m_era;
    QLineEdit* m_eraYear;
    QLineEdit* m_oldMonth;
    QCheckBox* m_leap;
    QLineEdit* m_oldDay;
    QLineEdit* m_westernYear;
    QLineEdit* m_westernMonth;
    QLineEdit* m_westernDay;
    QCheckBox* m_julian;
    QLabel* m_labels[CDateConverter::kRowCount];
    QLabel* m_values[CDateConverter::kRowCount];
    QLabel* m_message;
    QPushButton* m_calendar;
};
