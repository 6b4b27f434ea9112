// The program itself, started as a user would, with no display at all (DISPLAY, WAYLAND_DISPLAY and
// QT_QPA_PLATFORM unset): what a wrong command line, --version and a report print and their exit
// statuses. Any Qt object made for a wrong option would abort here for want of a display.
#include "Pomoc.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

using namespace murolab;
using namespace murolab::test;

namespace {

struct TProces {
    int Kod = -1; // the exit status, or 128 + the signal
    std::string Wyjscie;
    std::string Bledy;
};

std::string Zawartosc(const std::string& sciezka) {
    std::ifstream f(sciezka, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// Runs the program in `katalog` with the environment less `bez` (and without any display).
TProces Program(const TKatalogTymczasowy& katalog, const std::vector<std::string>& argumenty,
                std::vector<std::string> bez = {}) {
    for (const char* z : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        bez.push_back(z);
    std::vector<std::string> srodowisko;
    for (char** e = environ; *e; ++e) {
        const std::string z = *e;
        const std::string nazwa = z.substr(0, z.find('='));
        if (std::find(bez.begin(), bez.end(), nazwa) == bez.end())
            srodowisko.push_back(z);
    }
    std::vector<char*> env, argv;
    for (std::string& z : srodowisko)
        env.push_back(z.data());
    env.push_back(nullptr);
    std::string program = MUROLAB_PROGRAM;
    argv.push_back(program.data());
    std::vector<std::string> kopia = argumenty;
    for (std::string& a : kopia)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const std::string wyjscie = katalog.Plik("stdout.txt");
    const std::string bledy = katalog.Plik("stderr.txt");
    posix_spawn_file_actions_t akcje;
    posix_spawn_file_actions_init(&akcje);
    posix_spawn_file_actions_addopen(&akcje, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&akcje, 1, wyjscie.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&akcje, 2, bledy.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&akcje, katalog.Sciezka().c_str());
    pid_t pid = 0;
    TProces p;
    const int blad = posix_spawn(&pid, program.c_str(), &akcje, nullptr, argv.data(), env.data());
    posix_spawn_file_actions_destroy(&akcje);
    if (blad != 0) {
        ADD_FAILURE() << "posix_spawn: " << std::strerror(blad);
        return p;
    }
    int stan = 0;
    while (::waitpid(pid, &stan, 0) < 0 && errno == EINTR) {
    }
    p.Kod = WIFEXITED(stan) ? WEXITSTATUS(stan) : 128 + WTERMSIG(stan);
    p.Wyjscie = Zawartosc(wyjscie);
    p.Bledy = Zawartosc(bledy);
    return p;
}

TEST(Program, ZleWywolanieBezEkranuKonczySieKodem2) {
    TKatalogTymczasowy k;
    const std::string przyklad = MUROLAB_KATALOG_DANYCH "/przyklad.pro";
    struct {
        const char* Nazwa;
        std::vector<std::string> Argumenty;
        std::string Komunikat; // the first line of stderr
    } const przypadki[] = {
        {"literowka --obliczz", {"--obliczz", przyklad}, "Nieznana opcja: --obliczz"},
        {"literowka --versio", {"--versio"}, "Nieznana opcja: --versio"},
        {"zla pauza okna",
         {"--pauza", "abc"},
         "Nieprawidłowa wartość --pauza: „abc” (podaj czas pokazywania okna powitalnego w milisekundach, "
         "liczbę całkowitą ≥ 0)."},
        {"opcja zamiast nazwy raportu",
         {"--oblicz", przyklad, "--raport", "--json"},
         "Po --raport brakuje nazwy pliku raportu."},
        {"opcja zamiast nazwy projektu", {"--oblicz", "--json"}, "Po --oblicz brakuje nazwy pliku projektu."},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.Nazwa);
        const TProces w = Program(k, p.Argumenty);
        EXPECT_EQ(w.Kod, 2) << w.Bledy;
        EXPECT_EQ(w.Bledy.substr(0, w.Bledy.find('\n')), p.Komunikat) << w.Bledy;
        EXPECT_NE(w.Bledy.find("\nUżycie: murolab"), std::string::npos) << "the usage follows";
        EXPECT_EQ(w.Wyjscie, "");
    }
    // "--raport --json" named no file "--json".
    EXPECT_FALSE(std::filesystem::exists(k.Plik("--json")));
}

TEST(Program, WersjaIPomoc) {
    TKatalogTymczasowy k;
    const TProces wersja = Program(k, {"--version"});
    EXPECT_EQ(wersja.Kod, 0);
    EXPECT_EQ(wersja.Wyjscie, "murolab " MUROLAB_WERSJA "\n");
    EXPECT_EQ(wersja.Bledy, "");
    const TProces pomoc = Program(k, {"--help"});
    EXPECT_EQ(pomoc.Kod, 0);
    EXPECT_EQ(pomoc.Wyjscie, SposobUzycia());
    EXPECT_EQ(pomoc.Bledy, "");
}

TEST(Program, RaportBezKataloguSesjiNicNieMowiNaStderr) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "under the sanitizer Qt's own leaks are reported on stderr";
#endif
    // As from cron or a container: no XDG_RUNTIME_DIR, no display.
    TKatalogTymczasowy k;
    const TProces w = Program(k, {"--oblicz", MUROLAB_KATALOG_DANYCH "/przyklad.pro", "--raport", "r.pdf"},
                              {"XDG_RUNTIME_DIR"});
    EXPECT_EQ(w.Kod, 0) << w.Bledy;
    EXPECT_EQ(w.Bledy, "");
    EXPECT_GT(std::filesystem::file_size(k.Plik("r.pdf")), 1000u);
    EXPECT_NE(w.Wyjscie.find("Projekt: "), std::string::npos);
}

} // namespace
