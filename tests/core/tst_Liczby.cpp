// The number notations and the text-to-number conversions, against the values the program must show.
#include "core/Liczby.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

using namespace murolab;

namespace {

struct TPrzypadekStaly {
    const char* Nazwa;
    double Wartosc;
    int P, D;
    const char* Oczekiwany;
};

TEST(Staly, ZapisujeJakUzytkownikCzytaLiczbe) {
    const TPrzypadekStaly przypadki[] = {
        // The examples of the notation's definition.
        {"0,045 na czterech miejscach", 0.045, 4, 4, "0,0450"},
        {"12,3456 cztery cyfry znaczace", 12.3456, 4, 4, "12,3500"},
        {"18,1756 jedno miejsce", 18.1756, 4, 1, "18,2"},
        {"2339,45 cztery cyfry ucinaja miejsce po przecinku", 2339.45, 4, 1, "2339,0"},
        {"0,425149 trzy miejsca", 0.425149, 4, 3, "0,425"},
        {"233,94 cisnienie", 233.94, 4, 1, "233,9"},
        // Rounding half away from zero on the decimal digits, not on the binary value.
        {"2,675 w gore mimo zapisu binarnego 2,67499..", 2.675, 4, 2, "2,68"},
        {"1,0005 w gore mimo zapisu binarnego", 1.0005, 4, 3, "1,001"},
        {"ujemna polowka od zera", -0.05, 4, 1, "-0,1"},
        {"ujemna zwykla", -19.46231887853945, 4, 1, "-19,5"},
        {"ujemna cztery cyfry", -2339.45, 4, 1, "-2339,0"},
        // Zero and values that round to it: never a minus sign.
        {"zero", 0.0, 4, 4, "0,0000"},
        {"minus zero", -0.0, 4, 1, "0,0"},
        {"ujemna zaokraglona do zera", -0.04, 4, 1, "0,0"},
        {"mala ujemna zaokraglona do zera", -1e-9, 4, 3, "0,000"},
        {"0,00004 do zera", 0.00004, 4, 4, "0,0000"},
        {"0,00005 w gore do ostatniego miejsca", 0.00005, 4, 4, "0,0001"},
        {"0,06 w gore z pierwszej cyfry", 0.06, 4, 1, "0,1"},
        {"0,04 w dol z pierwszej cyfry", 0.04, 4, 1, "0,0"},
        // Carries that add a digit before the separator.
        {"9,99996 przeniesienie", 9.99996, 4, 4, "10,0000"},
        {"999,96 przeniesienie do czterech cyfr", 999.96, 4, 1, "1000,0"},
        // More than p digits before the separator: scientific notation.
        {"9999,6 przeniesienie na piata cyfre", 9999.6, 4, 1, "1E4"},
        {"123456 wykladnicza", 123456.0, 4, 1, "1,235E5"},
        {"-123456 wykladnicza", -123456.0, 4, 1, "-1,235E5"},
        {"bez miejsc po przecinku", 2.5, 4, 0, "3"},
        {"calkowita z zerami", 10.0, 4, 4, "10,0000"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        EXPECT_EQ(Staly(p.Wartosc, p.P, p.D), p.Oczekiwany);
    }
}

struct TPrzypadekOgolny {
    const char* Nazwa;
    double Wartosc;
    const char* Oczekiwany;
};

TEST(Ogolny, NajkrotszyZapisDoPietnastuCyfr) {
    const TPrzypadekOgolny przypadki[] = {
        {"zero", 0.0, "0"},
        {"minus zero", -0.0, "0"},
        {"opor przejmowania", 0.13, "0,13"},
        {"duza calkowita", 3600000.0, "3600000"},
        {"dziesiec", 10.0, "10"},
        {"ujemna", -0.5, "-0,5"},
        {"suma binarna 0,1+0,2", 0.1 + 0.2, "0,3"},
        {"jedna trzecia", 1.0 / 3.0, "0,333333333333333"},
        {"dwie trzecie zaokraglone", 2.0 / 3.0, "0,666666666666667"},
        {"granica zapisu zwyklego 0,00001", 0.00001, "0,00001"},
        {"ponizej granicy", 1e-6, "1E-6"},
        {"ponizej granicy z ulamkiem", 1.5e-7, "1,5E-7"},
        {"ujemna ponizej granicy", -1e-7, "-1E-7"},
        {"pietnascie cyfr przed przecinkiem", 123456789012345.0, "123456789012345"},
        {"szesnascie cyfr", 1e15, "1E15"},
        {"szesnascie cyfr zaokraglone", 1234567890123456.0, "1,23456789012346E15"},
        {"bardzo duza", 1e20, "1E20"},
        {"opor dyfuzyjny", 14775000.0, "14775000"},
        {"NaN", std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {"nieskonczonosc", std::numeric_limits<double>::infinity(), "INF"},
        {"minus nieskonczonosc", -std::numeric_limits<double>::infinity(), "-INF"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        EXPECT_EQ(Ogolny(p.Wartosc), p.Oczekiwany);
    }
}

// The conversion refuses `tekst` with the message "'tekst'" + `reszta`.
template <typename Konwersja> void OczekujOdmowy(Konwersja konwersja, const char* tekst, const char* reszta) {
    try {
        konwersja(tekst);
        ADD_FAILURE() << "no exception";
    } catch (const BladKonwersji& b) {
        EXPECT_EQ(std::string(b.what()), "„" + std::string(tekst) + "”" + reszta);
    }
}

struct TPrzypadekLiczby {
    const char* Tekst;
    double Oczekiwana;
};

// The quick way to fifteen digits must agree with the exact conversion wherever it answers, over
// every magnitude it takes, next to powers of ten and at exact halves.
TEST(Notacje, SzybkiePietnascieCyfrJakDokladne) {
    const auto dokladne = [](double a, std::uint64_t& cyfry, int& wykladnik) {
        char b[64];
        const std::string t(b, std::to_chars(b, b + sizeof b, a, std::chars_format::scientific, 14).ptr);
        const std::size_t e = t.find('e');
        cyfry = std::stoull(t.substr(0, 1) + t.substr(2, e - 2));
        wykladnik = std::stoi(t.substr(e + 1)) + 1;
    };
    std::vector<double> liczby = {1,
                                  10,
                                  0.1,
                                  1e14,
                                  1e15,
                                  1e-13,
                                  0.5,
                                  2.5e-6,
                                  999999999999999.5,
                                  0.0125,
                                  5.75342465753425,
                                  19.62509012256669,
                                  1e40,
                                  9.999999999999999e14};
    for (int k = -14; k <= 40; ++k) {
        const double p = std::pow(10.0, k);
        for (double x : {p, std::nextafter(p, 0.0), std::nextafter(p, 1e300), 5 * p, 1.25 * p})
            liczby.push_back(x);
    }
    std::mt19937_64 los(2026);
    std::uniform_real_distribution<double> mantysa(1, 10);
    std::uniform_int_distribution<int> wykl(-16, 42);
    std::uniform_int_distribution<std::int64_t> calk(1, 99999999);
    for (int i = 0; i < 400000; ++i) {
        liczby.push_back(mantysa(los) * std::pow(10.0, wykl(los)));
        liczby.push_back(static_cast<double>(calk(los)) / std::pow(10.0, i % 9));
    }
    int odpowiedzi = 0, zle = 0;
    for (double a : liczby) {
        std::uint64_t szybkie = 0, wzor = 0;
        int ws = 0, ww = 0;
        if (!Cyfry15Szybko(a, szybkie, ws))
            continue;
        ++odpowiedzi;
        dokladne(a, wzor, ww);
        if ((szybkie != wzor || ws != ww) && ++zle <= 10)
            ADD_FAILURE() << a << ": " << szybkie << "e" << ws << " zamiast " << wzor << "e" << ww;
    }
    EXPECT_EQ(zle, 0);
    EXPECT_GT(odpowiedzi, static_cast<int>(liczby.size() * 9 / 10)) << "the quick way answers for most";
    std::uint64_t c = 0;
    int w = 0;
    EXPECT_FALSE(Cyfry15Szybko(0, c, w));
    EXPECT_FALSE(Cyfry15Szybko(1e300, c, w));
    EXPECT_FALSE(Cyfry15Szybko(0.5, c, w) && c != 500000000000000ULL) << "an exact half of a unit";
}

TEST(NaLiczbe, PrzyjmujeZapisZPrzecinkiem) {
    const TPrzypadekLiczby przypadki[] = {
        {"1,5", 1.5},
        {",5", 0.5},
        {"5,", 5.0},
        {"  -3  ", -3.0},
        {"+2", 2.0},
        {"0", 0.0},
        {"1E3", 1000.0},
        {"1,5e-2", 0.015},
        {"2e+2", 200.0},
        {"0,13", 0.13},
        {"9999999", 9999999.0},
        {"1e-400", 0.0},
        {"007", 7.0},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Tekst);
        EXPECT_EQ(NaLiczbe(p.Tekst), p.Oczekiwana);
        double w = -1;
        EXPECT_TRUE(ProbujNaLiczbe(p.Tekst, w));
        EXPECT_EQ(w, p.Oczekiwana);
    }
}

TEST(NaLiczbe, OdrzucaWszystkoInneZKomunikatem) {
    const char* odrzucane[] = {"",    " ", "1.5", "abc", "nan",   "inf",  "-inf",  "1,2,3", "1 000", "1E",
                               "1e+", "-", ",",   "+,",  "1e999", "0x10", "1,5 m", "--1",   "1e2,5"};
    for (const char* t : odrzucane) {
        SCOPED_TRACE(t);
        double w = 42;
        EXPECT_FALSE(ProbujNaLiczbe(t, w));
        EXPECT_EQ(w, 42) << "a refused text must not change the result";
        OczekujOdmowy([](const char* x) { NaLiczbe(x); }, t, " nie jest poprawną liczbą rzeczywistą");
    }
}

TEST(NaCalkowita, ZnakICyfryWZakresie32Bitow) {
    const std::pair<const char*, std::int32_t> przyjmowane[] = {
        {"20", 20},
        {"-5", -5},
        {"+7", 7},
        {"  12", 12},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"0", 0},
    };
    for (const auto& [tekst, wartosc] : przyjmowane) {
        SCOPED_TRACE(tekst);
        EXPECT_EQ(NaCalkowita(tekst), wartosc);
    }
    const char* odrzucane[] = {"",   "-",  "1,5", "abc", "2147483648", "-2147483649", "99999999999999999999",
                               "5 ", "1e3"};
    for (const char* t : odrzucane) {
        SCOPED_TRACE(t);
        std::int32_t w = 42;
        EXPECT_FALSE(ProbujNaCalkowita(t, w));
        EXPECT_EQ(w, 42);
        OczekujOdmowy([](const char* x) { NaCalkowita(x); }, t, " nie jest poprawną liczbą całkowitą");
    }
}

TEST(Notacje, ZapisOdczytanyWracaDoTejSamejWartosci) {
    // What the grid shows in the general notation must convert back to the stored number.
    for (double v : {0.13, 0.04, 0.77, 1.0 / 3.0, 12345.678, 0.0001, 9999999.0, 2.5e-7}) {
        SCOPED_TRACE(v);
        EXPECT_NEAR(NaLiczbe(Ogolny(v)), v, std::fabs(v) * 1e-14);
    }
}

TEST(Notacje, KazdyZapisLiczbySkonczonejWracaPrzezParser) {
    // Whatever finite value a file or a calculation brings, the text the program shows for it must
    // convert back: at the top of the range the notations cut toward zero rather than round past the
    // largest double.
    const double maks = std::numeric_limits<double>::max();
    struct {
        const char* Nazwa;
        double Wartosc;
    } const przypadki[] = {
        {"najwieksza", maks},
        {"najwieksza ujemna", -maks},
        {"tuz pod najwieksza", std::nextafter(maks, 0.0)},
        {"1,7976931348623E308", 1.7976931348623e308},
        {"1E308", 1e308},
        {"9,99999999999999E307", 9.999999999999999e307},
        {"najmniejsza normalna", std::numeric_limits<double>::min()},
        {"najmniejsza podnormalna", std::numeric_limits<double>::denorm_min()},
        {"ujemna podnormalna", -std::numeric_limits<double>::denorm_min()},
        {"prawie jeden", std::nextafter(1.0, 0.0)},
        {"999999999999999,5", 999999999999999.5},
        {"0,99995", 0.99995},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        double x = 0;
        const std::string ogolny = Ogolny(p.Wartosc);
        ASSERT_TRUE(ProbujNaLiczbe(ogolny, x)) << ogolny;
        EXPECT_LE(std::fabs(x - p.Wartosc), std::fabs(p.Wartosc) * 1e-14) << ogolny;
        for (int cyfry = 1; cyfry <= 15; ++cyfry)
            for (int miejsca = 0; miejsca <= 4; ++miejsca) {
                const std::string staly = Staly(p.Wartosc, cyfry, miejsca);
                EXPECT_TRUE(ProbujNaLiczbe(staly, x)) << staly << " (" << cyfry << ", " << miejsca << ")";
            }
    }
    // The cut happens only where rounding would leave the range.
    EXPECT_EQ(Ogolny(maks), "1,79769313486231E308");
    EXPECT_EQ(Staly(maks, 4, 1), "1,797E308");
    EXPECT_EQ(Staly(-maks, 4, 1), "-1,797E308");
    EXPECT_EQ(Ogolny(1.7976931348623e308), "1,7976931348623E308");
    EXPECT_EQ(Staly(9.9996e307, 4, 1), "1E308");
}

} // namespace
