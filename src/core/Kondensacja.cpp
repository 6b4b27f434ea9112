#include "core/Kondensacja.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace murolab {

namespace {

constexpr double kSekundDoby = 86400;
constexpr double kCisnienieTrojne = 610.5; // Pa at 0 degC

struct TPunkt {
    int Styk;
    double X; // s', m
    double Y; // Pa
};

// Twice the signed area of o-a-b; positive for a left turn (the lower hull's convex side), zero
// within rounding for a point on the chord o-b.
bool LewyZakret(const TPunkt& o, const TPunkt& a, const TPunkt& b) {
    const double l = (a.X - o.X) * (b.Y - o.Y);
    const double r = (a.Y - o.Y) * (b.X - o.X);
    return l - r > 1e-12 * (std::abs(l) + std::abs(r));
}

// The lower convex hull from `a` to `b` (both kept) over the points between them, in order of s'.
// A point at the s' of an end point, or above a lower one at its own s', is never a vertex.
void Otoczka(const std::vector<TPunkt>& punkty, std::size_t a, std::size_t b, std::vector<TPunkt>& linia) {
    std::vector<TPunkt> lancuch;
    lancuch.reserve(b - a + 1);
    lancuch.push_back(punkty[a]);
    for (std::size_t i = a + 1; i < b; ++i) {
        const TPunkt& q = punkty[i];
        if (q.X <= punkty[a].X || q.X >= punkty[b].X)
            continue;
        if (lancuch.size() > 1 && lancuch.back().X == q.X) {
            if (q.Y >= lancuch.back().Y)
                continue;
            lancuch.pop_back();
        }
        while (lancuch.size() >= 2 && !LewyZakret(lancuch[lancuch.size() - 2], lancuch.back(), q))
            lancuch.pop_back();
        lancuch.push_back(q);
    }
    while (lancuch.size() >= 2 && !LewyZakret(lancuch[lancuch.size() - 2], lancuch.back(), punkty[b]))
        lancuch.pop_back();
    // The segment's first point is already the previous segment's last.
    linia.insert(linia.end(), lancuch.begin() + (linia.empty() ? 0 : 1), lancuch.end());
    linia.push_back(punkty[b]);
}

double Nachylenie(const TPunkt& a, const TPunkt& b) {
    return b.X > a.X ? (b.Y - a.Y) / (b.X - a.X) : 0.0;
}

} // namespace

double CisnienieNasyceniaWzor(double t) {
    if (t >= 0)
        return kCisnienieTrojne * std::exp(17.269 * t / (237.3 + t));
    return kCisnienieTrojne * std::exp(21.875 * t / (265.5 + t));
}

double TemperaturaNasycenia(double cisnienie) {
    if (!(cisnienie > 0))
        return std::numeric_limits<double>::quiet_NaN();
    const double l = std::log(cisnienie / kCisnienieTrojne);
    if (cisnienie >= kCisnienieTrojne)
        return 237.3 * l / (17.269 - l);
    return 265.5 * l / (21.875 - l);
}

TPrzegrodaDyfuzji PrzegrodaDyfuzji(const TModelProjektu& model) {
    TPrzegrodaDyfuzji p;
    const int n = std::clamp(model.LiczbaWarstw, 0, kLiczbaSlotow);
    for (int k = 1; k <= n; ++k) {
        const TWarstwa& w = model.Warstwy[k];
        p.Warstwy.push_back({w.Grubosc, w.Lambda, w.Mi});
    }
    p.Rsi = model.WarunkiPracy.Rsi;
    p.Rse = model.WarunkiPracy.Rse;
    return p;
}

TStanDyfuzji StanDyfuzji(const TPrzegrodaDyfuzji& p, const TWarunkiDyfuzji& w,
                         const std::vector<bool>& mokre) {
    const int n = static_cast<int>(p.Warstwy.size());
    const auto rozmiar = static_cast<std::size_t>(n + 1);
    TStanDyfuzji s;
    s.Temp.resize(rozmiar);
    s.SdNarast.resize(rozmiar);
    s.CisNasy.resize(rozmiar);
    s.CisCzast.resize(rozmiar);

    double sumaR = p.Rsi + p.Rse;
    for (const auto& warstwa : p.Warstwy)
        sumaR += warstwa.Grubosc / warstwa.Lambda;
    double narastR = p.Rsi;
    for (int j = 0; j <= n; ++j) {
        if (j > 0)
            narastR += p.Warstwy[static_cast<std::size_t>(j - 1)].Grubosc /
                       p.Warstwy[static_cast<std::size_t>(j - 1)].Lambda;
        s.Temp[static_cast<std::size_t>(j)] = w.TempWewn - (w.TempWewn - w.TempZewn) * narastR / sumaR;
        s.CisNasy[static_cast<std::size_t>(j)] = CisnienieNasyceniaWzor(s.Temp[static_cast<std::size_t>(j)]);
    }
    s.SdNarast[rozmiar - 1] = 0;
    for (int j = n - 1; j >= 0; --j) {
        const auto& warstwa = p.Warstwy[static_cast<std::size_t>(j)];
        s.SdNarast[static_cast<std::size_t>(j)] =
            s.SdNarast[static_cast<std::size_t>(j + 1)] + warstwa.Mi * warstwa.Grubosc;
    }

    // The points in order of s' (outer surface first); the surfaces carry the air's pressures.
    // (Reserved once: this runs for every month of every year checked.)
    std::vector<TPunkt> punkty;
    punkty.reserve(static_cast<std::size_t>(n) + 1);
    for (int j = n; j >= 0; --j) {
        const auto u = static_cast<std::size_t>(j);
        const double y = j == 0 ? w.CisWewn : j == n ? w.CisZewn : s.CisNasy[u];
        punkty.push_back({j, s.SdNarast[u], y});
    }

    // Wet planes pin the line: the hull is built separately between consecutive fixed points.
    std::vector<std::size_t> stale{0};
    for (std::size_t i = 1; i + 1 < punkty.size(); ++i) {
        const auto j = static_cast<std::size_t>(punkty[i].Styk);
        if (j < mokre.size() && mokre[j] && punkty[i].X > punkty[stale.back()].X)
            stale.push_back(i);
    }
    if (punkty.size() > 1) {
        if (punkty[stale.back()].X >= punkty.back().X && stale.size() > 1)
            stale.pop_back(); // a wet plane at the inner surface's s' cannot carry its own line
        stale.push_back(punkty.size() - 1);
    }
    std::vector<TPunkt> linia;
    linia.reserve(punkty.size());
    if (punkty.size() == 1)
        linia = punkty;
    for (std::size_t k = 0; k + 1 < stale.size(); ++k)
        Otoczka(punkty, stale[k], stale[k + 1], linia);

    // The line's value at every interface: its vertices exactly, the rest interpolated over s'.
    for (std::size_t v = 0; v + 1 < linia.size(); ++v) {
        const TPunkt& a = linia[v];
        const TPunkt& b = linia[v + 1];
        for (int j = a.Styk; j >= b.Styk; --j) {
            const auto u = static_cast<std::size_t>(j);
            const double x = s.SdNarast[u];
            s.CisCzast[u] = b.X > a.X ? a.Y + (b.Y - a.Y) * (x - a.X) / (b.X - a.X) : std::min(a.Y, b.Y);
        }
        s.CisCzast[static_cast<std::size_t>(a.Styk)] = a.Y;
        s.CisCzast[static_cast<std::size_t>(b.Styk)] = b.Y;
    }
    if (linia.size() == 1)
        s.CisCzast[0] = linia[0].Y;

    // Interior vertices are the planes; the line runs from the outer surface, so walk it backwards
    // to list them from the inner side.
    for (std::size_t v = linia.size() - 1; v >= 2; --v) {
        const TPunkt& b = linia[v]; // inner side
        const TPunkt& c = linia[v - 1];
        const TPunkt& a = linia[v - 2]; // outer side
        const double g = kPrzepuszczalnoscPowietrza * (Nachylenie(c, b) - Nachylenie(a, c));
        s.Plaszczyzny.push_back({c.Styk, s.Temp[static_cast<std::size_t>(c.Styk)], g});
    }
    if (s.Plaszczyzny.empty() && n > 0 && s.SdNarast[0] > 0)
        s.Strumien = kPrzepuszczalnoscPowietrza * (w.CisWewn - w.CisZewn) / s.SdNarast[0];
    return s;
}

std::optional<TWnetrze> WnetrzeZTekstu(std::string_view tekst) {
    if (tekst == "stale")
        return TWnetrze{0};
    if (tekst.size() == 6 && tekst.substr(0, 5) == "klasa" && tekst[5] >= '1' && tekst[5] <= '4')
        return TWnetrze{tekst[5] - '0'};
    return std::nullopt;
}

std::string TekstWnetrza(TWnetrze w) {
    return w.Klasa == 0 ? std::string("stale") : "klasa" + std::to_string(w.Klasa);
}

std::string OpisWnetrza(TWnetrze w) {
    if (w.Klasa == 0)
        return "stałe (ti i φi z warunków pracy)";
    return "klasa wilgotności " + std::to_string(w.Klasa) + " (ti z warunków pracy)";
}

std::string_view KodWerdyktuRocznego(TWerdyktRoczny w) {
    switch (w) {
    case TWerdyktRoczny::Brak:
        return "brak";
    case TWerdyktRoczny::Wysycha:
        return "wysycha";
    case TWerdyktRoczny::Narasta:
        return "narasta";
    }
    return "brak";
}

std::string_view TekstWerdyktuRocznego(TWerdyktRoczny w) {
    switch (w) {
    case TWerdyktRoczny::Brak:
        return "brak kondensacji";
    case TWerdyktRoczny::Wysycha:
        return "kondensacja wysycha w ciągu roku";
    case TWerdyktRoczny::Narasta:
        return "kondensacja narasta z roku na rok";
    }
    return "brak kondensacji";
}

int DniMiesiaca(int miesiac) {
    static constexpr std::array<int, kLiczbaMiesiecy> kDni{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDni.at(static_cast<std::size_t>(miesiac - 1));
}

std::string_view NazwaMiesiaca(int miesiac) {
    static constexpr std::array<std::string_view, kLiczbaMiesiecy> kNazwy{
        "styczeń", "luty",     "marzec",   "kwiecień",    "maj",      "czerwiec",
        "lipiec",  "sierpień", "wrzesień", "październik", "listopad", "grudzień"};
    return kNazwy.at(static_cast<std::size_t>(miesiac - 1));
}

std::string_view WMiesiacu(int miesiac) {
    static constexpr std::array<std::string_view, kLiczbaMiesiecy> kNazwy{
        "w styczniu", "w lutym",    "w marcu",     "w kwietniu",     "w maju",        "w czerwcu",
        "w lipcu",    "w sierpniu", "we wrześniu", "w październiku", "w listopadzie", "w grudniu"};
    return kNazwy.at(static_cast<std::size_t>(miesiac - 1));
}

std::string_view MiesiacaDopelniacz(int miesiac) {
    static constexpr std::array<std::string_view, kLiczbaMiesiecy> kNazwy{
        "stycznia", "lutego",   "marca",    "kwietnia",     "maja",      "czerwca",
        "lipca",    "sierpnia", "września", "października", "listopada", "grudnia"};
    return kNazwy.at(static_cast<std::size_t>(miesiac - 1));
}

TRokKondensacji RokKondensacji(const TPrzegrodaDyfuzji& p, const TKlimat& klimat, TWnetrze wnetrze, double ti,
                               double fiWewn) {
    TRokKondensacji rok;
    std::array<TWarunkiDyfuzji, kLiczbaMiesiecy> warunki{};
    std::array<bool, kLiczbaMiesiecy> skrapla{};
    for (int m = 0; m < kLiczbaMiesiecy; ++m) {
        const auto u = static_cast<std::size_t>(m);
        const TMiesiacKlimatu& mk = klimat.Miesiace[u];
        TWarunkiDyfuzji& w = warunki[u];
        w.TempZewn = mk.Temp;
        w.CisZewn = mk.Wilgot / 100 * CisnienieNasyceniaWzor(mk.Temp);
        w.TempWewn = ti;
        if (wnetrze.Klasa == 0) {
            w.CisWewn = fiWewn / 100 * CisnienieNasyceniaWzor(ti);
        } else {
            const double udzial = std::clamp((20 - mk.Temp) / 20, 0.0, 1.0);
            w.CisWewn = w.CisZewn + 1.10 * 270.0 * wnetrze.Klasa * udzial;
        }
        TMiesiacRoku& mr = rok.Miesiace[u];
        mr.Miesiac = m + 1;
        mr.TempZewn = mk.Temp;
        mr.WilgotZewn = mk.Wilgot;
        mr.CisZewn = w.CisZewn;
        mr.TempWewn = w.TempWewn;
        mr.CisWewn = w.CisWewn;
        if (w.TempWewn - w.TempZewn >= kRoznicaTempFRsi)
            mr.FRsiMin = (TemperaturaNasycenia(w.CisWewn / kWilgotnoscPowierzchni) - w.TempZewn) /
                         (w.TempWewn - w.TempZewn);
        skrapla[u] = !StanDyfuzji(p, w).Plaszczyzny.empty();
    }
    if (std::none_of(skrapla.begin(), skrapla.end(), [](bool b) { return b; }))
        return rok;

    int start = 0;
    for (int m = 0; m < kLiczbaMiesiecy; ++m) {
        if (skrapla[static_cast<std::size_t>(m)] && !skrapla[static_cast<std::size_t>((m + 11) % 12)]) {
            start = m;
            break;
        }
    }
    rok.MiesiacStartu = start + 1;

    const std::size_t styki = p.Warstwy.size() + 1;
    std::vector<bool> mokre(styki, false);
    std::vector<double> ma(styki, 0.0);
    for (int krok = 0; krok < kLiczbaMiesiecy; ++krok) {
        const int m = (start + krok) % kLiczbaMiesiecy;
        const auto u = static_cast<std::size_t>(m);
        const TStanDyfuzji stan = StanDyfuzji(p, warunki[u], mokre);
        const double sekundy = DniMiesiaca(m + 1) * kSekundDoby;
        TMiesiacRoku& mr = rok.Miesiace[u];
        for (const TPlaszczyzna& pl : stan.Plaszczyzny) {
            const auto j = static_cast<std::size_t>(pl.Styk);
            const double ilosc = pl.Strumien * sekundy;
            ma[j] = std::max(0.0, ma[j] + ilosc);
            mr.Plaszczyzny.push_back({pl.Styk, pl.Strumien, ilosc, ma[j]});
        }
        double suma = 0;
        std::size_t najwiecej = 0;
        for (std::size_t j = 0; j < styki; ++j) {
            mokre[j] = ma[j] > 0;
            suma += ma[j];
            if (ma[j] > ma[najwiecej])
                najwiecej = j;
        }
        if (suma > rok.MaMax) {
            rok.MaMax = suma;
            rok.MaMaxMiesiac = m + 1;
            rok.MaMaxStyk = static_cast<int>(najwiecej);
        }
        rok.MaKoniec = suma;
    }
    rok.Werdykt = rok.MaKoniec > 0 ? TWerdyktRoczny::Narasta : TWerdyktRoczny::Wysycha;
    return rok;
}

} // namespace murolab
