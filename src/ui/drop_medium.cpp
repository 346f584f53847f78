#include "ui/drop_medium.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

namespace {

// The list is a run of NUL-terminated names ended by an empty one; the system
// walks it without bounds, so it must end inside the block.
template <class Unit>
bool NamesEndInside(const BYTE* first, const BYTE* end) {
    bool atNameStart = true;
    for (const BYTE* at = first; end - at >= static_cast<ptrdiff_t>(sizeof(Unit)); at += sizeof(Unit)) {
        Unit unit;
        std::memcpy(&unit, at, sizeof unit);
        if (unit == 0 && atNameStart) return true;
        atNameStart = unit == 0;
    }
    return false;
}

bool ListFitsBlock(const void* block, SIZE_T size) {
    if (size < sizeof(DROPFILES)) return false;
    DROPFILES header;
    std::memcpy(&header, block, sizeof header);
    if (header.pFiles > size) return false;
    const BYTE* bytes = static_cast<const BYTE*>(block);
    return header.fWide ? NamesEndInside<WCHAR>(bytes + header.pFiles, bytes + size)
                        : NamesEndInside<char>(bytes + header.pFiles, bytes + size);
}

// Asks for the length first, so a name of any length comes whole.
template <class Text, class Query>
Text NameAt(HDROP files, UINT index, Query query) {
    Text name(query(files, index, nullptr, 0), typename Text::value_type{});
    const UINT copied = query(files, index, name.data(), static_cast<UINT>(name.size() + 1));
    name.resize(copied < name.size() ? copied : name.size());
    return name;
}

}  // namespace

DropMedium::DropMedium(IDataObject* data, FORMATETC format) {
    if (FAILED(data->GetData(&format, &medium_))) return;
    fetched_ = true;
    if (medium_.tymed != TYMED_HGLOBAL || !medium_.hGlobal) return;
    const void* block = GlobalLock(medium_.hGlobal);
    if (!block) return;
    locked_ = true;
    if (ListFitsBlock(block, GlobalSize(medium_.hGlobal))) files_ = static_cast<HDROP>(medium_.hGlobal);
}

DropMedium::~DropMedium() {
    if (locked_) GlobalUnlock(medium_.hGlobal);
    if (fetched_) ReleaseStgMedium(&medium_);
}

UINT DropMedium::Count() const { return files_ ? DragQueryFileW(files_, 0xFFFFFFFF, nullptr, 0) : 0; }

std::wstring DropMedium::WideName(UINT index) const { return NameAt<std::wstring>(files_, index, DragQueryFileW); }
