#pragma once
// A pane of a window that the window draws itself (index, topic and
// reference panes): it forwards painting and mouse events to its owner.
#include <QWidget>
#include <functional>

class QPainter;

class CDrawnPane : public QWidget {
    Q_OBJECT
public:
    explicit CDrawnPane(QWidget* parent = nullptr);

    std::function<void(QPainter&)> onPaint;
    std::function<void(QPoint)> onMouseMove;
    std::function<void(QPoint)> onLeftClick;
    std::function<void()> onLeave;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};
