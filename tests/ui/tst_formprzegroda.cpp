// The main window's frame: caption, size, sheets, menu and shortcut keys, the closing questions,
// the calculator, the help window and F1, the about box and the splash window.

#include "NarzedziaTestow.h"
#include "ui/AboutBox.h"
#include "ui/FormDane.h"
#include "ui/FormMostkiTerm.h"
#include "ui/Kalkulator.h"
#include "ui/KontekstPomocy.h"
#include "ui/NumEdit.h"
#include "ui/Pomoc.h"
#include "ui/Powitanie.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace murolab;
using namespace murolab::testy;

namespace {
struct TOkno : TOknoGlowne {
    // Layers and confirmed working conditions: everything a save needs to pass its checks.
    void KompletnyProjekt() {
        f.DodajWiersz();
        f.WpiszWiersz(0, "Cegła", "0,77", "10", "0,25");
        f.Button6Click();
        d.Wyczysc();
    }
    int Pytania() const {
        int n = 0;
        for (const TWywolanie& w : d.Komunikaty())
            if (w.Przyciski == TPrzyciski::TakNie)
                ++n;
        return n;
    }
    int DialogiZapisu() const {
        int n = 0;
        for (const TWywolanie& w : d.Wywolania)
            n += w.Rodzaj == TWywolanie::Zapis;
        return n;
    }
};

// Changes into a directory for the life of the object (the program reads its files by bare names).
struct TKatalogRoboczy {
    QString poprzedni = QDir::currentPath();
    explicit TKatalogRoboczy(const QString& k) { QDir::setCurrent(k); }
    ~TKatalogRoboczy() { QDir::setCurrent(poprzedni); }
};

const QString kPytanie = QStringLiteral("Czy zapisać zmianny w pliku ..?");

// What a form's paint handler leaves on a white canvas of the given size.
template <typename F> QImage Namalowane(QSize rozmiar, F maluj) {
    QImage plotno(rozmiar, QImage::Format_RGB32);
    plotno.fill(Qt::white);
    QPainter p(&plotno);
    maluj(p);
    return plotno;
}

// A picture file of one colour in the working directory.
bool ZapiszObraz(const QString& plik, QSize rozmiar, const QColor& kolor) {
    QImage obraz(rozmiar, QImage::Format_RGB32);
    obraz.fill(kolor);
    return obraz.save(plik);
}
} // namespace

class TestFormPrzegroda : public QObject {
    Q_OBJECT
private slots:
    void ramaStalaICalaWidoczna() {
        TOkno o;
        TFormPrzegroda& f = o.f;
        // The client area under the menu is 692 x 454 and cannot be resized.
        QCOMPARE(f.size(), QSize(692, f.menuBar()->height() + 454));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
        // Every caption of the five first sheets, blanks and all, is whole inside the window; the
        // sixth is reached with the tab bar's arrows.
        QTabBar* zakladki = f.PageControlPrzegroda->tabBar();
        QCOMPARE(zakladki->count(), 6);
        for (int i = 0; i < 5; ++i) {
            const QRect r = zakladki->tabRect(i);
            QVERIFY(r.width() >= zakladki->fontMetrics().horizontalAdvance(zakladki->tabText(i)));
            QVERIFY(zakladki->mapTo(&f, r.topRight()).x() < f.width());
        }
        // The narrow number heading of the grid wraps without cutting its longer word.
        QLabel* numer = nullptr;
        for (QLabel* l : f.TabSheetPrzegroda->findChildren<QLabel*>())
            if (l->text() == QLatin1String("    Nr warstwy"))
                numer = l;
        QVERIFY(numer);
        QVERIFY(numer->fontMetrics().horizontalAdvance(QStringLiteral("warstwy")) <=
                numer->contentsRect().width());
    }

    void klawiszeArkuszy_data() {
        QTest::addColumn<int>("klawisz");
        QTest::addColumn<int>("arkusz");
        // clang-format off
        QTest::newRow("F2 przegroda") << int(Qt::Key_F2) << 1;
        QTest::newRow("F7 obliczenia") << int(Qt::Key_F7) << 2;
        QTest::newRow("F8 wykres ciśnień") << int(Qt::Key_F8) << 3;
        QTest::newRow("F9 wykres temperatur") << int(Qt::Key_F9) << 4;
        QTest::newRow("F3 warunki pracy") << int(Qt::Key_F3) << 0;
        // clang-format on
    }
    void klawiszeArkuszy() {
        QFETCH(int, klawisz);
        QFETCH(int, arkusz);
        TOkno o;
        o.f.PokazArkusz(arkusz == 0 ? 4 : 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(klawisz));
        QCOMPARE(o.f.PageControlPrzegroda->currentIndex(), arkusz);
        QVERIFY(o.d.Wywolania.isEmpty());
    }

    void tabulatorPrzechodziNaObliczPoArkuszu_data() {
        QTest::addColumn<int>("arkusz");
        // clang-format off
        QTest::newRow("warunki pracy: po Wprowadź") << 0;
        QTest::newRow("przegroda: po Kalkulator") << 1;
        // clang-format on
    }
    void tabulatorPrzechodziNaObliczPoArkuszu() {
        QFETCH(int, arkusz);
        TOkno o;
        o.f.PokazArkusz(arkusz);
        QWidget* ostatni = arkusz == 0 ? static_cast<QWidget*>(o.f.Button6) : o.f.Button5;
        ostatni->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(ostatni, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(o.f.BitBtnOblicz));
    }

    void formyPokazywaneModalnie() {
        TOkno o;
        TFormMostkiTerm mostki(o.f.Model, o.d, &o.f);
        TFormDane dane(o.f.Model, o.d);
        TAboutBox about;
        o.f.UstawFormy(nullptr, &mostki, &dane, nullptr, &about);
        o.f.Mostkicieplne1->trigger();
        o.f.Button3->click();
        o.f.Projektdane1->trigger();
        o.f.Oprogramie2->trigger();
        QList<QDialog*> pokazane;
        for (const TWywolanie& w : o.d.Wywolania) {
            QCOMPARE(w.Rodzaj, TWywolanie::Modalnie);
            pokazane << w.Okno;
        }
        QCOMPARE(pokazane, (QList<QDialog*>{&mostki, &mostki, &dane, &about}));
    }

    void zamykanie_data() {
        QTest::addColumn<bool>("wyjscie"); // "&Wyjście" (else the window's close box)
        QTest::addColumn<QList<int>>("odpowiedzi");
        QTest::addColumn<bool>("kompletny");
        QTest::addColumn<int>("zapisy");
        QTest::addColumn<QStringList>("komunikaty");
        const int tak = int(TOdpowiedz::Tak), nie = int(TOdpowiedz::Nie);
        const QString brakWarstw = QStringLiteral("Nie wprowadzono warstw !!");
        const QString przypomnienie =
            QStringLiteral("W obliczeniach nie uwzględniono wpływu mostków cieplnych !");
        QTest::newRow("zamknięcie, Nie: nic więcej")
            << false << QList<int>{nie} << true << 0 << QStringList{kPytanie};
        QTest::newRow("zamknięcie, Tak bez warstw: sprawdzenie zatrzymuje zapis")
            << false << QList<int>{tak} << false << 0 << QStringList{kPytanie, brakWarstw};
        QTest::newRow("zamknięcie, Tak: sprawdzenia, przypomnienie, zapis")
            << false << QList<int>{tak} << true << 1 << QStringList{kPytanie, przypomnienie};
        QTest::newRow("Wyjście, Tak, Tak: zapis dwa razy")
            << true << QList<int>{tak, tak} << true << 2 << QStringList{kPytanie, kPytanie, przypomnienie};
        QTest::newRow("Wyjście, Tak bez warstw: pierwszy zapis bez sprawdzeń, drugi zatrzymany")
            << true << QList<int>{tak, tak} << false << 1 << QStringList{kPytanie, kPytanie, brakWarstw};
        QTest::newRow("Wyjście, Nie, Nie")
            << true << QList<int>{nie, nie} << true << 0 << QStringList{kPytanie, kPytanie};
        QTest::newRow("Wyjście, Nie, Tak")
            << true << QList<int>{nie, tak} << true << 1 << QStringList{kPytanie, kPytanie, przypomnienie};
    }
    void zamykanie() {
        QFETCH(bool, wyjscie);
        QFETCH(QList<int>, odpowiedzi);
        QFETCH(bool, kompletny);
        QFETCH(int, zapisy);
        QFETCH(QStringList, komunikaty);
        TOkno o;
        if (kompletny)
            o.KompletnyProjekt();
        for (int odp : odpowiedzi)
            o.d.Odpowiedzi << TOdpowiedz(odp);
        if (wyjscie)
            o.f.Wyjcie1->trigger();
        else
            QVERIFY(o.f.close());
        QVERIFY(!o.f.isVisible());
        QCOMPARE(o.d.TekstyKomunikatow(), komunikaty);
        QCOMPARE(o.DialogiZapisu(), zapisy);
        QCOMPARE(o.d.Komunikaty()[0].Tytul, QStringLiteral("Murolab"));
        QCOMPARE(o.d.Komunikaty()[0].Ikona, TIkona::Pytanie);
        // Closing again asks nothing more.
        o.f.show();
        o.f.close();
        QCOMPARE(o.Pytania(), odpowiedzi.size());
        QCOMPARE(o.d.BezOdpowiedzi, 0);
    }

    void zapiszSprawdzaPrzedZapisem() {
        TOkno o;
        o.f.Zapisz1->trigger();
        QCOMPARE(o.d.TekstyKomunikatow(), QStringList{"Nie wprowadzono warstw !!"});
        QCOMPARE(o.DialogiZapisu(), 0);
        o.KompletnyProjekt();
        o.f.Zapisz1->trigger();
        QCOMPARE(o.DialogiZapisu(), 1);
    }

    void kalkulatorNieznaleziony() {
        TDialogiTestowe d;
        TKalkulator k(d, nullptr);
        QStringList sprawdzone;
        k.PlikIstnieje = [&](const QString& s) {
            sprawdzone << s;
            return true; // a file named like a Windows path in the working directory must not be run
        };
        k.ZnajdzProgram = [](const QString&) { return QString(); };
        int uruchomienia = 0;
        k.UruchomProgram = [&](const QString&, qint64&) { return ++uruchomienia, true; };
        k.Uruchom();
        QCOMPARE(uruchomienia, 0);
        const QList<TWywolanie> w = d.Komunikaty();
        QCOMPARE(w.size(), 1);
        QCOMPARE(w[0].Tekst, QStringLiteral("Brak kalkulatora systemowego!"));
        QCOMPARE(w[0].Tytul, QStringLiteral("Murolab - kalkulator"));
        QCOMPARE(w[0].Ikona, TIkona::Wykrzyknik);
        QCOMPARE(w[0].Przyciski, TPrzyciski::Ok);
#ifndef Q_OS_WIN
        QVERIFY(sprawdzone.isEmpty());
#endif
    }

    void kalkulatorUruchamianyRaz() {
        TDialogiTestowe d;
        TKalkulator k(d, nullptr);
        QStringList szukane;
        k.ZnajdzProgram = [&](const QString& n) {
            szukane << n;
            return n == QLatin1String("kcalc") || n == QLatin1String("xcalc")
                       ? QStringLiteral("/usr/bin/") + n
                       : QString();
        };
        QStringList uruchomione;
        k.UruchomProgram = [&](const QString& p, qint64& pid) {
            uruchomione << p;
            pid = 4242;
            return true;
        };
        bool dziala = true;
        k.ProcesDziala = [&](qint64 pid, const QString& p) {
            return dziala && pid == 4242 && p == "/usr/bin/kcalc";
        };
        k.Uruchom();
        k.Uruchom(); // still running: nothing
        QCOMPARE(uruchomione, QStringList{"/usr/bin/kcalc"});
        QCOMPARE(szukane, TKalkulator::ProgramyLinuksa);
        dziala = false; // the user closed it
        k.Uruchom();
        QCOMPARE(uruchomione.size(), 2);
        QVERIFY(d.Wywolania.isEmpty());
    }

    void kalkulatorNastepnyGdyPierwszySieNieUruchomi() {
        TDialogiTestowe d;
        TKalkulator k(d, nullptr);
        k.ZnajdzProgram = [](const QString& n) { return QStringLiteral("/usr/bin/") + n; };
        QStringList proby;
        k.UruchomProgram = [&](const QString& p, qint64& pid) {
            proby << p;
            pid = 7;
            return proby.size() == 2;
        };
        k.Uruchom();
        QCOMPARE(proby, (QStringList{"/usr/bin/gnome-calculator", "/usr/bin/kcalc"}));
        QCOMPARE(k.Program, QStringLiteral("/usr/bin/kcalc"));
    }

    void procesUruchomionyWidzianyWProc() {
        QProcess p;
        p.start(QStringLiteral("sleep"), {QStringLiteral("30")});
        QVERIFY(p.waitForStarted());
        const qint64 pid = p.processId();
        QVERIFY(ProcesUruchomiony(pid, QStringLiteral("/bin/sleep")));
        QVERIFY(!ProcesUruchomiony(pid, QStringLiteral("/usr/bin/kcalc"))); // the number, not the program
        p.kill();
        QVERIFY(p.waitForFinished());
        QVERIFY(!ProcesUruchomiony(pid, QStringLiteral("/bin/sleep")));
        QVERIFY(!ProcesUruchomiony(0, QStringLiteral("sleep")));
    }

    void pomocF1() {
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("POMOC.HLP"));
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<html><body><a name=\"spis\"></a><h1>Spis</h1>"
                "<a name=\"kontekst7\"></a><p>Dodaj</p><a name=\"kontekst13\"></a><p>Wykres</p>"
                "<a name=\"kontekst18\"></a><p>Warunki</p></body></html>");
        f.close();
        TOkno o;
        TPomoc pomoc(o.d, plik);
        o.f.UstawPomoc(&pomoc);

        o.f.ComboBoxRsi->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(pomoc.BiezacaKotwica(), QStringLiteral("kontekst18"));
        QVERIFY(pomoc.isVisible());
        QVERIFY(pomoc.Przegladarka()->toPlainText().contains(QStringLiteral("Warunki")));

        QApplication::setActiveWindow(&o.f);
        o.f.PokazArkusz(1);
        o.f.Button1->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(o.f.Button1, Qt::Key_F1);
        QCOMPARE(pomoc.BiezacaKotwica(), QStringLiteral("kontekst7"));

        // On the tabs, the page in front answers.
        o.f.PokazArkusz(3);
        o.f.PageControlPrzegroda->tabBar()->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(o.f.PageControlPrzegroda->tabBar(), Qt::Key_F1);
        QCOMPARE(pomoc.BiezacaKotwica(), QStringLiteral("kontekst13"));

        // A control without a context opens nothing.
        pomoc.hide();
        o.f.BitBtnOblicz->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(o.f.BitBtnOblicz, Qt::Key_F1);
        QVERIFY(!pomoc.isVisible());

        o.f.Pomoc1->trigger();
        QCOMPARE(pomoc.BiezacaKotwica(), QStringLiteral("spis"));
        QCOMPARE(pomoc.windowModality(), Qt::NonModal);
        QVERIFY(o.d.Wywolania.isEmpty());

        // F1 in a modal dialog: the help window must not be blocked by it.
        QDialog modalny;
        auto* pole = new QLineEdit(&modalny);
        UstawKontekstPomocy(pole, 9);
        modalny.setWindowModality(Qt::ApplicationModal);
        QVERIFY(PokazAktywne(&modalny));
        pole->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(pole, Qt::Key_F1);
        QCOMPARE(pomoc.BiezacaKotwica(), QStringLiteral("kontekst9"));
        QCOMPARE(pomoc.windowModality(), Qt::ApplicationModal);
    }

    void brakPlikuPomocy() {
        TOkno o;
        TPomoc pomoc(o.d, QDir::current().absoluteFilePath(QStringLiteral("nie-ma-takiego/POMOC.HLP")));
        o.f.UstawPomoc(&pomoc);
        o.f.Pomoc1->trigger();
        QVERIFY(!pomoc.isVisible());
        const QList<TWywolanie> w = o.d.Komunikaty();
        QCOMPARE(w.size(), 1);
        QVERIFY(w[0].Tekst.contains(QStringLiteral("POMOC.HLP")));
        QCOMPARE(w[0].Ikona, TIkona::Wykrzyknik);
    }

    void oknoPomocyWPomocyProgramu() {
        // Our own help file has a table of contents and a topic for every context the program uses.
        QFile f(QStringLiteral(MUROLAB_ZRODLA "/data/POMOC.HLP"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString tekst = QString::fromUtf8(f.readAll());
        for (const char* kotwica :
             {"spis", "kontekst7", "kontekst9", "kontekst10", "kontekst13", "kontekst14", "kontekst18"})
            QVERIFY2(tekst.contains(QStringLiteral("<a name=\"%1\">").arg(QLatin1String(kotwica))), kotwica);
    }

    void oProgramie() {
        QTemporaryDir katalog;
        TAboutBox about;
        QVERIFY(NaSrodkuEkranu(about));
        QVERIFY(about.LabelAutorzy->text().contains(QStringLiteral("Murolab")));

        TKatalogRoboczy tu(katalog.path());
        // No "Auto.bmp": nothing drawn, nothing said.
        bool narysowany = true;
        QImage plotno = Namalowane(about.size(), [&](QPainter& p) { narysowany = about.FormPaint(p); });
        QVERIFY(!narysowany);
        QCOMPARE(plotno.pixel(30, 20), QColor(Qt::white).rgb());
        // The picture's corner at (20, 10).
        QVERIFY(ZapiszObraz(QStringLiteral("Auto.bmp"), QSize(40, 30), QColor(10, 200, 30)));
        plotno = Namalowane(about.size(), [&](QPainter& p) { narysowany = about.FormPaint(p); });
        QVERIFY(narysowany);
        QCOMPARE(QColor(plotno.pixel(20, 10)), QColor(10, 200, 30));
        QCOMPARE(plotno.pixel(19, 10), QColor(Qt::white).rgb());

        about.show();
        about.OKButton->click();
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void tekstOkna_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("pokazany");
        const QChar nbsp(0x00A0);
        QTest::newRow("wykrzykniki przy ostatnim słowie")
            << "Nie poprawna wartość temperatury po wewnętrznej stronie przegrody !!"
            << QString("Nie poprawna wartość temperatury po wewnętrznej stronie przegrody") + nbsp + "!!";
        QTest::newRow("pytajnik") << "Usunąc warstwę ?" << QString("Usunąc warstwę") + nbsp + "?";
        QTest::newRow("dwa odstępy zostają dwoma")
            << "Przesłanie  !" << QString("Przesłanie") + nbsp + nbsp + "!";
        QTest::newRow("kropki i pytajnik")
            << "Czy zapisać zmianny w pliku ..?" << QString("Czy zapisać zmianny w pliku") + nbsp + "..?";
        QTest::newRow("bez odstępu bez zmian") << "Brak kalkulatora systemowego!"
                                               << "Brak kalkulatora systemowego!";
        QTest::newRow("odstępy w środku zostają") << "Nie wprowadzono warstw."
                                                  << "Nie wprowadzono warstw.";
    }
    void tekstOkna() {
        // The message boxes wrap long texts; their closing marks must not stand alone on a line.
        QFETCH(QString, tekst);
        QFETCH(QString, pokazany);
        QCOMPARE(TekstOkna(tekst), pokazany);
    }

    void powitanie() {
        QTemporaryDir katalog;
        TKatalogRoboczy tu(katalog.path());
        TFormPowitanie p(2000);
        QList<int> pauzy;
        p.Uspij = [&](int ms) { pauzy << ms; };
        p.Pokaz();
        QVERIFY(p.isVisible());
        QVERIFY(NaSrodkuEkranu(p));
        QCOMPARE(pauzy, QList<int>{2000});
        // The progress bar repainting itself does not stop the start-up again.
        p.ProgressBar1->setValue(50);
        p.ProgressBar1->repaint();
        p.PauzaPoMalowaniu();
        QCOMPARE(pauzy, QList<int>{2000});
        // Another paint of the whole window pauses again.
        p.repaint();
        p.PauzaPoMalowaniu();
        QCOMPARE(pauzy, (QList<int>{2000, 2000}));

        bool narysowany = true;
        Namalowane(p.size(), [&](QPainter& m) { narysowany = p.FormPaint(m); });
        QVERIFY(!narysowany);
        QVERIFY(ZapiszObraz(QStringLiteral("Splash.bmp"), QSize(642, 493), QColor(200, 10, 10)));
        const QImage plotno = Namalowane(p.size(), [&](QPainter& m) { narysowany = p.FormPaint(m); });
        QVERIFY(narysowany);
        QCOMPARE(QColor(plotno.pixel(0, 0)), QColor(200, 10, 10));
    }
};

QTEST_MAIN(TestFormPrzegroda)
#include "tst_formprzegroda.moc"
