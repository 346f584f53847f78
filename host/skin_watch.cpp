// Each folder is watched with an overlapped ReadDirectoryChangesW of its own
// files, all of them waited on together by one thread.
#include "host/skin_watch.h"

#include <algorithm>

namespace host {
namespace {

constexpr DWORD kChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE |
                           FILE_NOTIFY_CHANGE_SIZE;

}  // namespace

std::vector<std::string> SkinsIn(const std::string& skinsFolder) {
    std::vector<std::string> skins;
    WIN32_FIND_DATAA found = {};
    UniqueFind search(FindFirstFileA((skinsFolder + "*").c_str(), &found));
    if (!search) return skins;
    do {
        const std::string name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != ".." &&
            SkinExists(skinsFolder, name))
            skins.push_back(name);
    } while (FindNextFileA(search.get(), &found));
    std::sort(skins.begin(), skins.end());
    return skins;
}

bool SkinExists(const std::string& skinsFolder, const std::string& name) {
    return !name.empty() && name.find_first_of("\\/:") == std::string::npos &&
           GetFileAttributesA((skinsFolder + name + "\\skin.ini").c_str()) != INVALID_FILE_ATTRIBUTES;
}

// One folder's wait: the system writes what changed into the buffer and
// signals the event.
struct SkinWatch::Folder {
    std::string skin;
    UniqueFile handle;
    UniqueEvent done{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    OVERLAPPED overlapped = {};
    std::vector<DWORD> buffer = std::vector<DWORD>(4096);  // DWORD-aligned, as the system writes its records
    bool armed = false;

    Folder(std::string skinName, const std::string& path)
        : skin(std::move(skinName)),
          handle(CreateFileA(path.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr)) {}

    bool Arm() {
        ResetEvent(done.get());
        overlapped = {};
        overlapped.hEvent = done.get();
        armed = ReadDirectoryChangesW(handle.get(), buffer.data(), static_cast<DWORD>(buffer.size() * sizeof(DWORD)),
                                      FALSE, kChanges, nullptr, &overlapped, nullptr) != FALSE;
        return armed;
    }
    void Cancel() {
        if (!armed) return;
        DWORD bytes = 0;
        CancelIoEx(handle.get(), &overlapped);
        GetOverlappedResult(handle.get(), &overlapped, &bytes, TRUE);
    }
};

SkinWatch::SkinWatch(const std::string& skinsFolder, const std::vector<std::string>& skins, HWND notify, UINT message)
    : skins_(skins), stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)), notify_(notify), message_(message) {
    if (skins_.size() > kMaxSkins) skins_.resize(kMaxSkins);
    for (const std::string& skin : skins_)
        for (const char* below : {"", "\\images"}) {
            auto folder = std::make_unique<Folder>(skin, skinsFolder + skin + below);
            if (folder->handle && folder->done) folders_.push_back(std::move(folder));
        }
    if (stop_ && !folders_.empty()) thread_ = std::thread([this] { Run(); });
}

SkinWatch::~SkinWatch() {
    if (thread_.joinable()) {
        SetEvent(stop_.get());
        thread_.join();
    }
}

std::vector<std::string> SkinWatch::TakeChanged() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::exchange(changed_, {});
}

void SkinWatch::Note(const std::string& skin) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto same = [&skin](const std::string& noted) { return _stricmp(noted.c_str(), skin.c_str()) == 0; };
    if (std::none_of(changed_.begin(), changed_.end(), same)) changed_.push_back(skin);
}

// What changed in a folder does not matter: any change of a skin's files
// shows the skin anew.
void SkinWatch::Run() {
    std::vector<HANDLE> waits;
    for (const auto& folder : folders_) waits.push_back(folder->Arm() ? folder->done.get() : stop_.get());
    waits.push_back(stop_.get());
    for (;;) {
        const DWORD woken = WaitForMultipleObjects(static_cast<DWORD>(waits.size()), waits.data(), FALSE, INFINITE);
        const size_t index = woken - WAIT_OBJECT_0;
        // A folder no longer watched waits on the stop as well.
        if (index >= folders_.size() || WaitForSingleObject(stop_.get(), 0) == WAIT_OBJECT_0) break;
        Folder& folder = *folders_[index];
        DWORD bytes = 0;
        folder.armed = false;
        // A folder that can no longer be watched (it went) is waited on no more.
        if (!GetOverlappedResult(folder.handle.get(), &folder.overlapped, &bytes, FALSE)) {
            waits[index] = stop_.get();
            continue;
        }
        Note(folder.skin);
        PostMessageA(notify_, message_, 0, 0);
        if (!folder.Arm()) waits[index] = stop_.get();
    }
    for (const auto& folder : folders_) folder->Cancel();
}

}  // namespace host
