#pragma once
// Sheets 3 and 4 of the main window, "Wykres ciśnień" and "Wykres temperatur": each holds its chart
// (objectNames "ChartCisnienie" and "ChartTemperatura") over the whole sheet, with the help topic
// of the sheet. A chart sheet brought to the front takes the focus for its chart, so that F1 opens
// its topic wherever the user came from.

#include "core/Kondensacja.h"
#include "core/Model.h"

#include <QWidget>

#include <filesystem>
#include <vector>

namespace murolab {

class TWykres;
class TWykresCisnien;
class TWykresTemperatur;

class TArkuszWykresu : public QWidget {
    Q_OBJECT
public:
    // Brought to the front: the chart takes the focus unless it is already inside the sheet.
    void Pokazany();

protected:
    // `tlo`: the charts' background picture in the data directory; `kontekst`: the help topic.
    TArkuszWykresu(TWykres* wykres, const char* nazwa, int kontekst, const std::filesystem::path& tlo,
                   QWidget* rodzic);

private:
    TWykres* wykres_;
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
