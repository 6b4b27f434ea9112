#pragma once
// What the layer insertion dialog needs of the main window: the layer grid with its count, the
// humidity class chosen on the working-conditions sheet, and the window itself to hide and show.
// The main window implements it; tests of the dialog may use a small fake.

#include <QString>

class QWidget;

namespace murolab {

class TOknoWarstw {
public:
    virtual ~TOknoWarstw() = default;

    virtual QWidget* OknoGlowne() = 0;
    // Text of ComboBoxWarunkiWilg: "Warunki średniowilgotne" or "Warunki wilgotne".
    virtual QString KlasaWilgotnosci() const = 0;
    // LiczbaWarstw of the model: the rows of the grid in use.
    virtual int LiczbaWarstw() const = 0;
    // Grows the grid by one numbered row; at 10 layers or more nothing happens.
    virtual void DodajWiersz() = 0;
    // Moves rows t .. count-2 one row down (every column but 0, which keeps its numbering).
    virtual void PrzesunWierszeWDol(int liczba, int wiersz) = 0;
    // Writes name, lambda, mu, d, density and specific heat (texts as they stand; an empty density
    // or specific heat means unknown) into grid row r and shows sheet 1.
    virtual void WpiszWiersz(int wiersz, const QString& nazwa, const QString& lambda, const QString& mi,
                             const QString& grubosc, const QString& gestosc = {},
                             const QString& cieplo = {}) = 0;
    // The catalogue's air-layer entry: the air-layer dialog opens (d = grubosc, 0 = to be typed) and
    // its layer is appended (wstaw false) or inserted at `wiersz` with its air-layer data. False
    // when the user cancelled or the layer was refused.
    virtual bool WstawWarstwePowietrza(bool wstaw, int wiersz, double grubosc) = 0;
};

} // namespace murolab
