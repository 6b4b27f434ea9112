#pragma once
// The section selector of the sheets that show one section of a partition with bridged or air layers
// (the results' profile, the charts, the monthly table and Ma chart): "Przekrój:" and a list of the
// sections by name and share. Hidden for a homogeneous partition. It only offers the choice; the main
// window keeps the one chosen and shows it on every sheet.

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;

namespace murolab {

class TWyborPrzekroju : public QWidget {
    Q_OBJECT
public:
    // `nazwaListy`: the objectName of the list, unique in the window.
    TWyborPrzekroju(const char* nazwaListy, QWidget* rodzic = nullptr);
    // The sections offered, with `wybrany` shown; fewer than two hide the selector.
    void Ustaw(const std::vector<std::string>& nazwy, int wybrany);
    // Shows `wybrany` without signalling it (the window keeps the sheets in step).
    void Wybierz(int wybrany);

signals:
    // The user chose a section.
    void Wybrano(int przekroj);

private:
    QComboBox* lista_ = nullptr;
    bool wypelnianie_ = false;
};

} // namespace murolab
