// The pages handed to the host's configuration dialog, and what each does
// to the widget it was made for.
#include "core/paths.h"
#include "platform/host_api.h"
#include "ui/itunes_page.h"
#include "ui/page_ids.h"
#include "ui/property_page.h"
#include "ui/skin_page.h"
#include "widget/load_skin.h"
#include "widget/operations.h"

namespace {

WidgetInstance& WidgetOf(void* widget) { return *static_cast<WidgetInstance*>(widget); }

InteractionSettings CurrentInteraction(const WidgetInstance& widget) {
    const WidgetSettings& current = widget.settings;
    return {current.hideWhenNotLoaded, current.autoHideITunes, current.use5Rating ? 1 : 0};
}

void ApplyInteraction(WidgetInstance& widget, const InteractionSettings& settings) {
    widget.settings.hideWhenNotLoaded = settings.hideWhenNotLoaded;
    widget.settings.autoHideITunes = settings.autoHideITunes;
    // Shown or hidden at once only while attached; otherwise on the next attach.
    widget.player.ApplyAutoHide(settings.autoHideITunes != 0);
    widget.panes.rating.value = -1;
    widget.settings.use5Rating = settings.use5Rating == 1;
}

const PageActions kITunesPage = {
    [](HWND page, void* widget) { ShowInteraction(page, CurrentInteraction(WidgetOf(widget))); },
    IsInteractionEdit,
    [](HWND page, void* widget) { ApplyInteraction(WidgetOf(widget), ReadInteraction(page)); },
};

// Apply reloads even an unchanged choice, so the page always shows a fresh model.
const PageActions kSkinPage = {
    [](HWND page, void* widget) {
        const WidgetInstance& instance = WidgetOf(widget);
        ShowSkinList(page, JoinPath({ModuleFolder(instance.moduleHandle), "skins"}), instance.settings.skinDir);
        ShowSkinInfo(page, instance.skin.get());
    },
    IsSkinChoice,
    [](HWND page, void* widget) {
        WidgetInstance& instance = WidgetOf(widget);
        (void)LoadSkinAndRedraw(instance, ChosenSkin(page));
        ShowSkinInfo(page, instance.skin.get());
    },
};

INT_PTR CALLBACK ITunesPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) {
    return Guarded<INT_PTR>(FALSE, [&] { return HandlePageMessage(page, msg, wParam, lParam, kITunesPage); });
}

INT_PTR CALLBACK SkinPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam) {
    // A skin that could not be loaded leaves the page as it was.
    return Guarded<INT_PTR>(FALSE, [&] { return HandlePageMessage(page, msg, wParam, lParam, kSkinPage); });
}

}  // namespace

int AddPropertySheets(WidgetInstance& widget) {
    const HostFunctions& host = Host();
    // Pages belong to the host once added; without a taker none are made.
    if (!host.DeskletAddPropertySheet) return 0;
    int result = 0;
    const struct {
        int templateId;
        const char* title;
        DLGPROC procedure;
    } pages[] = {{IDD_ITUNES_PAGE, "iTunes interaction", ITunesPageProc}, {IDD_SKIN_PAGE, "Skin", SkinPageProc}};
    for (const auto& page : pages) {
        // A page the system could not build is not handed to the host.
        if (HPROPSHEETPAGE handle =
                CreatePage(widget.moduleHandle, page.templateId, page.title, page.procedure, &widget))
            result = CallIfPresent(host.DeskletAddPropertySheet, widget.deskletWindow, handle);
        else
            result = 0;
    }
    return result;
}
