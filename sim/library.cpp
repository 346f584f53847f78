#include "sim/library.h"

namespace sim {
namespace {

struct AlbumRow {
    const wchar_t* album;
    const wchar_t* artist;
    const wchar_t* genre;
    const wchar_t* composer;
    const wchar_t* kind;
    bool hasArt;
    COLORREF top, bottom;
};

struct TrackRow {
    int album;  // index into kAlbums
    const wchar_t* name;
    long duration;
    long rating;
    const wchar_t* comment;
};

constexpr const wchar_t* kMp3 = L"MPEG audio file";
constexpr const wchar_t* kAac = L"AAC audio file";
constexpr const wchar_t* kLossless = L"Apple Lossless audio file";

const AlbumRow kAlbums[] = {
    {L"Harbour Lights", L"The Lantern Society", L"Folk", L"Mara Ellery", kAac, true, RGB(32, 64, 128), RGB(230, 170, 60)},
    {L"Copper Sky", L"Juniper Vale", L"Pop", L"Juniper Vale", kMp3, true, RGB(190, 90, 40), RGB(250, 220, 150)},
    {L"Night Ferry", L"Osric Bell Quartet", L"Jazz", L"Osric Bell & Tam Marlowe", kLossless, false, 0, 0},
    {L"Field Recordings, Vol. 2", L"", L"Ambient", L"", kMp3, true, RGB(40, 110, 70), RGB(180, 220, 160)},
    {L"Static Bloom", L"Paper Moths", L"Rock", L"Ines Carrow", kAac, true, RGB(120, 20, 90), RGB(20, 20, 30)},
    {L"Slow Orbit", L"Kestrel & Finch", L"Electronic", L"Dov Kestrel", kMp3, false, 0, 0},
    {L"Tidewater Sessions", L"The Lantern Society", L"Folk", L"Mara Ellery", kAac, true, RGB(10, 90, 110), RGB(200, 230, 240)},
};

const TrackRow kTracks[] = {
    {0, L"Morning Tide", 214, 80, L"First take"},
    {0, L"Salt on the Windows", 187, 60, L""},
    {0, L"The Keeper's Daughter", 256, 100, L"Favourite"},
    {0, L"Nets and Knots", 171, 40, L""},
    {0, L"Harbour Lights", 302, 80, L"Title track"},
    {0, L"Last Boat Out", 233, 0, L""},
    {1, L"Copper Sky", 201, 100, L"Single"},
    {1, L"Paper Planes in June", 185, 80, L""},
    {1, L"Neon Orchard", 219, 60, L""},
    {1, L"Hold the Line, Caroline", 196, 20, L""},
    {1, L"Sugar Static", 174, 0, L"Radio edit"},
    {1, L"Goodnight, Telephone", 242, 80, L""},
    {2, L"Crossing at Midnight", 412, 100, L"Recorded live"},
    {2, L"Blue Lantern Waltz", 365, 80, L""},
    {2, L"Deck Shoes", 298, 60, L""},
    {2, L"Fog Signal", 455, 40, L""},
    {2, L"Arrival, 5 a.m.", 331, 0, L""},
    {3, L"Rain on a Tin Roof", 540, 60, L"Recorded in the garden"},
    {3, L"Crickets at Dusk", 612, 40, L""},
    {3, L"Distant Train", 287, 0, L""},
    {3, L"Kettle", 95, 20, L""},
    {4, L"Static Bloom", 228, 80, L""},
    {4, L"Glass Teeth", 199, 60, L""},
    {4, L"The Unbearably Long Walk Home Through the Rain After the Last Train Had Already Left the Station", 417, 100, L"Long title"},
    {4, L"Moths", 185, 40, L""},
    {4, L"Fuse Box", 164, 20, L""},
    {4, L"Afterglow", 276, 80, L""},
    {5, L"Slow Orbit", 388, 60, L""},
    {5, L"Perihelion", 304, 80, L""},
    {5, L"Cold Start", 251, 0, L""},
    {5, L"Telemetry", 322, 40, L""},
    {5, L"Re-entry", 279, 100, L""},
    {6, L"Morning Tide", 238, 60, L"Live at the pier"},
    {6, L"Ropewalk", 205, 40, L""},
    {6, L"Lamplighter", 262, 80, L""},
};

std::shared_ptr<Artwork> DrawnArtwork(const AlbumRow& album) {
    auto artwork = std::make_shared<Artwork>();
    artwork->letter = std::wstring(1, album.album[0]);
    artwork->topColor = album.top;
    artwork->bottomColor = album.bottom;
    return artwork;
}

std::shared_ptr<Playlist> MakePlaylist(const wchar_t* name, itunes::ITPlaylistKind kind,
                                       const std::vector<std::shared_ptr<Track>>& all,
                                       std::initializer_list<int> picks) {
    auto playlist = std::make_shared<Playlist>();
    playlist->name = name;
    playlist->kind = kind;
    for (int pick : picks) playlist->tracks.push_back(all[pick]);
    return playlist;
}

}  // namespace

std::shared_ptr<Playlist> Library::MainPlaylist() const {
    if (sources.empty() || sources.front()->playlists.empty()) return nullptr;
    return sources.front()->playlists.front();
}

std::shared_ptr<Source> Library::SourceOf(const Playlist& playlist) const {
    for (const auto& source : sources)
        for (const auto& candidate : source->playlists)
            if (candidate.get() == &playlist) return source;
    return nullptr;
}

Library Library::BuiltIn() {
    std::vector<std::shared_ptr<Artwork>> albumArt;
    for (const AlbumRow& album : kAlbums) albumArt.push_back(album.hasArt ? DrawnArtwork(album) : nullptr);

    std::vector<std::shared_ptr<Track>> all;
    for (const TrackRow& row : kTracks) {
        const AlbumRow& album = kAlbums[row.album];
        auto track = std::make_shared<Track>();
        track->name = row.name;
        track->artist = album.artist;
        track->album = album.album;
        track->genre = album.genre;
        track->composer = album.composer;
        track->comment = row.comment;
        track->kind = album.kind;
        track->duration = row.duration;
        track->rating = row.rating;
        track->artwork = albumArt[row.album];
        all.push_back(track);
    }

    auto main = std::make_shared<Playlist>();
    main->name = L"Library";
    main->kind = 1;
    main->tracks = all;

    auto library = std::make_shared<Source>();
    library->name = L"Library";
    library->kind = 1;
    library->playlists = {
        main,
        MakePlaylist(L"Evening Drive", 2, all, {6, 0, 32, 21, 27, 13, 8}),
        MakePlaylist(L"Quiet Hours", 2, all, {17, 18, 13, 20, 34}),
        MakePlaylist(L"Top Rated", 2, all, {2, 6, 12, 23, 31}),
    };

    auto pocket = std::make_shared<Source>();
    pocket->name = L"Pocket Player";
    pocket->kind = 2;
    pocket->playlists = {
        MakePlaylist(L"Pocket Player", 1, all, {0, 1, 2, 6, 7, 21, 22, 23, 27, 28}),
        MakePlaylist(L"Run Mix", 2, all, {21, 10, 29, 24, 7}),
    };

    Library result;
    result.sources = {library, pocket};
    return result;
}

}  // namespace sim
