#include "output/PodgladWydruku.h"

namespace murolab {

TPodgladWydruku::TPodgladWydruku(TModelProjektu& model, TDialogi& dialogi, QWidget* rodzic)
    : QDialog(rodzic), model_(model), dialogi_(dialogi) {}

void TPodgladWydruku::WypelnijRaport(const TArkuszWynikow&, const QString&) {}
void TPodgladWydruku::WyczyscRaport() {}
void TPodgladWydruku::PokazRaport(QWidget*, bool) {}

} // namespace murolab
