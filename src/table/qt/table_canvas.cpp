#include "table/qt/table_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tavolex {

TableCanvas::TableCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void TableCanvas::RenderArea(const QRect& area) {
    const QRect clipped = area.intersected(rect());
    if (clipped.isEmpty() || backing_.isNull()) return;
    {
        QPainter painter(&backing_);
        if (renderer_) renderer_(painter, clipped);
    }
    repaint(clipped);
}

void TableCanvas::SetFloatingCard(const QPixmap& card, QPoint topLeft) {
    const QRect before = FloatingRect();
    floating_ = card;
    floatingAt_ = topLeft;
    repaint(QRegion(before) + QRegion(FloatingRect()));
}

void TableCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawPixmap(area, backing_,
                       QRectF(area.topLeft() * backing_.devicePixelRatio(),
                              area.size() * backing_.devicePixelRatio()));
    if (!floating_.isNull()) painter.drawPixmap(floatingAt_, floating_);
}

void TableCanvas::resizeEvent(QResizeEvent*) {
    const qreal ratio = devicePixelRatioF();
    backing_ = QPixmap(size() * ratio);
    backing_.setDevicePixelRatio(ratio);
    QPainter painter(&backing_);
    if (renderer_) renderer_(painter, rect());
}

void TableCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (onMouseUp) onMouseUp(event->button(), event->modifiers(), event->position().toPoint());
}

void TableCanvas::mouseMoveEvent(QMouseEvent*) {
    if (onMouseMove) onMouseMove();
}

void TableCanvas::keyPressEvent(QKeyEvent* event) {
    if (onKeyDown && onKeyDown(event->key(), event->modifiers())) return;
    QWidget::keyPressEvent(event);
}

}  // namespace tavolex
