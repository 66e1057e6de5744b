#include "storage/qt/qt_settings_store.h"

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <charconv>
#include <optional>

namespace tavolex {

namespace {

const char kProgramRoot[] = "Software\\Brenvoss\\Tavolex";

QStringList SplitPath(const std::string& path) {
    return QString::fromStdString(path).split(u'\\', Qt::SkipEmptyParts);
}

std::optional<QString> FindName(const QStringList& names, const QString& wanted) {
    for (const QString& name : names) {
        if (name.size() == wanted.size() && name.compare(wanted, Qt::CaseInsensitive) == 0) {
            return name;
        }
    }
    return std::nullopt;
}

// A root key "[hive\]Software\Maker\Program[\more]" as QSettings addresses it: the local
// machine's hive is the system scope, the maker and program name the file (or registry key),
// and deeper levels groups inside it.
struct RootKey {
    QSettings::Scope scope = QSettings::UserScope;
    QString organization;
    QString application;
    QStringList groups;
};

RootKey ParseRoot(const std::string& rootKey) {
    QStringList parts = SplitPath(rootKey);
    RootKey root;
    if (!parts.isEmpty() && parts.front().startsWith("HKEY_", Qt::CaseInsensitive)) {
        if (parts.front().compare("HKEY_LOCAL_MACHINE", Qt::CaseInsensitive) == 0) {
            root.scope = QSettings::SystemScope;
        }
        parts.removeFirst();
    }
    if (!parts.isEmpty() && parts.front().compare("Software", Qt::CaseInsensitive) == 0) {
        parts.removeFirst();
    }
    if (!parts.isEmpty()) root.organization = parts.takeFirst();
    if (!parts.isEmpty()) root.application = parts.takeFirst();
    root.groups = parts;
    return root;
}

// One opening of the store, for one read or write. Its root's own groups are entered; when
// it closes, QSettings writes the file back, replacing it atomically through a temporary file.
class OpenedStore {
  public:
    explicit OpenedStore(const RootKey& root)
        : settings_(QSettings::NativeFormat, root.scope, root.organization, root.application),
          rootGroups_(root.groups) {
        // No fallback to the system-wide or maker-wide files: only this root is read.
        settings_.setFallbacksEnabled(false);
        rootFound_ = EnterGroups(rootGroups_, false);
        while (!rootFound_ && !settings_.group().isEmpty()) settings_.endGroup();
    }
    ~OpenedStore() { KeepDamagedFile(); }

    QSettings& Settings() { return settings_; }
    // The root's groups are there (a root without groups is always found).
    bool RootFound() const { return rootFound_; }
    // The root holds something: another program's root exists only then.
    bool RootExists() {
        return rootFound_ &&
               (!settings_.childGroups().isEmpty() || !settings_.childKeys().isEmpty());
    }

    // Enters the root's own groups when they were not found, creating them.
    void CreateRoot() {
        if (!rootFound_) EnterGroups(rootGroups_, true);
        rootFound_ = true;
    }

    // Enters each group of the path, matching names without regard to case. A group that is
    // missing is entered under the given name when create is set; otherwise false.
    bool EnterGroups(const QStringList& groups, bool create) {
        for (const QString& group : groups) {
            std::optional<QString> found = FindName(settings_.childGroups(), group);
            if (!found && !create) return false;
            settings_.beginGroup(found.value_or(group));
        }
        return true;
    }

    // The stored key of a value path, matching names without regard to case. The program's
    // own spelling is found by one lookup; only another spelling scans the keys.
    std::optional<QString> FindValue(const QStringList& path) {
        const QString key = path.join(u'/');
        if (settings_.contains(key)) return key;
        return FindName(settings_.allKeys(), key);
    }

  private:
    // QSettings drops the lines it cannot read when it next writes the file back: a damaged
    // file is copied aside first (its status shows only at the opening that parses it), so a
    // hand edit gone wrong loses nothing.
    void KeepDamagedFile() {
        if (settings_.status() != QSettings::FormatError) return;
        const QString damaged = settings_.fileName() + ".damaged";
        QFile::remove(damaged);
        QFile::copy(settings_.fileName(), damaged);
    }

    QSettings settings_;
    QStringList rootGroups_;
    bool rootFound_ = false;
};

// A text that is the canonical decimal form of a number is that number: the configuration file
// does not keep the stored type, and reading the decimal text back gives the same text.
SettingValue FromText(const QString& text) {
    const std::string utf8 = text.toStdString();
    int64_t number = 0;
    const char* end = utf8.data() + utf8.size();
    auto [ptr, ec] = std::from_chars(utf8.data(), end, number);
    if (ec == std::errc() && ptr == end && !utf8.empty() && std::to_string(number) == utf8) {
        return number;
    }
    return utf8;
}

std::optional<SettingValue> FromVariant(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::Bool:
            return value.toLongLong();
        case QMetaType::ULongLong:
            return static_cast<int64_t>(value.toULongLong());
        case QMetaType::QString:
            return FromText(value.toString());
        // An unquoted text with commas in a hand-edited file reads as a list.
        case QMetaType::QStringList:
            return FromText(value.toStringList().join(u','));
        case QMetaType::QByteArray:
            return FromText(QString::fromUtf8(value.toByteArray()));
        default:
            return std::nullopt;
    }
}

QVariant ToVariant(const SettingValue& value) {
    if (const int64_t* number = std::get_if<int64_t>(&value)) {
        // Numbers that fit are stored as DWORD values in the registry.
        if (*number >= INT32_MIN && *number <= INT32_MAX) return static_cast<int>(*number);
        return static_cast<qlonglong>(*number);
    }
    return QString::fromStdString(std::get<std::string>(value));
}

}  // namespace

QtSettingsStore::QtSettingsStore() : rootKey_(kProgramRoot), createsRoot_(true) {}

QtSettingsStore::QtSettingsStore(const std::string& rootKey)
    : rootKey_(rootKey), createsRoot_(false) {}

SettingValue QtSettingsStore::ReadValue(const std::string& path, const SettingValue& defaultValue) {
    OpenedStore store(ParseRoot(rootKey_));
    const QStringList parts = SplitPath(path);
    if (!store.RootFound() || parts.isEmpty()) return defaultValue;
    const std::optional<QString> stored = store.FindValue(parts);
    if (!stored) return defaultValue;
    return FromVariant(store.Settings().value(*stored)).value_or(defaultValue);
}

void QtSettingsStore::WriteValue(const std::string& path, const SettingValue& value) {
    OpenedStore store(ParseRoot(rootKey_));
    QStringList parts = SplitPath(path);
    if (parts.isEmpty() || (!createsRoot_ && !store.RootExists())) return;
    store.CreateRoot();
    if (const std::optional<QString> stored = store.FindValue(parts)) {
        store.Settings().setValue(*stored, ToVariant(value));
        return;
    }
    const QString name = parts.takeLast();
    store.EnterGroups(parts, true);
    store.Settings().setValue(name, ToVariant(value));
}

void QtSettingsStore::DeleteKey(const std::string& subkey) {
    OpenedStore store(ParseRoot(rootKey_));
    QStringList groups = SplitPath(subkey);
    if (!store.RootFound()) return;
    if (groups.isEmpty()) {
        store.Settings().remove(QString());
        return;
    }
    const QString last = groups.takeLast();
    if (!store.EnterGroups(groups, false)) return;
    if (std::optional<QString> found = FindName(store.Settings().childGroups(), last)) {
        store.Settings().remove(*found);
    }
}

bool QtSettingsStore::KeyExists(const std::string& subkey) {
    OpenedStore store(ParseRoot(rootKey_));
    const QStringList groups = SplitPath(subkey);
    return groups.isEmpty() ? store.RootExists()
                            : store.RootFound() && store.EnterGroups(groups, false);
}

bool QtSettingsStore::ValueExists(const std::string& path) {
    OpenedStore store(ParseRoot(rootKey_));
    const QStringList parts = SplitPath(path);
    return store.RootFound() && !parts.isEmpty() && store.FindValue(parts).has_value();
}

std::vector<std::string> QtSettingsStore::GetKeyNames(const std::string& subkey) {
    return ChildNames(subkey, &QSettings::childGroups);
}

std::vector<std::string> QtSettingsStore::GetValueNames(const std::string& subkey) {
    return ChildNames(subkey, &QSettings::childKeys);
}

std::vector<std::string> QtSettingsStore::ChildNames(const std::string& subkey,
                                                     QStringList (QSettings::*children)() const) {
    OpenedStore store(ParseRoot(rootKey_));
    std::vector<std::string> names;
    if (!store.RootFound() || !store.EnterGroups(SplitPath(subkey), false)) return names;
    for (const QString& name : (store.Settings().*children)()) names.push_back(name.toStdString());
    return names;
}


}  // namespace tavolex
