// Short strings: Windows-1250 text of fixed capacity, as the model and the files hold it.
#include "core/KrotkiTekst.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <memory>

using namespace murolab;

namespace {

TEST(KrotkiTekst, PolskieLiteryWObieStrony) {
    // The Polish letters and their Windows-1250 codes, from the code page's chart.
    const std::pair<const char*, unsigned char> litery[] = {
        {"ą", 0xB9}, {"ć", 0xE6}, {"ę", 0xEA}, {"ł", 0xB3}, {"ń", 0xF1}, {"ó", 0xF3},
        {"ś", 0x9C}, {"ź", 0x9F}, {"ż", 0xBF}, {"Ą", 0xA5}, {"Ć", 0xC6}, {"Ę", 0xCA},
        {"Ł", 0xA3}, {"Ń", 0xD1}, {"Ó", 0xD3}, {"Ś", 0x8C}, {"Ź", 0x8F}, {"Ż", 0xAF},
        {"°", 0xB0}, {"€", 0x80}, {"„", 0x84}, {"”", 0x94},
    };
    for (const auto& [utf8, kod] : litery) {
        SCOPED_TRACE(utf8);
        const std::string bajt(1, static_cast<char>(kod));
        EXPECT_EQ(Utf8NaCp1250(utf8), bajt);
        EXPECT_EQ(Cp1250NaUtf8(bajt), utf8);
    }
    EXPECT_EQ(Cp1250NaUtf8(Utf8NaCp1250("Ściana zewnętrzna – żółć")), "Ściana zewnętrzna – żółć");
}

TEST(KrotkiTekst, CalaStronaKodowaZgodnaZIconv) {
    iconv_t cd = iconv_open("UTF-8", "CP1250");
    if (cd == reinterpret_cast<iconv_t>(-1))
        GTEST_SKIP() << "iconv has no CP1250 here";
    std::unique_ptr<void, int (*)(iconv_t)> zamknij(cd, iconv_close);
    for (int b = 0x80; b <= 0xFF; ++b) {
        SCOPED_TRACE(b);
        char wejscie = static_cast<char>(b);
        char wyjscie[8] = {};
        char* we = &wejscie;
        char* wy = wyjscie;
        std::size_t zostalo = 1, miejsce = sizeof wyjscie;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const bool jest = iconv(cd, &we, &zostalo, &wy, &miejsce) != static_cast<std::size_t>(-1);
        const std::string nasz = Cp1250NaUtf8(std::string(1, wejscie));
        if (jest) {
            EXPECT_EQ(nasz, std::string(wyjscie, wy));
            EXPECT_EQ(Utf8NaCp1250(nasz), std::string(1, wejscie)) << "every character maps back to its byte";
        } else {
            EXPECT_EQ(nasz, "\xEF\xBF\xBD") << "a byte without a character decodes to U+FFFD";
        }
    }
}

TEST(KrotkiTekst, ZnakiSpozaStronyKodowejIZlyUtf8DajaPytajnik) {
    EXPECT_EQ(Utf8NaCp1250("中"), "?");
    EXPECT_EQ(Utf8NaCp1250("a😀b"), "a?b");
    EXPECT_EQ(Utf8NaCp1250("a\xFF"
                           "b"),
              "a?b");
    EXPECT_EQ(Utf8NaCp1250("\xC4"), "?") << "truncated sequence";
    EXPECT_EQ(Utf8NaCp1250("\xC0\xAF"), "??") << "overlong form of '/'";
    EXPECT_EQ(Utf8NaCp1250("\xED\xA0\x80"), "???") << "surrogate";
}

TEST(KrotkiTekst, DlugiTekstUcinanyDoPojemnosci) {
    const std::string dlugi = "Strop nad ostantnią kondygnacją przy przepływie ciepła z dołu do góry";
    TKrotkiTekst<40> t;
    t.UstawUtf8(dlugi);
    EXPECT_EQ(t.Dlugosc(), 40u);
    EXPECT_EQ(t.Utf8(), "Strop nad ostantnią kondygnacją przy prz");

    TKrotkiTekst<40> dokladnie;
    dokladnie.UstawUtf8(std::string(40, 'x'));
    EXPECT_EQ(dokladnie.Dlugosc(), 40u);
    TKrotkiTekst<40> o41;
    o41.UstawUtf8(std::string(41, 'y'));
    EXPECT_EQ(o41.Utf8(), std::string(40, 'y'));
}

TEST(KrotkiTekst, BajtDlugosciPonadPojemnoscCzytaTylkoPole) {
    // Exactly the 41 bytes of the field on the heap, so that reading past it is caught by the sanitizer.
    auto obraz = std::make_unique<std::uint8_t[]>(41);
    obraz[0] = 200;
    for (int i = 1; i <= 40; ++i)
        obraz[i] = static_cast<std::uint8_t>('a' + (i - 1) % 26);
    TKrotkiTekst<40> t;
    t.UstawObraz(obraz.get());
    EXPECT_EQ(t.Dlugosc(), 40u);
    EXPECT_EQ(t.Cp1250().substr(0, 3), "abc");
}

TEST(KrotkiTekst, ObrazMaZeraZaTekstem) {
    TKrotkiTekst<10> t;
    t.UstawUtf8("0123456789");
    t.UstawUtf8("ał");
    std::uint8_t obraz[11];
    std::fill(std::begin(obraz), std::end(obraz), 0xEE);
    t.ZapiszObraz(obraz);
    const std::uint8_t oczekiwany[11] = {2, 'a', 0xB3, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(obraz), std::end(obraz), std::begin(oczekiwany)));

    TKrotkiTekst<10> odczytany;
    odczytany.UstawObraz(obraz);
    EXPECT_EQ(odczytany, t);
    EXPECT_EQ(odczytany.Utf8(), "ał");
}

TEST(KrotkiTekst, LiczbaZnakowToZnakiNieBajty) {
    EXPECT_EQ(LiczbaZnakow("zażółć"), 6u);
    EXPECT_EQ(LiczbaZnakow(""), 0u);
    EXPECT_EQ(LiczbaZnakow("m²·K/W"), 6u);
}

} // namespace
