#include "follow_rule.h"

namespace bridge::helper {

std::optional<std::size_t> ChooseFollowed(const std::vector<FollowCandidate>& candidates, const std::string& pinned) {
    std::optional<std::size_t> best;
    auto better = [&](const FollowCandidate& c, const FollowCandidate& b) {
        if (c.playing != b.playing) return c.playing;
        return c.playing ? c.playing_since > b.playing_since : c.last_active > b.last_active;
    };
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (!pinned.empty() && candidates[i].bus_name == pinned) return i;
        if (!best || better(candidates[i], candidates[*best])) best = i;
    }
    return best;
}

}  // namespace bridge::helper
