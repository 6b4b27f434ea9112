#include "output/WykresMa.h"

#include "output/DaneWykresow.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace murolab {

QStringList SkrotyMiesiecy() {
    return {QStringLiteral("I"),  QStringLiteral("II"), QStringLiteral("III"), QStringLiteral("IV"),
            QStringLiteral("V"),  QStringLiteral("VI"), QStringLiteral("VII"), QStringLiteral("VIII"),
            QStringLiteral("IX"), QStringLiteral("X"),  QStringLiteral("XI"),  QStringLiteral("XII")};
}

TWykresMa::TWykresMa(QWidget* rodzic, TWersja wersja) : QChartView(new QChart, rodzic) {
    QChart* c = chart();
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    QLocale polski(QLocale::Polish, QLocale::Poland);
    polski.setNumberOptions(QLocale::OmitGroupSeparator);
    c->setLocalizeNumbers(true);
    c->setLocale(polski);
    c->setBackgroundRoundness(0);
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->setAnimationOptions(QChart::NoAnimation);
    c->setPlotAreaBackgroundVisible(true);
    c->setPlotAreaBackgroundBrush(Qt::white);
    c->setPlotAreaBackgroundPen(QPen(Qt::black, 1));
    c->legend()->hide();

    QFont tytul = font();
    tytul.setPixelSize(12);
    tytul.setBold(true);
    c->setTitleFont(tytul);
    c->setTitleBrush(wersja == TWersja::Ekran ? QColor(0, 0, 128) : QColor(Qt::black));
    c->setTitle(QStringLiteral("M<sub>a</sub> na koniec miesiąca [g/m²]"));
    if (wersja == TWersja::Ekran) {
        QLinearGradient g(0, 0, 0, 1);
        g.setCoordinateMode(QGradient::ObjectBoundingMode);
        g.setColorAt(0, QColor(128, 128, 64));
        g.setColorAt(1, QColor(207, 214, 210));
        c->setBackgroundBrush(g);
    } else {
        c->setBackgroundBrush(Qt::white);
        c->setBackgroundPen(Qt::NoPen);
        setInteractive(false);
    }

    seria_ = new QBarSeries;
    slupki_ = new QBarSet(QStringLiteral("Ma"));
    slupki_->setColor(QColor(0, 128, 255));
    slupki_->setBorderColor(QColor(0, 64, 128));
    seria_->append(slupki_);
    seria_->setBarWidth(0.7);
    c->addSeries(seria_);

    QFont opisy = font();
    // Twelve month labels must fit under the bars of a small chart.
    opisy.setPixelSize(9);
    osMiesiecy_ = new QBarCategoryAxis;
    // The months by number, never cut to "…": two digits fit under a bar of even a small chart.
    for (int m = 1; m <= 12; ++m)
        osMiesiecy_->append(QString::number(m));
    osMiesiecy_->setTruncateLabels(false);
    osMiesiecy_->setLabelsFont(opisy);
    osMiesiecy_->setGridLineVisible(false);
    osMa_ = new QValueAxis;
    osMa_->setLabelsFont(opisy);
    osMa_->setGridLinePen(QPen(Qt::black, 0.6, Qt::DotLine));
    osMa_->setLabelFormat(QStringLiteral("%.0f"));
    c->addAxis(osMiesiecy_, Qt::AlignBottom);
    c->addAxis(osMa_, Qt::AlignLeft);
    seria_->attachAxis(osMiesiecy_);
    seria_->attachAxis(osMa_);
    Rysuj({});
}

void TWykresMa::Rysuj(const std::vector<double>& ma) {
    slupki_->remove(0, slupki_->count());
    double najwieksza = 0;
    for (double v : ma) {
        slupki_->append(v);
        najwieksza = std::max(najwieksza, v);
    }
    // A round top with room above the highest bar; an empty or dry year keeps a small axis.
    const double krok = KrokPodzialki(std::max(najwieksza, 1.0) * 1.1, 5);
    const double gora = std::max(krok, std::ceil(std::max(najwieksza, 1.0) * 1.05 / krok) * krok);
    // The old interval must not meet the new range: 0,2 g/m² steps over a range of 20 000 g/m² lay
    // out 100 000 ticks (minutes of work). Fixed ticks while the range changes, then the new step.
    osMa_->setTickType(QValueAxis::TicksFixed);
    osMa_->setRange(0, gora);
    osMa_->setTickAnchor(0);
    osMa_->setTickInterval(krok);
    osMa_->setTickType(QValueAxis::TicksDynamic);
    const int miejsc = MiejscPoPrzecinku(krok);
    osMa_->setLabelFormat(QStringLiteral("%.%1f").arg(miejsc));
}

std::vector<double> TWykresMa::Wartosci() const {
    std::vector<double> w;
    for (int i = 0; i < slupki_->count(); ++i)
        w.push_back(slupki_->at(i));
    return w;
}

double TWykresMa::GoraOsi() const {
    return osMa_->max();
}

void TWykresMa::Renderuj(QPainter& painter, const QRectF& cel, const QSizeF& rozmiar) {
    const QRectF obszar(QPointF(0, 0), rozmiar);
    scene()->setSceneRect(obszar);
    chart()->setGeometry(obszar);
    chart()->layout()->activate();
    scene()->render(&painter, cel, obszar, Qt::IgnoreAspectRatio);
}

} // namespace murolab
