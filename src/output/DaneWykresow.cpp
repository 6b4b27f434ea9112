#include "output/DaneWykresow.h"

#include "core/Liczby.h"

#include <algorithm>
#include <cmath>

namespace murolab {

namespace {

// The layer count as far as the model's tables reach: a damaged count never reads past them.
int LiczbaWarstwWTablicach(const TModelProjektu& model) {
    return std::clamp(static_cast<int>(model.LiczbaWarstw), 0, kLiczbaSlotow);
}

// The automatic range of an axis: from the lowest to the highest value shown. A range of zero
// width (all points in one place, as before the first calculation) is opened around its value so
// that the axis stays usable.
TZakres ZakresAutomatyczny(const std::vector<double>& wartosci) {
    if (wartosci.empty())
        return {0, 1};
    auto [mn, mx] = std::minmax_element(wartosci.begin(), wartosci.end());
    TZakres z{*mn, *mx};
    if (!(z.Max - z.Min > 1e-12)) {
        z.Min -= 0.5;
        z.Max += 0.5;
    }
    return z;
}

void Posortuj(std::vector<TPunkt>& punkty) {
    std::stable_sort(punkty.begin(), punkty.end(),
                     [](const TPunkt& a, const TPunkt& b) { return a.X < b.X; });
}

} // namespace

int LiczbaLiniiGranic(int liczbaWarstw) {
    return std::max(kMinLiniiGranic, std::clamp(liczbaWarstw, 0, kLiczbaSlotow) + 1);
}

TDaneWykresuCisnien DaneWykresuCisnien(const TModelProjektu& model, bool cieplejWewnatrz) {
    const TWyniki& w = model.Wyniki;
    const int n = LiczbaWarstwWTablicach(model);
    const double L = w.SumaGrubosc;
    TDaneWykresuCisnien d;

    d.CisCzast.push_back({0, w.CisCzast[0]});
    for (int k = 1; k <= n; ++k)
        d.CisCzast.push_back({w.NarastGrubosc[k], w.CisCzast[k]});

    // The air points stand 2 % of the thickness outside each surface.
    d.CisNasy.push_back({-0.02 * L, w.CisNasy[0]});
    d.CisNasy.push_back({0, w.CisNasy[1]});
    d.CisNasy.push_back({1.02 * L, w.CisNasy[n + 2]});
    for (int k = 1; k <= n; ++k)
        d.CisNasy.push_back({w.NarastGrubosc[k], w.CisNasy[k + 1]});
    Posortuj(d.CisCzast);
    Posortuj(d.CisNasy);

    d.Gora = (cieplejWewnatrz ? w.CisNasy[0] : w.CisNasy[n + 2]) + 50;
    d.LinieGranic.push_back({{0, 0}, {0, d.Gora}});
    for (int k = 1; k <= n; ++k)
        d.LinieGranic.push_back({{w.NarastGrubosc[k], 0}, {w.NarastGrubosc[k], d.Gora}});

    std::vector<double> xs, ys;
    for (const auto* seria : {&d.CisCzast, &d.CisNasy})
        for (const TPunkt& p : *seria) {
            xs.push_back(p.X);
            ys.push_back(p.Y);
        }
    for (const TLinia& l : d.LinieGranic)
        for (const TPunkt& p : {l.Dol, l.Gora}) {
            xs.push_back(p.X);
            ys.push_back(p.Y);
        }
    d.OsX = ZakresAutomatyczny(xs);
    d.OsY = ZakresAutomatyczny(ys);
    return d;
}

TDaneKondensacji DaneLiniiKondensacji(const TModelProjektu& model, const TStanDyfuzji& stan) {
    TDaneKondensacji d;
    const int n = LiczbaWarstwWTablicach(model);
    if (stan.Plaszczyzny.empty() || static_cast<int>(stan.CisCzast.size()) != n + 1)
        return d;
    auto x = [&](int styk) { return styk <= 0 ? 0.0 : model.Wyniki.NarastGrubosc[styk]; };
    for (int j = 0; j <= n; ++j)
        d.Linia.push_back({x(j), stan.CisCzast[static_cast<std::size_t>(j)]});
    for (const TPlaszczyzna& p : stan.Plaszczyzny)
        if (p.Styk >= 0 && p.Styk <= n)
            d.Plaszczyzny.push_back({x(p.Styk), stan.CisCzast[static_cast<std::size_t>(p.Styk)]});
    return d;
}

TDaneWykresuTemperatur DaneWykresuTemperatur(const TModelProjektu& model, bool cieplejWewnatrz) {
    const TWyniki& w = model.Wyniki;
    const TWarunkiPracy& wp = model.WarunkiPracy;
    const int n = LiczbaWarstwWTablicach(model);
    const double L = w.SumaGrubosc;
    TDaneWykresuTemperatur d;

    // From the colder air - 3 to the warmer air + 3. When the sheet's fields and the model disagree
    // about the warmer side (a field changed without "Wprowadź") the axis still spans both air
    // temperatures of the model instead of taking an inverted or a too short range.
    const double ti = wp.TempWew;
    const double te = wp.TempZewn;
    d.OsY = {std::min(ti, te) - 3, std::max(ti, te) + 3};

    if (cieplejWewnatrz)
        d.PunktRosy.push_back({0, w.Ts});

    // The air points stand 5 % of the thickness outside each surface.
    d.Temperatura.push_back({-L / 20, w.Temp[0]});
    d.Temperatura.push_back({0, w.Temp[1]});
    for (int k = 1; k <= n; ++k)
        d.Temperatura.push_back({w.NarastGrubosc[k], w.Temp[k + 1]});
    d.Temperatura.push_back({L + L / 20, w.Temp[n + 2]});
    Posortuj(d.Temperatura);

    d.LinieGranic.push_back({{0, d.OsY.Min}, {0, d.OsY.Max}});
    for (int k = 1; k <= n; ++k)
        d.LinieGranic.push_back({{w.NarastGrubosc[k], d.OsY.Min}, {w.NarastGrubosc[k], d.OsY.Max}});

    std::vector<double> xs;
    for (const TPunkt& p : d.Temperatura)
        xs.push_back(p.X);
    for (const TLinia& l : d.LinieGranic)
        xs.push_back(l.Dol.X);
    d.OsX = ZakresAutomatyczny(xs);
    return d;
}

double KrokPodzialki(double rozpietosc, int podzialek) {
    if (!(rozpietosc > 0) || !std::isfinite(rozpietosc) || podzialek < 1)
        return 1;
    const double surowy = rozpietosc / podzialek;
    const double rzad = std::pow(10.0, std::floor(std::log10(surowy)));
    const double wzgledny = surowy / rzad;
    double mnoznik = 10;
    if (wzgledny <= 1.0 + 1e-9)
        mnoznik = 1;
    else if (wzgledny <= 2.0 + 1e-9)
        mnoznik = 2;
    else if (wzgledny <= 5.0 + 1e-9)
        mnoznik = 5;
    return mnoznik * rzad;
}

int MiejscPoPrzecinku(double krok) {
    if (!(krok > 0) || !std::isfinite(krok))
        return 0;
    return std::max(0, static_cast<int>(-std::floor(std::log10(krok) + 1e-9)));
}

std::string WartoscZnacznika(double wartosc, int miejsc) {
    std::string s = Staly(wartosc, 15, miejsc);
    if (s.find(',') != std::string::npos && s.find('E') == std::string::npos) {
        while (!s.empty() && s.back() == '0')
            s.pop_back();
        if (!s.empty() && s.back() == ',')
            s.pop_back();
    }
    return s;
}

std::string OpisPunktuRosy(double ts, int miejsc) {
    return WartoscZnacznika(ts, miejsc) + "°C-pkt rosy";
}

} // namespace murolab
