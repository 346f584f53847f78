// Files dropped on the widget: pictures become the current track's artwork,
// everything else is added to the player's library, and the poll timer plays
// the last addition once it has finished.
#pragma once

#include "core/player_link.h"

#include <objidl.h>

#include <optional>
#include <string>

// Whether the data object offers a list of files.
bool OffersFiles(IDataObject& data);

// Hands the listed files to the attached player, in place of an addition
// still pending. A picture set as artwork clears shownArtworkTrack, so the
// next redraw fetches the track's artwork afresh.
void AddDroppedFiles(IDataObject& data, PlayerLink& player, std::optional<std::wstring>& shownArtworkTrack);
