#pragma once
// Climate files on disk: reading one and finding one by its name.

#include "core/Klimat.h"
#include "core/Model.h"

#include <filesystem>
#include <optional>
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

// The two folders where a climate is looked up by name: the user's own, then the shipped one (either
// empty when there is none).
struct TKatalogiKlimatow {
    std::string Uzytkownika;
    std::string Zainstalowany;
};
TKatalogiKlimatow KatalogiKlimatow(const std::filesystem::path& katalogDanych);

// The climate a project's yearly check uses.
struct TKlimatProjektu {
    TKlimat Klimat;
    // The months stored with the project were used because no file of that name is here or the
    // file here holds other months: the window shows it as "NAZWA (z projektu)".
    bool ZProjektu = false;
};

// The climate of a project (ustawienia.Klimat, a name or a path): when the project carries the
// months of its own climate (ustawienia.KlimatZapisany), those, so that the same project file gives
// the same year on every machine (ZProjektu tells whether a local file of that name differs or is
// missing); else the file found by name or path as WczytajKlimat finds it. Nothing when the project
// has no climate; the message when the file is needed and cannot be found or read.
// The command line and the window both resolve a project's climate here.
TWynik<std::optional<TKlimatProjektu>> KlimatProjektu(const TUstawieniaIso13788& ustawienia,
                                                      const TKatalogiKlimatow& katalogi);

// What a project that chose the climate `nazwa`, read as `klimat`, stores of it: the climate when it
// is an own one (a path, or a name found in the user's folder), nothing for a shipped one.
std::optional<TKlimat> KlimatDoZapisu(const std::string& nazwa, const TKlimat& klimat,
                                      const TKatalogiKlimatow& katalogi);

// True when the shipped folder holds a climate of this name (NAZWA.csv, the letters compared without
// regard to case, Polish ones included): an own climate may not take it, as it would hide the
// shipped one on this machine and mean another year on the next.
bool NazwaKlimatuDostarczonego(const std::string& nazwa, const std::string& katalogZainstalowany);

} // namespace murolab
