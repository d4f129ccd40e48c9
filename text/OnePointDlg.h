#pragma once
// The one-point tips window: one numbered tip of onepoint.txt with its
// heading in large type, previous/next, and the start-up check box. Closing
// stores the tip after the current one as the next to show.
#include <QDialog>

#include "text/OnePointTips.h"

class QCheckBox;
class QPushButton;

class COnePointDlg : public QDialog {
    Q_OBJECT
public:
    explicit COnePointDlg(QWidget* parent = nullptr);

    // Window initialisation: check box, the tip stored as next, caption.
    // False when the tips file could not be read (the window then closes
    // at once).
    bool InitDialog();

    text::COnePointTips& Tips() { return m_tips; }
    int Current() const { return m_tips.Current(); }
    QCheckBox* CheckBox() const { return m_check; }
    QPushButton* NextButton() const { return m_next; }
    QPushButton* PrevButton() const { return m_prev; }
    QPushButton* CloseButton() const { return m_close; }
    QWidget* Panel() const { return m_panel; }
    text::TipsLayout Layout() const;

    void done(int result) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    text::COnePointTips m_tips;
    QWidget* m_panel = nullptr;
    QCheckBox* m_check = nullptr;
    QPushButton* m_prev = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_close = nullptr;
    bool m_closed = false;
};
