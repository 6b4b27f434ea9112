#include "output/Wykresy.h"

namespace murolab {

TWykresCisnien::TWykresCisnien(QWidget* rodzic) : QWidget(rodzic) {}
TWykresTemperatur::TWykresTemperatur(QWidget* rodzic) : QWidget(rodzic) {}

void RysujWykresCisnien(TWykresCisnien&, const TModelProjektu&, bool) {}
void RysujWykresTemperatur(TWykresTemperatur&, const TModelProjektu&, bool) {}
void WyczyscWykres(TWykresCisnien&) {}
void WyczyscWykres(TWykresTemperatur&) {}

} // namespace murolab
