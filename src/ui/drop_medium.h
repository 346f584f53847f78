// The file list of one drop: the storage medium fetched from the data object,
// its memory locked while the drop is handled, unlocked and released with the
// owner.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <string>

class DropMedium {
public:
    // Fetches the list in the given format; has no files when the data object
    // does not deliver it or the list does not fit its memory block.
    DropMedium(IDataObject* data, FORMATETC format);
    ~DropMedium();
    DropMedium(const DropMedium&) = delete;
    DropMedium& operator=(const DropMedium&) = delete;

    bool HasFiles() const { return files_ != nullptr; }
    UINT Count() const;
    // Whole names, however long.
    std::wstring WideName(UINT index) const;

private:
    STGMEDIUM medium_ = {};
    bool fetched_ = false;
    bool locked_ = false;
    HDROP files_ = nullptr;
};
