// The one writer and the one reader of outside files: what they refuse, what they keep, and that a
// failure leaves neither a changed target nor a stray temporary file.
#include "core/Przygotowanie.h"
#include "files/Potomek.h"
#include "files/ZapisAtomowy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

using namespace murolab;
using namespace murolab::test;
namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Bajty(const std::string& s) {
    return {s.begin(), s.end()};
}

std::string Zawartosc(const std::string& sciezka) {
    std::ifstream f(sciezka, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void Zapisz(const std::string& sciezka, const std::string& tresc) {
    std::ofstream(sciezka, std::ios::binary) << tresc;
}

bool Zawiera(const std::string& tekst, const std::string& fragment) {
    return tekst.find(fragment) != std::string::npos;
}

class ZapisAtomowy : public ::testing::Test {
protected:
    std::string Sciezka(const std::string& nazwa) const { return katalog_.Plik(nazwa); }
    std::vector<std::string> Pliki() const { return katalog_.Pliki(); }
    // A socket file, as a program listening on it would leave.
    void UtworzGniazdo(const std::string& sciezka) {
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(s, 0);
        sockaddr_un adres{};
        adres.sun_family = AF_UNIX;
        ASSERT_LT(sciezka.size(), sizeof adres.sun_path);
        std::copy(sciezka.begin(), sciezka.end(), adres.sun_path);
        ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&adres), sizeof adres), 0);
        ::close(s);
    }

    TKatalogTymczasowy katalog_;
};

TEST_F(ZapisAtomowy, CelNiebedacyZwyklymPlikiemZostajeNietkniety) {
    ASSERT_EQ(::mkfifo(Sciezka("kolejka").c_str(), 0644), 0);
    fs::create_directory(Sciezka("katalog"));
    UtworzGniazdo(Sciezka("gniazdo"));
    fs::create_symlink("kolejka", Sciezka("do_kolejki"));
    struct {
        const char* Nazwa;
        const char* Plik;
        const char* Powod;
        fs::file_type Rodzaj;
    } const przypadki[] = {
        {"FIFO", "kolejka", "kolejka (FIFO)", fs::file_type::fifo},
        {"katalog", "katalog", "katalog", fs::file_type::directory},
        {"gniazdo", "gniazdo", "gniazdo", fs::file_type::socket},
        {"odnosnik do FIFO", "do_kolejki", "kolejka (FIFO)", fs::file_type::symlink},
    };
    const std::vector<std::string> przed = Pliki();
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const std::string blad = ZapiszAtomowo(Sciezka(p.Plik), Bajty("raport")).value_or("");
        EXPECT_TRUE(Zawiera(blad, "Nie można zapisać pliku „" + Sciezka(p.Plik) + "”")) << blad;
        EXPECT_TRUE(Zawiera(blad, p.Powod)) << blad;
        EXPECT_EQ(fs::symlink_status(Sciezka(p.Plik)).type(), p.Rodzaj);
    }
    EXPECT_EQ(Pliki(), przed) << "no temporary file stays behind";
}

TEST_F(ZapisAtomowy, OdnosnikJestZapisywanyNaWylotIZostajeOdnosnikiem) {
    fs::create_directory(Sciezka("dane"));
    Zapisz(Sciezka("dane/grupa.ath"), "stara");
    fs::create_symlink("dane/grupa.ath", Sciezka("wzgledny"));
    fs::create_symlink(Sciezka("wzgledny"), Sciezka("lancuch"));
    fs::create_symlink("dane/nowy.ath", Sciezka("wiszacy"));
    struct {
        const char* Nazwa;
        const char* Odnosnik;
        const char* Cel;
    } const przypadki[] = {
        {"odnosnik wzgledny do innego katalogu", "wzgledny", "dane/grupa.ath"},
        {"lancuch dwoch odnosnikow", "lancuch", "dane/grupa.ath"},
        {"odnosnik do pliku, ktorego jeszcze nie ma", "wiszacy", "dane/nowy.ath"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const std::string tresc = std::string("przez ") + p.Odnosnik;
        ASSERT_EQ(ZapiszAtomowo(Sciezka(p.Odnosnik), Bajty(tresc)), std::nullopt);
        EXPECT_TRUE(fs::is_symlink(Sciezka(p.Odnosnik)));
        EXPECT_EQ(Zawartosc(Sciezka(p.Cel)), tresc);
    }
    EXPECT_EQ(Pliki(), (std::vector<std::string>{"dane", "lancuch", "wiszacy", "wzgledny"}));
    std::vector<std::string> wDanych;
    for (const auto& e : fs::directory_iterator(Sciezka("dane")))
        wDanych.push_back(e.path().filename().string());
    std::sort(wDanych.begin(), wDanych.end());
    EXPECT_EQ(wDanych, (std::vector<std::string>{"grupa.ath", "nowy.ath"})) << "the temporary file went";
}

TEST_F(ZapisAtomowy, ZastepowanyPlikZachowujeUprawnienia) {
    const fs::perms rw = fs::perms::owner_read | fs::perms::owner_write;
    struct {
        const char* Nazwa;
        fs::perms Uprawnienia;
    } const przypadki[] = {
        {"tylko wlasciciel", rw},
        {"wlasciciel i grupa", rw | fs::perms::group_read},
        {"wszyscy czytaja, grupa pisze",
         rw | fs::perms::group_read | fs::perms::group_write | fs::perms::others_read},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const std::string plik = Sciezka("plik");
        Zapisz(plik, "stary");
        fs::permissions(plik, p.Uprawnienia);
        ASSERT_EQ(ZapiszAtomowo(plik, Bajty("nowy")), std::nullopt);
        EXPECT_EQ(Zawartosc(plik), "nowy");
        EXPECT_EQ(fs::status(plik).permissions() & fs::perms::all, p.Uprawnienia);
    }
}

TEST_F(ZapisAtomowy, PlikTylkoDoOdczytuJestOdrzucanyTakzePrzezRoota) {
    // Run as "nobody" in a child process, so that the check also holds where the suite runs as root.
    fs::permissions(katalog_.Sciezka(), fs::perms::all);
    const std::string plik = Sciezka("chroniony.pro");
    Zapisz(plik, "chroniony");
    fs::permissions(plik, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ASSERT_EQ(::chown(plik.c_str(), 65534, 65534), ::geteuid() == 0 ? 0 : -1);
    const int wynik = WProcesiePotomnym([&] {
        if (!PorzucUprawnieniaRoota())
            return 3;
        const std::string blad = ZapiszAtomowo(plik, Bajty("nadpisany")).value_or("");
        return blad.empty() ? 1 : (Zawiera(blad, "brak uprawnień") ? 0 : 2);
    });
    EXPECT_EQ(wynik, 0) << "1: written, 2: another message, 3: could not drop root";
    EXPECT_EQ(Zawartosc(plik), "chroniony");
    EXPECT_EQ(Pliki(), std::vector<std::string>{"chroniony.pro"});
}

TEST_F(ZapisAtomowy, NajdluzszaNazwaPlikuDajeSieZapisac) {
    // 255 bytes is the longest name a Linux file system takes; a temporary name made by adding a
    // suffix to it could not be created.
    for (const std::size_t dlugosc : {250u, 255u}) {
        SCOPED_TRACE(dlugosc);
        const std::string plik = Sciezka(std::string(dlugosc - 4, 'n') + ".pro");
        ASSERT_EQ(ZapiszAtomowo(plik, Bajty("projekt")), std::nullopt);
        EXPECT_EQ(Zawartosc(plik), "projekt");
        fs::remove(plik);
    }
    EXPECT_TRUE(Pliki().empty());
}

TEST_F(ZapisAtomowy, TylkoNowyNieZastepujeIstniejacego) {
    // The first of two instances to make a file wins; the second leaves it as it is.
    const std::string plik = Sciezka("Tynki.ath");
    bool juzByl = true;
    ASSERT_EQ(ZapiszAtomowo(plik, Bajty("pierwszy"), &juzByl), std::nullopt);
    EXPECT_FALSE(juzByl);
    ASSERT_EQ(ZapiszAtomowo(plik, Bajty("drugi"), &juzByl), std::nullopt);
    EXPECT_TRUE(juzByl);
    EXPECT_EQ(Zawartosc(plik), "pierwszy");
    EXPECT_EQ(Pliki(), std::vector<std::string>{"Tynki.ath"});
}

TEST_F(ZapisAtomowy, NieudanyZapisZostawiaStaryPlikIUsuwaTymczasowy) {
    const std::string stary = "stara zawartość, której nie wolno stracić";
    struct {
        const char* Nazwa;
        std::string Plik;
        rlim_t LimitRozmiaru; // RLIM_INFINITY: no limit
        const char* Powod;
    } const przypadki[] = {
        {"limit rozmiaru pliku w polowie zapisu", Sciezka("duzy.pro"), 1000,
         "Brak miejsca na dysku przy zapisie pliku"},
        {"limit zerowy", Sciezka("pusty.pro"), 0, "(plik przekroczyłby dopuszczalny rozmiar)"},
        {"brak katalogu", Sciezka("nie_ma/plik.pro"), RLIM_INFINITY, "nie ma takiego pliku"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        if (fs::exists(fs::path(p.Plik).parent_path()))
            Zapisz(p.Plik, stary);
        // SIGXFSZ ignored, as the program does at start-up: write() then reports EFBIG.
        const int wynik = WProcesiePotomnym([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{p.LimitRozmiaru, p.LimitRozmiaru};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return 3;
            const std::string blad = ZapiszAtomowo(p.Plik, std::vector<std::uint8_t>(5000, 'x')).value_or("");
            return blad.empty() ? 1 : (Zawiera(blad, p.Plik) && Zawiera(blad, p.Powod) ? 0 : 2);
        });
        EXPECT_EQ(wynik, 0) << "1: success reported, 2: message without the file or the cause";
        if (fs::exists(fs::path(p.Plik).parent_path())) {
            EXPECT_EQ(Zawartosc(p.Plik), stary);
        }
    }
    EXPECT_EQ(Pliki(), (std::vector<std::string>{"duzy.pro", "pusty.pro"}));
}

TEST_F(ZapisAtomowy, ZapisZabityWTrakcieNieZostawiaPlikuTymczasowego) {
    const std::string plik = Sciezka("projekt.pro");
    Zapisz(plik, "stary projekt");
    // The file-size limit with its signal left at the default kills the child inside write().
    const int wynik = WProcesiePotomnym([&] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{1000, 1000};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 3;
        ZapiszAtomowo(plik, std::vector<std::uint8_t>(5000, 'x'));
        return 1;
    });
    ASSERT_EQ(wynik, -1) << "the child was to be killed by SIGXFSZ in its write";
    EXPECT_EQ(Zawartosc(plik), "stary projekt");
    EXPECT_EQ(Pliki(), std::vector<std::string>{"projekt.pro"});
}

TEST_F(ZapisAtomowy, NastepnyZapisUsuwaPorzuconeTymczasoweTegoProgramu) {
    Zapisz(Sciezka("cel"), "cudzy plik");
    const auto postarz = [&](const std::string& nazwa) {
        const timespec czasy[2] = {{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, Sciezka(nazwa).c_str(), czasy, AT_SYMLINK_NOFOLLOW), 0);
    };
    for (const char* stary :
         {".ml0123abcd", ".mlffffffff", ".mlzzzzzzzz", ".ml0123abc", ".ml0123abcd.pro", ".mlbbbbbbbb"}) {
        Zapisz(Sciezka(stary), "porzucony");
        postarz(stary);
    }
    Zapisz(Sciezka(".ml89abcdef"), "zapis w toku");
    fs::create_symlink("cel", Sciezka(".mlaaaaaaaa"));
    postarz(".mlaaaaaaaa");
    // A save in progress holds its lock, however old its file looks.
    const int zablokowany = ::open(Sciezka(".mlbbbbbbbb").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(zablokowany, 0);
    ASSERT_EQ(::flock(zablokowany, LOCK_EX), 0);

    ASSERT_EQ(ZapiszAtomowo(Sciezka("projekt.pro"), Bajty("nowy")), std::nullopt);
    ::close(zablokowany);
    EXPECT_EQ(Pliki(),
              (std::vector<std::string>{".ml0123abc", ".ml0123abcd.pro", ".ml89abcdef", ".mlaaaaaaaa",
                                        ".mlbbbbbbbb", ".mlzzzzzzzz", "cel", "projekt.pro"}));
    EXPECT_EQ(Zawartosc(Sciezka("cel")), "cudzy plik");
}

TEST_F(ZapisAtomowy, PetlaOdnosnikowMaPolskiKomunikatZNazwaPliku) {
    fs::create_symlink("b", Sciezka("a"));
    fs::create_symlink("a", Sciezka("b"));
    const std::string zapis = ZapiszAtomowo(Sciezka("a"), Bajty("x")).value_or("");
    const auto odczyt = CzytajPlikRegularny(Sciezka("a"), 100);
    ASSERT_TRUE(Niepowodzenie(odczyt));
    for (const std::string& komunikat : {zapis, *Niepowodzenie(odczyt)}) {
        SCOPED_TRACE(komunikat);
        EXPECT_TRUE(Zawiera(komunikat, Sciezka("a")));
        EXPECT_TRUE(Zawiera(komunikat, "odnośników symbolicznych"));
        EXPECT_FALSE(Zawiera(komunikat, "Too many"));
    }
}

TEST_F(ZapisAtomowy, NowyPlikDostajeUprawnieniaWedlugMaski) {
    const mode_t stara = ::umask(027);
    const std::string blad = ZapiszAtomowo(Sciezka("nowy.pro"), Bajty("x")).value_or("");
    ::umask(stara);
    ASSERT_EQ(blad, "");
    EXPECT_EQ(fs::status(Sciezka("nowy.pro")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

class CzytaniePliku : public ZapisAtomowy {};

TEST_F(CzytaniePliku, CzytaTylkoZwyklePlikiNieWiekszeNizWolno) {
    Zapisz(Sciezka("dziesiec"), "0123456789");
    Zapisz(Sciezka("pusty"), "");
    fs::create_symlink("dziesiec", Sciezka("odnosnik"));
    ASSERT_EQ(::mkfifo(Sciezka("kolejka").c_str(), 0644), 0);
    fs::create_directory(Sciezka("katalog"));
    {
        // 2 GB with no data blocks: must be refused by its size, not read.
        std::ofstream(Sciezka("rzadki")).close();
        fs::resize_file(Sciezka("rzadki"), std::uintmax_t{2} << 30);
    }
    struct {
        const char* Nazwa;
        std::string Plik;
        std::uint64_t Maksimum;
        const char* Oczekiwane; // the content, or nullptr for a refusal
        const char* Powod;
    } const przypadki[] = {
        {"zwykly plik", Sciezka("dziesiec"), 10, "0123456789", ""},
        {"pusty plik", Sciezka("pusty"), 10, "", ""},
        {"odnosnik do zwyklego pliku", Sciezka("odnosnik"), 100, "0123456789", ""},
        {"o bajt za duzy", Sciezka("dziesiec"), 9, nullptr, "jest za duży: ma 10 bajtów"},
        {"rzadki plik 2 GB", Sciezka("rzadki"), 1 << 20, nullptr, "jest za duży"},
        {"FIFO bez piszacego", Sciezka("kolejka"), 100, nullptr, "kolejka (FIFO)"},
        {"urzadzenie /dev/zero", "/dev/zero", 100, nullptr, "urządzenie"},
        {"katalog", Sciezka("katalog"), 100, nullptr, "katalog"},
        {"brak pliku", Sciezka("nie_ma"), 100, nullptr, "nie ma takiego pliku"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const auto wynik = CzytajPlikRegularny(p.Plik, p.Maksimum);
        if (p.Oczekiwane) {
            ASSERT_TRUE(std::holds_alternative<std::vector<std::uint8_t>>(wynik))
                << std::get<TBladWyniku>(wynik).Komunikat;
            EXPECT_EQ(std::get<std::vector<std::uint8_t>>(wynik), Bajty(p.Oczekiwane));
        } else {
            ASSERT_TRUE(std::holds_alternative<TBladWyniku>(wynik));
            const std::string& blad = std::get<TBladWyniku>(wynik).Komunikat;
            EXPECT_TRUE(Zawiera(blad, "„" + p.Plik + "”")) << blad;
            EXPECT_TRUE(Zawiera(blad, p.Powod)) << blad;
        }
    }
}

} // namespace
