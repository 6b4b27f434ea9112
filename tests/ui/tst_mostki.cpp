// The corrections dialog: its controls, the checks with their mixed bounds and their order, what is
// stored (and what is not), the key filters and tidying of the two lists, and the loading of stored
// corrections back into the controls.

#include "NarzedziaTestow.h"
#include "core/Liczby.h"
#include "core/Obliczenia.h"
#include "ui/FormMostkiTerm.h"
#include "ui/KontekstPomocy.h"
#include "widgets/DialogiTestowe.h"
#include "widgets/NumEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
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

    // Fills every group with values that pass and ticks all three boxes; the fasteners in the older
    // form, whose alpha is a field of its own.
    void WszystkoPoprawne() {
        Kontrolka<QCheckBox>(form, "CheckBoxDeltaUg")->setChecked(true);
        Kontrolka<TNumEdit>(form, "NumEditNrNieszczelnosci")->setText("2");
        Kontrolka<QComboBox>(form, "ComboBoxDeltaU")->setEditText("0,01");
        Kontrolka<QCheckBox>(form, "CheckBoxDeltaUf")->setChecked(true);
        Kontrolka<QComboBox>(form, "ComboBoxFormaLacznika")->setCurrentIndex(1);
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
           a.MostekWlasny == b.MostekWlasny && a.TempZewn == b.TempZewn && a.Rsi == b.Rsi &&
           a.Lacznik2017 == b.Lacznik2017;
}

// A brick wall insulated with 15 cm of EPS (R1 = 3,75 m2 K/W) and plastered, Rsi 0,13, Rse 0,04.
void ScianaZeStyropianem(TModelProjektu& m) {
    const struct {
        const char* nazwa;
        double d;
        double lambda;
    } warstwy[] = {
        {"Cegła pełna", 0.25, 0.77}, {"Styropian EPS 100", 0.15, 0.04}, {"Tynk cienkowarstwowy", 0.01, 0.82}};
    m.LiczbaWarstw = 3;
    for (int k = 1; k <= 3; ++k) {
        const auto& w = warstwy[k - 1];
        m.Warstwy[k].Nazwa.UstawUtf8(w.nazwa);
        m.Warstwy[k].Grubosc = w.d;
        m.Warstwy[k].Lambda = w.lambda;
        m.Warstwy[k].Mi = 50;
    }
    m.WarunkiPracy.Rsi = 0.13;
    m.WarunkiPracy.Rse = 0.04;
}

// The fastener group filled as a user does in the 2017 form (the form new projects get): 4 steel
// anchors of 5 mm (Af 0,00002 m2) per m2 through layer `warstwa`, recessed to d1 when given.
void Laczniki2017(TFormMostkiTerm& f, int warstwa, const QString& d1) {
    Kontrolka<QCheckBox>(f, "CheckBoxDeltaUf")->setChecked(true);
    Kontrolka<TNumEdit>(f, "NumEditLambdaF")->setText("50");
    Kontrolka<TNumEdit>(f, "NumEditLiczbaF")->setText("4");
    Kontrolka<TNumEdit>(f, "NumEditPoleF")->setText("0,00002");
    QComboBox* warstwy = Kontrolka<QComboBox>(f, "ComboBoxWarstwaF");
    warstwy->setCurrentIndex(warstwy->findData(warstwa));
    Kontrolka<QCheckBox>(f, "CheckBoxWpuszczony")->setChecked(!d1.isEmpty());
    if (!d1.isEmpty())
        Kontrolka<TNumEdit>(f, "NumEditD1")->setText(d1);
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
        const QList<QWidget*> oczekiwana{Kontrolka<QCheckBox>(f, "CheckBoxDeltaUg"),
                                         Kontrolka<TNumEdit>(f, "NumEditNrNieszczelnosci"),
                                         Kontrolka<QComboBox>(f, "ComboBoxDeltaU"),
                                         Kontrolka<QCheckBox>(f, "CheckBoxDeltaUf"),
                                         Kontrolka<QComboBox>(f, "ComboBoxFormaLacznika"),
                                         Kontrolka<TNumEdit>(f, "NumEditLambdaF"),
                                         Kontrolka<QComboBox>(f, "ComboBoxWarstwaF"),
                                         Kontrolka<QCheckBox>(f, "CheckBoxWpuszczony"),
                                         Kontrolka<TNumEdit>(f, "NumEditD1"),
                                         Kontrolka<QComboBox>(f, "ComboBoxAlfa"),
                                         Kontrolka<TNumEdit>(f, "NumEditLiczbaF"),
                                         Kontrolka<TNumEdit>(f, "NumEditPoleF"),
                                         Kontrolka<QRadioButton>(f, "RadioButtonUk000"),
                                         Kontrolka<QRadioButton>(f, "RadioButtonUk005"),
                                         Kontrolka<QRadioButton>(f, "RadioButtonUk015"),
                                         Kontrolka<QPushButton>(f, "Button1"),
                                         Kontrolka<QPushButton>(f, "Button2"),
                                         Kontrolka<QCheckBox>(f, "CheckBoxMostekWlasny"),
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
            Kontrolka<QComboBox>(f, "ComboBoxFormaLacznika")->setCurrentIndex(1);
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
        Kontrolka<QComboBox>(s.form, "ComboBoxFormaLacznika")->setCurrentIndex(1);
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
        Kontrolka<QComboBox>(f, "ComboBoxFormaLacznika")->setCurrentIndex(1);
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

    // New projects: the 2017 form; a layer chosen and a recessed d1 make the entry, alpha and the
    // layer's d0 and R1 are shown, and Delta Uf follows 0,8 d1/d0 lambda_f Af nf / d1 (R1/RT,h)^2.
    void postac_2017_data() {
        QTest::addColumn<QString>("d1");       // empty: through the whole layer
        QTest::addColumn<double>("alfa");      // as the standard gives it
        QTest::addColumn<QString>("opisAlfy"); // the alpha row's text
        QTest::newRow("przez całą warstwę")
            << QString() << 0.8 << QStringLiteral("= 0,8 (łącznik przez całą warstwę)");
        QTest::newRow("wpuszczony na 8 cm")
            << QStringLiteral("0,08") << 0.8 * 0.08 / 0.15
            << QStringLiteral("= 0,8·d<sub>1</sub>/d<sub>0</sub> = 0,8·0,08/0,15 = 0,427");
        QTest::newRow("wpuszczony na całą grubość")
            << QStringLiteral("0,15") << 0.8
            << QStringLiteral("= 0,8·d<sub>1</sub>/d<sub>0</sub> = 0,8·0,15/0,15 = 0,800");
    }
    void postac_2017() {
        QFETCH(QString, d1);
        QFETCH(double, alfa);
        QFETCH(QString, opisAlfy);
        TStanowisko s;
        ScianaZeStyropianem(s.model);
        TFormMostkiTerm& f = s.form;
        QString warstwaF;
        QStringList warstwy;
        const int wynik = s.Pokaz([&] {
            QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxFormaLacznika")->currentIndex(), 0);
            QVERIFY(Kontrolka<QLabel>(f, "LabelFormaLacznika")->isHidden());
            QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxWarstwaF")->currentIndex(), -1); // no guess
            QVERIFY(Kontrolka<QComboBox>(f, "ComboBoxAlfa")->isHidden());
            Laczniki2017(f, 2, d1);
            for (int i = 0; i < Kontrolka<QComboBox>(f, "ComboBoxWarstwaF")->count(); ++i)
                warstwy << Kontrolka<QComboBox>(f, "ComboBoxWarstwaF")->itemText(i);
            warstwaF = Kontrolka<QLabel>(f, "LabelWarstwaF")->text();
            QCOMPARE(Kontrolka<QLabel>(f, "LabelAlfa")->text(), opisAlfy);
            Kontrolka<QPushButton>(f, "Button1")->click();
        });
        QCOMPARE(wynik, int(QDialog::Accepted));
        QVERIFY2(s.d.Komunikaty().isEmpty(), qPrintable(s.d.TekstyKomunikatow().join('\n')));
        QCOMPARE(warstwy, (QStringList{"1. Cegła pełna", "2. Styropian EPS 100", "3. Tynk cienkowarstwowy"}));
        QCOMPARE(warstwaF, QStringLiteral("d<sub>0</sub> = 0,15 m;  R<sub>1</sub> = 3,750 m²·K/W"));

        const TWarunkiPracy& w = s.model.WarunkiPracy;
        QVERIFY(w.Lacznik2017.has_value());
        QCOMPARE(w.Lacznik2017->Warstwa, 2);
        QCOMPARE(w.Lacznik2017->D1,
                 d1.isEmpty() ? std::optional<double>() : std::optional<double>(NaLiczbe(d1.toStdString())));
        QCOMPARE(w.Alfa, 0); // the record's alpha belongs to the older form
        QCOMPARE(w.LambdaF, 50.0);
        QCOMPARE(w.LiczbaF, 4);
        QCOMPARE(w.PoleF, 0.00002);
        const double d0 = 0.15;
        const double dlugosc = d1.isEmpty() ? d0 : NaLiczbe(d1.toStdString());
        const double rth = 0.13 + 0.25 / 0.77 + 0.15 / 0.04 + 0.01 / 0.82 + 0.04;
        const double oczekiwane = alfa * 50 * 0.00002 * 4 / dlugosc * (3.75 / rth) * (3.75 / rth);
        QVERIFY2(
            std::abs(DeltaUf(s.model) - oczekiwane) < 1e-12 * oczekiwane,
            qPrintable(
                QStringLiteral("%1 != %2").arg(DeltaUf(s.model), 0, 'g', 17).arg(oczekiwane, 0, 'g', 17)));

        // Reopened, the dialog shows what was stored.
        s.Pokaz([&] {
            QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxFormaLacznika")->currentIndex(), 0);
            QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxWarstwaF")->currentData().toInt(), 2);
            QCOMPARE(Kontrolka<QCheckBox>(f, "CheckBoxWpuszczony")->isChecked(), !d1.isEmpty());
            QCOMPARE(Kontrolka<QLabel>(f, "LabelAlfa")->text(), opisAlfy);
            Kontrolka<QPushButton>(f, "Button2")->click();
        });
    }

    // A project with the older alpha and no 2017 entry keeps its form and result until the user
    // switches; Anuluj after switching changes nothing either.
    void starszy_projekt_zostaje_do_zmiany() {
        TStanowisko s;
        ScianaZeStyropianem(s.model);
        TWarunkiPracy& w = s.model.WarunkiPracy;
        w.LambdaF = 50;
        w.Alfa = 6;
        w.LiczbaF = 4;
        w.PoleF = 0.00002;
        TFormMostkiTerm& f = s.form;
        f.UstawDomyslnePoprawki();
        f.PokazPoprawki();
        const TWarunkiPracy przed = w;
        const double deltaUfPrzed = DeltaUf(s.model);
        QCOMPARE(deltaUfPrzed, 6 * 50 * 4 * 0.00002);

        s.Pokaz([&] {
            QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxFormaLacznika")->currentIndex(), 1);
            QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxAlfa")->currentText(), QStringLiteral("6"));
            QVERIFY(!Kontrolka<QComboBox>(f, "ComboBoxAlfa")->isHidden());
            QVERIFY(Kontrolka<QComboBox>(f, "ComboBoxWarstwaF")->isHidden());
            QVERIFY(!Kontrolka<QLabel>(f, "LabelFormaLacznika")->isHidden());
            QCOMPARE(
                Kontrolka<QLabel>(f, "LabelFormaLacznika")->text(),
                QStringLiteral(
                    "Projekt ma poprawkę w starszej postaci (αf\u00a0=\u00a06\u00a0m⁻¹). Zostaje, dopóki "
                    "nie wybierzesz postaci wg PN-EN ISO 6946:2017."));
            Kontrolka<QPushButton>(f, "Button1")->click();
        });
        QVERIFY(RowneWarunki(przed, w));
        QCOMPARE(DeltaUf(s.model), deltaUfPrzed);

        // Switched and cancelled: nothing changes, and the next opening shows the older form again.
        s.Pokaz([&] {
            Kontrolka<QComboBox>(f, "ComboBoxFormaLacznika")->setCurrentIndex(0);
            QCOMPARE(Kontrolka<QLabel>(f, "LabelFormaLacznika")->text(),
                     QStringLiteral("Postać wg PN-EN ISO 6946:2017 zastąpi dotychczasową "
                                    "(αf\u00a0=\u00a06\u00a0m⁻¹) po „Wprowadź”."));
            Laczniki2017(f, 2, {});
            Kontrolka<QPushButton>(f, "Button2")->click();
        });
        QVERIFY(RowneWarunki(przed, w));
        QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxFormaLacznika")->currentIndex(), 1);

        // Switched and confirmed: the 2017 entry, the older alpha gone.
        s.Pokaz([&] {
            Kontrolka<QComboBox>(f, "ComboBoxFormaLacznika")->setCurrentIndex(0);
            Laczniki2017(f, 2, {});
            Kontrolka<QPushButton>(f, "Button1")->click();
        });
        QVERIFY(w.Lacznik2017.has_value());
        QCOMPARE(w.Lacznik2017->Warstwa, 2);
        QCOMPARE(w.Alfa, 0);
        QVERIFY(Kontrolka<QLabel>(f, "LabelFormaLacznika")->isHidden());

        // The command New: the 2017 form again for fasteners entered anew.
        Kontrolka<QComboBox>(f, "ComboBoxFormaLacznika")->setCurrentIndex(1);
        f.UstawDomyslnePoprawki();
        QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxFormaLacznika")->currentIndex(), 0);
        QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxWarstwaF")->currentIndex(), -1);
    }

    // Each refusal of the 2017 form: its message, the offending field, and the model untouched.
    void odmowy_postaci_2017_data() {
        QTest::addColumn<int>("warstwa");       // chosen layer, 0 = none
        QTest::addColumn<QString>("d1");        // empty: through the whole layer
        QTest::addColumn<int>("liczbaPotem");   // the layer count when checked (the list is older)
        QTest::addColumn<double>("grubosc2");   // layer 2's thickness as the grid holds it
        QTest::addColumn<QString>("komunikat"); // empty: passes
        const QString zleD1 = QStringLiteral(
            "Podana głębokość d1 łącznika w warstwie izolacyjnej jest niepoprawna (0 < d1 ≤ d0 = 0,15 m) ! "
            "Jeżeli nadal będzie pojawiał się taki komunikat zajrzyj do pomocy programu");
        // clang-format off
        QTest::newRow("bez warstwy") << 0 << QString() << 3 << 0.15
            << QStringLiteral("Wybierz warstwę izolacyjną, przez którą przechodzą łączniki mechaniczne.");
        QTest::newRow("d1 zero") << 2 << QStringLiteral("0") << 3 << 0.15 << zleD1;
        QTest::newRow("d1 ponad d0") << 2 << QStringLiteral("0,151") << 3 << 0.15 << zleD1;
        QTest::newRow("d1 ujemne") << 2 << QStringLiteral("-0,05") << 3 << 0.15 << zleD1;
        QTest::newRow("d1 równe d0 przechodzi") << 2 << QStringLiteral("0,15") << 3 << 0.15 << QString();
        QTest::newRow("d1 maleńkie przechodzi") << 2 << QStringLiteral("0,001") << 3 << 0.15 << QString();
        QTest::newRow("warstwa za przegrodą") << 3 << QString() << 2 << 0.15
            << QStringLiteral("Warstwa nr 3 nie istnieje: przegroda ma warstwy od 1 do 2. Wybierz warstwę ponownie.");
        QTest::newRow("przegroda bez warstw") << 1 << QString() << 0 << 0.15
            << QStringLiteral("Warstwa nr 1 nie istnieje: przegroda nie ma warstw.");
        QTest::newRow("grubość warstwy niepoprawna") << 2 << QStringLiteral("0,05") << 3 << 0.0
            << QStringLiteral("Grubość lub współczynnik λ warstwy nr 2 w tabeli warstw są niepoprawne: popraw je, "
                              "zanim podasz łączniki przechodzące przez tę warstwę.");
        // clang-format on
    }
    void odmowy_postaci_2017() {
        QFETCH(int, warstwa);
        QFETCH(QString, d1);
        QFETCH(int, liczbaPotem);
        QFETCH(double, grubosc2);
        QFETCH(QString, komunikat);
        TStanowisko s;
        ScianaZeStyropianem(s.model);
        s.model.Warstwy[2].Grubosc = grubosc2;
        TFormMostkiTerm& f = s.form;
        f.OdswiezWarstwy();
        Laczniki2017(f, warstwa, d1);
        s.model.LiczbaWarstw = liczbaPotem;
        const TWarunkiPracy przed = s.model.WarunkiPracy;

        QCOMPARE(f.SprawdzPoprawki(), komunikat.isEmpty());
        QCOMPARE(s.d.TekstyKomunikatow(), komunikat.isEmpty() ? QStringList() : QStringList{komunikat});
        if (!komunikat.isEmpty()) {
            QCOMPARE(s.d.Komunikaty()[0].Tytul, kUwaga);
            QCOMPARE(s.d.Komunikaty()[0].Ikona, TIkona::Stop);
        }
        QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditD1")->text(),
                 komunikat.contains(QStringLiteral("d1")) ? QStringLiteral("0")
                                                          : (d1.isEmpty() ? QStringLiteral("0") : d1));
        QVERIFY(RowneWarunki(przed, s.model.WarunkiPracy));
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
