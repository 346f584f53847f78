#include "host/login_start.h"

#include "host/settings_place.h"

#include <windows.h>

#include <vector>

namespace host {
namespace {

constexpr char kValueName[] = "Quillhost";
// The startup settings keep twelve bytes an entry; the first is even while the entry may run.
constexpr BYTE kApprovedOn[12] = {2};

// The value's bytes, or none when it is not there.
std::vector<BYTE> ReadValue(const std::string& key, DWORD type) {
    const DWORD accepted = type == REG_SZ ? RRF_RT_REG_SZ : RRF_RT_REG_BINARY;
    DWORD size = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), kValueName, accepted, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return {};
    std::vector<BYTE> bytes(size);
    if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), kValueName, accepted, nullptr, bytes.data(), &size) !=
        ERROR_SUCCESS)
        return {};
    bytes.resize(size);
    return bytes;
}

bool WriteValue(const std::string& key, DWORD type, const void* data, DWORD size) {
    HKEY opened = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const bool written =
        RegSetValueExA(opened, kValueName, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    RegCloseKey(opened);
    return written;
}

void DeleteValue(const std::string& key) { RegDeleteKeyValueA(HKEY_CURRENT_USER, key.c_str(), kValueName); }

}  // namespace

LoginStart::LoginStart(const std::string& program, const std::string& windowsKey)
    : command_('"' + program + '"'),
      runKey_(windowsKey + "\\Run"),
      approvedKey_(windowsKey + "\\Explorer\\StartupApproved\\Run"),
      portable_(IsPortableCopy(program)) {}

bool LoginStart::enabled() const {
    if (portable_) return false;
    const std::vector<BYTE> command = ReadValue(runKey_, REG_SZ);
    if (command.empty() || _stricmp(reinterpret_cast<const char*>(command.data()), command_.c_str()) != 0) return false;
    const std::vector<BYTE> approved = ReadValue(approvedKey_, REG_BINARY);
    return approved.empty() || (approved[0] & 1) == 0;
}

bool LoginStart::Set(bool on) const {
    if (portable_) return false;
    if (!on) {
        DeleteValue(runKey_);
        DeleteValue(approvedKey_);
        return true;
    }
    // Turned on by the user: an entry the startup settings turned off runs again.
    if (!ReadValue(approvedKey_, REG_BINARY).empty() &&
        !WriteValue(approvedKey_, REG_BINARY, kApprovedOn, sizeof kApprovedOn))
        return false;
    return WriteValue(runKey_, REG_SZ, command_.c_str(), static_cast<DWORD>(command_.size() + 1));
}

}  // namespace host
