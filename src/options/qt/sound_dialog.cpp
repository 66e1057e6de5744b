#include "options/qt/sound_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "options/qt/midi_player.h"
#include "options/qt/qt_sounds.h"

namespace tavolex {

TfmSound::TfmSound(const SoundSettings& settings, QtSounds& sounds, QWidget* parent)
    : QDialog(parent), events_(settings.Events), sounds_(sounds) {
    setWindowTitle("Tavolex Sound");
    chooseSoundFile = [this] {
        return QFileDialog::getOpenFileName(this, QString(), QString(),
                                            "Sound Files (*.wav);;All Files (*)");
    };
    chooseMusicFile = [this] {
        return QFileDialog::getOpenFileName(this, QString(), edMusicFile->text(),
                                            "Music Files (*.mid);;All Files (*)");
    };
    chooseJukeboxDir = [this] {
        return QFileDialog::getExistingDirectory(this, "Select Jukebox folder",
                                                 edJukeboxDir->text());
    };

    pcPages = new QTabWidget(this);
    pcPages->addTab(BuildSoundPage(), "Sound");
    pcPages->addTab(BuildMusicPage(), "Music");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pcPages);
    layout->addWidget(buttons);

    ckSoundEnabled->setChecked(settings.SoundOn);
    ckMusicEnabled->setChecked(settings.Music.MusicOn);
    (settings.Music.MusicType == 0 ? rbSingleFile : rbJukebox)->setChecked(true);
    edJukeboxDir->setText(QString::fromStdString(settings.Music.JukeboxDir));
    edMusicFile->setText(QString::fromStdString(settings.Music.MusicFile));
    lbEvents->setCurrentRow(0);
}

QWidget* TfmSound::BuildSoundPage() {
    auto* page = new QWidget;
    ckSoundEnabled = new QCheckBox("&Sound Enabled", page);
    lbEvents = new QListWidget(page);
    for (int event = 0; event < kSoundEventCount; ++event)
        lbEvents->addItem(QString::fromStdString(SoundEventName(event)));
    // Every event in view at once.
    lbEvents->setMinimumSize(lbEvents->sizeHintForColumn(0) + 8,
                             lbEvents->sizeHintForRow(0) * kSoundEventCount +
                                 2 * lbEvents->frameWidth());
    lbSounds = new QListWidget(page);
    bnAdd = new QPushButton("&Add...", page);
    bnRemove = new QPushButton("&Remove", page);
    bnPlay = new QPushButton("&Play", page);
    bnDefault = new QPushButton("&Default", page);
    auto* eventsLabel = new QLabel("Canasta &Events", page);
    eventsLabel->setBuddy(lbEvents);
    auto* soundsLabel = new QLabel("&Associated Sounds", page);
    soundsLabel->setBuddy(lbSounds);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {bnAdd, bnRemove, bnPlay, bnDefault}) buttons->addWidget(button);
    auto* grid = new QGridLayout(page);
    grid->addWidget(ckSoundEnabled, 0, 0, 1, 2);
    grid->addWidget(eventsLabel, 1, 0);
    grid->addWidget(soundsLabel, 1, 1);
    grid->addWidget(lbEvents, 2, 0);
    grid->addWidget(lbSounds, 2, 1);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(lbEvents, &QListWidget::currentRowChanged, this, [this] { lbEventsChange(); });
    connect(lbSounds, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    connect(bnAdd, &QPushButton::clicked, this, [this] { bnAddClick(); });
    connect(bnRemove, &QPushButton::clicked, this, [this] { bnRemoveClick(); });
    connect(bnPlay, &QPushButton::clicked, this, [this] { bnPlayClick(); });
    connect(bnDefault, &QPushButton::clicked, this, [this] { bnDefaultClick(); });
    return page;
}

QWidget* TfmSound::BuildMusicPage() {
    auto* page = new QWidget;
    ckMusicEnabled = new QCheckBox("&Music Enabled", page);
    auto* type = new QGroupBox("Music &Type", page);
    rbJukebox = new QRadioButton("&Jukebox Folder", type);
    rbSingleFile = new QRadioButton("&Single Music File", type);
    edJukeboxDir = new QLineEdit(type);
    edMusicFile = new QLineEdit(type);
    bnBrowseDir = new QPushButton("...", type);
    bnBrowseFile = new QPushButton("...", type);
    for (QPushButton* browse : {bnBrowseDir, bnBrowseFile}) browse->setFixedWidth(32);

    auto* grid = new QGridLayout(type);
    grid->addWidget(rbJukebox, 0, 0, 1, 2);
    grid->addWidget(edJukeboxDir, 1, 0);
    grid->addWidget(bnBrowseDir, 1, 1);
    grid->addWidget(rbSingleFile, 2, 0, 1, 2);
    grid->addWidget(edMusicFile, 3, 0);
    grid->addWidget(bnBrowseFile, 3, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(ckMusicEnabled);
    layout->addWidget(type);
    layout->addStretch();

    // Choosing a folder or a file also chooses the music type it belongs to.
    connect(bnBrowseDir, &QPushButton::clicked, this, [this] {
        const QString folder = chooseJukeboxDir();
        if (folder.isEmpty()) return;
        edJukeboxDir->setText(QDir::toNativeSeparators(folder));
        rbJukebox->setChecked(true);
    });
    connect(bnBrowseFile, &QPushButton::clicked, this, [this] {
        const QString file = chooseMusicFile();
        if (file.isEmpty()) return;
        edMusicFile->setText(QDir::toNativeSeparators(file));
        rbSingleFile->setChecked(true);
    });
    return page;
}

SoundSettings TfmSound::Result() const {
    SoundSettings settings;
    settings.SoundOn = ckSoundEnabled->isChecked();
    settings.Events = events_;
    settings.Music.MusicOn = ckMusicEnabled->isChecked();
    settings.Music.MusicType = rbSingleFile->isChecked() ? 0 : 1;
    settings.Music.MusicFile = edMusicFile->text().toStdString();
    settings.Music.JukeboxDir = edJukeboxDir->text().toStdString();
    return settings;
}

void TfmSound::lbEventsChange() {
    ShowEventSounds();
    if (lbSounds->count() > 0) lbSounds->setCurrentRow(0);
    UpdateButtons();
}

void TfmSound::ShowEventSounds() {
    lbSounds->clear();
    const int event = lbEvents->currentRow();
    if (event < 0) return;
    for (const std::string& file : events_[event]) lbSounds->addItem(QString::fromStdString(file));
}

void TfmSound::UpdateButtons() {
    const int event = lbEvents->currentRow();
    const bool selected = event >= 0 && lbSounds->currentRow() >= 0;
    bnAdd->setEnabled(event >= 0 && events_[event].size() < kMaxEventSounds);
    bnRemove->setEnabled(selected);
    bnPlay->setEnabled(selected);
    bnDefault->setEnabled(event >= 0);
}

void TfmSound::bnAddClick() {
    const int event = lbEvents->currentRow();
    if (event < 0 || events_[event].size() >= kMaxEventSounds) return;
    const QString file = chooseSoundFile();
    if (file.isEmpty()) return;
    events_[event].push_back(QDir::toNativeSeparators(file).toStdString());
    ShowEventSounds();
    lbSounds->setCurrentRow(lbSounds->count() - 1);
    UpdateButtons();
}

void TfmSound::bnRemoveClick() {
    const int event = lbEvents->currentRow();
    const int row = lbSounds->currentRow();
    if (event < 0 || row < 0) return;
    events_[event].erase(events_[event].begin() + row);
    ShowEventSounds();
    lbSounds->setCurrentRow(std::min(row, lbSounds->count() - 1));
    UpdateButtons();
}

void TfmSound::bnPlayClick() {
    const int event = lbEvents->currentRow();
    const int row = lbSounds->currentRow();
    if (event >= 0 && row >= 0) sounds_.PlayFile(events_[event][row]);
}

void TfmSound::bnDefaultClick() {
    const int event = lbEvents->currentRow();
    if (event < 0) return;
    events_[event] = BuiltInSounds(event);
    lbEventsChange();
}

bool Sound1Click(QWidget* parent, SettingsStore& store, QtSounds& sounds, MidiPlayer& music) {
    SoundSettings current = sounds.settings;
    current.Music = music.music;
    TfmSound dialog(current, sounds, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    const SoundSettings chosen = dialog.Result();
    SaveSoundSettings(store, chosen);
    sounds.settings = chosen;
    music.music = chosen.Music;
    music.ApplySettings();
    return true;
}

}  // namespace tavolex
