// The application object: the one IiTunes of a run of the player.
#pragma once

#include "player_objects/com_defaults.h"
#include "sim/com_object.h"

namespace sim {

class AppObject : public ComObject<DefaultIiTunes<>, itunes::IID_IiTunes> {
public:
    // Kept by the player while it runs, whatever its clients do.
    static AppObject* NewPinned();
    // The run is over: the object goes with its clients' last reference.
    void EndRun() { Unpin(); }

    HRESULT STDMETHODCALLTYPE BackTrack() override;
    HRESULT STDMETHODCALLTYPE NextTrack() override;
    HRESULT STDMETHODCALLTYPE Pause() override;
    HRESULT STDMETHODCALLTYPE Play() override;
    HRESULT STDMETHODCALLTYPE PlayPause() override;
    HRESULT STDMETHODCALLTYPE PreviousTrack() override;
    HRESULT STDMETHODCALLTYPE Resume() override;
    HRESULT STDMETHODCALLTYPE Stop() override;
    HRESULT STDMETHODCALLTYPE UpdateIPod() override;
    HRESULT STDMETHODCALLTYPE Quit() override;
    HRESULT STDMETHODCALLTYPE get_Sources(itunes::IITSourceCollection** sources) override;
    HRESULT STDMETHODCALLTYPE get_SoundVolume(long* volume) override;
    HRESULT STDMETHODCALLTYPE put_SoundVolume(long volume) override;
    HRESULT STDMETHODCALLTYPE get_Mute(VARIANT_BOOL* muted) override;
    HRESULT STDMETHODCALLTYPE put_Mute(VARIANT_BOOL mute) override;
    HRESULT STDMETHODCALLTYPE get_PlayerState(itunes::ITPlayerState* state) override;
    HRESULT STDMETHODCALLTYPE get_PlayerPosition(long* seconds) override;
    HRESULT STDMETHODCALLTYPE put_PlayerPosition(long seconds) override;
    HRESULT STDMETHODCALLTYPE get_LibrarySource(itunes::IITSource** source) override;
    HRESULT STDMETHODCALLTYPE get_LibraryPlaylist(itunes::IITLibraryPlaylist** playlist) override;
    HRESULT STDMETHODCALLTYPE get_CurrentTrack(itunes::IITTrack** track) override;
    HRESULT STDMETHODCALLTYPE get_CurrentPlaylist(itunes::IITPlaylist** playlist) override;
    HRESULT STDMETHODCALLTYPE get_Version(BSTR* version) override;

private:
    AppObject() : ComObject("IiTunes") {}
    template <class Command>
    HRESULT Do(const char* member, Command&& command);
};

}  // namespace sim
