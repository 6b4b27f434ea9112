#include "files/PlikiDanych.h"

#include <cstdlib>
#include <pwd.h>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace murolab {

namespace fs = std::filesystem;

namespace {

bool Niepusta(const char* wartosc) {
    return wartosc != nullptr && *wartosc != '\0';
}

bool Bezwzgledna(const char* wartosc) {
    return Niepusta(wartosc) && fs::path(wartosc).is_absolute();
}

// The home directory from the account database, for a process started without HOME.
std::string KatalogDomowyKonta() {
    long rozmiar = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> bufor(static_cast<std::size_t>(rozmiar > 0 ? rozmiar : 16384));
    passwd konto{};
    passwd* wynik = nullptr;
    if (getpwuid_r(getuid(), &konto, bufor.data(), bufor.size(), &wynik) != 0 || wynik == nullptr ||
        wynik->pw_dir == nullptr)
        return {};
    return wynik->pw_dir;
}

} // namespace

fs::path WybierzKatalogDanych(const char* zmienna, const fs::path& katalogProgramu) {
    if (Niepusta(zmienna))
        return fs::path(zmienna);
    const fs::path budowa = katalogProgramu / "dane";
    std::error_code blad;
    if (fs::is_regular_file(budowa / "ula.dat", blad))
        return budowa;
    return (katalogProgramu / ".." / "share" / "murolab").lexically_normal();
}

fs::path KatalogDanych() {
    std::error_code blad;
    const fs::path program = fs::read_symlink("/proc/self/exe", blad);
    return WybierzKatalogDanych(std::getenv(kZmiennaKataloguDanych),
                                blad ? fs::path() : program.parent_path());
}

fs::path WybierzKatalogUzytkownika(const char* xdgDataHome, const char* home) {
    if (Bezwzgledna(xdgDataHome))
        return fs::path(xdgDataHome) / "murolab";
    if (Bezwzgledna(home))
        return fs::path(home) / ".local" / "share" / "murolab";
    return {};
}

fs::path KatalogUzytkownika() {
    const char* home = std::getenv("HOME");
    std::string zKonta;
    if (!Bezwzgledna(home)) {
        zKonta = KatalogDomowyKonta();
        home = zKonta.c_str();
    }
    return WybierzKatalogUzytkownika(std::getenv("XDG_DATA_HOME"), home);
}

} // namespace murolab
