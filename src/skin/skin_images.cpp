#include "skin/skin_images.h"

#include "core/paths.h"
#include "platform/host_api.h"

std::string SkinImages::Path(const std::string& file) const {
    char folder[MAX_PATH] = {};
    CallIfPresent(Host().DeskletGetRelativeFolder, window_, folder);
    folder[MAX_PATH - 1] = '\0';
    return JoinPath({folder, "skins", skinName_, "images", file});
}

std::unique_ptr<Gdiplus::Image> SkinImages::Load(const std::string& file) const { return LoadHostImage(Path(file)); }

std::unique_ptr<Gdiplus::Image> LoadHostImage(const std::string& path) {
    if (path.empty()) return nullptr;
    return std::unique_ptr<Gdiplus::Image>(CallIfPresent(Host().DeskletLoadGDIPlusImage, path.c_str()));
}
