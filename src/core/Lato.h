#pragma once
// The partition's response to a 24-hour temperature cycle (EN ISO 13786): periodic thermal
// transmittance, decrement factor, time shift, areal heat capacities and internal admittance.

#include "core/Model.h"

#include <optional>
#include <string>
#include <vector>

namespace murolab {

inline constexpr double kOkresDoby = 86400; // s

struct TWarstwaLato {
    double Grubosc = 0; // m
    double Lambda = 0;  // W/(m K)
    double Gestosc = 0; // kg/m3
    double Cieplo = 0;  // kJ/(kg K); 0 (or no density) = a layer without mass
};

struct TLato {
    double U = 0;          // W/(m2 K), layers with Rsi and Rse
    double Y12 = 0;        // |Y12|, W/(m2 K)
    double Tlumienie = 0;  // decrement factor |Y12| / U
    double Opoznienie = 0; // h, in [0, 24)
    double Kappa1 = 0;     // internal areal heat capacity, kJ/(m2 K)
    double Kappa2 = 0;     // external
    double Y11 = 0;        // |Y11|, W/(m2 K)
};

// Layers from the inner side. Rsi and Rse of 0 leave the surfaces out.
TLato ObliczLato(const std::vector<TWarstwaLato>& warstwy, double rsi, double rse, double okres = kOkresDoby);

// From the model's layers 1..LiczbaWarstw; empty when a layer lacks its density or heat capacity.
std::optional<TLato> LatoPrzegrody(const TModelProjektu& model);
// One sentence of reading aid, e.g. "tłumienie 6,6-krotne, opóźnienie 8,2 h".
std::string OpisLata(const TLato& lato);
// Numbers (1-based) of the layers that lack a density or a heat capacity.
std::vector<int> WarstwyBezDanychLata(const TModelProjektu& model);

} // namespace murolab
