#include "render/info_text.h"

#include "core/info_cycle.h"
#include "platform/bstr.h"
#include "render/blend.h"

#include <algorithm>

using namespace Gdiplus;

namespace {

// The visible window of the marquee image: from the scroll offset, the pane's
// width and the pane's height plus 10, laid over the frame unscaled.
void DrawMarqueeWindow(FrameTarget frame, Bitmap& image, int scrollOffset, const PaneRect& pane) {
    const int width = std::min<int>(pane.width, static_cast<int>(image.GetWidth()) - scrollOffset);
    const int height = std::min<int>(pane.height + 10, static_cast<int>(image.GetHeight()));
    if (scrollOffset < 0 || width <= 0 || height <= 0) return;
    Rect area(scrollOffset, 0, width, height);
    BitmapData data;
    if (image.LockBits(&area, ImageLockModeRead, PixelFormat32bppARGB, &data) == Ok) {
        const PixelBlock block{static_cast<const uint32_t*>(data.Scan0), data.Stride / 4, width, height};
        frame.graphics.Flush(FlushIntentionSync);
        const bool blended = BlendOnto(frame.bitmap, block, pane.left, pane.top);
        image.UnlockBits(&data);
        if (blended) return;
    }
    frame.graphics.DrawImage(&image, pane.left, pane.top, scrollOffset, 0, pane.width, pane.height + 10, UnitPixel);
}

}  // namespace

std::wstring ChooseInfoText(itunes::IITTrack& track, int pollTick) {
    Bstr text;
    if (pollTick < kFirstNameTick && SUCCEEDED(track.get_Artist(text.out())) && !text.empty()) return text.str();
    track.get_Name(text.out());
    return text.str();
}

void DrawInfoText(FrameTarget frame, const MarqueeState& marquee, const SkinModel& skin, TextPixelCache& texts) {
    const PaneRect& pane = skin.infoPane;
    if (!pane.HasArea()) return;
    if (!marquee.scrolling)
        texts.Draw(frame.graphics, marquee.infoText, skin.font, pane);
    else if (marquee.scrollImage)
        DrawMarqueeWindow(frame, *marquee.scrollImage, marquee.scrollOffset, pane);
}
