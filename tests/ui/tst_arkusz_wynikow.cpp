// The results sheet after a calculation driven from the grid and the working-conditions sheet:
// every line of every column, the result labels and the verdict, compared with values computed by
// hand from the calculation's formulas and the saturation table; the layout of the lines.

#include "OknoObliczen.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>

using namespace murolab;
using namespace murolab::test;

namespace {

const QString kWewnatrz = QStringLiteral("      Wewnętrzna strona przegrody");
const QString kZewnatrz = QStringLiteral("      Zewnętrzna strona przegrody");

// The three layers of the worked example (d, λ as published; μ chosen), ti 20, te -20, φi 55, φe 80.
const QList<TWiersz> kPrzyklad{
    {QStringLiteral("Cegła ceramiczna pełna"), QStringLiteral("0,77"), QStringLiteral("10"),
     QStringLiteral("0,12")},
    {QStringLiteral("Wełna mineralna"), QStringLiteral("0,04"), QStringLiteral("1"), QStringLiteral("0,1")},
    {QStringLiteral("Tynk cementowo-wapienny"), QStringLiteral("0,82"), QStringLiteral("15"),
     QStringLiteral("0,02")},
};

// The corrections of the worked example: Uk = 0,425149.
void PoprawkiPrzykladu(TModelProjektu& m) {
    TWarunkiPracy& w = m.WarunkiPracy;
    w.NrNieszczelnosci = 2;
    w.DeltaU = 0.01;
    w.Alfa = 6;
    w.LambdaF = 50;
    w.LiczbaF = 4;
    w.PoleF = 0.000013;
    w.DeltaUk = 0.05;
}

// A single thin pane: the inner surface at -8,9 degC, far below the dew point of 10,7 degC.
const QList<TWiersz> kSzyba{
    {QStringLiteral("Szkło"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0,01")}};

QColor KolorTekstu(const QLabel* e) {
    return e->palette().color(QPalette::WindowText);
}

// The verdict wraps within its two lines; nothing of it is cut off.
bool WerdyktMiesciSie(const QLabel* e) {
    return e->heightForWidth(e->width()) <= e->height();
}

// Top of line i of a column, in the coordinates of the sheet's area.
int GoraLinii(const QTextEdit* kolumna, int i) {
    QTextDocument* d = kolumna->document();
    const QRectF r = d->documentLayout()->blockBoundingRect(d->findBlockByNumber(i));
    const QTextLine linia = d->findBlockByNumber(i).layout()->lineAt(0);
    return kolumna->geometry().top() + kolumna->frameWidth() + qRound(r.top() + linia.y());
}

} // namespace

class TestArkuszWynikow : public QObject {
    Q_OBJECT
private slots:
    void przedObliczeniem() {
        TOkno o;
        for (QTextEdit* k : Kolumny(*o.Okno))
            QVERIFY(k->document()->isEmpty());
        QCOMPARE(Kontrolka<QLabel>(o, "LabelUk")->text(), QStringLiteral("U  = 0,000"));
        QCOMPARE(Kontrolka<QLabel>(o, "LabelI")->text(), QStringLiteral("i = 0,000"));
        QCOMPARE(Kontrolka<QLabel>(o, "LabelP")->text(), QStringLiteral("p = 0000,0"));
        QCOMPARE(Kontrolka<QLabel>(o, "LabeLKomunikat")->text(), QString());
        QVERIFY(Kontrolka<QLabel>(o, "LabelKomunikat3")->isHidden());
        QVERIFY(Kontrolka<QLabel>(o, "LabelKomunikat4")->isHidden());
        QList<int> szerokosci;
        for (QTextEdit* k : Kolumny(*o.Okno))
            szerokosci << k->width();
        QCOMPARE(szerokosci, (QList<int>{20, 196, 45, 46, 47, 59, 68, 40, 42, 54, 54}));
    }

    void przykladZSiatki() {
        TOkno o;
        o.Dodaj(kPrzyklad);
        o.Wprowadz({});
        QCOMPARE(o.Model().WarunkiPracy.TempZewn, -20);
        QCOMPARE(o.Arkusz(), 1);
        PoprawkiPrzykladu(o.Model());
        o.Oblicz();
        QVERIFY2(o.Dialogi.Wywolania.isEmpty(), qPrintable(o.Dialogi.TekstyKomunikatow().join(u'|')));
        QCOMPARE(o.Arkusz(), 2);

        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditNr")), (QStringList{"", "1", "2", "3"}));
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditMaterial")),
                 (QStringList{kWewnatrz, "Cegła ceramiczna pełna", "Wełna mineralna",
                              "Tynk cementowo-wapienny", kZewnatrz, "suma:"}));
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditLambda")),
                 (QStringList{"", "0,7700", "0,0400", "0,8200"}));
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditMi")), (QStringList{"", "10", "1", "15", ""}));
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditGrubosc")),
                 (QStringList{"", "0,1200", "0,1000", "0,0200", "", "0,2400"}));
        // Rsi and Rse in the general form, the layers and the total with four decimals.
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditR")),
                 (QStringList{"0,13", "0,1558", "2,5000", "0,0244", "0,04", "2,8500"}));
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditDelta")),
                 (QStringList{"", "1800000", "150000", "450000", "", "2400000"}));
        // Temperatures 20; 18,1756; 15,9885; -19,0964; -19,4386; -20.
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditSpadek")),
                 (QStringList{"1,8", "2,2", "35,1", "0,3", "0,6"}));
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditTemp")),
                 (QStringList{"20,0", "18,2", "16,0", "-19,1", "-19,4", "-20,0"}));
        // 23,37 hPa at 20 degC; 20,63 + 0,1756 · 1,33 = 20,8636 hPa at 18,1756 degC, four digits: 2086.
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditCisNasy")),
                 (QStringList{"2337,0", "2086,0", "1816,0", "112,0", "108,6", "103,0"}));
        // 23,37 · 55 = 1285,35 Pa inside, 1,03 · 80 = 82,4 Pa outside, straight over 1800000, 150000, 450000.
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditCisCzast")),
                 (QStringList{"", "1285,0", "383,1", "308,0", "82,4"}));

        QCOMPARE(Kontrolka<QLabel>(o, "LabelUk")->text(), QStringLiteral("U  = 0,425"));
        // Under it what Uk is made of, each with its unit (U0 = 1 / 2,850234).
        QStringList skladniki;
        for (const QLabel* l : SkladnikiUk(*o.Okno))
            skladniki << l->text();
        const QString j = QStringLiteral("&nbsp;[W/(m²·K)]");
        QCOMPARE(skladniki,
                 (QStringList{"U<sub>0</sub> = 0,351" + j, "ΔU<sub>g</sub> = 0,009" + j,
                              "ΔU<sub>f</sub> = 0,016" + j, "ΔU<sub>k</sub> + dodatek własny = 0,050" + j}));
        for (const QLabel* l : SkladnikiUk(*o.Okno))
            QVERIFY(l->mapTo(Kontrolka<QTextEdit>(o, "RichEditNr")->parentWidget(), QPoint(0, 0)).y() >
                    Kontrolka<QLabel>(o, "LabelUk")
                        ->mapTo(Kontrolka<QTextEdit>(o, "RichEditNr")->parentWidget(), QPoint(0, 0))
                        .y());
        // 1202,95 Pa · 1000 / 2400000 = 0,5012 g/(m²·h).
        QCOMPARE(Kontrolka<QLabel>(o, "LabelI")->text(), QStringLiteral("i = 0,501"));
        QCOMPARE(Kontrolka<QLabel>(o, "LabelP")->text(), QStringLiteral("p = 1203,0"));

        // Dew point 10,7 degC, inner surface 18,2 degC: no condensation, in black, no criterion.
        QCOMPARE(Kontrolka<QLabel>(o, "LabeLKomunikat")->text(),
                 QStringLiteral("Dla zadanych warunków brzegowych kondensacja pary        "
                                "wodnej  na wewnętrznej powierzchni nie występuje."));
        QCOMPARE(KolorTekstu(Kontrolka<QLabel>(o, "LabeLKomunikat")),
                 o->palette().color(QPalette::WindowText));
        QVERIFY(WerdyktMiesciSie(Kontrolka<QLabel>(o, "LabeLKomunikat")));
        QVERIFY(Kontrolka<QLabel>(o, "LabelKomunikat3")->isHidden());
        QVERIFY(Kontrolka<QLabel>(o, "LabelKomunikat4")->isHidden());
        o.Zrzut("przyklad");
    }

    // Every row stands at the same height in every column; the profile columns are 8 px higher, so
    // that the temperature of a joint stands between the rows of its two layers.
    void wierszeWJednejLinii() {
        TOkno o;
        o.Dodaj(kPrzyklad);
        o.Warunki({});
        o.ZMostkami();
        o.Oblicz();
        const int n = 3;
        const int gora = Kontrolka<QTextEdit>(o, "RichEditNr")->geometry().top();
        for (QTextEdit* k : Kolumny(*o.Okno)) {
            const bool profil = k == Kontrolka<QTextEdit>(o, "RichEditTemp") ||
                                k == Kontrolka<QTextEdit>(o, "RichEditCisNasy") ||
                                k == Kontrolka<QTextEdit>(o, "RichEditCisCzast");
            QCOMPARE(k->geometry().top(), gora - (profil ? 8 : 0));
            QCOMPARE(k->height(), 13 * n + (profil ? 50 : 42));
            const int pierwsza = GoraLinii(k, 0);
            for (int i = 1; i < k->document()->blockCount(); ++i)
                QCOMPARE(GoraLinii(k, i), pierwsza + 13 * i);
            QCOMPARE(pierwsza, GoraLinii(Kontrolka<QTextEdit>(o, "RichEditNr"), 0) - (profil ? 8 : 0));
            // No line is hidden below the column's end.
            QVERIFY2(k->document()->size().height() <= k->viewport()->height(), qPrintable(k->objectName()));
        }
    }

    void werdykty() {
        TOkno o;
        o.Dodaj(kSzyba);
        o.Warunki({});
        o.ZMostkami();
        o.Oblicz();
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditTemp")),
                 (QStringList{"20,0", "-8,9", "-11,1", "-20,0"}));
        QCOMPARE(Kontrolka<QLabel>(o, "LabeLKomunikat")->text(),
                 QStringLiteral("UWAGA -Dla zadanych warunków brzegowych występuje "
                                "kondensacja pary wodnej na wewnętrznej powierzchni."));
        QCOMPARE(KolorTekstu(Kontrolka<QLabel>(o, "LabeLKomunikat")), QColor(Qt::red));
        QVERIFY(WerdyktMiesciSie(Kontrolka<QLabel>(o, "LabeLKomunikat")));
        QVERIFY(!Kontrolka<QLabel>(o, "LabelKomunikat3")->isHidden());
        QVERIFY(!Kontrolka<QLabel>(o, "LabelKomunikat4")->isHidden());
        QCOMPARE(KolorTekstu(Kontrolka<QLabel>(o, "LabelKomunikat3")), QColor(Qt::red));
        QCOMPARE(KolorTekstu(Kontrolka<QLabel>(o, "LabelKomunikat4")), QColor(Qt::red));
        o.Zrzut("kondensacja");

        // The same window, a partition without condensation: black again, the criterion hidden.
        ArkuszPrzegrody(o)->UstawKomorke(0, 1, QStringLiteral("Wełna"));
        ArkuszPrzegrody(o)->UstawKomorke(0, 2, QStringLiteral("0,04"));
        ArkuszPrzegrody(o)->UstawKomorke(0, 4, QStringLiteral("0,2"));
        o.Oblicz();
        QVERIFY(Kontrolka<QLabel>(o, "LabeLKomunikat")->text().startsWith(QStringLiteral("Dla zadanych")));
        QCOMPARE(KolorTekstu(Kontrolka<QLabel>(o, "LabeLKomunikat")),
                 o->palette().color(QPalette::WindowText));
        QVERIFY(WerdyktMiesciSie(Kontrolka<QLabel>(o, "LabeLKomunikat")));
        QVERIFY(Kontrolka<QLabel>(o, "LabelKomunikat3")->isHidden());
        QVERIFY(Kontrolka<QLabel>(o, "LabelKomunikat4")->isHidden());

        // Equal temperatures in the sheet's fields (the stored ones differ): the calculation runs,
        // the verdict is the consultation text.
        Kontrolka<TNumEdit>(o, "NumEditTempZewn")->setText(QStringLiteral("20"));
        o.Oblicz();
        QCOMPARE(
            Kontrolka<QLabel>(o, "LabeLKomunikat")->text(),
            QStringLiteral(
                "(temp. wewn.< temp. zewn.) Wskazana konsultacja ze specjalistą z zakresu fizyki budowli."));
        QCOMPARE(KolorTekstu(Kontrolka<QLabel>(o, "LabeLKomunikat")), QColor(Qt::red));
        QVERIFY(WerdyktMiesciSie(Kontrolka<QLabel>(o, "LabeLKomunikat")));
        QVERIFY(Kontrolka<QLabel>(o, "LabelKomunikat3")->isHidden());
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditTemp")).last(), QStringLiteral("-20,0"));
        QVERIFY(o.Dialogi.Bledy().isEmpty());
    }

    // A second calculation replaces the lines, it does not add to them.
    void dwaObliczeniaPodRzad() {
        TOkno o;
        o.Dodaj(kPrzyklad);
        o.Warunki({});
        o.ZMostkami();
        o.Oblicz();
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditMaterial")).size(), 6);
        o.Oblicz();
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditMaterial")).size(), 6);
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditTemp")),
                 (QStringList{"20,0", "18,2", "16,0", "-19,1", "-19,4", "-20,0"}));

        // Fewer layers: shorter columns, and every column ends where its content ends.
        o.Model().LiczbaWarstw = 1;
        ArkuszPrzegrody(o)->UstawLiczbeWierszy(1);
        o.Oblicz();
        const QList<int> oczekiwane{2, 4, 2, 3, 4, 4, 4, 3, 4, 4, 3};
        QList<int> liczby;
        for (QTextEdit* k : Kolumny(*o.Okno))
            liczby << Linie(k).size();
        QCOMPARE(liczby, oczekiwane);
        QCOMPARE(Kontrolka<QTextEdit>(o, "RichEditMaterial")->height(), 13 + 42);
        QCOMPARE(Kontrolka<QTextEdit>(o, "RichEditTemp")->height(), 13 + 50);
    }

    // A loaded project may hold fifteen layers: everything grows, nothing overlaps, nothing is cut.
    void pietnascieWarstw() {
        TOkno o;
        ArkuszPrzegrody(o)->UstawLiczbeWierszy(15);
        o.Model().LiczbaWarstw = 15;
        for (int r = 0; r < 15; ++r) {
            ArkuszPrzegrody(o)->UstawKomorke(r, 0, QStringLiteral("  %1.").arg(r + 1));
            // A name of 40 characters is wider than the column.
            ArkuszPrzegrody(o)->UstawKomorke(
                r, 1,
                r == 0 ? QStringLiteral("Płyta styropianowa EPS 100-038 fasadowa, grafitowa")
                       : QStringLiteral("Warstwa %1").arg(r + 1));
            ArkuszPrzegrody(o)->UstawKomorke(r, 2, QStringLiteral("0,5"));
            ArkuszPrzegrody(o)->UstawKomorke(r, 3, QStringLiteral("9999999"));
            ArkuszPrzegrody(o)->UstawKomorke(r, 4, QStringLiteral("0,02"));
        }
        o.Warunki({});
        o.ZMostkami();
        o.Oblicz();
        QVERIFY2(o.Dialogi.Wywolania.isEmpty(), qPrintable(o.Dialogi.Bledy().join(u'|')));
        o.Zrzut("pietnascie");
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditMaterial")).size(), 18);
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditTemp")).size(), 18);
        QCOMPARE(Linie(Kontrolka<QTextEdit>(o, "RichEditCisCzast")).size(), 17);
        QCOMPARE(Kontrolka<QTextEdit>(o, "RichEditNr")->height(), 13 * 15 + 42);
        QCOMPARE(Kontrolka<QTextEdit>(o, "RichEditCisCzast")->height(), 13 * 15 + 50);
        for (QTextEdit* k : Kolumny(*o.Okno)) {
            QVERIFY2(k->document()->size().height() <= k->viewport()->height(), qPrintable(k->objectName()));
            // Each line fits its column's width (long ones are condensed, never cut).
            for (QTextBlock b = k->document()->begin(); b.isValid(); b = b.next())
                QVERIFY2(b.layout()->lineAt(0).naturalTextWidth() <= k->viewport()->width() - 4,
                         qPrintable(k->objectName() + QStringLiteral(": ") + b.text()));
        }
        // At the window's smallest size the sheet scrolls down to the last line, never sideways
        // (the name column gives the scroll bar its width); a taller window shows it all.
        o->show();
        QCoreApplication::processEvents();
        const auto* przewijanie = Kontrolka<QWidget>(o, "TabSheetObliczenia")->findChild<QScrollArea*>();
        QVERIFY(przewijanie);
        QVERIFY(!przewijanie->horizontalScrollBar()->isVisible());
        o->resize(o->width(), o->height() + 80);
        QCoreApplication::processEvents();
        QVERIFY(!przewijanie->horizontalScrollBar()->isVisible());
        // (Lines about condensation inside the partition, under the verdict, may make it scroll.)
        if (Kontrolka<QLabel>(o, "LabelKondensacjaWewnatrz")->isHidden())
            QVERIFY(!przewijanie->verticalScrollBar()->isVisible());
        // The verdict and the results stand below the grown table.
        const int dolTabeli = Kontrolka<QTextEdit>(o, "RichEditNr")->geometry().bottom();
        QVERIFY(Kontrolka<QLabel>(o, "LabeLKomunikat")
                    ->mapTo(Kontrolka<QTextEdit>(o, "RichEditNr")->parentWidget(), QPoint(0, 0))
                    .y() > dolTabeli);
        QVERIFY(Kontrolka<QLabel>(o, "LabelUk")
                    ->mapTo(Kontrolka<QTextEdit>(o, "RichEditNr")->parentWidget(), QPoint(0, 0))
                    .y() > dolTabeli);
    }
};

QTEST_MAIN(TestArkuszWynikow)
#include "tst_arkusz_wynikow.moc"
