// Reading and the atomic save of project files: a failed save never costs the old file.
#include "core/Przygotowanie.h"
#include "files/RekordProjektu.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <sys/resource.h>
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
    // Every file left in the directory, so that a forgotten temporary file is seen.
    std::vector<std::string> Pliki() const {
        std::vector<std::string> nazwy;
        for (const auto& e : fs::directory_iterator(katalog_.Sciezka()))
            nazwy.push_back(e.path().filename().string());
        std::sort(nazwy.begin(), nazwy.end());
        return nazwy;
    }

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
    ASSERT_EQ(ZapiszPlikProjektu(plik, Rekord()), "");
    EXPECT_EQ(fs::file_size(plik), 1296u);
    EXPECT_EQ(Pliki(), std::vector<std::string>{"sciana.pro"});
    const auto z = CzytajPlikProjektu(plik);
    ASSERT_TRUE(std::holds_alternative<TZawartoscProjektu>(z));
    EXPECT_EQ(std::get<TZawartoscProjektu>(z).Warstwy[1].Nazwa.Utf8(), "Cegła");
}

TEST_F(ZapisPliku, ZastepujeIstniejacyPlik) {
    const std::string plik = Sciezka("sciana.pro");
    Zapisz(plik, std::string(5000, 'S'));
    ASSERT_EQ(ZapiszPlikProjektu(plik, Rekord()), "");
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
        const std::string blad = ZapiszPlikProjektu(plik, Rekord());
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

    ASSERT_EQ(ZapiszPlikProjektu(odnosnik, Rekord()), "");
    const TRekordProjektu r = Rekord();
    EXPECT_TRUE(fs::is_symlink(odnosnik)) << "the link is written through, not replaced";
    EXPECT_EQ(Zawartosc(plik), std::string(r.begin(), r.end()));
    EXPECT_EQ(fs::status(plik).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Pliki(), (std::vector<std::string>{"sciana.pro", "skrot.pro"}));
}

// Permissions bind only a user without privileges: the save runs in a child process, which first
// gives up root (to "nobody") when the tests run as root, as they do in CI. The child reports the
// save's message through a pipe.
std::string ZapiszJakoZwyklyUzytkownik(const std::string& plik, const TRekordProjektu& rekord) {
    int rura[2];
    if (::pipe(rura) != 0)
        return "<pipe>";
    const pid_t pid = ::fork();
    if (pid < 0)
        return "<fork>";
    if (pid == 0) {
        ::close(rura[0]);
        constexpr uid_t kNikt = 65534;
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setresgid(kNikt, kNikt, kNikt) != 0 ||
                                 ::setresuid(kNikt, kNikt, kNikt) != 0))
            ::_exit(3);
        if (::geteuid() == 0)
            ::_exit(4);
        const std::string blad = ZapiszPlikProjektu(plik, rekord);
        const bool wyslane = ::write(rura[1], blad.data(), blad.size()) == static_cast<ssize_t>(blad.size());
        ::_exit(wyslane ? 0 : 5);
    }
    ::close(rura[1]);
    std::string odpowiedz;
    char bufor[256];
    for (ssize_t n; (n = ::read(rura[0], bufor, sizeof bufor)) > 0;)
        odpowiedz.append(bufor, static_cast<std::size_t>(n));
    ::close(rura[0]);
    int stan = 0;
    if (::waitpid(pid, &stan, 0) != pid || !WIFEXITED(stan) || WEXITSTATUS(stan) != 0)
        return "<child failed, status " + std::to_string(stan) + ">";
    return odpowiedz;
}

TEST_F(ZapisPliku, PlikTylkoDoOdczytuZostajeNietkniety) {
    // The directory is open to everyone, so that only the file's own permission stands in the way.
    fs::permissions(katalog_.Sciezka(), fs::perms::all);
    const std::string plik = Sciezka("sciana.pro");
    Zapisz(plik, "chroniony");
    fs::permissions(plik, fs::perms::owner_read);
    const std::string blad = ZapiszJakoZwyklyUzytkownik(plik, Rekord());
    EXPECT_NE(blad.find("brak uprawnień"), std::string::npos) << blad;
    EXPECT_EQ(Zawartosc(plik), "chroniony");
    EXPECT_EQ(Pliki(), std::vector<std::string>{"sciana.pro"});
}

TEST_F(ZapisPliku, NieistniejacyKatalogToKomunikat) {
    const std::string plik = Sciezka("brak/sciana.pro");
    const std::string blad = ZapiszPlikProjektu(plik, Rekord());
    EXPECT_NE(blad.find("nie ma takiego pliku"), std::string::npos) << blad;
    EXPECT_FALSE(fs::exists(plik));
}

TEST_F(ZapisPliku, KatalogNaMiejscuPlikuZostajeNietkniety) {
    const std::string plik = Sciezka("projekt.pro");
    fs::create_directory(plik);
    Zapisz(plik + "/w_srodku", "x");
    EXPECT_NE(ZapiszPlikProjektu(plik, Rekord()), "");
    EXPECT_TRUE(fs::is_directory(plik));
    EXPECT_EQ(Zawartosc(plik + "/w_srodku"), "x");
    EXPECT_EQ(Pliki(), std::vector<std::string>{"projekt.pro"});
}

TEST_F(ZapisPliku, OdczytBrakujacegoKatalogowegoIKrotkiegoPliku) {
    const std::string krotki = Sciezka("krotki.pro");
    Zapisz(krotki, std::string(100, '\0'));
    struct {
        const char* Nazwa;
        std::string Sciezka;
        const char* Fragment;
    } const przypadki[] = {
        {"brak pliku", Sciezka("nie_ma.pro"), "Nie można otworzyć"},
        {"katalog", katalog_.Sciezka().string(), "katalog"},
        {"100 bajtow", krotki, "100 bajtów"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const auto wynik = CzytajPlikProjektu(p.Sciezka);
        ASSERT_TRUE(std::holds_alternative<std::string>(wynik));
        const std::string& blad = std::get<std::string>(wynik);
        EXPECT_NE(blad.find(p.Fragment), std::string::npos) << blad;
        EXPECT_NE(blad.find(p.Sciezka), std::string::npos) << "names the file: " << blad;
    }
}

} // namespace
