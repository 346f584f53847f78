// Makers of the bridge's objects, each handing a new object out through an
// out-pointer with one reference for the caller.
#pragma once

#include "bridge/windows/com_base.h"

#include <string>
#include <vector>

namespace bridge::windows {

// A track as one status showed it: its object keeps these values.
struct TrackSnapshot {
    std::string id;
    std::wstring name, artist, album, genre;
    long duration = 0;  // seconds
    long rating = 0;    // 0..100
    bool hasArt = false;
};
// Empty when the player shows no track.
std::optional<TrackSnapshot> SnapshotOf(const Status& status);

HRESULT NewApp(Origin origin, REFIID iid, void** out);
HRESULT HandOutTrack(Origin origin, TrackSnapshot track, itunes::IITTrack** out);
HRESULT HandOutTracks(Origin origin, std::vector<TrackSnapshot> tracks, itunes::IITTrackCollection** out);
HRESULT HandOutArtworks(Origin origin, TrackSnapshot track, itunes::IITArtworkCollection** out);
HRESULT HandOutArtwork(Origin origin, std::string trackId, itunes::IITArtwork** out);
HRESULT HandOutSources(Origin origin, std::wstring playerName, itunes::IITSourceCollection** out);
HRESULT HandOutSource(Origin origin, std::wstring playerName, itunes::IITSource** out);
HRESULT HandOutPlaylists(Origin origin, std::vector<PlaylistEntry> playlists, itunes::IITPlaylistCollection** out);
HRESULT HandOutPlaylist(Origin origin, PlaylistEntry playlist, itunes::IITPlaylist** out);
HRESULT HandOutLibraryPlaylist(Origin origin, itunes::IITLibraryPlaylist** out);
HRESULT HandOutOperation(Origin origin, itunes::IITOperationStatus** out);

// Copies text into a new automation string for an out-value.
HRESULT TextOut(const std::wstring& text, BSTR& out);

}  // namespace bridge::windows
