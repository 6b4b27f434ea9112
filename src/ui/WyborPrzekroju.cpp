#include "ui/WyborPrzekroju.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace murolab {

TWyborPrzekroju::TWyborPrzekroju(const char* nazwaListy, QWidget* rodzic) : QWidget(rodzic) {
    setObjectName(QStringLiteral("Wybor") + QString::fromLatin1(nazwaListy));
    auto* uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(6, 4, 6, 2);
    uklad->setSpacing(6);
    auto* podpis = new QLabel(QStringLiteral("Przekrój:"), this);
    lista_ = new QComboBox(this);
    lista_->setObjectName(QString::fromLatin1(nazwaListy));
    lista_->setToolTip(QStringLiteral("Przekrój przegrody niejednorodnej pokazywany w tabeli i na wykresach; "
                                      "oceny dotyczą zawsze najniekorzystniejszego przekroju"));
    // Long names of many bridged layers must not widen the window past its smallest size.
    lista_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lista_->setMinimumContentsLength(28);
    podpis->setBuddy(lista_);
    uklad->addWidget(podpis);
    uklad->addWidget(lista_);
    uklad->addStretch(1);
    connect(lista_, &QComboBox::activated, this, [this](int i) {
        if (!wypelnianie_)
            emit Wybrano(i);
    });
    hide();
}

void TWyborPrzekroju::Ustaw(const std::vector<std::string>& nazwy, int wybrany) {
    wypelnianie_ = true;
    {
        const QSignalBlocker blokada(lista_);
        lista_->clear();
        for (const std::string& n : nazwy)
            lista_->addItem(QString::fromStdString(n));
        lista_->setCurrentIndex(nazwy.empty() ? -1 : wybrany);
    }
    wypelnianie_ = false;
    // One section (an air layer without bridging) leaves nothing to choose.
    setVisible(nazwy.size() > 1);
}

void TWyborPrzekroju::Wybierz(int wybrany) {
    const QSignalBlocker blokada(lista_);
    lista_->setCurrentIndex(wybrany);
}

} // namespace murolab
