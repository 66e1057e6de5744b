#include "table/qt/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tavolex {

std::string ProgramFolder() {
    QString folder = qEnvironmentVariable("TAVOLEX_PROGRAM_DIR");
    if (folder.isEmpty()) {
        folder = QCoreApplication::applicationDirPath();
        if (!QFileInfo(folder).isWritable()) {
            folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        }
    }
    QDir().mkpath(folder);
    return QDir::toNativeSeparators(QDir(folder).absolutePath() + "/").toStdString();
}

}  // namespace tavolex
