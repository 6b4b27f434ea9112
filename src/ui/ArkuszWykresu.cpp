// Sheets 3 and 4 of the main window: the charts (see ArkuszWykresu.h).
#include "ui/ArkuszWykresu.h"

#include "output/Wykresy.h"
#include "ui/KontekstPomocy.h"
#include "ui/WyborPrzekroju.h"

#include <QApplication>
#include <QTabBar>
#include <QVBoxLayout>

namespace murolab {

TArkuszWykresu::TArkuszWykresu(TWykres* wykres, const char* nazwa, int kontekst,
                               const std::filesystem::path& tlo, const char* nazwaWyboru, QWidget* rodzic)
    : QWidget(rodzic), wykres_(wykres), wyborPrzekroju_(new TWyborPrzekroju(nazwaWyboru, this)) {
    wykres_->setParent(this);
    wykres_->setObjectName(QLatin1String(nazwa));
    wykres_->WczytajTlo(QString::fromStdString(tlo.string()));
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addWidget(wyborPrzekroju_);
    uklad->addWidget(wykres_);
    UstawKontekstPomocy(this, kontekst);
    UstawKontekstPomocy(wykres_, kontekst);
    // The tabs do not take the focus on a click: the chart takes it (Pokazany).
    wykres_->setFocusPolicy(Qt::StrongFocus);
}

void TArkuszWykresu::Pokazany() {
    QWidget* fokus = QApplication::focusWidget();
    if (fokus && fokus->window() == window() && !qobject_cast<QTabBar*>(fokus) && !isAncestorOf(fokus))
        wykres_->setFocus(Qt::OtherFocusReason);
}

TArkuszWykresuCisnien::TArkuszWykresuCisnien(const std::filesystem::path& tlo, QWidget* rodzic)
    : TArkuszWykresu(new TWykresCisnien, "ChartCisnienie", 13, tlo, "ComboBoxPrzekrojCisnien", rodzic),
      wykres_(findChild<TWykresCisnien*>()) {
    setObjectName(QStringLiteral("TabSheetWykresCisnien"));
}

void TArkuszWykresuCisnien::Rysuj(const TModelProjektu& model, bool cieplejWewnatrz,
                                  const TStanDyfuzji* kondensacja) {
    RysujWykresCisnien(*wykres_, model, cieplejWewnatrz, kondensacja);
}

void TArkuszWykresuCisnien::Wyczysc() {
    WyczyscWykres(*wykres_);
}

TArkuszWykresuTemperatur::TArkuszWykresuTemperatur(const std::filesystem::path& tlo, QWidget* rodzic)
    : TArkuszWykresu(new TWykresTemperatur, "ChartTemperatura", 14, tlo, "ComboBoxPrzekrojTemperatur",
                     rodzic),
      wykres_(findChild<TWykresTemperatur*>()) {
    setObjectName(QStringLiteral("TabSheetWykresTemperat"));
}

void TArkuszWykresuTemperatur::Rysuj(const TModelProjektu& model, bool cieplejWewnatrz) {
    RysujWykresTemperatur(*wykres_, model, cieplejWewnatrz);
}

void TArkuszWykresuTemperatur::Wyczysc() {
    WyczyscWykres(*wykres_);
}

} // namespace murolab
