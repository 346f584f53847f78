#include "render/extra_infos.h"

#include "platform/bstr.h"
#include "render/text.h"

#include <cstring>

namespace {

using TextProperty = HRESULT (STDMETHODCALLTYPE itunes::IITTrack::*)(BSTR*);

struct PropertyOfType {
    const char* type;
    TextProperty property;
};

constexpr PropertyOfType kProperties[] = {
    {"genre", &itunes::IITTrack::get_Genre},       {"name", &itunes::IITTrack::get_Name},
    {"album", &itunes::IITTrack::get_Album},       {"artist", &itunes::IITTrack::get_Artist},
    {"comment", &itunes::IITTrack::get_Comment},   {"composer", &itunes::IITTrack::get_Composer},
    {"kind", &itunes::IITTrack::get_KindAsString}, {"length", &itunes::IITTrack::get_Time},
};

// Null for a type that names no property: such a box shows nothing.
TextProperty PropertyFor(const std::string& type) {
    for (const PropertyOfType& entry : kProperties)
        if (_stricmp(type.c_str(), entry.type) == 0) return entry.property;
    return nullptr;
}

}  // namespace

void DrawExtraInfos(Gdiplus::Graphics& frame, TextPixelCache& texts, const SkinModel& skin, itunes::IiTunes& player) {
    for (const auto& info : skin.extraInfos) {
        itunes::ComPtr<itunes::IITTrack> track;
        player.get_CurrentTrack(track.GetAddressOf());
        if (!track) continue;
        const TextProperty property = PropertyFor(info->type);
        if (!property) continue;
        Bstr text;
        (track.Get()->*property)(text.out());
        if (info->rect.HasArea()) texts.Draw(frame, text.str(), info->font, info->rect);
    }
}
