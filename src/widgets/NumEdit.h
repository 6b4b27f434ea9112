#pragma once
// The numeric entry field of every form: a line edit whose key filter admits only the characters
// of its number kind and which repairs its text when it loses the focus ("0" for an empty field,
// one canonical notation for a number). It checks no ranges: the forms do. The editing shortcuts
// (Ctrl+A, Ctrl+C, Ctrl+X, Ctrl+V and their Insert/Delete variants) work as in any field; pasted
// text passes the key filter as if typed.

#include <QLineEdit>

#include <functional>

class QKeyEvent;

namespace murolab {

class TDialogi;

enum TNumType { ntInteger = 0, ntReal = 1, ntNatural = 2 };

class TNumEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumEdit(TDialogi& dialogi, QWidget* rodzic = nullptr);

    TNumType NumType() const { return numType_; }
    void SetNumType(TNumType typ) { numType_ = typ; }
    // Limits only what the user types or pastes; text written by the program is never cut.
    // 0 = no limit. (QLineEdit's own maxLength would also cut setText.)
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n) { maxLength_ = n; }

    // The repair of the text on leaving the field; public so that forms can run it when they
    // read a field that still has the focus. Throws BladKonwersji when the text does not convert.
    void NaprawTekst();

    // Pastes a text as if it were typed character by character: when every character passes the
    // key filter and the whole fits the length limit the text goes in, otherwise nothing changes and
    // the beep sounds once (a paste of "1.5" never becomes "15"). Surrounding blanks are dropped.
    // Returns whether the text went in.
    bool Wklej(const QString& tekst);

signals:
    void Wejscie(); // OnEnter
    void Wyjscie(); // OnExit: raised before the repair, so a handler sees the text as typed

protected:
    // Key rules by number kind. Each takes the typed character and clears it (QChar()) to drop it;
    // a dropped character sounds the beep.
    virtual void CheckRealKey(QChar& znak);
    virtual void CheckIntegerKey(QChar& znak);
    virtual void CheckNaturalKey(QChar& znak);

    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void focusInEvent(QFocusEvent* zdarzenie) override;
    void focusOutEvent(QFocusEvent* zdarzenie) override;
    void contextMenuEvent(QContextMenuEvent* zdarzenie) override;

    void Odrzuc(QChar& znak);
    TDialogi& dialogi_;

private:
    bool MiesciSie(int ileZnakow) const;
    void Filtruj(QChar& znak);
    TNumType numType_ = ntInteger;
    int maxLength_ = 0;
    bool cicho_ = false; // a paste being tried: refused characters do not beep one by one
};

// The decimal separator of the program's number format.
inline constexpr char16_t kSeparatorDziesietny = u',';

// The character a key press delivers to a key filter, as a plain single-line edit control sees it: control
// keys give their control codes (Backspace 8, Enter 13, Escape 27, Ctrl+V 22), the clipboard
// shortcuts (Shift+Insert too) give 22, the keypad's decimal key gives the program's separator,
// and keys that type nothing or only edit (arrows, Delete, Tab, F1) give QChar(). Shared by every key filter.
QChar ZnakKlawisza(const QKeyEvent* zdarzenie);

// The editing shortcuts of a numeric line edit (a TNumEdit, an editable list's edit part, a grid
// cell's editor): Ctrl+A selects all, Ctrl+C copies, Ctrl+X cuts (copies only when read-only) and
// Ctrl+V hands the clipboard's text to `wklej`, which applies the field's own checks. Returns true
// when the key was one of them and was handled.
bool SkrotEdycji(QLineEdit* pole, const QKeyEvent* zdarzenie,
                 const std::function<void(const QString&)>& wklej);

// Whether a whole text could have been typed into a field of digits: a minus only in front where
// `minus`, at most one decimal separator where `ulamek`, nothing else.
bool TekstCyfr(const QString& tekst, bool minus, bool ulamek);

} // namespace murolab
