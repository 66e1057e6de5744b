#include "options/qt/qt_sounds.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include "options/qt/wave_playback.h"

namespace tavolex {

QtSounds::QtSounds(Random& random, std::vector<std::string> folders, QObject* parent)
    : QObject(parent), random_(random), folders_(std::move(folders)) {}

void QtSounds::PlayEvent(int event) {
    const std::string file = ChooseEventSound(settings, event, random_, folders_);
    if (!file.empty()) PlayFile(file);
}

void QtSounds::PlayAbout() {
    if (settings.SoundOn) PlayFile(kAboutSound);
}

void QtSounds::PlayFile(const std::string& fileName) {
    Close();
    const QString path = QString::fromStdString(FindProgramFile(fileName, folders_));
    if (!QFileInfo(path).isFile()) return;
    effect_ = new WavePlayback(path, this);
}

bool QtSounds::IsPlaying() const {
    return effect_ != nullptr && effect_->IsPlaying();
}

void QtSounds::FinishAndClose(int maxMilliseconds) {
    if (IsPlaying()) {
        QEventLoop wait;
        connect(effect_, &WavePlayback::finished, &wait, &QEventLoop::quit);
        QTimer::singleShot(maxMilliseconds, &wait, &QEventLoop::quit);
        wait.exec();
    }
    Close();
}

void QtSounds::Close() {
    if (effect_ == nullptr) return;
    delete effect_;
    effect_ = nullptr;
}

}  // namespace tavolex
