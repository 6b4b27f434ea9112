#pragma once
// The main window: the five sheets (working conditions, layer grid, results, two charts), the menu,
// "&Oblicz", and the project model that every form works on. Its handlers keep the names of the
// program's design (ComboBoxStrefaKlChange, Button6Click, ...). The implementation is split by
// sheet: FormPrzegroda.cpp (frame, menus, closing), ArkuszWarunkow.cpp (sheet 0),
// SiatkaWarstw.cpp (sheet 1), ArkuszWynikow.cpp and Oblicz.cpp (sheet 2 and the calculate
// command), Projekt.cpp (New, Open, Save).

#include "core/Model.h"
#include "files/RekordProjektu.h"
#include "widgets/Dialogi.h"
#include "widgets/OknoWarstw.h"

#include <QList>
#include <QMainWindow>
#include <QString>

#include <array>
#include <filesystem>
#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTableWidget;
class QTextEdit;
class QWidget;

namespace murolab {

class TNumEdit;
class TFormWstawWarstwe;
class TFormMostkiTerm;
class TFormDane;
class TPodgladWydruku;
class TAboutBox;
class TWykresCisnien;
class TWykresTemperatur;
class TPomoc;
class TKalkulator;
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
    TFormWstawWarstwe* FormWstawWarstwe = nullptr;
    TFormMostkiTerm* FormMostkiTerm = nullptr;
    TFormDane* FormDane = nullptr;
    TPodgladWydruku* PodgladWydruku = nullptr;
    TAboutBox* AboutBox = nullptr;
    TPomoc* Pomoc = nullptr;

    // Runs a handler body so that no exception reaches Qt's event loop.
    void Bezpiecznie(const std::function<void()>& f);

    // ---- frame, menu, closing (FormPrzegroda.cpp)
    QTabWidget* PageControlPrzegroda = nullptr;
    QWidget* TabSheetWarPracy = nullptr;
    QWidget* TabSheetPrzegroda = nullptr;
    QWidget* TabSheetObliczenia = nullptr;
    QWidget* TabSheetWykresCisnien = nullptr;
    QWidget* TabSheetWykresTemperat = nullptr;
    QWidget* TabSheetKondensacja = nullptr;
    QPushButton* BitBtnOblicz = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QAction* Nowy1 = nullptr;
    QAction* Otwrz1 = nullptr;
    QAction* Zapisz1 = nullptr;
    QAction* Podgldwydruku1 = nullptr;
    QAction* Wyjcie1 = nullptr;
    QAction* Edycjaprzegrody1 = nullptr;
    QAction* Warunkipracy1 = nullptr;
    QAction* Mostkicieplne1 = nullptr;
    QAction* Projektdane1 = nullptr;
    QAction* Obliczenia2 = nullptr;
    QAction* Wykresci1 = nullptr;
    QAction* Wykrestemperatur1 = nullptr;
    QAction* Kondensacja1 = nullptr; // F10: the sheet "Kondensacja i WT 2021"
    QAction* Pomoc1 = nullptr;
    QAction* Oprogramie2 = nullptr;

    void FormCreate();
    // Why the saturation table was refused at start-up (shown then, and again by every "&Oblicz"
    // until the program is started with a sound table); empty when it loaded.
    QString BladTablicyNasycenia;
    void FormActivate();
    void FormPaint() {}
    // The closing question; true when the window may close (saved, or saving not wanted).
    bool FormCloseQuery();
    void BitBtnObliczClick();
    void Nowy1Click();
    void Otwrz1Click();
    void Zapisz1Click();
    void Podgldwydruku1Click();
    void Wyjcie1Click();
    void Edycjaprzegrody1Click();
    void Warunkipracy1Click();
    void Button3Click();
    void Projektdane1Click();
    void Obliczenia2Click();
    void Wykresci1Click();
    void Wykrestemperatur1Click();
    void Pomoc1Click();
    void Oprogramie2Click();
    void Button5Click();
    // Shows sheet k of the page control.
    void PokazArkusz(int k);
    // "&Kalkulator": the calculator we started, so that it is not started twice.
    TKalkulator* Kalkulator = nullptr;

    // ---- sheet 0, working conditions (ArkuszWarunkow.cpp)
    QComboBox* ComboBoxTypPrzegrody = nullptr;
    QComboBox* ComboBoxStrefaKl = nullptr;
    QComboBox* ComboBoxWarunkiWilg = nullptr;
    QComboBox* ComboBoxRsi = nullptr;
    QComboBox* ComboBoxRse = nullptr;
    TNumEdit* NumEditTempWew = nullptr;
    TNumEdit* NumEditTempZewn = nullptr;
    TNumEdit* NumEditWilgotWewn = nullptr;
    TNumEdit* NumEditWilgotZewn = nullptr;
    QPushButton* Button6 = nullptr;

    void ComboBoxTypPrzegrodyChange();
    void ComboBoxTypPrzegrodyExit();
    void ComboBoxRsiExit();
    void ComboBoxRseExit();
    void NumEditTempZewnChange();
    void ComboBoxStrefaKlChange();
    void ComboBoxStrefaKlExit();
    void NumEditWilgotWewnExit();
    void ComboBoxWarunkiWilgChange();
    void TabSheetWarPracyEnter();
    void Button6Click();
    bool SprawdzPolaWarunkow();
    void ZapamietajWarunki();
    // Writes a text into one of the lists as the program does: no change handling runs.
    static void UstawTekstListy(QComboBox* lista, const QString& tekst);

    // ---- sheet 1, layer grid (SiatkaWarstw.cpp)
    QTableWidget* StringGridPrzegroda = nullptr;
    QLabel* LabelTi = nullptr; // "t  = 20" of the indoor summary line
    QLabel* LabelTe = nullptr;
    QLabel* LabelFi = nullptr; // "Φ  = 55"
    QLabel* LabelFe = nullptr;
    // Writes the summary lines from the model's working conditions ("&Wprowadź", New, Open).
    void PokazLinieWarunkow();
    QPushButton* Button1 = nullptr; // "&Dodaj"
    QPushButton* Button2 = nullptr; // "&Usuń"
    QPushButton* Button3 = nullptr; // "&Mostki cieplne"
    QPushButton* Button5 = nullptr; // "&Kalkulator"
    QMenu* PopupMenuStrPrzegroda = nullptr;
    QAction* Dodajwarstw1 = nullptr;
    QAction* Usuwarstw1 = nullptr;
    // The current cell (column, row), kept across commands; starts as column 1, row 0.
    int BiezacaKolumna = 1;
    int BiezacyWiersz = 0;
    // Set before the layer insertion dialog is shown: 1 = append, 2 = insert at the target row.
    int TrybWstawiania = 1;
    int WierszDocelowy = 0;

    void StringGridPrzegrodaSelectCell(int kolumna, int wiersz);
    void StringGridPrzegrodaExit();
    void StringGridPrzegrodaRowMoved();
    // Keeps the air-void correction on its layer when the layers move: nowyNumer gives each layer
    // number its new one, 0 for a layer that is gone (the correction is then cleared, with a word
    // to the user).
    void PrzeniesPoprawke(const std::function<int(int)>& nowyNumer);
    void Button1Click();
    void Dodajwarstw1Click();
    void Button2Click();
    void Usuwarstw1Click();
    void UsunWarstwe(bool biezacyWiersz);
    void PrzesunWierszeWGore(int wiersz);
    void ZmniejszSiatke();
    // Empties the grid: one empty row, 23 pixels high, disabled (the command New).
    void WyczyscSiatke();
    // Sets the grid to n rows (at least one), 23 pixels per row, enabled and visible.
    void UstawLiczbeWierszy(int n);
    QString Komorka(int wiersz, int kolumna) const;
    void UstawKomorke(int wiersz, int kolumna, const QString& tekst);

    // TOknoWarstw, for the layer insertion dialog.
    QWidget* OknoGlowne() override { return this; }
    QString KlasaWilgotnosci() const override;
    int LiczbaWarstw() const override { return Model.LiczbaWarstw; }
    void DodajWiersz() override;
    void PrzesunWierszeWDol(int liczba, int wiersz) override;
    void WpiszWiersz(int wiersz, const QString& nazwa, const QString& lambda, const QString& mi,
                     const QString& grubosc, const QString& gestosc = {},
                     const QString& cieplo = {}) override;

    // ---- sheet 2, results, and the calculate command (ArkuszWynikow.cpp, Oblicz.cpp)
    QTextEdit* RichEditNr = nullptr;
    QTextEdit* RichEditMaterial = nullptr;
    QTextEdit* RichEditLambda = nullptr;
    QTextEdit* RichEditMi = nullptr;
    QTextEdit* RichEditGrubosc = nullptr;
    QTextEdit* RichEditR = nullptr;
    QTextEdit* RichEditDelta = nullptr;
    QTextEdit* RichEditSpadek = nullptr;
    QTextEdit* RichEditTemp = nullptr;
    QTextEdit* RichEditCisNasy = nullptr;
    QTextEdit* RichEditCisCzast = nullptr;
    QLabel* LabeLKomunikat = nullptr;
    QLabel* LabelKomunikat3 = nullptr;
    QLabel* LabelKomunikat4 = nullptr;
    QLabel* LabelUk = nullptr;
    QLabel* LabelI = nullptr;
    QLabel* LabelP = nullptr;
    // Under Uk: U0, ΔUg, ΔUf and ΔUk with the own addition (TArkuszWynikow::SkladnikiUk).
    std::array<QLabel*, 4> LabelSkladnikiUk{};

    void Oblicz();
    bool SprawdzWarstwy();
    bool SprawdzWarunki();
    void PobierzWarstwy();
    void WyczyscWyniki();
    void PokazWyniki();

    // ---- sheets 3 and 4, the charts (drawn by the output module)
    TWykresCisnien* ChartCisnienie = nullptr;
    TWykresTemperatur* ChartTemperatura = nullptr;
    void WyczyscWykresy();
    void RysujWykresy();

    // ---- sheet 5, "Kondensacja i WT 2021" (its own widget); the lines it adds under the verdict
    // of sheet 2
    TArkuszKondensacji* ArkuszKondensacji = nullptr;
    QLabel* LabelKondensacjaWewnatrz = nullptr;
    void PokazLiniePodWerdyktem();
    // "Dobierz grubość…" of the grid's menu: the least thickness of the current row's layer, in whole
    // centimetres, at which Uk meets Umax of the sheet's WT 2021 row (DoborGrubosci.cpp).
    QAction* Dobierzgrubosc1 = nullptr;
    void Dobierzgrubosc1Click();

    // ---- project commands (Projekt.cpp)
    void NowyProjekt();
    void UstawDomyslneKontrolki();
    void OtworzProjekt();
    // Opens the named project as "Otwórz" does once the name is chosen (the command line names it).
    void OtworzPlikProjektu(const QString& nazwa);
    void PokazProjekt(const TZawartoscProjektu& zawartosc);
    // True when the file was written; false when the dialog was cancelled or the write failed.
    bool ZapiszProjekt();

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
    // The results on sheets 2-4 and in the report belong to input changed since.
    bool WynikiNieaktualne() const { return wynikiNieaktualne_; }
    void OdswiezStan();
    QLabel* LabelStan = nullptr;           // the status bar's text
    QList<QLabel*> ZnacznikiNieaktualnych; // one on each of sheets 2, 3 and 4
    QString OstatniPlikOtwarty;            // each file dialog starts with the name last chosen in it
    QString OstatniPlikZapisany;

protected:
    void closeEvent(QCloseEvent* zdarzenie) override;
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void changeEvent(QEvent* zdarzenie) override;

private:
    void ZbudujMenu();
    void ZbudujArkuszWarunkow();
    void ZbudujSiatke();
    // The key filters and the "exit" handlers of sheet 0's lists and of the grid's cell editor.
    bool FiltrArkuszaWarunkow(QObject* obiekt, QEvent* zdarzenie);
    bool FiltrSiatki(QObject* obiekt, QEvent* zdarzenie);
    void ZbudujArkuszWynikow();
    void ZbudujWykresy();
    void ZaznaczKomorke(int wiersz, int kolumna);
    bool zamkniety_ = false; // the window was let go; closing again asks nothing
    bool saWyniki_ = false;  // sheets 2-4 and the report show a calculation
    bool wynikiNieaktualne_ = false;
    int wolnyWiersz_ = -1; // the grid row just added or emptied for a layer being sent
};

} // namespace murolab
