#include "network/messenger_registration.h"

#include <gtest/gtest.h>

#include "game/memory_settings.h"

namespace tavolex {
namespace {

constexpr const char* kProgram = "/opt/tavolex/tavolex";
constexpr const char* kSite = "http://tavolex.example/";

// Nothing is written where the messenger is missing; where it is, every owner and the defaults
// get the nine values.
TEST(MessengerRegistration, EveryOwnerAndTheDefaultsGetTheNineValues) {
    MemorySettings missing;
    RegisterWithMessenger(missing, kProgram, kSite);
    EXPECT_FALSE(missing.KeyExists(""));

    MemorySettings messenger;
    messenger.WriteValue("Owners\\1234\\Name", std::string("Anna"));
    messenger.WriteValue("Owners\\5678\\Name", std::string("Ben"));
    RegisterWithMessenger(messenger, kProgram, kSite);
    const std::pair<const char*, const char*> values[] = {
        {"Command Line", "/ip:%i"},
        {"Path", kProgram},
        {"Client Path", kProgram},
        {"Client Command Line", "/ip:%i /join"},
        {"Server Path", kProgram},
        {"Server Command Line", "/ip:%i /invite"},
        {"URL", kSite},
        {"Type", "ClientServer"},
        {"Group", "Games"},
    };
    for (const char* subkey :
         {"DefaultPrefs\\GlobalExt\\Tavolex", "Owners\\1234\\Prefs\\Externals\\Tavolex",
          "Owners\\5678\\Prefs\\Externals\\Tavolex"}) {
        EXPECT_EQ(messenger.GetValueNames(subkey).size(), std::size(values)) << subkey;
        for (const auto& [name, value] : values) {
            EXPECT_EQ(ReadText(messenger, std::string(subkey) + "\\" + name, "?"), value)
                << subkey << " " << name;
        }
    }
    EXPECT_EQ(messenger.GetKeyNames("Owners").size(), 2u);
}

}  // namespace
}  // namespace tavolex
