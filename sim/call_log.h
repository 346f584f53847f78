// Record of every call that reached the player through one of its interfaces,
// and of its main window showing or hiding.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sim {

struct Call {
    std::string method;     // "Interface.member", e.g. "IITTrack.put_Rating"
    std::wstring argument;  // the in-arguments as short text, e.g. L"80"; empty if none
};

class CallLog {
public:
    void Record(std::string method, std::wstring argument);
    const std::vector<Call>& entries() const { return entries_; }
    int Count(std::string_view method) const;
    // In-arguments of each call of the method, oldest first.
    std::vector<std::wstring> Arguments(std::string_view method) const;
    void Clear() { entries_.clear(); }

private:
    std::vector<Call> entries_;
};

}  // namespace sim
