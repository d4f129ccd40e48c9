#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

#include "platform/Fonts.h"
#include "platform/QtCodec.h"
#include "platform/ResourceImages.h"
#include "res/ResourceIds.h"

namespace platform {
namespace {

// Paints into a logical rectangle; the engine scales it to any pixmap size.
using Painter = std::function<void(QPainter&, const QRectF&)>;

class CPaintedIconEngine : public QIconEngine {
public:
    CPaintedIconEngine(Painter painter, QSizeF designSize) : m_painter(std::move(painter)), m_design(designSize) {}

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setRenderHint(QPainter::TextAntialiasing);
        // Keep the design's aspect ratio, centred in rect.
        const qreal scale = qMin(rect.width() / m_design.width(), rect.height() / m_design.height());
        const QSizeF size = m_design * scale;
        p->translate(rect.x() + (rect.width() - size.width()) / 2, rect.y() + (rect.height() - size.height()) / 2);
        p->scale(scale, scale);
        if (mode == QIcon::Disabled) p->setOpacity(0.35);
        m_painter(*p, QRectF(QPointF(0, 0), m_design));
        p->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        const QSize device = (QSizeF(size) * scale).toSize();
        QPixmap pm(device.isEmpty() ? QSize(1, 1) : device);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            paint(&p, QRect(QPoint(0, 0), device), mode, state);
        }
        pm.setDevicePixelRatio(scale);
        return pm;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QIconEngine* clone() const override { return new CPaintedIconEngine(m_painter, m_design); }

private:
    Painter m_painter;
    QSizeF m_design;
};

QColor ArtColour(res::ButtonArt art) {
    switch (art) {
        case res::ButtonArt::WorksHall: return QColor(0x2e, 0x5e, 0x9e);  // indigo
        case res::ButtonArt::LifeHall: return QColor(0x3f, 0x7d, 0x3a);   // pine
        case res::ButtonArt::DataHall: return QColor(0xa8, 0x4b, 0x1f);   // persimmon
        case res::ButtonArt::Help: return QColor(0x7a, 0x4f, 0x9a);       // wisteria
        case res::ButtonArt::Find: return QColor(0x40, 0x40, 0x40);
    }
    return Qt::gray;
}

// A rounded tile in the hall's colour with one white character.
void PaintGlyphButton(QPainter& p, const QRectF& r, const QColor& colour, const QString& glyph) {
    const QRectF tile = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(tile.topLeft(), tile.bottomLeft());
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour.darker(110));
    p.setPen(QPen(colour.darker(150), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(tile, 2.5, 2.5);
    QFont font = FixedGothicFont(12);
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(r.adjusted(0, 0.5, 0, 0), Qt::AlignCenter, glyph);
}

void PaintFind(QPainter& p, const QRectF& r) {
    // A magnifying glass.
    const QPointF c(r.left() + 6.5, r.top() + 6.0);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.6));
    p.setBrush(QColor(0xcf, 0xe4, 0xf7));
    p.drawEllipse(c, 4.6, 4.6);
    p.setPen(QPen(QColor(0x6b, 0x45, 0x1e), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() + 3.6, c.y() + 3.6), QPointF(r.right() - 1.5, r.bottom() - 1.5));
    p.setPen(QPen(Qt::white, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - 3, c.y() - 3, 6, 6), 90 * 16, 70 * 16);
}

// Icon 128: a museum gable over a haiku tanzaku in ink and vermilion.
void PaintMainIcon(QPainter& p, const QRectF& r) {
    const qreal s = r.width() / 32.0;
    p.scale(s, s);
    QPainterPath plate;
    plate.addRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, QColor(0xf6, 0xee, 0xdc));
    g.setColorAt(1, QColor(0xe2, 0xd2, 0xb0));
    p.setPen(QPen(QColor(0x6a, 0x50, 0x2e), 1.0));
    p.setBrush(g);
    p.drawPath(plate);
    // Roof.
    QPainterPath roof;
    roof.moveTo(3, 11);
    roof.lineTo(16, 3.5);
    roof.lineTo(29, 11);
    roof.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x3a, 0x44));
    p.drawPath(roof);
    // Columns.
    p.setBrush(QColor(0x8a, 0x2a, 0x1c));
    for (qreal x : {6.0, 11.5, 19.0, 24.5}) p.drawRect(QRectF(x, 12.5, 2, 13));
    // Tanzaku (poem slip) in the middle.
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0x3a, 0x3a, 0x44), 0.6));
    p.drawRect(QRectF(14.2, 12, 3.6, 14));
    p.setPen(QPen(QColor(0x1a, 0x1a, 0x1a), 0.9, Qt::SolidLine, Qt::RoundCap));
    for (qreal y : {14.0, 17.5, 21.0}) p.drawLine(QPointF(16, y), QPointF(16, y + 2.2));
    // Base.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x3a, 0x44));
    p.drawRect(QRectF(3.5, 26, 25, 2.5));
}

// Icon 129: a page with ruled vertical lines and a vermilion seal.
void PaintDocIcon(QPainter& p, const QRectF& r) {
    const qreal s = r.width() / 32.0;
    p.scale(s, s);
    QPainterPath page;
    page.moveTo(6, 2);
    page.lineTo(21, 2);
    page.lineTo(27, 8);
    page.lineTo(27, 30);
    page.lineTo(6, 30);
    page.closeSubpath();
    p.setPen(QPen(QColor(0x55, 0x55, 0x60), 1.0));
    p.setBrush(QColor(0xfb, 0xf8, 0xf0));
    p.drawPath(page);
    p.setBrush(QColor(0xdd, 0xd6, 0xc4));
    QPainterPath fold;
    fold.moveTo(21, 2);
    fold.lineTo(21, 8);
    fold.lineTo(27, 8);
    fold.closeSubpath();
    p.drawPath(fold);
    p.setPen(QPen(QColor(0x2e, 0x5e, 0x9e), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {22.5, 18.5, 14.5, 10.5}) p.drawLine(QPointF(x, 11), QPointF(x, x > 20 ? 26 : 22));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x39, 0x2b));
    p.drawRoundedRect(QRectF(8.5, 23.5, 5, 5), 1, 1);
}

}  // namespace

QIcon ResourceIcon(int id) {
    if (id == res::IDR_MAINFRAME) return QIcon(new CPaintedIconEngine(PaintMainIcon, QSizeF(32, 32)));
    if (id == res::IDR_KIROKATYPE) return QIcon(new CPaintedIconEngine(PaintDocIcon, QSizeF(32, 32)));
    return QIcon();
}

QIcon ToolButtonIcon(const res::ToolBarSlot& slot) {
    const QSizeF design(res::kToolButtonWidth, res::kToolButtonHeight);
    if (slot.art == res::ButtonArt::Find) return QIcon(new CPaintedIconEngine(PaintFind, design));
    const QColor colour = ArtColour(slot.art);
    const QString glyph = ToQString(slot.glyph);
    return QIcon(new CPaintedIconEngine(
        [colour, glyph](QPainter& p, const QRectF& r) { PaintGlyphButton(p, r, colour, glyph); }, design));
}

QImage RenderResourceIcon(int id, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    ResourceIcon(id).paint(&p, QRect(0, 0, size, size));
    return image;
}

}  // namespace platform
