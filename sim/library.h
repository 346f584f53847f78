// The player's data: tracks, playlists and sources. Plain records shared by
// the model and the objects handed to clients, so an object outlives a reset.
#pragma once

#include "platform/itunes_com.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace sim {

struct Artwork {
    // Either a picture drawn on request (a gradient with a letter) ...
    std::wstring letter;
    COLORREF topColor = 0;
    COLORREF bottomColor = 0;
    // ... or the bytes of a file added to the track.
    std::vector<BYTE> fileBytes;
    itunes::ITArtworkFormat format = 2;  // 1 JPEG, 2 PNG, 3 BMP
};

struct Track {
    std::wstring name, artist, album, genre, composer, comment, kind;
    long duration = 0;  // seconds
    long rating = 0;    // 0..100
    std::shared_ptr<Artwork> artwork;  // null: none
};

struct Playlist {
    std::wstring name;
    itunes::ITPlaylistKind kind = 2;  // 1 library, 2 user
    std::vector<std::shared_ptr<Track>> tracks;
};

struct Source {
    std::wstring name;
    itunes::ITSourceKind kind = 1;  // 1 library, 2 portable player
    std::vector<std::shared_ptr<Playlist>> playlists;
};

struct Library {
    std::vector<std::shared_ptr<Source>> sources;

    // The first playlist of the first source: every track of the library.
    std::shared_ptr<Playlist> MainPlaylist() const;
    // The source holding the playlist, or null.
    std::shared_ptr<Source> SourceOf(const Playlist& playlist) const;

    // A few dozen invented tracks in two sources. Among them: a very long
    // title, a track without artist, two tracks named alike on different
    // albums that follow each other in "Evening Drive", and albums without art.
    static Library BuiltIn();
};

}  // namespace sim
