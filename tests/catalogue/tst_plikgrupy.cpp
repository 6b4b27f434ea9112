// Group files on disk: reading (empty, fragment, long names, missing, impossible numbers), the
// generator's appending, finding the place of a new material, and rebuilding a group without ever
// losing the old file; every failure a Polish message that names the file.

#include "KatalogTymczasowy.h"
#include "files/Potomek.h"
#include "tools/DopisywanieGrupy.h"

#include "catalogue/Grupy.h"
#include "catalogue/PlikGrupy.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <string>
#include <vector>

namespace murolab {
namespace {

using test::CzytajBajty;
using test::KomunikatBledu;
using test::TKatalogTymczasowy;
using test::Wartosc;
using test::ZapiszBajty;

TMaterial Mat(const std::string& nazwaCp1250, double lambda = 0.5) {
    TMaterial m;
    m.Material.UstawCp1250(nazwaCp1250);
    m.LambdaSW = lambda;
    m.LambdaW = lambda + 0.1;
    m.Mi = 10;
    m.Gestosc = 1000;
    m.Cieplo = 0.84;
    return m;
}

std::vector<std::uint8_t> Bajty(const std::vector<TMaterial>& materialy) {
    std::vector<std::uint8_t> b;
    for (const auto& m : materialy) {
        auto r = KodujMaterial(m);
        b.insert(b.end(), r.begin(), r.end());
    }
    return b;
}

std::vector<std::string> Nazwy(const std::filesystem::path& plik) {
    std::vector<std::string> nazwy;
    for (const auto& m : Wartosc(WczytajMaterialy(plik)))
        nazwy.emplace_back(m.Material.Cp1250());
    return nazwy;
}

// ---- reading

TEST(CzytanieGrupy, PustyPlikToPustaGrupaBezBledu) {
    TKatalogTymczasowy kat;
    ZapiszBajty(kat / "Betony.ath", {});
    EXPECT_TRUE(Wartosc(WczytajMaterialy(kat / "Betony.ath")).empty());
}

TEST(CzytanieGrupy, RekordyWKolejnosciPliku) {
    TKatalogTymczasowy kat;
    // Deliberately not in catalogue order: reading must not depend on it.
    ZapiszBajty(kat / "g.ath", Bajty({Mat("Tynk"), Mat("Beton", 1.7), Mat("")}));
    auto materialy = Wartosc(WczytajMaterialy(kat / "g.ath"));
    ASSERT_EQ(materialy.size(), 3u);
    EXPECT_EQ(materialy[0].Material.Cp1250(), "Tynk");
    EXPECT_EQ(materialy[1].Material.Cp1250(), "Beton");
    EXPECT_EQ(materialy[1].LambdaSW, 1.7);
    EXPECT_TRUE(materialy[2].Material.Pusty());
}

TEST(CzytanieGrupy, PlikNiebedacyCalymiRekordamiZwyklegoPlikuJestOdrzucanyPrzedCzytaniem) {
    TKatalogTymczasowy kat;
    auto zRekordami = [&](const char* nazwa, std::size_t calych, std::size_t ulamek) {
        std::vector<TMaterial> rekordy;
        for (std::size_t i = 0; i < calych; ++i)
            rekordy.push_back(Mat("M" + std::to_string(i)));
        auto bajty = Bajty(rekordy);
        bajty.resize(bajty.size() + ulamek, 0x55);
        ZapiszBajty(kat / nazwa, bajty);
        return kat / nazwa;
    };
    ASSERT_EQ(::mkfifo((kat / "kolejka.ath").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", kat / "zera.ath");
    std::ofstream(kat / "rzadki.ath").close();
    std::filesystem::resize_file(kat / "rzadki.ath", (std::uintmax_t{10} << 20) + 104);
    struct {
        const char* opis;
        std::filesystem::path plik;
        const char* powod;
    } const przypadki[] = {
        {"sam ulamek", zRekordami("u1.ath", 0, 50), "nie jest wielokrotność 104"},
        {"dwa rekordy i ulamek", zRekordami("u2.ath", 2, 103), "ma 311 bajtów"},
        {"jeden bajt za rekordem", zRekordami("u3.ath", 1, 1), "uszkodzony"},
        {"FIFO zamiast grupy", kat / "kolejka.ath", "kolejka (FIFO)"},
        {"odnosnik do /dev/zero", kat / "zera.ath", "urządzenie"},
        {"ponad 10 MiB", kat / "rzadki.ath", "jest za duży"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        std::size_t dostarczone = 0;
        const std::string blad =
            KomunikatBledu(CzytajGrupe(p.plik, [&](const TMaterial&) { ++dostarczone; }));
        EXPECT_NE(blad.find(p.plik.string()), std::string::npos) << blad;
        EXPECT_NE(blad.find(p.powod), std::string::npos) << blad;
        EXPECT_EQ(dostarczone, 0u) << "a damaged group delivers nothing";
    }
}

TEST(CzytanieGrupy, DlugaNazwaWPlikuCzytaSieJako60Znakow) {
    TKatalogTymczasowy kat;
    auto bajty = Bajty({Mat(std::string(60, 'N'), 2.5)});
    bajty[0] = 255;
    bajty[61] = bajty[62] = bajty[63] = 'P'; // the padding must not join the name
    ZapiszBajty(kat / "g.ath", bajty);
    auto materialy = Wartosc(WczytajMaterialy(kat / "g.ath"));
    ASSERT_EQ(materialy.size(), 1u);
    EXPECT_EQ(materialy[0].Material.Cp1250(), std::string(60, 'N'));
    EXPECT_EQ(materialy[0].LambdaSW, 2.5);
}

TEST(CzytanieGrupy, BrakujacyPlikIKatalogZamiastPlikuMajaPolskiKomunikatZNazwa) {
    TKatalogTymczasowy kat;
    std::filesystem::create_directory(kat / "Kat.ath");
    const auto nazwa = [&](const std::filesystem::path& p) { return "„" + p.string() + "”"; };
    EXPECT_EQ(KomunikatBledu(WczytajMaterialy(kat / "Brak.ath")),
              "Nie znaleziono pliku " + nazwa(kat / "Brak.ath") + ".");
    EXPECT_EQ(KomunikatBledu(WczytajMaterialy(kat / "Kat.ath")),
              "Nie można otworzyć pliku " + nazwa(kat / "Kat.ath") + ": to jest katalog, a nie plik.");
    EXPECT_EQ(KomunikatBledu(WczytajMaterialy(kat / "nie" / "ma.ath")),
              "Nie znaleziono pliku " + nazwa(kat / "nie" / "ma.ath") + ".");
}

TEST(CzytanieGrupy, RekordZLiczbaNiemozliwaJestOdrzucanyZNumerem) {
    // A λ that is no number or a negative value would reach the grid and the calculation, and a
    // rebuild of the group would write it on: the whole group is refused, naming the record.
    struct {
        const char* opis;
        double TMaterial::*pole;
        double wartosc;
        const char* powod;
    } const przypadki[] = {
        {"lambda NaN", &TMaterial::LambdaSW, std::nan(""), "λ w warunkach średniowilgotnych"},
        {"lambda nieskonczona", &TMaterial::LambdaW, HUGE_VAL, "λ w warunkach wilgotnych"},
        {"ujemne mi", &TMaterial::Mi, -1, "μ = -1"},
        {"ujemna gestosc", &TMaterial::Gestosc, -1800, "gęstość = -1800"},
        {"ujemne cieplo", &TMaterial::Cieplo, -0.5, "ciepło właściwe"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        TKatalogTymczasowy kat;
        TMaterial zly = Mat("Zly");
        zly.*(p.pole) = p.wartosc;
        ZapiszBajty(kat / "g.ath", Bajty({Mat("Beton"), Mat("Cegla"), zly}));
        std::size_t dostarczone = 0;
        const std::string blad =
            KomunikatBledu(CzytajGrupe(kat / "g.ath", [&](const TMaterial&) { ++dostarczone; }));
        EXPECT_NE(blad.find((kat / "g.ath").string()), std::string::npos) << blad;
        EXPECT_NE(blad.find("rekord 3 („Zly”)"), std::string::npos) << blad;
        EXPECT_NE(blad.find(p.powod), std::string::npos) << blad;
        EXPECT_EQ(dostarczone, 0u);
        const auto przed = CzytajBajty(kat / "g.ath");
        EXPECT_NE(KomunikatBledu(PrzebudujGrupe(kat / "g.ath", Mat("Drewno"), 2)), "");
        EXPECT_EQ(CzytajBajty(kat / "g.ath"), przed) << "a rebuild does not write the record on";
    }
}

// ---- appending

TEST(DopisywanieMaterialu, TworzyDopisujeIZastepuje) {
    TKatalogTymczasowy kat;
    const auto plik = kat / "Temp.ath";
    ZapiszBajty(plik, std::vector<std::uint8_t>(7, 0xEE)); // whatever was there before
    EXPECT_EQ(DopiszMaterial(plik, Mat("A"), true), std::nullopt);
    EXPECT_EQ(DopiszMaterial(plik, Mat("B"), false), std::nullopt);
    EXPECT_EQ(CzytajBajty(plik), Bajty({Mat("A"), Mat("B")}));
    EXPECT_EQ(DopiszMaterial(plik, Mat("C"), true), std::nullopt);
    EXPECT_EQ(CzytajBajty(plik), Bajty({Mat("C")}));
}

TEST(DopisywanieMaterialu, DoNieistniejacegoPlikuBezTworzeniaToBlad) {
    TKatalogTymczasowy kat;
    EXPECT_EQ(KomunikatBledu(DopiszMaterial(kat / "Temp.ath", Mat("A"), false)),
              "Nie znaleziono pliku „" + (kat / "Temp.ath").string() + "”.");
    EXPECT_FALSE(std::filesystem::exists(kat / "Temp.ath"));
}

// ---- the place of a new material

struct TPrzypadekSzukania {
    const char* Opis;
    std::vector<std::string> Grupa;
    std::string Nowy;
    bool Istnieje;
    std::size_t Pozycja;
};

class SzukaniePozycji : public ::testing::TestWithParam<TPrzypadekSzukania> {};

TEST_P(SzukaniePozycji, ZwracaMiejsceLubIstnieje) {
    const auto& p = GetParam();
    TKatalogTymczasowy kat;
    std::vector<TMaterial> grupa;
    for (const auto& n : p.Grupa)
        grupa.push_back(Mat(n));
    ZapiszBajty(kat / "g.ath", Bajty(grupa));
    const TPozycjaWGrupie wynik = Wartosc(SzukajPozycji(kat / "g.ath", Mat(p.Nowy)));
    EXPECT_EQ(wynik.Istnieje, p.Istnieje);
    if (!p.Istnieje) {
        EXPECT_EQ(wynik.Pozycja, p.Pozycja);
    }
}

const std::vector<std::string> kTrzy = {"Beton", "Cegla", "Tynk"};

INSTANTIATE_TEST_SUITE_P(
    Przypadki, SzukaniePozycji,
    ::testing::Values(
        TPrzypadekSzukania{"pusta_grupa", {}, "Beton", false, 0},
        TPrzypadekSzukania{"przed_wszystkimi", kTrzy, "Asfalt", false, 0},
        TPrzypadekSzukania{"w_srodku", kTrzy, "Drewno", false, 2},
        TPrzypadekSzukania{"za_wszystkimi", kTrzy, "Wapno", false, 3},
        TPrzypadekSzukania{"przedrostek_przed_dluzsza", kTrzy, "Cegl", false, 1},
        TPrzypadekSzukania{"dluzsza_za_przedrostkiem", kTrzy, "Betony", false, 1},
        TPrzypadekSzukania{"ta_sama_nazwa", kTrzy, "Cegla", true, 0},
        TPrzypadekSzukania{"inna_wielkosc_liter_a_z", kTrzy, "cEGLA", true, 0},
        // Ł (0xA3) and ł (0xB3) are different names; both sort after 'Z'.
        TPrzypadekSzukania{"inna_wielkosc_polskiej_litery", {"Beton", "\xA3upek"}, "\xB3upek", false, 2},
        // The search trusts the order: it stops at "Cegla" and never sees the "Beton"
        // that a broken file holds further on.
        TPrzypadekSzukania{"nie_patrzy_za_pierwszy_wiekszy", {"Cegla", "Beton"}, "Beton", false, 0}),
    [](const ::testing::TestParamInfo<TPrzypadekSzukania>& info) { return std::string(info.param.Opis); });

TEST(SzukaniePozycjiBledy, BrakujacaGrupaToKomunikatZNazwa) {
    TKatalogTymczasowy kat;
    EXPECT_EQ(KomunikatBledu(SzukajPozycji(kat / "MTermo.ath", Mat("X"))),
              "Nie znaleziono pliku „" + (kat / "MTermo.ath").string() + "”.");
}

// ---- rebuilding a group

class PrzebudowaGrupy : public ::testing::Test {
protected:
    TKatalogTymczasowy kat;
    std::filesystem::path grupa = kat / "Betony.ath";

    void Zapisz(const std::vector<std::string>& nazwy, const std::filesystem::path& plik) {
        std::vector<TMaterial> m;
        for (const auto& n : nazwy)
            m.push_back(Mat(n));
        ZapiszBajty(plik, Bajty(m));
    }
    void Zapisz(const std::vector<std::string>& nazwy) { Zapisz(nazwy, grupa); }
    // Adds as the program does: find the place, then rebuild.
    void Dodaj(const std::string& nazwa, const std::filesystem::path& plik) {
        const TPozycjaWGrupie p = Wartosc(SzukajPozycji(plik, Mat(nazwa, 0.33)));
        ASSERT_FALSE(p.Istnieje);
        ASSERT_EQ(PrzebudujGrupe(plik, Mat(nazwa, 0.33), p.Pozycja), std::nullopt);
    }
    void Dodaj(const std::string& nazwa) { Dodaj(nazwa, grupa); }
    // Every name in the folder, so that a scratch file left behind is seen.
    std::vector<std::string> Pliki() const {
        std::vector<std::string> nazwy;
        for (const auto& e : std::filesystem::directory_iterator(kat.Sciezka()))
            nazwy.push_back(e.path().filename().string());
        std::sort(nazwy.begin(), nazwy.end());
        return nazwy;
    }
};

TEST_F(PrzebudowaGrupy, NowyMaterialTrafiaNaSwojeMiejsce) {
    struct {
        const char* opis;
        std::string nowy;
        std::vector<std::string> wynik;
    } przypadki[] = {
        {"pierwszy", "Asfalt", {"Asfalt", "Beton", "Cegla", "Tynk"}},
        {"srodkowy", "drewno", {"Beton", "Cegla", "drewno", "Tynk"}},
        {"ostatni",
         "\xAF"
         "elbet",
         {"Beton", "Cegla", "Tynk",
          "\xAF"
          "elbet"}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        Zapisz(kTrzy);
        Dodaj(p.nowy);
        EXPECT_EQ(Nazwy(grupa), p.wynik);
        EXPECT_EQ(Pliki(), std::vector<std::string>{"Betony.ath"}) << "no scratch file stays";
    }
}

TEST_F(PrzebudowaGrupy, StareRekordyZostajaBezZmianANowyMaSwojeWartosci) {
    Zapisz(kTrzy);
    const auto przed = Wartosc(WczytajMaterialy(grupa));
    Dodaj("Drewno");
    const auto po = Wartosc(WczytajMaterialy(grupa));
    ASSERT_EQ(po.size(), 4u);
    EXPECT_EQ(po[0], przed[0]);
    EXPECT_EQ(po[1], przed[1]);
    EXPECT_EQ(po[2], Mat("Drewno", 0.33));
    EXPECT_EQ(po[3], przed[2]);
}

TEST_F(PrzebudowaGrupy, PustaGrupaDostajeTylkoNowyMaterial) {
    Zapisz({});
    Dodaj("Beton");
    EXPECT_EQ(CzytajBajty(grupa), Bajty({Mat("Beton", 0.33)}));
}

TEST_F(PrzebudowaGrupy, PozycjaNieaktualnaPoZmianieGrupyJestSzukanaOdNowa) {
    struct {
        const char* opis;
        std::size_t p; // what a search before the change gave
        std::string nowy;
        std::vector<std::string> wynik; // empty: refused as existing
    } const przypadki[] = {
        {"grupa urosla przed miejscem", 1, "Drewno", {"Asfalt", "Beton", "Cegla", "Drewno", "Tynk"}},
        {"pozycja za koncem skroconej grupy", 9, "Wapno", {"Asfalt", "Beton", "Cegla", "Tynk", "Wapno"}},
        {"nazwe dodal tymczasem ktos inny", 0, "cegla", {}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        Zapisz({"Asfalt", "Beton", "Cegla", "Tynk"});
        const auto przed = CzytajBajty(grupa);
        const std::string blad = KomunikatBledu(PrzebudujGrupe(grupa, Mat(p.nowy), p.p));
        if (p.wynik.empty()) {
            EXPECT_EQ(blad, "Podany materiał już istnieje w bazie!");
            EXPECT_EQ(CzytajBajty(grupa), przed);
        } else {
            EXPECT_EQ(blad, "");
            EXPECT_EQ(Nazwy(grupa), p.wynik);
        }
    }
}

TEST_F(PrzebudowaGrupy, PodrzuconyTempAthAniOdnosnikNieSaUzywane) {
    // An older version used a scratch file of this fixed name; anything found under it, a file or
    // a link planted to redirect the write, stays untouched.
    Zapisz(kTrzy);
    Zapisz({"ofiara"}, kat / "ofiara.ath");
    const auto ofiara = CzytajBajty(kat / "ofiara.ath");
    std::filesystem::create_symlink("ofiara.ath", kat / "Temp.ath");
    Dodaj("Asfalt");
    EXPECT_EQ(Nazwy(grupa), (std::vector<std::string>{"Asfalt", "Beton", "Cegla", "Tynk"}));
    EXPECT_TRUE(std::filesystem::is_symlink(kat / "Temp.ath"));
    EXPECT_EQ(CzytajBajty(kat / "ofiara.ath"), ofiara);
    EXPECT_EQ(Pliki(), (std::vector<std::string>{"Betony.ath", "Temp.ath", "ofiara.ath"}));
}

TEST_F(PrzebudowaGrupy, ZachowujeUprawnieniaIOdnosnik) {
    namespace fs = std::filesystem;
    fs::create_directory(kat / "dane");
    Zapisz(kTrzy, kat / "dane" / "Tynki.ath");
    fs::permissions(kat / "dane" / "Tynki.ath", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("dane/Tynki.ath", kat / "Tynki.ath");
    Dodaj("Asfalt", kat / "Tynki.ath");
    EXPECT_TRUE(fs::is_symlink(kat / "Tynki.ath")) << "the link is written through";
    EXPECT_EQ(Nazwy(kat / "dane" / "Tynki.ath"),
              (std::vector<std::string>{"Asfalt", "Beton", "Cegla", "Tynk"}));
    EXPECT_EQ(fs::status(kat / "dane" / "Tynki.ath").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(kat / "dane"), fs::directory_iterator()), 1);
}

TEST_F(PrzebudowaGrupy, NieudanyZapisZostawiaStaryPlikCaly) {
    namespace fs = std::filesystem;
    // The children run as "nobody" (where the suite runs as root), so that permissions apply.
    fs::permissions(kat.Sciezka(), fs::perms::all);
    struct {
        const char* opis;
        fs::perms grupa;
        fs::perms katalog;
        rlim_t limit; // file-size limit of the child
        const char* powod;
    } const przypadki[] = {
        {"grupa tylko do odczytu", fs::perms::owner_read | fs::perms::others_read, fs::perms::all,
         RLIM_INFINITY, "brak uprawnień"},
        {"katalog bez prawa zapisu", fs::perms::all,
         fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec,
         RLIM_INFINITY, "brak uprawnień"},
        {"pelny dysk w polowie zapisu", fs::perms::all, fs::perms::all, 200,
         "Brak miejsca na dysku przy zapisie"},
        {"pelny dysk od poczatku", fs::perms::all, fs::perms::all, 0, "Brak miejsca na dysku przy zapisie"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        fs::permissions(kat.Sciezka(), fs::perms::all);
        Zapisz(kTrzy);
        fs::permissions(grupa, p.grupa);
        fs::permissions(kat.Sciezka(), p.katalog);
        const auto przed = CzytajBajty(grupa);
        const int wynik = test::WProcesiePotomnym([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{p.limit, p.limit};
            if (!test::PorzucUprawnieniaRoota() || ::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return 3;
            // Polish, and naming the group.
            const std::string blad = KomunikatBledu(PrzebudujGrupe(grupa, Mat("Drewno"), 2));
            const bool dobry =
                blad.find(p.powod) != std::string::npos && blad.find(grupa.string()) != std::string::npos;
            return blad.empty() ? 1 : (dobry ? 0 : 2);
        });
        EXPECT_EQ(wynik, 0) << "1: success reported, 2: another message, 3: set-up failed";
        fs::permissions(kat.Sciezka(), fs::perms::all);
        EXPECT_EQ(CzytajBajty(grupa), przed);
        EXPECT_EQ(Pliki(), std::vector<std::string>{"Betony.ath"});
    }
}

TEST_F(PrzebudowaGrupy, DwaProgramyNaRazDodajaKazdyWszystkieSwoje) {
    // Two processes add 15 materials each, to one group and to another group in the same folder, all
    // at once: every save ends with its material in its group, and nothing of one group reaches the
    // other (a shared scratch file once mixed them).
    const auto druga = kat / "Tynki.ath";
    Zapisz({"M"});
    Zapisz({"M"}, druga);
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    auto dodawaj = [&](const std::string& przedrostek, const std::filesystem::path& plik) {
        return [&, przedrostek, plik] {
            char c;
            if (::read(start[0], &c, 1) != 1)
                return 3;
            for (int i = 0; i < 15; ++i) {
                const TMaterial m = Mat(przedrostek + std::to_string(10 + i));
                const auto p = SzukajPozycji(plik, m);
                if (Niepowodzenie(p) || std::get<TPozycjaWGrupie>(p).Istnieje)
                    return 2;
                if (PrzebudujGrupe(plik, m, std::get<TPozycjaWGrupie>(p).Pozycja))
                    return 1;
            }
            return 0;
        };
    };
    std::vector<pid_t> dzieci;
    const std::pair<std::string, std::filesystem::path> zadania[] = {
        {"A", grupa}, {"B", grupa}, {"C", druga}, {"D", druga}};
    for (const auto& [przedrostek, plik] : zadania) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0)
            ::_exit(dodawaj(przedrostek, plik)());
        dzieci.push_back(pid);
    }
    ASSERT_EQ(::write(start[1], "xxxx", 4), 4);
    for (const pid_t pid : dzieci) {
        int stan = 0;
        ASSERT_EQ(::waitpid(pid, &stan, 0), pid);
        EXPECT_TRUE(WIFEXITED(stan) && WEXITSTATUS(stan) == 0) << "status " << stan;
    }
    ::close(start[0]);
    ::close(start[1]);
    auto oczekiwane = [](const char* a, const char* b) {
        std::vector<std::string> n;
        for (const char* p : {a, b})
            for (int i = 0; i < 15; ++i)
                n.push_back(p + std::to_string(10 + i));
        n.push_back("M");
        return n;
    };
    EXPECT_EQ(Nazwy(grupa), oczekiwane("A", "B"));
    EXPECT_EQ(Nazwy(druga), oczekiwane("C", "D"));
    EXPECT_EQ(Pliki(), (std::vector<std::string>{"Betony.ath", "Tynki.ath"}));
}

TEST_F(PrzebudowaGrupy, UszkodzonaGrupaNieJestZastepowana) {
    auto bajty = Bajty({Mat("Beton"), Mat("Tynk")});
    bajty.resize(bajty.size() + 30, 0x11);
    ZapiszBajty(grupa, bajty);
    EXPECT_NE(KomunikatBledu(PrzebudujGrupe(grupa, Mat("Cegla"), 1)).find("jest uszkodzony"),
              std::string::npos);
    EXPECT_EQ(CzytajBajty(grupa), bajty);
}

TEST_F(PrzebudowaGrupy, BrakujacaGrupaNiePowstaje) {
    EXPECT_EQ(KomunikatBledu(PrzebudujGrupe(grupa, Mat("Beton"), 0)),
              "Nie znaleziono pliku „" + grupa.string() + "”.");
    EXPECT_FALSE(std::filesystem::exists(grupa));
}

} // namespace
} // namespace murolab
