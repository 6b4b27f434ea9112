#pragma once
// A drop-down list of proposed numbers whose edit part takes a number typed by hand: digits and,
// where the list holds fractions, one decimal separator, up to a length; never a sign. Every list
// of numbers in the program is one of these (the surface resistances of the working-conditions
// sheet, the air-void level and the fastener type of the corrections dialog), so they answer keys
// alike. A character outside the rules is dropped, with the beep where the form wants it; a second
// separator and a character past the length go silently. The editing shortcuts work as in a
// numeric field, and a paste passes the same rules whole or not at all. Enter does nothing here
// (it must neither add the typed text to the list nor press a button). Leaving the list (the
// focus going elsewhere in the window, not into the list's own drop-down) raises Wyjscie, where
// the forms tidy the text.

#include <QComboBox>

class QKeyEvent;

namespace murolab {

class TDialogi;

class TListaLiczb : public QComboBox {
    Q_OBJECT
public:
    explicit TListaLiczb(TDialogi& dialogi, QWidget* rodzic = nullptr);

    // ulamkowa: a decimal separator may be typed; limit: the most characters typing leaves (text
    // written by the program is never cut); sygnal: a refused character sounds the beep.
    void UstawZasady(bool ulamkowa, int limit, bool sygnal);

    // What a paste does: true when the text (without surrounding blanks) went in whole.
    bool Wklej(const QString& tekst);

signals:
    void Wyjscie();

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void focusOutEvent(QFocusEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    bool MiesciSie(qsizetype ileZnakow) const;
    void Odrzuc();

    TDialogi& dialogi_;
    bool ulamkowa_ = true;
    int limit_ = 7;
    bool sygnal_ = true;
};

} // namespace murolab
