// Start-up and shutdown of the table window.
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>

#include "game/status_texts.h"
#include "network/qt/messenger_startup.h"
#include "options/qt/media_folders.h"
#include "options/qt/stored_color.h"
#include "storage/exit_save.h"
#include "storage/qt/select_player_dialog.h"
#include "storage/resolution.h"
#include "storage/saved_game.h"
#include "storage/settings_migration.h"
#include "storage/startup_settings.h"
#include "table/command_line.h"
#include "table/deal.h"
#include "table/qt/dialog_parts.h"
#include "table/qt/table_canvas.h"
#include "table/qt/table_painter.h"
#include "table/qt/tvx_main.h"
#include "table/screen_layout.h"
#include "table/turn.h"
#include "table/window_placement.h"

namespace tavolex {

namespace {

constexpr const char* kCaption = "Tavolex 5.0";
constexpr int kSplashMilliseconds = 2000;
// The caption bar and frame of the original window: the rest is the client area.
constexpr int kCaptionHeight = 30;
constexpr int kEndHandMargin = 10;

QSize ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1280, 1024);
}

}  // namespace

void TfmTvxMain::FormCreate() {
    setWindowTitle(kCaption);
    qApp->installEventFilter(new CaptionFitter(this));
    canvas_ = new TableCanvas(this);
    canvas_->setObjectName("Table");
    setCentralWidget(canvas_);
    canvas_->SetRenderer([this](QPainter& painter, const QRect& area) {
        PaintTable(painter, table_, cards_, background_, area);
    });
    canvas_->onMouseUp = [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                QPoint at) { FormMouseUp(button, modifiers, at); };
    canvas_->onMouseMove = [this] { RestorePrompt(); };
    canvas_->onKeyDown = [this](int key, Qt::KeyboardModifiers modifiers) {
        return FormKeyDown(key, modifiers);
    };
    bnEndHand_ = new QPushButton("End Hand", canvas_);
    bnEndHand_->setObjectName("bnEndHand");
    bnEndHand_->setFocusPolicy(Qt::NoFocus);
    bnEndHand_->hide();
    connect(bnEndHand_, &QPushButton::clicked, this,
            [this] { RunEngine([this] { EndHandPressed(table_); }); });
    tmLED_.setSingleShot(true);
    connect(&tmLED_, &QTimer::timeout, this, [this] {
        pnStatusbar_->setStyleSheet(QString());
        statusError_ = false;
    });
    BuildMenus();
    BuildStatusBar();
    for (QWidget* widget : statusBar()->findChildren<QWidget*>()) widget->installEventFilter(this);
    canvas_->installEventFilter(this);
    bnEndHand_->installEventFilter(this);

    table_.state.HandOverlap = 10;
    table_.state.OpponentFaceUp = 0;
    MigrateSettings(settings_, MigrationFoldersFor(options_.programFolder));
    RegisterWithInstalledMessenger(settings_);
    ReadWindowSettings();
    music_.MusicNotify();
    PlaceWindow();

    table_.input = InputState{};
    table_.PaintSuppressed = 1;
    table_.NetworkActive = false;
    table_.state.PlayerStartsNext = random_.Real() > 0.5;
    // The score panels take their width before the first deal fills them.
    UpdateStatusPanels();
    if (options_.startTimer) {
        tmSplash_.setSingleShot(true);
        connect(&tmSplash_, &QTimer::timeout, this, [this] { tmSplashTimer(); });
        tmSplash_.start(kSplashMilliseconds);
    }
}

void TfmTvxMain::ReadWindowSettings() {
    const StartupSettings stored = ReadStartupSettings(settings_, options_.programFolder);
    background_ = ColorFromStored(static_cast<int32_t>(stored.BackgroundColor));
    table_.DiscardOption = stored.DiscardOption;
    table_.state.Rules = stored.Rules;
    table_.MeldDelay = stored.Delay;
    autosave_ = stored.AutoSave;
    selectPlayerOnStartup_ = stored.SelectPlayerOnStartup;
    showHighscores_ = stored.ShowHighscores;
    statistics_.Load();
    showStatusbar_ = stored.ShowStatusbar;
    statusBar()->setVisible(showStatusbar_);
    miChatOnTop_->setChecked(stored.ChatOnTop);
    table_.ComputerLevel = stored.ComputerLevel;
    table_.SavedComputerLevel = stored.ComputerLevel;
    table_.Aggression = stored.Aggression;
    cardMovement_ = stored.CardMovement;
    cardSpeed_ = stored.CardSpeed;
    cardBacks_ = LoadCardBacks(settings_, CardBackDefaults::kTable);
    table_.ShowTurns = stored.ShowTurns;
    const SoundSettings sound =
        LoadSoundSettings(settings_, DefaultMusicFolder(MediaFolders(options_.programFolder)));
    sounds_.settings = sound;
    music_.music = sound.Music;
}

void TfmTvxMain::PlaceWindow() {
    const QSize screen = ScreenSize();
    largestLayout_ = LargestLayout(screen.width());
    const StoredPlacement stored = ReadResolution(settings_, largestLayout_);
    const WindowPlacement placement =
        tavolex::PlaceWindow(stored.left, stored.top, LayoutFromName(stored.layoutName),
                             screen.width(), screen.height());
    table_.Resolution = placement.resolution;
    table_.LastAppliedResolution = placement.resolution;
    table_.layout = ComputeTableLayout(placement.resolution);
    move(placement.left, placement.top);
    SizeWindow(placement.resolution, placement.maximised);
}

void TfmTvxMain::SizeWindow(int resolution, bool maximised) {
    const QSize size(DefaultClientWidth(resolution),
                     ScreenLayoutAt(resolution).windowHeight - kCaptionHeight);
    if (maximised) {
        setMinimumSize(size);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowState(Qt::WindowMaximized);
    } else {
        setWindowState(Qt::WindowNoState);
        setFixedSize(size);
    }
    // Top right, beside the opponent's hand row: below the middle line it would cover the
    // player's meld columns, above it the opponent's, which at 640 x 480 reach up to the row.
    bnEndHand_->move(size.width() - bnEndHand_->sizeHint().width() - kEndHandMargin,
                     kEndHandMargin);
}

void TfmTvxMain::ApplyScreenLayout() {
    SetHourglass(true);
    const int resolution = table_.Resolution;
    if (resolution != table_.LastAppliedResolution) {
        const QSize screen = ScreenSize();
        const bool maximised = screen.width() == ScreenLayoutAt(resolution).windowWidth;
        SizeWindow(resolution, maximised);
        if (!maximised) {
            // Keep the window on the screen.
            move(std::min(x(), std::max(0, screen.width() - frameGeometry().width())),
                 std::min(y(), std::max(0, screen.height() - frameGeometry().height())));
        }
        // The images first: the engine repaints the table once the cards are in place.
        BuildCardImages();
        tavolex::ApplyScreenLayout(table_, resolution, DefaultClientWidth(resolution));
    }
    statusBar()->setVisible(showStatusbar_);
    SetHourglass(false);
}

void TfmTvxMain::tmSplashTimer() {
    tmSplash_.stop();
    emit StartedUp();
    // The splash leaves the screen before the opponent's first card can move.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    table_.layout = ComputeTableLayout(table_.Resolution);
    BuildCardImages();
    if (statistics_.players.List.size() > 1 && selectPlayerOnStartup_) {
        TfmSelectPlayer(statistics_.players, settings_, this).exec();
    }
    const StartupCommand command =
        EvaluateCommandLine(options_.arguments, autosave_, AutosavePath(table_));
    table_.PaintSuppressed = 0;
    table_.TableShowing = isVisible();
    if (command.openLobby) {
        RepaintAll();
        // After this tick, so the table shows behind the lobby.
        QTimer::singleShot(0, this, [this] { OpenLobby(true); });
        return;
    }
    RunEngine([&] {
        if (command.loadFileName && LoadOnStartup(table_, *command.loadFileName)) return;
        flow_.DealHand(true);
    });
    RepaintAll();
}

void TfmTvxMain::BuildCardImages() {
    cards_.Build(table_.Resolution, cardBacks_, devicePixelRatioF());
}

void TfmTvxMain::closeEvent(QCloseEvent* event) {
    if (engineDepth_ > 0) {
        // A turn is still running (its pauses let the close through): close once it is over.
        closePending_ = true;
        event->ignore();
        return;
    }
    FormDestroy();
    event->accept();
}

void TfmTvxMain::FormDestroy() {
    music_.Close();
    sounds_.PlayEvent(kSoundExit);
    if (!programEnded_) SaveOnExit(table_, autosave_);
    WriteResolution(settings_, pos().x(), pos().y(), table_.Resolution);
    sounds_.FinishAndClose();
}

}  // namespace tavolex
