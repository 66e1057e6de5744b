#include "options/qt/card_back_dialog.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "game/table_layout.h"
#include "options/qt/card_pattern_dialog.h"
#include "options/qt/stored_color.h"
#include "table/qt/card_images.h"

namespace tavolex {

namespace {

// The preview shows the back at the 800 x 600 card size.
constexpr int kPreviewLayout = 1;

QGroupBox* RadioGroup(const QString& title, const QStringList& captions, QButtonGroup* group,
                      QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    for (int id = 0; id < captions.size(); ++id) {
        auto* button = new QRadioButton(captions[id], box);
        group->addButton(button, id);
        layout->addWidget(button);
    }
    return box;
}

QPushButton* Button(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

CardBackPickers StandardCardBackPickers() {
    CardBackPickers pickers;
    pickers.pickColor = [](const QColor& current, QWidget* parent) -> std::optional<QColor> {
        const QColor color = QColorDialog::getColor(current, parent);
        if (!color.isValid()) return std::nullopt;
        return color;
    };
    pickers.pickPattern = [](int current, QWidget* parent) -> std::optional<int> {
        TfmCardPattern dialog(current, parent);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.Pattern();
    };
    pickers.pickPicture = [](const QString& current, QWidget* parent) -> std::optional<QString> {
        const QString file = QFileDialog::getOpenFileName(
            parent, QString(), current,
            "Pictures (*.bmp *.png *.jpg *.jpeg *.gif);;Bitmaps (*.bmp);;All files (*)");
        if (file.isEmpty()) return std::nullopt;
        return file;
    };
    return pickers;
}

TfmCardBack::TfmCardBack(SettingsStore& store, ApplyCardBacks apply, QWidget* parent,
                         CardBackPickers pickers)
    : QDialog(parent),
      store_(store),
      apply_(std::move(apply)),
      pickers_(std::move(pickers)),
      backs_(LoadCardBacks(store, CardBackDefaults::kDialog)),
      rgDeck_(new QButtonGroup(this)),
      rgType_(new QButtonGroup(this)),
      lbPreview_(new QLabel(this)) {
    setWindowTitle("Select Card Back");
    QGroupBox* deckBox = RadioGroup("Select Deck", {"Deck One", "Deck Two"}, rgDeck_, this);
    deckBox->setWhatsThis("Choose the deck whose back you want to change.");
    QGroupBox* typeBox = RadioGroup(
        "Cardback Type", {"&Solid Color", "S&tandard Pattern", "C&ustom Pattern"}, rgType_, this);
    typeBox->setWhatsThis(
        "A back of one colour, one of the built-in patterns, or a picture of your own.");

    auto* previewBox = new QGroupBox("Current Cardback", this);
    const ScreenLayout& screen = ScreenLayoutAt(kPreviewLayout);
    lbPreview_->setObjectName("lbPreview");
    lbPreview_->setFixedSize(screen.cardWidth, screen.cardHeight);
    lbPreview_->setWhatsThis("The back of the chosen deck as it will look on the table.");
    QPushButton* bnChange = Button("&Change...", "bnChange", previewBox);
    bnChange->setWhatsThis("Choose the colour, the pattern or the picture of this back.");
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(lbPreview_, 0, Qt::AlignHCenter);
    previewLayout->addWidget(bnChange);

    QPushButton* bnOK = Button("OK", "bnOK", this);
    QPushButton* bnApply = Button("&Apply", "bnApply", this);
    QPushButton* bnCancel = Button("Cancel", "bnCancel", this);
    bnOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bnOK);
    buttons->addWidget(bnApply);
    buttons->addWidget(bnCancel);

    auto* layout = new QGridLayout(this);
    layout->addWidget(deckBox, 0, 0);
    layout->addWidget(typeBox, 1, 0);
    layout->addWidget(previewBox, 0, 1, 2, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(rgDeck_, &QButtonGroup::idClicked, this, &TfmCardBack::rgDeckClick);
    connect(rgType_, &QButtonGroup::idClicked, this, &TfmCardBack::rgTypeClick);
    connect(bnChange, &QPushButton::clicked, this, &TfmCardBack::bnChangeClick);
    connect(bnOK, &QPushButton::clicked, this, &TfmCardBack::bnOKClick);
    connect(bnApply, &QPushButton::clicked, this, &TfmCardBack::bnApplyClick);
    connect(bnCancel, &QPushButton::clicked, this, &QDialog::reject);
    rgDeck_->button(0)->setChecked(true);
    ShowDeck();
}

void TfmCardBack::rgDeckClick(int deck) {
    deck_ = deck;
    ShowDeck();
}

void TfmCardBack::rgTypeClick(int type) {
    backs_[deck_].Type = static_cast<uint8_t>(type);
    ShowDeck();
}

void TfmCardBack::bnChangeClick() {
    CardBackRecord& back = backs_[deck_];
    if (back.Type == kSolidColorBack) {
        if (auto color = pickers_.pickColor(ColorFromStored(back.Color), this)) {
            back.Color = StoredFromColor(*color);
        }
    } else if (back.Type == kPatternBack) {
        if (auto pattern = pickers_.pickPattern(back.Pattern, this)) {
            if (*pattern >= 0 && *pattern < kPatternCount) {
                back.Pattern = static_cast<uint8_t>(*pattern);
            }
        }
    } else if (auto file = pickers_.pickPicture(QString::fromStdString(back.FileName), this)) {
        back.FileName = file->toStdString().substr(0, kMaxBackFileName);
    }
    ShowDeck();
}

void TfmCardBack::bnOKClick() {
    WriteAndApply();
    accept();
}

void TfmCardBack::bnApplyClick() {
    WriteAndApply();
}

void TfmCardBack::ShowDeck() {
    const CardBackRecord& back = backs_[deck_];
    rgType_->button(back.Type)->setChecked(true);
    lbPreview_->setPixmap(
        RenderCardBack(back, deck_, kPreviewLayout, lbPreview_->size(), devicePixelRatioF()));
}

void TfmCardBack::WriteAndApply() {
    SaveCardBacks(store_, backs_);
    if (apply_) apply_(backs_);
}

}  // namespace tavolex
