// "Settings\Resolution": the window's left, top and layout name, comma-separated.
#pragma once

#include <string>

namespace tavolex {

class SettingsStore;

struct StoredPlacement {
    int left = 0;
    int top = 0;
    std::string layoutName;

    bool operator==(const StoredPlacement&) const = default;
};

// The three fields as stored, before the screen's rules apply. A text that is not two whole
// numbers and a name gives the default placement: 0, 0 and the largest layout that fits.
StoredPlacement ParseResolution(const std::string& text, int largestLayout);
StoredPlacement ReadResolution(SettingsStore& store, int largestLayout);
void WriteResolution(SettingsStore& store, int left, int top, int layout);
// "640x480" 0, "800x600" 1, "1024x768" 2, "1280x1024" 3, anything else 0.
int LayoutFromName(const std::string& name);

}  // namespace tavolex
