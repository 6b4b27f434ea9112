#pragma once
// Set-up shared by the tests of the core, the files and the command line: the bundled saturation
// table, partitions built layer by layer, the corrections of the worked example, a temporary directory.
// MUROLAB_DANE_ZRODLOWE is the repository's data/ directory.

#include "core/Klimat.h"
#include "core/Model.h"
#include "core/Obliczenia.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// Plasterboard, 200 mm of wool between rafters (12 %), a wood-fibre board open to vapour, at
// ti = 20 degC, 50 %, te = -5 degC, 85 %, Rsi of upward flow.
inline TModelProjektu DachNaKrokwiach() {
    TModelProjektu m = Warunki(20, 50, -5, 85, 0.10, 0.04);
    m.WarunkiPracy.TypPrzegrody.UstawUtf8("Dachy, stropodachy, tarasy przy przepływie ciepła z dołu do góry");
    DodajWarstwe(m, "Płyta g-k", 0.0125, 0.25, 10);
    DodajWarstwe(m, "Wełna mineralna", 0.2, 0.04, 1);
    m.Warstwy[2].Mostki.push_back({"Krokiew", 0.13, 50, 500, 2.5, 0.12});
    DodajWarstwe(m, "Płyta pilśniowa", 0.022, 0.05, 5);
    return m;
}

// Monthly means of a Polish lowland station, rounded.
inline TKlimat KlimatNizinny() {
    TKlimat k;
    k.Nazwa = "Nizina";
    const double temp[] = {-2, -1, 3, 8, 13, 16, 18, 17, 13, 8, 3, -1};
    const double wilg[] = {86, 84, 78, 72, 72, 74, 74, 76, 80, 84, 88, 88};
    for (std::size_t i = 0; i < 12; ++i)
        k.Miesiace[i] = {temp[i], wilg[i]};
    return k;
}

// Confirmed working conditions of an external wall in zone III: ti = 20 °C, φi = 55 %, te = -20 °C,
// φe = 85 %, Rsi = 0,13, Rse = 0,04, with the lists' texts.
inline void WarunkiScianyStrefyIII(TWarunkiPracy& w) {
    w.TempZewn = -20;
    w.TempWew = 20;
    w.WilgotZewn = 85;
    w.WilgotWewn = 55;
    w.Rsi = 0.13;
    w.Rse = 0.04;
    w.TypPrzegrody.UstawUtf8("Ściana zewnętrzna");
    w.StrefaKl.UstawUtf8("Strefa III");
    w.WarunkiWilg.UstawUtf8("Warunki średniowilgotne");
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
    // Every name in the directory, sorted, so that a file left behind (a temporary one) is seen.
    std::vector<std::string> Pliki() const {
        std::vector<std::string> nazwy;
        for (const auto& e : std::filesystem::directory_iterator(sciezka_))
            nazwy.push_back(e.path().filename().string());
        std::sort(nazwy.begin(), nazwy.end());
        return nazwy;
    }

private:
    std::filesystem::path sciezka_;
};

} // namespace murolab::test
