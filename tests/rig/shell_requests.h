// Requests to the shell script that runs this test program, for what only
// the Linux side can do: ask playerctl, end or start a player. The script
// names a folder in QB_SHELL_REQUESTS; a request is a line in its file
// "request", the answer a line in its file "answer".
#pragma once

#include <string>

namespace rig {

// The folder as this program reaches it; empty when no script serves it.
std::string ShellRequestFolder();
// The script's answer, messages pumped meanwhile; fails the case when no answer comes.
std::string AskShell(const std::string& request);
// A Unix path as this program under Wine reaches it.
std::string WindowsPathOfUnix(const std::string& unixPath);

}  // namespace rig
