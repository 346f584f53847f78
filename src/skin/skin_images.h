// A skin's images as the host sees them: files in the skin's "images" folder
// below the widget's own, loaded through the host.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <memory>
#include <string>

class SkinImages {
public:
    SkinImages(HWND window, std::string skinName) : window_(window), skinName_(std::move(skinName)) {}

    // The file's path (the host is asked for the widget's folder each time);
    // empty when it would not fit a path buffer.
    std::string Path(const std::string& file) const;
    // The image, or null when the file is absent or unreadable.
    std::unique_ptr<Gdiplus::Image> Load(const std::string& file) const;

private:
    HWND window_;
    std::string skinName_;
};

// Any image file, loaded through the host; null for an empty path.
std::unique_ptr<Gdiplus::Image> LoadHostImage(const std::string& path);
