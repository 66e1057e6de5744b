// The old program's settings file: "[Section]" lines and "Key=Value" lines, names compared
// without regard to case.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace tavolex {

class IniFile {
public:
    // nullopt when the file cannot be opened.
    static std::optional<IniFile> Load(const std::filesystem::path& path);
    static IniFile Parse(const std::string& text);

    // The value with blanks and one pair of enclosing quotes removed, or defaultValue.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

private:
    // Folded section name, then folded key name; the first occurrence wins.
    std::map<std::string, std::map<std::string, std::string>> sections_;
};

}  // namespace tavolex
