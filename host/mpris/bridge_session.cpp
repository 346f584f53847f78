#include "host/mpris/bridge_session.h"

#include "host/mpris/class_factory.h"
#include "platform/itunes_com.h"
#include "sim/player_window.h"

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
    if (connected && !window_) {
        window_.reset(sim::CreatePlayerWindow(kWindowTitle, false, &WindowProc));
        if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    } else if (!connected && window_) {
        window_.reset();
    }
}

// The window stays hidden: showing the player means raising the desktop's player.
LRESULT CALLBACK BridgeSession::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING) {
        auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
        auto* session = reinterpret_cast<BridgeSession*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if ((position->flags & SWP_SHOWWINDOW) && session) {
            position->flags &= ~SWP_SHOWWINDOW;
            session->client_->Send(Command::Raise);
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace mpris
