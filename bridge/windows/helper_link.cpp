// The reader owns the connections and is the only one to wait on them:
// every wait is bounded by kReplyDueMs and given up within a moment of the
// stop. The widget's thread takes the snapshot under a lock that the reader
// holds only to put a new one in, never across a wait.
#include "bridge/windows/helper_link.h"

#include "bridge/windows/connection.h"
#include "bridge/windows/utf8.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <mutex>

namespace bridge::windows {
namespace {

using Clock = std::chrono::steady_clock;

// How often the status is read; a queued command is sent at once.
constexpr std::chrono::milliseconds kStatusPeriod{200};
// How long a new track's status waits for its cover at most: the module asks
// for a track's art once, when it first shows the track, so a cover the
// helper has at hand goes out with it.
constexpr DWORD kCoverAtHandMs = 50;
// The players are listed this often; the playlists less often, as a player may take long to list them.
constexpr std::chrono::milliseconds kPlayersPeriod{1000};
constexpr std::chrono::milliseconds kPlaylistsPeriod{5000};
// After a helper could not be reached, the next attempt.
constexpr std::chrono::milliseconds kRetryPause{1000};
// Commands waiting to be sent; a newer volume, position, mute or choice of player replaces a waiting one.
constexpr std::size_t kMaxQueued = 32;

bool Replaces(Command command) {
    return command == Command::Volume || command == Command::Seek || command == Command::Mute ||
           command == Command::Pin;
}

template <class Entry>
using Parse = std::optional<Entry> (*)(std::string_view);

struct Queued {
    std::uint64_t seq;
    Command command;
    std::string line;
};

}  // namespace

struct HelperLink::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::atomic<bool> stop{false};
    std::atomic<std::uint64_t> version{0};  // of the snapshot; 0 until the first
    std::shared_ptr<const Snapshot> snapshot = std::make_shared<const Snapshot>();
    std::deque<Queued> queue;
    std::uint64_t lastSeq = 0;
};

namespace {

// The reader thread: a connection for the status, the commands and the
// lists, and one for covers; on each, requests one after the other.
class Reader {
public:
    Reader(HelperLink::Shared& shared, std::wstring sessionPath)
        : shared_(shared), sessionPath_(std::move(sessionPath)) {}

    void Run() {
        while (!shared_.stop) {
            // A dropped connection is tried again at once: a new connection to
            // the same helper keeps the run. Only when that fails is the helper gone.
            if (Connect() && Exchange()) {
                Sleep(kStatusPeriod);
                continue;
            }
            Disconnect();
            if (!Connect() || !Exchange()) {
                Disconnect();
                DropQueued();
                next_.status.reset();
                next_.cover.reset();
                next_.players.reset();
                next_.playlists.clear();
                Publish();
                Sleep(kRetryPause);
            }
        }
    }

private:
    bool Connect() {
        if (connection_) return true;
        if (!winsock_.ok()) {
            next_.problem = "Windows sockets did not start";
            return false;
        }
        session_ = ReadSessionFile(sessionPath_);
        if (!session_) {
            next_.problem = "there is no readable bridge session file at " + Utf8FromWide(sessionPath_);
            return false;
        }
        connection_ = Connection::Open(*session_, Due(), next_.problem);
        return connection_.has_value();
    }

    void Disconnect() {
        connection_.reset();
        DropCover();
    }

    // A cover asked for and not taken is asked for again on a new connection.
    void DropCover() {
        coverConnection_.reset();
        asked_.reset();
    }

    Deadline Due() const { return Deadline(kReplyDueMs, shared_.stop); }

    // Sends what is queued and reads the status, published at once (with a
    // new track's cover when the helper has it at hand); then sends what was
    // queued meanwhile, and the lists and a cover still on its way follow.
    bool Exchange() {
        if (!SendQueued()) return Fail();
        const std::uint64_t sent = sent_;
        const Deadline due = Due();
        if (!connection_->SendLine(FormatRequest(Command::Status), due)) return Fail();
        std::optional<Status> status = ParseStatusReply(Line(due).value_or(""));
        if (!status) return Fail();
        const bool newPlayer =
            !next_.status || next_.status->owner != status->owner || next_.status->instance != status->instance;
        // Another player's playlists are not this one's.
        if (newPlayer) next_.playlists.clear();
        next_.fetchedAt = Clock::now();
        next_.status = std::move(status);
        next_.sentThrough = sent;
        if (!StepCover(*next_.status)) return Fail();
        Publish();
        if (!SendQueued() || !FetchLists(*next_.status, newPlayer)) return Fail();
        Publish();
        return true;
    }

    // A command taken counts as sent even when its connection fails: it is
    // not sent again, and the next status shows what came of it.
    bool SendQueued() {
        while (std::optional<Queued> command = TakeQueued()) {
            sent_ = command->seq;
            const Deadline due = Due();
            if (!connection_->SendLine(command->line, due) || !ParseReply(Line(due).value_or(""))) return false;
            if (command->command == Command::Pin) playersAt_ = {};
        }
        return true;
    }

    // Commands that were waiting for a helper now gone are lost with it.
    void DropQueued() {
        std::lock_guard<std::mutex> lock(shared_.mutex);
        if (!shared_.queue.empty()) sent_ = shared_.queue.back().seq;
        shared_.queue.clear();
    }

    std::optional<std::string> Line(const Deadline& due) { return connection_->ReadLine(due); }

    bool Fail() {
        next_.problem = "the bridge's helper stopped answering";
        return false;
    }

    // The followed track's cover, asked for by its track when the track or its
    // art changes, on a connection of its own: the helper answers only once a
    // download is over and holds the requests behind it. One is asked for at a
    // time and looked for once a round; one for a track no longer followed
    // would come as none, so it is dropped for the new track's.
    bool StepCover(const Status& status) {
        const Cover* held = asked_ ? asked_->cover.get() : next_.cover.get();
        const bool current = held && held->track == status.track && held->artUrl == status.art_url;
        if (asked_ && current) return TakeCover(0);
        if (current) return true;
        if (asked_) DropCover();
        auto cover = std::make_shared<Cover>(Cover{status.track, status.art_url, {}});
        if (status.art_url.empty()) {
            next_.cover = std::move(cover);
            return true;
        }
        const Deadline due = Due();
        if (!coverConnection_) coverConnection_ = Connection::Open(*session_, due, next_.problem);
        if (!coverConnection_ || !coverConnection_->SendLine(FormatRequest(Command::Art, status.track), due))
            return false;
        asked_.emplace(Asked{std::move(cover), Due()});
        return TakeCover(kCoverAtHandMs);
    }

    // The cover asked for, once it has begun to come within the wait; a late one fails as any late answer.
    bool TakeCover(DWORD waitMs) {
        Connection& connection = *coverConnection_;
        const Deadline& due = asked_->due;
        if (!connection.Answered(waitMs)) return !due.Over();
        std::optional<Reply> reply = ParseReply(connection.ReadLine(due).value_or(""));
        if (!reply) return false;
        if (reply->ok) {
            std::optional<std::size_t> count = ParseCount(reply->payload, kMaxArtBytes);
            std::optional<std::string> bytes = count ? connection.ReadBytes(*count, due) : std::nullopt;
            if (!bytes) return false;
            asked_->cover->bytes = std::move(*bytes);
        }
        next_.cover = std::move(asked_->cover);
        asked_.reset();
        return true;
    }

    // The players and playlists, listed anew whenever the followed player changes.
    bool FetchLists(const Status& status, bool newPlayer) {
        const Clock::time_point now = Clock::now();
        if (newPlayer || now - playersAt_ >= kPlayersPeriod) {
            next_.players = Listing<PlayerEntry>(Command::Players, &ParsePlayerEntry);
            if (!next_.players) return false;
            playersAt_ = now;
        }
        if (!status.playlists) {
            next_.playlists.clear();
        } else if (newPlayer || now - playlistsAt_ >= kPlaylistsPeriod) {
            std::optional<std::vector<PlaylistEntry>> playlists =
                Listing<PlaylistEntry>(Command::Playlists, &ParsePlaylistEntry);
            if (!playlists) return false;
            next_.playlists = std::move(*playlists);
            playlistsAt_ = now;
        }
        return true;
    }

    // "OK <n>" and n entries; a refusal is an empty list.
    template <class Entry>
    std::optional<std::vector<Entry>> Listing(Command command, Parse<Entry> parse) {
        const Deadline due = Due();
        if (!connection_->SendLine(FormatRequest(command), due)) return std::nullopt;
        std::optional<Reply> reply = ParseReply(Line(due).value_or(""));
        if (!reply) return std::nullopt;
        std::vector<Entry> entries;
        if (!reply->ok) return entries;
        std::optional<std::size_t> count = ParseCount(reply->payload, kMaxListed);
        if (!count) return std::nullopt;
        for (std::size_t i = 0; i < *count; ++i) {
            std::optional<std::string> line = Line(due);
            std::optional<Entry> entry = line ? parse(*line) : std::nullopt;
            if (!entry) return std::nullopt;
            entries.push_back(std::move(*entry));
        }
        return entries;
    }

    std::optional<Queued> TakeQueued() {
        std::lock_guard<std::mutex> lock(shared_.mutex);
        if (shared_.queue.empty()) return std::nullopt;
        Queued front = std::move(shared_.queue.front());
        shared_.queue.pop_front();
        return front;
    }

    // The snapshot it replaces is let go after the lock, by whoever holds it last.
    void Publish() {
        std::shared_ptr<const Snapshot> snapshot = std::make_shared<const Snapshot>(next_);
        std::lock_guard<std::mutex> lock(shared_.mutex);
        shared_.snapshot.swap(snapshot);
        ++shared_.version;
    }

    // Until the pause is over, a command is queued or the reader is to stop.
    void Sleep(std::chrono::milliseconds pause) {
        std::unique_lock<std::mutex> lock(shared_.mutex);
        shared_.wake.wait_for(lock, pause, [this] { return shared_.stop || !shared_.queue.empty(); });
    }

    // A cover asked for and not yet taken.
    struct Asked {
        std::shared_ptr<Cover> cover;
        Deadline due;
    };

    HelperLink::Shared& shared_;
    std::wstring sessionPath_;
    WinsockSession winsock_;
    std::optional<SessionInfo> session_;
    std::optional<Connection> connection_;
    std::optional<Connection> coverConnection_;
    std::optional<Asked> asked_;
    Snapshot next_;
    std::uint64_t sent_ = 0;  // the last command taken from the queue
    Clock::time_point playersAt_{};
    Clock::time_point playlistsAt_{};
};

}  // namespace

HelperLink::HelperLink(std::wstring sessionPath) : shared_(std::make_shared<Shared>()) {
    reader_ = std::thread(
        [shared = shared_, path = std::move(sessionPath)]() mutable { Reader(*shared, std::move(path)).Run(); });
}

HelperLink::~HelperLink() {
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->stop = true;
    }
    shared_->wake.notify_all();
    reader_.join();
}

bool HelperLink::AwaitFirstAnswer(std::chrono::milliseconds timeout) {
    const Clock::time_point end = Clock::now() + timeout;
    while (shared_->version == 0 && Clock::now() < end) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return shared_->version != 0;
}

void HelperLink::Refresh() {
    const std::uint64_t version = shared_->version;
    if (version == seen_) return;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        snapshot_ = shared_->snapshot;
        seen_ = shared_->version;
    }
    if (snapshot_->sentThrough >= pendingSeq_) {
        pendingVolume_.reset();
        pendingMute_.reset();
    }
    Overlay();
    NoteRun();
}

// The snapshot's own status, or a copy of it with the volume or mute on its way.
void HelperLink::Overlay() {
    const std::optional<Status>& read = snapshot_->status;
    if (!read) {
        status_.reset();
    } else if (!pendingVolume_ && !pendingMute_) {
        status_ = std::shared_ptr<const Status>(snapshot_, &*read);
    } else {
        auto shown = std::make_shared<Status>(*read);
        if (pendingVolume_) {
            shown->volume = *pendingVolume_;
            shown->muted = false;
        }
        if (pendingMute_) shown->muted = *pendingMute_;
        status_ = std::move(shown);
    }
}

void HelperLink::NoteRun() {
    const std::optional<Status>& status = snapshot_->status;
    if (!status || !status->connected) {
        run_ = 0;
        return;
    }
    std::pair<std::string, std::string> key{status->instance, status->owner};
    if (run_ == 0 || key != runKey_) {
        runKey_ = std::move(key);
        run_ = ++lastRun_;
    }
}

std::shared_ptr<const Status> HelperLink::CurrentStatus() {
    Refresh();
    return status_;
}

Run HelperLink::CurrentRun() {
    Refresh();
    return run_;
}

std::shared_ptr<const Status> HelperLink::StatusOf(Run run) {
    std::shared_ptr<const Status> status = CurrentStatus();
    return run != 0 && run == run_ ? status : nullptr;
}

std::chrono::milliseconds HelperLink::StatusAge() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - snapshot_->fetchedAt);
}

bool HelperLink::Queue(Command command, std::string_view argument) {
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        std::deque<Queued>& queue = shared_->queue;
        if (Replaces(command))
            queue.erase(std::remove_if(queue.begin(), queue.end(),
                                       [command](const Queued& queued) { return queued.command == command; }),
                        queue.end());
        if (queue.size() >= kMaxQueued) return false;
        queue.push_back({++shared_->lastSeq, command, FormatRequest(command, argument)});
    }
    shared_->wake.notify_one();
    return true;
}

bool HelperLink::Send(Command command, std::string_view argument) {
    if (!CurrentStatus() || !Queue(command, argument)) return false;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        pendingSeq_ = shared_->lastSeq;
    }
    if (command == Command::Volume) {
        pendingVolume_ = std::clamp(std::atoi(std::string(argument).c_str()), 0, 100);
        pendingMute_.reset();
    } else if (command == Command::Mute) {
        pendingMute_ = argument == "1";
    }
    Overlay();
    return true;
}

std::shared_ptr<const Cover> HelperLink::CoverOf(const std::string& track) {
    Refresh();
    const std::shared_ptr<const Cover>& cover = snapshot_->cover;
    if (!cover || cover->track != track || cover->bytes.empty()) return nullptr;
    return cover;
}

std::optional<std::vector<PlayerEntry>> HelperLink::Players() {
    Refresh();
    return snapshot_->players;
}

std::vector<PlaylistEntry> HelperLink::Playlists() {
    Refresh();
    return snapshot_->playlists;
}

std::string HelperLink::problem() {
    Refresh();
    return snapshot_->problem;
}

}  // namespace bridge::windows
