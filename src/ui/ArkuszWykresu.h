#pragma once
// Sheets 3 and 4 of the main window, "Wykres ciśnień" and "Wykres temperatur": each holds its chart
// (objectNames "ChartCisnienie" and "ChartTemperatura") over the whole sheet, with the help topic
// of the sheet. A chart sheet brought to the front takes the focus for its chart, so that F1 opens
// its topic wherever the user came from. A partition with bridged or air layers shows the section
// selector above the chart ("ComboBoxPrzekrojCisnien", "ComboBoxPrzekrojTemperatur"); the chart is
// drawn from the chosen section's model.

#include "core/Kondensacja.h"
#include "core/Model.h"

#include <QWidget>

#include <filesystem>
#include <vector>

namespace murolab {

class TWykres;
class TWyborPrzekroju;
class TWykresCisnien;
class TWykresTemperatur;

class TArkuszWykresu : public QWidget {
    Q_OBJECT
public:
    // Brought to the front: the chart takes the focus unless it is already inside the sheet.
    void Pokazany();
    TWyborPrzekroju& WyborPrzekroju() { return *wyborPrzekroju_; }

protected:
    // `tlo`: the charts' background picture in the data directory; `kontekst`: the help topic;
    // `nazwaWyboru`: the objectName of the section list.
    TArkuszWykresu(TWykres* wykres, const char* nazwa, int kontekst, const std::filesystem::path& tlo,
                   const char* nazwaWyboru, QWidget* rodzic);

private:
    TWykres* wykres_;
    TWyborPrzekroju* wyborPrzekroju_;
};

class TArkuszWykresuCisnien : public TArkuszWykresu {
    Q_OBJECT
public:
    explicit TArkuszWykresuCisnien(const std::filesystem::path& tlo, QWidget* rodzic = nullptr);
    // The pressures of the calculated model; `kondensacja`: the design condition of the moisture check.
    void Rysuj(const TModelProjektu& model, bool cieplejWewnatrz, const TStanDyfuzji* kondensacja);
    void Wyczysc();

private:
    TWykresCisnien* wykres_;
};

class TArkuszWykresuTemperatur : public TArkuszWykresu {
    Q_OBJECT
public:
    explicit TArkuszWykresuTemperatur(const std::filesystem::path& tlo, QWidget* rodzic = nullptr);
    void Rysuj(const TModelProjektu& model, bool cieplejWewnatrz);
    void Wyczysc();

private:
    TWykresTemperatur* wykres_;
};

} // namespace murolab
