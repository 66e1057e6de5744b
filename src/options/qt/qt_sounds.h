// Sound effects: one effect at a time, a new one closing the last.
#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "game/random.h"
#include "game/sounds.h"
#include "options/sound_events.h"

namespace tavolex {

class WavePlayback;

class QtSounds : public QObject, public Sounds {
    Q_OBJECT
  public:
    // folders: where bare file names are looked up (MediaFolders).
    QtSounds(Random& random, std::vector<std::string> folders, QObject* parent = nullptr);

    void PlayEvent(int event) override;
    // Plays a file whether sound is on or not (the sound dialog's "&Play"); a bare name is
    // looked up in the program folders. A missing or unreadable file stays silent.
    void PlayFile(const std::string& fileName);
    // "about.wav" when sound is on.
    void PlayAbout();
    bool IsPlaying() const;
    // On exit: lets a playing effect finish, processing events meanwhile, for at most
    // maxMilliseconds, then closes the player.
    void FinishAndClose(int maxMilliseconds = kExitWaitMilliseconds);

    const std::vector<std::string>& Folders() const { return folders_; }

    static constexpr int kExitWaitMilliseconds = 3000;
    // Sound on and the event table, as the settings store and the sound dialog give them.
    SoundSettings settings;

  private:
    void Close();

    Random& random_;
    std::vector<std::string> folders_;
    WavePlayback* effect_ = nullptr;
};

}  // namespace tavolex
