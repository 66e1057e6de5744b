// The game: splash window, the settings store and the table window.
#include <QApplication>
#include <QScreen>

#include "storage/qt/qt_settings_store.h"
#include "table/qt/program_folder.h"
#include "table/qt/splash_window.h"
#include "table/qt/tvx_main.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // No display name as well: the platform would append it to every window's caption.
    QApplication::setApplicationName("Tavolex");

    tavolex::SplashWindow splash;
    splash.move(splash.screen()->geometry().center() - splash.rect().center());
    splash.show();

    tavolex::QtSettingsStore settings;
    tavolex::StartOptions options;
    options.programFolder = tavolex::ProgramFolder();
    for (int i = 1; i < argc; ++i) options.arguments.emplace_back(argv[i]);
    tavolex::TfmTvxMain window(settings, options);
    QObject::connect(&window, &tavolex::TfmTvxMain::StartedUp, &splash, &QWidget::close);
    window.show();
    return application.exec();
}
