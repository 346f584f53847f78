// The simulated media player: an in-process stand-in for the player's COM
// automation server, with a small library, a playback clock, a main window of
// class "iTunes" while it runs, call recording and fault injection.
//
// Everything runs on the calling (STA) thread. Typical test use:
//   sim::Player& player = sim::Player::Get();
//   player.Reset();                 // built-in library, stopped, manual clock at 0
//   player.Register();              // CoCreateInstance now finds the player
//   player.Start(false);            // running, main window hidden
//   player.SetCurrentTrack(3); player.SetPlaying(true);
//   player.clock().Advance(5000);   // 5 s later
//   ... player.calls().Count("IiTunes.PlayPause") ...
// The demo host instead calls clock().UseRealTime() and Register().
#pragma once

#include "sim/call_log.h"
#include "sim/clock.h"
#include "sim/faults.h"
#include "sim/library.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sim {

class AppObject;

// A library addition in flight: finishes once the clock passes doneAtMs.
struct AddOperation {
    std::wstring path;
    uint64_t doneAtMs = 0;
    bool yieldsTracks = true;
    bool finished = false;
    std::vector<std::shared_ptr<Track>> tracks;  // filled when finished
};

class Player {
public:
    static Player& Get();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Back to the start: not running, built-in library, stopped with no
    // current track, volume 50, not muted, manual clock at 0, additions take
    // 3 s and yield tracks, empty call log, no faults. Registration stays.
    void Reset();

    // Class object for the player's CLSID, for this process only; while
    // revoked, creating the application object fails as if the player were
    // not installed.
    HRESULT Register();
    void Revoke();
    bool Registered() const { return registrationCookie_ != 0; }

    // Running means the main window exists. Creating the application object
    // through the class factory starts the player when it is not running,
    // with the window shown as SetStartVisible says (default shown).
    // False if the window could not be made.
    bool Start(bool windowVisible = true);
    void SetStartVisible(bool visible) { startVisible_ = visible; }
    bool StartVisible() const { return startVisible_; }
    // Stops playing and closes the window. Objects handed out before answer
    // RPC_E_DISCONNECTED from then on, also after a new start. Closing the
    // window by other means quits as well.
    void Quit();
    bool Running() const { return window_ != nullptr; }
    HWND Window() const { return window_; }

    Clock& clock() { return clock_; }
    Library& library() { return library_; }
    CallLog& calls() { return calls_; }
    Faults& faults() { return faults_; }

    // Playback. Track indices count from 0 in the library's main playlist;
    // an index out of range throws std::out_of_range.
    void SetCurrentTrack(int index);
    void ClearCurrentTrack();
    std::shared_ptr<Track> CurrentTrack();
    std::shared_ptr<Playlist> CurrentPlaylist();  // the one the current track plays from
    std::shared_ptr<Track> TrackAt(int index) const;
    int TrackCount() const;
    void SetPlaying(bool playing);
    bool Playing();
    long Position();  // seconds
    void SetPosition(long seconds);  // kept within the current track
    long Volume() const { return volume_; }
    void SetVolume(long volume) { volume_ = volume; }  // stored as given, even out of 0..100
    bool Muted() const { return muted_; }
    void SetMuted(bool muted) { muted_ = muted; }
    void SetRating(int index, long rating);
    void SetArtwork(int index, bool present);
    int IPodUpdates() const { return iPodUpdates_; }

    // Commands, as the automation interface gives them.
    void PlayPause();
    void Pause();
    void Resume();  // plays the current track, or the first of the library
    void Stop();  // stops and leaves no current track
    void NextTrack();  // past the last track of the playlist: stop
    void BackTrack();  // to the start of the track, or the previous one within the first 2 s
    void PreviousTrack();
    void Play(std::shared_ptr<Track> track, std::shared_ptr<Playlist> playlist);
    void PlayFirstTrack(std::shared_ptr<Playlist> playlist);
    void UpdateIPod() { ++iPodUpdates_; }

    // Library additions: each file becomes one new track named after it.
    void SetAddFileDuration(uint64_t milliseconds) { addFileDurationMs_ = milliseconds; }
    void SetAddFileYieldsNoTracks(bool none) { addFileYieldsNoTracks_ = none; }
    std::shared_ptr<AddOperation> AddFile(const std::wstring& path);

    // Brings playback and additions up to the clock; every call does this first.
    void Update();

    // For the objects: the run they belong to, and the application object.
    int Session() const { return session_; }
    AppObject* App() const { return app_; }
    void OnWindowDestroyed();

private:
    Player();
    ~Player();
    uint64_t PositionMs() const;
    void SetPositionMs(uint64_t milliseconds);
    void StartTrack(size_t index);
    void FinishAdditions();
    void FollowPlayback();

    Clock clock_;
    Library library_;
    CallLog calls_;
    Faults faults_;
    DWORD registrationCookie_ = 0;
    HWND window_ = nullptr;
    bool startVisible_ = true;
    int session_ = 1;
    AppObject* app_ = nullptr;  // pinned while the player runs

    std::shared_ptr<Playlist> playlist_;  // playlist playing from; null without current track
    size_t trackIndex_ = 0;
    bool playing_ = false;
    uint64_t positionAtMarkMs_ = 0;
    uint64_t markMs_ = 0;
    long volume_ = 50;
    bool muted_ = false;
    int iPodUpdates_ = 0;

    uint64_t addFileDurationMs_ = 3000;
    bool addFileYieldsNoTracks_ = false;
    std::vector<std::shared_ptr<AddOperation>> additions_;
};

// Objects of the player alive now (the application object included while the
// player runs), and references their clients hold on them.
long LiveObjects();
long OutstandingReferences();

}  // namespace sim
