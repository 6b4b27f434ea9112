#pragma once
// Partitions that are not plane homogeneous layers (PN-EN ISO 6946:2017): layers bridged by studs,
// rafters or mortar joints (the combined method of an upper and a lower limit), air layers, and the
// 2017 form of the mechanical-fastener correction. Resistances in m2 K/W, thicknesses in m.

#include "core/Bledy.h"
#include "core/Model.h"

#include <string>
#include <vector>

namespace murolab {

inline constexpr double kStalaStefanaBoltzmanna = 5.67e-8; // W/(m2 K4)
inline constexpr double kTmPowietrza = 10;            // degC: the mean temperature of the standard's table
inline constexpr double kMaksGruboscPowietrza = 0.3;  // m: thicker air spaces are rooms, not layers
inline constexpr double kAvNiewentylowana = 500;      // mm2: up to this, still air
inline constexpr double kAvWentylowana = 1500;        // mm2: above this, outdoor air
inline constexpr double kGranicaStosunkuGranic = 1.5; // R'T / R''T above this: not applicable
inline constexpr double kLambdaMetalu = 10;           // W/(m K): a bridge this good needs a 2-D model
inline constexpr double kEmisyjnoscDomyslna = 0.9;
// Air at about 10 degC, what an air layer holds for the summer figures: its mass barely counts, but a
// layer without a density would keep the whole section from being computed.
inline constexpr double kGestoscPowietrza = 1.23; // kg/m3
inline constexpr double kCieploPowietrza = 1.008; // kJ/(kg K)
inline constexpr int kMaksPrzekrojow = 1024;      // every one of 10 layers bridged by one material

// hr0 = 4 sigma Tm^3 (Tm in degC): 5,1 W/(m2 K) at 10 degC.
double Hr0(double tm = kTmPowietrza);
// E = 1 / (1/e1 + 1/e2 - 1), the exchange factor between the two faces.
double WspolczynnikWymiany(double e1, double e2);
// ha by the direction of heat flow (horizontal 1,25; upward 1,95; downward 0,12 d^-0,44 W/(m2 K)),
// or 0,025/d when that is larger.
double Ha(TKierunekStrumienia kierunek, double d);
// Ra = 1 / (ha + E hr0) of an unventilated layer d thick; 0 for d <= 0.
double OporPowietrza(double d, const TPowietrze& p);
// The direction of heat flow that the partition's Rsi stands for: 0,10 upward, 0,17 downward,
// anything else horizontal. (The partition type's text can be cut to 40 characters; its Rsi cannot.)
TKierunekStrumienia KierunekDlaRsi(double rsi);

// A layer's own resistance: Ra of an air layer (unventilated), d / lambda of its main material otherwise.
double OporWarstwy(const TWarstwa& w);
// An air layer's record values: lambda = d / Ra, mu = 1 (so a reader of the record alone still gets
// a sensible U). Other layers are left alone.
void UzgodnijWarstwePowietrza(TWarstwa& w);

// Whether a layer in use is bridged or is an air layer: only then the combined method decides U0.
bool CzyNiejednorodna(const TModelProjektu& model);

// The first fault of the bridging, the air layers and the 2017 fastener entry of the layers in use,
// as a Polish sentence naming the layer; nothing when they can be computed. The record's own values
// (d, lambda, mu) are checked elsewhere.
TBlad SprawdzNiejednorodnosc(const TModelProjektu& model);

// One section: a path through the partition that meets one material in every bridged layer.
struct TPrzekroj {
    double Udzial = 0;          // its share of the area
    std::vector<int> Materialy; // per layer in use (index k - 1): 0 the main material, i Mostki[i - 1]
    double RT = 0;              // Rsi + its layers + Rse
    std::string Nazwa;          // "przez krokiew 15 %"
};

struct TMetodaLaczona {
    double RTGorna = 0; // R'T
    double RTDolna = 0; // R''T
    double RT = 0;      // (R'T + R''T) / 2
    double Blad = 0;    // e = (R'T - R''T) / (2 RT), a fraction
    double RTh = 0;     // the total with every bridged layer taken as its main material
    bool Stosowalna = true;
    std::string Komunikat;            // why not applicable; empty when it is
    std::vector<TPrzekroj> Przekroje; // one per combination of the materials; shares sum to 1
};

// The combined method for the layers in use (a homogeneous partition gives one section and
// R'T = R''T = RTh). A well-ventilated air layer leaves itself and everything outside it out and Rse
// takes the value of Rsi; a slightly ventilated one mixes the totals with it unventilated and well
// ventilated by its Av. The model must pass SprawdzNiejednorodnosc.
TMetodaLaczona MetodaLaczona(const TModelProjektu& model);
const TPrzekroj& NajwiekszyPrzekroj(const TMetodaLaczona& metoda); // the first of the largest share

// "metoda uproszczona PN-EN ISO 6946 nie ma zastosowania: R'T/R''T = 1,62 > 1,5; potrzebne
// obliczenie numeryczne wg PN-EN ISO 10211", and its counterpart for a metal bridge.
std::string KomunikatStosunkuGranic(double stosunek);
std::string KomunikatMostkaMetalowego(const std::string& nazwa, int warstwa, double lambda);

// The layers a section of the model consists of, as a one-dimensional partition of homogeneous
// layers: each bridged layer takes that section's material (name, lambda, mu, density, heat), an air
// layer becomes a layer of lambda d / Ra and mu 1 (a slightly ventilated one as unventilated: the
// vapour keeps the resistance of the layers outside it), and a well-ventilated one ends the
// partition with Rse = Rsi. The calculation pass and the moisture checks run on it as on any project.
TModelProjektu ModelPrzekroju(const TModelProjektu& model, const TPrzekroj& przekroj);

// The 2017 fastener correction: alpha lambda_f A_f n_f / d1 (R1 / RT,h)^2, alpha = 0,8 for a
// fastener through the whole layer (d1 = d0) and 0,8 d1/d0 for a recessed one; 0 without fasteners or
// with a layer number outside the partition.
double DeltaUf2017(const TModelProjektu& model);

// The area fraction of members `szerokosc` wide every `rozstaw` (8 cm every 90 cm: 0,0889).
double UdzialZRozstawu(double szerokosc, double rozstaw);

// The lines that describe the method's result for the results and the report: each bridged and air
// layer, then the limits; the message of a method that does not apply is red.
struct TLiniaOpisu {
    std::string Tekst; // UTF-8
    bool Czerwona = false;
};
std::vector<TLiniaOpisu> OpisNiejednorodnej(const TModelProjektu& model, const TMetodaLaczona& metoda);

// Which form of the fastener correction the project uses, for the corrections and the results:
// empty without fasteners.
std::string OpisFormyLacznika(const TModelProjektu& model);

} // namespace murolab
