#include "lobby/qt/latin1_text.h"

namespace tavolex {

std::string Latin1Bytes(const QString& text) {
    std::string bytes;
    for (const QChar c : text) bytes += static_cast<char>(c.unicode() < 256 ? c.unicode() : 0xFF);
    return bytes;
}

QString FromLatin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace tavolex
