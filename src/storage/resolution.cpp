#include "storage/resolution.h"

#include <charconv>
#include <optional>

#include "game/settings_store.h"
#include "game/table_layout.h"
#include "storage/settings_keys.h"

namespace tavolex {

namespace {

std::optional<int> ParseCoordinate(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
    return value;
}

std::string PlacementText(int left, int top, int layout) {
    return std::to_string(left) + "," + std::to_string(top) + "," + ScreenLayoutAt(layout).name;
}

}  // namespace

StoredPlacement ParseResolution(const std::string& text, int largestLayout) {
    const size_t first = text.find(',');
    const size_t second = first == std::string::npos ? first : text.find(',', first + 1);
    if (second != std::string::npos) {
        const auto left = ParseCoordinate(text.substr(0, first));
        const auto top = ParseCoordinate(text.substr(first + 1, second - first - 1));
        if (left && top) return {*left, *top, text.substr(second + 1)};
    }
    return {0, 0, ScreenLayoutAt(largestLayout).name};
}

StoredPlacement ReadResolution(SettingsStore& store, int largestLayout) {
    const std::string text =
        ReadText(store, kResolutionKey.path, PlacementText(0, 0, largestLayout));
    return ParseResolution(text, largestLayout);
}

void WriteResolution(SettingsStore& store, int left, int top, int layout) {
    store.WriteValue(kResolutionKey.path, PlacementText(left, top, layout));
}

int LayoutFromName(const std::string& name) {
    for (int layout = 0; layout < kLayouts; ++layout) {
        if (name == ScreenLayoutAt(layout).name) return layout;
    }
    return 0;
}

}  // namespace tavolex
