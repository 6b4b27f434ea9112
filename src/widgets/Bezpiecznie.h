#pragma once
// No exception may cross into Qt's event loop: every handler runs through Bezpiecznie, which shows
// a failure in the standard error box with its own message and lets the program go on. Forms
// connect their controls to their handlers with PolaczBezpiecznie, which does both at once.

#include "widgets/Dialogi.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

namespace murolab {

template <typename F> void Bezpiecznie(TDialogi& dialogi, QWidget* rodzic, F&& f) noexcept {
    try {
        std::forward<F>(f)();
    } catch (const std::exception& e) {
        try {
            dialogi.Blad(rodzic, QString::fromUtf8(e.what()));
        } catch (...) {
        }
    } catch (...) {
        try {
            dialogi.Blad(rodzic, QStringLiteral("Nieznany błąd"));
        } catch (...) {
        }
    }
}

// Connects `sygnal` of `nadawca` to `obsluga`, run through Bezpiecznie with `okno` as the parent of
// the error box and as the connection's context (the connection ends with the window). The handler
// takes the signal's arguments, or none.
template <typename Nadawca, typename Sygnal, typename Obsluga>
QMetaObject::Connection PolaczBezpiecznie(TDialogi& dialogi, QWidget* okno, const Nadawca* nadawca,
                                          Sygnal sygnal, Obsluga obsluga) {
    return QObject::connect(nadawca, sygnal, okno, [&dialogi, okno, obsluga](auto&&... argumenty) {
        Bezpiecznie(dialogi, okno, [&] {
            if constexpr (std::is_invocable_v<const Obsluga&, decltype(argumenty)...>)
                std::invoke(obsluga, std::forward<decltype(argumenty)>(argumenty)...);
            else
                std::invoke(obsluga);
        });
    });
}

} // namespace murolab
