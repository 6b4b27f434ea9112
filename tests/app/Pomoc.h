#pragma once
// Shared by the command-line tests: a temporary directory, a project written to it, one run.

#include "app/Cli.h"
#include "core/Przygotowanie.h"
#include "files/RekordProjektu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace murolab::test {

struct TUruchomienie {
    int Kod = -1;
    std::string Wyjscie;
    std::string Bledy;
};

// The build's data directory, where the program finds "ula.dat".
inline const std::filesystem::path kKatalogDanych = MUROLAB_KATALOG_DANYCH;

inline TUruchomienie Uruchom(const std::vector<std::string>& argumenty,
                             const std::filesystem::path& katalogDanych = kKatalogDanych) {
    std::ostringstream out, err;
    TUruchomienie u;
    u.Kod = UruchomWierszPolecen(argumenty, katalogDanych, out, err);
    u.Wyjscie = out.str();
    u.Bledy = err.str();
    return u;
}

// A temporary directory that also takes projects written with the program's own encoder.
class TKatalogProjektow : public TKatalogTymczasowy {
public:
    std::string Projekt(const std::string& nazwa, const TModelProjektu& m) const {
        const std::string p = Plik(nazwa);
        EXPECT_EQ(ZapiszBajtyProjektu(p, KodujRekord(m)), std::nullopt);
        return p;
    }
    // With the extension block: densities, bridged and air layers, the stored choices.
    std::string PelnyProjekt(const std::string& nazwa, const TModelProjektu& m) const {
        const std::string p = Plik(nazwa);
        EXPECT_EQ(ZapiszBajtyProjektu(p, KodujProjekt(m)), std::nullopt);
        return p;
    }
};

// A climate file of the station "Stacja próbna": `zima` °C from November to February, 15 °C in the
// other months, 80 % all year; its folders are made when missing.
inline std::string ZapiszKlimat(const TKatalogTymczasowy& k, const std::string& nazwa, double zima) {
    std::string s = "# Stacja próbna\nmiesiąc;temp;wilgotnosc\n";
    for (int m = 1; m <= 12; ++m)
        s += std::to_string(m) + ";" + (m <= 2 || m >= 11 ? std::to_string(zima) : std::string("15")) +
             ";80\n";
    const std::string p = k.Plik(nazwa);
    std::filesystem::create_directories(std::filesystem::path(p).parent_path());
    std::ofstream(p) << s;
    return p;
}

} // namespace murolab::test
