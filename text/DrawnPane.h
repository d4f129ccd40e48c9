#pragma once
// A pane of a window that the window draws itself (index, topic and
// reference panes): attached to the area widget of the dialog template, it
// forwards that widget's painting and mouse events to its owner and draws
// the etched frame.
#include <QObject>
#include <QPoint>
#include <functional>

class QPainter;
class QWidget;

class CDrawnPane : public QObject {
    Q_OBJECT
public:
    explicit CDrawnPane(QWidget* area);
    QWidget* Widget() const { return m_area; }

    std::function<void(QPainter&)> onPaint;
    std::function<void(QPoint)> onMouseMove;
    std::function<void(QPoint)> onLeftClick;
    std::function<void()> onLeave;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_area;
};
