// The project description dialog: what "&Wprowadz" stores and how it cuts, the close box storing
// nothing, the date, the focus on opening, the tab order and the fixed size.
#include "files/RekordProjektu.h"
#include "ui/FormDane.h"
#include "widgets/DialogiTestowe.h"
#include "widgets/Kontrolka.h"

#include <QApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace murolab;

class TestFormDane : public QObject {
    Q_OBJECT
private slots:
    void poczatek() {
        TModelProjektu m;
        TDialogiTestowe d;
        const QDate przed = QDate::currentDate();
        TFormDane f(m, d);
        const QDate po = QDate::currentDate();
        QCOMPARE(f.size(), QSize(507, 376));
        QCOMPARE(f.minimumSize(), f.maximumSize());
        QCOMPARE(f.windowTitle(),
                 QStringLiteral("Murolab -program do wstępnej analizy cieplno wilgotnościowej"));
        QCOMPARE(Kontrolka<QGroupBox>(f, "GroupBox1")->title(), QStringLiteral("Dane projektu:"));
        // Dated today (the two readings bracket the construction, so midnight cannot fail it).
        QVERIFY(Kontrolka<QDateEdit>(f, "DateTimePicker1")->date() == przed ||
                Kontrolka<QDateEdit>(f, "DateTimePicker1")->date() == po);
        QVERIFY(Kontrolka<QDateEdit>(f, "DateTimePicker1")->calendarPopup());
        QCOMPARE(Kontrolka<QDateEdit>(f, "DateTimePicker1")->text(),
                 Kontrolka<QDateEdit>(f, "DateTimePicker1")->date().toString(QStringLiteral("dd.MM.yyyy")));
        for (QLineEdit* e : {Kontrolka<QLineEdit>(f, "EditInwestor"), Kontrolka<QLineEdit>(f, "EditObiekt"),
                             Kontrolka<QLineEdit>(f, "EditAdres"), Kontrolka<QLineEdit>(f, "EditRodzajPrze"),
                             Kontrolka<QLineEdit>(f, "EditProjektant")})
            QVERIFY(e->text().isEmpty());
        QCOMPARE(Kontrolka<QPushButton>(f, "Button1")->text(), QStringLiteral("&Wprowadz"));
    }

    void wprowadzZapisuje() {
        TModelProjektu m;
        TDialogiTestowe d;
        TFormDane f(m, d);
        d.Modalnie = [&](QDialog*) {
            Kontrolka<QLineEdit>(f, "EditInwestor")->setText(QStringLiteral("Gmina Żółkiewka"));
            Kontrolka<QLineEdit>(f, "EditObiekt")->setText(QStringLiteral("Szkoła podstawowa nr 3"));
            Kontrolka<QLineEdit>(f, "EditAdres")
                ->setText(QStringLiteral("ul. Ogrodowa 12, 22-335 Żółkiewka"));
            Kontrolka<QLineEdit>(f, "EditRodzajPrze")->setText(QStringLiteral("Ściana szczytowa"));
            Kontrolka<QLineEdit>(f, "EditProjektant")->setText(QStringLiteral("mgr inż. Anna Kowalczyk"));
            Kontrolka<QDateEdit>(f, "DateTimePicker1")->setDate(QDate(2003, 1, 5));
            QTest::mouseClick(Kontrolka<QPushButton>(f, "Button1"), Qt::LeftButton);
        };
        QCOMPARE(d.PokazModalnie(&f), int(QDialog::Accepted));
        const TDaneProjektu& dp = m.DaneProjektu;
        QCOMPARE(dp.Inwestor.Utf8(), std::string("Gmina Żółkiewka"));
        QCOMPARE(dp.Obiekt.Utf8(), std::string("Szkoła podstawowa nr 3"));
        QCOMPARE(dp.Adres.Utf8(), std::string("ul. Ogrodowa 12, 22-335 Żółkiewka"));
        QCOMPARE(dp.Projektant.Utf8(), std::string("mgr inż. Anna Kowalczyk"));
        QCOMPARE(dp.Data.Utf8(), std::string("05.01.2003"));
        QVERIFY(!f.isVisible());
    }

    // Each field holds at most its width, and the store keeps exactly that many characters
    // (Polish letters count as one, as in the project's code page).
    void tekstyPrzycinane_data() {
        QTest::addColumn<int>("pole");
        QTest::addColumn<int>("szerokosc");
        QTest::newRow("Inwestor 40") << 0 << 40;
        QTest::newRow("Obiekt 40") << 1 << 40;
        QTest::newRow("Adres 60") << 2 << 60;
        QTest::newRow("Projektant 40") << 3 << 40;
    }
    void tekstyPrzycinane() {
        QFETCH(int, pole);
        QFETCH(int, szerokosc);
        TModelProjektu m;
        TDialogiTestowe d;
        TFormDane f(m, d);
        QLineEdit* pola[] = {Kontrolka<QLineEdit>(f, "EditInwestor"), Kontrolka<QLineEdit>(f, "EditObiekt"),
                             Kontrolka<QLineEdit>(f, "EditAdres"), Kontrolka<QLineEdit>(f, "EditProjektant")};
        const QString dlugi = QString(u'ż').repeated(70);
        pola[pole]->setText(dlugi);
        QCOMPARE(pola[pole]->text().size(), szerokosc);
        f.Button1Click();
        const std::string wyniki[] = {m.DaneProjektu.Inwestor.Utf8(), m.DaneProjektu.Obiekt.Utf8(),
                                      m.DaneProjektu.Adres.Utf8(), m.DaneProjektu.Projektant.Utf8()};
        QCOMPARE(QString::fromStdString(wyniki[pole]), QString(u'ż').repeated(szerokosc));
        QCOMPARE(QString::fromStdString(m.DaneProjektu.Data.Utf8()),
                 Kontrolka<QDateEdit>(f, "DateTimePicker1")->date().toString(QStringLiteral("dd.MM.yyyy")));
    }

    // The close box stores nothing; the next showing starts again from the stored description.
    void zamkniecieNicNieZapisuje() {
        TModelProjektu m;
        m.DaneProjektu.Obiekt.UstawUtf8("Hala");
        TDialogiTestowe d;
        TFormDane f(m, d);
        d.Modalnie = [&](QDialog*) {
            Kontrolka<QLineEdit>(f, "EditObiekt")->setText(QStringLiteral("Magazyn"));
            Kontrolka<QLineEdit>(f, "EditInwestor")->setText(QStringLiteral("Spółka"));
            f.close();
        };
        QCOMPARE(d.PokazModalnie(&f), int(QDialog::Rejected));
        QCOMPARE(m.DaneProjektu.Obiekt.Utf8(), std::string("Hala"));
        QVERIFY(m.DaneProjektu.Inwestor.Pusty());
        QVERIFY(m.DaneProjektu.Data.Pusty());
        QCOMPARE(Kontrolka<QLineEdit>(f, "EditObiekt")->text(), QStringLiteral("Magazyn"));
        d.Modalnie = [&](QDialog*) { f.close(); };
        d.PokazModalnie(&f);
        QCOMPARE(Kontrolka<QLineEdit>(f, "EditObiekt")->text(), QStringLiteral("Hala"));
        QVERIFY(Kontrolka<QLineEdit>(f, "EditInwestor")->text().isEmpty());
    }

    // An opened project brings its description into the model; the dialog shows it, the date
    // included, and keeps the picker's date when the model holds none.
    void znakiSterujaceStajaSieSpacjami() {
        // A pasted tab or escape would give a description that no project file may hold: it is
        // stored as a space, and the project saves and opens again.
        TModelProjektu m;
        TDialogiTestowe d;
        TFormDane f(m, d);
        Kontrolka<QLineEdit>(f, "EditInwestor")->setText(QStringLiteral("Gmina\tŻółkiewka"));
        Kontrolka<QLineEdit>(f, "EditAdres")->setText(QStringLiteral("ul. Długa\x1b 1"));
        f.Button1Click();
        QCOMPARE(m.DaneProjektu.Inwestor.Utf8(), std::string("Gmina Żółkiewka"));
        QCOMPARE(m.DaneProjektu.Adres.Utf8(), std::string("ul. Długa  1"));
        const auto wynik = DekodujRekord(KodujProjekt(m));
        QVERIFY2(!Niepowodzenie(wynik), Niepowodzenie(wynik) ? Niepowodzenie(wynik)->c_str() : "");
    }

    // "&Wprowadz" with every text empty stores only the picker's date, which no file keeps alone:
    // no change. A text typed, or a date changed beside a stored text, is one.
    void samaDataBezTekstowNieJestZmiana() {
        TModelProjektu m;
        TDialogiTestowe d;
        TFormDane f(m, d);
        f.Button1Click();
        QVERIFY(!m.DaneProjektu.Data.Pusty());
        QVERIFY(!m.Zmieniony);
        Kontrolka<QLineEdit>(f, "EditObiekt")->setText(QStringLiteral("Hala"));
        f.Button1Click();
        QVERIFY(m.Zmieniony);
        m.Zmieniony = false;
        Kontrolka<QDateEdit>(f, "DateTimePicker1")->setDate(QDate(2003, 1, 5));
        f.Button1Click();
        QVERIFY(m.Zmieniony);
    }

    void pokazujeOpisModelu() {
        TModelProjektu m;
        TDialogiTestowe d;
        TFormDane f(m, d);
        const QDate przed = Kontrolka<QDateEdit>(f, "DateTimePicker1")->date();
        d.Modalnie = [&](QDialog*) { f.close(); };
        d.PokazModalnie(&f);
        QCOMPARE(Kontrolka<QDateEdit>(f, "DateTimePicker1")->date(), przed);

        m.DaneProjektu.Obiekt.UstawUtf8("Szkoła");
        m.DaneProjektu.Adres.UstawUtf8("ul. Długa 1");
        m.DaneProjektu.Inwestor.UstawUtf8("Gmina");
        m.DaneProjektu.Projektant.UstawUtf8("Jan Żuk");
        m.DaneProjektu.Data.UstawUtf8("29.02.2024");
        d.PokazModalnie(&f);
        QCOMPARE(Kontrolka<QLineEdit>(f, "EditObiekt")->text(), QStringLiteral("Szkoła"));
        QCOMPARE(Kontrolka<QLineEdit>(f, "EditAdres")->text(), QStringLiteral("ul. Długa 1"));
        QCOMPARE(Kontrolka<QLineEdit>(f, "EditInwestor")->text(), QStringLiteral("Gmina"));
        QCOMPARE(Kontrolka<QLineEdit>(f, "EditProjektant")->text(), QStringLiteral("Jan Żuk"));
        QCOMPARE(Kontrolka<QDateEdit>(f, "DateTimePicker1")->date(), QDate(2024, 2, 29));
    }

    void fokusIKolejnosc() {
        TModelProjektu m;
        TDialogiTestowe d;
        TFormDane f(m, d);
        QWidget* fokus = nullptr;
        QList<QWidget*> kolejnosc;
        d.Modalnie = [&](QDialog*) {
            fokus = f.focusWidget();
            // Walk the tab chain from the first field, keeping the dialog's own controls.
            const QList<QWidget*> nasze = {
                Kontrolka<QLineEdit>(f, "EditInwestor"),   Kontrolka<QLineEdit>(f, "EditObiekt"),
                Kontrolka<QLineEdit>(f, "EditAdres"),      Kontrolka<QLineEdit>(f, "EditRodzajPrze"),
                Kontrolka<QLineEdit>(f, "EditProjektant"), Kontrolka<QDateEdit>(f, "DateTimePicker1"),
                Kontrolka<QPushButton>(f, "Button1")};
            QWidget* w = Kontrolka<QLineEdit>(f, "EditInwestor");
            for (int i = 0; i < 40 && kolejnosc.size() < nasze.size(); ++i) {
                QWidget* wlasciciel = w;
                while (wlasciciel && !nasze.contains(wlasciciel))
                    wlasciciel = wlasciciel->parentWidget();
                if (wlasciciel && (w->focusPolicy() & Qt::TabFocus) && !kolejnosc.contains(wlasciciel))
                    kolejnosc << wlasciciel;
                w = w->nextInFocusChain();
            }
            f.close();
        };
        // Opened twice: each showing starts in the first field.
        d.PokazModalnie(&f);
        Kontrolka<QLineEdit>(f, "EditAdres")->setFocus();
        d.PokazModalnie(&f);
        QCOMPARE(fokus, static_cast<QWidget*>(Kontrolka<QLineEdit>(f, "EditInwestor")));
        const QList<QWidget*> oczekiwana = {
            Kontrolka<QLineEdit>(f, "EditInwestor"),   Kontrolka<QLineEdit>(f, "EditObiekt"),
            Kontrolka<QLineEdit>(f, "EditAdres"),      Kontrolka<QLineEdit>(f, "EditRodzajPrze"),
            Kontrolka<QLineEdit>(f, "EditProjektant"), Kontrolka<QDateEdit>(f, "DateTimePicker1"),
            Kontrolka<QPushButton>(f, "Button1")};
        QCOMPARE(kolejnosc, oczekiwana);
    }

    // In the middle of the screen, also at start-up when its parent, the main window, is not
    // shown yet and still stands in a corner.
    void naSrodkuEkranu() {
        TModelProjektu m;
        TDialogiTestowe d;
        QWidget rodzic;
        rodzic.setGeometry(0, 0, 200, 150);
        TFormDane f(m, d, &rodzic);
        QPoint srodek;
        d.Modalnie = [&](QDialog*) { srodek = f.frameGeometry().center(); };
        d.PokazModalnie(&f);
        const QPoint ekran = f.screen()->availableGeometry().center();
        QVERIFY2((srodek - ekran).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(srodek.x()).arg(srodek.y())));
    }
};

QTEST_MAIN(TestFormDane)
#include "tst_formdane.moc"
