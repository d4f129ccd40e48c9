#pragma once
// The display-year window (dialog 135): the old-calendar year is chosen only
// with the spin beside the read-only year edit, within the caller's range.
// The caller sets year, month and range, runs the window modally and, after
// OK, reads back year and month.
#include <QDialog>
#include <memory>

#include "calendar/DisplayYearState.h"

class QLineEdit;
class QPushButton;
namespace platform {
class CUpDownControl;
}

class CDisplayYearDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDisplayYearDlg(QWidget* parent = nullptr);
    ~CDisplayYearDlg() override;

    void SetDisplayYear(int year) { m_displayYear = year; }
    void SetDisplayMonth(int month) { m_displayMonth = month; }
    void SetYearRange(int lowestYear, int highestYear);
    int GetDisplayYear() const { return m_displayYear; }
    int GetDisplayMonth() const { return m_displayMonth; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void OnInitDialog();
    void OnStepYear(int delta);

    int m_displayYear = 0;
    int m_displayMonth = 1;
    int m_lowestYear = 0;
    int m_highestYear = 0;
    bool m_initialised = false;
    std::unique_ptr<CDisplayYearState> m_state;
    QLineEdit* m_yearEdit;
    platform::CUpDownControl* m_yearSpin;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
