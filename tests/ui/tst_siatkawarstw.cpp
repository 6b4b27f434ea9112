// The layer grid: rows added as the insertion dialog adds them, the key filter of the number
// columns, the tidying on leaving the grid, removing with its questions, the 10-layer question,
// dragging rows by their number cell, the current cell kept across commands, and the density and
// specific heat that go with their layer.

#include "NarzedziaTestow.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using namespace murolab;
using namespace murolab::testy;

namespace {
struct TOkno : TOknoGlowne {
    TOkno() { f.PokazArkusz(1); }
    // Rows as the insertion dialog writes them: name, lambda, mu, d, and density and specific heat
    // when given.
    void Warstwy(const QList<QStringList>& w) {
        for (const QStringList& r : w) {
            f.DodajWiersz();
            f.WpiszWiersz(f.Model.LiczbaWarstw - 1, r.value(0), r.value(1), r.value(2), r.value(3),
                          r.value(4), r.value(5));
        }
    }
    // Every layer's six values (name to specific heat), top to bottom.
    QList<QStringList> Warstwy() const {
        QList<QStringList> w;
        for (int r = 0; r < f.Model.LiczbaWarstw; ++r) {
            QStringList wiersz;
            for (int k = 1; k <= 6; ++k)
                wiersz << ArkuszPrzegrody(f)->Komorka(r, k);
            w << wiersz;
        }
        return w;
    }
    // Drags row z by its number cell and drops it on row na.
    void Przeciagnij(int z, int na) {
        QWidget* obszar = Kontrolka<TSiatkaWarstw>(f, "StringGridPrzegroda")->viewport();
        const QPoint start = Srodek(z, 0);
        const QPoint cel = Srodek(na, 0);
        QTest::mousePress(obszar, Qt::LeftButton, Qt::NoModifier, start);
        QMouseEvent ruch(QEvent::MouseMove, cel, obszar->mapToGlobal(cel), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(obszar, &ruch);
        QTest::mouseRelease(obszar, Qt::LeftButton, Qt::NoModifier, cel);
    }
    QStringList Wiersz(int r) const {
        QStringList w;
        for (int k = 0; k < 5; ++k)
            w << ArkuszPrzegrody(f)->Komorka(r, k);
        return w;
    }
    QStringList Nazwy() const {
        QStringList n;
        for (int r = 0; r < Kontrolka<TSiatkaWarstw>(f, "StringGridPrzegroda")->rowCount(); ++r)
            n << ArkuszPrzegrody(f)->Komorka(r, 1);
        return n;
    }
    QStringList Numery() const {
        QStringList n;
        for (int r = 0; r < Kontrolka<TSiatkaWarstw>(f, "StringGridPrzegroda")->rowCount(); ++r)
            n << ArkuszPrzegrody(f)->Komorka(r, 0);
        return n;
    }
    // Puts the grid's editor into a cell, as a click there does.
    QLineEdit* Edytuj(int wiersz, int kolumna) {
        Kontrolka<TSiatkaWarstw>(f, "StringGridPrzegroda")->setFocus(Qt::MouseFocusReason);
        Kontrolka<TSiatkaWarstw>(f, "StringGridPrzegroda")->setCurrentCell(wiersz, kolumna);
        return qobject_cast<QLineEdit*>(QApplication::focusWidget());
    }
    QPoint Srodek(int wiersz, int kolumna) const {
        return Kontrolka<TSiatkaWarstw>(f, "StringGridPrzegroda")
            ->visualRect(Kontrolka<TSiatkaWarstw>(f, "StringGridPrzegroda")->model()->index(wiersz, kolumna))
            .center();
    }
};

const QList<QStringList> kTrzy = {
    {"Tynk", "0,82", "10", "0,015"}, {"Cegła", "0,77", "10", "0,25"}, {"Styropian", "0,04", "60", "0,12"}};

// Three layers with full, partial and no density and specific heat.
const QStringList kTynk = {"Tynk", "0,82", "10", "0,015", "1600", "0,84"};
const QStringList kCegla = {"Cegła", "0,77", "10", "0,25", "1800", ""};
const QStringList kStyropian = {"Styropian", "0,04", "60", "0,12", "", ""};
const QStringList kWelna = {"Wełna", "0,035", "1", "0,1", "40", "1,03"};
const QStringList kNowa = {"Nowa", "1", "1", "0,1", "", ""};
} // namespace

class TestSiatkaWarstw : public QObject {
    Q_OBJECT
private slots:
    void dodawanieWierszy() {
        TOkno o;
        QTableWidget* s = Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda");
        // At start: one empty, disabled row and the current cell at column 1, row 0.
        QCOMPARE(o.f.Model.LiczbaWarstw, 0);
        QCOMPARE(s->rowCount(), 1);
        QCOMPARE(s->height(), 23);
        QVERIFY(!s->isEnabled());
        QCOMPARE(ArkuszPrzegrody(o.f)->BiezacaKolumna, 1);
        QCOMPARE(ArkuszPrzegrody(o.f)->BiezacyWiersz, 0);
        // A layer written into the grid brings its sheet to the front.
        o.f.PokazArkusz(0);
        o.Warstwy(kTrzy);
        QCOMPARE(Kontrolka<QTabWidget>(o.f, "PageControlPrzegroda")->currentIndex(), 1);
        QCOMPARE(o.f.Model.LiczbaWarstw, 3);
        QCOMPARE(s->rowCount(), 3);
        QCOMPARE(s->height(), 69);
        QVERIFY(s->isEnabled());
        QCOMPARE(o.Numery(), (QStringList{"  1.", "  2.", "  3."}));
        QCOMPARE(o.Wiersz(1), (QStringList{"  2.", "Cegła", "0,77", "10", "0,25"}));
        for (int i = 0; i < 8; ++i)
            o.f.DodajWiersz();
        QCOMPARE(o.f.Model.LiczbaWarstw, 10);
        QCOMPARE(s->rowCount(), 10);
        QCOMPARE(s->height(), 230);
        QCOMPARE(ArkuszPrzegrody(o.f)->Komorka(9, 0), QStringLiteral("  10."));
        // The outdoor summary line stays below the full grid.
        QVERIFY(s->geometry().bottom() < Kontrolka<QLabel>(o.f, "LabelTe")->y());
    }

    void wstawianieWSrodek() {
        // What the insertion dialog does for "Dodaj warstwę" on row 1 of three.
        TOkno o;
        o.Warstwy(kTrzy);
        o.f.DodajWiersz();
        o.f.PrzesunWierszeWDol(o.f.LiczbaWarstw(), 1);
        o.f.WpiszWiersz(1, "Wełna", "0,035", "1", "0,1");
        QCOMPARE(o.Nazwy(), (QStringList{"Tynk", "Wełna", "Cegła", "Styropian"}));
        QCOMPARE(o.Numery(), (QStringList{"  1.", "  2.", "  3.", "  4."}));
        QCOMPARE(o.Wiersz(3), (QStringList{"  4.", "Styropian", "0,04", "60", "0,12"}));
    }

    void dziesiataWarstwaWypychaOstatnia() {
        TOkno o;
        for (int i = 0; i < 10; ++i)
            o.Warstwy({{QStringLiteral("W%1").arg(i + 1), "1", "1", "0,1"}});
        o.f.DodajWiersz(); // full: nothing happens
        QCOMPARE(o.f.Model.LiczbaWarstw, 10);
        o.f.PrzesunWierszeWDol(o.f.LiczbaWarstw(), 0);
        o.f.WpiszWiersz(0, "Nowa", "1", "1", "0,1");
        QCOMPARE(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->rowCount(), 10);
        QCOMPARE(ArkuszPrzegrody(o.f)->Komorka(0, 1), QStringLiteral("Nowa"));
        QCOMPARE(ArkuszPrzegrody(o.f)->Komorka(9, 1), QStringLiteral("W9"));
    }

    void klawiszeKomorek_data() {
        QTest::addColumn<int>("kolumna");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QString>("wynik");
        QTest::addColumn<int>("sygnaly");
        QTest::newRow("lambda: liczba z przecinkiem") << 2 << "0,045"
                                                      << "0,045" << 0;
        QTest::newRow("mi: drugi przecinek") << 3 << "1,2,3"
                                             << "1,23" << 1;
        QTest::newRow("d: minus i litera") << 4 << "-1a"
                                           << "1" << 2;
        QTest::newRow("lambda: kropka") << 2 << "0.5"
                                        << "05" << 1;
        QTest::newRow("d: backspace") << 4 << QString("12") + QChar(8) + "5"
                                      << "15" << 0;
        QTest::newRow("nazwa: wszystko przyjęte") << 1 << "a-b,c,d"
                                                  << "a-b,c,d" << 0;
        QTest::newRow("ρ: minus, litera, drugi przecinek") << 5 << "-1a2,5,"
                                                           << "12,5" << 3;
        QTest::newRow("c: liczba z przecinkiem") << 6 << "0,84"
                                                 << "0,84" << 0;
        QTest::newRow("c: kropka") << 6 << "1.2"
                                   << "12" << 1;
    }
    void klawiszeKomorek() {
        QFETCH(int, kolumna);
        QFETCH(QString, wpisane);
        QFETCH(QString, wynik);
        QFETCH(int, sygnaly);
        TOkno o;
        o.Warstwy({{"", "", "", ""}});
        QLineEdit* e = o.Edytuj(0, kolumna);
        QVERIFY(e);
        Pisz(e, wpisane);
        QCOMPARE(e->text(), wynik);
        QCOMPARE(o.d.Sygnaly, sygnaly);
        // The cell follows the editor at once, as a string grid's cell does.
        QCOMPARE(ArkuszPrzegrody(o.f)->Komorka(0, kolumna), wynik);
    }

    void schowekWKomorceLiczbowej() {
        TOkno o;
        o.Warstwy({{"", "", "", ""}});
        QLineEdit* e = o.Edytuj(0, 2);
        QVERIFY(e);
        Klawisz(e, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
        QCOMPARE(o.d.Sygnaly, 1);
        QCOMPARE(e->text(), QString());
    }

    void porzadkowanieNaWyjsciu() {
        TOkno o;
        o.Warstwy({{"", "0,0400", "5,", ""}, {"Cegła", "0,770", "", "0,25"}});
        QLineEdit* e = o.Edytuj(1, 3);
        QVERIFY(e);
        PrzeniesFokus(Kontrolka<QPushButton>(o.f, "Button1"));
        QCOMPARE(o.Wiersz(0), (QStringList{"  1.", "Jakaś warstwa ?", "0,04", "5", "0"}));
        QCOMPARE(o.Wiersz(1), (QStringList{"  2.", "Cegła", "0,77", "0", "0,25"}));
        QVERIFY(o.d.Wywolania.isEmpty());
    }

    void porzadkowanieGestosciICiepla() {
        // A given density or specific heat is tidied as the other numbers; an empty one stays
        // empty, since it means unknown and not zero.
        TOkno o;
        o.Warstwy(
            {{"Tynk", "0,82", "10", "0,015", "1600,0", ""}, {"Cegła", "0,77", "10", "0,25", "", "0,880"}});
        o.Edytuj(0, 5);
        PrzeniesFokus(Kontrolka<QPushButton>(o.f, "Button1"));
        QCOMPARE(o.Warstwy(), (QList<QStringList>{{"Tynk", "0,82", "10", "0,015", "1600", ""},
                                                  {"Cegła", "0,77", "10", "0,25", "", "0,88"}}));
        QVERIFY(o.d.Wywolania.isEmpty());
    }

    void gestoscICieploIdaZWarstwa_data() {
        QTest::addColumn<QString>("polecenie");
        QTest::addColumn<QList<QStringList>>("warstwy");
        using W = QList<QStringList>;
        QTest::newRow("wstawienie w wiersz 1") << "wstaw 1" << W{kTynk, kWelna, kCegla, kStyropian};
        QTest::newRow("wstawienie na początek") << "wstaw 0" << W{kWelna, kTynk, kCegla, kStyropian};
        QTest::newRow("usunięcie pierwszej") << "usuń 0" << W{kCegla, kStyropian};
        QTest::newRow("usunięcie środkowej") << "usuń 1" << W{kTynk, kStyropian};
        // The freed last row must not hand its old values to the next layer.
        QTest::newRow("usunięcie pierwszej, potem nowa") << "usuń 0, dodaj" << W{kCegla, kStyropian, kNowa};
        QTest::newRow("usunięcie ostatniej, potem nowa") << "usuń 2, dodaj" << W{kTynk, kCegla, kNowa};
        QTest::newRow("przeciągnięcie trzeciej na górę") << "przeciągnij 2 0" << W{kStyropian, kTynk, kCegla};
        QTest::newRow("przeciągnięcie pierwszej na dół") << "przeciągnij 0 2" << W{kCegla, kStyropian, kTynk};
    }
    void gestoscICieploIdaZWarstwa() {
        QFETCH(QString, polecenie);
        QFETCH(QList<QStringList>, warstwy);
        TOkno o;
        o.Warstwy({kTynk, kCegla, kStyropian});
        const QStringList slowa = polecenie.split(QRegularExpression("[ ,]+"));
        if (slowa[0] == QLatin1String("wstaw")) {
            const int wiersz = slowa[1].toInt();
            o.f.DodajWiersz();
            o.f.PrzesunWierszeWDol(o.f.LiczbaWarstw(), wiersz);
            o.f.WpiszWiersz(wiersz, kWelna[0], kWelna[1], kWelna[2], kWelna[3], kWelna[4], kWelna[5]);
        } else if (slowa[0] == QStringLiteral("usuń")) {
            Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->setCurrentCell(slowa[1].toInt(), 1);
            o.d.Odpowiedzi = {TOdpowiedz::Tak};
            Kontrolka<QAction>(o.f, "Usuwarstw1")->trigger();
            if (slowa.value(2) == QLatin1String("dodaj"))
                o.Warstwy({kNowa});
        } else {
            o.Przeciagnij(slowa[1].toInt(), slowa[2].toInt());
        }
        QCOMPARE(o.Warstwy(), warstwy);
    }

    void porzadkowanieKonczySieNaBledzie() {
        TOkno o;
        o.Warstwy({{"", ",", "", ""}, {"", "", "", "0,50"}});
        o.Edytuj(0, 1);
        PrzeniesFokus(Kontrolka<QPushButton>(o.f, "Button1"));
        QCOMPARE(o.d.Bledy(), QStringList{"„,” nie jest poprawną liczbą rzeczywistą"});
        QCOMPARE(o.Wiersz(0), (QStringList{"  1.", "", ",", "", ""}));
        QCOMPARE(o.Wiersz(1), (QStringList{"  2.", "", "", "", "0,50"}));
    }

    void przejsciaWewnatrzSiatkiToNieWyjscie() {
        TOkno o;
        o.Warstwy({{"", "", "", ""}, {"", "", "", ""}});
        o.Edytuj(0, 1);
        o.Edytuj(1, 2);
        QCOMPARE(ArkuszPrzegrody(o.f)->Komorka(0, 4), QString());
        QCOMPARE(ArkuszPrzegrody(o.f)->Komorka(0, 1), QString());
    }

    void usuwanie_data() {
        QTest::addColumn<int>("warstwy");       // the first n of kTrzy
        QTest::addColumn<QPoint>("biezaca");    // (column, row) selected before the command
        QTest::addColumn<bool>("zMenu");        // "Usuń warstwę" (else "&Usuń")
        QTest::addColumn<int>("odpowiedz");     // to the question, -1 = none asked
        QTest::addColumn<QString>("komunikat"); // the one message shown
        QTest::addColumn<QStringList>("nazwy");
        QTest::addColumn<QPoint>("biezacaPo");
        const QString pytanie = QStringLiteral("Usunąc warstwę ?");
        const QString brak = QStringLiteral("Nie wprowadzono warstw.");
        const int tak = int(TOdpowiedz::Tak);
        QTest::newRow("Usuń warstwę: wiersz 0 z trzech") << 3 << QPoint(1, 0) << true << tak << pytanie
                                                         << QStringList{"Cegła", "Styropian"} << QPoint(1, 0);
        // The current cell was below the last row: it moves up, and the stored one follows.
        QTest::newRow("Usuń: ostatnia, bieżąca w niej")
            << 3 << QPoint(3, 2) << false << tak << pytanie << QStringList{"Tynk", "Cegła"} << QPoint(3, 1);
        QTest::newRow("Usuń: jedyna warstwa")
            << 1 << QPoint(1, 0) << false << tak << pytanie << QStringList{""} << QPoint(1, 0);
        QTest::newRow("Usuń: odpowiedź Nie") << 3 << QPoint(2, 1) << false << int(TOdpowiedz::Nie) << pytanie
                                             << QStringList{"Tynk", "Cegła", "Styropian"} << QPoint(2, 1);
        QTest::newRow("Usuń bez warstw: bez pytania")
            << 0 << QPoint(1, 0) << false << -1 << brak << QStringList{""} << QPoint(1, 0);
        QTest::newRow("Usuń warstwę bez warstw: bez pytania")
            << 0 << QPoint(1, 0) << true << -1 << brak << QStringList{""} << QPoint(1, 0);
    }
    void usuwanie() {
        QFETCH(int, warstwy);
        QFETCH(QPoint, biezaca);
        QFETCH(bool, zMenu);
        QFETCH(int, odpowiedz);
        QFETCH(QString, komunikat);
        QFETCH(QStringList, nazwy);
        QFETCH(QPoint, biezacaPo);
        TOkno o;
        o.Warstwy(kTrzy.mid(0, warstwy));
        Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->setCurrentCell(biezaca.y(), biezaca.x());
        if (odpowiedz >= 0)
            o.d.Odpowiedzi = {TOdpowiedz(odpowiedz)};
        if (zMenu)
            Kontrolka<QAction>(o.f, "Usuwarstw1")->trigger();
        else
            Kontrolka<QPushButton>(o.f, "Button2")->click();

        const QList<TWywolanie> k = o.d.Komunikaty();
        QCOMPARE(k.size(), 1);
        QCOMPARE(k[0].Tekst, komunikat);
        const bool pyta = odpowiedz >= 0;
        QCOMPARE(k[0].Tytul, pyta ? QStringLiteral("Murolab -Potwierdź") : QStringLiteral("Murolab -Uwaga!"));
        QCOMPARE(k[0].Ikona, pyta ? TIkona::Pytanie : TIkona::Informacja);
        QCOMPARE(k[0].Przyciski, pyta ? TPrzyciski::TakNie : TPrzyciski::Ok);

        // The layers left close up under numbers that stayed in place; an empty grid keeps one
        // empty, disabled row 23 pixels high.
        const bool pusta = nazwy == QStringList{""};
        QCOMPARE(o.f.Model.LiczbaWarstw, pusta ? 0 : nazwy.size());
        QCOMPARE(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->height(), 23 * nazwy.size());
        QCOMPARE(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->isEnabled(), !pusta);
        for (int r = 0; r < nazwy.size(); ++r) {
            QStringList wiersz{pusta ? QString() : QStringLiteral("  %1.").arg(r + 1)};
            for (const QStringList& w : kTrzy)
                if (w[0] == nazwy[r])
                    wiersz << w;
            if (pusta)
                wiersz << QStringList(4, QString());
            QCOMPARE(o.Wiersz(r), wiersz);
        }
        QCOMPARE(QPoint(ArkuszPrzegrody(o.f)->BiezacaKolumna, ArkuszPrzegrody(o.f)->BiezacyWiersz),
                 biezacaPo);
        QCOMPARE(QPoint(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->currentColumn(),
                        Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->currentRow()),
                 biezacaPo);
    }

    void limitWarstw_data() {
        QTest::addColumn<int>("warstwy");
        QTest::addColumn<bool>("wstawianie"); // "Dodaj warstwę" (else "&Dodaj")
        QTest::addColumn<int>("odpowiedz");   // -1 = no question expected
        QTest::addColumn<int>("tryb");        // 0 = nothing set
        QTest::addColumn<int>("cel");
        // clang-format off
        QTest::newRow("9 warstw: bez pytania") << 9 << false << -1 << 1 << 9;
        QTest::newRow("9 warstw, wstawianie w wiersz 2") << 9 << true << -1 << 2 << 2;
        QTest::newRow("10 warstw, Nie") << 10 << false << int(TOdpowiedz::Nie) << 0 << 0;
        QTest::newRow("10 warstw, Tak") << 10 << false << int(TOdpowiedz::Tak) << 1 << 10;
        QTest::newRow("10 warstw, wstawianie, Tak") << 10 << true << int(TOdpowiedz::Tak) << 2 << 2;
        QTest::newRow("10 warstw, wstawianie, Nie") << 10 << true << int(TOdpowiedz::Nie) << 0 << 0;
        QTest::newRow("15 warstw z pliku, Tak") << 15 << false << int(TOdpowiedz::Tak) << 1 << 15;
        // clang-format on
    }
    void limitWarstw() {
        QFETCH(int, warstwy);
        QFETCH(bool, wstawianie);
        QFETCH(int, odpowiedz);
        QFETCH(int, tryb);
        QFETCH(int, cel);
        TOkno o;
        // A loaded project may hold more layers than the commands allow.
        o.f.Model.LiczbaWarstw = warstwy;
        ArkuszPrzegrody(o.f)->UstawLiczbeWierszy(warstwy);
        Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->setCurrentCell(2, 1);
        ArkuszPrzegrody(o.f)->TrybWstawiania = 0;
        ArkuszPrzegrody(o.f)->WierszDocelowy = 0;
        if (odpowiedz >= 0)
            o.d.Odpowiedzi = {TOdpowiedz(odpowiedz)};
        if (wstawianie)
            Kontrolka<QAction>(o.f, "Dodajwarstw1")->trigger();
        else
            Kontrolka<QPushButton>(o.f, "Button1")->click();
        const QList<TWywolanie> k = o.d.Komunikaty();
        if (odpowiedz < 0) {
            QVERIFY(k.isEmpty());
        } else {
            QCOMPARE(k.size(), 1);
            QCOMPARE(k[0].Tekst,
                     QStringLiteral("W programie nałożono ograniczenie co do ilości warstw (<=10). Każda "
                                    "następna wprowadzona warstwa zamieni ostatnią!!!"));
            QCOMPARE(k[0].Tytul, QStringLiteral("Murolab -UWAGA!"));
            QCOMPARE(k[0].Ikona, TIkona::Brak);
            QCOMPARE(k[0].Przyciski, TPrzyciski::TakNie);
        }
        QCOMPARE(ArkuszPrzegrody(o.f)->TrybWstawiania, tryb);
        QCOMPARE(ArkuszPrzegrody(o.f)->WierszDocelowy, cel);
    }

    void wysokoscPonadDziesiecWarstw() {
        // 15 layers from a file: the grid keeps the height of 10 and scrolls.
        TOkno o;
        o.f.Model.LiczbaWarstw = 15;
        ArkuszPrzegrody(o.f)->UstawLiczbeWierszy(15);
        QCOMPARE(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->rowCount(), 15);
        QCOMPARE(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->height(), 230);
        QCOMPARE(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->verticalScrollBarPolicy(),
                 Qt::ScrollBarAsNeeded);
        ArkuszPrzegrody(o.f)->UstawLiczbeWierszy(0);
        QCOMPARE(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->rowCount(), 1);
        QCOMPARE(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->height(), 0);
        QVERIFY(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->isEnabled());
    }

    void przeciaganieWierszy_data() {
        QTest::addColumn<int>("z");
        QTest::addColumn<int>("na");
        QTest::addColumn<QStringList>("nazwy");
        // clang-format off
        QTest::newRow("trzeci na górę") << 2 << 0 << QStringList{"Styropian", "Tynk", "Cegła"};
        QTest::newRow("pierwszy na dół") << 0 << 2 << QStringList{"Cegła", "Styropian", "Tynk"};
        QTest::newRow("drugi poniżej ostatniego") << 1 << 9 << QStringList{"Tynk", "Styropian", "Cegła"};
        QTest::newRow("drugi na górę") << 1 << 0 << QStringList{"Cegła", "Tynk", "Styropian"};
        QTest::newRow("na to samo miejsce") << 1 << 1 << QStringList{"Tynk", "Cegła", "Styropian"};
        // clang-format on
    }
    void przeciaganieWierszy() {
        QFETCH(int, z);
        QFETCH(int, na);
        QFETCH(QStringList, nazwy);
        TOkno o;
        o.Warstwy(kTrzy);
        Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")
            ->setCurrentCell(1, 3); // "Cegła", the layer "Usuń warstwę" would take
        QWidget* obszar = Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->viewport();
        const QPoint start = o.Srodek(z, 0);
        const QPoint cel = na < 3 ? o.Srodek(na, 0) : QPoint(start.x(), obszar->height() + 40);
        QTest::mousePress(obszar, Qt::LeftButton, Qt::NoModifier, start);
        QMouseEvent ruch(QEvent::MouseMove, cel, obszar->mapToGlobal(cel), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(obszar, &ruch);
        QTest::mouseRelease(obszar, Qt::LeftButton, Qt::NoModifier, cel);
        QCOMPARE(o.Nazwy(), nazwy);
        QCOMPARE(o.Numery(), (QStringList{"  1.", "  2.", "  3."}));
        // The whole row moved: the dragged layer keeps its numbers.
        const int gdzie = nazwy.indexOf(kTrzy[z][0]);
        QCOMPARE(o.Wiersz(gdzie).mid(1), kTrzy[z]);
        // The current cell, and the stored one, stay on the layer they were on.
        QCOMPARE(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->currentRow(),
                 nazwy.indexOf(QStringLiteral("Cegła")));
        QCOMPARE(ArkuszPrzegrody(o.f)->BiezacyWiersz, nazwy.indexOf(QStringLiteral("Cegła")));
        QCOMPARE(ArkuszPrzegrody(o.f)->BiezacaKolumna, 3);
    }

    void prawyPrzyciskNieZmieniaBiezacejKomorki() {
        TOkno o;
        o.Warstwy(kTrzy);
        Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->setCurrentCell(1, 1);
        QTest::mouseClick(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->viewport(), Qt::RightButton,
                          Qt::NoModifier, o.Srodek(2, 3));
        Kontrolka<QMenu>(o.f, "PopupMenuStrPrzegroda")->close();
        QCOMPARE(ArkuszPrzegrody(o.f)->BiezacyWiersz, 1);
        QCOMPARE(ArkuszPrzegrody(o.f)->BiezacaKolumna, 1);
        QCOMPARE(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->currentRow(), 1);
    }

    void prawyPrzyciskWEdytowanejKomorceDajeMenuSiatki() {
        TOkno o;
        o.Warstwy(kTrzy);
        QLineEdit* e = o.Edytuj(1, 1);
        QVERIFY(e);
        QContextMenuEvent z(QContextMenuEvent::Mouse, QPoint(5, 5), e->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(e, &z);
        QVERIFY(Kontrolka<QMenu>(o.f, "PopupMenuStrPrzegroda")->isVisible());
        Kontrolka<QMenu>(o.f, "PopupMenuStrPrzegroda")->close();
        QCOMPARE(ArkuszPrzegrody(o.f)->BiezacyWiersz, 1);
    }

    void kolumnaNumeruNigdyNieJestBiezaca() {
        TOkno o;
        o.Warstwy(kTrzy);
        Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->setFocus(Qt::OtherFocusReason);
        Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->setCurrentCell(1, 3);
        QTest::keyClick(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda"), Qt::Key_Home);
        QCOMPARE(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->currentColumn(), 1);
        QTest::mouseClick(Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->viewport(), Qt::LeftButton,
                          Qt::NoModifier, o.Srodek(2, 0));
        QCOMPARE(ArkuszPrzegrody(o.f)->BiezacaKolumna, 1);
        QCOMPARE(ArkuszPrzegrody(o.f)->BiezacyWiersz, 1);
    }

    void polecenieNieZabieraFokusu() {
        // Removing a row moves the current cell; the focus stays where the user had it.
        TOkno o;
        o.Warstwy(kTrzy);
        Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda")->setCurrentCell(2, 1);
        Kontrolka<QPushButton>(o.f, "Button2")->setFocus(Qt::OtherFocusReason);
        o.d.Odpowiedzi = {TOdpowiedz::Tak};
        Kontrolka<QPushButton>(o.f, "Button2")->click();
        QCOMPARE(QApplication::focusWidget(), Kontrolka<QPushButton>(o.f, "Button2"));
    }
};

QTEST_MAIN(TestSiatkaWarstw)
#include "tst_siatkawarstw.moc"
