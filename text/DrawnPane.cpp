#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <qdrawutil.h>

#include "text/DrawnPane.h"

CDrawnPane::CDrawnPane(QWidget* area) : QObject(area), m_area(area) {
    area->setMouseTracking(true);
    area->setAttribute(Qt::WA_OpaquePaintEvent);
    area->installEventFilter(this);
}

bool CDrawnPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_area) return false;
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter painter(m_area);
        if (onPaint) onPaint(painter);
        // The etched frame, inside the 2-pixel inset that the rows never use.
        qDrawShadeRect(&painter, m_area->rect(), m_area->palette(), true, 1);
        return true;
    }
    case QEvent::MouseMove:
        if (onMouseMove) onMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !onLeftClick) return false;
        onLeftClick(mouse->position().toPoint());
        return true;
    }
    case QEvent::Leave:
        if (onLeave) onLeave();
        return false;
    default:
        return false;
    }
}
