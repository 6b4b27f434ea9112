#include "core/Obliczenia.h"

#include "core/Bledy.h"
#include "core/Iso6946.h"
#include "core/Liczby.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace murolab {

namespace {

constexpr double kStalaDyfuzji = 1500000; // the diffusion-resistance constant of the calculation
constexpr int kNajnizszaTemp = -24;       // entry 0 of the saturation table
constexpr int kNajwyzszaTemp = 30;        // entry 54
// Water boils at 1013 hPa: no entry between -24 and +30 degC comes near this.
constexpr double kNajwiekszeCisnienieTablicy = 1000;
// At -24 degC the saturation pressure over ice is about 0,7 hPa; a first entry far below it (a
// subnormal number, a table in kPa) is no table of this program.
constexpr double kNajmniejszeCisnienieTablicy = 0.1;
constexpr int kKrokiPunktuRosy = (kNajwyzszaTemp - 0) * 10; // 0.1-degree steps from 0 to +30 degC

const char* kTekstKonsultacja =
    "(temp. wewn.< temp. zewn.) Wskazana konsultacja ze specjalistą z zakresu fizyki budowli.";
const char* kTekstKondensacja =
    "UWAGA -Dla zadanych warunków brzegowych występuje kondensacja pary wodnej na "
    "wewnętrznej powierzchni.";
const char* kTekstBrakKondensacji = "Dla zadanych warunków brzegowych kondensacja pary        wodnej  na "
                                    "wewnętrznej powierzchni nie występuje.";

} // namespace

TBlad SprawdzTabliceNasycenia(const TTablicaNasycenia& tablica) {
    for (std::size_t m = 0; m < tablica.size(); ++m) {
        const double v = tablica[m];
        const std::string gdzie = "wpis " + std::to_string(m) + " (" +
                                  std::to_string(static_cast<int>(m) + kNajnizszaTemp) + " °C)";
        // Saturation pressure grows with temperature: anything else is a damaged table, and any
        // result computed from it would be wrong without looking wrong.
        if (!std::isfinite(v) || v <= 0)
            return gdzie + " nie jest dodatnią liczbą skończoną";
        if (v > kNajwiekszeCisnienieTablicy)
            return gdzie + " przekracza 1000 hPa";
        if (m == 0 && v < kNajmniejszeCisnienieTablicy)
            return gdzie + " = " + Ogolny(v) +
                   " hPa jest mniejszy niż 0,1 hPa (przy -24 °C ciśnienie nasycenia to około 0,7 hPa)";
        if (m > 0 && !(v > tablica[m - 1]))
            return gdzie + " nie jest większy od poprzedniego";
    }
    return std::nullopt;
}

TBlad DekodujTabliceNasycenia(std::span<const std::uint8_t> bajty, TTablicaNasycenia& tablica) {
    constexpr std::size_t kRozmiar = kWpisyTablicyNasycenia * 8;
    if (bajty.size() != kRozmiar)
        return "ma " + std::to_string(bajty.size()) + " bajtów, a tablica ciśnień nasycenia to " +
               std::to_string(kWpisyTablicyNasycenia) + " liczb po 8 bajtów (" + std::to_string(kRozmiar) +
               " bajtów)";
    TTablicaNasycenia nowa{};
    for (std::size_t m = 0; m < nowa.size(); ++m) {
        std::uint64_t bity = 0;
        for (int b = 7; b >= 0; --b)
            bity = (bity << 8) | bajty[m * 8 + static_cast<std::size_t>(b)];
        nowa[m] = std::bit_cast<double>(bity);
    }
    if (auto blad = SprawdzTabliceNasycenia(nowa))
        return blad;
    tablica = nowa;
    return std::nullopt;
}

double CisnienieNasycenia(const TTablicaNasycenia& tablica, double t) {
    if (std::isnan(t))
        return t;
    // Only a loaded project can bring temperatures outside the table: they take its end values.
    if (t <= kNajnizszaTemp)
        return tablica.front();
    if (t >= kNajwyzszaTemp)
        return tablica.back();
    const double m = std::floor(t);
    const double f = t - m;
    const auto k = static_cast<std::size_t>(static_cast<int>(m) - kNajnizszaTemp);
    // k + 1 <= 54 here, because t < 30.
    return tablica[k] + f * (tablica[k + 1] - tablica[k]);
}

double PunktRosy(const TTablicaNasycenia& tablica, double cisnienieCzastkowe) {
    double ts = 0;
    for (int krok = 0; krok < kKrokiPunktuRosy; ++krok) {
        if (CisnienieNasycenia(tablica, ts) * 100 > cisnienieCzastkowe)
            return ts;
        ts = ts + 0.1;
    }
    return kNajwyzszaTemp;
}

void ObliczPrzegrode(TModelProjektu& model) {
    const int n = model.LiczbaWarstw;
    if (n < 0 || n > kLiczbaSlotow)
        throw std::out_of_range("Liczba warstw " + std::to_string(n) + " poza zakresem 0.." +
                                std::to_string(kLiczbaSlotow));
    const TWarunkiPracy& w = model.WarunkiPracy;
    TWyniki& r = model.Wyniki;
    const TTablicaNasycenia& tablica = model.TablicaNasycenia;

    r.Wyzeruj();

    for (int k = 1; k <= n; ++k) {
        const TWarstwa& warstwa = model.Warstwy[k];
        r.R[k] = OporWarstwy(warstwa);
        r.SumaR = r.SumaR + r.R[k];
        r.NarastR[k] = r.SumaR;
        r.SumaGrubosc = r.SumaGrubosc + warstwa.Grubosc;
        r.NarastGrubosc[k] = r.SumaGrubosc;
        r.Delta[k] = kStalaDyfuzji * warstwa.Grubosc * warstwa.Mi;
        r.SumaDelta = r.SumaDelta + r.Delta[k];
        r.NarastDelta[k] = r.SumaDelta;
    }

    const int ti = w.TempWew;
    const int te = w.TempZewn;
    r.CisCzastWewn = CisnienieNasycenia(tablica, ti) * w.WilgotWewn;
    r.CisCzastZewn = CisnienieNasycenia(tablica, te) * w.WilgotZewn;
    r.P = r.CisCzastWewn - r.CisCzastZewn;
    r.I = r.P * 1000 / r.SumaDelta;

    // The profile runs through the layers as the record holds them (a bridged layer as its main
    // material); U0 of a bridged partition or one with an air layer is the combined method's.
    const double uProfilu = 1 / (r.SumaR + w.Rsi + w.Rse);
    r.U0 = CzyNiejednorodna(model) ? 1 / MetodaLaczona(model).RT : uProfilu;
    // The difference is taken in whole degrees first (64-bit, so no extreme stored value overflows).
    const double roznica = static_cast<double>(std::int64_t{ti} - te);
    r.Temp[0] = ti;
    for (int i = 0; i <= n; ++i)
        r.Temp[i + 1] = ti - roznica * uProfilu * (w.Rsi + r.NarastR[i]);
    r.Temp[n + 2] = te;

    for (int j = 0; j <= n + 2; ++j)
        r.CisNasy[j] = CisnienieNasycenia(tablica, r.Temp[j]) * 100;

    r.CisCzast[0] = r.CisCzastWewn;
    for (int k = 1; k <= n; ++k)
        r.CisCzast[k] = r.CisCzastZewn + r.P * (r.SumaDelta - r.NarastDelta[k]) / r.SumaDelta;

    r.Ts = PunktRosy(tablica, r.CisCzastWewn);
}

double DeltaUg(const TModelProjektu& model) {
    const int nr = model.WarunkiPracy.NrNieszczelnosci;
    // A layer number that names no layer of the partition (0 included) switches the term off.
    if (nr < 1 || nr > model.LiczbaWarstw || nr > kLiczbaSlotow)
        return 0;
    // With bridging or an air layer the share is R1 / RT,h, the total of the partition without its
    // bridges, as PN-EN ISO 6946:2017 has it; a homogeneous partition keeps the program's own
    // share of the layers' sum.
    const double udzial =
        model.Wyniki.R[nr] / (CzyNiejednorodna(model) ? MetodaLaczona(model).RTh : model.Wyniki.SumaR);
    return udzial * udzial * model.WarunkiPracy.DeltaU;
}

double DeltaUf(const TModelProjektu& model) {
    const TWarunkiPracy& w = model.WarunkiPracy;
    if (w.Lacznik2017)
        return DeltaUf2017(model);
    return w.Alfa * w.LambdaF * w.LiczbaF * w.PoleF;
}

double Uk(const TModelProjektu& model) {
    const TWarunkiPracy& w = model.WarunkiPracy;
    return ((model.Wyniki.U0 + DeltaUg(model)) + DeltaUf(model)) + w.DeltaUk + w.MostekWlasny;
}

TWerdykt WerdyktKondensacji(int ti, int te, const TModelProjektu& model) {
    if (ti <= te)
        return {TRodzajWerdyktu::Konsultacja, kTekstKonsultacja, true};
    if (model.Wyniki.Ts + 1 >= model.Wyniki.Temp[1])
        return {TRodzajWerdyktu::Kondensacja, kTekstKondensacja, true};
    return {TRodzajWerdyktu::BrakKondensacji, kTekstBrakKondensacji, false};
}

TBlad NieskonczonyWynik(const TModelProjektu& model) {
    const TWyniki& w = model.Wyniki;
    const int n = std::clamp(model.LiczbaWarstw, 0, kLiczbaSlotow);
    TBlad pierwszy;
    auto sprawdz = [&](const char* nazwa, double v) {
        if (!pierwszy && !std::isfinite(v))
            pierwszy = nazwa;
    };
    auto sprawdzTablice = [&](const char* nazwa, const auto& t, int od, int do_) {
        for (int i = od; i <= do_ && !pierwszy; ++i)
            if (!std::isfinite(t[i]))
                pierwszy = std::string(nazwa) + "[" + std::to_string(i) + "]";
    };
    sprawdzTablice("R", w.R, 1, n);
    sprawdz("SumaR", w.SumaR);
    sprawdzTablice("NarastR", w.NarastR, 0, n);
    sprawdz("U0", w.U0);
    sprawdzTablice("Temp", w.Temp, 0, n + 2);
    sprawdz("SumaGrubosc", w.SumaGrubosc);
    sprawdzTablice("NarastGrubosc", w.NarastGrubosc, 1, n);
    sprawdzTablice("Delta", w.Delta, 1, n);
    sprawdz("SumaDelta", w.SumaDelta);
    sprawdzTablice("NarastDelta", w.NarastDelta, 1, n);
    sprawdz("CisCzastWewn", w.CisCzastWewn);
    sprawdz("CisCzastZewn", w.CisCzastZewn);
    sprawdz("P", w.P);
    sprawdzTablice("CisCzast", w.CisCzast, 0, n);
    sprawdzTablice("CisNasy", w.CisNasy, 0, n + 2);
    sprawdz("I", w.I);
    sprawdz("Ts", w.Ts);
    // The corrected coefficient is shown beside them.
    sprawdz("DeltaUg", DeltaUg(model));
    sprawdz("DeltaUf", DeltaUf(model));
    sprawdz("Uk", Uk(model));
    return pierwszy;
}

} // namespace murolab
