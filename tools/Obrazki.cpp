// Draws the program's pictures and writes them as BMP files into the directory given:
// Splash.bmp (the splash window, 642 x 493), Auto.bmp (the about box), tlo.bmp (a quiet background
// for the charts) and logo1.bmp (the report's header logo, 53.2 x 19.3 mm at 96 dpi).
// Run: QT_QPA_PLATFORM=offscreen build/tools/murolab_obrazki data
#include "rysunki/Rysunki.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QStringList>

#include <cstdio>

namespace {

const QColor kGranat(29, 58, 86);
const QColor kSzaroniebieski(53, 81, 110);
const QColor kCzerwony(192, 40, 36);

QFont Czcionka(int piksele, bool gruba) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(piksele);
    f.setBold(gruba);
    return f;
}

QImage NowyObraz(int w, int h, const QColor& gora, const QColor& dol) {
    QImage obraz(w, h, QImage::Format_RGB32);
    QPainter p(&obraz);
    QLinearGradient tlo(0, 0, 0, h);
    tlo.setColorAt(0, gora);
    tlo.setColorAt(1, dol);
    p.fillRect(obraz.rect(), tlo);
    return obraz;
}

QImage Powitanie() {
    QImage obraz = NowyObraz(642, 493, QColor(247, 249, 252), QColor(218, 228, 237));
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(kGranat);
    p.setFont(Czcionka(60, true));
    p.drawText(QPointF(40, 92), QStringLiteral("Murolab"));
    p.setPen(kSzaroniebieski);
    const QString podtytul = QStringLiteral("wstępna analiza cieplno-wilgotnościowa przegród budowlanych");
    int piksele = 20;
    while (piksele > 10 && QFontMetricsF(Czcionka(piksele, false)).horizontalAdvance(podtytul) > 556)
        --piksele;
    p.setFont(Czcionka(piksele, false));
    p.drawText(QPointF(42, 126), podtytul);
    p.setPen(QPen(kCzerwony, 3));
    p.drawLine(QPointF(42, 144), QPointF(190, 144));
    murolab::RysujPrzekroj(p, QRectF(40, 166, 562, 240), true);
    p.setPen(QColor(150, 165, 180));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(40, 166, 562, 240));
    // The progress bar covers (48, 432) to (585, 449): nothing is drawn there.
    p.setPen(kSzaroniebieski);
    p.setFont(Czcionka(12, false));
    p.drawText(QRectF(48, 458, 537, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("współczynnik U · rozkład temperatur · dyfuzja pary wodnej · punkt rosy"));
    p.setPen(QColor(111, 132, 153));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 641, 492));
    return obraz;
}

// The program's mark: the wall in section in its frame, the name beside it and lines under the name.
void Znak(QPainter& p, const QRectF& przekroj, QPointF nazwa, int wielkoscNazwy, QPointF pierwszaLinia,
          int wielkoscLinii, double odstep, const QStringList& linie) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    murolab::RysujPrzekroj(p, przekroj, false);
    p.setPen(QColor(150, 165, 180));
    p.drawRect(przekroj);
    p.setPen(kGranat);
    p.setFont(Czcionka(wielkoscNazwy, true));
    p.drawText(nazwa, QStringLiteral("Murolab"));
    p.setPen(kSzaroniebieski);
    p.setFont(Czcionka(wielkoscLinii, false));
    for (const QString& linia : linie) {
        p.drawText(pierwszaLinia, linia);
        pierwszaLinia.ry() += odstep;
    }
}

QImage Autorzy() {
    // The credit label of the about box lies over the lower right part: that part stays plain.
    QImage obraz = NowyObraz(325, 195, QColor(248, 250, 252), QColor(229, 236, 242));
    QPainter p(&obraz);
    Znak(p, QRectF(6, 8, 114, 178), QPointF(132, 46), 32, QPointF(133, 70), 12, 16,
         {QStringLiteral("program do wstępnej analizy"), QStringLiteral("cieplno-wilgotnościowej"),
          QStringLiteral("przegród budowlanych")});
    p.setPen(QPen(kCzerwony, 2));
    p.drawLine(QPointF(133, 118), QPointF(240, 118));
    return obraz;
}

QImage Tlo() {
    // Faint enough for the series, their markers and their values to stay clear over it.
    QImage obraz = NowyObraz(600, 300, QColor(255, 255, 255), QColor(242, 246, 250));
    QPainter p(&obraz);
    p.setPen(QColor(236, 241, 246));
    for (int x = 20; x < 600; x += 20)
        p.drawLine(x, 0, x, 299);
    for (int y = 20; y < 300; y += 20)
        p.drawLine(0, y, 599, y);
    return obraz;
}

QImage Logo() {
    QImage obraz = NowyObraz(201, 73, Qt::white, Qt::white);
    QPainter p(&obraz);
    Znak(p, QRectF(3, 5, 60, 63), QPointF(70, 36), 27, QPointF(71, 53), 11, 13,
         {QStringLiteral("analiza cieplno-"), QStringLiteral("-wilgotnościowa")});
    return obraz;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication aplikacja(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Użycie: murolab_obrazki KATALOG\n");
        return 2;
    }
    const QDir katalog(QString::fromLocal8Bit(argv[1]));
    const struct {
        const char* Nazwa;
        QImage Obraz;
    } obrazy[] = {
        {"Splash.bmp", Powitanie()}, {"Auto.bmp", Autorzy()}, {"tlo.bmp", Tlo()}, {"logo1.bmp", Logo()}};
    for (const auto& o : obrazy) {
        const QString sciezka = katalog.filePath(QString::fromLatin1(o.Nazwa));
        if (!o.Obraz.convertToFormat(QImage::Format_RGB888).save(sciezka, "BMP")) {
            std::fprintf(stderr, "Nie można zapisać %s\n", qPrintable(sciezka));
            return 1;
        }
    }
    return 0;
}
