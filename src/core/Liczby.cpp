#include "core/Liczby.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace murolab {

namespace {

constexpr int kCyfryZnaczace = 15;

// 10^0 … 10^27: every one exact in the 64-bit significand of long double (5^27 < 2^64).
constexpr int kNajwiekszaPotega = 27;
constexpr auto kPotegi = [] {
    std::array<long double, kNajwiekszaPotega + 1> p{};
    p[0] = 1;
    for (int k = 1; k <= kNajwiekszaPotega; ++k)
        p[static_cast<std::size_t>(k)] = p[static_cast<std::size_t>(k - 1)] * 10;
    return p;
}();

// A finite non-zero value as its 15-significant-digit decimal form: value = 0.cyfry * 10^wykladnik
// (so wykladnik is the number of digits before the separator). Zero has no digits.
struct TPostacDziesietna {
    bool Ujemna = false;
    std::string Cyfry;
    int Wykladnik = 0;
};

TPostacDziesietna Rozloz(double wartosc) {
    TPostacDziesietna p;
    if (wartosc == 0)
        return p;
    p.Ujemna = std::signbit(wartosc);
    std::uint64_t cyfry = 0;
    if (Cyfry15Szybko(std::fabs(wartosc), cyfry, p.Wykladnik)) {
        char bufor[24];
        p.Cyfry.assign(bufor, std::to_chars(bufor, bufor + sizeof bufor, cyfry).ptr);
        return p;
    }
    // to_chars is locale-independent (printf follows LC_NUMERIC, which Qt sets from the machine).
    char bufor[64];
    const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, std::fabs(wartosc),
                                     std::chars_format::scientific, kCyfryZnaczace - 1);
    const std::string_view tekst(bufor, static_cast<std::size_t>(wynik.ptr - bufor)); // "d.ddddde+XX"
    const auto e = tekst.find('e');
    p.Cyfry += tekst[0];
    p.Cyfry += tekst.substr(2, e - 2);
    int wykladnik = 0;
    std::from_chars(tekst.data() + e + 1 + (tekst[e + 1] == '+' ? 1 : 0), tekst.data() + tekst.size(),
                    wykladnik);
    p.Wykladnik = wykladnik + 1;
    return p;
}

// The first `cyfry` significant digits of a finite non-zero value, cut (not rounded): never larger
// in magnitude than the value itself.
TPostacDziesietna RozlozObcinajac(double wartosc, int cyfry) {
    TPostacDziesietna p;
    p.Ujemna = std::signbit(wartosc);
    // 40 digits after the first are more than a double's exact expansion needs to be cut right.
    char bufor[128];
    const auto wynik =
        std::to_chars(bufor, bufor + sizeof bufor, std::fabs(wartosc), std::chars_format::scientific, 40);
    const std::string_view tekst(bufor, static_cast<std::size_t>(wynik.ptr - bufor));
    const auto e = tekst.find('e');
    p.Cyfry += tekst[0];
    p.Cyfry += tekst.substr(2, static_cast<std::size_t>(std::max(cyfry - 1, 0)));
    int wykladnik = 0;
    std::from_chars(tekst.data() + e + 1 + (tekst[e + 1] == '+' ? 1 : 0), tekst.data() + tekst.size(),
                    wykladnik);
    p.Wykladnik = wykladnik + 1;
    return p;
}

// Rounding to nearest can carry the value past the largest double ("1,79769313486232E308" from
// the largest itself); such a text would not read back. Near the top of the range the notations
// therefore cut toward zero.
bool PozaZakresem(const TPostacDziesietna& p) {
    // Below 10^308 no rounding of the digits can reach the largest double (about 1,8·10^308).
    if (p.Cyfry.empty() || p.Wykladnik < 309)
        return false;
    const std::string zapis = "0." + p.Cyfry + "e" + std::to_string(p.Wykladnik);
    double x = 0;
    const auto wynik = std::from_chars(zapis.data(), zapis.data() + zapis.size(), x);
    return wynik.ec == std::errc::result_out_of_range && p.Wykladnik > 0;
}

void UsunZeraKoncowe(TPostacDziesietna& p) {
    while (!p.Cyfry.empty() && p.Cyfry.back() == '0')
        p.Cyfry.pop_back();
}

// Keeps the first `zostaw` digits, rounding half away from zero on the decimal digits (not on the
// binary value: 2.675 is "2.67500000000000" here and rounds up, as the user reads it).
void Zaokraglij(TPostacDziesietna& p, int zostaw) {
    if (p.Cyfry.empty())
        return;
    if (zostaw < 0) {
        p.Cyfry.clear();
        return;
    }
    if (zostaw >= static_cast<int>(p.Cyfry.size()))
        return;
    const bool wGore = p.Cyfry[static_cast<std::size_t>(zostaw)] >= '5';
    p.Cyfry.resize(static_cast<std::size_t>(zostaw));
    if (wGore) {
        int k = zostaw - 1;
        while (k >= 0 && p.Cyfry[static_cast<std::size_t>(k)] == '9') {
            p.Cyfry[static_cast<std::size_t>(k)] = '0';
            --k;
        }
        if (k >= 0) {
            ++p.Cyfry[static_cast<std::size_t>(k)];
        } else {
            p.Cyfry.insert(p.Cyfry.begin(), '1');
            ++p.Wykladnik;
        }
    }
    UsunZeraKoncowe(p);
}

std::string NieSkonczona(double wartosc) {
    if (std::isnan(wartosc))
        return "NAN";
    return wartosc < 0 ? "-INF" : "INF";
}

// "1,235E5", "1E-6": the mantissa without trailing zeros, the exponent without '+' or leading zeros.
std::string Wykladnicza(const TPostacDziesietna& p) {
    std::string s = p.Ujemna ? "-" : "";
    s += p.Cyfry[0];
    if (p.Cyfry.size() > 1) {
        s += ',';
        s.append(p.Cyfry, 1);
    }
    s += 'E';
    s += std::to_string(p.Wykladnik - 1);
    return s;
}

char CyfraNa(const TPostacDziesietna& p, int pozycja) {
    return pozycja >= 0 && pozycja < static_cast<int>(p.Cyfry.size())
               ? p.Cyfry[static_cast<std::size_t>(pozycja)]
               : '0';
}

std::string BladLiczby(std::string_view tekst) {
    return "„" + std::string(tekst) + "” nie jest poprawną liczbą rzeczywistą";
}

std::string BladCalkowitej(std::string_view tekst) {
    return "„" + std::string(tekst) + "” nie jest poprawną liczbą całkowitą";
}

bool Cyfra(char c) {
    return c >= '0' && c <= '9';
}

// Leading blanks and an optional sign, from tekst[i] on; true for a minus.
bool CzytajPoczatek(std::string_view tekst, std::size_t& i) {
    while (i < tekst.size() && tekst[i] == ' ')
        ++i;
    if (i < tekst.size() && (tekst[i] == '+' || tekst[i] == '-'))
        return tekst[i++] == '-';
    return false;
}

} // namespace

bool Cyfry15Szybko(double a, std::uint64_t& cyfry, int& wykladnik) {
    if (!(a > 0) || !std::isfinite(a))
        return false;
    // a * 10^k (or a / 10^-k) in long double: one rounding of 2^-64 relative, under 6e-5 absolute
    // below 10^15. Away from half a unit by more than that, rounding it to an integer rounds a itself.
    int e = static_cast<int>(std::floor(std::log10(a)));
    for (int proba = 0; proba < 2; ++proba) {
        const int k = kCyfryZnaczace - 1 - e;
        if (k > kNajwiekszaPotega || -k > kNajwiekszaPotega)
            return false;
        const long double p = k >= 0 ? static_cast<long double>(a) * kPotegi[static_cast<std::size_t>(k)]
                                     : static_cast<long double>(a) / kPotegi[static_cast<std::size_t>(-k)];
        // log10 may miss by one next to a power of ten: then the scale is set again.
        if (p < 1e14L) {
            --e;
            continue;
        }
        if (p >= 1e15L) {
            ++e;
            continue;
        }
        const long double calosc = std::floor(p);
        const long double reszta = p - calosc;
        if (std::fabs(reszta - 0.5L) < 1e-3L)
            return false;
        cyfry = static_cast<std::uint64_t>(calosc) + (reszta > 0.5L ? 1 : 0);
        wykladnik = e + 1;
        if (cyfry == 1000000000000000ULL) {
            cyfry = 100000000000000ULL;
            ++wykladnik;
        }
        return true;
    }
    return false;
}

std::string Ogolny(double wartosc) {
    if (!std::isfinite(wartosc))
        return NieSkonczona(wartosc);
    TPostacDziesietna p = Rozloz(wartosc);
    if (PozaZakresem(p))
        p = RozlozObcinajac(wartosc, kCyfryZnaczace);
    UsunZeraKoncowe(p);
    if (p.Cyfry.empty())
        return "0";
    // Plain notation from 0.00001 up to 15 digits before the separator.
    if (p.Wykladnik > kCyfryZnaczace || p.Wykladnik < -4)
        return Wykladnicza(p);
    std::string s = p.Ujemna ? "-" : "";
    const int ile = static_cast<int>(p.Cyfry.size());
    if (p.Wykladnik <= 0) {
        s += "0,";
        s.append(static_cast<std::size_t>(-p.Wykladnik), '0');
        s += p.Cyfry;
        return s;
    }
    for (int k = 0; k < p.Wykladnik; ++k)
        s += CyfraNa(p, k);
    if (ile > p.Wykladnik) {
        s += ',';
        s.append(p.Cyfry, static_cast<std::size_t>(p.Wykladnik));
    }
    return s;
}

std::string Staly(double wartosc, int p, int d) {
    if (!std::isfinite(wartosc))
        return NieSkonczona(wartosc);
    p = std::clamp(p, 1, kCyfryZnaczace);
    d = std::max(d, 0);
    TPostacDziesietna postac = Rozloz(wartosc);
    if (!postac.Cyfry.empty()) {
        // Round where the digit budget runs out first: p significant digits or d decimals.
        const int zostaw = std::min(p, postac.Wykladnik + d);
        Zaokraglij(postac, zostaw);
        if (PozaZakresem(postac)) {
            postac = RozlozObcinajac(wartosc, std::min(zostaw, kCyfryZnaczace));
            UsunZeraKoncowe(postac);
        }
    }
    if (postac.Cyfry.empty()) {
        // Rounded to nothing: written as an unsigned zero ("0,0", never "-0,0").
        std::string s = "0";
        if (d > 0) {
            s += ',';
            s.append(static_cast<std::size_t>(d), '0');
        }
        return s;
    }
    if (postac.Wykladnik > p)
        return Wykladnicza(postac);
    std::string s = postac.Ujemna ? "-" : "";
    if (postac.Wykladnik <= 0) {
        s += '0';
    } else {
        for (int k = 0; k < postac.Wykladnik; ++k)
            s += CyfraNa(postac, k);
    }
    if (d > 0) {
        s += ',';
        for (int k = 0; k < d; ++k)
            s += CyfraNa(postac, postac.Wykladnik + k);
    }
    return s;
}

bool ProbujNaLiczbe(std::string_view tekst, double& wynik) {
    std::size_t i = 0;
    const std::size_t n = tekst.size();
    const bool ujemna = CzytajPoczatek(tekst, i);
    const std::size_t poczCalk = i;
    while (i < n && Cyfra(tekst[i]))
        ++i;
    const std::string_view calkowita = tekst.substr(poczCalk, i - poczCalk);
    std::string_view ulamek;
    if (i < n && tekst[i] == ',') {
        ++i;
        const std::size_t poczUl = i;
        while (i < n && Cyfra(tekst[i]))
            ++i;
        ulamek = tekst.substr(poczUl, i - poczUl);
    }
    if (calkowita.empty() && ulamek.empty())
        return false;
    std::string wykladnik;
    if (i < n && (tekst[i] == 'e' || tekst[i] == 'E')) {
        ++i;
        if (i < n && (tekst[i] == '+' || tekst[i] == '-'))
            wykladnik += tekst[i++];
        const std::size_t poczW = i;
        while (i < n && Cyfra(tekst[i]))
            wykladnik += tekst[i++];
        if (i == poczW)
            return false;
    }
    while (i < n && tekst[i] == ' ')
        ++i;
    if (i != n)
        return false;

    // The syntax is checked above; from_chars only does the exact conversion.
    std::string zapis = calkowita.empty() ? std::string("0") : std::string(calkowita);
    zapis += '.';
    zapis += ulamek.empty() ? std::string_view("0") : ulamek;
    if (!wykladnik.empty())
        zapis += "e" + wykladnik;
    double w = 0;
    const auto [koniec, blad] = std::from_chars(zapis.data(), zapis.data() + zapis.size(), w);
    if (blad == std::errc::result_out_of_range) {
        // Underflow reads as zero, overflow is refused.
        bool samaZera = true;
        for (char c : std::string(calkowita) + std::string(ulamek))
            samaZera = samaZera && c == '0';
        const bool ujemnyWykladnik = !wykladnik.empty() && wykladnik[0] == '-';
        if (!samaZera && !ujemnyWykladnik)
            return false;
        w = 0;
    } else if (blad != std::errc() || koniec != zapis.data() + zapis.size()) {
        return false;
    }
    if (!std::isfinite(w))
        return false;
    wynik = ujemna ? -w : w;
    return true;
}

double NaLiczbe(std::string_view tekst) {
    double wynik = 0;
    if (!ProbujNaLiczbe(tekst, wynik))
        throw BladKonwersji(BladLiczby(tekst));
    return wynik;
}

bool ProbujNaCalkowita(std::string_view tekst, std::int32_t& wynik) {
    std::size_t i = 0;
    const std::size_t n = tekst.size();
    const bool ujemna = CzytajPoczatek(tekst, i);
    if (i == n)
        return false;
    std::int64_t w = 0;
    for (; i < n; ++i) {
        if (!Cyfra(tekst[i]))
            return false;
        w = w * 10 + (tekst[i] - '0');
        if (w > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            return false;
    }
    if (ujemna)
        w = -w;
    if (w < std::numeric_limits<std::int32_t>::min() || w > std::numeric_limits<std::int32_t>::max())
        return false;
    wynik = static_cast<std::int32_t>(w);
    return true;
}

std::int32_t NaCalkowita(std::string_view tekst) {
    std::int32_t wynik = 0;
    if (!ProbujNaCalkowita(tekst, wynik))
        throw BladKonwersji(BladCalkowitej(tekst));
    return wynik;
}

std::string Calkowita(std::int64_t wartosc) {
    return std::to_string(wartosc);
}

} // namespace murolab
