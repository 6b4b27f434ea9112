// Start-up: the splash's progress, the windows created once in their order, the project
// description dialog shown modally before the main window, and the main window as it opens.

#include "DialogiTestowe.h"
#include "NarzedziaTestow.h"
#include "output/PodgladWydruku.h"
#include "ui/AboutBox.h"
#include "ui/FormDane.h"
#include "ui/FormMostkiTerm.h"
#include "ui/FormPrzegroda.h"
#include "ui/Powitanie.h"
#include "ui/Start.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace murolab;

class TestStart : public QObject {
    Q_OBJECT
private slots:
    void kolejnoscStartu() {
        // The program starts in its data directory.
        QTemporaryDir dane;
        QVERIFY(QFile::copy(QStringLiteral(MUROLAB_ZRODLA "/data/ula.dat"),
                            dane.filePath(QStringLiteral("ula.dat"))));
        const QString poprzedni = QDir::currentPath();
        QDir::setCurrent(dane.path());
        auto powrot = qScopeGuard([&] { QDir::setCurrent(poprzedni); });
        TDialogiTestowe d;
        TStart start(d, 0);
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
            maksimum = powitanie->ProgressBar1->maximum();
            QCOMPARE(powitanie->ProgressBar1->value(), 130);
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
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Murolab"));

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
        QCOMPARE(klasy.size(), 5);
        QCOMPARE(QByteArray(klasy[0]), QByteArray("murolab::TFormWstawWarstwe"));
        QCOMPARE(QByteArray(klasy[1]), QByteArray("murolab::TFormMostkiTerm"));
        QCOMPARE(QByteArray(klasy[2]), QByteArray("murolab::TFormDane"));
        QCOMPARE(QByteArray(klasy[3]), QByteArray("murolab::TPodgladWydruku"));
        QCOMPARE(QByteArray(klasy[4]), QByteArray("murolab::TAboutBox"));

        // The main window opens in the middle of the screen on the working conditions, "&Oblicz" focused.
        QVERIFY(f->isVisible());
        QVERIFY(testy::NaSrodkuEkranu(*f));
        QCOMPARE(f->PageControlPrzegroda->currentIndex(), 0);
        QApplication::setActiveWindow(f);
        QVERIFY(QTest::qWaitForWindowActive(f));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->BitBtnOblicz));
    }

    void komunikatStartuNadPowitaniem() {
        // Started where there is no "ula.dat": the failure is said while the main window is made,
        // and the splash, which stands on top of every window, steps aside for the box.
        QTemporaryDir pusty;
        const QString poprzedni = QDir::currentPath();
        QDir::setCurrent(pusty.path());
        auto powrot = qScopeGuard([&] { QDir::setCurrent(poprzedni); });
        struct TDialogiZPowitaniem : TDialogiTestowe {
            std::function<void()> PrzyBledzie;
            void Blad(QWidget* rodzic, const QString& tekst) override {
                PrzyBledzie();
                TDialogiTestowe::Blad(rodzic, tekst);
            }
        } d;
        TStart start(d, 0);
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

    void katalogRoboczy() {
        QTemporaryDir bez, dane, inne;
        QFile ula(dane.filePath(QStringLiteral("ula.dat")));
        QVERIFY(ula.open(QIODevice::WriteOnly));
        ula.close();
        // Started in a directory without "ula.dat": the first candidate holding it.
        QCOMPARE(WybierzKatalogRoboczy(bez.path(), {QString(), inne.path(), dane.path()}),
                 QDir(dane.path()).absolutePath());
        // Started in the data directory: stays there.
        QCOMPARE(WybierzKatalogRoboczy(dane.path(), {inne.path()}), dane.path());
        // Nowhere: stays where it is.
        QCOMPARE(WybierzKatalogRoboczy(bez.path(), {inne.path()}), QString());
    }
};

QTEST_MAIN(TestStart)
#include "tst_start.moc"
