#include "output/RaportZestawienia.h"

#include "files/ZapisAtomowy.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <span>

namespace murolab {

namespace {

using K = TKolumnaZestawienia;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// The printed columns: a running number first, then those of the screen, with their share of the
// table's width. Long texts (the names) get the widest ones.
struct TKolumnaWydruku {
    std::optional<K> Kolumna; // empty: the running number
    double Udzial;
    QString Naglowek; // shorter than the screen's where the column is narrow
    bool Liczba;
};

const std::array<TKolumnaWydruku, 13>& KolumnyWydruku() {
    static const std::array<TKolumnaWydruku, 13> k{{
        {std::nullopt, 3, QStringLiteral("Lp."), true},
        {K::Przegroda, 18, QStringLiteral("Przegroda"), false},
        {K::Rodzaj, 14, QStringLiteral("Rodzaj przegrody"), false},
        {K::Uk, 6.5, QStringLiteral("Uk\n[W/(m²·K)]"), true},
        {K::UMax, 6.5, QStringLiteral("Umax\n[W/(m²·K)]"), true},
        {K::FRsi, 5, QStringLiteral("fRsi"), true},
        {K::FRsiWymagane, 10, QStringLiteral("fRsi\nwymagane"), true},
        {K::KondensacjaPowierzchniowa, 10, QStringLiteral("Kondensacja\npowierzchniowa"), false},
        {K::Bilans, 8, QStringLiteral("Bilans\nroczny"), false},
        {K::MaMax, 6, QStringLiteral("Ma,max\n[g/m²]"), true},
        {K::Opoznienie, 8.5, QStringLiteral("Przesunięcie\nfazy [h]"), true},
        {K::Tlumienie, 6, QStringLiteral("Tłumienie"), true},
        {K::WT2021, 8.5, QStringLiteral("WT 2021"), false},
    }};
    return k;
}

const QColor kCzerwony(0xC0, 0x10, 0x10);
const QColor kZielony(0x10, 0x80, 0x20);

QFont Czcionka(double punkty, bool gruba = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(punkty);
    f.setBold(gruba);
    return f;
}

class TStrony {
public:
    TStrony(QPagedPaintDevice& urzadzenie, QPainter& p, const TTrescZestawienia& t)
        : urzadzenie_(urzadzenie), p_(p), t_(t) {
        const QRect r = urzadzenie.pageLayout().paintRectPixels(urzadzenie.logicalDpiX());
        szer_ = r.width();
        wys_ = r.height();
        mm_ = urzadzenie.logicalDpiX() / 25.4;
        double suma = 0;
        for (const auto& k : KolumnyWydruku())
            suma += k.Udzial;
        double x = 0;
        for (const auto& k : KolumnyWydruku()) {
            x_.push_back(x);
            x += szer_ * k.Udzial / suma;
        }
        x_.push_back(szer_);
    }

    bool Drukuj() {
        const QFont tresc = Czcionka(8);
        const double wiersz = QFontMetricsF(tresc, &urzadzenie_).height() * 1.55;
        const std::vector<TLiniaLegendy> legenda = Legenda();
        const double wysLegendy = WysokoscLegendy(legenda);
        std::size_t i = 0;
        int strona = 1;
        const int stron = LiczbaStron(wiersz, wysLegendy);
        for (;;) {
            double y = Naglowek(strona, stron);
            y = NaglowkiKolumn(y);
            const double dol = wys_ - Stopka();
            while (i < t_.Wiersze.size() && y + wiersz <= dol) {
                Wiersz(t_.Wiersze[i], i, y, wiersz);
                y += wiersz;
                ++i;
            }
            // A legend taller than a page is drawn on a page of its own all the same.
            const bool pusta = y == WysokoscNaglowka() + WysokoscNaglowkowKolumn();
            if (i == t_.Wiersze.size() && (y + 3 * mm_ + wysLegendy <= dol || pusta)) {
                Legenda(legenda, y + 3 * mm_);
                return true;
            }
            if (!urzadzenie_.newPage())
                return false;
            ++strona;
        }
    }

private:
    int LiczbaStron(double wiersz, double wysLegendy) const {
        // The same walk as the painting, without paint: the page count for "strona i z n".
        const double wolne = wys_ - Stopka() - WysokoscNaglowka() - WysokoscNaglowkowKolumn();
        const auto naStronie = std::max<std::size_t>(1, static_cast<std::size_t>(wolne / wiersz));
        std::size_t i = 0;
        int strony = 1;
        for (;;) {
            const std::size_t teraz = std::min(naStronie, t_.Wiersze.size() - i);
            i += teraz;
            if (i == t_.Wiersze.size() && (teraz * wiersz + 3 * mm_ + wysLegendy <= wolne || teraz == 0))
                return strony;
            ++strony;
        }
    }

    double WysokoscNaglowka() const { return 16 * mm_ + LiniiOpisu() * 4.5 * mm_; }
    double WysokoscNaglowkowKolumn() const {
        return QFontMetricsF(Czcionka(7.5, true), &urzadzenie_).height() * 2.6;
    }
    double Stopka() const { return 6 * mm_; }

    int LiniiOpisu() const {
        const TOpisBudynku& b = t_.Budynek;
        return 1 + !b.Adres.empty() + !b.Inwestor.empty() + !b.Projektant.empty();
    }

    double Naglowek(int strona, int stron) {
        p_.setPen(Qt::black);
        p_.setFont(Czcionka(14, true));
        p_.drawText(QRectF(0, 0, szer_, 9 * mm_), Qt::AlignLeft | Qt::AlignVCenter,
                    QString::fromUtf8(kTytulZestawienia));
        p_.setFont(Czcionka(9));
        const QString data = t_.Budynek.Data.empty() ? t_.Data : Q(t_.Budynek.Data);
        p_.drawText(QRectF(0, 0, szer_, 9 * mm_), Qt::AlignRight | Qt::AlignVCenter,
                    QStringLiteral("Data: %1    Strona %2 z %3").arg(data).arg(strona).arg(stron));
        double y = 11 * mm_;
        const TOpisBudynku& b = t_.Budynek;
        auto linia = [&](const QString& etykieta, const std::string& v, bool zawsze) {
            if (v.empty() && !zawsze)
                return;
            p_.setFont(Czcionka(9, true));
            p_.drawText(QRectF(0, y, 28 * mm_, 4.5 * mm_), Qt::AlignLeft | Qt::AlignVCenter, etykieta);
            p_.setFont(Czcionka(9));
            p_.drawText(QRectF(28 * mm_, y, szer_ - 28 * mm_, 4.5 * mm_), Qt::AlignLeft | Qt::AlignVCenter,
                        v.empty() ? QStringLiteral("–") : Q(v));
            y += 4.5 * mm_;
        };
        linia(QStringLiteral("Budynek:"), b.Nazwa, true);
        linia(QStringLiteral("Adres:"), b.Adres, false);
        linia(QStringLiteral("Inwestor:"), b.Inwestor, false);
        linia(QStringLiteral("Projektant:"), b.Projektant, false);
        return WysokoscNaglowka();
    }

    double NaglowkiKolumn(double y) {
        const double h = WysokoscNaglowkowKolumn();
        p_.fillRect(QRectF(0, y, szer_, h), QColor(0xE8, 0xE8, 0xE8));
        p_.setPen(QPen(Qt::black, 0.25 * mm_));
        p_.drawRect(QRectF(0, y, szer_, h));
        p_.setFont(Czcionka(7.5, true));
        const auto& k = KolumnyWydruku();
        for (std::size_t i = 0; i < k.size(); ++i) {
            if (i > 0)
                p_.drawLine(QPointF(x_[i], y), QPointF(x_[i], y + h));
            p_.drawText(QRectF(x_[i] + mm_, y, x_[i + 1] - x_[i] - 2 * mm_, h), Qt::AlignCenter,
                        k[i].Naglowek);
        }
        return y + h;
    }

    void Wiersz(const TWierszZestawienia& w, std::size_t nr, double y, double h) {
        if (nr % 2 == 1)
            p_.fillRect(QRectF(0, y, szer_, h), QColor(0xF6, 0xF6, 0xF6));
        const auto& k = KolumnyWydruku();
        const QFont tresc = Czcionka(8);
        const QFontMetricsF miara(tresc, &urzadzenie_);
        p_.setFont(tresc);
        auto komorka = [&](std::size_t i, std::size_t doKolumny, const QString& tekst, const QColor& kolor,
                           Qt::Alignment wyrownanie) {
            const QRectF r(x_[i] + mm_, y, x_[doKolumny] - x_[i] - 2 * mm_, h);
            p_.setPen(kolor);
            p_.drawText(r, wyrownanie | Qt::AlignVCenter, miara.elidedText(tekst, Qt::ElideRight, r.width()));
        };
        komorka(0, 1, QString::number(nr + 1), Qt::black, Qt::AlignRight);
        for (std::size_t i = 1; i < k.size(); ++i) {
            const K kolumna = *k[i].Kolumna;
            if (!w.Obliczony() && kolumna != K::Przegroda) {
                // The reason takes the place of the figures, in red.
                komorka(i, k.size(), Q(std::string(TekstStanu(w.Stan)) + ": " + w.Blad), kCzerwony,
                        Qt::AlignLeft);
                break;
            }
            const std::optional<bool> ocena = OcenaKomorki(w, kolumna);
            const QColor kolor = !ocena ? QColor(Qt::black) : *ocena ? kZielony : kCzerwony;
            komorka(i, i + 1, Q(KomorkaZestawienia(w, kolumna)), kolor,
                    k[i].Liczba ? Qt::AlignRight : Qt::AlignLeft);
        }
        p_.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 0.15 * mm_));
        p_.drawLine(QPointF(0, y + h), QPointF(szer_, y + h));
    }

    // The legend, then in red one line per row whose U the combined method cannot give.
    struct TLiniaLegendy {
        QString Tekst;
        bool Czerwona = false;
    };
    std::vector<TLiniaLegendy> Legenda() const {
        std::vector<TLiniaLegendy> l;
        for (const std::string& s : LegendaZestawienia())
            l.push_back({Q(s), false});
        const std::vector<std::string> uwagi = UwagiNiestosowalnych(t_.Wiersze);
        if (std::any_of(t_.Wiersze.begin(), t_.Wiersze.end(),
                        [](const TWierszZestawienia& w) { return w.Obliczony() && w.Niejednorodna; }))
            l.push_back({Q(std::string(ObjasnienieZnakuMetodyU())), false});
        if (!uwagi.empty())
            l.push_back({Q(std::string(ObjasnienieZnakuNiestosowalnej())), false});
        for (const std::string& s : uwagi)
            l.push_back({Q(s), true});
        return l;
    }

    double WysokoscLegendy(const std::vector<TLiniaLegendy>& legenda) const {
        const QFontMetricsF m(Czcionka(7.5), &urzadzenie_);
        double h = QFontMetricsF(Czcionka(8, true), &urzadzenie_).height() * 1.3;
        for (const TLiniaLegendy& l : legenda)
            h += m.boundingRect(QRectF(0, 0, szer_, 1e6), Qt::TextWordWrap, l.Tekst).height() + 0.5 * mm_;
        return h;
    }

    void Legenda(const std::vector<TLiniaLegendy>& legenda, double y) {
        p_.setPen(Qt::black);
        p_.setFont(Czcionka(8, true));
        const double naglowek = QFontMetricsF(Czcionka(8, true), &urzadzenie_).height();
        p_.drawText(QRectF(0, y, szer_, naglowek), Qt::AlignLeft, QStringLiteral("Objaśnienia"));
        y += naglowek * 1.3;
        p_.setFont(Czcionka(7.5));
        const QFontMetricsF m(Czcionka(7.5), &urzadzenie_);
        for (const TLiniaLegendy& l : legenda) {
            const QRectF r = m.boundingRect(QRectF(0, 0, szer_, 1e6), Qt::TextWordWrap, l.Tekst);
            p_.setPen(l.Czerwona ? kCzerwony : QColor(Qt::black));
            p_.drawText(QRectF(0, y, szer_, r.height()), Qt::TextWordWrap, l.Tekst);
            y += r.height() + 0.5 * mm_;
        }
    }

    QPagedPaintDevice& urzadzenie_;
    QPainter& p_;
    const TTrescZestawienia& t_;
    double szer_ = 0, wys_ = 0, mm_ = 1;
    std::vector<double> x_;
};

} // namespace

bool DrukujZestawienie(QPagedPaintDevice& urzadzenie, const TTrescZestawienia& tresc) {
    QPainter p;
    if (!p.begin(&urzadzenie))
        return false;
    TStrony strony(urzadzenie, p, tresc);
    const bool ok = strony.Drukuj();
    p.end();
    return ok;
}

QByteArray ZestawieniePdf(const TTrescZestawienia& tresc) {
    QBuffer bufor;
    bufor.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bufor);
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(12, 10, 12, 10), QPageLayout::Millimeter));
        pdf.setTitle(QString::fromUtf8(kTytulZestawienia));
        pdf.setCreator(QStringLiteral("Murolab"));
        if (!DrukujZestawienie(pdf, tresc))
            return {};
    }
    return bufor.data();
}

bool ZapiszZestawieniePdf(const QString& plik, const TTrescZestawienia& tresc, QString* blad) {
    auto porazka = [&](const QString& powod) {
        if (blad)
            *blad = QStringLiteral("Nie można zapisać zestawienia do pliku „%1”: %2").arg(plik, powod);
        return false;
    };
    const QByteArray dane = ZestawieniePdf(tresc);
    if (dane.isEmpty())
        return porazka(QStringLiteral("nie udało się utworzyć dokumentu PDF."));
    const TBlad odmowa = ZapiszAtomowo(QFile::encodeName(plik).toStdString(),
                                       std::span(reinterpret_cast<const std::uint8_t*>(dane.constData()),
                                                 static_cast<std::size_t>(dane.size())));
    if (odmowa)
        return porazka(Q(*odmowa));
    return true;
}

} // namespace murolab
