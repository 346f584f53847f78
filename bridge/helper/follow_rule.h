// Which of the players on the bus the bridge follows.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace bridge::helper {

using Clock = std::chrono::steady_clock;

struct FollowCandidate {
    std::string bus_name;
    bool playing = false;
    Clock::time_point playing_since;  // when it last started playing
    Clock::time_point last_active;    // when it appeared or last changed its playback state
};

// A pinned player that is present wins; else the one that most recently
// started playing; else the most recently active. Empty when none is present.
std::optional<std::size_t> ChooseFollowed(const std::vector<FollowCandidate>& candidates, const std::string& pinned);

}  // namespace bridge::helper
