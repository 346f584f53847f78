// The application object: the player's commands and state, from the
// followed player's status and as commands to it.
#include "bridge/windows/objects.h"
#include "bridge/windows/utf8.h"

#include <wrl/client.h>

#include <algorithm>
#include <climits>

namespace bridge::windows {
namespace {

constexpr wchar_t kVersion[] = L"quillbridge 1";

// Seconds into the track: the status's position, carried on while playing.
long PositionSeconds(const Status& status, std::chrono::milliseconds age) {
    std::int64_t ms = status.position_ms;
    if (status.state == PlayState::Playing) ms += age.count();
    if (status.length_ms > 0) ms = std::min(ms, status.length_ms);
    return static_cast<long>(std::clamp<std::int64_t>(ms / 1000, 0, LONG_MAX));
}

class AppObject : public PlayerObject<player_objects::DefaultIiTunes<>, itunes::IID_IiTunes> {
public:
    explicit AppObject(Origin origin) : PlayerObject(std::move(origin)) {}

    HRESULT STDMETHODCALLTYPE BackTrack() override { return SendCommand(Command::Previous); }
    HRESULT STDMETHODCALLTYPE NextTrack() override { return SendCommand(Command::Next); }
    HRESULT STDMETHODCALLTYPE PlayPause() override { return SendCommand(Command::PlayPause); }
    HRESULT STDMETHODCALLTYPE Stop() override { return SendCommand(Command::Stop); }
    HRESULT STDMETHODCALLTYPE Quit() override { return SendCommand(Command::Quit); }

    HRESULT STDMETHODCALLTYPE get_Sources(itunes::IITSourceCollection** sources) override {
        return ServeOut(sources, [this](const Status& status, itunes::IITSourceCollection*& out) {
            const std::string& name = status.identity.empty() ? status.player : status.identity;
            return HandOutSources(origin(), WideFromUtf8(name), &out);
        });
    }
    HRESULT STDMETHODCALLTYPE get_SoundVolume(long* volume) override {
        return ServeOut(volume, [](const Status& status, long& out) {
            out = status.volume;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE put_SoundVolume(long volume) override {
        return SendCommand(Command::Volume, std::to_string(std::clamp(volume, 0L, 100L)));
    }
    HRESULT STDMETHODCALLTYPE get_Mute(VARIANT_BOOL* muted) override {
        return ServeOut(muted, [](const Status& status, VARIANT_BOOL& out) {
            out = status.muted ? VARIANT_TRUE : VARIANT_FALSE;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE put_Mute(VARIANT_BOOL mute) override {
        return SendCommand(Command::Mute, mute != VARIANT_FALSE ? "1" : "0");
    }
    HRESULT STDMETHODCALLTYPE get_PlayerState(itunes::ITPlayerState* state) override {
        return ServeOut(state, [](const Status& status, itunes::ITPlayerState& out) {
            out = status.state == PlayState::Playing ? itunes::ITPlayerStatePlaying : itunes::ITPlayerStateStopped;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_PlayerPosition(long* seconds) override {
        return ServeOut(seconds, [this](const Status& status, long& out) {
            out = PositionSeconds(status, client().StatusAge());
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE put_PlayerPosition(long seconds) override {
        return SendCommand(Command::Seek, std::to_string(std::int64_t{std::max(seconds, 0L)} * 1000));
    }
    HRESULT STDMETHODCALLTYPE get_LibraryPlaylist(itunes::IITLibraryPlaylist** playlist) override {
        return ServeOut(playlist, [this](const Status&, itunes::IITLibraryPlaylist*& out) {
            return HandOutLibraryPlaylist(origin(), &out);
        });
    }
    // Null, and success, while the player shows no track.
    HRESULT STDMETHODCALLTYPE get_CurrentTrack(itunes::IITTrack** track) override {
        return ServeOut(track, [this](const Status& status, itunes::IITTrack*& out) {
            std::optional<TrackSnapshot> current = SnapshotOf(status);
            return current ? HandOutTrack(origin(), std::move(*current), &out) : S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_Version(BSTR* version) override {
        return ServeOut(version, [](const Status&, BSTR& out) { return TextOut(kVersion, out); });
    }
};

}  // namespace

HRESULT NewApp(Origin origin, REFIID iid, void** out) {
    Microsoft::WRL::ComPtr<itunes::IiTunes> app;
    HRESULT made = (new AppObject(std::move(origin)))->HandOut(app.GetAddressOf());
    return SUCCEEDED(made) ? app->QueryInterface(iid, out) : made;
}

HRESULT TextOut(const std::wstring& text, BSTR& out) {
    out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace bridge::windows
