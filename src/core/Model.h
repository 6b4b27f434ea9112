#pragma once
// The project model: the one partition the program works on. One instance lives for the whole
// run, owned by the main window and handed to every form; the calculation reads and writes it.

#include "core/Json.h"
#include "core/Klimat.h"
#include "core/KrotkiTekst.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace murolab {

inline constexpr int kLiczbaSlotow = 15;          // layer slots of the model and of the project file
inline constexpr int kLimitWarstw = 10;           // the editing commands never grow the grid past this
inline constexpr int kWpisyTablicyNasycenia = 55; // -24 .. +30 degC, one entry per whole degree
inline constexpr int kTempNieustalonaZewn = -50;  // "not set" markers of the working conditions
inline constexpr int kTempNieustalonaWewn = 50;

// A fixed array indexed Od..Do inclusive (the layers are numbered from 1, planes and points from 0).
// Every access is checked: an index outside the range throws instead of reading a neighbour.
template <typename T, int Od, int Do> class TTablica {
public:
    static constexpr int Pierwszy = Od;
    static constexpr int Ostatni = Do;
    static constexpr int Rozmiar = Do - Od + 1;

    T& operator[](int i) { return dane_[Indeks(i)]; }
    const T& operator[](int i) const { return dane_[Indeks(i)]; }
    void Wyzeruj() { dane_.fill(T{}); }
    auto begin() { return dane_.begin(); }
    auto end() { return dane_.end(); }
    auto begin() const { return dane_.begin(); }
    auto end() const { return dane_.end(); }

private:
    static std::size_t Indeks(int i) {
        if (i < Od || i > Do)
            throw std::out_of_range("Indeks " + std::to_string(i) + " poza zakresem " + std::to_string(Od) +
                                    ".." + std::to_string(Do));
        return static_cast<std::size_t>(i - Od);
    }
    std::array<T, Rozmiar> dane_{};
};

inline constexpr int kMaksMostkow = 2; // bridging materials of one layer

// A material that bridges a layer (studs, rafters, battens, mortar joints): it takes `Udzial` of
// the layer's area and the layer's own material takes the rest.
struct TMaterialMostka {
    std::string Nazwa;             // UTF-8
    double Lambda = 0;             // W/(m K)
    double Mi = 0;                 // -
    std::optional<double> Gestosc; // kg/m3
    std::optional<double> Cieplo;  // kJ/(kg K)
    double Udzial = 0;             // area fraction, 0 < Udzial, the layer's sum < 1
};

// How the air of an air layer moves, by the area of its openings Av: up to 500 mm2 (per m of
// length for a vertical layer, per m2 of area for a horizontal one), up to 1500 mm2, or more.
enum class TWentylacja { Brak, Slaba, Dobra };
enum class TKierunekStrumienia { Poziomy, WGore, WDol }; // of the heat flow through the layer

struct TPowietrze {
    TWentylacja Wentylacja = TWentylacja::Brak;
    double Av = 0;                              // mm2; it only matters for a slightly ventilated layer
    std::array<double, 2> Emisyjnosc{0.9, 0.9}; // of the two faces
    TKierunekStrumienia Kierunek = TKierunekStrumienia::Poziomy;
};

struct TWarstwa {
    TKrotkiTekst<40> Nazwa;
    double Grubosc = 0; // d, m
    double Lambda = 0;  // W/(m K)
    double Mi = 0;      // water-vapour diffusion resistance factor
    // For the summer figures: density (kg/m3) and specific heat (kJ/(kg K), as the catalogue keeps
    // it); empty when unknown. Not part of the 1296-byte record: stored in the file's extension block.
    std::optional<double> Gestosc;
    std::optional<double> Cieplo;
    // A bridged layer: the record's material above is its main material, these bridge it (at most
    // kMaksMostkow). Not part of the record either.
    std::vector<TMaterialMostka> Mostki;
    // 1-based number of an earlier bridged layer whose members this layer's members lie on (the
    // same fractions): their sections coincide. 0 = positions independent of every other layer.
    int WOsi = 0;
    // An air layer: the record holds its thickness and the equivalent lambda d / Ra, and mu = 1.
    std::optional<TPowietrze> Powietrze;
};

// The mechanical-fastener correction in its 2017 form: the insulation layer the fasteners cross
// (1-based) and, for a recessed fastener, the length d1 it reaches into that layer (m). Absent =
// the older form with the record's alpha.
struct TLacznik2017 {
    int Warstwa = 0;
    std::optional<double> D1;
    bool operator==(const TLacznik2017&) const = default;
};

struct TWarunkiPracy {
    std::int32_t TempZewn = 0;   // te, degC; -50 = not set
    std::int32_t TempWew = 0;    // ti, degC; 50 = not set
    std::int32_t WilgotZewn = 0; // phi_e, %
    std::int32_t WilgotWewn = 0; // phi_i, %
    double Rsi = 0;              // m2 K/W
    double Rse = 0;
    TKrotkiTekst<40> TypPrzegrody;
    TKrotkiTekst<40> StrefaKl;
    TKrotkiTekst<40> WarunkiWilg;
    // Corrections to the heat-transfer coefficient.
    std::int32_t NrNieszczelnosci = 0;       // 1-based layer with air voids; 0 = no air-void correction
    double DeltaU = 0;                       // W/(m2 K)
    double LambdaF = 0;                      // fastener conductivity, W/(m K); 0 = no fastener correction
    std::int32_t Alfa = 0;                   // 1/m
    std::int32_t LiczbaF = 0;                // fasteners per m2
    double PoleF = 0;                        // m2
    double DeltaUk = 0;                      // linear thermal bridges: 0, 0.05 or 0.15
    double MostekWlasny = 0;                 // the user's own addition
    std::optional<TLacznik2017> Lacznik2017; // not in the record: the file's extension block

    // The reset values of the command New: temperatures at their "not set" markers, the rest empty.
    void Resetuj();
    // False while either temperature holds its "not set" marker: the conditions were never entered.
    bool Ustalone() const { return TempZewn != kTempNieustalonaZewn && TempWew != kTempNieustalonaWewn; }
};

// Choices of the condensation check over the year, stored in the file's extension block.
struct TUstawieniaIso13788 {
    std::string Klimat;            // a climate file's name without ".csv", or a path; empty = no climate
    std::string Wnetrze = "stale"; // "stale" (ti and phi_i of the working conditions) or "klasa1".."klasa4"
    std::string WierszWT;          // row of the WT 2021 table of maximum U; empty = from the partition type
    // The months of an own climate (one not shipped with the program: from the user's folder or a
    // path), stored with the project so that it gives the same year on every machine; empty for a
    // shipped climate or none. files/PlikKlimatu.h, KlimatProjektu, decides which one is used.
    std::optional<TKlimat> KlimatZapisany;
};

struct TDaneProjektu {
    TKrotkiTekst<40> Obiekt;
    TKrotkiTekst<60> Adres;
    TKrotkiTekst<40> Inwestor;
    TKrotkiTekst<40> Projektant;
    TKrotkiTekst<10> Data;
};

// Where a layer goes when the grid's rows move, as a new 1-based layer number for an old one (0: the
// layer is gone). Rows are 0-based, as the grid counts them.
// A row dragged from `skad` to `dokad`: it takes its number along, those it passed move by one.
int NumerPoPrzeciagnieciu(int numer, int skad, int dokad);
// The row deleted: the layers behind it move up.
int NumerPoUsunieciu(int numer, int wiersz);
// A row made free at `wiersz` in a grid of `liczba` rows (the last row already added): the layers
// from there move down, and the layer of the last row, when the grid was full, is overwritten.
int NumerPoWstawieniu(int numer, int liczba, int wiersz);
// The layer of a row replaced by another one.
int NumerPoZamianie(int numer, int wiersz);

// Keeps the air-void correction on its layer when the layers move: its layer number follows the
// layer; a layer that is gone takes the correction with it (number and level cleared). Returns the
// number the correction had when it changed, nothing when it stayed as it was.
std::optional<int> PrzeniesPoprawke(TWarunkiPracy& warunki, int nowyNumer);
// The same for the 2017 fastener entry: its layer number follows the layer, and a layer that is gone
// takes the whole fastener correction with it (lambda_f, alpha, n_f, A_f and the entry), since the
// fasteners were described for that layer and the older form must not take over unasked. Returns
// the number the entry had when it changed.
std::optional<int> PrzeniesLacznik(TWarunkiPracy& warunki, int nowyNumer);

using TTablicaNasycenia = std::array<double, kWpisyTablicyNasycenia>; // hPa, entry 0 = -24 degC

// Results of the last calculation. Layers k = 1..n, planes i = 0..n (0 = inner surface),
// points j = 0..n+2 (0 = indoor air, i+1 = plane i, n+2 = outdoor air). Pressures in Pa.
struct TWyniki {
    TTablica<double, 1, kLiczbaSlotow> R;
    double SumaR = 0;
    TTablica<double, 0, kLiczbaSlotow> NarastR;
    double U0 = 0;
    TTablica<double, 0, kLiczbaSlotow + 2> Temp;
    double SumaGrubosc = 0;
    TTablica<double, 1, kLiczbaSlotow> NarastGrubosc;
    TTablica<double, 1, kLiczbaSlotow> Delta;
    double SumaDelta = 0;
    TTablica<double, 1, kLiczbaSlotow> NarastDelta;
    double CisCzastWewn = 0;
    double CisCzastZewn = 0;
    double P = 0;
    TTablica<double, 0, kLiczbaSlotow> CisCzast;
    TTablica<double, 0, kLiczbaSlotow + 2> CisNasy;
    double I = 0;
    double Ts = 0;

    void Wyzeruj() { *this = TWyniki{}; }
};

struct TModelProjektu {
    TTablica<TWarstwa, 1, kLiczbaSlotow> Warstwy;
    std::int32_t LiczbaWarstw = 0;
    TWarunkiPracy WarunkiPracy;
    TDaneProjektu DaneProjektu;
    TTablicaNasycenia TablicaNasycenia{};
    TWyniki Wyniki;
    TUstawieniaIso13788 Iso13788;
    // What the project file's extension block held that this version does not know: its unknown
    // keys, and under "Opis" and "ISO13788" the unknown members of those. Written back as read, so
    // that a newer program's data survive a save by this one. An object.
    TWartoscJson RozszerzenieNieznane = TWartoscJson::Obiekt();
    // Set by every edit of the stored part (grid, working conditions after "&Wprowadź", corrections,
    // description, the yearly-check choices); cleared by New, Open and a successful Save.
    bool Zmieniony = false;

    // The model reset of the command New: layers, working conditions, the description and the
    // yearly-check choices; the saturation table and the results stay. A new project starts with no
    // investor, object or address of the one before, which would otherwise print on its report.
    void Resetuj();
};

// Keeps what the grid does not show with its layer when the layers move: the bridging materials,
// the "w osi" link and the air layer go to the layer's new number (a layer that is gone takes them
// along), a "w osi" link follows the layer it names (dropped with it), and the 2017 fastener entry
// moves as PrzeniesLacznik says.
void PrzeniesDaneNiejednorodne(TModelProjektu& model, const std::function<int(int)>& nowyNumer);

} // namespace murolab
