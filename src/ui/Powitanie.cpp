#include "ui/Powitanie.h"

#include "ui/Okna.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QRegion>
#include <QThread>

namespace murolab {

TFormPowitanie::TFormPowitanie(int pauzaMs, QWidget* rodzic)
    : QWidget(rodzic, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), pauzaMs_(pauzaMs) {
    setWindowTitle(QStringLiteral("Murolab -program do wstępnej analizy cieplno wilgotnościowej"));
    setFixedSize(642, 493);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(48, 432, 537, 17);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    Uspij = [](int ms) {
        if (ms > 0)
            QThread::msleep(static_cast<unsigned long>(ms));
    };
    WysrodkujNaEkranie(this);
}

bool TFormPowitanie::FormPaint(QPainter& p) {
    const QPixmap obraz(QStringLiteral("Splash.bmp"));
    if (obraz.isNull())
        return false;
    p.drawPixmap(0, 0, obraz);
    return true;
}

void TFormPowitanie::paintEvent(QPaintEvent* zdarzenie) {
    {
        QPainter p(this);
        FormPaint(p);
    }
    // Only a paint of the whole window pauses: the progress bar repainting itself makes Qt repaint
    // the strip of the window behind it, and that must not stop the start-up for two seconds.
    if (QRegion(rect()).subtracted(zdarzenie->region()).isEmpty())
        Uspij(pauzaMs_);
}

void TFormPowitanie::FormDestroy() {
    hide();
    if (PrzyZamknieciu)
        PrzyZamknieciu();
}

} // namespace murolab
