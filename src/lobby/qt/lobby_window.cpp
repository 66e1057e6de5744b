#include "lobby/qt/lobby_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QColorDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "game/settings_store.h"
#include "lobby/event_words.h"
#include "lobby/lobby_controls.h"
#include "lobby/qt/latin1_text.h"
#include "options/qt/stored_color.h"
#include "options/qt/stored_font.h"
#include "storage/settings_keys.h"
#include "table/qt/dialog_parts.h"

namespace tavolex {

namespace {

constexpr const char* kFontWindow = "Lobby";

QPushButton* MakeButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QListWidget* MakeList(const char* name) {
    auto* list = new QListWidget;
    list->setObjectName(QLatin1String(name));
    list->setMinimumWidth(170);
    return list;
}

void SetBaseColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, color);
    widget->setPalette(palette);
}

}  // namespace

TfmLobbyGS::TfmLobbyGS(Lobby& lobby, SettingsStore& settings, const std::string& currentPlayer,
                       QWidget* parent)
    : QDialog(parent), lobby_(lobby), settings_(settings), currentPlayer_(currentPlayer) {
    setObjectName(QStringLiteral("TfmLobbyGS"));
    setWindowTitle(QStringLiteral("Tavolex Online Lobby"));
    setModal(true);
    BuildControls();
}

TfmLobbyGS::~TfmLobbyGS() {
    lobby_.AttachView(nullptr);
    SetBusyCursor(false);
}

void TfmLobbyGS::BuildControls() {
    edNickname_ = new QLineEdit;
    edNickname_->setObjectName(QStringLiteral("edNickname"));
    connect(edNickname_, &QLineEdit::editingFinished, this, &TfmLobbyGS::edNicknameExit);
    connect(edNickname_, &QLineEdit::textChanged, this, [this] { UpdateControls(); });
    auto* nicknameLabel = new QLabel(QStringLiteral("Your Nickname:"));
    nicknameLabel->setBuddy(edNickname_);
    btLogin_ = MakeButton("btLogin", QStringLiteral("Log&in"));
    connect(btLogin_, &QPushButton::clicked, this, [this] {
        edNicknameExit();
        lobby_.Login(Form());
    });
    btLogout_ = MakeButton("btLogout", QStringLiteral("Log&out"));
    connect(btLogout_, &QPushButton::clicked, this, [this] { lobby_.Logout(); });

    auto* typeBox = new QGroupBox(QStringLiteral("Type of game:"));
    typeBox->setObjectName(QStringLiteral("rgLobbyType"));
    rgLobbyType_ = new QButtonGroup(typeBox);
    auto* typeLayout = new QHBoxLayout(typeBox);
    int id = kLobbyJustForFun;
    for (const char* item : {"Just for fun", "Competition", "Private Room"}) {
        auto* radio = new QRadioButton(QLatin1String(item));
        rgLobbyType_->addButton(radio, id++);
        typeLayout->addWidget(radio);
    }
    edPrivateLobby_ = new QLineEdit;
    edPrivateLobby_->setObjectName(QStringLiteral("edPrivateLobby"));
    typeLayout->addWidget(edPrivateLobby_, 1);
    connect(edPrivateLobby_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString cleaned = FromLatin1(CleanPrivateRoom(Latin1Bytes(text)));
        if (cleaned != text) edPrivateLobby_->setText(cleaned);
    });
    connect(rgLobbyType_, &QButtonGroup::idClicked, this, [this](int type) {
        lobby_.ChangeLobbyType(static_cast<uint8_t>(type), Form().privateRoom);
        UpdateControls();
    });

    mmChat_ = new QPlainTextEdit;
    mmChat_->setObjectName(QStringLiteral("mmChat"));
    mmChat_->setReadOnly(true);
    mmChat_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* chatMenu = new QMenu(mmChat_);
    connect(chatMenu->addAction(QStringLiteral("&Font...")), &QAction::triggered, this,
            &TfmLobbyGS::mmChatFontClick);
    connect(chatMenu->addAction(QStringLiteral("Co&lor...")), &QAction::triggered, this,
            &TfmLobbyGS::mmChatColorClick);
    QAction* copy = chatMenu->addAction(QStringLiteral("Copy to clipboard"));
    copy->setObjectName(QStringLiteral("CopyToClipboard"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    // The memo's own copy takes only the selection: its Ctrl+C is caught in eventFilter.
    mmChat_->installEventFilter(this);
    connect(copy, &QAction::triggered, this, &TfmLobbyGS::CopyToClipboardClick);
    connect(mmChat_, &QWidget::customContextMenuRequested, this,
            [this, chatMenu](const QPoint& at) { chatMenu->popup(mmChat_->mapToGlobal(at)); });

    edChat_ = new QLineEdit;
    edChat_->setObjectName(QStringLiteral("edChat"));
    btSendChat_ = new QPushButton(QStringLiteral("Send"));
    btSendChat_->setObjectName(QStringLiteral("btSendChat"));
    btSendChat_->setDefault(true);
    connect(btSendChat_, &QPushButton::clicked, this, &TfmLobbyGS::btSendChatClick);

    lbLobby_ = MakeList("lbLobby");
    connect(lbLobby_, &QListWidget::itemSelectionChanged, this, [this] { UpdateControls(); });
    connect(lbLobby_, &QListWidget::itemDoubleClicked, this, [this] {
        if (btInvite_->isEnabled()) btInviteClick();
    });
    lbCurrentMatches_ = MakeList("lbCurrentMatches");
    btInvite_ = MakeButton("btInvite", QStringLiteral("In&vite"));
    connect(btInvite_, &QPushButton::clicked, this, &TfmLobbyGS::btInviteClick);
    btStopWaiting_ = MakeButton("btStopWaiting", QStringLiteral("&Cancel"));
    connect(btStopWaiting_, &QPushButton::clicked, this, [this] { lobby_.Cancel(); });
    btClose_ = MakeButton("btClose", QStringLiteral("C&lose"));
    connect(btClose_, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(nicknameLabel);
    top->addWidget(edNickname_);
    top->addWidget(btLogin_);
    top->addWidget(btLogout_);
    top->addStretch(1);

    auto* chatInput = new QHBoxLayout;
    chatInput->addWidget(edChat_, 1);
    chatInput->addWidget(btSendChat_);
    auto* chat = new QVBoxLayout;
    chat->addWidget(mmChat_, 1);
    chat->addLayout(chatInput);

    auto* lists = new QVBoxLayout;
    lists->addWidget(new QLabel(QStringLiteral("Available Players")));
    lists->addWidget(lbLobby_, 2);
    auto* inviteButtons = new QHBoxLayout;
    inviteButtons->addWidget(btInvite_);
    inviteButtons->addWidget(btStopWaiting_);
    lists->addLayout(inviteButtons);
    lists->addWidget(new QLabel(QStringLiteral("Now Playing")));
    lists->addWidget(lbCurrentMatches_, 1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(chat, 1);
    middle->addLayout(lists);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(btClose_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(typeBox);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
    resize(660, 460);
}

void TfmLobbyGS::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    ReadSettings();
    lobby_.AttachView(this);
    lobby_.WindowShown(Form(), autoLogin_);
    UpdateControls();
}

void TfmLobbyGS::ReadSettings() {
    ApplyFont(ReadStoredFont(settings_, kFontWindow).font);
    edNickname_->setText(FromLatin1(ReadText(settings_, kUsernameKey.path, currentPlayer_)));
    const int64_t type = ReadIntSetting(settings_, kGameTypeKey);
    rgLobbyType_->button(type >= kLobbyJustForFun && type <= kLobbyPrivateRoom ? int(type) : 0)
        ->setChecked(true);
    edPrivateLobby_->setText(FromLatin1(ReadTextSetting(settings_, kPrivateLobbyRoomKey)));
    const QColor window = QApplication::palette().color(QPalette::Base);
    backgroundColor_ = ColorFromStored(static_cast<int32_t>(
        ReadInt(settings_, kNetworkBackgroundColorKey.path, StoredFromColor(window))));
    TLobby& state = lobby_.State();
    state.Server = ReadTextSetting(settings_, kServerKey);
    state.Port = static_cast<int32_t>(ReadIntSetting(settings_, kPortKey));
}

void TfmLobbyGS::WriteSettings() {
    const TLobby& state = lobby_.State();
    settings_.WriteValue(kGameTypeKey.path, int64_t{rgLobbyType_->checkedId()});
    settings_.WriteValue(kServerKey.path, state.Server);
    settings_.WriteValue(kPortKey.path, int64_t{state.Port});
    settings_.WriteValue(kPrivateLobbyRoomKey.path, Latin1Bytes(edPrivateLobby_->text()));
    settings_.WriteValue(kNetworkBackgroundColorKey.path,
                         int64_t{StoredFromColor(backgroundColor_)});
}

LobbyForm TfmLobbyGS::Form() const {
    LobbyForm form;
    form.nickname = CleanNickname(Latin1Bytes(edNickname_->text()));
    form.lobbyType = static_cast<uint8_t>(std::max(0, rgLobbyType_->checkedId()));
    form.privateRoom = CleanPrivateRoom(Latin1Bytes(edPrivateLobby_->text()));
    return form;
}

std::string TfmLobbyGS::SelectedPlayer() const {
    const QListWidgetItem* item = lbLobby_->currentItem();
    return item != nullptr && item->isSelected() ? Latin1Bytes(item->text()) : std::string();
}

void TfmLobbyGS::edNicknameExit() {
    const QString cleaned = FromLatin1(CleanNickname(Latin1Bytes(edNickname_->text())));
    if (cleaned != edNickname_->text()) edNickname_->setText(cleaned);
}

void TfmLobbyGS::btInviteClick() {
    const std::string player = SelectedPlayer();
    if (!player.empty()) lobby_.Invite(player);
}

void TfmLobbyGS::btSendChatClick() {
    lobby_.SendChat(Latin1Bytes(edChat_->text()));
    edChat_->clear();
}

void TfmLobbyGS::AddChatLine(const std::string& line) {
    mmChat_->appendPlainText(FromLatin1(line));
}

void TfmLobbyGS::ClearChat() {
    mmChat_->clear();
}

void TfmLobbyGS::ShowAvailablePlayers(const std::vector<std::string>& players) {
    const std::string selected = SelectedPlayer();
    const QSignalBlocker quiet(lbLobby_);
    lbLobby_->clear();
    for (const std::string& player : players) {
        lbLobby_->addItem(FromLatin1(player));
        if (player == selected) lbLobby_->setCurrentRow(lbLobby_->count() - 1);
    }
    UpdateControls();
}

void TfmLobbyGS::ShowNowPlaying(const std::vector<std::string>& matches) {
    lbCurrentMatches_->clear();
    for (const std::string& match : matches) lbCurrentMatches_->addItem(FromLatin1(match));
}

void TfmLobbyGS::UpdateControls() {
    const LobbyControls controls =
        ControlsFor(lobby_.State(), Latin1Bytes(edNickname_->text()), SelectedPlayer());
    btLogin_->setEnabled(controls.loginEnabled);
    btLogout_->setEnabled(controls.logoutEnabled);
    btClose_->setEnabled(controls.closeEnabled);
    btClose_->setText(QString::fromStdString(controls.closeCaption));
    btInvite_->setEnabled(controls.inviteEnabled);
    btStopWaiting_->setEnabled(controls.stopWaitingEnabled);
    edNickname_->setEnabled(controls.nicknameEnabled);
    edPrivateLobby_->setEnabled(controls.privateLobbyEnabled);
    const QPalette& system = QApplication::palette();
    const auto colour = [&](LobbyColour which) {
        switch (which) {
            case LobbyColour::kWindow:
                return system.color(QPalette::Base);
            case LobbyColour::kButtonFace:
                return system.color(QPalette::Button);
            case LobbyColour::kBackground:
                break;
        }
        return backgroundColor_;
    };
    SetBaseColor(edPrivateLobby_, colour(controls.privateLobbyColour));
    SetBaseColor(mmChat_, colour(controls.chatColour));
    SetBaseColor(edChat_, colour(controls.chatColour));
    SetBaseColor(lbLobby_, colour(controls.listColour));
    SetBaseColor(lbCurrentMatches_, colour(controls.listColour));
}

void TfmLobbyGS::SetBusyCursor(bool busy) {
    if (busy == busyCursor_) return;
    busyCursor_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void TfmLobbyGS::FocusChatInput() {
    edChat_->setFocus();
}

void TfmLobbyGS::CloseWithOk() {
    accept();
}

void TfmLobbyGS::done(int result) {
    if (result != QDialog::Accepted && !lobby_.MayClose()) return;
    WriteSettings();
    lobby_.AttachView(nullptr);
    QDialog::done(result);
}

bool TfmLobbyGS::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mmChat_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_C)) {
        CopyToClipboardClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfmLobbyGS::ApplyFont(const QFont& font) {
    for (QWidget* widget :
         std::initializer_list<QWidget*>{mmChat_, edChat_, lbLobby_, lbCurrentMatches_}) {
        widget->setFont(font);
    }
}

void TfmLobbyGS::mmChatFontClick() {
    if (const std::optional<QFont> font =
            ChooseStoredFont(this, settings_, kFontWindow, mmChat_->font())) {
        ApplyFont(*font);
    }
}

void TfmLobbyGS::mmChatColorClick() {
    const QColor color = QColorDialog::getColor(backgroundColor_, this);
    if (!color.isValid()) return;
    backgroundColor_ = color;
    UpdateControls();
}

void TfmLobbyGS::CopyToClipboardClick() {
    QApplication::clipboard()->setText(mmChat_->toPlainText());
    edChat_->setFocus();
}

}  // namespace tavolex
