// An own climate travels with its project: the file stores its twelve months, so the project gives
// the same year on a machine without that climate or with another climate of the same name (shown
// as "NAZWA (z projektu)"); and an own climate may not take the name of a shipped one.

#include "OknoObliczen.h"
#include "ui/ArkuszKondensacji.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace murolab;
using namespace murolab::test;

namespace {

// One machine: the program's window with the shipped climates and a user folder of its own.
struct TMaszyna {
    TOkno o;
    QTemporaryDir dom;
    TArkuszKondensacji* a = nullptr;
    QComboBox* klimat = nullptr;

    TMaszyna() {
        a = murolab::Kontrolka<TArkuszKondensacji>(o, "ArkuszKondensacji");
        a->UstawKatalogiKlimatow(QStringLiteral(MUROLAB_KLIMATY), Wlasne());
        klimat = a->findChild<QComboBox*>(QStringLiteral("ComboBoxKlimat"));
    }
    QString Wlasne() const { return dom.path() + QStringLiteral("/klimat"); }
    // An own climate file of one temperature the whole year.
    void ZapiszKlimat(const QString& nazwa, double temp) {
        QDir().mkpath(Wlasne());
        QFile f(Wlasne() + u'/' + nazwa + QStringLiteral(".csv"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray tekst = "# " + nazwa.toUtf8() + "\nmiesiąc;temp;wilgotnosc\n";
        for (int m = 1; m <= 12; ++m)
            tekst += QByteArray::number(m) + ';' + QByteArray::number(temp) + ";80\n";
        f.write(tekst);
        f.close();
        a->UstawKatalogiKlimatow(QStringLiteral(MUROLAB_KLIMATY), Wlasne());
    }
    void Wybierz(const QString& tekst) {
        const int i = klimat->findText(tekst);
        QVERIFY2(i >= 0, qPrintable(tekst));
        klimat->setCurrentIndex(i);
        emit klimat->activated(i);
    }
    double Styczen() const { return a->Klimat() ? a->Klimat()->Miesiace[0].Temp : -999; }
    QStringList Lista() const {
        QStringList l;
        for (int i = 0; i < klimat->count(); ++i)
            l << klimat->itemText(i);
        return l;
    }
};

} // namespace

class TestKlimatProjektu : public QObject {
    Q_OBJECT
private slots:
    void klimatWlasnyPodrozujeZProjektem() {
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("dom.pro"));
        {
            TMaszyna a;
            a.o.Dodaj({{QStringLiteral("Cegła"), QStringLiteral("0,77"), QStringLiteral("10"),
                        QStringLiteral("0,38")}});
            a.o.Warunki({});
            a.ZapiszKlimat(QStringLiteral("Zakopane"), -4);
            a.Wybierz(QStringLiteral("Zakopane (własny)"));
            QCOMPARE(a.Styczen(), -4.0);
            QVERIFY(a.o.Model().Iso13788.KlimatZapisany);
            a.o.Dialogi.PlikiDoZapisu << plik;
            QVERIFY(a.o->ZapiszProjekt());
        }
        // Another machine with another "Zakopane", then one without any: the project's own year.
        for (const bool innyPlik : {true, false}) {
            TMaszyna b;
            if (innyPlik)
                b.ZapiszKlimat(QStringLiteral("Zakopane"), 3);
            b.o->OtworzPlikProjektu(plik);
            QVERIFY2(b.o.Dialogi.Bledy().isEmpty(), qPrintable(b.o.Dialogi.Bledy().join('\n')));
            QCOMPARE(b.klimat->currentText(), QStringLiteral("Zakopane (z projektu)"));
            QCOMPARE(b.Styczen(), -4.0);
            QVERIFY(!b.o.Model().Zmieniony);
            b.o.Oblicz();
            QVERIFY(b.a->Analiza() && b.a->Analiza()->Rok);
            if (!innyPlik)
                continue;
            QCOMPARE(
                b.Lista().filter(QStringLiteral("Zakopane")),
                (QStringList{QStringLiteral("Zakopane (własny)"), QStringLiteral("Zakopane (z projektu)")}));
            b.o->PokazArkusz(5);
            b.o.Zrzut(QStringLiteral("klimat-z-projektu"));
            // The local file chosen instead: its year, stored from now on, and the project changed.
            b.Wybierz(QStringLiteral("Zakopane (własny)"));
            QCOMPARE(b.Styczen(), 3.0);
            QCOMPARE(b.o.Model().Iso13788.KlimatZapisany->Miesiace[0].Temp, 3.0);
            QVERIFY(b.o.Model().Zmieniony);
            QVERIFY(b.Lista().filter(QStringLiteral("(z projektu)")).isEmpty());
        }
    }

    void klimatDostarczonyNieJestZapisywany() {
        TMaszyna m;
        m.Wybierz(QStringLiteral("Opole"));
        QCOMPARE(m.o.Model().Iso13788.Klimat, std::string("Opole"));
        QVERIFY(!m.o.Model().Iso13788.KlimatZapisany);
    }

    void nazwaKlimatuDostarczonegoOdrzucona_data() {
        QTest::addColumn<QString>("nazwa");
        QTest::newRow("Opole") << QStringLiteral("Opole");
        QTest::newRow("małymi literami") << QStringLiteral("opole");
        QTest::newRow("wielkimi literami") << QStringLiteral("WARSZAWA-OKECIE");
    }
    void nazwaKlimatuDostarczonegoOdrzucona() {
        // Saved under "Opole", the own file would replace the shipped Opole on this machine alone.
        QFETCH(QString, nazwa);
        TMaszyna m;
        m.Wybierz(QStringLiteral("Opole"));
        m.o.Model().Zmieniony = false;
        m.o.Dialogi.Wyczysc();
        m.o.Dialogi.Modalnie = [&](QDialog* okno) {
            okno->findChild<QLineEdit*>(QStringLiteral("EditNazwaKlimatu"))->setText(nazwa);
            okno->findChild<QPushButton*>(QStringLiteral("ButtonZapiszKlimat"))->click();
        };
        m.a->findChild<QPushButton*>(QStringLiteral("ButtonKlimatWlasny"))->click();
        QCOMPARE(m.o.Dialogi.Komunikaty().size(), 1);
        QVERIFY2(m.o.Dialogi.Komunikaty()[0].Tekst.contains(QStringLiteral("dostarczonego z programem")),
                 qPrintable(m.o.Dialogi.Komunikaty()[0].Tekst));
        QCOMPARE(m.o.Dialogi.Komunikaty()[0].Ikona, TIkona::Stop);
        QVERIFY(QDir(m.Wlasne()).entryList(QDir::Files).isEmpty());
        QCOMPARE(m.o.Model().Iso13788.Klimat, std::string("Opole"));
        QVERIFY(!m.o.Model().Zmieniony);
    }
};

QTEST_MAIN(TestKlimatProjektu)
#include "tst_klimat_projektu.moc"
