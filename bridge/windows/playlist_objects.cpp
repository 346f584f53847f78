// The followed player as the one source, its MPRIS playlists (none when it
// offers none), and the library playlist that files are added through.
#include "bridge/windows/objects.h"
#include "bridge/windows/utf8.h"
#include "bridge/windows/wine_paths.h"

namespace bridge::windows {
namespace {

constexpr itunes::ITSourceKind kLibrarySource = 1;
constexpr wchar_t kLibraryName[] = L"Library";

class SourceObject : public PlayerObject<player_objects::DefaultIITSource<>, itunes::IID_IITObject, itunes::IID_IITSource> {
public:
    SourceObject(Origin origin, std::wstring name) : PlayerObject(std::move(origin)), name_(std::move(name)) {}

    HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override {
        return ServeOut(name, [this](const Status&, BSTR& out) { return TextOut(name_, out); });
    }
    HRESULT STDMETHODCALLTYPE get_Kind(itunes::ITSourceKind* kind) override {
        return ServeOut(kind, [](const Status&, itunes::ITSourceKind& out) {
            out = kLibrarySource;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_Playlists(itunes::IITPlaylistCollection** playlists) override {
        return ServeOut(playlists, [this](const Status& status, itunes::IITPlaylistCollection*& out) {
            return HandOutPlaylists(origin(), status.playlists ? client().Playlists() : std::vector<PlaylistEntry>(),
                                    &out);
        });
    }

private:
    std::wstring name_;
};

class PlaylistObject
    : public PlayerObject<player_objects::DefaultIITPlaylist<>, itunes::IID_IITObject, itunes::IID_IITPlaylist> {
public:
    PlaylistObject(Origin origin, PlaylistEntry playlist)
        : PlayerObject(std::move(origin)), playlist_(std::move(playlist)) {}

    HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override {
        return ServeOut(name, [this](const Status&, BSTR& out) { return TextOut(WideFromUtf8(playlist_.name), out); });
    }
    HRESULT STDMETHODCALLTYPE PlayFirstTrack() override {
        return SendCommand(Command::Activate, playlist_.object_path);
    }

private:
    PlaylistEntry playlist_;
};

class LibraryPlaylistObject
    : public PlayerObject<player_objects::DefaultIITLibraryPlaylist<>, itunes::IID_IITObject, itunes::IID_IITPlaylist,
                          itunes::IID_IITLibraryPlaylist> {
public:
    explicit LibraryPlaylistObject(Origin origin) : PlayerObject(std::move(origin)) {}

    HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override {
        return ServeOut(name, [](const Status&, BSTR& out) { return TextOut(kLibraryName, out); });
    }
    // The player opens the file, which replaces what it plays; the addition is
    // over once asked for: its track is the one playing when the module looks.
    HRESULT STDMETHODCALLTYPE AddFile(BSTR path, itunes::IITOperationStatus** status) override {
        return ServeOut(status, [this, path](const Status&, itunes::IITOperationStatus*& out) {
            const std::optional<std::string> unixPath = path ? UnixPathOf(path) : std::nullopt;
            if (!unixPath) return E_INVALIDARG;
            if (!client().Send(Command::Open, *unixPath)) return E_FAIL;
            return HandOutOperation(origin(), &out);
        });
    }
};

// A finished addition whose tracks are the track playing when they are asked for.
class OperationStatus : public PlayerObject<player_objects::DefaultIITOperationStatus<>, itunes::IID_IITOperationStatus> {
public:
    explicit OperationStatus(Origin origin) : PlayerObject(std::move(origin)) {}

    HRESULT STDMETHODCALLTYPE get_InProgress(VARIANT_BOOL* inProgress) override {
        return ServeOut(inProgress, [](const Status&, VARIANT_BOOL& out) {
            out = VARIANT_FALSE;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_Tracks(itunes::IITTrackCollection** tracks) override {
        return ServeOut(tracks, [this](const Status& status, itunes::IITTrackCollection*& out) {
            std::vector<TrackSnapshot> current;
            if (std::optional<TrackSnapshot> track = SnapshotOf(status)) current.push_back(std::move(*track));
            return HandOutTracks(origin(), std::move(current), &out);
        });
    }
};

}  // namespace

HRESULT HandOutSource(Origin origin, std::wstring playerName, itunes::IITSource** out) {
    return (new SourceObject(std::move(origin), std::move(playerName)))->HandOut(out);
}

HRESULT HandOutPlaylist(Origin origin, PlaylistEntry playlist, itunes::IITPlaylist** out) {
    return (new PlaylistObject(std::move(origin), std::move(playlist)))->HandOut(out);
}

HRESULT HandOutLibraryPlaylist(Origin origin, itunes::IITLibraryPlaylist** out) {
    return (new LibraryPlaylistObject(std::move(origin)))->HandOut(out);
}

HRESULT HandOutOperation(Origin origin, itunes::IITOperationStatus** out) {
    return (new OperationStatus(std::move(origin)))->HandOut(out);
}

}  // namespace bridge::windows
