#include "options/qt/qt_sounds.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "options/wave_length.h"

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
    // Created per sound: a file that is no wave file leaves this effect in its error state
    // without touching the next one.
    effect_ = new QSoundEffect(this);
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
    started_.start();
    length_ = WaveFileMilliseconds(path.toStdString()).value_or(0);
}

bool QtSounds::IsPlaying() const {
    return effect_ != nullptr &&
           (effect_->isPlaying() || effect_->status() == QSoundEffect::Loading);
}

qint64 QtSounds::AudibleMillisecondsLeft() const {
    if (!IsPlaying() || QMediaDevices::audioOutputs().isEmpty()) return 0;
    return std::max<qint64>(0, length_ - started_.elapsed());
}

void QtSounds::FinishAndClose(int maxMilliseconds) {
    // Only a sound a device really plays is waited for, and no longer than what is left of it.
    const qint64 left = std::min<qint64>(maxMilliseconds, AudibleMillisecondsLeft());
    if (left > 0) {
        QEventLoop wait;
        auto checkDone = [this, &wait] {
            if (!IsPlaying()) wait.quit();
        };
        connect(effect_, &QSoundEffect::playingChanged, &wait, checkDone);
        connect(effect_, &QSoundEffect::statusChanged, &wait, checkDone);
        QTimer::singleShot(left, &wait, &QEventLoop::quit);
        wait.exec();
    }
    Close();
}

void QtSounds::Close() {
    if (effect_ == nullptr) return;
    effect_->stop();
    delete effect_;
    effect_ = nullptr;
}

}  // namespace tavolex
