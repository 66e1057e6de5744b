// One wave file played once, to its last sample, on the default audio output.
#pragma once

#include <QAudio>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class QAudioSink;

namespace tavolex {

class WavePlayback : public QObject {
    Q_OBJECT
  public:
    // Starts at once. A file that is no PCM wave, or no audio device, finishes at once
    // without a sound.
    explicit WavePlayback(const QString& path, QObject* parent = nullptr);
    ~WavePlayback() override;

    bool IsPlaying() const { return playing_; }

  signals:
    void finished();

  private:
    void OnStateChanged(QAudio::State state);

    QByteArray samples_;
    QBuffer buffer_;
    // Declared after the buffer it reads from, so it is gone before the buffer.
    std::unique_ptr<QAudioSink> sink_;
    bool playing_ = false;
};

}  // namespace tavolex
