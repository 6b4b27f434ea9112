#pragma once
// Small helpers shared by the program's windows.

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QWidget>

namespace murolab {

// Puts a window in the middle of its screen (of the primary screen before it is shown).
inline void WysrodkujNaEkranie(QWidget* okno) {
    QScreen* ekran = okno->screen() ? okno->screen() : QGuiApplication::primaryScreen();
    if (!ekran)
        return;
    const QRect obszar = ekran->availableGeometry();
    okno->move(obszar.center() - QPoint(okno->width() / 2, okno->height() / 2));
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
