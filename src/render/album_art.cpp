// The current track's artwork in its own layer, fetched when the track name
// changes: the player writes it to a file in the module's folder, the host
// loads it, and it is composed with the skin's opacity and overlay.
#include "render/panes.h"

#include "core/paths.h"
#include "platform/bstr.h"
#include "platform/host_api.h"
#include "render/argb_bitmap.h"
#include "render/text.h"
#include "skin/widget_layers.h"

namespace {

constexpr char kArtworkFile[] = "temp";
constexpr float kPerAlphaStep = 0.003921569f;  // 1 / 255

// The path came from GetModuleFileNameA, so it is in the ANSI code page; any
// other page garbles folder names outside ASCII.
std::wstring WidePath(const std::string& path) {
    if (path.empty()) return {};
    const int size = static_cast<int>(path.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, path.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), size, wide.data(), length);
    return wide;
}

std::optional<std::wstring> CurrentTrackName(itunes::IiTunes* app, itunes::ComPtr<itunes::IITTrack>& track) {
    if (!app || FAILED(app->get_CurrentTrack(&track)) || !track) return std::nullopt;
    Bstr name;
    if (FAILED(track->get_Name(name.out())) || !name.get()) return std::nullopt;
    return name.str();
}

// Saves the track's first artwork to the file; false when it has none or the save fails.
bool SaveArtwork(itunes::IITTrack& track, const std::string& file) {
    itunes::ComPtr<itunes::IITArtworkCollection> artworks;
    if (FAILED(track.get_Artwork(&artworks)) || !artworks) return false;
    long count = 0;
    if (FAILED(artworks->get_Count(&count)) || count < 1) return false;
    itunes::ComPtr<itunes::IITArtwork> artwork;
    if (FAILED(artworks->get_Item(1, &artwork)) || !artwork) return false;
    const std::wstring widePath = WidePath(file);
    if (widePath.empty()) return false;
    const Bstr path(widePath);
    return SUCCEEDED(artwork->SaveArtworkToFile(path.get()));
}

// The artwork file with the skin's opacity under its overlay, in a bitmap of the album-art pane's size.
std::unique_ptr<Gdiplus::Bitmap> ComposeArt(const SkinModel& skin, const SkinImages& images, const std::string& file) {
    const PaneRect& pane = skin.albumArtPane;
    std::unique_ptr<Gdiplus::Bitmap> bitmap = NewArgbBitmap(pane.width, pane.height);
    if (!bitmap) return nullptr;
    Gdiplus::Graphics graphics(bitmap.get());
    PrepareGraphics(graphics);
    const Gdiplus::Rect whole(0, 0, pane.width, pane.height);

    if (const auto artwork = LoadHostImage(file)) {
        Gdiplus::ColorMatrix matrix = {
            {{1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 1, 0}, {0, 0, 0, 0, 1}}};
        matrix.m[3][3] = skin.albumArtAlpha * kPerAlphaStep;
        Gdiplus::ImageAttributes attributes;
        attributes.SetColorMatrix(&matrix, Gdiplus::ColorMatrixFlagsDefault, Gdiplus::ColorAdjustTypeDefault);
        const PaneRect& inner = skin.artworkRect;
        const Gdiplus::Rect target =
            inner.HasArea() ? Gdiplus::Rect(inner.left, inner.top, inner.width, inner.height) : whole;
        graphics.DrawImage(artwork.get(), target, 0, 0, static_cast<INT>(artwork->GetWidth()),
                           static_cast<INT>(artwork->GetHeight()), Gdiplus::UnitPixel, &attributes);
    }
    if (skin.drawOverlay) {
        // The overlay keeps full opacity: it is drawn without the attributes.
        if (const auto overlay = images.Load("overlay.png")) {
            if (skin.drawOverlayActualSize) {
                graphics.DrawImage(overlay.get(), 0, 0, static_cast<INT>(overlay->GetWidth()),
                                   static_cast<INT>(overlay->GetHeight()));
            } else {
                graphics.DrawImage(overlay.get(), whole);
            }
        }
    }
    return bitmap;
}

// The track's artwork composed for the skin's pane; null when the track has
// none or it could not be saved.
std::unique_ptr<Gdiplus::Bitmap> TrackArt(itunes::IITTrack& track, HINSTANCE module, const SkinModel& skin,
                                          const SkinImages& images) {
    const std::string file = JoinPath({ModuleFolder(module), kArtworkFile});
    if (file.empty() || !SaveArtwork(track, file)) return nullptr;
    return ComposeArt(skin, images, file);
}

// True when the layer now shows the art.
bool ShowArt(HWND window, UINT layer, std::unique_ptr<Gdiplus::Bitmap> art) {
    const HostFunctions& host = Host();
    if (!art || !host.DeskletLayerSetImage) return false;
    host.DeskletLayerSetImage(window, layer, FALSE, art.release(), TRUE);  // the host owns it now
    CallIfPresent(host.DeskletLayerSetVisibility, window, layer, FALSE, TRUE);
    return true;
}

}  // namespace

void UpdateAlbumArt(HWND window, HINSTANCE module, const SkinModel& skin, const std::string& skinDir,
                    itunes::IiTunes* player, std::optional<std::wstring>& shownTrack) {
    itunes::ComPtr<itunes::IITTrack> track;
    const std::optional<std::wstring> name = CurrentTrackName(player, track);

    const UINT layer = WidgetLayers(window, skin).Ensure(kAlbumArtLayer, skin.albumArtPane);

    const bool newTrack = name && shownTrack != name;
    if (!name ||
        (newTrack && !ShowArt(window, layer, TrackArt(*track.Get(), module, skin, SkinImages(window, skinDir))))) {
        CallIfPresent(Host().DeskletLayerSetVisibility, window, layer, FALSE, FALSE);
    }
    // Recorded whether or not art was found, so a track without art is asked once.
    shownTrack = name.value_or(std::wstring());
}
