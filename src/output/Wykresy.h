#pragma once
// The diffusion diagram and the temperature profile, on the main window's sheets 3 and 4 and in the
// report. One drawing procedure per chart serves both: it takes the chart to draw on. What the
// charts show comes from DaneWykresow.h; this file only dresses it in Qt Charts.

#include "core/Kondensacja.h"
#include "core/Model.h"
#include "output/DaneWykresow.h"

#include <QChartView>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QString>

#include <initializer_list>
#include <optional>
#include <vector>

class QChart;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class QPainter;

namespace murolab {

class TOpisyWykresu;
class TTloWykresu;

// One entry of the legend as the chart draws it: a colour box and its text.
struct TWpisLegendy {
    QColor Kolor;
    QString Tekst;
};

// What both charts share: the axes, the legend, the captions placed by alignment, the background
// picture, zoom by dragging, and the boundary lines that each drawing creates anew.
class TWykres : public QChartView {
    Q_OBJECT
public:
    // Ekran: the main window's sheets (coloured background, zoom). Raport: the printed page (white,
    // black title, no interaction), drawn by rendering into the report's painter.
    enum class TWersja { Ekran, Raport };

    TWersja Wersja() const { return wersja_; }
    QChart* Wykres = nullptr;
    QValueAxis* OsDolna = nullptr;
    QValueAxis* OsLewa = nullptr;
    QValueAxis* OsPrawa = nullptr;
    // The grey boundary lines of the last drawing: the inner surface and every joint, at least
    // kMinLiniiGranic series (the ones past the last joint empty). Empty after WyczyscWykres.
    std::vector<QLineSeries*> LinieGranic;

    // Loads the picture laid over the plot area; a missing or unreadable file leaves the chart as
    // it is and returns false, without a message.
    bool WczytajTlo(const QString& plik);
    bool MaTlo() const;

    // Lays the chart out at `rozmiar` (pixels at 96 per inch) and paints it into `cel` of the
    // painter, as the report does. The widget need never have been shown.
    void Renderuj(QPainter& painter, const QRectF& cel, const QSizeF& rozmiar);

    // What the drawing puts into the legend and the value marks; read by the overlay.
    virtual QList<TWpisLegendy> WpisyLegendy() const = 0;
    virtual bool LegendaZPodzialem() const { return false; } // dividing lines between entries
    struct TZnacznik {
        QPointF Punkt; // in chart values
        QString Tekst;
    };
    virtual QList<TZnacznik> Znaczniki() const { return {}; }

    // The chart's title, drawn left-aligned over the legend.
    void UstawTytul(const QString& tytul, const QFont& czcionka);
    const QString& Tytul() const { return tytul_; }

    // Sets the axis titles placed by alignment: the unit or the sides over the plot (left and
    // right end), the bottom title (right end), and the right-hand side's title (turned).
    void UstawOpisy(const QString& goraLewy, const QString& goraPrawy, const QString& dolny,
                    const QString& prawy);

    // Recomputes the room of the legend and the captions (after a drawing or a resize).
    void Przeloz();
    // Undoes every zoom.
    void CofnijPowiekszenie();

protected:
    TWykres(TWersja wersja, QWidget* rodzic);
    void mousePressEvent(QMouseEvent* zdarzenie) override;
    void mouseReleaseEvent(QMouseEvent* zdarzenie) override;

    // The common parts of a drawing: ranges with tick steps, and the boundary lines.
    void UstawOsX(const TZakres& zakres);
    void UstawOsY(const TZakres& zakres);
    void UstawPodzialke(std::initializer_list<QValueAxis*> osie, double min, double max);
    void UtworzLinieGranic(const std::vector<TLinia>& linie, int liczbaSerii);
    void UsunLinieGranic();
    QLineSeries* NowaSeria(const QString& tytul, const QColor& kolor, bool romb, qreal rozmiarZnacznika);
    // The sheet's dress: the background's vertical gradient, the legend's shadow, the zoom's steps.
    void UbierzNaEkran(const QColor& gora, const QColor& dol, const QColor& cien, int krokiPowiekszenia);

    int szerokoscPolaLegendy_ = 20;
    QColor cienLegendy_;
    int krokiPowiekszenia_ = 4; // the zoom's animation, in steps of 60 ms

private:
    friend class TOpisyWykresu;
    TWersja wersja_;
    TOpisyWykresu* opisy_ = nullptr;
    TTloWykresu* tlo_ = nullptr;
    QString tytul_;
    QFont czcionkaTytulu_;
    QString goraLewy_, goraPrawy_, dolny_, prawy_;
    bool przekladanie_ = false;
    // Where the left button went down: a drag that ends this many pixels further left undoes the zoom.
    std::optional<QPointF> poczatekPrzeciagania_;
    static constexpr qreal kPrzeciaganieWstecz = 4;
};

// The diffusion diagram: Series1 the partial pressure, Series2 the saturation pressure.
class TWykresCisnien : public TWykres {
    Q_OBJECT
public:
    explicit TWykresCisnien(QWidget* rodzic = nullptr, TWersja wersja = TWersja::Ekran);
    QLineSeries* Series1 = nullptr;
    QLineSeries* Series2 = nullptr;
    // The vapour-pressure line when vapour condenses inside the partition, and its planes marked;
    // empty (and out of the legend) otherwise.
    QLineSeries* SeriaKondensacji = nullptr;
    QScatterSeries* SeriaPlaszczyzn = nullptr;
    QList<TWpisLegendy> WpisyLegendy() const override;

private:
    friend void RysujWykresCisnien(TWykresCisnien&, const TModelProjektu&, bool, const TStanDyfuzji*);
    friend void WyczyscWykres(TWykresCisnien&);
};

// The temperature profile: Series3 the temperatures, Series4 the dew point with its value mark.
class TWykresTemperatur : public TWykres {
    Q_OBJECT
public:
    explicit TWykresTemperatur(QWidget* rodzic = nullptr, TWersja wersja = TWersja::Ekran);
    QLineSeries* Series3 = nullptr;
    QLineSeries* Series4 = nullptr;
    QList<TWpisLegendy> WpisyLegendy() const override;
    bool LegendaZPodzialem() const override { return true; }
    QList<TZnacznik> Znaczniki() const override;

private:
    friend void RysujWykresTemperatur(TWykresTemperatur&, const TModelProjektu&, bool);
    friend void WyczyscWykres(TWykresTemperatur&);
};

// cieplejWewnatrz: ti > te as read from the working-conditions sheet's fields at drawing time.
// A drawing replaces what the chart showed before, so it never leaves two sets of boundary lines.
// kondensacja: the design condition of the moisture check; its condensation line is drawn when it
// has planes.
void RysujWykresCisnien(TWykresCisnien& wykres, const TModelProjektu& model, bool cieplejWewnatrz,
                        const TStanDyfuzji* kondensacja = nullptr);
void RysujWykresTemperatur(TWykresTemperatur& wykres, const TModelProjektu& model, bool cieplejWewnatrz);
// Empties the series and disposes of the boundary lines; the axes keep their last range.
void WyczyscWykres(TWykresCisnien& wykres);
void WyczyscWykres(TWykresTemperatur& wykres);

} // namespace murolab
