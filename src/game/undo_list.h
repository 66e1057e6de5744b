// The cards the player melded this turn, newest first, each with the column pitch in force
// when it was melded (so an undo finds its column even after a change of layout).
#pragma once

#include <optional>
#include <vector>

#include "game/cards.h"

namespace tavolex {

struct UndoEntry {
    CardRecord card;
    int32_t pitch = 0;
    bool operator==(const UndoEntry&) const = default;
};

class UndoList {
public:
    void Add(const CardRecord& card, int32_t pitch) { entries_.push_back({card, pitch}); }
    std::optional<UndoEntry> TakeNewest() {
        if (entries_.empty()) return std::nullopt;
        UndoEntry entry = entries_.back();
        entries_.pop_back();
        return entry;
    }
    void Clear() { entries_.clear(); }
    bool Empty() const { return entries_.empty(); }
    bool OneLeft() const { return entries_.size() == 1; }
    size_t Size() const { return entries_.size(); }
    bool operator==(const UndoList&) const = default;

private:
    std::vector<UndoEntry> entries_;  // back() is the newest
};

}  // namespace tavolex
