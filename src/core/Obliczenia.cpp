#include "core/Obliczenia.h"

#include "core/Bledy.h"

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace murolab {

namespace {

constexpr double kStalaDyfuzji = 1500000; // the diffusion-resistance constant of the calculation
constexpr int kNajnizszaTemp = -24;       // entry 0 of the saturation table
constexpr int kNajwyzszaTemp = 30;        // entry 54
constexpr int kKrokiPunktuRosy = (kNajwyzszaTemp - 0) * 10; // 0.1-degree steps from 0 to +30 degC

struct TZamykaczPliku {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

const char* kTekstKonsultacja =
    "(temp. wewn.< temp. zewn.) Wskazana konsultacja ze specjalistą z zakresu fizyki budowli.";
const char* kTekstKondensacja =
    "UWAGA -Dla zadanych warunków brzegowych występuje kondensacja pary wodnej na "
    "wewnętrznej powierzchni.";
const char* kTekstBrakKondensacji = "Dla zadanych warunków brzegowych kondensacja pary        wodnej  na "
                                    "wewnętrznej powierzchni nie występuje.";

} // namespace

std::optional<std::string> WczytajTabliceNasycenia(const std::string& plik, TTablicaNasycenia& tablica,
                                                   int* liczbaWczytanych) {
    if (liczbaWczytanych)
        *liczbaWczytanych = 0;
    errno = 0;
    std::unique_ptr<std::FILE, TZamykaczPliku> f(std::fopen(plik.c_str(), "rb"));
    if (!f)
        return "Nie można otworzyć pliku „" + plik + "”: " + OpisBleduSystemu(errno) + ".";
    int wczytane = 0;
    while (wczytane < kWpisyTablicyNasycenia) {
        unsigned char rekord[8];
        errno = 0;
        const std::size_t ile = std::fread(rekord, 1, sizeof rekord, f.get());
        if (ile == sizeof rekord) {
            std::uint64_t bity = 0;
            for (int b = 7; b >= 0; --b)
                bity = (bity << 8) | rekord[b];
            tablica[static_cast<std::size_t>(wczytane)] = std::bit_cast<double>(bity);
            ++wczytane;
            if (liczbaWczytanych)
                *liczbaWczytanych = wczytane;
            continue;
        }
        if (std::ferror(f.get()))
            return "Błąd odczytu pliku „" + plik + "”: " + OpisBleduSystemu(errno) + ".";
        if (ile != 0)
            return "Plik „" + plik + "” kończy się niepełnym rekordem (" + std::to_string(ile) +
                   " bajtów zamiast 8); wczytano " + std::to_string(wczytane) + " wpisów.";
        break;
    }
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
        r.R[k] = warstwa.Grubosc / warstwa.Lambda;
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

    r.U0 = 1 / (r.SumaR + w.Rsi + w.Rse);
    // The difference is taken in whole degrees first (64-bit, so no extreme stored value overflows).
    const double roznica = static_cast<double>(std::int64_t{ti} - te);
    r.Temp[0] = ti;
    for (int i = 0; i <= n; ++i)
        r.Temp[i + 1] = ti - roznica * r.U0 * (w.Rsi + r.NarastR[i]);
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
    const double udzial = model.Wyniki.R[nr] / model.Wyniki.SumaR;
    return udzial * udzial * model.WarunkiPracy.DeltaU;
}

double DeltaUf(const TModelProjektu& model) {
    const TWarunkiPracy& w = model.WarunkiPracy;
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

} // namespace murolab
