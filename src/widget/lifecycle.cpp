// A widget's life: made with its settings, its skin and its first frame, and
// ended; and what the module says of itself.
#include "core/timer_ids.h"
#include "platform/host_api.h"
#include "widget/load_skin.h"
#include "widget/operations.h"
#include "widget/redraw.h"

#include <cstring>

// A widget whose creation fails half-way is torn down again: the host gets
// no instance rather than half of one.
std::unique_ptr<WidgetInstance> CreateWidget(HWND window, HINSTANCE module, const char* iniFile, const char* iniGroup) {
    auto widget = std::make_unique<WidgetInstance>(window, module);
    widget->com.emplace();
    // Creating a widget never starts the player: attach only when it runs.
    widget->player.AttachIfRunning();
    std::string skinName = "Default";
    if (iniFile && iniGroup) {
        widget->settings.Read(iniFile, iniGroup);
        widget->player.ApplyAutoHide(widget->settings.autoHideITunes != 0);
        skinName = widget->settings.skinDir;
    }
    (void)LoadSkinAndRedraw(*widget, skinName);
    Redraw(*widget, false);
    if (widget->player.Attached() || widget->settings.hideWhenNotLoaded) widget->player.Poll(window);
    CallIfPresent(Host().DeskletActivateExtendedDragDrop, window);
    return widget;
}

void DestroyWidget(HWND window, std::unique_ptr<WidgetInstance> widget) {
    KillTimer(window, kPollTimerId);
    // A scroll tick must never reach a deleted instance either.
    KillTimer(window, kScrollTimerId);
    // A host calling in from another thread gets a moment to return before
    // the widget's state goes.
    SleepEx(10, FALSE);
    widget.reset();
}

int DescribeModule(char* name, char* author, int* version, char* description) {
    static const char kDescription[] = "This widget is a skinnable iTunes remote.";
    if (name) strcpy(name, "Quillbracket");
    if (author) strcpy(author, "Marrowby");
    if (version) *version = 202;
    if (description) memcpy(description, kDescription, sizeof kDescription);
    return sizeof kDescription;
}
