// Points the settings store at a temporary folder for one test, so tests never touch the
// user's own settings.
#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

namespace tavolex {

class TemporarySettingsHome {
  public:
    TemporarySettingsHome() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path() + "/user");
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                           dir_.path() + "/system");
    }
    // The program's settings file.
    QString ProgramFile() const { return dir_.path() + "/user/Brenvoss/Tavolex.conf"; }
    QString SystemFile(const QString& maker, const QString& program) const {
        return dir_.path() + "/system/" + maker + "/" + program + ".conf";
    }

  private:
    QTemporaryDir dir_;
};

}  // namespace tavolex
