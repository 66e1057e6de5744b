#include "table/window_placement.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "game/table_layout.h"

namespace tavolex {

namespace {

std::vector<std::string> SplitFields(const std::string& text) {
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

int NumberOrZero(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && last == end ? value : 0;
}

}  // namespace

int LargestLayout(int screenWidth) {
    for (int resolution = kLayouts - 1; resolution > 0; --resolution) {
        if (screenWidth >= ScreenLayoutAt(resolution).windowWidth) return resolution;
    }
    return 0;
}

int ResolutionFromName(const std::string& name) {
    for (int resolution = 0; resolution < kLayouts; ++resolution) {
        if (name == ScreenLayoutAt(resolution).name) return resolution;
    }
    return 0;
}

std::string ResolutionText(int left, int top, int resolution) {
    return std::to_string(left) + "," + std::to_string(top) + "," + ScreenLayoutAt(resolution).name;
}

std::string DefaultResolutionText(int screenWidth) {
    return ResolutionText(0, 0, LargestLayout(screenWidth));
}

WindowPlacement PlaceWindow(const std::string& stored, int screenWidth, int screenHeight) {
    std::vector<std::string> fields = SplitFields(stored);
    fields.resize(std::max<size_t>(fields.size(), 3));
    WindowPlacement placement;
    placement.left = NumberOrZero(fields[0]);
    placement.top = NumberOrZero(fields[1]);
    if (placement.left < 0 || placement.left > screenWidth) placement.left = 0;
    if (placement.top < 0 || placement.top > screenHeight) placement.top = 0;
    placement.resolution = std::min(ResolutionFromName(fields[2]), LargestLayout(screenWidth));
    placement.maximised = screenWidth == ScreenLayoutAt(placement.resolution).windowWidth;
    return placement;
}

}  // namespace tavolex
