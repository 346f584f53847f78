// The host menu's "Player" submenu while the bridge is the player: the MPRIS
// players on the session bus, the followed one checked. Choosing one follows
// it from then on; "Follow automatically" goes back to the helper's rule.
#pragma once

#include "bridge/windows/helper_link.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace bridge::windows {

class PlayerMenu {
public:
    static constexpr int kMaxPlayers = 32;
    // Items take the ids firstId to firstId + kItemCount - 1.
    static constexpr int kItemCount = 1 + kMaxPlayers;

    explicit PlayerMenu(std::shared_ptr<HelperLink> client) : client_(std::move(client)) {}

    void Append(HMENU menu, UINT firstId);
    // item: the chosen id less firstId.
    void Choose(int item);

private:
    std::shared_ptr<HelperLink> client_;
    std::vector<std::string> listed_;  // bus names of the players last listed, from item 1 on
};

}  // namespace bridge::windows
