#include "sim/app_object.h"

#include "sim/objects.h"

namespace sim {

AppObject* AppObject::NewPinned() {
    auto* app = new AppObject();
    app->Pin();
    return app;
}

template <class Command>
HRESULT AppObject::Do(const char* member, Command&& command) {
    return Serve(member, Arg(), [&] {
        command(Player::Get());
        return S_OK;
    });
}

HRESULT AppObject::BackTrack() { return Do("BackTrack", [](Player& p) { p.BackTrack(); }); }
HRESULT AppObject::NextTrack() { return Do("NextTrack", [](Player& p) { p.NextTrack(); }); }
HRESULT AppObject::Pause() { return Do("Pause", [](Player& p) { p.Pause(); }); }
HRESULT AppObject::Play() { return Do("Play", [](Player& p) { p.Resume(); }); }
HRESULT AppObject::PlayPause() { return Do("PlayPause", [](Player& p) { p.PlayPause(); }); }
HRESULT AppObject::PreviousTrack() { return Do("PreviousTrack", [](Player& p) { p.PreviousTrack(); }); }
HRESULT AppObject::Resume() { return Do("Resume", [](Player& p) { p.Resume(); }); }
HRESULT AppObject::Stop() { return Do("Stop", [](Player& p) { p.Stop(); }); }
HRESULT AppObject::UpdateIPod() { return Do("UpdateIPod", [](Player& p) { p.UpdateIPod(); }); }
HRESULT AppObject::Quit() { return Do("Quit", [](Player& p) { p.Quit(); }); }

HRESULT AppObject::get_Sources(itunes::IITSourceCollection** sources) {
    return ServeOut("get_Sources", sources, [](itunes::IITSourceCollection*& out) {
        return HandOutSources(Player::Get().library().sources, &out);
    });
}

HRESULT AppObject::get_SoundVolume(long* volume) {
    return ServeOut("get_SoundVolume", volume, [](long& out) {
        out = Player::Get().Volume();
        return S_OK;
    });
}

HRESULT AppObject::put_SoundVolume(long volume) {
    return Serve("put_SoundVolume", Arg(volume), [volume] {
        Player::Get().SetVolume(volume);
        return S_OK;
    });
}

HRESULT AppObject::get_Mute(VARIANT_BOOL* muted) {
    return ServeOut("get_Mute", muted, [](VARIANT_BOOL& out) {
        out = Player::Get().Muted() ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    });
}

HRESULT AppObject::put_Mute(VARIANT_BOOL mute) {
    return Serve("put_Mute", Arg(static_cast<long>(mute)), [mute] {
        Player::Get().SetMuted(mute != VARIANT_FALSE);
        return S_OK;
    });
}

HRESULT AppObject::get_PlayerState(itunes::ITPlayerState* state) {
    return ServeOut("get_PlayerState", state, [](itunes::ITPlayerState& out) {
        out = Player::Get().Playing() ? itunes::ITPlayerStatePlaying : itunes::ITPlayerStateStopped;
        return S_OK;
    });
}

HRESULT AppObject::get_PlayerPosition(long* seconds) {
    return ServeOut("get_PlayerPosition", seconds, [](long& out) {
        out = Player::Get().Position();
        return S_OK;
    });
}

HRESULT AppObject::put_PlayerPosition(long seconds) {
    return Serve("put_PlayerPosition", Arg(seconds), [seconds] {
        Player::Get().SetPosition(seconds);
        return S_OK;
    });
}

HRESULT AppObject::get_LibrarySource(itunes::IITSource** source) {
    return ServeOut("get_LibrarySource", source, [](itunes::IITSource*& out) {
        const Library& library = Player::Get().library();
        return library.sources.empty() ? S_OK : HandOutSource(library.sources.front(), &out);
    });
}

HRESULT AppObject::get_LibraryPlaylist(itunes::IITLibraryPlaylist** playlist) {
    return ServeOut("get_LibraryPlaylist", playlist, [](itunes::IITLibraryPlaylist*& out) {
        const Library& library = Player::Get().library();
        auto main = library.MainPlaylist();
        return main ? HandOutLibraryPlaylist(main, &out) : S_OK;
    });
}

HRESULT AppObject::get_CurrentTrack(itunes::IITTrack** track) {
    return ServeOut("get_CurrentTrack", track, [](itunes::IITTrack*& out) {
        Player& player = Player::Get();
        auto current = player.CurrentTrack();
        return current ? HandOutTrack(current, player.CurrentPlaylist(), &out) : S_OK;
    });
}

HRESULT AppObject::get_CurrentPlaylist(itunes::IITPlaylist** playlist) {
    return ServeOut("get_CurrentPlaylist", playlist, [](itunes::IITPlaylist*& out) {
        auto current = Player::Get().CurrentPlaylist();
        return current ? HandOutPlaylist(current, &out) : S_OK;
    });
}

HRESULT AppObject::get_Version(BSTR* version) {
    return ServeOut("get_Version", version, [](BSTR& out) { return StringOut(L"12.0.1.0", out); });
}

}  // namespace sim
