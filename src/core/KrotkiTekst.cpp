#include "core/KrotkiTekst.h"

#include <array>
#include <cstdint>

namespace murolab {

namespace {

// Unicode of the bytes 0x80..0xFF of Windows-1250; 0xFFFD where the code page has no character.
constexpr std::array<char32_t, 128> kGornaPolowa = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021, //
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, //
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, //
};

void DopiszUtf8(std::string& wynik, char32_t znak) {
    if (znak < 0x80) {
        wynik += static_cast<char>(znak);
    } else if (znak < 0x800) {
        wynik += static_cast<char>(0xC0 | (znak >> 6));
        wynik += static_cast<char>(0x80 | (znak & 0x3F));
    } else if (znak < 0x10000) {
        wynik += static_cast<char>(0xE0 | (znak >> 12));
        wynik += static_cast<char>(0x80 | ((znak >> 6) & 0x3F));
        wynik += static_cast<char>(0x80 | (znak & 0x3F));
    } else {
        wynik += static_cast<char>(0xF0 | (znak >> 18));
        wynik += static_cast<char>(0x80 | ((znak >> 12) & 0x3F));
        wynik += static_cast<char>(0x80 | ((znak >> 6) & 0x3F));
        wynik += static_cast<char>(0x80 | (znak & 0x3F));
    }
}

// Decodes one UTF-8 character at tekst[i] and advances i. A malformed sequence (stray continuation
// byte, truncated, overlong, surrogate, beyond U+10FFFF) yields nothing and skips one byte, so that a
// damaged text still converts character by character.
bool NastepnyZnak(std::string_view tekst, std::size_t& i, char32_t& znak) {
    const auto b0 = static_cast<unsigned char>(tekst[i]);
    if (b0 < 0x80) {
        znak = b0;
        ++i;
        return true;
    }
    int dalsze = 0;
    char32_t minimum = 0;
    if ((b0 & 0xE0) == 0xC0) {
        dalsze = 1;
        znak = b0 & 0x1F;
        minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        dalsze = 2;
        znak = b0 & 0x0F;
        minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        dalsze = 3;
        znak = b0 & 0x07;
        minimum = 0x10000;
    } else {
        ++i;
        return false;
    }
    if (i + static_cast<std::size_t>(dalsze) >= tekst.size()) {
        ++i;
        return false;
    }
    for (int k = 1; k <= dalsze; ++k) {
        const auto b = static_cast<unsigned char>(tekst[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return false;
        }
        znak = (znak << 6) | (b & 0x3F);
    }
    if (znak < minimum || znak > 0x10FFFF || (znak >= 0xD800 && znak <= 0xDFFF)) {
        ++i;
        return false;
    }
    i += static_cast<std::size_t>(dalsze) + 1;
    return true;
}

char ZnakCp1250(char32_t znak) {
    if (znak < 0x80)
        return static_cast<char>(znak);
    if (znak == 0xFFFD)
        return '?';
    for (std::size_t k = 0; k < kGornaPolowa.size(); ++k)
        if (kGornaPolowa[k] == znak)
            return static_cast<char>(0x80 + k);
    return '?';
}

} // namespace

std::string Cp1250NaUtf8(std::string_view cp1250) {
    std::string wynik;
    wynik.reserve(cp1250.size() * 2);
    // Runs of ASCII, most of any Polish text, are copied as they are.
    std::size_t od = 0;
    for (std::size_t i = 0; i < cp1250.size(); ++i) {
        const auto b = static_cast<unsigned char>(cp1250[i]);
        if (b < 0x80)
            continue;
        wynik.append(cp1250.data() + od, i - od);
        DopiszUtf8(wynik, kGornaPolowa[b - 0x80]);
        od = i + 1;
    }
    wynik.append(cp1250.data() + od, cp1250.size() - od);
    return wynik;
}

std::string Utf8NaCp1250(std::string_view utf8) {
    std::string wynik;
    wynik.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t znak = 0;
        wynik += NastepnyZnak(utf8, i, znak) ? ZnakCp1250(znak) : '?';
    }
    return wynik;
}

std::size_t LiczbaZnakow(std::string_view utf8) {
    std::size_t liczba = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++liczba;
    return liczba;
}

namespace {

// The Polish alphabet, lower case, each letter with its rank; a letter not in it ranks after them
// by its code point.
constexpr std::u32string_view kAlfabet = U"aąbcćdeęfghijklłmnńoópqrsśtuvwxyzźż";

char32_t MalaLitera(char32_t z) {
    if (z >= U'A' && z <= U'Z')
        return z + (U'a' - U'A');
    switch (z) {
    case U'Ą':
        return U'ą';
    case U'Ć':
        return U'ć';
    case U'Ę':
        return U'ę';
    case U'Ł':
        return U'ł';
    case U'Ń':
        return U'ń';
    case U'Ó':
        return U'ó';
    case U'Ś':
        return U'ś';
    case U'Ź':
        return U'ź';
    case U'Ż':
        return U'ż';
    default:
        return z;
    }
}

bool Cyfra(char32_t z) {
    return z >= U'0' && z <= U'9';
}

// One element of a name as it sorts: a class (0 blank or punctuation, 1 number, 2 letter, 3 any
// other character), then within the class a rank.
struct TElement {
    int Klasa = 0;
    // A number: its digits without leading zeros (compared by length, then as text) and its
    // decimal part after a comma (compared as text, so 0,5 = 0,50 < 0,6).
    std::string_view Calkowita;
    std::string_view Ulamek;
    std::uint32_t Ranga = 0;
};

// Reads the element at i and moves i past it; false at the end or at a byte that is no UTF-8.
bool NastepnyElement(std::string_view t, std::size_t& i, TElement& e) {
    if (i >= t.size())
        return false;
    char32_t z = 0;
    const std::size_t poczatek = i;
    if (!NastepnyZnak(t, i, z)) {
        e = {3, {}, {}, static_cast<std::uint32_t>(static_cast<unsigned char>(t[poczatek])) + 0x110000u};
        return true;
    }
    if (Cyfra(z)) {
        std::size_t koniec = i;
        while (koniec < t.size() && Cyfra(static_cast<char32_t>(t[koniec])))
            ++koniec;
        std::size_t znaczace = poczatek;
        while (znaczace + 1 < koniec && t[znaczace] == '0')
            ++znaczace;
        e = {1, t.substr(znaczace, koniec - znaczace), {}, 0};
        // "0,5": a comma between digits is the decimal separator of the number.
        if (koniec + 1 < t.size() && t[koniec] == ',' && Cyfra(static_cast<char32_t>(t[koniec + 1]))) {
            std::size_t ulamek = koniec + 1;
            while (ulamek < t.size() && Cyfra(static_cast<char32_t>(t[ulamek])))
                ++ulamek;
            std::size_t bezZer = ulamek;
            while (bezZer > koniec + 1 && t[bezZer - 1] == '0')
                --bezZer;
            e.Ulamek = t.substr(koniec + 1, bezZer - koniec - 1);
            koniec = ulamek;
        }
        i = koniec;
        return true;
    }
    const char32_t mala = MalaLitera(z);
    const std::size_t miejsce = kAlfabet.find(mala);
    if (miejsce != std::u32string_view::npos)
        e = {2, {}, {}, static_cast<std::uint32_t>(miejsce)};
    else if (mala < 0x80 || z == U'–' || z == U'—' || z == U'„' || z == U'”' || z == U'°' || z == U'·')
        e = {0, {}, {}, static_cast<std::uint32_t>(mala)};
    else
        e = {3, {}, {}, static_cast<std::uint32_t>(mala)};
    return true;
}

int Porownaj(std::string_view a, std::string_view b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

int PorownajElementy(const TElement& a, const TElement& b) {
    if (a.Klasa != b.Klasa)
        return a.Klasa < b.Klasa ? -1 : 1;
    if (a.Klasa == 1) {
        if (a.Calkowita.size() != b.Calkowita.size())
            return a.Calkowita.size() < b.Calkowita.size() ? -1 : 1;
        if (const int c = Porownaj(a.Calkowita, b.Calkowita))
            return c;
        return Porownaj(a.Ulamek, b.Ulamek);
    }
    if (a.Ranga != b.Ranga)
        return a.Ranga < b.Ranga ? -1 : 1;
    return 0;
}

} // namespace

int PorownajPolsku(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    for (;;) {
        TElement ea;
        TElement eb;
        const bool saA = NastepnyElement(a, i, ea);
        const bool saB = NastepnyElement(b, j, eb);
        if (!saA || !saB) {
            if (saA != saB)
                return saA ? 1 : -1;
            break;
        }
        if (const int c = PorownajElementy(ea, eb))
            return c;
    }
    // Equal as the user reads them ("eps 50" and "EPS 050"): the bytes decide, upper case first.
    return Porownaj(a, b);
}

std::string_view Odmiana(long long liczba, std::string_view jeden, std::string_view kilka,
                         std::string_view wiele) {
    const long long n = liczba < 0 ? -liczba : liczba;
    if (n == 1)
        return jeden;
    const long long jednosci = n % 10;
    const long long dziesiatki = n % 100;
    if (jednosci >= 2 && jednosci <= 4 && !(dziesiatki >= 12 && dziesiatki <= 14))
        return kilka;
    return wiele;
}

} // namespace murolab
