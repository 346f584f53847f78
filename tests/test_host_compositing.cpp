// The standalone host's widget window: what it composites at which size, and
// who owns the images handed to its layers.
#include "host/changed_area.h"
#include "host/frame_compositor.h"
#include "host/widget_window.h"
#include "host_fixture.h"
#include "rig/rig.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

namespace {

// A host window without a module behind it: the layers alone decide what shows.
struct Fixture {
    host::ModuleLibrary noModule{"absent-module.dll"};
    host_test::NoOwner owner;
    host::WidgetWindow widget{noModule, owner, POINT{10, 20}};
};

// Knows when the host deletes it.
class TrackedBitmap : public Gdiplus::Bitmap {
public:
    TrackedBitmap(bool* deleted, Gdiplus::ARGB color) : Gdiplus::Bitmap(4, 4, PixelFormat32bppARGB), deleted_(deleted) {
        Gdiplus::Graphics(this).Clear(Gdiplus::Color(color));
    }
    ~TrackedBitmap() override { *deleted_ = true; }

private:
    bool* deleted_;
};

constexpr Gdiplus::ARGB kRed = 0xFFFF0000;
constexpr Gdiplus::ARGB kBlue = 0xFF0000FF;

Gdiplus::ARGB At(host::WidgetWindow& widget, int x, int y) {
    const std::unique_ptr<Gdiplus::Bitmap> frame = widget.Snapshot();
    return rig::PixelAt(frame.get(), x, y);
}

void Place(host::WidgetWindow& widget, UINT id, RECT placement, int xScale, int yScale) {
    widget.layers().SetPlacement(id, true, placement, xScale, yScale);
}

}  // namespace

TEST_CASE(host_widget_composites_at_its_size_with_layers_scaled_from_their_reference) {
    Fixture f;
    REQUIRE(f.widget.window());
    CHECK(host::WidgetWindow::FromHandle(f.widget.window()) == &f.widget);
    CHECK(host::WidgetWindow::FromHandle(GetDesktopWindow()) == nullptr);

    RECT bounds = {30, 40, 230, 140};
    f.widget.Move(bounds, true);
    CHECK_EQ(f.widget.Size().cx, 200L);
    CHECK_EQ(f.widget.Size().cy, 100L);
    CHECK_EQ(f.widget.Position().x, 30L);
    const std::unique_ptr<Gdiplus::Bitmap> frame = f.widget.Snapshot();
    CHECK_EQ(frame->GetWidth(), 200u);
    CHECK_EQ(frame->GetHeight(), 100u);

    // Placed at (10,10)-(30,20) of a 100 x 50 widget: twice that on this one.
    bool deleted = false;
    const UINT id = f.widget.layers().Add("layer");
    f.widget.SetLayerImage(id, new TrackedBitmap(&deleted, kRed), true, true);
    Place(f.widget, id, {10, 10, 30, 20}, 100, 50);
    CHECK_EQ(At(f.widget, 40, 30), kRed);
    CHECK_EQ(rig::AlphaOf(At(f.widget, 15, 15)), 0);
    CHECK_EQ(rig::AlphaOf(At(f.widget, 65, 30)), 0);

    // The same placement follows the widget to a new size.
    bounds = {30, 40, 130, 90};
    f.widget.Move(bounds, true);
    CHECK_EQ(At(f.widget, 20, 15), kRed);
    CHECK_EQ(rig::AlphaOf(At(f.widget, 40, 30)), 0);

    // A size of nothing, or of many screens, moves the widget but keeps its size.
    bounds = {50, 60, 50, 60};
    f.widget.Move(bounds, false);
    CHECK_EQ(f.widget.Size().cx, 100L);
    CHECK_EQ(f.widget.Position().x, 50L);
    bounds = {0, 0, 100000, 50};
    f.widget.Move(bounds, false);
    CHECK_EQ(f.widget.Size().cx, 100L);
}

TEST_CASE(host_widget_stacks_layers_and_leaves_hidden_ones_out) {
    Fixture f;
    RECT bounds = {0, 0, 40, 40};
    f.widget.Move(bounds, false);
    bool redDeleted = false;
    bool blueDeleted = false;
    const UINT red = f.widget.layers().Add("red");
    f.widget.SetLayerImage(red, new TrackedBitmap(&redDeleted, kRed), true, false);
    const UINT blue = f.widget.layers().Add("blue");
    f.widget.SetLayerImage(blue, new TrackedBitmap(&blueDeleted, kBlue), true, false);
    CHECK_EQ(At(f.widget, 20, 20), kBlue);

    // Restacking renumbers: the layer is found again by name.
    f.widget.layers().MoveBottom(f.widget.layers().Find("blue", nullptr));
    CHECK_EQ(At(f.widget, 20, 20), kRed);
    f.widget.layers().SetVisibility(f.widget.layers().Find("red", nullptr), false);
    CHECK_EQ(At(f.widget, 20, 20), kBlue);
    f.widget.layers().SetVisibility(f.widget.layers().Find("blue", nullptr), false);
    CHECK_EQ(rig::AlphaOf(At(f.widget, 20, 20)), 0);
}

TEST_CASE(host_widget_owns_handed_over_images_and_copies_kept_ones) {
    bool taken = false;
    bool replacement = false;
    bool kept = false;
    bool stray = false;
    {
        Fixture f;
        RECT bounds = {0, 0, 8, 8};
        f.widget.Move(bounds, false);
        const UINT id = f.widget.layers().Add("layer");

        f.widget.SetLayerImage(id, new TrackedBitmap(&taken, kRed), true, true);
        CHECK(!taken);
        f.widget.SetLayerImage(id, new TrackedBitmap(&replacement, kBlue), true, true);
        CHECK(taken);  // replaced: the host deletes what it owned

        // Kept by the caller: the layer shows a copy that survives the original.
        auto* own = new TrackedBitmap(&kept, kRed);
        f.widget.SetLayerImage(id, own, false, true);
        CHECK(replacement);
        CHECK(!kept);
        delete own;
        CHECK_EQ(At(f.widget, 4, 4), kRed);

        // Handed over for a layer that does not exist: deleted, not leaked.
        f.widget.SetLayerImage(99, new TrackedBitmap(&stray, kBlue), true, false);
        CHECK(stray);
        f.widget.SetLayerImage(id, new TrackedBitmap(&replacement, kBlue), true, false);
        replacement = false;
    }
    CHECK(replacement);  // the last image goes with the widget
}

// A tick of the module changes several layers, each call asking for a redraw:
// the widget goes on screen once, after the calls, and not while it is hidden.
TEST_CASE(host_widget_presents_once_per_turn_of_the_message_loop_and_not_while_hidden) {
    Fixture f;
    RECT bounds = {0, 0, 40, 40};
    f.widget.Move(bounds, false);
    bool deleted = false;
    const UINT art = f.widget.layers().Add("art");
    const UINT info = f.widget.layers().Add("info");
    rig::PumpFor(50);
    const int before = f.widget.framesPresented();

    f.widget.SetLayerImage(art, new TrackedBitmap(&deleted, kRed), true, true);
    f.widget.SetLayerImage(info, new TrackedBitmap(&deleted, kBlue), true, true);
    f.widget.Move(bounds, true);
    CHECK_EQ(f.widget.framesPresented(), before);  // nothing yet while the calls go on
    rig::PumpFor(50);
    CHECK_EQ(f.widget.framesPresented(), before + 1);

    f.widget.RequestPresent();  // nothing changed since
    rig::PumpFor(50);
    CHECK_EQ(f.widget.framesPresented(), before + 1);

    f.widget.SetHidden(host::HideReason::User, true);
    f.widget.SetLayerImage(info, new TrackedBitmap(&deleted, kRed), true, true);
    rig::PumpFor(50);
    CHECK_EQ(f.widget.framesPresented(), before + 1);
    CHECK_EQ(At(f.widget, 20, 20), kRed);
}

namespace {

// A bitmap of every alpha and many colours, so blending is seen at each level.
Gdiplus::Bitmap* Gradient(int width, int height, int seed) {
    auto* bitmap = new Gdiplus::Bitmap(width, height, PixelFormat32bppARGB);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap->SetPixel(x, y, Gdiplus::Color(static_cast<BYTE>((x * 37 + y * 11 + seed) % 256),
                                                  static_cast<BYTE>((x * 13 + seed) % 256),
                                                  static_cast<BYTE>((y * 29 + seed) % 256),
                                                  static_cast<BYTE>((x * y + seed) % 256)));
    return bitmap;
}

// Wine's GDI+ blends onto a translucent frame through straight alpha, so where
// both pixels are translucent it lands up to this far from the exact blend.
constexpr int kGdiplusRounding = 4;

// The most any channel of the kept frame differs from GDI+'s own composite of the stack.
int LargestDifferenceFromGdiplus(host::LayerStack& layers, const host::FrameCompositor::Pixels& frame, SIZE size) {
    auto reference = std::make_unique<Gdiplus::Bitmap>(size.cx, size.cy, PixelFormat32bppPARGB);
    {
        Gdiplus::Graphics graphics(reference.get());
        host::LayerStack::PrepareGraphics(graphics);
        for (size_t id = 0; id < layers.Count(); ++id) layers.DrawLayer(graphics, id, size.cx, size.cy);
    }
    Gdiplus::Rect whole(0, 0, size.cx, size.cy);
    Gdiplus::BitmapData data = {};
    if (reference->LockBits(&whole, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &data) != Gdiplus::Ok)
        return 256;
    int largest = 0;
    for (int y = 0; y < size.cy; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const char*>(data.Scan0) + y * data.Stride);
        for (int x = 0; x < size.cx; ++x)
            for (int shift = 0; shift < 32; shift += 8) {
                const int d = std::abs(static_cast<int>((row[x] >> shift) & 0xFF) -
                                                     static_cast<int>((frame[y * size.cx + x] >> shift) & 0xFF));
                largest = std::max(largest, d);
            }
    }
    reference->UnlockBits(&data);
    return largest;
}

}  // namespace

TEST_CASE(kept_frame_recomposes_from_the_lowest_changed_layer_and_matches_gdiplus) {
    const SIZE size = {48, 32};
    host::LayerStack layers;
    layers.SetImage(0, Gradient(48, 32, 0));
    const UINT art = layers.Add("art");
    layers.SetImage(art, Gradient(20, 20, 50));
    layers.SetPlacement(art, true, {4, 6, 24, 26}, 48, 32);  // 1:1, blended by the host
    const UINT scaled = layers.Add("scaled");
    layers.SetImage(scaled, Gradient(10, 8, 90));
    layers.SetPlacement(scaled, true, {20, 4, 44, 28}, 48, 32);  // enlarged: GDI+ draws it
    const UINT info = layers.Add("info");
    layers.SetImage(info, Gradient(60, 10, 130));
    layers.SetPlacement(info, true, {-6, 20, 54, 30}, 48, 32);  // reaches past both sides

    host::FrameCompositor kept;
    // Each step changes the stack as the module does; the kept frame must then
    // equal a frame composed from nothing, and GDI+'s own composite but for rounding.
    const std::function<void()> steps[] = {
        [] {},
        [&] { layers.SetImage(layers.Find("info", nullptr), Gradient(60, 10, 170)); },
        [&] { layers.SetVisibility(layers.Find("art", nullptr), false); },
        [&] { layers.SetImage(layers.Find("info", nullptr), Gradient(60, 10, 210)); },
        [&] { layers.SetVisibility(layers.Find("art", nullptr), true); },
        [&] { layers.MoveUp(layers.Find("art", nullptr)); },
        [&] { layers.MoveBottom(layers.Find("info", nullptr)); },
        [&] { layers.Remove(layers.Find("scaled", nullptr)); },
        [&] { layers.SetImage(layers.Find("art", nullptr), Gradient(20, 20, 20)); },
    };
    for (int step = 0; step < static_cast<int>(std::size(steps)); ++step) {
        steps[step]();
        const host::FrameCompositor::Pixels frame = kept.Compose(layers, size);
        host::FrameCompositor fresh;  // starts from the bottom layer
        CHECK_EQ(fresh.Compose(layers, size) == frame ? -1 : step, -1);
        CHECK_EQ(LargestDifferenceFromGdiplus(layers, frame, size) <= kGdiplusRounding ? -1 : step, -1);
    }
    // Nothing changed: the frame is handed back as it was.
    const auto* before = kept.Compose(layers, size).data();
    CHECK(kept.Compose(layers, size).data() == before);
}

TEST_CASE(premultiplied_blend_is_exact_at_the_ends_and_never_overflows) {
    CHECK_EQ(host::BlendPremultiplied(0x80402010u, 0xFF010203u), 0xFF010203u);  // opaque covers
    CHECK_EQ(host::BlendPremultiplied(0x80402010u, 0x00000000u), 0x80402010u);  // clear keeps
    CHECK_EQ(host::BlendPremultiplied(0xFFFFFFFFu, 0x80808080u), 0xFFFFFFFFu);  // white under half white
    CHECK_EQ(host::BlendPremultiplied(0xFF000000u, 0x80404040u), 0xFF404040u);  // half grey over black
    CHECK_EQ(host::BlendPremultiplied(0x00000000u, 0x80404040u), 0x80404040u);  // over nothing, as it is
}

// Only the changed part of a frame is sent to the screen: a pixel missed at
// any edge would stay stale there.
TEST_CASE(changed_area_holds_every_differing_pixel_and_no_more) {
    const SIZE size = {7, 5};
    const std::vector<uint32_t> before(35, 0x80402010u);
    std::vector<uint32_t> now = before;
    RECT area = {};
    CHECK(!host::ChangedArea(now.data(), before.data(), size, area));

    now[0] = 0;       // top left corner
    now[34] = 1;      // bottom right corner
    CHECK(host::ChangedArea(now.data(), before.data(), size, area));
    CHECK_EQ(area.left, 0L);
    CHECK_EQ(area.top, 0L);
    CHECK_EQ(area.right, 7L);
    CHECK_EQ(area.bottom, 5L);

    now = before;
    now[1 * 7 + 6] = 2;  // last column of the second row
    now[3 * 7 + 2] = 3;  // a middle column of the fourth row
    CHECK(host::ChangedArea(now.data(), before.data(), size, area));
    CHECK_EQ(area.left, 2L);
    CHECK_EQ(area.top, 1L);
    CHECK_EQ(area.right, 7L);
    CHECK_EQ(area.bottom, 4L);
}
