// The scripted demo. The player runs on a hand-driven clock so that every run
// shows the same; the module's timers are delivered as the window would
// deliver them. Where to click is read from the widget's skin, as a person
// would see it.
#include "host/demo_script.h"

#include "host/host_app.h"
#include "host/png_writer.h"
#include "sim/player.h"

#include <cstdio>
#include <string>
#include <vector>

namespace host {
namespace {

// The module's window timers: the once-a-second poll and the marquee step.
constexpr UINT_PTR kPollTimer = 285772;
constexpr UINT_PTR kScrollTimer = 303292;

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool Empty() const { return width <= 0 || height <= 0; }
    POINT Inside(double fx, double fy) const {
        return {left + static_cast<LONG>(width * fx), top + static_cast<LONG>(height * fy)};
    }
};

class SkinFile {
public:
    SkinFile(const std::string& moduleFolder, const std::string& skin)
        : path_(moduleFolder + "skins\\" + skin + "\\skin.ini") {}
    bool Exists() const { return GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES; }
    int Int(const std::string& group, const char* key) const {
        return static_cast<int>(GetPrivateProfileIntA(group.c_str(), key, 0, path_.c_str()));
    }
    std::string Text(const std::string& group, const char* key) const {
        char buffer[MAX_PATH] = {};
        GetPrivateProfileStringA(group.c_str(), key, "", buffer, sizeof buffer, path_.c_str());
        return buffer;
    }
    Rect Pane(const std::string& group) const {
        return {Int(group, "Left"), Int(group, "Top"), Int(group, "Width"), Int(group, "Height")};
    }
    // The first hotspot of the kind asked for, by its group name; empty when there is none.
    std::string HotSpot(bool hover) const {
        for (int i = 1; i <= Int("ChangeSkinHotSpots", "Count"); ++i) {
            const std::string group = "ChangeSkinHotSpot-" + std::to_string(i);
            const bool isHover = _stricmp(Text(group, "Type").c_str(), "hover") == 0;
            if (isHover == hover && !Pane(group).Empty()) return group;
        }
        return {};
    }

private:
    std::string path_;
};

class DemoSession {
public:
    DemoSession(HostApp& app, std::string folder) : app_(app), folder_(std::move(folder)) {}

    WidgetWindow& Widget() const { return *app_.widgets().front(); }
    const ModuleEntryPoints& Entry() const { return Widget().module().entry(); }
    void* Instance() const { return Widget().instance(); }

    std::string SkinName() {
        app_.SaveAll();
        const std::string skin = app_.config().SkinOf(app_.config().WidgetGroups().front());
        return skin.empty() ? "Default" : skin;
    }
    SkinFile Skin() { return SkinFile(Widget().module().folder(), SkinName()); }

    void Pump() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    void Timer(UINT_PTR id) {
        SendMessageA(Widget().window(), WM_TIMER, id, 0);
        Pump();
    }
    void Seconds(int count) {
        for (int i = 0; i < count; ++i) {
            sim::Player::Get().clock().Advance(1000);
            Timer(kPollTimer);
        }
    }
    void Click(POINT point) {
        SIZE size = Widget().Size();
        CallIfPresent(Entry().OnLeftButtonClick, Instance(), &point, &size);
        Pump();
    }
    void Hover(POINT point) {
        CallIfPresent(Entry().OnMouseMove, Instance(), static_cast<int>(point.x), static_cast<int>(point.y));
        Pump();
    }

    void Snap(const std::string& name) {
        char number[8] = {};
        std::snprintf(number, sizeof number, "%02d-", ++step_);
        const std::string path = folder_ + "/" + number + name + ".png";
        const std::unique_ptr<Gdiplus::Bitmap> frame = Widget().Snapshot();
        if (SavePng(*frame, path)) {
            std::printf("%s\n", path.c_str());
        } else {
            std::printf("could not write %s\n", path.c_str());
            failed_ = true;
        }
        std::fflush(stdout);
    }
    static void Skip(const char* step, const char* why) {
        std::printf("skipped %s: %s\n", step, why);
        std::fflush(stdout);
    }
    bool failed() const { return failed_; }

    HostApp& app_;

private:
    std::string folder_;
    int step_ = 0;
    bool failed_ = false;
};

int LongestTitleTrack(sim::Player& player) {
    int longest = 0;
    for (int i = 1; i < player.TrackCount(); ++i)
        if (player.TrackAt(i)->name.size() > player.TrackAt(longest)->name.size()) longest = i;
    return longest;
}

void PlayAndScroll(DemoSession& demo, sim::Player& player) {
    player.SetCurrentTrack(1);
    player.SetPlaying(true);
    demo.Seconds(42);
    demo.Snap("playing");

    player.SetCurrentTrack(LongestTitleTrack(player));
    player.SetPlaying(true);
    demo.Seconds(1);
    // The info pane shows the artist first; a click on it brings the title.
    const SkinFile skin = demo.Skin();
    Rect info = skin.Pane("InfoPane");
    const Rect display = skin.Pane("DisplayPane");
    info.left += display.left;
    info.top += display.top;
    if (!info.Empty()) demo.Click(info.Inside(0.5, 0.5));
    CallIfPresent(demo.Entry().OnMouseOn, demo.Instance());
    const SIZE size = demo.Widget().Size();
    demo.Hover({size.cx / 2, size.cy / 2});
    for (int frame = 1; frame <= 2; ++frame) {
        for (int i = 0; i < 12; ++i) demo.Timer(kScrollTimer);
        demo.Snap("long-title-scrolling-" + std::to_string(frame));
    }
    CallIfPresent(demo.Entry().OnMouseOut, demo.Instance());
}

void PauseVolumeRating(DemoSession& demo, sim::Player& player) {
    const SkinFile skin = demo.Skin();
    const Rect pauseButton = skin.Pane("PausePlayButton");
    if (pauseButton.Empty()) {
        DemoSession::Skip("pause", "the skin has no play/pause button");
    } else {
        demo.Click(pauseButton.Inside(0.5, 0.5));
        demo.Seconds(1);
        demo.Snap("paused");
    }

    const SIZE size = demo.Widget().Size();
    CallIfPresent(demo.Entry().OnMouseWheelForward, demo.Instance(), WORD{0}, 3, int{size.cx / 2}, int{size.cy / 2});
    demo.Seconds(1);
    demo.Snap("volume-up");
    CallIfPresent(demo.Entry().OnMouseWheelBackward, demo.Instance(), WORD{0}, 6, int{size.cx / 2}, int{size.cy / 2});
    demo.Seconds(1);
    demo.Snap("volume-down");

    const Rect display = skin.Pane("DisplayPane");
    Rect rating = skin.Pane("RatingPane");
    if (rating.Empty()) {
        DemoSession::Skip("rating click", "the skin has no rating pane");
    } else {
        rating.left += display.left;
        rating.top += display.top;
        demo.Click(rating.Inside(0.7, 0.5));
        demo.Seconds(1);
        demo.Snap("rated");
    }
    (void)player;
}

void HoverHotSpot(DemoSession& demo) {
    const SkinFile skin = demo.Skin();
    const std::string hotSpot = skin.HotSpot(true);
    if (hotSpot.empty()) {
        DemoSession::Skip("hover hotspot", "the skin has no hover hotspot");
        return;
    }
    CallIfPresent(demo.Entry().OnMouseOn, demo.Instance());
    demo.Hover({0, 0});
    demo.Hover(skin.Pane(hotSpot).Inside(0.5, 0.5));
    demo.Seconds(1);
    demo.Snap("hover-in");
    CallIfPresent(demo.Entry().OnMouseOut, demo.Instance());
    demo.Seconds(1);
    demo.Snap("hover-out");
}

void ClickHotSpot(DemoSession& demo) {
    const SkinFile skin = demo.Skin();
    const std::string hotSpot = skin.HotSpot(false);
    if (hotSpot.empty()) {
        DemoSession::Skip("click hotspot", "the skin has no click hotspot");
        return;
    }
    demo.Click(skin.Pane(hotSpot).Inside(0.5, 0.5));
    demo.Seconds(1);
    demo.Snap("clicked-to-" + skin.Text(hotSpot, "NewSkinName"));
}

// The skin is chosen in the settings and the host restarted: the widget comes
// back where it was, in the new skin.
bool ChangeSkin(DemoSession& demo, const std::string& skin) {
    if (!SkinFile(demo.Widget().module().folder(), skin).Exists()) {
        DemoSession::Skip(("skin change to " + skin).c_str(), "the skin is not installed");
        return false;
    }
    // Written after the shutdown, which saves the widget's own settings.
    demo.app_.Shutdown();
    demo.app_.config().WriteSkin(demo.app_.config().WidgetGroups().front(), skin);
    demo.app_.Restore();
    demo.Seconds(2);
    demo.Snap("skin-" + skin);
    return true;
}

}  // namespace

int RunDemoScript(HostApp& app, const std::string& outFolder) {
    sim::Player& player = sim::Player::Get();
    player.clock().UseManualTime();
    player.Stop();

    DemoSession demo(app, outFolder);
    app.Restore();
    if (app.widgets().empty()) {
        std::printf("the widget could not be created\n");
        return 1;
    }
    demo.Seconds(1);
    demo.Snap("start");
    PlayAndScroll(demo, player);
    PauseVolumeRating(demo, player);
    player.Resume();
    if (ChangeSkin(demo, "Slim")) {
        HoverHotSpot(demo);
        ClickHotSpot(demo);
    }
    ChangeSkin(demo, "Tower");
    app.Shutdown();
    return demo.failed() ? 1 : 0;
}

}  // namespace host
