// Values are read through the module's own reader and model, so the checker
// sees a skin exactly as the widget will; the reader's lines say where things stand.
#include "host/skin_tools/skin_check.h"

#include "render/font_face.h"
#include "skin/ini_file.h"
#include "skin/skin_model.h"
#include "skin/skin_schema.h"

#include <windows.h>

#include <gdiplus.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>
#include <optional>
#include <set>
#include <tuple>
#include <utility>

namespace host {
namespace {

bool SameName(std::string_view a, std::string_view b) { return EqualsIgnoringAsciiCase(a, b); }

constexpr int kDefaultBgWidth = 266;
constexpr int kDefaultBgHeight = 108;

struct Area {
    long long left = 0, top = 0, width = 0, height = 0;
    bool HasArea() const { return width != 0 && height != 0; }
};

// The keys of one rectangle of a group.
struct RectKeys {
    const char *left, *top, *width, *height;
};
constexpr RectKeys kRectKeys = {"Left", "Top", "Width", "Height"};
constexpr RectKeys kArtworkKeys = {"ArtWorkLeft", "ArtWorkTop", "ArtWorkWidth", "ArtWorkHeight"};
constexpr RectKeys kHoverKeys = {"NewLeft", "NewTop", "NewWidth", "NewHeight"};

std::string Size(long long width, long long height) { return std::to_string(width) + " x " + std::to_string(height); }

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return static_cast<long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

std::string ReadFileBytes(const std::string& path) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    std::string bytes;
    if (!file) return bytes;
    char buffer[16384];
    size_t read = 0;
    while (bytes.size() < kMaxSkinIniBytes && (read = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, read);
    bytes.resize(std::min(bytes.size(), kMaxSkinIniBytes));
    return bytes;
}

std::string MiB(long long bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(bytes) / (1 << 20));
    return text;
}

// Decimal with an optional sign: what a skin author means to write.
bool IsWholeNumber(const std::string& text) {
    const size_t start = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    return text.size() > start &&
           std::all_of(text.begin() + start, text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "#EE" as an author of web colours writes a component: its decimal, else empty.
std::string HexInDecimal(const std::string& text) {
    const auto hex = [](unsigned char c) { return std::isxdigit(c) != 0; };
    if (text.size() < 2 || text.size() > 3 || text[0] != '#' || !std::all_of(text.begin() + 1, text.end(), hex))
        return {};
    return std::to_string(std::stoi(text.substr(1), nullptr, 16));
}

bool IsColourKey(std::string_view key) {
    for (std::string_view colour : {kColorKeys.alpha, kColorKeys.red, kColorKeys.green, kColorKeys.blue})
        if (SameName(key, colour)) return true;
    return false;
}

// "album, artist, ... or name"
std::string TypeList(std::vector<std::string> types) {
    std::sort(types.begin(), types.end());
    std::string text;
    for (size_t i = 0; i < types.size(); ++i) text += (i == 0 ? "" : i + 1 < types.size() ? ", " : " or ") + types[i];
    return text;
}

bool IsTextKey(std::string_view key) {
    for (const SkinGroupSchema& group : SkinSchema())
        for (const SkinKeySchema& known : group.keys)
            if (known.value == SkinValue::Text && SameName(known.name, key)) return true;
    return false;
}

// What the widget keeps of a colour component: its low 8 bits.
long long Low8(long long value) { return ((value % 256) + 256) % 256; }

// The number after a prefix, as the reader would have formed the name; -1 if it is none.
int NumberAfter(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || !SameName(name.substr(0, prefix.size()), prefix)) return -1;
    const std::string digits(name.substr(prefix.size()));
    if (!IsWholeNumber(digits) || digits[0] == '0' || digits[0] == '+' || digits[0] == '-' || digits.size() > 9)
        return -1;
    return std::stoi(digits);
}

std::string Hint(const std::string& name, const std::vector<std::string>& candidates) {
    std::string best;
    size_t bestDistance = std::max<size_t>(2, name.size() / 3) + 1;
    for (const std::string& candidate : candidates) {
        const size_t distance = NameDistance(name, candidate);
        if (distance < bestDistance && distance < std::max(name.size(), candidate.size())) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best.empty() ? "" : "; did you mean \"" + best + "\"?";
}

// A face name back in the code page the reader took it from.
std::string OemText(const std::wstring& text) {
    std::string bytes(text.size() * 2 + 1, '\0');
    const int length = WideCharToMultiByte(CP_OEMCP, 0, text.c_str(), int(text.size()), bytes.data(), int(bytes.size()),
                                           nullptr, nullptr);
    bytes.resize(size_t(std::max(length, 0)));
    return bytes;
}

// Where the groups and keys of a skin.ini stand. Comment lines are keys no
// one looks up; authors mean them as comments.
class SkinIniLines {
public:
    SkinIniLines() = default;
    explicit SkinIniLines(std::vector<IniFile::GroupLines> groups) {
        const auto comment = [](const IniFile::KeyLine& key) { return key.name[0] == ';' || key.name[0] == '#'; };
        for (IniFile::GroupLines& group : groups)
            group.keys.erase(std::remove_if(group.keys.begin(), group.keys.end(), comment), group.keys.end());
        if (!groups.empty() && groups.front().line == 0) {
            loose_ = std::move(groups.front().keys);
            groups.erase(groups.begin());
        }
        groups_ = std::move(groups);
    }

    const std::vector<IniFile::GroupLines>& groups() const { return groups_; }
    // Keys above the first group.
    const std::vector<IniFile::KeyLine>& loose() const { return loose_; }
    // The first group of the name, as the reader takes it.
    const IniFile::GroupLines* Group(std::string_view name) const {
        for (const IniFile::GroupLines& group : groups_)
            if (SameName(group.name, name)) return &group;
        return nullptr;
    }
    // The key as the reader takes it: the first of the name in the group, with an '='.
    const IniFile::KeyLine* Key(std::string_view group, std::string_view key) const {
        const IniFile::GroupLines* found = Group(group);
        if (!found) return nullptr;
        for (const IniFile::KeyLine& entry : found->keys)
            if (SameName(entry.name, key)) return entry.hasValue ? &entry : nullptr;
        return nullptr;
    }
    // The line of the key in that group, else of the group, else 0.
    int LineOf(std::string_view group, std::string_view key = {}) const {
        const IniFile::GroupLines* found = Group(group);
        if (!found) return 0;
        for (const IniFile::KeyLine& entry : found->keys)
            if (!key.empty() && SameName(entry.name, key)) return entry.line;
        return found->line;
    }

private:
    std::vector<IniFile::GroupLines> groups_;
    std::vector<IniFile::KeyLine> loose_;
};

class SkinChecker {
public:
    SkinChecker(const std::string& skinsFolder, const std::string& name)
        : skinsFolder_(skinsFolder),
          name_(name),
          folder_(skinsFolder + name + "\\"),
          shown_("skins/" + name + "/skin.ini") {}

    std::vector<SkinProblem> Run() {
        const std::string path = folder_ + "skin.ini";
        if (!FileExists(path)) {
            Error(0, "there is no skin.ini: the widget would show an empty " + Size(kDefaultBgWidth, kDefaultBgHeight) +
                         " skin");
            return problems_;
        }
        CheckFileSize(FileSize(path));
        const std::string bytes = ReadFileBytes(path);
        ini_ = IniFile::Parse(bytes);
        lines_ = SkinIniLines(ini_.Lines());
        bgWidth_ = Int("Bg", "Width", kDefaultBgWidth);
        bgHeight_ = Int("Bg", "Height", kDefaultBgHeight);
        CheckNames();
        CheckCounts();
        CheckRectangles();
        CheckImages();
        CheckHotSpots();
        CheckValues();
        CheckFaces(*ReadSkinModel(path));
        std::stable_sort(problems_.begin(), problems_.end(),
                         [](const SkinProblem& a, const SkinProblem& b) { return a.line < b.line; });
        return problems_;
    }

private:
    void Add(bool error, int line, std::string message) {
        problems_.push_back({error, shown_, line, std::move(message)});
    }
    void Error(int line, std::string message) { Add(true, line, std::move(message)); }
    void Warning(int line, std::string message) { Add(false, line, std::move(message)); }

    // The widget reads skin.ini up to a bound: near it, the file has room for little more.
    void CheckFileSize(long long size) {
        const auto bound = static_cast<long long>(kMaxSkinIniBytes);
        if (size > bound)
            Error(0, "skin.ini is " + MiB(size) + "; the widget reads only its first " + MiB(bound) +
                         " and ignores every group after that");
        else if (size > bound / 2)
            Warning(0, "skin.ini is " + MiB(size) + ", near the " + MiB(bound) + " the widget reads at most");
    }

    int Int(const std::string& group, const char* key, int fallback = 0) const {
        return ini_.ReadInt(group, key, fallback);
    }
    std::string Text(const std::string& group, const std::string& key) const {
        return ini_.ReadText(group, key, "", kSkinTextBuffer);
    }
    Area Rect(const std::string& group, const char* left = "Left", const char* top = "Top", const char* width = "Width",
              const char* height = "Height") const {
        return {Int(group, left), Int(group, top), Int(group, width), Int(group, height)};
    }
    int Count(const SkinNumbering& numbering, const std::string& group = {}) const {
        return numbering.Count(ini_, group);
    }
    static std::string Numbered(const SkinNumbering& numbering, int n) { return numbering.Name(n); }

    void CheckNames() {
        for (const IniFile::KeyLine& key : lines_.loose())
            Warning(key.line, "\"" + key.name + "\" stands above the first group and is not read");
        std::vector<std::string> groupNames;
        for (const SkinGroupSchema& group : SkinSchema())
            if (!group.numbered) groupNames.emplace_back(group.name);

        for (const IniFile::GroupLines& group : lines_.groups()) {
            const IniFile::GroupLines* first = lines_.Group(group.name);
            if (first != &group) {
                Warning(group.line, "a second [" + group.name + "]: only the one on line " +
                                        std::to_string(first->line) + " is read");
                continue;
            }
            const SkinGroupSchema* schema = GroupSchema(group, groupNames);
            if (schema) CheckKeys(group, *schema);
        }
    }

    const SkinGroupSchema* GroupSchema(const IniFile::GroupLines& group, const std::vector<std::string>& groupNames) {
        for (const SkinGroupSchema& schema : SkinSchema()) {
            if (!schema.numbered && SameName(group.name, schema.name)) return &schema;
            if (!schema.numbered) continue;
            const SkinNumbering& numbering = schema.name == kExtraInfoGroups.prefix ? kExtraInfoGroups : kHotSpotGroups;
            if (!SameName(group.name.substr(0, std::min(group.name.size(), numbering.prefix.size())), numbering.prefix))
                continue;
            const int number = NumberAfter(group.name, numbering.prefix);
            const int count = Count(numbering);
            if (number >= 1 && number <= count) return &schema;
            const std::string countGroup(numbering.countGroup);
            Warning(group.line,
                    "[" + group.name + "] is not read: " +
                        (number < 1 ? std::string("groups are numbered from 1, without leading zeros")
                                    : "[" + countGroup + "] Count is " + std::to_string(Int(countGroup, "Count"))));
            return nullptr;
        }
        // A misspelt numbered group is most likely the same number in the right form.
        std::vector<std::string> candidates = groupNames;
        const size_t digits = group.name.find_last_not_of("0123456789") + 1;
        const std::string number = digits < group.name.size() ? group.name.substr(digits) : "1";
        for (const SkinNumbering* numbering : {&kExtraInfoGroups, &kHotSpotGroups})
            candidates.push_back(std::string(numbering->prefix) + number);
        Error(group.line, "unknown group [" + group.name + "]" + Hint(group.name, candidates));
        return nullptr;
    }

    void CheckKeys(const IniFile::GroupLines& group, const SkinGroupSchema& schema) {
        std::vector<std::string> keyNames;
        for (const SkinKeySchema& key : schema.keys)
            keyNames.push_back(std::string(key.name) + (key.name == kAnimationFrameKeys.prefix ? "1" : ""));
        std::set<std::string> seen;
        for (const IniFile::KeyLine& key : group.keys) {
            std::string folded = key.name;
            CharLowerBuffA(folded.data(), DWORD(folded.size()));
            if (!seen.insert(folded).second) {
                Warning(key.line, "\"" + key.name + "\" appears twice in [" + group.name + "]: only the first is read");
                continue;
            }
            const SkinKeySchema* known = nullptr;
            for (const SkinKeySchema& candidate : schema.keys)
                if (SameName(key.name, candidate.name)) known = &candidate;
            const int frame = NumberAfter(key.name, kAnimationFrameKeys.prefix);
            if (!known && schema.numbered && frame != -1) {
                const int frames = Count(kAnimationFrameKeys, group.name);
                if (frame <= frames) continue;
                Warning(key.line, "\"" + key.name + "\" is not read: " + std::string(kAnimationFrameKeys.countKey) +
                                      " is " + std::to_string(frames));
                continue;
            }
            if (!known) {
                Error(key.line, "unknown key \"" + key.name + "\" in [" + group.name + "]" + Hint(key.name, keyNames));
            } else if (!key.hasValue) {
                Warning(key.line, "\"" + key.name + "\" has no '=' and keeps its default");
            } else if (known->value == SkinValue::Integer && !key.value.empty()) {
                CheckInteger(group.name, std::string(known->name), key);
            }
        }
    }

    // A key's value as the author wrote it, or as read when it is not written.
    std::string Written(const std::string& group, const std::string& key) const {
        const IniFile::KeyLine* line = lines_.Key(group, key);
        if (line) return line->value;
        return IsTextKey(key) ? Text(group, key) : std::to_string(Int(group, key.c_str()));
    }
    // "[Font] ColorR=300"
    std::string Setting(const std::string& group, const std::string& key) const {
        return "[" + group + "] " + key + "=" + Written(group, key);
    }

    // A value the widget reads otherwise than it is written, or one outside its range.
    void CheckInteger(const std::string& group, const std::string& key, const IniFile::KeyLine& line) {
        const long long read = Int(group, key.c_str());
        const bool whole = IsWholeNumber(line.value);
        const std::string said = Setting(group, key) + ": ";
        const std::string readAs = "the widget reads it as " + std::to_string(read);
        if (!IsColourKey(key)) {
            if (!whole) Warning(line.line, said + "a whole number is decimal digits with an optional sign; " + readAs);
            return;
        }
        if (read < 0 || read > 255) {
            Error(line.line, said + "a colour component is 0 to 255; the widget " +
                                 (whole ? "" : "reads it as " + std::to_string(read) + " and ") + "takes " +
                                 std::to_string(read) + " mod 256 = " + std::to_string(Low8(read)));
        } else if (!whole) {
            const std::string decimal = HexInDecimal(line.value);
            Warning(line.line, said + "a colour component is a whole number 0 to 255; " + readAs +
                                   (decimal.empty() ? "" : " (" + line.value + " is " + decimal + ")"));
        }
    }

    void CheckCounts() {
        const auto check = [&](const std::string& group, const SkinNumbering& numbering) {
            const std::string key(numbering.countKey);
            const int count = Int(group, key.c_str());
            if (count > numbering.ceiling)
                Error(lines_.LineOf(group, key),
                      Setting(group, key) + ": a count is 0 to " + std::to_string(numbering.ceiling) +
                          "; the widget reads only the first " + std::to_string(numbering.ceiling));
        };
        check(std::string(kExtraInfoGroups.countGroup), kExtraInfoGroups);
        check(std::string(kHotSpotGroups.countGroup), kHotSpotGroups);
        for (int n = 1; n <= Count(kHotSpotGroups); ++n) check(Numbered(kHotSpotGroups, n), kAnimationFrameKeys);
    }

    // One side of a rectangle against its space, on that key's line: where
    // it starts, its size, where it ends.
    void CheckSide(const std::string& group, const std::string& start, const std::string& size, long long from,
                   long long extent, long long limit, const std::string& space, const char* dimension) {
        if (extent < 0) {
            Error(lines_.LineOf(group, size), Setting(group, size) + ": a " + dimension +
                                                  " is 0 or more; with a negative one nothing shows or takes a "
                                                  "click there");
        } else if (from < 0) {
            Error(lines_.LineOf(group, start), Setting(group, start) + ": " + space + " starts at 0; " + start +
                                                   " is 0 or more, and what lies before 0 is cut off");
        } else if (from + extent > limit) {
            Error(lines_.LineOf(group, size), Setting(group, size) + ": " + start + " + " + size + " is " +
                                                  std::to_string(from) + " + " + std::to_string(extent) + " = " +
                                                  std::to_string(from + extent) + ", past the " + dimension + " of " +
                                                  space + ", " + std::to_string(limit) + "; it is at most " +
                                                  std::to_string(limit) + ", and what lies past it is cut off");
        }
    }

    // A rectangle with an area must lie within its space; one without never shows.
    void CheckWithin(const std::string& group, long long width, long long height, const std::string& space,
                     const RectKeys& keys = kRectKeys) {
        const Area area = Rect(group, keys.left, keys.top, keys.width, keys.height);
        if (!area.HasArea() || !lines_.Group(group)) return;
        CheckSide(group, keys.left, keys.width, area.left, area.width, width, space, "width");
        CheckSide(group, keys.top, keys.height, area.top, area.height, height, space, "height");
    }

    void CheckRectangles() {
        for (const auto& [key, size, noun] :
             {std::tuple{"Width", bgWidth_, "width"}, std::tuple{"Height", bgHeight_, "height"}})
            if (size <= 0)
                Error(lines_.LineOf("Bg", key), Setting("Bg", key) + ": the widget's " + noun + " is 1 or more; with " +
                                                    std::to_string(size) + " the widget has no area");
        const std::string background = "the background";
        for (const SkinGroupSchema& schema : SkinSchema())
            if (schema.space == SkinSpace::Skin && !schema.numbered)
                CheckWithin(std::string(schema.name), bgWidth_, bgHeight_, background);
        for (int n = 1; n <= Count(kHotSpotGroups); ++n)
            CheckWithin(Numbered(kHotSpotGroups, n), bgWidth_, bgHeight_, background);

        const Area display = Rect("DisplayPane");
        std::vector<std::string> displayGroups;
        for (const SkinGroupSchema& schema : SkinSchema())
            if (schema.space == SkinSpace::Display && !schema.numbered) displayGroups.emplace_back(schema.name);
        for (int n = 1; n <= Count(kExtraInfoGroups); ++n) displayGroups.push_back(Numbered(kExtraInfoGroups, n));
        for (const std::string& group : displayGroups) {
            if (!display.HasArea() && Rect(group).HasArea() && lines_.Group(group))
                Error(lines_.LineOf(group), "[" + group + "] never shows: [DisplayPane] has no area");
            else
                CheckWithin(group, display.width, display.height, "the display pane");
        }

        const Area art = Rect("AlbumArt");
        CheckWithin("AlbumArt", art.width, art.height, "the album art", kArtworkKeys);
    }

    // An image the settings call for: present, and readable as a picture. Its size, when it is.
    std::optional<Area> RequireImage(const std::string& file, int line, const std::string& why) {
        const std::string path = folder_ + "images\\" + file;
        if (!FileExists(path)) {
            Error(line, "images/" + file + " is missing; " + why + " calls for it");
            return std::nullopt;
        }
        std::wstring widePath(MAX_PATH, L'\0');
        widePath.resize(
            size_t(std::max(0, MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath.data(), MAX_PATH) - 1)));
        Gdiplus::Bitmap image(widePath.c_str());
        if (image.GetLastStatus() != Gdiplus::Ok) {
            Error(line, "images/" + file + " cannot be read as a picture");
            return std::nullopt;
        }
        return Area{0, 0, image.GetWidth(), image.GetHeight()};
    }

    // An image meant to be its group's Width x Height, reported on the line of the side that differs.
    void CheckImageSize(const std::string& file, const std::optional<Area>& image, const std::string& group,
                        long long width, long long height, const std::string& becomes) {
        if (!image || (image->width == width && image->height == height)) return;
        Warning(lines_.LineOf(group, image->width != width ? "Width" : "Height"),
                "images/" + file + " is " + Size(image->width, image->height) + ", not " + Size(width, height) + " (" +
                    Setting(group, "Width") + ", Height=" + Written(group, "Height") + "): " + becomes);
    }

    // A pane's image is copied unscaled from its top-left corner.
    static std::string Unscaled(const Area& image, const Area& pane) {
        std::vector<std::string> effects;
        const auto effect = [&](long long own, long long wanted, const char* edge, const char* lines) {
            if (own > wanted)
                effects.push_back("its " + std::string(edge) + " " + std::to_string(own - wanted) + " " + lines +
                                  " never show");
            if (own < wanted)
                effects.push_back("the pane's " + std::string(edge) + " " + std::to_string(wanted - own) + " " + lines +
                                  " stay empty");
        };
        effect(image.width, pane.width, "right", "columns");
        effect(image.height, pane.height, "bottom", "rows");
        std::string text = "the widget copies it unscaled from its top-left corner, so ";
        for (size_t i = 0; i < effects.size(); ++i) text += (i ? " and " : "") + effects[i];
        return text;
    }

    void CheckImages() {
        const auto bg = RequireImage("bg.png", lines_.LineOf("Bg"), "every skin");
        CheckImageSize("bg.png", bg, "Bg", bgWidth_, bgHeight_,
                       "the widget stretches it to " + Size(bgWidth_, bgHeight_));
        if (Rect("PausePlayButton").HasArea())
            RequireImage("pause.png", lines_.LineOf("PausePlayButton"), "[PausePlayButton]");
        if (Int("Knob", "UseBitmap")) RequireImage("knob.png", lines_.LineOf("Knob", "UseBitmap"), "[Knob] UseBitmap");
        const auto strips = [&](const std::string& group, std::initializer_list<const char*> files) {
            const Area pane = Rect(group);
            for (const char* file : files) {
                const auto image = RequireImage(file, lines_.LineOf(group), "[" + group + "]");
                if (image) CheckImageSize(file, image, group, pane.width, pane.height, Unscaled(*image, pane));
            }
        };
        if (Rect("RatingPane").HasArea()) strips("RatingPane", {"rating_filled.png", "rating_unfilled.png"});
        const Area sound = Rect("SoundPane");
        if (sound.HasArea() && Int("SoundPane", "UseKnob"))
            RequireImage("sound_knob.png", lines_.LineOf("SoundPane", "UseKnob"), "[SoundPane] UseKnob");
        else if (sound.HasArea())
            strips("SoundPane", {"sound_filled.png", "sound_unfilled.png"});
        if (Int("AlbumArt", "Show") && Int("AlbumArt", "DrawOverlay"))
            RequireImage("overlay.png", lines_.LineOf("AlbumArt", "DrawOverlay"), "[AlbumArt] DrawOverlay");
    }

    bool SkinExists(const std::string& name) const { return FileExists(skinsFolder_ + name + "\\skin.ini"); }

    void CheckHotSpots() {
        for (int n = 1; n <= Count(kHotSpotGroups); ++n) {
            const std::string group = Numbered(kHotSpotGroups, n);
            if (!lines_.Group(group)) {
                Warning(lines_.LineOf(std::string(kHotSpotGroups.countGroup), "Count"),
                        "[" + group + "] is counted but absent, so it can never fire");
                continue;
            }
            const int line = lines_.LineOf(group);
            if (!Rect(group).HasArea()) Warning(line, "[" + group + "] has no area, so it can never fire");
            const std::string type = ini_.ReadText(group, "Type", "click", kSkinTypeBuffer);
            const bool hover = SameName(type, "hover");
            if (!hover && !SameName(type, "click"))
                Warning(lines_.LineOf(group, "Type"),
                        Setting(group, "Type") + ": a type is click or hover; the widget makes a click hotspot" +
                            Hint(type, {"click", "hover"}));

            const std::string newSkin = Text(group, "NewSkinName");
            const std::string outSkin = hover ? Text(group, "MouseOutSkinName") : std::string();
            for (const auto& [key, skin] : {std::pair{"NewSkinName", newSkin}, std::pair{"MouseOutSkinName", outSkin}})
                if (!skin.empty() && !SkinExists(skin))
                    Error(lines_.LineOf(group, key), std::string(key) + " \"" + skin + "\" names no skin: skins/" +
                                                         skin + "/skin.ini does not exist");

            // Frames come from this skin's images, and on leaving a hover skin from the skin returned to.
            std::vector<std::string> frameFolders = {name_};
            if (hover && !outSkin.empty() && !SameName(outSkin, name_) && SkinExists(outSkin))
                frameFolders.push_back(outSkin);
            const int frames = Count(kAnimationFrameKeys, group);
            for (int k = 1; k <= frames; ++k) {
                const std::string key = Numbered(kAnimationFrameKeys, k);
                const std::string file = Text(group, key);
                const int keyLine = lines_.LineOf(group, key);
                if (file.empty()) {
                    Error(keyLine, "frame " + std::to_string(k) + " of " + std::to_string(frames) +
                                       " has no file: " + key + " is missing");
                    continue;
                }
                for (const std::string& skin : frameFolders)
                    if (!FileExists(skinsFolder_ + skin + "\\images\\" + file))
                        Error(keyLine,
                              "frame " + std::to_string(k) + " skins/" + skin + "/images/" + file + " is missing");
            }
            if (hover && !newSkin.empty() && SkinExists(newSkin)) CheckHoverArea(group, newSkin);
        }
    }

    // The hover area is measured in the skin the hotspot switches to.
    void CheckHoverArea(const std::string& group, const std::string& newSkin) {
        const IniFile other = IniFile::Load(skinsFolder_ + newSkin + "\\skin.ini");
        CheckWithin(group, other.ReadInt("Bg", "Width", kDefaultBgWidth),
                    other.ReadInt("Bg", "Height", kDefaultBgHeight), newSkin + "'s background", kHoverKeys);
    }

    void CheckValues() {
        for (const char* group : {"RatingPane", "SoundPane"}) {
            const int direction = Int(group, "Direction");
            if (Rect(group).HasArea() && (direction < 0 || direction > 3))
                Warning(lines_.LineOf(group, "Direction"),
                        Setting(group, "Direction") +
                            ": a direction is 0 to 3 (from the left, the right, the top, the bottom); the widget draws "
                            "nothing in the pane");
        }
        std::vector<std::string> types(ExtraInfoTypes().begin(), ExtraInfoTypes().end());
        for (int n = 1; n <= Count(kExtraInfoGroups); ++n) {
            const std::string group = Numbered(kExtraInfoGroups, n);
            const std::string type = ini_.ReadText(group, "Type", "", kSkinTypeBuffer);
            const bool known =
                std::any_of(types.begin(), types.end(), [&](const std::string& t) { return SameName(t, type); });
            if (!known && lines_.Group(group))
                Warning(lines_.LineOf(group, "Type"), Setting(group, "Type") + ": a type is one of " + TypeList(types) +
                                                          "; the widget shows nothing" + Hint(type, types));
        }
    }

    // Faces are read as the widget reads them. Each group that names a missing
    // face is told on its own Facename line; a counter without a face of its
    // own takes [Font]'s, and is told there.
    void CheckFaces(const SkinModel& skin) {
        std::vector<std::pair<std::string, const FontSpec*>> fonts = {{"Font", &skin.font},
                                                                      {"CounterFont", &skin.counterFont}};
        for (size_t n = 0; n < skin.extraInfos.size(); ++n)
            if (lines_.Group(Numbered(kExtraInfoGroups, int(n) + 1)))
                fonts.emplace_back(Numbered(kExtraInfoGroups, int(n) + 1), &skin.extraInfos[n]->font);
        const std::string faceKey(kFontKeys.faceName);
        const bool counterTakesFont = !lines_.Key("CounterFont", faceKey);
        const std::string fallback = OemText(FallbackFaceName());
        for (const auto& [group, font] : fonts) {
            if (FaceInstalled(font->faceName) || (group == "CounterFont" && counterTakesFont)) continue;
            const std::string named = lines_.Key(group, faceKey)
                                          ? Setting(group, faceKey) + ": this face is not installed here"
                                          : "[" + group + "] names no " + faceKey + " and takes \"" +
                                                OemText(font->faceName) + "\", which is not installed here";
            const bool withCounter = group == "Font" && counterTakesFont;
            const std::string users =
                withCounter ? "its text and the counter's ([CounterFont] names no face) draw" : "its text draws";
            Warning(lines_.LineOf(group, faceKey),
                    named + "; a face is drawn as named only where it is installed, so " +
                        (fallback.empty() ? users + " nothing" : users + " with \"" + fallback + "\" instead"));
        }
    }

    std::string skinsFolder_, name_, folder_, shown_;
    IniFile ini_;
    SkinIniLines lines_;
    int bgWidth_ = kDefaultBgWidth, bgHeight_ = kDefaultBgHeight;
    std::vector<SkinProblem> problems_;
};

}  // namespace

std::vector<SkinProblem> CheckSkin(const std::string& skinsFolder, const std::string& name) {
    return SkinChecker(skinsFolder, name).Run();
}

std::string FormatProblem(const SkinProblem& problem) {
    return problem.file + (problem.line > 0 ? ":" + std::to_string(problem.line) : std::string()) +
           (problem.error ? ": error: " : ": warning: ") + problem.message;
}

int RunSkinCheck(const std::string& skinsFolder, const std::string& name) {
    const std::vector<SkinProblem> problems = CheckSkin(skinsFolder, name);
    const auto errors = std::count_if(problems.begin(), problems.end(), [](const SkinProblem& p) { return p.error; });
    for (const SkinProblem& problem : problems) std::printf("%s\n", FormatProblem(problem).c_str());
    std::printf("skins/%s: %d error(s), %d warning(s)\n", name.c_str(), int(errors), int(problems.size() - errors));
    std::fflush(stdout);
    return errors > 0 ? 1 : 0;
}

// Optimal string alignment: a swap of two neighbours counts as one edit.
size_t NameDistance(const std::string& a, const std::string& b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
    for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t cost = lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && lower(a[i - 1]) == lower(b[j - 2]) && lower(a[i - 2]) == lower(b[j - 1]))
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

}  // namespace host
