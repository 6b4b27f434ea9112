#pragma once
// The seam's test double: records every message box, error box, file dialog, modal form and beep,
// and answers from a script. Nothing blocks, so window tests run under the offscreen platform.

#include "widgets/Dialogi.h"

#include <QCoreApplication>
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace murolab {

struct TWywolanie {
    enum TRodzaj { Komunikat, Blad, Otwarcie, Zapis, Modalnie } Rodzaj;
    QString Tekst; // message text, error text, or the file dialog's title
    QString Tytul; // caption of a message box
    TIkona Ikona = TIkona::Brak;
    TPrzyciski Przyciski = TPrzyciski::Ok;
    TParametryPliku Plik;
    QDialog* Okno = nullptr;
};

class TDialogiTestowe : public TDialogi {
public:
    QList<TWywolanie> Wywolania;
    // Answers to Yes/No(/Cancel) questions, taken in order. A question without a scripted answer
    // gets "Nie" and is counted in BezOdpowiedzi, so a test can tell.
    QList<TOdpowiedz> Odpowiedzi;
    int BezOdpowiedzi = 0;
    // Names returned by the file dialogs, taken in order; none left means "cancelled".
    QStringList PlikiDoOtwarcia;
    QStringList PlikiDoZapisu;
    // Answers of the dialog choosing several files, taken in order; none left means "cancelled".
    QList<QStringList> ZestawyPlikowDoOtwarcia;
    // What happens while a form is "shown modally": the form is shown (so its opening code runs),
    // then this script acts on it; a form still open afterwards is closed with reject().
    std::function<void(QDialog*)> Modalnie;
    int Sygnaly = 0;
    // Runs as each message or error box is shown, to look at the windows as they stand behind it.
    std::function<void(const TWywolanie&)> PrzyKomunikacie;

    TOdpowiedz Komunikat(QWidget*, const QString& tekst, const QString& tytul, TIkona ikona,
                         TPrzyciski przyciski) override {
        TWywolanie w{TWywolanie::Komunikat, tekst, tytul, ikona, przyciski, {}, nullptr};
        Wywolania << w;
        if (PrzyKomunikacie)
            PrzyKomunikacie(w);
        if (przyciski == TPrzyciski::Ok)
            return TOdpowiedz::Ok;
        if (Odpowiedzi.isEmpty()) {
            ++BezOdpowiedzi;
            return TOdpowiedz::Nie;
        }
        return Odpowiedzi.takeFirst();
    }
    void Blad(QWidget*, const QString& tekst) override {
        Wywolania << TWywolanie{
            TWywolanie::Blad, tekst, QStringLiteral("Murolab"), TIkona::Stop, TPrzyciski::Ok, {}, nullptr};
        if (PrzyKomunikacie)
            PrzyKomunikacie(Wywolania.constLast());
    }
    QString PlikDoOtwarcia(QWidget*, const TParametryPliku& p) override {
        Wywolania << TWywolanie{TWywolanie::Otwarcie, p.Tytul, {}, TIkona::Brak, TPrzyciski::Ok, p, nullptr};
        return PlikiDoOtwarcia.isEmpty() ? QString() : PlikiDoOtwarcia.takeFirst();
    }
    QStringList WielePlikowDoOtwarcia(QWidget*, const TParametryPliku& p) override {
        Wywolania << TWywolanie{TWywolanie::Otwarcie, p.Tytul, {}, TIkona::Brak, TPrzyciski::Ok, p, nullptr};
        return ZestawyPlikowDoOtwarcia.isEmpty() ? QStringList() : ZestawyPlikowDoOtwarcia.takeFirst();
    }
    QString PlikDoZapisu(QWidget*, const TParametryPliku& p) override {
        Wywolania << TWywolanie{TWywolanie::Zapis, p.Tytul, {}, TIkona::Brak, TPrzyciski::Ok, p, nullptr};
        return PlikiDoZapisu.isEmpty() ? QString() : PlikiDoZapisu.takeFirst();
    }
    int PokazModalnie(QDialog* okno) override {
        Wywolania << TWywolanie{
            TWywolanie::Modalnie, okno->windowTitle(), {}, TIkona::Brak, TPrzyciski::Ok, {}, okno};
        okno->setResult(QDialog::Rejected);
        okno->show();
        QCoreApplication::processEvents();
        if (Modalnie)
            Modalnie(okno);
        if (okno->isVisible())
            okno->reject();
        QCoreApplication::processEvents();
        return okno->result();
    }
    void Sygnal() override { ++Sygnaly; }

    // Convenience views for assertions.
    QList<TWywolanie> Komunikaty() const {
        QList<TWywolanie> w;
        for (const TWywolanie& x : Wywolania)
            if (x.Rodzaj == TWywolanie::Komunikat)
                w << x;
        return w;
    }
    QStringList Teksty(TWywolanie::TRodzaj rodzaj) const {
        QStringList t;
        for (const TWywolanie& x : Wywolania)
            if (x.Rodzaj == rodzaj)
                t << x.Tekst;
        return t;
    }
    QStringList TekstyKomunikatow() const { return Teksty(TWywolanie::Komunikat); }
    QStringList Bledy() const { return Teksty(TWywolanie::Blad); }
    void Wyczysc() {
        Wywolania.clear();
        Sygnaly = 0;
        BezOdpowiedzi = 0;
    }
};

} // namespace murolab
