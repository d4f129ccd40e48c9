#pragma once
// An up-down (spin) control: two small arrow buttons stacked, without a value
// of its own. Each press of an arrow (repeated while held) and each Up or Down
// key while it has the focus asks for a step of +1 or -1; the owner decides
// what the step does. Other widgets (its buddy edit) may forward their arrow
// keys with ForwardArrowKeysFrom.
#include <QWidget>

class QToolButton;

namespace platform {

class CUpDownControl : public QWidget {
    Q_OBJECT
public:
    explicit CUpDownControl(QWidget* parent = nullptr);

    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }
    // Up and Down pressed in that widget step this control as well.
    void ForwardArrowKeysFrom(QWidget* widget);

signals:
    void stepRequested(int delta);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

}  // namespace platform
