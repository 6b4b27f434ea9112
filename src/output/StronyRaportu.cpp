#include "output/StronyRaportu.h"

#include "files/ZapisAtomowy.h"

#include "output/WykresMa.h"
#include "output/Wykresy.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace murolab {

namespace {

// The page is drawn in pixels at 96 per inch, the unit the fonts are given in; positions are
// given in millimetres and converted here.
constexpr qreal kPikseliNaMm = 96.0 / 25.4;
qreal mm(qreal v) {
    return v * kPikseliNaMm;
}
qreal naMm(qreal piksele) {
    return piksele / kPikseliNaMm;
}

// The printable area of A4 portrait inside the report's margins.
constexpr qreal kSzerokoscObszaru = 210.0 - 2 * 20.0;
constexpr qreal kWysokoscObszaru = 297.0 - 2 * 10.0;
constexpr qreal kWysokoscNaglowka = 60.1;
constexpr qreal kWysokoscStopki = 13.0;
constexpr qreal kWierszTabeli = 16; // pixels: the base font's line spacing

QFont Arial(qreal piksele, bool gruba = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(static_cast<int>(piksele));
    f.setBold(gruba);
    return f;
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// One line of text in a box. A text wider than its box is drawn in a smaller type rather than
// running into the next column.
void Tekst(QPainter& p, const QRectF& r, const QString& tekst, QFont f, Qt::Alignment wyrownanie) {
    if (tekst.isEmpty())
        return;
    const qreal szerokosc = QFontMetricsF(f).horizontalAdvance(tekst);
    if (szerokosc > r.width() && r.width() > 0) {
        const int mniejsza = std::max(7, static_cast<int>(f.pixelSize() * r.width() / szerokosc));
        f.setPixelSize(mniejsza);
    }
    p.setFont(f);
    p.drawText(r, static_cast<int>(wyrownanie) | Qt::TextDontClip, tekst);
}

// A text at (x, y) in millimetres, its top-left corner there, as the report's labels stand.
void Etykieta(QPainter& p, qreal x, qreal y, const QString& tekst, const QFont& f) {
    p.setFont(f);
    p.drawText(QRectF(mm(x), mm(y), mm(170), QFontMetricsF(f).height()),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, tekst);
}

// Rich text (sub- and superscripts, Greek letters) in a box; vertically centred when a height is
// given, else from the top.
void Html(QPainter& p, const QRectF& r, const QString& html, const QFont& f, bool wysrodkuj = false) {
    QTextDocument dokument;
    dokument.setDocumentMargin(0);
    dokument.setDefaultFont(f);
    dokument.setTextWidth(r.width());
    dokument.setHtml(html);
    p.save();
    qreal y = r.top();
    if (wysrodkuj)
        y += (r.height() - dokument.size().height()) / 2;
    p.translate(r.left(), y);
    QAbstractTextDocumentLayout::PaintContext kontekst;
    kontekst.palette.setColor(QPalette::Text, Qt::black);
    dokument.documentLayout()->draw(&p, kontekst);
    p.restore();
}

QString Wysrodkowany(const QString& html) {
    return QStringLiteral("<div align=\"center\">%1</div>").arg(html);
}

struct TKolumna {
    qreal X;          // left edge, mm
    qreal Szer;       // width, mm
    QString Naglowek; // rich text
    Qt::Alignment Wyrownanie;
    const std::vector<std::string>* Linie;
    qreal Przesuniecie; // pixels above the body's first line (the point columns)
};

struct TTabela {
    qreal YNaglowka;          // heading boxes, mm from the section's top
    qreal YTresci;            // first body line
    qreal YLinii;             // top of the vertical rules
    std::vector<qreal> Linie; // x of the vertical rules
    std::vector<TKolumna> Kolumny;
    int DlugoscLinii; // pixels
};

// Heading boxes, body lines and rules of one table; returns the lower end of the rules (mm).
qreal RysujTabele(QPainter& p, qreal y0, const TTabela& t) {
    const QFont naglowek = Arial(11);
    const QFont tresc = Arial(13);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    for (const TKolumna& k : t.Kolumny) {
        const QRectF ramka(mm(k.X), mm(y0 + t.YNaglowka), mm(k.Szer), mm(11.6));
        p.drawRect(ramka);
        Html(p, ramka.adjusted(2, 0, -2, 0), Wysrodkowany(k.Naglowek), naglowek, true);
    }

    p.setPen(Qt::black);
    for (const TKolumna& k : t.Kolumny) {
        qreal y = mm(y0 + t.YTresci) - k.Przesuniecie;
        for (const std::string& linia : *k.Linie) {
            Tekst(p, QRectF(mm(k.X) + mm(1.0), y, mm(k.Szer) - mm(2.0), kWierszTabeli), Q(linia), tresc,
                  k.Wyrownanie | Qt::AlignVCenter);
            y += kWierszTabeli;
        }
    }

    const qreal gora = mm(y0 + t.YLinii);
    const qreal dol = gora + t.DlugoscLinii;
    p.setPen(QPen(Qt::black, 1));
    for (qreal x : t.Linie)
        p.drawLine(QPointF(mm(x), gora), QPointF(mm(x), dol));
    p.drawLine(QPointF(mm(t.Linie.front()), dol), QPointF(mm(t.Linie.back()), dol));
    return naMm(dol);
}

class TRysowanie {
public:
    TRysowanie(QPainter& p, const TTrescRaportu& t, qreal wysokoscStrony)
        : p_(p), t_(t), r_(t.Raport), yStopki_(wysokoscStrony - kWysokoscStopki) {}

    void Strona(int numer) {
        Naglowek();
        if (numer == 1)
            SekcjaTemperatur(kWysokoscNaglowka);
        else if (numer == 2)
            SekcjaCisnien(kWysokoscNaglowka);
        else
            SekcjaKondensacji(kWysokoscNaglowka);
        Stopka(numer);
    }

private:
    void Naglowek() {
        if (!t_.Logo.isNull()) {
            const QRectF pole(mm(2.1), 0, mm(53.2), mm(19.3));
            QSizeF rozmiar = QSizeF(t_.Logo.size()).scaled(pole.size(), Qt::KeepAspectRatio);
            p_.drawImage(QRectF(pole.topLeft() + QPointF(0, (pole.height() - rozmiar.height()) / 2), rozmiar),
                         t_.Logo);
        }
        p_.setPen(Qt::black);
        QFont tytul(QStringLiteral("Arial Black"));
        tytul.setPixelSize(29);
        tytul.setWeight(QFont::Black);
        Etykieta(p_, 74.1, 2.1, QStringLiteral("Murolab"), tytul);
        Etykieta(p_, 69.8, 12.7, QStringLiteral("wstępna analiza cieplno-wilgotnościowa"), Arial(13, true));
        Etykieta(p_, 152.4, 4.2, Q(r_.Data), Arial(13));
        p_.setPen(QPen(Qt::black, mm(0.5)));
        p_.drawLine(QPointF(mm(6.3), mm(21.2)), QPointF(mm(6.3 + 163.2), mm(21.2)));

        const QFont f = Arial(13);
        const struct {
            qreal Y;
            const char* Podpis;
            const std::string& Wartosc;
        } wiersze[] = {{25.4, "Inwestor:", r_.Inwestor},
                       {31.8, "Obiekt:", r_.Obiekt},
                       {38.1, "Adres:", r_.Adres},
                       {44.4, "Rodzaj przegrody:", r_.Przegroda},
                       {50.8, "Autor projektu:", r_.Projektant}};
        p_.setPen(Qt::black);
        for (const auto& w : wiersze) {
            Etykieta(p_, 4.2, w.Y, QString::fromUtf8(w.Podpis), f);
            Etykieta(p_, 33.9, w.Y, Q(w.Wartosc), f);
        }
    }

    // How much the section's chart gives up so that what stands below it stays above the footer:
    // nothing up to 10 layers; a loaded project with more layers needs it.
    qreal Skurcz(qreal y0, qreal dolSekcji) const { return std::clamp(y0 + dolSekcji - yStopki_, 0.0, 45.0); }

    void SekcjaTemperatur(qreal y0) {
        const qreal koniecLinii = 119.9 + naMm(r_.DlugoscLinii);
        // The summary stands at its place under the table, or just below a longer table.
        const qreal yKondensacji = std::max(178.9, koniecLinii + 1.5);
        // The lines that the results sheet shows under its verdict (the interstitial planes, the
        // year): the same on paper, between the verdict and the results.
        static const std::vector<TLiniaWyniku> kBrakLinii;
        const std::vector<TLiniaWyniku>& podWerdyktem =
            t_.Kondensacja ? t_.Kondensacja->PodWerdyktem : kBrakLinii;
        const qreal wysokoscLinii = podWerdyktem.empty() ? 0 : Linie(28.6, 0, 140, podWerdyktem, false) + 1;
        // A partition with bridged or air layers: its layers, limits and the section shown, under Uk.
        static const std::vector<TLiniaWyniku> kBrakPrzekrojow;
        const std::vector<TLiniaWyniku>& przekroje = t_.Przekroje ? t_.Przekroje->Linie1 : kBrakPrzekrojow;
        const qreal wysokoscPrzekrojow = przekroje.empty() ? 0 : Linie(11.6, 0, 158, przekroje, false) + 1;
        const qreal s = Skurcz(y0, yKondensacji + (194.5 - 178.9) + wysokoscLinii + 5.5 +
                                       kWysokoscSkladnikow + wysokoscPrzekrojow);

        Wykres(t_.WykresTemperatur, y0 + 2.1, 100.5 - s);
        const TTabelaTemperatur& tt = r_.Temperatury;
        TTabela t{108.5 - s,
                  123.3 - s,
                  119.9 - s,
                  {1.3, 7.7, 86.8, 101.1, 115.4, 134.9, 151.1, 168.3},
                  {{1.3, 6.6, QStringLiteral("Nr"), Qt::AlignHCenter, &tt.Nr, 0},
                   {7.7, 79.4, QStringLiteral("Nazwa materiału:"), Qt::AlignLeft, &tt.Nazwa, 0},
                   {86.8, 14.6, QStringLiteral("d [m]"), Qt::AlignHCenter, &tt.Grubosc, 0},
                   {101.1, 14.6, QStringLiteral("λ<br>[W/(m·K)]"), Qt::AlignHCenter, &tt.Lambda, 0},
                   {115.4, 19.8, QStringLiteral("R<sub>n</sub><br>[m<sup>2</sup> K/W]"), Qt::AlignHCenter,
                    &tt.R, 0},
                   {134.9, 16.4, QStringLiteral("Spadek t.<br>[°C]"), Qt::AlignRight, &tt.Spadek, 0},
                   // Half a line higher: each temperature stands on the border of two rows.
                   {151.1, 17.5, QStringLiteral("t[°C]"), Qt::AlignRight, &tt.Temp, 9}},
                  r_.DlugoscLinii};
        RysujTabele(p_, y0, t);

        const qreal yK = y0 + yKondensacji - s;
        const QFont gruba = Arial(16, true);
        p_.setPen(Qt::black);
        p_.setFont(gruba);
        p_.drawText(QRectF(mm(28.6), mm(yK), mm(123.0), mm(13.0)),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip, Q(r_.Kondensacja));
        if (!r_.Kondensacja1.empty())
            Html(p_, QRectF(mm(73.0), mm(yK + (189.4 - 178.9)), mm(40), mm(7)),
                 QStringLiteral("t<sub>s</sub> +1 &gt; %1<sub>i</sub>")
                     .arg(Q(r_.Kondensacja2).toHtmlEscaped()),
                 gruba);
        if (!podWerdyktem.empty())
            Linie(28.6, yK + (194.5 - 178.9), 140, podWerdyktem, true);
        const qreal yWynikow = yK + (194.5 - 178.9) + wysokoscLinii;
        Html(p_, QRectF(mm(11.6), mm(yWynikow), mm(58), mm(6)),
             Indeksk(Q(r_.Uk)) + QStringLiteral("&nbsp;[W/(m²·K)]"), gruba);
        Html(p_, QRectF(mm(70.9), mm(yWynikow), mm(52), mm(6)),
             Q(r_.I).toHtmlEscaped() + QStringLiteral("&nbsp;[g/(m<sup>2</sup>·h)]"), gruba);
        Html(p_, QRectF(mm(123.8), mm(yWynikow), mm(46), mm(6)),
             Q(r_.P).toHtmlEscaped() + QStringLiteral("&nbsp;[Pa]"), gruba);
        // What Uk is made of, in one line under it.
        QStringList skladniki;
        for (const std::string& skladnik : r_.SkladnikiUk)
            skladniki << Q(SkladnikUkHtml(skladnik)) + QStringLiteral("&nbsp;[W/(m²·K)]");
        Html(p_, QRectF(mm(11.6), mm(yWynikow + 5.5), mm(158), mm(kWysokoscSkladnikow)),
             skladniki.join(QStringLiteral("&nbsp;&nbsp;&nbsp; ")), Arial(10));
        if (!przekroje.empty())
            Linie(11.6, yWynikow + 5.5 + kWysokoscSkladnikow + 1, 158, przekroje, true);
    }

    // The line of the parts of Uk, in the report's small type.
    static constexpr qreal kWysokoscSkladnikow = 4.5;

    // "U  = 0,425" of the results sheet (whose small k the sheet draws apart) and "Uk = 0,000" of
    // the reset both print as U with the subscript k.
    static QString Indeksk(const QString& tekst) {
        for (const QString& poczatek : {QStringLiteral("U  ="), QStringLiteral("Uk =")})
            if (tekst.startsWith(poczatek))
                return QStringLiteral("U<sub>k</sub> =") + tekst.mid(poczatek.size()).toHtmlEscaped();
        return tekst.toHtmlEscaped();
    }

    void SekcjaCisnien(qreal y0) {
        const qreal koniecLinii = 119.3 + naMm(r_.DlugoscLinii);
        static const std::vector<TLiniaWyniku> kBrakPrzekrojow;
        const std::vector<TLiniaWyniku>& przekroje = t_.Przekroje ? t_.Przekroje->Linie2 : kBrakPrzekrojow;
        const qreal wysokoscPrzekrojow = przekroje.empty() ? 0 : Linie(4.2, 0, 165, przekroje, false) + 2;
        const qreal s = Skurcz(y0, koniecLinii + 2 + wysokoscPrzekrojow);
        Wykres(t_.WykresCisnien, y0 + 2.4, 100.5 - s);
        const TTabelaCisnien& tc = r_.Cisnienia;
        TTabela t{
            107.9 - s,
            122.8 - s,
            119.3 - s,
            {0.5, 6.9, 86.0, 100.3, 114.6, 134.1, 150.3, 167.5},
            {{0.5, 6.6, QStringLiteral("Nr"), Qt::AlignHCenter, &tc.Nr, 0},
             {6.9, 79.4, QStringLiteral("Nazwa materiału:"), Qt::AlignLeft, &tc.Nazwa, 0},
             {86.0, 14.6, QStringLiteral("d [m]"), Qt::AlignHCenter, &tc.Grubosc, 0},
             {100.3, 14.6, QStringLiteral("μ"), Qt::AlignHCenter, &tc.Mi, 0},
             {114.6, 19.8, QStringLiteral("1/Δ<br>[m<sup>2</sup>·h·Pa/kg]"), Qt::AlignHCenter, &tc.Delta, 0},
             {134.1, 16.4, QStringLiteral("Ciśnienie nasycenia [Pa]"), Qt::AlignHCenter, &tc.CisNasy, 8},
             {150.3, 17.5, QStringLiteral("Ciśnienie cząstkowe [Pa]"), Qt::AlignHCenter, &tc.CisCzast, 8}},
            r_.DlugoscLinii};
        const qreal dolTabeli = RysujTabele(p_, y0, t);
        if (!przekroje.empty())
            Linie(4.2, dolTabeli + 2, 165, przekroje, true);
    }

    // The third page. Laid out once to measure it: a page that would run past the footer (many
    // planes, long lines) is drawn smaller as a whole.
    void SekcjaKondensacji(qreal y0) {
        const qreal dostepne = yStopki_ - y0 - 2;
        const qreal potrzebne = UlozKondensacje(y0, false) - y0;
        const qreal skala = potrzebne > dostepne ? dostepne / potrzebne : 1.0;
        p_.save();
        p_.translate(0, mm(y0));
        p_.scale(skala, skala);
        p_.translate(0, -mm(y0));
        UlozKondensacje(y0, true);
        p_.restore();
    }

    // Rich text of result lines at y (mm), width w (mm); returns the height taken (mm).
    qreal Linie(qreal x, qreal y, qreal w, const std::vector<TLiniaWyniku>& linie, bool rysuj) {
        if (linie.empty())
            return 0;
        QTextDocument d;
        d.setDocumentMargin(0);
        d.setDefaultFont(Arial(12));
        d.setTextWidth(mm(w));
        d.setHtml(Q(HtmlLinii(linie)));
        if (rysuj) {
            p_.save();
            p_.translate(mm(x), mm(y));
            d.drawContents(&p_);
            p_.restore();
        }
        return naMm(d.size().height());
    }

    qreal Tytul(qreal y, const QString& tekst, bool rysuj) {
        if (rysuj)
            Etykieta(p_, 4.2, y, tekst, Arial(14, true));
        return naMm(QFontMetricsF(Arial(14, true)).height()) + 1;
    }

    qreal UlozKondensacje(qreal y0, bool rysuj) {
        const TTekstyKondensacji& k = *t_.Kondensacja;
        p_.setPen(Qt::black);
        qreal y = y0 + 2;
        y += Tytul(y, QStringLiteral("Kondensacja międzywarstwowa (PN-EN ISO 13788) i wymagania WT 2021"),
                   rysuj);
        y += Tytul(y, QStringLiteral("Warunki obliczeniowe"), rysuj);
        y += Linie(4.2, y, 165, k.Projektowe, rysuj) + 2;

        y += Tytul(y, QStringLiteral("Bilans roczny"), rysuj);
        if (!k.Miesiace.empty()) {
            // The monthly table: the month's name wider, the numbers in equal columns.
            const int kolumn = static_cast<int>(k.NaglowekMiesiecy.size());
            const qreal pierwsza = 22;
            const qreal szer = (166.0 - pierwsza) / std::max(1, kolumn - 1);
            const qreal wiersz = 4.0;
            const qreal naglowek = 8.0;
            auto xKolumny = [&](int c) { return 2.0 + (c == 0 ? 0 : pierwsza + (c - 1) * szer); };
            auto szerKolumny = [&](int c) { return c == 0 ? pierwsza : szer; };
            if (rysuj) {
                p_.setPen(QPen(Qt::black, 1));
                for (int c = 0; c < kolumn; ++c) {
                    const QRectF r(mm(xKolumny(c)), mm(y), mm(szerKolumny(c)), mm(naglowek));
                    p_.drawRect(r);
                    Html(p_, r.adjusted(2, 0, -2, 0),
                         Wysrodkowany(Q(k.NaglowekMiesiecy[static_cast<std::size_t>(c)]).toHtmlEscaped()),
                         Arial(10), true);
                }
                for (std::size_t r = 0; r < k.Miesiace.size(); ++r) {
                    const qreal yw = y + naglowek + static_cast<qreal>(r) * wiersz;
                    const bool gruba = static_cast<int>(r) == k.MiesiacPogrubiony;
                    for (int c = 0; c < kolumn && c < static_cast<int>(k.Miesiace[r].size()); ++c)
                        Tekst(p_, QRectF(mm(xKolumny(c) + 1), mm(yw), mm(szerKolumny(c) - 2), mm(wiersz)),
                              Q(k.Miesiace[r][static_cast<std::size_t>(c)]), Arial(11, gruba),
                              (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
                }
                const qreal dol = y + naglowek + static_cast<qreal>(k.Miesiace.size()) * wiersz;
                for (int c = 0; c <= kolumn; ++c) {
                    const qreal x =
                        c == kolumn ? xKolumny(kolumn - 1) + szerKolumny(kolumn - 1) : xKolumny(c);
                    p_.drawLine(QPointF(mm(x), mm(y + naglowek)), QPointF(mm(x), mm(dol)));
                }
                p_.drawLine(QPointF(mm(2), mm(dol)), QPointF(mm(168), mm(dol)));
            }
            y += naglowek + static_cast<qreal>(k.Miesiace.size()) * wiersz + 2;
        }
        // The year's lines and fRsi on the left, the Ma chart on the right.
        const bool wykres = t_.WykresMa && !k.MaMiesiecy.empty();
        const qreal szerLinii = wykres ? 88 : 165;
        qreal yl = y;
        yl += Linie(4.2, yl, szerLinii, k.Rok, rysuj) + 2;
        yl += Tytul(yl, QStringLiteral("Temperatura powierzchni wewnętrznej"), rysuj);
        yl += Linie(4.2, yl, szerLinii, k.FRsi, rysuj) + 2;
        qreal yp = y;
        if (wykres) {
            if (rysuj) {
                const QRectF cel(mm(95), mm(y), mm(74), mm(52));
                p_.save();
                t_.WykresMa->Renderuj(p_, cel, cel.size());
                p_.restore();
            }
            yp += 54;
        }
        y = std::max(yl, yp);
        y += Tytul(y, QStringLiteral("WT 2021"), rysuj);
        y += Linie(4.2, y, 165, k.WT, rysuj) + 2;
        if (t_.Lato && !t_.Lato->empty()) {
            y += Tytul(y, QStringLiteral("Lato (PN-EN ISO 13786)"), rysuj);
            y += Linie(4.2, y, 165, *t_.Lato, rysuj);
        }
        if (t_.Przekroje && !t_.Przekroje->Linie3.empty()) {
            y += 2;
            y += Tytul(y, QStringLiteral("Przekroje przegrody niejednorodnej"), rysuj);
            y += Linie(4.2, y, 165, t_.Przekroje->Linie3, rysuj);
        }
        return y;
    }

    void Wykres(TWykres& wykres, qreal y, qreal wysokosc) {
        const QRectF cel(mm(0.3), mm(y), mm(169.3), mm(wysokosc));
        p_.save();
        wykres.Renderuj(p_, cel, cel.size());
        p_.restore();
    }

    void Stopka(int numer) {
        p_.setPen(Qt::black);
        Etykieta(p_, 84.7, yStopki_ + 3.4, QString::number(numer), Arial(13));
    }

    QPainter& p_;
    const TTrescRaportu& t_;
    const TRaport& r_;
    qreal yStopki_;
};

} // namespace

QString PlikObrazuRaportu(const std::filesystem::path& katalogDanych, const char* nazwa) {
    return QString::fromStdString((katalogDanych / nazwa).string());
}

QImage WczytajTloILogo(TWykresCisnien& wykres, const std::filesystem::path& katalogDanych) {
    QImage logo;
    if (wykres.WczytajTlo(PlikObrazuRaportu(katalogDanych, "tlo.bmp")))
        logo.load(PlikObrazuRaportu(katalogDanych, "logo1.bmp"));
    return logo;
}

QImage PrzygotujWykresyRaportu(TWykresTemperatur& temperatury, TWykresCisnien& cisnienia, TWykresMa& ma,
                               const TModelProjektu& model, bool cieplejWewnatrz,
                               const TAnalizaIso13788* analiza, const TTekstyKondensacji* kondensacja,
                               const std::filesystem::path& katalogDanych) {
    return PrzygotujWykresyRaportu(temperatury, cisnienia, ma, model, model, cieplejWewnatrz, analiza,
                                   kondensacja, katalogDanych);
}

QImage PrzygotujWykresyRaportu(TWykresTemperatur& temperatury, TWykresCisnien& cisnienia, TWykresMa& ma,
                               const TModelProjektu& modelTemperatur, const TModelProjektu& modelCisnien,
                               bool cieplejWewnatrz, const TAnalizaIso13788* analiza,
                               const TTekstyKondensacji* kondensacja,
                               const std::filesystem::path& katalogDanych) {
    RysujWykresTemperatur(temperatury, modelTemperatur, cieplejWewnatrz);
    temperatury.WczytajTlo(PlikObrazuRaportu(katalogDanych, "tlo.bmp"));
    RysujWykresCisnien(cisnienia, modelCisnien, cieplejWewnatrz, analiza ? &analiza->Projektowe : nullptr);
    ma.Rysuj(kondensacja ? kondensacja->MaMiesiecy : std::vector<double>{});
    return WczytajTloILogo(cisnienia, katalogDanych);
}

QPageLayout UkladStronyRaportu() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 10, 20, 10),
                       QPageLayout::Millimeter);
}

bool DrukujRaport(QPagedPaintDevice& urzadzenie, const TTrescRaportu& tresc) {
    QPainter p;
    if (!p.begin(&urzadzenie))
        return false;
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The pages are laid out for the printable area of A4 portrait. Another paper, orientation or
    // margins chosen in the page set-up shrink the whole page to fit, so that nothing runs past the
    // footer or off the sheet; a larger area leaves it at its own size.
    const QSizeF obszar = urzadzenie.pageLayout().paintRect(QPageLayout::Millimeter).size();
    const qreal dopasowanie =
        std::min({1.0, obszar.width() / kSzerokoscObszaru, obszar.height() / kWysokoscObszaru});
    const qreal skala = urzadzenie.logicalDpiX() / 96.0 * dopasowanie;
    TRysowanie rysowanie(p, tresc, obszar.height() / dopasowanie);
    const int stron = tresc.Kondensacja ? 3 : 2;
    for (int numer = 1; numer <= stron; ++numer) {
        if (numer > 1 && !urzadzenie.newPage())
            return false;
        p.save();
        p.scale(skala, skala);
        rysowanie.Strona(numer);
        p.restore();
    }
    return p.end();
}

QByteArray RaportPdf(const TTrescRaportu& tresc, const QPageLayout& uklad) {
    QBuffer bufor;
    bufor.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bufor);
        pdf.setPageLayout(uklad);
        pdf.setTitle(QString::fromUtf8(kTytulRaportu));
        pdf.setCreator(QStringLiteral("Murolab"));
        if (!DrukujRaport(pdf, tresc))
            return {};
    }
    return bufor.data();
}

bool ZapiszRaportPdf(const QString& plik, const TTrescRaportu& tresc, QString* blad,
                     const QPageLayout& uklad) {
    auto porazka = [&](const QString& powod) {
        if (blad)
            *blad = QStringLiteral("Nie można zapisać raportu do pliku „%1”: %2").arg(plik, powod);
        return false;
    };
    const QByteArray dane = RaportPdf(tresc, uklad);
    if (dane.isEmpty())
        return porazka(QStringLiteral("nie udało się utworzyć dokumentu PDF."));
    // The document is made in memory and written in one step by the program's atomic writer: a
    // device or a FIFO given as the report's name is refused, and a failed write keeps the old file.
    const TBlad odmowa = ZapiszAtomowo(QFile::encodeName(plik).toStdString(),
                                       std::span(reinterpret_cast<const std::uint8_t*>(dane.constData()),
                                                 static_cast<std::size_t>(dane.size())));
    if (odmowa) {
        const std::string& powod = *odmowa;
        // The writer names the file; the report's message says what was being saved.
        const std::string znacznik = "”: ";
        const auto gdzie = powod.find(znacznik);
        QString przyczyna = QString::fromStdString(
            gdzie == std::string::npos ? powod : powod.substr(gdzie + znacznik.size()));
        return porazka(przyczyna);
    }
    return true;
}

} // namespace murolab
