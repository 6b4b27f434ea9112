#pragma once
// Small helpers of the window tests: typing as the keyboard does, picking from a list as the user
// does, reading a rich-text label, and a shown, active window to move the focus in.

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextDocument>
#include <QWidget>
#include <QtTest>

namespace murolab::testy {

// One key as the keyboard sends it (non-ASCII letters as text, which QTest cannot type).
inline void Klawisz(QWidget* w, Qt::Key klawisz, const QString& tekst = QString(),
                    Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QKeyEvent z(QEvent::KeyPress, klawisz, mod, tekst);
    QApplication::sendEvent(w, &z);
    QKeyEvent puszczony(QEvent::KeyRelease, klawisz, mod, tekst);
    QApplication::sendEvent(w, &puszczony);
}

inline void Pisz(QWidget* w, const QString& znaki) {
    for (QChar c : znaki) {
        Qt::Key k = Qt::Key_unknown;
        if (c.isDigit())
            k = Qt::Key(Qt::Key_0 + c.digitValue());
        else if (c == u'-')
            k = Qt::Key_Minus;
        else if (c == u',')
            k = Qt::Key_Comma;
        else if (c == u'.')
            k = Qt::Key_Period;
        else if (c == u' ')
            k = Qt::Key_Space;
        else if (c.unicode() < 128 && c.isLetter())
            k = Qt::Key(Qt::Key_A + (c.toUpper().unicode() - u'A'));
        else if (c == QChar(8))
            k = Qt::Key_Backspace;
        Klawisz(w, k, k == Qt::Key_Backspace ? QString(QChar(8)) : QString(c));
    }
}

// What QComboBox does when the user picks an entry from its drop-down list.
inline void Wybierz(QComboBox* lista, const QString& tekst) {
    const int i = lista->findText(tekst, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(i >= 0, qPrintable(tekst));
    lista->setCurrentIndex(i);
    emit lista->activated(i);
    emit lista->textActivated(lista->itemText(i));
}

// The text a rich-text label shows ("t<sub>i</sub> = 20" reads "ti = 20").
inline QString TekstEtykiety(const QString& html) {
    QTextDocument d;
    d.setHtml(html);
    return d.toPlainText();
}

// Shows the window and makes it active, so that focus changes behave as on a desktop.
inline bool PokazAktywne(QWidget* okno) {
    okno->show();
    QApplication::setActiveWindow(okno);
    okno->activateWindow();
    return QTest::qWaitForWindowActive(okno);
}

// Whether a window stands in the middle of the screen (to the rounding and the frame's few pixels).
inline bool NaSrodkuEkranu(const QWidget& okno) {
    const QPoint roznica =
        okno.geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    return roznica.manhattanLength() <= 4;
}

// Moves the focus as Tab does (the "exit" of the control that had it runs).
inline void PrzeniesFokus(QWidget* na) {
    na->setFocus(Qt::TabFocusReason);
}

} // namespace murolab::testy
