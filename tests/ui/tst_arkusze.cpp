// The sheets as widgets of their own: what each tells the window it sits in, and that the names
// the tests find the main window's controls by lead to one control each.

#include "Kontrolki.h"
#include "core/Liczby.h"
#include "ui/Powitanie.h"
#include "ui/Start.h"
#include "widgets/DialogiTestowe.h"

#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using namespace murolab;

namespace {

// The sheet's fields as the user fills them before "&Wprowadź".
void Wypelnij(TArkuszWarunkow& a, const QString& ti, const QString& te, const QString& fi,
              const QString& fe) {
    Kontrolka<TNumEdit>(a, "NumEditTempWew")->setText(ti);
    Kontrolka<TNumEdit>(a, "NumEditTempZewn")->setText(te);
    Kontrolka<TNumEdit>(a, "NumEditWilgotWewn")->setText(fi);
    Kontrolka<TNumEdit>(a, "NumEditWilgotZewn")->setText(fe);
}

TWarstwa Warstwa(const char* nazwa, double lambda, double mi, double d, std::optional<double> rho = {},
                 std::optional<double> c = {}) {
    TWarstwa w;
    w.Nazwa.UstawUtf8(nazwa);
    w.Lambda = lambda;
    w.Mi = mi;
    w.Grubosc = d;
    w.Gestosc = rho;
    w.Cieplo = c;
    return w;
}

} // namespace

class TestArkusze : public QObject {
    Q_OBJECT
private slots:
    // "&Wprowadź" on the sheet alone: the model takes the fields and the window hears whether they
    // changed it; refused fields leave the model alone and tell nothing.
    void warunkiMowiaCzyZmienily() {
        TModelProjektu model;
        TDialogiTestowe d;
        TArkuszWarunkow a(model, d);
        QSignalSpy wprowadzono(&a, &TArkuszWarunkow::Wprowadzono);

        Wypelnij(a, "21", "-16", "50", "85");
        Kontrolka<QPushButton>(a, "Button6")->click();
        QCOMPARE(wprowadzono.size(), 1);
        QCOMPARE(wprowadzono.at(0).at(0).toBool(), true);
        QCOMPARE(model.WarunkiPracy.TempWew, 21);
        QCOMPARE(model.WarunkiPracy.TempZewn, -16);
        QCOMPARE(QString::fromStdString(model.WarunkiPracy.StrefaKl.Utf8()), QStringLiteral("Strefa I"));

        Kontrolka<QPushButton>(a, "Button6")->click();
        QCOMPARE(wprowadzono.size(), 2);
        QCOMPARE(wprowadzono.at(1).at(0).toBool(), false);

        Wypelnij(a, "21", "-16", "120", "85"); // φi above 100 %
        Kontrolka<QPushButton>(a, "Button6")->click();
        QCOMPARE(wprowadzono.size(), 2);
        QCOMPARE(d.Komunikaty().size(), 1);
        QCOMPARE(model.WarunkiPracy.WilgotWewn, 50);
        QCOMPARE(a.TempWewnetrzna(), 21);
    }

    // Shown, then taken back: the layers of a project pass through the grid unchanged, the empty
    // density and specific heat included.
    void warstwyPrzechodzaPrzezSiatke() {
        TModelProjektu model;
        TDialogiTestowe d;
        TArkuszPrzegrody a(model, d);
        TZawartoscProjektu z;
        z.Warstwy[1] = Warstwa("Tynk cementowo-wapienny", 0.82, 15, 0.015, 1850, 0.84);
        z.Warstwy[2] = Warstwa("Mur z cegły pełnej", 0.77, 10, 0.25);
        z.Warstwy[3] = Warstwa("Styropian EPS 040", 0.04, 60, 0.12, 15, std::nullopt);
        z.LiczbaWarstw = 3;
        model.LiczbaWarstw = 3;
        a.PokazWarstwy(z);
        QCOMPARE(Kontrolka<QTableWidget>(a, "StringGridPrzegroda")->rowCount(), 3);
        QCOMPARE(a.Komorka(2, 0), QStringLiteral("  3."));
        QCOMPARE(a.Komorka(2, 2), QStringLiteral("0,04"));

        a.PobierzWarstwy();
        QVERIFY(d.Wywolania.isEmpty());
        for (int k = 1; k <= 3; ++k) {
            const TWarstwa& w = model.Warstwy[k];
            const TWarstwa& wzor = z.Warstwy[k];
            QCOMPARE(QString::fromStdString(w.Nazwa.Utf8()), QString::fromStdString(wzor.Nazwa.Utf8()));
            QCOMPARE(w.Lambda, wzor.Lambda);
            QCOMPARE(w.Mi, wzor.Mi);
            QCOMPARE(w.Grubosc, wzor.Grubosc);
            QCOMPARE(w.Gestosc, wzor.Gestosc);
            QCOMPARE(w.Cieplo, wzor.Cieplo);
        }
    }

    // An edit of a cell is an edit of the project; the grid tells its window.
    void siatkaZglaszaZmiany() {
        TModelProjektu model;
        TDialogiTestowe d;
        TArkuszPrzegrody a(model, d);
        QSignalSpy zmieniono(&a, &TArkuszPrzegrody::Zmieniono);
        QSignalSpy pokazMnie(&a, &TArkuszPrzegrody::PokazMnie);
        a.DodajWiersz();
        a.WpiszWiersz(0, "Cegła", "0,77", "10", "0,25", {}, {});
        QVERIFY(!zmieniono.isEmpty());
        QCOMPARE(pokazMnie.size(), 1);
        zmieniono.clear();
        Kontrolka<QTableWidget>(a, "StringGridPrzegroda")->item(0, 4)->setText(QStringLiteral("0,38"));
        QCOMPARE(zmieniono.size(), 1);
    }

    // Each name the tests look up leads to exactly one control of the main window as the program
    // starts it, its dialogs included (they are its children): a second control of the same name
    // would make a test act on the wrong one.
    void nazwyKontrolekSaJednoznaczne() {
        TDialogiTestowe d;
        QTemporaryDir uzytkownika;
        TStart start(d, 0, MUROLAB_DANE_ZRODLOWE, uzytkownika.path().toStdString());
        start.PoUtworzeniuPowitania = [](TFormPowitanie& p) { p.Uspij = [](int) {}; };
        start.Uruchom();
        const TFormPrzegroda& okno = *start.Okno();
        const char* nazwy[] = {"TabSheetWarPracy",
                               "TabSheetPrzegroda",
                               "TabSheetObliczenia",
                               "TabSheetWykresCisnien",
                               "TabSheetWykresTemperat",
                               "ArkuszKondensacji",
                               "PageControlPrzegroda",
                               "BitBtnOblicz",
                               "StatusBar1",
                               "LabelStan",
                               "ComboBoxTypPrzegrody",
                               "ComboBoxStrefaKl",
                               "ComboBoxWarunkiWilg",
                               "ComboBoxRsi",
                               "ComboBoxRse",
                               "NumEditTempWew",
                               "NumEditTempZewn",
                               "NumEditWilgotWewn",
                               "NumEditWilgotZewn",
                               "Button6",
                               "StringGridPrzegroda",
                               "LabelTi",
                               "LabelTe",
                               "LabelFi",
                               "LabelFe",
                               "Button1",
                               "Button2",
                               "Button3",
                               "Button5",
                               "PopupMenuStrPrzegroda",
                               "Dodajwarstw1",
                               "Usuwarstw1",
                               "Dobierzgrubosc1",
                               "RichEditNr",
                               "RichEditMaterial",
                               "RichEditLambda",
                               "RichEditMi",
                               "RichEditGrubosc",
                               "RichEditR",
                               "RichEditDelta",
                               "RichEditSpadek",
                               "RichEditTemp",
                               "RichEditCisNasy",
                               "RichEditCisCzast",
                               "LabeLKomunikat",
                               "LabelKomunikat3",
                               "LabelKomunikat4",
                               "LabelUk",
                               "LabelI",
                               "LabelP",
                               "LabelKondensacjaWewnatrz",
                               "ChartCisnienie",
                               "ChartTemperatura",
                               "Nowy1",
                               "Otwrz1",
                               "Zapisz1",
                               "Podgldwydruku1",
                               "Wyjcie1",
                               "Edycjaprzegrody1",
                               "Warunkipracy1",
                               "Mostkicieplne1",
                               "Projektdane1",
                               "Obliczenia2",
                               "Wykresci1",
                               "Wykrestemperatur1",
                               "Kondensacja1",
                               "Pomoc1",
                               "Oprogramie2"};
        auto wlasne = [](const QObject& forma, const QString& nazwa) {
            int n = 0;
            for (const QObject* k : forma.findChildren<QObject*>(nazwa))
                n += !WDialoguPod(k, &forma);
            return n;
        };
        for (const char* nazwa : nazwy)
            QVERIFY2(wlasne(okno, QLatin1String(nazwa)) == 1, nazwa);
        // And within each dialog, each of its names is its own (Qt's internal names and the stale
        // marks, one per result sheet by design, aside).
        const QList<QDialog*> dialogi = okno.findChildren<QDialog*>();
        QVERIFY(dialogi.size() >= 4);
        for (const QObject* forma : dialogi) {
            for (const QObject* k : forma->findChildren<QObject*>()) {
                const QString nazwa = k->objectName();
                if (nazwa.isEmpty() || nazwa.startsWith(QLatin1String("qt_")) || WDialoguPod(k, forma))
                    continue;
                QVERIFY2(wlasne(*forma, nazwa) == 1, qPrintable(nazwa));
            }
        }
    }
};

QTEST_MAIN(TestArkusze)
#include "tst_arkusze.moc"
