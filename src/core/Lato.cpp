#include "core/Lato.h"

#include "core/Liczby.h"

#include <array>
#include <cmath>
#include <complex>
#include <numbers>

namespace murolab {

namespace {

using Zespolona = std::complex<double>;
using Macierz = std::array<Zespolona, 4>; // Z11, Z12, Z21, Z22

Macierz Iloczyn(const Macierz& a, const Macierz& b) {
    return {a[0] * b[0] + a[1] * b[2], a[0] * b[1] + a[1] * b[3], a[2] * b[0] + a[3] * b[2],
            a[2] * b[1] + a[3] * b[3]};
}

Macierz Opor(double r) {
    return {1.0, -r, 0.0, 1.0};
}

Macierz MacierzWarstwy(const TWarstwaLato& w, double okres) {
    const double pojemnosc = w.Gestosc * w.Cieplo * 1000; // J/(m3 K)
    if (!(pojemnosc > 0))
        return Opor(w.Grubosc / w.Lambda);
    const double glebokosc = std::sqrt(w.Lambda * okres / (std::numbers::pi * pojemnosc));
    const double xi = w.Grubosc / glebokosc;
    const double ch = std::cosh(xi), sh = std::sinh(xi), c = std::cos(xi), s = std::sin(xi);
    const Zespolona z11(ch * c, sh * s);
    const Zespolona z12 = -(glebokosc / (2 * w.Lambda)) * Zespolona(sh * c + ch * s, ch * s - sh * c);
    const Zespolona z21 = -(w.Lambda / glebokosc) * Zespolona(sh * c - ch * s, sh * c + ch * s);
    return {z11, z12, z21, z11};
}

} // namespace

TLato ObliczLato(const std::vector<TWarstwaLato>& warstwy, double rsi, double rse, double okres) {
    // Z = Z_se * Z_n * ... * Z_1 * Z_si: the inner surface's matrix acts first.
    Macierz z = Opor(rsi);
    double sumaR = rsi + rse;
    for (const TWarstwaLato& w : warstwy) {
        z = Iloczyn(MacierzWarstwy(w, okres), z);
        sumaR += w.Grubosc / w.Lambda;
    }
    z = Iloczyn(Opor(rse), z);

    TLato l;
    l.U = 1 / sumaR;
    const Zespolona y12 = -1.0 / z[1];
    l.Y12 = std::abs(y12);
    l.Tlumienie = l.Y12 / l.U;
    const double godzinyOkresu = okres / 3600;
    double opoznienie = -std::arg(y12) / (2 * std::numbers::pi) * godzinyOkresu;
    opoznienie = std::fmod(opoznienie, godzinyOkresu);
    if (opoznienie < 0)
        opoznienie += godzinyOkresu;
    // A shift that rounds to the whole period is no shift.
    if (opoznienie >= godzinyOkresu - 1e-12)
        opoznienie = 0;
    l.Opoznienie = opoznienie;
    const double t2pi = okres / (2 * std::numbers::pi);
    l.Kappa1 = t2pi * std::abs((z[0] - 1.0) / z[1]) / 1000;
    l.Kappa2 = t2pi * std::abs((z[3] - 1.0) / z[1]) / 1000;
    l.Y11 = std::abs(-z[0] / z[1]);
    return l;
}

std::string OpisLata(const TLato& lato) {
    return "tłumienie " + Staly(1 / lato.Tlumienie, 4, 1) + "-krotne, opóźnienie " +
           Staly(lato.Opoznienie, 4, 1) + " h";
}

std::vector<int> WarstwyBezDanychLata(const TModelProjektu& model) {
    std::vector<int> brak;
    for (int k = 1; k <= model.LiczbaWarstw && k <= kLiczbaSlotow; ++k)
        if (!model.Warstwy[k].Gestosc || !model.Warstwy[k].Cieplo)
            brak.push_back(k);
    return brak;
}

std::optional<TLato> LatoPrzegrody(const TModelProjektu& model) {
    if (model.LiczbaWarstw <= 0 || !WarstwyBezDanychLata(model).empty())
        return std::nullopt;
    std::vector<TWarstwaLato> warstwy;
    for (int k = 1; k <= model.LiczbaWarstw && k <= kLiczbaSlotow; ++k) {
        const TWarstwa& w = model.Warstwy[k];
        warstwy.push_back({w.Grubosc, w.Lambda, *w.Gestosc, *w.Cieplo});
    }
    return ObliczLato(warstwy, model.WarunkiPracy.Rsi, model.WarunkiPracy.Rse);
}

} // namespace murolab
