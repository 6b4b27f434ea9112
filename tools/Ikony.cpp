// Draws the program's icon, the wall in section of its mark on a rounded tile, as the scalable
// murolab.svg and as murolab-N.png at the sizes of the icon theme, into the directory given.
// Run: QT_QPA_PLATFORM=offscreen build/tools/murolab_ikony data/ikony
#include "rysunki/Rysunki.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <cstdio>

namespace {

constexpr double kBok = 256; // the drawing's own size; every size is this one scaled

// The SVG writer keeps no clipping, so whatever the section draws past its rectangle is covered by
// hand, and the frames are drawn over the edges.
void RysujIkone(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF kafel(8, 8, kBok - 16, kBok - 16);
    QLinearGradient tlo(kafel.topLeft(), kafel.bottomLeft());
    tlo.setColorAt(0, QColor(247, 249, 252));
    tlo.setColorAt(1, QColor(218, 228, 237));
    p.setPen(Qt::NoPen);
    p.setBrush(tlo);
    p.drawRoundedRect(kafel, 36, 36);
    const QRectF przekroj(30, 48, kBok - 60, kBok - 96);
    murolab::RysujPrzekroj(p, przekroj, false);
    // The joints of the masonry run past the section's lower edge: the tile covers them again.
    p.fillRect(QRectF(przekroj.left() - 2, przekroj.bottom() + 2, przekroj.width() + 4, 30), tlo);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 165, 180), 4));
    p.drawRect(przekroj);
    p.setPen(QPen(QColor(29, 58, 86), 10));
    p.drawRoundedRect(kafel, 36, 36);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication aplikacja(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Użycie: murolab_ikony KATALOG\n");
        return 2;
    }
    const QDir katalog(QString::fromLocal8Bit(argv[1]));
    QSvgGenerator svg;
    svg.setFileName(katalog.filePath(QStringLiteral("murolab.svg")));
    svg.setSize(QSize(int(kBok), int(kBok)));
    svg.setViewBox(QRectF(0, 0, kBok, kBok));
    svg.setTitle(QStringLiteral("Murolab"));
    svg.setDescription(QStringLiteral("Przekrój przegrody z linią temperatury"));
    {
        QPainter p(&svg);
        RysujIkone(p);
    }
    for (int rozmiar : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage obraz(rozmiar, rozmiar, QImage::Format_ARGB32_Premultiplied);
        obraz.fill(Qt::transparent);
        {
            QPainter p(&obraz);
            p.scale(rozmiar / kBok, rozmiar / kBok);
            RysujIkone(p);
        }
        const QString sciezka = katalog.filePath(QStringLiteral("murolab-%1.png").arg(rozmiar));
        if (!obraz.save(sciezka, "PNG")) {
            std::fprintf(stderr, "Nie można zapisać %s\n", qPrintable(sciezka));
            return 1;
        }
    }
    return 0;
}
