// What the help window and the message boxes do with hostile text: a message is shown as plain
// text, the help loads only its own small files and opens only web links outside.
#include "ui/AboutBox.h"
#include "ui/Pomoc.h"
#include "widgets/DialogiTestowe.h"
#include "widgets/Kontrolka.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace murolab;

namespace {

// Records what the desktop is asked to open, in place of the real browser.
class TOdbiorcaAdresow : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Adresy;
public slots:
    void Otworz(const QUrl& adres) { Adresy << adres; }
};

void ZapiszPlik(const QString& sciezka, const QByteArray& dane) {
    QFile f(sciezka);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(dane), dane.size());
}

} // namespace

class TestPomocIKomunikaty : public QObject {
    Q_OBJECT
private slots:
    // "O programie" made with the seam: its OK button reaches the handler (through the exception
    // wrapper) and closes the box as accepted, and the box carries the program's title.
    void oProgramieZamykaOK() {
        TDialogiTestowe dialogi;
        QTemporaryDir katalog;
        TAboutBox about(dialogi, katalog.path().toStdString());
        QCOMPARE(about.windowTitle(),
                 QStringLiteral("Murolab -program do wstępnej analizy cieplno wilgotnościowej"));
        QCOMPARE(about.result(), int(QDialog::Rejected));
        Kontrolka<QPushButton>(about, "OKButton")->click();
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(dialogi.Wywolania.isEmpty());
    }

    void komunikatJestZwyklymTekstem_data() {
        QTest::addColumn<QString>("tekst");
        QTest::newRow("obraz urzadzenia")
            << QStringLiteral("Nie można otworzyć pliku „<img src=/dev/zero>.pro”.");
        QTest::newRow("pogrubienie") << QStringLiteral("<b>Projekt</b> & <i>raport</i>");
        QTest::newRow("odnosnik") << QStringLiteral("<a href=\"file:///etc\">tu</a>");
    }
    void komunikatJestZwyklymTekstem() {
        QFETCH(QString, tekst);
        for (const TPrzyciski przyciski : {TPrzyciski::Ok, TPrzyciski::TakNie}) {
            const auto pole =
                OknoKomunikatu(nullptr, tekst, QStringLiteral("Murolab"), TIkona::Stop, przyciski);
            QCOMPARE(pole->textFormat(), Qt::PlainText);
            QCOMPARE(pole->text(), TekstOkna(tekst));
            // The label that shows it does not interpret it either.
            bool znaleziona = false;
            for (QLabel* etykieta : pole->findChildren<QLabel*>()) {
                if (etykieta->text() == TekstOkna(tekst)) {
                    znaleziona = true;
                    QCOMPARE(etykieta->textFormat(), Qt::PlainText);
                }
            }
            QVERIFY(znaleziona);
        }
    }

    void pomocWczytujeTylkoSwojeMalePliki_data() {
        QTest::addColumn<QString>("adres");
        QTest::addColumn<bool>("wczytany");
        QTest::newRow("obrazek obok pliku pomocy") << QStringLiteral("rysunek.png") << true;
        QTest::newRow("obrazek w podkatalogu") << QStringLiteral("obrazy/maly.png") << true;
        QTest::newRow("/dev/zero") << QStringLiteral("/dev/zero") << false;
        QTest::newRow("file:///dev/zero") << QStringLiteral("file:///dev/zero") << false;
        QTest::newRow("plik poza katalogiem") << QStringLiteral("../poza.png") << false;
        QTest::newRow("odnosnik wyprowadzajacy z katalogu") << QStringLiteral("wyjscie.png") << false;
        QTest::newRow("obraz ponad 4 MiB") << QStringLiteral("duzy.png") << false;
        QTest::newRow("FIFO") << QStringLiteral("kolejka.png") << false;
        QTest::newRow("adres sieciowy") << QStringLiteral("http://example.org/a.png") << false;
    }
    void pomocWczytujeTylkoSwojeMalePliki() {
        QFETCH(QString, adres);
        QFETCH(bool, wczytany);
        QTemporaryDir gora;
        QVERIFY(QDir(gora.path()).mkpath(QStringLiteral("dane/obrazy")));
        const QString dane = gora.filePath(QStringLiteral("dane"));
        ZapiszPlik(dane + QStringLiteral("/rysunek.png"), QByteArray("PNG-rysunek"));
        ZapiszPlik(dane + QStringLiteral("/obrazy/maly.png"), QByteArray("PNG-maly"));
        ZapiszPlik(gora.filePath(QStringLiteral("poza.png")), QByteArray("PNG-poza"));
        QVERIFY(
            QFile::link(gora.filePath(QStringLiteral("poza.png")), dane + QStringLiteral("/wyjscie.png")));
        {
            QFile duzy(dane + QStringLiteral("/duzy.png"));
            QVERIFY(duzy.open(QIODevice::WriteOnly));
            QVERIFY(duzy.resize(TPrzegladarkaPomocy::kNajwiekszyZasobPomocy + 1));
        }
        QCOMPARE(::mkfifo(QFile::encodeName(dane + QStringLiteral("/kolejka.png")).constData(), 0644), 0);

        TPrzegladarkaPomocy przegladarka(dane);
        const QVariant wynik = przegladarka.loadResource(QTextDocument::ImageResource, QUrl(adres));
        QCOMPARE(wynik.isValid(), wczytany);
        if (wczytany)
            QVERIFY(wynik.toByteArray().startsWith("PNG-"));
    }

    void pomocOtwieraNaZewnatrzTylkoLinkiWww_data() {
        QTest::addColumn<QString>("adres");
        QTest::addColumn<bool>("otwarty");
        QTest::newRow("https") << QStringLiteral("https://example.org/norma") << true;
        QTest::newRow("http") << QStringLiteral("http://example.org/") << true;
        QTest::newRow("plik lokalny") << QStringLiteral("file:///etc/passwd") << false;
        QTest::newRow("sciezka programu") << QStringLiteral("/usr/bin/xterm") << false;
        QTest::newRow("inny schemat") << QStringLiteral("smb://serwer/udzial") << false;
        QTest::newRow("http bez hosta") << QStringLiteral("http:///etc/passwd") << false;
    }
    void pomocOtwieraNaZewnatrzTylkoLinkiWww() {
        QFETCH(QString, adres);
        QFETCH(bool, otwarty);
        TOdbiorcaAdresow odbiorca;
        for (const char* schemat : {"http", "https", "file", "smb"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(schemat), &odbiorca, "Otworz");
        TDialogiTestowe dialogi;
        TPomoc pomoc(dialogi, QStringLiteral("/nie/ma/POMOC.HLP"));
        emit pomoc.Przegladarka()->anchorClicked(QUrl(adres));
        for (const char* schemat : {"http", "https", "file", "smb"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(schemat));
        QCOMPARE(odbiorca.Adresy.size(), otwarty ? 1 : 0);
        QCOMPARE(TPrzegladarkaPomocy::CzyLinkZewnetrzny(QUrl(adres)), otwarty);
    }

    void plikPomocyNiebedacyZwyklymPlikiemDajeKomunikat() {
        QTemporaryDir katalog;
        const QString kolejka = katalog.filePath(QStringLiteral("POMOC.HLP"));
        QCOMPARE(::mkfifo(QFile::encodeName(kolejka).constData(), 0644), 0);
        TDialogiTestowe dialogi;
        TPomoc pomoc(dialogi, kolejka);
        pomoc.PokazSpis();
        QCOMPARE(dialogi.Wywolania.size(), 1);
        QVERIFY2(dialogi.Wywolania.first().Tekst.contains(QStringLiteral("kolejka (FIFO)")),
                 qPrintable(dialogi.Wywolania.first().Tekst));
        QVERIFY(!pomoc.isVisible());
    }
};

QTEST_MAIN(TestPomocIKomunikaty)
#include "tst_pomoc_i_komunikaty.moc"
