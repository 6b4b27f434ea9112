// The working-conditions sheet: key filters of its lists, the three lookup tables both ways, the
// repairs on leaving a control, the six checks of "&Wprowadź" and what it stores and shows.

#include "NarzedziaTestow.h"
#include "widgets/NumEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace murolab;
using namespace murolab::testy;

namespace {
const QString kTypy[] = {
    QStringLiteral("Ściana zewnętrzna"),
    QStringLiteral("Dachy, stropodachy, tarasy przy przepływie ciepła z dołu do góry"),
    QStringLiteral("Dachy, stropodachy, tarasy przy przepływie ciepła z góry do dołu"),
    QStringLiteral("Ściany wewnętrzne"),
    QStringLiteral("Strop nad piwnicą przy przepływie ciepła z góry do dołu"),
    QStringLiteral("Strop nad ostantnią kondygnacją przy przepływie ciepła z dołu do góry"),
};

struct TOkno : TOknoGlowne {
    QComboBox* Lista(int i) const {
        QComboBox* listy[] = {Kontrolka<QComboBox>(f, "ComboBoxTypPrzegrody"),
                              Kontrolka<QComboBox>(f, "ComboBoxStrefaKl"),
                              Kontrolka<QComboBox>(f, "ComboBoxWarunkiWilg"),
                              Kontrolka<QComboBox>(f, "ComboBoxRsi"), Kontrolka<QComboBox>(f, "ComboBoxRse")};
        return listy[i];
    }
    QWidget* Pole(int i) const {
        QWidget* k[] = {
            Kontrolka<QComboBox>(f, "ComboBoxRsi"),      Kontrolka<QComboBox>(f, "ComboBoxRse"),
            Kontrolka<TNumEdit>(f, "NumEditTempWew"),    Kontrolka<TNumEdit>(f, "NumEditTempZewn"),
            Kontrolka<TNumEdit>(f, "NumEditWilgotWewn"), Kontrolka<TNumEdit>(f, "NumEditWilgotZewn"),
            Kontrolka<QPushButton>(f, "Button6")};
        return k[i];
    }
    // The sheet's fields as the user might leave them before "&Wprowadź".
    void Ustaw(const QString& rsi, const QString& rse, const QString& ti, const QString& te,
               const QString& fi, const QString& fe) {
        TArkuszWarunkow::UstawTekstListy(Kontrolka<QComboBox>(f, "ComboBoxRsi"), rsi);
        TArkuszWarunkow::UstawTekstListy(Kontrolka<QComboBox>(f, "ComboBoxRse"), rse);
        Kontrolka<TNumEdit>(f, "NumEditTempWew")->setText(ti);
        Kontrolka<TNumEdit>(f, "NumEditTempZewn")->setText(te);
        Kontrolka<TNumEdit>(f, "NumEditWilgotWewn")->setText(fi);
        Kontrolka<TNumEdit>(f, "NumEditWilgotZewn")->setText(fe);
    }
};

bool MaFokus(QWidget* w) {
    QWidget* fokus = QApplication::focusWidget();
    return fokus && (fokus == w || w->isAncestorOf(fokus));
}
} // namespace

class TestArkuszWarunkow : public QObject {
    Q_OBJECT
private slots:
    void nicNieTrafiaDoModeluPrzedWprowadz() {
        TOkno o;
        Wybierz(Kontrolka<QComboBox>(o.f, "ComboBoxTypPrzegrody"), kTypy[3]);
        Wybierz(Kontrolka<QComboBox>(o.f, "ComboBoxStrefaKl"), QStringLiteral("Strefa II"));
        PrzeniesFokus(Kontrolka<TNumEdit>(o.f, "NumEditTempWew"));
        QCOMPARE(o.f.Model.WarunkiPracy.TempZewn, 0);
        QCOMPARE(o.f.Model.WarunkiPracy.Rse, 0.0);
        QVERIFY(o.f.Model.WarunkiPracy.TypPrzegrody.Pusty());
    }

    void kolejnoscTabulatora() {
        TOkno o;
        TFormPrzegroda& f = o.f;
        Kontrolka<QComboBox>(f, "ComboBoxTypPrzegrody")->setFocus(Qt::OtherFocusReason);
        const QList<QWidget*> oczekiwane = {
            Kontrolka<QComboBox>(f, "ComboBoxStrefaKl"), Kontrolka<QComboBox>(f, "ComboBoxWarunkiWilg"),
            Kontrolka<QComboBox>(f, "ComboBoxRsi"),      Kontrolka<QComboBox>(f, "ComboBoxRse"),
            Kontrolka<TNumEdit>(f, "NumEditTempWew"),    Kontrolka<TNumEdit>(f, "NumEditTempZewn"),
            Kontrolka<TNumEdit>(f, "NumEditWilgotWewn"), Kontrolka<TNumEdit>(f, "NumEditWilgotZewn"),
            Kontrolka<QPushButton>(f, "Button6")};
        for (QWidget* nastepny : oczekiwane) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(MaFokus(nastepny), qPrintable(nastepny->metaObject()->className()));
        }
    }

    void klawiszeList_data() {
        QTest::addColumn<int>("lista");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QString>("wynik");
        // clang-format off
        QTest::newRow("typ: litery i cyfry") << 0 << "ab1" << kTypy[0];
        QTest::newRow("typ: backspace") << 0 << QString(QChar(8)) << kTypy[0];
        QTest::newRow("strefa: litera") << 1 << "x" << "nieokreślona";
        QTest::newRow("klasa: cyfra i backspace") << 2 << QString("7") + QChar(8) << "Warunki średniowilgotne";
        QTest::newRow("Rsi: jeden przecinek") << 3 << "0,1,3" << "0,13";
        QTest::newRow("Rsi: kropka, minus i litera") << 3 << "0.-a1" << "01";
        QTest::newRow("Rsi: najwyżej 5 znaków") << 3 << "0,12345" << "0,123";
        QTest::newRow("Rsi: backspace") << 3 << QString("0,2") + QChar(8) + "3" << "0,3";
        QTest::newRow("Rse: cyfry i przecinek") << 4 << "0,08" << "0,08";
        QTest::newRow("Rse: drugi przecinek") << 4 << ",0," << ",0";
        // clang-format on
    }
    void klawiszeList() {
        QFETCH(int, lista);
        QFETCH(QString, wpisane);
        QFETCH(QString, wynik);
        TOkno o;
        QComboBox* l = o.Lista(lista);
        l->setFocus(Qt::OtherFocusReason);
        if (lista >= 3)
            l->setEditText(QString()); // the user typing into an emptied Rsi or Rse
        l->lineEdit()->end(false);
        Pisz(l, wpisane);
        QCOMPARE(l->currentText(), wynik);
        QCOMPARE(o.d.Sygnaly, 0); // these lists discard silently
    }

    void klawiszeStrzalkiWybierajaZListy() {
        // Picking with the arrow keys is the user's choice: the change handling runs.
        TOkno o;
        Kontrolka<QComboBox>(o.f, "ComboBoxTypPrzegrody")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(Kontrolka<QComboBox>(o.f, "ComboBoxTypPrzegrody"), Qt::Key_Down);
        QCOMPARE(Kontrolka<QComboBox>(o.f, "ComboBoxTypPrzegrody")->currentText(), kTypy[1]);
        QCOMPARE(Kontrolka<QComboBox>(o.f, "ComboBoxRsi")->currentText(), QStringLiteral("0,10"));
    }

    void enterNiczegoNieWybiera() {
        TOkno o;
        Kontrolka<TNumEdit>(o.f, "NumEditWilgotWewn")->setText(QStringLiteral("60"));
        Kontrolka<QComboBox>(o.f, "ComboBoxWarunkiWilg")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(Kontrolka<QComboBox>(o.f, "ComboBoxWarunkiWilg"), Qt::Key_Return);
        QCOMPARE(Kontrolka<TNumEdit>(o.f, "NumEditWilgotWewn")->text(), QStringLiteral("60"));
        QCOMPARE(Kontrolka<QComboBox>(o.f, "ComboBoxWarunkiWilg")->count(), 2);
    }

    void typPrzegrody_data() {
        QTest::addColumn<QString>("typ");
        QTest::addColumn<QString>("rsi");
        QTest::addColumn<QString>("rse");
        const char* opory[][2] = {{"0,13", "0,04"}, {"0,10", "0,04"}, {"0,17", "0,04"},
                                  {"0,13", "0,08"}, {"0,17", "0,04"}, {"0,10", "0,04"}};
        for (int i = 0; i < 6; ++i)
            QTest::newRow(qPrintable(kTypy[i])) << kTypy[i] << opory[i][0] << opory[i][1];
    }
    void typPrzegrody() {
        QFETCH(QString, typ);
        QFETCH(QString, rsi);
        QFETCH(QString, rse);
        TOkno o;
        TArkuszWarunkow::UstawTekstListy(Kontrolka<QComboBox>(o.f, "ComboBoxRsi"), QStringLiteral("0,2"));
        TArkuszWarunkow::UstawTekstListy(Kontrolka<QComboBox>(o.f, "ComboBoxRse"), QStringLiteral("0,2"));
        Wybierz(Kontrolka<QComboBox>(o.f, "ComboBoxTypPrzegrody"), typ);
        QCOMPARE(Kontrolka<QComboBox>(o.f, "ComboBoxRsi")->currentText(), rsi);
        QCOMPARE(Kontrolka<QComboBox>(o.f, "ComboBoxRse")->currentText(), rse);
    }

    // However a type reaches the field (the user's pick, the program's own write after Open), its
    // beginning is what the field shows; a type that does not fit is the field's tooltip in full.
    void typPrzegrodyOdPoczatku_data() {
        QTest::addColumn<QString>("typ");
        QTest::addColumn<bool>("zapisProgramu");
        for (int i = 0; i < 6; ++i) {
            QTest::newRow(qPrintable(QStringLiteral("wybór: ") + kTypy[i])) << kTypy[i] << false;
            QTest::newRow(qPrintable(QStringLiteral("zapis programu: ") + kTypy[i])) << kTypy[i] << true;
        }
    }
    void typPrzegrodyOdPoczatku() {
        QFETCH(QString, typ);
        QFETCH(bool, zapisProgramu);
        TOkno o;
        o.f.show();
        QComboBox* lista = Kontrolka<QComboBox>(o.f, "ComboBoxTypPrzegrody");
        if (zapisProgramu)
            TArkuszWarunkow::UstawTekstListy(lista, typ);
        else
            Wybierz(lista, typ);
        QCOMPARE(lista->currentText(), typ);
        QCOMPARE(lista->lineEdit()->cursorPosition(), 0);
        const bool dlugi = lista->lineEdit()->fontMetrics().horizontalAdvance(typ) >
                           lista->lineEdit()->contentsRect().width() - 4;
        QCOMPARE(lista->toolTip(), dlugi ? typ : QStringLiteral("Określ typ przegrody:"));
        QCOMPARE(lista->itemData(lista->findText(typ), Qt::ToolTipRole).toString(), typ);
    }

    void zapisyProgramuNieUruchamiajaZmian() {
        TOkno o;
        TFormPrzegroda& f = o.f;
        TArkuszWarunkow::UstawTekstListy(Kontrolka<QComboBox>(f, "ComboBoxTypPrzegrody"), kTypy[3]);
        TArkuszWarunkow::UstawTekstListy(Kontrolka<QComboBox>(f, "ComboBoxStrefaKl"),
                                         QStringLiteral("Strefa III"));
        TArkuszWarunkow::UstawTekstListy(Kontrolka<QComboBox>(f, "ComboBoxWarunkiWilg"),
                                         QStringLiteral("Warunki wilgotne"));
        QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxRse")->currentText(), QStringLiteral("0,04"));
        QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditTempZewn")->text(), QStringLiteral("-5"));
        QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditWilgotWewn")->text(), QStringLiteral("55"));
        // A text that is not among the items is shown as it is (a loaded, cut partition type).
        TArkuszWarunkow::UstawTekstListy(Kontrolka<QComboBox>(f, "ComboBoxTypPrzegrody"),
                                         QStringLiteral("Dachy, stropodachy, tarasy przy przepływ"));
        QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxTypPrzegrody")->currentText(),
                 QStringLiteral("Dachy, stropodachy, tarasy przy przepływ"));
    }

    void strefaWpisujeTemperature_data() {
        QTest::addColumn<QString>("strefa");
        QTest::addColumn<QString>("te");
        // clang-format off
        QTest::newRow("I") << "Strefa I" << "-16";
        QTest::newRow("II") << "Strefa II" << "-18";
        QTest::newRow("III") << "Strefa III" << "-20";
        QTest::newRow("IV") << "Strefa IV" << "-22";
        QTest::newRow("V") << "Strefa V" << "-24";
        QTest::newRow("nieokreślona") << "nieokreślona" << "-5";
        // clang-format on
    }
    void strefaWpisujeTemperature() {
        QFETCH(QString, strefa);
        QFETCH(QString, te);
        TOkno o;
        Kontrolka<TNumEdit>(o.f, "NumEditTempZewn")->setText(QStringLiteral("7"));
        Wybierz(Kontrolka<QComboBox>(o.f, "ComboBoxStrefaKl"), strefa);
        QCOMPARE(Kontrolka<TNumEdit>(o.f, "NumEditTempZewn")->text(), te);
        // te written back selects the same zone again ("-5" selects none, which shows "nieokreślona").
        QCOMPARE(Kontrolka<QComboBox>(o.f, "ComboBoxStrefaKl")->currentText(), strefa);
    }

    void temperaturaWybieraStrefe_data() {
        QTest::addColumn<QString>("te");
        QTest::addColumn<QString>("strefa");
        // clang-format off
        QTest::newRow("-16") << "-16" << "Strefa I";
        QTest::newRow("-18") << "-18" << "Strefa II";
        QTest::newRow("-20") << "-20" << "Strefa III";
        QTest::newRow("-22") << "-22" << "Strefa IV";
        QTest::newRow("-24") << "-24" << "Strefa V";
        QTest::newRow("-5 nie wybiera strefy") << "-5" << "nieokreślona";
        QTest::newRow("-21") << "-21" << "nieokreślona";
        QTest::newRow("16 bez minusa") << "16" << "nieokreślona";
        QTest::newRow("sam minus nic nie zmienia") << "-" << "Strefa III";
        // clang-format on
    }
    void temperaturaWybieraStrefe() {
        QFETCH(QString, te);
        QFETCH(QString, strefa);
        TOkno o;
        Kontrolka<TNumEdit>(o.f, "NumEditTempZewn")->setText(QStringLiteral("-20"));
        QCOMPARE(Kontrolka<QComboBox>(o.f, "ComboBoxStrefaKl")->currentText(), QStringLiteral("Strefa III"));
        Kontrolka<TNumEdit>(o.f, "NumEditTempZewn")->setText(te);
        QCOMPARE(Kontrolka<QComboBox>(o.f, "ComboBoxStrefaKl")->currentText(), strefa);
    }

    void wpisywanieTemperaturyZnakPoZnaku() {
        TOkno o;
        TNumEdit* te = Kontrolka<TNumEdit>(o.f, "NumEditTempZewn");
        te->setFocus(Qt::OtherFocusReason);
        te->selectAll();
        Pisz(te, QString(QChar(8)) + QStringLiteral("-2"));
        QCOMPARE(Kontrolka<QComboBox>(o.f, "ComboBoxStrefaKl")->currentText(),
                 QStringLiteral("nieokreślona"));
        Pisz(te, QStringLiteral("2"));
        QCOMPARE(te->text(), QStringLiteral("-22"));
        QCOMPARE(Kontrolka<QComboBox>(o.f, "ComboBoxStrefaKl")->currentText(), QStringLiteral("Strefa IV"));
    }

    void klasaWpisujeWilgotnosc() {
        TOkno o;
        Kontrolka<TNumEdit>(o.f, "NumEditWilgotWewn")->setText(QStringLiteral("80"));
        Wybierz(Kontrolka<QComboBox>(o.f, "ComboBoxWarunkiWilg"), QStringLiteral("Warunki wilgotne"));
        QCOMPARE(Kontrolka<TNumEdit>(o.f, "NumEditWilgotWewn")->text(), QStringLiteral("75"));
        Wybierz(Kontrolka<QComboBox>(o.f, "ComboBoxWarunkiWilg"), QStringLiteral("Warunki średniowilgotne"));
        QCOMPARE(Kontrolka<TNumEdit>(o.f, "NumEditWilgotWewn")->text(), QStringLiteral("55"));
        // Deleting the class text is a change the user made: the default class and 55 come back.
        Kontrolka<TNumEdit>(o.f, "NumEditWilgotWewn")->setText(QStringLiteral("40"));
        Kontrolka<QComboBox>(o.f, "ComboBoxWarunkiWilg")->setFocus(Qt::OtherFocusReason);
        Kontrolka<QComboBox>(o.f, "ComboBoxWarunkiWilg")->lineEdit()->selectAll();
        QTest::keyClick(Kontrolka<QComboBox>(o.f, "ComboBoxWarunkiWilg"), Qt::Key_Delete);
        QCOMPARE(Kontrolka<QComboBox>(o.f, "ComboBoxWarunkiWilg")->currentText(),
                 QStringLiteral("Warunki średniowilgotne"));
        QCOMPARE(Kontrolka<TNumEdit>(o.f, "NumEditWilgotWewn")->text(), QStringLiteral("55"));
    }

    void wilgotnoscWybieraKlase_data() {
        QTest::addColumn<QString>("fi");
        QTest::addColumn<QString>("klasa");
        // clang-format off
        QTest::newRow("80") << "80" << "Warunki wilgotne";
        QTest::newRow("75") << "75" << "Warunki wilgotne";
        QTest::newRow("74") << "74" << "Warunki średniowilgotne";
        QTest::newRow("5") << "5" << "Warunki średniowilgotne";
        // clang-format on
    }
    void wilgotnoscWybieraKlase() {
        QFETCH(QString, fi);
        QFETCH(QString, klasa);
        TOkno o;
        TNumEdit* pole = Kontrolka<TNumEdit>(o.f, "NumEditWilgotWewn");
        pole->setFocus(Qt::OtherFocusReason);
        pole->selectAll();
        Pisz(pole, fi);
        PrzeniesFokus(Kontrolka<TNumEdit>(o.f, "NumEditWilgotZewn"));
        QCOMPARE(Kontrolka<QComboBox>(o.f, "ComboBoxWarunkiWilg")->currentText(), klasa);
        QCOMPARE(pole->text(), fi); // the typed value stays
    }

    void pustaWilgotnoscNieZmieniaKlasy() {
        TOkno o;
        TArkuszWarunkow::UstawTekstListy(Kontrolka<QComboBox>(o.f, "ComboBoxWarunkiWilg"),
                                         QStringLiteral("Warunki wilgotne"));
        Kontrolka<TNumEdit>(o.f, "NumEditWilgotWewn")->setFocus(Qt::OtherFocusReason);
        Kontrolka<TNumEdit>(o.f, "NumEditWilgotWewn")->clear();
        PrzeniesFokus(Kontrolka<TNumEdit>(o.f, "NumEditWilgotZewn"));
        QCOMPARE(o.d.Bledy(), QStringList{"„” nie jest poprawną liczbą całkowitą"});
        QCOMPARE(Kontrolka<QComboBox>(o.f, "ComboBoxWarunkiWilg")->currentText(),
                 QStringLiteral("Warunki wilgotne"));
        QCOMPARE(Kontrolka<TNumEdit>(o.f, "NumEditWilgotWewn")->text(),
                 QStringLiteral("0")); // the field's own repair
    }

    void wyjscieTypu() {
        TOkno o;
        TFormPrzegroda& f = o.f;
        Wybierz(Kontrolka<QComboBox>(f, "ComboBoxTypPrzegrody"), kTypy[3]);
        QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxRse")->currentText(), QStringLiteral("0,08"));
        Kontrolka<QComboBox>(f, "ComboBoxTypPrzegrody")->setFocus(Qt::OtherFocusReason);
        Kontrolka<QComboBox>(f, "ComboBoxTypPrzegrody")->lineEdit()->selectAll();
        QTest::keyClick(Kontrolka<QComboBox>(f, "ComboBoxTypPrzegrody"), Qt::Key_Delete);
        QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxTypPrzegrody")->currentText(), QString());
        PrzeniesFokus(Kontrolka<TNumEdit>(f, "NumEditTempWew"));
        QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxTypPrzegrody")->currentText(), kTypy[0]);
        QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxRse")->currentText(), QStringLiteral("0,08"));
    }

    void wyjscieOporow_data() {
        QTest::addColumn<int>("lista");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("wynik");
        QTest::addColumn<QString>("blad");
        // clang-format off
        QTest::newRow("Rsi 0,130") << 3 << "0,130" << "0,13" << "";
        QTest::newRow("Rsi 0 i przecinek") << 3 << "0," << "0" << "";
        QTest::newRow("Rsi ,2") << 3 << ",2" << "0,2" << "";
        QTest::newRow("Rsi pusty") << 3 << "" << "0,13" << "";
        QTest::newRow("Rse pusty") << 4 << "" << "0,04" << "";
        QTest::newRow("Rse 0,040") << 4 << "0,040" << "0,04" << "";
        QTest::newRow("Rsi sam przecinek") << 3 << "," << "," << "„,” nie jest poprawną liczbą rzeczywistą";
        // clang-format on
    }
    void wyjscieOporow() {
        QFETCH(int, lista);
        QFETCH(QString, tekst);
        QFETCH(QString, wynik);
        QFETCH(QString, blad);
        TOkno o;
        QComboBox* l = o.Lista(lista);
        l->setFocus(Qt::OtherFocusReason);
        l->setEditText(tekst);
        PrzeniesFokus(Kontrolka<TNumEdit>(o.f, "NumEditTempWew"));
        QCOMPARE(l->currentText(), wynik);
        QCOMPARE(o.d.Bledy(), blad.isEmpty() ? QStringList() : QStringList{blad});
    }

    void wyjscieStrefy() {
        TOkno o;
        TFormPrzegroda& f = o.f;
        Kontrolka<TNumEdit>(f, "NumEditTempZewn")->setText(QStringLiteral("-18"));
        TArkuszWarunkow::UstawTekstListy(Kontrolka<QComboBox>(f, "ComboBoxStrefaKl"),
                                         QStringLiteral("Strefa VI"));
        Kontrolka<QComboBox>(f, "ComboBoxStrefaKl")->setFocus(Qt::OtherFocusReason);
        PrzeniesFokus(Kontrolka<TNumEdit>(f, "NumEditTempWew"));
        QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxStrefaKl")->currentText(), QStringLiteral("nieokreślona"));
        QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditTempZewn")->text(), QStringLiteral("-18"));
    }

    void sprawdzenia_data() {
        QTest::addColumn<QStringList>("pola"); // Rsi, Rse, ti, te, phi_i, phi_e
        QTest::addColumn<int>("bledny");       // control that fails, -1 = all pass
        const QStringList dobre = {"0,13", "0,04", "20", "-5", "55", "85"};
        auto z = [&](int i, const char* t) {
            QStringList p = dobre;
            p[i] = QString::fromUtf8(t);
            return p;
        };
        // clang-format off
        QTest::newRow("wszystkie dobre") << dobre << -1;
        QTest::newRow("Rsi 0,01 odrzucony") << z(0, "0,01") << 0;
        QTest::newRow("Rsi 0,3 odrzucony") << z(0, "0,3") << 0;
        QTest::newRow("Rsi 0,02 przyjęty") << z(0, "0,02") << -1;
        QTest::newRow("Rsi 0,29 przyjęty") << z(0, "0,29") << -1;
        QTest::newRow("Rse 0,3 odrzucony") << z(1, "0,3") << 1;
        QTest::newRow("Rse 0,01 odrzucony") << z(1, "0,01") << 1;
        QTest::newRow("ti -24 odrzucona") << z(2, "-24") << 2;
        QTest::newRow("ti -23 przyjęta") << z(2, "-23") << -1;
        QTest::newRow("ti 30 przyjęta") << z(2, "30") << -1;
        QTest::newRow("ti 31 odrzucona") << z(2, "31") << 2;
        QTest::newRow("te -24 przyjęta") << z(3, "-24") << -1;
        QTest::newRow("te -25 odrzucona") << z(3, "-25") << 3;
        QTest::newRow("te 29 przyjęta") << z(3, "29") << -1;
        QTest::newRow("te 30 odrzucona") << z(3, "30") << 3;
        QTest::newRow("fi 0 odrzucona") << z(4, "0") << 4;
        QTest::newRow("fi 1 przyjęta") << z(4, "1") << -1;
        QTest::newRow("fi 99 przyjęta") << z(4, "99") << -1;
        QTest::newRow("fe 0 odrzucona") << z(5, "0") << 5;
        // clang-format on
        QStringList dwa = z(0, "0,3");
        dwa[3] = QStringLiteral("30");
        QTest::newRow("Rsi i te błędne: tylko Rsi") << dwa << 0;
        QStringList trzy = z(4, "0");
        trzy[2] = QStringLiteral("40");
        QTest::newRow("ti i fi błędne: tylko ti") << trzy << 2;
    }
    void sprawdzenia() {
        QFETCH(QStringList, pola);
        QFETCH(int, bledny);
        const QString komunikaty[] = {
            QStringLiteral(
                "Niepoprawnie wprowadzono wartość oporu przejmownia ciepła na wewnętrznej powierzchni !!"),
            QStringLiteral(
                "Niepoprawnie wprowadzono wartość oporu przejmownia ciepła na zewnętrznej powierzchni !!"),
            QStringLiteral("Nie poprawna wartość temperatury po wewnętrznej stronie przegrody !!"),
            QStringLiteral("Nie poprawna wartość temperatury po zewnętrznej stronie przegrody !!"),
            QStringLiteral("Nie poprawnia wilgotność po wewnętrznej stronie przegrody !!"),
            QStringLiteral("Nie poprawnia wilgotność po zewnętrznej stronie przegrody !!"),
        };
        TOkno o;
        o.Ustaw(pola[0], pola[1], pola[2], pola[3], pola[4], pola[5]);
        Kontrolka<QPushButton>(o.f, "Button6")->setFocus(Qt::OtherFocusReason);
        const bool wynik = ArkuszWarunkow(o.f)->SprawdzPolaWarunkow();
        QCOMPARE(wynik, bledny < 0);
        if (bledny < 0) {
            QVERIFY(o.d.Komunikaty().isEmpty());
            return;
        }
        const QList<TWywolanie> k = o.d.Komunikaty();
        QCOMPARE(k.size(), 1);
        QCOMPARE(k[0].Tekst, komunikaty[bledny]);
        QCOMPARE(k[0].Tytul, QStringLiteral("Murolab -UWAGA !!!"));
        QCOMPARE(k[0].Ikona, TIkona::Stop);
        QCOMPARE(k[0].Przyciski, TPrzyciski::Ok);
        QVERIFY(MaFokus(o.Pole(bledny)));
    }

    void wprowadzZapamietujeIPodsumowuje() {
        TOkno o;
        TFormPrzegroda& f = o.f;
        Wybierz(Kontrolka<QComboBox>(f, "ComboBoxTypPrzegrody"), kTypy[1]);
        Wybierz(Kontrolka<QComboBox>(f, "ComboBoxStrefaKl"), QStringLiteral("Strefa III"));
        o.Ustaw(QStringLiteral("0,10"), QStringLiteral("0,04"), QStringLiteral("21"), QStringLiteral("-20"),
                QStringLiteral("60"), QStringLiteral("90"));
        TArkuszWarunkow::UstawTekstListy(Kontrolka<QComboBox>(f, "ComboBoxWarunkiWilg"),
                                         QStringLiteral("Warunki wilgotne"));
        Kontrolka<QPushButton>(f, "Button6")->click();
        QVERIFY(o.d.Wywolania.isEmpty());
        const TWarunkiPracy& w = f.Model.WarunkiPracy;
        QCOMPARE(QString::fromStdString(w.TypPrzegrody.Utf8()),
                 QStringLiteral("Dachy, stropodachy, tarasy przy przepływ"));
        QCOMPARE(w.Rsi, 0.1);
        QCOMPARE(w.Rse, 0.04);
        QCOMPARE(w.TempWew, 21);
        QCOMPARE(w.TempZewn, -20);
        QCOMPARE(w.WilgotWewn, 60);
        QCOMPARE(w.WilgotZewn, 90);
        QCOMPARE(QString::fromStdString(w.WarunkiWilg.Utf8()), QStringLiteral("Warunki wilgotne"));
        QCOMPARE(QString::fromStdString(w.StrefaKl.Utf8()), QStringLiteral("Strefa III"));
        QCOMPARE(TekstEtykiety(Kontrolka<QLabel>(f, "LabelTi")->text()), QStringLiteral("ti = 21"));
        QCOMPARE(TekstEtykiety(Kontrolka<QLabel>(f, "LabelFi")->text()), QStringLiteral("Φi = 60"));
        QCOMPARE(TekstEtykiety(Kontrolka<QLabel>(f, "LabelTe")->text()), QStringLiteral("te = -20"));
        QCOMPARE(TekstEtykiety(Kontrolka<QLabel>(f, "LabelFe")->text()), QStringLiteral("Φe = 90"));
        QCOMPARE(Kontrolka<QTabWidget>(f, "PageControlPrzegroda")->currentIndex(), 1);
    }

    void nieudaneWprowadzNicNieZapisuje_data() {
        QTest::addColumn<QString>("ti");
        QTest::addColumn<QString>("te");
        QTest::addColumn<QStringList>("komunikaty");
        QTest::addColumn<QStringList>("bledy");
        QTest::newRow("te 30: komunikat")
            << "20"
            << "30" << QStringList{"Nie poprawna wartość temperatury po zewnętrznej stronie przegrody !!"}
            << QStringList();
        QTest::newRow("ti sam minus: błąd konwersji")
            << "-"
            << "-5" << QStringList() << QStringList{"„-” nie jest poprawną liczbą całkowitą"};
    }
    void nieudaneWprowadzNicNieZapisuje() {
        QFETCH(QString, ti);
        QFETCH(QString, te);
        QFETCH(QStringList, komunikaty);
        QFETCH(QStringList, bledy);
        TOkno o;
        TFormPrzegroda& f = o.f;
        const QString podsumowanie = Kontrolka<QLabel>(f, "LabelTi")->text();
        o.Ustaw(QStringLiteral("0,13"), QStringLiteral("0,04"), ti, te, QStringLiteral("55"),
                QStringLiteral("85"));
        Kontrolka<QPushButton>(f, "Button6")->click();
        QCOMPARE(o.d.TekstyKomunikatow(), komunikaty);
        QCOMPARE(o.d.Bledy(), bledy);
        QCOMPARE(f.Model.WarunkiPracy.TempWew, 0);
        QCOMPARE(f.Model.WarunkiPracy.Rsi, 0.0);
        QCOMPARE(Kontrolka<QLabel>(f, "LabelTi")->text(), podsumowanie);
        QCOMPARE(Kontrolka<QTabWidget>(f, "PageControlPrzegroda")->currentIndex(), 0);
    }

    void klasaZablokowanaGdySaWarstwy() {
        TOkno o;
        TFormPrzegroda& f = o.f;
        f.DodajWiersz();
        f.PokazArkusz(1);
        f.PokazArkusz(0);
        QVERIFY(!Kontrolka<QComboBox>(f, "ComboBoxWarunkiWilg")->isEnabled());
        // Entering the sheet with the focus decides it as well.
        Kontrolka<QComboBox>(f, "ComboBoxWarunkiWilg")->setEnabled(true);
        Kontrolka<QPushButton>(f, "BitBtnOblicz")->setFocus(Qt::OtherFocusReason);
        PrzeniesFokus(Kontrolka<TNumEdit>(f, "NumEditTempWew"));
        QVERIFY(!Kontrolka<QComboBox>(f, "ComboBoxWarunkiWilg")->isEnabled());
        // The last layer removed: the list is free again when the sheet is entered next.
        f.PokazArkusz(1);
        o.d.Odpowiedzi = {TOdpowiedz::Tak};
        ArkuszPrzegrody(f)->Button2Click();
        QCOMPARE(f.Model.LiczbaWarstw, 0);
        QVERIFY(!Kontrolka<QComboBox>(f, "ComboBoxWarunkiWilg")->isEnabled());
        f.PokazArkusz(0);
        QVERIFY(Kontrolka<QComboBox>(f, "ComboBoxWarunkiWilg")->isEnabled());
    }
};

QTEST_MAIN(TestArkuszWarunkow)
#include "tst_arkuszwarunkow.moc"
