#pragma once
// The summary of a building's partitions on disk: its rows computed from project files (each with
// its own stored choices or the user's overriding ones, as `murolab --oblicz` computes it), the
// summary file `*.zestawienie.json` and the spreadsheet export.
//
// The summary file is one UTF-8 JSON object:
//   {"Format": "murolab-zestawienie", "Wersja": 1,
//    "Budynek": {"Nazwa", "Adres", "Inwestor", "Projektant", "Data"},
//    "Projekty": ["sciana.pro", "dach/dach.pro", ...]}
// with the projects' paths relative to the summary's folder (an absolute path stays absolute
// where no relative one exists). Keys this version does not know are kept and written back.

#include "core/Bledy.h"
#include "core/Json.h"
#include "core/Klimat.h"
#include "core/Model.h"
#include "core/ObliczenieProjektu.h"
#include "core/Zestawienie.h"
#include "files/WyborKlimatu.h"

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace murolab {

inline constexpr std::string_view kFormatZestawienia = "murolab-zestawienie";
inline constexpr int kWersjaZestawienia = 1;
inline constexpr std::string_view kRozszerzenieZestawienia = ".zestawienie.json";
// A summary file larger than this is no summary (a few thousand paths take a few hundred kB).
inline constexpr std::uint64_t kMaksRozmiarZestawienia = 16u << 20;

struct TOpisBudynku {
    std::string Nazwa;
    std::string Adres;
    std::string Inwestor;
    std::string Projektant;
    std::string Data; // as the user writes it; the report prints today's date when empty
};

struct TPlikZestawienia {
    TOpisBudynku Budynek;
    std::vector<std::string> Projekty;              // as stored: relative to the summary's folder
    TWartoscJson Nieznane = TWartoscJson::Obiekt(); // unknown keys, written back as read
};

// The file's text, or the refusal (naming the line of a JSON error, or the key of the wrong type).
TWynik<TPlikZestawienia> DekodujZestawienie(std::string_view tekst);
std::string KodujZestawienie(const TPlikZestawienia& zestawienie);
// The same from and to disk; the messages name the file. Written through the atomic writer.
TWynik<TPlikZestawienia> WczytajZestawienie(const std::string& sciezka);
TBlad ZapiszZestawienie(const std::string& sciezka, const TPlikZestawienia& zestawienie);

// A project path as the summary `plikZestawienia` stores it, and back: a stored path is resolved
// against the summary's folder (an absolute one is kept).
std::string SciezkaWZestawieniu(const std::string& projekt, const std::string& plikZestawienia);
std::string SciezkaProjektu(const std::string& zapisana, const std::string& plikZestawienia);

// The spreadsheet (CsvZestawienia) written through the atomic writer.
TBlad ZapiszCsvZestawienia(const std::string& sciezka, const std::vector<TWierszZestawienia>& wiersze);

// Computes rows one project at a time with one saturation table and the user's overriding choices;
// each climate is read once for all the rows that use it. A saturation table that is not sound (never
// loaded, damaged) computes nothing: every row fails with its fault.
class TObliczanieZestawienia {
public:
    TObliczanieZestawienia(const TTablicaNasycenia& tablica, std::filesystem::path katalogDanych,
                           TNadpisaniaIso13788 nadpisania = {});

    // The row of the project file `sciezka`, shown under the name `plik` (the path as the user gave
    // it or as the summary stores it). Never throws for what a file holds.
    TWierszZestawienia Wiersz(const std::string& sciezka, const std::string& plik);
    TWierszZestawienia Wiersz(const std::string& sciezka) { return Wiersz(sciezka, sciezka); }
    // The row of a model in memory (the window's open project as it stands), shown as `plik`.
    TWierszZestawienia Wiersz(TModelProjektu model, const std::string& plik, const std::string& przegroda);

private:
    TTablicaNasycenia tablica_;
    TNadpisaniaIso13788 nadpisania_;
    TKlimaty klimaty_;  // each climate read once, found as the command line finds it
    TBlad bladTablicy_; // the saturation table's fault: every row fails with it
};

// The row's name: the description's object when it has one, else the file's name.
std::string NazwaPrzegrody(const TModelProjektu& model, bool maOpis, const std::string& plik);

} // namespace murolab
