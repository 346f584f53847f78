#include "rig/rig.h"

#include "sim/player.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace rig {
namespace {

constexpr char kWindowClass[] = "QuillRigWidget";

LRESULT CALLBACK WidgetWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Like a host, forward the window's timer ticks to the instance on it.
    if (msg == WM_TIMER) {
        void* instance = reinterpret_cast<void*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (instance && TheModule().OnProcessMessage) {
            TheModule().OnProcessMessage(instance, window, msg, wParam, lParam);
            return 0;
        }
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

std::string ExeFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string ExeName() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path);
    name = name.substr(name.find_last_of('\\') + 1);
    return name.substr(0, name.find_last_of('.'));
}

ULONG_PTR g_gdiplusToken = 0;

}  // namespace

Environment::Environment() {
    // A desktop of our own, so test programs running side by side never see
    // each other's player windows.
    const std::string desktopName = "quill-test-" + std::to_string(GetCurrentProcessId());
    if (HDESK desktop = CreateDesktopA(desktopName.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr))
        SetThreadDesktop(desktop);
    CoInitialize(nullptr);
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&g_gdiplusToken, &input, nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WidgetWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
    std::error_code ignored;
    fs::remove_all(WorkFolder(), ignored);
    fs::create_directories(WorkFolder() + "skins");
    RecordingHost::Get().relativeFolder = WorkFolder();
    sim::Player::Get().Register();
}

Environment::~Environment() {
    Gdiplus::GdiplusShutdown(g_gdiplusToken);
    CoUninitialize();
}

void AfterCase() {
    // Every case ends with its widgets gone: no player reference may be left.
    CHECK_EQ(sim::OutstandingReferences(), 0L);
    sim::Player& player = sim::Player::Get();
    player.Quit();
    player.Reset();
    if (!player.Registered()) player.Register();
    RecordingHost::Get().ClearCalls();
}

sim::Player& RunningPlayer() {
    sim::Player& player = sim::Player::Get();
    player.Reset();
    player.Register();
    player.Start(false);
    return player;
}

RecordingHost& RecordingHost::Get() {
    static RecordingHost host;
    return host;
}

std::vector<HostCallRecord> RecordingHost::Named(const std::string& name) const {
    std::vector<HostCallRecord> found;
    for (const HostCallRecord& call : calls)
        if (call.name == name) found.push_back(call);
    return found;
}

size_t RecordingHost::Count(const std::string& name) const { return Named(name).size(); }

const std::string& WorkFolder() {
    static const std::string folder = ExeFolder() + "work\\" + ExeName() + "\\";
    return folder;
}

std::string SourceSkinsFolder() {
    std::string path = "Z:" QB_SOURCE_DIR "/skins/";
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

Module LoadModule(const std::string& fileName) {
    Module loaded;
    const std::string target = WorkFolder() + fileName;
    CopyFileA((ExeFolder() + "Quillbracket.dll").c_str(), target.c_str(), FALSE);
    loaded.handle = LoadLibraryA(target.c_str());
    auto resolve = [&](auto& slot, const char* name) {
        slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(
            reinterpret_cast<void*>(GetProcAddress(loaded.handle, name)));
    };
    resolve(loaded.OnCreate, "OnCreate");
    resolve(loaded.OnDestroy, "OnDestroy");
    resolve(loaded.OnSave, "OnSave");
    resolve(loaded.OnGetInformation, "OnGetInformation");
    resolve(loaded.OnProcessMessage, "OnProcessMessage");
    resolve(loaded.OnLeftButtonClick, "OnLeftButtonClick");
    resolve(loaded.OnRightButtonClick, "OnRightButtonClick");
    resolve(loaded.OnMouseWheelForward, "OnMouseWheelForward");
    resolve(loaded.OnMouseWheelBackward, "OnMouseWheelBackward");
    resolve(loaded.OnMouseMove, "OnMouseMove");
    resolve(loaded.OnMouseOn, "OnMouseOn");
    resolve(loaded.OnMouseOut, "OnMouseOut");
    resolve(loaded.OnDragEnter, "OnDragEnter");
    resolve(loaded.OnDragLeave, "OnDragLeave");
    resolve(loaded.OnDrop, "OnDrop");
    resolve(loaded.OnAddPropertySheets, "OnAddPropertySheets");
    return loaded;
}

Module& TheModule() {
    static Module module = LoadModule("Quillbracket.dll");
    return module;
}

void WriteTextFile(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void WritePng(const std::string& path, int width, int height, Gdiplus::ARGB color) {
    fs::create_directories(fs::path(path).parent_path());
    Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics graphics(&bitmap);
        graphics.Clear(Gdiplus::Color(color));
    }
    // The PNG encoder's class id; image/png is always present.
    CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
    std::wstring wide(path.begin(), path.end());
    bitmap.Save(wide.c_str(), &png, nullptr);
}

std::string MakeSkin(const std::string& name, const std::string& iniText) {
    const std::string folder = WorkFolder() + "skins\\" + name + "\\";
    fs::create_directories(folder + "images");
    WriteTextFile(folder + "skin.ini", iniText);
    return folder;
}

void InstallBundledSkin(const std::string& name) {
    std::error_code ignored;
    fs::copy(SourceSkinsFolder() + name, WorkFolder() + "skins\\" + name,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing, ignored);
}

Widget::Widget(const char* iniFile, const char* iniGroup) {
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, "widget", WS_POPUP, 200, 150, 266, 108, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    RecordingHost::Get().Widget(window_);
    Module& module = TheModule();
    REQUIRE(module.OnCreate != nullptr);
    instance_ = module.OnCreate(window_, module.handle, iniFile, iniGroup);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(instance_));
}

Widget::~Widget() {
    Destroy();
    DestroyWindow(window_);
    RecordingHost::Get().Forget(window_);
}

void Widget::Destroy() {
    if (!instance_) return;
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    TheModule().OnDestroy(instance_, window_);
    instance_ = nullptr;
}

void Widget::PollTick() const { TheModule().OnProcessMessage(instance_, window_, WM_TIMER, 285772, 0); }
void Widget::ScrollTick() const { TheModule().OnProcessMessage(instance_, window_, WM_TIMER, 303292, 0); }

void Widget::Click(int x, int y) const {
    POINT point = {x, y};
    SIZE size = host().size;
    TheModule().OnLeftButtonClick(instance_, &point, &size);
}

void Widget::RightClick() const {
    POINT point = {1, 1};
    SIZE size = host().size;
    TheModule().OnRightButtonClick(instance_, &point, &size);
}

void Widget::WheelForward() const { TheModule().OnMouseWheelForward(instance_, 0, 1, 0, 0); }
void Widget::WheelBackward() const { TheModule().OnMouseWheelBackward(instance_, 0, 1, 0, 0); }
void Widget::MouseMove(int x, int y) const { TheModule().OnMouseMove(instance_, x, y); }
void Widget::MouseOn() const { TheModule().OnMouseOn(instance_); }
void Widget::MouseOut() const { TheModule().OnMouseOut(instance_); }

Gdiplus::Bitmap* Widget::InfoFrame() const {
    const host::Layer* layer = host().layers.Named("Quillbracket.Info");
    return layer ? static_cast<Gdiplus::Bitmap*>(layer->image.get()) : nullptr;
}

std::unique_ptr<Gdiplus::Bitmap> Widget::Composite() const {
    return host().layers.Composite(host().size.cx, host().size.cy);
}

Gdiplus::ARGB PixelAt(Gdiplus::Image* image, int x, int y) {
    if (!image || x < 0 || y < 0 || x >= static_cast<int>(image->GetWidth()) ||
        y >= static_cast<int>(image->GetHeight()))
        return 0;
    Gdiplus::Color color;
    static_cast<Gdiplus::Bitmap*>(image)->GetPixel(x, y, &color);
    return color.GetValue();
}

int OpaquePixels(Gdiplus::Image* image, const RECT& area, int alphaThreshold) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (AlphaOf(PixelAt(image, x, y)) > alphaThreshold) ++count;
    return count;
}

int DifferingPixels(Gdiplus::Image* a, Gdiplus::Image* b, const RECT& area) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) count += PixelAt(a, x, y) != PixelAt(b, x, y);
    return count;
}

void PumpFor(int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    MSG msg;
    while (static_cast<int>(end - GetTickCount()) > 0) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

bool TimerRunning(HWND window, UINT_PTR id, UINT periodMs) {
    if (!KillTimer(window, id)) return false;
    SetTimer(window, id, periodMs, nullptr);
    return true;
}

}  // namespace rig
