// Sound events by number.
#pragma once

namespace tavolex {

enum SoundEvent : int {
    kSoundDeal = 0,
    kSoundExit = 1,
    kSoundHelp1 = 2,
    kSoundHelp2 = 3,
    kSoundHelp3 = 4,
    kSoundHighscore = 5,
    kSoundLoseHand = 6,
    kSoundLoseMatch = 7,
    kSoundMixedCanasta = 8,
    kSoundNaturalCanasta = 9,
    kSoundStart = 10,
    kSoundTakeHugePile = 11,
    kSoundWinMatch = 12,
    kSoundWinHand = 13,
    kSoundEndTurn = 14,
};

class Sounds {
public:
    virtual ~Sounds() = default;
    virtual void PlayEvent(int event) = 0;
};

}  // namespace tavolex
