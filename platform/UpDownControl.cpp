#include <QKeyEvent>
#include <QToolButton>

#include "platform/UpDownControl.h"

namespace platform {

namespace {

QToolButton* MakeArrow(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(false);
    return button;
}

}  // namespace

CUpDownControl::CUpDownControl(QWidget* parent)
    : QWidget(parent), m_up(MakeArrow(this, Qt::UpArrow)), m_down(MakeArrow(this, Qt::DownArrow)) {
    setFocusPolicy(Qt::TabFocus);
    connect(m_up, &QToolButton::clicked, this, [this] { emit stepRequested(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { emit stepRequested(-1); });
}

void CUpDownControl::ForwardArrowKeysFrom(QWidget* widget) {
    if (widget) widget->installEventFilter(this);
}

void CUpDownControl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up) {
        emit stepRequested(+1);
    } else if (event->key() == Qt::Key_Down) {
        emit stepRequested(-1);
    } else {
        QWidget::keyPressEvent(event);
    }
}

bool CUpDownControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            emit stepRequested(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CUpDownControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upHeight = height() / 2;
    m_up->setGeometry(0, 0, width(), upHeight);
    m_down->setGeometry(0, upHeight, width(), height() - upHeight);
}

}  // namespace platform
