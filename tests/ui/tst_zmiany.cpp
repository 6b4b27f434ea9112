// What changed and what the user is told about it: the "changed since save/open/new" state, the
// closing question before New, Open and closing (with Anuluj going back to the work), the status
// bar's next step, and the mark on results that no longer belong to the input.

#include "OknoObliczen.h"
#include "output/PodgladWydruku.h"
#include "ui/FormDane.h"
#include "ui/FormMostkiTerm.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace murolab;
using murolab::test::TWarunki;
using murolab::test::TWiersz;

namespace {

const QString kPytanie = QStringLiteral("Czy zapisać zmianny w pliku ..?");

// A main window with its corrections and description dialogs, holding a complete project (two
// layers, working conditions, one correction) that counts as just saved.
struct TStanowisko : test::TOkno {
    TFormMostkiTerm* Mostki = new TFormMostkiTerm(Model(), Dialogi, Okno.get(), Okno.get());
    TFormDane* Dane = new TFormDane(Model(), Dialogi, Okno.get());
    QTemporaryDir Katalog;

    TStanowisko() {
        Okno->UstawFormy(nullptr, Mostki, Dane, nullptr, nullptr);
        Dodaj({{"Tynk", "0,82", "10", "0,015"}, {"Cegła", "0,77", "10", "0,25"}});
        Wprowadz(TWarunki{});
        ZMostkami();
        // The description as confirmed at start-up.
        Dane->Button1Click();
        Model().Zmieniony = false;
        Dialogi.Wyczysc();
    }
    QString Plik(const QString& nazwa) const { return Katalog.filePath(nazwa); }
    int Pytania() const {
        int n = 0;
        for (const TWywolanie& w : Dialogi.Komunikaty())
            n += w.Tekst == kPytanie && w.Przyciski == TPrzyciski::TakNieAnuluj;
        return n;
    }
    int Okna(TWywolanie::TRodzaj rodzaj) const {
        int n = 0;
        for (const TWywolanie& w : Dialogi.Wywolania)
            n += w.Rodzaj == rodzaj;
        return n;
    }
    // The project on screen is the one built above, as it was.
    bool ProjektNaMiejscu() const {
        return Okno->Model.LiczbaWarstw == 2 &&
               ArkuszPrzegrody(Okno)->Komorka(1, 1) == QStringLiteral("Cegła pełna");
    }
};

enum TPolecenie { Nowy, Otworz, Zamkniecie, Wyjscie };

// The user's own edits, and what only looks like one.
enum TCzynnosc {
    KomorkaSiatki,
    UsuniecieWarstwy,
    WprowadzInneWarunki,
    WprowadzTeSameWarunki,
    PoprawkiZatwierdzone,
    PoprawkiAnulowane,
    OpisZmieniony,
    OpisBezZmian,
    PrzejscieMiedzyArkuszami,
    Obliczenie,
};

void Wykonaj(TStanowisko& s, TCzynnosc c) {
    TFormPrzegroda& f = *s.Okno;
    switch (c) {
    case KomorkaSiatki:
        Kontrolka<TSiatkaWarstw>(f, "StringGridPrzegroda")->item(0, 4)->setText(QStringLiteral("0,02"));
        break;
    case UsuniecieWarstwy:
        s.Dialogi.Odpowiedzi << TOdpowiedz::Tak;
        Kontrolka<QPushButton>(f, "Button2")->click();
        break;
    case WprowadzInneWarunki:
        s.Wprowadz(TWarunki{20, -18});
        break;
    case WprowadzTeSameWarunki:
        s.Wprowadz(TWarunki{});
        break;
    case PoprawkiZatwierdzone:
        s.Dialogi.Modalnie = [&s](QDialog*) {
            Kontrolka<QRadioButton>(s.Mostki, "RadioButtonUk015")->setChecked(true);
            Kontrolka<QPushButton>(s.Mostki, "Button1")->click();
        };
        Kontrolka<QPushButton>(f, "Button3")->click();
        break;
    case PoprawkiAnulowane:
        s.Dialogi.Modalnie = [&s](QDialog*) {
            Kontrolka<QRadioButton>(s.Mostki, "RadioButtonUk015")->setChecked(true);
            Kontrolka<QPushButton>(s.Mostki, "Button2")->click();
        };
        Kontrolka<QPushButton>(f, "Button3")->click();
        break;
    case OpisZmieniony:
    case OpisBezZmian:
        s.Dialogi.Modalnie = [&s, c](QDialog*) {
            if (c == OpisZmieniony)
                Kontrolka<QLineEdit>(s.Dane, "EditObiekt")->setText(QStringLiteral("Dom jednorodzinny"));
            s.Dane->Button1Click();
        };
        Kontrolka<QAction>(f, "Projektdane1")->trigger();
        break;
    case PrzejscieMiedzyArkuszami:
        Kontrolka<QAction>(f, "Edycjaprzegrody1")->trigger();
        Kontrolka<QAction>(f, "Warunkipracy1")->trigger();
        Kontrolka<QAction>(f, "Obliczenia2")->trigger();
        break;
    case Obliczenie:
        s.Oblicz();
        break;
    }
    s.Dialogi.Modalnie = nullptr;
}

} // namespace

class TestZmiany : public QObject {
    Q_OBJECT
private slots:
    void coJestZmiana_data() {
        QTest::addColumn<int>("czynnosc");
        QTest::addColumn<bool>("zmieniony");
        QTest::newRow("komórka siatki") << int(KomorkaSiatki) << true;
        QTest::newRow("usunięcie warstwy") << int(UsuniecieWarstwy) << true;
        QTest::newRow("Wprowadź z innymi warunkami") << int(WprowadzInneWarunki) << true;
        QTest::newRow("Wprowadź z tymi samymi warunkami") << int(WprowadzTeSameWarunki) << false;
        QTest::newRow("poprawki zatwierdzone") << int(PoprawkiZatwierdzone) << true;
        QTest::newRow("poprawki anulowane") << int(PoprawkiAnulowane) << false;
        QTest::newRow("opis zmieniony") << int(OpisZmieniony) << true;
        QTest::newRow("opis zatwierdzony bez zmian") << int(OpisBezZmian) << false;
        QTest::newRow("przejście między arkuszami") << int(PrzejscieMiedzyArkuszami) << false;
        QTest::newRow("obliczenie") << int(Obliczenie) << false;
    }
    void coJestZmiana() {
        QFETCH(int, czynnosc);
        QFETCH(bool, zmieniony);
        TStanowisko s;
        Wykonaj(s, TCzynnosc(czynnosc));
        QCOMPARE(s.Model().Zmieniony, zmieniony);
        // Closing asks exactly when something changed.
        s.Dialogi.Wyczysc();
        s.Dialogi.Odpowiedzi << TOdpowiedz::Anuluj;
        s->close();
        QCOMPARE(s.Pytania(), zmieniony ? 1 : 0);
    }

    void pytanieOZapis_data() {
        QTest::addColumn<int>("polecenie");
        QTest::addColumn<bool>("edycja");
        QTest::addColumn<QList<TOdpowiedz>>("odpowiedzi");
        QTest::addColumn<bool>("plikZapisu"); // the save dialog names a file (else it is cancelled)
        QTest::addColumn<int>("pytania");
        QTest::addColumn<int>("dialogiZapisu");
        QTest::addColumn<int>("dialogiOtwarcia");
        QTest::addColumn<bool>("zostaje"); // the project (or the window) stays as it was
        QTest::addColumn<bool>("bledna");  // a layer fails the checks of saving
        const auto tak = TOdpowiedz::Tak, nie = TOdpowiedz::Nie, anuluj = TOdpowiedz::Anuluj;
        using L = QList<TOdpowiedz>;
        // clang-format off
        QTest::newRow("Nowy bez zmian: nic nie pyta")             << int(Nowy) << false << L{} << false << 0 << 0 << 0 << false << false;
        QTest::newRow("Nowy, Anuluj: praca zostaje")              << int(Nowy) << true << L{anuluj} << false << 1 << 0 << 0 << true << false;
        QTest::newRow("Nowy, Nie: nowy projekt")                  << int(Nowy) << true << L{nie} << false << 1 << 0 << 0 << false << false;
        QTest::newRow("Nowy, Tak, zapis anulowany: praca zostaje") << int(Nowy) << true << L{tak} << false << 1 << 1 << 0 << true << false;
        QTest::newRow("Nowy, Tak, zapisany: nowy projekt")        << int(Nowy) << true << L{tak} << true << 1 << 1 << 0 << false << false;
        QTest::newRow("Otwórz bez zmian: od razu okno pliku")     << int(Otworz) << false << L{} << false << 0 << 0 << 1 << true << false;
        QTest::newRow("Otwórz, Anuluj: bez okna pliku")           << int(Otworz) << true << L{anuluj} << false << 1 << 0 << 0 << true << false;
        QTest::newRow("Otwórz, Tak, zapis anulowany: bez okna pliku") << int(Otworz) << true << L{tak} << false << 1 << 1 << 0 << true << false;
        QTest::newRow("Otwórz, Nie: okno pliku")                  << int(Otworz) << true << L{nie} << false << 1 << 0 << 1 << true << false;
        QTest::newRow("zamknięcie bez zmian: nic nie pyta")       << int(Zamkniecie) << false << L{} << false << 0 << 0 << 0 << false << false;
        QTest::newRow("zamknięcie, Anuluj: okno zostaje")         << int(Zamkniecie) << true << L{anuluj} << false << 1 << 0 << 0 << true << false;
        QTest::newRow("zamknięcie, Tak, zapis anulowany: okno zostaje") << int(Zamkniecie) << true << L{tak} << false << 1 << 1 << 0 << true << false;
        QTest::newRow("zamknięcie, Nie: zamknięte")               << int(Zamkniecie) << true << L{nie} << false << 1 << 0 << 0 << false << false;
        QTest::newRow("Wyjście, Nie: jedno pytanie")              << int(Wyjscie) << true << L{nie} << false << 1 << 0 << 0 << false << false;
        QTest::newRow("Wyjście, Tak, zapisany: jedno pytanie")    << int(Wyjscie) << true << L{tak} << true << 1 << 1 << 0 << false << false;
        QTest::newRow("Wyjście, Anuluj: okno zostaje")            << int(Wyjscie) << true << L{anuluj} << false << 1 << 0 << 0 << true << false;
        QTest::newRow("zamknięcie, Tak, błędna warstwa: okno zostaje") << int(Zamkniecie) << true << L{tak} << false << 1 << 0 << 0 << true << true;
        QTest::newRow("Nowy, Tak, błędna warstwa: praca zostaje") << int(Nowy) << true << L{tak} << false << 1 << 0 << 0 << true << true;
        // clang-format on
    }
    void pytanieOZapis() {
        QFETCH(int, polecenie);
        QFETCH(bool, edycja);
        QFETCH(QList<TOdpowiedz>, odpowiedzi);
        QFETCH(bool, plikZapisu);
        QFETCH(int, pytania);
        QFETCH(int, dialogiZapisu);
        QFETCH(int, dialogiOtwarcia);
        QFETCH(bool, zostaje);
        QFETCH(bool, bledna);
        TStanowisko s;
        ArkuszPrzegrody(s)->UstawKomorke(1, 1, QStringLiteral("Cegła pełna"));
        if (bledna)
            ArkuszPrzegrody(s)->UstawKomorke(0, 2, QStringLiteral("0"));
        if (!edycja)
            s.Model().Zmieniony = false;
        s->show();
        s.Dialogi.Wyczysc();
        s.Dialogi.Odpowiedzi = odpowiedzi;
        if (plikZapisu)
            s.Dialogi.PlikiDoZapisu << s.Plik(QStringLiteral("sciana.pro"));

        switch (TPolecenie(polecenie)) {
        case Nowy:
            Kontrolka<QAction>(s, "Nowy1")->trigger();
            QCOMPARE(s.ProjektNaMiejscu(), zostaje);
            break;
        case Otworz:
            Kontrolka<QAction>(s, "Otwrz1")
                ->trigger(); // the open dialog is cancelled: the project stays either way
            QCOMPARE(s.ProjektNaMiejscu(), zostaje);
            break;
        case Zamkniecie:
            s->close();
            QCOMPARE(s->isVisible(), zostaje);
            break;
        case Wyjscie:
            Kontrolka<QAction>(s, "Wyjcie1")->trigger();
            QCOMPARE(s->isVisible(), zostaje);
            break;
        }
        QCOMPARE(s.Pytania(), pytania);
        QCOMPARE(s.Okna(TWywolanie::Zapis), dialogiZapisu);
        QCOMPARE(s.Okna(TWywolanie::Otwarcie), dialogiOtwarcia);
        QCOMPARE(s.Dialogi.BezOdpowiedzi, 0);
        // A layer that fails says why, and nothing is written.
        QCOMPARE(s.Dialogi.Komunikaty().size(), pytania + (bledna ? 1 : 0));
        if (plikZapisu) {
            QVERIFY(QFile::exists(s.Plik(QStringLiteral("sciana.pro"))));
            QCOMPARE(s.Model().Zmieniony, false);
        }
        if (zostaje)
            QVERIFY(s.Model().Zmieniony || !edycja);
    }

    void udanyZapisIOtwarcieKasujaZmiane() {
        TStanowisko s;
        ArkuszPrzegrody(s)->UstawKomorke(1, 1, QStringLiteral("Cegła pełna"));
        QVERIFY(s.Model().Zmieniony);
        s.Dialogi.PlikiDoZapisu << s.Plik(QStringLiteral("a.pro"));
        Kontrolka<QAction>(s, "Zapisz1")->trigger();
        QVERIFY(!s.Model().Zmieniony);

        ArkuszPrzegrody(s)->UstawKomorke(0, 1, QStringLiteral("Tynk cem.-wap."));
        QVERIFY(s.Model().Zmieniony);
        // A save that fails keeps the state: the work is not on disk.
        s.Dialogi.PlikiDoZapisu << s.Plik(QStringLiteral("nie-ma-katalogu/b.pro"));
        Kontrolka<QAction>(s, "Zapisz1")->trigger();
        QCOMPARE(s.Dialogi.Bledy().size(), 1);
        QVERIFY(s.Model().Zmieniony);

        s.Dialogi.Odpowiedzi << TOdpowiedz::Nie;
        s.Dialogi.PlikiDoOtwarcia << s.Plik(QStringLiteral("a.pro"));
        Kontrolka<QAction>(s, "Otwrz1")->trigger();
        QCOMPARE(ArkuszPrzegrody(s)->Komorka(1, 1), QStringLiteral("Cegła pełna"));
        QVERIFY(!s.Model().Zmieniony);
        s.Dialogi.Wyczysc();
        s->close();
        QCOMPARE(s.Pytania(), 0);
    }

    void pasekStanuINieaktualneWyniki() {
        test::TOkno o;
        auto* mostki = new TFormMostkiTerm(o.Model(), o.Dialogi, o.Okno.get(), o.Okno.get());
        auto* raport = new TPodgladWydruku(o.Model(), o.Dialogi, MUROLAB_DANE_ZRODLOWE, o.Okno.get());
        o->UstawFormy(nullptr, mostki, nullptr, raport, nullptr);
        o->show();
        const auto krok = [&o] { return Kontrolka<QLabel>(o, "LabelStan")->text(); };
        const auto znaczniki = [&o] {
            int n = 0;
            for (QLabel* z : o->findChildren<QLabel*>(QStringLiteral("ZnacznikNieaktualnych")))
                n += z->isVisibleTo(z->parentWidget());
            return n;
        };

        QCOMPARE(krok(), QStringLiteral("Ustaw warunki pracy i naciśnij Wprowadź"));
        o.Zrzut(QStringLiteral("pierwszy-krok"));
        o.Wprowadz(TWarunki{});
        QCOMPARE(krok(), QStringLiteral("Dodaj warstwy (F2, potem Dodaj)"));
        o.Dodaj({{"Cegła", "0,77", "10", "0,25"}});
        QCOMPARE(krok(), QStringLiteral("Naciśnij Oblicz"));
        QCOMPARE(znaczniki(), 0);

        o.ZMostkami();
        o.Oblicz();
        QCOMPARE(krok(), QStringLiteral("Wyniki aktualne"));
        QVERIFY(!o->WynikiNieaktualne());
        QCOMPARE(znaczniki(), 0);

        // Any edit after the calculation: results, both charts, the moisture check and the report
        // are marked.
        ArkuszPrzegrody(o)->UstawKomorke(0, 4, QStringLiteral("0,38"));
        QCOMPARE(krok(), QStringLiteral("Dane zmienione – przelicz"));
        QVERIFY(o->WynikiNieaktualne());
        QCOMPARE(znaczniki(), 4);
        for (int k = 2; k <= 5; ++k)
            QCOMPARE(Kontrolka<QTabWidget>(o, "PageControlPrzegroda")->tabBar()->tabTextColor(k),
                     QColor(0xb0, 0, 0));
        o->PokazArkusz(2);
        o.Zrzut(QStringLiteral("nieaktualne-wyniki"));
        o->PokazArkusz(3);
        o.Zrzut(QStringLiteral("nieaktualny-wykres"));
        o.Oblicz();
        QCOMPARE(krok(), QStringLiteral("Wyniki aktualne"));
        QCOMPARE(znaczniki(), 0);

        // A correction confirmed after the calculation changes Uk: stale again.
        o.Dialogi.Modalnie = [mostki](QDialog*) {
            Kontrolka<QRadioButton>(mostki, "RadioButtonUk015")->setChecked(true);
            Kontrolka<QPushButton>(mostki, "Button1")->click();
        };
        Kontrolka<QPushButton>(o, "Button3")->click();
        QCOMPARE(krok(), QStringLiteral("Dane zmienione – przelicz"));

        // "Raport" of stale results says so before the preview opens.
        o.Dialogi.Wyczysc();
        Kontrolka<QAction>(o, "Podgldwydruku1")->trigger();
        QCOMPARE(o.Dialogi.Wywolania.size(), 2);
        QCOMPARE(o.Dialogi.Wywolania[0].Rodzaj, TWywolanie::Komunikat);
        QVERIFY(o.Dialogi.Wywolania[0].Tekst.contains(QStringLiteral("Naciśnij Oblicz")));
        QCOMPARE(o.Dialogi.Wywolania[1].Okno, static_cast<QDialog*>(raport));

        // New clears the results: nothing stale is left, the first step is asked again.
        o.Dialogi.Odpowiedzi << TOdpowiedz::Nie;
        Kontrolka<QAction>(o, "Nowy1")->trigger();
        QCOMPARE(krok(), QStringLiteral("Ustaw warunki pracy i naciśnij Wprowadź"));
        QVERIFY(!o->WynikiNieaktualne());
        QCOMPARE(znaczniki(), 0);
    }
};

QTEST_MAIN(TestZmiany)
#include "tst_zmiany.moc"
