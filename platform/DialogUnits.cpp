#include <QFontMetrics>

#include "platform/DialogUnits.h"

namespace platform {

CDialogUnits::CDialogUnits(const QFont& dialogFont) {
    const QFontMetrics fm(dialogFont);
    // The average width of the 52 Latin letters, rounded, as dialog bases are.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int total = fm.horizontalAdvance(letters);
    m_baseX = qMax(1, (total / 26 + 1) / 2);
    m_baseY = qMax(1, fm.height());
}

int CDialogUnits::X(int units) const { return (units * m_baseX + 2) / 4; }
int CDialogUnits::Y(int units) const { return (units * m_baseY + 4) / 8; }

QRect CDialogUnits::Rect(int x, int y, int w, int h) const {
    const int left = X(x), top = Y(y);
    return QRect(left, top, X(x + w) - left, Y(y + h) - top);
}

QSize CDialogUnits::Size(int w, int h) const { return QSize(X(w), Y(h)); }

}  // namespace platform
