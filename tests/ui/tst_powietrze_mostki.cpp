// Air layers and bridged layers entered in the window: the grid's menu, the two dialogs, the
// insertion dialog's air-layer entry, what a refused entry leaves, and the data through a save.
#include "OknoObliczen.h"
#include "catalogue/FormWstawWarstwe.h"
#include "core/Iso6946.h"
#include "ui/SiatkaWarstw.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>

using namespace murolab;
using namespace murolab::test;

namespace {

const QList<TWiersz> kTrzyWarstwy = {
    {QStringLiteral("Tynk"), QStringLiteral("0,82"), QStringLiteral("10"), QStringLiteral("0,015")},
    {QStringLiteral("Wełna"), QStringLiteral("0,035"), QStringLiteral("1"), QStringLiteral("0,15")},
    {QStringLiteral("Cegła"), QStringLiteral("0,77"), QStringLiteral("10"), QStringLiteral("0,12")}};

TSiatkaWarstw* Siatka(const TOkno& o) {
    return Kontrolka<TSiatkaWarstw>(o, "StringGridPrzegroda");
}

QString Komorka(const TOkno& o, int wiersz, int kolumna) {
    const QTableWidgetItem* e = Siatka(o)->item(wiersz, kolumna);
    return e ? e->text() : QString();
}

QString Notatka(const TOkno& o, int wiersz) {
    return Siatka(o)->item(wiersz, 1)->data(kRolaNotatki).toString();
}

// For a look at a window: with MUROLAB_ZRZUTY naming a directory, saves <nazwa>.png there.
void Zrzut(QWidget* okno, const QString& nazwa) {
    const QString katalog = qEnvironmentVariable("MUROLAB_ZRZUTY");
    if (katalog.isEmpty())
        return;
    okno->show();
    QCoreApplication::processEvents();
    okno->grab().save(katalog + u'/' + nazwa + QStringLiteral(".png"));
}

// The dialog's control by name (the dialog is shown modally, the script works on it).
template <typename T> T* W(QDialog* okno, const char* nazwa) {
    return Kontrolka<T>(okno, nazwa);
}

// The grid's pop-up command on row `wiersz`, with the dialog it opens worked by `skrypt`.
void Polecenie(TOkno& o, int wiersz, const char* akcja, const std::function<void(QDialog*)>& skrypt) {
    Siatka(o)->setCurrentCell(wiersz, 1);
    o.Dialogi.Modalnie = skrypt;
    Kontrolka<QAction>(o, akcja)->trigger();
    o.Dialogi.Modalnie = nullptr;
}

// The air-layer dialog filled: d, ventilation (0, 1, 2), Av; the rest as it opened.
std::function<void(QDialog*)> Powietrze(const QString& d, int wentylacja = 0,
                                        const QString& av = QStringLiteral("0"),
                                        QStringList* domyslne = nullptr) {
    return [=](QDialog* okno) {
        if (domyslne)
            *domyslne = {W<QLineEdit>(okno, "NumEditEmisyjnosc1")->text(),
                         W<QLineEdit>(okno, "NumEditEmisyjnosc2")->text(),
                         W<QComboBox>(okno, "ComboBoxKierunek")->currentText(),
                         W<QComboBox>(okno, "ComboBoxWentylacja")->currentText()};
        W<QLineEdit>(okno, "NumEditGrubosc")->setText(d);
        W<QComboBox>(okno, "ComboBoxWentylacja")->setCurrentIndex(wentylacja);
        W<QLineEdit>(okno, "NumEditAv")->setText(av);
        if (domyslne)
            *domyslne << W<QLabel>(okno, "LabelOpor")->text();
        Zrzut(okno, QStringLiteral("powietrze_%1").arg(wentylacja));
        W<QPushButton>(okno, "Button1")->click();
    };
}

struct TMostek {
    QString Nazwa, Lambda, Mi;
    QString Procent;            // typed as a percentage, or
    QString Szerokosc, Rozstaw; // as width and spacing
};
TMostek WProcentach(const QString& nazwa, const QString& lambda, const QString& mi, const QString& procent) {
    return {nazwa, lambda, mi, procent, {}, {}};
}
TMostek ZRozstawu(const QString& nazwa, const QString& lambda, const QString& mi, const QString& szerokosc,
                  const QString& rozstaw) {
    return {nazwa, lambda, mi, {}, szerokosc, rozstaw};
}

std::function<void(QDialog*)> Mostki(const QList<TMostek>& mostki, int wOsi = 0) {
    return [=](QDialog* okno) {
        for (int i = 0; i < mostki.size(); ++i) {
            const TMostek& m = mostki[i];
            auto pole = [&](const char* nazwa) {
                return W<QLineEdit>(okno,
                                    qPrintable(QStringLiteral("%1%2").arg(QLatin1String(nazwa)).arg(i + 1)));
            };
            pole("EditNazwa")->setText(m.Nazwa);
            pole("NumEditLambda")->setText(m.Lambda);
            pole("NumEditMi")->setText(m.Mi);
            W<QComboBox>(okno, qPrintable(QStringLiteral("ComboBoxSposob%1").arg(i + 1)))
                ->setCurrentIndex(m.Procent.isEmpty() ? 1 : 0);
            if (m.Procent.isEmpty()) {
                pole("NumEditSzerokosc")->setText(m.Szerokosc);
                pole("NumEditRozstaw")->setText(m.Rozstaw);
            } else {
                pole("NumEditUdzial")->setText(m.Procent);
            }
        }
        QComboBox* os = W<QComboBox>(okno, "ComboBoxWOsi");
        os->setCurrentIndex(os->findData(wOsi));
        Zrzut(okno, QStringLiteral("mostki_%1").arg(mostki.size()));
        W<QPushButton>(okno, "Button1")->click();
    };
}

// The insertion dialog over the shipped catalogue, the user's own groups in `uzytkownik`, given
// to the window.
TFormWstawWarstwe* WstawianieZKatalogiem(TOkno& o, const QTemporaryDir& uzytkownik) {
    auto* wstaw = new TFormWstawWarstwe(*o.Okno, o.Dialogi, o.Okno.get());
    wstaw->KatalogDanych = MUROLAB_KATALOG_DANYCH;
    wstaw->KatalogUzytkownika = uzytkownik.path().toStdString();
    o->UstawFormy(wstaw, nullptr, nullptr, nullptr, nullptr);
    return wstaw;
}

} // namespace

Q_DECLARE_METATYPE(TMostek)

class TestPowietrzeMostki : public QObject {
    Q_OBJECT

private slots:
    // Entered from the grid's menu, the air layer is inserted at the row, named after its
    // ventilation, and its record holds lambda = d / Ra and mu = 1; calculated, its R is the
    // standard's table value for a 25 mm unventilated layer in that direction of heat flow.
    void warstwa_powietrza_z_menu_data() {
        QTest::addColumn<double>("rsi");
        QTest::addColumn<QString>("kierunek");
        QTest::addColumn<double>("ra");
        QTest::newRow("sciana_poziomy") << 0.13 << "poziomy" << 0.18;
        QTest::newRow("dach_w_gore") << 0.10 << "w górę" << 0.16;
        QTest::newRow("podloga_w_dol") << 0.17 << "w dół" << 0.19;
    }
    void warstwa_powietrza_z_menu() {
        QFETCH(double, rsi);
        QFETCH(QString, kierunek);
        QFETCH(double, ra);
        TOkno o;
        o.Dodaj(kTrzyWarstwy);
        TWarunki warunki;
        warunki.Rsi = rsi;
        o.Warunki(warunki);
        o.ZMostkami();
        o.Model().Zmieniony = false;
        QStringList domyslne;

        Polecenie(o, 2, "Warstwapowietrza1",
                  Powietrze(QStringLiteral("0,025"), 0, QStringLiteral("0"), &domyslne));

        QCOMPARE(domyslne.mid(0, 4), (QStringList{"0,9", "0,9", kierunek, "niewentylowana"}));
        // The dialog shows the table's Ra while the values are typed.
        QVERIFY2(domyslne.value(4).startsWith(
                     QStringLiteral("Ra = %1 m²·K/W").arg(QString::fromStdString(Staly(ra, 15, 2)))),
                 qPrintable(domyslne.value(4)));
        QCOMPARE(o.Model().LiczbaWarstw, 4);
        QCOMPARE(Komorka(o, 2, 1), QStringLiteral("Warstwa powietrza niewentylowana"));
        QCOMPARE(Komorka(o, 2, 3), QStringLiteral("1"));
        QCOMPARE(Komorka(o, 2, 4), QStringLiteral("0,025"));
        QCOMPARE(Komorka(o, 3, 1), QStringLiteral("Cegła"));
        const TWarstwa& w = o.Model().Warstwy[3];
        QVERIFY(w.Powietrze.has_value());
        QCOMPARE(w.Powietrze->Kierunek, KierunekDlaRsi(rsi));
        QCOMPARE(w.Lambda, 0.025 / OporPowietrza(0.025, *w.Powietrze));
        QCOMPARE(w.Mi, 1.0);
        QVERIFY(o.Model().Zmieniony);
        QVERIFY(Notatka(o, 2).startsWith(QStringLiteral("powietrze, Ra = ")));
        // Its numbers are the dialog's to change: no editor opens on them.
        for (int k = 2; k <= 6; ++k)
            QVERIFY(!(Siatka(o)->item(2, k)->flags() & Qt::ItemIsEditable));
        QVERIFY(Siatka(o)->item(1, 2)->flags() & Qt::ItemIsEditable);

        o.Oblicz();
        QVERIFY2(o.Dialogi.Bledy().isEmpty(), qPrintable(o.Dialogi.Bledy().join('\n')));
        QVERIFY2(std::abs(o.Model().Wyniki.R[3] - ra) < 0.005,
                 qPrintable(QString::number(o.Model().Wyniki.R[3])));
        QVERIFY(o.Model().Warstwy[3].Powietrze.has_value());

        // Either dialog's change is an edit of the project: the results go stale.
        QVERIFY(!o->WynikiNieaktualne());
        Polecenie(o, 2, "Warstwapowietrza1", Powietrze(QStringLiteral("0,03")));
        QVERIFY(o->WynikiNieaktualne());
        o.Oblicz();
        QVERIFY(!o->WynikiNieaktualne());
        Polecenie(o, 1, "Mostkiwwarstwie1", Mostki({WProcentach("Krokiew", "0,13", "50", "10")}));
        QVERIFY(o->WynikiNieaktualne());
    }

    // An entry the checks refuse keeps the dialog open with the fault's message and leaves the
    // grid and the model as they were.
    void odrzucona_warstwa_powietrza_data() {
        QTest::addColumn<QString>("grubosc");
        QTest::addColumn<int>("wentylacja");
        QTest::addColumn<QString>("av");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("grubsza_niz_0_3_m") << "0,35" << 0 << "0"
                                           << "dozwolona od 0,0001 do 0,3 m";
        QTest::newRow("bez_grubosci") << "0" << 0 << "0"
                                      << "dozwolona od 0,0001 do 0,3 m";
        QTest::newRow("slabo_wentylowana_z_malym_av") << "0,04" << 1 << "300"
                                                      << "więcej niż 500";
        QTest::newRow("dobrze_wentylowana_na_poczatku") << "0,04" << 2 << "0"
                                                        << "przed nią nie ma";
    }
    void odrzucona_warstwa_powietrza() {
        QFETCH(QString, grubosc);
        QFETCH(int, wentylacja);
        QFETCH(QString, av);
        QFETCH(QString, fragment);
        TOkno o;
        o.Dodaj(kTrzyWarstwy);
        o.Model().Zmieniony = false;
        bool otwarte = false;
        Polecenie(o, 0, "Warstwapowietrza1", [&](QDialog* okno) {
            Powietrze(grubosc, wentylacja, av)(okno);
            otwarte = okno->isVisible();
        });
        QVERIFY(otwarte);
        const QStringList k = o.Dialogi.TekstyKomunikatow();
        QCOMPARE(k.size(), 1);
        QVERIFY2(k[0].contains(fragment), qPrintable(k[0]));
        QCOMPARE(o.Model().LiczbaWarstw, 3);
        QCOMPARE(Komorka(o, 0, 1), QStringLiteral("Tynk"));
        for (int j = 1; j <= 3; ++j)
            QVERIFY(!o.Model().Warstwy[j].Powietrze);
        QVERIFY(!o.Model().Zmieniony);
    }

    // The command on an air layer reopens the dialog with that layer's values and changes it in place.
    void zmiana_warstwy_powietrza() {
        TOkno o;
        o.Dodaj(kTrzyWarstwy);
        Polecenie(o, 2, "Warstwapowietrza1", Powietrze(QStringLiteral("0,025"), 1, QStringLiteral("1000")));
        QCOMPARE(o.Model().LiczbaWarstw, 4);
        QCOMPARE(o.Model().Warstwy[3].Powietrze->Av, 1000.0);
        QCOMPARE(Komorka(o, 2, 1), QStringLiteral("Warstwa powietrza słabo wentylowana"));

        QStringList pokazane;
        Polecenie(o, 2, "Warstwapowietrza1", [&](QDialog* okno) {
            pokazane = {W<QLineEdit>(okno, "NumEditGrubosc")->text(),
                        W<QComboBox>(okno, "ComboBoxWentylacja")->currentText(),
                        W<QLineEdit>(okno, "NumEditAv")->text()};
            Powietrze(QStringLiteral("0,05"), 0)(okno);
        });
        QCOMPARE(pokazane, (QStringList{"0,025", "słabo wentylowana", "1000"}));
        QCOMPARE(o.Model().LiczbaWarstw, 4);
        QCOMPARE(Komorka(o, 2, 1), QStringLiteral("Warstwa powietrza niewentylowana"));
        QCOMPARE(Komorka(o, 2, 4), QStringLiteral("0,05"));
        const TWarstwa& w = o.Model().Warstwy[3];
        QCOMPARE(w.Grubosc, 0.05);
        QCOMPARE(w.Powietrze->Wentylacja, TWentylacja::Brak);
        QCOMPARE(w.Powietrze->Av, 0.0);
        QCOMPARE(w.Lambda, 0.05 / OporPowietrza(0.05, *w.Powietrze));
        QCOMPARE(Komorka(o, 2, 2), QString::fromStdString(Ogolny(std::round(w.Lambda * 10000) / 10000)));

        // A double click on its locked numbers opens the same dialog; on another layer's it does not.
        QStringList okna;
        o.Dialogi.Modalnie = [&](QDialog* okno) { okna << okno->objectName(); };
        emit Siatka(o)->cellDoubleClicked(2, 4);
        emit Siatka(o)->cellDoubleClicked(1, 4);
        o.Dialogi.Modalnie = nullptr;
        QCOMPARE(okna, QStringList{"FormWarstwaPowietrza"});
    }

    // The marks and the locked cells follow their layer when the rows move.
    void oznaczenia_ida_za_warstwa() {
        TOkno o;
        o.Dodaj(kTrzyWarstwy);
        Polecenie(o, 2, "Warstwapowietrza1", Powietrze(QStringLiteral("0,03")));
        Polecenie(o, 3, "Mostkiwwarstwie1", Mostki({WProcentach("Kotwa", "0,13", "50", "1")}));
        Siatka(o)->setCurrentCell(0, 1);
        o.Dialogi.Odpowiedzi << TOdpowiedz::Tak;
        Kontrolka<QAction>(o, "Usuwarstw1")->trigger();
        QCOMPARE(o.Model().LiczbaWarstw, 3);
        QCOMPARE(Komorka(o, 1, 1), QStringLiteral("Warstwa powietrza niewentylowana"));
        QVERIFY(Notatka(o, 1).startsWith(QStringLiteral("powietrze")));
        QCOMPARE(Notatka(o, 2), QStringLiteral("mostki: Kotwa 1 %"));
        QVERIFY(Notatka(o, 0).isEmpty());
        for (int r = 0; r < 3; ++r)
            QCOMPARE(static_cast<bool>(Siatka(o)->item(r, 2)->flags() & Qt::ItemIsEditable), r != 1);
        // The menu's command says what it does on the row it is opened on.
        QAction* akcja = Kontrolka<QAction>(o, "Warstwapowietrza1");
        QMenu* menu = Kontrolka<QMenu>(o, "PopupMenuStrPrzegroda");
        for (const auto& [wiersz, tekst] :
             {std::pair{1, "Zmień warstwę powietrza…"}, std::pair{2, "Wstaw warstwę powietrza…"}}) {
            Siatka(o)->setCurrentCell(wiersz, 1);
            emit menu->aboutToShow();
            QCOMPARE(akcja->text(), QString::fromUtf8(tekst));
        }
    }

    // "Z katalogu…" takes a bridging material's values from the insertion dialog's catalogue; its
    // share is typed in the bridged-layer dialog.
    void mostek_z_katalogu() {
        QTemporaryDir uzytkownik;
        TOkno o;
        o.Dodaj(kTrzyWarstwy);
        TFormWstawWarstwe* wstaw = WstawianieZKatalogiem(o, uzytkownik);
        Polecenie(o, 1, "Mostkiwwarstwie1", [&](QDialog* okno) {
            if (okno == wstaw) {
                auto* grupy = Kontrolka<QComboBox>(okno, "ComboBoxPliki");
                grupy->setCurrentIndex(grupy->findText(QStringLiteral("Materiały różne")));
                emit grupy->activated(grupy->currentIndex());
                auto* lista = Kontrolka<QTableWidget>(okno, "SG2");
                const QList<QTableWidgetItem*> wpis = lista->findItems(
                    QStringLiteral("Profil stalowy (słupek/łata) 7800 kg/m3"), Qt::MatchExactly);
                QCOMPARE(wpis.size(), 1);
                lista->setCurrentCell(wpis[0]->row(), 0);
                Kontrolka<QPushButton>(okno, "Button1")->click();
                return;
            }
            W<QPushButton>(okno, "ButtonKatalog1")->click();
            QCOMPARE(W<QLineEdit>(okno, "EditNazwa1")->text(),
                     QStringLiteral("Profil stalowy (słupek/łata) 7800 kg/m3"));
            QCOMPARE(W<QLineEdit>(okno, "NumEditLambda1")->text(), QStringLiteral("50"));
            QCOMPARE(W<QLineEdit>(okno, "NumEditGestosc1")->text(), QStringLiteral("7800"));
            W<QLineEdit>(okno, "NumEditUdzial1")->setText(QStringLiteral("1,5"));
            Zrzut(okno, QStringLiteral("mostki_z_katalogu"));
            W<QPushButton>(okno, "Button1")->click();
        });
        QVERIFY2(o.Dialogi.TekstyKomunikatow().isEmpty(),
                 qPrintable(o.Dialogi.TekstyKomunikatow().join('\n')));
        const std::vector<TMaterialMostka>& m = o.Model().Warstwy[2].Mostki;
        QCOMPARE(m.size(), std::size_t{1});
        QCOMPARE(m[0].Lambda, 50.0);
        QCOMPARE(m[0].Mi, 1000000.0);
        QCOMPARE(m[0].Udzial, 0.015);
        QCOMPARE(m[0].Cieplo, std::optional<double>(0.45));
        // A metal bridge is entered as it is; the method refuses it.
        ArkuszPrzegrody(o.Okno)->PobierzWarstwy();
        QVERIFY(!MetodaLaczona(o.Model()).Stosowalna);
    }

    // A low-emissivity face (aluminium foil) is entered as it is and raises Ra.
    void powierzchnia_niskoemisyjna() {
        TOkno o;
        o.Dodaj(kTrzyWarstwy);
        Polecenie(o, 2, "Warstwapowietrza1", [](QDialog* okno) {
            W<QLineEdit>(okno, "NumEditEmisyjnosc2")->setText(QStringLiteral("0,05"));
            Powietrze(QStringLiteral("0,025"))(okno);
        });
        const TWarstwa& w = o.Model().Warstwy[3];
        QVERIFY(w.Powietrze.has_value());
        QCOMPARE(w.Powietrze->Emisyjnosc[0], 0.9);
        QCOMPARE(w.Powietrze->Emisyjnosc[1], 0.05);
        TPowietrze zwykle = *w.Powietrze;
        zwykle.Emisyjnosc = {0.9, 0.9};
        QVERIFY(OporPowietrza(0.025, *w.Powietrze) > 2 * OporPowietrza(0.025, zwykle));
        QCOMPARE(w.Lambda, 0.025 / OporPowietrza(0.025, *w.Powietrze));
    }

    // Bridging typed as width and spacing: 8 cm every 90 cm is a share of 0,0889; a second material
    // as a percentage; the grid's note names both.
    void mostki_z_szerokosci_i_rozstawu() {
        TOkno o;
        o.Dodaj(kTrzyWarstwy);
        o.Model().Zmieniony = false;
        Polecenie(
            o, 1, "Mostkiwwarstwie1",
            Mostki({ZRozstawu("Krokiew", "0,13", "50", "8", "90"), WProcentach("Łata", "0,13", "50", "2")}));
        QVERIFY2(o.Dialogi.TekstyKomunikatow().isEmpty(),
                 qPrintable(o.Dialogi.TekstyKomunikatow().join('\n')));
        const std::vector<TMaterialMostka>& m = o.Model().Warstwy[2].Mostki;
        QCOMPARE(m.size(), std::size_t{2});
        QCOMPARE(m[0].Nazwa, std::string("Krokiew"));
        QCOMPARE(m[0].Udzial, UdzialZRozstawu(8, 90));
        QVERIFY(std::abs(m[0].Udzial - 0.0889) < 0.00005);
        QCOMPARE(m[1].Udzial, 0.02);
        QVERIFY(!m[0].Gestosc && !m[0].Cieplo);
        QVERIFY(o.Model().Zmieniony);
        QCOMPARE(Notatka(o, 1), QStringLiteral("mostki: Krokiew 8,9 %, Łata 2 %"));
        QCOMPARE(Komorka(o, 1, 1), QStringLiteral("Wełna"));
        QVERIFY(Notatka(o, 0).isEmpty());
    }

    // A refused bridging leaves the layer as it was, with the fault's message.
    void odrzucone_mostki_data() {
        QTest::addColumn<QList<TMostek>>("mostki");
        QTest::addColumn<int>("wOsi");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("udzialy_do_1")
            << QList<TMostek>{WProcentach("A", "0,13", "50", "60"), WProcentach("B", "0,13", "50", "45")} << 0
            << "udziały mostków sumują się do 1,05";
        QTest::newRow("rozstaw_mniejszy_od_szerokosci")
            << QList<TMostek>{ZRozstawu("A", "0,13", "50", "10", "8")} << 0
            << "rozstaw większy od szerokości";
        QTest::newRow("lambda_zero") << QList<TMostek>{WProcentach("A", "0", "50", "10")} << 0
                                     << "λ mostka 1";
        QTest::newRow("bez_nazwy") << QList<TMostek>{WProcentach("", "0,13", "50", "10")} << 0
                                   << "Podaj nazwę materiału mostka 1";
        QTest::newRow("w_osi_inne_udzialy")
            << QList<TMostek>{WProcentach("Łata", "0,13", "50", "12")} << 2 << "w osi warstwy 2";
    }
    void odrzucone_mostki() {
        QFETCH(QList<TMostek>, mostki);
        QFETCH(int, wOsi);
        QFETCH(QString, fragment);
        TOkno o;
        o.Dodaj(kTrzyWarstwy);
        o.Model().Warstwy[2].Mostki = {TMaterialMostka{"Krokiew", 0.13, 50, {}, {}, 0.1}};
        ArkuszPrzegrody(o.Okno)->OdswiezOznaczenia();
        o.Model().Zmieniony = false;
        const auto przed = o.Model().Warstwy[3].Mostki.size();
        bool otwarte = false;
        Polecenie(o, 2, "Mostkiwwarstwie1", [&](QDialog* okno) {
            Mostki(mostki, wOsi)(okno);
            otwarte = okno->isVisible();
        });
        QVERIFY(otwarte);
        const QStringList k = o.Dialogi.TekstyKomunikatow();
        QCOMPARE(k.size(), 1);
        QVERIFY2(k[0].contains(fragment), qPrintable(k[0]));
        QCOMPARE(o.Model().Warstwy[3].Mostki.size(), przed);
        QCOMPARE(o.Model().Warstwy[3].WOsi, 0);
        QVERIFY(Notatka(o, 2).isEmpty());
        QVERIFY(!o.Model().Zmieniony);
    }

    // Lying on an earlier bridged layer with its fractions is accepted; removing that layer's
    // bridging unlinks the layer that lay on it and says so.
    void w_osi_i_usuniecie_mostkow() {
        TOkno o;
        o.Dodaj(kTrzyWarstwy);
        Polecenie(o, 1, "Mostkiwwarstwie1", Mostki({ZRozstawu("Krokiew", "0,13", "50", "8", "90")}));
        Polecenie(o, 2, "Mostkiwwarstwie1", Mostki({ZRozstawu("Łata", "0,13", "50", "8", "90")}, 2));
        QVERIFY2(o.Dialogi.TekstyKomunikatow().isEmpty(),
                 qPrintable(o.Dialogi.TekstyKomunikatow().join('\n')));
        QCOMPARE(o.Model().Warstwy[3].WOsi, 2);
        QVERIFY(Notatka(o, 2).endsWith(QStringLiteral("(w osi warstwy 2)")));

        // Reopened, the stored share comes back exactly, though shown as a rounded percentage.
        QString pokazany;
        Polecenie(o, 1, "Mostkiwwarstwie1", [&](QDialog* okno) {
            pokazany = W<QLineEdit>(okno, "NumEditUdzial1")->text();
            W<QPushButton>(okno, "Button1")->click();
        });
        QCOMPARE(pokazany, QStringLiteral("8,89"));
        QVERIFY2(o.Dialogi.TekstyKomunikatow().isEmpty(),
                 qPrintable(o.Dialogi.TekstyKomunikatow().join('\n')));
        QCOMPARE(o.Model().Warstwy[2].Mostki[0].Udzial, UdzialZRozstawu(8, 90));

        Polecenie(o, 1, "Mostkiwwarstwie1",
                  [](QDialog* okno) { W<QPushButton>(okno, "ButtonUsun")->click(); });
        QVERIFY(o.Model().Warstwy[2].Mostki.empty());
        QCOMPARE(o.Model().Warstwy[3].WOsi, 0);
        QCOMPARE(o.Model().Warstwy[3].Mostki.size(), std::size_t{1});
        const QStringList k = o.Dialogi.TekstyKomunikatow();
        QCOMPARE(k.size(), 1);
        QVERIFY2(k[0].contains(QStringLiteral("warstw 3")), qPrintable(k[0]));
        QVERIFY(Notatka(o, 1).isEmpty());
    }

    // What the dialogs entered survives a save and an opening, with the grid's marks.
    void zapis_i_ponowne_otwarcie() {
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("dach.pro"));
        TPowietrze powietrze;
        std::vector<TMaterialMostka> mostki;
        {
            TOkno o;
            o.Dodaj(kTrzyWarstwy);
            o.Warunki(TWarunki{});
            o.ZMostkami();
            Polecenie(o, 2, "Warstwapowietrza1", Powietrze(QStringLiteral("0,04"), 1, QStringLiteral("700")));
            Polecenie(o, 1, "Mostkiwwarstwie1", Mostki({ZRozstawu("Krokiew", "0,13", "50", "8", "90")}));
            o.Zrzut(QStringLiteral("siatka"));
            powietrze = *o.Model().Warstwy[3].Powietrze;
            mostki = o.Model().Warstwy[2].Mostki;
            o.Dialogi.PlikiDoZapisu << plik;
            Kontrolka<QAction>(o, "Zapisz1")->trigger();
            QVERIFY2(o.Dialogi.Bledy().isEmpty(), qPrintable(o.Dialogi.Bledy().join('\n')));
            QVERIFY(!o.Model().Zmieniony);
        }
        TOkno o;
        o.Dialogi.PlikiDoOtwarcia << plik;
        Kontrolka<QAction>(o, "Otwrz1")->trigger();
        QVERIFY2(o.Dialogi.Bledy().isEmpty(), qPrintable(o.Dialogi.Bledy().join('\n')));
        QCOMPARE(o.Model().LiczbaWarstw, 4);
        const TWarstwa& w = o.Model().Warstwy[3];
        QVERIFY(w.Powietrze.has_value());
        QCOMPARE(w.Powietrze->Wentylacja, powietrze.Wentylacja);
        QCOMPARE(w.Powietrze->Av, 700.0);
        QCOMPARE(Komorka(o, 2, 4), QStringLiteral("0,04"));
        QCOMPARE(o.Model().Warstwy[2].Mostki.size(), std::size_t{1});
        QCOMPARE(o.Model().Warstwy[2].Mostki[0].Udzial, mostki[0].Udzial);
        QCOMPARE(o.Model().Warstwy[2].Mostki[0].Nazwa, std::string("Krokiew"));
        QCOMPARE(Notatka(o, 2),
                 QStringLiteral("powietrze, Ra = %1")
                     .arg(QString::fromStdString(Staly(OporPowietrza(0.04, powietrze), 15, 2))));
        QCOMPARE(Notatka(o, 1), QStringLiteral("mostki: Krokiew 8,9 %"));
        QVERIFY(!(Siatka(o)->item(2, 2)->flags() & Qt::ItemIsEditable));
        QVERIFY(!o.Model().Zmieniony);
        // The opened air layer's thickness is the grid's: bridging another layer is not refused for it.
        Polecenie(o, 0, "Mostkiwwarstwie1", Mostki({WProcentach("Listwa", "0,13", "50", "5")}));
        QVERIFY2(o.Dialogi.TekstyKomunikatow().isEmpty(),
                 qPrintable(o.Dialogi.TekstyKomunikatow().join('\n')));
        QCOMPARE(o.Model().Warstwy[1].Mostki.size(), std::size_t{1});
    }

    // The insertion dialog's air-layer entry opens the air-layer dialog; what it enters lands at
    // the row the insertion aimed at.
    void wpis_katalogu_otwiera_okno_powietrza() {
        QTemporaryDir uzytkownik;
        TOkno o;
        o.Dodaj(kTrzyWarstwy);
        TFormWstawWarstwe* wstaw = WstawianieZKatalogiem(o, uzytkownik);
        Siatka(o)->setCurrentCell(1, 1);
        QStringList okna;
        o.Dialogi.Modalnie = [&](QDialog* okno) {
            okna << okno->objectName();
            if (okno == wstaw) {
                auto* grupy = Kontrolka<QComboBox>(okno, "ComboBoxPliki");
                grupy->setCurrentIndex(grupy->findText(QStringLiteral("Materiały różne")));
                emit grupy->activated(grupy->currentIndex());
                auto* lista = Kontrolka<QTableWidget>(okno, "SG2");
                const QList<QTableWidgetItem*> wpis =
                    lista->findItems(QStringLiteral("Warstwa powietrza"), Qt::MatchExactly);
                QCOMPARE(wpis.size(), 1);
                lista->setCurrentCell(wpis[0]->row(), 0);
                Kontrolka<QLineEdit>(okno, "NumEditGrubosc")->setText(QStringLiteral("0,03"));
                Kontrolka<QPushButton>(okno, "Button1")->click();
            } else {
                QCOMPARE(W<QLineEdit>(okno, "NumEditGrubosc")->text(), QStringLiteral("0,03"));
                W<QPushButton>(okno, "Button1")->click();
            }
        };
        Kontrolka<QAction>(o, "Dodajwarstw1")->trigger();
        o.Dialogi.Modalnie = nullptr;
        QCOMPARE(okna, (QStringList{wstaw->objectName(), "FormWarstwaPowietrza"}));
        QVERIFY(o.Dialogi.TekstyKomunikatow().isEmpty());
        QCOMPARE(o.Model().LiczbaWarstw, 4);
        QCOMPARE(Komorka(o, 1, 1), QStringLiteral("Warstwa powietrza niewentylowana"));
        QCOMPARE(Komorka(o, 2, 1), QStringLiteral("Wełna"));
        QVERIFY(o.Model().Warstwy[2].Powietrze.has_value());
        QCOMPARE(o.Model().Warstwy[2].Grubosc, 0.03);
    }
};

QTEST_MAIN(TestPowietrzeMostki)
#include "tst_powietrze_mostki.moc"
