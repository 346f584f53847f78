#include "core/paths.h"

std::string ModuleFolder(HINSTANCE module) {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(module, buffer, MAX_PATH);
    std::string path(buffer, length < MAX_PATH ? length : MAX_PATH - 1);
    // Scan back to index 1 for the last separator and keep it.
    for (size_t i = path.size(); i-- > 1;) {
        if (path[i] == '\\' || path[i] == '/') {
            path.resize(i + 1);
            break;
        }
    }
    return path;
}

std::string JoinPath(std::initializer_list<std::string> parts) {
    std::string joined;
    for (const std::string& part : parts) {
        size_t start = 0;
        while (start < part.size() && (part[start] == '\\' || part[start] == '/')) ++start;
        if (start == part.size() && !joined.empty()) continue;
        if (!joined.empty() && joined.back() != '\\' && joined.back() != '/') joined += '\\';
        joined.append(part, joined.empty() ? 0 : start, std::string::npos);
    }
    return joined.size() <= kMaxText ? joined : std::string();
}

std::string CutToBuffer(std::string text, size_t maxChars) {
    if (text.size() > maxChars) text.resize(maxChars);
    return text;
}
