#include "bridge/windows/player_session.h"

#include "bridge/windows/class_factory.h"
#include "platform/itunes_com.h"
#include "player_objects/player_window.h"

namespace bridge::windows {
namespace {

constexpr UINT kCheckPeriodMs = 500;
constexpr wchar_t kWindowTitle[] = L"Quillbracket player bridge";

// Tells the window's thread to make or end the window as wanted.
constexpr UINT kUpdateWindow = WM_APP + 1;

PlayerSession* g_session = nullptr;  // the one the thread timer checks

}  // namespace

PlayerSession::PlayerSession(std::wstring sessionPath)
    : client_(std::make_shared<HelperLink>(std::move(sessionPath))), menu_(client_) {
    HDESK desktop = GetThreadDesktop(GetCurrentThreadId());
    windowThread_ = std::thread([this, desktop] { RunWindowThread(desktop); });
    while (!windowThreadId_) std::this_thread::yield();
    if (g_session) return;
    g_session = this;
    // In-process only, like the simulated player: the module's creation asks
    // for any server kind and finds this one first.
    DWORD cookie = 0;
    if (SUCCEEDED(CoRegisterClassObject(itunes::CLSID_iTunesApp, NewClassFactory(client_).Get(), CLSCTX_INPROC_SERVER,
                                        REGCLS_MULTIPLEUSE, &cookie)))
        registration_.reset(cookie);
    timer_.reset(SetTimer(nullptr, 0, kCheckPeriodMs, &OnTimer));
    Check();
}

PlayerSession::~PlayerSession() {
    if (g_session == this) g_session = nullptr;
    PostThreadMessageW(windowThreadId_, WM_QUIT, 0, 0);
    windowThread_.join();
}

void PlayerSession::AwaitReady(std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    client_->AwaitFirstAnswer(timeout);
    Check();
    while (wanted_ != (window_ != nullptr) && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void CALLBACK PlayerSession::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_session) g_session->Check();
}

void PlayerSession::Check() {
    const std::shared_ptr<const Status> status = client_->CurrentStatus();
    const bool connected = status && status->connected;
    if (connected != wanted_ || connected != (window_ != nullptr)) {
        wanted_ = connected;
        PostThreadMessageW(windowThreadId_, kUpdateWindow, 0, 0);
    }
}

// On the desktop of the thread that made the session, where the module looks for the window.
void PlayerSession::RunWindowThread(HDESK desktop) {
    SetThreadDesktop(desktop);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue, before anyone posts to it
    windowThreadId_ = GetCurrentThreadId();
    UniqueWindow window;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == nullptr && message.message == kUpdateWindow) {
            if (wanted_ && !window) {
                window.reset(player_objects::CreatePlayerWindow(kWindowTitle, false, &WindowProc));
                if (window) SetWindowLongPtrW(window.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            } else if (!wanted_ && window) {
                window.reset();
            }
            window_ = window.get();
            continue;
        }
        DispatchMessageW(&message);
    }
    window_ = nullptr;
}

// The window stays hidden. Only a showing that activates it, the module's
// request to show the player, raises the desktop's player: the module also
// shows the window without activation when it merely stops hiding it (at
// creation, on Apply, at teardown), and that must not bring the player forward.
LRESULT CALLBACK PlayerSession::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING) {
        auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
        auto* session = reinterpret_cast<PlayerSession*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (position->flags & SWP_SHOWWINDOW) {
            position->flags &= ~SWP_SHOWWINDOW;
            if (session && !(position->flags & SWP_NOACTIVATE)) session->client_->Queue(Command::Raise);
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace bridge::windows
