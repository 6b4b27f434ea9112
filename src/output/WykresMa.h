#pragma once
// The small bar chart of the moisture gathered in the partition at the end of each month (Ma, in
// g/m²), on the condensation sheet and on the report's third page. What it shows comes from the
// sheet's texts (TekstyKondensacji.h); this file only dresses it in Qt Charts.

#include <QChartView>
#include <QStringList>

#include <vector>

class QBarSeries;
class QBarSet;
class QBarCategoryAxis;
class QValueAxis;
class QPainter;

namespace murolab {

class TWykresMa : public QChartView {
    Q_OBJECT
public:
    // Ekran: the sheet's look (the diffusion chart's gradient); Raport: white, for print.
    enum class TWersja { Ekran, Raport };
    explicit TWykresMa(QWidget* rodzic = nullptr, TWersja wersja = TWersja::Ekran);

    // Twelve values in g/m², January first; an empty vector empties the chart.
    void Rysuj(const std::vector<double>& ma);
    void Wyczysc() { Rysuj({}); }
    // The values drawn, January first (empty when the chart is empty).
    std::vector<double> Wartosci() const;
    double GoraOsi() const;

    // Lays the chart out at `rozmiar` (pixels at 96 per inch) and paints it into `cel`.
    void Renderuj(QPainter& painter, const QRectF& cel, const QSizeF& rozmiar);

private:
    QBarSeries* seria_ = nullptr;
    QBarSet* slupki_ = nullptr;
    QBarCategoryAxis* osMiesiecy_ = nullptr;
    QValueAxis* osMa_ = nullptr;
};

// Roman numerals of the months, the chart's and the tables' short month names.
QStringList SkrotyMiesiecy();

} // namespace murolab
