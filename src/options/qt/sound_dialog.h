// "Tavolex Sound": the sound effects of each game event and the background music.
#pragma once

#include <QDialog>
#include <functional>

#include "game/settings_store.h"
#include "options/sound_events.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tavolex {

class MidiPlayer;
class QtSounds;

class TfmSound : public QDialog {
    Q_OBJECT
  public:
    // sounds plays the "&Play" button's file.
    TfmSound(const SoundSettings& settings, QtSounds& sounds, QWidget* parent = nullptr);

    // The settings as the controls show them.
    SoundSettings Result() const;

    // The file and folder choosers; an empty answer means cancelled. Tests replace them.
    std::function<QString()> chooseSoundFile;
    std::function<QString()> chooseMusicFile;
    std::function<QString()> chooseJukeboxDir;

    QTabWidget* pcPages;
    QCheckBox* ckSoundEnabled;
    QListWidget* lbEvents;
    QListWidget* lbSounds;
    QPushButton* bnAdd;
    QPushButton* bnRemove;
    QPushButton* bnPlay;
    QPushButton* bnDefault;
    QCheckBox* ckMusicEnabled;
    QRadioButton* rbJukebox;
    QRadioButton* rbSingleFile;
    QLineEdit* edJukeboxDir;
    QLineEdit* edMusicFile;
    QPushButton* bnBrowseDir;
    QPushButton* bnBrowseFile;

  private:
    QWidget* BuildSoundPage();
    QWidget* BuildMusicPage();
    void lbEventsChange();
    void ShowEventSounds();
    void UpdateButtons();
    void bnAddClick();
    void bnRemoveClick();
    void bnPlayClick();
    void bnDefaultClick();

    SoundEventTable events_;
    QtSounds& sounds_;
};

// The "&Sound..." command: on OK the settings are stored, the effect player takes them and
// the music follows them at once. Returns whether OK was chosen.
bool Sound1Click(QWidget* parent, SettingsStore& store, QtSounds& sounds, MidiPlayer& music);

}  // namespace tavolex
