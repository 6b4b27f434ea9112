#pragma once
// What the diffusion diagram and the temperature profile show, as plain numbers: the points of
// every series, the grey boundary lines and the axis ranges, computed from the results of the last
// calculation and from which side is warmer. The chart widgets only copy these into Qt Charts.

#include "core/Kondensacja.h"
#include "core/Model.h"

#include <string>
#include <vector>

namespace murolab {

struct TPunkt {
    double X = 0;
    double Y = 0;
    friend bool operator==(const TPunkt&, const TPunkt&) = default;
};

// A vertical boundary line at one plane of the partition, from Dol up to Gora.
struct TLinia {
    TPunkt Dol;
    TPunkt Gora;
};

struct TZakres {
    double Min = 0;
    double Max = 0;
};

// The charts keep at least this many boundary-line series: the inner surface and up to 10 joints.
// A loaded project with more layers gets one more per joint.
inline constexpr int kMinLiniiGranic = 11;

// Temperature axes before the first drawing: on the sheet and in the report.
inline constexpr TZakres kZakresTemperaturEkranu{-31, 26};
inline constexpr TZakres kZakresTemperaturRaportu{-25, 25};

struct TDaneWykresuCisnien {
    std::vector<TPunkt> CisCzast;    // partial pressure in planes 0..n (Series1)
    std::vector<TPunkt> CisNasy;     // saturation pressure from indoor to outdoor air (Series2)
    std::vector<TLinia> LinieGranic; // inner surface and every joint, from 0 up to Gora
    double Gora = 0;                 // saturation pressure of the warmer air + 50
    TZakres OsX;                     // automatic: spans every point
    TZakres OsY;
};

struct TDaneWykresuTemperatur {
    std::vector<TPunkt> Temperatura; // indoor air, planes 0..n, outdoor air (Series3)
    std::vector<TPunkt> PunktRosy;   // (0, Ts) when the indoor side is warmer, else nothing (Series4)
    std::vector<TLinia> LinieGranic; // spanning exactly the temperature axis
    TZakres OsX;                     // automatic: spans every point
    TZakres OsY;                     // fixed: the colder temperature - 3 to the warmer + 3
};

// cieplejWewnatrz: ti > te as the working-conditions sheet's fields show them at drawing time; the
// values drawn come from the model. Points are in ascending order of x.
TDaneWykresuCisnien DaneWykresuCisnien(const TModelProjektu& model, bool cieplejWewnatrz);
TDaneWykresuTemperatur DaneWykresuTemperatur(const TModelProjektu& model, bool cieplejWewnatrz);

// The vapour-pressure line of the design condition when vapour condenses inside the partition:
// the line through the condensation planes (interfaces 0..n at their places across the partition)
// and the planes themselves. Both empty when there is no plane: the chart then stays as it was.
struct TDaneKondensacji {
    std::vector<TPunkt> Linia;
    std::vector<TPunkt> Plaszczyzny;
};
TDaneKondensacji DaneLiniiKondensacji(const TModelProjektu& model, const TStanDyfuzji& stan);

// Number of boundary-line series a chart holds for n layers.
int LiczbaLiniiGranic(int liczbaWarstw);

// A tick step of 1, 2 or 5 times a power of ten that cuts the span into about `podzialek` parts.
double KrokPodzialki(double rozpietosc, int podzialek);
// Decimals needed to write every multiple of the step exactly (0.05 -> 2, 500 -> 0).
int MiejscPoPrzecinku(double krok);

// The value marks' pattern "##0.#": at most `miejsc` decimals, trailing zeros dropped, decimal
// comma ("18,9", "20", "-4,6").
std::string WartoscZnacznika(double wartosc, int miejsc);
// The dew point's mark: "9,3°C-pkt rosy".
std::string OpisPunktuRosy(double ts, int miejsc);

} // namespace murolab
