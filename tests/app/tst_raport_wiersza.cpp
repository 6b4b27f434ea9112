// The command line's report called where a window application already runs (as when the window's
// own tests or a future "export" command call it): it uses that application, writes the report's
// pages as a PDF a reader finds the charts' titles and the verdict in, and a path it cannot write
// gives the reason and exit code 2. For one calculation and one moisture check it writes what the
// window's report writes, word for word and picture for picture.
#include "app/RaportZWierszaPolecen.h"
#include "core/AnalizaProjektu.h"
#include "core/Arkusz.h"
#include "core/WT2021.h"
#include "files/PlikKlimatu.h"
#include "output/ModelTestowy.h"
#include "output/PodgladWydruku.h"
#include "widgets/DialogiTestowe.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sstream>

using namespace murolab;

namespace {
// The moisture check without a climate, as a project with no stored choices gets it.
TAnalizaIso13788 Analiza(const TModelProjektu& model, const TKlimat* klimat = nullptr,
                         const std::string& nazwa = {}) {
    return AnalizujIso13788(model, klimat, nazwa, TWnetrze{},
                            DomyslnyWierszWT(model.WarunkiPracy.TypPrzegrody.Utf8()));
}

// Standard output of a poppler tool run on a PDF; empty, after a failed check, when it fails.
QByteArray Poppler(const QString& narzedzie, const QStringList& argumenty) {
    QProcess p;
    p.start(narzedzie, argumenty);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        QTest::qFail(qPrintable(narzedzie + QStringLiteral(" failed")), __FILE__, __LINE__);
        return {};
    }
    return p.readAllStandardOutput();
}

// Page `strona` of a PDF as pixels.
QImage ObrazStrony(const QString& pdf, int strona) {
    const QString numer = QString::number(strona);
    const QByteArray png = Poppler(QStringLiteral("pdftoppm"),
                                   {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-f"), numer,
                                    QStringLiteral("-l"), numer, QStringLiteral("-png"), pdf});
    return QImage::fromData(png, "PNG");
}
} // namespace

class TestRaportWiersza : public QObject {
    Q_OBJECT
private slots:
    void zapisujePdfIPodajePowodBledu() {
        const TModelProjektu model = ModelTestowy(20, -20, {0.015, 0.24, 0.12, 0.005});
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("wiersz.pdf"));
        std::ostringstream err;
        QCOMPARE(ZapiszRaportZWierszaPolecen(model, 20, -20, Analiza(model), plik.toStdString(),
                                             MUROLAB_DANE_ZRODLOWE, err),
                 0);
        QVERIFY2(err.str().empty(), err.str().c_str());
        QVERIFY(QFile::exists(plik));

        // pdftotext (poppler-utils) is installed by scripts/zaleznosci.sh: its absence is a failure.
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(), "brak pdftotext");
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {plik, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(60000));
        QCOMPARE(pdftotext.exitCode(), 0);
        const QString tekst = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY(tekst.count(u'\f') >= 2);
        QVERIFY(tekst.contains(QStringLiteral("Rozkład ciśnień w przegrodzie")));
        QVERIFY(tekst.contains(QStringLiteral("Dla zadanych warunków brzegowych")));

        std::ostringstream err2;
        QCOMPARE(ZapiszRaportZWierszaPolecen(model, 20, -20, Analiza(model),
                                             katalog.filePath(QStringLiteral("brak/x.pdf")).toStdString(),
                                             MUROLAB_DANE_ZRODLOWE, err2),
                 2);
        QVERIFY2(err2.str().find("Nie można zapisać raportu") != std::string::npos, err2.str().c_str());
    }

    // The window fills its report at the end of a calculation, from the results sheet and the
    // moisture sheet; the command line from the same calculation and check. Every page reads the
    // same and page 3 (texts, monthly table, Ma chart) looks the same, with a climate and without.
    void takiSamJakRaportOkna_data() {
        QTest::addColumn<bool>("zKlimatem");
        QTest::newRow("klimat Opole") << true;
        QTest::newRow("bez klimatu") << false;
    }
    void takiSamJakRaportOkna() {
        QFETCH(bool, zKlimatem);
        // A vapour-tight outer coat: the wall condenses at the design condition and in winter, so
        // the pressure chart has its condensation line and the Ma chart its bars.
        TModelProjektu model = ModelTestowy(20, -20, {0.015, 0.24, 0.12, 0.005});
        model.Warstwy[4].Mi = 5000;
        ObliczPrzegrode(model);
        model.DaneProjektu.Inwestor.UstawUtf8("Gmina Żółkiewka");
        std::optional<TKlimat> klimat;
        if (zKlimatem) {
            auto wynik = WczytajKlimat("Opole", MUROLAB_DANE_ZRODLOWE);
            QVERIFY(std::holds_alternative<TKlimat>(wynik));
            klimat = std::get<TKlimat>(std::move(wynik));
        }
        const TAnalizaIso13788 analiza =
            Analiza(model, klimat ? &*klimat : nullptr, zKlimatem ? "Opole" : "");

        TDialogiTestowe dialogi;
        TPodgladWydruku okno(model, dialogi, MUROLAB_DANE_ZRODLOWE);
        okno.WypelnijRaport(ArkuszWynikow(model, 20, -20),
                            QString::fromStdString(model.WarunkiPracy.TypPrzegrody.Utf8()));
        okno.WypelnijKondensacje(analiza, TekstyKondensacji(analiza, model.LiczbaWarstw),
                                 TekstyLata(LatoPrzegrody(model), WarstwyBezDanychLata(model)));
        okno.PrzygotujWykresy(true);
        QTemporaryDir katalog;
        const QString zOkna = katalog.filePath(QStringLiteral("okno.pdf"));
        const QString zWiersza = katalog.filePath(QStringLiteral("wiersz.pdf"));
        QString blad;
        QVERIFY2(okno.ZapiszRaportPdf(zOkna, &blad), qPrintable(blad));
        std::ostringstream err;
        QCOMPARE(ZapiszRaportZWierszaPolecen(model, 20, -20, analiza, zWiersza.toStdString(),
                                             MUROLAB_DANE_ZRODLOWE, err),
                 0);

        const QString wOknie =
            QString::fromUtf8(Poppler(QStringLiteral("pdftotext"), {zOkna, QStringLiteral("-")}));
        const QString wWierszu =
            QString::fromUtf8(Poppler(QStringLiteral("pdftotext"), {zWiersza, QStringLiteral("-")}));
        QCOMPARE(wOknie.count(u'\f'), 3);
        QVERIFY(wOknie.contains(QStringLiteral("Wymagania WT 2021")));
        QVERIFY(wOknie.contains(QStringLiteral("Kondensacja wewnątrz przegrody: styk warstw 3 i 4")));
        QCOMPARE(wOknie.contains(QStringLiteral("styczeń")), zKlimatem);
        QCOMPARE(wWierszu, wOknie);
        for (int strona : {2, 3}) {
            const QImage obraz = ObrazStrony(zWiersza, strona);
            QVERIFY(!obraz.isNull());
            QVERIFY2(obraz == ObrazStrony(zOkna, strona), qPrintable(QStringLiteral("page %1").arg(strona)));
        }
        if (const QString k = qEnvironmentVariable("MUROLAB_ZRZUTY"); !k.isEmpty()) {
            const QString nazwa = QString::fromUtf8(QTest::currentDataTag()).replace(u' ', u'-');
            QFile::copy(zOkna, k + QStringLiteral("/okno-") + nazwa + QStringLiteral(".pdf"));
            QFile::copy(zWiersza, k + QStringLiteral("/wiersz-") + nazwa + QStringLiteral(".pdf"));
        }
    }

    // A rafter roof: the command line's pages show the sections the window's report shows.
    void przekrojeJakWOknie() {
        TModelProjektu model = ModelTestowy(20, -5, {});
        model.WarunkiPracy.WilgotWewn = 50;
        model.WarunkiPracy.Rsi = 0.10;
        const struct {
            const char* Nazwa;
            double D, Lambda, Mi;
        } warstwy[] = {{"Płyta g-k", 0.0125, 0.25, 10},
                       {"Wełna mineralna", 0.2, 0.04, 1},
                       {"Płyta pilśniowa", 0.022, 0.05, 5}};
        for (const auto& w : warstwy) {
            TWarstwa& warstwa = model.Warstwy[++model.LiczbaWarstw];
            warstwa.Nazwa.UstawUtf8(w.Nazwa);
            warstwa.Grubosc = w.D;
            warstwa.Lambda = w.Lambda;
            warstwa.Mi = w.Mi;
        }
        model.Warstwy[2].Mostki.push_back({"Krokiew", 0.13, 50, 500, 2.5, 0.12});
        ObliczPrzegrode(model);
        const TAnalizaProjektu analiza = AnalizujProjekt(model, {});
        QVERIFY(analiza.Niejednorodna);

        TDialogiTestowe dialogi;
        TPodgladWydruku okno(model, dialogi, MUROLAB_DANE_ZRODLOWE);
        const QString typ = QString::fromStdString(model.WarunkiPracy.TypPrzegrody.Utf8());
        okno.WypelnijRaport(ArkuszWynikow(model, 20, -5), typ);
        const TTekstyAnalizy teksty = TekstyAnalizy(analiza, model.LiczbaWarstw);
        okno.WypelnijKondensacje(analiza.Wilgoc, teksty.Wilgoc, teksty.Lato);
        okno.WypelnijPrzekroje(analiza, 20, -5, typ);
        okno.PrzygotujWykresy(true);
        QTemporaryDir katalog;
        const QString zOkna = katalog.filePath(QStringLiteral("okno.pdf"));
        const QString zWiersza = katalog.filePath(QStringLiteral("wiersz.pdf"));
        QString blad;
        QVERIFY2(okno.ZapiszRaportPdf(zOkna, &blad), qPrintable(blad));
        std::ostringstream err;
        QCOMPARE(ZapiszRaportZWierszaPolecen(model, 20, -5, analiza, zWiersza.toStdString(),
                                             MUROLAB_DANE_ZRODLOWE, err),
                 0);
        const QString wOknie =
            QString::fromUtf8(Poppler(QStringLiteral("pdftotext"), {zOkna, QStringLiteral("-")}));
        const QString wWierszu =
            QString::fromUtf8(Poppler(QStringLiteral("pdftotext"), {zWiersza, QStringLiteral("-")}));
        QVERIFY(wOknie.contains(QStringLiteral("R''T = ")));
        QVERIFY(wOknie.contains(QStringLiteral("przekrój „przez Krokiew 12 %”")));
        QCOMPARE(wWierszu, wOknie);
        for (int strona : {1, 2}) {
            const QImage obraz = ObrazStrony(zWiersza, strona);
            QVERIFY(!obraz.isNull());
            QVERIFY2(obraz == ObrazStrony(zOkna, strona), qPrintable(QStringLiteral("page %1").arg(strona)));
        }
    }
};

QTEST_MAIN(TestRaportWiersza)
#include "tst_raport_wiersza.moc"
