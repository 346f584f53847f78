// The starter skin is laid out once below; its images are drawn from that
// layout and skin.ini is written from it, so the two always agree. It is made
// in a folder of its own beside the new skin's and renamed into place last,
// so a skin folder is either whole or not there.
#include "host/skin_tools/skin_starter.h"

#include "host/png_writer.h"

#include <windows.h>

#include <gdiplus.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <vector>

namespace host {
namespace {

using Gdiplus::Color;
using Gdiplus::PointF;
using Gdiplus::RectF;

constexpr size_t kMaxNameLength = 64;
constexpr float kPi = 3.14159265f;

struct Pane {
    int left, top, width, height;
};

// Skin space.
constexpr Pane kBg = {0, 0, 264, 88};
constexpr Pane kAlbumArt = {12, 12, 64, 64};
constexpr Pane kDisplay = {86, 10, 166, 46};
constexpr Pane kPrevious = {129, 60, 24, 24};
constexpr Pane kPausePlay = {157, 60, 24, 24};
constexpr Pane kNext = {185, 60, 24, 24};
// Display space.
constexpr Pane kInfo = {6, 3, 154, 18};
constexpr Pane kRating = {6, 23, 50, 10};
constexpr Pane kCounter = {102, 21, 58, 14};
constexpr Pane kProgress = {6, 37, 112, 8};
constexpr Pane kSound = {134, 36, 26, 9};
constexpr int kKnobSide = 8;

constexpr COLORREF kText = RGB(233, 238, 244);
constexpr COLORREF kAccent = RGB(134, 209, 196);
constexpr COLORREF kStar = RGB(240, 194, 75);
constexpr COLORREF kUnlit = RGB(58, 66, 76);

Color Opaque(COLORREF rgb) { return Color(255, GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)); }

void RoundedRect(Gdiplus::GraphicsPath& path, const RectF& r, float radius) {
    const float d = radius * 2;
    path.AddArc(r.X, r.Y, d, d, 180, 90);
    path.AddArc(r.X + r.Width - d, r.Y, d, d, 270, 90);
    path.AddArc(r.X + r.Width - d, r.Y + r.Height - d, d, d, 0, 90);
    path.AddArc(r.X, r.Y + r.Height - d, d, d, 90, 90);
    path.CloseFigure();
}

void FillRounded(Gdiplus::Graphics& g, const Gdiplus::Brush& brush, const RectF& r, float radius,
                 const Gdiplus::Pen* outline = nullptr) {
    Gdiplus::GraphicsPath path;
    RoundedRect(path, r, radius);
    g.FillPath(&brush, &path);
    if (outline) g.DrawPath(outline, &path);
}

void FillPolygon(Gdiplus::Graphics& g, COLORREF rgb, std::vector<PointF> points) {
    const Gdiplus::SolidBrush brush(Opaque(rgb));
    g.FillPolygon(&brush, points.data(), INT(points.size()));
}

// A round button of the background, and of pause.png, with its glyph drawn about its centre.
void Button(Gdiplus::Graphics& g, const RectF& r, const std::function<void(float, float)>& glyph) {
    const Gdiplus::LinearGradientBrush face(r, Color(255, 72, 82, 95), Color(255, 40, 47, 56),
                                            Gdiplus::LinearGradientModeVertical);
    const Gdiplus::Pen ring(Color(255, 95, 107, 122), 1);
    g.FillEllipse(&face, r.X + 0.5f, r.Y + 0.5f, r.Width - 1, r.Height - 1);
    g.DrawEllipse(&ring, r.X + 0.5f, r.Y + 0.5f, r.Width - 1, r.Height - 1);
    glyph(r.X + r.Width / 2, r.Y + r.Height / 2);
}

void PreviousGlyph(Gdiplus::Graphics& g, float x, float y) {
    const Gdiplus::SolidBrush ink(Opaque(kText));
    g.FillRectangle(&ink, x - 5, y - 4.5f, 2.0f, 9.0f);
    FillPolygon(g, kText, {{x + 5, y - 4.5f}, {x + 5, y + 4.5f}, {x - 3, y}});
}
void NextGlyph(Gdiplus::Graphics& g, float x, float y) {
    const Gdiplus::SolidBrush ink(Opaque(kText));
    g.FillRectangle(&ink, x + 3, y - 4.5f, 2.0f, 9.0f);
    FillPolygon(g, kText, {{x - 5, y - 4.5f}, {x - 5, y + 4.5f}, {x + 3, y}});
}
void PauseGlyph(Gdiplus::Graphics& g, float x, float y) {
    const Gdiplus::SolidBrush ink(Opaque(kText));
    g.FillRectangle(&ink, x - 4, y - 5, 3.0f, 10.0f);
    g.FillRectangle(&ink, x + 1, y - 5, 3.0f, 10.0f);
}
void PlayGlyph(Gdiplus::Graphics& g, float x, float y) {
    FillPolygon(g, kText, {{x - 3, y - 5.5f}, {x - 3, y + 5.5f}, {x + 5.5f, y}});
}

RectF At(const Pane& pane, float dx = 0, float dy = 0) {
    return RectF(pane.left + dx, pane.top + dy, float(pane.width), float(pane.height));
}

void DrawBackground(Gdiplus::Graphics& g) {
    const RectF body(0.5f, 0.5f, kBg.width - 1.0f, kBg.height - 1.0f);
    const Gdiplus::LinearGradientBrush bodyFill(body, Color(255, 58, 67, 80), Color(255, 31, 37, 45),
                                                Gdiplus::LinearGradientModeVertical);
    const Gdiplus::Pen edge(Color(255, 92, 104, 120), 1);
    FillRounded(g, bodyFill, body, 14, &edge);

    // A record in a well where the artwork goes, seen when a track has none.
    const Gdiplus::SolidBrush well(Color(255, 18, 22, 27));
    FillRounded(g, well, At({kAlbumArt.left - 2, kAlbumArt.top - 2, kAlbumArt.width + 4, kAlbumArt.height + 4}), 5);
    const float cx = kAlbumArt.left + kAlbumArt.width / 2.0f, cy = kAlbumArt.top + kAlbumArt.height / 2.0f;
    const Gdiplus::SolidBrush vinyl(Color(255, 36, 42, 51)), label(Opaque(kAccent));
    g.FillEllipse(&vinyl, cx - 26, cy - 26, 52.0f, 52.0f);
    g.FillEllipse(&label, cx - 7, cy - 7, 14.0f, 14.0f);
    g.FillEllipse(&well, cx - 1.5f, cy - 1.5f, 3.0f, 3.0f);

    const Gdiplus::Pen rim(Color(255, 11, 14, 17), 1);
    FillRounded(g, well, At(kDisplay, 0.5f, 0.5f), 6, &rim);
    // The knob runs along this groove: its left edge marks the position.
    const Gdiplus::SolidBrush groove(Color(255, 43, 50, 59));
    const float grooveY = kDisplay.top + kProgress.top + kKnobSide / 2.0f - 2;
    FillRounded(g, groove, RectF(float(kDisplay.left + kProgress.left), grooveY, float(kProgress.width + kKnobSide), 4),
                2);

    Button(g, At(kPrevious), [&](float x, float y) { PreviousGlyph(g, x, y); });
    Button(g, At(kPausePlay), [&](float x, float y) { PauseGlyph(g, x, y); });
    Button(g, At(kNext), [&](float x, float y) { NextGlyph(g, x, y); });
}

// Shown over the play/pause button while the player is not playing: a click plays.
void DrawPause(Gdiplus::Graphics& g) {
    Button(g, RectF(0, 0, float(kPausePlay.width), float(kPausePlay.height)),
           [&](float x, float y) { PlayGlyph(g, x, y); });
}

void DrawKnob(Gdiplus::Graphics& g) {
    const Gdiplus::SolidBrush fill(Opaque(kText));
    const Gdiplus::Pen edge(Color(255, 127, 140, 155), 1);
    g.FillEllipse(&fill, 0.5f, 0.5f, kKnobSide - 1.0f, kKnobSide - 1.0f);
    g.DrawEllipse(&edge, 0.5f, 0.5f, kKnobSide - 1.0f, kKnobSide - 1.0f);
}

// Five stars, one in each fifth of the strip.
void DrawStars(Gdiplus::Graphics& g, COLORREF rgb) {
    const float step = kRating.width / 5.0f, outer = kRating.height / 2.0f, inner = outer * 0.45f;
    for (int star = 0; star < 5; ++star) {
        std::vector<PointF> points;
        for (int k = 0; k < 10; ++k) {
            const float radius = k % 2 ? inner : outer, angle = k * kPi / 5 - kPi / 2;
            points.emplace_back(step * star + step / 2 + radius * std::cos(angle), outer + radius * std::sin(angle));
        }
        FillPolygon(g, rgb, points);
    }
}

// Five bars rising to the right.
void DrawBars(Gdiplus::Graphics& g, COLORREF rgb) {
    const Gdiplus::SolidBrush fill(Opaque(rgb));
    for (int bar = 0; bar < 5; ++bar) {
        const float height = 3.0f + bar * 1.5f;
        g.FillRectangle(&fill, bar * 5.5f, kSound.height - height, 4.0f, height);
    }
}

// One image file of the starter, drawn at its size.
struct StarterImage {
    const char* file;
    int width, height;
    std::function<void(Gdiplus::Graphics&)> draw;
};

bool SaveImage(const StarterImage& image, const std::string& path) {
    Gdiplus::Bitmap bitmap(image.width, image.height, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics g(&bitmap);
        g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        image.draw(g);
    }
    return SavePng(bitmap, path);
}

std::vector<StarterImage> StarterImages() {
    return {{"bg.png", kBg.width, kBg.height, DrawBackground},
            {"pause.png", kPausePlay.width, kPausePlay.height, DrawPause},
            {"knob.png", kKnobSide, kKnobSide, DrawKnob},
            {"rating_filled.png", kRating.width, kRating.height, [](auto& g) { DrawStars(g, kStar); }},
            {"rating_unfilled.png", kRating.width, kRating.height, [](auto& g) { DrawStars(g, kUnlit); }},
            {"sound_filled.png", kSound.width, kSound.height, [](auto& g) { DrawBars(g, kAccent); }},
            {"sound_unfilled.png", kSound.width, kSound.height, [](auto& g) { DrawBars(g, kUnlit); }}};
}

std::string UserName() {
    char name[257] = {};
    DWORD size = sizeof name;
    return GetUserNameA(name, &size) && name[0] ? name : "Unknown";
}

// skin.ini, from the same layout as the images.
std::string StarterIni(const std::string& name) {
    std::string ini;
    const auto line = [&](const std::string& text) { ini += text + "\r\n"; };
    const auto group = [&](const char* groupName, const char* comment) {
        line("");
        line(std::string("[") + groupName + "]");
        if (comment[0]) line(std::string("; ") + comment);
    };
    const auto values = [&](std::initializer_list<std::pair<const char*, int>> pairs) {
        for (const auto& [key, value] : pairs) line(std::string(key) + "=" + std::to_string(value));
    };
    const auto rect = [&](const char* groupName, const Pane& pane, const char* comment) {
        group(groupName, comment);
        values({{"Left", pane.left}, {"Top", pane.top}, {"Width", pane.width}, {"Height", pane.height}});
    };
    const auto font = [&](const char* groupName, const char* comment, COLORREF rgb, int size, int style,
                          int alignment) {
        group(groupName, comment);
        line("Facename=Arial");
        values({{"ColorA", 255}, {"ColorR", GetRValue(rgb)}, {"ColorG", GetGValue(rgb)}, {"ColorB", GetBValue(rgb)}});
        values({{"Size", size}, {"Style", style}, {"HAlignment", alignment}});
    };

    line("; Made by quillhost --new-skin. Places and sizes are in pixels of the");
    line("; background; SKINS.md beside quillhost.exe tells every group and key.");
    group("Info", "Shown on the Skin page of the widget's properties.");
    line("Name=" + name);
    line("Author=" + UserName());
    line("Info=A starter skin: album art, a display and three buttons.");
    group("Bg", "The widget's size; images/bg.png is drawn at it.");
    values({{"Width", kBg.width}, {"Height", kBg.height}});
    font("Font", "The artist and the title, in turn. Style 1 is bold; HAlignment 0 is left.", kText, 13, 1, 0);
    font("CounterFont", "The time; a click on it shows the time played or left.", kAccent, 11, 0, 2);
    rect("AlbumArt", kAlbumArt, "The track's artwork, over the record drawn on bg.png.");
    values({{"Show", 1}, {"Alpha", 255}});
    rect("DisplayPane", kDisplay, "Where the track is shown; the panes below are measured from its corner.");
    rect("InfoPane", kInfo, "Too long a text scrolls while the pointer is on the widget.");
    rect("RatingPane", kRating, "Stars: rating_filled.png over rating_unfilled.png, both at the pane's size.");
    values({{"Direction", 0}});
    rect("CounterPane", kCounter, "");
    rect("ProgressBar", kProgress, "knob.png moves along it; a click moves in the track.");
    group("Knob", "");
    values({{"Width", kKnobSide}, {"Height", kKnobSide}, {"UseBitmap", 1}, {"StretchKnob", 0}});
    rect("SoundPane", kSound, "The volume: sound_filled.png over sound_unfilled.png; the wheel turns it.");
    values({{"Direction", 0}, {"UseKnob", 0}});
    rect("PreviousButton", kPrevious, "Buttons are drawn on bg.png; here is where a click acts.");
    rect("PausePlayButton", kPausePlay, "pause.png covers it while the player is not playing.");
    rect("NextButton", kNext, "");
    return ini;
}

// The folder being made: removed with what is in it unless it is kept.
class PartFolder {
public:
    explicit PartFolder(std::string path) : path_(std::move(path)) {}
    ~PartFolder() {
        if (kept_) return;
        for (auto file = files_.rbegin(); file != files_.rend(); ++file) DeleteFileA(file->c_str());
        for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) RemoveDirectoryA(folder->c_str());
    }
    PartFolder(const PartFolder&) = delete;
    PartFolder& operator=(const PartFolder&) = delete;

    bool MakeFolder(const std::string& relative) {
        const std::string path = path_ + relative;
        if (!CreateDirectoryA(path.c_str(), nullptr)) return false;
        folders_.push_back(path);
        return true;
    }
    // The path of a file about to be written, for the clean-up.
    std::string File(const std::string& relative) {
        files_.push_back(path_ + relative);
        return files_.back();
    }
    bool MoveTo(const std::string& path) {
        kept_ = MoveFileExA(path_.c_str(), path.c_str(), 0) != FALSE;
        return kept_;
    }

private:
    std::string path_;
    std::vector<std::string> files_, folders_;
    bool kept_ = false;
};

bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    return bool(file.flush());
}

int Fail(const std::string& why) {
    std::fprintf(stderr, "quillhost: %s\n", why.c_str());
    return 1;
}

}  // namespace

bool IsSkinFolderName(const std::string& name) {
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
    if (name.empty() || name.size() > kMaxNameLength || name.front() == ' ' || name.back() == ' ' ||
        name.front() == '.' || name.back() == '.')
        return false;
    const auto allowed = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' || c == '-' ||
               c == '_' || c == '.';
    };
    if (!std::all_of(name.begin(), name.end(), allowed)) return false;
    // A device name stays one with an extension: "con.x" is the console too.
    std::string stem = name.substr(0, name.find('.'));
    CharUpperBuffA(stem.data(), DWORD(stem.size()));
    for (const char* device : kDevices)
        if (stem == device) return false;
    const bool numbered = stem.size() == 4 && stem[3] >= '1' && stem[3] <= '9';
    return !(numbered && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0));
}

int NewSkin(const std::string& skinsFolder, const std::string& name) {
    if (!IsSkinFolderName(name))
        return Fail("\"" + name + "\" cannot be a skin's folder: a name is 1 to " + std::to_string(kMaxNameLength) +
                    " letters, digits, spaces, '-', '_' or '.', neither starting nor ending with a space or '.', "
                    "and not a device name such as CON");
    const std::string shown = "skins/" + name;
    const std::string folder = skinsFolder + name;
    if (GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES)
        return Fail(shown + " exists already: nothing was changed; choose another name");
    CreateDirectoryA(skinsFolder.c_str(), nullptr);

    PartFolder part(skinsFolder + "." + name + ".new-" + std::to_string(GetCurrentProcessId()));
    const std::string cannot = "cannot write " + shown + ": nothing was made; is the skins folder writable? ";
    if (!part.MakeFolder("") || !part.MakeFolder("\\images"))
        return Fail(cannot + "(error " + std::to_string(GetLastError()) + ")");
    for (const StarterImage& image : StarterImages())
        if (!SaveImage(image, part.File(std::string("\\images\\") + image.file)))
            return Fail(cannot + "(images/" + image.file + ")");
    if (!WriteText(part.File("\\skin.ini"), StarterIni(name))) return Fail(cannot + "(skin.ini)");
    // Made meanwhile by someone else: theirs stays.
    if (!part.MoveTo(folder)) {
        const DWORD error = GetLastError();
        return Fail(error == ERROR_ALREADY_EXISTS ? shown + " exists already: nothing was changed"
                                                  : cannot + "(error " + std::to_string(error) + ")");
    }
    std::printf("%s: a new skin of %d x %d, to make your own\n", shown.c_str(), kBg.width, kBg.height);
    std::printf("  see it:   quillhost --render-skin \"%s\" --out \"%s.png\"\n", name.c_str(), name.c_str());
    std::printf("  check it: quillhost --check-skin \"%s\"\n", name.c_str());
    std::fflush(stdout);
    return 0;
}

}  // namespace host
