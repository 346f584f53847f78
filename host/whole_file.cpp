#include "host/whole_file.h"

#include "platform/win_owners.h"

#include <algorithm>

namespace host {
namespace {

// False on any failure, with the error set: a full disk may take part of the text.
bool WriteText(HANDLE file, const std::string& text) {
    for (size_t written = 0; written < text.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(text.size() - written, 1 << 20));
        DWORD done = 0;
        if (!WriteFile(file, text.data() + written, chunk, &done, nullptr)) return false;
        if (done == 0) {
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
        written += done;
    }
    return true;
}

// The error, or none; the file is closed on return. Durable: on the disk before it returns.
DWORD WriteNewFile(const std::string& path, const std::string& text, bool durable) {
    const UniqueFile file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || !WriteText(file.get(), text) || (durable && !FlushFileBuffers(file.get()))) return GetLastError();
    return ERROR_SUCCESS;
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string text;
    if (!file) return text;
    char buffer[16384];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
    return text;
}

std::string ReplaceWholeFile(const std::string& path, const std::string& text) {
    // A fixed name beside the file: one killed write leaves one stray file, which the next write replaces.
    const std::string fresh = path + ".new";
    DWORD error = WriteNewFile(fresh, text, true);
    if (error == ERROR_SUCCESS &&
        !MoveFileExA(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error == ERROR_SUCCESS) return {};
    const std::string failure = SystemMessage(error);
    DeleteFileA(fresh.c_str());
    return failure;
}

std::string WriteTemporaryFile(const std::string& text, std::string& error) {
    char folder[MAX_PATH] = {};
    char path[MAX_PATH] = {};
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    if (length == 0 || length >= MAX_PATH || !GetTempFileNameA(folder, "qbs", 0, path)) {
        error = SystemMessage(GetLastError());
        return {};
    }
    const DWORD failure = WriteNewFile(path, text, false);
    if (failure == ERROR_SUCCESS) return path;
    error = SystemMessage(failure);
    DeleteFileA(path);
    return {};
}

std::string SystemMessage(DWORD error) {
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : "error " + std::to_string(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.'))
        message.pop_back();
    return message;
}

}  // namespace host
