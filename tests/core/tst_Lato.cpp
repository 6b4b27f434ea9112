// The 24-hour periodic figures against closed forms of a single layer and one wall worked out by hand
// with the layer matrices (complex arithmetic on paper and calculator).
#include "core/Lato.h"
#include "core/Przygotowanie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace murolab;
using namespace murolab::test;

namespace {

// Penetration depth of a layer for the 24-hour period, m.
double Glebokosc(double lambda, double rho, double c) {
    return std::sqrt(lambda * kOkresDoby / (std::numbers::pi * rho * c * 1000));
}

TEST(Lato, JednaWarstwaGruboscRownaGlebokosci) {
    const double d = Glebokosc(1, 1000, 1);
    const TLato l = ObliczLato({{d, 1, 1000, 1}}, 0, 0);
    EXPECT_NEAR(l.Y12, 5.8999, 1e-4);
    EXPECT_NEAR(l.Opoznienie, 1.263, 1e-3);
    EXPECT_NEAR(l.Kappa1, l.Kappa2, 1e-12) << "a symmetric layer";
}

TEST(Lato, PrzypadkiGraniczne) {
    struct Wiersz {
        const char* nazwa;
        double d;     // thickness in penetration depths
        double kappa; // expected areal heat capacity in rho * c * delta
    };
    // Thin: kappa = rho c d / 2; thick: kappa = rho c delta / sqrt(2).
    for (const Wiersz& w : {Wiersz{"cienka", 0.005, 0.0025}, Wiersz{"gruba", 12, 1 / std::numbers::sqrt2}}) {
        SCOPED_TRACE(w.nazwa);
        const double delta = Glebokosc(1.5, 1800, 0.9);
        const TLato l = ObliczLato({{w.d * delta, 1.5, 1800, 0.9}}, 0, 0);
        const double oczekiwane = 1800 * 0.9 * delta * w.kappa; // kJ/(m2 K)
        EXPECT_NEAR(l.Kappa1, oczekiwane, oczekiwane * 2e-3);
        EXPECT_NEAR(l.Kappa2, oczekiwane, oczekiwane * 2e-3);
    }
}

TEST(Lato, WarstwaBezMasyNieTlumiINieOpoznia) {
    for (const double cieplo : {0.0, 1.0}) {
        const double gestosc = cieplo > 0 ? 0.0 : 30.0; // no heat capacity, or no density
        const TLato l = ObliczLato({{0.1, 0.04, gestosc, cieplo}}, 0.13, 0.04);
        EXPECT_NEAR(l.U, 1 / 2.67, 1e-12);
        EXPECT_NEAR(l.Tlumienie, 1, 1e-12);
        EXPECT_EQ(l.Opoznienie, 0);
        EXPECT_NEAR(l.Kappa1, 0, 1e-12);
        EXPECT_NEAR(l.Kappa2, 0, 1e-12);
    }
}

TEST(Lato, OdwrocenieWarstwZachowujeY12IZamieniaKappy) {
    const std::vector<TWarstwaLato> warstwy{
        {0.015, 0.82, 1850, 0.84}, {0.25, 0.77, 1800, 0.88}, {0.12, 0.04, 20, 1.45}};
    const std::vector<TWarstwaLato> odwrotnie(warstwy.rbegin(), warstwy.rend());
    const TLato a = ObliczLato(warstwy, 0.1, 0.1);
    const TLato b = ObliczLato(odwrotnie, 0.1, 0.1);
    EXPECT_NEAR(a.Y12, b.Y12, 1e-12);
    EXPECT_NEAR(a.Opoznienie, b.Opoznienie, 1e-9);
    EXPECT_NEAR(a.Kappa1, b.Kappa2, 1e-9);
    EXPECT_NEAR(a.Kappa2, b.Kappa1, 1e-9);
    EXPECT_GT(std::abs(a.Kappa1 - a.Kappa2), 1) << "the wall is not symmetric, so the swap is seen";
}

TEST(Lato, BetonZeStyropianem) {
    // 20 cm concrete inside (lambda 2.0, rho 2400, c 1.0), 15 cm EPS outside (0.04, 20, 1.45),
    // Rsi 0.13, Rse 0.04: U = 1 / 4.02; worked out with the layer matrices.
    TModelProjektu m = Warunki(20, 50, -20, 85);
    DodajWarstwe(m, "Beton", 0.2, 2.0, 70);
    DodajWarstwe(m, "Styropian", 0.15, 0.04, 60);
    m.Warstwy[1].Gestosc = 2400;
    m.Warstwy[1].Cieplo = 1.0;
    m.Warstwy[2].Gestosc = 20;
    EXPECT_FALSE(LatoPrzegrody(m).has_value()) << "layer 2 lacks its heat capacity";
    EXPECT_EQ(WarstwyBezDanychLata(m), std::vector<int>{2});
    m.Warstwy[2].Cieplo = 1.45;
    const auto l = LatoPrzegrody(m);
    ASSERT_TRUE(l.has_value());
    EXPECT_TRUE(WarstwyBezDanychLata(m).empty());
    EXPECT_NEAR(l->U, 0.248756, 1e-6);
    EXPECT_NEAR(l->Y12, 0.042080, 1e-6);
    EXPECT_NEAR(l->Tlumienie, 0.16916, 1e-5);
    EXPECT_NEAR(l->Opoznienie, 8.0797, 1e-4);
    EXPECT_NEAR(l->Kappa1, 83.688, 1e-3);
    EXPECT_NEAR(l->Kappa2, 4.4752, 1e-4);
    EXPECT_NEAR(l->Y11, 6.0568, 1e-4);
}

} // namespace
