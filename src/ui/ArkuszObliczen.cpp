// Sheet 2 of the main window: the results (see ArkuszObliczen.h).

#include "ui/ArkuszObliczen.h"

#include "core/Arkusz.h"
#include "core/Liczby.h"
#include "output/RaportLinie.h"
#include "output/TekstyKondensacji.h"
#include "ui/WyborPrzekroju.h"

#include <QFont>
#include <QFontMetricsF>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QScrollArea>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace murolab {

namespace {

// Geometry of the table, in pixels. The sheet is 688 x 369: the table of 671 px and, with fifteen
// layers (a loaded project), everything below it just fit without scrolling.
constexpr int kLewyBrzeg = 8;
constexpr int kGornyBrzeg = 6;
constexpr int kDolnyBrzeg = 4;
constexpr int kWysokoscNaglowka = 55;
constexpr int kWysokoscLinii = 13;
// The profile columns (temperatures and pressures) start this much higher, so that each value stands
// between the rows of the two layers it separates.
constexpr int kPrzesuniecieProfilu = 8;
constexpr int kRamkaKolumny = 1;
// Inside each column: 1 px above the first line and 2 px at the sides. With the frame this makes
// the column of n + 3 lines exactly 13 n + 42 px high.
constexpr int kMarginesGorny = 1;
constexpr int kMarginesBoczny = 2;
constexpr int kPunktyKolumn = 8;
constexpr int kPunktyNaglowkow = 7; // the header words ("nasycenia", "cząstkowe") must fit 54 px
constexpr int kWysokoscKolumnPrzedObliczeniem = 10; // the empty table at start: room for ten layers
// A line wider than its column is condensed rather than cut, but never below this stretch (%).
constexpr int kNajmniejszeZwezenie = 50;

constexpr int kSzerokoscArkusza = 688; // the sheet at the window's designed (smallest) size
constexpr int kSzerokoscNazwy = 196;   // the name column at that size
constexpr int kNajszerszaNazwa = 4000; // it takes what a wider window gives (the table grows with it)
constexpr int kNajwezszaNazwa = 176;   // and shrinks beside a vertical scroll bar

constexpr int kOdstepPodTabela = 6;
constexpr int kSzerokoscWerdyktu = 340;
constexpr int kOdstepWynikow = 16;
constexpr int kOdstepSkladnikow = 2;

constexpr std::size_t kKolumnaNazwy = 1; // the column that takes a wider window's room

struct TKolumna {
    std::vector<std::string> TArkuszWynikow::*Linie;
    int Szerokosc;
    Qt::Alignment Wyrownanie;
    const char* Naglowek; // rich text
    bool Profil;          // one of the last three columns: starts higher, 8 px taller
    const char* Nazwa;
};

// The symbols of a header stand out from its small words.
#define DUZY(symbol) "<span style=\"font-size:10pt\">" symbol "</span>"

// Left to right. The pressures are in Pa and the diffusion resistance in m²·h·Pa/kg, which is what
// the calculation gives.
const std::array<TKolumna, 11> kKolumny{{
    {&TArkuszWynikow::RichEditNr, 20, Qt::AlignLeft, "Nr", false, "RichEditNr"},
    {&TArkuszWynikow::RichEditMaterial, 196, Qt::AlignLeft, "Nazwa materiału", false, "RichEditMaterial"},
    {&TArkuszWynikow::RichEditLambda, 45, Qt::AlignHCenter, DUZY("λ") "<br>[W/(m·K)]", false,
     "RichEditLambda"},
    {&TArkuszWynikow::RichEditMi, 46, Qt::AlignLeft, DUZY("μ"), false, "RichEditMi"},
    {&TArkuszWynikow::RichEditGrubosc, 47, Qt::AlignHCenter, DUZY("d") "<br>[m]", false, "RichEditGrubosc"},
    {&TArkuszWynikow::RichEditR, 59, Qt::AlignHCenter, DUZY("R<sub>n</sub>") "<br>[m²·K/W]", false,
     "RichEditR"},
    {&TArkuszWynikow::RichEditDelta, 68, Qt::AlignRight, DUZY("1/Δ<sub>n</sub>") "<br>[m²·h·Pa/kg]", false,
     "RichEditDelta"},
    {&TArkuszWynikow::RichEditSpadek, 40, Qt::AlignRight, "Spadek temp.<br>[°C]", false, "RichEditSpadek"},
    {&TArkuszWynikow::RichEditTemp, 42, Qt::AlignRight, "Temp. szczelin<br>" DUZY("t") " [°C]", true,
     "RichEditTemp"},
    {&TArkuszWynikow::RichEditCisNasy, 54, Qt::AlignRight,
     "Ciśnienie nasycenia<br>" DUZY("p<sub>s</sub>") " [Pa]", true, "RichEditCisNasy"},
    {&TArkuszWynikow::RichEditCisCzast, 54, Qt::AlignRight,
     "Ciśnienie cząstkowe<br>" DUZY("p<sub>o</sub>") " [Pa]", true, "RichEditCisCzast"},
}};
#undef DUZY

int GoraKolumn() {
    return kGornyBrzeg + kWysokoscNaglowka;
}

// 13 n + 42, and 8 px more for the profile columns, which start 8 px higher and end with the others.
int WysokoscKolumny(const TKolumna& k, int liczbaWarstw) {
    return kWysokoscLinii * liczbaWarstw + 42 + (k.Profil ? kPrzesuniecieProfilu : 0);
}

QFont CzcionkaArkusza(int punkty) {
    QFont f; // the system's default UI font
    f.setPointSize(punkty);
    return f;
}

// Results are read, not edited: the columns are disabled, but their text keeps the normal colours.
void KoloryJakWlaczonej(QWidget* w) {
    QPalette p = w->palette();
    for (QPalette::ColorRole rola : {QPalette::Text, QPalette::Base, QPalette::WindowText, QPalette::Window})
        p.setColor(QPalette::Disabled, rola, p.color(QPalette::Active, rola));
    w->setPalette(p);
}

// The document of a column: no wrapping, fixed margins (the defaults would push the lines out of
// step with the neighbouring columns).
void UstawMarginesy(QTextDocument* dokument) {
    QTextFrameFormat ramka = dokument->rootFrame()->frameFormat();
    ramka.setMargin(0);
    ramka.setPadding(0);
    ramka.setTopMargin(kMarginesGorny);
    ramka.setBottomMargin(0);
    ramka.setLeftMargin(kMarginesBoczny);
    ramka.setRightMargin(kMarginesBoczny);
    dokument->rootFrame()->setFrameFormat(ramka);
}

QTextEdit* NowaKolumna(QWidget* rodzic, const TKolumna& k) {
    auto* kolumna = new QTextEdit(rodzic);
    kolumna->setObjectName(QString::fromLatin1(k.Nazwa));
    kolumna->setFont(CzcionkaArkusza(kPunktyKolumn));
    kolumna->setReadOnly(true);
    kolumna->setEnabled(false);
    kolumna->setFocusPolicy(Qt::NoFocus);
    kolumna->setLineWrapMode(QTextEdit::NoWrap);
    kolumna->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    kolumna->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    kolumna->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    kolumna->setLineWidth(kRamkaKolumny);
    kolumna->setAlignment(k.Wyrownanie);
    kolumna->document()->setUndoRedoEnabled(false);
    UstawMarginesy(kolumna->document());
    KoloryJakWlaczonej(kolumna);
    return kolumna;
}

QFrame* NowyNaglowek(QWidget* rodzic, const TKolumna& k, int x) {
    auto* panel = new QFrame(rodzic);
    panel->setObjectName(QStringLiteral("Naglowek") + QString::fromLatin1(k.Nazwa));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    // The profile columns overlap the last 8 px of the header row; their panels end there.
    const int wysokosc = kWysokoscNaglowka - (k.Profil ? kPrzesuniecieProfilu : 0);
    panel->setGeometry(x, kGornyBrzeg, k.Szerokosc, wysokosc);
    auto* opis = new QLabel(panel);
    opis->setTextFormat(Qt::RichText);
    opis->setText(QString::fromUtf8(k.Naglowek));
    opis->setFont(CzcionkaArkusza(kPunktyNaglowkow));
    opis->setAlignment(Qt::AlignCenter);
    opis->setWordWrap(true);
    opis->setGeometry(1, 1, k.Szerokosc - 2, wysokosc - 2);
    return panel;
}

// The stretch (%) at which every line of a column fits its width: 100 when they all fit. One
// stretch serves the whole column, so that its lines (the material names) share one font.
int ZwezenieKolumny(const QFont& czcionka, qreal dostepne, const std::vector<std::string>& linie) {
    QFont zwezona = czcionka;
    int zwezenie = 100;
    auto miesciSie = [&] {
        const QFontMetricsF miara(zwezona);
        for (const std::string& linia : linie)
            if (miara.horizontalAdvance(QString::fromStdString(linia)) > dostepne)
                return false;
        return true;
    };
    while (zwezenie > kNajmniejszeZwezenie && !miesciSie()) {
        zwezenie -= 2;
        zwezona.setStretch(zwezenie);
    }
    return zwezenie;
}

// Condenses the font of a column horizontally, all its lines alike, until the widest fits.
void DopasujZwezenie(QTextEdit* kolumna) {
    std::vector<std::string> linie;
    for (QTextBlock b = kolumna->document()->begin(); b.isValid(); b = b.next())
        linie.push_back(b.text().toStdString());
    const int zwezenie =
        ZwezenieKolumny(kolumna->font(), kolumna->width() - 2 * kRamkaKolumny - 2 * kMarginesBoczny, linie);
    QTextCursor kursor(kolumna->document());
    kursor.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setFontStretch(zwezenie);
    kursor.mergeCharFormat(format);
}

// Writes the lines of one column, each 13 px high. Lines wider than the column (a huge diffusion
// resistance, a long name in a narrow window) condense the column's font, so that no value is
// ever cut off.
void WpiszLinie(QTextEdit* kolumna, const TKolumna& k, const std::vector<std::string>& linie) {
    kolumna->clear();
    QTextDocument* dokument = kolumna->document();
    UstawMarginesy(dokument);
    if (linie.empty())
        return;
    QTextBlockFormat formatLinii;
    formatLinii.setAlignment(k.Wyrownanie);
    formatLinii.setLineHeight(kWysokoscLinii, QTextBlockFormat::FixedHeight);
    formatLinii.setTopMargin(0);
    formatLinii.setBottomMargin(0);
    QTextCursor kursor(dokument);
    for (std::size_t i = 0; i < linie.size(); ++i) {
        if (i == 0)
            kursor.setBlockFormat(formatLinii);
        else
            kursor.insertBlock(formatLinii);
        kursor.insertText(QString::fromStdString(linie[i]));
    }
    DopasujZwezenie(kolumna);
}

// A subscript drawn as a small label of its own at x, under the baseline: the label's text stays
// plain ("U  = 0,425" with the gap for the "k", as the command line prints it; "θ").
QLabel* DodajIndeks(QLabel* etykieta, const QString& indeks, int x, const char* nazwa) {
    auto* l = new QLabel(indeks, etykieta);
    l->setObjectName(QString::fromLatin1(nazwa));
    QFont f = etykieta->font();
    f.setPointSizeF(f.pointSizeF() * 0.75);
    l->setFont(f);
    l->adjustSize();
    l->move(x, qRound(QFontMetricsF(etykieta->font()).ascent() - QFontMetricsF(f).ascent() * 0.55));
    return l;
}

QLabel* NowaEtykieta(QWidget* rodzic, const QString& tekst, const char* nazwa) {
    auto* e = new QLabel(tekst, rodzic);
    e->setObjectName(QString::fromLatin1(nazwa));
    e->setTextFormat(Qt::PlainText);
    return e;
}

void UstawKolor(QLabel* etykieta, bool czerwony) {
    QPalette p = etykieta->palette();
    const QColor kolor =
        czerwony ? QColor(Qt::red) : etykieta->parentWidget()->palette().color(QPalette::WindowText);
    p.setColor(QPalette::WindowText, kolor);
    etykieta->setPalette(p);
}

} // namespace

namespace {
// Lays the table out again whenever the sheet's visible width changes.
class TNaZmianeSzerokosci : public QObject {
public:
    TNaZmianeSzerokosci(QWidget* widok, std::function<void(int)> f) : QObject(widok), f_(std::move(f)) {
        widok->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override {
        if (zdarzenie->type() == QEvent::Resize)
            f_(static_cast<QWidget*>(obiekt)->width());
        return false;
    }

private:
    std::function<void(int)> f_;
};
} // namespace

int TArkuszObliczen::PrawyBrzegTabeli() const {
    return kolumny_.back()->geometry().right() + 1;
}

// The verdict block and the result labels follow the bottom of the table, which grows with the
// number of layers; the scrolled area grows with them.
void TArkuszObliczen::UlozPodTabela() {
    int dol = 0;
    for (const QTextEdit* kolumna : kolumny_)
        dol = std::max(dol, kolumna->geometry().bottom() + 1);
    QWidget* werdykt = komunikat_->parentWidget();
    QWidget* wyniki = uk_->parentWidget();
    const int y = dol + kOdstepPodTabela;
    werdykt->move(kLewyBrzeg, y);
    wyniki->adjustSize();
    // The results end flush with the table's right edge, never over the verdict.
    wyniki->move(
        std::max(werdykt->geometry().right() + 1 + kOdstepWynikow, PrawyBrzegTabeli() - wyniki->width()), y);
    // The parts of Uk in one line under both, ending with the table.
    QWidget* skladniki = skladnikiUk_[0]->parentWidget();
    skladniki->adjustSize();
    skladniki->move(std::max(kLewyBrzeg, PrawyBrzegTabeli() - skladniki->width()),
                    std::max(werdykt->geometry().bottom(), wyniki->geometry().bottom()) + 1 +
                        kOdstepSkladnikow);
    int dolBloku = skladniki->geometry().bottom() + 1;
    if (niejednorodna_ && !niejednorodna_->isHidden()) {
        niejednorodna_->setFixedWidth(std::max(kSzerokoscWerdyktu, PrawyBrzegTabeli() - kLewyBrzeg));
        niejednorodna_->adjustSize();
        niejednorodna_->move(kLewyBrzeg, dolBloku + kOdstepPodTabela);
        dolBloku = niejednorodna_->geometry().bottom() + 1;
    }
    QWidget* obszar = werdykt->parentWidget();
    obszar->resize(std::max(PrawyBrzegTabeli(), wyniki->geometry().right() + 1) + kLewyBrzeg,
                   dolBloku + kDolnyBrzeg);
}

// Places the columns and their headings side by side; the name column takes the width the sheet
// has beyond the designed table, up to kNajszerszaNazwa.
void TArkuszObliczen::UlozKolumny(int szerokoscWidoku) {
    // A vertical scroll bar (a loaded project of more layers than fit) takes its width from names.
    const int naddatek = std::clamp(szerokoscWidoku - kSzerokoscArkusza, kNajwezszaNazwa - kSzerokoscNazwy,
                                    kNajszerszaNazwa - kSzerokoscNazwy);
    int x = kLewyBrzeg;
    for (std::size_t i = 0; i < kKolumny.size(); ++i) {
        const TKolumna& k = kKolumny[i];
        const int szerokosc = k.Szerokosc + (i == kKolumnaNazwy ? naddatek : 0);
        QTextEdit* kolumna = kolumny_[i];
        const bool zmiana = kolumna->width() != szerokosc;
        kolumna->setGeometry(x, kolumna->y(), szerokosc, kolumna->height());
        if (auto* naglowek = kolumna->parentWidget()->findChild<QFrame*>(QStringLiteral("Naglowek") +
                                                                         QString::fromLatin1(k.Nazwa))) {
            naglowek->setGeometry(x, naglowek->y(), szerokosc, naglowek->height());
            if (auto* opis = naglowek->findChild<QLabel*>())
                opis->resize(szerokosc - 2, opis->height());
        }
        if (zmiana)
            DopasujZwezenie(kolumna);
        x += szerokosc;
    }
}

void TArkuszObliczen::UstawWysokosci(int liczbaWarstw) {
    for (std::size_t i = 0; i < kKolumny.size(); ++i)
        kolumny_[i]->resize(kolumny_[i]->width(), WysokoscKolumny(kKolumny[i], liczbaWarstw));
    UlozPodTabela();
}

void TArkuszObliczen::UstawSkladnikiUk(const TArkuszWynikow& arkusz) {
    const QString jednostka = QStringLiteral("&nbsp;") + QString::fromUtf8(kJednostkaU).toHtmlEscaped();
    for (std::size_t i = 0; i < skladnikiUk_.size(); ++i)
        skladnikiUk_[i]->setText(i < arkusz.SkladnikiUk.size()
                                     ? QString::fromStdString(SkladnikUkHtml(arkusz.SkladnikiUk[i])) +
                                           jednostka
                                     : QString());
    UlozPodTabela();
}

TArkuszObliczen::TArkuszObliczen(QWidget* rodzic) : QWidget(rodzic) {
    setObjectName(QStringLiteral("TabSheetObliczenia"));
    Zbuduj();
}

void TArkuszObliczen::Zbuduj() {
    // Everything sits on one area inside a scroll area: a loaded project can hold fifteen layers,
    // and the table then grows past what a small window shows.
    auto* przewijanie = new QScrollArea(this);
    przewijanie->setObjectName(QStringLiteral("PrzewijanieWynikow"));
    przewijanie->setFrameShape(QFrame::NoFrame);
    przewijanie->setWidgetResizable(false);
    przewijanie->setBackgroundRole(QPalette::Window);
    auto* obszar = new QWidget;
    obszar->setObjectName(QStringLiteral("ObszarWynikow"));
    obszar->setFont(CzcionkaArkusza(kPunktyKolumn));
    przewijanie->setWidget(obszar);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    wyborPrzekroju_ = new TWyborPrzekroju("ComboBoxPrzekrojWynikow", this);
    uklad->addWidget(wyborPrzekroju_);
    uklad->addWidget(przewijanie);

    int x = kLewyBrzeg;
    for (std::size_t i = 0; i < kKolumny.size(); ++i) {
        const TKolumna& k = kKolumny[i];
        NowyNaglowek(obszar, k, x);
        QTextEdit* kolumna = NowaKolumna(obszar, k);
        kolumna->setGeometry(x, GoraKolumn() - (k.Profil ? kPrzesuniecieProfilu : 0), k.Szerokosc,
                             WysokoscKolumny(k, kWysokoscKolumnPrzedObliczeniem));
        kolumny_[i] = kolumna;
        x += k.Szerokosc;
    }

    const TArkuszWynikow pusty = ArkuszPusty();

    // The verdict, two lines. The no-condensation text has eight blanks after "pary": the width is
    // chosen so that its line breaks there (the blanks then vanish at the line's end) and the other
    // verdicts also take two lines.
    auto* werdykt = new QWidget(obszar);
    werdykt->setObjectName(QStringLiteral("BlokWerdyktu"));
    komunikat_ = NowaEtykieta(werdykt, QString(), "LabeLKomunikat");
    komunikat_->setWordWrap(true);
    komunikat_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int wysokoscWerdyktu = 2 * QFontMetrics(komunikat_->font()).lineSpacing() + 2;
    komunikat_->setGeometry(0, 0, kSzerokoscWerdyktu, wysokoscWerdyktu);
    // The criterion "ts +1 > θi": shown in red only after a condensation verdict.
    komunikat3_ = NowaEtykieta(werdykt, QStringLiteral("ts +1 >"), "LabelKomunikat3");
    komunikat4_ = NowaEtykieta(werdykt, QStringLiteral("θ"), "LabelKomunikat4");
    komunikat3_->adjustSize();
    komunikat4_->adjustSize();
    const int szerokoscTheta = QFontMetrics(komunikat4_->font()).horizontalAdvance(u'θ');
    const QLabel* indeksI =
        DodajIndeks(komunikat4_, QStringLiteral("i"), szerokoscTheta, "LabelKomunikat4Indeks");
    komunikat4_->resize(indeksI->geometry().right() + 2,
                        std::max(komunikat4_->height(), indeksI->geometry().bottom() + 1));
    const int yKryterium = wysokoscWerdyktu + 4;
    komunikat3_->move(0, yKryterium);
    komunikat4_->move(komunikat3_->width() + QFontMetrics(komunikat3_->font()).horizontalAdvance(u' '),
                      yKryterium);
    for (QLabel* e : {komunikat3_, komunikat4_}) {
        e->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        UstawKolor(e, true);
        e->hide();
    }
    werdykt->resize(kSzerokoscWerdyktu, yKryterium + std::max(komunikat3_->height(), komunikat4_->height()));
    // Under the criterion: the planes of condensation inside the partition and the year's verdict
    // (TArkuszKondensacji), shown only when there is something to say.
    kondensacja_ = NowaEtykieta(werdykt, QString(), "LabelKondensacjaWewnatrz");
    kondensacja_->setTextFormat(Qt::RichText);
    kondensacja_->setWordWrap(true);
    kondensacja_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    kondensacja_->move(0, werdykt->height() + 2);
    kondensacja_->hide();

    // The three results with their units, one per line, the numbers in one column.
    auto* wyniki = new QWidget(obszar);
    wyniki->setObjectName(QStringLiteral("BlokWynikow"));
    auto* siatka = new QGridLayout(wyniki);
    siatka->setContentsMargins(0, 0, 0, 0);
    siatka->setHorizontalSpacing(6);
    siatka->setVerticalSpacing(2);
    QFont pogrubiona = obszar->font();
    pogrubiona.setBold(true);
    uk_ = NowaEtykieta(wyniki, QString::fromUtf8(pusty.LabelUk), "LabelUk");
    i_ = NowaEtykieta(wyniki, QString::fromUtf8(pusty.LabelI), "LabelI");
    p_ = NowaEtykieta(wyniki, QString::fromUtf8(pusty.LabelP), "LabelP");
    const QFontMetrics miaraWyniku(pogrubiona);
    for (QLabel* e : {uk_, i_, p_}) {
        e->setFont(pogrubiona);
        e->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Room for the widest value ("U  = 0,000" up to four digits before the comma) and, under
        // the "U", its subscript.
        e->setMinimumWidth(miaraWyniku.horizontalAdvance(QStringLiteral("U  = 0000,000")));
        e->setMinimumHeight(miaraWyniku.height() + 4);
    }
    DodajIndeks(uk_, QStringLiteral("k"), miaraWyniku.horizontalAdvance(u'U'), "LabelUkIndeks");
    siatka->addWidget(uk_, 0, 0);
    siatka->addWidget(NowaEtykieta(wyniki, QString::fromUtf8(kJednostkaU), "LabelUkJednostka"), 0, 1,
                      Qt::AlignLeft | Qt::AlignTop);
    // What Uk is made of, in one line under the results, each part with its unit.
    auto* skladniki = new QWidget(obszar);
    skladniki->setObjectName(QStringLiteral("BlokSkladnikow"));
    auto* wiersz = new QHBoxLayout(skladniki);
    wiersz->setContentsMargins(0, 0, 0, 0);
    wiersz->setSpacing(14);
    for (std::size_t i = 0; i < skladnikiUk_.size(); ++i) {
        QLabel* skladnik = NowaEtykieta(skladniki, QString(), "");
        skladnik->setObjectName(QStringLiteral("LabelSkladnikUk%1").arg(i));
        skladnik->setTextFormat(Qt::RichText);
        skladnikiUk_[i] = skladnik;
        wiersz->addWidget(skladnik);
    }
    UstawSkladnikiUk(pusty);
    siatka->addWidget(i_, 1, 0);
    siatka->addWidget(NowaEtykieta(wyniki, QStringLiteral("[g/(m²·h)]"), "LabelIJednostka"), 1, 1,
                      Qt::AlignLeft | Qt::AlignTop);
    siatka->addWidget(p_, 2, 0);
    siatka->addWidget(NowaEtykieta(wyniki, QStringLiteral("[Pa]"), "LabelPJednostka"), 2, 1,
                      Qt::AlignLeft | Qt::AlignTop);

    niejednorodna_ = NowaEtykieta(obszar, QString(), "LabelNiejednorodna");
    niejednorodna_->setTextFormat(Qt::RichText);
    niejednorodna_->setWordWrap(true);
    niejednorodna_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    niejednorodna_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    niejednorodna_->hide();

    UlozPodTabela();
    new TNaZmianeSzerokosci(przewijanie->viewport(), [this](int szerokosc) {
        UlozKolumny(szerokosc);
        UlozPodTabela();
    });
}

void TArkuszObliczen::WyczyscWyniki() {
    const TArkuszWynikow pusty = ArkuszPusty();
    komunikat_->clear();
    komunikat3_->hide();
    komunikat4_->hide();
    PokazLiniePodWerdyktem({});
    PokazLinieNiejednorodnej({});
    wyborPrzekroju_->Ustaw({}, 0);
    for (QTextEdit* kolumna : kolumny_)
        kolumna->clear();
    uk_->setText(QString::fromUtf8(pusty.LabelUk));
    i_->setText(QString::fromUtf8(pusty.LabelI));
    p_->setText(QString::fromUtf8(pusty.LabelP));
    UstawSkladnikiUk(pusty);
}

void TArkuszObliczen::PokazLiniePodWerdyktem(const std::vector<TLiniaWyniku>& linie) {
    QWidget* werdykt = komunikat_->parentWidget();
    const int gora = kondensacja_->y() - 2;
    kondensacja_->setText(QString::fromStdString(HtmlLinii(linie)));
    kondensacja_->setVisible(!linie.empty());
    kondensacja_->setFixedWidth(kSzerokoscWerdyktu);
    kondensacja_->adjustSize();
    werdykt->resize(kSzerokoscWerdyktu, linie.empty() ? gora : kondensacja_->geometry().bottom() + 1);
    UlozPodTabela();
}

void TArkuszObliczen::PokazLinieNiejednorodnej(const std::vector<TLiniaWyniku>& linie) {
    niejednorodna_->setText(QString::fromStdString(HtmlLinii(linie)));
    niejednorodna_->setVisible(!linie.empty());
    UlozPodTabela();
}

void TArkuszObliczen::PokazWyniki(const TArkuszWynikow& arkusz, int liczbaWarstw) {
    komunikat_->setText(QString::fromUtf8(arkusz.LabeLKomunikat));
    UstawKolor(komunikat_, arkusz.KomunikatCzerwony);
    if (arkusz.PokazKryterium) {
        komunikat3_->show();
        komunikat4_->show();
    }

    UstawWysokosci(std::clamp(liczbaWarstw, 0, kLiczbaSlotow));

    for (std::size_t i = 0; i < kKolumny.size(); ++i)
        WpiszLinie(kolumny_[i], kKolumny[i], arkusz.*(kKolumny[i].Linie));

    uk_->setText(QString::fromUtf8(arkusz.LabelUk));
    i_->setText(QString::fromUtf8(arkusz.LabelI));
    p_->setText(QString::fromUtf8(arkusz.LabelP));
    UstawSkladnikiUk(arkusz);
}

} // namespace murolab
