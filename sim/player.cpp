#include "sim/player.h"

#include "sim/app_object.h"
#include "sim/class_factory.h"
#include "player_objects/player_window.h"
#include "sim/player_window.h"

#include <algorithm>
#include <stdexcept>

namespace sim {
namespace {

// Within this much of a track's start, BackTrack goes to the track before.
constexpr uint64_t kBackTrackRestartMs = 2000;
constexpr long kAddedTrackDuration = 180;

std::shared_ptr<Track> TrackFromFile(const std::wstring& path) {
    size_t nameStart = path.find_last_of(L"\\/");
    std::wstring file = nameStart == std::wstring::npos ? path : path.substr(nameStart + 1);
    size_t dot = file.find_last_of(L'.');
    std::wstring extension = dot == std::wstring::npos ? L"" : file.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(), towlower);

    auto track = std::make_shared<Track>();
    track->name = dot == std::wstring::npos || dot == 0 ? file : file.substr(0, dot);
    track->kind = extension == L".mp3" ? L"MPEG audio file" : extension == L".m4a" ? L"AAC audio file" : L"Audio file";
    track->duration = kAddedTrackDuration;
    return track;
}

}  // namespace

Player& Player::Get() {
    static Player player;
    return player;
}

Player::Player() : library_(Library::BuiltIn()) {}

Player::~Player() {
    if (app_) app_->EndRun();
}

void Player::Reset() {
    Quit();
    clock_.UseManualTime();
    library_ = Library::BuiltIn();
    calls_.Clear();
    faults_.Clear();
    startVisible_ = true;
    playlist_.reset();
    trackIndex_ = 0;
    playing_ = false;
    SetPositionMs(0);
    volume_ = 50;
    muted_ = false;
    iPodUpdates_ = 0;
    addFileDurationMs_ = 3000;
    addFileYieldsNoTracks_ = false;
    additions_.clear();
}

HRESULT Player::Register() {
    if (Registered()) return S_OK;
    // In-process only: the module's creation asks for any server kind and finds
    // this one first. A local-server registration would be shared through the
    // system's RPC service with every other process, where a test running in
    // parallel would reach this player, and outlive a crashed process.
    return CoRegisterClassObject(itunes::CLSID_iTunesApp, PlayerClassFactory(),
                                 CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                 &registrationCookie_);
}

void Player::Revoke() {
    if (!Registered()) return;
    CoRevokeClassObject(registrationCookie_);
    registrationCookie_ = 0;
}

bool Player::Start(bool windowVisible) {
    if (Running()) return true;
    HWND window = player_objects::CreatePlayerWindow(L"Simulated player", windowVisible, SimulatedPlayerWindowProc);
    if (!window) return false;
    window_ = window;
    ++session_;
    app_ = AppObject::NewPinned();
    return true;
}

void Player::Quit() {
    if (!Running()) return;
    Stop();
    if (!DestroyWindow(window_)) OnWindowDestroyed();
}

void Player::OnWindowDestroyed() {
    window_ = nullptr;
    ++session_;
    playlist_.reset();
    playing_ = false;
    additions_.clear();
    if (app_) app_->EndRun();
    app_ = nullptr;
}

std::shared_ptr<Track> Player::TrackAt(int index) const {
    auto main = library_.MainPlaylist();
    if (!main) throw std::out_of_range("no library playlist");
    return main->tracks.at(static_cast<size_t>(index));
}

int Player::TrackCount() const {
    auto main = library_.MainPlaylist();
    return main ? static_cast<int>(main->tracks.size()) : 0;
}

void Player::SetCurrentTrack(int index) {
    TrackAt(index);
    playlist_ = library_.MainPlaylist();
    StartTrack(static_cast<size_t>(index));
}

void Player::ClearCurrentTrack() {
    playlist_.reset();
    playing_ = false;
    SetPositionMs(0);
}

std::shared_ptr<Track> Player::CurrentTrack() {
    Update();
    return playlist_ ? playlist_->tracks[trackIndex_] : nullptr;
}

std::shared_ptr<Playlist> Player::CurrentPlaylist() {
    Update();
    return playlist_;
}

void Player::SetPlaying(bool playing) {
    if (playing)
        Resume();
    else
        Pause();
}

bool Player::Playing() {
    Update();
    return playing_;
}

long Player::Position() {
    Update();
    return static_cast<long>(PositionMs() / 1000);
}

void Player::SetPosition(long seconds) {
    Update();
    if (!playlist_) return;
    long duration = playlist_->tracks[trackIndex_]->duration;
    SetPositionMs(static_cast<uint64_t>(std::clamp(seconds, 0L, std::max(duration, 0L))) * 1000);
}

void Player::SetRating(int index, long rating) { TrackAt(index)->rating = rating; }

void Player::SetArtwork(int index, bool present) {
    auto track = TrackAt(index);
    if (!present) {
        track->artwork.reset();
        return;
    }
    auto artwork = std::make_shared<Artwork>();
    artwork->letter = std::wstring(1, track->name.empty() ? L'?' : track->name[0]);
    artwork->topColor = RGB(70, 70, 160);
    artwork->bottomColor = RGB(160, 200, 240);
    track->artwork = artwork;
}

void Player::PlayPause() {
    if (Playing())
        Pause();
    else
        Resume();
}

void Player::Pause() {
    Update();
    SetPositionMs(PositionMs());
    playing_ = false;
}

void Player::Resume() {
    Update();
    if (!playlist_) {
        auto main = library_.MainPlaylist();
        if (!main || main->tracks.empty()) return;
        playlist_ = main;
        StartTrack(0);
    }
    SetPositionMs(PositionMs());
    playing_ = true;
}

void Player::Stop() {
    ClearCurrentTrack();
}

void Player::NextTrack() {
    Update();
    if (!playlist_) return;
    if (trackIndex_ + 1 < playlist_->tracks.size())
        StartTrack(trackIndex_ + 1);
    else
        Stop();
}

void Player::BackTrack() {
    Update();
    if (!playlist_) return;
    bool nearStart = PositionMs() < kBackTrackRestartMs;
    StartTrack(nearStart && trackIndex_ > 0 ? trackIndex_ - 1 : trackIndex_);
}

void Player::PreviousTrack() {
    Update();
    if (!playlist_) return;
    StartTrack(trackIndex_ > 0 ? trackIndex_ - 1 : 0);
}

void Player::Play(std::shared_ptr<Track> track, std::shared_ptr<Playlist> playlist) {
    Update();
    for (const auto& list : {playlist, library_.MainPlaylist()}) {
        if (!list) continue;
        auto found = std::find(list->tracks.begin(), list->tracks.end(), track);
        if (found == list->tracks.end()) continue;
        playlist_ = list;
        StartTrack(static_cast<size_t>(found - list->tracks.begin()));
        playing_ = true;
        return;
    }
}

void Player::PlayFirstTrack(std::shared_ptr<Playlist> playlist) {
    Update();
    if (!playlist || playlist->tracks.empty()) return;
    playlist_ = std::move(playlist);
    StartTrack(0);
    playing_ = true;
}

std::shared_ptr<AddOperation> Player::AddFile(const std::wstring& path) {
    auto operation = std::make_shared<AddOperation>();
    operation->path = path;
    operation->doneAtMs = clock_.NowMs() + addFileDurationMs_;
    operation->yieldsTracks = !addFileYieldsNoTracks_;
    additions_.push_back(operation);
    Update();
    return operation;
}

void Player::Update() {
    FinishAdditions();
    FollowPlayback();
}

void Player::FinishAdditions() {
    uint64_t now = clock_.NowMs();
    auto main = library_.MainPlaylist();
    for (const auto& operation : additions_) {
        if (now < operation->doneAtMs) continue;
        if (operation->yieldsTracks && main) {
            auto track = TrackFromFile(operation->path);
            main->tracks.push_back(track);
            operation->tracks.push_back(track);
        }
        operation->finished = true;
    }
    additions_.erase(std::remove_if(additions_.begin(), additions_.end(),
                                    [](const auto& operation) { return operation->finished; }),
                     additions_.end());
}

// A track that has played to its end gives way to the next; after the last
// one of the playlist the player stops.
void Player::FollowPlayback() {
    if (playlist_ && trackIndex_ >= playlist_->tracks.size()) Stop();
    while (playing_ && playlist_) {
        uint64_t durationMs = static_cast<uint64_t>(std::max(playlist_->tracks[trackIndex_]->duration, 0L)) * 1000;
        uint64_t position = PositionMs();
        if (position < durationMs) return;
        if (trackIndex_ + 1 >= playlist_->tracks.size()) {
            Stop();
            return;
        }
        ++trackIndex_;
        SetPositionMs(position - durationMs);
    }
}

uint64_t Player::PositionMs() const {
    return positionAtMarkMs_ + (playing_ ? clock_.NowMs() - markMs_ : 0);
}

void Player::SetPositionMs(uint64_t milliseconds) {
    positionAtMarkMs_ = milliseconds;
    markMs_ = clock_.NowMs();
}

void Player::StartTrack(size_t index) {
    trackIndex_ = index;
    SetPositionMs(0);
}

}  // namespace sim
