#include "table/qt/splash_window.h"

#include <QLinearGradient>
#include <QPainter>

namespace tavolex {

namespace {
constexpr QSize kSplashSize(360, 180);
}

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(kSplashSize);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient felt(0, 0, 0, height());
    felt.setColorAt(0, QColor(0, 110, 40));
    felt.setColorAt(1, QColor(0, 60, 20));
    painter.fillRect(rect(), felt);
    painter.setPen(QPen(QColor(230, 200, 80), 3));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
    QFont title("Arial", 30, QFont::Bold);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 30, width(), 70), Qt::AlignCenter, "Tavolex");
    painter.setFont(QFont("Arial", 12));
    painter.drawText(QRect(0, 100, width(), 30), Qt::AlignCenter, "Canasta for two");
    painter.setPen(QColor(230, 200, 80));
    painter.drawText(QRect(0, 130, width(), 30), Qt::AlignCenter, "Version 5.0");
}

}  // namespace tavolex
