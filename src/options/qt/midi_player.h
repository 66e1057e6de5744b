// Background music through FluidSynth with a General MIDI SoundFont of the system. No
// SoundFont, no audio device or a file that does not play means silence, never an error.
#pragma once

#include <fluidsynth/types.h>

#include <QObject>
#include <QTimer>
#include <string>
#include <vector>

#include "game/random.h"
#include "options/jukebox.h"
#include "options/sound_events.h"

namespace tavolex {

class MidiPlayer : public QObject {
    Q_OBJECT
  public:
    // folders: where a bare music file name is looked up (MediaFolders). audioDriver names a
    // FluidSynth driver; empty tries the system's usual ones.
    MidiPlayer(Random& random, std::vector<std::string> folders, QObject* parent = nullptr,
               std::string audioDriver = {});
    ~MidiPlayer() override;

    // Starts or restarts the music as the settings say; also runs when a tune ends, so the
    // single file plays over and over and the jukebox moves to its next tune.
    void MusicNotify();
    // After the sound dialog's OK: the jukebox is read again and the music follows the new
    // settings (closed when music is now off).
    void ApplySettings();
    void Close();
    bool IsPlaying() const { return player_ != nullptr; }
    const std::string& CurrentTune() const { return currentTune_; }

    MusicSettings music;
    Jukebox jukebox;
    // The folders searched for a SoundFont (the standard ones unless a test says otherwise).
    std::vector<std::string> soundFontFolders;

  signals:
    void tuneStarted(const QString& fileName);

  private:
    bool OpenSynth();
    void CloseSynth();
    void CheckEnd();

    Random& random_;
    std::vector<std::string> folders_;
    std::string audioDriver_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    fluid_player_t* player_ = nullptr;
    std::string currentTune_;
    QTimer endPoll_;
    // Tunes in a row that ended without playing a tick: the synthesizer refused them.
    int refusedInARow_ = 0;
};

}  // namespace tavolex
