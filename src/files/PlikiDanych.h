#pragma once
// Where the program's files are. The data directory holds what the program ships with (ula.dat, the
// catalogue's group files, the pictures, the help file, the example project, the climates) and is
// only ever read; the user's data directory holds what the user adds (own materials, own climates).
// Both are found once at start-up and handed as values to whatever reads them: the program never
// changes its working directory, so relative names on the command line and in file dialogs mean
// what they say.

#include <filesystem>

namespace murolab {

// The environment variable that names the data directory outright.
inline constexpr const char* kZmiennaKataloguDanych = "MUROLAB_DANE";

// The data directory of a program whose executable lies in `katalogProgramu`:
// - `zmienna` (the value of MUROLAB_DANE, nullptr when unset) when it is not empty, as given;
// - `katalogProgramu/dane` when it holds ula.dat (the build tree);
// - `katalogProgramu/../share/murolab` otherwise (installed: bin/murolab beside share/murolab), also
//   when it does not exist, so that a message names the place an installed program reads from.
std::filesystem::path WybierzKatalogDanych(const char* zmienna, const std::filesystem::path& katalogProgramu);

// The same for the running process: its executable (/proc/self/exe) and its environment.
std::filesystem::path KatalogDanych();

// The user's data directory, where Qt puts QStandardPaths::AppDataLocation for this program:
// `xdgDataHome`/murolab when XDG_DATA_HOME is an absolute path (the XDG rules ignore a relative
// one), else `home`/.local/share/murolab. Empty when home is not an absolute path either.
std::filesystem::path WybierzKatalogUzytkownika(const char* xdgDataHome, const char* home);

// The same for the running process: XDG_DATA_HOME, then HOME, then the home directory of the
// user's account.
std::filesystem::path KatalogUzytkownika();

} // namespace murolab
