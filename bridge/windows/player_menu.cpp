#include "bridge/windows/player_menu.h"

#include "bridge/windows/utf8.h"
#include "platform/win_owners.h"

namespace bridge::windows {

void PlayerMenu::Append(HMENU menu, UINT firstId) {
    UniqueMenu popup(CreatePopupMenu());
    if (!popup) return;
    listed_.clear();
    const std::optional<std::vector<PlayerEntry>> players = client_->Players();
    if (players) {
        bool pinned = false;
        for (const PlayerEntry& player : *players) pinned = pinned || player.pinned;
        AppendMenuW(popup.get(), MF_STRING | (pinned ? 0 : MF_CHECKED), firstId, L"Follow automatically");
        AppendMenuW(popup.get(), MF_SEPARATOR, 0, nullptr);
        for (const PlayerEntry& player : *players) {
            if (listed_.size() == kMaxPlayers) break;
            listed_.push_back(player.bus_name);
            const std::wstring label = WideFromUtf8(player.identity + " (" + player.bus_name + ")");
            AppendMenuW(popup.get(), MF_STRING | (player.followed ? MF_CHECKED : 0),
                        firstId + static_cast<UINT>(listed_.size()), label.c_str());
        }
    } else {
        AppendMenuW(popup.get(), MF_STRING | MF_GRAYED, 0, L"The bridge helper does not answer");
    }
    if (AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup.get()), L"Player")) popup.release();
}

void PlayerMenu::Choose(int item) {
    if (item == 0)
        client_->Send(Command::Pin);
    else if (item > 0 && static_cast<std::size_t>(item) <= listed_.size())
        client_->Send(Command::Pin, listed_[static_cast<std::size_t>(item) - 1]);
}

}  // namespace bridge::windows
