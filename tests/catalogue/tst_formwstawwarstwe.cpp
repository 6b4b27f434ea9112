// The layer insertion dialog and catalogue maintenance, offscreen. Each test hands the dialog a
// fresh data directory holding a copy of the shipped group files (K: only ever read) and a user's
// data directory that does not exist yet (W: where own materials go); tests that need a particular
// group write it into the data directory themselves.

#include "OknoWarstwTestowe.h"
#include "widgets/DialogiTestowe.h"
#include "widgets/Kontrolka.h"

#include "catalogue/FormWstawWarstwe.h"
#include "catalogue/PlikGrupy.h"
#include "core/KrotkiTekst.h"
#include "tools/DopisywanieGrupy.h"
#include "widgets/NumEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <memory>

using namespace murolab;

namespace {

struct TWpis {
    QString Nazwa;
    double LambdaSW;
    double LambdaW;
};

TMaterial Material(const TWpis& w) {
    TMaterial m;
    m.Material.UstawUtf8(w.Nazwa.toStdString());
    m.LambdaSW = w.LambdaSW;
    m.LambdaW = w.LambdaW;
    m.Mi = 10;
    m.Gestosc = 1000;
    m.Cieplo = 0.84;
    return m;
}

// The test's data directory and user's data directory, set by init().
QString gKatalog, gWlasne;
QString K(const QString& plik) {
    return gKatalog + QLatin1Char('/') + plik;
}
QString W(const QString& plik) {
    return gWlasne + QLatin1Char('/') + plik;
}

// Writes a group file, records in the given order.
void ZapiszGrupe(const QString& plik, const QList<TWpis>& wpisy) {
    std::ofstream(plik.toStdString(), std::ios::binary | std::ios::trunc).close();
    for (const TWpis& w : wpisy)
        QVERIFY(!DopiszMaterial(plik.toStdString(), Material(w), false));
}

// The materials of a group file that has to be sound.
std::vector<TMaterial> Materialy(const QString& plik) {
    auto wynik = WczytajMaterialy(plik.toStdString());
    if (const std::string* blad = Niepowodzenie(wynik))
        qFatal("%s", blad->c_str());
    return std::get<std::vector<TMaterial>>(std::move(wynik));
}

// "Nie znaleziono pliku „…”." for a group file that is missing.
QString BrakPliku(const QString& plik) {
    return QStringLiteral("Nie znaleziono pliku „%1”.").arg(plik);
}

QStringList NazwyWPliku(const QString& plik) {
    QStringList nazwy;
    for (const TMaterial& m : Materialy(plik))
        nazwy << QString::fromStdString(m.Material.Utf8());
    return nazwy;
}

QByteArray Bajty(const QString& plik) {
    QFile f(plik);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kSredniowilgotne = QStringLiteral("Warunki średniowilgotne");
const QString kWilgotne = QStringLiteral("Warunki wilgotne");
const QString kZakresGrubosci =
    QStringLiteral("Podana grubość warstwy jest niepoprawna (dopuszczalna od 0,0001 do 10 m). Jeżeli "
                   "nadal będze pojawiał się taki komunikat zajrzyj do pomocy programu.");
const QString kZakresLambdy =
    QStringLiteral("Podana wartość wsp. przewodzenia ciepła jest niepoprawna. Jeżeli "
                   "nadal będze pojawiał się taki komunikat zajrzyj do pomocy programu.");
const QString kZakresMi =
    QStringLiteral("Podany wsp. oporu dyfuzji jest niepoprawny. Jeżeli nadal będze pojawiał "
                   "się taki komunikat zajrzyj do pomocy programu.");

} // namespace

Q_DECLARE_METATYPE(TWpis)

class TestFormWstawWarstwe : public QObject {
    Q_OBJECT

    QTemporaryDir katalog_;
    QTemporaryDir uzytkownik_;
    std::unique_ptr<TDialogiTestowe> dialogi_;
    std::unique_ptr<TOknoWarstwTestowe> okno_;
    std::unique_ptr<TFormWstawWarstwe> dlg_;

    TFormWstawWarstwe& Dlg() { return *dlg_; }
    QStringList Lista() const {
        QStringList wiersze;
        for (int i = 0; i < Kontrolka<QTableWidget>(dlg_, "SG2")->rowCount(); ++i)
            wiersze << (Kontrolka<QTableWidget>(dlg_, "SG2")->item(i, 0)
                            ? Kontrolka<QTableWidget>(dlg_, "SG2")->item(i, 0)->text()
                            : QString());
        return wiersze;
    }
    void Pokaz() {
        dlg_->show();
        QCoreApplication::processEvents();
    }
    void WybierzGrupe(int indeks) {
        Kontrolka<QComboBox>(dlg_, "ComboBoxPliki")->setCurrentIndex(indeks);
        emit Kontrolka<QComboBox>(dlg_, "ComboBoxPliki")->activated(indeks);
    }
    // A pick as the user makes it: a click on the row.
    void Wybierz(int wiersz) {
        QTableWidgetItem* komorka = Kontrolka<QTableWidget>(dlg_, "SG2")->item(wiersz, 0);
        Kontrolka<QTableWidget>(dlg_, "SG2")->scrollToItem(komorka);
        QTest::mouseClick(Kontrolka<QTableWidget>(dlg_, "SG2")->viewport(), Qt::LeftButton, {},
                          Kontrolka<QTableWidget>(dlg_, "SG2")->visualItemRect(komorka).center());
    }
    void Wlasny(bool wlaczony) { Kontrolka<QCheckBox>(dlg_, "CheckBoxWybor")->setChecked(wlaczony); }
    void Wpisz(const QString& nazwa, const QString& lsw, const QString& lw, const QString& mi,
               const QString& gestosc = QStringLiteral("0"), const QString& cieplo = QStringLiteral("0")) {
        Kontrolka<QLineEdit>(dlg_, "EditMaterial")->setText(nazwa);
        Kontrolka<TNumEdit>(dlg_, "NumEditLambdaSW")->setText(lsw);
        Kontrolka<TNumEdit>(dlg_, "NumEditLambdaW")->setText(lw);
        Kontrolka<TNumEdit>(dlg_, "NumEditMi")->setText(mi);
        Kontrolka<TNumEdit>(dlg_, "NumEditGestosc")->setText(gestosc);
        Kontrolka<TNumEdit>(dlg_, "NumEditCieplo")->setText(cieplo);
    }
    static QColor Tlo(const QWidget* w) { return w->palette().color(QPalette::Active, QPalette::Base); }
    static QColor Systemowy(QPalette::ColorRole rola) {
        return QApplication::palette().color(QPalette::Active, rola);
    }
    // Catalogue mode, after opening as after leaving own-material mode: group and list usable, the
    // values locked, the four value fields in the system window colour.
    void SprawdzPolaTrybuKatalogu() {
        QVERIFY(Kontrolka<QComboBox>(Dlg(), "ComboBoxPliki")->isEnabled() &&
                Kontrolka<QTableWidget>(Dlg(), "SG2")->isEnabled());
        QVERIFY(!Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->isEnabled() &&
                Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->isReadOnly());
        for (TNumEdit* pole :
             {Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW"), Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaW"),
              Kontrolka<TNumEdit>(Dlg(), "NumEditMi"), Kontrolka<TNumEdit>(Dlg(), "NumEditGestosc"),
              Kontrolka<TNumEdit>(Dlg(), "NumEditCieplo")})
            QVERIFY(!pole->isEnabled());
        for (TNumEdit* pole :
             {Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW"), Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaW"),
              Kontrolka<TNumEdit>(Dlg(), "NumEditMi")})
            QVERIFY(pole->isReadOnly());
        for (TNumEdit* pole :
             {Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW"), Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaW"),
              Kontrolka<TNumEdit>(Dlg(), "NumEditGestosc"), Kontrolka<TNumEdit>(Dlg(), "NumEditCieplo")})
            QCOMPARE(Tlo(pole), Systemowy(QPalette::Base));
    }

private slots:
    void init() {
        QVERIFY(katalog_.isValid() && uzytkownik_.isValid());
        gKatalog = katalog_.path();
        gWlasne = uzytkownik_.filePath(QStringLiteral("murolab"));
        const QDir dane(QStringLiteral(MUROLAB_KATALOG_DANYCH));
        for (const QString& plik : dane.entryList({QStringLiteral("*.ath")}, QDir::Files)) {
            QFile::remove(katalog_.filePath(plik));
            QVERIFY(QFile::copy(dane.filePath(plik), katalog_.filePath(plik)));
        }
        dialogi_ = std::make_unique<TDialogiTestowe>();
        okno_ = std::make_unique<TOknoWarstwTestowe>();
        dlg_ = std::make_unique<TFormWstawWarstwe>(*okno_, *dialogi_);
        dlg_->KatalogDanych = gKatalog.toStdString();
        dlg_->KatalogUzytkownika = gWlasne.toStdString();
        okno_->Glowne.show();
    }
    void cleanup() {
        dlg_.reset();
        okno_.reset();
        dialogi_.reset();
        QDir(katalog_.path()).removeRecursively();
        QDir().mkpath(katalog_.path());
        QDir(gWlasne).removeRecursively();
    }

    // ------------------------------------------------------------ opening and closing

    void zamkniecie_pokazuje_okno_glowne_data() {
        QTest::addColumn<QString>("sposob");
        QTest::newRow("wprowadz") << "wprowadz";
        QTest::newRow("anuluj") << "anuluj";
        QTest::newRow("zamkniecie_okna") << "zamkniecie";
        QTest::newRow("escape") << "escape";
    }
    void zamkniecie_pokazuje_okno_glowne() {
        QFETCH(QString, sposob);
        bool ukryteGdyOtwarty = false;
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;
        dialogi_->Modalnie = [&](QDialog*) {
            ukryteGdyOtwarty = !okno_->Glowne.isVisible();
            if (sposob == QLatin1String("wprowadz")) {
                Wybierz(0);
                Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setText(QStringLiteral("0,25"));
                Kontrolka<QPushButton>(Dlg(), "Button1")->click();
            } else if (sposob == QLatin1String("anuluj")) {
                Kontrolka<QPushButton>(Dlg(), "Button2")->click();
            } else if (sposob == QLatin1String("zamkniecie")) {
                Dlg().close();
            } else {
                QTest::keyClick(&Dlg(), Qt::Key_Escape);
            }
            QVERIFY(!Dlg().isVisible());
        };
        dialogi_->PokazModalnie(&Dlg());
        QVERIFY(ukryteGdyOtwarty);
        QVERIFY(okno_->Glowne.isVisible());
        QCOMPARE(okno_->Wiersze.size(), sposob == QLatin1String("wprowadz") ? 1 : 0);
    }

    void otwarcie_przywraca_stan_poczatkowy() {
        okno_->Klasa = kWilgotne;
        Pokaz();
        WybierzGrupe(7);
        Wlasny(true);
        Wpisz(QStringLiteral("Coś"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
              QStringLiteral("4"), QStringLiteral("5"));
        Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setText(QStringLiteral("0,3"));
        Dlg().reject();
        Pokaz();

        QVERIFY(!okno_->Glowne.isVisible());
        QCOMPARE(Dlg().focusWidget(), Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->text(), QStringLiteral("0"));
        QVERIFY(Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->isEnabled());
        QVERIFY(!Kontrolka<QCheckBox>(Dlg(), "CheckBoxWybor")->isChecked());
        QVERIFY(Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->isHidden());
        QCOMPARE(Kontrolka<QComboBox>(Dlg(), "ComboBoxPliki")->currentText(), QStringLiteral("Betony"));
        QCOMPARE(Kontrolka<QLabel>(Dlg(), "LabelWiersz")->text(), QStringLiteral("Betony.ath"));
        QCOMPARE(Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->text(), QStringLiteral("Wybierz materiał:"));
        for (TNumEdit* pole :
             {Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW"), Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaW"),
              Kontrolka<TNumEdit>(Dlg(), "NumEditMi"), Kontrolka<TNumEdit>(Dlg(), "NumEditGestosc"),
              Kontrolka<TNumEdit>(Dlg(), "NumEditCieplo")})
            QCOMPARE(pole->text(), QStringLiteral("0"));
        SprawdzPolaTrybuKatalogu();
        // The shipped Betony group: 28 materials, in catalogue order.
        QCOMPARE(Kontrolka<QTableWidget>(Dlg(), "SG2")->rowCount(), 28);
        QCOMPARE(Lista().first(), QStringLiteral("Beton keramzytowy 1000 kg/m3"));
        QCOMPARE(Lista().last(), QStringLiteral("Żelbet 2500 kg/m3"));
        QVERIFY(dialogi_->Wywolania.isEmpty());
    }

    void otwarcie_bez_pliku_grupy_pokazuje_blad_i_zostaje_otwarte() {
        ZapiszGrupe(K("Tynki.ath"), {{"Tynk A", 0.8, 0.9}});
        Pokaz();
        WybierzGrupe(7);
        Dlg().reject();
        QVERIFY(QFile::remove(K("Betony.ath")));
        Pokaz();
        QCOMPARE(dialogi_->Bledy(), QStringList{BrakPliku(K("Betony.ath"))});
        QVERIFY(Dlg().isVisible());
        QCOMPARE(Lista().first(), QStringLiteral("Tynk A")); // the list as it was
        QVERIFY(!okno_->Glowne.isVisible());
    }

    void okno_ma_tytul_i_kolejnosc_tabulacji() {
        QCOMPARE(Dlg().windowTitle(),
                 QStringLiteral("Murolab -program do wstępnej analizy cieplno wilgotnościowej"));
        const QList<QWidget*> kolejnosc = {
            Kontrolka<QLineEdit>(Dlg(), "EditMaterial"),  Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW"),
            Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaW"), Kontrolka<TNumEdit>(Dlg(), "NumEditMi"),
            Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc"), Kontrolka<TNumEdit>(Dlg(), "NumEditGestosc"),
            Kontrolka<TNumEdit>(Dlg(), "NumEditCieplo"),  Kontrolka<QComboBox>(Dlg(), "ComboBoxPliki"),
            Kontrolka<QTableWidget>(Dlg(), "SG2"),        Kontrolka<QPushButton>(Dlg(), "Button1"),
            Kontrolka<QPushButton>(Dlg(), "Button2"),     Kontrolka<QCheckBox>(Dlg(), "CheckBoxWybor"),
            Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")};
        // The order of these controls in the focus chain (other widgets, such as a list's scroll
        // bars, may lie between them).
        QList<QWidget*> lancuch;
        QWidget* w = kolejnosc.first();
        do {
            if (kolejnosc.contains(w) && !lancuch.contains(w))
                lancuch << w;
            w = w->nextInFocusChain();
        } while (w != kolejnosc.first());
        QCOMPARE(lancuch, kolejnosc);
        // Density and specific heat are no tab stops even when enabled: in own-material mode (group
        // and list disabled) Tab goes from the thickness straight to "&Wprowadź".
        Pokaz();
        Wlasny(true);
        Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setFocus();
        QTest::keyClick(Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc"), Qt::Key_Tab);
        QCOMPARE(Dlg().focusWidget(), Kontrolka<QPushButton>(Dlg(), "Button1"));
    }

    void logo_rysowane_gdy_plik_jest() {
        Pokaz();
        const QRect obszar(435, 25, 250, 100);
        const QImage bez = Dlg().grab(obszar).toImage();
        QVERIFY(QFile::copy(QStringLiteral(MUROLAB_ZRODLA "/data/logo.bmp"), K("logo.bmp")));
        Dlg().update();
        const QImage z = Dlg().grab(obszar).toImage();
        QVERIFY(bez != z);
        QCOMPARE(QImage(K("logo.bmp")).size(), QSize(250, 100));
        QVERIFY(dialogi_->Wywolania.isEmpty());
    }

    void wlasne_materialy_w_katalogu_uzytkownika() {
        ZapiszGrupe(K("Betony.ath"), {{"Inny beton", 1.5, 1.6}});
        const QStringList zainstalowane = QDir(gKatalog).entryList(QDir::Files);
        const QByteArray betony = Bajty(K("Betony.ath"));
        Pokaz();
        QCOMPARE(Lista().first(), QStringLiteral("Inny beton"));

        // The first own material of the group: the user's directory is made and holds the group
        // with it; the shipped catalogue is as it was, no scratch file left anywhere.
        Wlasny(true);
        Wpisz(QStringLiteral("Beton nowy"), QStringLiteral("1"), QStringLiteral("1,1"), QStringLiteral("10"));
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;
        Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->click();
        QVERIFY(dialogi_->Bledy().isEmpty());
        QCOMPARE(NazwyWPliku(W("Betony.ath")), (QStringList{"Beton nowy", "Inny beton"}));
        QCOMPARE(Lista().mid(0, 2), (QStringList{"Beton nowy", "Inny beton"}));
        QCOMPARE(Bajty(K("Betony.ath")), betony);
        QCOMPARE(QDir(gKatalog).entryList(QDir::Files), zainstalowane);
        QCOMPARE(QDir(gWlasne).entryList(QDir::Files), QStringList{QStringLiteral("Betony.ath")});

        // An update of the shipped group does not hide the user's: the group is read from the copy,
        // and the next own material goes there too.
        ZapiszGrupe(K("Betony.ath"), {{"Beton z aktualizacji", 1.5, 1.6}});
        Dlg().reject();
        Pokaz();
        QCOMPARE(Lista().mid(0, 2), (QStringList{"Beton nowy", "Inny beton"}));
        Wlasny(true);
        Wpisz(QStringLiteral("Asfalt"), QStringLiteral("0,7"), QStringLiteral("0,7"), QStringLiteral("2000"));
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;
        Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->click();
        QCOMPARE(NazwyWPliku(W("Betony.ath")), (QStringList{"Asfalt", "Beton nowy", "Inny beton"}));
        QCOMPARE(NazwyWPliku(K("Betony.ath")), QStringList{"Beton z aktualizacji"});

        // A group without an own material is still the shipped one.
        WybierzGrupe(1);
        QCOMPARE(Lista().first(), NazwyWPliku(K("Ceramika.ath")).first());
        QVERIFY(dialogi_->Bledy().isEmpty());
    }

    void brak_grupy_w_katalogu_nie_zostawia_kopii() {
        // With no shipped group to copy, an own material cannot start one: the usual "Nie znaleziono
        // pliku", and nothing is left in the user's directory.
        ZapiszGrupe(K("Tynki.ath"), {{"Tynk", 0.8, 0.9}});
        Pokaz();
        WybierzGrupe(7);
        QVERIFY(QFile::remove(K("Tynki.ath")));
        Wlasny(true);
        Wpisz(QStringLiteral("Cegła"), QStringLiteral("0,77"), QStringLiteral("0,91"), QStringLiteral("10"));
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;
        Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->click();
        QCOMPARE(dialogi_->Bledy(), QStringList{BrakPliku(K("Tynki.ath"))});
        QVERIFY(QDir(gWlasne).entryList(QDir::Files).isEmpty());
    }

    // ------------------------------------------------------------ checks of a new layer

    void sprawdzenie_nowej_warstwy_data() {
        QTest::addColumn<QString>("d");
        QTest::addColumn<QString>("lsw");
        QTest::addColumn<QString>("lw");
        QTest::addColumn<QString>("mi");
        QTest::addColumn<QString>("klasa");
        QTest::addColumn<QString>("komunikat"); // empty: the check passes
        QTest::addColumn<QString>("tytul");
        QTest::addColumn<QString>("fokus"); // see the names below; "" = the focus stays
        QTest::addColumn<QString>("dPo");

        const QString s = kSredniowilgotne;
        const QString w = kWilgotne;
        const QString uwaga = QStringLiteral("Murolab -UWAGA !!!");
        const QString uwagaBez = QStringLiteral("Murolab-UWAGA !!!");
        const QString brakD = QStringLiteral("Nie podano grubości warstwy !!");
        const QString brakLambdy = QStringLiteral("Nie wprowadzono wsp. przewodzenia ciepła");
        const QString brakMi = QStringLiteral("Nie wprowadzono wsp. oporu dyfuzji");
        auto wiersz = [](const char* nazwa, const QString& d, const QString& lsw, const QString& lw,
                         const QString& mi, const QString& klasa, const QString& komunikat = {},
                         const QString& tytul = {}, const QString& fokus = {}) {
            // A failed thickness check resets the field to "0"; other steps leave it alone.
            const QString dPo = fokus == QLatin1String("grubosc") ? QStringLiteral("0") : d;
            QTest::newRow(nazwa) << d << lsw << lw << mi << klasa << komunikat << tytul << fokus << dPo;
        };
        wiersz("d_0", "0", "1", "1", "10", s, brakD, uwaga, "grubosc");
        wiersz("d_0_001_przechodzi", "0,001", "1", "1", "10", s);
        wiersz("d_10_przechodzi", "10", "1", "1", "10", s);
        wiersz("d_10_0001", "10,0001", "1", "1", "10", s, kZakresGrubosci, uwagaBez, "grubosc");
        wiersz("d_0_00005", "0,00005", "1", "1", "10", s, kZakresGrubosci, uwagaBez, "grubosc");
        // The limits of the grid and the calculation: a 0.2 mm foil goes in as it is.
        wiersz("d_folia_0_0002_przechodzi", "0,0002", "1", "1", "10", s);
        wiersz("d_0_0001_przechodzi", "0,0001", "1", "1", "10", s);
        wiersz("d_0_00009", "0,00009", "1", "1", "10", s, kZakresGrubosci, uwagaBez, "grubosc");
        wiersz("d_ujemna", "-1", "1", "1", "10", s, kZakresGrubosci, uwagaBez, "grubosc");
        wiersz("lambdy_puste_sw", "0,1", "", "", "10", s, brakLambdy, uwaga, "lambdaSW");
        wiersz("lambdy_puste_w", "0,1", "", "", "10", w, brakLambdy, uwaga, "lambdaW");
        // The calculation's limits of λ, bounds included.
        wiersz("lambda_sw_0_01_przechodzi", "0,1", "0,01", "0", "10", s);
        wiersz("lambda_1000_przechodzi", "0,1", "1000", "1000", "10", w);
        wiersz("lambda_sw_0_0099_bez_w", "0,1", "0,0099", "0", "10", s, kZakresLambdy, uwaga, "lambdaSW");
        wiersz("lambda_1000_1_obie", "0,1", "1000,1", "1000,1", "10", w, kZakresLambdy, uwaga, "lambdaW");
        wiersz("klasa_nieznana_fokus_w", "0,1", "0", "0", "10", "", kZakresLambdy, uwaga, "lambdaW");
        wiersz("lambda_w_ratuje", "0,1", "0,01", "0,011", "10", s);
        wiersz("lambda_sw_ratuje", "0,1", "999,9", "5000", "10", s);
        wiersz("lambda_sw_pusta_w_dobra", "0,1", "1", "", "10", s);
        wiersz("mi_puste", "0,1", "1", "1", "", s, brakMi, uwaga, "mi");
        wiersz("mi_1", "0,1", "1", "1", "1", s);
        wiersz("mi_9999999", "0,1", "1", "1", "9999999", s);
        wiersz("mi_10000000", "0,1", "1", "1", "10000000", s, kZakresMi, uwaga, "mi");
        wiersz("mi_0_99", "0,1", "1", "1", "0,99", s, kZakresMi, uwaga, "mi");
    }
    void sprawdzenie_nowej_warstwy() {
        QFETCH(QString, d);
        QFETCH(QString, lsw);
        QFETCH(QString, lw);
        QFETCH(QString, mi);
        QFETCH(QString, klasa);
        QFETCH(QString, komunikat);
        QFETCH(QString, tytul);
        QFETCH(QString, fokus);
        QFETCH(QString, dPo);
        okno_->Klasa = klasa;
        Pokaz();
        Wlasny(true); // every field enabled, so that the focus rules show
        Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setText(d);
        Wpisz(QStringLiteral("X"), lsw, lw, mi);
        Kontrolka<QPushButton>(Dlg(), "Button2")->setFocus();

        const bool wynik = Dlg().SprawdzNowaWarstwe();

        QCOMPARE(wynik, komunikat.isEmpty());
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->text(), dPo);
        if (komunikat.isEmpty()) {
            QVERIFY(dialogi_->Wywolania.isEmpty());
            QCOMPARE(Dlg().focusWidget(), Kontrolka<QPushButton>(Dlg(), "Button2"));
            return;
        }
        QCOMPARE(dialogi_->Komunikaty().size(), 1);
        const TWywolanie k = dialogi_->Komunikaty().first();
        QCOMPARE(k.Tekst, komunikat);
        QCOMPARE(k.Tytul, tytul);
        QCOMPARE(k.Ikona, TIkona::Stop);
        QCOMPARE(k.Przyciski, TPrzyciski::Ok);
        const QHash<QString, QWidget*> pola = {{"grubosc", Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")},
                                               {"lambdaSW", Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW")},
                                               {"lambdaW", Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaW")},
                                               {"mi", Kontrolka<TNumEdit>(Dlg(), "NumEditMi")}};
        QCOMPARE(Dlg().focusWidget(), pola.value(fokus));
    }

    void w_trybie_katalogu_przed_wyborem_materialu_odrzucone() {
        Pokaz();
        Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setText(QStringLiteral("0,2"));
        Kontrolka<QPushButton>(Dlg(), "Button2")->setFocus();
        Kontrolka<QPushButton>(Dlg(), "Button1")->click();
        QCOMPARE(dialogi_->TekstyKomunikatow(), QStringList{kZakresLambdy});
        QCOMPARE(Dlg().focusWidget(),
                 Kontrolka<QPushButton>(Dlg(), "Button2")); // the λ fields are disabled: the focus stays
        QVERIFY(Dlg().isVisible());
        QVERIFY(okno_->Operacje.isEmpty());
    }

    void tekst_nie_bedacy_liczba_konczy_wprowadzanie_bledem() {
        Pokaz();
        Wybierz(0);
        Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setText(QStringLiteral(","));
        Kontrolka<QPushButton>(Dlg(), "Button1")->click();
        QCOMPARE(dialogi_->Bledy(), QStringList{QStringLiteral("„,” nie jest poprawną liczbą rzeczywistą")});
        QVERIFY(Dlg().isVisible());
        QVERIFY(okno_->Operacje.isEmpty());
    }

    // ------------------------------------------------------------ sending the layer

    void tryby_wstawiania_data() {
        QTest::addColumn<int>("tryb");
        QTest::addColumn<int>("liczba");
        QTest::addColumn<int>("wiersz");
        QTest::addColumn<QStringList>("nazwy");
        QTest::addColumn<QStringList>("operacje");
        auto w = [](std::initializer_list<int> k) {
            QStringList n;
            for (int i : k)
                n << (i == 0 ? QStringLiteral("NOWA") : QStringLiteral("W%1").arg(i));
            return n;
        };
        QTest::newRow("dopisz_do_pustej")
            << 1 << 0 << 0 << w({0}) << QStringList{"DodajWiersz", "WpiszWiersz(0)"};
        QTest::newRow("dopisz_do_trzech")
            << 1 << 3 << 3 << w({1, 2, 3, 0}) << QStringList{"DodajWiersz", "WpiszWiersz(3)"};
        QTest::newRow("dopisz_przy_10_zastepuje_ostatnia")
            << 1 << 10 << 10 << w({1, 2, 3, 4, 5, 6, 7, 8, 9, 0})
            << QStringList{"DodajWiersz", "WpiszWiersz(9)"};
        QTest::newRow("wstaw_na_pierwsza")
            << 2 << 3 << 0 << w({0, 1, 2, 3})
            << QStringList{"DodajWiersz", "PrzesunWierszeWDol(4,0)", "WpiszWiersz(0)"};
        QTest::newRow("wstaw_w_srodek")
            << 2 << 3 << 1 << w({1, 0, 2, 3})
            << QStringList{"DodajWiersz", "PrzesunWierszeWDol(4,1)", "WpiszWiersz(1)"};
        QTest::newRow("wstaw_na_ostatnia")
            << 2 << 3 << 2 << w({1, 2, 0, 3})
            << QStringList{"DodajWiersz", "PrzesunWierszeWDol(4,2)", "WpiszWiersz(2)"};
        QTest::newRow("wstaw_przy_10_ostatnia_ginie")
            << 2 << 10 << 3 << w({1, 2, 3, 0, 4, 5, 6, 7, 8, 9})
            << QStringList{"DodajWiersz", "PrzesunWierszeWDol(10,3)", "WpiszWiersz(3)"};
        QTest::newRow("wstaw_przy_10_na_ostatnia")
            << 2 << 10 << 9 << w({1, 2, 3, 4, 5, 6, 7, 8, 9, 0})
            << QStringList{"DodajWiersz", "PrzesunWierszeWDol(10,9)", "WpiszWiersz(9)"};
        QTest::newRow("inny_tryb_nic_nie_pisze") << 3 << 2 << 0 << w({1, 2}) << QStringList{};
    }
    void tryby_wstawiania() {
        QFETCH(int, tryb);
        QFETCH(int, liczba);
        QFETCH(int, wiersz);
        QFETCH(QStringList, nazwy);
        QFETCH(QStringList, operacje);
        okno_->Wypelnij(liczba);
        Dlg().TrybWstawiania = tryb;
        Dlg().WierszDocelowy = wiersz;
        Pokaz();
        Wlasny(true);
        Wpisz(QStringLiteral("NOWA"), QStringLiteral("0,5"), QStringLiteral("0,6"), QStringLiteral("25"),
              QStringLiteral("30"), QStringLiteral("1,45"));
        Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setText(QStringLiteral("0,12"));
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;

        Kontrolka<QPushButton>(Dlg(), "Button1")->click();

        QCOMPARE(okno_->Operacje, operacje);
        QCOMPARE(okno_->Nazwy(), nazwy);
        const int nowy = static_cast<int>(nazwy.indexOf(QStringLiteral("NOWA")));
        if (nowy >= 0) {
            QCOMPARE(okno_->Wiersze[nowy].mid(1), (QStringList{"NOWA", "0,5", "25", "0,12", "30", "1,45"}));
            QCOMPARE(okno_->Strona, 1);
        }
        for (int r = 0; r < okno_->Wiersze.size(); ++r) {
            QCOMPARE(okno_->Wiersze[r][0], TOknoWarstwTestowe::Numer(r + 1));
            // Moved layers travel with all their values.
            if (okno_->Wiersze[r][1] != QLatin1String("NOWA")) {
                const int k = okno_->Wiersze[r][1].mid(1).toInt();
                QCOMPARE(okno_->Wiersze[r][4], QStringLiteral("0,0%1").arg(k));
                QCOMPARE(okno_->Wiersze[r][5], QString::number(100 * k));
                QCOMPARE(okno_->Wiersze[r][6], QStringLiteral("1,%1").arg(k));
            }
        }
        QVERIFY(!Dlg().isVisible());
        const TWywolanie pytanie = dialogi_->Komunikaty().value(0);
        QCOMPARE(pytanie.Tekst, QStringLiteral("Przeslanie kompletnych danych"));
        QCOMPARE(pytanie.Tytul, QStringLiteral("Potwierdź"));
        QCOMPARE(pytanie.Ikona, TIkona::Informacja);
        QCOMPARE(pytanie.Przyciski, TPrzyciski::TakNie);
    }

    // The air-layer entry sends no values: the main window's air-layer dialog takes over, with the
    // mode, the target row and a thickness typed here; it is the confirmation, so no question comes.
    void wpis_warstwy_powietrza_przekazany_oknu_glownemu_data() {
        QTest::addColumn<int>("tryb");
        QTest::addColumn<QString>("grubosc");
        QTest::addColumn<bool>("przyjete");
        QTest::addColumn<QString>("operacja");
        QTest::newRow("dopisz_z_gruboscia") << 1 << "0,04" << true << "WstawWarstwePowietrza(0,2,0.04)";
        QTest::newRow("wstaw_bez_grubosci") << 2 << "0" << true << "WstawWarstwePowietrza(1,1,0)";
        QTest::newRow("anulowane_zostaje_otwarte")
            << 2 << "0,02" << false << "WstawWarstwePowietrza(1,1,0.02)";
    }
    void wpis_warstwy_powietrza_przekazany_oknu_glownemu() {
        QFETCH(int, tryb);
        QFETCH(QString, grubosc);
        QFETCH(bool, przyjete);
        QFETCH(QString, operacja);
        okno_->Wypelnij(2);
        okno_->OdpowiedzPowietrza = przyjete;
        Dlg().TrybWstawiania = tryb;
        Dlg().WierszDocelowy = tryb == 1 ? 2 : 1;
        Pokaz();
        WybierzGrupe(5);
        const int wiersz = static_cast<int>(Lista().indexOf(QStringLiteral("Warstwa powietrza")));
        QVERIFY(wiersz >= 0);
        Wybierz(wiersz);
        QVERIFY(Kontrolka<QStatusBar>(Dlg(), "StatusBar1")
                    ->currentMessage()
                    .contains(QStringLiteral("okno warstwy powietrza")));
        Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setText(grubosc);

        Kontrolka<QPushButton>(Dlg(), "Button1")->click();

        QCOMPARE(okno_->Operacje, QStringList{operacja});
        QCOMPARE(okno_->Nazwy(), (QStringList{"W1", "W2"}));
        QVERIFY(dialogi_->Komunikaty().isEmpty());
        QCOMPARE(Dlg().isVisible(), !przyjete);
    }

    // Choosing a bridging material: the catalogue's values (lambda of the humidity class, 0 as
    // unknown) are kept for the asking dialog, nothing reaches the grid and the main window stays.
    void wybor_mostka_z_katalogu_data() {
        QTest::addColumn<QString>("klasa");
        QTest::addColumn<double>("lambda");
        QTest::newRow("sredniowilgotne") << kSredniowilgotne << 0.13;
        QTest::newRow("wilgotne") << kWilgotne << 0.16;
    }
    void wybor_mostka_z_katalogu() {
        QFETCH(QString, klasa);
        QFETCH(double, lambda);
        okno_->Wypelnij(2);
        okno_->Klasa = klasa;
        Dlg().TrybWyboruMostka = true;
        Pokaz();
        QVERIFY(okno_->Glowne.isVisible());
        QVERIFY(!Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->isEnabled());
        WybierzGrupe(2);
        const int wiersz =
            static_cast<int>(Lista().indexOf(QStringLiteral("Drewno konstrukcyjne iglaste 500 kg/m3")));
        QVERIFY(wiersz >= 0);
        Wybierz(wiersz);
        Kontrolka<QPushButton>(Dlg(), "Button1")->click();

        QVERIFY(!Dlg().isVisible());
        QVERIFY(okno_->Operacje.isEmpty());
        QVERIFY(dialogi_->Komunikaty().isEmpty());
        QVERIFY(Dlg().WybranyMostek.has_value());
        const TMaterialMostka& m = *Dlg().WybranyMostek;
        QCOMPARE(m.Nazwa, std::string("Drewno konstrukcyjne iglaste 500 kg/m3"));
        QCOMPARE(m.Lambda, lambda);
        QCOMPARE(m.Mi, 50.0);
        QCOMPARE(m.Gestosc, std::optional<double>(500));
        QCOMPARE(m.Cieplo, std::optional<double>(1.6));
        QCOMPARE(m.Udzial, 0.0);
    }

    // The air-layer entry is no bridging material; nor is a pick not made yet.
    void wybor_mostka_odrzuca_powietrze_i_brak_wyboru() {
        Dlg().TrybWyboruMostka = true;
        Pokaz();
        Kontrolka<QPushButton>(Dlg(), "Button1")->click();
        QCOMPARE(dialogi_->Komunikaty().size(), 1);
        WybierzGrupe(5);
        Wybierz(static_cast<int>(Lista().indexOf(QStringLiteral("Warstwa powietrza"))));
        Kontrolka<QPushButton>(Dlg(), "Button1")->click();
        QCOMPARE(dialogi_->Komunikaty().size(), 2);
        QVERIFY(dialogi_->Komunikaty()[1].Tekst.contains(QStringLiteral("nie może być mostkiem")));
        QVERIFY(Dlg().isVisible());
        QVERIFY(!Dlg().WybranyMostek);
        QVERIFY(okno_->Operacje.isEmpty());
    }

    // Only the catalogue's entry counts: an own material of that name is an ordinary layer.
    void wlasny_material_o_nazwie_powietrza_jest_zwykla_warstwa() {
        okno_->Wypelnij(1);
        Pokaz();
        Wlasny(true);
        Wpisz(QStringLiteral("Warstwa powietrza"), QStringLiteral("0,025"), QStringLiteral("0,025"),
              QStringLiteral("1"));
        Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setText(QStringLiteral("0,02"));
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;
        Kontrolka<QPushButton>(Dlg(), "Button1")->click();
        QCOMPARE(okno_->Operacje, (QStringList{"DodajWiersz", "WpiszWiersz(1)"}));
    }

    void odpowiedz_nie_zostawia_siatke_i_okno() {
        okno_->Wypelnij(2);
        Pokaz();
        Wybierz(0);
        Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setText(QStringLiteral("0,2"));
        dialogi_->Odpowiedzi << TOdpowiedz::Nie;
        Kontrolka<QPushButton>(Dlg(), "Button1")->click();
        QCOMPARE(dialogi_->Komunikaty().size(), 1);
        QVERIFY(okno_->Operacje.isEmpty());
        QCOMPARE(okno_->Nazwy(), (QStringList{"W1", "W2"}));
        QVERIFY(Dlg().isVisible());
    }

    void lambda_wg_klasy_wilgotnosci_data() {
        QTest::addColumn<QString>("klasa");
        QTest::addColumn<QString>("lsw");
        QTest::addColumn<QString>("lw");
        QTest::addColumn<QString>("lambda");
        auto wiersz = [](const char* nazwa, const QString& klasa, const QString& lsw, const QString& lw,
                         const QString& lambda) { QTest::newRow(nazwa) << klasa << lsw << lw << lambda; };
        wiersz("sredniowilgotne", kSredniowilgotne, "0,77", "0,91", "0,77");
        wiersz("wilgotne", kWilgotne, "0,77", "0,91", "0,91");
        wiersz("inny_tekst_bierze_srednio", "warunki wilgotne", "0,77", "0,91", "0,77");
        // λ humid lets the layer through, yet the class decides what is written.
        wiersz("zla_sw_dobra_w_klasa_srednio", kSredniowilgotne, "0", "0,5", "0");
        wiersz("dobra_sw_zla_w_klasa_wilgotne", kWilgotne, "0,5", "2000", "2000");
    }
    void lambda_wg_klasy_wilgotnosci() {
        QFETCH(QString, klasa);
        QFETCH(QString, lsw);
        QFETCH(QString, lw);
        QFETCH(QString, lambda);
        okno_->Klasa = klasa;
        Pokaz();
        Wlasny(true);
        Wpisz(QStringLiteral("Cegła"), lsw, lw, QStringLiteral("10"));
        Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setText(QStringLiteral("0,25"));
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;
        Kontrolka<QPushButton>(Dlg(), "Button1")->click();
        QCOMPARE(okno_->Wiersze.size(), 1);
        QCOMPARE(okno_->Wiersze[0][2], lambda);
    }

    void warstwa_z_katalogu_i_wlasna_z_nazwa_monitu() {
        okno_->Klasa = kWilgotne;
        Pokaz();
        Wybierz(27); // "Żelbet 2500 kg/m3": λ 1,7 / 1,8, μ 130
        Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setText(QStringLiteral("0,2"));
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;
        Kontrolka<QPushButton>(Dlg(), "Button1")->click();
        // The catalogue's density and specific heat go with the layer.
        QCOMPARE(okno_->Wiersze.value(0),
                 (QStringList{"  1.", "Żelbet 2500 kg/m3", "1,8", "130", "0,2", "2500", "0,84"}));

        Pokaz();
        Wlasny(true);
        Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaW")->setText(QStringLiteral("0,04"));
        Kontrolka<TNumEdit>(Dlg(), "NumEditMi")->setText(QStringLiteral("1"));
        Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setText(QStringLiteral("0,1"));
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;
        Kontrolka<QPushButton>(Dlg(), "Button1")->click();
        // An own material carries what its fields hold: the zeros they start with...
        QCOMPARE(okno_->Wiersze.value(1),
                 (QStringList{"  2.", "Wprowadz materiał:", "0,04", "1", "0,1", "0", "0"}));

        // ... or what was typed, an emptied field meaning unknown.
        Pokaz();
        Wlasny(true);
        Wpisz(QStringLiteral("Wełna"), QStringLiteral("0,035"), QStringLiteral("0,04"), QStringLiteral("1"),
              QStringLiteral("40"), QString());
        Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setText(QStringLiteral("0,15"));
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;
        Kontrolka<QPushButton>(Dlg(), "Button1")->click();
        QCOMPARE(okno_->Wiersze.value(2), (QStringList{"  3.", "Wełna", "0,04", "1", "0,15", "40", ""}));
    }

    // Own-material mode: a layer holds 40 characters of a name; a longer one is refused with a
    // message, both for the layer and for the catalogue, and nothing is written or asked.
    void wlasna_nazwa_dluzsza_niz_40_odrzucona_data() {
        QTest::addColumn<int>("dlugosc");
        QTest::addColumn<bool>("doBazy");
        QTest::newRow("40 przechodzi") << 40 << false;
        QTest::newRow("41 odrzucona") << 41 << false;
        QTest::newRow("60 odrzucona") << 60 << false;
        QTest::newRow("41 odrzucona przy zapisie do bazy") << 41 << true;
    }
    void wlasna_nazwa_dluzsza_niz_40_odrzucona() {
        QFETCH(int, dlugosc);
        QFETCH(bool, doBazy);
        const QByteArray przed = Bajty(QStringLiteral("Betony.ath"));
        Pokaz();
        Wlasny(true);
        // Typed, not set: the field itself must let the long name in for the check to see it.
        Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->clear();
        Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->setFocus();
        for (int i = 0; i < dlugosc; ++i) {
            QKeyEvent klawisz(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ż"));
            QCoreApplication::sendEvent(Kontrolka<QLineEdit>(Dlg(), "EditMaterial"), &klawisz);
        }
        QCOMPARE(Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->text().size(), dlugosc);
        Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW")->setText(QStringLiteral("0,5"));
        Kontrolka<TNumEdit>(Dlg(), "NumEditMi")->setText(QStringLiteral("10"));
        Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setText(QStringLiteral("0,1"));
        Kontrolka<QPushButton>(Dlg(), "Button2")->setFocus();
        dialogi_->Odpowiedzi << TOdpowiedz::Nie;
        (doBazy ? Kontrolka<QPushButton>(Dlg(), "ButtonDodaj") : Kontrolka<QPushButton>(Dlg(), "Button1"))
            ->click();

        const QStringList komunikaty = dialogi_->TekstyKomunikatow();
        if (dlugosc <= 40) {
            // The check passed: only the confirmation was asked.
            QCOMPARE(komunikaty, QStringList{QStringLiteral("Przeslanie kompletnych danych")});
            return;
        }
        QCOMPARE(komunikaty,
                 QStringList{
                     QStringLiteral("Nazwa materiału może mieć najwyżej 40 znaków (wpisano %1). Skróć nazwę.")
                         .arg(dlugosc)});
        QCOMPARE(dialogi_->Komunikaty().first().Tytul, QStringLiteral("Murolab -UWAGA !!!"));
        QCOMPARE(dialogi_->Komunikaty().first().Ikona, TIkona::Stop);
        QCOMPARE(Dlg().focusWidget(), Kontrolka<QLineEdit>(Dlg(), "EditMaterial"));
        QVERIFY(okno_->Operacje.isEmpty());
        QVERIFY(Dlg().isVisible());
        QCOMPARE(Bajty(QStringLiteral("Betony.ath")), przed);
    }

    // In catalogue mode the chosen material's name and values are locked but drawn in the normal
    // text colour, not greyed out.
    void w_trybie_katalogu_wartosci_czytelne() {
        Pokaz();
        Wybierz(27); // "Żelbet 2500 kg/m3"
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditGestosc")->text(), QStringLiteral("2500"));
        for (QLineEdit* pole : std::initializer_list<QLineEdit*>{
                 Kontrolka<QLineEdit>(Dlg(), "EditMaterial"), Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW"),
                 Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaW"), Kontrolka<TNumEdit>(Dlg(), "NumEditMi"),
                 Kontrolka<TNumEdit>(Dlg(), "NumEditGestosc"), Kontrolka<TNumEdit>(Dlg(), "NumEditCieplo")}) {
            QVERIFY(!pole->isEnabled());
            QCOMPARE(pole->palette().color(QPalette::Disabled, QPalette::Text),
                     QApplication::palette().color(QPalette::Active, QPalette::Text));
        }
        // So also after a round through own-material mode.
        Wlasny(true);
        Wlasny(false);
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditMi")->palette().color(QPalette::Disabled, QPalette::Text),
                 QApplication::palette().color(QPalette::Active, QPalette::Text));
    }

    // ------------------------------------------------------------ groups and the list

    void wybor_materialu_pokazuje_ostatni_dokladnie_rowny() {
        ZapiszGrupe(K("Betony.ath"),
                    {{"Beton", 1.1, 1.2}, {"beton", 2.2, 2.3}, {"Beton", 3.3, 3.4}, {"Cegła", 0.77, 0.91}});
        Pokaz();
        // Names equal to the reader stand together, upper case first.
        QCOMPARE(Lista().mid(0, 5), (QStringList{"Beton", "Beton", "beton", "Cegła", ""}));

        Wybierz(0);
        QCOMPARE(Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->text(), QStringLiteral("Beton"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW")->text(), QStringLiteral("3,3"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaW")->text(), QStringLiteral("3,4"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditMi")->text(), QStringLiteral("10"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditGestosc")->text(), QStringLiteral("1000"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditCieplo")->text(), QStringLiteral("0,84"));
        QCOMPARE(Kontrolka<QTableWidget>(Dlg(), "SG2")->selectedItems(),
                 QList<QTableWidgetItem*>{Kontrolka<QTableWidget>(Dlg(), "SG2")->item(0, 0)});

        QTest::keyClick(Kontrolka<QTableWidget>(Dlg(), "SG2"), Qt::Key_Down);
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW")->text(), QStringLiteral("3,3"));
        QTest::keyClick(Kontrolka<QTableWidget>(Dlg(), "SG2"), Qt::Key_Down);
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW")->text(), QStringLiteral("2,2"));
        QCOMPARE(Kontrolka<QTableWidget>(Dlg(), "SG2")->selectedItems(),
                 QList<QTableWidgetItem*>{Kontrolka<QTableWidget>(Dlg(), "SG2")->item(2, 0)});

        Wybierz(6); // a blank row
        QCOMPARE(Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->text(), QStringLiteral("beton"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW")->text(), QStringLiteral("2,2"));

        // A second click on the row already current picks it again.
        Wybierz(3);
        Wlasny(true);
        Wlasny(false);
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW")->text(), QStringLiteral("0"));
        const QRect komorka = Kontrolka<QTableWidget>(Dlg(), "SG2")
                                  ->visualItemRect(Kontrolka<QTableWidget>(Dlg(), "SG2")->item(3, 0));
        QTest::mouseClick(Kontrolka<QTableWidget>(Dlg(), "SG2")->viewport(), Qt::LeftButton, {},
                          komorka.center());
        QCOMPARE(Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->text(), QStringLiteral("Cegła"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaW")->text(), QStringLiteral("0,91"));
    }

    // The list is in Polish alphabetical order with numbers by value, whatever the file's order.
    void lista_w_kolejnosci_polskiej_z_liczbami() {
        ZapiszGrupe(K("MTermo.ath"), {{"Styropian EPS 200", 0.036, 0.036},
                                      {"Styropian EPS 100", 0.038, 0.038},
                                      {"Styropian EPS 50", 0.045, 0.045},
                                      {"Styropian EPS 70", 0.04, 0.04},
                                      {"Szkło piankowe", 0.05, 0.05},
                                      {"Ściana z pustaków", 0.3, 0.3},
                                      {"Łupek", 2.2, 2.2},
                                      {"Lepik", 0.2, 0.2}});
        Pokaz();
        WybierzGrupe(4);
        QCOMPARE(Kontrolka<QLabel>(Dlg(), "LabelWiersz")->text(),
                 QStringLiteral("Materiały termoizolacyjne.ath"));
        QCOMPARE(Lista().mid(0, 8),
                 (QStringList{"Lepik", "Łupek", "Styropian EPS 50", "Styropian EPS 70", "Styropian EPS 100",
                              "Styropian EPS 200", "Szkło piankowe", "Ściana z pustaków"}));
        // A pick shows the material of that name, wherever the file keeps it.
        Wybierz(4);
        QCOMPARE(Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->text(), QStringLiteral("Styropian EPS 100"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW")->text(), QStringLiteral("0,038"));
    }

    void lista_rosnie_i_nigdy_nie_maleje() {
        QList<TWpis> tynki;
        for (int i = 0; i < 12; ++i)
            tynki << TWpis{QStringLiteral("Tynk %1").arg(QChar('A' + i)), 0.8, 0.9};
        ZapiszGrupe(K("Tynki.ath"), tynki);
        ZapiszGrupe(K("Betony.ath"), {{"Beton", 1.0, 1.1}, {"Cegła", 0.77, 0.91}});
        Pokaz();
        QCOMPARE(Kontrolka<QTableWidget>(Dlg(), "SG2")->rowCount(), 10);
        Wybierz(1);

        WybierzGrupe(7);
        QCOMPARE(Kontrolka<QLabel>(Dlg(), "LabelWiersz")->text(), QStringLiteral("Tynki.ath"));
        QCOMPARE(Kontrolka<QTableWidget>(Dlg(), "SG2")->rowCount(), 12);
        QCOMPARE(Lista().last(), QStringLiteral("Tynk L"));
        QCOMPARE(Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->text(),
                 QStringLiteral("Cegła")); // a group change clears nothing

        WybierzGrupe(0);
        QCOMPARE(Kontrolka<QTableWidget>(Dlg(), "SG2")->rowCount(), 12);
        QStringList oczekiwana{"Beton", "Cegła"};
        for (int i = 2; i < 12; ++i)
            oczekiwana << QString();
        QCOMPARE(Lista(), oczekiwana);

        // The row count survives closing and opening.
        Dlg().reject();
        Pokaz();
        QCOMPARE(Kontrolka<QTableWidget>(Dlg(), "SG2")->rowCount(), 12);
    }

    void znacznik_grupy_tlumaczony_na_plik() {
        ZapiszGrupe(K("Drewno.ath"), {{"Sosna", 0.16, 0.2}});
        Pokaz();
        WybierzGrupe(2);
        QCOMPARE(Kontrolka<QLabel>(Dlg(), "LabelWiersz")->text(),
                 QStringLiteral("Drewno i mat. drewnopochodne.ath"));
        QCOMPARE(Lista().first(), QStringLiteral("Sosna"));
        Wybierz(0);
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW")->text(), QStringLiteral("0,16"));
        QVERIFY(dialogi_->Wywolania.isEmpty());

        // Saving into the group writes its file, never one named after the marker.
        Wlasny(true);
        Wpisz(QStringLiteral("Modrzew"), QStringLiteral("0,16"), QStringLiteral("0,2"), QStringLiteral("50"));
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;
        Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->click();
        QCOMPARE(NazwyWPliku(W("Drewno.ath")), (QStringList{"Modrzew", "Sosna"}));
        QVERIFY(!QFile::exists(W("Drewno i mat. drewnopochodne.ath")));
        QVERIFY(!QFile::exists(K("Drewno i mat. drewnopochodne.ath")));
    }

    void bledy_pliku_grupy() {
        ZapiszGrupe(K("Betony.ath"), {{"Beton", 1.0, 1.1}, {"Cegła", 0.77, 0.91}, {"Dąb", 0.2, 0.3}});
        Pokaz();
        QVERIFY(QFile::remove(K("Ceramika.ath")));
        WybierzGrupe(1);
        QCOMPARE(dialogi_->Bledy(), QStringList{BrakPliku(K("Ceramika.ath"))});
        QCOMPARE(Lista().mid(0, 3), (QStringList{"Beton", "Cegła", "Dąb"}));

        // Two whole records and a fragment: the damaged group is refused before anything of it is
        // listed, and the rows already shown stay.
        ZapiszGrupe(K("Kamienie.ath"), {{"Granit", 2.8, 3.2}, {"Bazalt", 3.5, 4.0}});
        QFile f(K("Kamienie.ath"));
        QVERIFY(f.open(QIODevice::Append));
        f.write(QByteArray(30, '\x7f'));
        f.close();
        dialogi_->Wyczysc();
        WybierzGrupe(3);
        QCOMPARE(dialogi_->Bledy().size(), 1);
        QVERIFY2(dialogi_->Bledy().constFirst().contains(
                     QStringLiteral("Kamienie.ath” jest uszkodzony: ma 238 bajtów")),
                 qPrintable(dialogi_->Bledy().constFirst()));
        QCOMPARE(Lista().mid(0, 3), (QStringList{"Beton", "Cegła", "Dąb"}));
    }

    void zmiana_grupy_i_otwarcie_nie_zostawiaja_podswietlenia() {
        Pokaz();
        Wybierz(12);
        QCOMPARE(Kontrolka<QTableWidget>(Dlg(), "SG2")->selectedItems().size(), 1);
        WybierzGrupe(7);
        QVERIFY(Kontrolka<QTableWidget>(Dlg(), "SG2")->selectedItems().isEmpty());
        QCOMPARE(Kontrolka<QTableWidget>(Dlg(), "SG2")->rowAt(0),
                 0); // the new group is shown from its first name

        WybierzGrupe(0);
        Wybierz(20);
        Dlg().reject();
        Pokaz();
        QVERIFY(Kontrolka<QTableWidget>(Dlg(), "SG2")->selectedItems().isEmpty());
        QCOMPARE(Kontrolka<QTableWidget>(Dlg(), "SG2")->rowAt(0), 0);
    }

    void pisanie_w_liscie_grup_jest_odrzucane() {
        Pokaz();
        Kontrolka<QComboBox>(Dlg(), "ComboBoxPliki")->setFocus();
        QTest::keyClick(Kontrolka<QComboBox>(Dlg(), "ComboBoxPliki"), Qt::Key_T);
        QTest::keyClick(Kontrolka<QComboBox>(Dlg(), "ComboBoxPliki"), Qt::Key_K);
        QCOMPARE(Kontrolka<QComboBox>(Dlg(), "ComboBoxPliki")->currentText(), QStringLiteral("Betony"));
        QCOMPARE(Kontrolka<QLabel>(Dlg(), "LabelWiersz")->text(), QStringLiteral("Betony.ath"));
        QCOMPARE(Kontrolka<QTableWidget>(Dlg(), "SG2")->rowCount(), 28);
    }

    // ------------------------------------------------------------ own-material mode

    void tryb_wlasny_kolory_wg_klasy_data() {
        QTest::addColumn<QString>("klasa");
        QTest::addColumn<bool>("wilgotne");
        QTest::newRow("sredniowilgotne") << kSredniowilgotne << false;
        QTest::newRow("wilgotne") << kWilgotne << true;
    }
    void tryb_wlasny_kolory_wg_klasy() {
        QFETCH(QString, klasa);
        QFETCH(bool, wilgotne);
        okno_->Klasa = klasa;
        Pokaz();
        Wybierz(0);
        Wlasny(true);
        QVERIFY(!Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->isHidden());
        QCOMPARE(Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->text(), QStringLiteral("Wprowadz materiał:"));
        QVERIFY(Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->isEnabled() &&
                !Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->isReadOnly());
        QVERIFY(!Kontrolka<QComboBox>(Dlg(), "ComboBoxPliki")->isEnabled());
        QVERIFY(!Kontrolka<QTableWidget>(Dlg(), "SG2")->isEnabled());
        for (TNumEdit* pole :
             {Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW"), Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaW"),
              Kontrolka<TNumEdit>(Dlg(), "NumEditMi"), Kontrolka<TNumEdit>(Dlg(), "NumEditGestosc"),
              Kontrolka<TNumEdit>(Dlg(), "NumEditCieplo")}) {
            QCOMPARE(pole->text(), QStringLiteral("0"));
            QVERIFY(pole->isEnabled() && !pole->isReadOnly());
        }
        const QColor okno = Systemowy(QPalette::Base);
        const QColor menu = Systemowy(QPalette::Window);
        QVERIFY(okno != menu);
        QCOMPARE(Tlo(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaW")), wilgotne ? okno : menu);
        QCOMPARE(Tlo(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW")), wilgotne ? menu : okno);
        QCOMPARE(Tlo(Kontrolka<TNumEdit>(Dlg(), "NumEditGestosc")), menu);
        QCOMPARE(Tlo(Kontrolka<TNumEdit>(Dlg(), "NumEditCieplo")), menu);

        Wpisz(QStringLiteral("X"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
              QStringLiteral("500"), QStringLiteral("0,9"));
        Wlasny(false);
        QVERIFY(Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->isHidden());
        QCOMPARE(Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->text(), QStringLiteral("Wybierz materiał:"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW")->text(), QStringLiteral("0"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaW")->text(), QStringLiteral("0"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditMi")->text(), QStringLiteral("0"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditGestosc")->text(), QStringLiteral("500"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditCieplo")->text(), QStringLiteral("0,9"));
        SprawdzPolaTrybuKatalogu();
    }

    // ------------------------------------------------------------ saving an own material

    void zapis_wstawia_w_porzadku_data() {
        QTest::addColumn<QList<TWpis>>("grupa");
        QTest::addColumn<QString>("nowy");
        QTest::addColumn<QStringList>("po");
        const QList<TWpis> trzy = {{"Beton", 1, 1.1}, {"Cegla", 0.8, 0.9}, {"Tynk", 0.8, 0.9}};
        QTest::newRow("pierwszy") << trzy << "asfalt" << QStringList{"asfalt", "Beton", "Cegla", "Tynk"};
        QTest::newRow("srodek") << trzy << "Drewno" << QStringList{"Beton", "Cegla", "Drewno", "Tynk"};
        QTest::newRow("ostatni_z_polska_litera")
            << trzy << "Żwir" << QStringList{"Beton", "Cegla", "Tynk", "Żwir"};
        QTest::newRow("pusta_grupa") << QList<TWpis>{} << "Beton" << QStringList{"Beton"};
        QTest::newRow("polska_litera_innej_wielkosci")
            << QList<TWpis>{{"Łupek", 2.2, 2.5}} << "łupek" << QStringList{"Łupek", "łupek"};
        QTest::newRow("nazwa_monitu")
            << trzy << "Wprowadz materiał:" << QStringList{"Beton", "Cegla", "Tynk", "Wprowadz materiał:"};
    }
    void zapis_wstawia_w_porzadku() {
        QFETCH(QList<TWpis>, grupa);
        QFETCH(QString, nowy);
        QFETCH(QStringList, po);
        ZapiszGrupe(K("Tynki.ath"), grupa);
        const QByteArray betony = Bajty(K("Betony.ath"));
        const QByteArray tynki = Bajty(K("Tynki.ath"));
        Pokaz();
        WybierzGrupe(7);
        Wlasny(true);
        Wpisz(nowy, QStringLiteral("0,5"), QStringLiteral("0,6"), QStringLiteral("999999"),
              QStringLiteral("700"), QStringLiteral("1,6"));
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;

        Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->click();

        QCOMPARE(dialogi_->Komunikaty().size(), 1);
        const TWywolanie pytanie = dialogi_->Komunikaty().first();
        QCOMPARE(pytanie.Tekst, QStringLiteral("Czy wprowadzić materiał do bazy..?"));
        QCOMPARE(pytanie.Tytul, QStringLiteral("Murolab"));
        QCOMPARE(pytanie.Ikona, TIkona::Pytanie);
        QCOMPARE(pytanie.Przyciski, TPrzyciski::TakNie);
        QVERIFY(dialogi_->Bledy().isEmpty());

        // The first own material of the group: the user's copy of it holds the new one, the
        // shipped group stays as it was.
        QCOMPARE(NazwyWPliku(W("Tynki.ath")), po);
        QCOMPARE(Bajty(K("Tynki.ath")), tynki);
        const auto zapisane = Materialy(W("Tynki.ath"));
        const TMaterial& m = zapisane[static_cast<std::size_t>(po.indexOf(nowy))];
        QCOMPARE(m.LambdaSW, 0.5);
        QCOMPARE(m.LambdaW, 0.6);
        QCOMPARE(m.Mi, 999999.0);
        QCOMPARE(m.Gestosc, 700.0);
        QCOMPARE(m.Cieplo, 1.6);
        QCOMPARE(QDir(gWlasne).entryList(QDir::Files), QStringList{QStringLiteral("Tynki.ath")});
        QCOMPARE(Bajty(K("Betony.ath")), betony);

        // Back in catalogue mode, the list showing the group, the fields the stored material.
        QVERIFY(!Kontrolka<QCheckBox>(Dlg(), "CheckBoxWybor")->isChecked());
        QVERIFY(Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->isHidden());
        QCOMPARE(Lista().mid(0, static_cast<int>(po.size())), po);
        QCOMPARE(Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->text(), nowy);
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW")->text(), QStringLiteral("0,5"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaW")->text(), QStringLiteral("0,6"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditMi")->text(), QStringLiteral("999999"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditGestosc")->text(), QStringLiteral("700"));
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditCieplo")->text(), QStringLiteral("1,6"));
        QVERIFY(Kontrolka<QTableWidget>(Dlg(), "SG2")->selectedItems().isEmpty());
    }

    void zapis_pokazuje_nowy_material_na_liscie() {
        Pokaz();
        WybierzGrupe(7); // the shipped plasters: more names than the list has visible rows
        Wlasny(true);
        Wpisz(QStringLiteral("Zaprawa wapienna 1600 kg/m3"), QStringLiteral("0,8"), QStringLiteral("0,9"),
              QStringLiteral("12"));
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;
        Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->click();
        const QStringList lista = Lista();
        const int nowy = static_cast<int>(lista.indexOf(QStringLiteral("Zaprawa wapienna 1600 kg/m3")));
        QVERIFY(nowy >= 10);
        QVERIFY(Kontrolka<QTableWidget>(Dlg(), "SG2")
                    ->viewport()
                    ->rect()
                    .contains(Kontrolka<QTableWidget>(Dlg(), "SG2")
                                  ->visualItemRect(Kontrolka<QTableWidget>(Dlg(), "SG2")->item(nowy, 0))));
        QVERIFY(Kontrolka<QTableWidget>(Dlg(), "SG2")->selectedItems().isEmpty());
    }

    void zapis_odrzucony_przez_sprawdzenie_lub_odpowiedz() {
        ZapiszGrupe(K("Tynki.ath"), {{"Tynk", 0.8, 0.9}});
        const QByteArray przed = Bajty(K("Tynki.ath"));
        Pokaz();
        WybierzGrupe(7);
        Wlasny(true);

        // μ of 1000000 is refused for the catalogue, before any question.
        Wpisz(QStringLiteral("Szkło"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1000000"));
        Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->click();
        QCOMPARE(dialogi_->TekstyKomunikatow(), QStringList{kZakresMi});
        QCOMPARE(Dlg().focusWidget(), Kontrolka<TNumEdit>(Dlg(), "NumEditMi"));
        // ... while a layer takes it.
        dialogi_->Wyczysc();
        Kontrolka<TNumEdit>(Dlg(), "NumEditGrubosc")->setText(QStringLiteral("0,004"));
        QVERIFY(Dlg().SprawdzNowaWarstwe());

        // λ outside the layers' limits (0,01 and 1000 are within them).
        Wpisz(QStringLiteral("Szkło"), QStringLiteral("0,0099"), QStringLiteral("1000,1"),
              QStringLiteral("10"));
        Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->click();
        QCOMPARE(dialogi_->TekstyKomunikatow(), QStringList{kZakresLambdy});

        dialogi_->Wyczysc();
        Wpisz(QStringLiteral("Szkło"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("10"));
        dialogi_->Odpowiedzi << TOdpowiedz::Nie;
        Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->click();
        QCOMPARE(dialogi_->Komunikaty().size(), 1);

        QCOMPARE(Bajty(K("Tynki.ath")), przed);
        QVERIFY(!QFile::exists(W("Tynki.ath")));
        QVERIFY(Kontrolka<QCheckBox>(Dlg(), "CheckBoxWybor")->isChecked());
    }

    void zapis_istniejacej_nazwy_odmowiony_data() {
        QTest::addColumn<QString>("nowy");
        QTest::addColumn<QString>("lambdaPo"); // what the λ field shows afterwards
        QTest::newRow("inna_wielkosc_liter_a_z_zostaja_wpisane")
            << QStringLiteral("cEGLA") << QStringLiteral("0,5");
        QTest::newRow("ta_sama_nazwa_pokazuje_zapisana") << QStringLiteral("Cegla") << QStringLiteral("0,8");
    }
    void zapis_istniejacej_nazwy_odmowiony() {
        QFETCH(QString, nowy);
        QFETCH(QString, lambdaPo);
        ZapiszGrupe(K("Tynki.ath"), {{"Beton", 1, 1.1}, {"Cegla", 0.8, 0.9}, {"Tynk", 0.8, 0.9}});
        const QByteArray przed = Bajty(K("Tynki.ath"));
        Pokaz();
        WybierzGrupe(7);
        Wlasny(true);
        Wpisz(nowy, QStringLiteral("0,5"), QStringLiteral("0,6"), QStringLiteral("10"));
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;
        Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->click();

        QCOMPARE(dialogi_->Komunikaty().size(), 2);
        const TWywolanie k = dialogi_->Komunikaty().at(1);
        QCOMPARE(k.Tekst, QStringLiteral("Podany materiał już istnieje w bazie!"));
        QCOMPARE(k.Tytul, QStringLiteral("Murolab"));
        QCOMPARE(k.Ikona, TIkona::Wykrzyknik);
        QCOMPARE(k.Przyciski, TPrzyciski::Ok);
        QCOMPARE(Bajty(K("Tynki.ath")), przed);
        QVERIFY(!QFile::exists(W("Tynki.ath")));
        QVERIFY(Kontrolka<QCheckBox>(Dlg(), "CheckBoxWybor")->isChecked());
        QCOMPARE(Kontrolka<TNumEdit>(Dlg(), "NumEditLambdaSW")->text(), lambdaPo);
    }

    void nieudana_przebudowa_zostawia_stara_grupe() {
        // The group became damaged (a fragment of a record) since it was listed: the save is
        // refused with the reason, the file stays as it was and the dialog stays in own-material mode.
        ZapiszGrupe(K("Tynki.ath"), {{"Beton", 1, 1.1}, {"Tynk", 0.8, 0.9}});
        Pokaz();
        WybierzGrupe(7);
        Wlasny(true);
        {
            QFile plik(K("Tynki.ath"));
            QVERIFY(plik.open(QIODevice::Append));
            plik.write("ulamek");
        }
        const QByteArray przed = Bajty(K("Tynki.ath"));
        Wpisz(QStringLiteral("Cegła"), QStringLiteral("0,77"), QStringLiteral("0,91"), QStringLiteral("10"));
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;
        Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->click();
        QCOMPARE(dialogi_->Bledy().size(), 1);
        QVERIFY2(dialogi_->Bledy().constFirst().contains(QStringLiteral("jest uszkodzony")),
                 qPrintable(dialogi_->Bledy().constFirst()));
        QCOMPARE(Bajty(K("Tynki.ath")), przed);
        QVERIFY(!QFile::exists(W("Tynki.ath")));
        QVERIFY(Kontrolka<QCheckBox>(Dlg(), "CheckBoxWybor")->isChecked());
        QCOMPARE(Kontrolka<QLineEdit>(Dlg(), "EditMaterial")->text(), QStringLiteral("Cegła"));
    }

    void podrzucony_temp_ath_nie_przeszkadza_w_zapisie() {
        ZapiszGrupe(K("Tynki.ath"), {{"Beton", 1, 1.1}, {"Tynk", 0.8, 0.9}});
        QVERIFY(QDir().mkpath(W("Temp.ath")));
        Pokaz();
        WybierzGrupe(7);
        Wlasny(true);
        Wpisz(QStringLiteral("Cegła"), QStringLiteral("0,77"), QStringLiteral("0,91"), QStringLiteral("10"));
        dialogi_->Odpowiedzi << TOdpowiedz::Tak;
        Kontrolka<QPushButton>(Dlg(), "ButtonDodaj")->click();
        QCOMPARE(dialogi_->Bledy(), QStringList{});
        QCOMPARE(Materialy(W("Tynki.ath")).size(), std::size_t{3});
        QVERIFY(QFileInfo(W("Temp.ath")).isDir());
        QVERIFY(!Kontrolka<QCheckBox>(Dlg(), "CheckBoxWybor")->isChecked());
    }
};

QTEST_MAIN(TestFormWstawWarstwe)
#include "tst_formwstawwarstwe.moc"
