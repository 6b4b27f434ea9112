#pragma once
// Sheet 1 of the main window, "Przegroda": the layer grid between the summary lines of the working
// conditions, its pop-up menu and the four buttons. The grid holds the layers as the user edits
// them; the model's layer table takes them at each calculation and save (PobierzWarstwy). The
// sheet owns its controls; they carry objectNames (their names in the comments below) for the tests.

#include "core/Model.h"
#include "files/RekordProjektu.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTableWidget;

namespace murolab {

class TDialogi;
class TFormMostkiTerm;
class TFormMostkiWarstwy;
class TFormWarstwaPowietrza;
class TFormWstawWarstwe;
class TArkuszKondensacji;
class TSiatkaWarstw;

class TArkuszPrzegrody : public QWidget {
    Q_OBJECT
public:
    TArkuszPrzegrody(TModelProjektu& model, TDialogi& dialogi, QWidget* rodzic = nullptr);

    // The dialogs the sheet opens or keeps in step, and the sheet whose WT row "Dobierz grubość…"
    // aims at (set once at start-up; a missing one is skipped).
    void UstawFormy(TFormWstawWarstwe* wstaw, TFormMostkiTerm* mostki);
    void UstawArkuszKondensacji(const TArkuszKondensacji* arkusz) { kondensacja_ = arkusz; }

    // The current cell (column, row), kept across commands; starts as column 1, row 0.
    int BiezacaKolumna = 1;
    int BiezacyWiersz = 0;
    // Set before the layer insertion dialog is shown: 1 = append, 2 = insert at the target row.
    int TrybWstawiania = 1;
    int WierszDocelowy = 0;

    // The handlers of the grid ("StringGridPrzegroda"), its menu ("PopupMenuStrPrzegroda":
    // "Dodajwarstw1", "Usuwarstw1", "Dobierzgrubosc1") and the buttons "Button1" (&Dodaj),
    // "Button2" (&Usuń); "Button3" (&Mostki cieplne) and "Button5" (&Kalkulator) ask the main
    // window through MostkiCieplne and Kalkulator.
    void StringGridPrzegrodaSelectCell(int kolumna, int wiersz);
    void StringGridPrzegrodaExit();
    void StringGridPrzegrodaRowMoved();
    void Button1Click();
    void Dodajwarstw1Click();
    void Button2Click();
    void Usuwarstw1Click();
    // The least thickness of the current row's layer, in whole centimetres, at which Uk meets Umax
    // of the WT 2021 row of the condensation sheet.
    void Dobierzgrubosc1Click();
    // "Warstwapowietrza1": the current row's air layer in its dialog, or a new air layer inserted at
    // the current row when that row is no air layer.
    void Warstwapowietrza1Click();
    // "Mostkiwwarstwie1": the bridging materials of the current row's layer.
    void Mostkiwwarstwie1Click();
    // A new air layer appended (wstaw false) or inserted at `wiersz`, as the insertion dialog sends a
    // layer; its dialog opens with d = grubosc (0: to be typed). False when the user cancelled.
    bool WstawWarstwePowietrza(bool wstaw, int wiersz, double grubosc);

    void UsunWarstwe(bool biezacyWiersz);
    void PrzesunWierszeWGore(int wiersz);
    void ZmniejszSiatke();
    // Keeps the air-void correction and the 2017 fastener entry on their layers when the layers
    // move: nowyNumer gives each layer number its new one, 0 for a layer that is gone (the
    // correction is then cleared, with a word to the user).
    void PrzeniesPoprawke(const std::function<int(int)>& nowyNumer);

    // Empties the grid: one empty row, 23 pixels high, disabled (the command New).
    void WyczyscSiatke();
    // Sets the grid to n rows (at least one), 23 pixels per row, enabled and visible.
    void UstawLiczbeWierszy(int n);
    QString Komorka(int wiersz, int kolumna) const;
    void UstawKomorke(int wiersz, int kolumna, const QString& tekst);
    // Shows the layers of an opened project.
    void PokazWarstwy(const TZawartoscProjektu& zawartosc);
    // Marks the rows that hold an air layer or a bridged layer (the model's data of each row): a
    // note in the name cell and its tooltip; an air layer's lambda, mu, d, density and specific heat
    // cells are read-only, its dialog changes them.
    void OdswiezOznaczenia();
    // Writes the summary lines ("LabelTi", "LabelTe", "LabelFi", "LabelFe") from the model's
    // working conditions.
    void PokazLinieWarunkow();

    // The checks of the grid's numbers before a calculation or save: false after telling the user,
    // with the offending cell made current.
    bool SprawdzWarstwy();
    // The grid into the model's layer table.
    void PobierzWarstwy();

    // What the layer insertion dialog does to the grid (the main window's TOknoWarstw).
    void DodajWiersz();
    void PrzesunWierszeWDol(int liczba, int wiersz);
    void WpiszWiersz(int wiersz, const QString& nazwa, const QString& lambda, const QString& mi,
                     const QString& grubosc, const QString& gestosc, const QString& cieplo);

    // The grid shows and keeps a visible editor in the current cell (the window came to the front).
    void PokazSiatke();

signals:
    // The user changed the project (a cell, a layer inserted, deleted or moved, the correction moved).
    void Zmieniono();
    // The sheet wants to be in front (a layer written, a failing cell shown).
    void PokazMnie();
    // "&Mostki cieplne" and "&Kalkulator": the main window's commands.
    void MostkiCieplne();
    void Kalkulator();

protected:
    void resizeEvent(QResizeEvent* zdarzenie) override;

private:
    void Zbuduj();
    void UlozWSzerokosci();
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
    void ZaznaczKomorke(int wiersz, int kolumna);
    bool ZgodaNaZamiane();
    void PokazWstawianie();
    // The model with each row's thickness as its cell holds it (the model's record values are taken
    // from the grid only at a calculation or save): what the checks of the bridging and the air
    // layers read.
    TModelProjektu ModelZSiatki() const;
    // The row's air layer from its dialog into the model and the grid.
    void ZmienWarstwePowietrza(int wiersz);

    TModelProjektu& model_;
    TDialogi& dialogi_;
    TFormWstawWarstwe* wstaw_ = nullptr;
    TFormMostkiTerm* mostki_ = nullptr;
    TFormWarstwaPowietrza* powietrze_ = nullptr;
    TFormMostkiWarstwy* mostkiWarstwy_ = nullptr;
    QAction* akcjaPowietrza_ = nullptr;
    const TArkuszKondensacji* kondensacja_ = nullptr;
    TSiatkaWarstw* siatka_ = nullptr;
    QLabel* ti_ = nullptr; // "t  = 20" of the indoor summary line
    QLabel* te_ = nullptr;
    QLabel* fi_ = nullptr; // "Φ  = 55"
    QLabel* fe_ = nullptr;
    QMenu* menu_ = nullptr;
    std::array<QLabel*, 7> naglowki_{};       // the headings above the grid's columns
    std::array<QPushButton*, 4> przyciski_{}; // "&Dodaj", "&Usuń", "&Mostki cieplne", "&Kalkulator"
    int wolnyWiersz_ = -1;                    // the grid row just added or emptied for a layer being sent
};

} // namespace murolab
