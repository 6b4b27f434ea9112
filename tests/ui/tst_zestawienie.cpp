// The summary of projects in the window, on the recording seam: several files added at once, a
// broken one kept in red, sorting and dragging, the open project as it stands, a double click through
// the unsaved-changes question, the summary file, the CSV and the PDF, and the File menu's item.

#include "OknoObliczen.h"
#include "core/Przygotowanie.h"
#include "files/RekordProjektu.h"
#include "files/Zestawienie.h"
#include "ui/FormZestawienie.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace murolab;
using namespace murolab::test;

namespace {

constexpr int kPrzegroda = static_cast<int>(TKolumnaZestawienia::Przegroda);
constexpr int kUk = static_cast<int>(TKolumnaZestawienia::Uk);
constexpr int kWT = static_cast<int>(TKolumnaZestawienia::WT2021);

// A wall of brick and EPS of the given thickness, with a description naming it.
QString Sciana(const QTemporaryDir& k, const QString& plik, const char* nazwa, double eps) {
    TModelProjektu m = Warunki(20, 50, -20, 85);
    WarunkiScianyStrefyIII(m.WarunkiPracy);
    m.WarunkiPracy.DeltaUk = 0.05;
    DodajWarstwe(m, "Cegła pełna", 0.25, 0.77, 10);
    DodajWarstwe(m, "Styropian", eps, 0.031, 60);
    m.DaneProjektu.Obiekt.UstawUtf8(nazwa);
    const QString p = k.filePath(plik);
    if (ZapiszBajtyProjektu(p.toStdString(), KodujProjekt(m)))
        qFatal("cannot write %s", qPrintable(p));
    return p;
}

// The rafter roof of the core tests, named; with `stal` steel profiles in place of the rafters, which
// the combined method cannot take.
QString Dach(const QTemporaryDir& k, const QString& plik, const char* nazwa, bool stal) {
    TModelProjektu m = DachNaKrokwiach();
    if (stal)
        m.Warstwy[2].Mostki[0] = {"Profil stalowy", 50, 1e6, 7850, 0.45, 0.01};
    m.DaneProjektu.Obiekt.UstawUtf8(nazwa);
    const QString p = k.filePath(plik);
    if (ZapiszBajtyProjektu(p.toStdString(), KodujProjekt(m)))
        qFatal("cannot write %s", qPrintable(p));
    return p;
}

struct TZestawienie {
    TOkno Okno;
    TFormZestawienie* Forma;
    QTemporaryDir Katalog;
    TZestawienie() : Forma(new TFormZestawienie(*Okno.Okno, Okno.Dialogi, Okno.Okno.get())) {
        Okno->UstawZestawienie(Forma);
    }
    QTableWidget* Tabela() const { return Kontrolka<QTableWidget>(Forma, "TabelaZestawienia"); }
    QPushButton* Przycisk(const char* nazwa) const { return Kontrolka<QPushButton>(Forma, nazwa); }
    QString Komorka(int w, int k) const {
        const QTableWidgetItem* i = Tabela()->item(w, k);
        return i ? i->text() : QString();
    }
    QStringList Kolumna(int k) const {
        QStringList w;
        for (int r = 0; r < Tabela()->rowCount(); ++r)
            w << Komorka(r, k);
        return w;
    }
    void Dodaj(const QStringList& pliki) {
        Okno.Dialogi.ZestawyPlikowDoOtwarcia << pliki;
        Przycisk("ButtonDodaj")->click();
    }
    void Zrzut(const QString& nazwa) {
        const QString katalog = qEnvironmentVariable("MUROLAB_ZRZUTY");
        if (katalog.isEmpty())
            return;
        Forma->show();
        QCoreApplication::processEvents();
        Forma->grab().save(katalog + u'/' + nazwa + QStringLiteral(".png"));
    }
};

} // namespace

class TestZestawienie : public QObject {
    Q_OBJECT

private slots:
    void dodajWielePlikowZZepsutymWSrodku() {
        TZestawienie z;
        const QString a = Sciana(z.Katalog, QStringLiteral("a.pro"), "Ściana parteru", 0.20);
        const QString zly = z.Katalog.filePath(QStringLiteral("zly.pro"));
        QFile f(zly);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("nie projekt");
        f.close();
        const QString b = Sciana(z.Katalog, QStringLiteral("b.pro"), "Ściana piętra", 0.05);
        z.Dodaj({a, zly, b});

        const QList<TWywolanie> w = z.Okno.Dialogi.Wywolania;
        QCOMPARE(w.size(), 1);
        QCOMPARE(w[0].Rodzaj, TWywolanie::Otwarcie);
        QCOMPARE(w[0].Plik.Filtry.first().Wzorzec, QStringLiteral("*.pro"));
        QCOMPARE(z.Kolumna(kPrzegroda), (QStringList{"Ściana parteru", "zly.pro", "Ściana piętra"}));
        QVERIFY2(z.Komorka(1, 1).startsWith(QStringLiteral("błąd pliku: ")), qPrintable(z.Komorka(1, 1)));
        QCOMPARE(z.Tabela()->columnSpan(1, 1), kLiczbaKolumnZestawienia - 1);
        QCOMPARE(z.Tabela()->item(1, 1)->foreground().color().red() > 128, true);
        QCOMPARE(z.Komorka(0, kWT), QStringLiteral("nie oceniono"));
        QCOMPARE(z.Komorka(2, kWT), QStringLiteral("nie spełnia"));
        // The failed Uk of 5 cm of EPS in red, the passing one of 20 cm in green.
        QVERIFY(z.Tabela()->item(0, kUk)->background().color().green() >
                z.Tabela()->item(0, kUk)->background().color().red());
        QVERIFY(z.Tabela()->item(2, kUk)->background().color().red() >
                z.Tabela()->item(2, kUk)->background().color().green());
        QVERIFY2(Kontrolka<QLabel>(z.Forma, "LabelPodsumowanie")
                     ->text()
                     .contains(QStringLiteral("nie obliczono: 1")),
                 qPrintable(Kontrolka<QLabel>(z.Forma, "LabelPodsumowanie")->text()));
        z.Zrzut(QStringLiteral("zestawienie"));

        z.Tabela()->selectRow(1);
        z.Przycisk("ButtonUsun")->click();
        QCOMPARE(z.Kolumna(kPrzegroda), (QStringList{"Ściana parteru", "Ściana piętra"}));
        QVERIFY(z.Okno.Dialogi.Bledy().isEmpty());
    }

    // Bridged layers: U marked as the combined method's; where it does not apply, the mark and the
    // reason in red, and WT 2021 not judged.
    void przegrodaNiejednorodna() {
        TZestawienie z;
        z.Dodaj({Sciana(z.Katalog, QStringLiteral("a.pro"), "Ściana parteru", 0.20),
                 Dach(z.Katalog, QStringLiteral("dach.pro"), "Dach", false),
                 Dach(z.Katalog, QStringLiteral("stal.pro"), "Dach stalowy", true)});
        QVERIFY(z.Okno.Dialogi.Bledy().isEmpty());
        const QStringList uk = z.Kolumna(kUk);
        QVERIFY2(!uk[0].contains(u' '), qPrintable(uk[0]));
        QVERIFY2(uk[1].endsWith(QStringLiteral(" ¹")), qPrintable(uk[1]));
        QVERIFY2(uk[2].endsWith(QStringLiteral(" ²")), qPrintable(uk[2]));
        const QTableWidgetItem* stal = z.Tabela()->item(2, kUk);
        QVERIFY(stal->foreground().color().red() > 128 && stal->foreground().color().green() < 64);
        QVERIFY(stal->toolTip().startsWith(
            QStringLiteral("metoda uproszczona PN-EN ISO 6946 nie ma zastosowania: ")));
        QVERIFY(z.Tabela()->item(1, kUk)->toolTip().contains(QStringLiteral("PN-EN ISO 6946")));
        QCOMPARE(z.Komorka(2, kWT), QStringLiteral("nie oceniono"));
        QCOMPARE(z.Tabela()->item(2, kWT)->background().style(), Qt::NoBrush); // neither red nor green

        auto* uwagi = Kontrolka<QLabel>(z.Forma, "LabelUwagi");
        QVERIFY(!uwagi->isHidden());
        QVERIFY2(uwagi->text().contains(QStringLiteral("² metoda uproszczona nie ma zastosowania")),
                 qPrintable(uwagi->text()));
        QVERIFY2(uwagi->text().contains(QStringLiteral(
                     "Poz. 3, Dach stalowy: metoda uproszczona PN-EN ISO 6946 nie ma zastosowania")),
                 qPrintable(uwagi->text()));
        z.Zrzut(QStringLiteral("zestawienie_niejednorodne"));

        // Without such rows the notes go.
        z.Tabela()->selectRow(2);
        z.Przycisk("ButtonUsun")->click();
        QVERIFY(!uwagi->text().contains(QStringLiteral("Poz.")));
        z.Tabela()->selectRow(1);
        z.Przycisk("ButtonUsun")->click();
        QVERIFY(uwagi->isHidden());
    }

    void sortowanieIPrzeciaganie() {
        TZestawienie z;
        z.Dodaj({Sciana(z.Katalog, QStringLiteral("a.pro"), "A", 0.10),
                 Sciana(z.Katalog, QStringLiteral("b.pro"), "B", 0.30),
                 Sciana(z.Katalog, QStringLiteral("c.pro"), "C", 0.20)});
        QHeaderView* naglowek = z.Tabela()->horizontalHeader();
        emit naglowek->sectionClicked(kUk);
        QCOMPARE(z.Kolumna(kPrzegroda), (QStringList{"B", "C", "A"}));
        QCOMPARE(naglowek->sortIndicatorSection(), kUk);
        emit naglowek->sectionClicked(kUk);
        QCOMPARE(z.Kolumna(kPrzegroda), (QStringList{"A", "C", "B"}));
        emit naglowek->sectionClicked(kPrzegroda);
        QCOMPARE(z.Kolumna(kPrzegroda), (QStringList{"A", "B", "C"}));

        // A row dragged by its number: the list takes the order, the header starts afresh.
        z.Tabela()->verticalHeader()->moveSection(2, 0);
        QTRY_COMPARE(z.Kolumna(kPrzegroda), (QStringList{"C", "A", "B"}));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(z.Tabela()->verticalHeader()->visualIndex(i), i);
        QCOMPARE(z.Forma->Wiersze().front().Przegroda, std::string("C"));
    }

    void biezacyProjektZeZmianami() {
        TZestawienie z;
        z.Okno.Dodaj(
            {{QStringLiteral("Cegła"), QStringLiteral("0,77"), QStringLiteral("10"), QStringLiteral("0,25")},
             {QStringLiteral("Styropian"), QStringLiteral("0,031"), QStringLiteral("60"),
              QStringLiteral("0,2")}});
        z.Okno.Warunki({});
        z.Okno.ZMostkami();
        z.Okno.Model().Zmieniony = true;
        z.Przycisk("ButtonDodajBiezacy")->click();
        QCOMPARE(z.Tabela()->rowCount(), 1);
        QCOMPARE(z.Komorka(0, kPrzegroda), QStringLiteral("bieżący projekt (niezapisane zmiany)"));
        QCOMPARE(z.Komorka(0, kLiczbaKolumnZestawienia), QStringLiteral("(bieżący projekt)"));
        // The same Uk as "&Oblicz" gives for the grid.
        z.Okno.Oblicz();
        QCOMPARE(z.Komorka(0, kUk), QString::fromStdString(Staly(Uk(z.Okno.Model()), 17, 3)));
        QCOMPARE(z.Forma->Wiersze().front().Uk, Uk(z.Okno.Model()));
    }

    void dwuklikPrzezPytanieOZapis() {
        TZestawienie z;
        const QString a = Sciana(z.Katalog, QStringLiteral("a.pro"), "Ściana parteru", 0.20);
        z.Dodaj({a});
        z.Okno.Model().Zmieniony = true;

        z.Okno.Dialogi.Odpowiedzi = {TOdpowiedz::Anuluj};
        emit z.Tabela()->cellDoubleClicked(0, 0);
        QCOMPARE(z.Okno.Dialogi.Komunikaty().size(), 1);
        QCOMPARE(z.Okno.Dialogi.Komunikaty()[0].Przyciski, TPrzyciski::TakNieAnuluj);
        QCOMPARE(z.Okno.Model().LiczbaWarstw, 0); // cancelled: nothing opened

        z.Okno.Dialogi.Odpowiedzi = {TOdpowiedz::Nie};
        emit z.Tabela()->cellDoubleClicked(0, 0);
        QCOMPARE(z.Okno.Model().LiczbaWarstw, 2);
        QCOMPARE(z.Okno.Model().DaneProjektu.Obiekt.Utf8(), std::string("Ściana parteru"));
        QCOMPARE(z.Okno.Model().Zmieniony, false);
        QCOMPARE(z.Forma->result(), int(QDialog::Accepted));
        QVERIFY(z.Okno.Dialogi.Bledy().isEmpty());

        // A file gone meanwhile is said so before the open project is put at stake.
        QVERIFY(QFile::remove(a));
        z.Okno.Model().Zmieniony = true;
        z.Okno.Dialogi.Wyczysc();
        emit z.Tabela()->cellDoubleClicked(0, 0);
        QCOMPARE(z.Okno.Dialogi.Bledy().size(), 1);
        QCOMPARE(z.Okno.Dialogi.Komunikaty().size(), 0);
    }

    void plikZestawieniaZapisIOdczyt() {
        TZestawienie z;
        const QString a = Sciana(z.Katalog, QStringLiteral("a.pro"), "Ściana parteru", 0.20);
        const QString b = Sciana(z.Katalog, QStringLiteral("b.pro"), "Ściana piętra", 0.15);
        z.Dodaj({a, b});
        Kontrolka<QLineEdit>(z.Forma, "EditBudynek")->setText(QStringLiteral("Dom „Pod Lipą”"));
        Kontrolka<QLineEdit>(z.Forma, "EditAdres")->setText(QStringLiteral("Łódź"));
        QDir(z.Katalog.path()).mkdir(QStringLiteral("b"));
        z.Okno.Dialogi.PlikiDoZapisu << z.Katalog.filePath(QStringLiteral("b/dom"));
        z.Przycisk("ButtonZapisz")->click();
        const QString plik = z.Katalog.filePath(QStringLiteral("b/dom.zestawienie.json"));
        auto zapisany = WczytajZestawienie(plik.toStdString());
        QVERIFY(!Niepowodzenie(zapisany));
        QCOMPARE(std::get<TPlikZestawienia>(zapisany).Projekty,
                 (std::vector<std::string>{"../a.pro", "../b.pro"}));
        QCOMPARE(std::get<TPlikZestawienia>(zapisany).Budynek.Nazwa, std::string("Dom „Pod Lipą”"));

        TZestawienie drugie;
        drugie.Okno.Dialogi.PlikiDoOtwarcia << plik;
        drugie.Przycisk("ButtonOtworz")->click();
        QCOMPARE(drugie.Kolumna(kPrzegroda), (QStringList{"Ściana parteru", "Ściana piętra"}));
        QCOMPARE(Kontrolka<QLineEdit>(drugie.Forma, "EditAdres")->text(), QStringLiteral("Łódź"));

        // A summary that is not valid JSON: the message names the line, the table stays.
        const QString zly = z.Katalog.filePath(QStringLiteral("zly.zestawienie.json"));
        QFile f(zly);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("{\n\"Format\": \"murolab-zestawienie\",\n\"Wersja\": 1,,\n}");
        f.close();
        drugie.Okno.Dialogi.PlikiDoOtwarcia << zly;
        drugie.Przycisk("ButtonOtworz")->click();
        QCOMPARE(drugie.Okno.Dialogi.Bledy().size(), 1);
        QVERIFY2(drugie.Okno.Dialogi.Bledy()[0].contains(QStringLiteral("wiersz 3")),
                 qPrintable(drugie.Okno.Dialogi.Bledy()[0]));
        QCOMPARE(drugie.Tabela()->rowCount(), 2);
    }

    void eksportCsvIPdf() {
        TZestawienie z;
        z.Dodaj({Sciana(z.Katalog, QStringLiteral("a.pro"), "Ściana parteru", 0.20)});
        const QString csv = z.Katalog.filePath(QStringLiteral("z.csv"));
        const QString pdf = z.Katalog.filePath(QStringLiteral("z.pdf"));
        z.Okno.Dialogi.PlikiDoZapisu << csv << pdf;
        z.Przycisk("ButtonCsv")->click();
        z.Przycisk("ButtonPdf")->click();
        QVERIFY(z.Okno.Dialogi.Bledy().isEmpty());
        QFile c(csv), p(pdf);
        QVERIFY(c.open(QIODevice::ReadOnly));
        QVERIFY(c.readAll().startsWith("\xEF\xBB\xBFPlik;Przegroda;"));
        QVERIFY(p.open(QIODevice::ReadOnly));
        QVERIFY(p.read(5) == "%PDF-");

        // A target that is a directory is refused with the writer's message.
        z.Okno.Dialogi.PlikiDoZapisu << z.Katalog.path();
        z.Przycisk("ButtonCsv")->click();
        QCOMPARE(z.Okno.Dialogi.Bledy().size(), 1);
    }

    void pozycjaMenuPlik() {
        TZestawienie z;
        Kontrolka<QAction>(z.Okno.Okno, "Zestawienieprzegrod1")->trigger();
        const QList<TWywolanie> w = z.Okno.Dialogi.Wywolania;
        QCOMPARE(w.size(), 1);
        QCOMPARE(w[0].Rodzaj, TWywolanie::Modalnie);
        QCOMPARE(w[0].Okno, static_cast<QDialog*>(z.Forma));
        QCOMPARE(w[0].Tekst, QStringLiteral("Zestawienie przegród"));
    }
};

QTEST_MAIN(TestZestawienie)
#include "tst_zestawienie.moc"
