#include "core/Klimat.h"

#include "core/KrotkiTekst.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace murolab {

namespace {

std::string_view Przytnij(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// A number with a decimal comma or point; nothing else in the field (no "nan", no grouping).
std::optional<double> Liczba(std::string_view pole) {
    std::string t(Przytnij(pole));
    if (t.empty())
        return std::nullopt;
    for (char& c : t) {
        if (c == ',')
            c = '.';
        else if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+'))
            return std::nullopt;
    }
    const char* poczatek = t.data();
    if (*poczatek == '+')
        ++poczatek;
    double v = 0;
    const auto [koniec, blad] = std::from_chars(poczatek, t.data() + t.size(), v);
    if (blad != std::errc() || koniec != t.data() + t.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::vector<std::string_view> Pola(std::string_view linia) {
    std::vector<std::string_view> pola;
    for (;;) {
        const auto i = linia.find(';');
        pola.push_back(linia.substr(0, i));
        if (i == std::string_view::npos)
            return pola;
        linia.remove_prefix(i + 1);
    }
}

} // namespace

TWynik<TKlimat> CzytajKlimat(std::string_view tekst, std::string_view zrodlo) {
    TKlimat klimat;
    std::array<int, kLiczbaMiesiecy> wierszMiesiaca{};
    bool byloNaglowka = false;
    bool bylaNazwa = false;
    int nr = 0;
    const std::string przedrostek = "Plik klimatu „" + std::string(zrodlo) + "”";
    if (tekst.substr(0, 3) == "\xEF\xBB\xBF")
        tekst.remove_prefix(3);
    while (!tekst.empty()) {
        const auto koniec = tekst.find('\n');
        const std::string_view linia = Przytnij(tekst.substr(0, koniec));
        tekst.remove_prefix(koniec == std::string_view::npos ? tekst.size() : koniec + 1);
        ++nr;
        const std::string gdzie = przedrostek + ", wiersz " + std::to_string(nr) + ": ";
        if (linia.empty())
            continue;
        if (linia.front() == '#') {
            if (!bylaNazwa && !byloNaglowka)
                klimat.Nazwa = std::string(Przytnij(linia.substr(1)));
            bylaNazwa = true;
            continue;
        }
        if (!byloNaglowka) {
            byloNaglowka = true;
            continue;
        }
        const auto pola = Pola(linia);
        if (pola.size() < 3)
            return TBladWyniku{gdzie + "oczekiwano trzech pól „miesiąc;temp;wilgotnosc”."};
        const auto miesiac = Liczba(pola[0]);
        if (!miesiac || *miesiac != std::floor(*miesiac) || *miesiac < 1 || *miesiac > kLiczbaMiesiecy)
            return TBladWyniku{gdzie + "numer miesiąca „" + std::string(Przytnij(pola[0])) +
                               "” nie jest liczbą od 1 do 12."};
        const auto m = static_cast<std::size_t>(*miesiac) - 1;
        if (wierszMiesiaca[m] != 0)
            return TBladWyniku{gdzie + "miesiąc " + std::to_string(m + 1) +
                               " powtórzony (był już w wierszu " + std::to_string(wierszMiesiaca[m]) + ")."};
        const auto temp = Liczba(pola[1]);
        if (!temp)
            return TBladWyniku{gdzie + "temperatura „" + std::string(Przytnij(pola[1])) +
                               "” nie jest liczbą."};
        if (*temp < -50 || *temp > 50)
            return TBladWyniku{gdzie + "temperatura " + std::string(Przytnij(pola[1])) +
                               " °C poza zakresem −50…+50 °C."};
        const auto wilgot = Liczba(pola[2]);
        if (!wilgot)
            return TBladWyniku{gdzie + "wilgotność „" + std::string(Przytnij(pola[2])) +
                               "” nie jest liczbą."};
        if (*wilgot < 1 || *wilgot > 100)
            return TBladWyniku{gdzie + "wilgotność " + std::string(Przytnij(pola[2])) +
                               " % poza zakresem 1…100 %."};
        wierszMiesiaca[m] = nr;
        klimat.Miesiace[m] = {*temp, *wilgot};
    }
    for (std::size_t m = 0; m < kLiczbaMiesiecy; ++m)
        if (wierszMiesiaca[m] == 0)
            return TBladWyniku{przedrostek + ": brak miesiąca " + std::to_string(m + 1) + " (plik ma " +
                               std::to_string(nr) + " " +
                               std::string(Odmiana(nr, "wiersz", "wiersze", "wierszy")) + ")."};
    return klimat;
}

} // namespace murolab
