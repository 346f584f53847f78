// The wire format between quillbridge (the native helper that talks MPRIS on
// the session bus) and the player bridge inside quillhost.
//
// Transport: TCP on 127.0.0.1, port chosen by the system. The helper writes a
// session file (mode 0600, in a 0700 directory) of two lines:
//     port=<n>
//     token=<64 lowercase hex characters>
// at --session-file, by default $XDG_RUNTIME_DIR/quillbracket/bridge, else
// $HOME/.cache/quillbracket/bridge. It appears once the socket listens and is
// removed when the helper ends.
//
// Lines are UTF-8 and end in "\n" (a trailing "\r" is dropped). Field values
// and request arguments escape backslash, tab, newline and carriage return as
// "\\", "\t", "\n", "\r". A line longer than 64 KiB closes the connection.
//
// Handshake: the first line is "HELLO <token>"; the answer is
// "OK quillbridge 1", or "DENIED" and the connection closes. A client that
// sends nothing within 2 s is closed; at most 8 clients at once.
//
// Then one request per line, answered in order with "OK", "OK <payload>" or
// "ERR <reason>":
//     STATUS             OK<TAB>key=value<TAB>... (see Status below), answered at once
//     PLAYPAUSE, PLAY, PAUSE, STOP, NEXT, PREVIOUS
//     SEEK <ms>          to that position of the current track
//     VOLUME <0..100>    also ends muting
//     MUTE 1 | MUTE 0    mute remembers the volume; unmute restores it. Per player;
//                        a volume set from outside ends it
//     OPEN <uri or absolute path>
//     QUIT, RAISE        ERR when the player cannot
//     ART [<track id>]   OK <n> then exactly n raw bytes of the cover (at most 16 MiB), or ERR none,
//                        also when the track playing is not the one named. Waits for a
//                        download in flight (at most its 3 s limit).
//     PLAYERS            OK <n> then n lines: bus name, identity, state, followed, pinned
//     PIN <bus name>     follow that player; PIN alone: back to the follow rule, which
//                        is: a pinned player that is present, else the one that most
//                        recently started playing, else the most recently active
//     PLAYLISTS          OK <n> then n lines: object path, name (OK 0: not offered)
//     ACTIVATE <object path>
// Error reasons: "unknown" (no such request), "no-player" (a command with no
// player followed), "bad-argument", "cannot" (the player does not offer it:
// QUIT, RAISE, SEEK, ACTIVATE), "unknown-player" (PIN), "none" (ART), or the
// D-Bus error name of the player's failure ("failed" when there is none). With
// no player, STATUS says connected=0, PLAYERS and PIN work, PLAYLISTS is "OK 0".
//
// Pure standard C++17: built natively for the helper and by mingw for the host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bridge::wire {

// The limits both sides keep, each written here once.
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;
inline constexpr std::size_t kMaxArtBytes = 16 * 1024 * 1024;  // one cover
inline constexpr std::size_t kMaxListed = 1000;               // players or playlists in one answer
inline constexpr std::size_t kMaxClients = 8;
inline constexpr int kHandshakeMs = 2000;    // to greet, else the helper closes the connection
inline constexpr int kPlayerCallMs = 1000;   // the helper's wait for a player's answer
inline constexpr int kArtDownloadMs = 3000;  // the helper's wait for a cover to download
// The host's wait for any answer: the longest the helper may take (a cover
// download) with room to spare. Only the host's reader waits, never its widget.
inline constexpr int kReplyDueMs = kArtDownloadMs + 2000;
inline constexpr std::string_view kHello = "HELLO";
inline constexpr std::string_view kGreeting = "OK quillbridge 1";
inline constexpr std::string_view kDenied = "DENIED";

std::string EscapeField(std::string_view value);
// Empty when the text ends in a lone backslash or holds an unknown escape.
std::optional<std::string> UnescapeField(std::string_view escaped);

// Tab-separated fields, each escaped; the parse is empty when any is malformed.
std::string JoinFields(const std::vector<std::string>& values);
std::optional<std::vector<std::string>> SplitFields(std::string_view line);

enum class PlayState { Stopped, Paused, Playing };
std::string_view PlayStateName(PlayState state);  // "stopped", "paused", "playing"
std::optional<PlayState> ParsePlayState(std::string_view name);

// What the followed player shows; all empty or zero while none is connected.
struct Status {
    bool connected = false;
    std::string player;    // bus name
    std::string identity;  // the player's own name for itself
    PlayState state = PlayState::Stopped;
    std::int64_t position_ms = 0;
    int volume = 0;  // 0..100
    bool muted = false;
    std::string track;  // the player's track id
    std::string title, artist, album, genre;
    std::int64_t length_ms = 0;  // 0: unknown
    int rating = 0;              // 0..100
    std::string art_url;
    bool can_seek = false;
    bool playlists = false;  // the player offers playlists
    std::uint64_t generation = 0;  // changes whenever the followed player changes or comes back
    // Together, one run of one followed player: the helper's instance (new
    // each time it starts) and the player's unique bus name (new each time it
    // comes on the bus). A new connection to the same helper keeps both.
    std::string instance;
    std::string owner;
};

// The whole STATUS answer line (without "\n"), and its parse. Unknown keys are
// skipped, so the helper may add fields; a malformed known one fails the parse.
std::string FormatStatusReply(const Status& status);
std::optional<Status> ParseStatusReply(std::string_view line);

struct PlayerEntry {
    std::string bus_name, identity;
    PlayState state = PlayState::Stopped;
    bool followed = false, pinned = false;
};
std::string FormatPlayerEntry(const PlayerEntry& entry);
std::optional<PlayerEntry> ParsePlayerEntry(std::string_view line);

struct PlaylistEntry {
    std::string object_path, name;
};
std::string FormatPlaylistEntry(const PlaylistEntry& entry);
std::optional<PlaylistEntry> ParsePlaylistEntry(std::string_view line);

enum class Command {
    Status, PlayPause, Play, Pause, Stop, Next, Previous, Seek, Volume, Mute,
    Open, Quit, Raise, Art, Players, Pin, Playlists, Activate,
};
struct Request {
    Command command;
    std::string argument;  // unescaped; empty when none was given
};
std::string FormatRequest(Command command, std::string_view argument = {});
// Empty for an unknown command or a malformed argument.
std::optional<Request> ParseRequest(std::string_view line);

// "OK", "OK <payload>", "ERR <reason>"; the STATUS line has its own parse.
struct Reply {
    bool ok = false;
    std::string payload;
};
std::optional<Reply> ParseReply(std::string_view line);
// The count in "OK <n>" answers, refused above the limit.
std::optional<std::size_t> ParseCount(std::string_view payload, std::size_t limit);

std::string HelloLine(std::string_view token);

// Splits a byte stream into lines and, for ART, runs of raw bytes.
class LineBuffer {
public:
    void Append(const char* data, std::size_t size);
    // The next whole line without its "\n" and trailing "\r".
    std::optional<std::string> NextLine();
    // Exactly n raw bytes, once that many are buffered.
    std::optional<std::string> TakeBytes(std::size_t n);
    // A line longer than kMaxLineBytes arrived or is arriving.
    bool Overlong() const;
    std::size_t Buffered() const { return data_.size() - start_; }

private:
    void Consume(std::size_t n);

    std::string data_;
    std::size_t start_ = 0;
    std::size_t scanned_ = 0;  // bytes after start_ known to hold no "\n"
};

}  // namespace bridge::wire
