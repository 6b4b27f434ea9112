// Reading and the atomic save of project files: a failed save never costs the old file.
#include "core/Przygotowanie.h"
#include "files/Potomek.h"
#include "files/RekordProjektu.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace murolab;
using namespace murolab::test;
namespace fs = std::filesystem;

namespace {

class ZapisPliku : public ::testing::Test {
protected:
    std::string Sciezka(const std::string& nazwa) const { return katalog_.Plik(nazwa); }

    static std::string Zawartosc(const std::string& sciezka) {
        std::ifstream f(sciezka, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    static void Zapisz(const std::string& sciezka, const std::string& tresc) {
        std::ofstream(sciezka, std::ios::binary) << tresc;
    }
    std::vector<std::string> Pliki() const { return katalog_.Pliki(); }

    static TRekordProjektu Rekord() {
        TModelProjektu m;
        m.Resetuj();
        m.LiczbaWarstw = 1;
        m.Warstwy[1].Nazwa.UstawUtf8("Cegła");
        m.Warstwy[1].Grubosc = 0.25;
        m.Warstwy[1].Lambda = 0.77;
        m.Warstwy[1].Mi = 10;
        return KodujRekord(m);
    }

    TKatalogTymczasowy katalog_;
};

TEST_F(ZapisPliku, ZapisujeRekordIWczytujeGoZPowrotem) {
    const std::string plik = Sciezka("sciana.pro");
    ASSERT_EQ(ZapiszBajtyProjektu(plik, Rekord()), std::nullopt);
    EXPECT_EQ(fs::file_size(plik), 1296u);
    EXPECT_EQ(Pliki(), std::vector<std::string>{"sciana.pro"});
    const auto z = WczytajPlikProjektu(plik);
    ASSERT_TRUE(std::holds_alternative<TZawartoscProjektu>(z));
    EXPECT_EQ(std::get<TZawartoscProjektu>(z).Warstwy[1].Nazwa.Utf8(), "Cegła");
}

TEST_F(ZapisPliku, ZastepujeIstniejacyPlik) {
    const std::string plik = Sciezka("sciana.pro");
    Zapisz(plik, std::string(5000, 'S'));
    ASSERT_EQ(ZapiszBajtyProjektu(plik, Rekord()), std::nullopt);
    const TRekordProjektu r = Rekord();
    EXPECT_EQ(Zawartosc(plik), std::string(r.begin(), r.end()));
    EXPECT_EQ(Pliki(), std::vector<std::string>{"sciana.pro"});
}

TEST_F(ZapisPliku, PrzekroczonyRozmiarPlikuZostawiaStaryPlik) {
    // A child process whose files may not grow past 1000 bytes: the write of the record fails half
    // way (SIGXFSZ ignored, so write() reports EFBIG), as on a full disk. This works as root too.
    const std::string plik = Sciezka("sciana.pro");
    const std::string stary = "stara zawartość, której nie wolno stracić";
    Zapisz(plik, stary);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(3);
        const std::string blad = ZapiszBajtyProjektu(plik, Rekord()).value_or("");
        const bool opisany = blad.find("sciana.pro") != std::string::npos &&
                             blad.find("dopuszczalny rozmiar") != std::string::npos;
        ::_exit(blad.empty() ? 1 : (opisany ? 0 : 2));
    }
    int stan = 0;
    ASSERT_EQ(::waitpid(pid, &stan, 0), pid);
    ASSERT_TRUE(WIFEXITED(stan));
    EXPECT_EQ(WEXITSTATUS(stan), 0) << "1: reported success, 2: message without the file or the cause";
    EXPECT_EQ(Zawartosc(plik), stary);
    EXPECT_EQ(Pliki(), std::vector<std::string>{"sciana.pro"}) << "the temporary file is removed";
}

TEST_F(ZapisPliku, ZastepowanyPlikZachowujeUprawnieniaAOdnosnikZostaje) {
    const std::string plik = Sciezka("sciana.pro");
    Zapisz(plik, "stary");
    fs::permissions(plik, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::string odnosnik = Sciezka("skrot.pro");
    fs::create_symlink(plik, odnosnik);

    ASSERT_EQ(ZapiszBajtyProjektu(odnosnik, Rekord()), std::nullopt);
    const TRekordProjektu r = Rekord();
    EXPECT_TRUE(fs::is_symlink(odnosnik)) << "the link is written through, not replaced";
    EXPECT_EQ(Zawartosc(plik), std::string(r.begin(), r.end()));
    EXPECT_EQ(fs::status(plik).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Pliki(), (std::vector<std::string>{"sciana.pro", "skrot.pro"}));
}

TEST_F(ZapisPliku, PlikTylkoDoOdczytuZostajeNietkniety) {
    // Saved by "nobody" in a child process, so that the permission applies where the suite runs
    // as root.
    fs::permissions(katalog_.Sciezka(), fs::perms::all);
    const std::string plik = Sciezka("sciana.pro");
    Zapisz(plik, "chroniony");
    fs::permissions(plik, fs::perms::owner_read | fs::perms::others_read);
    const int wynik = WProcesiePotomnym([&] {
        if (!PorzucUprawnieniaRoota())
            return 3;
        const std::string blad = ZapiszBajtyProjektu(plik, Rekord()).value_or("");
        return blad.find("brak uprawnień") != std::string::npos ? 0 : 1;
    });
    EXPECT_EQ(wynik, 0) << "1: saved or another message, 3: could not drop root";
    EXPECT_EQ(Zawartosc(plik), "chroniony");
    EXPECT_EQ(Pliki(), std::vector<std::string>{"sciana.pro"});
}

TEST_F(ZapisPliku, NieistniejacyKatalogToKomunikat) {
    const std::string plik = Sciezka("brak/sciana.pro");
    const std::string blad = ZapiszBajtyProjektu(plik, Rekord()).value_or("");
    EXPECT_NE(blad.find("nie ma takiego pliku"), std::string::npos) << blad;
    EXPECT_FALSE(fs::exists(plik));
}

TEST_F(ZapisPliku, KatalogNaMiejscuPlikuZostajeNietkniety) {
    const std::string plik = Sciezka("projekt.pro");
    fs::create_directory(plik);
    Zapisz(plik + "/w_srodku", "x");
    EXPECT_NE(ZapiszBajtyProjektu(plik, Rekord()), std::nullopt);
    EXPECT_TRUE(fs::is_directory(plik));
    EXPECT_EQ(Zawartosc(plik + "/w_srodku"), "x");
    EXPECT_EQ(Pliki(), std::vector<std::string>{"projekt.pro"});
}

TEST_F(ZapisPliku, OdczytBrakujacegoKatalogowegoIKrotkiegoPliku) {
    const std::string krotki = Sciezka("krotki.pro");
    Zapisz(krotki, std::string(100, '\0'));
    const std::string zera = Sciezka("zera.pro");
    Zapisz(zera, std::string(kRozmiarRekordu + 10, '\0'));
    const std::string kolejka = Sciezka("kolejka.pro");
    ASSERT_EQ(::mkfifo(kolejka.c_str(), 0644), 0);
    const std::string rzadki = Sciezka("rzadki.pro");
    Zapisz(rzadki, "");
    fs::resize_file(rzadki, std::uintmax_t{2} << 30);
    const std::string zRozszerzeniem = Sciezka("najdluzszy.pro");
    {
        const TRekordProjektu r = Rekord();
        Zapisz(zRozszerzeniem,
               std::string(r.begin(), r.end()) + std::string(kNajwiekszyPlikProjektu - r.size() + 1, 'x'));
    }
    struct {
        const char* Nazwa;
        std::string Sciezka;
        const char* Fragment;
    } const przypadki[] = {
        {"brak pliku", Sciezka("nie_ma.pro"), "Nie można otworzyć"},
        {"katalog", katalog_.Sciezka().string(), "katalog"},
        {"100 bajtow", krotki, "100 bajtów"},
        {"same zera", zera, "same zera"},
        {"FIFO", kolejka, "kolejka (FIFO)"},
        {"/dev/zero", "/dev/zero", "urządzenie"},
        {"rzadki plik 2 GB", rzadki, "jest za duży"},
        {"o bajt dluzszy niz rekord i 1 MiB", zRozszerzeniem, "jest za duży"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const auto wynik = WczytajPlikProjektu(p.Sciezka);
        ASSERT_TRUE(std::holds_alternative<TBladWyniku>(wynik));
        const std::string& blad = std::get<TBladWyniku>(wynik).Komunikat;
        EXPECT_NE(blad.find(p.Fragment), std::string::npos) << blad;
        EXPECT_NE(blad.find(p.Sciezka), std::string::npos) << "names the file: " << blad;
    }
}

} // namespace
