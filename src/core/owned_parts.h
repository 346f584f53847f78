// Owners of the parts of a widget's record whose types the subsystems above
// define (the skin model, what is drawn from it): the record holds them
// without their definitions, and each deleter is defined where its part is
// whole.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

struct SkinModel;
struct SkinCaches;

struct SkinModelDeleter {
    void operator()(SkinModel* model) const;
};
struct SkinCachesDeleter {
    void operator()(SkinCaches* caches) const;
};

using SkinModelPtr = std::unique_ptr<SkinModel, SkinModelDeleter>;
using SkinCachesPtr = std::unique_ptr<SkinCaches, SkinCachesDeleter>;

// Empty caches for the skin in the widget's folder skinDir, with the images
// they draw from loaded.
SkinCachesPtr NewSkinCaches(HWND window, const SkinModel& skin, const std::string& skinDir);
