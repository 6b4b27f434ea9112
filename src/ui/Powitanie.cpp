#include "ui/Powitanie.h"

#include "widgets/Nazwy.h"
#include "widgets/Okna.h"
#include "widgets/Tytul.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QProgressBar>
#include <QRegion>
#include <QThread>
#include <QWindow>

#include <algorithm>

namespace murolab {

TFormPowitanie::TFormPowitanie(int pauzaMs, const std::filesystem::path& katalogDanych, QWidget* rodzic)
    : QWidget(rodzic, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      pauzaMs_(pauzaMs), obraz_(QString::fromStdString((katalogDanych / "Splash.bmp").string())) {
    setWindowTitle(TytulProgramu());
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
    NazwijKontrolki({{ProgressBar1, "ProgressBar1"}});
}

void TFormPowitanie::UstawKoniecPostepu(int koniec) {
    ProgressBar1->setMaximum(koniec);
}

int TFormPowitanie::PrzesunPostep(int przyrost) {
    ProgressBar1->setValue(std::min(ProgressBar1->maximum(), ProgressBar1->value() + przyrost));
    ProgressBar1->repaint();
    return ProgressBar1->value();
}

int TFormPowitanie::Postep() const {
    return ProgressBar1->value();
}

bool TFormPowitanie::FormPaint(QPainter& p) {
    return RysujObrazZPliku(p, obraz_, QPoint(0, 0));
}

void TFormPowitanie::Pokaz() {
    show();
    // The window system shows a new window when it is ready; what is painted before that is lost.
    QElapsedTimer czas;
    czas.start();
    while (windowHandle() && !windowHandle()->isExposed() && czas.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
    repaint();
    PauzaPoMalowaniu();
}

void TFormPowitanie::paintEvent(QPaintEvent* zdarzenie) {
    QPainter p(this);
    FormPaint(p);
    // Only a paint of the whole window pauses: the progress bar repainting itself makes Qt repaint
    // the strip of the window behind it, and that must not stop the start-up for two seconds.
    if (QRegion(rect()).subtracted(zdarzenie->region()).isEmpty())
        pauzaNalezna_ = true;
}

void TFormPowitanie::PauzaPoMalowaniu() {
    // Sleeping inside the paint itself would hold the picture back: Qt puts it on the screen only
    // after the paint has returned.
    if (!pauzaNalezna_)
        return;
    pauzaNalezna_ = false;
    Uspij(pauzaMs_);
}

void TFormPowitanie::FormDestroy() {
    hide();
    if (PrzyZamknieciu)
        PrzyZamknieciu();
}

} // namespace murolab
