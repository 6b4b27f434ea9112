// The JSON value: what the strict parser accepts and refuses (with the place), what the writer
// gives, and that numbers and texts survive a round trip unchanged.
#include "core/Json.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

using namespace murolab;

namespace {

TWartoscJson Czytaj(std::string_view tekst) {
    auto w = ParsujJson(tekst);
    if (auto* blad = Niepowodzenie(w)) {
        ADD_FAILURE() << "refused: " << *blad;
        return {};
    }
    return std::get<TWartoscJson>(w);
}

TEST(Json, PrzyjeteTekstyIIchZapis) {
    struct {
        const char* Nazwa;
        const char* Wejscie;
        const char* Zapis; // what the writer gives back
    } const przypadki[] = {
        {"null", "null", "null"},
        {"prawda i falsz w tablicy", "[true,false]", "[true,false]"},
        {"biale znaki wokol i w srodku", " \t\r\n{ \"a\" : [ 1 , 2 ] }\n", "{\"a\":[1,2]}"},
        {"pusty obiekt i tablica", "{\"o\":{},\"t\":[]}", "{\"o\":{},\"t\":[]}"},
        {"kolejnosc kluczy zachowana", "{\"z\":1,\"a\":2,\"m\":3}", "{\"z\":1,\"a\":2,\"m\":3}"},
        {"liczba ujemna z wykladnikiem", "-1.5E+3", "-1500"},
        {"liczba ulamkowa", "0.13", "0.13"},
        {"zero ujemne", "-0", "-0"},
        {"ucieczki", R"("a\"b\\c\/d\b\f\n\r\t")", R"("a\"b\\c/d\u0008\u000c\n\r\t")"},
        {"polskie znaki wprost", "\"Żółć\"", "\"Żółć\""},
        {"polskie znaki przez \\u", R"("\u017b\u00F3\u0142\u0107")", "\"Żółć\""},
        {"para zastepcza", R"("\ud83d\ude00")", "\"\xF0\x9F\x98\x80\""},
        {"znak sterujacy zapisany jako \\u", R"("\u0001\u007f")", R"("\u0001\u007f")"},
        {"liczba ponizej zakresu czytana jako zero", "1e-400", "0"},
        {"zagniezdzenie na granicy", nullptr, nullptr},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        std::string wejscie = p.Wejscie ? p.Wejscie : "";
        std::string zapis = p.Zapis ? p.Zapis : "";
        if (!p.Wejscie) {
            wejscie = std::string(kMaksGlebokoscJson, '[') + std::string(kMaksGlebokoscJson, ']');
            zapis = wejscie;
        }
        EXPECT_EQ(ZapiszJson(Czytaj(wejscie)), zapis);
    }
}

TEST(Json, OdmowaZMiejscem) {
    struct {
        const char* Nazwa;
        std::string Wejscie;
        const char* Fragment;
        const char* Miejsce;
    } const przypadki[] = {
        {"pusty tekst", "", "oczekiwano wartości", "(wiersz 1, kolumna 1)"},
        {"przecinek na koncu tablicy", "[1,2,]", "oczekiwano wartości", "(wiersz 1, kolumna 6)"},
        {"przecinek na koncu obiektu", "{\"a\":1,}", "oczekiwano klucza", "(wiersz 1, kolumna 8)"},
        {"brak dwukropka", "{\"a\" 1}", "oczekiwano „:”", "(wiersz 1, kolumna 6)"},
        {"klucz bez cudzyslowu", "{a:1}", "oczekiwano klucza", "kolumna 2"},
        {"klucz powtorzony", "{\"a\":1,\n \"a\":2}", "klucz „a” powtórzony", "(wiersz 2, kolumna 2)"},
        {"komentarz", "[1 // x\n]", "oczekiwano „,” albo „]”", "kolumna 4"},
        {"dalsze znaki po wartosci", "{} {}", "po wartości JSON są dalsze znaki", "kolumna 4"},
        {"zero wiodace", "[01]", "zaczynać się od zera", "kolumna 2"},
        {"kropka bez cyfr", "1.", "po kropce", ""},
        {"plus przed liczba", "+1", "oczekiwano wartości", ""},
        {"NaN", "NaN", "oczekiwano wartości", ""},
        {"Infinity", "[Infinity]", "oczekiwano wartości", ""},
        {"liczba ponad zakres", "[1e400]", "poza zakresem", "kolumna 2"},
        {"najwieksza liczba zaokraglona w gore", "1.7976931348623159e308", "poza zakresem", ""},
        {"tekst bez konca", "\"abc", "bez cudzysłowu zamykającego", ""},
        {"nowy wiersz w tekscie", "\"a\nb\"", "znak sterujący", "(wiersz 1, kolumna 3)"},
        {"zla ucieczka", R"("\x")", "nieznana sekwencja \\x", ""},
        {"samotna pierwsza polowa pary", R"("\ud83d")", "pierwsza połowa", ""},
        {"samotna druga polowa pary", R"("\ude00")", "druga połowa", ""},
        {"UTF-8 urwany", "\"\xC5\"", "niepoprawny UTF-8", ""},
        {"UTF-8 nadmiarowy", "\"\xC0\xAF\"", "niepoprawny UTF-8", ""},
        {"UTF-8 zastepczy", "\"\xED\xA0\x80\"", "niepoprawny UTF-8", ""},
        {"bajt spoza UTF-8", "\"\xFF\"", "bajt 0xFF", ""},
        {"BOM na poczatku", "\xEF\xBB\xBF{}", "oczekiwano wartości", ""},
        {"kolumna liczona w znakach", "[\"żółć\",x]", "oczekiwano wartości", "(wiersz 1, kolumna 9)"},
        {"zagniezdzenie za glebokie",
         std::string(kMaksGlebokoscJson + 1, '[') + std::string(kMaksGlebokoscJson + 1, ']'), "zagnieżdżenie",
         ""},
        {"milion nawiasow bez konca", std::string(1'000'000, '['), "zagnieżdżenie", ""},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const auto w = ParsujJson(p.Wejscie);
        ASSERT_TRUE(std::holds_alternative<TBladWyniku>(w)) << ZapiszJson(std::get<TWartoscJson>(w));
        const std::string& blad = std::get<TBladWyniku>(w).Komunikat;
        EXPECT_EQ(blad.rfind("Błędny JSON: ", 0), 0u) << blad;
        EXPECT_NE(blad.find(p.Fragment), std::string::npos) << blad;
        EXPECT_NE(blad.find(p.Miejsce), std::string::npos) << blad;
    }
}

TEST(Json, LiczbyWracajaTeSame) {
    const double przypadki[] = {0.1,
                                0.13,
                                1.0 / 3.0,
                                2339.45,
                                -5,
                                1e-6,
                                123456789012345678.0,
                                std::numeric_limits<double>::max(),
                                -std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::min(),
                                std::numeric_limits<double>::denorm_min(),
                                std::nextafter(1.0, 2.0)};
    for (double x : przypadki) {
        SCOPED_TRACE(x);
        const std::string tekst = LiczbaJson(x);
        EXPECT_EQ(tekst.find(','), std::string::npos);
        const TWartoscJson w = Czytaj(tekst);
        ASSERT_TRUE(w.CzyLiczba());
        EXPECT_EQ(w.Liczba(), x);
        EXPECT_EQ(std::signbit(w.Liczba()), std::signbit(x));
    }
    // Integral values are written without a fraction, as a script expects a count to look.
    EXPECT_EQ(LiczbaJson(3), "3");
    EXPECT_EQ(LiczbaJson(0.05), "0.05");
}

// The writer takes shortcuts for whole numbers and for short decimals; every number must still come
// out exactly as the shortest form of the standard library writes it.
TEST(Json, LiczbyJakNajkrotszaPostacBiblioteki) {
    const auto wzor = [](double x) {
        char b[64];
        return std::string(b, std::to_chars(b, b + sizeof b, x).ptr);
    };
    std::vector<double> liczby = {0.0,
                                  -0.0,
                                  1.0,
                                  -1.0,
                                  99999,
                                  100000,
                                  -100000,
                                  1e-5,
                                  9.9e-6,
                                  0.0001,
                                  0.00012,
                                  1e15,
                                  1e15 - 1,
                                  9999999,
                                  1e7,
                                  12345678,
                                  0.1 + 0.2,
                                  3.5000000000000004,
                                  0.07,
                                  1.005,
                                  123456.78901234,
                                  0.30000000000000004};
    std::mt19937_64 los(12345);
    std::uniform_int_distribution<std::int64_t> calk(-2000000000000000, 2000000000000000);
    std::uniform_int_distribution<int> miejsca(0, 12), wykladnik(-30, 30);
    for (int i = 0; i < 300000; ++i) {
        // Decimals of up to twelve places, as typed and as computed, and any double at all.
        liczby.push_back(static_cast<double>(calk(los) % 100000000) / std::pow(10.0, miejsca(los)));
        liczby.push_back(static_cast<double>(calk(los)) / std::pow(10.0, miejsca(los)));
        liczby.push_back(std::ldexp(static_cast<double>(calk(los)), wykladnik(los)));
    }
    int zle = 0;
    for (double x : liczby) {
        const std::string zapis = ZapiszJson(TWartoscJson(x));
        if (zapis != wzor(x) && ++zle <= 10)
            ADD_FAILURE() << wzor(x) << " zapisane jako " << zapis;
    }
    EXPECT_EQ(zle, 0);
}

TEST(Json, WartoscNieskonczonaToNull) {
    TWartoscJson t = TWartoscJson::Tablica();
    t.Dodaj(std::numeric_limits<double>::quiet_NaN());
    t.Dodaj(std::numeric_limits<double>::infinity());
    t.Dodaj(-std::numeric_limits<double>::infinity());
    EXPECT_EQ(ZapiszJson(t), "[null,null,null]");
}

TEST(Json, ObiektUstawUsunZnajdz) {
    TWartoscJson o = TWartoscJson::Obiekt();
    o.Ustaw("b", 1);
    o.Ustaw("a", "x");
    o.Ustaw("b", true); // replaced where it stands, not moved to the end
    EXPECT_EQ(ZapiszJson(o), R"({"b":true,"a":"x"})");
    ASSERT_NE(o.Znajdz("a"), nullptr);
    EXPECT_EQ(o.Znajdz("a")->Tekst(), "x");
    EXPECT_EQ(o.Znajdz("c"), nullptr);
    EXPECT_EQ(TWartoscJson(1).Znajdz("a"), nullptr) << "a number has no members";
    o.Usun("b");
    EXPECT_EQ(ZapiszJson(o), R"({"a":"x"})");
}

TEST(Json, TekstyZKazdymZnakiemWracajaTeSame) {
    // Every byte value that can stand in valid UTF-8 text, control characters and quotes included.
    std::string wszystkie;
    for (int b = 1; b < 0x80; ++b)
        wszystkie += static_cast<char>(b);
    wszystkie += "ąęłńóśźżĄĘŁŃÓŚŹŻ€„”\xF0\x9F\x98\x80";
    wszystkie += std::string(1, '\0');
    const std::string zapis = ZapiszJson(TWartoscJson(wszystkie));
    EXPECT_EQ(zapis.find('\n'), std::string::npos);
    EXPECT_EQ(Czytaj(zapis), TWartoscJson(wszystkie));
}

TEST(Json, BajtySpozaUtf8ZapisaneJakoZnakiLatin1) {
    // A file name in another encoding reaches the output whole and the output stays valid UTF-8.
    struct {
        const char* Nazwa;
        std::string Tekst;
        std::string Zapis;
    } const przypadki[] = {
        {"Latin-1 e z akcentem", "caf\xE9.pro", R"("caf\u00e9.pro")"},
        {"samotny bajt kontynuacji", "a\x80z", R"("a\u0080z")"},
        {"urwany ciag na koncu", "\xC5", R"("\u00c5")"},
        {"forma nadmiarowa", "\xC0\xAF", R"("\u00c0\u00af")"},
        {"surogat", "\xED\xA0\x80", R"("\u00ed\u00a0\u0080")"},
        {"ponad U+10FFFF", "\xF4\x90\x80\x80", R"("\u00f4\u0090\u0080\u0080")"},
        {"bajt FF", "\xFF", R"("\u00ff")"},
        {"poprawne obok zlego", "ł\xFFł", "\"ł\\u00ffł\""},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const std::string zapis = ZapiszJson(TWartoscJson(p.Tekst));
        EXPECT_EQ(zapis, p.Zapis);
        EXPECT_FALSE(Niepowodzenie(ParsujJson(zapis))) << "the strict reader takes it: valid UTF-8";
    }
}

} // namespace
