#include "options/qt/wave_playback.h"

#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QWaveDecoder>

namespace tavolex {
namespace {

// Heard on top of what the audio server still holds when the sink stops.
constexpr int kSilenceMarginMicroseconds = 50'000;

}  // namespace

WavePlayback::WavePlayback(const QString& path, QObject* parent) : QObject(parent) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    QWaveDecoder decoder(&file);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!decoder.open(QIODevice::ReadOnly) || device.isNull() ||
        !device.isFormatSupported(decoder.audioFormat()))
        return;
    const QAudioFormat format = decoder.audioFormat();
    samples_ = decoder.readAll();
    buffer_.setBuffer(&samples_);
    buffer_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    connect(sink_.get(), &QAudioSink::stateChanged, this, &WavePlayback::OnStateChanged);
    playing_ = true;
    sink_->start(&buffer_);
    if (sink_->error() != QAudio::NoError) {
        playing_ = false;
        return;
    }
    // Stopping the sink drops whatever the audio server still holds (a buffer's worth, about
    // a seventh of a second): the sound ends in that much silence, so only silence is dropped.
    const char silence = format.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0);
    samples_.append(QByteArray(
        sink_->bufferSize() + format.bytesForDuration(kSilenceMarginMicroseconds), silence));
}

WavePlayback::~WavePlayback() {
    if (sink_ == nullptr) return;
    // Stopped here, while whole, and without calling back into this half-destroyed object.
    sink_->disconnect(this);
    sink_->stop();
}

void WavePlayback::OnStateChanged(QAudio::State state) {
    // Idle: every sample, the trailing silence included, went to the audio server.
    if (!playing_ || (state != QAudio::IdleState && state != QAudio::StoppedState)) return;
    playing_ = false;
    sink_->stop();
    emit finished();
}

}  // namespace tavolex
