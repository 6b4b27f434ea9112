#pragma once
// The objectName of a control is the name the tests (and style sheets) find it by; by the
// program's convention it is the control's member name in its form.

#include <QLatin1String>
#include <QObject>

#include <initializer_list>
#include <utility>

namespace murolab {

inline void NazwijKontrolki(std::initializer_list<std::pair<QObject*, const char*>> kontrolki) {
    for (const auto& [kontrolka, nazwa] : kontrolki)
        kontrolka->setObjectName(QLatin1String(nazwa));
}

} // namespace murolab
