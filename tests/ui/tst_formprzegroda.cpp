// The main window's frame: caption, size, sheets, menu and shortcut keys, the closing questions,
// the help window and F1, the about box and the splash window.

#include "NarzedziaTestow.h"
#include "output/Wykresy.h"
#include "ui/AboutBox.h"
#include "ui/FormDane.h"
#include "ui/FormMostkiTerm.h"
#include "ui/KontekstPomocy.h"
#include "ui/Pomoc.h"
#include "ui/Powitanie.h"
#include "ui/SiatkaWarstw.h"
#include "widgets/NumEdit.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <cstdlib>

using namespace murolab;
using namespace murolab::testy;

namespace {
struct TOkno : TOknoGlowne {
    // Layers and confirmed working conditions: everything a save needs to pass its checks.
    void KompletnyProjekt() {
        f.DodajWiersz();
        f.WpiszWiersz(0, "Cegła", "0,77", "10", "0,25");
        ArkuszWarunkow(f)->Button6Click();
        d.Wyczysc();
    }
    int DialogiZapisu() const {
        int n = 0;
        for (const TWywolanie& w : d.Wywolania)
            n += w.Rodzaj == TWywolanie::Zapis;
        return n;
    }
};

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
    void ramaICalaWidoczna() {
        TOkno o;
        TFormPrzegroda& f = o.f;
        // The client area under the menu opens 454 high and as wide as the six tabs need (at least
        // the designed 692); 692 x 454 stays the smallest it gets.
        QTabWidget* arkusze = Kontrolka<QTabWidget>(f, "PageControlPrzegroda");
        QTabBar* zakladki = arkusze->tabBar();
        QCOMPARE(f.height(), f.menuBar()->height() + 454);
        QVERIFY(f.width() >= 692);
        QCOMPARE(f.minimumSizeHint(), QSize(692, f.menuBar()->height() + 454));
        QVERIFY(f.windowFlags() & Qt::WindowMaximizeButtonHint);
        QCOMPARE(arkusze->geometry(), QRect(0, 0, f.width(), 398));
        QCOMPARE(Kontrolka<QPushButton>(f, "BitBtnOblicz")->geometry(), QRect(5, 401, f.width() - 11, 33));
        // All six tabs, "Kondensacja i WT 2021" included, are whole inside the window with room for
        // the frame, whichever tab is in front, and the tab bar shows no scroll arrows.
        QCOMPARE(zakladki->count(), 6);
        QCOMPARE(zakladki->tabText(5), QStringLiteral("Kondensacja i WT 2021"));
        for (int przod = 0; przod < 6; ++przod) {
            f.PokazArkusz(przod);
            QCoreApplication::processEvents();
            for (int i = 0; i < 6; ++i) {
                const QRect r = zakladki->tabRect(i);
                QVERIFY(r.width() >= zakladki->fontMetrics().horizontalAdvance(zakladki->tabText(i)) + 8);
                QVERIFY2(zakladki->mapTo(&f, r.topRight()).x() < f.width() - 2,
                         qPrintable(zakladki->tabText(i)));
                QVERIFY(zakladki->mapTo(&f, r.topLeft()).x() >= 0);
            }
            for (const QToolButton* strzalka : zakladki->findChildren<QToolButton*>())
                QVERIFY(!strzalka->isVisible());
        }
        // The narrow number heading of the grid wraps without cutting its longer word.
        QLabel* numer = nullptr;
        for (QLabel* l : Kontrolka<QWidget>(f, "TabSheetPrzegroda")->findChildren<QLabel*>())
            if (l->text() == QLatin1String("    Nr warstwy"))
                numer = l;
        QVERIFY(numer);
        QVERIFY(numer->fontMetrics().horizontalAdvance(QStringLiteral("warstwy")) <=
                numer->contentsRect().width());
    }

    // A larger window: the sheets take the room, "&Oblicz" stays under them across the width,
    // the charts fill their sheets and the results' name column widens.
    void oknoRosnieZUkladem() {
        TOkno o;
        TFormPrzegroda& f = o.f;
        f.show();
        // The smallest window first: the designed sheets.
        f.resize(f.minimumSizeHint());
        f.PokazArkusz(2);
        QCoreApplication::processEvents();
        const int szerokoscNazw = Kontrolka<QTextEdit>(f, "RichEditMaterial")->width();
        f.PokazArkusz(1);
        QCoreApplication::processEvents();
        const int kolumnaNazw = Kontrolka<QTableWidget>(f, "StringGridPrzegroda")->columnWidth(1);
        f.PokazArkusz(0);
        QCoreApplication::processEvents();
        const int szerokoscTypu = Kontrolka<QComboBox>(f, "ComboBoxTypPrzegrody")->width();
        QVERIFY(std::abs(kolumnaNazw - 325) <= 8);
        QVERIFY(std::abs(szerokoscTypu - 333) <= 8);
        f.PokazArkusz(2);
        f.resize(1000, 700);
        QCoreApplication::processEvents();
        const int wysokoscMenu = f.menuBar()->height();
        QCOMPARE(Kontrolka<QTabWidget>(f, "PageControlPrzegroda")->width(), 1000);
        QCOMPARE(Kontrolka<QPushButton>(f, "BitBtnOblicz")->geometry().width(), 1000 - 11);
        QCOMPARE(Kontrolka<QPushButton>(f, "BitBtnOblicz")->geometry().bottom() + 1 + 1 +
                     Kontrolka<QStatusBar>(f, "StatusBar1")->height() + wysokoscMenu,
                 700);
        QVERIFY(Kontrolka<QTabWidget>(f, "PageControlPrzegroda")->height() > 398 + 200);
        f.PokazArkusz(3);
        QCoreApplication::processEvents();
        QVERIFY(Kontrolka<TWykresCisnien>(f, "ChartCisnienie")->width() > 990);
        QVERIFY(Kontrolka<TWykresCisnien>(f, "ChartCisnienie")->height() > 500);
        QVERIFY(Kontrolka<QTextEdit>(f, "RichEditMaterial")->width() > szerokoscNazw);
        // The name column grows, and the columns after it keep their widths side by side.
        QCOMPARE(Kontrolka<QTextEdit>(f, "RichEditLambda")->x(),
                 Kontrolka<QTextEdit>(f, "RichEditMaterial")->geometry().right() + 1);
        QCOMPARE(Kontrolka<QTextEdit>(f, "RichEditLambda")->width(), 45);
        // The table reaches across the wider sheet, not only some way into it.
        f.PokazArkusz(2);
        QCoreApplication::processEvents();
        QVERIFY(Kontrolka<QTextEdit>(f, "RichEditCisCzast")->geometry().right() > 1000 - 40);
        // The layer grid widens its name column and stays whole in its sheet; sheet 0's lists and
        // frames take the room too.
        f.PokazArkusz(1);
        QCoreApplication::processEvents();
        auto* siatka = Kontrolka<QTableWidget>(f, "StringGridPrzegroda");
        QVERIFY(siatka->width() > 900);
        QVERIFY(siatka->geometry().right() < siatka->parentWidget()->width());
        QVERIFY(siatka->columnWidth(1) > kolumnaNazw + 250);
        QCOMPARE(siatka->columnWidth(2), 60);
        QVERIFY(Kontrolka<QPushButton>(f, "Button5")->geometry().right() > 900);
        f.PokazArkusz(0);
        QCoreApplication::processEvents();
        QVERIFY(Kontrolka<QComboBox>(f, "ComboBoxTypPrzegrody")->width() > szerokoscTypu + 100);
        QVERIFY(Kontrolka<QComboBox>(f, "ComboBoxStrefaKl")->width() > 265 + 100);
        QVERIFY(Kontrolka<QPushButton>(f, "Button6")->y() > 154 + 50);
        // Back to the smallest size, back to the designed table.
        f.resize(692, wysokoscMenu + 454);
        f.PokazArkusz(2);
        QCoreApplication::processEvents();
        QCOMPARE(Kontrolka<QTextEdit>(f, "RichEditMaterial")->width(), szerokoscNazw);
        f.PokazArkusz(1);
        QCoreApplication::processEvents();
        QCOMPARE(Kontrolka<QTableWidget>(f, "StringGridPrzegroda")->columnWidth(1), kolumnaNazw);
        f.PokazArkusz(0);
        QCoreApplication::processEvents();
        QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxTypPrzegrody")->width(), szerokoscTypu);
    }

    // Every Alt letter of the main window does one thing: "&Oblicz" has Alt+O to itself.
    void literyAltRozne() {
        TOkno o;
        QMap<QChar, QStringList> litery;
        auto dodaj = [&](const QString& tekst) {
            const QKeySequence skrot = QKeySequence::mnemonic(tekst);
            if (!skrot.isEmpty())
                litery[QChar(skrot[0].key())] << tekst;
        };
        for (QAction* a : o.f.menuBar()->actions())
            dodaj(a->text());
        // The dialogs the window owns are windows of their own, with letters of their own.
        for (const QAbstractButton* b : o.f.findChildren<QAbstractButton*>())
            if (!WDialoguPod(b, &o.f))
                dodaj(b->text());
        for (auto i = litery.cbegin(); i != litery.cend(); ++i)
            QVERIFY2(i.value().size() == 1, qPrintable(i.value().join(QStringLiteral(", "))));
        QCOMPARE(litery.value(QChar(u'O')), QStringList{QStringLiteral("&Oblicz")});
        QCOMPARE(litery.value(QChar(u'C')), QStringList{QStringLiteral("Pomo&c")});
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
        QCOMPARE(Kontrolka<QTabWidget>(o.f, "PageControlPrzegroda")->currentIndex(), arkusz);
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
        QWidget* ostatni = arkusz == 0 ? static_cast<QWidget*>(Kontrolka<QPushButton>(o.f, "Button6"))
                                       : Kontrolka<QPushButton>(o.f, "Button5");
        ostatni->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(ostatni, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(),
                 static_cast<QWidget*>(Kontrolka<QPushButton>(o.f, "BitBtnOblicz")));
    }

    void formyPokazywaneModalnie() {
        TOkno o;
        TFormMostkiTerm mostki(o.f.Model, o.d, &o.f);
        TFormDane dane(o.f.Model, o.d);
        TAboutBox about(o.d, MUROLAB_DANE_ZRODLOWE);
        o.f.UstawFormy(nullptr, &mostki, &dane, nullptr, &about);
        Kontrolka<QAction>(o.f, "Mostkicieplne1")->trigger();
        Kontrolka<QPushButton>(o.f, "Button3")->click();
        Kontrolka<QAction>(o.f, "Projektdane1")->trigger();
        Kontrolka<QAction>(o.f, "Oprogramie2")->trigger();
        QList<QDialog*> pokazane;
        for (const TWywolanie& w : o.d.Wywolania) {
            QCOMPARE(w.Rodzaj, TWywolanie::Modalnie);
            pokazane << w.Okno;
        }
        QCOMPARE(pokazane, (QList<QDialog*>{&mostki, &mostki, &dane, &about}));
    }

    void zapiszSprawdzaPrzedZapisem() {
        TOkno o;
        Kontrolka<QAction>(o.f, "Zapisz1")->trigger();
        QCOMPARE(o.d.TekstyKomunikatow(), QStringList{"Nie wprowadzono warstw !!"});
        QCOMPARE(o.DialogiZapisu(), 0);
        o.KompletnyProjekt();
        Kontrolka<QAction>(o.f, "Zapisz1")->trigger();
        QCOMPARE(o.DialogiZapisu(), 1);
    }

    void pomocF1() {
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("POMOC.HLP"));
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<html><body><a name=\"spis\"></a><h1>Spis</h1>"
                "<a name=\"kontekst7\"></a><p>Dodaj</p><a name=\"kontekst13\"></a><p>Wykres</p>"
                "<a name=\"kontekst18\"></a><p>Warunki</p><a name=\"kontekst8\"></a><p>Wyniki</p>"
                "</body></html>");
        f.close();
        TOkno o;
        TPomoc pomoc(o.d, plik);
        o.f.UstawPomoc(&pomoc);

        Kontrolka<QComboBox>(o.f, "ComboBoxRsi")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(pomoc.BiezacaKotwica(), QStringLiteral("kontekst18"));
        QVERIFY(pomoc.isVisible());
        QVERIFY(pomoc.Przegladarka()->toPlainText().contains(QStringLiteral("Warunki")));

        QApplication::setActiveWindow(&o.f);
        o.f.PokazArkusz(1);
        Kontrolka<QPushButton>(o.f, "Button1")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(Kontrolka<QPushButton>(o.f, "Button1"), Qt::Key_F1);
        QCOMPARE(pomoc.BiezacaKotwica(), QStringLiteral("kontekst7"));

        // In the layer grid, on a cell and in its editor, F1 opens the layer topic too.
        pomoc.hide();
        o.KompletnyProjekt();
        QVERIFY(PokazAktywne(&o.f));
        o.f.PokazArkusz(1);
        auto* siatka = Kontrolka<TSiatkaWarstw>(o.f, "StringGridPrzegroda");
        siatka->setCurrentCell(0, 2);
        siatka->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        QVERIFY(QApplication::focusWidget() == siatka || siatka->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(pomoc.BiezacaKotwica(), QStringLiteral("kontekst7"));

        // The results sheet opens the results topic.
        pomoc.hide();
        QVERIFY(PokazAktywne(&o.f));
        o.f.PokazArkusz(2);
        Kontrolka<QTextEdit>(o.f, "RichEditMaterial")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(Kontrolka<QTextEdit>(o.f, "RichEditMaterial"), Qt::Key_F1);
        QCOMPARE(pomoc.BiezacaKotwica(), QStringLiteral("kontekst8"));
        QApplication::setActiveWindow(&o.f);

        // On the tabs, the page in front answers.
        o.f.PokazArkusz(3);
        Kontrolka<QTabWidget>(o.f, "PageControlPrzegroda")->tabBar()->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(Kontrolka<QTabWidget>(o.f, "PageControlPrzegroda")->tabBar(), Qt::Key_F1);
        QCOMPARE(pomoc.BiezacaKotwica(), QStringLiteral("kontekst13"));

        // A control without a context opens nothing.
        pomoc.hide();
        Kontrolka<QPushButton>(o.f, "BitBtnOblicz")->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(Kontrolka<QPushButton>(o.f, "BitBtnOblicz"), Qt::Key_F1);
        QVERIFY(!pomoc.isVisible());

        Kontrolka<QAction>(o.f, "Pomoc1")->trigger();
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

    // F1 on a chart sheet opens its topic however the sheet came to the front: a click on its
    // tab (the tabs take no focus on a click), the menu's F8 or F9, or a click into the chart.
    void pomocF1NaWykresach_data() {
        QTest::addColumn<int>("arkusz");
        QTest::addColumn<QString>("droga");
        QTest::addColumn<QString>("kotwica");
        QTest::newRow("zakładka ciśnień po obliczeniu") << 3 << "zakladka"
                                                        << "kontekst13";
        QTest::newRow("zakładka temperatur po obliczeniu") << 4 << "zakladka"
                                                           << "kontekst14";
        QTest::newRow("F8 z siatki warstw") << 3 << "menu"
                                            << "kontekst13";
        QTest::newRow("F9 z siatki warstw") << 4 << "menu"
                                            << "kontekst14";
        QTest::newRow("kliknięcie w wykres temperatur") << 4 << "klik"
                                                        << "kontekst14";
    }
    void pomocF1NaWykresach() {
        QFETCH(int, arkusz);
        QFETCH(QString, droga);
        QFETCH(QString, kotwica);
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("POMOC.HLP"));
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<html><body><a name=\"spis\"></a><a name=\"kontekst13\"></a><p>Ciśnienia</p>"
                "<a name=\"kontekst14\"></a><p>Temperatury</p></body></html>");
        f.close();
        TOkno o;
        TPomoc pomoc(o.d, plik);
        o.f.UstawPomoc(&pomoc);
        QVERIFY(PokazAktywne(&o.f));
        if (droga == QLatin1String("zakladka")) {
            Kontrolka<QPushButton>(o.f, "BitBtnOblicz")
                ->setFocus(Qt::OtherFocusReason); // where "&Oblicz" leaves it
            Kontrolka<QTabWidget>(o.f, "PageControlPrzegroda")->setCurrentIndex(arkusz);
        } else if (droga == QLatin1String("menu")) {
            o.f.PokazArkusz(1);
            Kontrolka<QPushButton>(o.f, "Button1")->setFocus(Qt::OtherFocusReason);
            (arkusz == 3 ? Kontrolka<QAction>(o.f, "Wykresci1")
                         : Kontrolka<QAction>(o.f, "Wykrestemperatur1"))
                ->trigger();
        } else {
            Kontrolka<QPushButton>(o.f, "BitBtnOblicz")->setFocus(Qt::OtherFocusReason);
            o.f.PokazArkusz(1);
            Kontrolka<QTabWidget>(o.f, "PageControlPrzegroda")->tabBar()->setFocus(Qt::OtherFocusReason);
            o.f.PokazArkusz(arkusz);
            QTest::mouseClick(Kontrolka<TWykresTemperatur>(o.f, "ChartTemperatura")->viewport(),
                              Qt::LeftButton, {}, QPoint(200, 150));
        }
        QCOMPARE(Kontrolka<QTabWidget>(o.f, "PageControlPrzegroda")->currentIndex(), arkusz);
        QWidget* fokus = QApplication::focusWidget();
        QVERIFY(fokus);
        QTest::keyClick(fokus, Qt::Key_F1);
        QCOMPARE(pomoc.BiezacaKotwica(), kotwica);
        QVERIFY(pomoc.isVisible());
        pomoc.close();
    }

    void brakPlikuPomocy() {
        TOkno o;
        TPomoc pomoc(o.d, QDir::current().absoluteFilePath(QStringLiteral("nie-ma-takiego/POMOC.HLP")));
        o.f.UstawPomoc(&pomoc);
        Kontrolka<QAction>(o.f, "Pomoc1")->trigger();
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
        for (const char* kotwica : {"spis", "kontekst7", "kontekst8", "kontekst9", "kontekst10", "kontekst13",
                                    "kontekst14", "kontekst18", "kontekst20"})
            QVERIFY2(tekst.contains(QStringLiteral("<a name=\"%1\">").arg(QLatin1String(kotwica))), kotwica);
        // A topic is the text from its anchor to the next rule.
        auto temat = [&tekst](const char* kotwica) {
            const qsizetype od = tekst.indexOf(QStringLiteral("<a name=\"%1\">").arg(QLatin1String(kotwica)));
            return tekst.mid(od, tekst.indexOf(QStringLiteral("<hr>"), od) - od);
        };
        // The insertion dialog's topic: density and specific heat drive the summer figures, and the
        // thickness limits are the grid's.
        QVERIFY(!temat("kontekst10").contains(QStringLiteral("nie wchodzą do")));
        QVERIFY(temat("kontekst10").contains(QStringLiteral("parametrów letnich")));
        QVERIFY(temat("kontekst10").contains(QStringLiteral("od 0,0001 do 10 m")));
        // The pressure chart's topic explains the condensation line and the plane marks.
        QVERIFY(temat("kontekst13").contains(QStringLiteral("Linia ciśnienia przy kondensacji")));
        QVERIFY(temat("kontekst13").contains(QStringLiteral("płaszczyzny kondensacji")));
    }

    void oProgramie() {
        QTemporaryDir katalog;
        TDialogiTestowe d;
        TAboutBox about(d, katalog.path().toStdString());
        QVERIFY(NaSrodkuEkranu(about));
        QVERIFY(Kontrolka<QLabel>(about, "LabelAutorzy")->text().contains(QStringLiteral("Murolab")));

        // No "Auto.bmp": nothing drawn, nothing said.
        bool narysowany = true;
        QImage plotno = Namalowane(about.size(), [&](QPainter& p) { narysowany = about.FormPaint(p); });
        QVERIFY(!narysowany);
        QCOMPARE(plotno.pixel(30, 20), QColor(Qt::white).rgb());
        // The picture's corner at (20, 10).
        QVERIFY(
            ZapiszObraz(katalog.filePath(QStringLiteral("Auto.bmp")), QSize(40, 30), QColor(10, 200, 30)));
        plotno = Namalowane(about.size(), [&](QPainter& p) { narysowany = about.FormPaint(p); });
        QVERIFY(narysowany);
        QCOMPARE(QColor(plotno.pixel(20, 10)), QColor(10, 200, 30));
        QCOMPARE(plotno.pixel(19, 10), QColor(Qt::white).rgb());

        about.show();
        Kontrolka<QPushButton>(about, "OKButton")->click();
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
        TFormPowitanie p(2000, katalog.path().toStdString());
        QList<int> pauzy;
        p.Uspij = [&](int ms) { pauzy << ms; };
        p.Pokaz();
        QVERIFY(p.isVisible());
        QVERIFY(NaSrodkuEkranu(p));
        QCOMPARE(pauzy, QList<int>{2000});
        // The progress bar repainting itself does not stop the start-up again.
        Kontrolka<QProgressBar>(p, "ProgressBar1")->setValue(50);
        Kontrolka<QProgressBar>(p, "ProgressBar1")->repaint();
        p.PauzaPoMalowaniu();
        QCOMPARE(pauzy, QList<int>{2000});
        // Another paint of the whole window pauses again.
        p.repaint();
        p.PauzaPoMalowaniu();
        QCOMPARE(pauzy, (QList<int>{2000, 2000}));

        bool narysowany = true;
        Namalowane(p.size(), [&](QPainter& m) { narysowany = p.FormPaint(m); });
        QVERIFY(!narysowany);
        QVERIFY(ZapiszObraz(katalog.filePath(QStringLiteral("Splash.bmp")), QSize(642, 493),
                            QColor(200, 10, 10)));
        const QImage plotno = Namalowane(p.size(), [&](QPainter& m) { narysowany = p.FormPaint(m); });
        QVERIFY(narysowany);
        QCOMPARE(QColor(plotno.pixel(0, 0)), QColor(200, 10, 10));
    }
};

QTEST_MAIN(TestFormPrzegroda)
#include "tst_formprzegroda.moc"
