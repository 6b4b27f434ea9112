// The charts, the description and the report as the main window drives them: "&Oblicz" twice, the
// description entered before and after a calculation, "Raport" with the warmer side read from the
// sheet's fields.
#include "OknoObliczen.h"
#include "output/PodgladWydruku.h"
#include "output/Wykresy.h"
#include "ui/FormDane.h"

#include <QAction>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPrintPreviewWidget>
#include <QValueAxis>

using namespace murolab;
using namespace murolab::test;

namespace {

const QList<TWiersz> kSciana = {{QStringLiteral("Tynk cementowo-wapienny"), QStringLiteral("0,82"),
                                 QStringLiteral("10"), QStringLiteral("0,015")},
                                {QStringLiteral("Mur z cegły ceramicznej pełnej"), QStringLiteral("0,77"),
                                 QStringLiteral("10"), QStringLiteral("0,24")},
                                {QStringLiteral("Styropian EPS 040"), QStringLiteral("0,04"),
                                 QStringLiteral("60"), QStringLiteral("0,12")}};

struct TOknoZRaportem : TOkno {
    TFormDane* Dane = new TFormDane(Okno->Model, Dialogi, Okno.get());
    TPodgladWydruku* Raport = new TPodgladWydruku(Okno->Model, Dialogi, MUROLAB_DANE_ZRODLOWE, Okno.get());
    TOknoZRaportem() {
        Okno->UstawFormy(nullptr, nullptr, Dane, Raport, nullptr);
        Dodaj(kSciana);
        Warunki({});
        ZMostkami();
    }
    // The description typed and confirmed with "&Wprowadz" (F5 opens the dialog).
    void Opis(const QString& obiekt, const QString& rodzaj) {
        Dialogi.Modalnie = [&](QDialog*) {
            Kontrolka<QLineEdit>(Dane, "EditInwestor")->setText(QStringLiteral("Gmina Żółkiewka"));
            Kontrolka<QLineEdit>(Dane, "EditObiekt")->setText(obiekt);
            Kontrolka<QLineEdit>(Dane, "EditAdres")->setText(QStringLiteral("ul. Ogrodowa 12"));
            Kontrolka<QLineEdit>(Dane, "EditRodzajPrze")->setText(rodzaj);
            Kontrolka<QLineEdit>(Dane, "EditProjektant")->setText(QStringLiteral("Anna Kowalczyk"));
            Kontrolka<QPushButton>(Dane, "Button1")->click();
        };
        Okno->Projektdane1Click();
        Dialogi.Modalnie = nullptr;
    }
};

} // namespace

class TestWyjscieOkno : public QObject {
    Q_OBJECT
private slots:
    void dwaObliczeniaJedenZestawLinii() {
        TOknoZRaportem o;
        o.Oblicz();
        o.Oblicz();
        QVERIFY2(o.Dialogi.Bledy().isEmpty(), qPrintable(o.Dialogi.Bledy().join(u'\n')));
        // The diffusion chart also carries the condensation line and its plane marks (empty when
        // there is no plane): two series more than the temperature chart.
        for (TWykres* w : {static_cast<TWykres*>(Kontrolka<TWykresCisnien>(o, "ChartCisnienie")),
                           static_cast<TWykres*>(Kontrolka<TWykresTemperatur>(o, "ChartTemperatura"))}) {
            QCOMPARE(int(w->LinieGranic.size()), 11);
            QCOMPARE(w->Wykres->series().size(),
                     (w == Kontrolka<TWykresCisnien>(o, "ChartCisnienie") ? 4 : 2) + 11);
        }
        QCOMPARE(Kontrolka<TWykresTemperatur>(o, "ChartTemperatura")->Series3->count(), 3 + 3);
        QCOMPARE(Kontrolka<TWykresTemperatur>(o, "ChartTemperatura")->OsLewa->min(), -23.0);
        QCOMPARE(Kontrolka<TWykresTemperatur>(o, "ChartTemperatura")->OsLewa->max(), 23.0);
        QCOMPARE(Kontrolka<TWykresCisnien>(o, "ChartCisnienie")->Series1->count(), 4);
        QCOMPARE(o.Raport->Raport().Temperatury.Nazwa.size(), std::size_t(3 + 3));
        QCOMPARE(o.Raport->Raport().Cisnienia.CisCzast.size(), std::size_t(1 + 4));
        QCOMPARE(o.Raport->Raport().Uk, Kontrolka<QLabel>(o, "LabelUk")->text().toStdString());
        o->PokazArkusz(3);
        o.Zrzut(QStringLiteral("wykres_cisnien"));
        o->PokazArkusz(4);
        o.Zrzut(QStringLiteral("wykres_temperatur"));
    }

    void opisIRodzajPrzegrody() {
        TOknoZRaportem o;
        o.Opis(QStringLiteral("Szkoła nr 3"), QStringLiteral("Ściana szczytowa"));
        o.Oblicz();
        const TRaport& r = o.Raport->Raport();
        QCOMPARE(r.Obiekt, std::string("Szkoła nr 3"));
        QCOMPARE(r.Inwestor, std::string("Gmina Żółkiewka"));
        QCOMPARE(r.Data, QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString());
        // The partition type of the working conditions, not the text typed into the dialog.
        QCOMPARE(QString::fromStdString(r.Przegroda),
                 Kontrolka<QComboBox>(o, "ComboBoxTypPrzegrody")->currentText());
        QVERIFY(r.Przegroda != "Ściana szczytowa");

        // A description entered after the calculation waits for the next one.
        o.Opis(QString(), QStringLiteral("Strop"));
        QCOMPARE(o.Raport->Raport().Obiekt, std::string("Szkoła nr 3"));
        o.Oblicz();
        QCOMPARE(o.Raport->Raport().Obiekt, std::string());
        QCOMPARE(o.Raport->Raport().Przegroda, std::string());
    }

    // "Raport": both report charts drawn afresh; the warmer side follows the sheet's fields, the
    // values the model.
    void raportZMenu() {
        TOknoZRaportem o;
        o.Oblicz();
        int strony = 0;
        o.Dialogi.Wyczysc();
        o.Dialogi.Modalnie = [&](QDialog*) {
            strony = Kontrolka<QPrintPreviewWidget>(o.Raport, "Podglad")->pageCount();
        };
        Kontrolka<QAction>(o, "Podgldwydruku1")->trigger();
        Kontrolka<QAction>(o, "Podgldwydruku1")->trigger();
        QCOMPARE(o.Dialogi.Wywolania.size(), 2);
        QCOMPARE(o.Dialogi.Wywolania.first().Okno, static_cast<QDialog*>(o.Raport));
        QCOMPARE(strony,
                 3); // the thermal and diffusion pages and, after a calculation, the condensation page
        QCOMPARE(int(o.Raport->QRChartTemp->LinieGranic.size()), 11);
        QCOMPARE(o.Raport->QRChartTemp->Series4->count(), 1);

        Kontrolka<TNumEdit>(o, "NumEditTempWew")->setText(QStringLiteral("-30")); // typed, not confirmed
        Kontrolka<QAction>(o, "Podgldwydruku1")->trigger();
        QCOMPARE(o.Raport->QRChartTemp->Series4->count(), 0);
        QCOMPARE(o.Raport->QRChartTemp->Series3->at(0).y(), 20.0);
        QCOMPARE(o.Raport->QRChartTemp->OsLewa->min(), -23.0);
    }
};

QTEST_MAIN(TestWyjscieOkno)
#include "tst_wyjscie_okno.moc"
