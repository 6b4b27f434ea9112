#pragma once
// Small helpers shared by the program's windows.

#include <QFont>
#include <QGuiApplication>
#include <QLayout>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QWidget>

namespace murolab {

// Puts a window in the middle of its screen (of the primary screen before it is shown).
inline void WysrodkujNaEkranie(QWidget* okno) {
    QScreen* ekran = okno->screen() ? okno->screen() : QGuiApplication::primaryScreen();
    if (!ekran)
        return;
    // A window that is not shown yet has its final size only once its layout has run.
    okno->ensurePolished();
    if (QLayout* uklad = okno->layout())
        uklad->activate();
    const QRect obszar = ekran->availableGeometry();
    okno->move(obszar.center() - QPoint(okno->width() / 2, okno->height() / 2));
}

// Puts a dialog's client area in the middle of its screen, the same place on every showing. The
// client area, not the frame: the frame is known only once the window manager has drawn it, and a
// position that counted it would move the dialog between its first and later showings.
inline void WysrodkujWnetrze(QWidget* okno) {
    QScreen* ekran = okno->screen() ? okno->screen() : QGuiApplication::primaryScreen();
    if (!ekran)
        return;
    QRect r(QPoint(), okno->size());
    r.moveCenter(ekran->availableGeometry().center());
    okno->setGeometry(r);
}

// Draws a picture file of the working directory with its top left corner at the point; a file
// that is missing or cannot be read draws nothing and says nothing. Returns whether it drew.
inline bool RysujObrazZPliku(QPainter& p, const QString& plik, const QPoint& gdzie) {
    const QPixmap obraz(plik);
    if (obraz.isNull())
        return false;
    p.drawPixmap(gdzie, obraz);
    return true;
}

// A font of the system's family at a pixel size, optionally bold (the designed "bold 13 px").
inline QFont CzcionkaPikseli(const QFont& baza, int piksele, bool gruba) {
    QFont f = baza;
    f.setPixelSize(piksele);
    f.setBold(gruba);
    return f;
}

// Rich text of a symbol with a lowered index and what follows it: "t<sub>i</sub> = 20".
inline QString ZIndeksem(const QString& symbol, const QString& indeks, const QString& dalej = QString()) {
    return QStringLiteral("%1<sub>%2</sub>%3").arg(symbol, indeks, dalej.toHtmlEscaped());
}

} // namespace murolab
