#pragma once
// A stand-in for the main window as the layer insertion dialog sees it: a list of grid rows
// (seven texts each, as the layer grid holds them), the humidity class, a window to hide and show,
// and a record of the grid operations asked for.

#include "widgets/OknoWarstw.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace murolab {

class TOknoWarstwTestowe : public TOknoWarstw {
public:
    QWidget Glowne;
    QString Klasa = QStringLiteral("Warunki średniowilgotne");
    QList<QStringList> Wiersze; // column 0 "  k.", 1 name, 2 λ, 3 μ, 4 d, 5 ρ, 6 c
    int Strona = 0;             // page of the main window's page control last shown
    QStringList Operacje;       // "DodajWiersz", "PrzesunWierszeWDol(10,3)", "WpiszWiersz(3)"

    // n layers "W1" .. "Wn" with recognisable values.
    void Wypelnij(int n) {
        Wiersze.clear();
        for (int k = 1; k <= n; ++k)
            Wiersze << QStringList{Numer(k),
                                   QStringLiteral("W%1").arg(k),
                                   QStringLiteral("0,%1").arg(k),
                                   QString::number(k),
                                   QStringLiteral("0,0%1").arg(k),
                                   QString::number(100 * k),
                                   QStringLiteral("1,%1").arg(k)};
    }
    QStringList Nazwy() const {
        QStringList n;
        for (const QStringList& w : Wiersze)
            n << w[1];
        return n;
    }
    static QString Numer(int k) { return QStringLiteral("  %1.").arg(k); }

    QWidget* OknoGlowne() override { return &Glowne; }
    QString KlasaWilgotnosci() const override { return Klasa; }
    int LiczbaWarstw() const override { return static_cast<int>(Wiersze.size()); }
    void DodajWiersz() override {
        Operacje << QStringLiteral("DodajWiersz");
        if (Wiersze.size() >= 10)
            return;
        Wiersze << QStringList{Numer(static_cast<int>(Wiersze.size()) + 1), {}, {}, {}, {}, {}, {}};
    }
    void PrzesunWierszeWDol(int liczba, int wiersz) override {
        Operacje << QStringLiteral("PrzesunWierszeWDol(%1,%2)").arg(liczba).arg(wiersz);
        for (int r = liczba - 1; r >= wiersz + 1; --r)
            for (int k = 1; k <= 6; ++k)
                Wiersze[r][k] = Wiersze[r - 1][k];
    }
    void WpiszWiersz(int wiersz, const QString& nazwa, const QString& lambda, const QString& mi,
                     const QString& grubosc, const QString& gestosc = {},
                     const QString& cieplo = {}) override {
        Operacje << QStringLiteral("WpiszWiersz(%1)").arg(wiersz);
        Wiersze[wiersz][1] = nazwa;
        Wiersze[wiersz][2] = lambda;
        Wiersze[wiersz][3] = mi;
        Wiersze[wiersz][4] = grubosc;
        Wiersze[wiersz][5] = gestosc;
        Wiersze[wiersz][6] = cieplo;
        Strona = 1;
    }
    // The air-layer dialog belongs to the main window: here only the request is recorded.
    bool WstawWarstwePowietrza(bool wstaw, int wiersz, double grubosc) override {
        Operacje << QStringLiteral("WstawWarstwePowietrza(%1,%2,%3)").arg(wstaw).arg(wiersz).arg(grubosc);
        return OdpowiedzPowietrza;
    }
    bool OdpowiedzPowietrza = true;
};

} // namespace murolab
