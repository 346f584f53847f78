// Installing a skin on the widget: model, caches, the three layers, size.
#include "core/paths.h"
#include "core/widget_instance.h"
#include "render/skin_caches.h"
#include "skin/skin_model.h"
#include "platform/host_api.h"

#include <utility>

namespace {

constexpr char kAlbumArtLayer[] = "Quillbracket.AlbumArt";
constexpr char kPauseLayer[] = "Quillbracket.Pause_Button";
constexpr char kInfoLayer[] = "Quillbracket.Info";

}  // namespace

std::string WidgetInstance::SkinIniPath() const {
    return JoinPath({ModuleFolder(moduleHandle), "skins", skinDir, "skin.ini"});
}

std::string WidgetInstance::RelativeFolder() const {
    char folder[MAX_PATH] = {};
    CallIfPresent(Host().DeskletGetRelativeFolder, deskletWindow, folder);
    folder[MAX_PATH - 1] = '\0';
    return folder;
}

std::string WidgetInstance::SkinImagePath(const std::string& skinName, const std::string& file) const {
    return JoinPath({RelativeFolder(), "skins", skinName, "images", file});
}

UINT WidgetInstance::FindLayer(const char* name, bool* found) const {
    BOOL exists = FALSE;
    const UINT id = CallIfPresent(Host().DeskletLayerGetLayer, deskletWindow, name, &exists);
    if (found) *found = exists != FALSE;
    return id;
}

UINT WidgetInstance::FindOrAddLayer(const char* name) const {
    bool found = false;
    const UINT id = FindLayer(name, &found);
    return found ? id : CallIfPresent(Host().DeskletLayerAdd, deskletWindow, name);
}

void WidgetInstance::PlaceLayer(UINT id, const PaneRect& rect) const {
    RECT placement = rect.ToRect();
    CallIfPresent(Host().DeskletLayerSetPlacement, deskletWindow, id, FALSE, TRUE, &placement, skin->bgWidth, skin->bgHeight);
}

SkinModelPtr WidgetInstance::LoadSkin(const std::string& name, bool forAnimation) {
    skinDir = CutToBuffer(name);
    skinChanged = true;
    // Read before anything is replaced, so a widget whose load fails keeps a
    // skin. The previous model goes back to the caller, who may still be
    // walking its hotspots and discards it when done.
    SkinModelPtr fresh = ReadSkinModel(SkinIniPath());
    SkinCachesPtr freshCaches(new SkinCaches());
    SkinModelPtr previous = std::exchange(skin, std::move(fresh));
    skinCaches = std::move(freshCaches);

    artworkTrackName.reset();
    panes.ratingImage.reset();
    panes.soundImage.reset();
    panes.soundKnobImage.reset();

    const HostFunctions& host = Host();
    for (const char* layer : {kAlbumArtLayer, kPauseLayer, kInfoLayer}) {
        bool found = false;
        const UINT id = FindLayer(layer, &found);
        if (found) CallIfPresent(host.DeskletLayerRemove, deskletWindow, id, FALSE);
    }

    bool found = false;
    UINT id = FindLayer(kAlbumArtLayer, &found);
    if (skin->showAlbumArt) {
        if (!found) {
            id = CallIfPresent(host.DeskletLayerAdd, deskletWindow, kAlbumArtLayer);
            if (id > 1) {
                // Restacking renumbers the layers: look the layer up after each move.
                CallIfPresent(host.DeskletLayerMoveBottom, deskletWindow, id, FALSE);
                id = FindLayer(kAlbumArtLayer, nullptr);
                CallIfPresent(host.DeskletLayerMoveUp, deskletWindow, id, FALSE);
                id = FindLayer(kAlbumArtLayer, nullptr);
            }
        }
        PlaceLayer(id, skin->albumArtPane);
    } else if (found) {
        CallIfPresent(host.DeskletLayerSetVisibility, deskletWindow, id, FALSE, FALSE);
    }

    id = FindOrAddLayer(kPauseLayer);
    PlaceLayer(id, skin->pausePlayButton);
    CallIfPresent(host.DeskletLayerSetVisibility, deskletWindow, id, FALSE, BOOL(notPlaying && !forAnimation));
    const std::string pausePath = SkinImagePath(skinDir, "pause.png");
    if (!pausePath.empty()) CallIfPresent(host.DeskletLayerSetImageFile, deskletWindow, id, FALSE, pausePath.c_str());

    id = FindOrAddLayer(kInfoLayer);
    PlaceLayer(id, skin->displayPane);

    if (skin->knobUseBitmap) skinCaches->knobImage = LoadImageFile(SkinImagePath(skinDir, "knob.png"));

    POINT position = {};
    CallIfPresent(host.DeskletGetPosition, deskletWindow, &position);
    RECT bounds = PaneRect{position.x, position.y, skin->bgWidth, skin->bgHeight}.ToRect();
    CallIfPresent(host.DeskletMove, deskletWindow, &bounds, FALSE);

    if (!forAnimation) Redraw(true);
    return previous;
}

std::unique_ptr<Gdiplus::Image> WidgetInstance::LoadImageFile(const std::string& path) const {
    if (path.empty()) return nullptr;
    return std::unique_ptr<Gdiplus::Image>(CallIfPresent(Host().DeskletLoadGDIPlusImage, path.c_str()));
}
