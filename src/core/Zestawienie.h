#pragma once
// The summary of a building's partitions: one row per project with the figures a designer lists in
// the thermal part of a building design (Uk against the WT 2021 limit, the surface factor against
// its requirement, the surface and the yearly condensation, the summer figures, the overall WT 2021
// verdict), and the texts of those rows for the command line, the spreadsheet and the report. The
// rows are computed by files/Zestawienie.h; nothing here reads a file.

#include "core/AnalizaProjektu.h"
#include "core/Iso13788.h"
#include "core/Json.h"
#include "core/Lato.h"
#include "core/Model.h"
#include "core/Obliczenia.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace murolab {

// Why a row holds no figures; the order is that of the command line's exit statuses (worst last).
enum class TStanWiersza {
    Obliczony,
    BladObliczen, // a check of the calculate command failed, or a result was not finite (status 1)
    BladPliku,    // the project or its climate could not be read or was refused (status 2)
    BrakPliku,    // no file at the path (status 2)
};
int KodWyjsciaWiersza(TStanWiersza stan); // 0, 1 or 2

// The overall WT 2021 verdict: "nie oceniono" only when nothing checked fails and the year was not
// checked (no climate).
enum class TOcenaWT2021 { Spelnia, NieSpelnia, NieOceniono };

struct TWierszZestawienia {
    std::string Plik;      // the project's path as given (in a summary file: as stored there)
    std::string Przegroda; // the description's object, else the file's name
    TStanWiersza Stan = TStanWiersza::Obliczony;
    std::string Blad;                     // the reason when not computed
    std::vector<std::string> Ostrzezenia; // "Ostrzeżenie: ..." lines of a computed project
    bool Niezapisany = false;             // the window's open project, with changes not saved

    std::string RodzajPrzegrody; // the working conditions' partition type
    std::string WierszWT;        // the WT 2021 row's id
    double Uk = 0;               // W/(m2 K)
    std::optional<double> UMax;  // empty when the row sets no limit at this ti
    bool SpelniaU = false;
    double FRsi = 0;                     // of the partition
    double FRsiWymagane = kFRsiWymagane; // max(0.72, the year's largest fRsi,min)
    std::optional<int> MiesiacFRsi;      // the month that sets it above 0.72
    bool SpelniaFRsi = false;
    TRodzajWerdyktu KondensacjaPowierzchniowa = TRodzajWerdyktu::BrakKondensacji;
    std::optional<TWerdyktRoczny> Bilans; // empty without a climate
    std::optional<double> MaMax;          // kg/m2, with the year
    std::optional<double> Opoznienie;     // h, where every layer has its density and heat
    std::optional<double> Tlumienie;      // decrement factor, likewise
    std::optional<bool> SpelniaWT;        // as the analysis gives it (empty without the year)
    TOcenaWT2021 WT2021 = TOcenaWT2021::NieOceniono;
    // A partition with bridged or air layers: its U comes from the combined method's limits. Where
    // the method does not apply, U is for information only and WT 2021 is "nie oceniono".
    struct TMetodaU {
        double RTGorna = 0; // R'T, m2 K/W
        double RTDolna = 0; // R''T
        double RT = 0;
        double Blad = 0; // e, a fraction
        bool Stosowalna = true;
        std::string Komunikat; // why it does not apply; empty when it does
    };
    std::optional<TMetodaU> Niejednorodna;

    bool Obliczony() const { return Stan == TStanWiersza::Obliczony; }
};

// The row of a calculated model (ObliczPrzegrode done) and its moisture check; `plik` and
// `przegroda` name it.
TWierszZestawienia WierszZestawienia(const std::string& plik, const std::string& przegroda,
                                     const TModelProjektu& model, const TAnalizaIso13788& analiza,
                                     const std::optional<TLato>& lato);
// The same from the whole analysis: a partition with bridged or air layers takes the worst
// section's surface verdict and says where its U comes from.
TWierszZestawienia WierszZestawienia(const std::string& plik, const std::string& przegroda,
                                     const TModelProjektu& model, const TAnalizaProjektu& analiza);
// The row of a project that gave no figures.
TWierszZestawienia WierszNieobliczony(const std::string& plik, const std::string& przegroda,
                                      TStanWiersza stan, std::string blad);

// The worst exit status of the rows: 0 all computed, 1 one failed to compute, 2 a file was unreadable.
int KodWyjsciaZestawienia(const std::vector<TWierszZestawienia>& wiersze);

// The columns shown on screen, on paper and on the command line, in this order.
enum class TKolumnaZestawienia {
    Przegroda,
    Rodzaj,
    Uk,
    UMax,
    FRsi,
    FRsiWymagane,
    KondensacjaPowierzchniowa,
    Bilans,
    MaMax,
    Opoznienie,
    Tlumienie,
    WT2021,
};
inline constexpr int kLiczbaKolumnZestawienia = 12;
std::string_view NaglowekKolumny(TKolumnaZestawienia k); // with its unit, Polish
// The cell as shown (the program's Polish notations); empty for a row that was not computed.
std::string KomorkaZestawienia(const TWierszZestawienia& w, TKolumnaZestawienia k);
// Whether the cell holds a verdict and which: nothing for a neutral cell, true for one that
// passes, false for one that fails (shown in red).
std::optional<bool> OcenaKomorki(const TWierszZestawienia& w, TKolumnaZestawienia k);
// The number the column sorts by, or nothing for a text column or an empty cell.
std::optional<double> LiczbaKomorki(const TWierszZestawienia& w, TKolumnaZestawienia k);

std::string_view TekstKondensacjiPowierzchniowej(TRodzajWerdyktu w);   // "nie występuje", ...
std::string_view TekstBilansu(const std::optional<TWerdyktRoczny>& w); // "brak", ..., "nie sprawdzono"
std::string_view TekstOcenyWT2021(TOcenaWT2021 o);                     // "spełnia", ...
std::string_view TekstStanu(TStanWiersza s);                           // "obliczony", "brak pliku", ...

// The legend printed under the table in the report (the marks after Uk are explained only where used).
std::vector<std::string> LegendaZestawienia();

// The marks after Uk: the combined method (bridged or air layers), and the same where it does not
// apply; a note says what each means.
inline constexpr std::string_view kZnakMetodyU = "¹";
inline constexpr std::string_view kZnakNiestosowalnej = "²";
inline constexpr std::string_view kNiestosowalna = "metoda uproszczona nie ma zastosowania";
std::string_view ObjasnienieZnakuMetodyU();        // "¹ U metodą uproszczoną PN-EN ISO 6946 ..."
std::string_view ObjasnienieZnakuNiestosowalnej(); // "² metoda uproszczona nie ma zastosowania ..."
// One line per row whose U the combined method cannot give, for under the table (in red):
// "Poz. 2, Dach: metoda uproszczona nie ma zastosowania – R'T/R''T = 1,62 > 1,5 ...".
std::vector<std::string> UwagiNiestosowalnych(const std::vector<TWierszZestawienia>& wiersze);

// The text table of the command line: the rows, then one line for every row without figures.
std::string TekstZestawienia(const std::vector<TWierszZestawienia>& wiersze);

// The spreadsheet: UTF-8 with a byte-order mark, ";" between fields, a decimal comma, CRLF line
// ends, one heading line (kNaglowekCsv and the columns after it), values not computed left empty.
inline constexpr std::string_view kNaglowekCsv =
    "Plik;Przegroda;Rodzaj przegrody;Uk [W/(m2K)];Umax [W/(m2K)];fRsi;fRsi wymagane;"
    "Kondensacja powierzchniowa;Bilans roczny;Ma,max [g/m2];Przesunięcie fazy [h];WT 2021";
std::string CsvZestawienia(const std::vector<TWierszZestawienia>& wiersze);

// One row as a JSON object for scripts: SI units and the analysis's own values, as
// `--oblicz ... --json` gives them.
TWartoscJson JsonWiersza(const TWierszZestawienia& w);

} // namespace murolab
