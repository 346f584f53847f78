// Teardown and persistence of a widget, and the entry points that only
// describe or persist it.
#include "core/timer_ids.h"
#include "core/widget_instance.h"

#include <cstring>

WidgetInstance::WidgetInstance(HWND window, HINSTANCE module) : deskletWindow(window), moduleHandle(module) {}

// What was drawn goes first, then the addition and the player's object, then
// the widget's COM; only a widget that has let go of the player shows its
// window again. The skin and the texts go with the record.
WidgetInstance::~WidgetInstance() {
    panes = PaneCaches();
    skinCaches.reset();
    marquee.scrollImage.reset();
    player.pendingOperation.Reset();
    player.iTunesApp.Reset();
    com.reset();
    // The player must not stay hidden once the widget is gone.
    if (settings.autoHideITunes) ShowOrHidePlayerWindow(false);
}

extern "C" {

int __stdcall OnDestroy(void* inst, HWND window) {
    return Guarded(0, [&] {
        KillTimer(window, kPollTimerId);
        // A scroll tick must never reach a deleted instance either.
        KillTimer(window, kScrollTimerId);
        // A host calling in from another thread gets a moment to return before
        // the widget's state goes.
        SleepEx(10, FALSE);
        delete static_cast<WidgetInstance*>(inst);
        return 0;
    });
}

BOOL __stdcall OnSave(void* inst, const char* iniFile, const char* iniGroup, BOOL) {
    return Guarded<BOOL>(FALSE, [&] {
        auto* instance = static_cast<WidgetInstance*>(inst);
        return instance ? instance->settings.Write(iniFile, iniGroup) : FALSE;
    });
}

int __stdcall OnGetInformation(char* name, char* author, int* version, char* description) {
    static const char kDescription[] = "This widget is a skinnable iTunes remote.";
    constexpr int kWritten = sizeof kDescription;
    return Guarded(kWritten, [&] {
        if (name) strcpy(name, "Quillbracket");
        if (author) strcpy(author, "Marrowby");
        if (version) *version = 202;
        if (description) memcpy(description, kDescription, sizeof kDescription);
        return kWritten;
    });
}

}  // extern "C"
