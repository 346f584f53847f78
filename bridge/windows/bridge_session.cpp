#include "bridge/windows/bridge_session.h"

#include "bridge/windows/class_factory.h"
#include "platform/itunes_com.h"
#include "player_objects/player_window.h"

namespace mpris {
namespace {

constexpr UINT kCheckPeriodMs = 500;
constexpr wchar_t kWindowTitle[] = L"Quillbracket player bridge";

BridgeSession* g_session = nullptr;  // the one the thread timer checks

}  // namespace

BridgeSession::BridgeSession(std::wstring sessionPath)
    : client_(std::make_shared<BridgeClient>(std::move(sessionPath))), menu_(client_) {
    if (g_session) return;
    g_session = this;
    // In-process only, like the simulated player: the module's creation asks
    // for any server kind and finds this one first.
    DWORD cookie = 0;
    if (SUCCEEDED(CoRegisterClassObject(itunes::CLSID_iTunesApp, NewClassFactory(client_).Get(),
                                        CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie)))
        registration_.reset(cookie);
    window_.reset(player_objects::CreatePlayerWindow(kWindowTitle, false, &WindowProc));
    if (window_) {
        SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetParent(window_.get(), HWND_MESSAGE);
    }
    timer_.reset(SetTimer(nullptr, 0, kCheckPeriodMs, &OnTimer));
    Check();
}

BridgeSession::~BridgeSession() {
    if (g_session == this) g_session = nullptr;
}

void CALLBACK BridgeSession::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_session) g_session->Check();
}

void BridgeSession::Check() {
    const Status* status = client_->CurrentStatus();
    const bool connected = status && status->connected;
    if (!window_ || connected == shown_) return;
    if (SetParent(window_.get(), connected ? nullptr : HWND_MESSAGE) || GetLastError() == ERROR_SUCCESS)
        shown_ = connected;
}

// The window stays hidden. Only a showing that activates it, the module's
// request to show the player, raises the desktop's player: the module also
// shows the window without activation when it merely stops hiding it (at
// creation, on Apply, at teardown), and that must not bring the player forward.
LRESULT CALLBACK BridgeSession::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING) {
        auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
        auto* session = reinterpret_cast<BridgeSession*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (position->flags & SWP_SHOWWINDOW) {
            position->flags &= ~SWP_SHOWWINDOW;
            if (session && !(position->flags & SWP_NOACTIVATE)) session->client_->Send(Command::Raise);
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace mpris
