// A family that cannot be found lays out no glyphs at all: a skin naming a
// face this machine lacks, as skins made with decorative faces often do,
// would show no text. Such a face draws with a family that is always there,
// keeping the skin's size, style, colour and alignment.
#include "render/font_face.h"

#include "platform/win_owners.h"

using namespace Gdiplus;

namespace {

std::unique_ptr<FontFamily> InstalledFamily(const std::wstring& faceName) {
    auto family = std::make_unique<FontFamily>(faceName.c_str());
    if (family->GetLastStatus() != Ok) return nullptr;
    return family;
}

std::wstring GenericSansSerifName() {
    GpFontFamily* generic = nullptr;  // GDI+ keeps it for the process
    WCHAR name[LF_FACESIZE] = {};
    if (DllExports::GdipGetGenericFontFamilySansSerif(&generic) != Ok || !generic) return {};
    if (DllExports::GdipGetFamilyName(generic, name, LANG_NEUTRAL) != Ok) return {};
    return name;
}

// The face the default GUI font is realised with, not its logical name.
std::wstring GuiFontName() {
    const ScreenDc screen;
    const SelectedObject font(screen.get(), GetStockObject(DEFAULT_GUI_FONT));
    WCHAR name[LF_FACESIZE] = {};
    return GetTextFaceW(screen.get(), LF_FACESIZE, name) > 0 ? name : L"";
}

}  // namespace

bool FaceInstalled(const std::wstring& faceName) { return InstalledFamily(faceName) != nullptr; }

const std::wstring& FallbackFaceName() {
    static const std::wstring fallback = [] {
        for (const std::wstring& candidate : {GenericSansSerifName(), GuiFontName()})
            if (!candidate.empty() && FaceInstalled(candidate)) return candidate;
        return std::wstring();
    }();
    return fallback;
}

std::unique_ptr<FontFamily> DrawingFamily(const std::wstring& faceName) {
    if (auto family = InstalledFamily(faceName)) return family;
    return InstalledFamily(FallbackFaceName());
}
