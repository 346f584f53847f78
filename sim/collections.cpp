#include "player_objects/com_defaults.h"
#include "sim/com_object.h"
#include "sim/objects.h"

namespace sim {
namespace {

// Items are a snapshot taken when the collection was handed out; indices count from 1.
template <class Items>
bool InRange(const Items& items, long index) {
    return index >= 1 && static_cast<size_t>(index) <= items.size();
}

class TrackCollection : public ComObject<DefaultIITTrackCollection<>, itunes::IID_IITTrackCollection> {
public:
    TrackCollection(TrackList tracks, std::shared_ptr<Playlist> context)
        : ComObject("IITTrackCollection"), tracks_(std::move(tracks)), context_(std::move(context)) {}

    HRESULT STDMETHODCALLTYPE get_Count(long* count) override {
        return ServeOut("get_Count", count, [this](long& out) {
            out = static_cast<long>(tracks_.size());
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_Item(long index, itunes::IITTrack** track) override {
        return ServeOut("get_Item", Arg(index), track, [this, index](itunes::IITTrack*& out) {
            return InRange(tracks_, index) ? HandOutTrack(tracks_[index - 1], context_, &out) : E_INVALIDARG;
        });
    }

private:
    TrackList tracks_;
    std::shared_ptr<Playlist> context_;
};

class PlaylistCollection : public ComObject<DefaultIITPlaylistCollection<>, itunes::IID_IITPlaylistCollection> {
public:
    explicit PlaylistCollection(std::vector<std::shared_ptr<Playlist>> playlists)
        : ComObject("IITPlaylistCollection"), playlists_(std::move(playlists)) {}

    HRESULT STDMETHODCALLTYPE get_Count(long* count) override {
        return ServeOut("get_Count", count, [this](long& out) {
            out = static_cast<long>(playlists_.size());
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_Item(long index, itunes::IITPlaylist** playlist) override {
        return ServeOut("get_Item", Arg(index), playlist, [this, index](itunes::IITPlaylist*& out) {
            return InRange(playlists_, index) ? HandOutPlaylist(playlists_[index - 1], &out) : E_INVALIDARG;
        });
    }

private:
    std::vector<std::shared_ptr<Playlist>> playlists_;
};

class SourceCollection : public ComObject<DefaultIITSourceCollection<>, itunes::IID_IITSourceCollection> {
public:
    explicit SourceCollection(std::vector<std::shared_ptr<Source>> sources)
        : ComObject("IITSourceCollection"), sources_(std::move(sources)) {}

    HRESULT STDMETHODCALLTYPE get_Count(long* count) override {
        return ServeOut("get_Count", count, [this](long& out) {
            out = static_cast<long>(sources_.size());
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_Item(long index, itunes::IITSource** source) override {
        return ServeOut("get_Item", Arg(index), source, [this, index](itunes::IITSource*& out) {
            return InRange(sources_, index) ? HandOutSource(sources_[index - 1], &out) : E_INVALIDARG;
        });
    }

private:
    std::vector<std::shared_ptr<Source>> sources_;
};

class ArtworkCollection : public ComObject<DefaultIITArtworkCollection<>, itunes::IID_IITArtworkCollection> {
public:
    explicit ArtworkCollection(std::shared_ptr<Track> track)
        : ComObject("IITArtworkCollection"), track_(std::move(track)) {}

    HRESULT STDMETHODCALLTYPE get_Count(long* count) override {
        return ServeOut("get_Count", count, [this](long& out) {
            out = track_->artwork ? 1 : 0;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_Item(long index, itunes::IITArtwork** artwork) override {
        return ServeOut("get_Item", Arg(index), artwork, [this, index](itunes::IITArtwork*& out) {
            return index == 1 && track_->artwork ? HandOutArtwork(track_, &out) : E_INVALIDARG;
        });
    }

private:
    std::shared_ptr<Track> track_;
};

}  // namespace

HRESULT HandOutTracks(TrackList tracks, std::shared_ptr<Playlist> context, itunes::IITTrackCollection** out) {
    return (new TrackCollection(std::move(tracks), std::move(context)))->HandOut(out);
}

HRESULT HandOutPlaylists(std::shared_ptr<Source> source, itunes::IITPlaylistCollection** out) {
    return (new PlaylistCollection(source->playlists))->HandOut(out);
}

HRESULT HandOutSources(std::vector<std::shared_ptr<Source>> sources, itunes::IITSourceCollection** out) {
    return (new SourceCollection(std::move(sources)))->HandOut(out);
}

HRESULT HandOutArtworks(std::shared_ptr<Track> track, itunes::IITArtworkCollection** out) {
    return (new ArtworkCollection(std::move(track)))->HandOut(out);
}

}  // namespace sim
