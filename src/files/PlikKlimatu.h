#pragma once
// Climate files on disk: reading one and finding one by its name.

#include "core/Klimat.h"

#include <filesystem>
#include <string>

namespace murolab {

// The whole text of a regular file, or the Polish message why it cannot be read. The one place
// where a climate file is read, so that the reading can be changed without touching the rest.
TWynik<std::string> CzytajTekstKlimatu(const std::string& sciezka);

// The user's climate folder: "klimat" in the user's data directory; empty when there is none.
std::string KatalogKlimatuUzytkownika();
// The "klimat" folder of the program's data directory; empty when it has none.
std::string KatalogKlimatuZainstalowany(const std::filesystem::path& katalogDanych);

// True when `nazwa` is a file name or path ("...csv" or a name with a "/"), not a climate name.
bool CzySciezkaKlimatu(const std::string& nazwa);

// NAZWA.csv in the user's folder, then in the installed one; empty when neither has it. Names that
// could leave the folder ("..", "/", empty) are never looked up.
std::string ZnajdzKlimat(const std::string& nazwa, const std::string& katalogUzytkownika,
                         const std::string& katalogZainstalowany);

// A climate given as a name or a path, found, read and parsed; or the message.
TWynik<TKlimat> WczytajKlimat(const std::string& nazwaLubSciezka, const std::filesystem::path& katalogDanych);

} // namespace murolab
