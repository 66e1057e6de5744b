#include "network/qt/messenger_startup.h"

#include <QCoreApplication>
#include <QDir>

#include "lobby/web_services.h"
#include "network/messenger_registration.h"
#include "storage/qt/qt_settings_store.h"

namespace tavolex {

void RegisterWithInstalledMessenger(SettingsStore& programSettings) {
    QtSettingsStore messenger(kMessengerRootKey);
    RegisterWithMessenger(
        messenger, QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toStdString(),
        WebAddress(ReadWebServer(programSettings), kHomePagePath));
}

}  // namespace tavolex
