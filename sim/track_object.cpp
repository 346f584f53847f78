#include "player_objects/com_defaults.h"
#include "sim/com_object.h"
#include "sim/objects.h"
#include "player_objects/track_time.h"

namespace sim {
namespace {

class TrackObject : public ComObject<DefaultIITTrack<>, itunes::IID_IITObject, itunes::IID_IITTrack> {
public:
    TrackObject(std::shared_ptr<Track> track, std::shared_ptr<Playlist> context)
        : ComObject("IITTrack"), track_(std::move(track)), context_(std::move(context)) {}

    HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override { return Text("get_Name", name, &Track::name); }
    HRESULT STDMETHODCALLTYPE get_Artist(BSTR* artist) override { return Text("get_Artist", artist, &Track::artist); }
    HRESULT STDMETHODCALLTYPE get_Album(BSTR* album) override { return Text("get_Album", album, &Track::album); }
    HRESULT STDMETHODCALLTYPE get_Genre(BSTR* genre) override { return Text("get_Genre", genre, &Track::genre); }
    HRESULT STDMETHODCALLTYPE get_Comment(BSTR* comment) override {
        return Text("get_Comment", comment, &Track::comment);
    }
    HRESULT STDMETHODCALLTYPE get_Composer(BSTR* composer) override {
        return Text("get_Composer", composer, &Track::composer);
    }
    HRESULT STDMETHODCALLTYPE get_KindAsString(BSTR* kind) override {
        return Text("get_KindAsString", kind, &Track::kind);
    }

    HRESULT STDMETHODCALLTYPE get_Kind(itunes::ITTrackKind* kind) override {
        return ServeOut("get_Kind", kind, [](itunes::ITTrackKind& out) {
            out = 1;  // a file
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_Time(BSTR* time) override {
        return ServeOut("get_Time", time, [this](BSTR& out) { return StringOut(FormatDuration(track_->duration), out); });
    }
    HRESULT STDMETHODCALLTYPE get_Duration(long* duration) override {
        return ServeOut("get_Duration", duration, [this](long& out) {
            out = track_->duration;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_Rating(long* rating) override {
        return ServeOut("get_Rating", rating, [this](long& out) {
            out = track_->rating;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE put_Rating(long rating) override {
        return Serve("put_Rating", Arg(rating), [this, rating] {
            track_->rating = rating;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE Play() override {
        return Serve("Play", Arg(), [this] {
            Player::Get().Play(track_, context_);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE AddArtworkFromFile(BSTR path, itunes::IITArtwork** artwork) override {
        return ServeOut("AddArtworkFromFile", Arg(path), artwork, [this, path](itunes::IITArtwork*& out) {
            auto added = std::make_shared<Artwork>();
            HRESULT read = ReadArtworkFile(path, *added);
            if (FAILED(read)) return read;
            track_->artwork = added;
            return HandOutArtwork(track_, &out);
        });
    }
    HRESULT STDMETHODCALLTYPE get_Artwork(itunes::IITArtworkCollection** artworks) override {
        return ServeOut("get_Artwork", artworks,
                        [this](itunes::IITArtworkCollection*& out) { return HandOutArtworks(track_, &out); });
    }

private:
    HRESULT Text(const char* member, BSTR* out, std::wstring Track::*field) {
        return ServeOut(member, out, [this, field](BSTR& text) { return StringOut((*track_).*field, text); });
    }

    std::shared_ptr<Track> track_;
    std::shared_ptr<Playlist> context_;
};

}  // namespace

HRESULT HandOutTrack(std::shared_ptr<Track> track, std::shared_ptr<Playlist> context, itunes::IITTrack** out) {
    return (new TrackObject(std::move(track), std::move(context)))->HandOut(out);
}

}  // namespace sim
