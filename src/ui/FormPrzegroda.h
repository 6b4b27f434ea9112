#pragma once
// The main window: the frame with its menu, the six sheets in a page control, "&Oblicz" under them
// and the status bar; the project model that every form works on; the project commands (New, Open,
// Save, Report) and the calculate command that runs over the sheets. Each sheet is a widget of its
// own that owns its controls (ArkuszWarunkow.h, ArkuszPrzegrody.h, ArkuszObliczen.h,
// ArkuszWykresu.h, ArkuszKondensacji.h); the window's own controls carry objectNames (the names
// below) for the tests. Its handlers keep the names of the program's design (Nowy1Click, ...). The
// implementation: FormPrzegroda.cpp (frame, menus, closing), Oblicz.cpp (the calculate command),
// Projekt.cpp (New, Open, Save).

#include "core/AnalizaProjektu.h"
#include "core/Model.h"
#include "files/RekordProjektu.h"
#include "widgets/Dialogi.h"
#include "widgets/OknoWarstw.h"

#include <QList>
#include <QMainWindow>
#include <QString>

#include <filesystem>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QPushButton;
class QTabWidget;

namespace murolab {

class TFormWstawWarstwe;
class TFormMostkiTerm;
class TFormDane;
class TPodgladWydruku;
class TAboutBox;
class TPomoc;
class TKalkulator;
class TFormZestawienie;
class TArkuszWarunkow;
class TArkuszPrzegrody;
class TArkuszObliczen;
class TArkuszWykresuCisnien;
class TArkuszWykresuTemperatur;
class TArkuszKondensacji;

class TFormPrzegroda : public QMainWindow, public TOknoWarstw {
    Q_OBJECT
public:
    // katalogDanych: the program's data directory, where the window reads the saturation table
    // "ula.dat" and the charts' background "tlo.bmp" as it is made.
    TFormPrzegroda(TDialogi& dialogi, const std::filesystem::path& katalogDanych, QWidget* rodzic = nullptr);
    ~TFormPrzegroda() override;

    // The one project model of the process.
    TModelProjektu Model;
    TDialogi& Dialogi;
    const std::filesystem::path KatalogDanych;

    // Forms created after the main window (start-up order); the main window shows them.
    void UstawFormy(TFormWstawWarstwe* wstaw, TFormMostkiTerm* mostki, TFormDane* dane,
                    TPodgladWydruku* raport, TAboutBox* about);
    void UstawPomoc(TPomoc* pomoc);
    // The summary of projects ("Zestawienie przegród…" in the File menu), made at start-up too.
    void UstawZestawienie(TFormZestawienie* zestawienie) { FormZestawienie = zestawienie; }
    TFormZestawienie* FormZestawienie = nullptr;
    TFormWstawWarstwe* FormWstawWarstwe = nullptr;
    TFormMostkiTerm* FormMostkiTerm = nullptr;
    TFormDane* FormDane = nullptr;
    TPodgladWydruku* PodgladWydruku = nullptr;
    TAboutBox* AboutBox = nullptr;
    TPomoc* Pomoc = nullptr;
    // "&Kalkulator": the calculator we started, so that it is not started twice.
    TKalkulator* Kalkulator = nullptr;

    // Runs a handler body so that no exception reaches Qt's event loop.
    void Bezpiecznie(const std::function<void()>& f);

    // ---- frame, menu, closing (FormPrzegroda.cpp). The controls: "PageControlPrzegroda",
    // "BitBtnOblicz", "StatusBar1" with "LabelStan"; the menu items "Nowy1", "Otwrz1", "Zapisz1",
    // "Podgldwydruku1", "Wyjcie1", "Edycjaprzegrody1", "Warunkipracy1", "Mostkicieplne1",
    // "Projektdane1", "Obliczenia2", "Wykresci1", "Wykrestemperatur1", "Kondensacja1" (F10, the
    // sheet "Kondensacja i WT 2021"), "Pomoc1", "Oprogramie2".
    void FormCreate();
    // Why the saturation table was refused at start-up (shown then, and again by every "&Oblicz"
    // until the program is started with a sound table); empty when it loaded.
    QString BladTablicyNasycenia;
    void FormActivate();
    // The closing question; true when the window may close (saved, or saving not wanted).
    bool FormCloseQuery();
    void BitBtnObliczClick();
    void Nowy1Click();
    void Otwrz1Click();
    void Zapisz1Click();
    void Podgldwydruku1Click();
    void Zestawienieprzegrod1Click(); // "Zestawienieprzegrod1"
    void Wyjcie1Click();
    void Edycjaprzegrody1Click();
    void Warunkipracy1Click();
    void Button3Click();
    void Projektdane1Click();
    void Obliczenia2Click();
    void Wykresci1Click();
    void Wykrestemperatur1Click();
    void Kondensacja1Click();
    void Pomoc1Click();
    void Oprogramie2Click();
    void Button5Click();
    // Shows sheet k of the page control.
    void PokazArkusz(int k);
    // Shown for the first time: the working-conditions sheet in front and "&Oblicz" focused.
    void PokazNaStarcie();

    // ---- the calculate command (Oblicz.cpp)
    void Oblicz();
    bool SprawdzWarunki();
    // After the grid has gone into the layer table: what the grid does not show (bridges, air layers,
    // the 2017 fastener entry) still fits the layers, a fastener's d1 their new thickness above all.
    // False after telling the user; a file saved otherwise could not be opened again.
    bool SprawdzNiejednorodne();
    void WyczyscWyniki();
    void PokazWyniki();
    void WyczyscWykresy();
    void RysujWykresy();
    // Everything after the calculation pass (AnalizujProjekt with the choices of sheet 5: the
    // moisture check, WT 2021, the summer figures), shown on sheet 5, under the verdict of sheet 2
    // and in the report. Runs at every "&Oblicz", and again at once when a choice on sheet 5 changes
    // while the results are current.
    void ObliczAnalize();
    // The last analysis; empty before the first calculation and after a reset.
    const std::optional<TAnalizaProjektu>& Analiza() const { return analiza_; }
    // A partition with bridged or air layers: the section whose profile the results sheet, the
    // charts and the monthly table show (the largest after each "&Oblicz", then the user's choice on
    // any sheet), shown on every sheet at once.
    void WybierzPrzekroj(int przekroj);
    void PokazPrzekroj();

    // ---- project commands (Projekt.cpp)
    void NowyProjekt();
    void UstawDomyslneKontrolki();
    void OtworzProjekt();
    // Opens the named project as "Otwórz" does once the name is chosen (the command line names it).
    void OtworzPlikProjektu(const QString& nazwa);
    void PokazProjekt(const TZawartoscProjektu& zawartosc);
    // True when the file was written; false when the dialog was cancelled or the write failed.
    bool ZapiszProjekt();
    // The project as it stands on screen (the grid's layers taken into the model, as a save takes
    // them), for the summary of projects; nothing when the grid's numbers fail their checks (the
    // user has been told).
    std::optional<TModelProjektu> ProjektNaEkranie();

    // ---- what changed: since the last save, open or new (the closing question) and since the
    // last "&Oblicz" (the stale mark on results, charts and report); the status bar's next step
    // (FormPrzegroda.cpp)
    // An edit of the project by the user.
    void ZaznaczZmiane();
    // Asked before the project is replaced or the window closes: true to go on (saved, or not
    // wanted, or nothing changed), false to go back to the work untouched.
    bool ZapytajOZapis();
    // The step the status bar suggests for the model as it stands.
    QString NastepnyKrok() const;
    // The results on sheets 2-5 and in the report belong to input changed since.
    bool WynikiNieaktualne() const { return wynikiNieaktualne_; }
    void OdswiezStan();
    QString OstatniPlikOtwarty; // each file dialog starts with the name last chosen in it
    QString OstatniPlikZapisany;

    // TOknoWarstw, for the layer insertion dialog: the layer sheet's grid and the working-conditions
    // sheet's humidity class.
    QWidget* OknoGlowne() override { return this; }
    QString KlasaWilgotnosci() const override;
    int LiczbaWarstw() const override { return Model.LiczbaWarstw; }
    void DodajWiersz() override;
    void PrzesunWierszeWDol(int liczba, int wiersz) override;
    void WpiszWiersz(int wiersz, const QString& nazwa, const QString& lambda, const QString& mi,
                     const QString& grubosc, const QString& gestosc = {},
                     const QString& cieplo = {}) override;
    bool WstawWarstwePowietrza(bool wstaw, int wiersz, double grubosc) override;

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;
    void changeEvent(QEvent* zdarzenie) override;

private:
    void ZbudujMenu();
    void ZbudujArkusze();
    // ti > te as the working-conditions sheet shows them: the charts' and the report's captions.
    bool CieplejWewnatrz() const;
    // A choice of sheet 5 (climate, indoor air, WT row) changed.
    void WyborAnalizyZmieniony();

    TArkuszWarunkow* warunki_ = nullptr;
    TArkuszPrzegrody* przegroda_ = nullptr;
    TArkuszObliczen* obliczenia_ = nullptr;
    TArkuszWykresuCisnien* wykresCisnien_ = nullptr;
    TArkuszWykresuTemperatur* wykresTemperatur_ = nullptr;
    TArkuszKondensacji* kondensacja_ = nullptr;
    QTabWidget* arkusze_ = nullptr;
    QPushButton* oblicz_ = nullptr;
    QLabel* stan_ = nullptr;                // the status bar's text
    QList<QLabel*> znacznikiNieaktualnych_; // one on each of sheets 2 to 5
    bool zamkniety_ = false;                // the window was let go; closing again asks nothing
    bool saWyniki_ = false;                 // sheets 2-5 and the report show a calculation
    bool wynikiNieaktualne_ = false;
    std::optional<TAnalizaProjektu> analiza_;
    std::optional<std::size_t> przekroj_; // empty: the default section of the next analysis
    // ti and te of the last calculation as the verdict used them, for the tables of other sections.
    int tiObliczenia_ = 0;
    int teObliczenia_ = 0;
};

} // namespace murolab
