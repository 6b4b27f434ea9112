#include "core/Json.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace murolab {

const TWartoscJson* TWartoscJson::Znajdz(std::string_view klucz) const {
    if (!CzyObiekt())
        return nullptr;
    for (const auto& [k, w] : Pola())
        if (k == klucz)
            return &w;
    return nullptr;
}

void TWartoscJson::Ustaw(std::string_view klucz, TWartoscJson wartosc) {
    for (auto& [k, w] : Pola())
        if (k == klucz) {
            w = std::move(wartosc);
            return;
        }
    Pola().emplace_back(std::string(klucz), std::move(wartosc));
}

void TWartoscJson::Usun(std::string_view klucz) {
    auto& pola = Pola();
    pola.erase(std::remove_if(pola.begin(), pola.end(), [&](const auto& p) { return p.first == klucz; }),
               pola.end());
}

// ---- Writing ------------------------------------------------------------------------------------

namespace {

// A number with at most eight decimals (or a whole number) below 10^15 in both cases, as the
// shortest form writes it when that form is the plain decimal one; false sends it to the general path.
bool KrotkiDziesietny(double x, char* bufor, char*& koniec) {
    const double a = std::fabs(x);
    if (!(a >= 1e-5 && a < 1e15))
        return false;
    const int skala = a < 1e7 ? 8 : 0;
    const double y = skala ? a * 1e8 : a;
    // y < 10^15 has a step of at most 1/8, so y + 0.5 is exact and this rounds to the nearest.
    const auto calosc = static_cast<std::int64_t>(y + 0.5);
    // calosc and 10^8 are exact and the division is correctly rounded: this is the double that the
    // text "calosc e-8" reads back as. Any text of at most eight decimals that reads back as x would
    // give the same calosc, and below 10^15 no other text of as many digits lies within half a unit.
    if ((skala ? static_cast<double>(calosc) / 1e8 : static_cast<double>(calosc)) != a)
        return false;
    char cyfry[24];
    const auto r = std::to_chars(cyfry, cyfry + sizeof cyfry, calosc);
    int d = static_cast<int>(r.ptr - cyfry);
    int k = skala;
    while (k > 0 && cyfry[d - 1] == '0') {
        --d;
        --k;
    }
    int znaczace = d;
    while (znaczace > 1 && cyfry[znaczace - 1] == '0')
        --znaczace;
    // The general writer takes the exponent form ("1e-05", "1.5e+07") when it is shorter.
    const int stala = k == 0 ? d : std::max(d, k + 1) + 1;
    const int wykladnicza = znaczace + (znaczace > 1 ? 1 : 0) + 4;
    if (stala > wykladnicza)
        return false;
    char* p = bufor;
    if (x < 0)
        *p++ = '-';
    if (k == 0) {
        p = std::copy(cyfry, cyfry + d, p);
    } else if (d <= k) {
        *p++ = '0';
        *p++ = '.';
        p = std::fill_n(p, k - d, '0');
        p = std::copy(cyfry, cyfry + d, p);
    } else {
        p = std::copy(cyfry, cyfry + d - k, p);
        *p++ = '.';
        p = std::copy(cyfry + d - k, cyfry + d, p);
    }
    koniec = p;
    return true;
}

void DopiszLiczbe(double x, std::string& s) {
    if (!std::isfinite(x)) {
        s += "null";
        return;
    }
    char bufor[64];
    // Whole numbers of up to five digits (counts, temperatures, humidities) are the most common and
    // the shortest form of one is its plain integer: an exponent form ("1e+05") is never shorter.
    // Negative zero stays with the general path, which writes it as "-0".
    if (std::fabs(x) < 1e5 && x == std::trunc(x) && !(x == 0 && std::signbit(x))) {
        const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, static_cast<int>(x));
        s.append(bufor, wynik.ptr);
        return;
    }
    // Most measured inputs (thicknesses, conductivities, pressures to a tenth of a pascal) have a
    // few decimals; their text needs no search of the shortest form.
    char* koniec = nullptr;
    if (KrotkiDziesietny(x, bufor, koniec)) {
        s.append(bufor, koniec);
        return;
    }
    // to_chars without a precision gives the shortest text that reads back exactly, and ignores
    // the locale (printf would write a comma under a Polish LC_NUMERIC).
    const auto wynik = std::to_chars(bufor, bufor + sizeof bufor, x);
    s.append(bufor, wynik.ptr);
}

// The length of the well-formed UTF-8 sequence that starts at t[i] (no overlong form, no
// surrogate, nothing past U+10FFFF), or 0 when the byte there starts none.
std::size_t DlugoscZnaku(std::string_view t, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[i + k]); };
    const auto ciag = [&](std::size_t k) { return i + k < t.size() && (b(k) & 0xC0) == 0x80; };
    const unsigned char p = b(0);
    if (p >= 0xC2 && p <= 0xDF)
        return ciag(1) ? 2 : 0;
    if (p >= 0xE0 && p <= 0xEF) {
        if (!ciag(1) || !ciag(2) || (p == 0xE0 && b(1) < 0xA0) || (p == 0xED && b(1) > 0x9F))
            return 0;
        return 3;
    }
    if (p >= 0xF0 && p <= 0xF4) {
        if (!ciag(1) || !ciag(2) || !ciag(3) || (p == 0xF0 && b(1) < 0x90) || (p == 0xF4 && b(1) > 0x8F))
            return 0;
        return 4;
    }
    return 0;
}

void DopiszTekst(std::string_view t, std::string& s) {
    static constexpr char kHex[] = "0123456789abcdef";
    s += '"';
    std::size_t od = 0; // the run of bytes copied as they are starts here
    // Bytes that go out as they are: printable ASCII but the quote and the backslash.
    static constexpr auto kZwykly = [] {
        std::array<bool, 256> t{};
        for (int b = 0x20; b < 0x7F; ++b)
            t[static_cast<std::size_t>(b)] = b != '"' && b != '\\';
        return t;
    }();
    for (std::size_t i = 0; i < t.size();) {
        const auto b = static_cast<unsigned char>(t[i]);
        if (kZwykly[b]) {
            ++i;
            continue;
        }
        if (b >= 0x80) {
            if (const std::size_t n = DlugoscZnaku(t, i)) {
                i += n;
                continue;
            }
        }
        s.append(t.data() + od, i - od);
        switch (b) {
        case '"':
            s += "\\\"";
            break;
        case '\\':
            s += "\\\\";
            break;
        case '\n':
            s += "\\n";
            break;
        case '\r':
            s += "\\r";
            break;
        case '\t':
            s += "\\t";
            break;
        default:
            // A control character, and a byte that is not UTF-8, as the character of its Latin-1
            // reading: the output stays valid UTF-8 and still shows the byte.
            s += "\\u00";
            s += kHex[b >> 4];
            s += kHex[b & 0xF];
        }
        od = ++i;
    }
    s.append(t.data() + od, t.size() - od);
    s += '"';
}

void Zapisz(const TWartoscJson& w, std::string& s) {
    switch (w.Rodzaj()) {
    case TWartoscJson::TRodzaj::Null:
        s += "null";
        break;
    case TWartoscJson::TRodzaj::Logiczna:
        s += w.Logiczna() ? "true" : "false";
        break;
    case TWartoscJson::TRodzaj::Liczba:
        DopiszLiczbe(w.Liczba(), s);
        break;
    case TWartoscJson::TRodzaj::Tekst:
        DopiszTekst(w.Tekst(), s);
        break;
    case TWartoscJson::TRodzaj::Tablica: {
        s += '[';
        bool pierwszy = true;
        for (const TWartoscJson& e : w.Elementy()) {
            if (!pierwszy)
                s += ',';
            pierwszy = false;
            Zapisz(e, s);
        }
        s += ']';
        break;
    }
    case TWartoscJson::TRodzaj::Obiekt: {
        s += '{';
        bool pierwszy = true;
        for (const auto& [k, e] : w.Pola()) {
            if (!pierwszy)
                s += ',';
            pierwszy = false;
            DopiszTekst(k, s);
            s += ':';
            Zapisz(e, s);
        }
        s += '}';
        break;
    }
    }
}

// ---- Reading ------------------------------------------------------------------------------------

class TParser {
public:
    explicit TParser(std::string_view t) : t_(t) {}

    TWynik<TWartoscJson> Czytaj() {
        PominBiale();
        TWartoscJson w;
        if (!Wartosc(w, 0))
            return TBladWyniku{blad_};
        PominBiale();
        if (i_ < t_.size()) {
            Blad("po wartości JSON są dalsze znaki");
            return TBladWyniku{blad_};
        }
        return w;
    }

private:
    // Line and column (in characters, 1-based) of byte i_.
    std::string Miejsce() const {
        std::size_t wiersz = 1, kolumna = 1;
        for (std::size_t k = 0; k < i_ && k < t_.size(); ++k) {
            const auto b = static_cast<unsigned char>(t_[k]);
            if (b == '\n') {
                ++wiersz;
                kolumna = 1;
            } else if ((b & 0xC0) != 0x80) {
                ++kolumna;
            }
        }
        return " (wiersz " + std::to_string(wiersz) + ", kolumna " + std::to_string(kolumna) + ")";
    }

    bool Blad(const std::string& opis) {
        if (blad_.empty())
            blad_ = "Błędny JSON: " + opis + Miejsce() + ".";
        return false;
    }

    std::string Znak() const {
        if (i_ >= t_.size())
            return "koniec tekstu";
        const auto b = static_cast<unsigned char>(t_[i_]);
        if (b >= 0x20 && b < 0x7F)
            return std::string("znak „") + t_[i_] + "”";
        static constexpr char kHex[] = "0123456789ABCDEF";
        return std::string("bajt 0x") + kHex[b >> 4] + kHex[b & 0xF];
    }

    void PominBiale() {
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\t' || t_[i_] == '\n' || t_[i_] == '\r'))
            ++i_;
    }

    bool Slowo(std::string_view slowo) {
        if (t_.substr(i_, slowo.size()) != slowo)
            return Blad("nieoczekiwany " + Znak());
        i_ += slowo.size();
        return true;
    }

    bool Wartosc(TWartoscJson& w, int glebokosc) {
        if (i_ >= t_.size())
            return Blad("oczekiwano wartości, a tekst się skończył");
        switch (t_[i_]) {
        case '{':
            return Obiekt(w, glebokosc + 1);
        case '[':
            return Tablica(w, glebokosc + 1);
        case '"': {
            std::string s;
            if (!Tekst(s))
                return false;
            w = TWartoscJson(std::move(s));
            return true;
        }
        case 't':
            w = TWartoscJson(true);
            return Slowo("true");
        case 'f':
            w = TWartoscJson(false);
            return Slowo("false");
        case 'n':
            w = TWartoscJson();
            return Slowo("null");
        default:
            if (t_[i_] == '-' || (t_[i_] >= '0' && t_[i_] <= '9'))
                return Liczba(w);
            return Blad("oczekiwano wartości, a jest " + Znak());
        }
    }

    bool Obiekt(TWartoscJson& w, int glebokosc) {
        if (glebokosc > kMaksGlebokoscJson)
            return Blad("zagnieżdżenie głębsze niż " + std::to_string(kMaksGlebokoscJson) + " poziomy");
        w = TWartoscJson::Obiekt();
        ++i_;
        PominBiale();
        if (i_ < t_.size() && t_[i_] == '}') {
            ++i_;
            return true;
        }
        for (;;) {
            PominBiale();
            if (i_ >= t_.size() || t_[i_] != '"')
                return Blad("oczekiwano klucza w cudzysłowie, a jest " + Znak());
            const std::size_t poczatekKlucza = i_;
            std::string klucz;
            if (!Tekst(klucz))
                return false;
            if (w.Znajdz(klucz)) {
                i_ = poczatekKlucza;
                return Blad("klucz „" + klucz + "” powtórzony");
            }
            PominBiale();
            if (i_ >= t_.size() || t_[i_] != ':')
                return Blad("oczekiwano „:”, a jest " + Znak());
            ++i_;
            PominBiale();
            TWartoscJson wartosc;
            if (!Wartosc(wartosc, glebokosc))
                return false;
            w.Pola().emplace_back(std::move(klucz), std::move(wartosc));
            PominBiale();
            if (i_ < t_.size() && t_[i_] == ',') {
                ++i_;
                continue;
            }
            if (i_ < t_.size() && t_[i_] == '}') {
                ++i_;
                return true;
            }
            return Blad("oczekiwano „,” albo „}”, a jest " + Znak());
        }
    }

    bool Tablica(TWartoscJson& w, int glebokosc) {
        if (glebokosc > kMaksGlebokoscJson)
            return Blad("zagnieżdżenie głębsze niż " + std::to_string(kMaksGlebokoscJson) + " poziomy");
        w = TWartoscJson::Tablica();
        ++i_;
        PominBiale();
        if (i_ < t_.size() && t_[i_] == ']') {
            ++i_;
            return true;
        }
        for (;;) {
            PominBiale();
            TWartoscJson e;
            if (!Wartosc(e, glebokosc))
                return false;
            w.Dodaj(std::move(e));
            PominBiale();
            if (i_ < t_.size() && t_[i_] == ',') {
                ++i_;
                continue;
            }
            if (i_ < t_.size() && t_[i_] == ']') {
                ++i_;
                return true;
            }
            return Blad("oczekiwano „,” albo „]”, a jest " + Znak());
        }
    }

    static void DopiszUtf8(std::string& s, char32_t z) {
        if (z < 0x80) {
            s += static_cast<char>(z);
        } else if (z < 0x800) {
            s += static_cast<char>(0xC0 | (z >> 6));
            s += static_cast<char>(0x80 | (z & 0x3F));
        } else if (z < 0x10000) {
            s += static_cast<char>(0xE0 | (z >> 12));
            s += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (z & 0x3F));
        } else {
            s += static_cast<char>(0xF0 | (z >> 18));
            s += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
            s += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (z & 0x3F));
        }
    }

    bool Hex4(char32_t& z) {
        z = 0;
        for (int k = 0; k < 4; ++k, ++i_) {
            if (i_ >= t_.size())
                return Blad("niepełna sekwencja \\u");
            const char c = t_[i_];
            int cyfra = 0;
            if (c >= '0' && c <= '9')
                cyfra = c - '0';
            else if (c >= 'a' && c <= 'f')
                cyfra = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                cyfra = c - 'A' + 10;
            else
                return Blad("w sekwencji \\u oczekiwano cyfry szesnastkowej, a jest " + Znak());
            z = (z << 4) | static_cast<char32_t>(cyfra);
        }
        return true;
    }

    // One UTF-8 character of the text, checked: no stray, truncated or overlong sequences, no
    // surrogates, nothing beyond U+10FFFF.
    bool ZnakUtf8(std::string& s) {
        const auto b0 = static_cast<unsigned char>(t_[i_]);
        int dalsze = 0;
        char32_t z = 0, minimum = 0;
        if ((b0 & 0xE0) == 0xC0) {
            dalsze = 1;
            z = b0 & 0x1F;
            minimum = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            dalsze = 2;
            z = b0 & 0x0F;
            minimum = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            dalsze = 3;
            z = b0 & 0x07;
            minimum = 0x10000;
        } else {
            return Blad("niepoprawny UTF-8: " + Znak());
        }
        for (int k = 1; k <= dalsze; ++k) {
            if (i_ + static_cast<std::size_t>(k) >= t_.size() ||
                (static_cast<unsigned char>(t_[i_ + k]) & 0xC0) != 0x80)
                return Blad("niepoprawny UTF-8: niepełny znak");
            z = (z << 6) | (static_cast<unsigned char>(t_[i_ + k]) & 0x3F);
        }
        if (z < minimum || z > 0x10FFFF || (z >= 0xD800 && z <= 0xDFFF))
            return Blad("niepoprawny UTF-8: " + Znak());
        s.append(t_.substr(i_, static_cast<std::size_t>(dalsze) + 1));
        i_ += static_cast<std::size_t>(dalsze) + 1;
        return true;
    }

    bool Tekst(std::string& s) {
        ++i_; // the opening quote
        for (;;) {
            if (i_ >= t_.size())
                return Blad("tekst bez cudzysłowu zamykającego");
            const auto b = static_cast<unsigned char>(t_[i_]);
            if (b == '"') {
                ++i_;
                return true;
            }
            if (b < 0x20)
                return Blad("znak sterujący w tekście (" + Znak() + ") musi być zapisany jako \\u");
            if (b >= 0x80) {
                if (!ZnakUtf8(s))
                    return false;
                continue;
            }
            if (b != '\\') {
                s += static_cast<char>(b);
                ++i_;
                continue;
            }
            ++i_;
            if (i_ >= t_.size())
                return Blad("tekst bez cudzysłowu zamykającego");
            const char c = t_[i_];
            ++i_;
            switch (c) {
            case '"':
            case '\\':
            case '/':
                s += c;
                break;
            case 'b':
                s += '\b';
                break;
            case 'f':
                s += '\f';
                break;
            case 'n':
                s += '\n';
                break;
            case 'r':
                s += '\r';
                break;
            case 't':
                s += '\t';
                break;
            case 'u': {
                char32_t z = 0;
                if (!Hex4(z))
                    return false;
                if (z >= 0xDC00 && z <= 0xDFFF)
                    return Blad("samotna druga połowa pary zastępczej w \\u");
                if (z >= 0xD800 && z <= 0xDBFF) {
                    char32_t dolny = 0;
                    if (t_.substr(i_, 2) != "\\u")
                        return Blad("samotna pierwsza połowa pary zastępczej w \\u");
                    i_ += 2;
                    if (!Hex4(dolny))
                        return false;
                    if (dolny < 0xDC00 || dolny > 0xDFFF)
                        return Blad("niepoprawna para zastępcza w \\u");
                    z = 0x10000 + ((z - 0xD800) << 10) + (dolny - 0xDC00);
                }
                DopiszUtf8(s, z);
                break;
            }
            default:
                --i_;
                return Blad("nieznana sekwencja \\" + std::string(1, c));
            }
        }
    }

    bool Liczba(TWartoscJson& w) {
        const std::size_t poczatek = i_;
        auto cyfry = [&] {
            const std::size_t p = i_;
            while (i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9')
                ++i_;
            return i_ - p;
        };
        if (t_[i_] == '-')
            ++i_;
        const std::size_t poczatekCalkowitej = i_;
        const std::size_t calkowite = cyfry();
        if (calkowite == 0)
            return Blad("po „-” oczekiwano cyfry, a jest " + Znak());
        if (calkowite > 1 && t_[poczatekCalkowitej] == '0') {
            i_ = poczatekCalkowitej;
            return Blad("liczba nie może zaczynać się od zera");
        }
        if (i_ < t_.size() && t_[i_] == '.') {
            ++i_;
            if (cyfry() == 0)
                return Blad("po kropce dziesiętnej oczekiwano cyfry, a jest " + Znak());
        }
        if (i_ < t_.size() && (t_[i_] == 'e' || t_[i_] == 'E')) {
            ++i_;
            if (i_ < t_.size() && (t_[i_] == '+' || t_[i_] == '-'))
                ++i_;
            if (cyfry() == 0)
                return Blad("w wykładniku oczekiwano cyfry, a jest " + Znak());
        }
        const std::string_view zapis = t_.substr(poczatek, i_ - poczatek);
        double x = 0;
        const auto [koniec, kod] = std::from_chars(zapis.data(), zapis.data() + zapis.size(), x);
        if (kod == std::errc::result_out_of_range) {
            // Too small for a double reads as zero; too large has no value and is refused.
            if (!Podmiar(zapis)) {
                i_ = poczatek;
                return Blad("liczba " + std::string(zapis) + " jest poza zakresem liczb programu");
            }
            x = zapis[0] == '-' ? -0.0 : 0.0;
        } else if (kod != std::errc() || koniec != zapis.data() + zapis.size() || !std::isfinite(x)) {
            i_ = poczatek;
            return Blad("niepoprawna liczba " + std::string(zapis));
        }
        w = TWartoscJson(x);
        return true;
    }

    // For a number from_chars found out of range: true when it is below the range of a double
    // (reads as zero), false when above it. Only the decimal exponent of its first significant digit
    // matters, as the out-of-range numbers are near 1e308 or 1e-308, never near 1.
    static bool Podmiar(std::string_view zapis) {
        if (zapis[0] == '-')
            zapis.remove_prefix(1);
        const std::size_t e = std::min(zapis.find_first_of("eE"), zapis.size());
        const std::string_view mantysa = zapis.substr(0, e);
        const std::size_t kropka = std::min(mantysa.find('.'), mantysa.size());
        const std::string_view calkowita = mantysa.substr(0, kropka);
        const std::string_view ulamek =
            kropka < mantysa.size() ? mantysa.substr(kropka + 1) : std::string_view{};
        long long polozenie = 0;
        if (calkowita != "0") {
            polozenie = static_cast<long long>(calkowita.size());
        } else {
            const std::size_t zera = ulamek.find_first_not_of('0');
            if (zera == std::string_view::npos)
                return true;
            polozenie = -static_cast<long long>(zera);
        }
        long long wykladnik = 0;
        if (e < zapis.size()) {
            std::string_view w = zapis.substr(e + 1);
            bool ujemny = false;
            if (w[0] == '+' || w[0] == '-') {
                ujemny = w[0] == '-';
                w.remove_prefix(1);
            }
            for (char c : w)
                wykladnik = std::min<long long>(wykladnik * 10 + (c - '0'), 1'000'000'000LL);
            if (ujemny)
                wykladnik = -wykladnik;
        }
        return polozenie + wykladnik <= 0;
    }

    std::string_view t_;
    std::size_t i_ = 0;
    std::string blad_;
};

} // namespace

std::string ZapiszJson(const TWartoscJson& wartosc) {
    std::string s;
    Zapisz(wartosc, s);
    return s;
}

void DopiszJson(const TWartoscJson& wartosc, std::string& cel) {
    Zapisz(wartosc, cel);
}

std::string LiczbaJson(double x) {
    std::string s;
    DopiszLiczbe(x, s);
    return s;
}

std::string TekstJson(std::string_view tekst) {
    std::string s;
    DopiszTekst(tekst, s);
    return s;
}

TWynik<TWartoscJson> ParsujJson(std::string_view tekst) {
    return TParser(tekst).Czytaj();
}

} // namespace murolab
