#include "network/qt/chat_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <algorithm>

#include "game/settings_store.h"
#include "lobby/qt/latin1_text.h"
#include "network/chat_line.h"
#include "options/qt/stored_font.h"
#include "storage/settings_keys.h"

namespace tavolex {

namespace {

constexpr const char* kFontWindow = "Chat";
constexpr int kMemoLines = 101;
constexpr int kHighlightMilliseconds = 200;
const QColor kHighlight(255, 255, 128);
// The input is one line of the font and this much frame and margin.
constexpr int kInputMargin = 9;

// A stored coordinate off the screen gives way to the table window's.
int OnScreen(int64_t stored, int screenSize, int fallback) {
    return stored < 0 || stored > screenSize ? fallback : static_cast<int>(stored);
}

}  // namespace

TfmChat::TfmChat(SettingsStore& settings, const std::string& ownNetName, const QWidget* tableWindow)
    : QWidget(nullptr, Qt::Window), settings_(settings), ownNetName_(ownNetName) {
    setObjectName(QStringLiteral("TfmChat"));
    setWindowTitle(QStringLiteral("Tavolex Chat"));

    mmChat_ = new QPlainTextEdit(this);
    mmChat_->setObjectName(QStringLiteral("mmChat"));
    mmChat_->setReadOnly(true);
    mmChat_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmChat_->setMaximumBlockCount(kMemoLines);
    mmChat_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* popup = new QMenu(this);
    connect(popup->addAction(QStringLiteral("Change &Font...")), &QAction::triggered, this,
            &TfmChat::ChangeFontClick);
    connect(mmChat_, &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint& at) { popup->popup(mmChat_->mapToGlobal(at)); });

    edChat_ = new QLineEdit(this);
    edChat_->setObjectName(QStringLiteral("edChat"));
    edChat_->installEventFilter(this);
    connect(edChat_, &QLineEdit::returnPressed, this, &TfmChat::edChatEnter);

    tmMessage_.setSingleShot(true);
    tmMessage_.setInterval(kHighlightMilliseconds);
    connect(&tmMessage_, &QTimer::timeout, this, &TfmChat::tmMessageTimer);

    SetStayOnTop(ReadBoolSetting(settings_, kChatOnTopKey));
    ApplyFont(ReadStoredFont(settings_, kFontWindow).font);
    PlaceWindow(tableWindow);
}

TfmChat::~TfmChat() {
    settings_.WriteValue(kChatLeftKey.path, int64_t{x()});
    settings_.WriteValue(kChatTopKey.path, int64_t{y()});
    settings_.WriteValue(kChatWidthKey.path, int64_t{width()});
    settings_.WriteValue(kChatHeightKey.path, int64_t{height()});
}

void TfmChat::PlaceWindow(const QWidget* tableWindow) {
    const QScreen* screen = tableWindow ? tableWindow->screen() : QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1280, 1024);
    const QPoint table = tableWindow ? tableWindow->pos() : QPoint();
    move(OnScreen(ReadInt(settings_, kChatLeftKey.path, table.x()), screenSize.width(), table.x()),
         OnScreen(ReadInt(settings_, kChatTopKey.path, table.y()), screenSize.height(), table.y()));
    resize(static_cast<int>(ReadIntSetting(settings_, kChatWidthKey)),
           static_cast<int>(ReadIntSetting(settings_, kChatHeightKey)));
}

void TfmChat::AddLine(const std::string& line) {
    mmChat_->appendPlainText(FromLatin1(line.substr(0, kChatLineLength)));
}

void TfmChat::ShowReceived(const std::string& line) {
    show();
    raise();
    tmMessage_.start();
    SetMemoColor(kHighlight);
    AddLine(CleanChatLine(line));
}

void TfmChat::SetStayOnTop(bool onTop) {
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing a window's flags hides it.
    if (visible) show();
}

void TfmChat::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

bool TfmChat::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edChat_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key >= Qt::Key_F6 && key <= Qt::Key_F10) {
            emit functionKey(key);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfmChat::ApplyFont(const QFont& font) {
    mmChat_->setFont(font);
    edChat_->setFont(font);
    LayOut();
}

void TfmChat::LayOut() {
    const int inputHeight = kInputMargin + edChat_->fontMetrics().height();
    const int memoHeight = std::max(0, height() - inputHeight);
    mmChat_->setGeometry(0, 0, width(), memoHeight);
    edChat_->setGeometry(0, memoHeight, width(), inputHeight);
}

void TfmChat::SetMemoColor(const QColor& color) {
    QPalette palette = mmChat_->palette();
    palette.setColor(QPalette::Base, color);
    mmChat_->setPalette(palette);
}

void TfmChat::edChatEnter() {
    if (!matchRunning_) return;
    const std::string line = OwnChatLine(ownNetName_, Latin1Bytes(edChat_->text()));
    emit lineEntered(line);
    AddLine(line);
    edChat_->clear();
}

void TfmChat::ChangeFontClick() {
    if (const std::optional<QFont> font =
            ChooseStoredFont(this, settings_, kFontWindow, mmChat_->font())) {
        ApplyFont(*font);
    }
}

void TfmChat::tmMessageTimer() {
    SetMemoColor(QApplication::palette().color(QPalette::Base));
}

}  // namespace tavolex
