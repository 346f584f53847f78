// The top of the player's window: what is playing, the transport buttons and
// the volume slider, each acting on the player directly.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace sim {

class NowPlayingView {
public:
    explicit NowPlayingView(HWND parent);
    // Places the controls along the top; returns the height they take.
    int Layout(int width);
    // Brings the texts, the play/pause label and the slider up to the player.
    void Refresh();
    // True when the command was one of this view's buttons.
    bool OnCommand(WORD id);
    void OnScroll(HWND bar);

private:
    struct FontDeleter {
        void operator()(HFONT font) const { DeleteObject(font); }
    };

    HWND title_, details_, time_, previous_, playPause_, next_, volumeLabel_, volume_;
    std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> titleFont_;
};

}  // namespace sim
