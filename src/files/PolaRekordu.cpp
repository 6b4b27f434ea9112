#include "files/PolaRekordu.h"

#include "core/Liczby.h"
#include "core/Sprawdzenia.h"

#include <bit>
#include <cmath>
#include <stdexcept>

namespace murolab {

namespace {

void ZapiszI32(std::uint8_t* p, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int b = 0; b < 4; ++b)
        p[b] = static_cast<std::uint8_t>(u >> (8 * b));
}

void ZapiszF64(std::uint8_t* p, double v) {
    const auto u = std::bit_cast<std::uint64_t>(v);
    for (int b = 0; b < 8; ++b)
        p[b] = static_cast<std::uint8_t>(u >> (8 * b));
}

std::int32_t CzytajI32(const std::uint8_t* p) {
    std::uint32_t u = 0;
    for (int b = 3; b >= 0; --b)
        u = (u << 8) | p[b];
    return static_cast<std::int32_t>(u);
}

double CzytajF64(const std::uint8_t* p) {
    std::uint64_t u = 0;
    for (int b = 7; b >= 0; --b)
        u = (u << 8) | p[b];
    return std::bit_cast<double>(u);
}

template <typename W> void Zapisz(const TPoleRekordu<W>& p, const W& w, std::uint8_t* obraz) {
    std::uint8_t* miejsce = obraz + p.Przesuniecie;
    std::visit(
        [&](auto wskaznik) {
            using T = std::remove_cvref_t<decltype(w.*wskaznik)>;
            if constexpr (std::is_same_v<T, std::int32_t>)
                ZapiszI32(miejsce, w.*wskaznik);
            else if constexpr (std::is_same_v<T, double>)
                ZapiszF64(miejsce, w.*wskaznik);
            else
                (w.*wskaznik).ZapiszObraz(miejsce);
        },
        p.Miejsce);
}

template <typename W> void Czytaj(const TPoleRekordu<W>& p, W& w, const std::uint8_t* obraz) {
    const std::uint8_t* miejsce = obraz + p.Przesuniecie;
    std::visit(
        [&](auto wskaznik) {
            using T = std::remove_cvref_t<decltype(w.*wskaznik)>;
            if constexpr (std::is_same_v<T, std::int32_t>)
                w.*wskaznik = CzytajI32(miejsce);
            else if constexpr (std::is_same_v<T, double>)
                w.*wskaznik = CzytajF64(miejsce);
            else
                (w.*wskaznik).UstawObraz(miejsce);
        },
        p.Miejsce);
}

template <typename W> TBlad BladLiczbyPola(const TPoleRekordu<W>& p, const W& w, std::string_view ktora) {
    const auto* wskaznik = std::get_if<double W::*>(&p.Miejsce);
    if (!wskaznik || std::isfinite(w.**wskaznik))
        return std::nullopt;
    return "Plik projektu jest uszkodzony: pole " + std::string(p.Nazwa) + std::string(ktora) +
           " nie zawiera poprawnej liczby.";
}

// A text as the message shows it: control characters as their codes, so that the message itself
// stays one readable line.
std::string TekstDoKomunikatu(std::string_view utf8) {
    std::string s = "„";
    for (char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F)
            s += "\\x" + std::string(1, "0123456789ABCDEF"[b >> 4]) + "0123456789ABCDEF"[b & 0xF];
        else
            s += c;
    }
    return s + "”";
}

template <typename W> TBlad BladWartosciPola(const TPoleRekordu<W>& p, const W& w, std::string_view ktora) {
    // Every field of every file opened passes here: the value is put into words only for a message.
    std::optional<std::string> wartosc;
    std::visit(
        [&](auto wskaznik) {
            using T = std::remove_cvref_t<decltype(w.*wskaznik)>;
            if constexpr (std::is_same_v<T, std::int32_t>) {
                if (!Dopuszczalna(p.Dopuszczalne, w.*wskaznik))
                    wartosc = Calkowita(w.*wskaznik);
            } else if constexpr (std::is_same_v<T, double>) {
                if (!Dopuszczalna(p.Dopuszczalne, w.*wskaznik))
                    wartosc = Ogolny(w.*wskaznik);
            } else if (p.Dopuszczalne.Tekst) {
                std::string utf8 = (w.*wskaznik).Utf8();
                if (!p.Dopuszczalne.Tekst(utf8))
                    wartosc = TekstDoKomunikatu(utf8);
            }
        },
        p.Miejsce);
    if (!wartosc)
        return std::nullopt;
    return "Plik projektu zawiera niedozwoloną wartość: " + std::string(p.Opis) + std::string(ktora) +
           " (pole " + std::string(p.Nazwa) + ") = " + *wartosc +
           "; dozwolone: " + OpisDopuszczalnych(p.Nazwa, p.Dopuszczalne) + ".";
}

template <typename W> TWartoscJson Json(const TPoleRekordu<W>& p, const W& w) {
    return std::visit(
        [&](auto wskaznik) -> TWartoscJson {
            using T = std::remove_cvref_t<decltype(w.*wskaznik)>;
            if constexpr (std::is_same_v<T, std::int32_t> || std::is_same_v<T, double>)
                return TWartoscJson(static_cast<double>(w.*wskaznik));
            else
                return TWartoscJson((w.*wskaznik).Utf8());
        },
        p.Miejsce);
}

// Integer fields show their exclusive bounds as the inclusive ones next to them: "1 ≤ x ≤ 99".
bool CalkowitePole(std::string_view nazwa) {
    for (const auto& p : kPolaWarunkow)
        if (p.Nazwa == nazwa)
            return std::holds_alternative<std::int32_t TWarunkiPracy::*>(p.Miejsce);
    return nazwa == "LiczbaWarstw";
}

} // namespace

bool TekstBezZnakowSterujacych(std::string_view utf8) {
    for (char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F)
            return false;
    }
    return true;
}

const TPoleWarstwyRozszerzenia& PoleWarstwyRozszerzenia(std::string_view nazwa) {
    for (const auto& p : kPolaWarstwyRozszerzenia)
        if (p.Nazwa == nazwa)
            return p;
    throw std::out_of_range("Nieznana wartość warstwy: " + std::string(nazwa));
}

const TPoleWarunkow& PoleWarunkow(std::string_view nazwa) {
    for (const auto& p : kPolaWarunkow)
        if (p.Nazwa == nazwa)
            return p;
    throw std::out_of_range("Nieznane pole warunków pracy: " + std::string(nazwa));
}

const TDopuszczalne& GraniceWarstwy(std::string_view nazwa) {
    const auto zakres = [](const TGraniceWarstwy& g) {
        return pola_detail::Zakres(std::nullopt, g.Od, true, g.Do, true);
    };
    static const TDopuszczalne kLambda = zakres(kGraniceLambdy);
    static const TDopuszczalne kMi = zakres(kGraniceMi);
    static const TDopuszczalne kGrubosc = zakres(kGraniceGrubosci);
    if (nazwa == "Lambda")
        return kLambda;
    if (nazwa == "Mi")
        return kMi;
    if (nazwa == "Grubosc")
        return kGrubosc;
    throw std::out_of_range("Nieznane pole warstwy: " + std::string(nazwa));
}

bool WZakresie(const TDopuszczalne& d, double x) {
    if (d.MaZakres) {
        const bool odDobre = d.OdWlacznie ? x >= d.Od : x > d.Od;
        const bool doDobre = d.DoWlacznie ? x <= d.Do : x < d.Do;
        if (odDobre && doDobre)
            return true;
    }
    for (int k = 0; k < d.LiczbaWartosci; ++k)
        if (x == d.Wartosci[static_cast<std::size_t>(k)])
            return true;
    return false;
}

bool Dopuszczalna(const TDopuszczalne& d, double x) {
    return (d.Nieustalona && x == *d.Nieustalona) || WZakresie(d, x);
}

std::string OpisDopuszczalnych(std::string_view nazwa, const TDopuszczalne& d) {
    if (d.Tekst)
        return std::string(d.OpisTekstu);
    std::vector<std::string> czesci;
    if (d.Nieustalona)
        czesci.push_back(Ogolny(*d.Nieustalona) + " (nie ustalono)");
    if (d.MaZakres) {
        const bool calkowite = CalkowitePole(nazwa);
        std::string s;
        double od = d.Od, do_ = d.Do;
        bool odWlacznie = d.OdWlacznie, doWlacznie = d.DoWlacznie;
        if (calkowite) {
            if (!odWlacznie && std::isfinite(od)) {
                od += 1;
                odWlacznie = true;
            }
            if (!doWlacznie && std::isfinite(do_)) {
                do_ -= 1;
                doWlacznie = true;
            }
        }
        if (std::isfinite(od))
            s += Ogolny(od) + (odWlacznie ? " ≤ " : " < ");
        s += std::string(nazwa);
        if (std::isfinite(do_))
            s += (doWlacznie ? " ≤ " : " < ") + Ogolny(do_);
        czesci.push_back(s);
    }
    for (int k = 0; k < d.LiczbaWartosci; ++k)
        czesci.push_back(Ogolny(d.Wartosci[static_cast<std::size_t>(k)]));
    // Joined with semicolons, as the numbers carry decimal commas.
    std::string wynik;
    for (std::size_t k = 0; k < czesci.size(); ++k) {
        if (k > 0)
            wynik += k + 1 == czesci.size() ? " albo " : "; ";
        wynik += czesci[k];
    }
    return wynik;
}

void ZapiszPole(const TPoleWarstwy& p, const TWarstwa& w, std::uint8_t* obraz) {
    Zapisz(p, w, obraz);
}
void ZapiszPole(const TPoleWarunkow& p, const TWarunkiPracy& w, std::uint8_t* obraz) {
    Zapisz(p, w, obraz);
}
void CzytajPole(const TPoleWarstwy& p, TWarstwa& w, const std::uint8_t* obraz) {
    Czytaj(p, w, obraz);
}
void CzytajPole(const TPoleWarunkow& p, TWarunkiPracy& w, const std::uint8_t* obraz) {
    Czytaj(p, w, obraz);
}
TBlad BladLiczby(const TPoleWarstwy& p, const TWarstwa& w, std::string_view ktora) {
    return BladLiczbyPola(p, w, ktora);
}
TBlad BladLiczby(const TPoleWarunkow& p, const TWarunkiPracy& w, std::string_view ktora) {
    return BladLiczbyPola(p, w, ktora);
}
TBlad BladWartosci(const TPoleWarstwy& p, const TWarstwa& w, std::string_view ktora) {
    return BladWartosciPola(p, w, ktora);
}
TBlad BladWartosci(const TPoleWarunkow& p, const TWarunkiPracy& w, std::string_view ktora) {
    return BladWartosciPola(p, w, ktora);
}
TWartoscJson WartoscJson(const TPoleWarstwy& p, const TWarstwa& w) {
    return Json(p, w);
}
TWartoscJson WartoscJson(const TPoleWarunkow& p, const TWarunkiPracy& w) {
    return Json(p, w);
}

} // namespace murolab
