// The bridge's pure parts: the wire format both halves share, the follow
// rule, position and mute bookkeeping, URIs, and reading art files.
#include "art.h"
#include "follow_rule.h"
#include "bridge/wire/protocol.h"
#include "player_state.h"
#include "session_file.h"
#include "uri.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <cstdio>
#include <fstream>
#include <string>

using namespace bridge::helper;
using bridge::wire::PlayState;

namespace {

int checks = 0, failures = 0;

void Check(bool ok, const std::string& what) {
    ++checks;
    if (!ok) {
        ++failures;
        std::fprintf(stderr, "FAIL: %s\n", what.c_str());
    }
}

void TestFields() {
    for (std::string value : {"", "plain é", "a\tb", "line\nbreak\r", "back\\slash\\", "\\t literal", "\t\n\r\\"}) {
        std::string escaped = bridge::wire::EscapeField(value);
        Check(escaped.find_first_of("\t\n\r") == std::string::npos, "escaped has no separators: " + escaped);
        Check(bridge::wire::UnescapeField(escaped) == value, "round trip of " + escaped);
    }
    for (const char* malformed : {"ends\\", "\\", "\\x", "a\\0"})
        Check(!bridge::wire::UnescapeField(malformed), std::string("malformed escape refused: ") + malformed);
    auto fields = bridge::wire::SplitFields(bridge::wire::JoinFields({"a\tb", "", "c"}));
    Check(fields && *fields == std::vector<std::string>{"a\tb", "", "c"}, "fields with a tab inside split back");
}

void TestStatus() {
    bridge::wire::Status status;
    status.connected = true;
    status.player = "org.mpris.MediaPlayer2.mpv";
    status.state = PlayState::Paused;
    status.position_ms = 12345;
    status.volume = 40;
    status.title = "Tab\there, newline\nthere, back\\slash";
    status.length_ms = 30000;
    status.generation = 7;
    std::string line = bridge::wire::FormatStatusReply(status);
    Check(line.find('\n') == std::string::npos, "a status is one line");
    auto parsed = bridge::wire::ParseStatusReply(line);
    Check(parsed && bridge::wire::FormatStatusReply(*parsed) == line, "status round trip");
    Check(parsed && parsed->title == status.title && parsed->state == PlayState::Paused, "status values kept");
    auto newer = bridge::wire::ParseStatusReply("OK\tconnected=1\tsomething_new=x");
    Check(newer && newer->connected, "unknown keys are skipped");
    for (const char* bad : {"OK\tvolume=loud", "OK\tconnected=2", "OK\tstate=running", "OK\ttitle=a\\", "OK\tnokey",
                            "ERR none", "OKAY", "OK\tposition_ms=99999999999999999999"})
        Check(!bridge::wire::ParseStatusReply(bad), std::string("malformed status refused: ") + bad);
}

void TestRequestsAndReplies() {
    std::string open = bridge::wire::FormatRequest(bridge::wire::Command::Open, "/music/a\tb\nc.flac");
    auto request = bridge::wire::ParseRequest(open);
    Check(request && request->command == bridge::wire::Command::Open && request->argument == "/music/a\tb\nc.flac",
          "a path with a tab and a newline crosses as one request");
    request = bridge::wire::ParseRequest("PIN");
    Check(request && request->command == bridge::wire::Command::Pin && request->argument.empty(), "PIN alone");
    for (const char* bad : {"", "FOO", "status", "OPEN bad\\"})
        Check(!bridge::wire::ParseRequest(bad), std::string("request refused: ") + bad);
    auto reply = bridge::wire::ParseReply("ERR no-player");
    Check(reply && !reply->ok && reply->payload == "no-player", "error reply");
    Check(!bridge::wire::ParseReply("OKAY"), "OKAY is no reply");
    Check(bridge::wire::ParseCount("12", 1000) == 12u && !bridge::wire::ParseCount("1001", 1000) && !bridge::wire::ParseCount("-1", 9),
          "counts within the limit only");
    auto entry = bridge::wire::ParsePlayerEntry(bridge::wire::FormatPlayerEntry({"org.mpris.MediaPlayer2.a", "A\tB", PlayState::Playing, true, false}));
    Check(entry && entry->identity == "A\tB" && entry->followed && !entry->pinned, "player entry round trip");
    Check(!bridge::wire::ParsePlayerEntry("a\tb\tplaying\t1") && !bridge::wire::ParsePlayerEntry("a\tb\tplaying\t1\t2"),
          "malformed player entries refused");
}

void TestLineBuffer() {
    bridge::wire::LineBuffer buffer;
    buffer.Append("HEL", 3);
    Check(!buffer.NextLine(), "no line before its end");
    std::string rest = "LO x\r\nOK 3\nabcSTATUS\n";
    buffer.Append(rest.data(), rest.size());
    Check(buffer.NextLine() == std::string("HELLO x"), "a line split across reads, its \\r dropped");
    Check(buffer.NextLine() == std::string("OK 3") && buffer.TakeBytes(3) == std::string("abc"), "raw bytes after a line");
    Check(buffer.NextLine() == std::string("STATUS") && buffer.Buffered() == 0, "the line after the bytes");
    std::string longest(bridge::wire::kMaxLineBytes, 'x');
    buffer.Append(longest.data(), longest.size());
    Check(!buffer.Overlong(), "a line at the limit is taken");
    buffer.Append("x", 1);
    Check(buffer.Overlong(), "a line past the limit is refused before its end arrives");
}

void TestFollowRule() {
    auto t = [](int seconds) { return Clock::time_point(std::chrono::seconds(seconds)); };
    std::vector<FollowCandidate> players = {
        {"a", false, t(0), t(50)}, {"b", true, t(10), t(10)}, {"c", true, t(20), t(20)}, {"d", false, t(0), t(60)}};
    Check(!ChooseFollowed({}, ""), "nobody to follow");
    Check(ChooseFollowed(players, "") == 2u, "the one that started playing last");
    Check(ChooseFollowed(players, "d") == 3u, "a pin wins over playing");
    Check(ChooseFollowed(players, "gone") == 2u, "an absent pin falls back to the rule");
    players[1].playing = players[2].playing = false;
    Check(ChooseFollowed(players, "") == 3u, "none playing: the most recently active");
}

void TestPosition() {
    PlayerState player;
    Clock::time_point start{};
    player.track.length_us = 30'000'000;
    SetPosition(player, 5'000'000, start);
    Check(PositionNow(player, start + std::chrono::seconds(3)) == 5'000'000, "paused: the position stands");
    SetPlayState(player, PlayState::Playing, start);
    SetRate(player, 0.5, start);
    Check(PositionNow(player, start + std::chrono::seconds(4)) == 7'000'000, "playing: moves at the rate");
    Check(PositionNow(player, start + std::chrono::seconds(100)) == 30'000'000, "never past the track's end");
    SetRate(player, NAN, start);
    Check(PositionNow(player, start + std::chrono::seconds(1)) == 6'000'000, "a rate that is no number counts as 1");
    SetPosition(player, -4, start);
    Check(PositionNow(player, start) == 0, "never before the start");
    Check(Percent(NAN) == 0 && Percent(1.3) == 100 && Percent(0.404) == 40 && Percent(-1) == 0, "percentages");
}

void TestMuting() {
    PlayerState player;
    SetOwnVolume(player, 0.4);
    Mute(player);
    SetReportedVolume(player, 0.4);  // the report of the volume set before muting
    Check(player.muted, "a report from before muting keeps it muted");
    SetReportedVolume(player, 0);
    SetReportedVolume(player, 0.7);
    Check(!player.muted, "a volume set from outside ends muting");
    SetOwnVolume(player, 0);
    Mute(player);
    SetReportedVolume(player, 0.2);
    Check(!player.muted, "muted at 0 already: the next volume from outside ends it");
    Check(player.volume_before_mute == 0, "the volume before muting is remembered");
}

void TestUris() {
    Check(FileUriPath("file:///a%20b/%C3%A9.png") == std::string("/a b/\xC3\xA9.png"), "percent-decoded path");
    Check(FileUriPath("file://localhost/x") == std::string("/x"), "localhost is this machine");
    for (const char* bad : {"file://host/x", "file:///a%2", "file:///a%zz", "file:///a%00b", "http://x/a", "file:"})
        Check(!FileUriPath(bad), std::string("not a local path: ") + bad);
    std::string path = "/m\xC3\xBCsic/a b%#?.flac";
    Check(FileUriPath(FileUriOf(path)) == path, "path to URI and back");
    Check(FileUriOf("/a b") == "file:///a%20b", "spaces encoded");
    Check(DataUriBytes("data:image/png;base64,aGVs\nbG8=") == std::string("hello"), "base64 data");
    Check(DataUriBytes("data:,a%20b") == std::string("a b"), "percent-encoded data");
    for (const char* bad : {"data:;base64,aGVsbG8$", "data:;base64,aGVsbG8=x", "data:;base64,a", "data:nocomma"})
        Check(!DataUriBytes(bad), std::string("malformed data refused: ") + bad);
}

void TestArtFiles() {
    std::string dir = "/tmp/quill-unit-XXXXXX";
    Check(mkdtemp(dir.data()) != nullptr, "scratch folder");
    std::string fifo = dir + "/cover.png", file = dir + "/real.png";
    Check(mkfifo(fifo.c_str(), 0600) == 0, "fifo made");
    Check(!ReadRegularFile(fifo, 100), "a FIFO is refused at once, not waited on");
    std::ofstream(file) << "0123456789";
    Check(ReadRegularFile(file, 10) == std::string("0123456789"), "a file within the limit");
    Check(!ReadRegularFile(file, 9), "a file past the limit is refused");
    Check(!ReadRegularFile(dir, 100), "a folder is refused");
    unlink(fifo.c_str());
    unlink(file.c_str());
    rmdir(dir.c_str());
}

// Why the session file cannot be written there; empty when it can.
std::string SessionFileRefusal(const std::string& path) {
    try {
        SessionFile file(path, 4242, MakeToken());
        return {};
    } catch (const std::runtime_error& error) {
        return error.what();
    }
}

bool ModeIs(const std::string& path, mode_t mode) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && (info.st_mode & 07777) == mode;
}

// The session file is the user's alone (0600) in a folder of the user's alone
// (0700); any other folder is refused with a message that says so, and no
// scratch copy of the file stays behind.
void TestSessionFile() {
    std::string dir = "/tmp/quill-unit-XXXXXX";
    Check(mkdtemp(dir.data()) != nullptr, "scratch folder");
    {
        SessionFile file(dir + "/made/bridge", 4242, MakeToken());
        Check(ModeIs(dir + "/made", 0700), "a folder made for the file is 0700");
        Check(ModeIs(dir + "/made/bridge", 0600), "the session file is 0600");
    }
    Check(access((dir + "/made/bridge").c_str(), F_OK) != 0, "the session file goes with its helper");

    const std::string open = dir + "/open", others = dir + "/others";
    mkdir(open.c_str(), 0700);
    chmod(open.c_str(), 0750);
    std::string why = SessionFileRefusal(open + "/bridge");
    Check(why.find("mode 0700") != std::string::npos, "a folder the group can read is refused: " + why);
    Check(std::filesystem::is_empty(open), "nothing is left in a refused folder");

    mkdir(others.c_str(), 0700);
    if (getuid() == 0 && chown(others.c_str(), 65534, 65534) == 0) {
        why = SessionFileRefusal(others + "/bridge");
        Check(why.find("of this user's") != std::string::npos, "another user's folder is refused: " + why);
    } else {
        std::printf("(another user's folder: not checked, this user cannot give a folder away)\n");
    }
    std::filesystem::remove_all(dir);
}

}  // namespace

int main() {
    TestFields();
    TestStatus();
    TestRequestsAndReplies();
    TestLineBuffer();
    TestFollowRule();
    TestPosition();
    TestMuting();
    TestUris();
    TestArtFiles();
    TestSessionFile();
    std::printf("%d passed, %d failed\n", checks - failures, failures);
    return failures == 0 ? 0 : 1;
}
