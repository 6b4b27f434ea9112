// The calculate command: the order of its checks and their messages, the missing working
// conditions, the thermal-bridge reminder, and the copying of the grid into the layer table.

#include "OknoObliczen.h"
#include "core/Sprawdzenia.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

using namespace murolab;
using namespace murolab::test;

Q_DECLARE_METATYPE(QList<murolab::test::TWiersz>)

namespace {
const TWiersz kCegla{QStringLiteral("Cegła"), QStringLiteral("0,77"), QStringLiteral("10"),
                     QStringLiteral("0,12")};
const TWiersz kWelna{QStringLiteral("Wełna"), QStringLiteral("0,04"), QStringLiteral("1"),
                     QStringLiteral("0,1")};

TWiersz Warstwa(const char* lambda, const char* mi, const char* d) {
    return {QStringLiteral("Warstwa"), QString::fromUtf8(lambda), QString::fromUtf8(mi),
            QString::fromUtf8(d)};
}
QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Nothing of the calculation happened: no layer copied, no result, the results sheet still empty.
void NicNieObliczono(TOkno& o) {
    QCOMPARE(o.Model().Warstwy[1].Lambda, 0.0);
    QCOMPARE(o.Model().Wyniki.U0, 0.0);
    QCOMPARE(Kontrolka<QTextEdit>(o, "RichEditMaterial")->toPlainText(), QString());
    QCOMPARE(Kontrolka<QLabel>(o, "LabelUk")->text(), QStringLiteral("U  = 0,000"));
}
} // namespace

class TestOblicz : public QObject {
    Q_OBJECT
private slots:
    void sprawdzWarstwy_data() {
        QTest::addColumn<QList<TWiersz>>("wiersze");
        QTest::addColumn<QStringList>("komunikaty");
        QTest::addColumn<QStringList>("bledy");
        QTest::addColumn<bool>("obliczono");

        const QStringList brak;
        const QStringList lambda{Q(komunikaty::ZlaLambda)};
        const QStringList mi{Q(komunikaty::ZleMi)};
        const QStringList d{Q(komunikaty::ZlaGrubosc)};

        QTest::newRow("brak warstw: warunki nie są badane")
            << QList<TWiersz>{} << QStringList{Q(komunikaty::BrakWarstw)} << brak << false;
        QTest::newRow("poprawne warstwy") << QList<TWiersz>{kCegla, kWelna} << brak << brak << true;
        QTest::newRow("d warstwy 1 zgłoszone przed lambdą warstwy 2")
            << QList<TWiersz>{Warstwa("0,77", "10", "12"), Warstwa("0,005", "10", "0,1")} << d << brak
            << false;
        QTest::newRow("lambda 0,01 na granicy")
            << QList<TWiersz>{Warstwa("0,01", "1", "0,1")} << brak << brak << true;
        QTest::newRow("mi 9999999 na granicy")
            << QList<TWiersz>{Warstwa("1", "9999999", "0,1")} << brak << brak << true;
        QTest::newRow("mi 10000000") << QList<TWiersz>{Warstwa("1", "10000000", "0,1")} << mi << brak
                                     << false;
        QTest::newRow("d 10 na granicy") << QList<TWiersz>{Warstwa("1", "1", "10")} << brak << brak << true;
        QTest::newRow("w wierszu lambda przed mi")
            << QList<TWiersz>{Warstwa("0,005", "0", "0,1")} << lambda << brak << false;
        QTest::newRow("w wierszu mi przed d")
            << QList<TWiersz>{Warstwa("1", "0", "12")} << mi << brak << false;
        QTest::newRow("zły wiersz 3 po dwóch dobrych")
            << QList<TWiersz>{kCegla, kWelna, Warstwa("1", "1", "0")} << d << brak << false;
        QTest::newRow("mi nie jest liczbą")
            << QList<TWiersz>{Warstwa("1", "abc", "0,1")} << brak
            << QStringList{QStringLiteral("„abc” nie jest poprawną liczbą rzeczywistą")} << false;
        QTest::newRow("pusta grubość")
            << QList<TWiersz>{Warstwa("1", "1", "")} << brak
            << QStringList{QStringLiteral("„” nie jest poprawną liczbą rzeczywistą")} << false;
        QTest::newRow("lambda poza granicą, zanim mi zostanie odczytane")
            << QList<TWiersz>{Warstwa("0,005", "abc", "0,1")} << lambda << brak << false;
    }
    void sprawdzWarstwy() {
        QFETCH(QList<TWiersz>, wiersze);
        QFETCH(QStringList, komunikaty);
        QFETCH(QStringList, bledy);
        QFETCH(bool, obliczono);

        TOkno o;
        o.Dodaj(wiersze);
        // The working conditions of a New project: were they examined, their message would show.
        o.Model().WarunkiPracy.Resetuj();
        if (obliczono) {
            o.Warunki({});
            o.ZMostkami();
        }
        o->PokazArkusz(1);
        o.Oblicz();

        QCOMPARE(o.Dialogi.TekstyKomunikatow(), komunikaty);
        QCOMPARE(o.Dialogi.Bledy(), bledy);
        for (const TWywolanie& w : o.Dialogi.Komunikaty()) {
            QCOMPARE(w.Tytul, Q(komunikaty::Uwaga));
            QCOMPARE(w.Ikona, TIkona::Stop);
            QCOMPARE(w.Przyciski, TPrzyciski::Ok);
        }
        if (obliczono) {
            QCOMPARE(o.Arkusz(), 2);
            QVERIFY(o.Model().Wyniki.U0 > 0);
        } else {
            QCOMPARE(o.Arkusz(), 1);
            NicNieObliczono(o);
        }
    }

    void brakWarunkow_data() {
        QTest::addColumn<bool>("poNowym");
        QTest::newRow("po poleceniu Nowy") << true;
        QTest::newRow("przed pierwszym Wprowadź") << false;
    }
    void brakWarunkow() {
        QFETCH(bool, poNowym);
        TOkno o;
        o.Dodaj({kCegla, kWelna});
        if (poNowym)
            o.Model().WarunkiPracy.Resetuj();
        o.Oblicz();

        QVERIFY2(JedenKomunikat(o.Dialogi, Q(komunikaty::BrakWarunkow), Q(komunikaty::Uwaga), TIkona::Stop),
                 qPrintable(o.Dialogi.TekstyKomunikatow().join(u'|')));
        QVERIFY(o.Dialogi.Bledy().isEmpty());
        QCOMPARE(Kontrolka<QTabWidget>(o, "PageControlPrzegroda")->currentWidget(),
                 Kontrolka<QWidget>(o, "TabSheetWarPracy"));
        NicNieObliczono(o);
    }

    // The corrections dialog sets the air-void correction as the layer number and its ΔU″.
    void przypomnienie_data() {
        QTest::addColumn<int>("nrNieszczelnosci");
        QTest::addColumn<double>("deltaU");
        QTest::addColumn<bool>("przypomina");
        QTest::newRow("żadnej poprawki") << 0 << 0.0 << true;
        QTest::newRow("tylko nieszczelności z numerem warstwy") << 2 << 0.01 << false;
        QTest::newRow("delta U bez numeru warstwy się nie liczy") << 0 << 0.01 << true;
    }
    void przypomnienie() {
        QFETCH(int, nrNieszczelnosci);
        QFETCH(double, deltaU);
        QFETCH(bool, przypomina);
        TOkno o;
        o.Dodaj({kCegla, kWelna});
        o.Warunki({});
        o.Model().WarunkiPracy.NrNieszczelnosci = nrNieszczelnosci;
        o.Model().WarunkiPracy.DeltaU = deltaU;
        o.Oblicz();

        if (przypomina)
            QVERIFY2(JedenKomunikat(o.Dialogi, Q(komunikaty::BrakMostkow), Q(komunikaty::Przypomnienie),
                                    TIkona::Wykrzyknik),
                     qPrintable(o.Dialogi.TekstyKomunikatow().join(u'|')));
        else
            QVERIFY2(o.Dialogi.Komunikaty().isEmpty(), qPrintable(o.Dialogi.TekstyKomunikatow().join(u'|')));
        // The reminder never stops the command.
        QVERIFY(o.Dialogi.Bledy().isEmpty());
        QCOMPARE(o.Arkusz(), 2);
        QCOMPARE(Kontrolka<QTextEdit>(o, "RichEditMaterial")->document()->blockCount(), 5);
    }

    // Copying the grid: names cut to 40 characters, the numbers as the grid shows them, and the
    // slots behind the last row left as they were.
    void pobierzWarstwy() {
        TOkno o;
        const QString dlugaNazwa = QStringLiteral("Żelbet zbrojony prętami ze stali żebrowanej B500");
        o.Dodaj({{dlugaNazwa, QStringLiteral("1,7"), QStringLiteral("60"), QStringLiteral("0,2")}, kWelna});
        o.Model().Warstwy[3].Nazwa.UstawUtf8("stara");
        o.Model().Warstwy[3].Lambda = 9;
        ArkuszPrzegrody(o)->PobierzWarstwy();

        QVERIFY(o.Dialogi.Wywolania.isEmpty());
        const TWarstwa& w1 = o.Model().Warstwy[1];
        QCOMPARE(QString::fromStdString(w1.Nazwa.Utf8()), dlugaNazwa.left(40));
        QCOMPARE(w1.Lambda, 1.7);
        QCOMPARE(w1.Mi, 60.0);
        QCOMPARE(w1.Grubosc, 0.2);
        QCOMPARE(QString::fromStdString(o.Model().Warstwy[2].Nazwa.Utf8()), QStringLiteral("Wełna"));
        QCOMPARE(o.Model().Warstwy[2].Grubosc, 0.1);
        QCOMPARE(QString::fromStdString(o.Model().Warstwy[3].Nazwa.Utf8()), QStringLiteral("stara"));
        QCOMPARE(o.Model().Warstwy[3].Lambda, 9.0);
    }

    void pobierzWarstwyZBlednaKomorka() {
        TOkno o;
        o.Dodaj({kCegla, Warstwa("0,04", "1", "x"), kWelna});
        ArkuszPrzegrody(o)->PobierzWarstwy();

        QVERIFY(
            JedenKomunikat(o.Dialogi, Q(komunikaty::BledneDane), Q(komunikaty::Murolab), TIkona::Wykrzyknik));
        QCOMPARE(o.Model().Warstwy[1].Lambda, 0.77);
        // The copying ended at the bad row.
        QCOMPARE(o.Model().Warstwy[2].Lambda, 0.0);
        QCOMPARE(o.Model().Warstwy[3].Lambda, 0.0);
    }

    // The previous results stay on the sheet when a later command fails its checks.
    void nieudaneSprawdzenieZostawiaPoprzednieWyniki() {
        TOkno o;
        o.Dodaj({kCegla});
        o.Warunki({});
        o.ZMostkami();
        o.Oblicz();
        const QString poprzednie = Kontrolka<QTextEdit>(o, "RichEditTemp")->toPlainText();
        const double u0 = o.Model().Wyniki.U0;
        QVERIFY(!poprzednie.isEmpty());

        ArkuszPrzegrody(o)->UstawKomorke(0, 4, QStringLiteral("12"));
        o->PokazArkusz(1);
        o.Dialogi.Wyczysc();
        o.Oblicz();
        QCOMPARE(o.Dialogi.TekstyKomunikatow(), QStringList{Q(komunikaty::ZlaGrubosc)});
        QCOMPARE(Kontrolka<QTextEdit>(o, "RichEditTemp")->toPlainText(), poprzednie);
        QCOMPARE(o.Model().Wyniki.U0, u0);
        QCOMPARE(o.Model().Warstwy[1].Grubosc, 0.12);
        QCOMPARE(o.Arkusz(), 1);
    }

    // The verdict reads the temperature fields: one that is no number stops the command with the
    // conversion's message, after the sheet was cleared, and nothing crosses the event loop.
    void polePolaTemperaturyNieJestLiczba() {
        TOkno o;
        o.Dodaj({kCegla});
        o.Warunki({});
        o.ZMostkami();
        Kontrolka<TNumEdit>(o, "NumEditTempZewn")->setText(QStringLiteral("-"));
        o.Oblicz();
        QCOMPARE(o.Dialogi.Bledy(), QStringList{QStringLiteral("„-” nie jest poprawną liczbą całkowitą")});
        QCOMPARE(Kontrolka<QTextEdit>(o, "RichEditMaterial")->toPlainText(), QString());
        QCOMPARE(Kontrolka<QLabel>(o, "LabeLKomunikat")->text(), QString());
    }

    // A saturation table refused at start-up is reported then, and every "&Oblicz" repeats the
    // message and computes nothing: results from such a table would look right and be wrong.
    void zlaTablicaNasyceniaBlokujeObliczenia_data() {
        QTest::addColumn<QByteArray>("zawartosc");
        QTest::addColumn<bool>("jestPlik");
        QTest::addColumn<QString>("powod");
        QByteArray malejaca;
        for (int i = 0; i < 55; ++i) {
            const double v = i == 30 ? 0.5 : 1.0 + i;
            malejaca.append(reinterpret_cast<const char*>(&v), 8); // little-endian machine
        }
        QTest::newRow("brak pliku") << QByteArray() << false << QStringLiteral("nie ma takiego pliku");
        QTest::newRow("pusty plik") << QByteArray() << true << QStringLiteral("ma 0 bajtów");
        QTest::newRow("10 wpisow") << malejaca.left(80) << true << QStringLiteral("ma 80 bajtów");
        QTest::newRow("malejaca") << malejaca << true << QStringLiteral("wpis 30 (6 °C) nie jest większy");
    }
    void zlaTablicaNasyceniaBlokujeObliczenia() {
        QFETCH(QByteArray, zawartosc);
        QFETCH(bool, jestPlik);
        QFETCH(QString, powod);
        QTemporaryDir katalog;
        if (jestPlik) {
            QFile f(katalog.filePath(QStringLiteral("ula.dat")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(zawartosc);
        }
        TDialogiTestowe dialogi;
        auto okno = std::make_unique<TFormPrzegroda>(dialogi, katalog.path().toStdString());

        QCOMPARE(dialogi.Bledy().size(), 1);
        const QString komunikat = dialogi.Bledy().first();
        QVERIFY2(komunikat.contains(powod), qPrintable(komunikat));
        QVERIFY2(komunikat.contains(QStringLiteral("Obliczenia nie są możliwe")), qPrintable(komunikat));

        okno->DodajWiersz();
        okno->WpiszWiersz(0, kCegla.Nazwa, kCegla.Lambda, kCegla.Mi, kCegla.Grubosc);
        okno->Model.WarunkiPracy = TWarunkiPracy{};
        okno->Model.WarunkiPracy.TempWew = 20;
        okno->Model.WarunkiPracy.TempZewn = -20;
        okno->Model.WarunkiPracy.WilgotWewn = 55;
        okno->Model.WarunkiPracy.WilgotZewn = 85;
        okno->Model.WarunkiPracy.Rsi = 0.13;
        okno->Model.WarunkiPracy.Rse = 0.04;
        okno->Model.WarunkiPracy.DeltaUk = 0.05;
        dialogi.Wyczysc();
        Kontrolka<QPushButton>(okno, "BitBtnOblicz")->click();
        QVERIFY(JedenKomunikat(dialogi, komunikat, Q(komunikaty::Uwaga), TIkona::Stop));
        QCOMPARE(okno->Model.Wyniki.U0, 0.0);
        QCOMPARE(Kontrolka<QTextEdit>(okno, "RichEditMaterial")->toPlainText(), QString());
    }

    // A result that overflowed is never shown: the sheet is emptied and a message says why, also
    // where an earlier calculation had filled it.
    void wynikNieskonczonyToKomunikatZamiastArkusza() {
        TOkno o;
        o.Dodaj({kCegla});
        o.Warunki({});
        o.ZMostkami();
        o.Oblicz();
        QVERIFY(!Kontrolka<QTextEdit>(o, "RichEditMaterial")->toPlainText().isEmpty());

        o.Model().WarunkiPracy.DeltaUk = 1e308;
        o.Model().WarunkiPracy.MostekWlasny = 1e308;
        o.Dialogi.Wyczysc();
        o.Oblicz();
        QVERIFY(JedenKomunikat(o.Dialogi,
                               Q("Obliczenia nie dały skończonego wyniku (Uk): dane projektu wykraczają poza "
                                 "zakres, w którym obliczenie ma sens."),
                               Q(komunikaty::Uwaga), TIkona::Stop));
        QCOMPARE(o.Model().Wyniki.U0, 0.0);
        QCOMPARE(Kontrolka<QTextEdit>(o, "RichEditMaterial")->toPlainText(), QString());
        QCOMPARE(Kontrolka<QLabel>(o, "LabelUk")->text(), QStringLiteral("U  = 0,000"));
    }
};

QTEST_MAIN(TestOblicz)
#include "tst_oblicz.moc"
