// Handlers connected through PolaczBezpiecznie: a failure reaches the error box with its own message
// and the program goes on; the handler gets the signal's arguments, or none; the connection ends
// with the window it was made for.
#include "widgets/Bezpiecznie.h"
#include "widgets/DialogiTestowe.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <stdexcept>

using namespace murolab;

class TestBezpiecznie : public QObject {
    Q_OBJECT
private slots:
    // Every kind of failure a handler can raise ends in the error box, once, with its message.
    void wyjatekKonczySieOknemBledu_data() {
        QTest::addColumn<int>("rodzaj");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("runtime_error z polskim tekstem") << 0 << QStringLiteral("Zapis się nie udał: „ą”");
        QTest::newRow("out_of_range (błąd programu)") << 1 << QStringLiteral("Indeks 16 poza zakresem");
        QTest::newRow("coś, co nie jest std::exception") << 2 << QStringLiteral("Nieznany błąd");
    }
    void wyjatekKonczySieOknemBledu() {
        QFETCH(int, rodzaj);
        QFETCH(QString, komunikat);
        TDialogiTestowe dialogi;
        QWidget okno;
        auto* przycisk = new QPushButton(&okno);
        int wywolan = 0;
        PolaczBezpiecznie(dialogi, &okno, przycisk, &QPushButton::clicked, [&] {
            ++wywolan;
            if (rodzaj == 0)
                throw std::runtime_error(komunikat.toStdString());
            if (rodzaj == 1)
                throw std::out_of_range(komunikat.toStdString());
            throw 42;
        });
        przycisk->click();
        przycisk->click();
        QCOMPARE(wywolan, 2);
        QCOMPARE(dialogi.Bledy(), QStringList({komunikat, komunikat}));
    }

    void argumentySygnaluAlboZadne() {
        TDialogiTestowe dialogi;
        QWidget okno;
        auto* lista = new QComboBox(&okno);
        lista->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        QList<int> indeksy;
        int bezArgumentow = 0;
        PolaczBezpiecznie(dialogi, &okno, lista, &QComboBox::activated, [&](int i) { indeksy << i; });
        PolaczBezpiecznie(dialogi, &okno, lista, &QComboBox::activated, [&] { ++bezArgumentow; });
        emit lista->activated(2);
        emit lista->activated(0);
        QCOMPARE(indeksy, QList<int>({2, 0}));
        QCOMPARE(bezArgumentow, 2);
        QVERIFY(dialogi.Wywolania.isEmpty());
    }

    // A sender that outlives the window (a shared object, a menu) no longer reaches the handler,
    // which would use the destroyed window.
    void polaczenieKonczySieZOknem() {
        TDialogiTestowe dialogi;
        QPushButton nadawca;
        int wywolan = 0;
        auto okno = std::make_unique<QWidget>();
        PolaczBezpiecznie(dialogi, okno.get(), &nadawca, &QPushButton::clicked, [&] { ++wywolan; });
        nadawca.click();
        okno.reset();
        nadawca.click();
        QCOMPARE(wywolan, 1);
    }
};

QTEST_MAIN(TestBezpiecznie)
#include "tst_bezpiecznie.moc"
