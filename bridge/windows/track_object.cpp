// The current track as one status showed it: its texts, length and rating
// stay those of that moment, like a track object of the player's library.
#include "bridge/windows/objects.h"
#include "bridge/windows/utf8.h"
#include "player_objects/track_time.h"

#include <algorithm>
#include <climits>

namespace bridge::windows {
namespace {

class TrackObject : public PlayerObject<player_objects::DefaultIITTrack<>, itunes::IID_IITObject, itunes::IID_IITTrack> {
public:
    TrackObject(Origin origin, TrackSnapshot track) : PlayerObject(std::move(origin)), track_(std::move(track)) {}

    HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override { return Text(name, track_.name); }
    HRESULT STDMETHODCALLTYPE get_Artist(BSTR* artist) override { return Text(artist, track_.artist); }
    HRESULT STDMETHODCALLTYPE get_Album(BSTR* album) override { return Text(album, track_.album); }
    HRESULT STDMETHODCALLTYPE get_Genre(BSTR* genre) override { return Text(genre, track_.genre); }
    HRESULT STDMETHODCALLTYPE get_Time(BSTR* time) override { return Text(time, player_objects::FormatDuration(track_.duration)); }
    HRESULT STDMETHODCALLTYPE get_Duration(long* duration) override { return Number(duration, track_.duration); }
    HRESULT STDMETHODCALLTYPE get_Rating(long* rating) override { return Number(rating, track_.rating); }
    // The player plays what it has: a track is played by playing on.
    HRESULT STDMETHODCALLTYPE Play() override { return SendCommand(Command::Play); }
    HRESULT STDMETHODCALLTYPE get_Artwork(itunes::IITArtworkCollection** artworks) override {
        return ServeOut(artworks, [this](const Status&, itunes::IITArtworkCollection*& out) {
            return HandOutArtworks(origin(), track_, &out);
        });
    }
    // put_Rating and AddArtworkFromFile keep their failure: MPRIS only reports a rating and has no artwork to set.

private:
    HRESULT Text(BSTR* out, const std::wstring& value) {
        return ServeOut(out, [&value](const Status&, BSTR& text) { return TextOut(value, text); });
    }
    HRESULT Number(long* out, long value) {
        return ServeOut(out, [value](const Status&, long& number) {
            number = value;
            return S_OK;
        });
    }

    TrackSnapshot track_;
};

}  // namespace

std::optional<TrackSnapshot> SnapshotOf(const Status& status) {
    if (status.track.empty() && status.title.empty()) return std::nullopt;
    TrackSnapshot track;
    track.id = status.track;
    track.name = WideFromUtf8(status.title);
    track.artist = WideFromUtf8(status.artist);
    track.album = WideFromUtf8(status.album);
    track.genre = WideFromUtf8(status.genre);
    // Rounded: a file of 20.99 s is a track of 0:21.
    track.duration = static_cast<long>(std::clamp<std::int64_t>((status.length_ms + 500) / 1000, 0, LONG_MAX));
    track.rating = status.rating;
    track.hasArt = !status.art_url.empty();
    return track;
}

HRESULT HandOutTrack(Origin origin, TrackSnapshot track, itunes::IITTrack** out) {
    return (new TrackObject(std::move(origin), std::move(track)))->HandOut(out);
}

}  // namespace bridge::windows
