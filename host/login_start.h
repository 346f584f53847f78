// Starting quillhost at login: the user's Run entry, which names the program
// (quoted), and the flag by which the system's startup settings turn such an
// entry off. A portable copy (see settings_place.h) leaves the registry alone.
#pragma once

#include <string>

namespace host {

class LoginStart {
public:
    static constexpr char kWindowsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";

    // windowsKey: the user's key that holds Run and Explorer\StartupApproved\Run.
    explicit LoginStart(const std::string& program, const std::string& windowsKey = kWindowsKey);

    bool portable() const { return portable_; }
    // On when the Run entry names this program and the system has not turned it off.
    bool enabled() const;
    // Writes or removes the entry; the user's toggle is the only caller.
    bool Set(bool on) const;

private:
    std::string command_;  // the program, quoted
    std::string runKey_;
    std::string approvedKey_;
    bool portable_ = false;
};

}  // namespace host
