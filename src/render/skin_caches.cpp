#include "render/skin_caches.h"

#include "skin/skin_images.h"

void SkinCachesDeleter::operator()(SkinCaches* caches) const { delete caches; }

SkinCachesPtr NewSkinCaches(HWND window, const SkinModel& skin, const std::string& skinDir) {
    SkinCachesPtr caches(new SkinCaches());
    if (skin.knobUseBitmap) caches->knobImage = SkinImages(window, skinDir).Load("knob.png");
    return caches;
}
