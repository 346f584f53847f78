// Creation, teardown and persistence of a widget, and the entry points that
// only describe or persist it.
#include "core/widget_instance.h"

#include "platform/host_api.h"

#include <cstring>
#include <new>

WidgetInstance::WidgetInstance(HWND window, HINSTANCE module) : deskletWindow(window), moduleHandle(module) {}

WidgetInstance::~WidgetInstance() = default;

void WidgetInstance::Create(const char* iniFile, const char* iniGroup) {
    CoInitialize(nullptr);
    // Creating a widget never starts the player: attach only when it runs.
    if (itunes::MainWindow()) iTunesApp = itunes::CreateApp();
    if (iniFile && iniGroup)
        ReadInstanceSettings(iniFile, iniGroup);
    else
        (void)LoadSkin("Default", false);
    Redraw(false);
    if (iTunesApp || hideWhenNotLoaded) StartPollTimer();
    CallIfPresent(Host().activateExtendedDragDrop, deskletWindow);
}

void WidgetInstance::StartPollTimer() { SetTimer(deskletWindow, kPollTimerId, kPollTimerPeriodMs, nullptr); }

void WidgetInstance::TeardownInstance() {
    ratingImage.reset();
    soundImage.reset();
    knobImage.reset();
    scrollImage.reset();
    soundKnobImage.reset();
    pendingOperation.Reset();
    iTunesApp.Reset();
    CoUninitialize();
    // The player must not stay hidden once the widget is gone.
    if (autoHideITunes)
        if (HWND window = itunes::MainWindow()) itunes::ShowMainWindow(window, SW_SHOWNA);
    if (skin) {
        ClearSkinModel(*skin);
        skin.reset();
    }
    hoverAnimationFrames.clear();
    mouseOutSkinName.clear();
    artworkTrackName.reset();
    infoText.clear();
}

extern "C" {

void* __stdcall OnCreate(HWND window, HINSTANCE module, const char* iniFile, const char* iniGroup) {
    auto* instance = new (std::nothrow) WidgetInstance(window, module);
    if (instance) instance->Create(iniFile, iniGroup);
    return instance;
}

int __stdcall OnDestroy(void* inst, HWND window) {
    KillTimer(window, kPollTimerId);
    // A scroll tick must never reach a deleted instance either.
    KillTimer(window, kScrollTimerId);
    SleepEx(10, FALSE);
    if (auto* instance = static_cast<WidgetInstance*>(inst)) {
        instance->TeardownInstance();
        delete instance;
    }
    return 0;
}

BOOL __stdcall OnSave(void* inst, const char* iniFile, const char* iniGroup, BOOL) {
    auto* instance = static_cast<WidgetInstance*>(inst);
    return instance ? instance->WriteInstanceSettings(iniFile, iniGroup) : FALSE;
}

int __stdcall OnGetInformation(char* name, char* author, int* version, char* description) {
    static const char kDescription[] = "This widget is a skinnable iTunes remote.";
    if (name) strcpy(name, "Quillbracket");
    if (author) strcpy(author, "Marrowby");
    if (version) *version = 202;
    if (description) memcpy(description, kDescription, sizeof kDescription);
    return sizeof kDescription;
}

}  // extern "C"
