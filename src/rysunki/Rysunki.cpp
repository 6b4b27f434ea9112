#include "rysunki/Rysunki.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <array>

namespace murolab {

namespace {
struct TWarstwaRysunku {
    double Udzial; // share of the wall's drawn thickness
    double Opor;   // thermal resistance, m2 K/W: sets the temperature drop across the layer
    QColor Kolor;
    int Wzor; // 0 plain, 1 brick joints, 2 insulation zigzag
};

// A typical external wall: plaster, ceramic masonry, mineral wool, thin render.
const std::array<TWarstwaRysunku, 4> kWarstwy = {{
    {0.08, 0.021, QColor(232, 226, 214), 0},
    {0.40, 0.446, QColor(196, 112, 80), 1},
    {0.42, 3.000, QColor(243, 222, 138), 2},
    {0.10, 0.013, QColor(206, 208, 200), 0},
}};
constexpr double kRsi = 0.13;
constexpr double kRse = 0.04;
constexpr double kTi = 20.0;
constexpr double kTe = -5.0;

// "t" with a lowered index letter, then the rest of the text.
void TekstZIndeksem(QPainter& p, QPointF gdzie, const QString& litera, const QString& indeks,
                    const QString& reszta) {
    const QFont podstawowa = p.font();
    QFont mala = podstawowa;
    mala.setPointSizeF(podstawowa.pointSizeF() > 0 ? podstawowa.pointSizeF() * 0.7 : 7);
    if (podstawowa.pixelSize() > 0)
        mala.setPixelSize(std::max(6, podstawowa.pixelSize() * 7 / 10));
    const QFontMetricsF m(podstawowa);
    const QFontMetricsF mm(mala);
    p.drawText(gdzie, litera);
    double x = gdzie.x() + m.horizontalAdvance(litera);
    p.setFont(mala);
    p.drawText(QPointF(x, gdzie.y() + m.descent() + 1), indeks);
    x += mm.horizontalAdvance(indeks) + 1;
    p.setFont(podstawowa);
    p.drawText(QPointF(x, gdzie.y()), reszta);
}
} // namespace

void RysujPrzekroj(QPainter& p, const QRectF& r, bool podpisy) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    const double szerPowietrza = r.width() * 0.22;
    const QRectF wnetrze(r.left(), r.top(), szerPowietrza, r.height());
    const QRectF zewnatrz(r.right() - szerPowietrza, r.top(), szerPowietrza, r.height());
    const double lewaSciany = wnetrze.right();
    const double szerSciany = zewnatrz.left() - lewaSciany;

    QLinearGradient cieplo(wnetrze.topLeft(), wnetrze.topRight());
    cieplo.setColorAt(0, QColor(252, 228, 204));
    cieplo.setColorAt(1, QColor(253, 242, 230));
    p.fillRect(wnetrze, cieplo);
    QLinearGradient chlod(zewnatrz.topLeft(), zewnatrz.topRight());
    chlod.setColorAt(0, QColor(232, 241, 250));
    chlod.setColorAt(1, QColor(204, 224, 244));
    p.fillRect(zewnatrz, chlod);

    // Layers, and the plane between each pair for the temperature line.
    std::array<double, kWarstwy.size() + 1> plaszczyzny{};
    double x = lewaSciany;
    plaszczyzny[0] = x;
    for (std::size_t k = 0; k < kWarstwy.size(); ++k) {
        const TWarstwaRysunku& w = kWarstwy[k];
        const QRectF pas(x, r.top(), szerSciany * w.Udzial, r.height());
        p.fillRect(pas, w.Kolor);
        p.save();
        p.setClipRect(pas);
        if (w.Wzor == 1) {
            p.setPen(QPen(QColor(238, 214, 196), 1.2));
            const double wys = std::max(6.0, r.height() / 14.0);
            int rzad = 0;
            for (double y = r.top(); y < r.bottom(); y += wys, ++rzad) {
                p.drawLine(QPointF(pas.left(), y), QPointF(pas.right(), y));
                const double przes = (rzad % 2) ? pas.width() / 2 : 0;
                for (double xs = pas.left() + przes; xs < pas.right(); xs += pas.width())
                    p.drawLine(QPointF(xs, y), QPointF(xs, y + wys));
            }
        } else if (w.Wzor == 2) {
            p.setPen(QPen(QColor(214, 186, 88), 1.1));
            const double krok = std::max(5.0, r.height() / 22.0);
            QPainterPath zygzak;
            bool lewo = true;
            zygzak.moveTo(pas.left() + pas.width() * 0.15, r.top());
            for (double y = r.top() + krok; y <= r.bottom() + krok; y += krok) {
                zygzak.lineTo(lewo ? pas.right() - pas.width() * 0.15 : pas.left() + pas.width() * 0.15, y);
                lewo = !lewo;
            }
            p.drawPath(zygzak);
        }
        p.restore();
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.drawLine(QPointF(pas.left(), r.top()), QPointF(pas.left(), r.bottom()));
        x = pas.right();
        plaszczyzny[k + 1] = x;
    }
    p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));

    // Temperature across the partition: the drop over each part follows its resistance.
    double suma = kRsi + kRse;
    for (const TWarstwaRysunku& w : kWarstwy)
        suma += w.Opor;
    const double gora = r.top() + r.height() * 0.16;
    const double dol = r.top() + r.height() * 0.84;
    auto y = [&](double t) { return gora + (kTi - t) / (kTi - kTe) * (dol - gora); };
    QPolygonF linia;
    double t = kTi;
    linia << QPointF(r.left() + 4, y(t)) << QPointF(lewaSciany - szerPowietrza * 0.35, y(t));
    t -= (kTi - kTe) * kRsi / suma;
    linia << QPointF(plaszczyzny[0], y(t));
    for (std::size_t k = 0; k < kWarstwy.size(); ++k) {
        t -= (kTi - kTe) * kWarstwy[k].Opor / suma;
        linia << QPointF(plaszczyzny[k + 1], y(t));
    }
    linia << QPointF(zewnatrz.left() + szerPowietrza * 0.35, y(kTe)) << QPointF(r.right() - 4, y(kTe));
    p.setPen(QPen(QColor(192, 40, 36), std::max(2.0, r.height() / 110.0), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPolyline(linia);
    p.setBrush(QColor(192, 40, 36));
    p.setPen(Qt::NoPen);
    const double kropka = std::max(2.0, r.height() / 90.0);
    for (int i = 2; i < linia.size() - 2; ++i)
        p.drawEllipse(linia[i], kropka, kropka);

    if (podpisy) {
        QFont f = p.font();
        f.setPixelSize(std::max(9, int(r.height() / 17)));
        p.setFont(f);
        const QFontMetricsF m(f);
        p.setPen(QColor(120, 60, 20));
        p.drawText(QPointF(wnetrze.left() + 5, r.bottom() - m.descent() - 4), QStringLiteral("wnętrze"));
        // Symbols only: the picture is decoration, and fixed numbers beside the sheet's own fields
        // would contradict whatever temperatures the user sets.
        TekstZIndeksem(p, QPointF(wnetrze.left() + 5, gora - m.descent() - 4), QStringLiteral("t"),
                       QStringLiteral("i"), QString());
        p.setPen(QColor(30, 70, 120));
        const QString zewn = QStringLiteral("zewnątrz");
        p.drawText(QPointF(zewnatrz.right() - 5 - m.horizontalAdvance(zewn), r.top() + m.ascent() + 4), zewn);
        // The outdoor symbol stays inside the outdoor air: on a small picture in a smaller type.
        const QString te;
        auto szerokosc = [&te](const QFont& czcionka) {
            QFont mala = czcionka;
            mala.setPixelSize(std::max(6, czcionka.pixelSize() * 7 / 10));
            return QFontMetricsF(czcionka).horizontalAdvance(QStringLiteral("t") + te) +
                   QFontMetricsF(mala).horizontalAdvance(QStringLiteral("e")) + 1;
        };
        QFont fe = f;
        while (fe.pixelSize() > 7 && szerokosc(fe) > zewnatrz.width() - 8)
            fe.setPixelSize(fe.pixelSize() - 1);
        p.setFont(fe);
        TekstZIndeksem(p, QPointF(zewnatrz.right() - 4 - szerokosc(fe), dol + m.ascent() + 4),
                       QStringLiteral("t"), QStringLiteral("e"), te);
    }
    p.restore();
}

} // namespace murolab
