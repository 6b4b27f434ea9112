// The command line's report in a process without any Qt application: the function makes its own
// (offscreen) for the time of the call, writes the three-page PDF and leaves no application behind; a
// process whose application has no windows gets a message, not a crash.
#include "app/RaportZWierszaPolecen.h"
#include "core/WT2021.h"
#include "output/ModelTestowy.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

using namespace murolab;

namespace {
// The moisture check without a climate, as a project with no stored choices gets it.
TAnalizaIso13788 Analiza(const TModelProjektu& model) {
    return AnalizujIso13788(model, nullptr, "", TWnetrze{},
                            DomyslnyWierszWT(model.WarunkiPracy.TypPrzegrody.Utf8()));
}
} // namespace

TEST(RaportWiersz, BezAplikacjiQt) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    const TModelProjektu model = ModelTestowy(20, -20, {0.015, 0.24, 0.12, 0.005});
    const std::filesystem::path plik =
        std::filesystem::temp_directory_path() / "murolab_tst_raport_wiersz.pdf";
    std::filesystem::remove(plik);
    std::ostringstream err;
    EXPECT_EQ(ZapiszRaportZWierszaPolecen(model, 20, -20, Analiza(model), plik.string(),
                                          MUROLAB_DANE_ZRODLOWE, err),
              0)
        << err.str();
    EXPECT_EQ(QCoreApplication::instance(), nullptr);

    std::ifstream f(plik, std::ios::binary);
    const std::string pdf((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    // Three page objects (the moisture check is the third), each A4 (595 x 842 points).
    auto ile = [&](const std::string& wzor) {
        std::size_t n = 0;
        for (std::size_t i = pdf.find(wzor); i != std::string::npos; i = pdf.find(wzor, i + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(ile("/Type /Page\n"), 3u);
    EXPECT_EQ(ile("/MediaBox [0 0 595.000000 842.000000]"), 3u);
    std::filesystem::remove(plik);
}

// Runs after the case above (one process, declaration order): a non-window application cannot host
// the charts, and the call says so instead of failing inside Qt.
TEST(RaportWiersz, AplikacjaBezOkienOdmawia) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    static int argc = 1;
    static char nazwa[] = "tst_raport_wiersza";
    static char* argv[] = {nazwa, nullptr};
    QCoreApplication aplikacja(argc, argv);
    const TModelProjektu model = ModelTestowy(20, -20, {0.015, 0.24, 0.12, 0.005});
    const std::filesystem::path plik =
        std::filesystem::temp_directory_path() / "murolab_tst_raport_wiersz_bez_okien.pdf";
    std::filesystem::remove(plik);
    std::ostringstream err;
    EXPECT_EQ(ZapiszRaportZWierszaPolecen(model, 20, -20, Analiza(model), plik.string(),
                                          MUROLAB_DANE_ZRODLOWE, err),
              2);
    EXPECT_NE(err.str().find("QApplication"), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(plik));
}
