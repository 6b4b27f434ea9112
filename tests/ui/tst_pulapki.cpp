// Input traps: editing keys that must always edit, a sign typed over a selection, the fastener
// coefficient αf (editing and its bounds), the corrections dialog's Anuluj, the air-void correction
// that must stay with its layer, and the layer check that shows the offending cell.

#include "NarzedziaTestow.h"
#include "OknoObliczen.h"
#include "ui/FormMostkiTerm.h"
#include "ui/SiatkaWarstw.h"
#include "widgets/NumEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

using namespace murolab;
using murolab::test::TWarunki;
using murolab::testy::Klawisz;
using murolab::testy::Pisz;

namespace {

// The Delete key as the desktop delivers it: with the DEL character as its text.
void Usun(QWidget* w) {
    Klawisz(w, Qt::Key_Delete, QString(QChar(0x7f)));
}
void Cofnij(QWidget* w) {
    Klawisz(w, Qt::Key_Backspace, QString(QChar(8)));
}

// A main window with its corrections dialog, four layers and confirmed conditions.
struct TStanowisko : test::TOkno {
    TFormMostkiTerm* Mostki = new TFormMostkiTerm(Model(), Dialogi, Okno.get(), Okno.get());
    TStanowisko(int warstwy = 4) {
        Okno->UstawFormy(nullptr, Mostki, nullptr, nullptr, nullptr);
        const QStringList nazwy{"Tynk",  "Cegła",  "Styropian", "Tynk cienki", "Płyta", "Wełna",
                                "Folia", "Pustka", "Deska",     "Papa",        "Żwir"};
        for (int k = 0; k < warstwy; ++k)
            Dodaj({{nazwy[k], "0,5", "10", "0,1"}});
        Warunki(TWarunki{});
        ZMostkami();
        Dialogi.Wyczysc();
    }
    // Air voids set on a layer as the dialog stores them.
    void Nieszczelnosc(int nr) {
        Model().WarunkiPracy.NrNieszczelnosci = nr;
        Model().WarunkiPracy.DeltaU = 0.01;
        Mostki->PrzywrocZModelu();
    }
    QString Nazwa(int warstwa) const { return ArkuszPrzegrody(Okno)->Komorka(warstwa - 1, 1); }
};

// A grid operation of the table rows below: wN insert at row N, d append, uN delete row N, pA-B drag.
void WykonajOperacje(TStanowisko& s, const QString& operacja) {
    TFormPrzegroda& f = *s.Okno;
    const QChar rodzaj = operacja.front();
    if (rodzaj == u'w' || rodzaj == u'd') {
        // As the insertion dialog sends a layer: grow the grid, make room, write the row.
        f.DodajWiersz();
        if (rodzaj == u'w') {
            const int wiersz = operacja.mid(1).toInt();
            f.PrzesunWierszeWDol(f.LiczbaWarstw(), wiersz);
            f.WpiszWiersz(wiersz, "Nowa", "0,5", "10", "0,1");
        } else {
            f.WpiszWiersz(f.LiczbaWarstw() - 1, "Nowa", "0,5", "10", "0,1");
        }
    } else if (rodzaj == u'u') {
        Kontrolka<TSiatkaWarstw>(f, "StringGridPrzegroda")->setCurrentCell(operacja.mid(1).toInt(), 1);
        s.Dialogi.Odpowiedzi << TOdpowiedz::Tak;
        ArkuszPrzegrody(f)->Usuwarstw1Click();
    } else {
        const QStringList wiersze = operacja.mid(1).split(u'-');
        auto* siatka = Kontrolka<TSiatkaWarstw>(f, "StringGridPrzegroda");
        const int z = wiersze[0].toInt(), na = wiersze[1].toInt();
        siatka->PrzesunWiersz(z, na);
        siatka->PoPrzeciagnieciu(z, na);
    }
}

} // namespace

class TestPulapki : public QObject {
    Q_OBJECT
private slots:
    // ---- Delete, Backspace and typing over a selection, in every field that takes typing
    void klawiszeEdycji_data() {
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("kursor");
        QTest::addColumn<QString>("klawisze"); // D = Delete, B = Backspace, A = select all, else typed
        QTest::addColumn<QString>("wynik");
        // clang-format off
        QTest::newRow("te: Delete na początku")         << "te" << "-20" << 0 << "D" << "20";
        QTest::newRow("te: Backspace na końcu")          << "te" << "-20" << 3 << "B" << "-2";
        QTest::newRow("Φi: Delete w środku")             << "fi" << "55" << 1 << "D" << "5";
        QTest::newRow("λf: Delete i cyfra")              << "lambdaF" << "50" << 0 << "D7" << "70";
        QTest::newRow("αf: Backspace i cyfra")           << "alfa" << "6" << 1 << "B5" << "5";
        QTest::newRow("αf: Delete")                      << "alfa" << "6" << 0 << "D" << "";
        QTest::newRow("αf: cyfra na zaznaczeniu")        << "alfa" << "6" << 1 << "A8" << "8";
        QTest::newRow("ΔU″: Delete")                     << "deltaU" << "0,01" << 0 << "D" << ",01";
        QTest::newRow("Rsi: Delete")                     << "rsi" << "0,13" << 3 << "D" << "0,1";
        QTest::newRow("siatka λ: Delete")                << "siatka" << "0,77" << 0 << "D" << ",77";
        QTest::newRow("siatka λ: Backspace")             << "siatka" << "0,77" << 4 << "B" << "0,7";
        // clang-format on
    }
    void klawiszeEdycji() {
        QFETCH(QString, pole);
        QFETCH(QString, tekst);
        QFETCH(int, kursor);
        QFETCH(QString, klawisze);
        QFETCH(QString, wynik);
        TStanowisko s;
        s->show();
        TFormMostkiTerm& m = *s.Mostki;
        Kontrolka<QCheckBox>(m, "CheckBoxDeltaUf")->setChecked(true);
        Kontrolka<QComboBox>(m, "ComboBoxFormaLacznika")->setCurrentIndex(1); // the form with an αf field
        Kontrolka<QCheckBox>(m, "CheckBoxDeltaUg")->setChecked(true);
        QWidget* cel = nullptr;
        QLineEdit* edycja = nullptr;
        if (pole == "te")
            cel = edycja = Kontrolka<TNumEdit>(s, "NumEditTempZewn");
        else if (pole == "fi")
            cel = edycja = Kontrolka<TNumEdit>(s, "NumEditWilgotWewn");
        else if (pole == "lambdaF")
            cel = edycja = Kontrolka<TNumEdit>(m, "NumEditLambdaF");
        else if (pole == "alfa")
            cel = Kontrolka<QComboBox>(m, "ComboBoxAlfa"),
            edycja = Kontrolka<QComboBox>(m, "ComboBoxAlfa")->lineEdit();
        else if (pole == "deltaU")
            cel = Kontrolka<QComboBox>(m, "ComboBoxDeltaU"),
            edycja = Kontrolka<QComboBox>(m, "ComboBoxDeltaU")->lineEdit();
        else if (pole == "rsi")
            cel = Kontrolka<QComboBox>(s, "ComboBoxRsi"),
            edycja = Kontrolka<QComboBox>(s, "ComboBoxRsi")->lineEdit();
        else if (pole == "siatka") {
            s->PokazArkusz(1);
            QVERIFY(testy::PokazAktywne(s.Okno.get()));
            Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->setCurrentCell(0, 2);
            Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->setFocus(Qt::OtherFocusReason);
            QCoreApplication::processEvents();
            cel = edycja = Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->Edytor();
            QVERIFY(edycja);
        }
        QVERIFY(cel && edycja);
        edycja->setText(tekst);
        edycja->setCursorPosition(kursor);
        for (QChar k : klawisze) {
            if (k == u'D')
                Usun(cel);
            else if (k == u'B')
                Cofnij(cel);
            else if (k == u'A')
                edycja->selectAll();
            else
                Pisz(cel, QString(k));
        }
        QCOMPARE(edycja->text(), wynik);
        QCOMPARE(s.Dialogi.Sygnaly, 0);
    }

    void minusNaZaznaczeniu_data() {
        QTest::addColumn<int>("rodzaj");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("od");
        QTest::addColumn<int>("ile"); // selected characters from "od"; 0 = only the caret at "od"
        QTest::addColumn<QString>("pisane");
        QTest::addColumn<QString>("wynik");
        QTest::addColumn<int>("sygnaly");
        // clang-format off
        QTest::newRow("całe -20, pisane -22")         << int(ntInteger) << "-20" << 0 << 3 << "-22" << "-22" << 0;
        QTest::newRow("całe -5,5, pisane -3,5")       << int(ntReal) << "-5,5" << 0 << 4 << "-3,5" << "-3,5" << 0;
        QTest::newRow("całe 20, pisane -5")           << int(ntInteger) << "20" << 0 << 2 << "-5" << "-5" << 0;
        QTest::newRow("zaznaczony znak -, pisane -")  << int(ntInteger) << "-20" << 0 << 1 << "-" << "-20" << 0;
        QTest::newRow("kursor przed -: drugi minus")  << int(ntInteger) << "-20" << 0 << 0 << "-" << "-20" << 1;
        QTest::newRow("zaznaczenie w środku")         << int(ntInteger) << "-20" << 1 << 2 << "-" << "-20" << 1;
        QTest::newRow("liczba naturalna: bez minusa") << int(ntNatural) << "20" << 0 << 2 << "-" << "20" << 1;
        // clang-format on
    }
    void minusNaZaznaczeniu() {
        QFETCH(int, rodzaj);
        QFETCH(QString, tekst);
        QFETCH(int, od);
        QFETCH(int, ile);
        QFETCH(QString, pisane);
        QFETCH(QString, wynik);
        QFETCH(int, sygnaly);
        TDialogiTestowe d;
        TNumEdit pole(d);
        pole.SetNumType(TNumType(rodzaj));
        pole.setText(tekst);
        if (ile > 0)
            pole.setSelection(od, ile);
        else
            pole.setCursorPosition(od);
        Pisz(&pole, pisane);
        QCOMPARE(pole.text(), wynik);
        QCOMPARE(d.Sygnaly, sygnaly);
    }

    // ---- αf and the fastener cross-section
    void sprawdzenieAlfa_data() {
        QTest::addColumn<QString>("alfa");
        QTest::addColumn<bool>("przyjete");
        QTest::newRow("6 z listy") << "6" << true;
        QTest::newRow("10: granica") << "10" << true;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("11") << "11" << false;
        QTest::newRow("655: dopisane cyfry") << "655" << false;
    }
    void sprawdzenieAlfa() {
        QFETCH(QString, alfa);
        QFETCH(bool, przyjete);
        TStanowisko s;
        TFormMostkiTerm& m = *s.Mostki;
        const TWarunkiPracy przed = s.Model().WarunkiPracy;
        s.Dialogi.Modalnie = [&](QDialog*) {
            Kontrolka<QCheckBox>(m, "CheckBoxDeltaUf")->setChecked(true);
            Kontrolka<QComboBox>(m, "ComboBoxFormaLacznika")->setCurrentIndex(1);
            Kontrolka<TNumEdit>(m, "NumEditLambdaF")->setText("50");
            Kontrolka<QComboBox>(m, "ComboBoxAlfa")->setEditText(alfa);
            Kontrolka<TNumEdit>(m, "NumEditLiczbaF")->setText("4");
            Kontrolka<TNumEdit>(m, "NumEditPoleF")->setText("0,00001257");
            Kontrolka<QPushButton>(m, "Button1")->click();
            if (!przyjete) {
                QCOMPARE(QApplication::focusWidget() == Kontrolka<QComboBox>(m, "ComboBoxAlfa") ||
                             QApplication::focusWidget() ==
                                 Kontrolka<QComboBox>(m, "ComboBoxAlfa")->lineEdit(),
                         true);
                QVERIFY(m.isVisible());
            }
        };
        QVERIFY(testy::PokazAktywne(s.Okno.get()));
        Kontrolka<QPushButton>(s, "Button3")->click();
        const QList<TWywolanie> k = s.Dialogi.Komunikaty();
        if (przyjete) {
            QVERIFY(k.isEmpty());
            QCOMPARE(s.Model().WarunkiPracy.Alfa, alfa.toInt());
            QCOMPARE(s.Model().WarunkiPracy.PoleF, 0.00001257);
        } else {
            QCOMPARE(k.size(), 1);
            QCOMPARE(k[0].Tytul, QStringLiteral("Murolab -UWAGA !!!"));
            QCOMPARE(k[0].Ikona, TIkona::Stop);
            QVERIFY(k[0].Tekst.contains(QStringLiteral("0 < αf ≤ 10")));
            QCOMPARE(s.Model().WarunkiPracy.Alfa, przed.Alfa);
            QCOMPARE(s.Model().WarunkiPracy.LambdaF, przed.LambdaF);
        }
    }

    void polePrzekrojuLacznika() {
        TStanowisko s;
        Kontrolka<QCheckBox>(s.Mostki, "CheckBoxDeltaUf")->setChecked(true);
        TNumEdit* pole = Kontrolka<TNumEdit>(s.Mostki, "NumEditPoleF");
        pole->clear();
        Pisz(pole, QStringLiteral("0,00001257"));
        QCOMPARE(pole->text(), QStringLiteral("0,00001257"));
    }

    // ---- Anuluj in the corrections dialog
    void anulujPrzywracaModel_data() {
        QTest::addColumn<int>("zamkniecie"); // 0 = Anuluj, 1 = Escape, 2 = the close box
        QTest::newRow("Anuluj") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("zamknięcie okna") << 2;
    }
    void anulujPrzywracaModel() {
        QFETCH(int, zamkniecie);
        TStanowisko s;
        s.Nieszczelnosc(2);
        TFormMostkiTerm& m = *s.Mostki;
        s.Dialogi.Modalnie = [&](QDialog*) {
            Kontrolka<TNumEdit>(m, "NumEditNrNieszczelnosci")->setText("3");
            Kontrolka<QCheckBox>(m, "CheckBoxDeltaUf")->setChecked(true);
            Kontrolka<TNumEdit>(m, "NumEditLambdaF")->setText("50");
            Kontrolka<QRadioButton>(m, "RadioButtonUk015")->setChecked(true);
            Kontrolka<QCheckBox>(m, "CheckBoxMostekWlasny")->setChecked(true);
            Kontrolka<TNumEdit>(m, "NumEditMostekWlasny")->setText("0,2");
            if (zamkniecie == 0)
                Kontrolka<QPushButton>(m, "Button2")->click();
            else if (zamkniecie == 1)
                QTest::keyClick(&m, Qt::Key_Escape);
            else
                m.close();
        };
        Kontrolka<QPushButton>(s, "Button3")->click();
        // The controls show the model again, so the next showing shows what the calculation uses.
        QVERIFY(Kontrolka<QCheckBox>(m, "CheckBoxDeltaUg")->isChecked());
        QCOMPARE(Kontrolka<TNumEdit>(m, "NumEditNrNieszczelnosci")->text(), QStringLiteral("2"));
        QVERIFY(!Kontrolka<QCheckBox>(m, "CheckBoxDeltaUf")->isChecked());
        QVERIFY(Kontrolka<QRadioButton>(m, "RadioButtonUk005")->isChecked());
        QVERIFY(!Kontrolka<QCheckBox>(m, "CheckBoxMostekWlasny")->isChecked());
        QCOMPARE(s.Model().WarunkiPracy.NrNieszczelnosci, 2);
        QCOMPARE(s.Model().WarunkiPracy.MostekWlasny, 0.0);
        // Confirming at once stores the same corrections again.
        const TWarunkiPracy przed = s.Model().WarunkiPracy;
        s.Dialogi.Modalnie = [&](QDialog*) { Kontrolka<QPushButton>(m, "Button1")->click(); };
        Kontrolka<QPushButton>(s, "Button3")->click();
        QCOMPARE(s.Model().WarunkiPracy.NrNieszczelnosci, przed.NrNieszczelnosci);
        QCOMPARE(s.Model().WarunkiPracy.DeltaU, przed.DeltaU);
        QCOMPARE(s.Model().WarunkiPracy.DeltaUk, przed.DeltaUk);
    }

    // ---- the air-void correction stays with its layer
    void poprawkaZaWarstwa_data() {
        QTest::addColumn<int>("warstwy");
        QTest::addColumn<int>("nr");
        QTest::addColumn<QString>("operacja"); // wN: insert at row N, d: append, uN: delete row N, pA-B: drag
        QTest::addColumn<int>("nowyNr");
        QTest::addColumn<bool>("komunikat");
        // clang-format off
        QTest::newRow("wstawiona nad nią")          << 4 << 3 << "w0" << 4 << false;
        QTest::newRow("wstawiona w jej miejsce")    << 4 << 3 << "w2" << 4 << false;
        QTest::newRow("wstawiona pod nią")          << 4 << 3 << "w3" << 3 << false;
        QTest::newRow("dopisana na końcu")          << 4 << 3 << "d" << 3 << false;
        QTest::newRow("usunięta warstwa nad nią")   << 4 << 3 << "u0" << 2 << false;
        QTest::newRow("usunięta warstwa pod nią")   << 4 << 3 << "u3" << 3 << false;
        QTest::newRow("usunięta jej warstwa")       << 4 << 3 << "u2" << 0 << true;
        QTest::newRow("jedyna warstwa usunięta")    << 1 << 1 << "u0" << 0 << true;
        QTest::newRow("jej warstwa przeciągnięta na górę") << 4 << 3 << "p2-0" << 1 << false;
        QTest::newRow("pierwsza przeciągnięta pod nią")    << 4 << 3 << "p0-3" << 2 << false;
        QTest::newRow("ostatnia przeciągnięta nad nią")    << 4 << 3 << "p3-0" << 4 << false;
        QTest::newRow("przeciąganie poza nią")             << 4 << 1 << "p2-3" << 1 << false;
        QTest::newRow("pełna siatka: wstawiona, ostatnia wypada") << 10 << 10 << "w0" << 0 << true;
        QTest::newRow("pełna siatka: wstawiona, przedostatnia idzie niżej") << 10 << 9 << "w0" << 10 << false;
        QTest::newRow("pełna siatka: dopisana zastępuje ostatnią") << 10 << 10 << "d" << 0 << true;
        // clang-format on
    }
    void poprawkaZaWarstwa() {
        QFETCH(int, warstwy);
        QFETCH(int, nr);
        QFETCH(QString, operacja);
        QFETCH(int, nowyNr);
        QFETCH(bool, komunikat);
        TStanowisko s(warstwy);
        s.Nieszczelnosc(nr);
        const QString warstwa = s.Nazwa(nr);
        s.Model().Zmieniony = false;
        WykonajOperacje(s, operacja);
        QCOMPARE(s.Model().WarunkiPracy.NrNieszczelnosci, nowyNr);
        if (nowyNr > 0) {
            QCOMPARE(s.Nazwa(nowyNr), warstwa);
            QCOMPARE(s.Model().WarunkiPracy.DeltaU, 0.01);
        } else {
            QCOMPARE(s.Model().WarunkiPracy.DeltaU, 0.0);
        }
        // The dialog shows what the model holds, so a later "&Wprowadź" stores the right layer.
        QCOMPARE(Kontrolka<QCheckBox>(s.Mostki, "CheckBoxDeltaUg")->isChecked(), nowyNr > 0);
        if (nowyNr > 0)
            QCOMPARE(Kontrolka<TNumEdit>(s.Mostki, "NumEditNrNieszczelnosci")->text(),
                     QString::number(nowyNr));
        QList<TWywolanie> informacje;
        for (const TWywolanie& w : s.Dialogi.Komunikaty())
            if (w.Ikona == TIkona::Informacja)
                informacje << w;
        QCOMPARE(informacje.size(), komunikat ? 1 : 0);
        if (komunikat)
            QVERIFY(informacje[0].Tekst.contains(QStringLiteral("nr %1").arg(nr)));
        QVERIFY(s.Model().Zmieniony);
    }

    // ---- the 2017 fastener entry stays with its layer the same way; its layer gone takes the whole
    // fastener correction along, with a word, and the dialog shows what the model holds
    void lacznikZaWarstwa_data() { poprawkaZaWarstwa_data(); }
    void lacznikZaWarstwa() {
        QFETCH(int, warstwy);
        QFETCH(int, nr);
        QFETCH(QString, operacja);
        QFETCH(int, nowyNr);
        QFETCH(bool, komunikat);
        TStanowisko s(warstwy);
        TWarunkiPracy& w = s.Model().WarunkiPracy;
        w.LambdaF = 50;
        w.LiczbaF = 4;
        w.PoleF = 0.00002;
        w.Lacznik2017 = TLacznik2017{nr, 0.05};
        s.Mostki->PrzywrocZModelu();
        const QString warstwa = s.Nazwa(nr);
        s.Model().Zmieniony = false;
        WykonajOperacje(s, operacja);
        QComboBox* lista = Kontrolka<QComboBox>(s.Mostki, "ComboBoxWarstwaF");
        if (nowyNr > 0) {
            QVERIFY(w.Lacznik2017.has_value());
            QCOMPARE(w.Lacznik2017->Warstwa, nowyNr);
            QCOMPARE(w.Lacznik2017->D1, std::optional<double>(0.05));
            QCOMPARE(s.Nazwa(nowyNr), warstwa);
            QCOMPARE(w.LambdaF, 50.0);
            QVERIFY(Kontrolka<QCheckBox>(s.Mostki, "CheckBoxDeltaUf")->isChecked());
            QCOMPARE(lista->currentData().toInt(), nowyNr);
        } else {
            QVERIFY(!w.Lacznik2017.has_value());
            QCOMPARE(w.LambdaF, 0.0);
            QCOMPARE(w.LiczbaF, 0);
            QVERIFY(!Kontrolka<QCheckBox>(s.Mostki, "CheckBoxDeltaUf")->isChecked());
        }
        QList<TWywolanie> informacje;
        for (const TWywolanie& k : s.Dialogi.Komunikaty())
            if (k.Ikona == TIkona::Informacja)
                informacje << k;
        QCOMPARE(informacje.size(), komunikat ? 1 : 0);
        if (komunikat)
            QCOMPARE(informacje[0].Tekst,
                     QStringLiteral("Usunięto warstwę nr %1, przez którą przechodzą łączniki mechaniczne. "
                                    "Poprawkę z uwagi na łączniki wyłączono – w razie potrzeby wprowadź ją "
                                    "ponownie (Mostki cieplne).")
                         .arg(nr));
        QVERIFY(s.Model().Zmieniony);
    }

    // ---- the layer check of "&Oblicz" shows which cell fails
    void blednaKomorkaZaznaczona_data() {
        QTest::addColumn<int>("wiersz");
        QTest::addColumn<int>("kolumna");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("bladKonwersji");
        QTest::newRow("λ poza granicą w warstwie 3") << 2 << 2 << "0" << false;
        QTest::newRow("μ poza granicą w warstwie 2") << 1 << 3 << "0" << false;
        QTest::newRow("d poza granicą w warstwie 4") << 3 << 4 << "0" << false;
        QTest::newRow("d nie jest liczbą w warstwie 1") << 0 << 4 << "abc" << true;
    }
    void blednaKomorkaZaznaczona() {
        QFETCH(int, wiersz);
        QFETCH(int, kolumna);
        QFETCH(QString, tekst);
        QFETCH(bool, bladKonwersji);
        TStanowisko s;
        QVERIFY(testy::PokazAktywne(s.Okno.get()));
        s->PokazArkusz(0);
        Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->setCurrentCell(0, 1);
        ArkuszPrzegrody(s)->UstawKomorke(wiersz, kolumna, tekst);
        int wierszPrzy = -1, kolumnaPrzy = -1, arkuszPrzy = -1;
        s.Dialogi.PrzyKomunikacie = [&](const TWywolanie&) {
            wierszPrzy = Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->currentRow();
            kolumnaPrzy = Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->currentColumn();
            arkuszPrzy = s.Arkusz();
        };
        s.Oblicz();
        QCOMPARE(s.Dialogi.Bledy().size(), bladKonwersji ? 1 : 0);
        QCOMPARE(s.Dialogi.Komunikaty().size(), bladKonwersji ? 0 : 1);
        QCOMPARE(arkuszPrzy, 1);
        QCOMPARE(wierszPrzy, wiersz);
        QCOMPARE(kolumnaPrzy, kolumna);
        QCOMPARE(ArkuszPrzegrody(s)->BiezacyWiersz, wiersz);
    }
};

QTEST_MAIN(TestPulapki)
#include "tst_pulapki.moc"
