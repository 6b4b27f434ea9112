#include "files/PlikiDanych.h"

#include <filesystem>
#include <system_error>

#ifndef MUROLAB_KATALOG_DANYCH
#define MUROLAB_KATALOG_DANYCH ""
#endif

namespace murolab {

namespace fs = std::filesystem;

std::vector<std::string> KatalogiDanych() {
    std::vector<std::string> katalogi{""};
    std::error_code blad;
    const fs::path program = fs::read_symlink("/proc/self/exe", blad);
    if (!blad && program.has_parent_path())
        katalogi.push_back((program.parent_path() / "dane").string());
    const std::string wbudowany = MUROLAB_KATALOG_DANYCH;
    if (!wbudowany.empty())
        katalogi.push_back(wbudowany);
    return katalogi;
}

std::string ZnajdzPlikDanych(const std::string& nazwa) {
    for (const std::string& katalog : KatalogiDanych()) {
        const fs::path sciezka = katalog.empty() ? fs::path(nazwa) : fs::path(katalog) / nazwa;
        std::error_code blad;
        if (fs::is_regular_file(sciezka, blad))
            return sciezka.string();
    }
    return nazwa;
}

} // namespace murolab
