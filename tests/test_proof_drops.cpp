// Drops of every awkward kind, many times over: lists of 1,000 names, names of
// 32,000 characters, files that do not exist, data objects that will not hand
// over their list, with the player present, failing or absent. Each drop
// gives back its medium; nothing grows.
#include "proof_figures.h"
#include "proof_watchdog.h"
#include "rig/hdrop_data_object.h"

#include <string>
#include <vector>

using rig::HDropDataObject;

namespace {

struct DropCase {
    const char* label;
    std::vector<std::wstring> names;
    HDropDataObject::Kind kind = HDropDataObject::Kind::FileList;
};

std::vector<DropCase> Cases() {
    std::vector<std::wstring> thousand;
    for (int i = 0; i < 1000; ++i)
        thousand.push_back(L"C:\\nowhere\\" + std::to_wstring(i) + (i % 4 ? L".mp3" : L".jpeg"));
    const std::wstring longMusic = L"C:\\" + std::wstring(32000, L'm') + L".mp3";
    const std::wstring longPicture = L"C:\\" + std::wstring(32000, L'p') + L".png";
    return {
        {"1,000 names", thousand},
        {"32,000-character names", {longMusic, longPicture, longMusic}},
        {"files that do not exist", {L"Q:\\gone\\a.mp3", L"\\\\nohost\\share\\b.png", L"C:\\", L"", L"x.bmp"}},
        {"GetData fails", {L"C:\\music\\a.mp3"}, HDropDataObject::Kind::FetchFails},
        {"no file list", {L"C:\\music\\a.mp3"}, HDropDataObject::Kind::NoFileList},
        {"list without its end", {L"C:\\music\\a.mp3", longMusic}, HDropDataObject::Kind::Unterminated},
    };
}

// The player as it may be found: well, refusing the additions, without a
// library, without a current track, or not there and not startable.
void SetPlayer(int state) {
    sim::Player& player = rig::RunningPlayer();
    player.SetCurrentTrack(0);
    player.SetPlaying(true);
    if (state == 1) player.faults().Fail("IITLibraryPlaylist.AddFile");
    if (state == 1) player.faults().Fail("IITTrack.AddArtworkFromFile");
    if (state == 2) player.faults().ReturnNothing("IiTunes.get_LibraryPlaylist");
    if (state == 2) player.faults().ReturnNothing("IiTunes.get_CurrentTrack");
    if (state == 3) {
        player.Quit();
        player.Revoke();
    }
}

}  // namespace

TEST_CASE(awkward_drops_over_and_over_release_everything) {
    proof::WatchModule();
    const std::vector<DropCase> cases = Cases();
    proof::Watchdog watchdog(20000);
    proof::Figures start;
    int drops = 0;
    for (int round = 0; round < 8; ++round) {
        for (int state = 0; state < 4; ++state) {
            SetPlayer(state);
            rig::Widget widget;
            for (const DropCase& drop : cases) {
                watchdog.Begin(drop.label);
                auto data = HDropDataObject::Make(drop.names, drop.kind);
                POINTL point = {1, 1};
                DWORD effect = DROPEFFECT_COPY;
                CHECK_EQ(rig::TheModule().OnDrop(widget.instance(), data.Get(), 0, point, &effect), TRUE);
                CHECK_EQ(data->mediaReleased, data->fetches);
                CHECK_EQ(data->lockedAtRelease, 0);
                CHECK_EQ(data->References(), 1UL);
                sim::Player::Get().clock().Advance(5000);
                widget.PollTick();
                sim::Player::Get().calls().Clear();
                rig::RecordingHost::Get().ClearCalls();
                ++drops;
                watchdog.End();
            }
        }
        if (round == 0) start = proof::Measure();
    }
    sim::Player::Get().Register();
    std::printf("  %d drops, longest %lu ms\n", drops, watchdog.longestMs());
    proof::Print("rounds 2 to 8", start, proof::Measure());
    proof::CheckNoGrowth(start, proof::Measure(), 4 << 20);
}
