// A partition with bridged layers in the window: the rafter roof computed by "&Oblicz" shows the
// combined method under the results and a section selector on every sheet that shows one section,
// defaulting to the largest; a choice on one sheet moves them all and the profile, the charts and
// the monthly table follow it. A steel-bridged layer is refused in red and WT 2021 is not judged;
// the report's pages name the sections they show; a homogeneous wall shows none of it.

#include "OknoObliczen.h"
#include "output/PodgladWydruku.h"
#include "output/Wykresy.h"
#include "ui/ArkuszKondensacji.h"

#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QProcess>
#include <QScatterSeries>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>

#include <algorithm>

using namespace murolab;
using namespace murolab::test;

namespace {

const QList<TWiersz> kDach = {
    {QStringLiteral("Płyta g-k"), QStringLiteral("0,25"), QStringLiteral("10"), QStringLiteral("0,0125")},
    {QStringLiteral("Wełna mineralna"), QStringLiteral("0,04"), QStringLiteral("1"), QStringLiteral("0,2")},
    {QStringLiteral("Płyta pilśniowa"), QStringLiteral("0,05"), QStringLiteral("5"),
     QStringLiteral("0,022")}};

const char* const kListy[] = {"ComboBoxPrzekrojWynikow", "ComboBoxPrzekrojCisnien",
                              "ComboBoxPrzekrojTemperatur", "ComboBoxPrzekrojKondensacji"};

struct TOknoDachu : TOkno {
    TPodgladWydruku* Raport = new TPodgladWydruku(Okno->Model, Dialogi, MUROLAB_DANE_ZRODLOWE, Okno.get());
    QTemporaryDir wlasne;
    // The rafter roof (wool with 12 % rafters of lambda `lambdaKrokwi`), or the wool alone.
    explicit TOknoDachu(bool zKrokwia = true, double lambdaKrokwi = 0.13) {
        Okno->UstawFormy(nullptr, nullptr, nullptr, Raport, nullptr);
        Dodaj(kDach);
        if (zKrokwia)
            Okno->Model.Warstwy[2].Mostki.push_back(
                {lambdaKrokwi < 10 ? "Krokiew" : "Profil stalowy", lambdaKrokwi, 50, 500, 2.5, 0.12});
        Warunki({20, -5, 50, 85, 0.10, 0.04});
        ZMostkami();
    }
    // The climate of the source tree, chosen on the moisture sheet as the user chooses it.
    void Klimat() {
        auto* arkusz = Kontrolka<TArkuszKondensacji>(Okno, "ArkuszKondensacji");
        arkusz->UstawKatalogiKlimatow(QStringLiteral(MUROLAB_KLIMATY), wlasne.path());
        auto* lista = Kontrolka<QComboBox>(Okno, "ComboBoxKlimat");
        const int i = lista->findData(QStringLiteral("Warszawa-Okecie"));
        QVERIFY(i > 0);
        lista->setCurrentIndex(i);
        emit lista->activated(i);
    }
    QComboBox* Lista(const char* nazwa) { return Kontrolka<QComboBox>(Okno, nazwa); }
    // A label's text as read: its rich text without the markup.
    QString Etykieta(const char* nazwa) {
        QTextDocument d;
        d.setHtml(Kontrolka<QLabel>(Okno, nazwa)->text());
        return d.toPlainText();
    }
    QList<double> Temperatury() {
        QList<double> t;
        for (const QPointF& p : Kontrolka<TWykresTemperatur>(Okno, "ChartTemperatura")->Series3->points())
            t << p.y();
        return t;
    }
};

// The text of each page of a PDF (pdftotext parts them with a form feed).
QStringList StronyPdf(const QString& plik) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), plik, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
}

} // namespace

class TestPrzekroje : public QObject {
    Q_OBJECT
private slots:
    void dachPokazujeGraniceIWyborPrzekroju() {
        TOknoDachu o;
        o.Klimat();
        o.Oblicz();
        QVERIFY2(o.Dialogi.Bledy().isEmpty(), qPrintable(o.Dialogi.Bledy().join(u'\n')));
        QVERIFY(o->Analiza() && o->Analiza()->Niejednorodna);

        const QString granice = o.Etykieta("LabelNiejednorodna");
        QVERIFY(Kontrolka<QLabel>(o, "LabelNiejednorodna")->isVisibleTo(o.Okno.get()));
        for (const char* tekst :
             {"R'T = ", "R''T = ", "; RT = ", "e = ", "Warstwa 2: Wełna mineralna 88 %, Krokiew 12 %"})
            QVERIFY2(granice.contains(QString::fromUtf8(tekst)), tekst);
        QVERIFY(!granice.contains(QStringLiteral("nie ma zastosowania")));
        QVERIFY(Kontrolka<QLabel>(o, "LabelUk")->text().startsWith(QStringLiteral("U  = ")));

        // Every sheet offers both sections, the largest shown.
        for (const char* nazwa : kListy) {
            QComboBox* lista = o.Lista(nazwa);
            QVERIFY2(!lista->parentWidget()->isHidden(), nazwa);
            QCOMPARE(lista->count(), 2);
            QCOMPARE(lista->currentIndex(), 0);
            QCOMPARE(lista->itemText(0), QStringLiteral("przez Wełna mineralna 88 %"));
            QCOMPARE(lista->itemText(1), QStringLiteral("przez Krokiew 12 %"));
        }
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditMaterial")).at(2), QStringLiteral("Wełna mineralna"));
        QVERIFY(
            o.Etykieta("LabelWerdyktyPrzekroju").contains(QStringLiteral("przez Wełna mineralna 88 %: ")));
        // The verdicts are the worst sections', named.
        QVERIFY(o.Etykieta("LabelProjektowe")
                    .contains(QStringLiteral("Najniekorzystniejszy przekrój: „przez Wełna mineralna 88 %”")));
        QVERIFY(o.Etykieta("LabelFRsi")
                    .contains(QStringLiteral("Najniekorzystniejszy przekrój: „przez Krokiew 12 %”")));
        QVERIFY(
            o.Etykieta("LabelLato")
                .contains(QStringLiteral("Przekrój o największym udziale: „przez Wełna mineralna 88 %”")));

        const QString uk = Kontrolka<QLabel>(o, "LabelUk")->text();
        const QStringList tempWelny = Linie(Kontrolka<QTextEdit>(o, "RichEditTemp"));
        const QList<double> wykresWelny = o.Temperatury();
        QVERIFY(Kontrolka<TWykresCisnien>(o, "ChartCisnienie")->SeriaPlaszczyzn->count() > 0);
        auto* miesiace = Kontrolka<QTableWidget>(o, "TabelaMiesiecy");
        QVERIFY(miesiace->rowCount() == 12);
        const QString marzecWelny = miesiace->item(2, miesiace->columnCount() - 1)->text();

        // The rafter chosen on the temperature chart's sheet: every sheet follows.
        QComboBox* wykres = o.Lista("ComboBoxPrzekrojTemperatur");
        wykres->setCurrentIndex(1);
        emit wykres->activated(1);
        for (const char* nazwa : kListy)
            QCOMPARE(o.Lista(nazwa)->currentIndex(), 1);
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditMaterial")).at(2), QStringLiteral("Krokiew"));
        QVERIFY(Linie(Kontrolka<QTextEdit>(o, "RichEditTemp")) != tempWelny);
        const QList<double> wykresKrokwi = o.Temperatury();
        QCOMPARE(wykresKrokwi.size(), wykresWelny.size());
        QVERIFY(wykresKrokwi[1] < wykresWelny[1]); // the rafter's colder inner surface
        // The diffusion diagram of the rafter has no condensation plane; the wool's had one.
        QCOMPARE(Kontrolka<TWykresCisnien>(o, "ChartCisnienie")->SeriaPlaszczyzn->count(), 0);
        QVERIFY(o.Etykieta("LabelWerdyktyPrzekroju").contains(QStringLiteral("przez Krokiew 12 %: ")));
        QVERIFY(miesiace->item(2, miesiace->columnCount() - 1)->text() != marzecWelny);
        // Uk and the verdicts stay the partition's.
        QCOMPARE(Kontrolka<QLabel>(o, "LabelUk")->text(), uk);
        QVERIFY(o.Etykieta("LabelProjektowe")
                    .contains(QStringLiteral("Najniekorzystniejszy przekrój: „przez Wełna mineralna 88 %”")));

        // Another indoor air recomputes the moisture check at once; the chosen section stays.
        QComboBox* wnetrze = Kontrolka<QComboBox>(o, "ComboBoxWnetrze");
        wnetrze->setCurrentIndex(3);
        emit wnetrze->activated(3);
        for (const char* nazwa : kListy)
            QCOMPARE(o.Lista(nazwa)->currentIndex(), 1);
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditMaterial")).at(2), QStringLiteral("Krokiew"));

        // A new calculation starts again from the largest section.
        o.Oblicz();
        for (const char* nazwa : kListy)
            QCOMPARE(o.Lista(nazwa)->currentIndex(), 0);
        o->PokazArkusz(2);
        o.Zrzut(QStringLiteral("przekroje_wyniki"));
        o->PokazArkusz(3);
        o.Zrzut(QStringLiteral("przekroje_cisnienia"));
        o->PokazArkusz(4);
        o.Zrzut(QStringLiteral("przekroje_temperatury"));
        o->PokazArkusz(5);
        o.Zrzut(QStringLiteral("przekroje_kondensacja"));

        // The rafters taken out: the next calculation leaves nothing of the sections on any sheet.
        o.Model().Warstwy[2].Mostki.clear();
        o.Oblicz();
        for (const char* nazwa : kListy)
            QVERIFY2(o.Lista(nazwa)->parentWidget()->isHidden(), nazwa);
        QVERIFY(Kontrolka<QLabel>(o, "LabelNiejednorodna")->isHidden());
        QVERIFY(Kontrolka<QLabel>(o, "LabelWerdyktyPrzekroju")->isHidden());
        QVERIFY(o.Raport->Przekroje() == nullptr);
    }

    void stalowyMostekOdmowaINieOceniono() {
        TOknoDachu o(true, 50);
        o.Oblicz();
        QVERIFY2(o.Dialogi.Bledy().isEmpty(), qPrintable(o.Dialogi.Bledy().join(u'\n')));
        QVERIFY(o.Etykieta("LabelNiejednorodna")
                    .contains(QStringLiteral("metoda uproszczona PN-EN ISO 6946 nie ma zastosowania: ")));
        // In red.
        QVERIFY(Kontrolka<QLabel>(o, "LabelNiejednorodna")
                    ->text()
                    .contains(QStringLiteral("<span style=\"color:#ff0000\">metoda uproszczona")));
        QVERIFY(o.Etykieta("LabelWT").contains(QStringLiteral("Wymagania WT 2021: nie oceniono – ")));
        // U is still there, for information.
        QVERIFY(Kontrolka<QLabel>(o, "LabelUk")->text() != QString::fromUtf8(LabelUkPusty));
        // The report's first page carries the refusal, in red, as well.
        QVERIFY(o.Raport->Przekroje());
        const auto& linie = o.Raport->Przekroje()->Linie1;
        QVERIFY(std::any_of(linie.begin(), linie.end(), [](const TLiniaWyniku& l) {
            return l.Czerwony && l.Tekst.starts_with("metoda uproszczona PN-EN ISO 6946 nie ma zastosowania");
        }));
        o->PokazArkusz(2);
        o.Zrzut(QStringLiteral("przekroje_stal"));
    }

    void jednorodnaBezWyboruPrzekroju() {
        TOknoDachu o(false);
        o.Oblicz();
        QVERIFY2(o.Dialogi.Bledy().isEmpty(), qPrintable(o.Dialogi.Bledy().join(u'\n')));
        QVERIFY(!o->Analiza()->Niejednorodna);
        for (const char* nazwa : kListy)
            QVERIFY2(o.Lista(nazwa)->parentWidget()->isHidden(), nazwa);
        QVERIFY(Kontrolka<QLabel>(o, "LabelNiejednorodna")->isHidden());
        QVERIFY(Kontrolka<QLabel>(o, "LabelWerdyktyPrzekroju")->isHidden());
        QVERIFY(!o.Etykieta("LabelProjektowe").contains(QStringLiteral("przekrój")));
        QVERIFY(o.Raport->Przekroje() == nullptr);
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditMaterial")).at(2), QStringLiteral("Wełna mineralna"));
    }

    void raportNazywaPrzekroje() {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext (poppler-utils) is missing: scripts/zaleznosci.sh installs it");
        TOknoDachu o;
        o.Klimat();
        o.Oblicz();
        QVERIFY2(o.Dialogi.Bledy().isEmpty(), qPrintable(o.Dialogi.Bledy().join(u'\n')));
        QVERIFY(o.Raport->Przekroje());
        o.Raport->PrzygotujWykresy(true);
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("dach.pdf"));
        QString blad;
        QVERIFY2(o.Raport->ZapiszRaportPdf(plik, &blad), qPrintable(blad));
        const QStringList strony = StronyPdf(plik);
        QVERIFY(strony.size() >= 3);
        // Page 1: the bridged layer, the limits and the section of the coldest surface.
        for (const char* tekst : {"Warstwa 2: Wełna mineralna 88 %, Krokiew 12 %",
                                  "R'T = ", "R''T = ", "przekrój „przez Krokiew 12 %”", "Krokiew"})
            QVERIFY2(strony[0].contains(QString::fromUtf8(tekst)), tekst);
        // Page 2: the condensing wool's pressures, and the other section's verdicts.
        QVERIFY(strony[1].contains(QStringLiteral("przekrój „przez Wełna mineralna 88 %”")));
        QVERIFY(strony[1].contains(QStringLiteral("Przekrój przez Krokiew 12 %: ")));
        // Page 3: the worst sections named, and every section's verdicts.
        QVERIFY(strony[2].contains(
            QStringLiteral("Najniekorzystniejszy przekrój: „przez Wełna mineralna 88 %”")));
        QVERIFY(strony[2].contains(QStringLiteral("Przekroje przegrody niejednorodnej")));
        QVERIFY(strony[2].contains(QStringLiteral("Przekrój przez Wełna mineralna 88 %: ")));
        if (const QString zrzuty = qEnvironmentVariable("MUROLAB_ZRZUTY"); !zrzuty.isEmpty())
            QFile::copy(plik, zrzuty + QStringLiteral("/przekroje_raport.pdf"));
    }
};

QTEST_MAIN(TestPrzekroje)
#include "tst_przekroje.moc"
