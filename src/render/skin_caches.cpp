#include "render/skin_caches.h"

void SkinCachesDeleter::operator()(SkinCaches* caches) const { delete caches; }
