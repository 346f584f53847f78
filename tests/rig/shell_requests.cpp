#include "rig/shell_requests.h"

#include "rig/rig.h"

#include <windows.h>

#include <cstdlib>

namespace rig {
namespace {

// Ending or starting a player takes a few seconds; a script that is gone never answers.
constexpr int kAnswerWaitMs = 30000;
constexpr int kPollMs = 20;

}  // namespace

std::string WindowsPathOfUnix(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string ShellRequestFolder() {
    const char* folder = std::getenv("QB_SHELL_REQUESTS");
    return folder && *folder ? WindowsPathOfUnix(folder) + "\\" : std::string();
}

std::string AskShell(const std::string& request) {
    const std::string folder = ShellRequestFolder();
    REQUIRE(!folder.empty());
    const std::string answerFile = folder + "answer";
    DeleteFileA(answerFile.c_str());
    // Written aside and renamed, so the script never reads half a request.
    WriteTextFile(folder + "request.tmp", request + "\n");
    REQUIRE(MoveFileExA((folder + "request.tmp").c_str(), (folder + "request").c_str(), MOVEFILE_REPLACE_EXISTING));
    for (int waited = 0; !FileExists(answerFile); waited += kPollMs) {
        REQUIRE(waited < kAnswerWaitMs);
        PumpFor(kPollMs);
    }
    std::string answer = ReadTextFile(answerFile);
    DeleteFileA(answerFile.c_str());
    while (!answer.empty() && (answer.back() == '\n' || answer.back() == '\r')) answer.pop_back();
    return answer;
}

}  // namespace rig
