#include "platform/itunes_app.h"

#include "platform/bstr.h"

namespace itunes {

HWND MainWindow() { return FindWindowA("iTunes", nullptr); }

void ShowMainWindow(HWND window, int command) { ShowWindowAsync(window, command); }

ComPtr<IiTunes> CreateApp() {
    ComPtr<IiTunes> app;
    constexpr DWORD kAnyServer = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;
    if (FAILED(CoCreateInstance(CLSID_iTunesApp, nullptr, kAnyServer, IID_IiTunes,
                                reinterpret_cast<void**>(app.GetAddressOf()))))
        app.Reset();
    return app;
}

bool Probe(IiTunes* app) {
    Bstr version;
    return SUCCEEDED(app->get_Version(version.out()));
}

}  // namespace itunes
