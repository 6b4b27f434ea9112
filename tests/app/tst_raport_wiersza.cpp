// The command line's report called where a window application already runs (as when the window's
// own tests or a future "export" command call it): it uses that application, writes the report's
// pages as a PDF a reader finds the charts' titles and the verdict in, and a path it cannot write
// gives the reason and exit code 2.
#include "app/RaportZWierszaPolecen.h"
#include "output/ModelTestowy.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sstream>

using namespace murolab;

class TestRaportWiersza : public QObject {
    Q_OBJECT
private slots:
    void zapisujePdfIPodajePowodBledu() {
        const TModelProjektu model = ModelTestowy(20, -20, {0.015, 0.24, 0.12, 0.005});
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("wiersz.pdf"));
        std::ostringstream err;
        QCOMPARE(ZapiszRaportZWierszaPolecen(model, 20, -20, plik.toStdString(), MUROLAB_DANE_ZRODLOWE, err),
                 0);
        QVERIFY2(err.str().empty(), err.str().c_str());
        QVERIFY(QFile::exists(plik));

        // pdftotext (poppler-utils) is installed by scripts/zaleznosci.sh: its absence is a failure.
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(), "brak pdftotext");
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {plik, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(60000));
        QCOMPARE(pdftotext.exitCode(), 0);
        const QString tekst = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY(tekst.count(u'\f') >= 2);
        QVERIFY(tekst.contains(QStringLiteral("Rozkład ciśnień w przegrodzie")));
        QVERIFY(tekst.contains(QStringLiteral("Dla zadanych warunków brzegowych")));

        std::ostringstream err2;
        QCOMPARE(ZapiszRaportZWierszaPolecen(model, 20, -20,
                                             katalog.filePath(QStringLiteral("brak/x.pdf")).toStdString(),
                                             MUROLAB_DANE_ZRODLOWE, err2),
                 2);
        QVERIFY2(err2.str().find("Nie można zapisać raportu") != std::string::npos, err2.str().c_str());
    }
};

QTEST_MAIN(TestRaportWiersza)
#include "tst_raport_wiersza.moc"
