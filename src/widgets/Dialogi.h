#pragma once
// Everything that blocks or makes a sound goes through this one interface: message boxes, the
// standard error box, the file dialogs, showing a form modally and the beep. The program uses
// TDialogiQt; tests inject a recording fake that answers from a script.

#include <QString>
#include <QStringList>

#include <memory>

class QDialog;
class QMessageBox;
class QWidget;

namespace murolab {

enum class TIkona { Brak, Stop, Pytanie, Wykrzyknik, Informacja };
// TakNieAnuluj: the closing question while there are unsaved changes; Anuluj goes back to the work.
enum class TPrzyciski { Ok, TakNie, TakNieAnuluj };
enum class TOdpowiedz { Ok, Tak, Nie, Anuluj };

struct TFiltrPliku {
    QString Opis;    // "Pliki projektu (-.pro)"
    QString Wzorzec; // "*.pro"
};

struct TParametryPliku {
    QString Tytul;
    QList<TFiltrPliku> Filtry;
    QString DomyslneRozszerzenie; // "pro"
    QString NazwaPoczatkowa;      // the name last chosen in this dialog
};

class TDialogi {
public:
    virtual ~TDialogi() = default;

    // A modal message box with its caption, icon and buttons.
    virtual TOdpowiedz Komunikat(QWidget* rodzic, const QString& tekst, const QString& tytul, TIkona ikona,
                                 TPrzyciski przyciski) = 0;
    // The application's standard error box: caption "Murolab", error icon, the failure's own text.
    virtual void Blad(QWidget* rodzic, const QString& tekst) = 0;
    // File dialogs; an empty string means the user cancelled. They never change the working directory.
    virtual QString PlikDoOtwarcia(QWidget* rodzic, const TParametryPliku& parametry) = 0;
    virtual QString PlikDoZapisu(QWidget* rodzic, const TParametryPliku& parametry) = 0;
    // Several existing files chosen at once; an empty list means the user cancelled.
    virtual QStringList WielePlikowDoOtwarcia(QWidget* rodzic, const TParametryPliku& parametry) = 0;
    // Shows a form modally and returns its result (QDialog::Accepted / Rejected).
    virtual int PokazModalnie(QDialog* okno) = 0;
    // The system beep.
    virtual void Sygnal() = 0;
};

// A message as a message box shows it: the marks that close it ("!!", " ?") keep to the last word
// when the box wraps the text (the characters are the same, the blank before them does not break).
QString TekstOkna(const QString& tekst);

// The message box the real seam shows, built but not shown: wide enough for its whole caption, and
// always plain text: a message quotes file names and file contents, and as rich text a name holding
// "<img src=...>" would make the box load that file.
std::unique_ptr<QMessageBox> OknoKomunikatu(QWidget* rodzic, const QString& tekst, const QString& tytul,
                                            TIkona ikona, TPrzyciski przyciski);

// The real one, with Qt's own dialogs.
class TDialogiQt : public TDialogi {
public:
    TOdpowiedz Komunikat(QWidget* rodzic, const QString& tekst, const QString& tytul, TIkona ikona,
                         TPrzyciski przyciski) override;
    void Blad(QWidget* rodzic, const QString& tekst) override;
    QString PlikDoOtwarcia(QWidget* rodzic, const TParametryPliku& parametry) override;
    QString PlikDoZapisu(QWidget* rodzic, const TParametryPliku& parametry) override;
    QStringList WielePlikowDoOtwarcia(QWidget* rodzic, const TParametryPliku& parametry) override;
    int PokazModalnie(QDialog* okno) override;
    void Sygnal() override;
};

} // namespace murolab
