// The skins folder beside the module: which skins it holds, and which of
// them change while quillhost runs, so that a skin edited while shown is
// shown anew.
#pragma once

#include "platform/win_owners.h"

#include <windows.h>

#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace host {

// The skins of the folder (skinsFolder ends in a separator): its folders that
// hold a skin.ini, by name.
std::vector<std::string> SkinsIn(const std::string& skinsFolder);
bool SkinExists(const std::string& skinsFolder, const std::string& name);

// A thread of its own waits for changes in the folders of the skins given
// (each skin's folder and its images folder: Wine tells of changes in a
// folder's own files only) and posts `message` to `notify` after each;
// TakeChanged says which skins changed.
class SkinWatch {
public:
    // As many skins as one wait can watch; the first ones of a longer list.
    static constexpr size_t kMaxSkins = (MAXIMUM_WAIT_OBJECTS - 1) / 2;

    SkinWatch(const std::string& skinsFolder, const std::vector<std::string>& skins, HWND notify, UINT message);
    // Ends the wait at once.
    ~SkinWatch();
    SkinWatch(const SkinWatch&) = delete;
    SkinWatch& operator=(const SkinWatch&) = delete;

    const std::vector<std::string>& skins() const { return skins_; }
    // The skins changed since the last call, each once.
    std::vector<std::string> TakeChanged();

private:
    struct Folder;
    void Run();
    void Note(const std::string& skin);

    std::vector<std::string> skins_;
    std::vector<std::unique_ptr<Folder>> folders_;
    UniqueEvent stop_;
    HWND notify_;
    UINT message_;
    std::mutex mutex_;
    std::vector<std::string> changed_;
    std::thread thread_;
};

}  // namespace host
