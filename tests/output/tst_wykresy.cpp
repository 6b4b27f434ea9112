// The two charts as widgets: what a drawing leaves on them, the boundary lines after repeated
// calculations, the legend, zoom, the background picture, and that a drawing really shows.
#include "ModelTestowy.h"
#include "output/WykresMa.h"
#include "output/Wykresy.h"

#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QtTest>

using namespace murolab;

namespace {

// Pixels of a colour (within a small tolerance) in a rendered chart.
int Piksele(const QImage& obraz, const QColor& kolor) {
    int n = 0;
    for (int y = 0; y < obraz.height(); ++y)
        for (int x = 0; x < obraz.width(); ++x) {
            const QColor c = obraz.pixelColor(x, y);
            if (std::abs(c.red() - kolor.red()) < 12 && std::abs(c.green() - kolor.green()) < 12 &&
                std::abs(c.blue() - kolor.blue()) < 12)
                ++n;
        }
    return n;
}

QImage Obraz(TWykres& wykres) {
    QImage obraz(640, 380, QImage::Format_ARGB32);
    obraz.fill(Qt::white);
    QPainter p(&obraz);
    wykres.Renderuj(p, QRectF(0, 0, 640, 380), QSizeF(640, 380));
    return obraz;
}

QList<double> X(const QLineSeries* s) {
    QList<double> x;
    for (const QPointF& p : s->points())
        x << p.x();
    return x;
}

bool Blisko(const QList<double>& a, const QList<double>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (std::abs(a[i] - b[i]) > 1e-9)
            return false;
    return true;
}

} // namespace

class TestWykresy : public QObject {
    Q_OBJECT
private slots:
    void poczatek() {
        TWykresTemperatur t;
        QCOMPARE(t.OsLewa->min(), -31.0);
        QCOMPARE(t.OsLewa->max(), 26.0);
        QCOMPARE(t.OsPrawa->min(), -31.0);
        QVERIFY(t.LinieGranic.empty());
        TWykresTemperatur r(nullptr, TWykres::TWersja::Raport);
        QCOMPARE(r.OsLewa->min(), -25.0);
        QCOMPARE(r.OsLewa->max(), 25.0);
    }

    // One layer 0,2 m at 20 / -5 °C, as on the sheets.
    void jednaWarstwa() {
        const TModelProjektu m = ModelTestowy(20, -5, {0.2});
        TWykresTemperatur t;
        RysujWykresTemperatur(t, m, true);
        QVERIFY(Blisko(X(t.Series3), {-0.01, 0, 0.2, 0.21}));
        QCOMPARE(t.Series4->count(), 1);
        QCOMPARE(t.Series4->at(0).x(), 0.0);
        for (QValueAxis* os : {t.OsLewa, t.OsPrawa}) {
            QCOMPARE(os->min(), -8.0);
            QCOMPARE(os->max(), 23.0);
        }
        QCOMPARE(int(t.LinieGranic.size()), 11);
        QVERIFY(Blisko(X(t.LinieGranic[0]), {0, 0}));
        QVERIFY(Blisko(X(t.LinieGranic[1]), {0.2, 0.2}));
        QCOMPARE(t.LinieGranic[1]->at(0).y(), -8.0);
        QCOMPARE(t.LinieGranic[1]->at(1).y(), 23.0);
        for (std::size_t i = 2; i < t.LinieGranic.size(); ++i)
            QCOMPARE(t.LinieGranic[i]->count(), 0);

        TWykresCisnien c;
        RysujWykresCisnien(c, m, true);
        QVERIFY(Blisko(X(c.Series1), {0, 0.2}));
        QVERIFY(Blisko(X(c.Series2), {-0.004, 0, 0.2, 0.204}));
        QCOMPARE(c.LinieGranic[0]->at(0).y(), 0.0);
        QVERIFY(std::abs(c.LinieGranic[0]->at(1).y() - 2387) < 1e-9); // 23,37 hPa + 50 Pa
        QCOMPARE(c.OsLewa->min(), 0.0);
        QVERIFY(c.OsLewa->max() >= 2387);
    }

    void dwaObliczeniaJedenZestawLinii() {
        const TModelProjektu m = ModelTestowy(20, -20, {0.015, 0.24, 0.12, 0.005});
        TWykresCisnien c;
        TWykresTemperatur t;
        for (int i = 0; i < 3; ++i) {
            // As the calculate command does: empty both, then draw pressure first.
            WyczyscWykres(c);
            WyczyscWykres(t);
            RysujWykresCisnien(c, m, true);
            RysujWykresTemperatur(t, m, true);
        }
        QCOMPARE(int(c.LinieGranic.size()), 11);
        QCOMPARE(int(t.LinieGranic.size()), 11);
        // The pressures, the condensation line and its planes (both empty here), the 11 lines.
        QCOMPARE(c.Wykres->series().size(), 4 + 11);
        QCOMPARE(t.Wykres->series().size(), 2 + 11);
        // A drawing without the reset before it replaces the lines as well.
        RysujWykresTemperatur(t, m, true);
        QCOMPARE(t.Wykres->series().size(), 2 + 11);
        QCOMPARE(t.Series3->count(), 7);

        WyczyscWykres(t);
        WyczyscWykres(c);
        QVERIFY(t.LinieGranic.empty());
        QCOMPARE(t.Wykres->series().size(), 2);
        QCOMPARE(t.Series3->count(), 0);
        QCOMPARE(t.Series4->count(), 0);
        QCOMPARE(c.Series1->count() + c.Series2->count(), 0);
        QCOMPARE(t.OsLewa->min(), -23.0); // the axes keep the last range
    }

    void pietnascieWarstw() {
        const TModelProjektu m = ModelTestowy(
            20, -5,
            {0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01, 0.01});
        TWykresTemperatur t;
        TWykresCisnien c;
        RysujWykresTemperatur(t, m, true);
        RysujWykresCisnien(c, m, true);
        QCOMPARE(int(t.LinieGranic.size()), 16);
        QCOMPARE(int(c.LinieGranic.size()), 16);
        for (QLineSeries* s : t.LinieGranic)
            QCOMPARE(s->count(), 2);
        QVERIFY(std::abs(t.LinieGranic.back()->at(0).x() - 0.15) < 1e-9);
    }

    void legenda() {
        const TModelProjektu m = ModelTestowy(20, -5, {0.2});
        TWykresTemperatur t;
        RysujWykresTemperatur(t, m, true);
        // The grey lines never reach the legend; the legend lists the temperatures in order.
        for (QLineSeries* s : t.LinieGranic)
            for (QLegendMarker* marker : t.Wykres->legend()->markers(s))
                QVERIFY(!marker->isVisible());
        const QList<TWpisLegendy> wpisy = t.WpisyLegendy();
        QCOMPARE(wpisy.size(), 4);
        QCOMPARE(wpisy.first().Tekst, QStringLiteral("20"));
        QCOMPARE(wpisy.last().Tekst, QStringLiteral("-5"));
        // The dew point's value mark with the decimal comma.
        const QList<TWykres::TZnacznik> z = t.Znaczniki();
        QCOMPARE(z.size(), 1);
        QVERIFY(z.first().Tekst.endsWith(QStringLiteral("°C-pkt rosy")));
        QVERIFY(!z.first().Tekst.contains(u'.'));

        TWykresCisnien c;
        QCOMPARE(c.WpisyLegendy().size(), 2);
        QCOMPARE(c.WpisyLegendy().first().Tekst, QStringLiteral("Ciśnienie cząst. Po"));
    }

    // What the drawing shows reaches the pixels: the series in their colours, the dew point's mark
    // only when the indoor side is warmer.
    void rysunekWidac() {
        const TModelProjektu m = ModelTestowy(20, -20, {0.015, 0.24, 0.12, 0.005});
        TWykresTemperatur t;
        const QImage pusty = Obraz(t);
        RysujWykresTemperatur(t, m, true);
        const QImage zima = Obraz(t);
        QVERIFY(Piksele(zima, QColor(0, 128, 0)) > Piksele(pusty, QColor(0, 128, 0)) + 300);
        QVERIFY(Piksele(zima, QColor(255, 255, 225)) > 100); // the mark's box

        RysujWykresTemperatur(t, m, false);
        QCOMPARE(Piksele(Obraz(t), QColor(255, 255, 225)), 0);

        TWykresCisnien c(nullptr, TWykres::TWersja::Raport);
        RysujWykresCisnien(c, m, true);
        const QImage cisnienia = Obraz(c);
        QVERIFY(Piksele(cisnienia, QColor(255, 0, 0)) > 200);
        QVERIFY(Piksele(cisnienia, QColor(0, 0, 255)) > 200);
    }

    void prawyPrzyciskCofaPowiekszenie() {
        const TModelProjektu m = ModelTestowy(20, -5, {0.2});
        TWykresCisnien c;
        c.resize(684, 367);
        c.show();
        RysujWykresCisnien(c, m, true);
        QCOMPARE(c.rubberBand(), QChartView::RectangleRubberBand);
        QCOMPARE(c.viewport()->cursor().shape(), Qt::PointingHandCursor);
        c.Wykres->zoomIn(c.Wykres->plotArea().adjusted(50, 20, -50, -20));
        QVERIFY(c.Wykres->isZoomed());
        QTest::mouseClick(c.viewport(), Qt::RightButton, {}, QPoint(300, 200));
        QVERIFY(!c.Wykres->isZoomed());
        QCOMPARE(c.OsLewa->min(), 0.0);
        // A new drawing after a zoom starts from the whole partition again.
        c.Wykres->zoomIn(c.Wykres->plotArea().adjusted(50, 20, -50, -20));
        RysujWykresCisnien(c, m, true);
        QVERIFY(!c.Wykres->isZoomed());
        QVERIFY(std::abs(c.OsDolna->min() + 0.004) < 1e-9);
    }

    // A drag zooms into the dragged band when it goes right, and undoes every zoom when it goes
    // left; a right click undoes it too.
    void przeciaganieMysza_data() {
        QTest::addColumn<int>("odX");
        QTest::addColumn<int>("doX");
        QTest::addColumn<bool>("powiekszonyPrzed");
        QTest::addColumn<bool>("powiekszonyPo");
        QTest::newRow("w prawo powiększa") << 200 << 400 << false << true;
        QTest::newRow("w prawo powiększa dalej") << 200 << 400 << true << true;
        QTest::newRow("w lewo cofa powiększenie") << 400 << 200 << true << false;
        QTest::newRow("w lewo bez powiększenia nic nie robi") << 400 << 200 << false << false;
    }
    void przeciaganieMysza() {
        QFETCH(int, odX);
        QFETCH(int, doX);
        QFETCH(bool, powiekszonyPrzed);
        QFETCH(bool, powiekszonyPo);
        const TModelProjektu m = ModelTestowy(20, -5, {0.2});
        TWykresTemperatur c;
        c.resize(684, 367);
        c.show();
        RysujWykresTemperatur(c, m, true);
        if (powiekszonyPrzed)
            c.Wykres->zoomIn(c.Wykres->plotArea().adjusted(50, 20, -50, -20));
        QCOMPARE(c.Wykres->isZoomed(), powiekszonyPrzed);
        const auto mysz = [&c](QEvent::Type typ, QPoint gdzie, Qt::MouseButtons wcisniete) {
            QMouseEvent z(typ, gdzie, c.viewport()->mapToGlobal(gdzie), Qt::LeftButton, wcisniete,
                          Qt::NoModifier);
            QCoreApplication::sendEvent(c.viewport(), &z);
        };
        mysz(QEvent::MouseButtonPress, QPoint(odX, 120), Qt::LeftButton);
        mysz(QEvent::MouseMove, QPoint((odX + doX) / 2, 180), Qt::LeftButton);
        mysz(QEvent::MouseMove, QPoint(doX, 240), Qt::LeftButton);
        mysz(QEvent::MouseButtonRelease, QPoint(doX, 240), Qt::NoButton);
        QCOMPARE(c.Wykres->isZoomed(), powiekszonyPo);
        if (!powiekszonyPo) {
            QCOMPARE(c.OsLewa->min(), -8.0);
            QCOMPARE(c.OsLewa->max(), 23.0);
        }
        for (const QRubberBand* pasmo : c.findChildren<QRubberBand*>())
            QVERIFY(!pasmo->isVisible());
    }

    void tlo() {
        TWykresTemperatur t;
        QVERIFY(!t.WczytajTlo(QStringLiteral("/nie/ma/takiego/tlo.bmp")));
        QTemporaryDir katalog;
        const QString plik = katalog.filePath(QStringLiteral("tlo.bmp"));
        QImage obraz(40, 30, QImage::Format_RGB32);
        obraz.fill(QColor(255, 0, 255));
        QVERIFY(obraz.save(plik));
        QVERIFY(t.WczytajTlo(plik));
        QVERIFY(t.MaTlo());
        // Laid over the plot area, faded so that the series stay readable.
        const QImage wynik = Obraz(t);
        QVERIFY(Piksele(wynik, QColor(255, 140, 255)) > 10000);
        QCOMPARE(Piksele(wynik, QColor(255, 0, 255)), 0);
    }

    // A dry year, then one holding 23 kg/m² at its worst: the axis takes the new range and step at
    // once. (Changing the range under the old small step once laid out 100 000 ticks and took minutes.)
    void osMaPoSuchymRoku() {
        TWykresMa w;
        w.Rysuj(std::vector<double>(12, 0.0));
        const double sucha = w.GoraOsi();
        QVERIFY(sucha >= 1.0 && sucha <= 2.0);
        w.Rysuj({0, 0, 23000, 18000, 0, 0, 0, 0, 0, 0, 0, 500});
        QVERIFY(w.GoraOsi() >= 23000 * 1.05);
        QVERIFY(w.GoraOsi() <= 30000);
        QCOMPARE(w.Wartosci().size(), std::size_t(12));
        w.Rysuj({});
        QCOMPARE(w.GoraOsi(), sucha);
    }
};

QTEST_MAIN(TestWykresy)
#include "tst_wykresy.moc"
