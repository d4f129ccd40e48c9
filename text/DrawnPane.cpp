#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

#include "text/DrawnPane.h"

CDrawnPane::CDrawnPane(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void CDrawnPane::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (onPaint) onPaint(painter);
    // The etched frame, inside the 2-pixel inset that the rows never use.
    qDrawShadeRect(&painter, rect(), palette(), true, 1);
}

void CDrawnPane::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove) onMouseMove(event->position().toPoint());
}

void CDrawnPane::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onLeftClick) {
        onLeftClick(event->position().toPoint());
        return;
    }
    QWidget::mousePressEvent(event);
}

void CDrawnPane::leaveEvent(QEvent*) {
    if (onLeave) onLeave();
}
