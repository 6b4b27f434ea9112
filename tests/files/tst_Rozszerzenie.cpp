// The project file beyond the bare record: the extension block written only when there is
// something to store, read back to the same model and the same bytes, refused when damaged, and
// keeping what a newer program put there. Also the values a record may hold when it is opened.
#include "core/Przygotowanie.h"
#include "core/TabeleWarunkow.h"
#include "files/PolaRekordu.h"
#include "files/RekordProjektu.h"
#include "files/RozszerzenieProjektu.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace murolab;
using namespace murolab::test;

namespace {

// A plain project: three layers and confirmed working conditions, nothing for the block.
TModelProjektu Sciana() {
    TModelProjektu m;
    m.Resetuj();
    DodajWarstwe(m, "Tynk cementowo-wapienny", 0.015, 0.82, 10);
    DodajWarstwe(m, "Cegła pełna", 0.25, 0.77, 10);
    DodajWarstwe(m, "Styropian EPS 040", 0.12, 0.04, 60);
    WarunkiScianyStrefyIII(m.WarunkiPracy);
    m.WarunkiPracy.DeltaUk = 0.05;
    return m;
}

std::vector<std::uint8_t> Bajty(const TRekordProjektu& r, std::string_view poRekordzie = {}) {
    std::vector<std::uint8_t> b(r.begin(), r.end());
    b.insert(b.end(), poRekordzie.begin(), poRekordzie.end());
    return b;
}

std::string Ogon(const std::vector<std::uint8_t>& bajty) {
    return std::string(bajty.begin() + static_cast<std::ptrdiff_t>(kRozmiarRekordu), bajty.end());
}

TZawartoscProjektu Dekoduj(const std::vector<std::uint8_t>& bajty) {
    auto wynik = DekodujRekord(bajty);
    if (auto* blad = Niepowodzenie(wynik)) {
        ADD_FAILURE() << "refused: " << *blad;
        return {};
    }
    return std::get<TZawartoscProjektu>(wynik);
}

// `n` months of a stored climate in the block's JSON, joined with commas.
std::string Miesiace(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += std::string(i ? "," : "") + R"({"Temp":-1.5,"Wilgot":80})";
    return s;
}

std::string Odmowa(const std::vector<std::uint8_t>& bajty) {
    auto wynik = DekodujRekord(bajty);
    if (std::holds_alternative<TZawartoscProjektu>(wynik)) {
        ADD_FAILURE() << "accepted";
        return {};
    }
    return std::get<TBladWyniku>(wynik).Komunikat;
}

TEST(Rozszerzenie, BezNowychDanychPlikToSamRekord) {
    struct {
        const char* Nazwa;
        std::function<void(TModelProjektu&)> Ustaw;
    } const przypadki[] = {
        {"nic nowego", [](TModelProjektu&) {}},
        {"sama data opisu", [](TModelProjektu& m) { m.DaneProjektu.Data.UstawUtf8("01.02.2026"); }},
        {"domyslne ustawienia roczne", [](TModelProjektu& m) { m.Iso13788 = TUstawieniaIso13788{}; }},
        {"gestosc w slocie za liczba warstw", [](TModelProjektu& m) { m.Warstwy[4].Gestosc = 1800; }},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        TModelProjektu m = Sciana();
        p.Ustaw(m);
        const auto bajty = KodujProjekt(m);
        EXPECT_EQ(bajty.size(), kRozmiarRekordu);
        EXPECT_TRUE(bajty == Bajty(KodujRekord(m)));
    }
}

TEST(Rozszerzenie, BlokZapisanyJakOpisano) {
    // The block written out by hand: the header line, the keys in their order, the layers' values
    // with null where one is unknown, the line end.
    TModelProjektu m = Sciana();
    m.DaneProjektu.Obiekt.UstawUtf8("Szkoła \"Pod Dębem\"");
    m.DaneProjektu.Inwestor.UstawUtf8("Gmina Żółkiewka");
    m.DaneProjektu.Data.UstawUtf8("05.01.2026");
    m.Iso13788.Klimat = "Warszawa";
    m.Iso13788.Wnetrze = "klasa3";
    m.Warstwy[2].Gestosc = 1800;
    m.Warstwy[2].Cieplo = 0.88;
    m.Warstwy[3].Cieplo = 1.45;
    const auto bajty = KodujProjekt(m);
    ASSERT_GT(bajty.size(), kRozmiarRekordu);
    EXPECT_TRUE(std::equal(bajty.begin(), bajty.begin() + static_cast<std::ptrdiff_t>(kRozmiarRekordu),
                           KodujRekord(m).begin()))
        << "the record stays byte for byte";
    EXPECT_EQ(Ogon(bajty),
              "MUROLAB-ROZSZERZENIE 1\n"
              R"({"Opis":{"Obiekt":"Szkoła \"Pod Dębem\"","Adres":"","Inwestor":"Gmina Żółkiewka",)"
              R"("Projektant":"","Data":"05.01.2026"},)"
              R"("ISO13788":{"Klimat":"Warszawa","Wnetrze":"klasa3","WierszWT":""},)"
              R"("Warstwy":[{"Gestosc":null,"Cieplo":null},{"Gestosc":1800,"Cieplo":0.88},)"
              R"({"Gestosc":null,"Cieplo":1.45}]})"
              "\n");
}

TEST(Rozszerzenie, KazdyRodzajProjektuWracaTakiSam) {
    // Whatever the program can save opens again as the same model, and saves again as the same bytes.
    struct {
        const char* Nazwa;
        std::function<void(TModelProjektu&)> Ustaw;
    } const przypadki[] = {
        {"sam rekord", [](TModelProjektu&) {}},
        {"po resecie, warunki nieustalone", [](TModelProjektu& m) { m.Resetuj(); }},
        {"przy starcie programu, same zera", [](TModelProjektu& m) { m = TModelProjektu{}; }},
        {"opis z polskimi znakami i pelnymi szerokosciami",
         [](TModelProjektu& m) {
             m.DaneProjektu.Obiekt.UstawUtf8(std::string(40, 'O'));
             m.DaneProjektu.Adres.UstawUtf8("ul. Źródlana 7/9, 00-950 Łódź – „Osiedle” €" +
                                            std::string(12, 'a'));
             m.DaneProjektu.Inwestor.UstawUtf8("Spółdzielnia „Dom”");
             m.DaneProjektu.Projektant.UstawUtf8("mgr inż. Ęwa Ąbacka");
             m.DaneProjektu.Data.UstawUtf8("29.02.2028");
         }},
        {"ustawienia roczne",
         [](TModelProjektu& m) {
             m.Iso13788 = {"/dom/klimaty/moj.csv", "klasa4", "sciana", std::nullopt};
         }},
        {"klimat wlasny z rokiem w projekcie",
         [](TModelProjektu& m) {
             TKlimat k;
             k.Nazwa = "Zakopane – mój pomiar";
             for (int i = 0; i < kLiczbaMiesiecy; ++i)
                 k.Miesiace[static_cast<std::size_t>(i)] = {-5.9 + i * 1.7, 85.5 - i / 3.0};
             m.Iso13788.Klimat = "Zakopane";
             m.Iso13788.KlimatZapisany = k;
         }},
        {"granice gestosci i ciepla",
         [](TModelProjektu& m) {
             m.Warstwy[1].Gestosc = 25000;
             m.Warstwy[1].Cieplo = 10;
             m.Warstwy[2].Gestosc = 0;
         }},
        {"gestosc i cieplo kazdej warstwy",
         [](TModelProjektu& m) {
             for (int k = 1; k <= 3; ++k) {
                 m.Warstwy[k].Gestosc = 100.0 * k + 1.0 / 3.0;
                 m.Warstwy[k].Cieplo = 0.1 * k;
             }
         }},
        {"dziesiec warstw z folia zerowej grubosci",
         [](TModelProjektu& m) {
             while (m.LiczbaWarstw < kLimitWarstw)
                 DodajWarstwe(m, "Folia PE", 0.0, 0.2, 100000);
             m.Warstwy[10].Gestosc = 920;
         }},
        {"wszystkie poprawki",
         [](TModelProjektu& m) {
             PoprawkiPrzykladu(m.WarunkiPracy);
             m.WarunkiPracy.DeltaUk = 0.15;
             m.WarunkiPracy.MostekWlasny = 10;
             m.WarunkiPracy.LambdaF = 1000;
             m.WarunkiPracy.Alfa = 10;
             m.WarunkiPracy.LiczbaF = 99;
             m.WarunkiPracy.PoleF = 99.99;
         }},
        {"granice warunkow",
         [](TModelProjektu& m) {
             m.WarunkiPracy.TempZewn = -24;
             m.WarunkiPracy.TempWew = 30;
             m.WarunkiPracy.WilgotZewn = 99;
             m.WarunkiPracy.WilgotWewn = 1;
             m.WarunkiPracy.Rsi = 0.29;
             m.WarunkiPracy.Rse = 0.011;
         }},
        {"typ przegrody uciety do 40 znakow",
         [](TModelProjektu& m) {
             m.WarunkiPracy.TypPrzegrody.UstawUtf8(
                 "Strop nad ostantnią kondygnacją przy przepływie ciepła z dołu do góry");
         }},
        {"korekta nieszczelnosci pozostala po usunietych warstwach",
         [](TModelProjektu& m) {
             m.WarunkiPracy.NrNieszczelnosci = 7;
             m.WarunkiPracy.DeltaU = 0.04;
         }},
        {"nieznane klucze bloku",
         [](TModelProjektu& m) {
             m.RozszerzenieNieznane.Ustaw("Przyszle", TWartoscJson::Tablica());
             TWartoscJson opis = TWartoscJson::Obiekt();
             opis.Ustaw("Telefon", "+48 600 000 000");
             m.RozszerzenieNieznane.Ustaw("Opis", opis);
         }},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        TModelProjektu m = Sciana();
        p.Ustaw(m);
        const auto bajty = KodujProjekt(m);
        const TZawartoscProjektu z = Dekoduj(bajty);
        TModelProjektu ponownie;
        PrzeniesDoModelu(z, ponownie);
        EXPECT_TRUE(KodujProjekt(ponownie) == bajty) << Ogon(KodujProjekt(ponownie)) << "\nvs\n"
                                                     << Ogon(bajty);
        EXPECT_TRUE(ponownie.DaneProjektu.Obiekt == m.DaneProjektu.Obiekt);
        EXPECT_TRUE(ponownie.DaneProjektu.Adres == m.DaneProjektu.Adres);
        EXPECT_TRUE(ponownie.DaneProjektu.Data == m.DaneProjektu.Data);
        EXPECT_EQ(ponownie.Iso13788.Klimat, m.Iso13788.Klimat);
        EXPECT_EQ(ponownie.Iso13788.Wnetrze, m.Iso13788.Wnetrze);
        EXPECT_EQ(ponownie.Iso13788.KlimatZapisany, m.Iso13788.KlimatZapisany);
        for (int k = 1; k <= m.LiczbaWarstw; ++k) {
            EXPECT_EQ(ponownie.Warstwy[k].Gestosc, m.Warstwy[k].Gestosc) << k;
            EXPECT_EQ(ponownie.Warstwy[k].Cieplo, m.Warstwy[k].Cieplo) << k;
        }
        EXPECT_EQ(z.Rozszerzenie.has_value(), bajty.size() > kRozmiarRekordu);
    }
}

TEST(Rozszerzenie, NieznaneKluczeZachowane) {
    const std::string blok = "MUROLAB-ROZSZERZENIE 1\n"
                             R"({"Nowe":{"a":[1,2.5,null,true]},)"
                             R"("Opis":{"Obiekt":"Hala","Telefon":"123"},)"
                             R"("ISO13788":{"Wnetrze":"klasa2","Okres":"2030"},"Inne":"x"})";
    const TZawartoscProjektu z = Dekoduj(Bajty(KodujRekord(Sciana()), blok));
    ASSERT_TRUE(z.DaneProjektu);
    EXPECT_EQ(z.DaneProjektu->Obiekt.Utf8(), "Hala");
    EXPECT_TRUE(z.DaneProjektu->Adres.Pusty()) << "a member left out reads as empty";
    EXPECT_EQ(z.Iso13788.Wnetrze, "klasa2");
    EXPECT_EQ(z.Iso13788.Klimat, "") << "a member left out keeps its default";

    TModelProjektu m;
    PrzeniesDoModelu(z, m);
    // Written back: the known keys first, in their order, then what this version does not know.
    EXPECT_EQ(
        Ogon(KodujProjekt(m)),
        "MUROLAB-ROZSZERZENIE 1\n"
        R"({"Opis":{"Obiekt":"Hala","Adres":"","Inwestor":"","Projektant":"","Data":"","Telefon":"123"},)"
        R"("ISO13788":{"Klimat":"","Wnetrze":"klasa2","WierszWT":"","Okres":"2030"},)"
        R"("Nowe":{"a":[1,2.5,null,true]},"Inne":"x"})"
        "\n");
}

TEST(Rozszerzenie, WarstwyWedlugLiczbyWarstw) {
    // Entries behind the layer count belong to no layer; missing ones are unknown values.
    const std::string blok =
        "MUROLAB-ROZSZERZENIE 1\n"
        R"({"Warstwy":[{"Gestosc":1600},{"Cieplo":0.84,"Uwagi":"x"},{},{"Gestosc":7850,"Cieplo":0.45}]})";
    TModelProjektu m = Sciana();
    m.LiczbaWarstw = 2;
    const TZawartoscProjektu z = Dekoduj(Bajty(KodujRekord(m), blok));
    EXPECT_EQ(z.Warstwy[1].Gestosc, 1600.0);
    EXPECT_EQ(z.Warstwy[1].Cieplo, std::nullopt);
    EXPECT_EQ(z.Warstwy[2].Gestosc, std::nullopt);
    EXPECT_EQ(z.Warstwy[2].Cieplo, 0.84);
    EXPECT_EQ(z.Warstwy[3].Gestosc, std::nullopt);
    EXPECT_EQ(z.Warstwy[4].Gestosc, std::nullopt);
}

TEST(Rozszerzenie, BajtyObceIgnorowane) {
    const char* przypadki[] = {
        "dowolne bajty innego programu",
        "MUROLAB-ROZSZERZENIE 1",    // no line end: not the header line
        "murolab-rozszerzenie 1\n{", // another spelling
        " MUROLAB-ROZSZERZENIE 1\n{",    "MUROLAB-ROZSZERZENIE wersja\n{",
    };
    for (const char* ogon : przypadki) {
        SCOPED_TRACE(ogon);
        const TZawartoscProjektu z = Dekoduj(Bajty(KodujRekord(Sciana()), ogon));
        EXPECT_FALSE(z.Rozszerzenie.has_value());
        EXPECT_FALSE(z.DaneProjektu.has_value());
        EXPECT_EQ(z.LiczbaWarstw, 3);
    }
}

TEST(Rozszerzenie, OdmowaUszkodzonegoBloku) {
    std::string zaDlugiePolskie; // 41 characters of two bytes each
    for (int k = 0; k < 41; ++k)
        zaDlugiePolskie += "ż";
    struct {
        const char* Nazwa;
        std::string Blok; // after the header line
        const char* Fragment;
    } const przypadki[] = {
        {"pusty", "", "oczekiwano wartości"},
        {"urwany", R"({"Opis":{"Obiekt":"Ha)", "bez cudzysłowu zamykającego"},
        {"smieci po obiekcie", R"({} x)", "dalsze znaki"},
        {"tablica zamiast obiektu", "[]", "musi być obiektem JSON"},
        {"Opis nie obiektem", R"({"Opis":"Hala"})", "„Opis” musi być obiektem"},
        {"Opis.Obiekt liczba", R"({"Opis":{"Obiekt":5}})", "„Opis.Obiekt” musi być tekstem"},
        {"Opis.Adres za dlugi", R"({"Opis":{"Adres":")" + std::string(61, 'a') + "\"}}",
         "„Opis.Adres” ma 61 znaków, a mieści najwyżej 60"},
        {"Opis.Obiekt 41 polskich liter", R"({"Opis":{"Obiekt":")" + zaDlugiePolskie + "\"}}",
         "„Opis.Obiekt” ma 41 znaków, a mieści najwyżej 40"},
        {"Opis.Inwestor spoza strony kodowej", R"({"Opis":{"Inwestor":"Ǆ"}})", "spoza strony kodowej"},
        {"Opis.Data nieistniejaca", R"({"Opis":{"Data":"29.02.2026"}})", "„Opis.Data” = „29.02.2026”"},
        {"Opis.Data w innym zapisie", R"({"Opis":{"Data":"2026-01-05"}})", "dd.MM.rrrr"},
        // Control characters, written as the JSON escapes that carry them.
        {"Opis.Obiekt z U+0001", R"({"Opis":{"Obiekt":"Hala\u0001"}})",
         "„Opis.Obiekt” zawiera znak sterujący"},
        {"Opis.Adres z ESC", R"({"Opis":{"Adres":"\u001b[31mul. Długa"}})",
         "„Opis.Adres” zawiera znak sterujący"},
        {"Opis.Inwestor z nowym wierszem", R"({"Opis":{"Inwestor":"Gmina\nŻółkiewka"}})",
         "„Opis.Inwestor” zawiera znak sterujący"},
        {"Opis.Projektant z tabulacja", R"({"Opis":{"Projektant":"Jan\tŻuk"}})", "„Opis.Projektant” zawiera"},
        {"Opis.Obiekt z DEL", R"({"Opis":{"Obiekt":"Hala\u007f"}})", "„Opis.Obiekt” zawiera znak sterujący"},
        {"ISO13788 nie obiektem", R"({"ISO13788":[]})", "„ISO13788” musi być obiektem"},
        {"ISO13788.Klimat liczba", R"({"ISO13788":{"Klimat":1}})", "„ISO13788.Klimat” musi być tekstem"},
        {"ISO13788.Wnetrze nieznane", R"({"ISO13788":{"Wnetrze":"klasa5"}})",
         "„ISO13788.Wnetrze” = „klasa5”"},
        {"klimat wlasny nie obiektem", R"({"ISO13788":{"KlimatWlasny":[]}})",
         "„ISO13788.KlimatWlasny” musi być obiektem"},
        {"klimat wlasny 11 miesiecy", R"({"ISO13788":{"KlimatWlasny":{"Miesiace":[)" + Miesiace(11) + "]}}}",
         "„ISO13788.KlimatWlasny.Miesiace” musi być tablicą 12 miesięcy"},
        {"klimat wlasny temperatura 60",
         R"({"ISO13788":{"KlimatWlasny":{"Miesiace":[{"Temp":60,"Wilgot":80},)" + Miesiace(11) + "]}}}",
         "„ISO13788.KlimatWlasny.Miesiace[1].Temp” = 60"},
        {"klimat wlasny wilgotnosc 0",
         R"({"ISO13788":{"KlimatWlasny":{"Miesiace":[)" + Miesiace(11) + R"(,{"Temp":1,"Wilgot":0}]}}})",
         "„ISO13788.KlimatWlasny.Miesiace[12].Wilgot” = 0"},
        {"klimat wlasny bez wilgotnosci",
         R"({"ISO13788":{"KlimatWlasny":{"Miesiace":[{"Temp":1},)" + Miesiace(11) + "]}}}",
         "„ISO13788.KlimatWlasny.Miesiace[1]” musi być obiektem z liczbami"},
        {"klimat wlasny stacja z ESC",
         R"({"ISO13788":{"KlimatWlasny":{"Stacja":"\u001b","Miesiace":[)" + Miesiace(12) + "]}}}",
         "„ISO13788.KlimatWlasny.Stacja” musi być tekstem bez znaków sterujących"},
        {"Warstwy nie tablica", R"({"Warstwy":{}})", "„Warstwy” musi być tablicą"},
        {"warstwa nie obiektem", R"({"Warstwy":[1]})", "„Warstwy[1]” musi być obiektem"},
        {"gestosc tekstem", R"({"Warstwy":[{},{"Gestosc":"1800"}]})", "„Warstwy[2].Gestosc” musi być liczbą"},
        {"cieplo ujemne", R"({"Warstwy":[{"Cieplo":-0.84}]})", "„Warstwy[1].Cieplo” = -0,84"},
        // Physical bounds, in the units of the grid: ρ in kg/m3, c in kJ/(kg K).
        {"gestosc ponad 25000", R"({"Warstwy":[{"Gestosc":25000.5}]})",
         "„Warstwy[1].Gestosc” = 25000,5 (gęstość ρ [kg/m³]); dozwolone: 0 ≤ Gestosc ≤ 25000."},
        {"gestosc 1e300", R"({"Warstwy":[{},{"Gestosc":1e300}]})", "„Warstwy[2].Gestosc” = 1E300"},
        {"cieplo ponad 10", R"({"Warstwy":[{"Cieplo":10.01}]})", "dozwolone: 0 ≤ Cieplo ≤ 10."},
        {"cieplo w J zamiast kJ", R"({"Warstwy":[{"Cieplo":840}]})", "„Warstwy[1].Cieplo” = 840"},
        {"gestosc ponad zakres", R"({"Warstwy":[{"Gestosc":1e999}]})", "poza zakresem"},
        {"klucz powtorzony", R"({"Opis":{},"Opis":{}})", "klucz „Opis” powtórzony"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const std::string blad =
            Odmowa(Bajty(KodujRekord(Sciana()), std::string(kNaglowekRozszerzenia) + p.Blok));
        EXPECT_EQ(blad.rfind("Blok rozszerzenia pliku projektu: ", 0), 0u) << blad;
        EXPECT_NE(blad.find(p.Fragment), std::string::npos) << blad;
    }
    // A later version of the block would be lost by a save of this one: refused, not ignored.
    const std::string blad = Odmowa(Bajty(KodujRekord(Sciana()), "MUROLAB-ROZSZERZENIE 2\n{}"));
    EXPECT_NE(blad.find("wersja 2"), std::string::npos) << blad;
}

TEST(PolaRekordu, OdmowaWartosciNiemozliwych) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct {
        const char* Nazwa;
        std::function<void(TModelProjektu&)> Zepsuj;
        const char* Fragment;
    } const przypadki[] = {
        {"te 30", [](TModelProjektu& m) { m.WarunkiPracy.TempZewn = 30; }, "(pole TempZewn) = 30"},
        {"te -25", [](TModelProjektu& m) { m.WarunkiPracy.TempZewn = -25; }, "(pole TempZewn) = -25"},
        {"ti -24", [](TModelProjektu& m) { m.WarunkiPracy.TempWew = -24; }, "(pole TempWew) = -24"},
        {"ti 31", [](TModelProjektu& m) { m.WarunkiPracy.TempWew = 31; }, "(pole TempWew) = 31"},
        {"fi_e 250", [](TModelProjektu& m) { m.WarunkiPracy.WilgotZewn = 250; }, "(pole WilgotZewn) = 250"},
        {"fi_e ujemna", [](TModelProjektu& m) { m.WarunkiPracy.WilgotZewn = -1; }, "(pole WilgotZewn) = -1"},
        {"fi_i 100", [](TModelProjektu& m) { m.WarunkiPracy.WilgotWewn = 100; }, "(pole WilgotWewn) = 100"},
        {"Rsi 0,3", [](TModelProjektu& m) { m.WarunkiPracy.Rsi = 0.3; }, "(pole Rsi) = 0,3"},
        {"Rsi 0,01", [](TModelProjektu& m) { m.WarunkiPracy.Rsi = 0.01; }, "(pole Rsi) = 0,01"},
        {"Rse ujemny", [](TModelProjektu& m) { m.WarunkiPracy.Rse = -0.04; }, "(pole Rse) = -0,04"},
        {"typ ze znakiem sterujacym",
         [](TModelProjektu& m) { m.WarunkiPracy.TypPrzegrody.UstawUtf8("Ściana\x01"); },
         "(pole TypPrzegrody) = „Ściana\\x01”"},
        {"strefa z DEL", [](TModelProjektu& m) { m.WarunkiPracy.StrefaKl.UstawUtf8("Strefa\x7F"); },
         "StrefaKl"},
        {"klasa z nowym wierszem", [](TModelProjektu& m) { m.WarunkiPracy.WarunkiWilg.UstawUtf8("a\nb"); },
         "WarunkiWilg"},
        {"nr warstwy 16", [](TModelProjektu& m) { m.WarunkiPracy.NrNieszczelnosci = 16; },
         "(pole NrNieszczelnosci) = 16"},
        {"nr warstwy -1", [](TModelProjektu& m) { m.WarunkiPracy.NrNieszczelnosci = -1; },
         "NrNieszczelnosci"},
        {"poziom nieszczelnosci ujemny", [](TModelProjektu& m) { m.WarunkiPracy.DeltaU = -0.01; },
         "(pole DeltaU)"},
        {"lambda lacznika ponad 1000", [](TModelProjektu& m) { m.WarunkiPracy.LambdaF = 1000.5; },
         "(pole LambdaF) = 1000,5"},
        {"alfa 11", [](TModelProjektu& m) { m.WarunkiPracy.Alfa = 11; }, "(pole Alfa) = 11"},
        {"alfa ujemna", [](TModelProjektu& m) { m.WarunkiPracy.Alfa = -6; }, "(pole Alfa) = -6"},
        {"liczba lacznikow 100", [](TModelProjektu& m) { m.WarunkiPracy.LiczbaF = 100; },
         "(pole LiczbaF) = 100"},
        {"pole lacznika 100", [](TModelProjektu& m) { m.WarunkiPracy.PoleF = 100; }, "(pole PoleF) = 100"},
        {"dodatek mostkow 0,1", [](TModelProjektu& m) { m.WarunkiPracy.DeltaUk = 0.1; },
         "(pole DeltaUk) = 0,1"},
        {"dodatek wlasny 10,1", [](TModelProjektu& m) { m.WarunkiPracy.MostekWlasny = 10.1; },
         "(pole MostekWlasny) = 10,1"},
        {"dodatek wlasny ujemny", [](TModelProjektu& m) { m.WarunkiPracy.MostekWlasny = -0.1; },
         "MostekWlasny"},
        {"grubosc ujemna", [](TModelProjektu& m) { m.Warstwy[2].Grubosc = -0.25; }, "grubość d warstwy 2"},
        {"lambda ujemna", [](TModelProjektu& m) { m.Warstwy[1].Lambda = -0.82; }, "(pole Lambda) = -0,82"},
        {"mi ujemne", [](TModelProjektu& m) { m.Warstwy[3].Mi = -60; }, "(pole Mi) = -60"},
        {"nazwa ze znakiem sterujacym", [](TModelProjektu& m) { m.Warstwy[3].Nazwa.UstawUtf8("EPS\tbiały"); },
         "nazwa materiału warstwy 3 (pole Nazwa) = „EPS\\x09biały”"},
        {"NaN w warunkach", [nan](TModelProjektu& m) { m.WarunkiPracy.PoleF = nan; }, "PoleF nie zawiera"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        TModelProjektu m = Sciana();
        p.Zepsuj(m);
        EXPECT_NE(Odmowa(Bajty(KodujRekord(m))).find(p.Fragment), std::string::npos)
            << Odmowa(Bajty(KodujRekord(m)));
    }
    // The message says what is allowed, in the field's own terms.
    TModelProjektu m = Sciana();
    m.WarunkiPracy.WilgotZewn = 250;
    EXPECT_EQ(Odmowa(Bajty(KodujRekord(m))),
              "Plik projektu zawiera niedozwoloną wartość: wilgotność zewnętrzna φe (pole WilgotZewn) = 250; "
              "dozwolone: 0 (nie ustalono) albo 1 ≤ WilgotZewn ≤ 99.");
    m = Sciana();
    m.WarunkiPracy.DeltaUk = 0.2;
    EXPECT_NE(Odmowa(Bajty(KodujRekord(m))).find("dozwolone: 0 (nie ustalono); 0,05 albo 0,15."),
              std::string::npos)
        << Odmowa(Bajty(KodujRekord(m)));
}

TEST(PolaRekordu, SlotyZaLiczbaWarstwTylkoLiczbami) {
    // The slots behind the count hold whatever the table held there; only a non-number is refused.
    TModelProjektu m = Sciana();
    m.Warstwy[4].Grubosc = -1;
    m.Warstwy[4].Nazwa.UstawUtf8("x\x01y");
    m.Warstwy[5].Mi = -3;
    EXPECT_EQ(Dekoduj(Bajty(KodujRekord(m))).Warstwy[4].Grubosc, -1.0);
    m.Warstwy[5].Mi = std::numeric_limits<double>::infinity();
    EXPECT_NE(Odmowa(Bajty(KodujRekord(m))).find("Mi warstwy 5"), std::string::npos);
}

TEST(PolaRekordu, PolaNaWlasnychMiejscachBezNakladania) {
    // Every field lies inside its record, on bytes of its own, and every name is used once: a field
    // added with a wrong offset or a repeated name shows here before it corrupts a file.
    auto rozmiar = [](const auto& miejsce) {
        return std::visit(
            [](auto w) -> std::size_t {
                using T = std::remove_cvref_t<decltype(std::declval<TWarunkiPracy>().*w)>;
                if constexpr (std::is_same_v<T, std::int32_t>)
                    return 4;
                else if constexpr (std::is_same_v<T, double>)
                    return 8;
                else
                    return 41;
            },
            miejsce);
    };
    std::array<int, kRozmiarRekordu> zajete{};
    std::vector<std::string_view> nazwy;
    for (const TPoleWarunkow& p : kPolaWarunkow) {
        ASSERT_LE(p.Przesuniecie + rozmiar(p.Miejsce), kPrzesuniecieLiczbyWarstw) << p.Nazwa;
        ASSERT_GE(p.Przesuniecie, kPoczatekWarunkow) << p.Nazwa;
        for (std::size_t b = 0; b < rozmiar(p.Miejsce); ++b)
            EXPECT_EQ(zajete[p.Przesuniecie + b]++, 0) << p.Nazwa << " overlaps at " << p.Przesuniecie + b;
        EXPECT_EQ(std::count(nazwy.begin(), nazwy.end(), p.Nazwa), 0) << p.Nazwa;
        nazwy.push_back(p.Nazwa);
        // Doubles are aligned as the record lays them out.
        if (rozmiar(p.Miejsce) == 8) {
            EXPECT_EQ(p.Przesuniecie % 8, 0u) << p.Nazwa;
        }
    }
    std::array<int, kRozmiarWarstwyRekordu> warstwa{};
    for (const TPoleWarstwy& p : kPolaWarstwy) {
        const std::size_t r = std::holds_alternative<TKrotkiTekst<40> TWarstwa::*>(p.Miejsce) ? 41 : 8;
        ASSERT_LE(p.Przesuniecie + r, kRozmiarWarstwyRekordu) << p.Nazwa;
        for (std::size_t b = 0; b < r; ++b)
            EXPECT_EQ(warstwa[p.Przesuniecie + b]++, 0) << p.Nazwa;
    }
    // Every partition type proposes surface resistances that the sheet, and so a file, accepts.
    for (const TTypPrzegrody& t : kTypyPrzegrod) {
        EXPECT_TRUE(WZakresie(PoleWarunkow("Rsi").Dopuszczalne, t.Rsi)) << t.Nazwa;
        EXPECT_TRUE(WZakresie(PoleWarunkow("Rse").Dopuszczalne, t.Rse)) << t.Nazwa;
    }
    for (const TStrefaKlimatyczna& st : kStrefyKlimatyczne)
        EXPECT_TRUE(WZakresie(PoleWarunkow("TempZewn").Dopuszczalne, st.Te)) << st.Nazwa;
    // And each field's limits admit its own reset value: a new project always saves and reopens.
    TWarunkiPracy w;
    w.Resetuj();
    for (const TPoleWarunkow& p : kPolaWarunkow)
        EXPECT_FALSE(BladWartosci(p, w, "").has_value()) << p.Nazwa;
}

} // namespace
