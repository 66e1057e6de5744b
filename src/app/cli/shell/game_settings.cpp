// The settings command on the store the game itself uses.
#include <QCoreApplication>

#include "app/cli/settings_command.h"
#include "storage/qt/qt_settings_store.h"
#include "table/qt/program_folder.h"

namespace tavolex::cli {

int RunSettingsOnGameStore(const std::vector<std::string>& arguments, std::ostream& out,
                           std::ostream& err) {
    // The program folder is found through the application object, as the game finds it.
    int argc = 1;
    char name[] = "tavolex-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    QtSettingsStore store;
    return RunSettings(arguments, store, ProgramFolder(), out, err);
}

}  // namespace tavolex::cli
