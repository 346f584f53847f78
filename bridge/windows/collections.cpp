// The collections the module walks: a track's artwork, an operation's tracks,
// the sources (one: the followed player) and a source's playlists. Items are
// those of the moment the collection was handed out; indices count from 1.
#include "bridge/windows/objects.h"

namespace bridge::windows {
namespace {

template <class Items>
bool InRange(const Items& items, long index) {
    return index >= 1 && static_cast<std::size_t>(index) <= items.size();
}

// The collections differ only in their interface and how an item is handed out.
template <class Interface, const IID& Iid, class Item, class ItemInterface>
class Collection : public PlayerObject<Interface, Iid> {
public:
    using HandOutItem = HRESULT (*)(Origin, Item, ItemInterface**);
    Collection(Origin origin, std::vector<Item> items, HandOutItem handOut)
        : PlayerObject<Interface, Iid>(std::move(origin)), items_(std::move(items)), handOut_(handOut) {}

    HRESULT STDMETHODCALLTYPE get_Count(long* count) override {
        return this->ServeOut(count, [this](const Status&, long& out) {
            out = static_cast<long>(items_.size());
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_Item(long index, ItemInterface** item) override {
        return this->ServeOut(item, [this, index](const Status&, ItemInterface*& out) {
            return InRange(items_, index) ? handOut_(this->origin(), items_[index - 1], &out) : E_INVALIDARG;
        });
    }

private:
    std::vector<Item> items_;
    HandOutItem handOut_;
};

using TrackCollection = Collection<player_objects::DefaultIITTrackCollection<>, itunes::IID_IITTrackCollection, TrackSnapshot,
                                   itunes::IITTrack>;
using SourceCollection = Collection<player_objects::DefaultIITSourceCollection<>, itunes::IID_IITSourceCollection,
                                    std::wstring, itunes::IITSource>;
using PlaylistCollection = Collection<player_objects::DefaultIITPlaylistCollection<>, itunes::IID_IITPlaylistCollection,
                                      PlaylistEntry, itunes::IITPlaylist>;
using ArtworkCollection = Collection<player_objects::DefaultIITArtworkCollection<>, itunes::IID_IITArtworkCollection,
                                     std::string, itunes::IITArtwork>;

}  // namespace

HRESULT HandOutTracks(Origin origin, std::vector<TrackSnapshot> tracks, itunes::IITTrackCollection** out) {
    return (new TrackCollection(std::move(origin), std::move(tracks), &HandOutTrack))->HandOut(out);
}

HRESULT HandOutSources(Origin origin, std::wstring playerName, itunes::IITSourceCollection** out) {
    return (new SourceCollection(std::move(origin), {std::move(playerName)}, &HandOutSource))->HandOut(out);
}

HRESULT HandOutPlaylists(Origin origin, std::vector<PlaylistEntry> playlists, itunes::IITPlaylistCollection** out) {
    return (new PlaylistCollection(std::move(origin), std::move(playlists), &HandOutPlaylist))->HandOut(out);
}

// One artwork, the cover, when the track has one: it goes by the track's id.
HRESULT HandOutArtworks(Origin origin, TrackSnapshot track, itunes::IITArtworkCollection** out) {
    std::vector<std::string> covers;
    if (track.hasArt) covers.push_back(track.id);
    return (new ArtworkCollection(std::move(origin), std::move(covers), &HandOutArtwork))->HandOut(out);
}

}  // namespace bridge::windows
