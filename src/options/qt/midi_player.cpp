#include "options/qt/midi_player.h"

#include <fluidsynth.h>

#include <QDir>

#include "options/sound_font.h"

namespace tavolex {
namespace {

constexpr int kEndPollMilliseconds = 250;
// A synthesizer that refuses this many tunes in a row is given up until the next start.
constexpr int kMaxRefusedTunes = 3;
// General MIDI fonts at FluidSynth's default gain (0.2) play 16 to 19 dB below the effects;
// this sets the music 4 to 6 dB below them.
constexpr double kSynthGain = 1.0;

// FluidSynth reports a missing audio device or a bad file on stderr; here those are silence.
void QuietFluidSynth() {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
}

}  // namespace

MidiPlayer::MidiPlayer(Random& random, std::vector<std::string> folders, QObject* parent,
                       std::string audioDriver)
    : QObject(parent),
      soundFontFolders(StandardSoundFontFolders(QDir::homePath().toStdString())),
      random_(random),
      folders_(std::move(folders)),
      audioDriver_(std::move(audioDriver)) {
    endPoll_.setInterval(kEndPollMilliseconds);
    connect(&endPoll_, &QTimer::timeout, this, &MidiPlayer::CheckEnd);
}

MidiPlayer::~MidiPlayer() {
    CloseSynth();
}

void MidiPlayer::MusicNotify() {
    Close();
    const std::string tune = ChooseMusic(music, jukebox, random_, folders_);
    if (tune.empty() || !OpenSynth()) return;
    player_ = new_fluid_player(synth_);
    if (player_ == nullptr || fluid_player_add(player_, tune.c_str()) != FLUID_OK ||
        fluid_player_play(player_) != FLUID_OK) {
        Close();
        return;
    }
    currentTune_ = tune;
    endPoll_.start();
    emit tuneStarted(QString::fromStdString(tune));
}

void MidiPlayer::ApplySettings() {
    jukebox.Reset();
    refusedInARow_ = 0;
    if (music.MusicOn) {
        MusicNotify();
    } else {
        CloseSynth();
    }
}

void MidiPlayer::Close() {
    endPoll_.stop();
    currentTune_.clear();
    if (player_ == nullptr) return;
    fluid_player_stop(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
    fluid_synth_all_sounds_off(synth_, -1);
}

void MidiPlayer::CheckEnd() {
    if (player_ == nullptr) return;
    // The player reports its end seconds after the last event; the tune is over as soon as
    // its last event has played and no note sounds any more.
    const int tick = fluid_player_get_current_tick(player_);
    const bool over = fluid_player_get_status(player_) == FLUID_PLAYER_DONE ||
                      (tick > 0 && tick >= fluid_player_get_total_ticks(player_) &&
                       fluid_synth_get_active_voice_count(synth_) == 0);
    if (!over) return;
    // A tune that ended before its first tick was refused (a damaged file the header check
    // let through); refusals in a row stop the music rather than spin.
    const bool refused = tick <= 0;
    refusedInARow_ = refused ? refusedInARow_ + 1 : 0;
    if (refusedInARow_ >= kMaxRefusedTunes) {
        CloseSynth();
        return;
    }
    MusicNotify();
}

bool MidiPlayer::OpenSynth() {
    if (synth_ != nullptr) return true;
    const std::string soundFont = FindSoundFont(soundFontFolders);
    if (soundFont.empty()) return false;
    QuietFluidSynth();
    settings_ = new_fluid_settings();
    if (settings_ == nullptr) return false;
    // Samples load as notes need them: a large General MIDI font would otherwise stall the
    // start for a second or more.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    fluid_settings_setnum(settings_, "synth.gain", kSynthGain);
    if (audioDriver_ == "file") fluid_settings_setstr(settings_, "audio.file.name", "/dev/null");
    synth_ = new_fluid_synth(settings_);
    if (synth_ == nullptr || fluid_synth_sfload(synth_, soundFont.c_str(), 1) == FLUID_FAILED) {
        CloseSynth();
        return false;
    }
    std::vector<std::string> drivers = {audioDriver_};
    if (audioDriver_.empty()) drivers = {"", "pulseaudio", "alsa"};
    for (const std::string& driver : drivers) {
        if (!driver.empty()) fluid_settings_setstr(settings_, "audio.driver", driver.c_str());
        driver_ = new_fluid_audio_driver(settings_, synth_);
        if (driver_ != nullptr) return true;
    }
    CloseSynth();
    return false;
}

void MidiPlayer::CloseSynth() {
    Close();
    if (driver_ != nullptr) delete_fluid_audio_driver(driver_);
    if (synth_ != nullptr) delete_fluid_synth(synth_);
    if (settings_ != nullptr) delete_fluid_settings(settings_);
    driver_ = nullptr;
    synth_ = nullptr;
    settings_ = nullptr;
}

}  // namespace tavolex
