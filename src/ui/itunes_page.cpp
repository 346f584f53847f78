// The "iTunes interaction" page: how the widget and the player treat each other.
#include "ui/page_ids.h"
#include "ui/pages.h"

#include <commctrl.h>
#include <prsht.h>

namespace {

// The page's three boxes, as the check boxes report them (0 or 1).
struct InteractionSettings {
    int hideWhenNotLoaded = 0;
    int autoHideITunes = 0;
    int use5Rating = 0;
};

InteractionSettings CurrentSettings(const WidgetInstance& instance) {
    const WidgetSettings& current = instance.settings;
    return {current.hideWhenNotLoaded, current.autoHideITunes, current.use5Rating ? 1 : 0};
}

void ApplySettings(WidgetInstance& instance, const InteractionSettings& settings) {
    instance.settings.hideWhenNotLoaded = settings.hideWhenNotLoaded;
    instance.settings.autoHideITunes = settings.autoHideITunes;
    // Shown or hidden at once only while attached; otherwise on the next attach.
    instance.player.ApplyAutoHide(settings.autoHideITunes != 0);
    instance.panes.rating.value = -1;
    instance.settings.use5Rating = settings.use5Rating == 1;
}

void ShowSettings(HWND page, const InteractionSettings& settings) {
    CheckDlgButton(page, IDC_HIDE_WHEN_NOT_LOADED, settings.hideWhenNotLoaded);
    CheckDlgButton(page, IDC_AUTO_HIDE_ITUNES, settings.autoHideITunes);
    CheckDlgButton(page, IDC_USE_5_RATING, settings.use5Rating);
}

InteractionSettings ReadSettings(HWND page) {
    return {static_cast<int>(IsDlgButtonChecked(page, IDC_HIDE_WHEN_NOT_LOADED)),
            static_cast<int>(IsDlgButtonChecked(page, IDC_AUTO_HIDE_ITUNES)),
            static_cast<int>(IsDlgButtonChecked(page, IDC_USE_5_RATING))};
}

bool IsBoxClick(WPARAM command) {
    const WORD id = LOWORD(command);
    return HIWORD(command) == BN_CLICKED &&
           (id == IDC_HIDE_WHEN_NOT_LOADED || id == IDC_AUTO_HIDE_ITUNES || id == IDC_USE_5_RATING);
}

const PageActions kActions = {
    [](HWND page, WidgetInstance& instance) { ShowSettings(page, CurrentSettings(instance)); },
    IsBoxClick,
    [](HWND page, WidgetInstance& instance) { ApplySettings(instance, ReadSettings(page)); },
};

}  // namespace

INT_PTR CALLBACK ITunesPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Guarded<INT_PTR>(FALSE, [&] { return HandlePageMessage(page, msg, wParam, lParam, kActions); });
}
