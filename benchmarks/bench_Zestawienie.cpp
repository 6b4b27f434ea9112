// The summary of projects at the size of a housing estate, run by hand and printing its times:
// 1 000 project files (ten layers, a climate, density and heat) computed and shown in the summary
// window (offscreen), and the CSV of 10 000 rows written through the atomic writer.
//   QT_QPA_PLATFORM=offscreen build/benchmarks/bench_zestawienie
#include "core/Obliczenia.h"
#include "files/PlikTablicyNasycenia.h"
#include "files/RekordProjektu.h"
#include "files/Zestawienie.h"
#include "ui/FormPrzegroda.h"
#include "ui/FormZestawienie.h"
#include "widgets/Dialogi.h"

#include "WarunkiBenchmarku.h"

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

using namespace murolab;

namespace {

using Zegar = std::chrono::steady_clock;

double Sekundy(Zegar::time_point od) {
    return std::chrono::duration<double>(Zegar::now() - od).count();
}

// The seam for a run without a user: the file dialog answers with the prepared files, and any
// message is printed (none is expected).
class TDialogiBenchmarku : public TDialogiQt {
public:
    QStringList Pliki;
    QStringList WielePlikowDoOtwarcia(QWidget*, const TParametryPliku&) override { return Pliki; }
    void Blad(QWidget*, const QString& tekst) override { std::fprintf(stderr, "%s\n", qPrintable(tekst)); }
};

TModelProjektu Projekt(int i) {
    TModelProjektu m;
    benchmarki::UstawWarunkiZimowe(m.WarunkiPracy, 50);
    m.WarunkiPracy.TypPrzegrody.UstawUtf8("Ściana zewnętrzna");
    for (int k = 1; k <= 10; ++k) {
        TWarstwa& w = m.Warstwy[k];
        w.Nazwa.UstawUtf8("Warstwa " + std::to_string(k));
        w.Grubosc = 0.02 + 0.001 * ((i + k) % 20);
        w.Lambda = 0.04 + 0.05 * k;
        w.Mi = 5.0 * k;
        w.Gestosc = 100.0 * k;
        w.Cieplo = 1.0;
    }
    m.LiczbaWarstw = 10;
    m.Iso13788.Klimat = "Warszawa-Okecie";
    m.DaneProjektu.Obiekt.UstawUtf8("Przegroda " + std::to_string(i));
    return m;
}

} // namespace

int main(int argc, char** argv) {
    QApplication aplikacja(argc, argv);
    const std::filesystem::path dane = MUROLAB_KATALOG_DANYCH;
    const std::filesystem::path katalog =
        std::filesystem::temp_directory_path() / "murolab-bench-zestawienie";
    std::filesystem::remove_all(katalog);
    std::filesystem::create_directories(katalog);

    TDialogiBenchmarku dialogi;
    for (int i = 0; i < 1000; ++i) {
        const std::string p = (katalog / ("p" + std::to_string(i) + ".pro")).string();
        if (const auto blad = ZapiszBajtyProjektu(p, KodujProjekt(Projekt(i)))) {
            std::fprintf(stderr, "%s\n", blad->c_str());
            return 1;
        }
        dialogi.Pliki << QString::fromStdString(p);
    }

    TTablicaNasycenia tablica{};
    if (const auto blad = WczytajTabliceNasycenia((dane / "ula.dat").string(), tablica)) {
        std::fprintf(stderr, "%s\n", blad->c_str());
        return 1;
    }
    auto od = Zegar::now();
    TObliczanieZestawienia obliczanie(tablica, dane);
    std::vector<TWierszZestawienia> wiersze;
    for (const QString& p : dialogi.Pliki)
        wiersze.push_back(obliczanie.Wiersz(p.toStdString()));
    std::printf("1 000 projektów obliczonych (odczyt, obliczenie, rok, lato): %.3f s\n", Sekundy(od));

    TFormPrzegroda okno(dialogi, dane);
    TFormZestawienie forma(okno, dialogi, &okno);
    od = Zegar::now();
    forma.findChild<QPushButton*>(QStringLiteral("ButtonDodaj"))->click();
    forma.show();
    QCoreApplication::processEvents();
    std::printf("1 000 projektów obliczonych i pokazanych w oknie zestawienia: %.3f s (%d wierszy)\n",
                Sekundy(od), forma.findChild<QTableWidget*>(QStringLiteral("TabelaZestawienia"))->rowCount());

    std::vector<TWierszZestawienia> dziesiecTysiecy;
    for (int i = 0; i < 10; ++i)
        dziesiecTysiecy.insert(dziesiecTysiecy.end(), wiersze.begin(), wiersze.end());
    od = Zegar::now();
    if (const auto blad = ZapiszCsvZestawienia((katalog / "zestawienie.csv").string(), dziesiecTysiecy)) {
        std::fprintf(stderr, "%s\n", blad->c_str());
        return 1;
    }
    std::printf("CSV 10 000 projektów zapisany: %.3f s (%ju bajtów)\n", Sekundy(od),
                static_cast<std::uintmax_t>(std::filesystem::file_size(katalog / "zestawienie.csv")));
    std::filesystem::remove_all(katalog);
    return 0;
}
