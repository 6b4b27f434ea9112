// The list of numbers: the key rules of its edit part, the beep where wanted, the editing
// shortcuts and pastes, Enter, and leaving the list.

#include "widgets/DialogiTestowe.h"
#include "widgets/Klawiatura.h"
#include "widgets/ListaLiczb.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

using namespace murolab;
using namespace murolab::testy;

class TestListaLiczb : public QObject {
    Q_OBJECT
private slots:
    void klawisze_data() {
        QTest::addColumn<bool>("ulamkowa");
        QTest::addColumn<bool>("sygnal");
        QTest::addColumn<QString>("poczatkowy");
        QTest::addColumn<QString>("wpisane");
        QTest::addColumn<QString>("wynik");
        QTest::addColumn<int>("sygnaly");
        // clang-format off
        QTest::newRow("ulamek: cyfry i przecinek") << true << true << "" << "0,04" << "0,04" << 0;
        QTest::newRow("ulamek: drugi przecinek po cichu") << true << true << "" << "0,0,4" << "0,04" << 0;
        QTest::newRow("ulamek: kropka piszczy") << true << true << "" << "0.5" << "05" << 1;
        QTest::newRow("ulamek: minus i litera pisza") << true << true << "" << "-a1" << "1" << 2;
        QTest::newRow("limit 5 po cichu") << true << true << "" << "0,12345" << "0,123" << 0;
        QTest::newRow("calkowita: przecinek piszczy") << false << true << "6" << "," << "6" << 1;
        QTest::newRow("bez sygnalu: odrzuca po cichu") << true << false << "" << "0.-a13" << "013" << 0;
        QTest::newRow("backspace") << true << true << "0,13" << QString(QChar(8)) << "0,1" << 0;
        // clang-format on
    }
    void klawisze() {
        QFETCH(bool, ulamkowa);
        QFETCH(bool, sygnal);
        QFETCH(QString, poczatkowy);
        QFETCH(QString, wpisane);
        QFETCH(QString, wynik);
        QFETCH(int, sygnaly);
        TDialogiTestowe d;
        TListaLiczb l(d);
        l.addItems({QStringLiteral("0,10"), QStringLiteral("0,13")});
        l.UstawZasady(ulamkowa, 5, sygnal);
        l.setEditText(poczatkowy);
        l.lineEdit()->end(false);
        Pisz(&l, wpisane);
        QCOMPARE(l.currentText(), wynik);
        QCOMPARE(d.Sygnaly, sygnaly);
        // Enter neither adds the text to the proposals nor changes it.
        Klawisz(&l, Qt::Key_Return, QStringLiteral("\r"));
        QCOMPARE(l.count(), 2);
        QCOMPARE(l.currentText(), wynik);
        // Text written by the program is never cut.
        l.setEditText(QStringLiteral("0,1234567"));
        QCOMPARE(l.currentText(), QStringLiteral("0,1234567"));
    }

    void skrotyEdycji() {
        TDialogiTestowe d;
        TListaLiczb l(d);
        l.UstawZasady(true, 7, true);
        l.setEditText(QStringLiteral("0,04"));
        l.lineEdit()->end(false);
        // Ctrl+A, then typing replaces the whole text.
        QTest::keyClick(&l, Qt::Key_A, Qt::ControlModifier);
        Pisz(&l, QStringLiteral("0,01"));
        QCOMPARE(l.currentText(), QStringLiteral("0,01"));
        QTest::keyClick(&l, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&l, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0,01"));
        QTest::keyClick(&l, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(l.currentText(), QString());
        QCOMPARE(d.Sygnaly, 0);
    }

    void wklejanie_data() {
        QTest::addColumn<bool>("ulamkowa");
        QTest::addColumn<QString>("poczatkowy");
        QTest::addColumn<QString>("schowek");
        QTest::addColumn<QString>("wynik");
        QTest::addColumn<int>("sygnaly");
        // The text after the paste, the caret at the end of the initial text.
        QTest::newRow("liczba") << true << ""
                                << "0,17"
                                << "0,17" << 0;
        QTest::newRow("z odstepami") << true << ""
                                     << " 0,17\n"
                                     << "0,17" << 0;
        QTest::newRow("kropka") << true << ""
                                << "0.17"
                                << "" << 1;
        QTest::newRow("drugi przecinek") << true << "0,1"
                                         << ",7"
                                         << "0,1" << 1;
        QTest::newRow("minus") << true << ""
                               << "-1"
                               << "" << 1;
        QTest::newRow("ulamek w calkowitej") << false << ""
                                             << "6,5"
                                             << "" << 1;
        QTest::newRow("za dlugie") << true << "0,1"
                                   << "23456"
                                   << "0,1" << 1;
    }
    void wklejanie() {
        QFETCH(bool, ulamkowa);
        QFETCH(QString, poczatkowy);
        QFETCH(QString, schowek);
        QFETCH(QString, wynik);
        QFETCH(int, sygnaly);
        TDialogiTestowe d;
        TListaLiczb l(d);
        l.UstawZasady(ulamkowa, 7, true);
        l.setEditText(poczatkowy);
        l.lineEdit()->end(false);
        QApplication::clipboard()->setText(schowek);
        QTest::keyClick(&l, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(l.currentText(), wynik);
        QCOMPARE(d.Sygnaly, sygnaly);
    }

    // Leaving the list for another control raises Wyjscie once; going to another window does not.
    void wyjscie() {
        TDialogiTestowe d;
        QWidget okno;
        auto* uklad = new QVBoxLayout(&okno);
        auto* l = new TListaLiczb(d);
        auto* inne = new QLineEdit;
        uklad->addWidget(l);
        uklad->addWidget(inne);
        QVERIFY(PokazAktywne(&okno));
        QSignalSpy wyjscia(l, &TListaLiczb::Wyjscie);
        l->setFocus(Qt::TabFocusReason);
        QCOMPARE(wyjscia.count(), 0);
        inne->setFocus(Qt::TabFocusReason);
        QCOMPARE(wyjscia.count(), 1);
        l->setFocus(Qt::TabFocusReason);
        QWidget drugie;
        QVERIFY(PokazAktywne(&drugie));
        QCOMPARE(wyjscia.count(), 1);
    }
};

QTEST_MAIN(TestListaLiczb)
#include "tst_listaliczb.moc"
