#include "widgets/ListaLiczb.h"

#include "widgets/Bezpiecznie.h"
#include "widgets/Dialogi.h"
#include "widgets/NumEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace murolab {

namespace {
constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;
} // namespace

TListaLiczb::TListaLiczb(TDialogi& dialogi, QWidget* rodzic) : QComboBox(rodzic), dialogi_(dialogi) {
    setEditable(true);
    // Any number can be shown and typed; none is ever added to the proposals.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->installEventFilter(this);
}

void TListaLiczb::UstawZasady(bool ulamkowa, int limit, bool sygnal) {
    ulamkowa_ = ulamkowa;
    limit_ = limit;
    sygnal_ = sygnal;
}

bool TListaLiczb::MiesciSie(qsizetype ileZnakow) const {
    const QLineEdit* e = lineEdit();
    return e->text().size() - e->selectedText().size() + ileZnakow <= limit_;
}

void TListaLiczb::Odrzuc() {
    if (sygnal_)
        dialogi_.Sygnal();
}

bool TListaLiczb::Wklej(const QString& tekst) {
    const QString wklejany = tekst.trimmed();
    QLineEdit* e = lineEdit();
    if (wklejany.isEmpty() || !isEnabled())
        return false;
    const qsizetype od = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
    QString wynik = e->text();
    wynik.replace(od, e->selectedText().size(), wklejany);
    if (!MiesciSie(wklejany.size()) || !TekstCyfr(wynik, false, ulamkowa_)) {
        Odrzuc();
        return false;
    }
    e->insert(wklejany);
    return true;
}

void TListaLiczb::keyPressEvent(QKeyEvent* z) {
    if (SkrotEdycji(lineEdit(), z, [this](const QString& t) { Wklej(t); })) {
        z->accept();
        return;
    }
    const QChar znak = ZnakKlawisza(z);
    if (znak.isNull()) {
        // Arrows pick from the list, Delete and Home edit: no character, nothing to filter.
        QComboBox::keyPressEvent(z);
        return;
    }
    const char16_t c = znak.unicode();
    if (c == kEnter) {
        z->accept();
        return;
    }
    if (c == kBackspace) {
        QComboBox::keyPressEvent(z);
        return;
    }
    if (c == kSeparatorDziesietny && ulamkowa_) {
        // A second separator, or one past the length, goes without a sound. The keypad's key types
        // the program's separator whatever its own character.
        if (!lineEdit()->text().contains(znak) && MiesciSie(1))
            lineEdit()->insert(QString(znak));
        z->accept();
        return;
    }
    if (c >= u'0' && c <= u'9') {
        if (MiesciSie(1))
            QComboBox::keyPressEvent(z);
        else
            z->accept();
        return;
    }
    Odrzuc();
    z->accept();
}

void TListaLiczb::focusOutEvent(QFocusEvent* z) {
    QComboBox::focusOutEvent(z);
    // Switching windows or opening the drop-down is not leaving the list, nor is the focus moving
    // into the list's own edit part.
    if (z->reason() == Qt::ActiveWindowFocusReason || z->reason() == Qt::PopupFocusReason)
        return;
    const QWidget* nowy = QApplication::focusWidget();
    if (nowy && (nowy == this || isAncestorOf(nowy)))
        return;
    emit Wyjscie();
}

bool TListaLiczb::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == lineEdit() && zdarzenie->type() == QEvent::ContextMenu) {
        // The menu's paste follows the rules of a paste by the keyboard.
        QMenu* menu = lineEdit()->createStandardContextMenu();
        for (QAction* a : menu->actions()) {
            if (a->objectName() == QLatin1String("edit-paste")) {
                a->disconnect();
                PolaczBezpiecznie(dialogi_, this, a, &QAction::triggered,
                                  [this] { Wklej(QApplication::clipboard()->text()); });
            }
        }
        menu->exec(static_cast<QContextMenuEvent*>(zdarzenie)->globalPos());
        delete menu;
        return true;
    }
    return QComboBox::eventFilter(obiekt, zdarzenie);
}

} // namespace murolab
