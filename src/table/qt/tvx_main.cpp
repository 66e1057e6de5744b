#include "table/qt/tvx_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QToolTip>
#include <algorithm>
#include <chrono>

#include "network/qt/chat_window.h"
#include "network/qt/rule_differences_dialog.h"
#include "options/qt/media_folders.h"
#include "table/card_move.h"
#include "table/gestures.h"
#include "table/keyboard.h"
#include "table/qt/help_window.h"
#include "table/qt/table_canvas.h"
#include "table/qt/table_painter.h"
#include "table/qt/whose_turn_notice.h"

namespace tavolex {

namespace {

constexpr int kLedMilliseconds = 600;
constexpr int kHighlightMilliseconds = 400;
// Tooltips of the table stand clear of the cards and panels they explain.
constexpr int kHintRaise = 40;

// Swallows the user's mouse and keys while a pause lets the window paint: the opponent's turn
// goes on, and nothing the user did meanwhile is replayed once it ends.
class InputBlocker : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::Wheel:
            case QEvent::Shortcut:
            case QEvent::ShortcutOverride:
                return true;
            default:
                return false;
        }
    }
};

// Lets the window paint (the caller blocks the user's input) until the clock has run to the
// given time; pending events are handled even when that time has passed.
void WaitUntil(const QElapsedTimer& clock, qint64 milliseconds) {
    const qint64 left = std::max<qint64>(0, milliseconds - clock.elapsed());
    QEventLoop loop;
    QTimer::singleShot(std::chrono::milliseconds(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

MouseButton EngineButton(Qt::MouseButton button) {
    if (button == Qt::LeftButton) return MouseButton::Left;
    if (button == Qt::RightButton) return MouseButton::Right;
    return MouseButton::Middle;
}

ShiftState EngineShift(Qt::KeyboardModifiers modifiers) {
    return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier)};
}

// The engine's key codes: digits and letters as their characters, the rest as the platform's
// virtual-key numbers; 0 for keys the table does not use.
int EngineKey(int key) {
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return key;
    }
    if (key == Qt::Key_Escape) return kKeyEscape;
    if (key >= Qt::Key_F6 && key <= Qt::Key_F11) return kKeyF6 + (key - Qt::Key_F6);
    return 0;
}

}  // namespace

TfmTvxMain::TfmTvxMain(SettingsStore& settings, StartOptions options, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      options_(std::move(options)),
      dialogs_(this),
      random_(static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch())),
      sounds_(random_, MediaFolders(options_.programFolder)),
      music_(random_, MediaFolders(options_.programFolder)),
      statistics_(settings_, dialogs_, sounds_, clock_),
      table_(Seams{*this, dialogs_, sounds_, peer_, settings_, statistics_, clock_}, random_),
      flow_(table_) {
    table_.opponent = &computer_;
    table_.ProgramFolder = options_.programFolder;
    statistics_.FollowTable(table_);
    statistics_.showHallOfFame = [this](int level, int kind, int row) {
        if (showHighscores_) ShowHallOfFame(level, kind, row);
    };
    SetUpMatchReporting();
    FormCreate();
}

TfmTvxMain::~TfmTvxMain() {
    SetHourglass(false);
}

void TfmTvxMain::RunEngine(const std::function<void()>& operation, bool tablePlay) {
    ++engineDepth_;
    if (!tablePlay) DisarmDiscard(table_);
    operation();
    --engineDepth_;
    UpdateStatusPanels();
    if (engineDepth_ > 0) return;
    if (closePending_) {
        close();
        return;
    }
    if (idleWork_.empty()) return;
    const std::function<void()> next = std::move(idleWork_.front());
    idleWork_.erase(idleWork_.begin());
    RunEngine(next, true);
}

void TfmTvxMain::RunEngineWhenIdle(std::function<void()> operation) {
    if (engineDepth_ > 0) {
        idleWork_.push_back(std::move(operation));
    } else {
        // A chat line between the player's two right clicks leaves the armed card armed.
        RunEngine(operation, true);
    }
}

QString TfmTvxMain::StatusText() const {
    return pnStatusbar_->text();
}

QString TfmTvxMain::PanelText(const char* panelName) const {
    const QLabel* panel = findChild<QLabel*>(panelName);
    return panel ? panel->text() : QString();
}

void TfmTvxMain::ShowCardMove(const CardRecord& card, int fromX, int fromY, int toX, int toY,
                              bool highlight) {
    if (moving_) return;
    moving_ = true;
    const bool hourglassBefore = hourglass_;
    SetHourglass(true);
    InputBlocker blocker;
    qApp->installEventFilter(&blocker);
    // A card that stays where it is has nothing to show but its highlight.
    if (cardMovement_ && (fromX != toX || fromY != toY)) {
        // A hidden card moves as its back: the opponent's draws stay secret.
        const QPixmap& image = card.faceUp ? cards_.Face(card.cardId) : cards_.Back(card.deck);
        const int steps = CardMoveSteps(cardSpeed_);
        const int duration = CardMoveMilliseconds(cardSpeed_);
        QElapsedTimer pace;
        pace.start();
        for (int step = 1; step <= steps; ++step) {
            const QPoint at(fromX + qRound((toX - fromX) * double(step) / steps),
                            fromY + qRound((toY - fromY) * double(step) / steps));
            canvas_->SetFloatingCard(image, at);
            WaitUntil(pace, qint64(duration) * step / steps);
        }
        canvas_->SetFloatingCard(QPixmap(), {});
    }
    if (highlight) {
        canvas_->SetFloatingCard(cards_.Highlighted(card.cardId), QPoint(toX, toY));
        PauseWithHourglass(kHighlightMilliseconds);
        canvas_->SetFloatingCard(QPixmap(), {});
    }
    qApp->removeEventFilter(&blocker);
    SetHourglass(hourglassBefore);
    moving_ = false;
}

void TfmTvxMain::InvalidateArea(int x, int y, int width, int height) {
    canvas_->RenderArea(QRect(x, y, width, height));
    UpdateStatusPanels();
}

void TfmTvxMain::RepaintAll() {
    canvas_->RenderAll();
    UpdateStatusPanels();
}

void TfmTvxMain::PauseWithHourglass(int milliseconds) {
    const bool hourglassBefore = hourglass_;
    SetHourglass(true);
    InputBlocker blocker;
    qApp->installEventFilter(&blocker);
    QElapsedTimer pause;
    pause.start();
    WaitUntil(pause, milliseconds);
    qApp->removeEventFilter(&blocker);
    SetHourglass(hourglassBefore);
}

void TfmTvxMain::SetHourglass(bool on) {
    if (on == hourglass_) return;
    hourglass_ = on;
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void TfmTvxMain::ShowStatus(const std::string& text, bool error) {
    statusError_ = error;
    pnStatusbar_->setText(QString::fromStdString(text));
    // At 640 x 480 the panels leave the prompt too little room: the whole text shows on hover.
    pnStatusbar_->setToolTip(pnStatusbar_->text());
    pnStatusbar_->setStyleSheet(error ? "color: red; font-weight: bold;" : QString());
    if (error) {
        tmLED_.start(kLedMilliseconds);
    } else {
        tmLED_.stop();
    }
}

void TfmTvxMain::Beep() {
    QApplication::beep();
}

void TfmTvxMain::EnableUndo(bool enabled) {
    miUndoMeld_->setEnabled(enabled);
    miUndoAll_->setEnabled(enabled);
}

void TfmTvxMain::ShowEndHandButton(bool visible) {
    bnEndHand_->setVisible(visible);
}

void TfmTvxMain::EnableEndHandButton(bool enabled) {
    bnEndHand_->setEnabled(enabled);
}

void TfmTvxMain::SetRulesHint(const std::string& hint) {
    miRules_->setStatusTip(QString::fromStdString(hint).section('|', -1));
}

void TfmTvxMain::ShowWhoseTurn(const std::string& text) {
    TfmWhoseTurn::Show(this, QString::fromStdString(text));
}

void TfmTvxMain::CloseProgram() {
    // The match is over and declined: the engine has already deleted the autosave file.
    programEnded_ = true;
    closePending_ = true;
}

bool TfmTvxMain::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!tip.isEmpty()) DisplayHint(tip);
        return true;
    }
    if (LobbyEvent(event) || DispatchEvent(event)) return true;
    if (event->type() == HelpCommandEvent::kType) {
        HelpCommand(static_cast<HelpCommandEvent*>(event)->parameter);
        // Closing the dialog activated the table: the reader returns to the page they were on.
        if (helpWindow_ != nullptr) helpWindow_->BringToFront();
        return true;
    }
    return QMainWindow::event(event);
}

// PositionHintWindow: the table's tooltips appear above their usual place. The canvas's size
// also tells the engine how much of the table shows.
bool TfmTvxMain::eventFilter(QObject* watched, QEvent* event) {
    // Before the canvas repaints itself at its new size.
    if (watched == canvas_ && event->type() == QEvent::Resize) {
        table_.VisibleBottom = canvas_->height();
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::ToolTip || widget == nullptr || widget->toolTip().isEmpty()) {
        return QMainWindow::eventFilter(watched, event);
    }
    const QPoint at = static_cast<QHelpEvent*>(event)->globalPos() - QPoint(0, kHintRaise);
    QToolTip::showText(at, widget->toolTip(), widget);
    return true;
}

void TfmTvxMain::DisplayHint(const QString& hint) {
    pnStatusbar_->setStyleSheet(QString());
    pnStatusbar_->setText(hint);
    transientStatus_ = true;
}

void TfmTvxMain::FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at) {
    RunEngine(
        [&] { PlayerClick(table_, EngineButton(button), EngineShift(modifiers), at.x(), at.y()); },
        true);
}

void TfmTvxMain::RestorePrompt() {
    if (!transientStatus_) return;
    transientStatus_ = false;
    table_.SetPrompt(table_.state.Prompt);
}

bool TfmTvxMain::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const int engineKey = EngineKey(key);
    if (engineKey == 0) return false;
    bool used = false;
    RunEngine([&] { used = PlayerKeyDown(table_, engineKey, EngineShift(modifiers)); }, true);
    return used;
}

void TfmTvxMain::UpdateStatusPanels() {
    Table& table = table_;
    const GameState& state = table.state;
    pnPCurrScore_->setText(QString("You: %1").arg(state.PlayerScore));
    QString meld = QString("Meld: %1").arg(table.CurrentMeldValue(true));
    if (table.CurrentMeldValue() < state.PlayerMinimum) {
        meld += QString(" (%1)").arg(state.PlayerMinimum);
    }
    pnPCurrMeld_->setText(meld);
    const QString opponent = QString::fromStdString(table.OpponentLabelName());
    pnCCurrScore_->setText(QString("%1: %2").arg(opponent).arg(state.OpponentScore));
    pnCCurrMeld_->setText(QString("Meld: %1").arg(state.OpponentMeldPoints));
}

}  // namespace tavolex
