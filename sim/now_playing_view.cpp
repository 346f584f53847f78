#include "sim/now_playing_view.h"

#include "sim/face_controls.h"
#include "sim/objects.h"
#include "sim/player.h"
#include "player_objects/track_time.h"

#include <commctrl.h>

namespace sim {
namespace {

enum ControlId : WORD { kPrevious = 101, kPlayPause, kNext, kVolume };

constexpr int kMargin = 8;
constexpr int kTimeWidth = 110;
constexpr int kButtonWidth = 70;
constexpr int kButtonHeight = 26;
constexpr int kSliderWidth = 160;

// Setting a control's text repaints it: only when it changed, so nothing flickers.
void ShowText(HWND control, const std::wstring& text) {
    wchar_t shown[512] = {};
    GetWindowTextW(control, shown, 512);
    if (text != shown) SetWindowTextW(control, text.c_str());
}

}  // namespace

NowPlayingView::NowPlayingView(HWND parent)
    : title_(FaceControl(parent, L"STATIC", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, 0)),
      details_(FaceControl(parent, L"STATIC", SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, 0)),
      time_(FaceControl(parent, L"STATIC", SS_RIGHT, 0)),
      previous_(FaceControl(parent, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, kPrevious, L"Previous")),
      playPause_(FaceControl(parent, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, kPlayPause, L"Play")),
      next_(FaceControl(parent, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, kNext, L"Next")),
      volumeLabel_(FaceControl(parent, L"STATIC", SS_RIGHT, 0, L"Volume")),
      volume_(FaceControl(parent, TRACKBAR_CLASSW, TBS_HORZ | TBS_NOTICKS | WS_TABSTOP, kVolume)) {
    LOGFONTW face = {};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    face.lfHeight = -16;
    face.lfWeight = FW_BOLD;
    titleFont_.reset(CreateFontIndirectW(&face));
    SendMessageW(title_, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.get()), FALSE);
    SendMessageW(volume_, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
    Refresh();
}

int NowPlayingView::Layout(int width) {
    const int textWidth = width - 3 * kMargin - kTimeWidth;
    MoveWindow(title_, kMargin, kMargin, textWidth, 22, TRUE);
    MoveWindow(time_, width - kMargin - kTimeWidth, kMargin + 4, kTimeWidth, 18, TRUE);
    MoveWindow(details_, kMargin, kMargin + 24, width - 2 * kMargin, 18, TRUE);
    const int row = kMargin + 48;
    int x = kMargin;
    for (HWND button : {previous_, playPause_, next_}) {
        MoveWindow(button, x, row, kButtonWidth, kButtonHeight, TRUE);
        x += kButtonWidth + 6;
    }
    MoveWindow(volumeLabel_, x + 10, row + 6, 50, 18, TRUE);
    MoveWindow(volume_, x + 64, row, kSliderWidth, kButtonHeight, TRUE);
    return row + kButtonHeight + kMargin;
}

void NowPlayingView::Refresh() {
    Player& player = Player::Get();
    const std::shared_ptr<Track> track = player.CurrentTrack();
    if (track) {
        ShowText(title_, track->name);
        ShowText(details_, track->artist.empty() ? track->album : track->artist + L" \u2014 " + track->album);
        ShowText(time_, player_objects::FormatDuration(player.Position()) + L" / " + player_objects::FormatDuration(track->duration));
    } else {
        ShowText(title_, L"Not playing");
        ShowText(details_, L"");
        ShowText(time_, L"");
    }
    ShowText(playPause_, player.Playing() ? L"Pause" : L"Play");
    // The slider follows the player unless a hand is on it.
    if (GetCapture() != volume_ && SendMessageW(volume_, TBM_GETPOS, 0, 0) != player.Volume())
        SendMessageW(volume_, TBM_SETPOS, TRUE, player.Volume());
}

bool NowPlayingView::OnCommand(WORD id) {
    Player& player = Player::Get();
    switch (id) {
    case kPrevious: player.BackTrack(); break;
    case kPlayPause: player.PlayPause(); break;
    case kNext: player.NextTrack(); break;
    default: return false;
    }
    Refresh();
    return true;
}

void NowPlayingView::OnScroll(HWND bar) {
    if (bar != volume_) return;
    Player::Get().SetVolume(static_cast<long>(SendMessageW(volume_, TBM_GETPOS, 0, 0)));
}

}  // namespace sim
