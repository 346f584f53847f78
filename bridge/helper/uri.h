// The URIs the helper meets: file:// paths both ways, and data: URIs, whose
// bytes some players put their cover art in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace bridge::helper {

// The local path of a file:// URI (no host or "localhost"), percent-decoded;
// empty for anything else or a malformed escape.
std::optional<std::string> FileUriPath(std::string_view uri);
// A file:// URI for an absolute path, with everything but unreserved characters and "/" percent-encoded.
std::string FileUriOf(std::string_view absolute_path);
// The bytes of a data: URI, base64 or percent-encoded; empty when malformed.
std::optional<std::string> DataUriBytes(std::string_view uri);

}  // namespace bridge::helper
