// Makers of the player's objects, each handing a new object out through an
// out-pointer with one reference for the caller.
#pragma once

#include "sim/library.h"
#include "sim/player.h"

#include <memory>
#include <vector>

namespace sim {

using TrackList = std::vector<std::shared_ptr<Track>>;

// `context` is the playlist the track was reached through; playing the track
// continues in it (null: the library's main playlist).
HRESULT HandOutTrack(std::shared_ptr<Track> track, std::shared_ptr<Playlist> context, itunes::IITTrack** out);
HRESULT HandOutTracks(TrackList tracks, std::shared_ptr<Playlist> context, itunes::IITTrackCollection** out);
HRESULT HandOutPlaylist(std::shared_ptr<Playlist> playlist, itunes::IITPlaylist** out);
HRESULT HandOutLibraryPlaylist(std::shared_ptr<Playlist> playlist, itunes::IITLibraryPlaylist** out);
HRESULT HandOutPlaylists(std::shared_ptr<Source> source, itunes::IITPlaylistCollection** out);
HRESULT HandOutSource(std::shared_ptr<Source> source, itunes::IITSource** out);
HRESULT HandOutSources(std::vector<std::shared_ptr<Source>> sources, itunes::IITSourceCollection** out);
HRESULT HandOutArtwork(std::shared_ptr<Track> track, itunes::IITArtwork** out);
HRESULT HandOutArtworks(std::shared_ptr<Track> track, itunes::IITArtworkCollection** out);
HRESULT HandOutOperation(std::shared_ptr<AddOperation> operation, itunes::IITOperationStatus** out);

// Artwork files: drawn pictures are written as PNG, added files as they came.
HRESULT SaveArtwork(const Artwork& artwork, const wchar_t* path);
HRESULT ReadArtworkFile(const wchar_t* path, Artwork& artwork);

}  // namespace sim
