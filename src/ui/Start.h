#pragma once
// Start-up of the window program: the splash with its progress, the windows created once in their
// fixed order and handed the one project model, the project description dialog, then the main
// window with the working-conditions sheet in front and "&Oblicz" focused.

#include "widgets/Dialogi.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <memory>

namespace murolab {

class TFormPrzegroda;
class TFormPowitanie;
class TPomoc;

// The program with its window; src/app/main.cpp calls it with the data directory and the user's
// data directory it found. Returns the exit code.
int UruchomOkno(int argc, char** argv, const std::filesystem::path& katalogDanych,
                const std::filesystem::path& katalogUzytkownika);

// The splash pause in milliseconds: "--pauza MS" among the arguments, else the environment
// variable MUROLAB_PAUZA, else 2000. A value that is not a whole number >= 0 is ignored.
int PauzaPowitania(const QStringList& argumenty, const QByteArray& zmiennaSrodowiska);

// The program's names: "murolab" as the name of its executable, its desktop entry and its user data
// directory (~/.local/share/murolab, as QStandardPaths::AppDataLocation). The windows carry the
// program's name in their own titles; Qt is given no display name to add to them.
void UstawNazwyProgramu();

// The project named on the command line (`murolab PLIK.pro`, as a desktop entry or a file manager
// starts it): the first argument after the program's name that is not an option or the value of
// "--pauza"; after "--" the next argument whatever it is. Empty when none is named.
QString PlikProjektuZArgumentow(const QStringList& argumenty);

// The seam as the windows made at start-up use it: it passes everything on, but while the splash
// stands on top of every window a message box would open behind it (a missing "ula.dat" reported
// while the main window is made), so the splash steps aside for the box and comes back after it.
class TDialogiStartu : public TDialogi {
public:
    explicit TDialogiStartu(TDialogi& dialogi) : dialogi_(dialogi) {}
    QWidget* Powitanie = nullptr; // the splash while it is shown

    TOdpowiedz Komunikat(QWidget* rodzic, const QString& tekst, const QString& tytul, TIkona ikona,
                         TPrzyciski przyciski) override;
    void Blad(QWidget* rodzic, const QString& tekst) override;
    QString PlikDoOtwarcia(QWidget* rodzic, const TParametryPliku& p) override {
        return dialogi_.PlikDoOtwarcia(rodzic, p);
    }
    QString PlikDoZapisu(QWidget* rodzic, const TParametryPliku& p) override {
        return dialogi_.PlikDoZapisu(rodzic, p);
    }
    QStringList WielePlikowDoOtwarcia(QWidget* rodzic, const TParametryPliku& p) override {
        return dialogi_.WielePlikowDoOtwarcia(rodzic, p);
    }
    int PokazModalnie(QDialog* okno) override { return dialogi_.PokazModalnie(okno); }
    void Sygnal() override { dialogi_.Sygnal(); }

private:
    TDialogi& dialogi_;
};

class TStart {
public:
    TStart(TDialogi& dialogi, int pauzaMs, std::filesystem::path katalogDanych,
           std::filesystem::path katalogUzytkownika);
    ~TStart();

    // Everything up to the shown main window, then the project PlikProjektu when one is named (a file
    // that cannot be opened gives the usual message and leaves the project empty); the caller then
    // runs the message loop. With a project named, the description dialog is not shown at start-up.
    void Uruchom();
    QString PlikProjektu;

    TFormPrzegroda* Okno() const { return okno_.get(); }
    TPomoc* Pomoc() const { return pomoc_.get(); }

    // Told after every step of the start-up with the step's name and the progress bar's position,
    // and told the splash it made (before any step), so that tests can watch the order.
    std::function<void(const QString& krok, int postep)> PoKroku;
    std::function<void(TFormPowitanie&)> PoUtworzeniuPowitania;

private:
    void Krok(TFormPowitanie& powitanie, const QString& nazwa, int przyrost);

    TDialogiStartu dialogi_; // declared first: the windows below use it to the end
    int pauzaMs_;
    std::filesystem::path katalogDanych_;
    std::filesystem::path katalogUzytkownika_;
    std::unique_ptr<TPomoc> pomoc_; // declared first: it outlives the main window
    std::unique_ptr<TFormPrzegroda> okno_;
};

} // namespace murolab
