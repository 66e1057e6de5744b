#include "options/qt/media_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "options/sound_events.h"

namespace tavolex {

std::vector<std::string> MediaFolders(const std::string& programFolder) {
    const QString executableFolder = QCoreApplication::applicationDirPath();
    std::vector<std::string> folders;
    for (const QString& folder : {QString::fromStdString(programFolder), executableFolder,
                                  QDir::cleanPath(executableFolder + "/../share/tavolex")}) {
        if (folder.isEmpty()) continue;
        const std::string path = QDir::cleanPath(folder).toStdString();
        if (std::find(folders.begin(), folders.end(), path) == folders.end())
            folders.push_back(path);
    }
    return folders;
}

std::string DefaultMusicFolder(const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
        if (QFileInfo(QDir(QString::fromStdString(folder)).filePath(kDefaultMusicFile)).isFile())
            return folder;
    }
    return folders.empty() ? std::string() : folders.front();
}

}  // namespace tavolex
