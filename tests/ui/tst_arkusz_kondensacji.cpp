// The sheet "Kondensacja i WT 2021" as the user drives it: picking a shipped climate, writing and
// saving an own one, changing the indoor class and the WT row, a project's stored choices and
// their reset by "&Nowy", and what the calculation puts on this sheet, under the verdict of the
// results sheet and on the diffusion chart.

#include "OknoObliczen.h"
#include "core/Klimat.h"
#include "output/TekstyKondensacji.h"
#include "output/WykresMa.h"
#include "output/Wykresy.h"
#include "ui/ArkuszKondensacji.h"
#include "ui/FormKlimat.h"
#include "ui/Pomoc.h"

#include "output/PodgladWydruku.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollArea>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>

#include <variant>

using namespace murolab;
using namespace murolab::test;

namespace {

// Plasterboard, mineral wool and an OSB sheet outside: vapour stops at the wool's outer face.
const QList<TWiersz> kScianaZKondensacja{
    {QStringLiteral("Płyta g-k"), QStringLiteral("0,25"), QStringLiteral("8"), QStringLiteral("0,0125")},
    {QStringLiteral("Wełna mineralna"), QStringLiteral("0,04"), QStringLiteral("1"), QStringLiteral("0,15")},
    {QStringLiteral("Płyta OSB"), QStringLiteral("0,13"), QStringLiteral("200"), QStringLiteral("0,015")}};
// One layer has no joint where vapour could condense.
const QList<TWiersz> kJednaWarstwa{
    {QStringLiteral("Cegła"), QStringLiteral("0,77"), QStringLiteral("10"), QStringLiteral("0,38")}};

QString Tekst(const QLabel* e) {
    QTextDocument d;
    d.setHtml(e->text());
    return d.toPlainText();
}

struct TArkusz {
    TOkno o;
    QTemporaryDir wlasne;
    TArkuszKondensacji* a;
    QComboBox* klimat;
    QComboBox* wnetrze;
    QComboBox* wiersz;

    explicit TArkusz(const QList<TWiersz>& warstwy = kScianaZKondensacja) {
        a = murolab::Kontrolka<TArkuszKondensacji>(o, "ArkuszKondensacji");
        a->UstawKatalogiKlimatow(QStringLiteral(MUROLAB_KLIMATY), wlasne.path() + QStringLiteral("/klimat"));
        klimat = a->findChild<QComboBox*>(QStringLiteral("ComboBoxKlimat"));
        wnetrze = a->findChild<QComboBox*>(QStringLiteral("ComboBoxWnetrze"));
        wiersz = a->findChild<QComboBox*>(QStringLiteral("ComboBoxWierszWT"));
        o.Dodaj(warstwy);
        o.Warunki({});
        o.ZMostkami();
        o.Model().Zmieniony = false;
    }
    template <typename T> T* Kontrolka(const char* nazwa) {
        return a->findChild<T*>(QString::fromLatin1(nazwa));
    }
    QTableWidget* Miesiace() { return Kontrolka<QTableWidget>("TabelaMiesiecy"); }
};

void WybierzZListy(QComboBox* lista, const QString& tekst) {
    const int i = lista->findText(tekst);
    QVERIFY2(i >= 0, qPrintable(tekst));
    lista->setCurrentIndex(i);
    emit lista->activated(i);
}

} // namespace

class TestArkuszKondensacji : public QObject {
    Q_OBJECT
private slots:
    void szosteArkuszeIF10() {
        TArkusz t;
        QCOMPARE(Kontrolka<QTabWidget>(t.o, "PageControlPrzegroda")->count(), 6);
        QCOMPARE(Kontrolka<QTabWidget>(t.o, "PageControlPrzegroda")->tabText(5),
                 QStringLiteral("Kondensacja i WT 2021"));
        QCOMPARE(Kontrolka<QAction>(t.o, "Kondensacja1")->shortcut(), QKeySequence(Qt::Key_F10));
        Kontrolka<QAction>(t.o, "Kondensacja1")->trigger();
        QCOMPARE(t.o.Arkusz(), 5);
    }

    void wyborKlimatuDostarczonego() {
        TArkusz t;
        WybierzZListy(t.klimat, QStringLiteral("Warszawa-Okęcie"));
        // The station's name with its Polish letters on the list; the project stores the file's.
        QCOMPARE(t.o.Model().Iso13788.Klimat, std::string("Warszawa-Okecie"));
        QVERIFY(t.o.Model().Zmieniony);
        // The chosen climate's months in the compact table: January -1,2 °C, 89,9 %.
        auto* tabela = t.Kontrolka<QTableWidget>("TabelaKlimatu");
        QCOMPARE(tabela->item(0, 0)->text(), QStringLiteral("-1,2"));
        QCOMPARE(tabela->item(1, 0)->text(), QStringLiteral("89,9"));
        QCOMPARE(tabela->item(0, 11)->text(), QStringLiteral("0,8"));

        t.o.Oblicz();
        QCOMPARE(t.Miesiace()->rowCount(), 12);
        QCOMPARE(t.Miesiace()->item(0, 0)->text(), QStringLiteral("styczeń"));
        QCOMPARE(t.Miesiace()->item(0, 1)->text(), QStringLiteral("-1,2"));
        QVERIFY(t.a->Analiza() && t.a->Analiza()->Rok);
        QVERIFY(Tekst(t.Kontrolka<QLabel>("LabelRok")).contains(QStringLiteral("Klimat: Warszawa-Okęcie")));
        QCOMPARE(t.Kontrolka<TWykresMa>("ChartMa")->Wartosci().size(), std::size_t(12));
        // The month of the largest Ma is bold, the others are not.
        const int pogrubiony = t.a->Teksty().MiesiacPogrubiony;
        QVERIFY(pogrubiony >= 0);
        QVERIFY(t.Miesiace()->item(pogrubiony, 0)->font().bold());
        QVERIFY(!t.Miesiace()->item((pogrubiony + 6) % 12, 0)->font().bold());
        t.o->PokazArkusz(5);
        t.o.Zrzut(QStringLiteral("kondensacja-warszawa"));
        if (const QString katalog = qEnvironmentVariable("MUROLAB_ZRZUTY"); !katalog.isEmpty())
            t.a->findChild<QScrollArea*>()->widget()->grab().save(katalog +
                                                                  QStringLiteral("/kondensacja-cala.png"));
    }

    void zepsutyKlimatOdrzuconyZKomunikatem() {
        TArkusz t;
        QDir().mkpath(t.wlasne.path() + QStringLiteral("/klimat"));
        QFile f(t.wlasne.path() + QStringLiteral("/klimat/Zepsuty.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("# Zepsuty\nmiesiąc;temp;wilgotnosc\n1;-1;80\n");
        f.close();
        t.a->UstawKatalogiKlimatow(QStringLiteral(MUROLAB_KLIMATY),
                                   t.wlasne.path() + QStringLiteral("/klimat"));
        WybierzZListy(t.klimat, QStringLiteral("Opole"));
        t.o.Dialogi.Wyczysc();
        WybierzZListy(t.klimat, QStringLiteral("Zepsuty (własny)"));
        QCOMPARE(t.o.Dialogi.Komunikaty().size(), 1);
        QCOMPARE(t.o.Dialogi.Komunikaty()[0].Ikona, TIkona::Stop);
        // The previous choice stays, in the model and on the list.
        QCOMPARE(t.o.Model().Iso13788.Klimat, std::string("Opole"));
        QCOMPARE(t.klimat->currentText(), QStringLiteral("Opole"));
    }

    void wlasnyKlimatZapisanyIWybrany_data() {
        QTest::addColumn<QString>("wilgotLutego");
        QTest::addColumn<bool>("zapisany");
        QTest::newRow("poprawne wartości") << QStringLiteral("85,5") << true;
        QTest::newRow("wilgotność 0 odrzucona") << QStringLiteral("0") << false;
        QTest::newRow("wilgotność ponad 100 odrzucona") << QStringLiteral("100,5") << false;
    }
    void wlasnyKlimatZapisanyIWybrany() {
        QFETCH(QString, wilgotLutego);
        QFETCH(bool, zapisany);
        TArkusz t;
        WybierzZListy(t.klimat, QStringLiteral("Opole"));
        t.o.Dialogi.Wyczysc();
        t.o.Dialogi.Modalnie = [&](QDialog* okno) {
            okno->findChild<QLineEdit*>(QStringLiteral("EditNazwaKlimatu"))
                ->setText(QStringLiteral("Mój dom"));
            okno->findChild<QLineEdit*>(QStringLiteral("NumEditTemp1"))->setText(QStringLiteral("-3,5"));
            okno->findChild<QLineEdit*>(QStringLiteral("NumEditWilgot2"))->setText(wilgotLutego);
            okno->findChild<QPushButton*>(QStringLiteral("ButtonZapiszKlimat"))->click();
        };
        t.Kontrolka<QPushButton>("ButtonKlimatWlasny")->click();
        const QString plik = t.wlasne.path() + QStringLiteral("/klimat/Mój dom.csv");
        QCOMPARE(QFile::exists(plik), zapisany);
        if (!zapisany) {
            QCOMPARE(t.o.Dialogi.Komunikaty().size(), 1);
            QVERIFY(t.o.Dialogi.Komunikaty()[0].Tekst.contains(QStringLiteral("luty")));
            QCOMPARE(t.o.Model().Iso13788.Klimat, std::string("Opole"));
            return;
        }
        // The file reads back as a climate file, the rest of the year taken from Opole.
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray dane = f.readAll();
        const auto klimat = CzytajKlimat(dane.toStdString(), "test");
        QVERIFY(std::holds_alternative<TKlimat>(klimat));
        QCOMPARE(std::get<TKlimat>(klimat).Nazwa, std::string("Mój dom"));
        QCOMPARE(std::get<TKlimat>(klimat).Miesiace[0].Temp, -3.5);
        QCOMPARE(std::get<TKlimat>(klimat).Miesiace[1].Wilgot, 85.5);
        QCOMPARE(std::get<TKlimat>(klimat).Miesiace[11].Temp, t.a->Klimat()->Miesiace[11].Temp);
        // Chosen on the sheet and in the model.
        QCOMPARE(t.o.Model().Iso13788.Klimat, std::string("Mój dom"));
        QCOMPARE(t.klimat->currentText(), QStringLiteral("Mój dom (własny)"));
        QCOMPARE(t.Kontrolka<QTableWidget>("TabelaKlimatu")->item(0, 0)->text(), QStringLiteral("-3,5"));

        // Edited again under the same name: the user is asked before it is replaced.
        t.o.Dialogi.Wyczysc();
        t.o.Dialogi.Odpowiedzi = {TOdpowiedz::Nie};
        t.Kontrolka<QPushButton>("ButtonKlimatWlasny")->click();
        QCOMPARE(t.o.Dialogi.Komunikaty().size(), 1);
        QCOMPARE(t.o.Dialogi.Komunikaty()[0].Przyciski, TPrzyciski::TakNie);
    }

    void klasaWilgotnosci() {
        TArkusz t;
        WybierzZListy(t.klimat, QStringLiteral("Warszawa-Okęcie"));
        t.o.Oblicz();
        const double piStale = t.a->Analiza()->Rok->Miesiace[0].CisWewn;
        WybierzZListy(t.wnetrze, QStringLiteral("Klasa wilgotności 4"));
        QCOMPARE(t.o.Model().Iso13788.Wnetrze, std::string("klasa4"));
        QVERIFY(t.wnetrze->toolTip().contains(QStringLiteral("hale sportowe")));
        QVERIFY(t.wnetrze->itemData(1, Qt::ToolTipRole).toString().contains(QStringLiteral("Magazyny")));
        t.o.Oblicz();
        const TMiesiacRoku& styczen = t.a->Analiza()->Rok->Miesiace[0];
        // January at -1,2 °C: pi = pe + 1,10 · 1080 Pa.
        QVERIFY(std::abs(styczen.CisWewn - (styczen.CisZewn + 1.10 * 1080)) < 1e-6);
        QVERIFY(styczen.CisWewn != piStale);
    }

    void wierszWTZRodzajuIZmieniony() {
        TArkusz t;
        QVERIFY(t.wiersz->itemText(0).startsWith(QStringLiteral("Według rodzaju przegrody")));
        QCOMPARE(t.wiersz->currentIndex(), 0);
        const std::string domyslny(t.a->WierszWT().Id);
        WybierzZListy(t.wiersz, t.wiersz->itemText(2));
        QVERIFY(!t.o.Model().Iso13788.WierszWT.empty());
        QVERIFY(std::string(t.a->WierszWT().Id) != domyslny ||
                t.wiersz->itemData(2).toString().toStdString() == domyslny);
        t.o.Oblicz();
        QCOMPARE(t.a->Analiza()->WT.Wiersz, t.o.Model().Iso13788.WierszWT);
    }

    void zapisaneWyboryINowy() {
        TArkusz t;
        // What opening a project with stored choices leaves in the model, then shown.
        t.o.Model().Iso13788 = {"Kolobrzeg", "klasa2", std::string(WierszeWT().back().Id), std::nullopt};
        t.a->PokazUstawienia();
        QCOMPARE(t.klimat->currentText(), QStringLiteral("Kołobrzeg"));
        QCOMPARE(t.wnetrze->currentText(), QStringLiteral("Klasa wilgotności 2"));
        QCOMPARE(t.wiersz->currentData().toString().toStdString(), std::string(WierszeWT().back().Id));
        QVERIFY(t.a->Klimat());

        // A stored climate whose file is gone stays chosen and is named as missing.
        t.o.Model().Iso13788.Klimat = "Nieistniejacy";
        t.a->PokazUstawienia();
        QCOMPARE(t.klimat->currentText(), QStringLiteral("Nieistniejacy (brak pliku)"));
        t.o.Oblicz();
        QVERIFY(Tekst(t.Kontrolka<QLabel>("LabelRok")).contains(QStringLiteral("Nieistniejacy")));
        QVERIFY(!t.a->Analiza()->Rok);

        Kontrolka<QAction>(t.o, "Nowy1")->trigger();
        QCOMPARE(t.klimat->currentIndex(), 0);
        QCOMPARE(t.wnetrze->currentIndex(), 0);
        QCOMPARE(t.wiersz->currentIndex(), 0);
        QVERIFY(!t.a->Klimat());
        QVERIFY(!t.a->Analiza());
        QCOMPARE(t.Miesiace()->rowCount(), 0);
    }

    void bezKlimatuTylkoWarunkiObliczeniowe() {
        TArkusz t;
        t.o.Oblicz();
        QVERIFY(t.Miesiace()->isHidden());
        QVERIFY(Tekst(t.Kontrolka<QLabel>("LabelRok")).contains(QStringLiteral("nie wybrano klimatu")));
        QVERIFY(Tekst(t.Kontrolka<QLabel>("LabelWT")).contains(QStringLiteral("nie sprawdzono")));
        QVERIFY(Tekst(t.Kontrolka<QLabel>("LabelProjektowe")).contains(QStringLiteral("styk warstw 2 i 3")));
    }

    // The design condition's planes: on the diffusion chart with their legend entry, and in red
    // under the verdict of the results sheet; none of it when nothing condenses.
    void liniaKondensacjiNaWykresieIPodWerdyktem_data() {
        QTest::addColumn<QList<TWiersz>>("warstwy");
        QTest::addColumn<bool>("kondensacja");
        QTest::newRow("płaszczyzna na styku 2/3") << kScianaZKondensacja << true;
        QTest::newRow("jedna warstwa, brak płaszczyzny") << kJednaWarstwa << false;
    }
    void liniaKondensacjiNaWykresieIPodWerdyktem() {
        QFETCH(QList<TWiersz>, warstwy);
        QFETCH(bool, kondensacja);
        TArkusz t(warstwy);
        t.o.Oblicz();
        TWykresCisnien* w = Kontrolka<TWykresCisnien>(t.o, "ChartCisnienie");
        QCOMPARE(w->SeriaKondensacji->count() > 0, kondensacja);
        QCOMPARE(w->SeriaPlaszczyzn->count() > 0, kondensacja);
        QCOMPARE(w->WpisyLegendy().size(), kondensacja ? 3 : 2);
        QLabel* pod = Kontrolka<QLabel>(t.o, "LabelKondensacjaWewnatrz");
        QCOMPARE(pod->isHidden(), !kondensacja);
        if (kondensacja) {
            QCOMPARE(w->WpisyLegendy().last().Tekst, QStringLiteral("linia ciśnienia przy kondensacji"));
            QCOMPARE(w->SeriaKondensacji->count(), warstwy.size() + 1);
            QVERIFY(Tekst(pod).startsWith(
                QStringLiteral("Kondensacja wewnątrz przegrody: styk warstw 2 i 3, g = ")));
            // The plane stands at the joint's place across the partition.
            QCOMPARE(w->SeriaPlaszczyzn->at(0).x(), t.o.Model().Wyniki.NarastGrubosc[2]);
        }
        t.o.Zrzut(kondensacja ? QStringLiteral("wyniki-kondensacja") : QStringLiteral("wyniki-bez"));

        // A later calculation without planes takes it all away again.
        if (kondensacja) {
            t.o->NowyProjekt();
            t.o.Dodaj(kJednaWarstwa);
            t.o.Warunki({});
            t.o.ZMostkami();
            t.o.Oblicz();
            QCOMPARE(w->SeriaKondensacji->count(), 0);
            QVERIFY(pod->isHidden());
        }
    }

    // Plasterboard 0,05 + OSB 0,1154 + Rsi, Rse 0,17 = 0,3354; with the thermal-bridge addition of
    // 0,05 the external-wall row's 0,20 needs U0 <= 0,15, R >= 6,667: wool (0,04) of 0,2533 m,
    // 26 cm (25 cm gives Uk = 0,2019). The roof row's 0,15 cannot be met by the plasterboard.
    void dobierzGrubosc_data() {
        QTest::addColumn<QString>("wierszWT");
        QTest::addColumn<int>("wiersz");
        QTest::addColumn<TOdpowiedz>("odpowiedz");
        QTest::addColumn<QString>("grubosc");
        QTest::addColumn<QString>("poczatekKomunikatu");
        QTest::newRow("wełna, Tak") << QString() << 1 << TOdpowiedz::Tak << QStringLiteral("0,26")
                                    << QStringLiteral(
                                           "Warstwa 2 (Wełna mineralna): grubość d = 0,26 m daje Uk = 0,196");
        QTest::newRow("wełna, Nie") << QString() << 1 << TOdpowiedz::Nie << QStringLiteral("0,15")
                                    << QStringLiteral("Warstwa 2 (Wełna mineralna): grubość d = 0,26 m");
        QTest::newRow("płyta g-k, dach: nieosiągalne")
            << QStringLiteral("dach") << 0 << TOdpowiedz::Tak << QStringLiteral("0,0125")
            << QStringLiteral("Żadna grubość warstwy 1 (Płyta g-k) do 1 m nie daje Uk ≤ Umax = 0,15");
    }
    void dobierzGrubosc() {
        QFETCH(QString, wierszWT);
        QFETCH(int, wiersz);
        QFETCH(TOdpowiedz, odpowiedz);
        QFETCH(QString, grubosc);
        QFETCH(QString, poczatekKomunikatu);
        TArkusz t;
        if (!wierszWT.isEmpty())
            WybierzZListy(t.wiersz, t.wiersz->itemText(t.wiersz->findData(wierszWT)));
        ArkuszPrzegrody(t.o)->BiezacyWiersz = wiersz;
        t.o.Dialogi.Wyczysc();
        t.o.Dialogi.Odpowiedzi = {odpowiedz};
        Kontrolka<QAction>(t.o, "Dobierzgrubosc1")->trigger();
        QCOMPARE(t.o.Dialogi.Komunikaty().size(), 1);
        QVERIFY2(t.o.Dialogi.Komunikaty()[0].Tekst.startsWith(poczatekKomunikatu),
                 qPrintable(t.o.Dialogi.Komunikaty()[0].Tekst));
        QCOMPARE(ArkuszPrzegrody(t.o)->Komorka(wiersz, 4), grubosc);
    }

    // The shipped stations under their own names: "Kołobrzeg", "Białystok", "Elbląg".
    void nazwyStacjiZPolskimiLiterami() {
        TArkusz t;
        QStringList pozycje;
        for (int i = 0; i < t.klimat->count(); ++i)
            pozycje << t.klimat->itemText(i);
        for (const char* stacja : {"Białystok", "Elbląg", "Kołobrzeg", "Warszawa-Okęcie", "Opole"})
            QVERIFY2(pozycje.contains(QString::fromUtf8(stacja)), stacja);
        QVERIFY(!pozycje.contains(QStringLiteral("Kolobrzeg")));
        QCOMPARE(t.klimat->itemData(pozycje.indexOf(QStringLiteral("Kołobrzeg"))).toString(),
                 QStringLiteral("Kolobrzeg"));
    }

    // A choice on this sheet while the results are current computes the sheet again at once (and
    // what the results sheet and the report show from it); the results stay current.
    void zmianaWyboruPrzeliczaOdRazu() {
        TArkusz t;
        auto* raport = new TPodgladWydruku(t.o.Model(), t.o.Dialogi, MUROLAB_DANE_ZRODLOWE, t.o.Okno.get());
        t.o->UstawFormy(nullptr, nullptr, nullptr, raport, nullptr);
        const auto krok = [&t] { return Kontrolka<QLabel>(t.o, "LabelStan")->text(); };
        auto* zakladki = Kontrolka<QTabWidget>(t.o, "PageControlPrzegroda")->tabBar();
        t.o.Oblicz();
        QVERIFY(!t.a->Analiza()->Rok);

        WybierzZListy(t.klimat, QStringLiteral("Warszawa-Okęcie"));
        QVERIFY(t.a->Analiza()->Rok);
        QCOMPARE(t.Miesiace()->rowCount(), 12);
        QVERIFY(Tekst(t.Kontrolka<QLabel>("LabelRok")).contains(QStringLiteral("Klimat: Warszawa-Okęcie")));
        QVERIFY(Tekst(Kontrolka<QLabel>(t.o, "LabelKondensacjaWewnatrz"))
                    .contains(QStringLiteral("W ciągu roku")));
        QVERIFY(raport->Kondensacja() && !raport->Kondensacja()->Miesiace.empty());
        QCOMPARE(krok(), QStringLiteral("Wyniki aktualne"));
        QCOMPARE(zakladki->tabTextColor(5), QColor());
        QVERIFY(t.o.Model().Zmieniony);

        WybierzZListy(t.klimat, QStringLiteral("Kołobrzeg"));
        QVERIFY(Tekst(t.Kontrolka<QLabel>("LabelRok")).contains(QStringLiteral("Klimat: Kołobrzeg")));
        const double piStale = t.a->Analiza()->Rok->Miesiace[0].CisWewn;
        WybierzZListy(t.wnetrze, QStringLiteral("Klasa wilgotności 4"));
        QVERIFY(t.a->Analiza()->Rok->Miesiace[0].CisWewn > piStale);
        WybierzZListy(t.wiersz, t.wiersz->itemText(t.wiersz->findData(QStringLiteral("dach"))));
        QCOMPARE(t.a->Analiza()->WT.Wiersz, std::string("dach"));
        QVERIFY(Tekst(t.Kontrolka<QLabel>("LabelWT")).contains(QStringLiteral("Umax = 0,15")));
        QCOMPARE(krok(), QStringLiteral("Wyniki aktualne"));
        QVERIFY(!t.o->WynikiNieaktualne());
    }

    // A layer edit marks this sheet stale as the other result sheets: red tab, the mark on the
    // sheet, the status bar; a choice made then does not pretend to be current, and the report warns.
    void edycjaWarstwyZaznaczaArkuszNieaktualny() {
        TArkusz t;
        auto* raport = new TPodgladWydruku(t.o.Model(), t.o.Dialogi, MUROLAB_DANE_ZRODLOWE, t.o.Okno.get());
        t.o->UstawFormy(nullptr, nullptr, nullptr, raport, nullptr);
        t.o->show();
        t.o.Oblicz();
        const double ukPrzed = t.a->Analiza()->WT.Uk;
        ArkuszPrzegrody(t.o)->UstawKomorke(1, 4, QStringLiteral("0,25"));
        QVERIFY(t.o->WynikiNieaktualne());
        QCOMPARE(Kontrolka<QTabWidget>(t.o, "PageControlPrzegroda")->tabBar()->tabTextColor(5),
                 QColor(0xb0, 0, 0));
        QLabel* znacznik = t.a->findChild<QLabel*>(QStringLiteral("ZnacznikNieaktualnych"));
        QVERIFY(znacznik && znacznik->isVisibleTo(t.a));
        t.o->PokazArkusz(5);
        t.o.Zrzut(QStringLiteral("kondensacja-nieaktualna"));

        WybierzZListy(t.klimat, QStringLiteral("Opole"));
        QVERIFY(t.o->WynikiNieaktualne());
        QCOMPARE(Kontrolka<QLabel>(t.o, "LabelStan")->text(), QStringLiteral("Dane zmienione – przelicz"));
        QVERIFY(!t.a->Analiza()->Rok);
        QCOMPARE(t.a->Analiza()->WT.Uk, ukPrzed);

        t.o.Dialogi.Wyczysc();
        Kontrolka<QAction>(t.o, "Podgldwydruku1")->trigger();
        QVERIFY(!t.o.Dialogi.Komunikaty().isEmpty());
        QVERIFY(t.o.Dialogi.Komunikaty()[0].Tekst.contains(QStringLiteral("Naciśnij Oblicz")));

        t.o.Oblicz();
        QVERIFY(!t.o->WynikiNieaktualne());
        QVERIFY(!znacznik->isVisibleTo(t.a));
        QVERIFY(t.a->Analiza()->Rok);
        QVERIFY(t.a->Analiza()->WT.Uk < ukPrzed);
    }

    // Summer figures that overflow: a message, never NaN on the sheet.
    void nieskonczoneLatoToKomunikat() {
        TArkusz t;
        // A ten-metre layer of the densest, most capacious and least conducting material the checks
        // let in: the heat wave's damping overflows (cosh of some 10⁴).
        t.o->WpiszWiersz(0, ArkuszPrzegrody(t.o)->Komorka(0, 1), QStringLiteral("0,01"),
                         ArkuszPrzegrody(t.o)->Komorka(0, 3), QStringLiteral("10"), QStringLiteral("25000"),
                         QStringLiteral("10"));
        for (int w = 1; w < 3; ++w)
            t.o->WpiszWiersz(w, ArkuszPrzegrody(t.o)->Komorka(w, 1), ArkuszPrzegrody(t.o)->Komorka(w, 2),
                             ArkuszPrzegrody(t.o)->Komorka(w, 3), ArkuszPrzegrody(t.o)->Komorka(w, 4),
                             QStringLiteral("1000"), QStringLiteral("1"));
        t.o.Dialogi.Wyczysc();
        t.o.Oblicz();
        QVERIFY2(t.o->Analiza(), qPrintable(t.o.Dialogi.Bledy().join('\n')));
        QVERIFY(!t.o->Analiza()->Lato);
        const QString lato = Tekst(t.Kontrolka<QLabel>("LabelLato"));
        QVERIFY2(!lato.contains(QStringLiteral("nan"), Qt::CaseInsensitive), qPrintable(lato));
        QVERIFY(lato.contains(QStringLiteral("nie dały skończonego wyniku")));
        QCOMPARE(t.o.Dialogi.Komunikaty().size(), 1);
        QCOMPARE(t.o.Dialogi.Komunikaty()[0].Ikona, TIkona::Stop);
        QVERIFY(t.o.Dialogi.Komunikaty()[0].Tekst.contains(QStringLiteral("Parametry letnie")));
    }

    // Without a climate the sheet says where to choose one; the paper only says none was chosen.
    void podpowiedzKlimatuTylkoNaEkranie() {
        TArkusz t;
        t.o.Oblicz();
        QVERIFY(t.Kontrolka<QLabel>("LabelPodpowiedzKlimatu")->isVisibleTo(t.a));
        QVERIFY(Tekst(t.Kontrolka<QLabel>("LabelRok")).contains(QStringLiteral("nie wybrano klimatu")));
        WybierzZListy(t.klimat, QStringLiteral("Opole"));
        QVERIFY(!t.Kontrolka<QLabel>("LabelPodpowiedzKlimatu")->isVisibleTo(t.a));
    }

    void pomocF1NaArkuszu() {
        TArkusz t;
        QCOMPARE(TPomoc::KontekstDlaF1(t.klimat), 20);
        QFile plik(QStringLiteral(MUROLAB_POMOC));
        QVERIFY(plik.open(QIODevice::ReadOnly));
        const QString pomoc = QString::fromUtf8(plik.readAll());
        QVERIFY(pomoc.contains(QStringLiteral("<a name=\"kontekst20\"></a>")));
        QVERIFY(pomoc.contains(QStringLiteral("nie uwzględnia deszczu")));
    }
};

QTEST_MAIN(TestArkuszKondensacji)
#include "tst_arkusz_kondensacji.moc"
