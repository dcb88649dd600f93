#include "Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace demo {

namespace {

const QColor blue(0x1F, 0x4E, 0x9A);
const QColor green(0x2E, 0x9E, 0x4F);
const QColor red(0xC6, 0x2E, 0x2E);
const QColor paper(0xFB, 0xFB, 0xF4);
const QColor ink(0x55, 0x5B, 0x66);

QPixmap blank(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    return pixmap;
}

} // namespace

QPixmap markPicture(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(size.width(), size.height()) * 0.8;
    const QRectF ring((size.width() - side) / 2, (size.height() - side) / 2, side, side);
    p.setPen(QPen(blue, side * 0.14, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(ring, 60 * 16, 300 * 16);
    QPainterPath tick;
    tick.moveTo(ring.center() + QPointF(side * 0.02, side * 0.12));
    tick.lineTo(ring.center() + QPointF(side * 0.20, side * 0.30));
    tick.lineTo(ring.center() + QPointF(side * 0.62, side * -0.22));
    p.setPen(QPen(green, side * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return pixmap;
}

QPixmap sefFilePicture(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet(size.width() * 0.18, size.height() * 0.05, size.width() * 0.64, size.height() * 0.9);
    const qreal fold = sheet.width() * 0.22;
    QPainterPath outline;
    outline.moveTo(sheet.topLeft());
    outline.lineTo(sheet.right() - fold, sheet.top());
    outline.lineTo(sheet.right(), sheet.top() + fold);
    outline.lineTo(sheet.bottomRight());
    outline.lineTo(sheet.bottomLeft());
    outline.closeSubpath();
    p.setPen(QPen(ink, 1.5));
    p.setBrush(paper);
    p.drawPath(outline);
    p.drawLine(QPointF(sheet.right() - fold, sheet.top()), QPointF(sheet.right() - fold, sheet.top() + fold));
    p.drawLine(QPointF(sheet.right() - fold, sheet.top() + fold), QPointF(sheet.right(), sheet.top() + fold));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    title.setPixelSize(static_cast<int>(sheet.height() * 0.13));
    p.setFont(title);
    p.setPen(blue);
    p.drawText(QRectF(sheet.left() + 8, sheet.top() + 6, sheet.width() - fold - 8, sheet.height() * 0.18),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("SEF"));

    QFont digits(QStringLiteral("DejaVu Sans Mono"));
    digits.setPixelSize(static_cast<int>(sheet.height() * 0.055));
    p.setFont(digits);
    p.setPen(ink);
    const char* const lines[] = {"10000000000000", "11Logradouro",   "50000020050101", "54000000000001",
                                 "88000000001100", "88000000002800", "90000000000000"};
    qreal y = sheet.top() + sheet.height() * 0.30;
    const qreal step = sheet.height() * 0.085;
    for (const char* line : lines) {
        p.drawText(QPointF(sheet.left() + 8, y), QString::fromLatin1(line));
        y += step;
    }
    return pixmap;
}

QPixmap statisticsPicture(QSize size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(size.width() * 0.1, size.height() * 0.1, size.width() * 0.8, size.height() * 0.78);
    p.setPen(QPen(ink, 1.5));
    p.drawLine(area.bottomLeft(), area.bottomRight());
    p.drawLine(area.bottomLeft(), area.topLeft());
    // Written and rejected lines of six record types, as fractions of the highest.
    const qreal written[] = {0.35, 0.55, 0.95, 0.70, 0.45, 0.80};
    const qreal rejected[] = {0.00, 0.10, 0.05, 0.15, 0.00, 0.05};
    const qreal slot = area.width() / 6;
    for (int i = 0; i < 6; ++i) {
        const qreal left = area.left() + slot * i + slot * 0.2;
        const qreal width = slot * 0.6;
        const qreal ok = area.height() * written[i];
        const qreal bad = area.height() * rejected[i];
        QLinearGradient shade(left, 0, left + width, 0);
        shade.setColorAt(0, green.lighter(120));
        shade.setColorAt(1, green);
        p.setPen(Qt::NoPen);
        p.setBrush(shade);
        p.drawRect(QRectF(left, area.bottom() - ok, width, ok));
        p.setBrush(red);
        p.drawRect(QRectF(left, area.bottom() - ok - bad, width, bad));
    }
    return pixmap;
}

} // namespace demo
