// The numeric field: key rules per number kind, the beep, the repair on leaving, the length limit.

#include "widgets/DialogiTestowe.h"
#include "widgets/Klawiatura.h"
#include "widgets/NumEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

using namespace murolab;
using namespace murolab::testy;

class TestNumEdit : public QObject {
    Q_OBJECT
private slots:
    void poczatek() {
        TDialogiTestowe d;
        TNumEdit e(d);
        QCOMPARE(e.text(), QStringLiteral("0"));
        QCOMPARE(e.NumType(), ntInteger);
    }

    void klawisze_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("poczatkowy");
        QTest::addColumn<int>("kursor"); // -1: the whole text selected
        QTest::addColumn<int>("maks");   // MaxLength, 0 = none
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QString>("wynik");
        QTest::addColumn<int>("sygnaly");
        const int c = ntInteger, n = ntNatural, r = ntReal;
        // clang-format off
        QTest::newRow("calkowita: minus na poczatku") << c << "5" << 0 << 0 << "-" << "-5" << 0;
        QTest::newRow("calkowita: drugi minus") << c << "-5" << 0 << 0 << "-" << "-5" << 1;
        QTest::newRow("calkowita: minus w srodku") << c << "55" << 1 << 0 << "-" << "55" << 1;
        // Typed over a selection, the sign replaces it: over the whole "-5" it starts a new number.
        QTest::newRow("calkowita: minus nad zaznaczonym minusem") << c << "-5" << -1 << 0 << "-" << "-" << 0;
        QTest::newRow("calkowita: przecinek") << c << "" << 0 << 0 << "1,5" << "15" << 1;
        QTest::newRow("naturalna: minus") << n << "" << 0 << 0 << "-7" << "7" << 1;
        QTest::newRow("naturalna: litery") << n << "" << 0 << 0 << "a1b" << "1" << 2;
        QTest::newRow("rzeczywista: drugi przecinek") << r << "" << 0 << 0 << "1,2,3" << "1,23" << 1;
        QTest::newRow("rzeczywista: kropka") << r << "" << 0 << 0 << "1.5" << "15" << 1;
        QTest::newRow("rzeczywista: minus i przecinek") << r << "" << 0 << 0 << "-0,5" << "-0,5" << 0;
        QTest::newRow("rzeczywista: przecinek na poczatku") << r << "" << 0 << 0 << ",5" << ",5" << 0;
        QTest::newRow("najwyzej 3 znaki") << c << "" << 0 << 3 << "12345" << "123" << 0;
        // clang-format on
    }
    void klawisze() {
        QFETCH(int, typ);
        QFETCH(QString, poczatkowy);
        QFETCH(int, kursor);
        QFETCH(int, maks);
        QFETCH(QString, wpisane);
        QFETCH(QString, wynik);
        QFETCH(int, sygnaly);
        TDialogiTestowe d;
        TNumEdit e(d);
        e.SetNumType(TNumType(typ));
        e.SetMaxLength(maks);
        e.setText(poczatkowy);
        if (kursor < 0)
            e.selectAll();
        else
            e.setCursorPosition(kursor);
        Pisz(&e, wpisane);
        QCOMPARE(e.text(), wynik);
        QCOMPARE(d.Sygnaly, sygnaly);
        // Text written by the program is never cut.
        e.setText(QStringLiteral("-1234"));
        QCOMPARE(e.text(), QStringLiteral("-1234"));
    }

    void klawiszeSterujace() {
        TDialogiTestowe d;
        TNumEdit e(d);
        e.setText(QStringLiteral("12"));
        e.setCursorPosition(2);
        Klawisz(&e, Qt::Key_Backspace, QString());
        QCOMPARE(e.text(), QStringLiteral("1"));
        Klawisz(&e, Qt::Key_Return, QStringLiteral("\r"));
        QCOMPARE(d.Sygnaly, 0);
        // Escape and other control keys are refused with a beep.
        Klawisz(&e, Qt::Key_Escape, QStringLiteral("\x1b"));
        Klawisz(&e, Qt::Key_B, QStringLiteral("\x02"), Qt::ControlModifier);
        QCOMPARE(d.Sygnaly, 2);
        QCOMPARE(e.text(), QStringLiteral("1"));
        // Keys that type nothing move the caret as usual.
        Klawisz(&e, Qt::Key_Home, QString());
        QCOMPARE(e.cursorPosition(), 0);
        QCOMPARE(d.Sygnaly, 2);
    }

    // Ctrl+A selects all, so that what is typed next replaces the number (once it was appended:
    // "-6,5" typed after Ctrl+A over "-1,2" gave "-1,265").
    void zaznaczWszystkoIPisz_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("poczatkowy");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QString>("wynik");
        QTest::newRow("rzeczywista: nowa ujemna") << int(ntReal) << "-1,2"
                                                  << "-6,5"
                                                  << "-6,5";
        QTest::newRow("calkowita: nowa ujemna") << int(ntInteger) << "-20"
                                                << "-18"
                                                << "-18";
        QTest::newRow("naturalna") << int(ntNatural) << "55"
                                   << "75"
                                   << "75";
    }
    void zaznaczWszystkoIPisz() {
        QFETCH(int, typ);
        QFETCH(QString, poczatkowy);
        QFETCH(QString, wpisane);
        QFETCH(QString, wynik);
        TDialogiTestowe d;
        TNumEdit e(d);
        e.SetNumType(TNumType(typ));
        e.SetMaxLength(4);
        e.setText(poczatkowy);
        e.end(false);
        QTest::keyClick(&e, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(e.selectedText(), poczatkowy);
        Pisz(&e, wpisane);
        QCOMPARE(e.text(), wynik);
        QCOMPARE(d.Sygnaly, 0);
    }

    void kopiujIWytnij() {
        TDialogiTestowe d;
        TNumEdit e(d);
        e.SetNumType(ntReal);
        e.setText(QStringLiteral("12,75"));
        e.setSelection(3, 2);
        QApplication::clipboard()->clear();
        QTest::keyClick(&e, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("75"));
        QCOMPARE(e.text(), QStringLiteral("12,75"));
        e.setSelection(0, 2);
        QTest::keyClick(&e, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12"));
        QCOMPARE(e.text(), QStringLiteral(",75"));
        // Read-only: Ctrl+X copies and leaves the text.
        e.setReadOnly(true);
        e.selectAll();
        QTest::keyClick(&e, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral(",75"));
        QCOMPARE(e.text(), QStringLiteral(",75"));
        // Shift+Insert pastes as Ctrl+V does.
        e.setReadOnly(false);
        e.selectAll();
        QApplication::clipboard()->setText(QStringLiteral("42"));
        QTest::keyClick(&e, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(e.text(), QStringLiteral("42"));
        QCOMPARE(d.Sygnaly, 0);
    }

    // A paste goes through the key rules as typing does, whole or not at all (one beep).
    void wklejanie_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("poczatkowy");
        QTest::addColumn<int>("od"); // selection start; -1: the caret at the end
        QTest::addColumn<int>("ile");
        QTest::addColumn<QString>("schowek");
        QTest::addColumn<QString>("wynik");
        QTest::addColumn<int>("sygnaly");
        const int c = ntInteger, n = ntNatural, r = ntReal;
        // clang-format off
        QTest::newRow("rzeczywista nad wszystkim") << r << "-1,2" << 0 << 4 << "-6,5" << "-6,5" << 0;
        QTest::newRow("z odstepami i koncem wiersza") << r << "0" << 0 << 1 << " 0,25\n" << "0,25" << 0;
        QTest::newRow("kropka odrzucona cala") << r << "0" << 0 << 1 << "1.5" << "0" << 1;
        QTest::newRow("drugi przecinek") << r << "1,5" << -1 << 0 << ",2" << "1,5" << 1;
        QTest::newRow("minus nie na poczatku") << c << "5" << -1 << 0 << "-3" << "5" << 1;
        QTest::newRow("minus na poczatku") << c << "5" << 0 << 0 << "-3" << "-35" << 0;
        QTest::newRow("naturalna bez minusa") << n << "" << -1 << 0 << "-7" << "" << 1;
        QTest::newRow("litery") << n << "" << -1 << 0 << "12a" << "" << 1;
        QTest::newRow("za dluga") << c << "" << -1 << 0 << "12345" << "" << 1;
        QTest::newRow("miesci sie nad zaznaczeniem") << c << "999" << 0 << 3 << "1234" << "1234" << 0;
        // clang-format on
    }
    void wklejanie() {
        QFETCH(int, typ);
        QFETCH(QString, poczatkowy);
        QFETCH(int, od);
        QFETCH(int, ile);
        QFETCH(QString, schowek);
        QFETCH(QString, wynik);
        QFETCH(int, sygnaly);
        TDialogiTestowe d;
        TNumEdit e(d);
        e.SetNumType(TNumType(typ));
        e.SetMaxLength(4);
        e.setText(poczatkowy);
        if (od < 0)
            e.end(false);
        else if (ile > 0)
            e.setSelection(od, ile);
        else
            e.setCursorPosition(od);
        int zmiany = 0;
        QObject::connect(&e, &QLineEdit::textChanged, [&] { ++zmiany; });
        QApplication::clipboard()->setText(schowek);
        QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.text(), wynik);
        QCOMPARE(d.Sygnaly, sygnaly);
        // The field's handlers see the outcome once, never the characters one by one.
        QCOMPARE(zmiany, wynik == poczatkowy ? 0 : 1);
    }

    void tylkoDoOdczytu() {
        // A read-only field still filters and beeps, and nothing typed reaches its text.
        TDialogiTestowe d;
        TNumEdit e(d);
        e.SetNumType(ntReal);
        e.setText(QStringLiteral("1,5"));
        e.setReadOnly(true);
        e.end(false);
        Pisz(&e, QStringLiteral("7a,") + QChar(8));
        QCOMPARE(e.text(), QStringLiteral("1,5"));
        QCOMPARE(d.Sygnaly, 2);
    }

    void naprawa_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QString>("wynik");
        QTest::addColumn<QString>("blad");
        QTest::newRow("pusty") << int(ntReal) << ""
                               << "0"
                               << "";
        QTest::newRow("rzeczywista 0,50") << int(ntReal) << "0,50"
                                          << "0,5"
                                          << "";
        QTest::newRow("rzeczywista ,5") << int(ntReal) << ",5"
                                        << "0,5"
                                        << "";
        QTest::newRow("rzeczywista 5,") << int(ntReal) << "5,"
                                        << "5"
                                        << "";
        QTest::newRow("calkowita 007") << int(ntInteger) << "007"
                                       << "7"
                                       << "";
        QTest::newRow("calkowita -0") << int(ntInteger) << "-0"
                                      << "0"
                                      << "";
        QTest::newRow("calkowita sam minus") << int(ntInteger) << "-"
                                             << "-"
                                             << "„-” nie jest poprawną liczbą całkowitą";
        QTest::newRow("rzeczywista sam minus") << int(ntReal) << "-"
                                               << "-"
                                               << "„-” nie jest poprawną liczbą rzeczywistą";
        QTest::newRow("naturalna wklejony tekst") << int(ntNatural) << "1a"
                                                  << "1a"
                                                  << "„1a” nie jest poprawną liczbą całkowitą";
    }
    void naprawa() {
        QFETCH(int, typ);
        QFETCH(QString, wpisane);
        QFETCH(QString, wynik);
        QFETCH(QString, blad);
        TDialogiTestowe d;
        QWidget okno;
        auto* uklad = new QVBoxLayout(&okno);
        auto* e = new TNumEdit(d);
        auto* inne = new QLineEdit;
        uklad->addWidget(e);
        uklad->addWidget(inne);
        okno.show();
        QApplication::setActiveWindow(&okno);
        e->SetNumType(TNumType(typ));
        e->setFocus(Qt::OtherFocusReason);
        e->setText(wpisane);
        QString widzianyPrzezWyjscie;
        QObject::connect(e, &TNumEdit::Wyjscie, [&] { widzianyPrzezWyjscie = e->text(); });
        inne->setFocus(Qt::TabFocusReason);
        QCOMPARE(widzianyPrzezWyjscie, wpisane); // the form's exit handler sees the text as typed
        QCOMPARE(e->text(), wynik);
        QCOMPARE(d.Bledy(), blad.isEmpty() ? QStringList() : QStringList{blad});
    }
};

QTEST_MAIN(TestNumEdit)
#include "tst_numedit.moc"
