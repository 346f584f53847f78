// Checks a skin folder the way its author needs: names the module would not
// read, images its settings call for but the folder lacks, rectangles outside
// their space, counts past the module's ceilings, hotspots to missing skins.
#pragma once

#include <string>
#include <vector>

namespace host {

struct SkinProblem {
    bool error = true;  // false: a warning, the skin works but likely not as meant
    std::string file;   // as shown to the author, e.g. "skins/Slim/skin.ini"
    int line = 0;       // 0: about the file as a whole
    std::string message;
};

// Checks skinsFolder\name (skinsFolder ends in a separator).
std::vector<SkinProblem> CheckSkin(const std::string& skinsFolder, const std::string& name);

// "file:line: error: message", the form compilers use.
std::string FormatProblem(const SkinProblem& problem);

// Prints the problems and a summary; 1 when any is an error, else 0.
int RunSkinCheck(const std::string& skinsFolder, const std::string& name);

// Edit distance between two names, letter case ignored.
size_t NameDistance(const std::string& a, const std::string& b);

}  // namespace host
