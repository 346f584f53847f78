// A widget's layers as a host keeps them: layer 0 starts as the base layer,
// ids are stacking positions, and every change of the stack renumbers the
// layers above it. Composite() draws the visible layers bottom to top.
#pragma once

#include <windows.h>

#include <gdiplus.h>

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
    void SetVisibility(UINT id, bool visible);

    size_t Count() const { return layers_.size(); }
    const Layer* At(UINT id) const { return id < layers_.size() ? layers_[id].get() : nullptr; }
    const Layer* Named(const std::string& name) const;

    // Composes the visible layers onto a transparent ARGB bitmap of the given size.
    std::unique_ptr<Gdiplus::Bitmap> Composite(int width, int height) const;

private:
    Layer* Get(UINT id) { return id < layers_.size() ? layers_[id].get() : nullptr; }
    std::vector<std::unique_ptr<Layer>> layers_;
    // Images loaded from files, by path, so a repeated composite reads each once.
    mutable std::vector<std::pair<std::string, std::unique_ptr<Gdiplus::Image>>> fileImages_;
    Gdiplus::Image* ImageOf(const Layer& layer) const;
};

// Loads an image file; null when it is missing or not an image.
std::unique_ptr<Gdiplus::Image> LoadImageFromFile(const std::string& path);

}  // namespace host
