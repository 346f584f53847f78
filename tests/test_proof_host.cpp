// Hosts that lack one of the host functions: this program hides one of its
// own exports at a time (a letter of its name changed in the export table in
// memory) and loads a fresh copy of the module, which then resolves without
// it. Every entry point still works and nothing is left behind.
#include "proof_figures.h"
#include "proof_host_scene.h"
#include "proof_watchdog.h"

#include <cstring>
#include <iterator>

namespace {

const char* const kHostFunctions[] = {
    "DeskletGetRelativeFolder", "DeskletLoadGDIPlusImage", "DeskletSetImageFile", "DeskletLayerGetLayer",
    "DeskletLayerAdd", "DeskletLayerRemove", "DeskletLayerMoveBottom", "DeskletLayerMoveUp",
    "DeskletLayerSetPlacement", "DeskletLayerSetImage", "DeskletLayerSetImageFile", "DeskletLayerSetVisibility",
    "DeskletGetPosition", "DeskletGetSize", "DeskletMove", "DeskletHide", "DeskletShow",
    "DeskletActivateExtendedDragDrop", "DeskletGetDefaultMenu", "DeskletDoDefaultMenuCommand",
    "DeskletAddPropertySheet",
};

char* ExportedName(const char* name) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& exports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    const auto* directory = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + exports.VirtualAddress);
    const auto* names = reinterpret_cast<const DWORD*>(base + directory->AddressOfNames);
    for (DWORD i = 0; i < directory->NumberOfNames; ++i)
        if (std::strcmp(reinterpret_cast<char*>(base + names[i]), name) == 0) return reinterpret_cast<char*>(base + names[i]);
    return nullptr;
}

// Lowers the last letter of the exported name, which keeps the names in the
// sorted order the loader searches; restored when the object goes.
class HiddenExport {
public:
    explicit HiddenExport(const char* name) : letter_(ExportedName(name) + std::strlen(name) - 1) { Change(-1); }
    ~HiddenExport() { Change(+1); }
    HiddenExport(const HiddenExport&) = delete;
    HiddenExport& operator=(const HiddenExport&) = delete;

private:
    void Change(int delta) {
        DWORD protection = 0;
        VirtualProtect(letter_, 1, PAGE_READWRITE, &protection);
        *letter_ = static_cast<char>(*letter_ + delta);
        VirtualProtect(letter_, 1, protection, &protection);
    }
    char* letter_;
};

}  // namespace

TEST_CASE(each_host_function_missing_in_turn) {
    proof::WatchModule();
    const std::string settings = proof::InstallEverythingSkin();
    const HMODULE self = GetModuleHandleA(nullptr);
    proof::Watchdog watchdog(30000);
    proof::Figures start;
    for (const char* name : kHostFunctions) {
        watchdog.Begin(name);
        sim::Player& player = proof::PlayingPlayer();
        {
            HiddenExport hidden(name);
            REQUIRE(GetProcAddress(self, name) == nullptr);
            for (const char* other : kHostFunctions)
                if (other != name) REQUIRE(GetProcAddress(self, other) != nullptr);
            rig::Module copy = rig::LoadModule(std::string("Quillbracket-without-") + name + ".dll");
            REQUIRE(copy.OnCreate != nullptr);
            CountGdiplusObjectsOf(copy.handle);
            rig::CountBstrsOf(copy.handle);
            rig::RecordingHost::Get().ClearCalls();
            proof::DriveEveryEntryPoint(copy, player, settings);
            // The others were used, the hidden one never.
            CHECK_EQ(rig::RecordingHost::Get().Count(name), size_t{0});
            CHECK(rig::RecordingHost::Get().calls.size() > 50);
            FreeLibrary(copy.handle);
        }
        CHECK(GetProcAddress(self, name) != nullptr);
        CHECK_EQ(sim::OutstandingReferences(), 0L);
        watchdog.End();
        // The first host also loads what the system keeps for later ones.
        if (name == kHostFunctions[0]) start = proof::Measure();
    }
    const proof::Figures end = proof::Measure();
    std::printf("  %zu hosts each without one function, longest %lu ms\n", std::size(kHostFunctions),
                watchdog.longestMs());
    proof::Print("hosts 2 to 21, each with a fresh copy of the module", start, end);
    proof::CheckNoGrowth(start, end, 8 << 20);
}
