#include "platform/qt/Icons.h"

#include <QApplication>
#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

#include <array>
#include <functional>
#include <utility>

namespace platform::qt {
namespace {

// Each symbol is drawn in a 24 x 24 design box and scaled to the pixmap.
constexpr double kDesignSize = 24.0;
constexpr std::array<int, 4> kPixmapSizes = {16, 24, 32, 48};

using DrawFunction = std::function<void(QPainter&, const QColor&)>;

QIcon DrawnIcon(const DrawFunction& draw, const QColor& colour) {
    QIcon icon;
    for (const int size : kPixmapSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / kDesignSize, size / kDesignSize);
        draw(painter, colour);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// Drawn whenever it is painted, in the palette's button text colour of the
// moment, so that the symbols follow a change between light and dark.
class SymbolEngine final : public QIconEngine {
  public:
    explicit SymbolEngine(DrawFunction draw) : draw_(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State /*state*/) override {
        const QPalette::ColorGroup group =
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / kDesignSize, rect.height() / kDesignSize);
        draw_(*painter, QApplication::palette().color(group, QPalette::ButtonText));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new SymbolEngine(draw_); }

  private:
    DrawFunction draw_;
};

QPen Stroke(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void DrawGear(QPainter& painter, const QColor& colour) {
    QPainterPath gear;
    gear.addEllipse(QPointF(12, 12), 7.5, 7.5);
    for (int tooth = 0; tooth < 8; ++tooth) {
        QTransform turn;
        turn.translate(12, 12);
        turn.rotate(45.0 * tooth);
        QPainterPath rect;
        rect.addRoundedRect(QRectF(-2, -11, 4, 6), 1, 1);
        gear = gear.united(turn.map(rect));
    }
    QPainterPath hole;
    hole.addEllipse(QPointF(12, 12), 3.2, 3.2);
    painter.fillPath(gear.subtracted(hole), colour);
}

void DrawHelp(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(12, 12), 11, 11);
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPixelSize(16);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawExport(QPainter& painter, const QColor& colour) {
    painter.setPen(Stroke(colour, 1.8));
    const QPointF page[] = {{5, 2.5}, {14, 2.5}, {19, 7.5}, {19, 21.5}, {5, 21.5}};
    painter.drawPolygon(page, 5);
    painter.drawPolyline(QPolygonF({{14, 2.5}, {14, 7.5}, {19, 7.5}}));
    painter.drawLine(QPointF(12, 10), QPointF(12, 18));
    painter.drawPolyline(QPolygonF({{8.5, 14.5}, {12, 18}, {15.5, 14.5}}));
}

void DrawClear(QPainter& painter, const QColor& colour) {
    painter.setPen(Stroke(colour, 2.4));
    painter.drawLine(QPointF(6, 6), QPointF(18, 18));
    painter.drawLine(QPointF(18, 6), QPointF(6, 18));
}

void DrawWand(QPainter& painter, const QColor& colour) {
    painter.setPen(Stroke(colour, 2.6));
    painter.drawLine(QPointF(3.5, 20.5), QPointF(14, 10));
    painter.setPen(Stroke(colour, 1.6));
    const QPointF centre(17, 7);
    for (int ray = 0; ray < 8; ++ray) {
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(45.0 * ray);
        painter.drawLine(turn.map(QPointF(0, -3)), turn.map(QPointF(0, -5.5)));
    }
}

void DrawLetters(QPainter& painter, const QColor&) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(52, 58, 64));
    painter.drawRoundedRect(QRectF(0.5, 2.5, 23, 19), 4, 4);
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 2, 24, 19), Qt::AlignCenter, QStringLiteral("abc"));
}

}  // namespace

QIcon SymbolIcon(ImageKind image) {
    switch (image) {
        case ImageKind::Gear:
            return QIcon(new SymbolEngine(DrawGear));
        case ImageKind::Help:
            return DrawnIcon(DrawHelp, QColor(142, 142, 147));
        case ImageKind::Export:
            return QIcon(new SymbolEngine(DrawExport));
        case ImageKind::Clear:
            return QIcon(new SymbolEngine(DrawClear));
        case ImageKind::Recommendations:
            return QIcon(new SymbolEngine(DrawWand));
    }
    return {};
}

QIcon ApplicationIcon() {
    return DrawnIcon(DrawLetters, {});
}

}  // namespace platform::qt
