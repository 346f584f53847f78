#include "sim/call_log.h"

#include <algorithm>

namespace sim {

void CallLog::Record(std::string method, std::wstring argument) {
    entries_.push_back({std::move(method), std::move(argument)});
}

int CallLog::Count(std::string_view method) const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                          [&](const Call& call) { return call.method == method; }));
}

std::vector<std::wstring> CallLog::Arguments(std::string_view method) const {
    std::vector<std::wstring> arguments;
    for (const Call& call : entries_)
        if (call.method == method) arguments.push_back(call.argument);
    return arguments;
}

}  // namespace sim
