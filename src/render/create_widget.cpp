// Creating a widget: its settings, its skin and its first frame.
#include "platform/host_api.h"
#include "render/redraw.h"

#include <memory>

namespace {

void Create(WidgetInstance& widget, const char* iniFile, const char* iniGroup) {
    widget.com.emplace();
    // Creating a widget never starts the player: attach only when it runs.
    widget.player.AttachIfRunning();
    std::string skinName = "Default";
    if (iniFile && iniGroup) {
        widget.settings.Read(iniFile, iniGroup);
        widget.player.ApplyAutoHide(widget.settings.autoHideITunes != 0);
        skinName = widget.settings.skinDir;
    }
    (void)LoadSkinAndRedraw(widget, skinName);
    Redraw(widget, false);
    if (widget.player.Attached() || widget.settings.hideWhenNotLoaded) widget.player.Poll(widget.deskletWindow);
    CallIfPresent(Host().DeskletActivateExtendedDragDrop, widget.deskletWindow);
}

}  // namespace

// A widget whose creation fails half-way is torn down again: the host gets
// no instance rather than half of one.
extern "C" void* __stdcall OnCreate(HWND window, HINSTANCE module, const char* iniFile, const char* iniGroup) {
    return Guarded<void*>(nullptr, [&] {
        auto instance = std::make_unique<WidgetInstance>(window, module);
        Create(*instance, iniFile, iniGroup);
        return static_cast<void*>(instance.release());
    });
}
