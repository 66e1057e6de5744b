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
    sink_ = new QAudioSink(device, format, this);
    connect(sink_, &QAudioSink::stateChanged, this, &WavePlayback::OnStateChanged);
    sink_->start(&buffer_);
    // A sink that fails to start may already have reported it (and been let go).
    if (sink_ == nullptr || sink_->error() != QAudio::NoError) {
        Finish();
        return;
    }
    // Stopping the sink drops whatever the audio server still holds (a buffer's worth, about
    // a seventh of a second): the sound ends in that much silence, so only silence is dropped.
    const char silence = format.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0);
    samples_.append(QByteArray(
        sink_->bufferSize() + format.bytesForDuration(kSilenceMarginMicroseconds), silence));
}

WavePlayback::~WavePlayback() {
    if (sink_ != nullptr) sink_->stop();
}

void WavePlayback::OnStateChanged(QAudio::State state) {
    // Idle: every sample, the trailing silence included, went to the audio server.
    if (state == QAudio::IdleState || state == QAudio::StoppedState) Finish();
}

void WavePlayback::Finish() {
    if (sink_ == nullptr) return;
    QAudioSink* sink = sink_;
    sink_ = nullptr;
    sink->disconnect(this);
    sink->stop();
    sink->deleteLater();
    emit finished();
}

}  // namespace tavolex
