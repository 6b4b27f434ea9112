// The report: the PDF's pages and text (read back with poppler's pdfinfo and pdftotext), the
// preview shown through the seam, saving as PDF from the preview and from the command line, and a
// failed save that leaves the earlier file as it was.
#include "ModelTestowy.h"
#include "core/Arkusz.h"
#include "core/Iso13788.h"
#include "files/PlikKlimatu.h"
#include "output/PodgladWydruku.h"
#include "output/StronyRaportu.h"
#include "output/WykresMa.h"
#include "output/Wykresy.h"
#include "widgets/DialogiTestowe.h"
#include "widgets/Kontrolka.h"

#include <QFile>
#include <QLineSeries>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace murolab;

namespace {

// Runs a poppler tool on a file; a missing tool is a failure of the test that needs it.
QString Popler(const QString& narzedzie, const QStringList& argumenty) {
    if (QStandardPaths::findExecutable(narzedzie).isEmpty())
        return {};
    QProcess p;
    p.start(narzedzie, argumenty);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QStringLiteral("<błąd %1>").arg(narzedzie);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString TekstPdf(const QString& plik) {
    return Popler(QStringLiteral("pdftotext"), {plik, QStringLiteral("-")});
}

// The words of each page with their boxes in points, as pdftotext -bbox finds them.
struct TSlowo {
    QRectF Ramka;
    QString Tekst;
};
QList<QList<TSlowo>> SlowaStron(const QString& plik) {
    const QString html =
        Popler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), plik, QStringLiteral("-")});
    static const QRegularExpression slowo(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<QList<TSlowo>> strony;
    for (const QString& strona : html.split(QStringLiteral("<page "), Qt::SkipEmptyParts).mid(1)) {
        QList<TSlowo> slowa;
        for (auto it = slowo.globalMatch(strona); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            slowa.append({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                 QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                          m.captured(5)});
        }
        strony.append(slowa);
    }
    return strony;
}

// The middles of the text lines in one column of a report table: words between x0 and x1 and
// below y0 (millimetres within the section under the page header, margins of A4 portrait), in
// order from the top; words of one line count once.
QList<qreal> Linie(const QList<TSlowo>& slowa, qreal x0, qreal x1, qreal y0) {
    const qreal pt = 72 / 25.4;
    QList<qreal> srodki;
    for (const TSlowo& s : slowa) {
        const qreal y = s.Ramka.center().y();
        if (s.Ramka.left() >= (20 + x0) * pt && s.Ramka.right() <= (20 + x1) * pt &&
            y > (10 + 60.1 + y0) * pt)
            srodki.append(y);
    }
    std::sort(srodki.begin(), srodki.end());
    srodki.erase(std::unique(srodki.begin(), srodki.end(), [](qreal a, qreal b) { return b - a < 1; }),
                 srodki.end());
    return srodki;
}

// The model with a description, calculated and filled into the report as a calculation does.
struct TObliczony {
    TModelProjektu Model;
    TDialogiTestowe Dialogi;
    TPodgladWydruku Podglad{Model, Dialogi, MUROLAB_DANE_ZRODLOWE};

    explicit TObliczony(const std::vector<double>& grubosci = {0.015, 0.24, 0.12, 0.005})
        : Model(ModelTestowy(20, -20, grubosci)) {
        TDaneProjektu& d = Model.DaneProjektu;
        d.Inwestor.UstawUtf8("Gmina Żółkiewka");
        d.Obiekt.UstawUtf8("Szkoła podstawowa nr 3");
        d.Adres.UstawUtf8("ul. Ogrodowa 12, Żółkiewka");
        d.Projektant.UstawUtf8("Anna Kowalczyk");
        d.Data.UstawUtf8("21.04.2002");
        Podglad.WyczyscRaport();
        Podglad.WypelnijRaport(ArkuszWynikow(Model, 20, -20), QStringLiteral("Ściana zewnętrzna"));
    }
};

// The words of the report of a calculated wall of so many layers, printed on the given page.
QList<QList<TSlowo>> SlowaRaportu(int warstw, const QPageLayout& uklad = UkladStronyRaportu()) {
    std::vector<double> grubosci;
    for (int k = 0; k < warstw; ++k)
        grubosci.push_back(std::vector{0.015, 0.12, 0.05, 0.005}[k % 4]);
    TObliczony o(grubosci);
    o.Podglad.PrzygotujWykresy(true);
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("raport.pdf"));
    QString blad;
    if (!murolab::ZapiszRaportPdf(
            plik,
            TTrescRaportu{o.Podglad.Raport(), *o.Podglad.QRChartTemp, *o.Podglad.QRChartCisnienie, QImage()},
            &blad, uklad))
        qWarning("%s", qPrintable(blad));
    return SlowaStron(plik);
}

// The moisture check of a calculated model with a shipped climate, as the sheet fills the report.
void WypelnijKondensacje(TObliczony& o, bool zKlimatem) {
    std::optional<TKlimat> klimat;
    if (zKlimatem) {
        const auto tekst = CzytajTekstKlimatu(MUROLAB_DANE_ZRODLOWE "/klimat/Opole.csv");
        const auto wynik = CzytajKlimat(std::get<0>(tekst), "Opole.csv");
        klimat = std::get<TKlimat>(wynik);
    }
    const TAnalizaIso13788 a =
        AnalizujIso13788(o.Model, klimat ? &*klimat : nullptr, zKlimatem ? "Opole" : "", TWnetrze{},
                         DomyslnyWierszWT("Ściana zewnętrzna"));
    o.Podglad.WypelnijKondensacje(a, TekstyKondensacji(a, o.Model.LiczbaWarstw),
                                  TekstyLata(LatoPrzegrody(o.Model), WarstwyBezDanychLata(o.Model)));
}

} // namespace

class TestRaport : public QObject {
    Q_OBJECT
private slots:
    // The third page: with a climate the monthly table and the year; without one the design
    // condition, U and fRsi only. On A4 portrait and on a smaller landscape page alike, everything
    // stays above the footer.
    void trzeciaStrona_data() {
        QTest::addColumn<bool>("zKlimatem");
        QTest::addColumn<QPageLayout>("uklad");
        const QPageLayout a5(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                             QPageLayout::Millimeter);
        QTest::newRow("klimat, A4") << true << UkladStronyRaportu();
        QTest::newRow("klimat, A5 poziomo") << true << a5;
        QTest::newRow("bez klimatu, A4") << false << UkladStronyRaportu();
    }
    void trzeciaStrona() {
        QFETCH(bool, zKlimatem);
        QFETCH(QPageLayout, uklad);
        TObliczony o;
        QCOMPARE(o.Podglad.LiczbaStron(), 2);
        WypelnijKondensacje(o, zKlimatem);
        QCOMPARE(o.Podglad.LiczbaStron(), 3);
        o.Podglad.PrzygotujWykresy(true);
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("raport.pdf"));
        TTrescRaportu tresc{o.Podglad.Raport(), *o.Podglad.QRChartTemp, *o.Podglad.QRChartCisnienie,
                            QImage()};
        tresc.Kondensacja = o.Podglad.Kondensacja();
        tresc.Lato = &o.Podglad.Lato();
        tresc.WykresMa = o.Podglad.QRChartMa;
        QString blad;
        QVERIFY2(murolab::ZapiszRaportPdf(plik, tresc, &blad, uklad), qPrintable(blad));
        const QList<QList<TSlowo>> strony = SlowaStron(plik);
        QCOMPARE(strony.size(), 3);
        QStringList slowa;
        for (const TSlowo& s : strony[2])
            slowa << s.Tekst;
        const QString tekst = slowa.join(u' ');
        QVERIFY(tekst.contains(QStringLiteral("Gmina Żółkiewka")));
        QVERIFY(tekst.contains(QStringLiteral("Wymagania WT 2021")));
        QCOMPARE(tekst.contains(QStringLiteral("styczeń")), zKlimatem);
        // Paper without a climate says none was chosen; it does not ask the reader to pick a station.
        QCOMPARE(tekst.contains(QStringLiteral("nie wybrano klimatu")), !zKlimatem);
        QVERIFY(!tekst.contains(QStringLiteral("wybierz")));
        // Page 1 prints under its verdict what the results sheet shows there: the year's verdict.
        QStringList slowa1;
        for (const TSlowo& s : strony[0])
            slowa1 << s.Tekst;
        QCOMPARE(slowa1.join(u' ').contains(QStringLiteral("W ciągu roku (Opole):")), zKlimatem);
        // The page number stands lowest: nothing of the page runs into the footer.
        qreal numer = 0, tresci = 0;
        for (const TSlowo& s : strony[2]) {
            if (s.Tekst == QStringLiteral("3"))
                numer = std::max(numer, s.Ramka.top());
        }
        for (const TSlowo& s : strony[2])
            if (s.Ramka.top() < numer)
                tresci = std::max(tresci, s.Ramka.bottom());
        QVERIFY(numer > 0);
        QVERIFY2(tresci < numer, qPrintable(QStringLiteral("%1 >= %2").arg(tresci).arg(numer)));
        if (const QString k = qEnvironmentVariable("MUROLAB_ZRZUTY"); !k.isEmpty())
            QFile::copy(plik, k + QStringLiteral("/raport-") + QString::fromUtf8(QTest::currentDataTag()) +
                                  QStringLiteral(".pdf"));
        // A reset (calculation, New, Open) takes the page away until the next calculation.
        o.Podglad.WyczyscRaport();
        QCOMPARE(o.Podglad.LiczbaStron(), 2);
    }

    void pdfPoObliczeniu() {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty(),
                 "pdfinfo (poppler-utils) is missing: scripts/zaleznosci.sh installs it");
        TObliczony o;
        o.Podglad.PrzygotujWykresy(true);
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("raport.pdf"));
        QString blad;
        QVERIFY2(o.Podglad.ZapiszRaportPdf(plik, &blad), qPrintable(blad));

        const QString info = Popler(QStringLiteral("pdfinfo"), {plik});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("595 x 842 pts (A4)")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Analiza cieplo-wilgotnościowa")), qPrintable(info));

        const QString tekst = TekstPdf(plik);
        const QStringList strony = tekst.split(u'\f');
        QVERIFY(strony.size() >= 2);
        for (const QString& strona : {strony[0], strony[1]}) {
            // The page header on both pages.
            for (const char* s :
                 {"Murolab", "wstępna analiza cieplno-wilgotnościowa", "21.04.2002",
                  "Inwestor:", "Gmina Żółkiewka", "Szkoła podstawowa nr 3", "ul. Ogrodowa 12, Żółkiewka",
                  "Rodzaj przegrody:", "Ściana zewnętrzna", "Autor projektu:", "Anna Kowalczyk",
                  "Nazwa materiału:", "Wewnętrzna strona przegrody", "suma:"})
                QVERIFY2(strona.contains(QString::fromUtf8(s)), s);
            QVERIFY(!strona.contains(QStringLiteral(".....")));
            QVERIFY(!strona.contains(QStringLiteral("Data:")));
        }
        // Page 1: temperature chart and table, the summary; page 2: pressure chart and table.
        for (const char* s :
             {"Rozkład temperatury w przegrodzie", "Spadek t.", "t[°C]", "Przkrój przez przegrodę [m]",
              "i = 0,", "p = 1198,0", "[Pa]", "kondensacja pary", "Tynk cementowo-wapienny", "0,3800"})
            QVERIFY2(strony[0].contains(QString::fromUtf8(s)), s);
        QVERIFY2(strony[0].contains(
                     QRegularExpression(QStringLiteral("U\\s*k\\s*= \\d,\\d{3} \\[W/\\(m²·K\\)\\]"))),
                 qPrintable(strony[0]));
        // Every U-type value, Uk and its parts, in W/(m²·K); no "W/m K" or "W/m2 K" anywhere.
        QCOMPARE(strony[0].count(QStringLiteral("[W/(m²·K)]")), 5);
        for (const QString& strona : strony)
            QVERIFY2(!strona.contains(QRegularExpression(QStringLiteral("W/m\\s*2?\\s*K"))),
                     qPrintable(strona));
        for (const char* s : {"Rozkład ciśnień w przegrodzie", "Ciśnienie", "nasycenia", "cząstkowe",
                              "14775000", "2337,0", "1285,0", "wewnątrz", "zewnątrz"})
            QVERIFY2(strony[1].contains(QString::fromUtf8(s)), s);
        QVERIFY(!strony[1].contains(QStringLiteral("Spadek t.")));
    }

    // Before any calculation: placeholders, "Data:" and empty tables, charts from zeroed results.
    void pdfPrzedObliczeniem() {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is missing: scripts/zaleznosci.sh installs it");
        TModelProjektu model;
        TDialogiTestowe dialogi;
        TPodgladWydruku podglad(model, dialogi, MUROLAB_DANE_ZRODLOWE);
        podglad.PrzygotujWykresy(false);
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("pusty.pdf"));
        QVERIFY(podglad.ZapiszRaportPdf(plik));
        const QString tekst = TekstPdf(plik);
        QCOMPARE(tekst.count(QStringLiteral(".................................")), 2 * 5);
        QCOMPARE(tekst.count(QStringLiteral("Data:")), 2);
        QVERIFY(tekst.contains(QStringLiteral("p = 0000,0")));
        QVERIFY(!tekst.contains(QStringLiteral("Wewnętrzna strona")));
    }

    void podgladPrzezSeam() {
        TObliczony o;
        int strony = -1;
        o.Dialogi.Modalnie = [&](QDialog*) {
            strony = Kontrolka<QPrintPreviewWidget>(o.Podglad, "Podglad")->pageCount();
        };
        o.Podglad.PokazRaport(nullptr, true);
        o.Podglad.PokazRaport(nullptr, true);
        // Every showing opens at page 1 with the whole page in the window, however the last one
        // was left (the user on page 2, zoomed in).
        o.Dialogi.Wyczysc();
        struct TWidok {
            int Strona;
            QPrintPreviewWidget::ZoomMode Tryb;
        };
        QList<TWidok> widoki;
        o.Dialogi.Modalnie = [&](QDialog*) {
            QPrintPreviewWidget* p = Kontrolka<QPrintPreviewWidget>(o.Podglad, "Podglad");
            widoki << TWidok{p->currentPage(), p->zoomMode()};
            p->setCurrentPage(2);
            p->zoomIn();
        };
        o.Podglad.PokazRaport(nullptr, true);
        o.Podglad.PokazRaport(nullptr, true);
        QCOMPARE(widoki.size(), 2);
        for (const TWidok& widok : widoki) {
            QCOMPARE(widok.Strona, 1);
            QCOMPARE(widok.Tryb, QPrintPreviewWidget::FitInView);
        }
        const QList<TWywolanie> w = o.Dialogi.Wywolania;
        QCOMPARE(w.size(), 2);
        QCOMPARE(w[0].Rodzaj, TWywolanie::Modalnie);
        QCOMPARE(w[0].Okno, static_cast<QDialog*>(&o.Podglad));
        QCOMPARE(w[0].Tekst, QStringLiteral("Analiza cieplo-wilgotnościowa"));
        QCOMPARE(strony, 2);
        // Showing twice gives the same charts: one set of boundary lines each.
        QCOMPARE(int(o.Podglad.QRChartTemp->LinieGranic.size()), 11);
        QCOMPARE(o.Podglad.QRChartTemp->Wykres->series().size(), 2 + 11);
        // Two series of the pressures, the condensation line and its planes (empty here), 11 lines.
        QCOMPARE(o.Podglad.QRChartCisnienie->Wykres->series().size(), 4 + 11);
        QCOMPARE(o.Podglad.QRChartTemp->Series3->count(), 7);

        // The reset of a new calculation empties the report's charts too.
        o.Podglad.WyczyscRaport();
        QVERIFY(o.Podglad.QRChartTemp->LinieGranic.empty());
        QCOMPARE(o.Podglad.QRChartCisnienie->Series2->count(), 0);
        QVERIFY(o.Podglad.Raport().Temperatury.Nazwa.empty());
        QCOMPARE(o.Podglad.Raport().Obiekt, std::string("Szkoła podstawowa nr 3"));
    }

    void zapisPdfZPodgladu() {
        TObliczony o;
        o.Podglad.PrzygotujWykresy(true);
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("z podglądu.pdf"));
        o.Dialogi.PlikiDoZapisu = {plik};
        o.Podglad.ZapiszPdf();
        QVERIFY(QFile::exists(plik));
        QCOMPARE(o.Dialogi.Wywolania.first().Rodzaj, TWywolanie::Zapis);
        QCOMPARE(o.Dialogi.Wywolania.first().Plik.DomyslneRozszerzenie, QStringLiteral("pdf"));
        QVERIFY(o.Dialogi.Bledy().isEmpty());

        // Cancelled: nothing written, no message. The next dialog starts with the last name.
        QFile::remove(plik);
        o.Dialogi.Wyczysc();
        o.Podglad.ZapiszPdf();
        QVERIFY(!QFile::exists(plik));
        QVERIFY(o.Dialogi.Bledy().isEmpty());
        QCOMPARE(o.Dialogi.Wywolania.first().Plik.NazwaPoczatkowa, plik);

        // A folder that does not exist: the standard error box with the reason.
        o.Dialogi.Wyczysc();
        o.Dialogi.PlikiDoZapisu = {katalog.filePath(QStringLiteral("brak/raport.pdf"))};
        o.Podglad.ZapiszPdf();
        QCOMPARE(o.Dialogi.Bledy().size(), 1);
        QVERIFY(o.Dialogi.Bledy().first().startsWith(QStringLiteral("Nie można zapisać raportu")));
    }

    // A write cut short (here by a file-size limit) reports the failure and leaves the earlier
    // report as it was, with no temporary file behind.
    void nieudanyZapisZostawiaPoprzedni() {
        TObliczony o;
        o.Podglad.PrzygotujWykresy(true);
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("raport.pdf"));
        QVERIFY(o.Podglad.ZapiszRaportPdf(plik));
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray poprzedni = f.readAll();
        f.close();
        QVERIFY(poprzedni.size() > 2000);

        rlimit stary{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &stary), 0);
        auto staryUchwyt = std::signal(SIGXFSZ, SIG_IGN);
        rlimit maly = stary;
        maly.rlim_cur = static_cast<rlim_t>(poprzedni.size() / 2);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &maly), 0);
        QString blad;
        const bool udany = o.Podglad.ZapiszRaportPdf(plik, &blad);
        setrlimit(RLIMIT_FSIZE, &stary);
        std::signal(SIGXFSZ, staryUchwyt);

        QVERIFY(!udany);
        QVERIFY(blad.startsWith(QStringLiteral("Nie można zapisać raportu")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), poprzedni);
        QCOMPARE(QDir(katalog.path()).entryList(QDir::Files), QStringList{QStringLiteral("raport.pdf")});
    }

    // A report onto something that is not a regular file is refused, in Polish, and that thing
    // stays as it was; so is a report into a folder that does not exist.
    void zapisOdrzucaCelNiebedacyZwyklymPlikiem_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QString>("powod");
        QTest::newRow("FIFO") << QStringLiteral("kolejka.pdf") << QStringLiteral("kolejka (FIFO)");
        QTest::newRow("odnosnik do FIFO")
            << QStringLiteral("odnosnik.pdf") << QStringLiteral("kolejka (FIFO)");
        QTest::newRow("katalog") << QStringLiteral("katalog.pdf") << QStringLiteral("katalog");
        QTest::newRow("brak katalogu")
            << QStringLiteral("brak/raport.pdf") << QStringLiteral("nie ma takiego pliku ani katalogu");
    }
    void zapisOdrzucaCelNiebedacyZwyklymPlikiem() {
        QFETCH(QString, nazwa);
        QFETCH(QString, powod);
        TObliczony o;
        o.Podglad.PrzygotujWykresy(true);
        QTemporaryDir katalog;
        const QByteArray kolejka = QFile::encodeName(katalog.filePath(QStringLiteral("kolejka.pdf")));
        QCOMPARE(::mkfifo(kolejka.constData(), 0644), 0);
        QVERIFY(QFile::link(QStringLiteral("kolejka.pdf"), katalog.filePath(QStringLiteral("odnosnik.pdf"))));
        QVERIFY(QDir(katalog.path()).mkdir(QStringLiteral("katalog.pdf")));
        const auto wpisy = [&] {
            return QDir(katalog.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        };
        const QStringList przed = wpisy();
        const QString plik = katalog.filePath(nazwa);
        QString blad;
        QVERIFY(!o.Podglad.ZapiszRaportPdf(plik, &blad));
        QVERIFY2(blad.startsWith(QStringLiteral("Nie można zapisać raportu do pliku „%1”").arg(plik)),
                 qPrintable(blad));
        QVERIFY2(blad.contains(powod), qPrintable(blad));
        QCOMPARE(wpisy(), przed);
        struct stat stan {};
        QCOMPARE(::lstat(kolejka.constData(), &stan), 0);
        QVERIFY(S_ISFIFO(stan.st_mode));
    }

    // Whatever paper, orientation or margins the page set-up gives, and however many layers a
    // loaded project holds, every word stays inside the printable area and the page number stays
    // the lowest line of its page.
    void innyUkladStrony_data() {
        QTest::addColumn<QPageLayout>("uklad");
        QTest::addColumn<int>("warstw");
        const QMarginsF marginesy(20, 10, 20, 10);
        const QPageLayout a4 = UkladStronyRaportu();
        QTest::newRow("A4 pionowo, 10 warstw") << a4 << 10;
        QTest::newRow("A4 pionowo, 15 warstw") << a4 << 15;
        QTest::newRow("A4 poziomo") << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                                   marginesy, QPageLayout::Millimeter)
                                    << 10;
        QTest::newRow("Letter") << QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, marginesy,
                                               QPageLayout::Millimeter)
                                << 10;
        QTest::newRow("szerokie marginesy") << QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                                           QMarginsF(35, 30, 35, 30), QPageLayout::Millimeter)
                                            << 10;
    }
    void innyUkladStrony() {
        QFETCH(QPageLayout, uklad);
        QFETCH(int, warstw);
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is missing: scripts/zaleznosci.sh installs it");
        const QRectF obszar = uklad.paintRectPoints();
        const QList<QList<TSlowo>> strony = SlowaRaportu(warstw, uklad);
        QCOMPARE(strony.size(), 2);
        for (int nr = 1; nr <= 2; ++nr) {
            QRectF numer;
            qreal dolReszty = 0;
            for (const TSlowo& s : strony[nr - 1]) {
                QVERIFY2(obszar.adjusted(-1, -1, 1, 1).contains(s.Ramka),
                         qPrintable(QStringLiteral("strona %1: „%2” poza obszarem").arg(nr).arg(s.Tekst)));
                if (s.Tekst == QString::number(nr) && s.Ramka.top() > numer.top())
                    numer = s.Ramka;
                else
                    dolReszty = std::max(dolReszty, s.Ramka.bottom());
            }
            QVERIFY(strony[nr - 1].size() > 100);
            QVERIFY2(numer.top() > dolReszty, qPrintable(QStringLiteral("strona %1").arg(nr)));
        }
    }

    // The temperatures and the pressures stand on the borders between the rows of their tables,
    // the first at the top of the first row, however many rows there are: no column's lines run
    // wider or narrower than the rows.
    void kolumnyNaGranicachWierszy_data() {
        QTest::addColumn<int>("warstw");
        QTest::newRow("4 warstwy") << 4;
        QTest::newRow("10 warstw") << 10;
    }
    void kolumnyNaGranicachWierszy() {
        QFETCH(int, warstw);
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is missing: scripts/zaleznosci.sh installs it");
        const QList<QList<TSlowo>> strony = SlowaRaportu(warstw);
        QCOMPARE(strony.size(), 2);
        const qsizetype wierszy = warstw + 3;
        const struct {
            const char* Nazwa;
            int Strona;
            qreal NazwyOd, NazwyDo, KolumnaOd, KolumnaDo;
            qsizetype PierwszaGranica, Wartosci;
        } kolumny[] = {
            {"t[°C]", 0, 7.7, 86.8, 151.1, 168.6, 0, wierszy},
            {"Ciśnienie nasycenia", 1, 6.9, 86.0, 134.1, 150.3, 0, wierszy},
            {"Ciśnienie cząstkowe", 1, 6.9, 86.0, 150.3, 167.8, 1, wierszy - 2},
        };
        for (const auto& k : kolumny) {
            const QList<qreal> wiersze = Linie(strony[k.Strona], k.NazwyOd, k.NazwyDo, 119);
            const QList<qreal> wartosci = Linie(strony[k.Strona], k.KolumnaOd, k.KolumnaDo, 119);
            QVERIFY2(wiersze.size() >= wierszy && wartosci.size() == k.Wartosci, k.Nazwa);
            const qreal skok = (wiersze[wierszy - 1] - wiersze[0]) / (wierszy - 1);
            for (qsizetype j = 0; j < k.Wartosci; ++j) {
                const qreal granica = wiersze[k.PierwszaGranica + j] - skok / 2;
                QVERIFY2(std::abs(wartosci[j] - granica) < skok / 4,
                         qPrintable(QStringLiteral("%1, linia %2: %3 pt od granicy")
                                        .arg(QString::fromUtf8(k.Nazwa))
                                        .arg(j)
                                        .arg(wartosci[j] - granica)));
            }
        }
    }
};

QTEST_MAIN(TestRaport)
#include "tst_raport.moc"
