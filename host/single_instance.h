// One host per user session: a second quillhost hands its command line to
// the one running and ends.
#pragma once

#include "platform/win_owners.h"

#include <windows.h>

#include <string>
#include <vector>

namespace host {

// The running host's message-only window, which takes the command lines handed over.
constexpr char kControlWindowClass[] = "QuillhostControl";
// The tag of the WM_COPYDATA that carries a command line: its arguments, each ended by a zero.
constexpr ULONG_PTR kCommandLineData = 0x51484331;

// Kernel objects other than files say "none" with a null handle.
struct KernelObjectTraits : NullIsEmpty<HANDLE> {
    static void Close(HANDLE object) { CloseHandle(object); }
};

class InstanceLock {
public:
    InstanceLock();
    // Whether no other host of this user's session held the lock first.
    bool first() const { return first_; }

private:
    UniqueHandle<HANDLE, KernelObjectTraits> mutex_;
    bool first_ = true;
};

// Hands the arguments to the running host; false when none took them in time.
bool HandToRunningHost(const std::vector<std::string>& arguments);
// The arguments of a command line handed over; none for anything else.
std::vector<std::string> HandedArguments(const COPYDATASTRUCT& data);

}  // namespace host
