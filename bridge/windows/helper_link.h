// The host's side of the bridge. A reader thread of its own talks to the
// helper: it keeps the followed player's status, the players, the playlists
// and the followed track's cover current, and sends the commands queued for
// it. The widget's thread only reads the reader's latest snapshot and queues
// commands, so a slow, silent or gone helper never holds it. Snapshots are
// immutable and shared: what the widget was handed stays as it was.
#pragma once

#include "bridge/wire/protocol.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace bridge::windows {

// The Windows side speaks the wire format's terms as its own.
using namespace wire;

// One stretch of one followed player: the same helper following the same
// player (its instance and the player's unique bus name), across new
// connections. Objects handed out belong to the run they were made in. 0: no player.
using Run = std::uint64_t;

// A cover in memory, named by the track it is the cover of.
struct Cover {
    std::string track;
    std::string artUrl;
    std::string bytes;  // empty: the track has none that could be had
};

// What the reader last learnt; status empty while the helper cannot be reached.
struct Snapshot {
    std::optional<Status> status;
    std::chrono::steady_clock::time_point fetchedAt{};
    std::optional<std::vector<PlayerEntry>> players;
    std::vector<PlaylistEntry> playlists;
    std::shared_ptr<const Cover> cover;
    std::string problem;            // why the helper could not be reached, the last time it could not
    std::uint64_t sentThrough = 0;  // the commands sent, or lost with a connection, before this status was asked for
};

class HelperLink {
public:
    explicit HelperLink(std::wstring sessionPath);
    // Ends the reader, which gives up its wait within a moment.
    ~HelperLink();
    HelperLink(const HelperLink&) = delete;
    HelperLink& operator=(const HelperLink&) = delete;

    // Waits until the reader has a first answer or failure: for start-up
    // decisions, never for the widget. False when none came in time.
    bool AwaitFirstAnswer(std::chrono::milliseconds timeout);

    // The followed player's state as last read, with a volume or mute on its
    // way shown over it; null while the helper cannot be reached.
    std::shared_ptr<const Status> CurrentStatus();
    Run CurrentRun();
    // The status, while run is still the current one; null after it.
    std::shared_ptr<const Status> StatusOf(Run run);
    // How long ago the status was read, to carry a playing position on.
    std::chrono::milliseconds StatusAge() const;

    // Queues a command for the reader; false while the helper cannot be
    // reached. Its effect shows in a later status; a volume or mute shows at once.
    bool Send(Command command, std::string_view argument = {});
    // Queues a command from any thread; false when too many wait.
    bool Queue(Command command, std::string_view argument = {});
    // The cover of that track while it is the followed one; null when it has none.
    std::shared_ptr<const Cover> CoverOf(const std::string& track);
    std::optional<std::vector<PlayerEntry>> Players();
    std::vector<PlaylistEntry> Playlists();
    std::string problem();

    // What the widget's thread and the reader share.
    struct Shared;

private:
    void Refresh();
    void NoteRun();
    void Overlay();

    std::shared_ptr<Shared> shared_;
    std::thread reader_;

    // The widget thread's hold on the latest snapshot, and its status as shown.
    std::uint64_t seen_ = 0;
    std::shared_ptr<const Snapshot> snapshot_ = std::make_shared<const Snapshot>();
    std::shared_ptr<const Status> status_;
    Run run_ = 0;
    Run lastRun_ = 0;
    std::pair<std::string, std::string> runKey_;  // helper instance and player of run_
    // A volume or mute queued and not yet in a status: shown meanwhile, so the wheel steps on from it.
    std::uint64_t pendingSeq_ = 0;
    std::optional<int> pendingVolume_;
    std::optional<bool> pendingMute_;
};

}  // namespace bridge::windows
