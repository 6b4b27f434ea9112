#pragma once
// Sheet 2 of the main window, "Obliczenia": the results table of eleven columns, the verdict with its
// criterion and the lines of the moisture check under it, Uk, I and P with the parts of Uk. What it
// shows comes from ArkuszWynikow (core/Arkusz.h), the same texts that the command line prints; the
// sheet only lays them out. It owns its controls; they carry objectNames for the tests ("RichEditNr"
// ... "RichEditCisCzast", "LabeLKomunikat", "LabelKomunikat3", "LabelKomunikat4", "LabelUk",
// "LabelI", "LabelP", "LabelSkladnikUk0".."3", "LabelKondensacjaWewnatrz"). A partition with bridged
// or air layers adds the section selector above the table ("ComboBoxPrzekrojWynikow": the table shows
// the chosen section) and the combined method's lines under the results ("LabelNiejednorodna").

#include "core/Arkusz.h"
#include "output/TekstyKondensacji.h"

#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QTextEdit;

namespace murolab {

class TWyborPrzekroju;

class TArkuszObliczen : public QWidget {
    Q_OBJECT
public:
    explicit TArkuszObliczen(QWidget* rodzic = nullptr);

    // The sheet as before any calculation: empty columns and the results' empty labels.
    void WyczyscWyniki();
    // The results of a calculation of `liczbaWarstw` layers.
    void PokazWyniki(const TArkuszWynikow& arkusz, int liczbaWarstw);
    // The lines of the moisture check under the verdict; none hides them.
    void PokazLiniePodWerdyktem(const std::vector<TLiniaWyniku>& linie);
    // The lines under the results (the combined method, the form of the fastener correction); none
    // hides them.
    void PokazLinieNiejednorodnej(const std::vector<TLiniaWyniku>& linie);
    TWyborPrzekroju& WyborPrzekroju() { return *wyborPrzekroju_; }

private:
    void Zbuduj();
    void UlozPodTabela();
    void UlozKolumny(int szerokoscWidoku);
    void UstawWysokosci(int liczbaWarstw);
    void UstawSkladnikiUk(const TArkuszWynikow& arkusz);
    int PrawyBrzegTabeli() const;

    std::array<QTextEdit*, 11> kolumny_{}; // left to right, as the table's columns
    QLabel* komunikat_ = nullptr;          // the verdict
    QLabel* komunikat3_ = nullptr;         // "ts +1 >"
    QLabel* komunikat4_ = nullptr;         // "θi"
    QLabel* uk_ = nullptr;
    QLabel* i_ = nullptr;
    QLabel* p_ = nullptr;
    std::array<QLabel*, 4> skladnikiUk_{}; // U0, ΔUg, ΔUf, ΔUk with the own addition
    QLabel* kondensacja_ = nullptr;        // the lines of the moisture check
    QLabel* niejednorodna_ = nullptr;      // the combined method, under the parts of Uk
    TWyborPrzekroju* wyborPrzekroju_ = nullptr;
};

} // namespace murolab
