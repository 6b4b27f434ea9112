// The corrections dialog: its controls, the checks with their mixed bounds and their order, what is
// stored (and what is not), the key filters and tidying of the two lists, and the loading of stored
// corrections back into the controls.

#include "NarzedziaTestow.h"
#include "ui/FormMostkiTerm.h"
#include "ui/KontekstPomocy.h"
#include "widgets/DialogiTestowe.h"
#include "widgets/NumEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace murolab;
using murolab::testy::Klawisz;

namespace {

const QString kUwaga = QStringLiteral("Murolab -UWAGA !!!");
const QString kMsgWarstwa =
    QStringLiteral("Nr. podanej warstwy jest niepoprawny. Jeżeli nadal będze pojawial się taki "
                   "komunikat zajrzyj do pomocy programu.");
const QString kMsgLambda =
    QStringLiteral("Podana wartść wspł. przewodzenia ciepła łącznika jest niepoprawna ! Jeżeli "
                   "nadal będze pojawial się taki komunikat zajrzyj do pomocy programu");
const QString kMsgLiczba =
    QStringLiteral("Wprowadzona ilość łączników jest niepoprawna! Jeżeli nadal będze pojawial "
                   "się taki komunikat zajrzyj do pomocy programu");
const QString kMsgPole =
    QStringLiteral("Wprowadzone pole powierzchni łączników jest niepoprawne! Jeżeli nadal będze "
                   "pojawial się taki komunikat zajrzyj do pomocy programu");
const QString kMsgWlasny =
    QStringLiteral("Podana wartść dodatku własnego jest niepoprawna ! Jeżeli nadal będze "
                   "pojawial się taki komunikat zajrzyj do pomocy programu");

// A dialog with its own fake seam, model and stand-in main window.
struct TStanowisko {
    TDialogiTestowe d;
    TModelProjektu model;
    QWidget okno;
    TFormMostkiTerm form{model, d, &okno};

    TStanowisko(int liczbaWarstw = 3) { model.LiczbaWarstw = liczbaWarstw; }

    // Fills every group with values that pass and ticks all three boxes.
    void WszystkoPoprawne() {
        Kontrolka<QCheckBox>(form, "CheckBoxDeltaUg")->setChecked(true);
        Kontrolka<TNumEdit>(form, "NumEditNrNieszczelnosci")->setText("2");
        Kontrolka<QComboBox>(form, "ComboBoxDeltaU")->setEditText("0,01");
        Kontrolka<QCheckBox>(form, "CheckBoxDeltaUf")->setChecked(true);
        Kontrolka<TNumEdit>(form, "NumEditLambdaF")->setText("50");
        Kontrolka<QComboBox>(form, "ComboBoxAlfa")->setEditText("5");
        Kontrolka<TNumEdit>(form, "NumEditLiczbaF")->setText("4");
        Kontrolka<TNumEdit>(form, "NumEditPoleF")->setText("0,5");
        Kontrolka<QCheckBox>(form, "CheckBoxMostekWlasny")->setChecked(true);
        Kontrolka<TNumEdit>(form, "NumEditMostekWlasny")->setText("0,1");
    }
    // Shows the dialog as the main window does, lets `akcja` work on it and returns the result.
    int Pokaz(const std::function<void()>& akcja) {
        d.Modalnie = [&](QDialog*) { akcja(); };
        return d.PokazModalnie(&form);
    }
};

bool RowneWarunki(const TWarunkiPracy& a, const TWarunkiPracy& b) {
    return a.NrNieszczelnosci == b.NrNieszczelnosci && a.DeltaU == b.DeltaU && a.LambdaF == b.LambdaF &&
           a.Alfa == b.Alfa && a.LiczbaF == b.LiczbaF && a.PoleF == b.PoleF && a.DeltaUk == b.DeltaUk &&
           a.MostekWlasny == b.MostekWlasny && a.TempZewn == b.TempZewn && a.Rsi == b.Rsi;
}

// What the dialog shows: the texts of Nr, λf, nf, Af, the own addition, ΔU″ and αf; then, as 0/1,
// which of those seven fields are enabled (Nr, ΔU″, λf, αf, nf, Af, own) and which of the three boxes
// are ticked; last the chosen ΔUk button.
QStringList Kontrolki(const TFormMostkiTerm& f) {
    QStringList k;
    for (const TNumEdit* e :
         {Kontrolka<TNumEdit>(f, "NumEditNrNieszczelnosci"), Kontrolka<TNumEdit>(f, "NumEditLambdaF"),
          Kontrolka<TNumEdit>(f, "NumEditLiczbaF"), Kontrolka<TNumEdit>(f, "NumEditPoleF"),
          Kontrolka<TNumEdit>(f, "NumEditMostekWlasny")})
        k << e->text();
    k << Kontrolka<QComboBox>(f, "ComboBoxDeltaU")->currentText()
      << Kontrolka<QComboBox>(f, "ComboBoxAlfa")->currentText();
    QString wlaczone;
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             Kontrolka<TNumEdit>(f, "NumEditNrNieszczelnosci"), Kontrolka<QComboBox>(f, "ComboBoxDeltaU"),
             Kontrolka<TNumEdit>(f, "NumEditLambdaF"), Kontrolka<QComboBox>(f, "ComboBoxAlfa"),
             Kontrolka<TNumEdit>(f, "NumEditLiczbaF"), Kontrolka<TNumEdit>(f, "NumEditPoleF"),
             Kontrolka<TNumEdit>(f, "NumEditMostekWlasny")})
        wlaczone += w->isEnabled() ? u'1' : u'0';
    QString zaznaczone;
    for (const QCheckBox* c :
         {Kontrolka<QCheckBox>(f, "CheckBoxDeltaUg"), Kontrolka<QCheckBox>(f, "CheckBoxDeltaUf"),
          Kontrolka<QCheckBox>(f, "CheckBoxMostekWlasny")})
        zaznaczone += c->isChecked() ? u'1' : u'0';
    QString uk;
    for (const QRadioButton* r :
         {Kontrolka<QRadioButton>(f, "RadioButtonUk000"), Kontrolka<QRadioButton>(f, "RadioButtonUk005"),
          Kontrolka<QRadioButton>(f, "RadioButtonUk015")})
        if (r->isChecked())
            uk += r->text();
    return k << wlaczone << zaznaczone << uk;
}

} // namespace

Q_DECLARE_METATYPE(murolab::TWarunkiPracy)

class TestMostki : public QObject {
    Q_OBJECT
private slots:
    // At start-up and after New; New keeps the texts of nf and Af.
    void domyslne_data() {
        QTest::addColumn<bool>("poNowym");
        QTest::addColumn<QStringList>("kontrolki");
        QTest::newRow("na poczatku") << false << QStringList{"0",    "0", "0",       "0",   "0",
                                                             "0,00", "6", "0000000", "000", "0,00"};
        QTest::newRow("po poleceniu Nowy")
            << true << QStringList{"0", "0", "4", "0,5", "0", "0,00", "6", "0000000", "000", "0,00"};
    }
    void domyslne() {
        QFETCH(bool, poNowym);
        QFETCH(QStringList, kontrolki);
        TStanowisko s;
        TFormMostkiTerm& f = s.form;
        if (poNowym) {
            s.WszystkoPoprawne();
            Kontrolka<QRadioButton>(f, "RadioButtonUk015")->setChecked(true);
            f.UstawDomyslnePoprawki();
        }
        QCOMPARE(Kontrolki(f), kontrolki);
        QCOMPARE(f.size(), QSize(692, 473));
        QCOMPARE(f.minimumSize(), f.maximumSize());
    }

    void kolejnosc_tab_i_pomoc() {
        TStanowisko s;
        TFormMostkiTerm& f = s.form;
        const QList<QWidget*> oczekiwana{
            Kontrolka<QCheckBox>(f, "CheckBoxDeltaUg"),     Kontrolka<TNumEdit>(f, "NumEditNrNieszczelnosci"),
            Kontrolka<QComboBox>(f, "ComboBoxDeltaU"),      Kontrolka<QCheckBox>(f, "CheckBoxDeltaUf"),
            Kontrolka<TNumEdit>(f, "NumEditLambdaF"),       Kontrolka<QComboBox>(f, "ComboBoxAlfa"),
            Kontrolka<TNumEdit>(f, "NumEditLiczbaF"),       Kontrolka<TNumEdit>(f, "NumEditPoleF"),
            Kontrolka<QRadioButton>(f, "RadioButtonUk000"), Kontrolka<QRadioButton>(f, "RadioButtonUk005"),
            Kontrolka<QRadioButton>(f, "RadioButtonUk015"), Kontrolka<QPushButton>(f, "Button1"),
            Kontrolka<QPushButton>(f, "Button2"),           Kontrolka<QCheckBox>(f, "CheckBoxMostekWlasny"),
            Kontrolka<TNumEdit>(f, "NumEditMostekWlasny")};
        for (qsizetype i = 1; i < oczekiwana.size(); ++i) {
            // The next focusable widget in the chain (a combo box's line edit is its proxy, skip it).
            QWidget* w = oczekiwana[i - 1]->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || w->focusProxy())
                w = w->nextInFocusChain();
            QCOMPARE(w, oczekiwana[i]);
        }
        for (QWidget* w : oczekiwana)
            if (!qobject_cast<QPushButton*>(w))
                QCOMPARE(KontekstPomocy(w), 9);
    }

    void pola_wlaczane_przez_pola_wyboru() {
        TStanowisko s;
        TFormMostkiTerm& f = s.form;
        Kontrolka<TNumEdit>(f, "NumEditLambdaF")->setText("12");
        // A click and a tick from code act alike; texts stay either way.
        Kontrolka<QCheckBox>(f, "CheckBoxDeltaUf")->click();
        QVERIFY(Kontrolka<TNumEdit>(f, "NumEditLambdaF")->isEnabled() &&
                Kontrolka<QComboBox>(f, "ComboBoxAlfa")->isEnabled() &&
                Kontrolka<TNumEdit>(f, "NumEditLiczbaF")->isEnabled() &&
                Kontrolka<TNumEdit>(f, "NumEditPoleF")->isEnabled());
        QVERIFY(!Kontrolka<TNumEdit>(f, "NumEditNrNieszczelnosci")->isEnabled() &&
                !Kontrolka<TNumEdit>(f, "NumEditMostekWlasny")->isEnabled());
        Kontrolka<QCheckBox>(f, "CheckBoxDeltaUf")->setChecked(false);
        QVERIFY(!Kontrolka<TNumEdit>(f, "NumEditLambdaF")->isEnabled() &&
                !Kontrolka<TNumEdit>(f, "NumEditPoleF")->isEnabled());
        QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditLambdaF")->text(), QStringLiteral("12"));
        Kontrolka<QCheckBox>(f, "CheckBoxDeltaUg")->setChecked(true);
        QVERIFY(Kontrolka<TNumEdit>(f, "NumEditNrNieszczelnosci")->isEnabled() &&
                Kontrolka<QComboBox>(f, "ComboBoxDeltaU")->isEnabled());
        Kontrolka<QCheckBox>(f, "CheckBoxMostekWlasny")->click();
        QVERIFY(Kontrolka<TNumEdit>(f, "NumEditMostekWlasny")->isEnabled());
        // The three radio buttons are one choice.
        Kontrolka<QRadioButton>(f, "RadioButtonUk015")->click();
        QVERIFY(Kontrolka<QRadioButton>(f, "RadioButtonUk015")->isChecked() &&
                !Kontrolka<QRadioButton>(f, "RadioButtonUk000")->isChecked());
        Kontrolka<QRadioButton>(f, "RadioButtonUk005")->click();
        QVERIFY(Kontrolka<QRadioButton>(f, "RadioButtonUk005")->isChecked() &&
                !Kontrolka<QRadioButton>(f, "RadioButtonUk015")->isChecked());
    }

    // One group ticked at a time; the value typed into the field under test, everything else valid.
    void sprawdzenia_data() {
        QTest::addColumn<int>("liczbaWarstw");
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("wartosc");
        QTest::addColumn<QString>("komunikat"); // empty: passes

        const auto wiersz = [](const char* nazwa, int liczbaWarstw, const char* pole, const char* wartosc,
                               const QString& komunikat) {
            QTest::newRow(nazwa) << liczbaWarstw << QString(pole) << QString(wartosc) << komunikat;
        };
        wiersz("3 warstwy, nr 3 przechodzi", 3, "Nr", "3", {});
        wiersz("3 warstwy, nr 4 odrzucony", 3, "Nr", "4", kMsgWarstwa);
        wiersz("nr 0 odrzucony", 3, "Nr", "0", kMsgWarstwa);
        wiersz("bez warstw nr 1 odrzucony", 0, "Nr", "1", kMsgWarstwa);
        wiersz("12 warstw z pliku, nr 10 przechodzi", 12, "Nr", "10", {});
        wiersz("12 warstw z pliku, nr 11 odrzucony", 12, "Nr", "11", kMsgWarstwa);
        wiersz("lambda f 1000 przechodzi", 3, "LambdaF", "1000", {});
        wiersz("lambda f 1000,001 odrzucona", 3, "LambdaF", "1000,001", kMsgLambda);
        wiersz("lambda f 0 odrzucona", 3, "LambdaF", "0", kMsgLambda);
        wiersz("lambda f ujemna odrzucona", 3, "LambdaF", "-1", kMsgLambda);
        wiersz("nf 99 przechodzi", 3, "LiczbaF", "99", {});
        wiersz("nf 0 odrzucona", 3, "LiczbaF", "0", kMsgLiczba);
        wiersz("nf 100 z programu odrzucona", 3, "LiczbaF", "100", kMsgLiczba);
        wiersz("Af 99,99 przechodzi", 3, "PoleF", "99,99", {});
        wiersz("Af 100 odrzucone", 3, "PoleF", "100", kMsgPole);
        wiersz("Af 0 odrzucone", 3, "PoleF", "0", kMsgPole);
        wiersz("wlasny 10 przechodzi", 3, "Wlasny", "10", {});
        wiersz("wlasny 10,1 odrzucony", 3, "Wlasny", "10,1", kMsgWlasny);
        wiersz("wlasny 0 odrzucony", 3, "Wlasny", "0", kMsgWlasny);
    }
    void sprawdzenia() {
        QFETCH(int, liczbaWarstw);
        QFETCH(QString, pole);
        QFETCH(QString, wartosc);
        QFETCH(QString, komunikat);
        TStanowisko s(liczbaWarstw);
        TFormMostkiTerm& f = s.form;
        TNumEdit* badane = nullptr;
        if (pole == "Nr") {
            Kontrolka<QCheckBox>(f, "CheckBoxDeltaUg")->setChecked(true);
            badane = Kontrolka<TNumEdit>(f, "NumEditNrNieszczelnosci");
        } else if (pole == "Wlasny") {
            Kontrolka<QCheckBox>(f, "CheckBoxMostekWlasny")->setChecked(true);
            badane = Kontrolka<TNumEdit>(f, "NumEditMostekWlasny");
        } else {
            Kontrolka<QCheckBox>(f, "CheckBoxDeltaUf")->setChecked(true);
            Kontrolka<TNumEdit>(f, "NumEditLambdaF")->setText("50");
            Kontrolka<TNumEdit>(f, "NumEditLiczbaF")->setText("4");
            Kontrolka<TNumEdit>(f, "NumEditPoleF")->setText("0,5");
            badane = pole == "LambdaF"   ? Kontrolka<TNumEdit>(f, "NumEditLambdaF")
                     : pole == "LiczbaF" ? Kontrolka<TNumEdit>(f, "NumEditLiczbaF")
                                         : Kontrolka<TNumEdit>(f, "NumEditPoleF");
        }
        badane->setText(wartosc);
        const TWarunkiPracy przed = s.model.WarunkiPracy;

        const bool wynik = f.SprawdzPoprawki();

        QCOMPARE(wynik, komunikat.isEmpty());
        if (komunikat.isEmpty()) {
            QVERIFY(s.d.Komunikaty().isEmpty());
            QCOMPARE(badane->text(), wartosc);
        } else {
            const auto k = s.d.Komunikaty();
            QCOMPARE(k.size(), 1);
            QCOMPARE(k[0].Tekst, komunikat);
            QCOMPARE(k[0].Tytul, kUwaga);
            QCOMPARE(k[0].Ikona, TIkona::Stop);
            QCOMPARE(k[0].Przyciski, TPrzyciski::Ok);
            QCOMPARE(badane->text(), QStringLiteral("0"));
        }
        QVERIFY(RowneWarunki(przed, s.model.WarunkiPracy));
    }

    void niezaznaczone_grupy_nie_sa_sprawdzane() {
        TStanowisko s(0);
        TFormMostkiTerm& f = s.form;
        // Stale values in disabled fields: neither checked nor stored.
        Kontrolka<TNumEdit>(f, "NumEditNrNieszczelnosci")->setText("99");
        Kontrolka<TNumEdit>(f, "NumEditLambdaF")->setText("5000");
        Kontrolka<TNumEdit>(f, "NumEditMostekWlasny")->setText("0");
        Kontrolka<QComboBox>(f, "ComboBoxAlfa")->setEditText("9");
        s.model.WarunkiPracy.LambdaF = 3;
        s.model.WarunkiPracy.MostekWlasny = 0.1;
        QVERIFY(f.SprawdzPoprawki());
        f.ZapiszPoprawki();
        const TWarunkiPracy& w = s.model.WarunkiPracy;
        QCOMPARE(w.NrNieszczelnosci, 0);
        QCOMPARE(w.DeltaU, 0.0);
        QCOMPARE(w.LambdaF, 0.0);
        QCOMPARE(w.Alfa, 0);
        QCOMPARE(w.LiczbaF, 0);
        QCOMPARE(w.PoleF, 0.0);
        QCOMPARE(w.DeltaUk, 0.0);
        QCOMPARE(w.MostekWlasny, 0.0);
    }

    void trzy_bledne_grupy_po_kolei() {
        TStanowisko s(3);
        TFormMostkiTerm& f = s.form;
        // All within one showing: closing the dialog brings back what the model holds.
        const int wynik = s.Pokaz([&] {
            s.WszystkoPoprawne();
            Kontrolka<TNumEdit>(f, "NumEditNrNieszczelnosci")->setText("7");
            Kontrolka<TNumEdit>(f, "NumEditLambdaF")->setText("1001");
            Kontrolka<TNumEdit>(f, "NumEditMostekWlasny")->setText("11");
            Kontrolka<QPushButton>(f, "Button1")->click();
            QCOMPARE(s.d.TekstyKomunikatow(), QStringList{kMsgWarstwa});
            QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditNrNieszczelnosci")->text(), QStringLiteral("0"));
            QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditLambdaF")->text(), QStringLiteral("1001"));

            s.d.Wyczysc();
            Kontrolka<TNumEdit>(f, "NumEditNrNieszczelnosci")->setText("1");
            Kontrolka<QPushButton>(f, "Button1")->click();
            QCOMPARE(s.d.TekstyKomunikatow(), QStringList{kMsgLambda});
            QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditMostekWlasny")->text(), QStringLiteral("11"));

            s.d.Wyczysc();
            Kontrolka<TNumEdit>(f, "NumEditLambdaF")->setText("1000");
            Kontrolka<QPushButton>(f, "Button1")->click();
            QCOMPARE(s.d.TekstyKomunikatow(), QStringList{kMsgWlasny});
        });
        QCOMPARE(wynik, int(QDialog::Rejected));
        QCOMPARE(s.model.WarunkiPracy.NrNieszczelnosci, 0); // nothing stored
    }

    void wprowadz_zapisuje_wszystko() {
        TStanowisko s(3);
        TFormMostkiTerm& f = s.form;
        s.WszystkoPoprawne();
        const int wynik = s.Pokaz([&] {
            Kontrolka<QRadioButton>(f, "RadioButtonUk005")->click();
            Kontrolka<QPushButton>(f, "Button1")->click();
        });
        QCOMPARE(wynik, int(QDialog::Accepted));
        QVERIFY(s.d.Komunikaty().isEmpty());
        QVERIFY(!f.isVisible());
        const TWarunkiPracy& w = s.model.WarunkiPracy;
        QCOMPARE(w.NrNieszczelnosci, 2);
        QCOMPARE(w.DeltaU, 0.01);
        QCOMPARE(w.LambdaF, 50.0);
        QCOMPARE(w.Alfa, 5);
        QCOMPARE(w.LiczbaF, 4);
        QCOMPARE(w.PoleF, 0.5);
        QCOMPARE(w.DeltaUk, 0.05);
        QCOMPARE(w.MostekWlasny, 0.1);

        // Clearing the own addition and confirming again stores 0 for it, and keeps the rest.
        s.Pokaz([&] {
            Kontrolka<QCheckBox>(f, "CheckBoxMostekWlasny")->click();
            Kontrolka<QRadioButton>(f, "RadioButtonUk015")->click();
            Kontrolka<QPushButton>(f, "Button1")->click();
        });
        QCOMPARE(s.model.WarunkiPracy.MostekWlasny, 0.0);
        QCOMPARE(s.model.WarunkiPracy.DeltaUk, 0.15);
        QCOMPARE(s.model.WarunkiPracy.LambdaF, 50.0);
    }

    void tekst_ktory_nie_jest_liczba_nie_zapisuje_nic() {
        TStanowisko s(3);
        TFormMostkiTerm& f = s.form;
        s.WszystkoPoprawne();
        // The air-void level is not checked, only converted: a lone separator must not leave the
        // fastener values stored and the air-void values not.
        Kontrolka<QComboBox>(f, "ComboBoxDeltaU")->setEditText(",");
        s.model.WarunkiPracy.LambdaF = 7;
        const int wynik = s.Pokaz([&] { Kontrolka<QPushButton>(f, "Button1")->click(); });
        QCOMPARE(wynik, int(QDialog::Rejected));
        QCOMPARE(s.d.Bledy(), QStringList{QStringLiteral("„,” nie jest poprawną liczbą rzeczywistą")});
        QCOMPARE(s.model.WarunkiPracy.LambdaF, 7.0);
        QCOMPARE(s.model.WarunkiPracy.NrNieszczelnosci, 0);
    }

    void anuluj_i_zamkniecie_nie_zapisuja() {
        TStanowisko s(3);
        TFormMostkiTerm& f = s.form;
        s.model.WarunkiPracy.DeltaUk = 0.15;
        s.model.WarunkiPracy.MostekWlasny = 0.2;
        const TWarunkiPracy przed = s.model.WarunkiPracy;
        s.okno.show();

        bool oknoUkryte = false;
        int wynik = s.Pokaz([&] {
            oknoUkryte = !s.okno.isVisible();
            s.WszystkoPoprawne();
            Kontrolka<QRadioButton>(f, "RadioButtonUk005")->click();
            Kontrolka<QPushButton>(f, "Button2")->click();
        });
        QCOMPARE(wynik, int(QDialog::Rejected));
        QVERIFY(oknoUkryte);
        QVERIFY(s.okno.isVisible());
        QVERIFY(RowneWarunki(przed, s.model.WarunkiPracy));
        // What was typed and not confirmed is gone: the controls show the model again.
        QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditLambdaF")->text(), QStringLiteral("0"));
        QVERIFY(!Kontrolka<QCheckBox>(f, "CheckBoxDeltaUf")->isChecked());
        QVERIFY(Kontrolka<QRadioButton>(f, "RadioButtonUk015")->isChecked());
        QVERIFY(Kontrolka<QCheckBox>(f, "CheckBoxMostekWlasny")->isChecked());
        QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditMostekWlasny")->text(), QStringLiteral("0,2"));

        // The close box.
        oknoUkryte = false;
        wynik = s.Pokaz([&] {
            oknoUkryte = !s.okno.isVisible();
            Kontrolka<TNumEdit>(f, "NumEditLambdaF")->setText("60");
            f.close();
        });
        QCOMPARE(wynik, int(QDialog::Rejected));
        QVERIFY(oknoUkryte);
        QVERIFY(s.okno.isVisible());
        QVERIFY(!f.isVisible());
        QVERIFY(RowneWarunki(przed, s.model.WarunkiPracy));
        QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditLambdaF")->text(), QStringLiteral("0"));

        // Confirming shows the main window again as well.
        s.Pokaz([&] {
            s.WszystkoPoprawne();
            Kontrolka<TNumEdit>(f, "NumEditLambdaF")->setText("60");
            Kontrolka<QPushButton>(f, "Button1")->click();
        });
        QVERIFY(s.okno.isVisible());
        QCOMPARE(s.model.WarunkiPracy.LambdaF, 60.0);

        // A main window that was not on screen is not brought up by the dialog.
        s.okno.hide();
        s.Pokaz([&] { Kontrolka<QPushButton>(f, "Button2")->click(); });
        QVERIFY(!s.okno.isVisible());
    }

    void filtr_delta_u_data() {
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QString>("wynik");
        QTest::addColumn<int>("sygnaly");
        const auto wiersz = [](const char* nazwa, const char* wpisane, const char* wynik, int sygnaly) {
            QTest::newRow(nazwa) << QString(wpisane) << QString(wynik) << sygnaly;
        };
        wiersz("drugi przecinek po cichu", "0,0,4", "0,04", 0);
        wiersz("kropka piszczy", "0.5", "05", 1);
        wiersz("litera i minus pisza", "a-1", "1", 2);
        wiersz("najwyzej 7 znakow", "0,123456789", "0,12345", 0);
    }
    void filtr_delta_u() {
        QFETCH(QString, wpisane);
        QFETCH(QString, wynik);
        QFETCH(int, sygnaly);
        TStanowisko s;
        QComboBox* c = Kontrolka<QComboBox>(s.form, "ComboBoxDeltaU");
        Kontrolka<QCheckBox>(s.form, "CheckBoxDeltaUg")->setChecked(true);
        // Typed with the focus in the list, as a user types (completion from the items would act).
        s.form.show();
        QApplication::setActiveWindow(&s.form);
        QVERIFY(QTest::qWaitForWindowActive(&s.form));
        c->setFocus();
        c->setEditText("");
        testy::Pisz(c, wpisane);
        QCOMPARE(c->currentText(), wynik);
        QCOMPARE(s.d.Sygnaly, sygnaly);
        QCOMPARE(c->count(), 3); // Enter or typing never adds items
    }

    // One key at the end of a list's text.
    void filtr_klawisza_data() {
        QTest::addColumn<bool>("deltaU");
        QTest::addColumn<QString>("poczatek");
        QTest::addColumn<int>("klawisz");
        QTest::addColumn<QString>("znak");
        QTest::addColumn<QString>("wynik");
        QTest::addColumn<int>("sygnaly");
        const auto wiersz = [](const char* nazwa, bool deltaU, const char* poczatek, Qt::Key klawisz,
                               const char* znak, const char* wynik, int sygnaly) {
            QTest::newRow(nazwa) << deltaU << QString(poczatek) << int(klawisz) << QString(znak)
                                 << QString(wynik) << sygnaly;
        };
        wiersz("delta U backspace", true, "0,04", Qt::Key_Backspace, "\b", "0,0", 0);
        wiersz("delta U enter", true, "0,04", Qt::Key_Return, "\r", "0,04", 0);
        wiersz("alfa cyfra", false, "6", Qt::Key_5, "5", "65", 0);
        wiersz("alfa przecinek piszczy", false, "6", Qt::Key_Comma, ",", "6", 1);
        wiersz("alfa backspace usuwa", false, "6", Qt::Key_Backspace, "\b", "", 0);
        wiersz("alfa kropka piszczy", false, "6", Qt::Key_Period, ".", "6", 1);
        wiersz("alfa enter przechodzi", false, "6", Qt::Key_Return, "\r", "6", 0);
        wiersz("alfa osmy znak nie wchodzi", false, "1234567", Qt::Key_8, "8", "1234567", 0);
    }
    void filtr_klawisza() {
        QFETCH(bool, deltaU);
        QFETCH(QString, poczatek);
        QFETCH(int, klawisz);
        QFETCH(QString, znak);
        QFETCH(QString, wynik);
        QFETCH(int, sygnaly);
        TStanowisko s;
        QComboBox* c = deltaU ? Kontrolka<QComboBox>(s.form, "ComboBoxDeltaU")
                              : Kontrolka<QComboBox>(s.form, "ComboBoxAlfa");
        c->setEnabled(true);
        c->setEditText(poczatek);
        c->lineEdit()->setCursorPosition(poczatek.size());
        Klawisz(c, Qt::Key(klawisz), znak);
        QCOMPARE(c->currentText(), wynik);
        QCOMPARE(s.d.Sygnaly, sygnaly);
        QCOMPARE(c->count(), deltaU ? 3 : 2); // Enter never adds an item
    }

    // Leaving a list tidies its text; a programmatic text is not cut to the typing limit.
    void opuszczenie_listy_data() {
        QTest::addColumn<bool>("deltaU");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("wynik");
        QTest::addColumn<QString>("blad");
        const auto wiersz = [](const char* nazwa, bool deltaU, const char* tekst, const char* wynik,
                               const char* blad) {
            QTest::newRow(nazwa) << deltaU << QString(tekst) << QString(wynik) << QString(blad);
        };
        wiersz("delta U 0,010", true, "0,010", "0,01", "");
        wiersz("delta U pusta", true, "", "0,00", "");
        wiersz("delta U 0,00 z listy", true, "0,00", "0", "");
        wiersz("delta U ,5", true, ",5", "0,5", "");
        wiersz("delta U sam przecinek", true, ",", ",", "„,” nie jest poprawną liczbą rzeczywistą");
        wiersz("alfa pusta", false, "", "6", "");
        wiersz("alfa 007", false, "007", "7", "");
    }
    void opuszczenie_listy() {
        QFETCH(bool, deltaU);
        QFETCH(QString, tekst);
        QFETCH(QString, wynik);
        QFETCH(QString, blad);
        TStanowisko s;
        TFormMostkiTerm& f = s.form;
        Kontrolka<QCheckBox>(f, "CheckBoxDeltaUg")->setChecked(true);
        Kontrolka<QCheckBox>(f, "CheckBoxDeltaUf")->setChecked(true);
        QComboBox* c =
            deltaU ? Kontrolka<QComboBox>(f, "ComboBoxDeltaU") : Kontrolka<QComboBox>(f, "ComboBoxAlfa");
        f.show();
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        c->setFocus();
        QCOMPARE(QApplication::focusWidget(), c);
        c->setEditText(tekst);
        Kontrolka<TNumEdit>(f, "NumEditLambdaF")->setFocus();
        QCOMPARE(c->currentText(), wynik);
        QCOMPARE(s.d.Bledy(), blad.isEmpty() ? QStringList{} : QStringList{blad});
        f.reject();
    }

    void wprowadz_skrotem_z_pustym_polem() {
        // "&Wprowadź" reached by Alt+W leaves the focus in the field: the emptied field is read as
        // it would be after leaving it ("0"), so the range message comes, not a conversion error.
        TStanowisko s(3);
        TFormMostkiTerm& f = s.form;
        s.WszystkoPoprawne();
        s.Pokaz([&] {
            QApplication::setActiveWindow(&f);
            Kontrolka<TNumEdit>(f, "NumEditLambdaF")->setFocus();
            Kontrolka<TNumEdit>(f, "NumEditLambdaF")->clear();
            Kontrolka<QPushButton>(f, "Button1")->click();
        });
        QCOMPARE(s.d.TekstyKomunikatow(), QStringList{kMsgLambda});
        QVERIFY(s.d.Bledy().isEmpty());
    }

    // A loaded project's corrections in the controls; the "0,05" button was chosen before.
    void pokaz_poprawki_data() {
        QTest::addColumn<TWarunkiPracy>("w");
        QTest::addColumn<QStringList>("kontrolki");
        const auto wiersz = [](const char* nazwa, int nr, double deltaU, double lambdaF, int alfa,
                               int liczbaF, double poleF, double deltaUk, double wlasny,
                               const QStringList& kontrolki) {
            TWarunkiPracy w;
            w.NrNieszczelnosci = nr;
            w.DeltaU = deltaU;
            w.LambdaF = lambdaF;
            w.Alfa = alfa;
            w.LiczbaF = liczbaF;
            w.PoleF = poleF;
            w.DeltaUk = deltaUk;
            w.MostekWlasny = wlasny;
            QTest::newRow(nazwa) << w << kontrolki;
        };
        // Written by the program: ΔU″ is not cut to the 7 characters a user may type.
        wiersz("wszystkie grupy", 12, 0.0123456789, 58, 5, 6, 0.0000125, 0, 0.1,
               {"12", "58", "6", "0,0000125", "0,1", "0,0123456789", "5", "1111111", "111", "0,00"});
        wiersz("lacznik bez alfa nie zaznacza", 0, 0, 58, 0, 6, 0, 0, 0,
               {"0", "0", "0", "0", "0", "0,00", "6", "0000000", "000", "0,00"});
        wiersz("delta Uk 0,05", 0, 0, 0, 0, 0, 0, 0.05, 0,
               {"0", "0", "0", "0", "0", "0,00", "6", "0000000", "000", "0,05"});
        wiersz("delta Uk 0,15", 0, 0, 0, 0, 0, 0, 0.15, 0,
               {"0", "0", "0", "0", "0", "0,00", "6", "0000000", "000", "0,15"});
        wiersz("delta Uk 0,2 zostawia wybor", 0, 0, 0, 0, 0, 0, 0.2, 0,
               {"0", "0", "0", "0", "0", "0,00", "6", "0000000", "000", "0,05"});
    }
    void pokaz_poprawki() {
        QFETCH(TWarunkiPracy, w);
        QFETCH(QStringList, kontrolki);
        TStanowisko s;
        Kontrolka<QRadioButton>(s.form, "RadioButtonUk005")->setChecked(true);
        s.model.WarunkiPracy = w;
        s.form.PokazPoprawki();
        QCOMPARE(Kontrolki(s.form), kontrolki);
    }
};

QTEST_MAIN(TestMostki)
#include "tst_mostki.moc"
