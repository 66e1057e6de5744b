// The table's drawing surface: keeps the painted table in a backing image that is brought up to
// date piecewise, shows a moving card over it, and hands mouse and keys to the window.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

namespace tavolex {

class TableCanvas : public QWidget {
    Q_OBJECT
  public:
    using Renderer = std::function<void(QPainter&, const QRect&)>;

    explicit TableCanvas(QWidget* parent = nullptr);

    void SetRenderer(Renderer renderer) { renderer_ = std::move(renderer); }
    // Renders the area into the backing image and shows it at once.
    void RenderArea(const QRect& area);
    void RenderAll() { RenderArea(rect()); }
    // A card drawn above the table (a move in progress); a null pixmap removes it.
    void SetFloatingCard(const QPixmap& card, QPoint topLeft);
    const QPixmap& Backing() const { return backing_; }
    bool ShowsFloatingCard() const { return !floating_.isNull(); }

    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPoint)> onMouseUp;
    std::function<void()> onMouseMove;
    // True when the key was used.
    std::function<bool(int key, Qt::KeyboardModifiers)> onKeyDown;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }

  private:
    QRect FloatingRect() const {
        return floating_.isNull() ? QRect()
                                  : QRect(floatingAt_, floating_.deviceIndependentSize().toSize());
    }

    Renderer renderer_;
    QPixmap backing_;
    QPixmap floating_;
    QPoint floatingAt_;
};

}  // namespace tavolex
