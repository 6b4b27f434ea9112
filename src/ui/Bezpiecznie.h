#pragma once
// No exception may cross into Qt's event loop: every handler runs through Bezpiecznie, which shows
// a failure in the standard error box with its own message and lets the program go on.

#include "ui/Dialogi.h"

#include <QString>
#include <QWidget>

#include <exception>
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

} // namespace murolab
