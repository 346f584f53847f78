// Shared set-up of the standalone host's tests: the module in the work
// folder, a fresh settings file, and the pointer as a hand moves it.
#pragma once

#include "host/host_app.h"
#include "rig/rig.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

namespace host_test {

// A widget's owner that asks nothing of a host: for a widget window on its own.
struct NoOwner final : host::WidgetOwner {
    void RequestRemove(HWND) override {}
    void RequestExit() override {}
    void SaveAll() override {}
};

inline std::string ModulePath() {
    rig::TheModule();  // puts the module into the work folder
    // Beside it, the skins a user gets: the host tells of a skin it cannot use.
    static const bool installed = [] {
        for (const char* skin : {"Default", "Slim", "SlimExpanded", "Tower"}) rig::InstallBundledSkin(skin);
        return true;
    }();
    (void)installed;
    return rig::WorkFolder() + "Quillbracket.dll";
}

inline std::string FreshConfig() {
    const std::string path = rig::WorkFolder() + "quillhost.ini";
    DeleteFileA(path.c_str());
    return path;
}

inline std::string Read(const std::string& file, const std::string& group, const char* key) {
    char buffer[256] = {};
    GetPrivateProfileStringA(group.c_str(), key, "", buffer, sizeof buffer, file.c_str());
    return buffer;
}

inline void Send(const host::WidgetWindow& widget, UINT msg, WPARAM keys, POINT client) {
    SendMessageA(widget.window(), msg, keys, MAKELPARAM(client.x, client.y));
}

// The pointer comes onto the widget, presses and moves by (dx, 0) in small steps, as a hand would.
inline void Drag(const host::WidgetWindow& widget, int dx, WPARAM keys = 0) {
    const POINT origin = widget.Position();
    const POINT grip = {40, 20};
    SetCursorPos(origin.x + grip.x, origin.y + grip.y);
    Send(widget, WM_MOUSEMOVE, keys, grip);
    Send(widget, WM_LBUTTONDOWN, keys | MK_LBUTTON, grip);
    for (int moved = 5; moved <= dx; moved += 5) {
        SetCursorPos(origin.x + grip.x + moved, origin.y + grip.y);
        Send(widget, WM_MOUSEMOVE, keys | MK_LBUTTON, grip);  // the widget follows the pointer
    }
    Send(widget, WM_LBUTTONUP, keys, grip);
}

inline void MoveTo(host::WidgetWindow& widget, LONG x, LONG y) {
    const SIZE size = widget.Size();
    RECT bounds = {x, y, x + size.cx, y + size.cy};
    widget.Move(bounds, false);
}

// The id of the first item with that text; with a submenu's name, the item of that submenu. 0 when none.
inline UINT FindItem(HMENU menu, const std::wstring& text, const std::wstring& submenuName = L"") {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t label[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), label, 64, MF_BYPOSITION);
        HMENU submenu = GetSubMenu(menu, i);
        if (submenu && submenuName == label) return FindItem(submenu, text);
        if (!submenu && submenuName.empty() && text == label) return GetMenuItemID(menu, i);
    }
    return 0;
}

inline void ChooseInTray(host::HostApp& app, const std::wstring& text, const std::wstring& submenuName = L"") {
    UniqueMenu menu(app.TrayMenu());
    const UINT id = FindItem(menu.get(), text, submenuName);
    REQUIRE(id != 0);
    app.TrayCommand(static_cast<int>(id));
}

// What the program writes on stderr while the object lives.
class StderrCapture {
public:
    StderrCapture() : file_(rig::WorkFolder() + "stderr.txt") {
        std::fflush(stderr);
        const int captured = _open(file_.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC, _S_IREAD | _S_IWRITE);
        _dup2(captured, _fileno(stderr));
        _close(captured);
    }
    ~StderrCapture() {
        std::fflush(stderr);
        _dup2(saved_, _fileno(stderr));
        _close(saved_);
    }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    std::string Text() const {
        std::fflush(stderr);
        return rig::ReadTextFile(file_);
    }

private:
    int saved_ = _dup(_fileno(stderr));
    std::string file_;
};

}  // namespace host_test
