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
    // Nine values each: the constant ones, the program's path and the site.
    for (const char* subkey :
         {"DefaultPrefs\\GlobalExt\\Tavolex", "Owners\\1234\\Prefs\\Externals\\Tavolex",
          "Owners\\5678\\Prefs\\Externals\\Tavolex"}) {
        const std::string key = std::string(subkey) + "\\";
        EXPECT_EQ(messenger.GetValueNames(subkey).size(), 9u) << subkey;
        EXPECT_EQ(ReadText(messenger, key + "Server Command Line", "?"), "/ip:%i /invite");
        EXPECT_EQ(ReadText(messenger, key + "Client Path", "?"), kProgram);
        EXPECT_EQ(ReadText(messenger, key + "URL", "?"), kSite);
    }
    EXPECT_EQ(messenger.GetKeyNames("Owners").size(), 2u);
}

}  // namespace
}  // namespace tavolex
