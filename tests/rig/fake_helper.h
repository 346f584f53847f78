// A stand-in for the bridge's helper inside the test program: it listens on
// 127.0.0.1, writes a session file and answers the wire format in one of the
// ways a real helper may fail (silent, slow, cut off, garbled, refusing), each
// connection on a thread of its own so that only the bridge's reader waits for
// it, and only that connection's requests wait behind a cover. And the
// calls the widget makes to the bridge, each timed, for the bound on how long
// the widget's thread may spend in one.
#pragma once

#include "bridge/windows/player_session.h"
#include "bridge/wire/protocol.h"
#include "platform/itunes_com.h"
#include "platform/win_owners.h"
#include "rig/rig.h"

#include <winsock2.h>
#include <wrl/client.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace rig {

enum class HelperFault {
    None,           // answers at once
    Silent,         // takes the connection, never answers
    Slow,           // answers each line after a delay
    GoneMidLine,    // sends half of the status line and closes
    PartialLine,    // sends half of the status line and stays
    OverlongLine,   // sends a line longer than the wire allows
    Garbage,        // answers every request with bytes that mean nothing
    Refused,        // denies the token
    HangsUp,        // answers, but ends every connection after three requests
    DropsCommands,  // answers, but ends the connection at a command without carrying it out
};

class FakeHelper {
public:
    static constexpr char kToken[] = "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef";

    explicit FakeHelper(HelperFault fault, std::chrono::milliseconds delay = std::chrono::milliseconds(0))
        : fault_(fault), delay_(delay) {
        SOCKET raw = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        listener_.reset(raw);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int length = sizeof address;
        bind(raw, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(raw, 4);
        getsockname(raw, reinterpret_cast<sockaddr*>(&address), &length);
        sessionFile_ = WorkFolder() + "fake-helper-session";
        std::ofstream(sessionFile_, std::ios::binary | std::ios::trunc)
            << "port=" << ntohs(address.sin_port) << "\ntoken=" << kToken << "\n";
        thread_ = std::thread([this] { Serve(); });
    }
    ~FakeHelper() {
        stop_ = true;
        thread_.join();
    }
    FakeHelper(const FakeHelper&) = delete;
    FakeHelper& operator=(const FakeHelper&) = delete;

    const std::string& sessionFile() const { return sessionFile_; }
    int connections() const { return connections_; }

    // ART is answered only after this long, as for a cover being downloaded.
    void DelayCovers(std::chrono::milliseconds delay) { coverDelay_ = delay; }
    // The player goes on to another track, with a cover of its own.
    void ChangeTrack(const std::string& track, const std::string& title) {
        std::lock_guard<std::mutex> lock(mutex_);
        status_.track = track;
        status_.title = title;
    }
    // How many requests of the command came, on any connection.
    int Received(bridge::wire::Command command) const {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto found = received_.find(command);
        return found == received_.end() ? 0 : found->second;
    }

    // The status a working helper would give: a paused player on a track with a cover.
    static bridge::wire::Status PlayerStatus() {
        bridge::wire::Status status;
        status.connected = true;
        status.player = "org.mpris.MediaPlayer2.fake";
        status.identity = "Fake";
        status.state = bridge::wire::PlayState::Paused;
        status.volume = 50;
        status.track = "/fake/track/1";
        status.title = "Fake track";
        status.length_ms = 60000;
        status.art_url = "file:///fake/cover.png";
        status.generation = 1;
        status.instance = "fakeinstance";
        status.owner = ":1.1";
        return status;
    }

private:
    // Whether the socket becomes readable within a moment; false once told to stop.
    bool Readable(SOCKET socket) const {
        while (!stop_) {
            fd_set ready;
            FD_ZERO(&ready);
            FD_SET(socket, &ready);
            timeval slice = {0, 50 * 1000};
            const int count = select(0, &ready, nullptr, nullptr, &slice);
            if (count != 0) return count > 0;
        }
        return false;
    }
    void Pause(std::chrono::milliseconds pause) const {
        const auto end = std::chrono::steady_clock::now() + pause;
        while (!stop_ && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    static void SendAll(SOCKET socket, const std::string& bytes) {
        for (std::size_t sent = 0; sent < bytes.size();) {
            const int n = send(socket, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
            if (n <= 0) return;
            sent += static_cast<std::size_t>(n);
        }
    }

    void Serve() {
        std::vector<std::thread> conversations;
        while (Readable(listener_.get())) {
            const SOCKET client = accept(listener_.get(), nullptr, nullptr);
            if (client == INVALID_SOCKET) continue;
            ++connections_;
            conversations.emplace_back([this, client] {
                UniqueSocket owned(client);
                Converse(owned.get());
            });
        }
        for (std::thread& conversation : conversations) conversation.join();
    }

    void Converse(SOCKET client) {
        int answered = 0;
        bridge::wire::LineBuffer in;
        char chunk[4096];
        while (Readable(client)) {
            const int n = recv(client, chunk, sizeof chunk, 0);
            if (n <= 0) return;
            in.Append(chunk, static_cast<std::size_t>(n));
            while (std::optional<std::string> line = in.NextLine()) {
                if (fault_ == HelperFault::Silent) continue;
                Pause(delay_);
                if (stop_ || !Answer(client, *line)) return;
                if (fault_ == HelperFault::HangsUp && line->rfind("HELLO", 0) != 0 && ++answered == 3) return;
            }
        }
    }

    // False when the connection is to end.
    bool Answer(SOCKET client, const std::string& line) {
        if (line.rfind("HELLO", 0) == 0) {
            SendAll(
                client,
                std::string(fault_ == HelperFault::Refused ? bridge::wire::kDenied : bridge::wire::kGreeting) + "\n");
            return fault_ != HelperFault::Refused;
        }
        const std::string status = bridge::wire::FormatStatusReply(CurrentStatus());
        switch (fault_) {
        case HelperFault::GoneMidLine: SendAll(client, status.substr(0, status.size() / 2)); return false;
        case HelperFault::PartialLine: SendAll(client, status.substr(0, status.size() / 2)); return true;
        case HelperFault::OverlongLine:
            SendAll(client, "OK " + std::string(bridge::wire::kMaxLineBytes + 16, 'x'));
            return true;
        case HelperFault::Garbage: SendAll(client, std::string("\x01\xff garbage \t\\q\n", 15)); return true;
        default: break;
        }
        const std::optional<bridge::wire::Request> request = bridge::wire::ParseRequest(line);
        if (request) Count(request->command);
        if (!request) {
            SendAll(client, "ERR unknown\n");
        } else if (fault_ == HelperFault::DropsCommands && IsCommand(request->command)) {
            return false;
        } else if (request->command == bridge::wire::Command::Status) {
            SendAll(client, status + "\n");
        } else if (request->command == bridge::wire::Command::Players) {
            SendAll(client, "OK 1\n" +
                                bridge::wire::FormatPlayerEntry({"org.mpris.MediaPlayer2.fake", "Fake",
                                                                 bridge::wire::PlayState::Paused, true, false}) +
                                "\n");
        } else if (request->command == bridge::wire::Command::Art) {
            Pause(coverDelay_);
            // The cover of the track playing when it is ready, as the helper.
            const bool playing = request->argument.empty() || request->argument == CurrentStatus().track;
            SendAll(client, playing ? "OK 4\ncovr" : "ERR none\n");
        } else if (request->command == bridge::wire::Command::Playlists) {
            SendAll(client, "OK 0\n");
        } else {
            SendAll(client, "OK\n");
        }
        return true;
    }

    // A command to the player, as against a question about it.
    static bool IsCommand(bridge::wire::Command command) {
        using bridge::wire::Command;
        return command != Command::Status && command != Command::Art && command != Command::Players &&
               command != Command::Playlists;
    }
    bridge::wire::Status CurrentStatus() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return status_;
    }
    void Count(bridge::wire::Command command) {
        std::lock_guard<std::mutex> lock(mutex_);
        ++received_[command];
    }

    WinsockSession winsock_;
    HelperFault fault_;
    std::chrono::milliseconds delay_;
    std::atomic<std::chrono::milliseconds> coverDelay_{std::chrono::milliseconds(0)};
    mutable std::mutex mutex_;
    bridge::wire::Status status_ = PlayerStatus();
    std::map<bridge::wire::Command, int> received_;
    UniqueSocket listener_;
    std::string sessionFile_;
    std::atomic<bool> stop_{false};
    std::atomic<int> connections_{0};
    std::thread thread_;
};

// The longest single call the widget's thread made into the bridge, and how many it made.
struct WidgetCallTimes {
    double longestMs = 0;
    const char* longest = "";  // which call it was
    long calls = 0;
    bool attached = false;  // the widget had the player's object at some time
};

// For the given time, the calls the widget makes as it ticks, is clicked, is
// wheeled and has its menu built, each timed; messages are pumped between ticks.
inline WidgetCallTimes TimeWidgetCalls(bridge::windows::PlayerSession& bridge, std::chrono::milliseconds length,
                                       std::chrono::milliseconds tickPeriod = std::chrono::milliseconds(20)) {
    using Clock = std::chrono::steady_clock;
    WidgetCallTimes times;
    const auto timed = [&times](const char* what, auto&& call) {
        const Clock::time_point start = Clock::now();
        call();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (ms > times.longestMs) {
            times.longestMs = ms;
            times.longest = what;
        }
        ++times.calls;
    };
    Microsoft::WRL::ComPtr<itunes::IiTunes> app;
    std::wstring artTrack;  // the track whose art was last saved: as the module, once a track
    const std::wstring artFile = std::wstring(L"fake-helper-art");
    const Clock::time_point end = Clock::now() + length;
    for (long tick = 0; Clock::now() < end; ++tick) {
        timed("PlayerSession::Check", [&] { bridge.Check(); });
        // As the module, which attaches only while the player's window is there.
        if (!app && bridge.window()) {
            timed("CoCreateInstance", [&] {
                CoCreateInstance(itunes::CLSID_iTunesApp, nullptr, CLSCTX_INPROC_SERVER, itunes::IID_IiTunes,
                                 reinterpret_cast<void**>(app.GetAddressOf()));
            });
        }
        if (app) {
            BSTR text = nullptr;
            long number = 0;
            itunes::ITPlayerState state{};
            Microsoft::WRL::ComPtr<itunes::IITTrack> track;
            timed("get_Version", [&] { app->get_Version(&text); });
            SysFreeString(text);
            timed("get_PlayerState", [&] { app->get_PlayerState(&state); });
            timed("get_PlayerPosition", [&] { app->get_PlayerPosition(&number); });
            timed("get_SoundVolume", [&] { app->get_SoundVolume(&number); });
            timed("get_CurrentTrack", [&] { app->get_CurrentTrack(track.GetAddressOf()); });
            if (track) {
                Microsoft::WRL::ComPtr<itunes::IITArtworkCollection> artworks;
                Microsoft::WRL::ComPtr<itunes::IITArtwork> artwork;
                timed("get_Name", [&] { track->get_Name(&text); });
                const std::wstring name = text ? text : L"";
                SysFreeString(text);
                timed("get_Duration", [&] { track->get_Duration(&number); });
                timed("get_Artwork", [&] { track->get_Artwork(artworks.GetAddressOf()); });
                if (artworks) timed("get_Item", [&] { artworks->get_Item(1, artwork.GetAddressOf()); });
                BSTR path = SysAllocString(artFile.c_str());
                if (artwork && name != artTrack) timed("SaveArtworkToFile", [&] { artwork->SaveArtworkToFile(path); });
                artTrack = name;
                SysFreeString(path);
            }
            // A click, a wheel step and the menu now and then.
            if (tick % 5 == 0) timed("PlayPause", [&] { app->PlayPause(); });
            if (tick % 5 == 1) timed("put_PlayerPosition", [&] { app->put_PlayerPosition(10); });
            if (tick % 5 == 2) timed("put_SoundVolume", [&] { app->put_SoundVolume(number - 4); });
            if (tick % 5 == 3) {
                Microsoft::WRL::ComPtr<itunes::IITSourceCollection> sources;
                Microsoft::WRL::ComPtr<itunes::IITSource> source;
                Microsoft::WRL::ComPtr<itunes::IITPlaylistCollection> playlists;
                timed("get_Sources", [&] { app->get_Sources(sources.GetAddressOf()); });
                if (sources) timed("get_Item", [&] { sources->get_Item(1, source.GetAddressOf()); });
                if (source) timed("get_Playlists", [&] { source->get_Playlists(playlists.GetAddressOf()); });
            }
            // A run that ended lets go, as the module does, and attaches again.
            HRESULT probe = S_OK;
            timed("get_Version", [&] { probe = app->get_Version(&text); });
            SysFreeString(text);
            times.attached = true;
            if (FAILED(probe)) app.Reset();
        }
        if (tick % 5 == 4) {
            UniqueMenu menu(CreatePopupMenu());
            timed("PlayerMenu::Append", [&] { bridge.menu().Append(menu.get(), 100); });
            timed("PlayerMenu::Choose", [&] { bridge.menu().Choose(0); });
            // The module shows or hides the player's window without waiting for it.
            if (HWND window = bridge.window()) timed("ShowWindowAsync", [&] { ShowWindowAsync(window, SW_SHOWNA); });
        }
        PumpFor(static_cast<int>(tickPeriod.count()));
    }
    return times;
}

}  // namespace rig
