// The followed track's cover, saved where the module asks for it.
#include "bridge/windows/objects.h"

#include <filesystem>
#include <fstream>

namespace bridge::windows {
namespace {

class ArtworkObject : public PlayerObject<player_objects::DefaultIITArtwork<>, itunes::IID_IITArtwork> {
public:
    ArtworkObject(Origin origin, std::string trackId) : PlayerObject(std::move(origin)), trackId_(std::move(trackId)) {}

    // The cover in memory is the followed track's: once that is another
    // track, this one's cover can no longer be had.
    HRESULT STDMETHODCALLTYPE SaveArtworkToFile(BSTR path) override {
        return Serve([this, path](const Status&) -> HRESULT {
            const std::shared_ptr<const Cover> cover = path ? client().CoverOf(trackId_) : nullptr;
            if (!cover) return E_FAIL;
            std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
            file.write(cover->bytes.data(), static_cast<std::streamsize>(cover->bytes.size()));
            file.close();
            return file ? S_OK : STG_E_WRITEFAULT;
        });
    }

private:
    std::string trackId_;
};

}  // namespace

HRESULT HandOutArtwork(Origin origin, std::string trackId, itunes::IITArtwork** out) {
    return (new ArtworkObject(std::move(origin), std::move(trackId)))->HandOut(out);
}

}  // namespace bridge::windows
