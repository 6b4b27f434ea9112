// The summary's PDF report read back with poppler: A4 landscape, every row once, the headings on
// every page, the Polish letters, the legend at the end, and a refused target.
#include "output/RaportZestawienia.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace murolab;

namespace {

QString Popler(const QString& narzedzie, const QStringList& argumenty) {
    if (QStandardPaths::findExecutable(narzedzie).isEmpty())
        return QStringLiteral("<brak %1>").arg(narzedzie);
    QProcess p;
    p.start(narzedzie, argumenty);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QStringLiteral("<błąd %1>").arg(narzedzie);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TWierszZestawienia Wiersz(int i) {
    if (i % 10 == 7)
        return WierszNieobliczony("zepsuty" + std::to_string(i) + ".pro",
                                  "zepsuty" + std::to_string(i) + ".pro", TStanWiersza::BladPliku,
                                  "Plik projektu jest uszkodzony");
    TWierszZestawienia w;
    w.Plik = "p" + std::to_string(i) + ".pro";
    w.Przegroda = "Żółta ściana nr " + std::to_string(i);
    w.RodzajPrzegrody = "Ściana zewnętrzna";
    w.Uk = 0.15 + i * 0.001;
    w.UMax = 0.2;
    w.SpelniaU = true;
    w.FRsi = 0.93;
    w.SpelniaFRsi = true;
    w.Bilans = TWerdyktRoczny::Brak;
    w.MaMax = 0;
    w.WT2021 = TOcenaWT2021::Spelnia;
    return w;
}

} // namespace

class TestRaportZestawienia : public QObject {
    Q_OBJECT

private slots:
    void wieleStronZNaglowkami() {
        QTemporaryDir katalog;
        TTrescZestawienia t;
        t.Budynek.Nazwa = "Dom „Pod Lipą”";
        t.Budynek.Adres = "ul. Łąkowa 5, Łódź";
        t.Data = QStringLiteral("09.12.2026");
        for (int i = 1; i <= 70; ++i)
            t.Wiersze.push_back(Wiersz(i));
        const QString pdf = katalog.filePath(QStringLiteral("z.pdf"));
        QString blad;
        QVERIFY2(ZapiszZestawieniePdf(pdf, t, &blad), qPrintable(blad));

        const QString info = Popler(QStringLiteral("pdfinfo"), {pdf});
        const QRegularExpressionMatch rozmiar =
            QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)")).match(info);
        QVERIFY2(rozmiar.hasMatch(), qPrintable(info));
        QCOMPARE(qRound(rozmiar.captured(1).toDouble()), 842);
        QCOMPARE(qRound(rozmiar.captured(2).toDouble()), 595);
        const int stron =
            QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(info).captured(1).toInt();
        QVERIFY2(stron >= 2, qPrintable(info));

        QString calosc;
        for (int s = 1; s <= stron; ++s) {
            const QString tekst =
                Popler(QStringLiteral("pdftotext"),
                       {QStringLiteral("-f"), QString::number(s), QStringLiteral("-l"), QString::number(s),
                        QStringLiteral("-layout"), pdf, QStringLiteral("-")});
            for (const char* naglowek :
                 {"Przegroda", "Rodzaj przegrody", "Kondensacja", "Przesunięcie", "WT 2021",
                  "Zestawienie przegród", "Dom „Pod Lipą”", "ul. Łąkowa 5, Łódź"})
                QVERIFY2(
                    tekst.contains(QString::fromUtf8(naglowek)),
                    qPrintable(QStringLiteral("strona %1 bez „%2”").arg(s).arg(QString::fromUtf8(naglowek))));
            QVERIFY(tekst.contains(QStringLiteral("Strona %1 z %2").arg(s).arg(stron)));
            QCOMPARE(tekst.contains(QStringLiteral("Objaśnienia")), s == stron);
            calosc += tekst;
        }
        for (int i = 1; i <= 70; ++i) {
            const QString nazwa = i % 10 == 7 ? QStringLiteral("zepsuty%1.pro").arg(i)
                                              : QStringLiteral("Żółta ściana nr %1 ").arg(i);
            QCOMPARE(calosc.count(nazwa), 1);
        }
        QVERIFY(calosc.contains(QStringLiteral("błąd pliku: Plik projektu jest uszkodzony")));
        QVERIFY(calosc.contains(QStringLiteral("0,151")));
        QVERIFY(calosc.contains(QStringLiteral("spełnia")));
    }

    // Bridged layers: the marks after Uk, their notes in the legend, and the row whose U the
    // combined method cannot give named with its reason, in red.
    void przegrodaNiejednorodna() {
        QTemporaryDir katalog;
        TTrescZestawienia t;
        t.Budynek.Nazwa = "Dom";
        t.Data = QStringLiteral("09.12.2026");
        TWierszZestawienia dach = Wiersz(1);
        dach.Przegroda = "Dach na krokwiach";
        dach.Niejednorodna = TWierszZestawienia::TMetodaU{4.9, 4.5, 4.7, 0.04, true, {}};
        TWierszZestawienia stal = Wiersz(2);
        stal.Przegroda = "Dach stalowy";
        stal.WT2021 = TOcenaWT2021::NieOceniono;
        stal.Niejednorodna =
            TWierszZestawienia::TMetodaU{5.2,
                                         1.0,
                                         3.1,
                                         0.68,
                                         false,
                                         "metoda uproszczona PN-EN ISO 6946 nie ma zastosowania: R'T/R''T = "
                                         "5,22 > 1,5; potrzebne obliczenie "
                                         "numeryczne wg PN-EN ISO 10211"};
        t.Wiersze = {Wiersz(3), dach, stal};
        const QString pdf = katalog.filePath(QStringLiteral("n.pdf"));
        QString blad;
        QVERIFY2(ZapiszZestawieniePdf(pdf, t, &blad), qPrintable(blad));
        const QString tekst = Popler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        // pdftotext keeps the words; a long line may break anywhere between them.
        const QString ciag =
            QString(tekst).replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
        for (const QString& fragment :
             {QStringLiteral("0,151 ¹"), QStringLiteral("0,152 ²"), QStringLiteral("nie oceniono"),
              QStringLiteral("¹ Przegroda z warstwami niejednorodnymi"),
              QStringLiteral("² metoda uproszczona nie ma zastosowania"),
              QStringLiteral("Poz. 3, Dach stalowy: metoda uproszczona PN-EN ISO 6946 nie ma zastosowania: "
                             "R'T/R''T = 5,22 > 1,5")})
            QVERIFY2(ciag.contains(fragment), qPrintable(fragment + QStringLiteral("\nin:\n") + tekst));

        // A summary without such rows explains no marks.
        t.Wiersze = {Wiersz(3)};
        QVERIFY2(ZapiszZestawieniePdf(pdf, t, &blad), qPrintable(blad));
        const QString jednorodne = Popler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY2(jednorodne.contains(QStringLiteral("Objaśnienia")), qPrintable(jednorodne));
        QVERIFY2(!jednorodne.contains(QStringLiteral("¹")) &&
                     !jednorodne.contains(QStringLiteral("² metoda")),
                 qPrintable(jednorodne)); // (m² has its own ²)
    }

    void celKtoryNieJestPlikiem() {
        QTemporaryDir katalog;
        TTrescZestawienia t;
        t.Wiersze.push_back(Wiersz(1));
        QString blad;
        QVERIFY(!ZapiszZestawieniePdf(katalog.path(), t, &blad));
        QVERIFY2(blad.startsWith(QStringLiteral("Nie można zapisać zestawienia do pliku")), qPrintable(blad));
        QCOMPARE(QDir(katalog.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
    }
};

QTEST_MAIN(TestRaportZestawienia)
#include "tst_raport_zestawienia.moc"
