#include "storage/ini_file.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "game/settings_store.h"
#include "storage/stored_fields.h"

namespace tavolex {

namespace {

std::string Trim(const std::string& text) {
    return std::string(TrimBlanks(text));
}

}  // namespace

std::optional<IniFile> IniFile::Load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return Parse({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
}

IniFile IniFile::Parse(const std::string& text) {
    IniFile ini;
    std::istringstream lines(text);
    std::string line;
    std::map<std::string, std::string>* section = nullptr;
    while (std::getline(lines, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[') {
            const size_t close = line.find(']');
            section = close == std::string::npos
                          ? nullptr
                          : &ini.sections_[FoldName(Trim(line.substr(1, close - 1)))];
            continue;
        }
        const size_t equals = line.find('=');
        if (section == nullptr || equals == std::string::npos) continue;
        std::string value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        section->emplace(FoldName(Trim(line.substr(0, equals))), value);
    }
    return ini;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    const auto found = sections_.find(FoldName(section));
    if (found == sections_.end()) return defaultValue;
    const auto value = found->second.find(FoldName(key));
    return value == found->second.end() ? defaultValue : value->second;
}

}  // namespace tavolex
