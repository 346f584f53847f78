// A widget's frame kept composed between presents, premultiplied as a layered
// window takes it. The layers below the lowest one changed stay composed, so
// a tick that changes the top layer blends that layer alone. Layers drawn 1:1
// on whole pixels are blended here; GDI+ draws only those it must scale or
// place between pixels.
#pragma once

#include "host/layer_stack.h"

#include <cstdint>
#include <vector>

namespace host {

class FrameCompositor {
public:
    using Pixels = std::vector<uint32_t>;  // premultiplied BGRA, rows top-down

    // Brings the frame up to date with the stack at that size and returns it.
    const Pixels& Compose(LayerStack& layers, SIZE size);
    // Whether the last Compose changed the frame.
    bool changedInLastCompose() const { return changedInLastCompose_; }

private:
    void DrawLayers(const LayerStack& layers, size_t from, size_t to, Pixels& frame) const;

    SIZE size_ = {};
    Pixels below_;  // the layers under belowCount_, composed
    size_t belowCount_ = 0;
    Pixels frame_;
    bool changedInLastCompose_ = false;
};

// Source-over of premultiplied pixels, rounded as GDI+ rounds.
uint32_t BlendPremultiplied(uint32_t below, uint32_t above);

}  // namespace host
