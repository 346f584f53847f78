#include "host/layer_stack.h"

#include <algorithm>
#include <utility>

namespace host {

std::unique_ptr<Gdiplus::Image> LoadImageFromFile(const std::string& path) {
    if (path.empty()) return nullptr;
    const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (length <= 0) return nullptr;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    auto image = std::make_unique<Gdiplus::Bitmap>(wide.c_str());
    if (image->GetLastStatus() != Gdiplus::Ok) return nullptr;
    return image;
}

LayerStack::LayerStack() {
    auto base = std::make_unique<Layer>();
    base->isBase = true;
    layers_.push_back(std::move(base));
}

UINT LayerStack::Find(const std::string& name, bool* found) const {
    for (size_t i = 0; i < layers_.size(); ++i) {
        if (!layers_[i]->isBase && layers_[i]->name == name) {
            if (found) *found = true;
            return static_cast<UINT>(i);
        }
    }
    if (found) *found = false;
    return 0;
}

const Layer* LayerStack::Named(const std::string& name) const {
    bool found = false;
    const UINT id = Find(name, &found);
    return found ? layers_[id].get() : nullptr;
}

Layer* LayerStack::Change(UINT id) {
    if (id >= layers_.size()) return nullptr;
    NoteChanged(id);
    return layers_[id].get();
}

size_t LayerStack::TakeFirstChanged() { return std::exchange(firstChanged_, kNothingChanged); }

UINT LayerStack::Add(const std::string& name) {
    auto layer = std::make_unique<Layer>();
    layer->name = name;
    layers_.push_back(std::move(layer));
    NoteChanged(layers_.size() - 1);
    return static_cast<UINT>(layers_.size() - 1);
}

void LayerStack::Remove(UINT id) {
    if (id >= layers_.size() || layers_[id]->isBase) return;
    layers_.erase(layers_.begin() + id);
    NoteChanged(id);
}

void LayerStack::MoveBottom(UINT id) {
    if (id == 0 || id >= layers_.size()) return;
    std::rotate(layers_.begin(), layers_.begin() + id, layers_.begin() + id + 1);
    NoteChanged(0);
}

void LayerStack::MoveUp(UINT id) {
    if (id + 1 >= layers_.size()) return;
    std::swap(layers_[id], layers_[id + 1]);
    NoteChanged(id);
}

void LayerStack::SetPlacement(UINT id, bool usePlacement, const RECT& placement, int xScale, int yScale) {
    if (Layer* layer = Change(id)) {
        layer->usePlacement = usePlacement;
        layer->placement = placement;
        layer->xScale = xScale;
        layer->yScale = yScale;
    }
}

void LayerStack::SetImage(UINT id, Gdiplus::Image* image) {
    std::unique_ptr<Gdiplus::Image> owned(image);
    if (Layer* layer = Change(id)) {
        layer->image = std::move(owned);
        layer->imageFile.clear();
    }
}

void LayerStack::SetImageFile(UINT id, const std::string& path) {
    if (Layer* layer = Change(id)) {
        layer->image.reset();
        layer->imageFile = path;
    }
}

void LayerStack::SetBaseImageFile(const std::string& path) {
    for (size_t id = 0; id < layers_.size(); ++id)
        if (layers_[id]->isBase) SetImageFile(static_cast<UINT>(id), path);
}

void LayerStack::ForgetFileImages() {
    fileImages_.clear();
    for (size_t id = 0; id < layers_.size(); ++id)
        if (!layers_[id]->imageFile.empty()) Change(static_cast<UINT>(id));
}

void LayerStack::SetVisibility(UINT id, bool visible) {
    if (const Layer* layer = At(id); layer && layer->visible != visible) Change(id)->visible = visible;
}

Gdiplus::Image* LayerStack::VisibleImage(size_t id) const {
    return id < layers_.size() && layers_[id]->visible ? ImageOf(*layers_[id]) : nullptr;
}

Gdiplus::RectF LayerStack::TargetOf(size_t id, int width, int height) const {
    const Layer& layer = *layers_[id];
    if (!layer.usePlacement || layer.xScale <= 0 || layer.yScale <= 0)
        return Gdiplus::RectF(0, 0, static_cast<float>(width), static_cast<float>(height));
    const float sx = static_cast<float>(width) / layer.xScale;
    const float sy = static_cast<float>(height) / layer.yScale;
    return Gdiplus::RectF(layer.placement.left * sx, layer.placement.top * sy,
                          (layer.placement.right - layer.placement.left) * sx,
                          (layer.placement.bottom - layer.placement.top) * sy);
}

Gdiplus::Image* LayerStack::ImageOf(const Layer& layer) const {
    if (layer.image) return layer.image.get();
    if (layer.imageFile.empty()) return nullptr;
    for (auto& [path, image] : fileImages_)
        if (path == layer.imageFile) return image.get();
    fileImages_.emplace_back(layer.imageFile, LoadImageFromFile(layer.imageFile));
    return fileImages_.back().second.get();
}

void LayerStack::PrepareGraphics(Gdiplus::Graphics& graphics) {
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
}

void LayerStack::DrawLayer(Gdiplus::Graphics& graphics, size_t id, int width, int height) const {
    Gdiplus::Image* image = VisibleImage(id);
    if (!image) return;
    const Gdiplus::RectF target = TargetOf(id, width, height);
    graphics.DrawImage(image, target, 0.0f, 0.0f, static_cast<float>(image->GetWidth()),
                       static_cast<float>(image->GetHeight()), Gdiplus::UnitPixel);
}

std::unique_ptr<Gdiplus::Bitmap> LayerStack::Composite(int width, int height) const {
    auto canvas = std::make_unique<Gdiplus::Bitmap>(std::max(width, 1), std::max(height, 1), PixelFormat32bppARGB);
    Gdiplus::Graphics graphics(canvas.get());
    PrepareGraphics(graphics);
    for (size_t id = 0; id < layers_.size(); ++id) DrawLayer(graphics, id, width, height);
    return canvas;
}

}  // namespace host
