#pragma once
// Set-up shared by the tests of the core, the files and the command line: the bundled saturation
// table, partitions built layer by layer, the corrections of the worked example, a temporary directory.
// MUROLAB_DANE_ZRODLOWE is the repository's data/ directory.

#include "core/Model.h"
#include "core/Obliczenia.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace murolab::test {

inline TTablicaNasycenia TablicaUla() {
    std::ifstream f(MUROLAB_DANE_ZRODLOWE "/ula.dat", std::ios::binary);
    const std::vector<std::uint8_t> bajty((std::istreambuf_iterator<char>(f)),
                                          std::istreambuf_iterator<char>());
    TTablicaNasycenia t{};
    const auto blad = DekodujTabliceNasycenia(bajty, t);
    EXPECT_FALSE(blad.has_value()) << blad.value_or("");
    return t;
}

inline void DodajWarstwe(TModelProjektu& m, const char* nazwa, double d, double lambda, double mi) {
    TWarstwa& w = m.Warstwy[++m.LiczbaWarstw];
    w.Nazwa.UstawUtf8(nazwa);
    w.Grubosc = d;
    w.Lambda = lambda;
    w.Mi = mi;
}

// A model with the bundled table and the given working conditions, no layers and no corrections.
inline TModelProjektu Warunki(int ti, int fi, int te, int fe, double rsi = 0.13, double rse = 0.04) {
    TModelProjektu m;
    m.TablicaNasycenia = TablicaUla();
    TWarunkiPracy& w = m.WarunkiPracy;
    w.TempWew = ti;
    w.WilgotWewn = fi;
    w.TempZewn = te;
    w.WilgotZewn = fe;
    w.Rsi = rsi;
    w.Rse = rse;
    return m;
}

// Plasterboard, mineral wool and an outer board of mu 200 at ti = 20 °C, φi = 50 %, te = -5 °C,
// φe = 85 %: it condenses in winter at joint 2.
inline TModelProjektu ScianaZWelna() {
    TModelProjektu m = Warunki(20, 50, -5, 85);
    DodajWarstwe(m, "Płyta g-k", 0.0125, 0.25, 10);
    DodajWarstwe(m, "Wełna mineralna", 0.15, 0.04, 1);
    DodajWarstwe(m, "Płyta OSB", 0.018, 0.13, 200);
    m.WarunkiPracy.TypPrzegrody.UstawUtf8("Ściana zewnętrzna");
    return m;
}

// The corrections of the worked example of the corrected coefficient (Uk = 0.425149 for its wall).
inline void PoprawkiPrzykladu(TWarunkiPracy& w) {
    w.NrNieszczelnosci = 2;
    w.DeltaU = 0.01;
    w.Alfa = 6;
    w.LambdaF = 50;
    w.LiczbaF = 4;
    w.PoleF = 0.000013;
    w.DeltaUk = 0.05;
}

// A fresh directory of its own, removed with everything in it at the end.
class TKatalogTymczasowy {
public:
    TKatalogTymczasowy() {
        std::string wzor = (std::filesystem::temp_directory_path() / "murolab-test-XXXXXX").string();
        if (::mkdtemp(wzor.data()) == nullptr)
            throw std::runtime_error("mkdtemp");
        sciezka_ = wzor;
    }
    ~TKatalogTymczasowy() {
        std::error_code blad;
        std::filesystem::remove_all(sciezka_, blad);
    }
    TKatalogTymczasowy(const TKatalogTymczasowy&) = delete;
    TKatalogTymczasowy& operator=(const TKatalogTymczasowy&) = delete;

    const std::filesystem::path& Sciezka() const { return sciezka_; }
    std::string Plik(const std::string& nazwa) const { return (sciezka_ / nazwa).string(); }

private:
    std::filesystem::path sciezka_;
};

} // namespace murolab::test
