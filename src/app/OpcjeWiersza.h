#pragma once
// The program's options in one table (name, argument, help line, what it sets): the parser, the
// usage text and main's choice between the window and the command line all follow from it. A new
// option is one row of kOpcje (OpcjeWiersza.cpp) and, when it carries a value, a field here.
// Plain C++: main decides with it before any Qt object exists.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace murolab {

// Exit statuses of the command-line mode.
inline constexpr int kKodOk = 0;
inline constexpr int kKodBladSprawdzenia = 1; // a check of the calculate command failed
inline constexpr int kKodBladPliku = 2; // unreadable or invalid file, unwritable output, wrong command line

struct TOpcjeWiersza {
    bool Json = false;       // --json
    std::string PlikRaportu; // --raport RAPORT.pdf
    // --oblicz A.pro B.pro ...: computed in turn. The three choices below beat the ones stored with
    // each project (empty = the stored one).
    std::vector<std::string> PlikiProjektow;
    std::string Klimat;   // --klimat NAZWA|PLIK.csv
    std::string Wnetrze;  // --wnetrze stale|klasa1..klasa4
    std::string WierszWT; // --wiersz-wt ID
    // The window's: --pauza MS (checked here so that a wrong value never reaches a window).
    std::optional<int> Pauza;
};

// What an option is for. Any option of the command line selects it (so an incomplete command line
// gets its message instead of a window); the window's options are refused beside them.
enum class TRodzajOpcji {
    WierszPolecen, // --oblicz, --json, --raport, ...
    Okno,          // --pauza
    Informacja,    // --help, --version: print and end, whatever else is given
};

struct TOpcja {
    std::string_view Nazwa;    // "--raport"
    std::string_view Skrot;    // "-h"; empty when none
    std::string_view Argument; // shown in the usage ("RAPORT.pdf"); empty for a switch
    // The value that is missing, for "Po --raport brakuje nazwy pliku raportu."
    std::string_view Brak;
    // The help line; a "\n" continues it under the description column.
    std::string_view Pomoc;
    TRodzajOpcji Rodzaj = TRodzajOpcji::WierszPolecen;
    bool Wiele = false; // further values up to the next option (--oblicz A.pro B.pro)
    // Stores the value (a switch gets ""); a refused value gives the message.
    std::optional<std::string> (*Ustaw)(TOpcjeWiersza& opcje, const std::string& wartosc) = nullptr;
};

// Every option, in the order of the usage text.
std::span<const TOpcja> TabelaOpcji();

// The row of an option by its name or short form; nullptr for an unknown one.
const TOpcja* ZnajdzOpcje(std::string_view nazwa);

enum class TRodzajWywolania {
    Okno,          // no option of the command line: the window (with --pauza, a project, Qt's options)
    WierszPolecen, // compute the projects
    Pomoc,         // print the usage, exit 0
    Wersja,        // print the version, exit 0
    Blad,          // print Blad and the usage to stderr, exit 2
};

struct TWywolanie {
    TRodzajWywolania Rodzaj = TRodzajWywolania::Okno;
    TOpcjeWiersza Opcje;
    std::string Blad;
};

// Reads the arguments after the program's name. An unknown option ("--obliczz") or a value that is
// missing, starts with "--" (a value such as "--x" is written "./--x") or is refused gives Blad.
// "--nazwa=WARTOSC" is the same as "--nazwa WARTOSC". Qt's own options of the window ("-platform
// xcb", "-style", ...) are let through to the window.
TWywolanie RozpoznajWywolanie(const std::vector<std::string>& argumenty);

// The usage text, made from the table.
std::string SposobUzycia();

// "murolab 0.1\n": the project's version from its build.
std::string TekstWersji();

} // namespace murolab
