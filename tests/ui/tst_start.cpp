// Start-up: the splash's progress, the windows created once in their order, the project
// description dialog shown modally before the main window, and the main window as it opens.

#include "NarzedziaTestow.h"
#include "catalogue/FormWstawWarstwe.h"
#include "files/PlikiDanych.h"
#include "output/PodgladWydruku.h"
#include "ui/AboutBox.h"
#include "ui/FormDane.h"
#include "ui/FormMostkiTerm.h"
#include "ui/FormPrzegroda.h"
#include "ui/FormZestawienie.h"
#include "ui/Pomoc.h"
#include "ui/Powitanie.h"
#include "ui/Start.h"
#include "widgets/DialogiTestowe.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <functional>

using namespace murolab;

class TestStart : public QObject {
    Q_OBJECT
private slots:
    void kolejnoscStartu() {
        // The program is handed its data directory and the user's; it stays where it was started.
        QTemporaryDir dane, uzytkownika;
        QVERIFY(QFile::copy(QStringLiteral(MUROLAB_ZRODLA "/data/ula.dat"),
                            dane.filePath(QStringLiteral("ula.dat"))));
        const QString biezacy = QDir::currentPath();
        TDialogiTestowe d;
        TStart start(d, 0, dane.path().toStdString(), uzytkownika.path().toStdString());
        QList<QPair<QString, int>> kroki;
        start.PoKroku = [&](const QString& krok, int postep) { kroki << qMakePair(krok, postep); };
        TFormPowitanie* powitanie = nullptr;
        int maksimum = 0;
        start.PoUtworzeniuPowitania = [&](TFormPowitanie& p) {
            powitanie = &p;
            p.Uspij = [](int) {};
        };
        // While the description dialog is open: every window exists, the main window is not shown
        // yet, the splash is gone from the screen and its bar stands at 130 of 150.
        bool sprawdzone = false;
        d.Modalnie = [&](QDialog* okno) {
            TFormPrzegroda* f = start.Okno();
            QVERIFY(f);
            QCOMPARE(okno, static_cast<QDialog*>(f->FormDane));
            QVERIFY(!f->isVisible());
            QVERIFY(f->FormMostkiTerm && f->FormDane && f->PodgladWydruku && f->AboutBox && f->Pomoc);
            QVERIFY(powitanie && !powitanie->isVisible());
            maksimum = Kontrolka<QProgressBar>(powitanie, "ProgressBar1")->maximum();
            QCOMPARE(Kontrolka<QProgressBar>(powitanie, "ProgressBar1")->value(), 130);
            sprawdzone = true;
        };
        start.Uruchom();
        QVERIFY(sprawdzone);
        QCOMPARE(maksimum, 150);

        const QList<QPair<QString, int>> oczekiwane = {
            {"tytuł", 5},
            {"pomoc", 10},
            {"TFormPrzegroda", 30},
            {"TFormWstawWarstwe", 50},
            {"TFormMostkiTerm", 70},
            {"TFormDane", 90},
            {"TPodgladWydruku", 110},
            {"TPodgladWydruku", 130},
            {"TAboutBox", 130},
            {"okno główne", 0},
        };
        QCOMPARE(kroki, oczekiwane);
        // No display name of its own (it falls back to the application's name): Qt adds nothing to
        // the window titles, which name the program themselves.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
        QVERIFY(start.Okno()->windowTitle().startsWith(QStringLiteral("Murolab")));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("murolab"));
        QCOMPARE(QDir::currentPath(), biezacy);

        // The description dialog was the only modal window, shown once; nothing else was said.
        QCOMPARE(d.Wywolania.size(), 1);
        QCOMPARE(d.Wywolania[0].Rodzaj, TWywolanie::Modalnie);
        // Creating the main window loaded the saturation table (20 degC is entry 44).
        QVERIFY(start.Okno()->Model.TablicaNasycenia[44] > 23.0 &&
                start.Okno()->Model.TablicaNasycenia[44] < 23.5);

        // The forms were created after the main window, in their order, and belong to it.
        TFormPrzegroda* f = start.Okno();
        QList<const char*> klasy;
        for (QObject* o : f->children())
            if (qobject_cast<QDialog*>(o))
                klasy << o->metaObject()->className();
        QCOMPARE(klasy.size(), 6);
        QCOMPARE(QByteArray(klasy[0]), QByteArray("murolab::TFormWstawWarstwe"));
        QCOMPARE(QByteArray(klasy[1]), QByteArray("murolab::TFormMostkiTerm"));
        QCOMPARE(QByteArray(klasy[2]), QByteArray("murolab::TFormDane"));
        QCOMPARE(QByteArray(klasy[3]), QByteArray("murolab::TPodgladWydruku"));
        QCOMPARE(QByteArray(klasy[4]), QByteArray("murolab::TAboutBox"));
        QCOMPARE(QByteArray(klasy[5]), QByteArray("murolab::TFormZestawienie"));
        QVERIFY(f->FormZestawienie);
        QCOMPARE(f->FormZestawienie->parent(), static_cast<QObject*>(f));

        // Every reader was handed the directories: the help file, the catalogue and own materials.
        QCOMPARE(start.Pomoc()->Plik(), QDir(dane.path()).absoluteFilePath(QStringLiteral("POMOC.HLP")));
        QCOMPARE(f->FormWstawWarstwe->KatalogDanych, std::filesystem::path(dane.path().toStdString()));
        QCOMPARE(f->FormWstawWarstwe->KatalogUzytkownika,
                 std::filesystem::path(uzytkownika.path().toStdString()));
        QCOMPARE(f->KatalogDanych, std::filesystem::path(dane.path().toStdString()));

        // The main window opens in the middle of the screen on the working conditions, "&Oblicz" focused.
        QVERIFY(f->isVisible());
        QVERIFY(testy::NaSrodkuEkranu(*f));
        QCOMPARE(Kontrolka<QTabWidget>(f, "PageControlPrzegroda")->currentIndex(), 0);
        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
        QCOMPARE(QApplication::focusWidget(),
                 static_cast<QWidget*>(Kontrolka<QPushButton>(f, "BitBtnOblicz")));
    }

    void pustyOpisNaStarcieNieJestZmiana() {
        // "&Wprowadz" in the empty description dialog stores only the picker's date, which no file
        // keeps on its own: the project is untouched and closing the program asks nothing.
        QTemporaryDir uzytkownika;
        TDialogiTestowe d;
        TStart start(d, 0, MUROLAB_ZRODLA "/data", uzytkownika.path().toStdString());
        start.PoUtworzeniuPowitania = [](TFormPowitanie& p) { p.Uspij = [](int) {}; };
        d.Modalnie = [&](QDialog* okno) { Kontrolka<QPushButton>(okno, "Button1")->click(); };
        start.Uruchom();
        TFormPrzegroda* f = start.Okno();
        QVERIFY(!f->Model.DaneProjektu.Data.Pusty());
        QVERIFY(!f->Model.Zmieniony);
        QVERIFY(f->close());
        QCOMPARE(d.Wywolania.size(), 1);
        QCOMPARE(d.Wywolania[0].Rodzaj, TWywolanie::Modalnie);
    }

    void komunikatStartuNadPowitaniem() {
        // Started where there is no "ula.dat": the failure is said while the main window is made,
        // and the splash, which stands on top of every window, steps aside for the box.
        QTemporaryDir pusty;
        struct TDialogiZPowitaniem : TDialogiTestowe {
            std::function<void()> PrzyBledzie;
            void Blad(QWidget* rodzic, const QString& tekst) override {
                PrzyBledzie();
                TDialogiTestowe::Blad(rodzic, tekst);
            }
        } d;
        TStart start(d, 0, pusty.path().toStdString(), pusty.path().toStdString());
        TFormPowitanie* powitanie = nullptr;
        start.PoUtworzeniuPowitania = [&](TFormPowitanie& p) {
            powitanie = &p;
            p.Uspij = [](int) {};
        };
        QList<bool> widocznePrzyBledzie;
        d.PrzyBledzie = [&] { widocznePrzyBledzie << (powitanie && powitanie->isVisible()); };
        bool widocznePotem = false;
        start.PoKroku = [&](const QString& krok, int) {
            if (krok == QLatin1String("TFormPrzegroda"))
                widocznePotem = powitanie->isVisible();
        };
        start.Uruchom();
        QCOMPARE(d.Bledy().size(), 1);
        QVERIFY(d.Bledy()[0].contains(QStringLiteral("ula.dat")));
        QCOMPARE(widocznePrzyBledzie, QList<bool>{false});
        QVERIFY(widocznePotem);
    }

    void pauzaPowitania_data() {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<QByteArray>("zmienna");
        QTest::addColumn<int>("pauza");
        QTest::newRow("domyślnie 2 s") << QStringList{"murolab"} << QByteArray() << 2000;
        QTest::newRow("opcja") << QStringList{"murolab", "--pauza", "0"} << QByteArray() << 0;
        QTest::newRow("opcja z równością") << QStringList{"murolab", "--pauza=250"} << QByteArray() << 250;
        QTest::newRow("zmienna") << QStringList{"murolab"} << QByteArray("150") << 150;
        QTest::newRow("opcja ma pierwszeństwo")
            << QStringList{"murolab", "--pauza", "10"} << QByteArray("150") << 10;
        QTest::newRow("zła opcja pominięta")
            << QStringList{"murolab", "--pauza", "x"} << QByteArray() << 2000;
        QTest::newRow("ujemna pominięta")
            << QStringList{"murolab", "--pauza", "-5"} << QByteArray("40") << 40;
        QTest::newRow("opcja bez wartości") << QStringList{"murolab", "--pauza"} << QByteArray() << 2000;
    }
    void pauzaPowitania() {
        QFETCH(QStringList, argumenty);
        QFETCH(QByteArray, zmienna);
        QFETCH(int, pauza);
        QCOMPARE(PauzaPowitania(argumenty, zmienna), pauza);
    }

    void plikProjektuZArgumentow_data() {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<QString>("plik");
        QTest::newRow("bez argumentów") << QStringList{"murolab"} << QString();
        QTest::newRow("sam plik") << QStringList{"murolab", "sciana.pro"} << "sciana.pro";
        QTest::newRow("po pauzie") << QStringList{"murolab", "--pauza", "0", "a.pro"} << "a.pro";
        QTest::newRow("wartość pauzy to nie plik") << QStringList{"murolab", "--pauza", "x.pro"} << QString();
        QTest::newRow("pauza z równością") << QStringList{"murolab", "--pauza=5", "b.pro"} << "b.pro";
        QTest::newRow("pierwszy z dwóch") << QStringList{"murolab", "a.pro", "b.pro"} << "a.pro";
        QTest::newRow("po -- nawet z minusem") << QStringList{"murolab", "--", "-x.pro"} << "-x.pro";
        QTest::newRow("ścieżka ze spacją")
            << QStringList{"murolab", "/home/ja/Moje projekty/ś.pro"} << "/home/ja/Moje projekty/ś.pro";
    }
    void plikProjektuZArgumentow() {
        QFETCH(QStringList, argumenty);
        QFETCH(QString, plik);
        QCOMPARE(PlikProjektuZArgumentow(argumenty), plik);
    }

    void projektZWierszaPolecen_data() {
        QTest::addColumn<QString>("plik");
        QTest::addColumn<int>("warstwy");
        QTest::addColumn<QString>("blad"); // a fragment of the one error shown; empty: none
        QTest::newRow("przykład") << QStringLiteral(MUROLAB_ZRODLA "/data/przyklad.pro") << 4 << QString();
        QTest::newRow("brak pliku") << QStringLiteral(MUROLAB_ZRODLA "/data/nie-ma-takiego.pro") << 0
                                    << QStringLiteral("nie-ma-takiego.pro");
        QTest::newRow("nie projekt") << QStringLiteral(MUROLAB_ZRODLA "/data/ula.dat") << 0
                                     << QStringLiteral("ula.dat");
    }
    void projektZWierszaPolecen() {
        // `murolab PLIK.pro`: the usual start-up without the description dialog (the file brings its
        // own description, which would replace what was typed), then the project as "Otwórz" opens
        // it; a file that cannot be opened gives the usual message and leaves the project empty.
        QFETCH(QString, plik);
        QFETCH(int, warstwy);
        QFETCH(QString, blad);
        QTemporaryDir uzytkownika;
        TDialogiTestowe d;
        TStart start(d, 0, MUROLAB_ZRODLA "/data", uzytkownika.path().toStdString());
        start.PoUtworzeniuPowitania = [](TFormPowitanie& p) { p.Uspij = [](int) {}; };
        start.PlikProjektu = plik;
        start.Uruchom();
        for (const TWywolanie& w : d.Wywolania)
            QVERIFY2(w.Rodzaj != TWywolanie::Modalnie, "the description dialog was shown");
        TFormPrzegroda* f = start.Okno();
        QVERIFY(f->isVisible());
        QCOMPARE(f->Model.LiczbaWarstw, warstwy);
        QCOMPARE(f->OstatniPlikOtwarty, plik);
        if (blad.isEmpty()) {
            QVERIFY(d.Bledy().isEmpty());
            QCOMPARE(Kontrolka<TSiatkaWarstw>(f, "StringGridPrzegroda")->item(2, 1)->text(),
                     QStringLiteral("Styropian EPS 040"));
        } else {
            QCOMPARE(d.Bledy().size(), 1);
            QVERIFY2(d.Bledy()[0].contains(blad), qPrintable(d.Bledy()[0]));
        }
    }

    void katalogUzytkownikaJakWQt_data() {
        QTest::addColumn<QByteArray>("xdg");
        QTest::addColumn<QByteArray>("home");
        QTest::newRow("bez XDG_DATA_HOME") << QByteArray() << QByteArray("/home/projektant");
        QTest::newRow("XDG_DATA_HOME") << QByteArray("/srv/dane/ja") << QByteArray("/home/projektant");
        QTest::newRow("puste XDG_DATA_HOME") << QByteArray("") << QByteArray("/home/projektant");
    }
    void katalogUzytkownikaJakWQt() {
        // Own materials live where Qt puts this program's data (QStandardPaths::AppDataLocation),
        // with the names the start-up gives the program.
        QFETCH(QByteArray, xdg);
        QFETCH(QByteArray, home);
        const QByteArray staryXdg = qgetenv("XDG_DATA_HOME"), staryHome = qgetenv("HOME");
        const bool byloXdg = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        auto powrot = qScopeGuard([&] {
            if (byloXdg)
                qputenv("XDG_DATA_HOME", staryXdg);
            else
                qunsetenv("XDG_DATA_HOME");
            qputenv("HOME", staryHome);
        });
        if (xdg.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", xdg);
        qputenv("HOME", home);
        UstawNazwyProgramu();
        QCOMPARE(QString::fromStdString(KatalogUzytkownika().string()),
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    }
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"
