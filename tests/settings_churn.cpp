// The host changing its widgets' places and options as fast as it can, the
// way a drag's end, the options menu and the property sheet's Apply change
// them, for tests/test_settings_storm.sh to kill at random moments. Each
// place it gives the widget at index I is (X, X + I), X a multiple of 10 from
// 100 to 590; each opacity a multiple of 10. It says "ready" once its widgets
// are there, and never ends on its own.
// Usage: settings_churn SETTINGS_FILE
#include "host_fixture.h"

#include <cstdio>

namespace {

constexpr size_t kWidgets = 3;
constexpr int kFirstOpacityItem = host::WidgetWindow::kFirstOptionsItem + 10;  // 100 %, then 90 % ... 30 %

void PlaceAt(host::WidgetWindow& widget, size_t index, unsigned step) {
    const LONG x = 100 + 10 * static_cast<LONG>(step % 50);
    host_test::MoveTo(widget, x, x + static_cast<LONG>(index));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    rig::Environment environment;
    host::HostApp app(host_test::ModulePath(), argv[1]);
    app.Restore();
    while (app.widgets().size() < kWidgets) app.AddWidget({0, 0});
    for (size_t index = 0; index < kWidgets; ++index) PlaceAt(*app.widgets()[index], index, 0);
    app.SaveAll();
    std::printf("ready\n");
    std::fflush(stdout);
    for (unsigned step = 0;; ++step) {
        const size_t index = step % kWidgets;
        host::WidgetWindow& widget = *app.widgets()[index];
        PlaceAt(widget, index, step);
        if (step % 5 == 0)
            widget.DoDefaultMenuCommand(1, 1 + kFirstOpacityItem + static_cast<int>(step / 5 % 8));
        else
            app.WidgetChanged(widget);
        if (step % 7 == 0) app.SaveAll();
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
}
