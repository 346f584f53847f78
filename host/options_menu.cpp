#include "host/options_menu.h"

#include <string>

namespace host {
namespace {

enum Item {
    kLock = 0,
    kSnap = 1,
    kHideForFullScreen = 2,
    kFirstLayer = 3,    // Topmost, Normal, On desktop
    kFirstScale = 6,    // Auto, then 1 to kMaxScale
    kFirstOpacity = 10  // 100 %, 90 % ... down to kMinOpacity
};
constexpr WidgetLayer kLayers[] = {WidgetLayer::Topmost, WidgetLayer::Normal, WidgetLayer::Desktop};
constexpr const wchar_t* kLayerNames[] = {L"Topmost", L"Normal", L"On desktop"};
constexpr int kOpacityCount = (100 - WidgetOptions::kMinOpacity) / 10 + 1;
static_assert(kFirstOpacity + kOpacityCount == kOptionsItemCount);
static_assert(kFirstScale + 1 + WidgetOptions::kMaxScale == kFirstOpacity);

UINT Checked(bool checked) { return MF_STRING | (checked ? MF_CHECKED : MF_UNCHECKED); }

std::wstring Percent(int value) { return std::to_wstring(value) + L" %"; }

void AppendSubmenu(HMENU menu, HMENU submenu, const wchar_t* name) {
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), name);
}

}  // namespace

void AppendOptionsItems(HMENU menu, int firstId, const WidgetOptions& options) {
    HMENU layers = CreatePopupMenu();
    for (int i = 0; i < 3; ++i)
        AppendMenuW(layers, Checked(options.layer == kLayers[i]), firstId + kFirstLayer + i, kLayerNames[i]);
    AppendSubmenu(menu, layers, L"Position");

    HMENU opacities = CreatePopupMenu();
    for (int i = 0; i < kOpacityCount; ++i) {
        const int percent = 100 - 10 * i;
        AppendMenuW(opacities, Checked(options.opacityPercent == percent), firstId + kFirstOpacity + i,
                    Percent(percent).c_str());
    }
    AppendSubmenu(menu, opacities, L"Transparency");

    HMENU scales = CreatePopupMenu();
    AppendMenuW(scales, Checked(options.scale == 0), firstId + kFirstScale, L"Auto");
    for (int scale = 1; scale <= WidgetOptions::kMaxScale; ++scale)
        AppendMenuW(scales, Checked(options.scale == scale), firstId + kFirstScale + scale,
                    Percent(100 * scale).c_str());
    AppendSubmenu(menu, scales, L"Scale");

    AppendMenuW(menu, Checked(options.locked), firstId + kLock, L"Lock position");
    AppendMenuW(menu, Checked(options.snap), firstId + kSnap, L"Snap to edges");
    AppendMenuW(menu, Checked(options.hideForFullScreen), firstId + kHideForFullScreen,
                L"Hide for full-screen programs");
}

bool ApplyOptionsItem(int offset, WidgetOptions& options) {
    if (offset == kLock)
        options.locked = !options.locked;
    else if (offset == kSnap)
        options.snap = !options.snap;
    else if (offset == kHideForFullScreen)
        options.hideForFullScreen = !options.hideForFullScreen;
    else if (offset >= kFirstLayer && offset < kFirstScale) {
        options.layer = kLayers[offset - kFirstLayer];
        options.hideForFullScreen = WidgetOptions::DefaultHideForFullScreen(options.layer);
    } else if (offset >= kFirstScale && offset < kFirstOpacity)
        options.scale = offset - kFirstScale;
    else if (offset >= kFirstOpacity && offset < kOptionsItemCount)
        options.opacityPercent = 100 - 10 * (offset - kFirstOpacity);
    else
        return false;
    return true;
}

}  // namespace host
