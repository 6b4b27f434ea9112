#pragma once
// The window tests find a form's controls as users of Qt's object tree do: by objectName. A
// control that is not there, or is there twice, ends the test program with its name.

#include <QDialog>
#include <QLatin1String>
#include <QList>
#include <QObject>
#include <QtGlobal>

#include <memory>

namespace murolab {

// The object whose tree is searched: a form, a pointer to one, or its owner.
inline const QObject* Obiekt(const QObject& o) {
    return &o;
}
inline const QObject* Obiekt(const QObject* o) {
    return o;
}
template <typename T> const QObject* Obiekt(const std::unique_ptr<T>& o) {
    return o.get();
}

// Whether `k` belongs to a dialog below `korzen` (a dialog made with the main window as its parent
// is a window of its own: its controls are not the main window's).
inline bool WDialoguPod(const QObject* k, const QObject* korzen) {
    for (const QObject* o = k->parent(); o && o != korzen; o = o->parent())
        if (qobject_cast<const QDialog*>(o))
            return true;
    return false;
}

// The one control of type T named `nazwa` in the tree of `forma`, outside the dialogs it owns.
template <typename T, typename U> T* Kontrolka(const U& forma, const char* nazwa) {
    const QObject* korzen = Obiekt(forma);
    T* znaleziona = nullptr;
    for (T* k : korzen->template findChildren<T*>(QLatin1String(nazwa))) {
        if (WDialoguPod(k, korzen))
            continue;
        if (znaleziona)
            qFatal("two controls named \"%s\"", nazwa);
        znaleziona = k;
    }
    if (!znaleziona)
        qFatal("no control \"%s\" of the expected type", nazwa);
    return znaleziona;
}

} // namespace murolab
