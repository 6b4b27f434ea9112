#include "widgets/NumEdit.h"

#include "core/Liczby.h"
#include "widgets/Bezpiecznie.h"
#include "widgets/Dialogi.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>

namespace murolab {

namespace {
constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;

bool JestSkrotemSchowka(const QKeyEvent* z) {
    return z->matches(QKeySequence::Paste) || z->matches(QKeySequence::Copy) || z->matches(QKeySequence::Cut);
}
} // namespace

QChar ZnakKlawisza(const QKeyEvent* z) {
    // Tab moves the focus before any control sees it as a character.
    if (z->key() == Qt::Key_Tab || z->key() == Qt::Key_Backtab)
        return QChar();
    if (JestSkrotemSchowka(z))
        return QChar(22);
    if (z->key() == Qt::Key_Backspace)
        return QChar(kBackspace);
    // Delete is an editing key: some platforms hand it over with the DEL character as its text.
    if (z->key() == Qt::Key_Delete)
        return QChar();
    if (z->key() == Qt::Key_Return || z->key() == Qt::Key_Enter)
        return QChar(kEnter);
    if (z->key() == Qt::Key_Escape)
        return QChar(27);
    // The keypad's decimal key types the program's separator whatever the keyboard layout.
    if ((z->modifiers() & Qt::KeypadModifier) && (z->key() == Qt::Key_Period || z->key() == Qt::Key_Comma))
        return QChar(kSeparatorDziesietny);
    if ((z->modifiers() & Qt::ControlModifier) && z->key() >= Qt::Key_A && z->key() <= Qt::Key_Z)
        return QChar(z->key() - Qt::Key_A + 1);
    const QString tekst = z->text();
    if (tekst.size() == 1)
        return tekst.front();
    return QChar();
}

bool SkrotEdycji(QLineEdit* pole, const QKeyEvent* z, const std::function<void(const QString&)>& wklej) {
    if (z->matches(QKeySequence::SelectAll)) {
        pole->selectAll();
        return true;
    }
    if (z->matches(QKeySequence::Copy)) {
        pole->copy();
        return true;
    }
    if (z->matches(QKeySequence::Cut)) {
        if (pole->isReadOnly())
            pole->copy();
        else
            pole->cut();
        return true;
    }
    if (z->matches(QKeySequence::Paste)) {
        wklej(QApplication::clipboard()->text());
        return true;
    }
    return false;
}

bool TekstCyfr(const QString& tekst, bool minus, bool ulamek) {
    bool separator = false;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar c = tekst.at(i);
        if (c.unicode() >= u'0' && c.unicode() <= u'9')
            continue;
        if (c == u'-' && minus && i == 0)
            continue;
        if (c == QChar(kSeparatorDziesietny) && ulamek && !separator) {
            separator = true;
            continue;
        }
        return false;
    }
    return true;
}

TNumEdit::TNumEdit(TDialogi& dialogi, QWidget* rodzic) : QLineEdit(rodzic), dialogi_(dialogi) {
    setText(QStringLiteral("0"));
}

void TNumEdit::Odrzuc(QChar& znak) {
    if (!cicho_)
        dialogi_.Sygnal();
    znak = QChar();
}

void TNumEdit::Filtruj(QChar& znak) {
    switch (numType_) {
    case ntInteger:
        CheckIntegerKey(znak);
        break;
    case ntReal:
        CheckRealKey(znak);
        break;
    case ntNatural:
        CheckNaturalKey(znak);
        break;
    }
}

bool TNumEdit::Wklej(const QString& tekst) {
    const QString wklejany = tekst.trimmed();
    if (isReadOnly() || wklejany.isEmpty())
        return false;
    bool przyjety = MiesciSie(static_cast<int>(wklejany.size()));
    if (przyjety) {
        // Typed for real, one character at a time, so that each meets the filter in the state it
        // would be typed in (the minus only in front, one separator); the field's handlers see only
        // the outcome.
        const QString przed = text();
        const int kursor = cursorPosition();
        const int poczatekZaznaczenia = selectionStart();
        const int dlugoscZaznaczenia = static_cast<int>(selectedText().size());
        {
            const QSignalBlocker cisza(this);
            cicho_ = true;
            for (QChar c : wklejany) {
                QChar znak = c;
                if (c.unicode() < 32)
                    znak = QChar();
                else
                    Filtruj(znak);
                if (znak.isNull()) {
                    przyjety = false;
                    break;
                }
                insert(QString(znak));
            }
            cicho_ = false;
            setText(przed);
            if (dlugoscZaznaczenia > 0)
                setSelection(poczatekZaznaczenia, dlugoscZaznaczenia);
            else
                setCursorPosition(kursor);
        }
    }
    if (!przyjety) {
        dialogi_.Sygnal();
        return false;
    }
    insert(wklejany);
    return true;
}

void TNumEdit::CheckNaturalKey(QChar& znak) {
    const char16_t c = znak.unicode();
    if (c == kBackspace || c == kEnter || (c >= u'0' && c <= u'9'))
        return;
    Odrzuc(znak);
}

void TNumEdit::CheckIntegerKey(QChar& znak) {
    if (znak == u'-') {
        // The sign goes first, once; typed over a selection it replaces it, so "-" over the whole
        // "-20" starts a new negative number.
        const int poczatek = hasSelectedText() ? selectionStart() : cursorPosition();
        QString reszta = text();
        if (hasSelectedText())
            reszta.remove(selectionStart(), selectedText().size());
        if (poczatek != 0 || reszta.contains(u'-'))
            Odrzuc(znak);
        return;
    }
    CheckNaturalKey(znak);
}

void TNumEdit::CheckRealKey(QChar& znak) {
    if (znak == QChar(kSeparatorDziesietny)) {
        if (text().contains(QChar(kSeparatorDziesietny)))
            Odrzuc(znak);
        return;
    }
    CheckIntegerKey(znak);
}

bool TNumEdit::MiesciSie(int ileZnakow) const {
    return maxLength_ <= 0 || text().size() - selectedText().size() + ileZnakow <= maxLength_;
}

void TNumEdit::keyPressEvent(QKeyEvent* z) {
    if (SkrotEdycji(this, z, [this](const QString& t) { Wklej(t); })) {
        z->accept();
        return;
    }
    QChar znak = ZnakKlawisza(z);
    if (znak.isNull()) {
        // Arrows, Delete, Home, End, Tab: no character, nothing to filter.
        QLineEdit::keyPressEvent(z);
        return;
    }
    Filtruj(znak);
    if (znak.isNull()) {
        z->accept();
        return;
    }
    const char16_t c = znak.unicode();
    // A read-only field filters (and beeps) as any other, but what passes changes nothing.
    if (c == kBackspace || c == kEnter || isReadOnly()) {
        QLineEdit::keyPressEvent(z);
        return;
    }
    if (!MiesciSie(1)) {
        z->accept();
        return;
    }
    insert(QString(znak));
    z->accept();
}

void TNumEdit::focusInEvent(QFocusEvent* z) {
    QLineEdit::focusInEvent(z);
    if (z->reason() != Qt::ActiveWindowFocusReason && z->reason() != Qt::PopupFocusReason)
        emit Wejscie();
}

void TNumEdit::focusOutEvent(QFocusEvent* z) {
    QLineEdit::focusOutEvent(z);
    // Switching windows or opening a menu is not leaving the field.
    if (z->reason() == Qt::ActiveWindowFocusReason || z->reason() == Qt::PopupFocusReason)
        return;
    emit Wyjscie();
    Bezpiecznie(dialogi_, this, [this] { NaprawTekst(); });
}

void TNumEdit::NaprawTekst() {
    const std::string tekst = text().toStdString();
    QString nowy;
    if (tekst.empty())
        nowy = QStringLiteral("0");
    else if (numType_ == ntReal)
        nowy = QString::fromStdString(Ogolny(NaLiczbe(tekst)));
    else
        nowy = QString::fromStdString(Calkowita(NaCalkowita(tekst)));
    if (nowy != text())
        setText(nowy);
}

void TNumEdit::contextMenuEvent(QContextMenuEvent* z) {
    QMenu* menu = createStandardContextMenu();
    for (QAction* a : menu->actions()) {
        if (a->objectName() == QLatin1String("edit-paste")) {
            a->disconnect();
            PolaczBezpiecznie(dialogi_, this, a, &QAction::triggered,
                              [this] { Wklej(QApplication::clipboard()->text()); });
        }
    }
    menu->exec(z->globalPos());
    delete menu;
}

} // namespace murolab
