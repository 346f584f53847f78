// The media player's COM automation interfaces, declared slot by slot in the
// order of the player's type library, so the vtables match the real server.
#pragma once

#include <windows.h>
#include <oaidl.h>

#ifdef _MSC_VER
#define QB_UUID(guid) __declspec(uuid(guid))
#else
#define QB_UUID(guid)
#endif

namespace itunes {

// 32-bit enums of the type library.
using ITPlayerState = long;
constexpr ITPlayerState ITPlayerStateStopped = 0;
constexpr ITPlayerState ITPlayerStatePlaying = 1;
constexpr ITPlayerState ITPlayerStateFastForward = 2;
constexpr ITPlayerState ITPlayerStateRewind = 3;
using ITVisualSize = long;
using ITPlayButtonState = long;
using ITPlayerButton = long;
using ITTrackKind = long;
using ITPlaylistKind = long;
using ITPlaylistPrintKind = long;
using ITPlaylistSearchField = long;
using ITPlaylistRepeatMode = long;
using ITSourceKind = long;
using ITArtworkFormat = long;

struct IITBrowserWindow;
struct IITConvertOperationStatus;
struct IITEQPreset;
struct IITEQPresetCollection;
struct IITEncoder;
struct IITEncoderCollection;
struct IITURLTrack;
struct IITVisual;
struct IITVisualCollection;
struct IITWindow;
struct IITWindowCollection;

struct IiTunes;
struct IITObject;
struct IITTrack;
struct IITPlaylist;
struct IITLibraryPlaylist;
struct IITOperationStatus;
struct IITSource;
struct IITArtwork;
struct IITArtworkCollection;
struct IITTrackCollection;
struct IITSourceCollection;
struct IITPlaylistCollection;

// Class of the player application object.
inline const CLSID CLSID_iTunesApp = {0xDC0C2640, 0x1415, 0x4644, {0x87, 0x5C, 0x6F, 0x4D, 0x76, 0x98, 0x39, 0xBA}};  // DC0C2640-1415-4644-875C-6F4D769839BA
inline const IID IID_IiTunes = {0x9DD6680B, 0x3EDC, 0x40DB, {0xA7, 0x71, 0xE6, 0xFE, 0x48, 0x32, 0xE3, 0x4A}};  // 9DD6680B-3EDC-40DB-A771-E6FE4832E34A
inline const IID IID_IITObject = {0x9FAB0E27, 0x70D7, 0x4E3A, {0x99, 0x65, 0xB0, 0xC8, 0xB8, 0x86, 0x9B, 0xB6}};  // 9FAB0E27-70D7-4E3A-9965-B0C8B8869BB6
inline const IID IID_IITTrack = {0x4CB0915D, 0x1E54, 0x4727, {0xBA, 0xF3, 0xCE, 0x6C, 0xC9, 0xA2, 0x25, 0xA1}};  // 4CB0915D-1E54-4727-BAF3-CE6CC9A225A1
inline const IID IID_IITFileOrCDTrack = {0x00D7FE99, 0x7868, 0x4CC7, {0xAD, 0x9E, 0xAC, 0xFD, 0x70, 0xD0, 0x95, 0x66}};  // 00D7FE99-7868-4CC7-AD9E-ACFD70D09566
inline const IID IID_IITPlaylist = {0x3D5E072F, 0x2A77, 0x4B17, {0x9E, 0x73, 0xE0, 0x3B, 0x77, 0xCC, 0xCC, 0xA9}};  // 3D5E072F-2A77-4B17-9E73-E03B77CCCCA9
inline const IID IID_IITLibraryPlaylist = {0x53AE1704, 0x491C, 0x4289, {0x94, 0xA0, 0x95, 0x88, 0x15, 0x67, 0x5A, 0x3D}};  // 53AE1704-491C-4289-94A0-958815675A3D
inline const IID IID_IITOperationStatus = {0x206479C9, 0xFE32, 0x4F9B, {0xA1, 0x8A, 0x47, 0x5A, 0xC9, 0x39, 0xB4, 0x79}};  // 206479C9-FE32-4F9B-A18A-475AC939B479
inline const IID IID_IITSource = {0xAEC1C4D3, 0xAEF1, 0x4255, {0xB8, 0x92, 0x3E, 0x3D, 0x13, 0xAD, 0xFD, 0xF9}};  // AEC1C4D3-AEF1-4255-B892-3E3D13ADFDF9
inline const IID IID_IITArtwork = {0xD0A6C1F8, 0xBF3D, 0x4CD8, {0xAC, 0x47, 0xFE, 0x32, 0xBD, 0xD1, 0x72, 0x57}};  // D0A6C1F8-BF3D-4CD8-AC47-FE32BDD17257
inline const IID IID_IITArtworkCollection = {0xBF2742D7, 0x418C, 0x4858, {0x9A, 0xF9, 0x29, 0x81, 0xB0, 0x62, 0xD2, 0x3E}};  // BF2742D7-418C-4858-9AF9-2981B062D23E
inline const IID IID_IITTrackCollection = {0x755D76F1, 0x6B85, 0x4CE4, {0x8F, 0x5F, 0xF8, 0x8D, 0x97, 0x43, 0xDC, 0xD8}};  // 755D76F1-6B85-4CE4-8F5F-F88D9743DCD8
inline const IID IID_IITSourceCollection = {0x2FF6CE20, 0xFF87, 0x4183, {0xB0, 0xB3, 0xF3, 0x23, 0xD0, 0x47, 0xAF, 0x41}};  // 2FF6CE20-FF87-4183-B0B3-F323D047AF41
inline const IID IID_IITPlaylistCollection = {0xFF194254, 0x909D, 0x4437, {0x9C, 0x50, 0x3A, 0xAC, 0x2A, 0xE6, 0x30, 0x5C}};  // FF194254-909D-4437-9C50-3AAC2AE6305C

struct QB_UUID("9DD6680B-3EDC-40DB-A771-E6FE4832E34A") IiTunes : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE BackTrack() = 0;  // slot 7
    virtual HRESULT STDMETHODCALLTYPE FastForward() = 0;  // slot 8
    virtual HRESULT STDMETHODCALLTYPE NextTrack() = 0;  // slot 9
    virtual HRESULT STDMETHODCALLTYPE Pause() = 0;  // slot 10
    virtual HRESULT STDMETHODCALLTYPE Play() = 0;  // slot 11
    virtual HRESULT STDMETHODCALLTYPE PlayFile(BSTR filePath) = 0;  // slot 12
    virtual HRESULT STDMETHODCALLTYPE PlayPause() = 0;  // slot 13
    virtual HRESULT STDMETHODCALLTYPE PreviousTrack() = 0;  // slot 14
    virtual HRESULT STDMETHODCALLTYPE Resume() = 0;  // slot 15
    virtual HRESULT STDMETHODCALLTYPE Rewind() = 0;  // slot 16
    virtual HRESULT STDMETHODCALLTYPE Stop() = 0;  // slot 17
    virtual HRESULT STDMETHODCALLTYPE ConvertFile(BSTR filePath, IITOperationStatus** iStatus) = 0;  // slot 18
    virtual HRESULT STDMETHODCALLTYPE ConvertFiles(VARIANT* filePaths, IITOperationStatus** iStatus) = 0;  // slot 19
    virtual HRESULT STDMETHODCALLTYPE ConvertTrack(VARIANT* iTrackToConvert, IITOperationStatus** iStatus) = 0;  // slot 20
    virtual HRESULT STDMETHODCALLTYPE ConvertTracks(VARIANT* iTracksToConvert, IITOperationStatus** iStatus) = 0;  // slot 21
    virtual HRESULT STDMETHODCALLTYPE CheckVersion(long majorVersion, long minorVersion, VARIANT_BOOL* isCompatible) = 0;  // slot 22
    virtual HRESULT STDMETHODCALLTYPE GetITObjectByID(long sourceID, long playlistID, long trackID, long databaseID, IITObject** iObject) = 0;  // slot 23
    virtual HRESULT STDMETHODCALLTYPE CreatePlaylist(BSTR playlistName, IITPlaylist** iPlaylist) = 0;  // slot 24
    virtual HRESULT STDMETHODCALLTYPE OpenURL(BSTR url) = 0;  // slot 25
    virtual HRESULT STDMETHODCALLTYPE GotoMusicStoreHomePage() = 0;  // slot 26
    virtual HRESULT STDMETHODCALLTYPE UpdateIPod() = 0;  // slot 27
    virtual HRESULT STDMETHODCALLTYPE Authorize(long numElems, VARIANT* data, BSTR* names) = 0;  // slot 28
    virtual HRESULT STDMETHODCALLTYPE Quit() = 0;  // slot 29
    virtual HRESULT STDMETHODCALLTYPE get_Sources(IITSourceCollection** iSourceCollection) = 0;  // slot 30
    virtual HRESULT STDMETHODCALLTYPE get_Encoders(IITEncoderCollection** iEncoderCollection) = 0;  // slot 31
    virtual HRESULT STDMETHODCALLTYPE get_EQPresets(IITEQPresetCollection** iEQPresetCollection) = 0;  // slot 32
    virtual HRESULT STDMETHODCALLTYPE get_Visuals(IITVisualCollection** iVisualCollection) = 0;  // slot 33
    virtual HRESULT STDMETHODCALLTYPE get_Windows(IITWindowCollection** iWindowCollection) = 0;  // slot 34
    virtual HRESULT STDMETHODCALLTYPE get_SoundVolume(long* volume) = 0;  // slot 35
    virtual HRESULT STDMETHODCALLTYPE put_SoundVolume(long volume) = 0;  // slot 36
    virtual HRESULT STDMETHODCALLTYPE get_Mute(VARIANT_BOOL* isMuted) = 0;  // slot 37
    virtual HRESULT STDMETHODCALLTYPE put_Mute(VARIANT_BOOL shouldMute) = 0;  // slot 38
    virtual HRESULT STDMETHODCALLTYPE get_PlayerState(ITPlayerState* playerState) = 0;  // slot 39
    virtual HRESULT STDMETHODCALLTYPE get_PlayerPosition(long* playerPos) = 0;  // slot 40
    virtual HRESULT STDMETHODCALLTYPE put_PlayerPosition(long playerPos) = 0;  // slot 41
    virtual HRESULT STDMETHODCALLTYPE get_CurrentEncoder(IITEncoder** iEncoder) = 0;  // slot 42
    virtual HRESULT STDMETHODCALLTYPE put_CurrentEncoder(IITEncoder* iEncoder) = 0;  // slot 43
    virtual HRESULT STDMETHODCALLTYPE get_VisualsEnabled(VARIANT_BOOL* isEnabled) = 0;  // slot 44
    virtual HRESULT STDMETHODCALLTYPE put_VisualsEnabled(VARIANT_BOOL shouldEnable) = 0;  // slot 45
    virtual HRESULT STDMETHODCALLTYPE get_FullScreenVisuals(VARIANT_BOOL* isFullScreen) = 0;  // slot 46
    virtual HRESULT STDMETHODCALLTYPE put_FullScreenVisuals(VARIANT_BOOL shouldUseFullScreen) = 0;  // slot 47
    virtual HRESULT STDMETHODCALLTYPE get_VisualSize(ITVisualSize* visualSize) = 0;  // slot 48
    virtual HRESULT STDMETHODCALLTYPE put_VisualSize(ITVisualSize visualSize) = 0;  // slot 49
    virtual HRESULT STDMETHODCALLTYPE get_CurrentVisual(IITVisual** iVisual) = 0;  // slot 50
    virtual HRESULT STDMETHODCALLTYPE put_CurrentVisual(IITVisual* iVisual) = 0;  // slot 51
    virtual HRESULT STDMETHODCALLTYPE get_EQEnabled(VARIANT_BOOL* isEnabled) = 0;  // slot 52
    virtual HRESULT STDMETHODCALLTYPE put_EQEnabled(VARIANT_BOOL shouldEnable) = 0;  // slot 53
    virtual HRESULT STDMETHODCALLTYPE get_CurrentEQPreset(IITEQPreset** iEQPreset) = 0;  // slot 54
    virtual HRESULT STDMETHODCALLTYPE put_CurrentEQPreset(IITEQPreset* iEQPreset) = 0;  // slot 55
    virtual HRESULT STDMETHODCALLTYPE get_CurrentStreamTitle(BSTR* streamTitle) = 0;  // slot 56
    virtual HRESULT STDMETHODCALLTYPE get_CurrentStreamURL(BSTR* streamURL) = 0;  // slot 57
    virtual HRESULT STDMETHODCALLTYPE get_BrowserWindow(IITBrowserWindow** iBrowserWindow) = 0;  // slot 58
    virtual HRESULT STDMETHODCALLTYPE get_EQWindow(IITWindow** iEQWindow) = 0;  // slot 59
    virtual HRESULT STDMETHODCALLTYPE get_LibrarySource(IITSource** iLibrarySource) = 0;  // slot 60
    virtual HRESULT STDMETHODCALLTYPE get_LibraryPlaylist(IITLibraryPlaylist** iLibraryPlaylist) = 0;  // slot 61
    virtual HRESULT STDMETHODCALLTYPE get_CurrentTrack(IITTrack** iTrack) = 0;  // slot 62
    virtual HRESULT STDMETHODCALLTYPE get_CurrentPlaylist(IITPlaylist** iPlaylist) = 0;  // slot 63
    virtual HRESULT STDMETHODCALLTYPE get_SelectedTracks(IITTrackCollection** iTrackCollection) = 0;  // slot 64
    virtual HRESULT STDMETHODCALLTYPE get_Version(BSTR* version) = 0;  // slot 65
    virtual HRESULT STDMETHODCALLTYPE SetOptions(long options) = 0;  // slot 66
    virtual HRESULT STDMETHODCALLTYPE ConvertFile2(BSTR filePath, IITConvertOperationStatus** iStatus) = 0;  // slot 67
    virtual HRESULT STDMETHODCALLTYPE ConvertFiles2(VARIANT* filePaths, IITConvertOperationStatus** iStatus) = 0;  // slot 68
    virtual HRESULT STDMETHODCALLTYPE ConvertTrack2(VARIANT* iTrackToConvert, IITConvertOperationStatus** iStatus) = 0;  // slot 69
    virtual HRESULT STDMETHODCALLTYPE ConvertTracks2(VARIANT* iTracksToConvert, IITConvertOperationStatus** iStatus) = 0;  // slot 70
    virtual HRESULT STDMETHODCALLTYPE get_AppCommandMessageProcessingEnabled(VARIANT_BOOL* isEnabled) = 0;  // slot 71
    virtual HRESULT STDMETHODCALLTYPE put_AppCommandMessageProcessingEnabled(VARIANT_BOOL shouldEnable) = 0;  // slot 72
    virtual HRESULT STDMETHODCALLTYPE get_ForceToForegroundOnDialog(VARIANT_BOOL* forceToForegroundOnDialog) = 0;  // slot 73
    virtual HRESULT STDMETHODCALLTYPE put_ForceToForegroundOnDialog(VARIANT_BOOL forceToForegroundOnDialog) = 0;  // slot 74
    virtual HRESULT STDMETHODCALLTYPE CreateEQPreset(BSTR eqPresetName, IITEQPreset** iEQPreset) = 0;  // slot 75
    virtual HRESULT STDMETHODCALLTYPE CreatePlaylistInSource(BSTR playlistName, VARIANT* iSource, IITPlaylist** iPlaylist) = 0;  // slot 76
    virtual HRESULT STDMETHODCALLTYPE GetPlayerButtonsState(VARIANT_BOOL* previousEnabled, ITPlayButtonState* playPauseStopState, VARIANT_BOOL* nextEnabled) = 0;  // slot 77
    virtual HRESULT STDMETHODCALLTYPE PlayerButtonClicked(ITPlayerButton playerButton, long playerButtonModifierKeys) = 0;  // slot 78
    virtual HRESULT STDMETHODCALLTYPE get_CanSetShuffle(VARIANT* iPlaylist, VARIANT_BOOL* canSetShuffle) = 0;  // slot 79
    virtual HRESULT STDMETHODCALLTYPE get_CanSetSongRepeat(VARIANT* iPlaylist, VARIANT_BOOL* canSetSongRepeat) = 0;  // slot 80
    virtual HRESULT STDMETHODCALLTYPE get_ConvertOperationStatus(IITConvertOperationStatus** iStatus) = 0;  // slot 81
    virtual HRESULT STDMETHODCALLTYPE SubscribeToPodcast(BSTR url) = 0;  // slot 82
    virtual HRESULT STDMETHODCALLTYPE UpdatePodcastFeeds() = 0;  // slot 83
    virtual HRESULT STDMETHODCALLTYPE CreateFolder(BSTR folderName, IITPlaylist** iFolder) = 0;  // slot 84
    virtual HRESULT STDMETHODCALLTYPE CreateFolderInSource(BSTR folderName, VARIANT* iSource, IITPlaylist** iFolder) = 0;  // slot 85
    virtual HRESULT STDMETHODCALLTYPE get_SoundVolumeControlEnabled(VARIANT_BOOL* isEnabled) = 0;  // slot 86
    virtual HRESULT STDMETHODCALLTYPE get_LibraryXMLPath(BSTR* filePath) = 0;  // slot 87
    virtual HRESULT STDMETHODCALLTYPE get_ITObjectPersistentIDHigh(VARIANT* iObject, long* highID) = 0;  // slot 88
    virtual HRESULT STDMETHODCALLTYPE get_ITObjectPersistentIDLow(VARIANT* iObject, long* lowID) = 0;  // slot 89
    virtual HRESULT STDMETHODCALLTYPE GetITObjectPersistentIDs(VARIANT* iObject, long* highID, long* lowID) = 0;  // slot 90
};

struct QB_UUID("9FAB0E27-70D7-4E3A-9965-B0C8B8869BB6") IITObject : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetITObjectIDs(long* sourceID, long* playlistID, long* trackID, long* databaseID) = 0;  // slot 7
    virtual HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) = 0;  // slot 8
    virtual HRESULT STDMETHODCALLTYPE put_Name(BSTR name) = 0;  // slot 9
    virtual HRESULT STDMETHODCALLTYPE get_Index(long* index) = 0;  // slot 10
    virtual HRESULT STDMETHODCALLTYPE get_SourceID(long* sourceID) = 0;  // slot 11
    virtual HRESULT STDMETHODCALLTYPE get_PlaylistID(long* playlistID) = 0;  // slot 12
    virtual HRESULT STDMETHODCALLTYPE get_TrackID(long* trackID) = 0;  // slot 13
    virtual HRESULT STDMETHODCALLTYPE get_TrackDatabaseID(long* databaseID) = 0;  // slot 14
};

struct QB_UUID("4CB0915D-1E54-4727-BAF3-CE6CC9A225A1") IITTrack : public IITObject {
    virtual HRESULT STDMETHODCALLTYPE Delete() = 0;  // slot 15
    virtual HRESULT STDMETHODCALLTYPE Play() = 0;  // slot 16
    virtual HRESULT STDMETHODCALLTYPE AddArtworkFromFile(BSTR filePath, IITArtwork** iArtwork) = 0;  // slot 17
    virtual HRESULT STDMETHODCALLTYPE get_Kind(ITTrackKind* kind) = 0;  // slot 18
    virtual HRESULT STDMETHODCALLTYPE get_Playlist(IITPlaylist** iPlaylist) = 0;  // slot 19
    virtual HRESULT STDMETHODCALLTYPE get_Album(BSTR* album) = 0;  // slot 20
    virtual HRESULT STDMETHODCALLTYPE put_Album(BSTR album) = 0;  // slot 21
    virtual HRESULT STDMETHODCALLTYPE get_Artist(BSTR* artist) = 0;  // slot 22
    virtual HRESULT STDMETHODCALLTYPE put_Artist(BSTR artist) = 0;  // slot 23
    virtual HRESULT STDMETHODCALLTYPE get_BitRate(long* bitrate) = 0;  // slot 24
    virtual HRESULT STDMETHODCALLTYPE get_BPM(long* beatsPerMinute) = 0;  // slot 25
    virtual HRESULT STDMETHODCALLTYPE put_BPM(long beatsPerMinute) = 0;  // slot 26
    virtual HRESULT STDMETHODCALLTYPE get_Comment(BSTR* comment) = 0;  // slot 27
    virtual HRESULT STDMETHODCALLTYPE put_Comment(BSTR comment) = 0;  // slot 28
    virtual HRESULT STDMETHODCALLTYPE get_Compilation(VARIANT_BOOL* isCompilation) = 0;  // slot 29
    virtual HRESULT STDMETHODCALLTYPE put_Compilation(VARIANT_BOOL shouldBeCompilation) = 0;  // slot 30
    virtual HRESULT STDMETHODCALLTYPE get_Composer(BSTR* composer) = 0;  // slot 31
    virtual HRESULT STDMETHODCALLTYPE put_Composer(BSTR composer) = 0;  // slot 32
    virtual HRESULT STDMETHODCALLTYPE get_DateAdded(DATE* dateAdded) = 0;  // slot 33
    virtual HRESULT STDMETHODCALLTYPE get_DiscCount(long* discCount) = 0;  // slot 34
    virtual HRESULT STDMETHODCALLTYPE put_DiscCount(long discCount) = 0;  // slot 35
    virtual HRESULT STDMETHODCALLTYPE get_DiscNumber(long* discNumber) = 0;  // slot 36
    virtual HRESULT STDMETHODCALLTYPE put_DiscNumber(long discNumber) = 0;  // slot 37
    virtual HRESULT STDMETHODCALLTYPE get_Duration(long* duration) = 0;  // slot 38
    virtual HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL* isEnabled) = 0;  // slot 39
    virtual HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL shouldBeEnabled) = 0;  // slot 40
    virtual HRESULT STDMETHODCALLTYPE get_EQ(BSTR* eq) = 0;  // slot 41
    virtual HRESULT STDMETHODCALLTYPE put_EQ(BSTR eq) = 0;  // slot 42
    virtual HRESULT STDMETHODCALLTYPE put_Finish(long finish) = 0;  // slot 43
    virtual HRESULT STDMETHODCALLTYPE get_Finish(long* finish) = 0;  // slot 44
    virtual HRESULT STDMETHODCALLTYPE get_Genre(BSTR* genre) = 0;  // slot 45
    virtual HRESULT STDMETHODCALLTYPE put_Genre(BSTR genre) = 0;  // slot 46
    virtual HRESULT STDMETHODCALLTYPE get_Grouping(BSTR* grouping) = 0;  // slot 47
    virtual HRESULT STDMETHODCALLTYPE put_Grouping(BSTR grouping) = 0;  // slot 48
    virtual HRESULT STDMETHODCALLTYPE get_KindAsString(BSTR* kind) = 0;  // slot 49
    virtual HRESULT STDMETHODCALLTYPE get_ModificationDate(DATE* dateModified) = 0;  // slot 50
    virtual HRESULT STDMETHODCALLTYPE get_PlayedCount(long* playedCount) = 0;  // slot 51
    virtual HRESULT STDMETHODCALLTYPE put_PlayedCount(long playedCount) = 0;  // slot 52
    virtual HRESULT STDMETHODCALLTYPE get_PlayedDate(DATE* playedDate) = 0;  // slot 53
    virtual HRESULT STDMETHODCALLTYPE put_PlayedDate(DATE playedDate) = 0;  // slot 54
    virtual HRESULT STDMETHODCALLTYPE get_PlayOrderIndex(long* index) = 0;  // slot 55
    virtual HRESULT STDMETHODCALLTYPE get_Rating(long* rating) = 0;  // slot 56
    virtual HRESULT STDMETHODCALLTYPE put_Rating(long rating) = 0;  // slot 57
    virtual HRESULT STDMETHODCALLTYPE get_SampleRate(long* sampleRate) = 0;  // slot 58
    virtual HRESULT STDMETHODCALLTYPE get_Size(long* size) = 0;  // slot 59
    virtual HRESULT STDMETHODCALLTYPE get_Start(long* start) = 0;  // slot 60
    virtual HRESULT STDMETHODCALLTYPE put_Start(long start) = 0;  // slot 61
    virtual HRESULT STDMETHODCALLTYPE get_Time(BSTR* time) = 0;  // slot 62
    virtual HRESULT STDMETHODCALLTYPE get_TrackCount(long* trackCount) = 0;  // slot 63
    virtual HRESULT STDMETHODCALLTYPE put_TrackCount(long trackCount) = 0;  // slot 64
    virtual HRESULT STDMETHODCALLTYPE get_TrackNumber(long* trackNumber) = 0;  // slot 65
    virtual HRESULT STDMETHODCALLTYPE put_TrackNumber(long trackNumber) = 0;  // slot 66
    virtual HRESULT STDMETHODCALLTYPE get_VolumeAdjustment(long* volumeAdjustment) = 0;  // slot 67
    virtual HRESULT STDMETHODCALLTYPE put_VolumeAdjustment(long volumeAdjustment) = 0;  // slot 68
    virtual HRESULT STDMETHODCALLTYPE get_Year(long* year) = 0;  // slot 69
    virtual HRESULT STDMETHODCALLTYPE put_Year(long year) = 0;  // slot 70
    virtual HRESULT STDMETHODCALLTYPE get_Artwork(IITArtworkCollection** iArtworkCollection) = 0;  // slot 71
};

struct QB_UUID("3D5E072F-2A77-4B17-9E73-E03B77CCCCA9") IITPlaylist : public IITObject {
    virtual HRESULT STDMETHODCALLTYPE Delete() = 0;  // slot 15
    virtual HRESULT STDMETHODCALLTYPE PlayFirstTrack() = 0;  // slot 16
    virtual HRESULT STDMETHODCALLTYPE Print(VARIANT_BOOL showPrintDialog, ITPlaylistPrintKind printKind, BSTR theme) = 0;  // slot 17
    virtual HRESULT STDMETHODCALLTYPE Search(BSTR searchText, ITPlaylistSearchField searchFields, IITTrackCollection** iTrackCollection) = 0;  // slot 18
    virtual HRESULT STDMETHODCALLTYPE get_Kind(ITPlaylistKind* kind) = 0;  // slot 19
    virtual HRESULT STDMETHODCALLTYPE get_Source(IITSource** iSource) = 0;  // slot 20
    virtual HRESULT STDMETHODCALLTYPE get_Duration(long* duration) = 0;  // slot 21
    virtual HRESULT STDMETHODCALLTYPE get_Shuffle(VARIANT_BOOL* isShuffle) = 0;  // slot 22
    virtual HRESULT STDMETHODCALLTYPE put_Shuffle(VARIANT_BOOL shouldShuffle) = 0;  // slot 23
    virtual HRESULT STDMETHODCALLTYPE get_Size(double* size) = 0;  // slot 24
    virtual HRESULT STDMETHODCALLTYPE get_SongRepeat(ITPlaylistRepeatMode* repeatMode) = 0;  // slot 25
    virtual HRESULT STDMETHODCALLTYPE put_SongRepeat(ITPlaylistRepeatMode repeatMode) = 0;  // slot 26
    virtual HRESULT STDMETHODCALLTYPE get_Time(BSTR* time) = 0;  // slot 27
    virtual HRESULT STDMETHODCALLTYPE get_Visible(VARIANT_BOOL* isVisible) = 0;  // slot 28
    virtual HRESULT STDMETHODCALLTYPE get_Tracks(IITTrackCollection** iTrackCollection) = 0;  // slot 29
};

struct QB_UUID("53AE1704-491C-4289-94A0-958815675A3D") IITLibraryPlaylist : public IITPlaylist {
    virtual HRESULT STDMETHODCALLTYPE AddFile(BSTR filePath, IITOperationStatus** iStatus) = 0;  // slot 30
    virtual HRESULT STDMETHODCALLTYPE AddFiles(VARIANT* filePaths, IITOperationStatus** iStatus) = 0;  // slot 31
    virtual HRESULT STDMETHODCALLTYPE AddURL(BSTR url, IITURLTrack** iURLTrack) = 0;  // slot 32
    virtual HRESULT STDMETHODCALLTYPE AddTrack(VARIANT* iTrackToAdd, IITTrack** iAddedTrack) = 0;  // slot 33
};

struct QB_UUID("206479C9-FE32-4F9B-A18A-475AC939B479") IITOperationStatus : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_InProgress(VARIANT_BOOL* isInProgress) = 0;  // slot 7
    virtual HRESULT STDMETHODCALLTYPE get_Tracks(IITTrackCollection** iTrackCollection) = 0;  // slot 8
};

struct QB_UUID("AEC1C4D3-AEF1-4255-B892-3E3D13ADFDF9") IITSource : public IITObject {
    virtual HRESULT STDMETHODCALLTYPE get_Kind(ITSourceKind* kind) = 0;  // slot 15
    virtual HRESULT STDMETHODCALLTYPE get_Capacity(double* capacity) = 0;  // slot 16
    virtual HRESULT STDMETHODCALLTYPE get_FreeSpace(double* freespace) = 0;  // slot 17
    virtual HRESULT STDMETHODCALLTYPE get_Playlists(IITPlaylistCollection** iPlaylistCollection) = 0;  // slot 18
};

struct QB_UUID("D0A6C1F8-BF3D-4CD8-AC47-FE32BDD17257") IITArtwork : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Delete() = 0;  // slot 7
    virtual HRESULT STDMETHODCALLTYPE SetArtworkFromFile(BSTR filePath) = 0;  // slot 8
    virtual HRESULT STDMETHODCALLTYPE SaveArtworkToFile(BSTR filePath) = 0;  // slot 9
    virtual HRESULT STDMETHODCALLTYPE get_Format(ITArtworkFormat* format) = 0;  // slot 10
    virtual HRESULT STDMETHODCALLTYPE get_IsDownloadedArtwork(VARIANT_BOOL* isDownloadedArtwork) = 0;  // slot 11
    virtual HRESULT STDMETHODCALLTYPE get_Description(BSTR* description) = 0;  // slot 12
    virtual HRESULT STDMETHODCALLTYPE put_Description(BSTR description) = 0;  // slot 13
};

struct QB_UUID("BF2742D7-418C-4858-9AF9-2981B062D23E") IITArtworkCollection : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Count(long* count) = 0;  // slot 7
    virtual HRESULT STDMETHODCALLTYPE get_Item(long index, IITArtwork** iArtwork) = 0;  // slot 8
    virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** iEnumerator) = 0;  // slot 9
};

struct QB_UUID("755D76F1-6B85-4CE4-8F5F-F88D9743DCD8") IITTrackCollection : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Count(long* count) = 0;  // slot 7
    virtual HRESULT STDMETHODCALLTYPE get_Item(long index, IITTrack** iTrack) = 0;  // slot 8
    virtual HRESULT STDMETHODCALLTYPE get_ItemByPlayOrder(long index, IITTrack** iTrack) = 0;  // slot 9
    virtual HRESULT STDMETHODCALLTYPE get_ItemByName(BSTR name, IITTrack** iTrack) = 0;  // slot 10
    virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** iEnumerator) = 0;  // slot 11
    virtual HRESULT STDMETHODCALLTYPE get_ItemByPersistentID(long highID, long lowID, IITTrack** iTrack) = 0;  // slot 12
};

struct QB_UUID("2FF6CE20-FF87-4183-B0B3-F323D047AF41") IITSourceCollection : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Count(long* count) = 0;  // slot 7
    virtual HRESULT STDMETHODCALLTYPE get_Item(long index, IITSource** iSource) = 0;  // slot 8
    virtual HRESULT STDMETHODCALLTYPE get_ItemByName(BSTR name, IITSource** iSource) = 0;  // slot 9
    virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** iEnumerator) = 0;  // slot 10
    virtual HRESULT STDMETHODCALLTYPE get_ItemByPersistentID(long highID, long lowID, IITSource** iSource) = 0;  // slot 11
};

struct QB_UUID("FF194254-909D-4437-9C50-3AAC2AE6305C") IITPlaylistCollection : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Count(long* count) = 0;  // slot 7
    virtual HRESULT STDMETHODCALLTYPE get_Item(long index, IITPlaylist** iPlaylist) = 0;  // slot 8
    virtual HRESULT STDMETHODCALLTYPE get_ItemByName(BSTR name, IITPlaylist** iPlaylist) = 0;  // slot 9
    virtual HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown** iEnumerator) = 0;  // slot 10
    virtual HRESULT STDMETHODCALLTYPE get_ItemByPersistentID(long highID, long lowID, IITPlaylist** iPlaylist) = 0;  // slot 11
};

}  // namespace itunes

// __uuidof for the interfaces, as IID_PPV_ARGS and ComPtr::As use it.
#ifdef __MINGW32__
__CRT_UUID_DECL(itunes::IiTunes, 0x9DD6680B, 0x3EDC, 0x40DB, 0xA7, 0x71, 0xE6, 0xFE, 0x48, 0x32, 0xE3, 0x4A)
__CRT_UUID_DECL(itunes::IITObject, 0x9FAB0E27, 0x70D7, 0x4E3A, 0x99, 0x65, 0xB0, 0xC8, 0xB8, 0x86, 0x9B, 0xB6)
__CRT_UUID_DECL(itunes::IITTrack, 0x4CB0915D, 0x1E54, 0x4727, 0xBA, 0xF3, 0xCE, 0x6C, 0xC9, 0xA2, 0x25, 0xA1)
__CRT_UUID_DECL(itunes::IITPlaylist, 0x3D5E072F, 0x2A77, 0x4B17, 0x9E, 0x73, 0xE0, 0x3B, 0x77, 0xCC, 0xCC, 0xA9)
__CRT_UUID_DECL(itunes::IITLibraryPlaylist, 0x53AE1704, 0x491C, 0x4289, 0x94, 0xA0, 0x95, 0x88, 0x15, 0x67, 0x5A, 0x3D)
__CRT_UUID_DECL(itunes::IITOperationStatus, 0x206479C9, 0xFE32, 0x4F9B, 0xA1, 0x8A, 0x47, 0x5A, 0xC9, 0x39, 0xB4, 0x79)
__CRT_UUID_DECL(itunes::IITSource, 0xAEC1C4D3, 0xAEF1, 0x4255, 0xB8, 0x92, 0x3E, 0x3D, 0x13, 0xAD, 0xFD, 0xF9)
__CRT_UUID_DECL(itunes::IITArtwork, 0xD0A6C1F8, 0xBF3D, 0x4CD8, 0xAC, 0x47, 0xFE, 0x32, 0xBD, 0xD1, 0x72, 0x57)
__CRT_UUID_DECL(itunes::IITArtworkCollection, 0xBF2742D7, 0x418C, 0x4858, 0x9A, 0xF9, 0x29, 0x81, 0xB0, 0x62, 0xD2, 0x3E)
__CRT_UUID_DECL(itunes::IITTrackCollection, 0x755D76F1, 0x6B85, 0x4CE4, 0x8F, 0x5F, 0xF8, 0x8D, 0x97, 0x43, 0xDC, 0xD8)
__CRT_UUID_DECL(itunes::IITSourceCollection, 0x2FF6CE20, 0xFF87, 0x4183, 0xB0, 0xB3, 0xF3, 0x23, 0xD0, 0x47, 0xAF, 0x41)
__CRT_UUID_DECL(itunes::IITPlaylistCollection, 0xFF194254, 0x909D, 0x4437, 0x9C, 0x50, 0x3A, 0xAC, 0x2A, 0xE6, 0x30, 0x5C)
#endif
