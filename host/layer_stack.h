// A widget's layers as a host keeps them: layer 0 starts as the base layer,
// ids are stacking positions, and every change of the stack renumbers the
// layers above it. Composite() draws the visible layers bottom to top. The
// stack remembers the lowest layer changed since it was last asked, so a kept
// composition of the layers below it stays good.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace host {

struct Layer {
    std::string name;
    bool isBase = false;
    std::unique_ptr<Gdiplus::Image> image;  // host owns
    std::string imageFile;                  // image set by file; loaded lazily
    bool visible = true;
    bool usePlacement = false;
    RECT placement = {};
    int xScale = 0;
    int yScale = 0;
};

class LayerStack {
public:
    LayerStack();

    // Id of the first layer with that name; 0 and found=false when there is none.
    UINT Find(const std::string& name, bool* found) const;
    UINT Add(const std::string& name);
    void Remove(UINT id);
    void MoveBottom(UINT id);
    void MoveUp(UINT id);
    void SetPlacement(UINT id, bool usePlacement, const RECT& placement, int xScale, int yScale);
    // Takes the image; a host that does not own it would copy, which we never need.
    void SetImage(UINT id, Gdiplus::Image* image);
    void SetImageFile(UINT id, const std::string& path);
    void SetBaseImageFile(const std::string& path);
    // Images read from files are read anew when next drawn: their files changed.
    void ForgetFileImages();
    void SetVisibility(UINT id, bool visible);

    size_t Count() const { return layers_.size(); }
    // The lowest layer changed since the last call (kNothingChanged when none); starts over.
    static constexpr size_t kNothingChanged = static_cast<size_t>(-1);
    size_t TakeFirstChanged();
    // The image a layer shows, null when it is hidden or has none.
    Gdiplus::Image* VisibleImage(size_t id) const;
    // Where a layer lands on a frame of the given size.
    Gdiplus::RectF TargetOf(size_t id, int width, int height) const;
    // Draws one layer through GDI+ onto a frame of the given size (graphics made by PrepareGraphics).
    void DrawLayer(Gdiplus::Graphics& graphics, size_t id, int width, int height) const;
    static void PrepareGraphics(Gdiplus::Graphics& graphics);
    const Layer* At(UINT id) const { return id < layers_.size() ? layers_[id].get() : nullptr; }
    const Layer* Named(const std::string& name) const;

    // Composes the visible layers onto a transparent ARGB bitmap of the given size.
    std::unique_ptr<Gdiplus::Bitmap> Composite(int width, int height) const;

private:
    // The layer to change, noted as changed; null when there is none.
    Layer* Change(UINT id);
    void NoteChanged(size_t id) { firstChanged_ = std::min(firstChanged_, id); }
    std::vector<std::unique_ptr<Layer>> layers_;
    size_t firstChanged_ = 0;
    // Images loaded from files, by path, so a repeated composite reads each once.
    mutable std::vector<std::pair<std::string, std::unique_ptr<Gdiplus::Image>>> fileImages_;
    Gdiplus::Image* ImageOf(const Layer& layer) const;
};

// Loads an image file; null when it is missing or not an image.
std::unique_ptr<Gdiplus::Image> LoadImageFromFile(const std::string& path);

}  // namespace host
