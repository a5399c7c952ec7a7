#pragma once
// Where the program finds its own files.
#include <filesystem>
#include <vector>

namespace tessel {

// The folder of the running program (the current folder when unknown).
std::filesystem::path programDirectory();

// Language files are looked for beside the program, then in the installed data
// folder (share/tessel-studio/languages next to the program's bin folder), then
// in the user's data folder ($XDG_DATA_HOME or ~/.local/share, tessel-studio/languages).
std::vector<std::filesystem::path> languageSearchFolders();

// The first folder that exists of: "skin" beside the program, the installed
// data folder's "skin", the user's data folder's "skin". PNG files in it named
// by image id replace the terminal pictures drawn by the program; empty when
// there is none.
std::filesystem::path skinArtworkFolder();

}  // namespace tessel
