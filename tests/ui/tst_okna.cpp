// Where windows stand and what closing them does: the help window (never ends the program, opens
// over the window that asked, whole on the screen), the corrections dialog at one place on every
// showing, and message boxes wide enough for their captions.

#include "NarzedziaTestow.h"
#include "ui/FormKlimat.h"
#include "ui/FormMostkiTerm.h"
#include "ui/KontekstPomocy.h"
#include "ui/Pomoc.h"
#include "widgets/Dialogi.h"
#include "widgets/NumEdit.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace murolab;
using namespace murolab::testy;

namespace {

struct TPomocTestowa {
    QTemporaryDir katalog;
    TDialogiTestowe d;
    std::unique_ptr<TPomoc> pomoc;
    TPomocTestowa() {
        const QString plik = katalog.filePath(QStringLiteral("POMOC.HLP"));
        QFile f(plik);
        if (f.open(QIODevice::WriteOnly))
            f.write("<html><body><a name=\"spis\"></a><h1>Spis</h1><a name=\"kontekst9\"></a><p>Mostki</p>"
                    "<a name=\"kontekst10\"></a><p>Warstwa</p></body></html>");
        f.close();
        pomoc = std::make_unique<TPomoc>(d, plik);
    }
};

QRect Ekran() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

class TestOkna : public QObject {
    Q_OBJECT
private slots:
    // F1 in a dialog that hid the main window, then the help window's close box: only help goes.
    void zamkniecieSamejPomocy_data() {
        QTest::addColumn<int>("kontekst");
        QTest::newRow("okno poprawek") << 9;
        QTest::newRow("okno wstawiania warstwy") << 10;
    }
    void zamkniecieSamejPomocy() {
        QFETCH(int, kontekst);
        TPomocTestowa t;
        QWidget glowne;
        glowne.show();
        QDialog dialog(&glowne);
        // The program's dialogs are not the last window that counts: closing them never ends it.
        dialog.setAttribute(Qt::WA_QuitOnClose, false);
        auto* pole = new QLineEdit(&dialog);
        UstawKontekstPomocy(pole, kontekst);
        QVERIFY(PokazAktywne(&dialog));
        glowne.hide(); // as the dialogs do while they are open
        pole->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(pole, Qt::Key_F1);
        QVERIFY(t.pomoc->isVisible());
        QCOMPARE(t.pomoc->BiezacaKotwica(), QStringLiteral("kontekst%1").arg(kontekst));

        QSignalSpy ostatnie(qApp, &QGuiApplication::lastWindowClosed);
        QVERIFY(t.pomoc->close());
        QCOMPARE(ostatnie.count(), 0);
        QVERIFY(dialog.isVisible());
        QVERIFY(!t.pomoc->isVisible());
    }

    void pomocNadOknemPytajacym_data() {
        QTest::addColumn<QPoint>("przesuniecie"); // of the asking window's centre from the screen's
        QTest::addColumn<bool>("wysrodkowana");   // help can stand centred over it
        QTest::newRow("okno na środku") << QPoint(0, 0) << true;
        QTest::newRow("okno trochę w lewo") << QPoint(-40, 10) << true;
        QTest::newRow("okno w prawym dolnym rogu") << QPoint(2000, 2000) << false;
        QTest::newRow("okno w lewym górnym rogu") << QPoint(-2000, -2000) << false;
    }
    void pomocNadOknemPytajacym() {
        QFETCH(QPoint, przesuniecie);
        QFETCH(bool, wysrodkowana);
        TPomocTestowa t;
        QDialog pytajacy;
        pytajacy.resize(300, 200);
        auto* pole = new QLineEdit(&pytajacy);
        UstawKontekstPomocy(pole, 9);
        QRect r = pytajacy.geometry();
        r.moveCenter(Ekran().center() + przesuniecie);
        pytajacy.setGeometry(r);
        QVERIFY(PokazAktywne(&pytajacy));
        pole->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(pole, Qt::Key_F1);
        QVERIFY(t.pomoc->isVisible());
        const QRect pomoc = t.pomoc->geometry();
        QVERIFY2(Ekran().contains(pomoc), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                         .arg(pomoc.x())
                                                         .arg(pomoc.y())
                                                         .arg(pomoc.width())
                                                         .arg(pomoc.height())));
        if (wysrodkowana)
            QVERIFY((pomoc.center() - pytajacy.geometry().center()).manhattanLength() <= 2);
    }

    // The corrections dialog stands at the same centred place on every showing.
    void poprawkiWTymSamymMiejscu() {
        TDialogiTestowe d;
        TModelProjektu model;
        QWidget okno;
        TFormMostkiTerm form(model, d, &okno);
        QList<QRect> miejsca;
        for (int i = 0; i < 3; ++i) {
            form.show();
            QCoreApplication::processEvents();
            miejsca << form.geometry();
            form.reject();
            QCoreApplication::processEvents();
        }
        QCOMPARE(miejsca[1], miejsca[0]);
        QCOMPARE(miejsca[2], miejsca[0]);
        QVERIFY(NaSrodkuEkranu(form));
    }

    // ---- message boxes
    void oknoKomunikatuMiesciTytul_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("tytul");
        QTest::addColumn<int>("przyciski");
        QTest::newRow("usunięcie warstwy") << "Usunąc warstwę ?"
                                           << "Murolab -Potwierdź" << int(TPrzyciski::TakNie);
        QTest::newRow("krótki komunikat") << "Nie wprowadzono warstw."
                                          << "Murolab -Uwaga!" << int(TPrzyciski::Ok);
        QTest::newRow("pytanie o zapis") << "Czy zapisać zmianny w pliku ..?"
                                         << "Murolab" << int(TPrzyciski::TakNieAnuluj);
    }
    void oknoKomunikatuMiesciTytul() {
        QFETCH(QString, tekst);
        QFETCH(QString, tytul);
        QFETCH(int, przyciski);
        const auto pole = OknoKomunikatu(nullptr, tekst, tytul, TIkona::Pytanie, TPrzyciski(przyciski));
        pole->show();
        QCoreApplication::processEvents();
        QFont czcionka = QApplication::font("QMdiSubWindowTitleBar");
        czcionka.setBold(true);
        // The caption and the title bar's buttons (about 100 pixels) fit beside each other.
        QVERIFY2(pole->width() >= QFontMetrics(czcionka).horizontalAdvance(tytul) + 100,
                 qPrintable(QString::number(pole->width())));
        pole->hide();
    }

    // The climate editor's fields take the editing shortcuts as every numeric field does.
    void edytorKlimatuSkroty() {
        QTemporaryDir katalog;
        TDialogiTestowe d;
        TFormKlimat f(d, katalog.path(), katalog.path());
        auto* grudzien = Kontrolka<TNumEdit>(f, "NumEditTemp12");
        auto* styczen = Kontrolka<TNumEdit>(f, "NumEditTemp1");
        grudzien->setText(QStringLiteral("-1,2"));
        grudzien->end(false);
        QTest::keyClick(grudzien, Qt::Key_A, Qt::ControlModifier);
        Pisz(grudzien, QStringLiteral("-6,5"));
        QCOMPARE(grudzien->text(), QStringLiteral("-6,5"));
        QTest::keyClick(grudzien, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(grudzien, Qt::Key_C, Qt::ControlModifier);
        styczen->selectAll();
        QTest::keyClick(styczen, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(styczen->text(), QStringLiteral("-6,5"));
        QCOMPARE(d.Sygnaly, 0);
    }

    void pytanieZAnuluj() {
        const auto pole =
            OknoKomunikatu(nullptr, QStringLiteral("Czy zapisać zmianny w pliku ..?"),
                           QStringLiteral("Murolab"), TIkona::Pytanie, TPrzyciski::TakNieAnuluj);
        QCOMPARE(pole->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        // Escape and the close box are Anuluj: going back to the work.
        QCOMPARE(pole->escapeButton(), static_cast<QAbstractButton*>(pole->button(QMessageBox::Cancel)));
        const auto pytanie =
            OknoKomunikatu(nullptr, QStringLiteral("Usunąc warstwę ?"), QStringLiteral("Murolab -Potwierdź"),
                           TIkona::Pytanie, TPrzyciski::TakNie);
        QCOMPARE(pytanie->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    }
};

QTEST_MAIN(TestOkna)
#include "tst_okna.moc"
