// Artwork as files: drawn pictures go out through GDI+ (which the process has
// started), added pictures are kept as the bytes of their file.
#include "sim/objects.h"

#include "platform/win_owners.h"

#include <windows.h>

#include <gdiplus.h>

#include <cwctype>
#include <memory>
#include <string>

namespace sim {
namespace {

// An added picture larger than this is refused rather than held in memory.
constexpr DWORD kMaxArtworkBytes = 16 * 1024 * 1024;
constexpr int kDrawnSize = 240;

// GDI+'s built-in PNG encoder.
const CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

UniqueFile OpenFile(const wchar_t* path, DWORD access, DWORD disposition) {
    return UniqueFile(CreateFileW(path, access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

Gdiplus::Color Opaque(COLORREF color) {
    return Gdiplus::Color(255, GetRValue(color), GetGValue(color), GetBValue(color));
}

HRESULT SaveDrawn(const Artwork& artwork, const wchar_t* path) {
    Gdiplus::Bitmap bitmap(kDrawnSize, kDrawnSize, PixelFormat32bppARGB);
    Gdiplus::Graphics graphics(&bitmap);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    Gdiplus::LinearGradientBrush gradient(Gdiplus::Point(0, 0), Gdiplus::Point(0, kDrawnSize),
                                          Opaque(artwork.topColor), Opaque(artwork.bottomColor));
    graphics.FillRectangle(&gradient, 0, 0, kDrawnSize, kDrawnSize);

    Gdiplus::FontFamily family(L"Arial");
    Gdiplus::Font font(&family, kDrawnSize * 0.6f, Gdiplus::FontStyleBold, Gdiplus::UnitPixel);
    Gdiplus::StringFormat centred;
    centred.SetAlignment(Gdiplus::StringAlignmentCenter);
    centred.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    Gdiplus::SolidBrush ink(Gdiplus::Color(220, 255, 255, 255));
    Gdiplus::RectF whole(0, 0, kDrawnSize, kDrawnSize);
    graphics.DrawString(artwork.letter.c_str(), static_cast<INT>(artwork.letter.size()), &font, whole, &centred, &ink);

    return bitmap.Save(path, &kPngEncoder, nullptr) == Gdiplus::Ok ? S_OK : E_FAIL;
}

HRESULT SaveBytes(const std::vector<BYTE>& bytes, const wchar_t* path) {
    UniqueFile file = OpenFile(path, GENERIC_WRITE, CREATE_ALWAYS);
    if (!file) return HRESULT_FROM_WIN32(GetLastError());
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        return E_FAIL;
    return S_OK;
}

itunes::ITArtworkFormat FormatOf(const std::wstring& path) {
    size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring::npos) return 0;
    std::wstring extension = path.substr(dot + 1);
    for (wchar_t& c : extension) c = static_cast<wchar_t>(std::towlower(c));
    if (extension == L"jpg" || extension == L"jpeg") return 1;
    if (extension == L"png") return 2;
    if (extension == L"bmp") return 3;
    return 0;
}

}  // namespace

HRESULT SaveArtwork(const Artwork& artwork, const wchar_t* path) {
    return artwork.fileBytes.empty() ? SaveDrawn(artwork, path) : SaveBytes(artwork.fileBytes, path);
}

HRESULT ReadArtworkFile(const wchar_t* path, Artwork& artwork) {
    if (!path) return E_INVALIDARG;
    UniqueFile file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
    if (!file) return HRESULT_FROM_WIN32(GetLastError());
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart == 0 || size.QuadPart > kMaxArtworkBytes) return E_FAIL;
    std::vector<BYTE> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size())
        return E_FAIL;
    artwork.fileBytes = std::move(bytes);
    artwork.format = FormatOf(path);
    return S_OK;
}

}  // namespace sim
