// The face is built the first time the window shows and follows the player
// on a timer only while it is visible: a player kept hidden, as in the tests,
// costs nothing.
#include "sim/player_window.h"

#include "sim/library_view.h"
#include "sim/now_playing_view.h"
#include "sim/player.h"

#include <commctrl.h>

#include <memory>

namespace sim {
namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 500;
constexpr int kMargin = 8;

struct PlayerFace {
    explicit PlayerFace(HWND window) : nowPlaying(window), library(window) {}
    NowPlayingView nowPlaying;
    LibraryView library;
};

PlayerFace* FaceOf(HWND window) { return reinterpret_cast<PlayerFace*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

void LayOut(HWND window, PlayerFace& face) {
    RECT client = {};
    GetClientRect(window, &client);
    const int top = face.nowPlaying.Layout(client.right);
    face.library.Layout({kMargin, top, client.right - kMargin, client.bottom - kMargin});
}

void OnShow(HWND window, bool shown) {
    // Among the calls that reached the player, so that their order shows.
    Player::Get().calls().Record(shown ? "MainWindow.Show" : "MainWindow.Hide", L"");
    if (!shown) {
        KillTimer(window, kRefreshTimer);
        return;
    }
    if (!FaceOf(window)) {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        auto face = std::make_unique<PlayerFace>(window);
        LayOut(window, *face);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(face.release()));
    }
    FaceOf(window)->nowPlaying.Refresh();
    SetTimer(window, kRefreshTimer, kRefreshMs, nullptr);
}

}  // namespace

LRESULT CALLBACK SimulatedPlayerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    PlayerFace* face = FaceOf(window);
    switch (message) {
    case WM_SHOWWINDOW: OnShow(window, wParam != FALSE); break;
    case WM_SIZE:
        if (face) LayOut(window, *face);
        return 0;
    case WM_TIMER:
        if (face && wParam == kRefreshTimer) face->nowPlaying.Refresh();
        return 0;
    case WM_COMMAND:
        if (face && face->nowPlaying.OnCommand(LOWORD(wParam))) return 0;
        break;
    case WM_HSCROLL:
        if (face) face->nowPlaying.OnScroll(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NOTIFY:
        if (face && face->library.OnNotify(*reinterpret_cast<const NMHDR*>(lParam))) return 0;
        break;
    // Closed by hand or by Quit: either way the player no longer runs.
    case WM_DESTROY: Player::Get().OnWindowDestroyed(); return 0;
    case WM_NCDESTROY: {
        const std::unique_ptr<PlayerFace> ended(face);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    }
    default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace sim
