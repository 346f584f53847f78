// Malformed skins, made on demand: one well-formed skin that uses every
// feature, each of its values replaced in turn by hostile numbers or texts,
// plus garbage files, huge sizes, broken images and hotspots that bounce
// between two skins. Every case is a "skin.ini" text and the images beside it.
#pragma once

#include <string>
#include <vector>

namespace rig {

struct BadSkin {
    std::string label;    // what is wrong, for the report
    std::string iniText;  // the whole "skin.ini"
    enum class Images { Good, Missing, Corrupt, Empty, Folders } images = Images::Good;
};

// Every case, in a fixed order (the garbage is seeded, so runs repeat).
std::vector<BadSkin> BadSkinCases();

// The well-formed skin with one integer key of one group (every key of every
// group the module reads, in turn) at the edges of the integer range and at a
// few large values, each with the progress knob drawn or from its image, at
// the knob's place and stretched over the bar.
std::vector<BadSkin> ExtremeValueCases(bool knobImage);

// Writes the case as skins\<name> in the work folder, replacing what was there.
void InstallBadSkin(const std::string& name, const BadSkin& skin);

// The well-formed skin the cases start from; its hotspots lead to `other`,
// whose own hover hotspot leads back to `name`.
std::string GoodSkinText(const std::string& other);
std::string BounceBackSkinText(const std::string& name);

}  // namespace rig
