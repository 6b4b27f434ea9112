// Sheet 1 of the main window: the layer grid (see ArkuszPrzegrody.h).
#include "ui/ArkuszPrzegrody.h"

#include "catalogue/FormWstawWarstwe.h"
#include "core/Arkusz.h"
#include "core/Iso6946.h"
#include "core/Liczby.h"
#include "core/Sprawdzenia.h"
#include "core/WT2021.h"
#include "files/PolaRekordu.h"
#include "output/TekstyKondensacji.h"
#include "ui/ArkuszKondensacji.h"
#include "ui/FormMostkiTerm.h"
#include "ui/FormMostkiWarstwy.h"
#include "ui/FormWarstwaPowietrza.h"
#include "ui/KontekstPomocy.h"
#include "ui/SiatkaWarstw.h"
#include "widgets/Bezpiecznie.h"
#include "widgets/Dialogi.h"
#include "widgets/Nazwy.h"
#include "widgets/NumEdit.h"
#include "widgets/Okna.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

namespace murolab {

namespace {
// The grid's columns: number, name, lambda, mu, d, density, specific heat. Each also takes the
// 1-pixel line that separates it from the next, so the widths below are one more than the drawn
// ones and the columns sit under the heading panels (45, 325, 60, 60, 60, 60, 60); the last column
// gives up the pixel of the grid's right edge.
constexpr int kLiczbaKolumn = 7;
constexpr int kKolumnaNazwy = 1;
constexpr int kKolumnaGestosci = 5;
constexpr int kKolumnaCiepla = 6;
constexpr std::array<int, kLiczbaKolumn> kSzerokosciKolumn = {45, 325, 60, 60, 60, 60, 59};
constexpr int kSzerokoscSiatki = 669;
// A row of 22 pixels and its line: 23 pixels per layer.
constexpr int kWysokoscWiersza = 23;
constexpr int kLewaSiatki = 7;
constexpr int kGoraSiatki = 63;
// The sheet's width in the smallest window, as designed; a wider sheet widens the name column.
constexpr int kSzerokoscArkusza = 688;

constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;

QString Numer(int wiersz) {
    return QStringLiteral("  %1.").arg(wiersz + 1);
}

// The height shows every row; past the 10 layers that the commands allow (a loaded project may
// hold 15) the grid keeps the height of 10 and scrolls, so the outdoor line stays visible.
void UstawWysokosc(QTableWidget* siatka, int wysokoscWierszy) {
    const int limit = kLimitWarstw * kWysokoscWiersza;
    siatka->setVerticalScrollBarPolicy(wysokoscWierszy > limit ? Qt::ScrollBarAsNeeded
                                                               : Qt::ScrollBarAlwaysOff);
    siatka->resize(siatka->width(), std::min(wysokoscWierszy, limit));
}

// Grid columns of the name and the three numbers.
constexpr int kKolumnaLambdy = 2;
constexpr int kKolumnaMi = 3;
constexpr int kKolumnaGrubosci = 4;

// Values inside the limits, standing in for the numbers of a row not converted yet: a row is
// converted and tested one cell at a time, so that the first failure (a limit or a text that is no
// number) is the one reported.
constexpr double kMiWGranicach = 1;
constexpr double kGruboscWGranicach = 1;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Rows the commands may read: never more than the model has slots for.
int LiczbaWierszyWarstw(const TModelProjektu& model) {
    return std::clamp(model.LiczbaWarstw, 0, kLiczbaSlotow);
}

// A density or specific heat cell: empty is unknown (true, nothing); otherwise the number, false
// when the text is no number.
bool ProbujOpcjonalna(const QString& tekst, std::optional<double>& wartosc) {
    if (tekst.isEmpty()) {
        wartosc.reset();
        return true;
    }
    double liczba = 0;
    if (!ProbujNaLiczbe(tekst.toStdString(), liczba))
        return false;
    wartosc = liczba;
    return true;
}

// An air layer's record as the grid and the file keep it: d, lambda = d / Ra, mu = 1.
TWarstwa WarstwaPowietrza(const QString& nazwa, double grubosc, const TPowietrze& p) {
    TWarstwa w;
    w.Nazwa.UstawUtf8(nazwa.toStdString());
    w.Grubosc = grubosc;
    w.Powietrze = p;
    w.Gestosc = kGestoscPowietrza;
    w.Cieplo = kCieploPowietrza;
    UzgodnijWarstwePowietrza(w);
    return w;
}

// An equivalent lambda as the grid shows it; the model keeps the exact d / Ra.
QString LambdaZastepcza(double lambda) {
    return Q(Ogolny(std::round(lambda * 10000) / 10000));
}

// "12 %" of a share, as the notes of the grid write it.
QString Procent(double udzial) {
    return Q(Ogolny(std::round(udzial * 1000) / 10)) + QStringLiteral(" %");
}
} // namespace

TArkuszPrzegrody::TArkuszPrzegrody(TModelProjektu& model, TDialogi& dialogi, QWidget* rodzic)
    : QWidget(rodzic), model_(model), dialogi_(dialogi) {
    setObjectName(QStringLiteral("TabSheetPrzegroda"));
    // F1 anywhere on the sheet (the grid, its cell editor, the buttons) opens the layer topic.
    UstawKontekstPomocy(this, 7);
    Zbuduj();
    // Leaving the grid (the focus moving elsewhere in the window) tidies its numbers.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* stary, QWidget* nowy) {
        auto wSiatce = [this](const QWidget* w) { return w == siatka_ || siatka_->isAncestorOf(w); };
        if (stary && nowy && stary->window() == window() && nowy->window() == window() && wSiatce(stary) &&
            !wSiatce(nowy))
            Bezpiecznie(dialogi_, this, [this] { StringGridPrzegrodaExit(); });
    });
}

void TArkuszPrzegrody::UstawFormy(TFormWstawWarstwe* wstaw, TFormMostkiTerm* mostki) {
    wstaw_ = wstaw;
    mostki_ = mostki;
    // The bridged-layer dialog takes its materials from the catalogue through the insertion dialog.
    if (!wstaw_) {
        mostkiWarstwy_->ZKatalogu = nullptr;
        return;
    }
    mostkiWarstwy_->ZKatalogu = [this]() -> std::optional<TMaterialMostka> {
        wstaw_->TrybWyboruMostka = true;
        wstaw_->WybranyMostek.reset();
        const int wynik = dialogi_.PokazModalnie(wstaw_);
        wstaw_->TrybWyboruMostka = false;
        if (wynik != QDialog::Accepted)
            return std::nullopt;
        return wstaw_->WybranyMostek;
    };
}

void TArkuszPrzegrody::PokazSiatke() {
    siatka_->setVisible(true);
}

void TArkuszPrzegrody::Zbuduj() {
    QWidget* ark = this;

    // Headings above the grid (the grid itself has no heading row).
    const std::array<QString, kLiczbaKolumn> naglowki = {
        QStringLiteral("    Nr warstwy"),  QStringLiteral("Nazwa materiału"),
        QStringLiteral("λ<br>[W/(m·K)]"),  QStringLiteral("μ"),
        QStringLiteral("d<br>[m]"),        QStringLiteral("ρ<br>[kg/m³]"),
        QStringLiteral("c<br>[kJ/(kg·K)]")};
    const std::array<int, kLiczbaKolumn> szerokosci = {45, 325, 60, 60, 60, 60, 60};
    const std::array<QString, kLiczbaKolumn> podpowiedzi = {
        QString(),
        QString(),
        QStringLiteral("Współczynnik przewodzenia ciepła"),
        QStringLiteral("Współczynnik oporu dyfuzji pary wodnej"),
        QStringLiteral("Grubość warstwy"),
        QStringLiteral("Gęstość materiału (puste = nieznana)"),
        QStringLiteral("Ciepło właściwe materiału (puste = nieznane)")};
    int x = kLewaSiatki;
    for (std::size_t k = 0; k < naglowki.size(); ++k) {
        auto* panel = new QLabel(naglowki[k], ark);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setAlignment(Qt::AlignCenter);
        panel->setWordWrap(true);
        panel->setGeometry(x, 2, szerokosci[k], 40);
        naglowki_[k] = panel;
        panel->setToolTip(podpowiedzi[k]);
        // The narrow number heading wraps into two lines; its longer word must fit the panel. So
        // must the unit of the specific heat, the widest of the units.
        if (k == 0 || k == kKolumnaCiepla) {
            const QString slowo = k == 0 ? QStringLiteral("warstwy") : QStringLiteral("[kJ/(kg·K)]");
            QFont f = panel->font();
            if (f.pixelSize() <= 0)
                f.setPixelSize(QFontInfo(f).pixelSize());
            while (f.pixelSize() > 8 &&
                   QFontMetrics(f).horizontalAdvance(slowo) > szerokosci[k] - 2 * panel->frameWidth())
                f.setPixelSize(f.pixelSize() - 1);
            panel->setFont(f);
        }
        x += szerokosci[k];
    }
    // The summary lines: indoor above the grid, outdoor below it.
    auto linia = [ark](int y, const QString& temperatura, QLabel*& wartoscT, const QString& tekstT,
                       const QString& wilgotnosc, QLabel*& wartoscF, const QString& tekstF) {
        auto etykieta = [ark, y](const QString& t, int x0, int szer) {
            auto* e = new QLabel(t, ark);
            e->setGeometry(x0, y, szer, 19);
            return e;
        };
        etykieta(temperatura, 40, 130);
        wartoscT = etykieta(tekstT, 172, 80);
        etykieta(QStringLiteral("[°C]"), 254, 40);
        etykieta(wilgotnosc, 360, 130);
        wartoscF = etykieta(tekstF, 492, 80);
        etykieta(QStringLiteral("[%]"), 574, 40);
    };
    linia(44, QStringLiteral("Temperatura wewn."), ti_,
          ZIndeksem(QStringLiteral("t"), QStringLiteral("i"), QStringLiteral(" = ")),
          QStringLiteral("Wilgotność wewn."), fi_,
          ZIndeksem(QStringLiteral("Φ"), QStringLiteral("i"), QStringLiteral(" = ")));
    linia(299, QStringLiteral("Temperatura zewn."), te_,
          ZIndeksem(QStringLiteral("t"), QStringLiteral("e"), QStringLiteral(" = ")),
          QStringLiteral("Wilgotność zewn."), fe_,
          ZIndeksem(QStringLiteral("Φ"), QStringLiteral("e"), QStringLiteral(" = ")));

    NazwijKontrolki({{ti_, "LabelTi"}, {te_, "LabelTe"}, {fi_, "LabelFi"}, {fe_, "LabelFe"}});

    auto* siatka = new TSiatkaWarstw(ark);
    siatka->setObjectName(QStringLiteral("StringGridPrzegroda"));
    siatka_ = siatka;
    siatka->setGeometry(kLewaSiatki, kGoraSiatki, kSzerokoscSiatki, kWysokoscWiersza);
    siatka->setColumnCount(kLiczbaKolumn);
    siatka->setRowCount(1);
    siatka->horizontalHeader()->hide();
    siatka->verticalHeader()->hide();
    siatka->verticalHeader()->setMinimumSectionSize(1);
    siatka->verticalHeader()->setDefaultSectionSize(kWysokoscWiersza);
    siatka->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    siatka->horizontalHeader()->setMinimumSectionSize(1);
    siatka->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int k = 0; k < kLiczbaKolumn; ++k)
        siatka->setColumnWidth(k, kSzerokosciKolumn[static_cast<std::size_t>(k)]);
    siatka->setShowGrid(false);
    siatka->setFrameShape(QFrame::NoFrame);
    siatka->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    siatka->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A string grid marks its current cell by the editor shown in it, not by a selection.
    siatka->setSelectionMode(QAbstractItemView::NoSelection);
    siatka->setTabKeyNavigation(false);
    siatka->setWordWrap(false);
    siatka->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                            QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    siatka->viewport()->setCursor(Qt::ArrowCursor);
    siatka->FiltrEdytora = this;
    siatka->PoPrzeciagnieciu = [this](int skad, int dokad) {
        Bezpiecznie(dialogi_, this, [this, skad, dokad] {
            StringGridPrzegrodaRowMoved();
            // The dragged layer takes its number along; those it passed move by one the other way.
            PrzeniesPoprawke([skad, dokad](int k) { return NumerPoPrzeciagnieciu(k, skad, dokad); });
        });
    };
    // Every change of a cell is an edit of the project: typed, inserted, deleted, dragged.
    connect(siatka, &QTableWidget::itemChanged, this, &TArkuszPrzegrody::Zmieniono);
    connect(siatka, &QTableWidget::currentCellChanged, this, [this](int wiersz, int kolumna, int, int) {
        if (wiersz >= 0 && kolumna >= 0)
            StringGridPrzegrodaSelectCell(kolumna, wiersz);
    });

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("PopupMenuStrPrzegroda"));
    auto pozycja = [this](const QString& tekst, const char* nazwa, void (TArkuszPrzegrody::*obsluga)()) {
        QAction* a = menu_->addAction(tekst);
        a->setObjectName(QLatin1String(nazwa));
        PolaczBezpiecznie(dialogi_, this, a, &QAction::triggered, [this, obsluga] { (this->*obsluga)(); });
    };
    pozycja(QStringLiteral("Dodaj warstwę"), "Dodajwarstw1", &TArkuszPrzegrody::Dodajwarstw1Click);
    pozycja(QStringLiteral("Wstaw warstwę powietrza…"), "Warstwapowietrza1",
            &TArkuszPrzegrody::Warstwapowietrza1Click);
    akcjaPowietrza_ = menu_->actions().constLast();
    pozycja(QStringLiteral("Mostki w warstwie…"), "Mostkiwwarstwie1",
            &TArkuszPrzegrody::Mostkiwwarstwie1Click);
    // The air-layer command edits the air layer it is opened on and inserts one elsewhere.
    connect(menu_, &QMenu::aboutToShow, this, [this] {
        const int k = std::clamp(BiezacyWiersz, 0, kLiczbaSlotow - 1) + 1;
        const bool powietrze = BiezacyWiersz < model_.LiczbaWarstw && model_.Warstwy[k].Powietrze.has_value();
        akcjaPowietrza_->setText(powietrze ? QStringLiteral("Zmień warstwę powietrza…")
                                           : QStringLiteral("Wstaw warstwę powietrza…"));
    });
    menu_->addSeparator();
    pozycja(QStringLiteral("Usuń warstwę"), "Usuwarstw1", &TArkuszPrzegrody::Usuwarstw1Click);
    menu_->addSeparator();
    pozycja(QStringLiteral("Dobierz grubość…"), "Dobierzgrubosc1", &TArkuszPrzegrody::Dobierzgrubosc1Click);
    siatka->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(siatka, &QWidget::customContextMenuRequested, this,
            [this, siatka](const QPoint& gdzie) { menu_->popup(siatka->viewport()->mapToGlobal(gdzie)); });

    auto* opcje = new QLabel(QStringLiteral("Opcje:"), ark);
    QFont gruba = opcje->font();
    gruba.setBold(true);
    opcje->setFont(gruba);
    opcje->setGeometry(10, 318, 100, 16);

    auto przycisk = [this, ark](const QString& tekst, int i, const char* nazwa) {
        auto* b = new QPushButton(tekst, ark);
        b->setObjectName(QLatin1String(nazwa));
        b->setGeometry(3 + i * 171, 336, 170, 30);
        b->setFont(CzcionkaPikseli(b->font(), 13, true));
        przyciski_[static_cast<std::size_t>(i)] = b;
        return b;
    };
    auto* dodaj = przycisk(QStringLiteral("&Dodaj"), 0, "Button1");
    auto* usun = przycisk(QStringLiteral("&Usuń"), 1, "Button2");
    auto* mostki = przycisk(QStringLiteral("&Mostki cieplne"), 2, "Button3");
    auto* kalkulator = przycisk(QStringLiteral("&Kalkulator"), 3, "Button5");
    UstawKontekstPomocy(dodaj, 7);
    PolaczBezpiecznie(dialogi_, this, dodaj, &QPushButton::clicked, [this] { Button1Click(); });
    PolaczBezpiecznie(dialogi_, this, usun, &QPushButton::clicked, [this] { Button2Click(); });
    connect(mostki, &QPushButton::clicked, this, &TArkuszPrzegrody::MostkiCieplne);
    connect(kalkulator, &QPushButton::clicked, this, &TArkuszPrzegrody::Kalkulator);

    // An air layer's read-only numbers open its dialog.
    connect(siatka, &QTableWidget::cellDoubleClicked, this, [this](int wiersz, int kolumna) {
        if (kolumna >= kKolumnaLambdy && wiersz < model_.LiczbaWarstw && model_.Warstwy[wiersz + 1].Powietrze)
            Bezpiecznie(dialogi_, this, [this, wiersz] { ZmienWarstwePowietrza(wiersz); });
    });
    powietrze_ = new TFormWarstwaPowietrza(dialogi_, this);
    mostkiWarstwy_ = new TFormMostkiWarstwy(dialogi_, this);

    WyczyscSiatke();
}

void TArkuszPrzegrody::resizeEvent(QResizeEvent* zdarzenie) {
    QWidget::resizeEvent(zdarzenie);
    UlozWSzerokosci();
}

void TArkuszPrzegrody::UlozWSzerokosci() {
    // The name column takes what the sheet has beyond its designed width; the columns after it,
    // their headings and the buttons move along (the buttons share the width).
    const int naddatek = std::max(0, width() - kSzerokoscArkusza);
    int x = kLewaSiatki;
    for (std::size_t k = 0; k < naglowki_.size(); ++k) {
        const int szerokosc = kSzerokosciKolumn[k] + (static_cast<int>(k) == kKolumnaNazwy ? naddatek : 0);
        if (naglowki_[k])
            naglowki_[k]->setGeometry(x, naglowki_[k]->y(), szerokosc + (k + 1 < naglowki_.size() ? 0 : 1),
                                      naglowki_[k]->height());
        siatka_->setColumnWidth(static_cast<int>(k), szerokosc);
        x += szerokosc;
    }
    siatka_->resize(kSzerokoscSiatki + naddatek, siatka_->height());
    const int szerokoscPrzycisku = 170 + naddatek / static_cast<int>(przyciski_.size());
    for (std::size_t i = 0; i < przyciski_.size(); ++i)
        if (przyciski_[i])
            przyciski_[i]->setGeometry(3 + static_cast<int>(i) * (szerokoscPrzycisku + 1), przyciski_[i]->y(),
                                       szerokoscPrzycisku, przyciski_[i]->height());
}

QString TArkuszPrzegrody::Komorka(int wiersz, int kolumna) const {
    const QTableWidgetItem* e = siatka_->item(wiersz, kolumna);
    return e ? e->text() : QString();
}

void TArkuszPrzegrody::UstawKomorke(int wiersz, int kolumna, const QString& tekst) {
    if (wiersz < 0 || wiersz >= siatka_->rowCount() || kolumna < 0 || kolumna >= kLiczbaKolumn)
        return;
    QTableWidgetItem* e = siatka_->item(wiersz, kolumna);
    if (!e) {
        e = new QTableWidgetItem;
        if (kolumna == 0)
            e->setFlags(Qt::ItemIsEnabled);
        siatka_->setItem(wiersz, kolumna, e);
    }
    e->setText(tekst);
}

void TArkuszPrzegrody::WyczyscSiatke() {
    siatka_->ZatwierdzEdytor();
    for (int r = 0; r < siatka_->rowCount(); ++r)
        for (int k = 0; k < kLiczbaKolumn; ++k)
            UstawKomorke(r, k, QString());
    siatka_->setRowCount(1);
    for (int k = 0; k < kLiczbaKolumn; ++k)
        UstawKomorke(0, k, QString());
    UstawWysokosc(siatka_, kWysokoscWiersza);
    siatka_->setEnabled(false);
    if (siatka_->currentRow() < 0)
        siatka_->setCurrentCell(0, std::max(1, BiezacaKolumna));
    OdswiezOznaczenia();
}

void TArkuszPrzegrody::UstawLiczbeWierszy(int n) {
    siatka_->setRowCount(std::max(n, 1));
    for (int r = 0; r < siatka_->rowCount(); ++r)
        if (!siatka_->item(r, 0))
            UstawKomorke(r, 0, QString());
    UstawWysokosc(siatka_, kWysokoscWiersza * std::max(n, 0));
    siatka_->setEnabled(true);
    siatka_->setVisible(true);
}

void TArkuszPrzegrody::StringGridPrzegrodaSelectCell(int kolumna, int wiersz) {
    BiezacaKolumna = kolumna;
    BiezacyWiersz = wiersz;
}

bool TArkuszPrzegrody::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    TSiatkaWarstw* siatka = siatka_;
    if (!siatka || obiekt != siatka->Edytor() || zdarzenie->type() != QEvent::KeyPress)
        return QWidget::eventFilter(obiekt, zdarzenie);
    auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
    const int kolumna = siatka_->currentColumn();
    if (kolumna < 2 || kolumna >= kLiczbaKolumn)
        return false;
    // The editing shortcuts as in a numeric field; a paste goes in whole when the cell's text it
    // makes could have been typed, else not at all.
    QLineEdit* edytor = siatka->Edytor();
    if (SkrotEdycji(edytor, klawisz, [this, edytor](const QString& tekst) {
            const QString wklejany = tekst.trimmed();
            QString wynik = edytor->text();
            wynik.replace(edytor->hasSelectedText() ? edytor->selectionStart() : edytor->cursorPosition(),
                          edytor->selectedText().size(), wklejany);
            if (wklejany.isEmpty() || !TekstCyfr(wynik, false, true))
                dialogi_.Sygnal();
            else
                edytor->insert(wklejany);
        }))
        return true;
    const QChar znak = ZnakKlawisza(klawisz);
    if (znak.isNull())
        return false;
    // Lambda, mu, d, density and specific heat hold unsigned numbers with at most one decimal
    // separator.
    const char16_t c = znak.unicode();
    if (c == kSeparatorDziesietny) {
        if (siatka->Edytor()->text().contains(QChar(kSeparatorDziesietny))) {
            dialogi_.Sygnal();
            return true;
        }
        if (klawisz->text() != QString(znak)) {
            siatka->Edytor()->insert(QString(znak));
            return true;
        }
        return false;
    }
    if (c == kBackspace || c == kEnter || (c >= u'0' && c <= u'9'))
        return false;
    dialogi_.Sygnal();
    return true;
}

void TArkuszPrzegrody::StringGridPrzegrodaExit() {
    siatka_->ZatwierdzEdytor();
    for (int r = 0; r < model_.LiczbaWarstw; ++r) {
        for (int k = 2; k < kLiczbaKolumn; ++k) {
            const QString t = Komorka(r, k);
            // An empty density or specific heat means "unknown" and stays empty.
            if (t.isEmpty() && (k == kKolumnaGestosci || k == kKolumnaCiepla))
                continue;
            UstawKomorke(r, k,
                         t.isEmpty() ? QStringLiteral("0")
                                     : QString::fromStdString(Ogolny(NaLiczbe(t.toStdString()))));
        }
        if (Komorka(r, 1).isEmpty())
            UstawKomorke(r, 1, QStringLiteral("Jakaś warstwa ?"));
    }
}

void TArkuszPrzegrody::StringGridPrzegrodaRowMoved() {
    for (int r = 0; r < model_.LiczbaWarstw; ++r)
        UstawKomorke(r, 0, Numer(r));
}

bool TArkuszPrzegrody::ZgodaNaZamiane() {
    return dialogi_.Komunikat(
               this,
               QStringLiteral("W programie nałożono ograniczenie co do ilości warstw (<=10). Każda "
                              "następna wprowadzona warstwa zamieni ostatnią!!!"),
               QStringLiteral("Murolab -UWAGA!"), TIkona::Brak, TPrzyciski::TakNie) == TOdpowiedz::Tak;
}

void TArkuszPrzegrody::PokazWstawianie() {
    if (!wstaw_)
        return;
    wstaw_->TrybWstawiania = TrybWstawiania;
    wstaw_->WierszDocelowy = WierszDocelowy;
    dialogi_.PokazModalnie(wstaw_);
}

void TArkuszPrzegrody::Button1Click() {
    // A loaded project may hold more than 10 layers: the grid is full from 10 on.
    if (model_.LiczbaWarstw >= kLimitWarstw && !ZgodaNaZamiane())
        return;
    TrybWstawiania = 1;
    WierszDocelowy = model_.LiczbaWarstw;
    PokazWstawianie();
}

void TArkuszPrzegrody::Dodajwarstw1Click() {
    if (model_.LiczbaWarstw >= kLimitWarstw && !ZgodaNaZamiane())
        return;
    TrybWstawiania = 2;
    WierszDocelowy = BiezacyWiersz;
    PokazWstawianie();
}

void TArkuszPrzegrody::Button2Click() {
    UsunWarstwe(false);
}
void TArkuszPrzegrody::Usuwarstw1Click() {
    UsunWarstwe(true);
}

void TArkuszPrzegrody::UsunWarstwe(bool biezacyWiersz) {
    if (model_.LiczbaWarstw <= 0) {
        dialogi_.Komunikat(this, QStringLiteral("Nie wprowadzono warstw."), QStringLiteral("Murolab -Uwaga!"),
                           TIkona::Informacja, TPrzyciski::Ok);
        return;
    }
    if (dialogi_.Komunikat(this, QStringLiteral("Usunąc warstwę ?"), QStringLiteral("Murolab -Potwierdź"),
                           TIkona::Pytanie, TPrzyciski::TakNie) != TOdpowiedz::Tak)
        return;
    siatka_->ZatwierdzEdytor();
    const int r =
        biezacyWiersz ? std::clamp(BiezacyWiersz, 0, model_.LiczbaWarstw - 1) : model_.LiczbaWarstw - 1;
    PrzesunWierszeWGore(r);
    ZmniejszSiatke();
    PrzeniesPoprawke([r](int k) { return NumerPoUsunieciu(k, r); });
}

void TArkuszPrzegrody::PrzeniesPoprawke(const std::function<int(int)>& nowyNumer) {
    const std::optional<TLacznik2017> lacznik = model_.WarunkiPracy.Lacznik2017;
    PrzeniesDaneNiejednorodne(model_, nowyNumer);
    OdswiezOznaczenia();
    if (lacznik != model_.WarunkiPracy.Lacznik2017) {
        emit Zmieniono();
        if (mostki_)
            mostki_->PrzywrocZModelu();
        if (!model_.WarunkiPracy.Lacznik2017)
            dialogi_.Komunikat(
                this,
                QStringLiteral("Usunięto warstwę nr %1, przez którą przechodzą łączniki mechaniczne. "
                               "Poprawkę z uwagi na łączniki wyłączono – w razie potrzeby wprowadź ją "
                               "ponownie (Mostki cieplne).")
                    .arg(lacznik->Warstwa),
                QStringLiteral("Murolab -Uwaga!"), TIkona::Informacja, TPrzyciski::Ok);
    }
    const int nr = model_.WarunkiPracy.NrNieszczelnosci;
    if (nr <= 0)
        return;
    const std::optional<int> przeniesiona = murolab::PrzeniesPoprawke(model_.WarunkiPracy, nowyNumer(nr));
    if (!przeniesiona)
        return;
    const int stary = *przeniesiona;
    const int nowy = model_.WarunkiPracy.NrNieszczelnosci;
    emit Zmieniono();
    if (mostki_)
        mostki_->PrzywrocZModelu();
    if (nowy <= 0)
        dialogi_.Komunikat(
            this,
            QStringLiteral("Usunięto warstwę nr %1, dla której wprowadzono poprawkę z uwagi na "
                           "nieszczelności w warstwie izolacji. Poprawkę wyłączono – w razie "
                           "potrzeby wprowadź ją ponownie (Mostki cieplne).")
                .arg(stary),
            QStringLiteral("Murolab -Uwaga!"), TIkona::Informacja, TPrzyciski::Ok);
}

void TArkuszPrzegrody::PrzesunWierszeWGore(int wiersz) {
    const int ostatni = model_.LiczbaWarstw - 1;
    for (int r = wiersz; r < ostatni; ++r)
        for (int k = 1; k < kLiczbaKolumn; ++k)
            UstawKomorke(r, k, Komorka(r + 1, k));
    for (int k = 1; k < kLiczbaKolumn; ++k)
        UstawKomorke(ostatni, k, QString());
}

void TArkuszPrzegrody::ZmniejszSiatke() {
    if (model_.LiczbaWarstw == 1) {
        UstawKomorke(0, 0, QString());
        siatka_->setRowCount(1);
        UstawWysokosc(siatka_, kWysokoscWiersza);
        model_.LiczbaWarstw = 0;
        siatka_->setEnabled(false);
    } else {
        --model_.LiczbaWarstw;
        siatka_->setRowCount(model_.LiczbaWarstw);
        UstawWysokosc(siatka_, kWysokoscWiersza * model_.LiczbaWarstw);
    }
    // The current cell stays inside the grid, and the stored one follows it.
    const int ostatni = siatka_->rowCount() - 1;
    if (BiezacyWiersz > ostatni || siatka_->currentRow() < 0)
        siatka_->setCurrentCell(std::min(BiezacyWiersz, ostatni), std::max(1, BiezacaKolumna));
    if (BiezacyWiersz > ostatni)
        StringGridPrzegrodaSelectCell(std::max(1, BiezacaKolumna), ostatni);
}

// ---- what the layer insertion dialog does

void TArkuszPrzegrody::DodajWiersz() {
    if (model_.LiczbaWarstw >= kLimitWarstw)
        return;
    const int n = ++model_.LiczbaWarstw;
    siatka_->setVisible(true);
    siatka_->setEnabled(true);
    UstawWysokosc(siatka_, kWysokoscWiersza * n);
    siatka_->setRowCount(n);
    UstawKomorke(n - 1, 0, Numer(n - 1));
    wolnyWiersz_ = n - 1;
}

void TArkuszPrzegrody::PrzesunWierszeWDol(int liczba, int wiersz) {
    // Layers from the target row down move one place; the last row's layer, if any, is overwritten.
    PrzeniesPoprawke([liczba, wiersz](int k) { return NumerPoWstawieniu(k, liczba, wiersz); });
    wolnyWiersz_ = wiersz;
    for (int r = std::min(liczba, siatka_->rowCount()) - 1; r > wiersz; --r)
        for (int k = 1; k < kLiczbaKolumn; ++k)
            UstawKomorke(r, k, Komorka(r - 1, k));
}

void TArkuszPrzegrody::WpiszWiersz(int wiersz, const QString& nazwa, const QString& lambda, const QString& mi,
                                   const QString& grubosc, const QString& gestosc, const QString& cieplo) {
    // A row that was not made free for it holds a layer, which the new one replaces (the full grid).
    if (wiersz != wolnyWiersz_ && wiersz < model_.LiczbaWarstw)
        PrzeniesPoprawke([wiersz](int k) { return NumerPoZamianie(k, wiersz); });
    wolnyWiersz_ = -1;
    UstawKomorke(wiersz, 1, nazwa);
    UstawKomorke(wiersz, 2, lambda);
    UstawKomorke(wiersz, 3, mi);
    UstawKomorke(wiersz, 4, grubosc);
    UstawKomorke(wiersz, kKolumnaGestosci, gestosc);
    UstawKomorke(wiersz, kKolumnaCiepla, cieplo);
    OdswiezOznaczenia();
    emit PokazMnie();
}

void TArkuszPrzegrody::PokazLinieWarunkow() {
    const TLinieWarunkow l = LinieWarunkow(model_.WarunkiPracy);
    auto wartosc = [](const std::string& tekst) {
        return QStringLiteral(" = %1").arg(QString::fromStdString(tekst));
    };
    ti_->setText(ZIndeksem(QStringLiteral("t"), QStringLiteral("i"), wartosc(l.TempWew)));
    fi_->setText(ZIndeksem(QStringLiteral("Φ"), QStringLiteral("i"), wartosc(l.WilgotWewn)));
    te_->setText(ZIndeksem(QStringLiteral("t"), QStringLiteral("e"), wartosc(l.TempZewn)));
    fe_->setText(ZIndeksem(QStringLiteral("Φ"), QStringLiteral("e"), wartosc(l.WilgotZewn)));
}

void TArkuszPrzegrody::PokazWarstwy(const TZawartoscProjektu& zawartosc) {
    auto tekst = [](const std::string& t) { return QString::fromStdString(t); };
    UstawLiczbeWierszy(model_.LiczbaWarstw);
    for (int k = 1; k <= model_.LiczbaWarstw; ++k) {
        const TWarstwa& warstwa = zawartosc.Warstwy[k];
        const int wiersz = k - 1;
        UstawKomorke(wiersz, 0, Numer(wiersz));
        UstawKomorke(wiersz, kKolumnaNazwy, tekst(warstwa.Nazwa.Utf8()));
        UstawKomorke(wiersz, kKolumnaLambdy, tekst(Ogolny(warstwa.Lambda)));
        UstawKomorke(wiersz, kKolumnaMi, tekst(Ogolny(warstwa.Mi)));
        UstawKomorke(wiersz, kKolumnaGrubosci, tekst(Ogolny(warstwa.Grubosc)));
        UstawKomorke(wiersz, kKolumnaGestosci, warstwa.Gestosc ? tekst(Ogolny(*warstwa.Gestosc)) : QString());
        UstawKomorke(wiersz, kKolumnaCiepla, warstwa.Cieplo ? tekst(Ogolny(*warstwa.Cieplo)) : QString());
        if (warstwa.Powietrze)
            UstawKomorke(wiersz, kKolumnaLambdy, LambdaZastepcza(warstwa.Lambda));
    }
    OdswiezOznaczenia();
}

bool TArkuszPrzegrody::SprawdzWarstwy() {
    if (model_.LiczbaWarstw <= 0) {
        dialogi_.Komunikat(this, Q(komunikaty::BrakWarstw), Q(komunikaty::Uwaga), TIkona::Stop,
                           TPrzyciski::Ok);
        return false;
    }
    // The offending cell is made current before the message, so the user sees which layer it is.
    int wiersz = 0;
    int kolumna = kKolumnaLambdy;
    try {
        for (; wiersz < LiczbaWierszyWarstw(model_); ++wiersz) {
            kolumna = kKolumnaLambdy;
            const double lambda = NaLiczbe(Komorka(wiersz, kKolumnaLambdy).toStdString());
            TBlad blad = BladWarstwy(lambda, kMiWGranicach, kGruboscWGranicach);
            if (!blad) {
                kolumna = kKolumnaMi;
                const double mi = NaLiczbe(Komorka(wiersz, kKolumnaMi).toStdString());
                blad = BladWarstwy(lambda, mi, kGruboscWGranicach);
                if (!blad) {
                    kolumna = kKolumnaGrubosci;
                    blad = BladWarstwy(lambda, mi, NaLiczbe(Komorka(wiersz, kKolumnaGrubosci).toStdString()));
                }
            }
            // Density and specific heat are not needed here; one that is given must lie within the
            // physical bounds that a project file is held to.
            const std::tuple<int, const char*, const char*> opcjonalne[] = {
                {kKolumnaGestosci, "Gestosc", "Podana wartość gęstości warstwy nr %1 jest niepoprawna."},
                {kKolumnaCiepla, "Cieplo",
                 "Podana wartość ciepła właściwego warstwy nr %1 jest niepoprawna."}};
            for (const auto& [kolumna, pole, komunikat] : opcjonalne) {
                if (blad)
                    break;
                const QString t = Komorka(wiersz, kolumna);
                if (t.isEmpty())
                    continue;
                const double v = NaLiczbe(t.toStdString());
                if (!WZakresie(PoleWarstwyRozszerzenia(pole).Dopuszczalne, v))
                    blad = Q(komunikat).arg(wiersz + 1).toStdString();
            }
            if (blad) {
                ZaznaczKomorke(wiersz, kolumna);
                dialogi_.Komunikat(this, QString::fromStdString(*blad), Q(komunikaty::Uwaga), TIkona::Stop,
                                   TPrzyciski::Ok);
                return false;
            }
        }
    } catch (const BladKonwersji& e) {
        // A cell that is no number fails like a limit, with the parser's own message; the check is
        // also run by saving and closing, which must see a plain "no".
        ZaznaczKomorke(wiersz, kolumna);
        dialogi_.Blad(this, QString::fromUtf8(e.what()));
        return false;
    }
    return true;
}

void TArkuszPrzegrody::ZaznaczKomorke(int wiersz, int kolumna) {
    emit PokazMnie();
    siatka_->setCurrentCell(wiersz, kolumna);
    // With the focus the grid shows its editor in that cell, the grid's way of marking it.
    siatka_->setFocus(Qt::OtherFocusReason);
}

void TArkuszPrzegrody::PobierzWarstwy() {
    for (int wiersz = 0; wiersz < LiczbaWierszyWarstw(model_); ++wiersz) {
        double lambda = 0;
        double mi = 0;
        double grubosc = 0;
        if (!ProbujNaLiczbe(Komorka(wiersz, kKolumnaLambdy).toStdString(), lambda) ||
            !ProbujNaLiczbe(Komorka(wiersz, kKolumnaMi).toStdString(), mi) ||
            !ProbujNaLiczbe(Komorka(wiersz, kKolumnaGrubosci).toStdString(), grubosc)) {
            // The rows before this one are copied; this one and those after it keep what they held.
            dialogi_.Komunikat(this, Q(komunikaty::BledneDane), Q(komunikaty::Murolab), TIkona::Wykrzyknik,
                               TPrzyciski::Ok);
            return;
        }
        std::optional<double> gestosc;
        std::optional<double> cieplo;
        if (!ProbujOpcjonalna(Komorka(wiersz, kKolumnaGestosci), gestosc) ||
            !ProbujOpcjonalna(Komorka(wiersz, kKolumnaCiepla), cieplo)) {
            dialogi_.Komunikat(this, Q(komunikaty::BledneDane), Q(komunikaty::Murolab), TIkona::Wykrzyknik,
                               TPrzyciski::Ok);
            return;
        }
        TWarstwa& warstwa = model_.Warstwy[wiersz + 1];
        warstwa.Nazwa.UstawUtf8(Komorka(wiersz, kKolumnaNazwy).toStdString());
        warstwa.Lambda = lambda;
        warstwa.Mi = mi;
        warstwa.Grubosc = grubosc;
        warstwa.Gestosc = gestosc;
        warstwa.Cieplo = cieplo;
        // The cell shows the equivalent lambda rounded; the model keeps it exact.
        UzgodnijWarstwePowietrza(warstwa);
    }
}

void TArkuszPrzegrody::Dobierzgrubosc1Click() {
    if (!SprawdzWarstwy())
        return;
    if (SprawdzWarunkiModelu(model_) == TStanWarunkow::Brak) {
        dialogi_.Komunikat(this, QString::fromUtf8(komunikaty::BrakWarunkow),
                           QString::fromUtf8(komunikaty::Uwaga), TIkona::Stop, TPrzyciski::Ok);
        return;
    }
    const int wiersz = std::clamp(BiezacyWiersz, 0, model_.LiczbaWarstw - 1);
    const int warstwa = wiersz + 1;
    if (model_.Warstwy[warstwa].Powietrze) {
        dialogi_.Komunikat(
            this,
            QStringLiteral("Warstwa %1 jest warstwą powietrza: jej grubość zmienia się w oknie "
                           "„Warstwa powietrza” (menu podręczne siatki).")
                .arg(warstwa),
            QStringLiteral("Murolab"), TIkona::Informacja, TPrzyciski::Ok);
        return;
    }
    // The calculation on a copy of the grid's layers; the model takes them as a calculation does.
    PobierzWarstwy();
    if (!kondensacja_)
        return;
    const TWierszWT& wt = kondensacja_->WierszWT();
    const std::optional<double> umax = UMaxWT(wt, model_.WarunkiPracy.TempWew);
    const QString nazwa = Komorka(wiersz, 1).trimmed();
    if (!umax) {
        dialogi_.Komunikat(this,
                           QStringLiteral("Wiersz WT 2021 „%1” nie określa Umax przy ti = %2 °C.")
                               .arg(Q(std::string(wt.Etykieta)), Q(Calkowita(model_.WarunkiPracy.TempWew))),
                           QStringLiteral("Murolab"), TIkona::Informacja, TPrzyciski::Ok);
        return;
    }
    const std::optional<TDoborGrubosci> dobor = DobierzGrubosc(model_, warstwa, *umax);
    if (!dobor) {
        dialogi_.Komunikat(
            this,
            QStringLiteral("Żadna grubość warstwy %1 (%2) do 1 m nie daje Uk ≤ Umax = %3 W/(m²·K).")
                .arg(warstwa)
                .arg(nazwa, Q(Staly(*umax, 3, 2))),
            QStringLiteral("Murolab"), TIkona::Informacja, TPrzyciski::Ok);
        return;
    }
    const QString grubosc = Q(Ogolny(dobor->Grubosc));
    const TOdpowiedz odpowiedz = dialogi_.Komunikat(
        this,
        QStringLiteral("Warstwa %1 (%2): grubość d = %3 m daje Uk = %4 W/(m²·K) ≤ Umax = %5 W/(m²·K). "
                       "Ustawić tę grubość?")
            .arg(warstwa)
            .arg(nazwa, grubosc, Q(Staly(dobor->Uk, 4, 3)), Q(Staly(*umax, 3, 2))),
        QStringLiteral("Murolab"), TIkona::Pytanie, TPrzyciski::TakNie);
    if (odpowiedz != TOdpowiedz::Tak)
        return;
    UstawKomorke(wiersz, kKolumnaGrubosci, grubosc);
    model_.Warstwy[warstwa].Grubosc = dobor->Grubosc;
    model_.Zmieniony = true;
}

// ---- air layers and bridged layers

void TArkuszPrzegrody::OdswiezOznaczenia() {
    // Notes, tooltips and flags are no edit of the project.
    const QSignalBlocker cisza(siatka_);
    for (int r = 0; r < siatka_->rowCount(); ++r) {
        const bool wUzyciu = r < LiczbaWierszyWarstw(model_);
        const TWarstwa* w = wUzyciu ? &model_.Warstwy[r + 1] : nullptr;
        QStringList notatki;
        QStringList podpowiedzi;
        if (w && w->Powietrze) {
            const TPowietrze& p = *w->Powietrze;
            if (p.Wentylacja == TWentylacja::Dobra) {
                notatki << QStringLiteral("powietrze wentylowane");
                podpowiedzi << QStringLiteral(
                    "Warstwa powietrza dobrze wentylowana: w obliczeniu U pomija się ją "
                    "i warstwy na zewnątrz od niej, Rse = Rsi.");
            } else {
                double d = w->Grubosc;
                ProbujNaLiczbe(Komorka(r, kKolumnaGrubosci).toStdString(), d);
                const QString ra = Q(Staly(OporPowietrza(d, p), 15, 2));
                notatki << QStringLiteral("powietrze, Ra = %1").arg(ra);
                podpowiedzi << QStringLiteral(
                                   "Warstwa powietrza %1: Ra = %2 m²·K/W, λ zastępcze = d/Ra, μ = 1.")
                                   .arg(p.Wentylacja == TWentylacja::Slaba
                                            ? QStringLiteral("słabo wentylowana")
                                            : QStringLiteral("niewentylowana"),
                                        ra);
            }
            podpowiedzi << QStringLiteral("Zmiana: menu podręczne „Zmień warstwę powietrza…” albo dwukrotne "
                                          "kliknięcie liczby.");
        }
        if (w && !w->Mostki.empty()) {
            QStringList materialy;
            for (const TMaterialMostka& m : w->Mostki)
                materialy << QStringLiteral("%1 %2").arg(Q(m.Nazwa), Procent(m.Udzial));
            QString mostki = QStringLiteral("mostki: ") + materialy.join(QStringLiteral(", "));
            if (w->WOsi > 0)
                mostki += QStringLiteral(" (w osi warstwy %1)").arg(w->WOsi);
            notatki << mostki;
            podpowiedzi << QStringLiteral("Warstwa z mostkami – ") + mostki +
                               QStringLiteral(". Zmiana: menu podręczne „Mostki w warstwie…”.");
        }
        UstawKomorke(r, kKolumnaNazwy, Komorka(r, kKolumnaNazwy));
        QTableWidgetItem* nazwa = siatka_->item(r, kKolumnaNazwy);
        nazwa->setData(kRolaNotatki, notatki.join(QStringLiteral("; ")));
        nazwa->setToolTip(podpowiedzi.join(QLatin1Char('\n')));
        const bool powietrze = w && w->Powietrze;
        for (int k = kKolumnaLambdy; k < kLiczbaKolumn; ++k) {
            UstawKomorke(r, k, Komorka(r, k));
            QTableWidgetItem* e = siatka_->item(r, k);
            const Qt::ItemFlags flagi = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            e->setFlags(powietrze ? flagi : flagi | Qt::ItemIsEditable);
            e->setForeground(powietrze ? QBrush(QColor(0x60, 0x60, 0x60)) : QBrush());
            e->setToolTip(powietrze ? podpowiedzi.join(QLatin1Char('\n')) : QString());
        }
    }
    siatka_->viewport()->update();
}

TModelProjektu TArkuszPrzegrody::ModelZSiatki() const {
    TModelProjektu m = model_;
    for (int r = 0; r < LiczbaWierszyWarstw(model_); ++r)
        ProbujNaLiczbe(Komorka(r, kKolumnaGrubosci).toStdString(), m.Warstwy[r + 1].Grubosc);
    return m;
}

bool TArkuszPrzegrody::WstawWarstwePowietrza(bool wstaw, int wiersz, double grubosc) {
    siatka_->ZatwierdzEdytor();
    const int n = LiczbaWierszyWarstw(model_);
    // As the insertion dialog sends a layer: a full grid does not grow, and an appended layer then
    // takes the last row.
    const int liczbaPo = n >= kLimitWarstw ? n : n + 1;
    const int docelowy = wstaw ? std::clamp(wiersz, 0, liczbaPo - 1) : liczbaPo - 1;
    const std::function<int(int)> numer = [&](int k) {
        if (wstaw)
            return NumerPoWstawieniu(k, liczbaPo, docelowy);
        return n >= kLimitWarstw ? NumerPoZamianie(k, docelowy) : k;
    };
    TPowietrze p;
    p.Kierunek = KierunekDlaRsi(model_.WarunkiPracy.Rsi);
    powietrze_->Ustaw(grubosc, p);
    powietrze_->SprawdzWPrzegrodzie = [&](double d, const TPowietrze& nowe) {
        TModelProjektu proba = ModelZSiatki();
        PrzeniesDaneNiejednorodne(proba, numer);
        // The layers move as the rows will.
        const TModelProjektu przed = proba;
        for (int j = 1; j <= n; ++j)
            if (const int nowy = numer(j); nowy >= 1 && nowy <= kLiczbaSlotow)
                proba.Warstwy[nowy].Grubosc = przed.Warstwy[j].Grubosc;
        proba.LiczbaWarstw = liczbaPo;
        proba.Warstwy[docelowy + 1] =
            WarstwaPowietrza(TFormWarstwaPowietrza::NazwaWarstwy(nowe.Wentylacja), d, nowe);
        return SprawdzNiejednorodnosc(proba);
    };
    const int wynik = dialogi_.PokazModalnie(powietrze_);
    powietrze_->SprawdzWPrzegrodzie = nullptr;
    if (wynik != QDialog::Accepted)
        return false;
    const double d = powietrze_->Grubosc();
    const TPowietrze nowe = powietrze_->Powietrze();
    const TWarstwa w = WarstwaPowietrza(TFormWarstwaPowietrza::NazwaWarstwy(nowe.Wentylacja), d, nowe);
    DodajWiersz();
    if (wstaw)
        PrzesunWierszeWDol(model_.LiczbaWarstw, docelowy);
    WpiszWiersz(docelowy, Q(w.Nazwa.Utf8()), LambdaZastepcza(w.Lambda), Q(Ogolny(w.Mi)), Q(Ogolny(d)),
                Q(Ogolny(*w.Gestosc)), Q(Ogolny(*w.Cieplo)));
    TWarstwa& cel = model_.Warstwy[docelowy + 1];
    cel.Nazwa = w.Nazwa;
    cel.Grubosc = w.Grubosc;
    cel.Lambda = w.Lambda;
    cel.Mi = w.Mi;
    cel.Gestosc = w.Gestosc;
    cel.Cieplo = w.Cieplo;
    cel.Powietrze = w.Powietrze;
    OdswiezOznaczenia();
    emit Zmieniono();
    return true;
}

void TArkuszPrzegrody::ZmienWarstwePowietrza(int wiersz) {
    siatka_->ZatwierdzEdytor();
    const int k = wiersz + 1;
    const TWarstwa& stara = model_.Warstwy[k];
    double grubosc = stara.Grubosc;
    ProbujNaLiczbe(Komorka(wiersz, kKolumnaGrubosci).toStdString(), grubosc);
    powietrze_->Ustaw(grubosc, *stara.Powietrze);
    powietrze_->SprawdzWPrzegrodzie = [this, k](double d, const TPowietrze& nowe) {
        TModelProjektu proba = ModelZSiatki();
        proba.Warstwy[k].Grubosc = d;
        proba.Warstwy[k].Powietrze = nowe;
        return SprawdzNiejednorodnosc(proba);
    };
    const int wynik = dialogi_.PokazModalnie(powietrze_);
    powietrze_->SprawdzWPrzegrodzie = nullptr;
    if (wynik != QDialog::Accepted)
        return;
    const double d = powietrze_->Grubosc();
    const TPowietrze nowe = powietrze_->Powietrze();
    // A name the program gave follows the ventilation; one the user typed stays.
    QString nazwa = Komorka(wiersz, kKolumnaNazwy);
    if (TFormWarstwaPowietrza::NazwaProgramu(nazwa))
        nazwa = TFormWarstwaPowietrza::NazwaWarstwy(nowe.Wentylacja);
    TWarstwa& w = model_.Warstwy[k];
    w.Nazwa.UstawUtf8(nazwa.toStdString());
    w.Grubosc = d;
    w.Powietrze = nowe;
    UzgodnijWarstwePowietrza(w);
    UstawKomorke(wiersz, kKolumnaNazwy, nazwa);
    UstawKomorke(wiersz, kKolumnaLambdy, LambdaZastepcza(w.Lambda));
    UstawKomorke(wiersz, kKolumnaMi, Q(Ogolny(w.Mi)));
    UstawKomorke(wiersz, kKolumnaGrubosci, Q(Ogolny(d)));
    OdswiezOznaczenia();
    emit Zmieniono();
}

void TArkuszPrzegrody::Warstwapowietrza1Click() {
    siatka_->ZatwierdzEdytor();
    const int wiersz = BiezacyWiersz;
    if (wiersz >= 0 && wiersz < model_.LiczbaWarstw && model_.Warstwy[wiersz + 1].Powietrze) {
        ZmienWarstwePowietrza(wiersz);
        return;
    }
    if (model_.LiczbaWarstw >= kLimitWarstw && !ZgodaNaZamiane())
        return;
    WstawWarstwePowietrza(true, std::clamp(wiersz, 0, std::max(model_.LiczbaWarstw, 0)), 0);
}

void TArkuszPrzegrody::Mostkiwwarstwie1Click() {
    siatka_->ZatwierdzEdytor();
    if (model_.LiczbaWarstw <= 0) {
        dialogi_.Komunikat(this, QStringLiteral("Nie wprowadzono warstw."), QStringLiteral("Murolab -Uwaga!"),
                           TIkona::Informacja, TPrzyciski::Ok);
        return;
    }
    const int wiersz = std::clamp(BiezacyWiersz, 0, LiczbaWierszyWarstw(model_) - 1);
    const int k = wiersz + 1;
    std::vector<std::pair<int, QString>> wczesniejsze;
    for (int j = 1; j < k; ++j)
        if (!model_.Warstwy[j].Mostki.empty())
            wczesniejsze.emplace_back(j, Komorka(j - 1, kKolumnaNazwy));
    const TWarstwa& w = model_.Warstwy[k];
    mostkiWarstwy_->Ustaw(k, Komorka(wiersz, kKolumnaNazwy), w.Mostki, w.WOsi, wczesniejsze);
    mostkiWarstwy_->SprawdzWPrzegrodzie = [this, k](const std::vector<TMaterialMostka>& mostki, int wOsi) {
        TModelProjektu proba = ModelZSiatki();
        proba.Warstwy[k].Mostki = mostki;
        proba.Warstwy[k].WOsi = wOsi;
        return SprawdzNiejednorodnosc(proba);
    };
    const int wynik = dialogi_.PokazModalnie(mostkiWarstwy_);
    mostkiWarstwy_->SprawdzWPrzegrodzie = nullptr;
    if (wynik != QDialog::Accepted)
        return;
    TWarstwa& cel = model_.Warstwy[k];
    cel.Mostki = mostkiWarstwy_->Mostki();
    cel.WOsi = mostkiWarstwy_->WOsi();
    if (mostkiWarstwy_->Usunieto()) {
        // Layers that lay on this one's members now lie independently of it.
        QStringList odlaczone;
        for (int j = k + 1; j <= LiczbaWierszyWarstw(model_); ++j)
            if (model_.Warstwy[j].WOsi == k) {
                model_.Warstwy[j].WOsi = 0;
                odlaczone << QString::number(j);
            }
        if (!odlaczone.isEmpty())
            dialogi_.Komunikat(
                this,
                QStringLiteral("Mostki warstwy %1 usunięto. Mostki warstw %2 leżały w jej osi; "
                               "teraz ich położenie jest niezależne.")
                    .arg(k)
                    .arg(odlaczone.join(QStringLiteral(", "))),
                QStringLiteral("Murolab"), TIkona::Informacja, TPrzyciski::Ok);
    }
    OdswiezOznaczenia();
    emit Zmieniono();
}

} // namespace murolab
