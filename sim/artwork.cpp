#include "player_objects/com_defaults.h"
#include "sim/com_object.h"
#include "sim/objects.h"

namespace sim {
namespace {

// The artwork a track had when the object was handed out.
class ArtworkObject : public ComObject<DefaultIITArtwork<>, itunes::IID_IITArtwork> {
public:
    explicit ArtworkObject(std::shared_ptr<Artwork> artwork)
        : ComObject("IITArtwork"), artwork_(std::move(artwork)) {}

    HRESULT STDMETHODCALLTYPE SaveArtworkToFile(BSTR path) override {
        return Serve("SaveArtworkToFile", Arg(path), [this, path] {
            return path ? SaveArtwork(*artwork_, path) : E_INVALIDARG;
        });
    }
    HRESULT STDMETHODCALLTYPE get_Format(itunes::ITArtworkFormat* format) override {
        return ServeOut("get_Format", format, [this](itunes::ITArtworkFormat& out) {
            out = artwork_->format;
            return S_OK;
        });
    }

private:
    std::shared_ptr<Artwork> artwork_;
};

}  // namespace

HRESULT HandOutArtwork(std::shared_ptr<Track> track, itunes::IITArtwork** out) {
    if (!track->artwork) return E_INVALIDARG;
    return (new ArtworkObject(track->artwork))->HandOut(out);
}

}  // namespace sim
