#pragma once
// Help contexts of the controls: a control that has one opens that topic of the help file when the
// user presses F1 on it. The number is kept on the widget itself, so every form marks its own
// controls and the help window (TPomoc) answers F1 for all of them in one place.

#include <QVariant>
#include <QWidget>

namespace murolab {

inline constexpr char kWlasciwoscKontekstuPomocy[] = "kontekstPomocy";

inline void UstawKontekstPomocy(QWidget* kontrolka, int kontekst) {
    kontrolka->setProperty(kWlasciwoscKontekstuPomocy, kontekst);
}

// The context of a control, or 0 when it has none.
inline int KontekstPomocy(const QWidget* kontrolka) {
    return kontrolka ? kontrolka->property(kWlasciwoscKontekstuPomocy).toInt() : 0;
}

} // namespace murolab
