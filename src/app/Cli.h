#pragma once
// The command-line calculation: `murolab --oblicz PLIK.pro [--json] [--raport RAPORT.pdf]` loads a project
// file, runs the checks of the calculate command on it, computes it and prints the results sheet (a Polish
// table, or one JSON object for scripts). Needs no display; plain C++, so it is tested without a window.

#include "core/Arkusz.h"
#include "core/Bledy.h"
#include "core/Iso13788.h"
#include "core/Json.h"
#include "core/Lato.h"
#include "core/Model.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace murolab {

// Exit statuses of the command-line mode.
inline constexpr int kKodOk = 0;
inline constexpr int kKodBladSprawdzenia = 1; // a check of the calculate command failed
inline constexpr int kKodBladPliku = 2; // unreadable or invalid file, unwritable output, wrong command line

struct TOpcjeWiersza {
    std::string PlikProjektu; // --oblicz PLIK.pro (the first file; the one being computed)
    bool Json = false;        // --json
    std::string PlikRaportu;  // --raport RAPORT.pdf
    // The moisture check: --oblicz A.pro B.pro ... computes every file in turn; the three choices
    // below beat the ones stored with each project (empty = the stored one).
    std::vector<std::string> PlikiProjektow;
    std::string Klimat;   // --klimat NAZWA|PLIK.csv
    std::string Wnetrze;  // --wnetrze stale|klasa1..klasa4
    std::string WierszWT; // --wiersz-wt ID
    // Not an option: the program's data directory (ula.dat, the installed climates), found by main.
    std::filesystem::path KatalogDanych;
};

// Writes the report of a calculated model as PDF (ti, te decide the verdict and the warmer side;
// `analiza` is the moisture check the command line printed, for the third page); returns an exit
// status. The report needs Qt, so the program passes it in and this library stays plain.
using TZapisRaportu = std::function<int(const TModelProjektu& model, int ti, int te,
                                        const TAnalizaIso13788& analiza, const std::string& pdf)>;

// The options after the program's name; a wrong command line gives its message instead.
// New options (such as a report to write) are added here and to TOpcjeWiersza.
TWynik<TOpcjeWiersza> CzytajOpcje(const std::vector<std::string>& argumenty);

// True when the command line asks for the command-line mode (main decides with it, before any window):
// any of --oblicz, --json, --raport, --help (-h).
bool CzyWierszPolecen(const std::vector<std::string>& argumenty);

// Runs the mode; `argumenty` are the arguments after the program's name, `katalogDanych` the program's
// data directory (the saturation table "ula.dat"). Returns the exit status.
// `zapiszRaport` is called after the results are printed when --raport is given. --help prints the
// usage and ends with 0; results that cannot be written to `out` end with kKodBladPliku.
int UruchomWierszPolecen(const std::vector<std::string>& argumenty,
                         const std::filesystem::path& katalogDanych, std::ostream& out, std::ostream& err,
                         const TZapisRaportu& zapiszRaport = {});

// The two outputs, from a calculated model and its sheet. The JSON carries the project file's
// extension block under "Rozszerzenie" when one is given.
std::string TabelaTekstowa(const TModelProjektu& model, const TArkuszWynikow& arkusz);
std::string ObiektJson(const TModelProjektu& model, const TArkuszWynikow& arkusz,
                       const TWartoscJson* rozszerzenie = nullptr);

// The moisture check and the summer figures after the results sheet: the text sections, and the
// JSON object of the results sheet `klasyczny` (as ObiektJson writes it) with "Plik", "Kondensacja",
// "Roczny", "fRsi", "WT2021" and "Letnie" added after its keys. `lato` is empty when a layer lacks its data.
std::string TekstWilgotnosciowy(const TModelProjektu& model, const TAnalizaIso13788& analiza,
                                const std::optional<TLato>& lato);
std::string DopiszJsonWilgotnosciowy(const std::string& klasyczny, const std::string& plik,
                                     const TAnalizaIso13788& analiza, const std::optional<TLato>& lato);
// The object printed instead of the results for a file that fails with --json: {"Plik","Blad","Kod"}.
std::string ObiektJsonBledu(const std::string& plik, const std::string& blad, int kod);

// Usage text printed with a wrong command line.
std::string SposobUzycia();

} // namespace murolab
