#pragma once
// Dialog units to pixels: a horizontal unit is a quarter of the dialog
// font's average character width, a vertical unit an eighth of its height.
#include <QFont>
#include <QRect>

namespace platform {

class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& dialogFont);
    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int w, int h) const;
    QSize Size(int w, int h) const;
    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }

private:
    int m_baseX;
    int m_baseY;
};

}  // namespace platform
