// "Select Card Back": edits the two card backs, previews the chosen deck's back, and hands the
// records to the table through a callback on OK and "&Apply".
#pragma once

#include <QColor>
#include <QDialog>
#include <functional>
#include <optional>

#include "options/card_back.h"

class QButtonGroup;
class QLabel;
class QPushButton;

namespace tavolex {

class SettingsStore;

// The pickers "&Change..." opens; tests put their own in place of the blocking dialogs.
struct CardBackPickers {
    std::function<std::optional<QColor>(const QColor& current, QWidget* parent)> pickColor;
    std::function<std::optional<int>(int current, QWidget* parent)> pickPattern;
    std::function<std::optional<QString>(const QString& current, QWidget* parent)> pickPicture;
};

CardBackPickers StandardCardBackPickers();

class TfmCardBack : public QDialog {
    Q_OBJECT
  public:
    using ApplyCardBacks = std::function<void(const CardBacks&)>;

    TfmCardBack(SettingsStore& store, ApplyCardBacks apply, QWidget* parent = nullptr,
                CardBackPickers pickers = StandardCardBackPickers());
    const CardBacks& Backs() const { return backs_; }

  private:
    void rgDeckClick(int deck);
    void rgTypeClick(int type);
    void bnChangeClick();
    void bnOKClick();
    void bnApplyClick();
    void ShowDeck();
    void WriteAndApply();

    SettingsStore& store_;
    ApplyCardBacks apply_;
    CardBackPickers pickers_;
    CardBacks backs_;
    int deck_ = 0;
    QButtonGroup* rgDeck_;
    QButtonGroup* rgType_;
    QLabel* lbPreview_;
};

}  // namespace tavolex
