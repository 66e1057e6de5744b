#include "table/qt/whose_turn_notice.h"

#include <QTimer>

namespace tavolex {

namespace {
constexpr int kWidth = 317;
constexpr int kHeight = 28;
}  // namespace

TfmWhoseTurn::TfmWhoseTurn(QWidget* table, const QString& text) : QLabel(text, table) {
    setObjectName(QStringLiteral("TfmWhoseTurn"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Box);
    setStyleSheet(
        QStringLiteral("QLabel { background: #fff8d8; color: #202020; border: 1px solid #5a4a20; "
                       "font-weight: bold; }"));
    setFixedSize(kWidth, kHeight);
    move((table->width() - kWidth) / 2, (table->height() - kHeight) / 2);
    QTimer::singleShot(kShowMilliseconds, this, &QWidget::close);
}

TfmWhoseTurn* TfmWhoseTurn::Show(QWidget* table, const QString& text) {
    for (auto* previous : table->findChildren<TfmWhoseTurn*>(Qt::FindDirectChildrenOnly)) {
        previous->close();
    }
    auto* notice = new TfmWhoseTurn(table, text);
    notice->show();
    notice->raise();
    return notice;
}

}  // namespace tavolex
