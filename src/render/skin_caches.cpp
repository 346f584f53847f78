#include "render/skin_caches.h"

#include "skin/skin_images.h"

std::unique_ptr<SkinCaches> NewSkinCaches(HWND window, const SkinModel& skin, const std::string& skinDir) {
    auto caches = std::make_unique<SkinCaches>();
    if (skin.knobUseBitmap) caches->knobImage = SkinImages(window, skinDir).Load("knob.png");
    return caches;
}
