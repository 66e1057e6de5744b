#include "options/qt/customize_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "game/table.h"
#include "options/qt/stored_color.h"
#include "table/qt/dialog_parts.h"

namespace tavolex {

namespace {

int openingPage = kScreenPage;

std::optional<int64_t> AskColor(int64_t current, QWidget* parent) {
    const QColor chosen =
        QColorDialog::getColor(ColorFromStored(int32_t(current)), parent, "Background Color");
    if (!chosen.isValid()) return std::nullopt;
    return StoredFromColor(chosen);
}

// Radio buttons numbered from 0 in the order given, filling the grid column by column.
QButtonGroup* AddRadios(QWidget* owner, QGridLayout* grid, std::initializer_list<const char*> texts,
                        int rows) {
    auto* group = new QButtonGroup(owner);
    int id = 0;
    for (const char* text : texts) {
        auto* button = new QRadioButton(QString::fromUtf8(text));
        group->addButton(button, id);
        grid->addWidget(button, id % rows, id / rows);
        ++id;
    }
    return group;
}

// A slider from "Slow" at the left to "Fast" at the right.
QSlider* AddSpeedSlider(QGridLayout* grid, int row) {
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(0, kSliderMaximum);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setPageStep(1);
    grid->addWidget(new QLabel("Slow"), row, 0);
    grid->addWidget(slider, row, 1);
    grid->addWidget(new QLabel("Fast"), row, 2);
    return slider;
}

QGroupBox* Group(const char* title, QLayout* layout, const char* whatsThis) {
    auto* group = new QGroupBox(QString::fromUtf8(title));
    group->setLayout(layout);
    group->setWhatsThis(QString::fromUtf8(whatsThis));
    return group;
}

// The parts of a page one under the other, from the top.
QWidget* Stack(QWidget* page, std::initializer_list<QWidget*> parts) {
    auto* layout = new QVBoxLayout(page);
    for (QWidget* part : parts) layout->addWidget(part);
    layout->addStretch();
    return page;
}

}  // namespace

TfmCustomize::TfmCustomize(const CustomizeInput& input, SettingsStore& store, Dialogs& dialogs,
                           CustomizeApply apply, QWidget* parent)
    : QDialog(parent),
      values_(input.values),
      players_(input.players),
      levelLocked_(LevelLocked(input.gameInProgress, input.networkGame)),
      networkGame_(input.networkGame),
      largestLayout_(input.largestLayout),
      store_(store),
      dialogs_(dialogs),
      apply_(std::move(apply)),
      pickColor_(AskColor) {
    setWindowTitle("Customize Tavolex");
    setObjectName("TfmCustomize");

    pages_ = new QTabWidget;
    pages_->addTab(BuildScreenPage(), "Screen");
    pages_->addTab(BuildPlayersPage(), "Players");
    pages_->addTab(BuildLevelPage(), "Level");
    pages_->addTab(BuildGeneralPage(), "General");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    bnApply_ = buttons->addButton("&Apply", QDialogButtonBox::ApplyRole);
    bnApply_->setObjectName("bnApply");
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Commit();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(bnApply_, &QPushButton::clicked, this, &TfmCustomize::bnApplyClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);

    InstallWhatsThisMenu(this);
    ShowValues();
    pages_->setCurrentIndex(openingPage);
    bnApply_->setEnabled(false);
    setFixedSize(sizeHint().expandedTo(QSize(430, 0)));
}

void TfmCustomize::SetOpeningPage(int page) {
    if (page >= kScreenPage && page <= kGeneralPage) openingPage = page;
}

int TfmCustomize::OpeningPage() {
    return openingPage;
}

QWidget* TfmCustomize::BuildScreenPage() {
    auto* page = new QWidget;

    auto* colorRow = new QHBoxLayout;
    pnColor_ = new QFrame;
    pnColor_->setObjectName("pnColor");
    pnColor_->setFixedSize(64, 24);
    auto* bnColor = new QPushButton("&Change...");
    bnColor->setObjectName("bnColor");
    connect(bnColor, &QPushButton::clicked, this, &TfmCustomize::bnColorClick);
    colorRow->addWidget(pnColor_);
    colorRow->addWidget(bnColor);
    colorRow->addStretch();

    auto* shows = new QVBoxLayout;
    ckShowStatusbar_ = new QCheckBox("&Show statusbar");
    ckShowTurns_ = new QCheckBox("Show my turn/your turn &messages");
    ckShowHighscores_ = new QCheckBox("Show &highscores");
    for (QCheckBox* box : {ckShowStatusbar_, ckShowTurns_, ckShowHighscores_}) {
        shows->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &TfmCustomize::Changed);
    }

    auto* sizes = new QGridLayout;
    rgWindowSize_ =
        AddRadios(page, sizes, {"&640 x 480", "&800 x 600", "&1024 x 768", "1&280 x 1024"}, 2);
    connect(rgWindowSize_, &QButtonGroup::idClicked, this, &TfmCustomize::Changed);

    return Stack(page,
                 {Group("Background Color", colorRow, "The colour of the card table."),
                  Group("Table", shows,
                        "What the table shows besides the cards: the status bar, the notice "
                        "whose turn it is, and the high scores after a record."),
                  Group("&Window Size", sizes,
                        "The size of the table window. Sizes larger than the screen cannot be "
                        "chosen.")});
}

QWidget* TfmCustomize::BuildPlayersPage() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);

    auto* currentRow = new QHBoxLayout;
    currentRow->addWidget(new QLabel("Current player:"));
    lbCurrentPlayer_ = new QLabel;
    lbCurrentPlayer_->setObjectName("lbCurrentPlayer");
    QFont bold = lbCurrentPlayer_->font();
    bold.setBold(true);
    lbCurrentPlayer_->setFont(bold);
    currentRow->addWidget(lbCurrentPlayer_, 1);
    layout->addLayout(currentRow, 0, 0, 1, 2);

    lbPlayers_ = new QListWidget;
    lbPlayers_->setObjectName("lbPlayers");
    lbPlayers_->setWhatsThis(
        "The players known on this computer. The current player's wins and losses are counted "
        "and proposed for the high scores.");
    layout->addWidget(lbPlayers_, 1, 0);
    connect(lbPlayers_, &QListWidget::currentRowChanged, this, &TfmCustomize::UpdateEnabled);

    auto* buttons = new QVBoxLayout;
    const std::pair<const char*, void (TfmCustomize::*)()> commands[] = {
        {"&New...", &TfmCustomize::bnNewClick},
        {"&Rename...", &TfmCustomize::bnRenameClick},
        {"&Delete", &TfmCustomize::bnDeleteClick},
        {"Reset &Stats", &TfmCustomize::bnResetStatsClick},
        {"Set as &Current Player", &TfmCustomize::bnSetCurrentClick}};
    for (const auto& [text, handler] : commands) {
        auto* button = new QPushButton(text);
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
        playerButtons_.append(button);
    }
    playerButtons_[0]->setObjectName("bnNew");
    playerButtons_[1]->setObjectName("bnRename");
    playerButtons_[2]->setObjectName("bnDelete");
    playerButtons_[3]->setObjectName("bnResetStats");
    playerButtons_[4]->setObjectName("bnSetCurrent");
    buttons->addStretch();
    layout->addLayout(buttons, 1, 1);

    lbRecord_ = new QLabel;
    lbRecord_->setObjectName("lbRecord");
    layout->addWidget(lbRecord_, 2, 0, 1, 2);

    ckSelectPlayer_ = new QCheckBox("Select player when starting Tavolex");
    ckSelectPlayer_->setWhatsThis("Ask who is playing each time the program starts.");
    connect(ckSelectPlayer_, &QCheckBox::toggled, this, &TfmCustomize::Changed);
    layout->addWidget(ckSelectPlayer_, 3, 0, 1, 2);
    return page;
}

QWidget* TfmCustomize::BuildLevelPage() {
    auto* page = new QWidget;

    auto* levels = new QGridLayout;
    rgLevel_ = AddRadios(page, levels, {"&Beginner", "&Advanced", "&Expert"}, 3);
    connect(rgLevel_, &QButtonGroup::idClicked, this, [this] {
        UpdateEnabled();
        Changed();
    });
    lbLevelLock_ = new QLabel(kLevelLockText);
    lbLevelLock_->setObjectName("lbLevelLock");
    lbLevelLock_->setWordWrap(true);
    lbLevelLock_->setStyleSheet("color: #a00000;");
    levels->addWidget(lbLevelLock_, 3, 0);

    auto* aggression = new QHBoxLayout;
    tbAggression_ = new QSlider(Qt::Horizontal);
    tbAggression_->setObjectName("tbAggression");
    tbAggression_->setRange(0, kAggressionMaximum);
    tbAggression_->setTickPosition(QSlider::TicksBelow);
    tbAggression_->setTickInterval(10);
    tbAggression_->setPageStep(10);
    lbAggression_ = new QLabel;
    lbAggression_->setObjectName("lbAggression");
    lbAggression_->setMinimumWidth(lbAggression_->fontMetrics().horizontalAdvance("100%") + 4);
    lbAggression_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(tbAggression_, &QSlider::valueChanged, this, [this](int value) {
        lbAggression_->setText(QString("%1%").arg(value));
        Changed();
    });
    aggression->addWidget(tbAggression_);
    aggression->addWidget(lbAggression_);

    return Stack(page, {Group("Computer &Level", levels,
                              "How well the computer plays. It can only be changed before the "
                              "first move of a game."),
                        Group("&Aggressiveness", aggression,
                              "How boldly the Expert takes risks to meld and to take the discard "
                              "pile.")});
}

QWidget* TfmCustomize::BuildGeneralPage() {
    auto* page = new QWidget;

    auto* discarding = new QGridLayout;
    rgDiscard_ = AddRadios(page, discarding, {"&One Right Click", "&Two Right Clicks"}, 1);
    connect(rgDiscard_, &QButtonGroup::idClicked, this, &TfmCustomize::Changed);

    auto* melding = new QGridLayout;
    tbDelay_ = AddSpeedSlider(melding, 0);
    tbDelay_->setObjectName("tbDelay");
    connect(tbDelay_, &QSlider::valueChanged, this, &TfmCustomize::Changed);

    auto* animation = new QGridLayout;
    ckNoAnimation_ = new QCheckBox("&No Animation");
    ckNoAnimation_->setObjectName("ckNoAnimation");
    animation->addWidget(ckNoAnimation_, 0, 0, 1, 3);
    tbCardSpeed_ = AddSpeedSlider(animation, 1);
    tbCardSpeed_->setObjectName("tbCardSpeed");
    connect(ckNoAnimation_, &QCheckBox::toggled, this, [this] {
        UpdateEnabled();
        Changed();
    });
    connect(tbCardSpeed_, &QSlider::valueChanged, this, &TfmCustomize::Changed);

    ckAutoSave_ = new QCheckBox("&AutoSave on Exit and AutoLoad on Start");
    ckAutoSave_->setObjectName("ckAutoSave");
    ckAutoSave_->setWhatsThis(
        "Keep a game in progress when you quit and continue it at the next start. Turning this "
        "off deletes the game kept so far.");
    connect(ckAutoSave_, &QCheckBox::toggled, this, &TfmCustomize::Changed);

    return Stack(page, {Group("D&iscarding", discarding,
                              "How many right clicks on a card of your hand discard it."),
                        Group("Computer &Melding", melding,
                              "The pause between the computer's visible steps during its turn."),
                        Group("&Card Animation", animation,
                              "Whether cards glide to their new place, and how fast."),
                        ckAutoSave_});
}

void TfmCustomize::ShowValues() {
    ShowColor();
    ckShowStatusbar_->setChecked(values_.ShowStatusbar);
    ckShowTurns_->setChecked(values_.ShowTurns);
    ckShowHighscores_->setChecked(values_.ShowHighscores);
    for (int resolution = 0; resolution < kLayouts; ++resolution)
        rgWindowSize_->button(resolution)
            ->setEnabled(WindowSizeAvailable(resolution, largestLayout_));
    if (QAbstractButton* size = rgWindowSize_->button(values_.Resolution)) size->setChecked(true);

    ShowPlayers(players_.CurrentPlayer);
    ckSelectPlayer_->setChecked(values_.SelectPlayerOnStartup);

    if (QAbstractButton* level = rgLevel_->button(values_.Level)) level->setChecked(true);
    for (QAbstractButton* level : rgLevel_->buttons()) level->setEnabled(!levelLocked_);
    lbLevelLock_->setVisible(levelLocked_);
    tbAggression_->setValue(values_.Aggression);
    lbAggression_->setText(QString("%1%").arg(tbAggression_->value()));

    rgDiscard_->button(values_.DiscardOption == 0 ? 0 : 1)->setChecked(true);
    tbDelay_->setValue(DelaySliderPosition(values_.Delay));
    ckNoAnimation_->setChecked(!values_.CardMovement);
    tbCardSpeed_->setValue(values_.CardSpeed);
    ckAutoSave_->setChecked(values_.AutoSave);
    UpdateEnabled();
}

void TfmCustomize::ShowPlayers(int selected) {
    lbPlayers_->clear();
    for (const PlayerEntry& player : players_.List)
        lbPlayers_->addItem(QString::fromStdString(player.Name));
    const std::string current = players_.CurrentName();
    lbCurrentPlayer_->setText(QString::fromStdString(current.empty() ? "Player" : current));
    if (!players_.List.empty())
        lbPlayers_->setCurrentRow(std::clamp(selected, 0, int(players_.List.size()) - 1));
    UpdateEnabled();
}

void TfmCustomize::ShowColor() {
    pnColor_->setStyleSheet(QString("background-color: %1; border: 1px solid #606060;")
                                .arg(ColorFromStored(int32_t(values_.BackgroundColor)).name()));
}

void TfmCustomize::UpdateEnabled() {
    const int selected = SelectedPlayer();
    for (int i = 1; i < playerButtons_.size(); ++i) playerButtons_[i]->setEnabled(selected >= 0);
    if (selected >= 0) {
        const TWinRatio& ratio = players_.List[selected].Ratio;
        const std::string percent = WinRatioText(ratio);
        lbRecord_->setText(
            QString("Wins: %1    Losses: %2    Win ratio: %3")
                .arg(ratio.Wins)
                .arg(ratio.Losses)
                .arg(QString::fromStdString(percent == "?" ? percent : percent + "%")));
    } else {
        lbRecord_->clear();
    }
    tbAggression_->setEnabled(AggressionEnabled(uint8_t(rgLevel_->checkedId()), levelLocked_));
    tbCardSpeed_->setEnabled(!ckNoAnimation_->isChecked());
}

void TfmCustomize::Changed() {
    if (bnApply_) bnApply_->setEnabled(true);
}

int TfmCustomize::SelectedPlayer() const {
    const int row = lbPlayers_->currentRow();
    return row >= 0 && row < int(players_.List.size()) ? row : -1;
}

CustomizeSettings TfmCustomize::Values() const {
    CustomizeSettings values = values_;
    values.ShowStatusbar = ckShowStatusbar_->isChecked();
    values.ShowTurns = ckShowTurns_->isChecked();
    values.ShowHighscores = ckShowHighscores_->isChecked();
    if (rgWindowSize_->checkedId() >= 0) values.Resolution = rgWindowSize_->checkedId();
    if (rgLevel_->checkedId() >= 0) values.Level = uint8_t(rgLevel_->checkedId());
    values.Aggression = tbAggression_->value();
    values.DiscardOption = uint8_t(rgDiscard_->checkedId() == 1 ? 1 : 0);
    values.Delay = DelayOfSliderPosition(tbDelay_->value());
    values.CardMovement = !ckNoAnimation_->isChecked();
    values.CardSpeed = tbCardSpeed_->value();
    values.AutoSave = ckAutoSave_->isChecked();
    values.SelectPlayerOnStartup = ckSelectPlayer_->isChecked();
    return values;
}

void TfmCustomize::Commit() {
    values_ = Values();
    StoreCustomizeSettings(store_, values_, networkGame_);
    SavePlayers(store_, players_);
    if (apply_) apply_(values_, players_);
    bnApply_->setEnabled(false);
}

void TfmCustomize::done(int result) {
    openingPage = pages_->currentIndex();
    QDialog::done(result);
}

void TfmCustomize::bnColorClick() {
    if (const auto chosen = pickColor_(values_.BackgroundColor, this)) {
        values_.BackgroundColor = *chosen;
        ShowColor();
        Changed();
    }
}

void TfmCustomize::EditPlayers(const std::function<bool(int selected)>& operation) {
    const int selected = SelectedPlayer();
    const size_t before = players_.List.size();
    if (!operation(selected)) return;
    // A player just added is the one to work on next.
    ShowPlayers(players_.List.size() > before ? int(players_.List.size()) - 1 : selected);
    Changed();
}

void TfmCustomize::bnNewClick() {
    EditPlayers([this](int) { return AskNewPlayer(players_, dialogs_); });
}

void TfmCustomize::bnRenameClick() {
    EditPlayers([this](int selected) { return AskRenamePlayer(players_, selected, dialogs_); });
}

void TfmCustomize::bnDeleteClick() {
    EditPlayers([this](int selected) { return AskDeletePlayer(players_, selected, dialogs_); });
}

void TfmCustomize::bnResetStatsClick() {
    EditPlayers([this](int selected) { return AskResetPlayerStats(players_, selected, dialogs_); });
}

void TfmCustomize::bnSetCurrentClick() {
    EditPlayers([this](int selected) { return SetCurrentPlayer(players_, selected); });
}

void TfmCustomize::bnApplyClick() {
    Commit();
}

}  // namespace tavolex
