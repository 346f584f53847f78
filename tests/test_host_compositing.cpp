// The standalone host's widget window: what it composites at which size, and
// who owns the images handed to its layers.
#include "host/widget_window.h"
#include "rig/rig.h"

#include <memory>

namespace {

struct NoOwner final : host::WidgetOwner {
    void RequestRemove(HWND) override {}
    void RequestExit() override {}
    void SaveAll() override {}
};

// A host window without a module behind it: the layers alone decide what shows.
struct Fixture {
    host::ModuleLibrary noModule{"absent-module.dll"};
    NoOwner owner;
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
