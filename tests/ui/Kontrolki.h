#pragma once
// The window tests find the main window's controls and sheets as users of Qt's object tree do: by
// objectName. A control that is not there ends the test program with its name.

#include "output/Wykresy.h"
#include "ui/ArkuszKondensacji.h"
#include "ui/ArkuszObliczen.h"
#include "ui/ArkuszPrzegrody.h"
#include "ui/ArkuszWarunkow.h"
#include "ui/ArkuszWykresu.h"
#include "ui/FormPrzegroda.h"
#include "ui/SiatkaWarstw.h"
#include "widgets/NumEdit.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QtGlobal>

#include <memory>

namespace murolab {

// The object whose tree is searched: a window, a pointer to one, or its owner.
inline const QObject* Obiekt(const QObject& o) {
    return &o;
}
inline const QObject* Obiekt(const QObject* o) {
    return o;
}
template <typename T> const QObject* Obiekt(const std::unique_ptr<T>& o) {
    return o.get();
}

// The control of type T named `nazwa` in the tree of `okno`.
template <typename T, typename U> T* Kontrolka(const U& okno, const char* nazwa) {
    T* k = Obiekt(okno)->template findChild<T*>(QLatin1String(nazwa));
    if (!k)
        qFatal("no control \"%s\" of the expected type", nazwa);
    return k;
}

// The main window's sheets.
template <typename U> TArkuszWarunkow* ArkuszWarunkow(const U& okno) {
    return Kontrolka<TArkuszWarunkow>(okno, "TabSheetWarPracy");
}
template <typename U> TArkuszPrzegrody* ArkuszPrzegrody(const U& okno) {
    return Kontrolka<TArkuszPrzegrody>(okno, "TabSheetPrzegroda");
}
template <typename U> TArkuszObliczen* ArkuszObliczen(const U& okno) {
    return Kontrolka<TArkuszObliczen>(okno, "TabSheetObliczenia");
}

} // namespace murolab
