// The real lobby server on a free loopback port with a database of its own, for one test; it
// is stopped when the test ends.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace tavolex {

class RunningServer {
  public:
    // moreArguments: further settings, e.g. {"--ping-seconds", "1"}.
    explicit RunningServer(const QString& program, const QStringList& moreArguments = {}) {
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(program, QStringList{"--listen", "127.0.0.1", "--port", "0", "--http-port",
                                            "-1", "--database", dir_.filePath("server.db")} +
                                    moreArguments);
        const QRegularExpression started("lobby on 127\\.0\\.0\\.1:(\\d+)");
        static_cast<void>(QTest::qWaitFor(
            [&] {
                output_ += process_.readAll();
                const QRegularExpressionMatch match = started.match(QString::fromUtf8(output_));
                if (match.hasMatch()) port_ = match.captured(1).toInt();
                return port_ != 0 || process_.state() == QProcess::NotRunning;
            },
            10000));
    }
    ~RunningServer() {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
        process_.waitForFinished(1000);
    }
    // 0 when the server did not start.
    int Port() const { return port_; }
    QByteArray Output() const { return output_; }

  private:
    QTemporaryDir dir_;
    QProcess process_;
    QByteArray output_;
    int port_ = 0;
};

}  // namespace tavolex
