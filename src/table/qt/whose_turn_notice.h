// The short notice at a deal that says who draws first.
#pragma once

#include <QLabel>

namespace tavolex {

// A borderless 317 x 28 panel centred on the table that never takes the focus and closes
// itself after 1500 ms.
class TfmWhoseTurn : public QLabel {
    Q_OBJECT
  public:
    static constexpr int kShowMilliseconds = 1500;

    // Closes a notice still showing on the table, then shows the new one.
    static TfmWhoseTurn* Show(QWidget* table, const QString& text);

  private:
    TfmWhoseTurn(QWidget* table, const QString& text);
};

}  // namespace tavolex
