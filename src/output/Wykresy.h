#pragma once
// The diffusion diagram and the temperature profile, on the main window's sheets 3 and 4 and in
// the report. The same drawing procedures serve both.

#include "core/Model.h"

#include <QWidget>

namespace murolab {

class TWykresCisnien : public QWidget {
    Q_OBJECT
public:
    explicit TWykresCisnien(QWidget* rodzic = nullptr);
};

class TWykresTemperatur : public QWidget {
    Q_OBJECT
public:
    explicit TWykresTemperatur(QWidget* rodzic = nullptr);
};

// cieplejWewnatrz: ti > te as read from the working-conditions sheet's fields.
void RysujWykresCisnien(TWykresCisnien& wykres, const TModelProjektu& model, bool cieplejWewnatrz);
void RysujWykresTemperatur(TWykresTemperatur& wykres, const TModelProjektu& model, bool cieplejWewnatrz);
void WyczyscWykres(TWykresCisnien& wykres);
void WyczyscWykres(TWykresTemperatur& wykres);

} // namespace murolab
