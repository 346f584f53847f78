#include "host/single_instance.h"

namespace host {
namespace {

// The first host may still be starting: its window comes within moments.
constexpr DWORD kWaitForHostMs = 10000;
constexpr DWORD kPollMs = 100;

std::string LockName() {
    char user[256] = {};
    DWORD length = sizeof user;
    if (!GetUserNameA(user, &length)) user[0] = '\0';
    // "Local": one lock a session.
    return std::string("Local\\Quillhost.") + user;
}

}  // namespace

InstanceLock::InstanceLock() : mutex_(CreateMutexA(nullptr, FALSE, LockName().c_str())) {
    first_ = !mutex_ || GetLastError() != ERROR_ALREADY_EXISTS;
}

bool HandToRunningHost(const std::vector<std::string>& arguments) {
    std::string payload;
    for (const std::string& argument : arguments) payload += argument + '\0';
    COPYDATASTRUCT data = {};
    data.dwData = kCommandLineData;
    data.cbData = static_cast<DWORD>(payload.size());
    data.lpData = payload.data();
    for (DWORD waited = 0; waited < kWaitForHostMs; waited += kPollMs) {
        if (const HWND host = FindWindowExA(HWND_MESSAGE, nullptr, kControlWindowClass, nullptr)) {
            DWORD_PTR answer = 0;
            return SendMessageTimeoutA(host, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                                       kWaitForHostMs, &answer) &&
                   answer != 0;
        }
        Sleep(kPollMs);
    }
    return false;
}

std::vector<std::string> HandedArguments(const COPYDATASTRUCT& data) {
    std::vector<std::string> arguments;
    if (data.dwData != kCommandLineData || !data.lpData) return arguments;
    const char* bytes = static_cast<const char*>(data.lpData);
    std::string argument;
    for (DWORD i = 0; i < data.cbData; ++i) {
        if (bytes[i] != '\0') {
            argument += bytes[i];
            continue;
        }
        arguments.push_back(argument);
        argument.clear();
    }
    return arguments;
}

}  // namespace host
