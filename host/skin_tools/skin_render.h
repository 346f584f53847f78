// A picture of a skin as the widget shows it: the real module on the
// simulated player, one widget on the skin, composited and saved as PNG.
#pragma once

#include <string>

namespace host {

struct RenderRequest {
    std::string modulePath;
    std::string skin;
    std::string outFile;
    int track = 2;     // of the simulated library, counted from 1
    int seconds = 42;  // into the track
    bool paused = false;
};

// Prints the file written; 0 on success, 1 when the skin or the picture fails.
int RenderSkin(const RenderRequest& request);

}  // namespace host
