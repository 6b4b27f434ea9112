#pragma once
// Condensation inside the partition, at the design condition and over a year of monthly means, and
// the surface factor fRsi (EN ISO 13788). These results use the standard's own constants: the
// saturation pressure from its formula (no table, no rounding), the vapour permeability of still
// air and the equivalent air thickness s_d = mu * d. The results of the calculation pass
// (Obliczenia.h) are left as they are.
//
// Interfaces are numbered as the partial pressures of the results sheet (TWyniki::CisCzast): 0 = inner
// surface, k = the joint behind layer k, n = outer surface. Pressures in Pa, temperatures in degC, vapour
// rates in kg/(m2 s), amounts in kg/m2.

#include "core/Klimat.h"
#include "core/Model.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace murolab {

inline constexpr double kPrzepuszczalnoscPowietrza = 2e-10; // delta0, kg/(m s Pa)
inline constexpr double kRsiPowierzchni = 0.25;             // Rsi of the surface-factor check, m2 K/W
inline constexpr double kFRsiWymagane = 0.72;               // WT 2021, rooms at 20 degC and 50 %
inline constexpr double kWilgotnoscPowierzchni = 0.8;       // mould limit at the surface

// Saturation pressure over water (t >= 0) or ice (t < 0), Pa, and its inverse (degC).
double CisnienieNasyceniaWzor(double t);
double TemperaturaNasycenia(double cisnienie);

// The partition as the condensation check sees it: layer 1 at the indoor side.
struct TWarstwaDyfuzji {
    double Grubosc = 0; // m
    double Lambda = 0;  // W/(m K)
    double Mi = 0;      // -
};
struct TPrzegrodaDyfuzji {
    std::vector<TWarstwaDyfuzji> Warstwy;
    double Rsi = 0; // the project's surface resistances, m2 K/W
    double Rse = 0;
};
TPrzegrodaDyfuzji PrzegrodaDyfuzji(const TModelProjektu& model);

// One condensation plane at one steady state.
struct TPlaszczyzna {
    int Styk = 0;        // interface number
    double Temp = 0;     // degC
    double Strumien = 0; // g: positive condenses, negative evaporates (a wet plane drying out)
};

// One steady state: the profile at every interface 0..n and the planes, inner side first.
struct TStanDyfuzji {
    std::vector<double> Temp;     // degC
    std::vector<double> SdNarast; // s' counted from the outer surface, m
    std::vector<double> CisNasy;  // saturation pressure, Pa
    std::vector<double> CisCzast; // the vapour-pressure line (lower convex hull), Pa
    std::vector<TPlaszczyzna> Plaszczyzny;
    std::optional<double> Strumien; // the flux through the partition when there is no plane
};

// Boundary air of one steady state.
struct TWarunkiDyfuzji {
    double TempWewn = 0;
    double CisWewn = 0; // pi, Pa
    double TempZewn = 0;
    double CisZewn = 0; // pe, Pa
};

// The steady state for the given air. `mokre` (empty, or one flag per interface 0..n) marks planes
// holding moisture: the line passes through their saturation pressure and they stay planes even
// when they evaporate.
TStanDyfuzji StanDyfuzji(const TPrzegrodaDyfuzji& p, const TWarunkiDyfuzji& w,
                         const std::vector<bool>& mokre = {});

// Indoor air over the year: the working conditions' ti and phi_i every month, or ti with a humidity
// class 1..4 (pi = pe + 1.10 * dp, dp = 270 Pa * class at te <= 0, falling to 0 at te = 20).
struct TWnetrze {
    int Klasa = 0; // 0 = "stale"
};
std::optional<TWnetrze> WnetrzeZTekstu(std::string_view tekst); // "stale", "klasa1".."klasa4"
std::string TekstWnetrza(TWnetrze w);
std::string OpisWnetrza(TWnetrze w); // Polish, for the text output and the sheet

struct TPlaszczyznaMiesiaca {
    int Styk = 0;
    double Strumien = 0; // kg/(m2 s)
    double Ilosc = 0;    // g times the month's length, kg/m2
    double Ma = 0;       // moisture held at the month's end, kg/m2
};

struct TMiesiacRoku {
    int Miesiac = 0; // 1..12
    double TempZewn = 0, WilgotZewn = 0, CisZewn = 0;
    double TempWewn = 0, CisWewn = 0;
    std::optional<double> FRsiMin; // empty when the month is not colder outdoors than indoors
    std::vector<TPlaszczyznaMiesiaca> Plaszczyzny;
};

enum class TWerdyktRoczny { Brak, Wysycha, Narasta };
std::string_view KodWerdyktuRocznego(TWerdyktRoczny w);   // "brak" | "wysycha" | "narasta"
std::string_view TekstWerdyktuRocznego(TWerdyktRoczny w); // "kondensacja wysycha w ciągu roku", ...

struct TRokKondensacji {
    std::optional<int> MiesiacStartu; // 1..12; empty when no month condenses
    TWerdyktRoczny Werdykt = TWerdyktRoczny::Brak;
    double MaMax = 0; // largest total over the planes at a month's end, kg/m2
    std::optional<int> MaMaxMiesiac;
    std::optional<int> MaMaxStyk;                         // the plane holding most in that month
    double MaKoniec = 0;                                  // total after the twelve months
    std::array<TMiesiacRoku, kLiczbaMiesiecy> Miesiace{}; // calendar order
};

int DniMiesiaca(int miesiac);                // 1..12, a common year
std::string_view NazwaMiesiaca(int miesiac); // "styczeń" .. "grudzień"
// The month after "w": "w styczniu" .. "w grudniu".
std::string_view MiesiacMiejscownik(int miesiac);

TRokKondensacji RokKondensacji(const TPrzegrodaDyfuzji& p, const TKlimat& klimat, TWnetrze wnetrze, double ti,
                               double fiWewn);

// The surface factor of the partition and the year's requirement.
struct TFRsi {
    double Przegrody = 0; // 1 - 0.25 / (0.25 + sum R + Rse)
    double Wymagane072 = kFRsiWymagane;
    std::optional<int> MiesiacKrytyczny; // the month with the largest fRsi,min
    std::optional<double> FRsiMax;       // that largest fRsi,min
};

} // namespace murolab
