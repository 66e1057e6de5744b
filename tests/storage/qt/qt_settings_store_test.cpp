// The QSettings store: addressing, case, other roots and hand-damaged files, on a settings
// folder of its own for each test so that the user's own settings are never touched.
#include "storage/qt/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace tavolex {
namespace {

void WriteFile(const QString& name, const QByteArray& contents) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

class QtSettingsStoreTest : public testing::Test {
  protected:
    QtSettingsStoreTest() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path() + "/user");
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                           home.path() + "/system");
    }
    QTemporaryDir home;
    const QString programFile = home.path() + "/user/Brenvoss/Tavolex.conf";
    const QString messengerFolder = home.path() + "/system/Mirabilis";
    QtSettingsStore store;
};

TEST_F(QtSettingsStoreTest, NamesCompareWithoutCaseAndKeepTheirWrittenCase) {
    // Reading defaults creates nothing.
    EXPECT_EQ(ReadInt(store, "Settings\\Delay", 300), 300);
    EXPECT_FALSE(store.ValueExists("Settings\\Delay"));
    EXPECT_FALSE(QFile::exists(programFile));

    store.WriteValue("Settings\\Mouse Options", std::string("Double Right Click"));
    store.WriteValue("SETTINGS\\mouse options", std::string("Single Right Click"));
    store.WriteValue("Player Names\\PlayerName1", std::string("Anna,12,7"));
    store.WriteValue("Sound\\Deep\\Er\\Value", int64_t{5});
    EXPECT_EQ(ReadText(store, "settings\\MOUSE OPTIONS", ""), "Single Right Click");
    EXPECT_EQ(store.GetKeyNames(""),
              (std::vector<std::string>{"Player Names", "Settings", "Sound"}));
    EXPECT_EQ(store.GetKeyNames("sound\\deep"), std::vector<std::string>{"Er"});
    // One value, under the case first written.
    QSettings file(programFile, QSettings::IniFormat);
    EXPECT_EQ(file.allKeys().filter("mouse", Qt::CaseInsensitive),
              QStringList{"Settings/Mouse Options"});

    // Deleting a key removes the subkey with its values.
    store.DeleteKey("player names");
    EXPECT_FALSE(store.KeyExists("Player Names"));
    EXPECT_FALSE(store.ValueExists("Player Names\\PlayerName1"));
    EXPECT_TRUE(store.ValueExists("settings\\mouse options"));
    store.DeleteKey("Nothing\\Here");
    EXPECT_TRUE(store.KeyExists("Settings"));
}

TEST_F(QtSettingsStoreTest, AnotherRootIsWrittenOnlyWhenItExists) {
    QtSettingsStore messenger("HKEY_LOCAL_MACHINE\\Software\\Mirabilis\\ICQ");
    messenger.WriteValue("DefaultPrefs\\GlobalExt\\Tavolex\\Type", std::string("ClientServer"));
    EXPECT_FALSE(messenger.KeyExists("DefaultPrefs"));
    EXPECT_FALSE(QFile::exists(messengerFolder + "/ICQ.conf"));

    QDir().mkpath(messengerFolder);
    WriteFile(messengerFolder + "/ICQ.conf", "[Owners]\n12345\\Name=x\n");
    messenger.WriteValue("DefaultPrefs\\GlobalExt\\Tavolex\\Type", std::string("ClientServer"));
    EXPECT_EQ(ReadText(messenger, "defaultprefs\\globalext\\tavolex\\type", ""), "ClientServer");
    EXPECT_EQ(messenger.GetKeyNames("Owners"), std::vector<std::string>{"12345"});
    // A deeper root is a group inside the file, and absent until it has something in it.
    QtSettingsStore deeper("Software\\Mirabilis\\ICQ\\Owners\\99");
    deeper.WriteValue("Name", std::string("y"));
    EXPECT_FALSE(messenger.KeyExists("Owners\\99"));
}

// A file changed outside is read again (noticed by its size and time); what it holds of use is
// read, and a damaged one is kept before the store rewrites it.
TEST_F(QtSettingsStoreTest, DamagedFileReadsWhatItCanAndIsKeptBeforeARewrite) {
    store.WriteValue("Settings\\Sound", int64_t{1});
    const QByteArray damaged =
        "[Settings]\nLevel=Advanced\nno equals sign here\n\x01\xff\xfe[[[\n"
        "Delay=abc\nRect=@Rect(1 2 3 4)\n[Player Names]\nPlayerName1=Bob,3,4\n";
    WriteFile(programFile, damaged);

    EXPECT_EQ(ReadText(store, "Settings\\Level", ""), "Advanced");
    EXPECT_EQ(ReadInt(store, "Settings\\Delay", 300), 300);
    EXPECT_EQ(ReadText(store, "Settings\\Rect", "default"), "default");
    EXPECT_EQ(ReadText(store, "Player Names\\PlayerName1", ""), "Bob,3,4");

    store.WriteValue("Settings\\Sound", int64_t{0});
    QFile kept(programFile + ".damaged");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged);
    EXPECT_EQ(ReadInt(store, "Settings\\Sound", 1), 0);
    EXPECT_EQ(ReadText(store, "Settings\\Level", ""), "Advanced");
}

}  // namespace
}  // namespace tavolex
