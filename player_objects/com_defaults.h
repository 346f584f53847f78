// Every slot of the player's interfaces answering E_NOTIMPL, so the simulated
// player and the bridge implement only what they model. One line per slot, in
// slot order.
#pragma once

#include "platform/itunes_com.h"

namespace player_objects {

// IDispatch without type information: clients call through the vtables.
template <class Interface>
struct DefaultDispatch : public Interface {
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
};

template <class Interface = itunes::IiTunes>
struct DefaultIiTunes : public DefaultDispatch<Interface> {
    HRESULT STDMETHODCALLTYPE BackTrack() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FastForward() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE NextTrack() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Pause() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Play() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PlayFile(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PlayPause() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PreviousTrack() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Resume() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Rewind() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stop() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ConvertFile(BSTR, itunes::IITOperationStatus**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ConvertFiles(VARIANT*, itunes::IITOperationStatus**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ConvertTrack(VARIANT*, itunes::IITOperationStatus**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ConvertTracks(VARIANT*, itunes::IITOperationStatus**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CheckVersion(long, long, VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetITObjectByID(long, long, long, long, itunes::IITObject**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreatePlaylist(BSTR, itunes::IITPlaylist**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OpenURL(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GotoMusicStoreHomePage() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UpdateIPod() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Authorize(long, VARIANT*, BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Quit() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Sources(itunes::IITSourceCollection**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Encoders(itunes::IITEncoderCollection**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_EQPresets(itunes::IITEQPresetCollection**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Visuals(itunes::IITVisualCollection**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Windows(itunes::IITWindowCollection**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_SoundVolume(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_SoundVolume(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Mute(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Mute(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_PlayerState(itunes::ITPlayerState*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_PlayerPosition(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_PlayerPosition(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentEncoder(itunes::IITEncoder**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_CurrentEncoder(itunes::IITEncoder*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_VisualsEnabled(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_VisualsEnabled(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_FullScreenVisuals(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_FullScreenVisuals(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_VisualSize(itunes::ITVisualSize*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_VisualSize(itunes::ITVisualSize) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentVisual(itunes::IITVisual**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_CurrentVisual(itunes::IITVisual*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_EQEnabled(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_EQEnabled(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentEQPreset(itunes::IITEQPreset**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_CurrentEQPreset(itunes::IITEQPreset*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentStreamTitle(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentStreamURL(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_BrowserWindow(itunes::IITBrowserWindow**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_EQWindow(itunes::IITWindow**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_LibrarySource(itunes::IITSource**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_LibraryPlaylist(itunes::IITLibraryPlaylist**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentTrack(itunes::IITTrack**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurrentPlaylist(itunes::IITPlaylist**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_SelectedTracks(itunes::IITTrackCollection**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Version(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetOptions(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ConvertFile2(BSTR, itunes::IITConvertOperationStatus**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ConvertFiles2(VARIANT*, itunes::IITConvertOperationStatus**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ConvertTrack2(VARIANT*, itunes::IITConvertOperationStatus**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ConvertTracks2(VARIANT*, itunes::IITConvertOperationStatus**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_AppCommandMessageProcessingEnabled(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_AppCommandMessageProcessingEnabled(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ForceToForegroundOnDialog(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_ForceToForegroundOnDialog(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateEQPreset(BSTR, itunes::IITEQPreset**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreatePlaylistInSource(BSTR, VARIANT*, itunes::IITPlaylist**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPlayerButtonsState(VARIANT_BOOL*, itunes::ITPlayButtonState*, VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PlayerButtonClicked(itunes::ITPlayerButton, long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CanSetShuffle(VARIANT*, VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CanSetSongRepeat(VARIANT*, VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ConvertOperationStatus(itunes::IITConvertOperationStatus**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SubscribeToPodcast(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UpdatePodcastFeeds() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateFolder(BSTR, itunes::IITPlaylist**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateFolderInSource(BSTR, VARIANT*, itunes::IITPlaylist**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_SoundVolumeControlEnabled(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_LibraryXMLPath(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ITObjectPersistentIDHigh(VARIANT*, long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ITObjectPersistentIDLow(VARIANT*, long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetITObjectPersistentIDs(VARIANT*, long*, long*) override { return E_NOTIMPL; }
};

template <class Interface = itunes::IITObject>
struct DefaultIITObject : public DefaultDispatch<Interface> {
    HRESULT STDMETHODCALLTYPE GetITObjectIDs(long*, long*, long*, long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Name(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Name(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Index(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_SourceID(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_PlaylistID(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_TrackID(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_TrackDatabaseID(long*) override { return E_NOTIMPL; }
};

template <class Interface = itunes::IITTrack>
struct DefaultIITTrack : public DefaultIITObject<Interface> {
    HRESULT STDMETHODCALLTYPE Delete() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Play() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AddArtworkFromFile(BSTR, itunes::IITArtwork**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Kind(itunes::ITTrackKind*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Playlist(itunes::IITPlaylist**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Album(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Album(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Artist(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Artist(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_BitRate(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_BPM(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_BPM(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Comment(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Comment(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Compilation(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Compilation(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Composer(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Composer(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_DateAdded(DATE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_DiscCount(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_DiscCount(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_DiscNumber(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_DiscNumber(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Duration(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_EQ(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_EQ(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Finish(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Finish(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Genre(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Genre(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Grouping(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Grouping(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_KindAsString(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ModificationDate(DATE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_PlayedCount(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_PlayedCount(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_PlayedDate(DATE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_PlayedDate(DATE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_PlayOrderIndex(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Rating(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Rating(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_SampleRate(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Size(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Start(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Start(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Time(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_TrackCount(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_TrackCount(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_TrackNumber(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_TrackNumber(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_VolumeAdjustment(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_VolumeAdjustment(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Year(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Year(long) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Artwork(itunes::IITArtworkCollection**) override { return E_NOTIMPL; }
};

template <class Interface = itunes::IITPlaylist>
struct DefaultIITPlaylist : public DefaultIITObject<Interface> {
    HRESULT STDMETHODCALLTYPE Delete() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PlayFirstTrack() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Print(VARIANT_BOOL, itunes::ITPlaylistPrintKind, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Search(BSTR, itunes::ITPlaylistSearchField, itunes::IITTrackCollection**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Kind(itunes::ITPlaylistKind*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Source(itunes::IITSource**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Duration(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Shuffle(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Shuffle(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Size(double*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_SongRepeat(itunes::ITPlaylistRepeatMode*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_SongRepeat(itunes::ITPlaylistRepeatMode) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Time(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Visible(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Tracks(itunes::IITTrackCollection**) override { return E_NOTIMPL; }
};

template <class Interface = itunes::IITLibraryPlaylist>
struct DefaultIITLibraryPlaylist : public DefaultIITPlaylist<Interface> {
    HRESULT STDMETHODCALLTYPE AddFile(BSTR, itunes::IITOperationStatus**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AddFiles(VARIANT*, itunes::IITOperationStatus**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AddURL(BSTR, itunes::IITURLTrack**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AddTrack(VARIANT*, itunes::IITTrack**) override { return E_NOTIMPL; }
};

template <class Interface = itunes::IITOperationStatus>
struct DefaultIITOperationStatus : public DefaultDispatch<Interface> {
    HRESULT STDMETHODCALLTYPE get_InProgress(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Tracks(itunes::IITTrackCollection**) override { return E_NOTIMPL; }
};

template <class Interface = itunes::IITSource>
struct DefaultIITSource : public DefaultIITObject<Interface> {
    HRESULT STDMETHODCALLTYPE get_Kind(itunes::ITSourceKind*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Capacity(double*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_FreeSpace(double*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Playlists(itunes::IITPlaylistCollection**) override { return E_NOTIMPL; }
};

template <class Interface = itunes::IITArtwork>
struct DefaultIITArtwork : public DefaultDispatch<Interface> {
    HRESULT STDMETHODCALLTYPE Delete() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetArtworkFromFile(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SaveArtworkToFile(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Format(itunes::ITArtworkFormat*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_IsDownloadedArtwork(VARIANT_BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Description(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Description(BSTR) override { return E_NOTIMPL; }
};

template <class Interface = itunes::IITArtworkCollection>
struct DefaultIITArtworkCollection : public DefaultDispatch<Interface> {
    HRESULT STDMETHODCALLTYPE get_Count(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Item(long, itunes::IITArtwork**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown**) override { return E_NOTIMPL; }
};

template <class Interface = itunes::IITTrackCollection>
struct DefaultIITTrackCollection : public DefaultDispatch<Interface> {
    HRESULT STDMETHODCALLTYPE get_Count(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Item(long, itunes::IITTrack**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ItemByPlayOrder(long, itunes::IITTrack**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ItemByName(BSTR, itunes::IITTrack**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ItemByPersistentID(long, long, itunes::IITTrack**) override { return E_NOTIMPL; }
};

template <class Interface = itunes::IITSourceCollection>
struct DefaultIITSourceCollection : public DefaultDispatch<Interface> {
    HRESULT STDMETHODCALLTYPE get_Count(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Item(long, itunes::IITSource**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ItemByName(BSTR, itunes::IITSource**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ItemByPersistentID(long, long, itunes::IITSource**) override { return E_NOTIMPL; }
};

template <class Interface = itunes::IITPlaylistCollection>
struct DefaultIITPlaylistCollection : public DefaultDispatch<Interface> {
    HRESULT STDMETHODCALLTYPE get_Count(long*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Item(long, itunes::IITPlaylist**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ItemByName(BSTR, itunes::IITPlaylist**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ItemByPersistentID(long, long, itunes::IITPlaylist**) override { return E_NOTIMPL; }
};

}  // namespace player_objects
