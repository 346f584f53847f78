#include "player_objects/com_defaults.h"
#include "sim/com_object.h"
#include "sim/objects.h"

namespace sim {
namespace {

// One class for all playlists; only the library's main playlists answer
// IITLibraryPlaylist, as with the real player.
class PlaylistObject : public ComObject<DefaultIITLibraryPlaylist<>, itunes::IID_IITObject,
                                        itunes::IID_IITPlaylist, itunes::IID_IITLibraryPlaylist> {
public:
    explicit PlaylistObject(std::shared_ptr<Playlist> playlist)
        : ComObject(playlist->kind == 1 ? "IITLibraryPlaylist" : "IITPlaylist"), playlist_(std::move(playlist)) {}

    HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override {
        return ServeOut("get_Name", name, [this](BSTR& out) { return StringOut(playlist_->name, out); });
    }
    HRESULT STDMETHODCALLTYPE get_Kind(itunes::ITPlaylistKind* kind) override {
        return ServeOut("get_Kind", kind, [this](itunes::ITPlaylistKind& out) {
            out = playlist_->kind;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_Source(itunes::IITSource** source) override {
        return ServeOut("get_Source", source, [this](itunes::IITSource*& out) {
            auto owner = Player::Get().library().SourceOf(*playlist_);
            return owner ? HandOutSource(owner, &out) : S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_Tracks(itunes::IITTrackCollection** tracks) override {
        return ServeOut("get_Tracks", tracks, [this](itunes::IITTrackCollection*& out) {
            return HandOutTracks(playlist_->tracks, playlist_, &out);
        });
    }
    HRESULT STDMETHODCALLTYPE PlayFirstTrack() override {
        return Serve("PlayFirstTrack", Arg(), [this] {
            Player::Get().PlayFirstTrack(playlist_);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE AddFile(BSTR path, itunes::IITOperationStatus** status) override {
        return ServeOut("AddFile", Arg(path), status, [path](itunes::IITOperationStatus*& out) {
            if (!path) return E_INVALIDARG;
            return HandOutOperation(Player::Get().AddFile(path), &out);
        });
    }

protected:
    bool Answers(REFIID iid) const override {
        return ComObject::Answers(iid) && (iid != itunes::IID_IITLibraryPlaylist || playlist_->kind == 1);
    }

private:
    std::shared_ptr<Playlist> playlist_;
};

class SourceObject : public ComObject<DefaultIITSource<>, itunes::IID_IITObject, itunes::IID_IITSource> {
public:
    explicit SourceObject(std::shared_ptr<Source> source) : ComObject("IITSource"), source_(std::move(source)) {}

    HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override {
        return ServeOut("get_Name", name, [this](BSTR& out) { return StringOut(source_->name, out); });
    }
    HRESULT STDMETHODCALLTYPE get_Kind(itunes::ITSourceKind* kind) override {
        return ServeOut("get_Kind", kind, [this](itunes::ITSourceKind& out) {
            out = source_->kind;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_Playlists(itunes::IITPlaylistCollection** playlists) override {
        return ServeOut("get_Playlists", playlists,
                        [this](itunes::IITPlaylistCollection*& out) { return HandOutPlaylists(source_, &out); });
    }

private:
    std::shared_ptr<Source> source_;
};

}  // namespace

HRESULT HandOutPlaylist(std::shared_ptr<Playlist> playlist, itunes::IITPlaylist** out) {
    return (new PlaylistObject(std::move(playlist)))->HandOut(out);
}

HRESULT HandOutLibraryPlaylist(std::shared_ptr<Playlist> playlist, itunes::IITLibraryPlaylist** out) {
    return (new PlaylistObject(std::move(playlist)))->HandOut(out);
}

HRESULT HandOutSource(std::shared_ptr<Source> source, itunes::IITSource** out) {
    return (new SourceObject(std::move(source)))->HandOut(out);
}

}  // namespace sim
