#include "core/Iso6946.h"

#include "core/Liczby.h"
#include "core/Sprawdzenia.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace murolab {

namespace {

constexpr double kZeroBezwzgledne = 273.15;
constexpr double kTolerancjaUdzialow = 1e-9;
const char* kPoczatekNiestosowalnej = "metoda uproszczona PN-EN ISO 6946 nie ma zastosowania: ";
const char* kKoniecNiestosowalnej = "; potrzebne obliczenie numeryczne wg PN-EN ISO 10211";

int LiczbaWarstw(const TModelProjektu& m) {
    return std::clamp(m.LiczbaWarstw, 0, kLiczbaSlotow);
}

std::size_t Indeks(int k) {
    return static_cast<std::size_t>(k - 1);
}

// The layers in use up to the one before the first well-ventilated air layer.
int OstatniaLiczona(const TModelProjektu& m, const std::vector<TWentylacja>& wentylacja) {
    const int n = LiczbaWarstw(m);
    for (int k = 1; k <= n; ++k)
        if (m.Warstwy[k].Powietrze && wentylacja[Indeks(k)] == TWentylacja::Dobra)
            return k - 1;
    return n;
}

std::vector<TWentylacja> WentylacjaModelu(const TModelProjektu& m) {
    std::vector<TWentylacja> w(Indeks(LiczbaWarstw(m) + 1), TWentylacja::Brak);
    for (int k = 1; k <= LiczbaWarstw(m); ++k)
        if (m.Warstwy[k].Powietrze)
            w[Indeks(k)] = m.Warstwy[k].Powietrze->Wentylacja;
    return w;
}

double UdzialGlowny(const TWarstwa& w) {
    double suma = 0;
    for (const TMaterialMostka& b : w.Mostki)
        suma += b.Udzial;
    return 1 - suma;
}

double UdzialMaterialu(const TWarstwa& w, int i) {
    return i == 0 ? UdzialGlowny(w) : w.Mostki[static_cast<std::size_t>(i - 1)].Udzial;
}

double OporMaterialu(const TWarstwa& w, int i) {
    return i == 0 ? OporWarstwy(w) : w.Grubosc / w.Mostki[static_cast<std::size_t>(i - 1)].Lambda;
}

// The bridged layer whose sections this one shares (itself when it lies on none).
// A reference that the checks would refuse is not followed, so that no section can name a material
// the layer does not have.
int Korzen(const TModelProjektu& m, int k) {
    while (true) {
        const TWarstwa& w = m.Warstwy[k];
        if (w.WOsi < 1 || w.WOsi >= k || m.Warstwy[w.WOsi].Mostki.size() != w.Mostki.size())
            return k;
        k = w.WOsi;
    }
}

std::string Procent(double udzial) {
    return Ogolny(std::round(udzial * 1000) / 10) + " %";
}

std::string NazwaMaterialu(const TWarstwa& w, int i) {
    return i == 0 ? w.Nazwa.Utf8() : w.Mostki[static_cast<std::size_t>(i - 1)].Nazwa;
}

// Every combination of the materials of the bridged layers before `koniec`, the groups of layers
// lying on one another moving together. Shares multiply across independent groups.
std::vector<TPrzekroj> Przekroje(const TModelProjektu& m, int koniec) {
    const int n = LiczbaWarstw(m);
    std::vector<int> korzenie;
    for (int k = 1; k <= koniec; ++k)
        if (!m.Warstwy[k].Mostki.empty() && Korzen(m, k) == k)
            korzenie.push_back(k);

    std::vector<TPrzekroj> wynik;
    std::vector<int> wybor(korzenie.size(), 0); // the material index of each group
    while (true) {
        TPrzekroj p;
        p.Udzial = 1;
        p.Materialy.assign(Indeks(n + 1), 0);
        for (std::size_t g = 0; g < korzenie.size(); ++g)
            p.Udzial *= UdzialMaterialu(m.Warstwy[korzenie[g]], wybor[g]);
        std::vector<std::string> nazwy;
        for (int k = 1; k <= koniec; ++k) {
            if (m.Warstwy[k].Mostki.empty())
                continue;
            const auto g = static_cast<std::size_t>(
                std::find(korzenie.begin(), korzenie.end(), Korzen(m, k)) - korzenie.begin());
            p.Materialy[Indeks(k)] = wybor[g];
            const std::string nazwa = NazwaMaterialu(m.Warstwy[k], wybor[g]);
            if (nazwy.empty() || nazwy.back() != nazwa)
                nazwy.push_back(nazwa);
        }
        std::string opis;
        for (const std::string& nazwa : nazwy)
            opis += (opis.empty() ? "" : " / ") + nazwa;
        p.Nazwa = (opis.empty() ? std::string("cała przegroda") : "przez " + opis) + " " + Procent(p.Udzial);
        wynik.push_back(std::move(p));

        // The next combination, the last group counting fastest; after the last one, done.
        bool dalej = false;
        for (std::size_t g = korzenie.size(); g-- > 0;) {
            if (++wybor[g] <= static_cast<int>(m.Warstwy[korzenie[g]].Mostki.size())) {
                dalej = true;
                break;
            }
            wybor[g] = 0;
        }
        if (!dalej)
            break;
    }
    return wynik;
}

// The limits for one state of ventilation of the air layers, with each section's total.
struct TOpory {
    double Gorna = 0;
    double Dolna = 0;
    double H = 0;
    std::vector<double> Przekroje;
};

TOpory Zmieszaj(const TOpory& a, double wa, const TOpory& b, double wb) {
    TOpory c;
    c.Gorna = wa * a.Gorna + wb * b.Gorna;
    c.Dolna = wa * a.Dolna + wb * b.Dolna;
    c.H = wa * a.H + wb * b.H;
    for (std::size_t j = 0; j < a.Przekroje.size(); ++j)
        c.Przekroje.push_back(wa * a.Przekroje[j] + wb * b.Przekroje[j]);
    return c;
}

TOpory Opory(const TModelProjektu& m, const std::vector<TWentylacja>& wentylacja,
             const std::vector<TPrzekroj>& przekroje) {
    const int koniec = OstatniaLiczona(m, wentylacja);
    for (int k = 1; k <= koniec; ++k) {
        if (!m.Warstwy[k].Powietrze || wentylacja[Indeks(k)] != TWentylacja::Slaba)
            continue;
        const double av = m.Warstwy[k].Powietrze->Av;
        auto niewentylowana = wentylacja;
        niewentylowana[Indeks(k)] = TWentylacja::Brak;
        auto wentylowana = wentylacja;
        wentylowana[Indeks(k)] = TWentylacja::Dobra;
        return Zmieszaj(Opory(m, niewentylowana, przekroje), (kAvWentylowana - av) / 1000,
                        Opory(m, wentylowana, przekroje), (av - kAvNiewentylowana) / 1000);
    }

    const double rsi = m.WarunkiPracy.Rsi;
    // Behind a well-ventilated layer the outer surface sees air as still as the room's.
    const double rse = koniec < LiczbaWarstw(m) ? rsi : m.WarunkiPracy.Rse;
    TOpory o;
    double odwrotnosc = 0;
    for (const TPrzekroj& p : przekroje) {
        double rt = rsi + rse;
        for (int k = 1; k <= koniec; ++k)
            rt += OporMaterialu(m.Warstwy[k], p.Materialy[Indeks(k)]);
        o.Przekroje.push_back(rt);
        odwrotnosc += p.Udzial / rt;
    }
    o.Gorna = 1 / odwrotnosc;
    o.Dolna = rsi + rse;
    o.H = rsi + rse;
    for (int k = 1; k <= koniec; ++k) {
        const TWarstwa& w = m.Warstwy[k];
        o.H += OporWarstwy(w);
        if (w.Mostki.empty()) {
            o.Dolna += OporWarstwy(w);
            continue;
        }
        double przewodnosc = 0;
        for (int i = 0; i <= static_cast<int>(w.Mostki.size()); ++i)
            przewodnosc += UdzialMaterialu(w, i) / OporMaterialu(w, i);
        o.Dolna += 1 / przewodnosc;
    }
    return o;
}

std::string Warstwa(int k) {
    return "Warstwa " + std::to_string(k);
}

bool Skonczona(double x) {
    return std::isfinite(x);
}

TBlad SprawdzMostki(const TModelProjektu& m, int k) {
    const TWarstwa& w = m.Warstwy[k];
    if (w.Mostki.size() > static_cast<std::size_t>(kMaksMostkow))
        return Warstwa(k) + " ma " + std::to_string(w.Mostki.size()) +
               " materiały mostków, a może mieć najwyżej " + std::to_string(kMaksMostkow) + ".";
    double suma = 0;
    for (const TMaterialMostka& b : w.Mostki) {
        const std::string ktory = Warstwa(k) + ", mostek „" + b.Nazwa + "”: ";
        if (!Skonczona(b.Lambda) || b.Lambda <= 0)
            return ktory + "λ = " + Ogolny(b.Lambda) + "; dozwolona liczba dodatnia.";
        if (!Skonczona(b.Mi) || b.Mi < 0)
            return ktory + "μ = " + Ogolny(b.Mi) + "; dozwolona liczba nieujemna.";
        for (const auto& [nazwa, x] :
             {std::pair{"gęstość", b.Gestosc}, std::pair{"ciepło właściwe", b.Cieplo}})
            if (x && (!Skonczona(*x) || *x < 0))
                return ktory + nazwa + " = " + Ogolny(*x) + "; dozwolona liczba nieujemna.";
        if (!Skonczona(b.Udzial) || b.Udzial <= 0 || b.Udzial >= 1)
            return ktory + "udział = " + Ogolny(b.Udzial) + "; dozwolony większy od 0 i mniejszy od 1.";
        suma += b.Udzial;
    }
    if (!w.Mostki.empty() && suma >= 1)
        return Warstwa(k) + ": udziały mostków sumują się do " + Ogolny(suma) +
               ", a materiał warstwy musi zająć resztę (suma mniejsza od 1).";
    if (w.WOsi == 0)
        return std::nullopt;
    const int os = w.WOsi;
    if (os < 1 || os >= k)
        return Warstwa(k) + " leży w osi warstwy " + std::to_string(os) +
               ", a może leżeć tylko w osi wcześniejszej warstwy.";
    const TWarstwa& pod = m.Warstwy[os];
    if (pod.Mostki.empty())
        return Warstwa(k) + " leży w osi warstwy " + std::to_string(os) + ", która nie ma mostków.";
    bool takieSame = pod.Mostki.size() == w.Mostki.size();
    for (std::size_t i = 0; takieSame && i < w.Mostki.size(); ++i)
        takieSame = std::abs(pod.Mostki[i].Udzial - w.Mostki[i].Udzial) <= kTolerancjaUdzialow;
    if (!takieSame)
        return Warstwa(k) + " leży w osi warstwy " + std::to_string(os) +
               ", więc jej mostki muszą mieć te same udziały co mostki tamtej warstwy.";
    return std::nullopt;
}

TBlad SprawdzPowietrze(const TModelProjektu& m, int k) {
    const TWarstwa& w = m.Warstwy[k];
    const TPowietrze& p = *w.Powietrze;
    const std::string ktora = Warstwa(k) + " (warstwa powietrza): ";
    // Not thinner than any layer may be: below that 0,025/d overflows and the layer's equivalent
    // lambda, which the record keeps, is no number.
    if (!(w.Grubosc >= kGraniceGrubosci.Od) || w.Grubosc > kMaksGruboscPowietrza)
        return ktora + "grubość " + Ogolny(w.Grubosc) + " m; dozwolona od " + Ogolny(kGraniceGrubosci.Od) +
               " do 0,3 m.";
    for (double e : p.Emisyjnosc)
        if (!Skonczona(e) || e <= 0 || e > 1)
            return ktora + "emisyjność " + Ogolny(e) + "; dozwolona większa od 0 i najwyżej 1.";
    if (!Skonczona(p.Av) || p.Av < 0)
        return ktora + "Av = " + Ogolny(p.Av) + " mm²; dozwolona liczba nieujemna.";
    if (p.Wentylacja == TWentylacja::Slaba && (p.Av <= kAvNiewentylowana || p.Av > kAvWentylowana))
        return ktora + "słabo wentylowana warstwa ma Av = " + Ogolny(p.Av) +
               " mm²; dozwolone więcej niż 500 i najwyżej 1500 mm².";
    if (p.Wentylacja == TWentylacja::Dobra && k == 1)
        return ktora + "dobrze wentylowana warstwa pomija siebie i wszystko na zewnątrz, a przed nią nie ma "
                       "żadnej warstwy.";
    return std::nullopt;
}

} // namespace

double Hr0(double tm) {
    const double t = tm + kZeroBezwzgledne;
    return 4 * kStalaStefanaBoltzmanna * t * t * t;
}

double WspolczynnikWymiany(double e1, double e2) {
    return 1 / (1 / e1 + 1 / e2 - 1);
}

double Ha(TKierunekStrumienia kierunek, double d) {
    double ha = 0;
    switch (kierunek) {
    case TKierunekStrumienia::Poziomy:
        ha = 1.25;
        break;
    case TKierunekStrumienia::WGore:
        ha = 1.95;
        break;
    case TKierunekStrumienia::WDol:
        ha = 0.12 * std::pow(d, -0.44);
        break;
    }
    return std::max(ha, 0.025 / d);
}

double OporPowietrza(double d, const TPowietrze& p) {
    if (!(d > 0))
        return 0;
    const double hr = WspolczynnikWymiany(p.Emisyjnosc[0], p.Emisyjnosc[1]) * Hr0();
    return 1 / (Ha(p.Kierunek, d) + hr);
}

TKierunekStrumienia KierunekDlaRsi(double rsi) {
    if (std::abs(rsi - 0.10) < 1e-9)
        return TKierunekStrumienia::WGore;
    if (std::abs(rsi - 0.17) < 1e-9)
        return TKierunekStrumienia::WDol;
    return TKierunekStrumienia::Poziomy;
}

double OporWarstwy(const TWarstwa& w) {
    if (w.Powietrze)
        return OporPowietrza(w.Grubosc, *w.Powietrze);
    return w.Grubosc / w.Lambda;
}

void UzgodnijWarstwePowietrza(TWarstwa& w) {
    if (!w.Powietrze)
        return;
    w.Lambda = w.Grubosc / OporPowietrza(w.Grubosc, *w.Powietrze);
    w.Mi = 1;
}

bool CzyNiejednorodna(const TModelProjektu& model) {
    for (int k = 1; k <= LiczbaWarstw(model); ++k)
        if (!model.Warstwy[k].Mostki.empty() || model.Warstwy[k].Powietrze)
            return true;
    return false;
}

TBlad SprawdzNiejednorodnosc(const TModelProjektu& model) {
    const int n = LiczbaWarstw(model);
    for (int k = 1; k <= n; ++k) {
        if (auto b = SprawdzMostki(model, k))
            return b;
        if (model.Warstwy[k].Powietrze)
            if (auto b = SprawdzPowietrze(model, k))
                return b;
    }
    // Each section is a whole partition for the moisture checks and a line of the results: the
    // combinations of many independent bridged layers are capped where they stop being a design.
    double przekroje = 1;
    for (int k = 1; k <= n; ++k)
        if (!model.Warstwy[k].Mostki.empty() && Korzen(model, k) == k)
            przekroje *= static_cast<double>(model.Warstwy[k].Mostki.size() + 1);
    if (przekroje > kMaksPrzekrojow)
        return "Przegroda ma " + Ogolny(przekroje) +
               " przekrojów (kombinacji materiałów warstw z mostkami), a można obliczyć najwyżej " +
               std::to_string(kMaksPrzekrojow) + ".";
    if (const auto& l = model.WarunkiPracy.Lacznik2017) {
        if (l->Warstwa < 1 || l->Warstwa > n)
            return "Łączniki mechaniczne przechodzą przez warstwę " + std::to_string(l->Warstwa) +
                   ", a przegroda ma warstwy od 1 do " + std::to_string(n) + ".";
        const double d0 = model.Warstwy[l->Warstwa].Grubosc;
        if (l->D1 && (!Skonczona(*l->D1) || *l->D1 <= 0 || *l->D1 > d0))
            return "Łączniki mechaniczne w warstwie " + std::to_string(l->Warstwa) +
                   ": d1 = " + Ogolny(*l->D1) + " m; dozwolone większe od 0 i najwyżej " + Ogolny(d0) +
                   " m (grubość warstwy).";
    }
    return std::nullopt;
}

TMetodaLaczona MetodaLaczona(const TModelProjektu& model) {
    TMetodaLaczona wynik;
    auto wentylacja = WentylacjaModelu(model);
    // The sections come from every layer that counts in some state of the ventilation.
    auto bezSlabej = wentylacja;
    for (TWentylacja& w : bezSlabej)
        if (w == TWentylacja::Slaba)
            w = TWentylacja::Brak;
    const int koniec = OstatniaLiczona(model, bezSlabej);
    wynik.Przekroje = Przekroje(model, koniec);
    const TOpory o = Opory(model, wentylacja, wynik.Przekroje);
    for (std::size_t j = 0; j < wynik.Przekroje.size(); ++j)
        wynik.Przekroje[j].RT = o.Przekroje[j];
    wynik.RTGorna = o.Gorna;
    wynik.RTDolna = o.Dolna;
    wynik.RT = (o.Gorna + o.Dolna) / 2;
    wynik.Blad = (o.Gorna - o.Dolna) / (2 * wynik.RT);
    wynik.RTh = o.H;

    const double stosunek = o.Gorna / o.Dolna;
    if (stosunek > kGranicaStosunkuGranic) {
        wynik.Stosowalna = false;
        wynik.Komunikat = KomunikatStosunkuGranic(stosunek);
        return wynik;
    }
    const int liczone = OstatniaLiczona(model, wentylacja);
    for (int k = 1; k <= liczone; ++k)
        for (const TMaterialMostka& b : model.Warstwy[k].Mostki)
            if (b.Lambda >= kLambdaMetalu) {
                wynik.Stosowalna = false;
                wynik.Komunikat = KomunikatMostkaMetalowego(b.Nazwa, k, b.Lambda);
                return wynik;
            }
    return wynik;
}

const TPrzekroj& NajwiekszyPrzekroj(const TMetodaLaczona& metoda) {
    return *std::max_element(metoda.Przekroje.begin(), metoda.Przekroje.end(),
                             [](const TPrzekroj& a, const TPrzekroj& b) { return a.Udzial < b.Udzial; });
}

std::string KomunikatStosunkuGranic(double stosunek) {
    return std::string(kPoczatekNiestosowalnej) + "R'T/R''T = " + Staly(stosunek, 15, 2) + " > 1,5" +
           kKoniecNiestosowalnej;
}

std::string KomunikatMostkaMetalowego(const std::string& nazwa, int warstwa, double lambda) {
    return std::string(kPoczatekNiestosowalnej) + "mostek „" + nazwa + "” w warstwie " +
           std::to_string(warstwa) + " ma λ = " + Ogolny(lambda) + " W/(m·K) ≥ 10 W/(m·K)" +
           kKoniecNiestosowalnej;
}

TModelProjektu ModelPrzekroju(const TModelProjektu& model, const TPrzekroj& przekroj) {
    TModelProjektu s = model;
    s.Wyniki.Wyzeruj();
    s.RozszerzenieNieznane = TWartoscJson::Obiekt();
    s.WarunkiPracy.Lacznik2017.reset();
    const int n = LiczbaWarstw(model);
    int koniec = n;
    for (int k = 1; k <= n; ++k) {
        TWarstwa& w = s.Warstwy[k];
        const int i = Indeks(k) < przekroj.Materialy.size() ? przekroj.Materialy[Indeks(k)] : 0;
        if (i > 0 && i <= static_cast<int>(w.Mostki.size())) {
            const TMaterialMostka& b = w.Mostki[static_cast<std::size_t>(i - 1)];
            w.Nazwa.UstawUtf8(b.Nazwa);
            w.Lambda = b.Lambda;
            w.Mi = b.Mi;
            w.Gestosc = b.Gestosc;
            w.Cieplo = b.Cieplo;
            w.Powietrze.reset();
        } else if (w.Powietrze) {
            if (w.Powietrze->Wentylacja == TWentylacja::Dobra && koniec == n)
                koniec = k - 1;
            UzgodnijWarstwePowietrza(w);
            if (!w.Gestosc)
                w.Gestosc = kGestoscPowietrza;
            if (!w.Cieplo)
                w.Cieplo = kCieploPowietrza;
            w.Powietrze.reset();
        }
        w.Mostki.clear();
        w.WOsi = 0;
    }
    if (koniec < n) {
        for (int k = koniec + 1; k <= n; ++k)
            s.Warstwy[k] = TWarstwa{};
        s.LiczbaWarstw = koniec;
        s.WarunkiPracy.Rse = s.WarunkiPracy.Rsi;
    }
    return s;
}

double DeltaUf2017(const TModelProjektu& model) {
    const TWarunkiPracy& w = model.WarunkiPracy;
    if (!w.Lacznik2017)
        return 0;
    const int k = w.Lacznik2017->Warstwa;
    if (k < 1 || k > LiczbaWarstw(model))
        return 0;
    const TWarstwa& warstwa = model.Warstwy[k];
    const double d0 = warstwa.Grubosc;
    const double d1 = w.Lacznik2017->D1.value_or(d0);
    const double alfa = w.Lacznik2017->D1 ? 0.8 * d1 / d0 : 0.8;
    const double udzial = OporWarstwy(warstwa) / MetodaLaczona(model).RTh;
    return alfa * w.LambdaF * w.PoleF * w.LiczbaF / d1 * udzial * udzial;
}

double UdzialZRozstawu(double szerokosc, double rozstaw) {
    return szerokosc / rozstaw;
}

std::vector<TLiniaOpisu> OpisNiejednorodnej(const TModelProjektu& model, const TMetodaLaczona& metoda) {
    std::vector<TLiniaOpisu> linie;
    for (int k = 1; k <= LiczbaWarstw(model); ++k) {
        const TWarstwa& w = model.Warstwy[k];
        if (w.Powietrze) {
            static const char* const kWentylacje[] = {"niewentylowana", "słabo wentylowana",
                                                      "dobrze wentylowana"};
            static const char* const kKierunki[] = {"poziomy", "w górę", "w dół"};
            std::string t = Warstwa(k) + ": warstwa powietrza " +
                            kWentylacje[static_cast<int>(w.Powietrze->Wentylacja)] +
                            ", d = " + Ogolny(w.Grubosc) + " m, przepływ ciepła " +
                            kKierunki[static_cast<int>(w.Powietrze->Kierunek)] +
                            ", Ra = " + Staly(OporWarstwy(w), 15, 3) + " m²·K/W";
            if (w.Powietrze->Wentylacja != TWentylacja::Brak)
                t += ", Av = " + Ogolny(w.Powietrze->Av) + " mm²";
            linie.push_back({t});
        }
        if (w.Mostki.empty())
            continue;
        std::string t = Warstwa(k) + ": " + w.Nazwa.Utf8() + " " + Procent(UdzialGlowny(w));
        for (const TMaterialMostka& b : w.Mostki)
            t += ", " + b.Nazwa + " " + Procent(b.Udzial);
        if (w.WOsi > 0)
            t += " (w osi warstwy " + std::to_string(w.WOsi) + ")";
        linie.push_back({t});
    }
    linie.push_back({"R'T = " + Staly(metoda.RTGorna, 15, 3) + "; R''T = " + Staly(metoda.RTDolna, 15, 3) +
                     "; RT = " + Staly(metoda.RT, 15, 3) + " m²·K/W; e = " + Staly(metoda.Blad * 100, 15, 1) +
                     " %"});
    if (!metoda.Stosowalna)
        linie.push_back({metoda.Komunikat, true});
    return linie;
}

std::string OpisFormyLacznika(const TModelProjektu& model) {
    const TWarunkiPracy& w = model.WarunkiPracy;
    if (w.LambdaF == 0)
        return {};
    if (!w.Lacznik2017)
        return "ΔUf w starszej postaci: α = " + std::to_string(w.Alfa) +
               " 1/m; dostępna postać wg PN-EN ISO 6946:2017";
    const TLacznik2017& l = *w.Lacznik2017;
    std::string t = "ΔUf wg PN-EN ISO 6946:2017, warstwa " + std::to_string(l.Warstwa);
    if (!l.D1)
        return t + ", łącznik przechodzi przez całą warstwę: α = 0,8";
    const int n = LiczbaWarstw(model);
    const double d0 = l.Warstwa >= 1 && l.Warstwa <= n ? model.Warstwy[l.Warstwa].Grubosc : 0;
    return t + ", łącznik wpuszczony: α = 0,8·d1/d0 = 0,8·" + Ogolny(*l.D1) + "/" + Ogolny(d0) + " = " +
           Staly(0.8 * *l.D1 / d0, 15, 3);
}

} // namespace murolab
