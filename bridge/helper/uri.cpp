#include "uri.h"

#include <cctype>

namespace bridge::helper {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> PercentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::optional<std::string> Base64Decode(std::string_view text) {
    std::string out;
    unsigned buffer = 0;
    int bits = 0;
    std::size_t padding = 0;
    for (char c : text) {
        int value;
        if (c >= 'A' && c <= 'Z') value = c - 'A';
        else if (c >= 'a' && c <= 'z') value = c - 'a' + 26;
        else if (c >= '0' && c <= '9') value = c - '0' + 52;
        else if (c == '+' || c == '-') value = 62;
        else if (c == '/' || c == '_') value = 63;
        else if (c == '=') { ++padding; continue; }
        else if (std::isspace(static_cast<unsigned char>(c))) continue;
        else return std::nullopt;
        if (padding) return std::nullopt;  // data after the padding
        buffer = (buffer << 6) | static_cast<unsigned>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((buffer >> bits) & 0xff);
        }
    }
    // Whatever is left over must be the zero bits of a short last group.
    if (bits >= 6 || padding > 2 || (buffer & ((1u << bits) - 1)) != 0) return std::nullopt;
    return out;
}

}  // namespace

std::optional<std::string> FileUriPath(std::string_view uri) {
    constexpr std::string_view kScheme = "file://";
    if (!StartsWith(uri, kScheme)) return std::nullopt;
    uri.remove_prefix(kScheme.size());
    if (StartsWith(uri, "localhost/")) uri.remove_prefix(9);
    if (!StartsWith(uri, "/")) return std::nullopt;
    auto path = PercentDecode(uri);
    // A path holds no NUL: one would cut it short where the system reads it.
    if (!path || path->find('\0') != std::string::npos) return std::nullopt;
    return path;
}

std::string FileUriOf(std::string_view absolute_path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (unsigned char c : absolute_path) {
        bool unreserved = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (unreserved || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 15];
        }
    }
    return uri;
}

std::optional<std::string> DataUriBytes(std::string_view uri) {
    if (!StartsWith(uri, "data:")) return std::nullopt;
    std::size_t comma = uri.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    std::string_view header = uri.substr(5, comma - 5);
    std::string_view payload = uri.substr(comma + 1);
    constexpr std::string_view kBase64 = ";base64";
    bool base64 = header.size() >= kBase64.size() && header.substr(header.size() - kBase64.size()) == kBase64;
    return base64 ? Base64Decode(payload) : PercentDecode(payload);
}

}  // namespace bridge::helper
