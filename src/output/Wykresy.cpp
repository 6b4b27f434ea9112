#include "output/Wykresy.h"

#include <QApplication>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRubberBand>
#include <QScatterSeries>
#include <QTimer>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace murolab {

namespace {

const QColor kSzary(128, 128, 128);
const QColor kGranat(0, 0, 128);
const QColor kCzerwony(255, 0, 0);
const QColor kZielony(0, 128, 0);
const QColor kNiebieskiJasny(0, 128, 255);
const QColor kNiebieski(0, 0, 255);
const QColor kFiolet(160, 0, 160);

// How strongly the background picture shows through: enough to be seen, never enough to hide a
// series or a grid line.
constexpr qreal kKryciePodkladu = 0.45;

QFont Czcionka(const QString& rodzina, int piksele, bool gruba = false) {
    QFont f = rodzina.isEmpty() ? QApplication::font() : QFont(rodzina);
    f.setPixelSize(piksele);
    f.setBold(gruba);
    return f;
}

// The point markers, drawn large and scaled down by the chart so that they stay sharp in print.
QImage ObrazZnacznika(const QColor& kolor, bool romb) {
    constexpr int kBok = 48;
    QImage obraz(kBok, kBok, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kolor.darker(150), 3));
    p.setBrush(kolor);
    if (romb) {
        QPolygonF w;
        w << QPointF(kBok / 2.0, 2) << QPointF(kBok - 2, kBok / 2.0) << QPointF(kBok / 2.0, kBok - 2)
          << QPointF(2, kBok / 2.0);
        p.drawPolygon(w);
    } else {
        p.drawRect(QRectF(4, 4, kBok - 8, kBok - 8));
    }
    return obraz;
}

QList<QPointF> NaPunktyQt(const std::vector<TPunkt>& punkty) {
    QList<QPointF> w;
    w.reserve(static_cast<qsizetype>(punkty.size()));
    for (const TPunkt& p : punkty)
        w.append(QPointF(p.X, p.Y));
    return w;
}

void UkryjWLegendzie(QChart* wykres, QAbstractSeries* seria) {
    for (QLegendMarker* m : wykres->legend()->markers(seria))
        m->setVisible(false);
}

} // namespace

// ---- the background picture, between the white panel and the grid ----------------------------

class TTloWykresu : public QGraphicsItem {
public:
    explicit TTloWykresu(QChart* wykres) : QGraphicsItem(wykres), wykres_(wykres) {
        // Above the plot area's panel, below the shades, grid and series of the chart.
        setZValue(0.5);
    }
    QImage Obraz;
    void Odswiez() {
        prepareGeometryChange();
        obszar_ = wykres_->plotArea();
        update();
    }
    QRectF boundingRect() const override { return obszar_; }
    void paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*) override {
        if (Obraz.isNull() || obszar_.isEmpty())
            return;
        p->save();
        p->setOpacity(kKryciePodkladu);
        p->setRenderHint(QPainter::SmoothPixmapTransform);
        p->drawImage(obszar_, Obraz);
        p->restore();
    }

private:
    QChart* wykres_;
    QRectF obszar_;
};

// ---- what Qt Charts cannot place: the left-aligned title, the legend with its colour boxes and
// shadow, the captions placed at the ends of the axes, and the value marks ---------------------

class TOpisyWykresu : public QGraphicsItem {
public:
    explicit TOpisyWykresu(TWykres* w) : QGraphicsItem(w->Wykres), w_(w) { setZValue(1000); }

    QRectF boundingRect() const override { return QRectF(QPointF(0, 0), w_->Wykres->size()); }

    QFont CzcionkaOpisow() const {
        return w_->Wersja() == TWykres::TWersja::Ekran ? Czcionka({}, 11)
                                                       : Czcionka(QStringLiteral("Arial"), 11);
    }

    struct TUklad {
        QList<QList<int>> Wiersze; // entry indices per row
        QList<qreal> Szerokosci;   // width of each entry
        qreal WysokoscWiersza = 0;
    };

    TUklad UlozLegende(qreal dostepne) const {
        TUklad u;
        const QFontMetricsF fm(CzcionkaOpisow());
        u.WysokoscWiersza = fm.height() + 6;
        const QList<TWpisLegendy> wpisy = w_->WpisyLegendy();
        QList<int> wiersz;
        qreal szer = 0;
        for (int i = 0; i < wpisy.size(); ++i) {
            const qreal s = w_->szerokoscPolaLegendy_ + 4 + fm.horizontalAdvance(wpisy[i].Tekst) + 10;
            u.Szerokosci << s;
            if (!wiersz.isEmpty() && szer + s > dostepne) {
                u.Wiersze << wiersz;
                wiersz.clear();
                szer = 0;
            }
            wiersz << i;
            szer += s;
        }
        if (!wiersz.isEmpty())
            u.Wiersze << wiersz;
        return u;
    }

    // Room above the plot: the title, the legend and the caption row.
    qreal PotrzebnaWysokosc(qreal szerokosc) const {
        const TUklad u = UlozLegende(szerokosc - 40);
        const qreal legenda = u.Wiersze.isEmpty() ? 0 : u.Wiersze.size() * u.WysokoscWiersza + 6;
        const qreal opisy = QFontMetricsF(CzcionkaOpisow()).height() + 6;
        return WysokoscTytulu() + legenda + opisy;
    }

    void paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*) override {
        QChart* c = w_->Wykres;
        const QRectF pole = c->plotArea();
        if (pole.isEmpty())
            return;
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->setRenderHint(QPainter::TextAntialiasing);
        RysujTytul(p);
        RysujLegende(p);
        RysujOpisyOsi(p, pole);
        RysujZnaczniki(p, pole);
        p->restore();
    }

private:
    // Left-aligned, at the top of the room kept above the plot (Qt Charts only centres titles).
    void RysujTytul(QPainter* p) {
        QChart* c = w_->Wykres;
        const QRectF legenda = c->legend()->geometry();
        p->setFont(w_->czcionkaTytulu_);
        p->setPen(w_->Wersja() == TWykres::TWersja::Ekran ? kGranat : QColor(Qt::black));
        const QRectF r(c->margins().left() + 4, legenda.top(), c->size().width(), WysokoscTytulu());
        p->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, w_->tytul_);
    }

    qreal WysokoscTytulu() const {
        return w_->tytul_.isEmpty() ? 0 : QFontMetricsF(w_->czcionkaTytulu_).height() + 4;
    }

    void RysujLegende(QPainter* p) {
        QChart* c = w_->Wykres;
        const QRectF legenda = c->legend()->geometry();
        const QList<TWpisLegendy> wpisy = w_->WpisyLegendy();
        const TUklad u = UlozLegende(c->size().width() - 40);
        if (u.Wiersze.isEmpty())
            return;
        qreal szerokosc = 0;
        for (const QList<int>& wiersz : u.Wiersze) {
            qreal s = 0;
            for (int i : wiersz)
                s += u.Szerokosci[i];
            szerokosc = std::max(szerokosc, s);
        }
        const QRectF ramka(c->size().width() / 2 - szerokosc / 2, legenda.top() + WysokoscTytulu() + 2,
                           szerokosc, u.Wiersze.size() * u.WysokoscWiersza);
        if (w_->cienLegendy_.isValid())
            p->fillRect(ramka.translated(2, 2), w_->cienLegendy_);
        p->fillRect(ramka, Qt::white);
        p->setPen(QPen(Qt::black, 1));
        p->setBrush(Qt::NoBrush);
        p->drawRect(ramka);

        const QFont f = CzcionkaOpisow();
        p->setFont(f);
        qreal y = ramka.top();
        for (int r = 0; r < u.Wiersze.size(); ++r) {
            const QList<int>& wiersz = u.Wiersze[r];
            qreal s = 0;
            for (int i : wiersz)
                s += u.Szerokosci[i];
            qreal x = ramka.left() + (szerokosc - s) / 2;
            for (int k = 0; k < wiersz.size(); ++k) {
                const int i = wiersz[k];
                const QRectF pole(x + 5, y + u.WysokoscWiersza / 2 - 4, w_->szerokoscPolaLegendy_, 8);
                p->fillRect(pole, wpisy[i].Kolor);
                p->setPen(QPen(Qt::black, 0.5));
                p->drawRect(pole);
                p->setPen(Qt::black);
                p->drawText(QRectF(pole.right() + 4, y, u.Szerokosci[i], u.WysokoscWiersza),
                            Qt::AlignLeft | Qt::AlignVCenter, wpisy[i].Tekst);
                x += u.Szerokosci[i];
                if (w_->LegendaZPodzialem() && k + 1 < wiersz.size()) {
                    p->setPen(QPen(kSzary, 0.8));
                    p->drawLine(QPointF(x, y + 2), QPointF(x, y + u.WysokoscWiersza - 2));
                }
            }
            y += u.WysokoscWiersza;
            if (w_->LegendaZPodzialem() && r + 1 < u.Wiersze.size()) {
                p->setPen(QPen(kSzary, 0.8));
                p->drawLine(QPointF(ramka.left() + 2, y), QPointF(ramka.right() - 2, y));
            }
        }
    }

    void RysujOpisyOsi(QPainter* p, const QRectF& pole) {
        QChart* c = w_->Wykres;
        const QFont f = CzcionkaOpisow();
        const QFontMetricsF fm(f);
        p->setFont(f);
        p->setPen(Qt::black);
        // Over the plot, under the legend: the unit or the two sides, at the ends of the plot.
        const qreal yGora = pole.top() - fm.height() - 3;
        if (!w_->goraLewy_.isEmpty())
            p->drawText(QRectF(pole.left(), yGora, pole.width() / 2, fm.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, w_->goraLewy_);
        if (!w_->goraPrawy_.isEmpty())
            p->drawText(QRectF(pole.center().x(), yGora, pole.width() / 2, fm.height()),
                        Qt::AlignRight | Qt::AlignVCenter, w_->goraPrawy_);
        // Under the axis labels, in the room the bottom margin keeps: the title at the right end.
        const QSizeF rozmiar = c->size();
        if (!w_->dolny_.isEmpty())
            p->drawText(QRectF(pole.left(), rozmiar.height() - c->margins().bottom(), pole.width(),
                               c->margins().bottom() - 2),
                        Qt::AlignRight | Qt::AlignVCenter, w_->dolny_);
        // The outer side's title, turned, in the room the right margin keeps.
        if (!w_->prawy_.isEmpty()) {
            p->save();
            const qreal x = rozmiar.width() - c->margins().right() / 2.0;
            p->translate(x, pole.center().y());
            p->rotate(-90);
            p->drawText(QRectF(-pole.height() / 2, -fm.height() / 2, pole.height(), fm.height()),
                        Qt::AlignCenter, w_->prawy_);
            p->restore();
        }
    }

    void RysujZnaczniki(QPainter* p, const QRectF& pole) {
        QChart* c = w_->Wykres;
        const QFont f = CzcionkaOpisow();
        const QFontMetricsF fm(f);
        p->setFont(f);
        const QList<QAbstractSeries*> serie = c->series();
        if (serie.isEmpty())
            return;
        for (const TWykres::TZnacznik& z : w_->Znaczniki()) {
            const QPointF punkt = c->mapToPosition(z.Punkt, serie.constFirst());
            if (!pole.adjusted(-1, -1, 1, 1).contains(punkt))
                continue; // zoomed out of view
            const qreal szer = fm.horizontalAdvance(z.Tekst) + 8;
            const qreal wys = fm.height() + 4;
            constexpr qreal kStrzalka = 5; // the mark's arrow
            QRectF ramka(punkt.x() - szer / 2, punkt.y() - kStrzalka - 4 - wys, szer, wys);
            // Keep the mark inside the plot: pushed sideways at the edges, below the point at the top.
            if (ramka.left() < pole.left() + 2)
                ramka.moveLeft(pole.left() + 2);
            if (ramka.right() > pole.right() - 2)
                ramka.moveRight(pole.right() - 2);
            if (ramka.top() < pole.top() + 2)
                ramka.moveTop(punkt.y() + kStrzalka + 4);
            const QPointF koniec(std::clamp(punkt.x(), ramka.left() + 2, ramka.right() - 2),
                                 ramka.top() > punkt.y() ? ramka.top() : ramka.bottom());
            p->setPen(QPen(Qt::black, 1));
            p->drawLine(punkt, koniec);
            p->setBrush(QColor(255, 255, 225));
            p->drawRect(ramka);
            p->drawText(ramka, Qt::AlignCenter, z.Tekst);
        }
    }

    TWykres* w_;
};

// ---- TWykres -------------------------------------------------------------------------------------

// The chart is handed to the view's constructor: the plain constructor makes a chart of its own,
// which setChart() would leave behind undeleted.
TWykres::TWykres(TWersja wersja, QWidget* rodzic) : QChartView(new QChart, rodzic), wersja_(wersja) {
    Wykres = chart();
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);

    // Axis labels with the decimal comma and without the Polish grouping blank.
    QLocale polski(QLocale::Polish, QLocale::Poland);
    polski.setNumberOptions(QLocale::OmitGroupSeparator);
    Wykres->setLocalizeNumbers(true);
    Wykres->setLocale(polski);

    Wykres->setBackgroundRoundness(0);
    Wykres->layout()->setContentsMargins(0, 0, 0, 0);
    Wykres->setAnimationOptions(QChart::NoAnimation);
    Wykres->setPlotAreaBackgroundVisible(true);
    Wykres->setPlotAreaBackgroundBrush(Qt::white);
    Wykres->setPlotAreaBackgroundPen(QPen(Qt::black, 1));
    Wykres->legend()->setAlignment(Qt::AlignTop);
    Wykres->legend()->setBackgroundVisible(false);
    Wykres->legend()->setVisible(true);

    const QFont opisy = wersja == TWersja::Ekran ? Czcionka({}, 11) : Czcionka(QStringLiteral("Arial"), 11);
    OsDolna = new QValueAxis;
    OsLewa = new QValueAxis;
    OsPrawa = new QValueAxis;
    for (QValueAxis* os : {OsDolna, OsLewa, OsPrawa}) {
        os->setLabelsFont(opisy);
        os->setTitleFont(opisy);
        os->setTitleBrush(Qt::black);
        os->setLabelsBrush(Qt::black);
        os->setTickType(QValueAxis::TicksDynamic);
        os->setTickAnchor(0);
        os->setGridLinePen(QPen(Qt::black, 0.6, Qt::DotLine));
        os->setMinorGridLinePen(QPen(kSzary, 0.5, Qt::DotLine));
    }
    Wykres->addAxis(OsDolna, Qt::AlignBottom);
    Wykres->addAxis(OsLewa, Qt::AlignLeft);
    Wykres->addAxis(OsPrawa, Qt::AlignRight);
    OsDolna->setLineVisible(false);
    OsPrawa->setLabelsVisible(false);
    OsPrawa->setLineVisible(false);
    OsPrawa->setGridLineVisible(false);
    UstawOsX({0, 1});

    tlo_ = new TTloWykresu(Wykres);
    opisy_ = new TOpisyWykresu(this);
    connect(Wykres, &QChart::plotAreaChanged, this, [this] {
        tlo_->Odswiez();
        opisy_->update();
    });
    for (QValueAxis* os : {OsDolna, OsLewa, OsPrawa})
        connect(os, &QValueAxis::rangeChanged, this, [this, os](qreal min, qreal max) {
            UstawPodzialke({os}, min, max);
            opisy_->update();
        });
    connect(Wykres, &QGraphicsWidget::geometryChanged, this, &TWykres::Przeloz);

    if (wersja == TWersja::Ekran) {
        setRubberBand(QChartView::RectangleRubberBand);
        viewport()->setCursor(Qt::PointingHandCursor);
        setCursor(Qt::PointingHandCursor);
    } else {
        setInteractive(false);
        Wykres->setAnimationOptions(QChart::NoAnimation);
    }
}

bool TWykres::WczytajTlo(const QString& plik) {
    QImage obraz;
    if (!obraz.load(plik) || obraz.isNull())
        return false;
    tlo_->Obraz = obraz;
    tlo_->Odswiez();
    return true;
}

bool TWykres::MaTlo() const {
    return !tlo_->Obraz.isNull();
}

void TWykres::UstawTytul(const QString& tytul, const QFont& czcionka) {
    tytul_ = tytul;
    czcionkaTytulu_ = czcionka;
    Przeloz();
}

void TWykres::UstawOpisy(const QString& goraLewy, const QString& goraPrawy, const QString& dolny,
                         const QString& prawy) {
    goraLewy_ = goraLewy;
    goraPrawy_ = goraPrawy;
    dolny_ = dolny;
    prawy_ = prawy;
    Przeloz();
}

void TWykres::Przeloz() {
    if (przekladanie_)
        return;
    przekladanie_ = true;
    const QSizeF rozmiar = Wykres->size();
    const QFontMetricsF fm(opisy_->CzcionkaOpisow());
    // Margins: a little room on the left (2 % of the width), the bottom title's row and the turned
    // right title's column kept free for the overlay.
    const int lewy = std::max(6, static_cast<int>(std::lround(rozmiar.width() * 0.02)));
    const int prawy = prawy_.isEmpty() ? std::max(4, static_cast<int>(std::lround(rozmiar.width() * 0.01)))
                                       : static_cast<int>(std::ceil(fm.height())) + 8;
    const int dolny = dolny_.isEmpty() ? 4 : static_cast<int>(std::ceil(fm.height())) + 6;
    const QMargins marginesy(lewy, 4, prawy, dolny);
    if (Wykres->margins() != marginesy)
        Wykres->setMargins(marginesy);
    const qreal wysokosc = std::ceil(opisy_->PotrzebnaWysokosc(rozmiar.width()));
    if (std::abs(Wykres->legend()->minimumHeight() - wysokosc) > 0.5) {
        Wykres->legend()->setMinimumHeight(wysokosc);
        Wykres->legend()->setMaximumHeight(wysokosc);
    }
    // Every series gets a legend marker when it is added; the legend is drawn by the overlay.
    for (QLegendMarker* m : Wykres->legend()->markers())
        m->setVisible(false);
    opisy_->update();
    przekladanie_ = false;
}

void TWykres::Renderuj(QPainter& painter, const QRectF& cel, const QSizeF& rozmiar) {
    const QRectF obszar(QPointF(0, 0), rozmiar);
    scene()->setSceneRect(obszar);
    Wykres->setGeometry(obszar);
    Przeloz();
    Wykres->layout()->activate();
    tlo_->Odswiez();
    scene()->render(&painter, cel, obszar, Qt::IgnoreAspectRatio);
}

// Back to the drawn ranges. The ticks are coarsened first: the zoomed step over the whole range
// would be far too fine.
void TWykres::CofnijPowiekszenie() {
    if (!Wykres->isZoomed())
        return;
    for (QValueAxis* os : {OsDolna, OsLewa, OsPrawa})
        os->setTickInterval(std::max(os->tickInterval(), 1e9));
    Wykres->zoomReset();
}

void TWykres::mousePressEvent(QMouseEvent* zdarzenie) {
    if (zdarzenie->button() == Qt::LeftButton)
        poczatekPrzeciagania_ = zdarzenie->position();
    QChartView::mousePressEvent(zdarzenie);
}

void TWykres::mouseReleaseEvent(QMouseEvent* zdarzenie) {
    if (wersja_ != TWersja::Ekran) {
        QChartView::mouseReleaseEvent(zdarzenie);
        return;
    }
    // Only zooming is animated: a new drawing shows its result at once.
    Wykres->setAnimationDuration(krokiPowiekszenia_ * 60);
    Wykres->setAnimationOptions(QChart::SeriesAnimations | QChart::GridAxisAnimations);
    const bool wstecz = zdarzenie->button() == Qt::LeftButton && poczatekPrzeciagania_ &&
                        zdarzenie->position().x() < poczatekPrzeciagania_->x() - kPrzeciaganieWstecz;
    poczatekPrzeciagania_.reset();
    if (zdarzenie->button() == Qt::RightButton || wstecz) {
        // The right button, or a drag from right to left, undoes every zoom at once (instead of
        // Qt's single step back, or a zoom into the dragged band).
        for (QRubberBand* pasmo : findChildren<QRubberBand*>())
            pasmo->hide();
        CofnijPowiekszenie();
        zdarzenie->accept();
    } else {
        QChartView::mouseReleaseEvent(zdarzenie);
    }
    QTimer::singleShot(Wykres->animationDuration() + 50, Wykres,
                       [w = Wykres] { w->setAnimationOptions(QChart::NoAnimation); });
}

// The tick step follows the range, so that zooming keeps round labels. A wide range is never laid
// out with a fine step (Qt would make a label for each of thousands of ticks): a coarser step is
// set before the range, a finer one after it. The left and the right axis share the series'
// domain, so setting the range of one moves the other: both get their step first.
void TWykres::UstawPodzialke(std::initializer_list<QValueAxis*> osie, double min, double max) {
    const double krok = KrokPodzialki(max - min, *osie.begin() == OsDolna ? 10 : 7);
    for (QValueAxis* os : osie)
        if (krok > os->tickInterval())
            os->setTickInterval(krok);
    for (QValueAxis* os : osie)
        if (os->min() != min || os->max() != max)
            os->setRange(min, max);
    for (QValueAxis* os : osie) {
        if (krok < os->tickInterval())
            os->setTickInterval(krok);
        os->setLabelFormat(QStringLiteral("%.%1f").arg(MiejscPoPrzecinku(krok)));
    }
}

void TWykres::UstawOsX(const TZakres& zakres) {
    UstawPodzialke({OsDolna}, zakres.Min, zakres.Max);
}

void TWykres::UstawOsY(const TZakres& zakres) {
    UstawPodzialke({OsLewa, OsPrawa}, zakres.Min, zakres.Max);
}

QLineSeries* TWykres::NowaSeria(const QString& tytul, const QColor& kolor, bool romb,
                                qreal rozmiarZnacznika) {
    auto* s = new QLineSeries;
    s->setName(tytul);
    s->setPen(QPen(kolor, wersja_ == TWersja::Ekran ? 2.0 : 1.5));
    s->setLightMarker(ObrazZnacznika(kolor, romb));
    s->setMarkerSize(rozmiarZnacznika);
    Wykres->addSeries(s);
    for (QValueAxis* os : {OsDolna, OsLewa, OsPrawa})
        s->attachAxis(os);
    UkryjWLegendzie(Wykres, s);
    return s;
}

void TWykres::UbierzNaEkran(const QColor& gora, const QColor& dol, const QColor& cien,
                            int krokiPowiekszenia) {
    QLinearGradient g(0, 0, 0, 1);
    g.setCoordinateMode(QGradient::ObjectBoundingMode);
    g.setColorAt(0, gora);
    g.setColorAt(1, dol);
    Wykres->setBackgroundBrush(g);
    szerokoscPolaLegendy_ = 20;
    cienLegendy_ = cien;
    krokiPowiekszenia_ = krokiPowiekszenia;
}

void TWykres::UsunLinieGranic() {
    for (QLineSeries* s : LinieGranic) {
        Wykres->removeSeries(s);
        delete s;
    }
    LinieGranic.clear();
}

void TWykres::UtworzLinieGranic(const std::vector<TLinia>& linie, int liczbaSerii) {
    UsunLinieGranic();
    for (int i = 0; i < liczbaSerii; ++i) {
        auto* s = new QLineSeries;
        s->setPen(QPen(kSzary, 1));
        if (i < static_cast<int>(linie.size()))
            s->append({QPointF(linie[i].Dol.X, linie[i].Dol.Y), QPointF(linie[i].Gora.X, linie[i].Gora.Y)});
        Wykres->addSeries(s);
        for (QValueAxis* os : {OsDolna, OsLewa, OsPrawa})
            s->attachAxis(os);
        UkryjWLegendzie(Wykres, s);
        LinieGranic.push_back(s);
    }
}

// The data series are put back on top of the boundary lines just created, so that a grey line
// never covers a marker.
static void NaWierzch(QChart* wykres, std::initializer_list<QLineSeries*> serie, QValueAxis* x, QValueAxis* l,
                      QValueAxis* p) {
    for (QLineSeries* s : serie) {
        wykres->removeSeries(s);
        wykres->addSeries(s);
        for (QValueAxis* os : {x, l, p})
            s->attachAxis(os);
        UkryjWLegendzie(wykres, s);
    }
}

// ---- diffusion diagram ---------------------------------------------------------------------------

TWykresCisnien::TWykresCisnien(QWidget* rodzic, TWersja wersja) : TWykres(wersja, rodzic) {
    if (wersja == TWersja::Ekran) {
        UstawTytul(QStringLiteral("Diagram przebiegu dyfuzji"), Czcionka({}, 19, true));
        UbierzNaEkran(QColor(128, 128, 64), QColor(207, 214, 210), QColor(0, 0, 160), 4);
        Series1 = NowaSeria(QStringLiteral("Ciśnienie cząst. Po"), kCzerwony, false, 5);
        Series2 = NowaSeria(QStringLiteral("Ciśnienie nasyc. Ps"), kNiebieskiJasny, true, 7);
        UstawOpisy(QStringLiteral("[Pa]"), {}, QStringLiteral("Przekrój przez przegrodę. [m]"),
                   QStringLiteral("zewnątrz"));
    } else {
        UstawTytul(QStringLiteral("Rozkład ciśnień w przegrodzie"),
                   Czcionka(QStringLiteral("Arial"), 24, true));
        Wykres->setBackgroundBrush(Qt::white);
        Wykres->setBackgroundPen(Qt::NoPen);
        szerokoscPolaLegendy_ = 15;
        Series1 = NowaSeria(QStringLiteral("Ciśnienie cząstkowe"), kCzerwony, false, 5);
        Series2 = NowaSeria(QStringLiteral("Ciśnienie nasycenia"), kNiebieski, true, 7);
        UstawOpisy(QStringLiteral("[Pa]"), {}, QStringLiteral("Przekrój przez przegrodę [m]"),
                   QStringLiteral("zewnątrz"));
        OsLewa->setGridLinePen(QPen(kSzary, 0.5, Qt::DotLine));
    }
    SeriaKondensacji = NowaSeria(QStringLiteral("linia ciśnienia przy kondensacji"), kFiolet, false, 0);
    SeriaKondensacji->setPen(QPen(kFiolet, wersja == TWersja::Ekran ? 2.0 : 1.5, Qt::DashLine));
    SeriaKondensacji->setLightMarker(QImage());
    SeriaPlaszczyzn = new QScatterSeries;
    SeriaPlaszczyzn->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    SeriaPlaszczyzn->setMarkerSize(9);
    SeriaPlaszczyzn->setColor(kFiolet);
    SeriaPlaszczyzn->setBorderColor(Qt::black);
    Wykres->addSeries(SeriaPlaszczyzn);
    for (QValueAxis* os : {OsDolna, OsLewa, OsPrawa})
        SeriaPlaszczyzn->attachAxis(os);
    UkryjWLegendzie(Wykres, SeriaPlaszczyzn);
    OsLewa->setTitleText(QStringLiteral("wewnątrz"));
    OsLewa->setGridLineVisible(true);
    OsDolna->setGridLineVisible(false);
    UstawOsY({0, 1});
}

QList<TWpisLegendy> TWykresCisnien::WpisyLegendy() const {
    if (!Series1 || !Series2) // still being built
        return {};
    QList<TWpisLegendy> wpisy{{Series1->pen().color(), Series1->name()},
                              {Series2->pen().color(), Series2->name()}};
    if (SeriaKondensacji && SeriaKondensacji->count() > 0)
        wpisy.append({SeriaKondensacji->pen().color(), SeriaKondensacji->name()});
    return wpisy;
}

void RysujWykresCisnien(TWykresCisnien& wykres, const TModelProjektu& model, bool cieplejWewnatrz,
                        const TStanDyfuzji* kondensacja) {
    const TDaneWykresuCisnien d = DaneWykresuCisnien(model, cieplejWewnatrz);
    WyczyscWykres(wykres);
    wykres.CofnijPowiekszenie();
    wykres.Series1->replace(NaPunktyQt(d.CisCzast));
    wykres.Series2->replace(NaPunktyQt(d.CisNasy));
    wykres.UtworzLinieGranic(d.LinieGranic, LiczbaLiniiGranic(model.LiczbaWarstw));
    NaWierzch(wykres.Wykres, {wykres.Series2, wykres.Series1}, wykres.OsDolna, wykres.OsLewa, wykres.OsPrawa);
    if (kondensacja) {
        const TDaneKondensacji k = DaneLiniiKondensacji(model, *kondensacja);
        wykres.SeriaKondensacji->replace(NaPunktyQt(k.Linia));
        wykres.SeriaPlaszczyzn->replace(NaPunktyQt(k.Plaszczyzny));
        if (!k.Linia.empty()) {
            NaWierzch(wykres.Wykres, {wykres.SeriaKondensacji}, wykres.OsDolna, wykres.OsLewa,
                      wykres.OsPrawa);
            // The marks of the planes stand over every line.
            wykres.Wykres->removeSeries(wykres.SeriaPlaszczyzn);
            wykres.Wykres->addSeries(wykres.SeriaPlaszczyzn);
            for (QValueAxis* os : {wykres.OsDolna, wykres.OsLewa, wykres.OsPrawa})
                wykres.SeriaPlaszczyzn->attachAxis(os);
            UkryjWLegendzie(wykres.Wykres, wykres.SeriaPlaszczyzn);
        }
    }
    wykres.UstawOsX(d.OsX);
    wykres.UstawOsY(d.OsY);
    wykres.Przeloz();
}

void WyczyscWykres(TWykresCisnien& wykres) {
    wykres.Series1->clear();
    wykres.Series2->clear();
    wykres.SeriaKondensacji->clear();
    wykres.SeriaPlaszczyzn->clear();
    wykres.UsunLinieGranic();
    wykres.Przeloz();
}

// ---- temperature profile -------------------------------------------------------------------------

TWykresTemperatur::TWykresTemperatur(QWidget* rodzic, TWersja wersja) : TWykres(wersja, rodzic) {
    if (wersja == TWersja::Ekran) {
        UstawTytul(QStringLiteral("Rozkład temperatur w przegrodzie"),
                   Czcionka(QStringLiteral("Arial"), 19, true));
        UbierzNaEkran(QColor(176, 88, 0), QColor(255, 234, 213), QColor(136, 68, 0), 2);
        Series3 = NowaSeria(QStringLiteral("     Temperatura      "), kZielony, true, 7);
        Series4 = NowaSeria(QStringLiteral("Punkt_Rosy"), kCzerwony, false, 5);
        UstawOpisy(QStringLiteral("ti[°C]"), QStringLiteral("te[°C]"),
                   QStringLiteral("Przekrój przez przegrodę [m]"), QStringLiteral("zewnątrz"));
        OsLewa->setTitleText(QStringLiteral("wewnątrz"));
        // The grid belongs to the right axis (same range as the left one).
        OsLewa->setGridLineVisible(false);
        OsPrawa->setGridLineVisible(true);
        OsPrawa->setMinorTickCount(1);
        OsPrawa->setMinorGridLineVisible(true);
        OsDolna->setGridLineVisible(false);
        OsDolna->setMinorTickCount(1);
        OsDolna->setMinorGridLineVisible(true);
        UstawOsY({kZakresTemperaturEkranu.Min, kZakresTemperaturEkranu.Max});
    } else {
        UstawTytul(QStringLiteral("Rozkład temperatury w przegrodzie"),
                   Czcionka(QStringLiteral("Arial"), 24, true));
        Wykres->setBackgroundBrush(Qt::white);
        Wykres->setBackgroundPen(Qt::NoPen);
        szerokoscPolaLegendy_ = 20;
        Series3 = NowaSeria(QStringLiteral("Temperatura"), kZielony, true, 7);
        Series4 = NowaSeria(QStringLiteral("Pkt rosy"), kCzerwony, false, 5);
        UstawOpisy(QStringLiteral("ti[°C]"), QStringLiteral("te[°C]"),
                   QStringLiteral("Przkrój przez przegrodę [m]"), {});
        OsLewa->setGridLineVisible(true);
        OsLewa->setGridLinePen(QPen(kSzary, 0.5, Qt::DotLine));
        OsDolna->setGridLineVisible(false);
        UstawOsY({kZakresTemperaturRaportu.Min, kZakresTemperaturRaportu.Max});
    }
}

QList<TWpisLegendy> TWykresTemperatur::WpisyLegendy() const {
    // The legend lists the values of the temperature series, from the indoor to the outdoor air.
    QList<TWpisLegendy> w;
    if (!Series3) // still being built
        return w;
    const QColor kolor = Series3->pen().color();
    for (const QPointF& p : Series3->points())
        w.append({kolor, QString::fromStdString(WartoscZnacznika(p.y(), 1))});
    if (w.isEmpty())
        w.append({kolor, Series3->name().simplified()});
    return w;
}

QList<TWykres::TZnacznik> TWykresTemperatur::Znaczniki() const {
    QList<TZnacznik> w;
    if (!Series4)
        return w;
    const int miejsc = Wersja() == TWersja::Ekran ? 1 : 2;
    for (const QPointF& p : Series4->points())
        w.append({p, QString::fromStdString(OpisPunktuRosy(p.y(), miejsc))});
    return w;
}

void RysujWykresTemperatur(TWykresTemperatur& wykres, const TModelProjektu& model, bool cieplejWewnatrz) {
    const TDaneWykresuTemperatur d = DaneWykresuTemperatur(model, cieplejWewnatrz);
    WyczyscWykres(wykres);
    wykres.CofnijPowiekszenie();
    wykres.UstawOsY(d.OsY);
    wykres.Series4->replace(NaPunktyQt(d.PunktRosy));
    wykres.Series3->replace(NaPunktyQt(d.Temperatura));
    wykres.UtworzLinieGranic(d.LinieGranic, LiczbaLiniiGranic(model.LiczbaWarstw));
    NaWierzch(wykres.Wykres, {wykres.Series3, wykres.Series4}, wykres.OsDolna, wykres.OsLewa, wykres.OsPrawa);
    wykres.UstawOsX(d.OsX);
    wykres.Przeloz();
}

void WyczyscWykres(TWykresTemperatur& wykres) {
    wykres.Series3->clear();
    wykres.Series4->clear();
    wykres.UsunLinieGranic();
    wykres.Przeloz();
}

} // namespace murolab
