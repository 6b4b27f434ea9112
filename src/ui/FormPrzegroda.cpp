// Part of TFormPrzegroda: the frame, the menu, the sheets' pages, the help and calculator
// commands, the charts' pages and the closing questions.
#include "ui/FormPrzegroda.h"

#include "core/Liczby.h"
#include "core/Obliczenia.h"
#include "core/Sprawdzenia.h"
#include "files/PlikTablicyNasycenia.h"
#include "output/PodgladWydruku.h"
#include "output/Wykresy.h"
#include "ui/AboutBox.h"
#include "ui/ArkuszKondensacji.h"
#include "ui/FormDane.h"
#include "ui/FormMostkiTerm.h"
#include "ui/Kalkulator.h"
#include "ui/KontekstPomocy.h"
#include "ui/Okna.h"
#include "ui/Pomoc.h"
#include "widgets/Bezpiecznie.h"
#include "widgets/NumEdit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace murolab {

namespace {
const QString kTytulOkna = QStringLiteral("Murolab -program do wstępnej analizy cieplno wilgotnościowej");
const QString kPytanieZapis = QStringLiteral("Czy zapisać zmianny w pliku ..?");
constexpr int kSzerokoscOkna = 692; // the designed client width, the window's smallest

bool WOknie(const QWidget* w, const QWidget* pojemnik) {
    return w && pojemnik && (w == pojemnik || pojemnik->isAncestorOf(w));
}

const QString kKrokWarunki = QStringLiteral("Ustaw warunki pracy i naciśnij Wprowadź");
// F2 brings the layer sheet, where "&Dodaj" opens the insertion dialog (F5 is the description).
const QString kKrokWarstwy = QStringLiteral("Dodaj warstwy (F2, potem Dodaj)");
// F7 only shows the results sheet; the calculation is the button under the sheets.
const QString kKrokOblicz = QStringLiteral("Naciśnij Oblicz");
const QString kKrokAktualne = QStringLiteral("Wyniki aktualne");
const QString kKrokPrzelicz = QStringLiteral("Dane zmienione – przelicz");
const QString kZnacznikNieaktualnych = QStringLiteral("Wyniki nieaktualne – dane zmieniono po obliczeniu");

// Which side is warmer is read from the sheet's fields: the charts' and the report's captions need it.
bool CieplejWewnatrz(const TFormPrzegroda& f) {
    return NaCalkowita(f.NumEditTempWew->text().toStdString()) >
           NaCalkowita(f.NumEditTempZewn->text().toStdString());
}
} // namespace

TFormPrzegroda::TFormPrzegroda(TDialogi& dialogi, const std::filesystem::path& katalogDanych, QWidget* rodzic)
    : QMainWindow(rodzic), Dialogi(dialogi), KatalogDanych(katalogDanych) {
    setWindowTitle(kTytulOkna);
    // A sizeable window: the designed 692 x 454 client area is its smallest size, and the sheets
    // (charts, results) grow with it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    ZbudujMenu();

    // The client area under the menu: the page control, "&Oblicz" and the status bar.
    auto* srodek = new QWidget(this);
    srodek->setMinimumSize(kSzerokoscOkna, 435);
    PageControlPrzegroda = new QTabWidget(srodek);
    PageControlPrzegroda->tabBar()->setFont(CzcionkaPikseli(font(), 13, true));
    // The captions without the runs of blanks that once placed them: the tabs pad their captions
    // themselves, and with the blanks the last tab ran past the window's edge.
    PageControlPrzegroda->tabBar()->setElideMode(Qt::ElideNone);
    PageControlPrzegroda->tabBar()->setExpanding(false);
    // Six tabs are wider than the window: the arrows of the tab bar reach the last one.
    PageControlPrzegroda->setUsesScrollButtons(true);
    TabSheetWarPracy = new QWidget;
    TabSheetPrzegroda = new QWidget;
    TabSheetObliczenia = new QWidget;
    TabSheetWykresCisnien = new QWidget;
    TabSheetWykresTemperat = new QWidget;
    PageControlPrzegroda->addTab(TabSheetWarPracy, QStringLiteral("Warunki pracy"));
    PageControlPrzegroda->addTab(TabSheetPrzegroda, QStringLiteral("Przegroda"));
    PageControlPrzegroda->addTab(TabSheetObliczenia, QStringLiteral("Obliczenia"));
    PageControlPrzegroda->addTab(TabSheetWykresCisnien, QStringLiteral("Wykres ciśnień"));
    PageControlPrzegroda->addTab(TabSheetWykresTemperat, QStringLiteral("Wykres temperatur"));
    ArkuszKondensacji = new TArkuszKondensacji(Model, Dialogi, KatalogDanych);
    TabSheetKondensacja = ArkuszKondensacji;
    PageControlPrzegroda->addTab(TabSheetKondensacja, QStringLiteral("Kondensacja i WT 2021"));
    UstawKontekstPomocy(TabSheetWykresCisnien, 13);
    UstawKontekstPomocy(TabSheetWykresTemperat, 14);

    BitBtnOblicz = new QPushButton(QStringLiteral("&Oblicz"), srodek);
    BitBtnOblicz->setFixedHeight(33);
    BitBtnOblicz->setFont(CzcionkaPikseli(font(), 16, true));
    // The page control takes what the window gives; "&Oblicz" stays under it, 5 px in from the sides.
    auto* ukladSrodka = new QVBoxLayout(srodek);
    ukladSrodka->setContentsMargins(0, 0, 0, 1);
    ukladSrodka->setSpacing(0);
    ukladSrodka->addWidget(PageControlPrzegroda, 1);
    ukladSrodka->addSpacing(3);
    auto* ukladPrzycisku = new QHBoxLayout;
    ukladPrzycisku->setContentsMargins(5, 0, 6, 0);
    ukladPrzycisku->addWidget(BitBtnOblicz);
    ukladSrodka->addLayout(ukladPrzycisku);
    connect(BitBtnOblicz, &QPushButton::clicked, this,
            [this] { Bezpiecznie([this] { BitBtnObliczClick(); }); });

    setCentralWidget(srodek);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(19);
    setStatusBar(StatusBar1);
    LabelStan = new QLabel(StatusBar1);
    LabelStan->setContentsMargins(4, 0, 4, 0);
    StatusBar1->addWidget(LabelStan, 1);

    ZbudujArkuszWarunkow();
    ZbudujSiatke();
    ZbudujArkuszWynikow();
    ZbudujWykresy();
    // "&Oblicz" closes the round of Tab through a sheet's controls, as it stands below the sheets.
    setTabOrder(ChartTemperatura, BitBtnOblicz);

    Kalkulator = new TKalkulator(Dialogi, this);

    // "Exit" and "enter" of the sheets follow the focus moving inside this window; switching to
    // another window (a message box, a dialog) is neither.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* stary, QWidget* nowy) {
        if (!stary || !nowy || stary->window() != this || nowy->window() != this)
            return;
        if (WOknie(stary, StringGridPrzegroda) && !WOknie(nowy, StringGridPrzegroda))
            Bezpiecznie([this] { StringGridPrzegrodaExit(); });
        if (!WOknie(stary, TabSheetWarPracy) && WOknie(nowy, TabSheetWarPracy))
            Bezpiecznie([this] { TabSheetWarPracyEnter(); });
    });

    // Results that no longer belong to the input are marked on each of their sheets.
    for (QWidget* arkusz : {TabSheetObliczenia, TabSheetWykresCisnien, TabSheetWykresTemperat}) {
        auto* znacznik = new QLabel(kZnacznikNieaktualnych, arkusz);
        znacznik->setStyleSheet(QStringLiteral(
            "QLabel { background: #fff3b0; color: #b00000; border: 1px solid #b00000; padding: 1px 6px; }"));
        znacznik->setFont(CzcionkaPikseli(font(), 12, true));
        znacznik->setToolTip(QStringLiteral("Naciśnij Oblicz, aby przeliczyć przegrodę"));
        znacznik->hide();
        ZnacznikiNieaktualnych << znacznik;
    }

    // A sheet has its final size only once it is in front: the mark is placed again then.
    connect(PageControlPrzegroda, &QTabWidget::currentChanged, this, [this] { OdswiezStan(); });

    resize(minimumSizeHint().expandedTo(QSize(kSzerokoscOkna, 0)));
    PokazArkusz(0);
    BitBtnOblicz->setFocus(Qt::OtherFocusReason);
    Bezpiecznie([this] { FormCreate(); });
    // Building the sheets is not an edit.
    Model.Zmieniony = false;
    OdswiezStan();
}

TFormPrzegroda::~TFormPrzegroda() {
    // The forms keep a reference to Model, a member of this window: they go before it does.
    const QList<QDialog*> formy = findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
    for (QDialog* f : formy)
        delete f;
}

void TFormPrzegroda::ZbudujMenu() {
    auto polacz = [this](QAction* a, void (TFormPrzegroda::*obsluga)()) {
        connect(a, &QAction::triggered, this,
                [this, obsluga] { Bezpiecznie([this, obsluga] { (this->*obsluga)(); }); });
    };
    auto pozycja = [this](QMenu* menu, const QString& tekst, const QKeySequence& skrot = {}) {
        QAction* a = menu->addAction(tekst);
        a->setShortcut(skrot);
        return a;
    };

    QMenu* plik = menuBar()->addMenu(QStringLiteral("&Plik"));
    Nowy1 = pozycja(plik, QStringLiteral("&Nowy"), QKeySequence(Qt::CTRL | Qt::Key_N));
    Otwrz1 = pozycja(plik, QStringLiteral("Otwórz.."), QKeySequence(Qt::CTRL | Qt::Key_O));
    plik->addSeparator();
    Zapisz1 = pozycja(plik, QStringLiteral("Zapisz"), QKeySequence(Qt::CTRL | Qt::Key_S));
    plik->addSeparator();
    Podgldwydruku1 = pozycja(plik, QStringLiteral("Raport"));
    plik->addSeparator();
    Wyjcie1 = pozycja(plik, QStringLiteral("&Wyjście"));
    Wyjcie1->setIcon(QIcon::fromTheme(QStringLiteral("application-exit"),
                                      style()->standardIcon(QStyle::SP_DialogCloseButton)));

    QMenu* edycja = menuBar()->addMenu(QStringLiteral("Edycja"));
    Edycjaprzegrody1 = pozycja(edycja, QStringLiteral("&Przegroda"), QKeySequence(Qt::Key_F2));
    Warunkipracy1 = pozycja(edycja, QStringLiteral("&Warunki pracy"), QKeySequence(Qt::Key_F3));
    Mostkicieplne1 = pozycja(edycja, QStringLiteral("&Mostki cieplne"), QKeySequence(Qt::Key_F4));
    edycja->addSeparator();
    Projektdane1 = pozycja(edycja, QStringLiteral("Dane projektanta"), QKeySequence(Qt::Key_F5));

    QMenu* obliczenia = menuBar()->addMenu(QStringLiteral("Obliczenia"));
    Obliczenia2 = pozycja(obliczenia, QStringLiteral("Obliczenia"), QKeySequence(Qt::Key_F7));
    Wykresci1 = pozycja(obliczenia, QStringLiteral("Wykres ciśnień"), QKeySequence(Qt::Key_F8));
    Wykrestemperatur1 = pozycja(obliczenia, QStringLiteral("Wykres temperatur"), QKeySequence(Qt::Key_F9));
    Kondensacja1 = pozycja(obliczenia, QStringLiteral("Kondensacja i WT 2021"), QKeySequence(Qt::Key_F10));
    connect(Kondensacja1, &QAction::triggered, this, [this] { PokazArkusz(5); });

    QMenu* pomoc = menuBar()->addMenu(QStringLiteral("P&omoc"));
    Pomoc1 = pozycja(pomoc, QStringLiteral("Pomoc"));
    pomoc->addSeparator();
    Oprogramie2 = pozycja(pomoc, QStringLiteral("O programie"));

    polacz(Nowy1, &TFormPrzegroda::Nowy1Click);
    polacz(Otwrz1, &TFormPrzegroda::Otwrz1Click);
    polacz(Zapisz1, &TFormPrzegroda::Zapisz1Click);
    polacz(Podgldwydruku1, &TFormPrzegroda::Podgldwydruku1Click);
    polacz(Wyjcie1, &TFormPrzegroda::Wyjcie1Click);
    polacz(Edycjaprzegrody1, &TFormPrzegroda::Edycjaprzegrody1Click);
    polacz(Warunkipracy1, &TFormPrzegroda::Warunkipracy1Click);
    polacz(Mostkicieplne1, &TFormPrzegroda::Button3Click);
    polacz(Projektdane1, &TFormPrzegroda::Projektdane1Click);
    polacz(Obliczenia2, &TFormPrzegroda::Obliczenia2Click);
    polacz(Wykresci1, &TFormPrzegroda::Wykresci1Click);
    polacz(Wykrestemperatur1, &TFormPrzegroda::Wykrestemperatur1Click);
    polacz(Pomoc1, &TFormPrzegroda::Pomoc1Click);
    polacz(Oprogramie2, &TFormPrzegroda::Oprogramie2Click);
}

void TFormPrzegroda::UstawFormy(TFormWstawWarstwe* wstaw, TFormMostkiTerm* mostki, TFormDane* dane,
                                TPodgladWydruku* raport, TAboutBox* about) {
    FormWstawWarstwe = wstaw;
    FormMostkiTerm = mostki;
    FormDane = dane;
    PodgladWydruku = raport;
    AboutBox = about;
}

void TFormPrzegroda::UstawPomoc(TPomoc* pomoc) {
    Pomoc = pomoc;
}

void TFormPrzegroda::Bezpiecznie(const std::function<void()>& f) {
    murolab::Bezpiecznie(Dialogi, this, f);
}

void TFormPrzegroda::FormCreate() {
    if (const auto blad =
            WczytajTabliceNasycenia((KatalogDanych / "ula.dat").string(), Model.TablicaNasycenia)) {
        BladTablicyNasycenia = QString::fromStdString(*blad) +
                               QStringLiteral("\n\nObliczenia nie są możliwe, dopóki program nie zostanie "
                                              "uruchomiony ponownie z poprawnym plikiem ula.dat.");
        Dialogi.Blad(this, BladTablicyNasycenia);
    }
    // The grid starts with no layers: one empty row, disabled.
    WyczyscSiatke();
}

void TFormPrzegroda::FormActivate() {
    StringGridPrzegroda->setVisible(true);
}

void TFormPrzegroda::changeEvent(QEvent* zdarzenie) {
    QMainWindow::changeEvent(zdarzenie);
    if (zdarzenie->type() == QEvent::ActivationChange && isActiveWindow())
        Bezpiecznie([this] { FormActivate(); });
}

void TFormPrzegroda::PokazArkusz(int k) {
    PageControlPrzegroda->setCurrentIndex(k);
}

void TFormPrzegroda::BitBtnObliczClick() {
    Oblicz();
}
// Nowy1Click, Otwrz1Click and Zapisz1Click live with the project commands (Projekt.cpp).

void TFormPrzegroda::Podgldwydruku1Click() {
    if (!PodgladWydruku)
        return;
    if (wynikiNieaktualne_)
        Dialogi.Komunikat(this,
                          QStringLiteral("Dane zmieniono po ostatnim obliczeniu: raport pokazuje wyniki "
                                         "poprzednich danych. Naciśnij Oblicz, aby go odświeżyć."),
                          QStringLiteral("Murolab -Uwaga!"), TIkona::Wykrzyknik, TPrzyciski::Ok);
    PodgladWydruku->PokazRaport(this, CieplejWewnatrz(*this));
}

void TFormPrzegroda::Edycjaprzegrody1Click() {
    PokazArkusz(1);
}
// F3: the working-conditions sheet, as the item's name promises.
void TFormPrzegroda::Warunkipracy1Click() {
    PokazArkusz(0);
}

void TFormPrzegroda::Button3Click() {
    if (!FormMostkiTerm)
        return;
    const TRekordProjektu przed = KodujRekord(Model);
    Dialogi.PokazModalnie(FormMostkiTerm);
    if (KodujRekord(Model) != przed)
        ZaznaczZmiane();
}

void TFormPrzegroda::Projektdane1Click() {
    if (!FormDane)
        return;
    const bool zmienionyPrzed = Model.Zmieniony;
    Model.Zmieniony = false;
    Dialogi.PokazModalnie(FormDane);
    // The dialog says whether the description changed; the report's header shows it.
    if (Model.Zmieniony)
        ZaznaczZmiane();
    Model.Zmieniony = Model.Zmieniony || zmienionyPrzed;
    OdswiezStan();
}

void TFormPrzegroda::Obliczenia2Click() {
    PokazArkusz(2);
}
void TFormPrzegroda::Wykresci1Click() {
    PokazArkusz(3);
}
void TFormPrzegroda::Wykrestemperatur1Click() {
    PokazArkusz(4);
}

void TFormPrzegroda::Pomoc1Click() {
    if (Pomoc)
        Pomoc->PokazSpis();
}

void TFormPrzegroda::Oprogramie2Click() {
    if (AboutBox)
        Dialogi.PokazModalnie(AboutBox);
}

void TFormPrzegroda::Button5Click() {
    Kalkulator->Uruchom();
}

// ---- closing, and what changed

void TFormPrzegroda::ZaznaczZmiane() {
    Model.Zmieniony = true;
    if (saWyniki_)
        wynikiNieaktualne_ = true;
    OdswiezStan();
}

bool TFormPrzegroda::ZapytajOZapis() {
    if (!Model.Zmieniony)
        return true;
    switch (Dialogi.Komunikat(this, kPytanieZapis, QStringLiteral("Murolab"), TIkona::Pytanie,
                              TPrzyciski::TakNieAnuluj)) {
    case TOdpowiedz::Nie:
        return true;
    case TOdpowiedz::Tak:
        // A project that cannot be saved (a check fails, the dialog is cancelled, the write fails)
        // stays on screen: the user sees why and decides again.
        return SprawdzWarstwy() && SprawdzWarunki() && ZapiszProjekt();
    case TOdpowiedz::Anuluj:
    case TOdpowiedz::Ok:
        break;
    }
    return false;
}

QString TFormPrzegroda::NastepnyKrok() const {
    if (SprawdzWarunkiModelu(Model) == TStanWarunkow::Brak)
        return kKrokWarunki;
    if (Model.LiczbaWarstw <= 0)
        return kKrokWarstwy;
    if (!saWyniki_)
        return kKrokOblicz;
    return wynikiNieaktualne_ ? kKrokPrzelicz : kKrokAktualne;
}

void TFormPrzegroda::OdswiezStan() {
    if (!LabelStan)
        return;
    LabelStan->setText(NastepnyKrok());
    QFont f = LabelStan->font();
    f.setBold(wynikiNieaktualne_);
    LabelStan->setFont(f);
    LabelStan->setStyleSheet(wynikiNieaktualne_ ? QStringLiteral("color: #b00000;") : QString());
    for (QLabel* znacznik : std::as_const(ZnacznikiNieaktualnych)) {
        znacznik->setVisible(wynikiNieaktualne_);
        if (!wynikiNieaktualne_)
            continue;
        // Bottom left of its sheet: free on the results sheet and beside the charts' axis title.
        znacznik->adjustSize();
        const QWidget* arkusz = znacznik->parentWidget();
        znacznik->move(4, std::max(0, arkusz->height() - znacznik->height() - 4));
        znacznik->raise();
    }
    for (int k = 2; k <= 4; ++k)
        PageControlPrzegroda->tabBar()->setTabTextColor(k,
                                                        wynikiNieaktualne_ ? QColor(0xb0, 0, 0) : QColor());
}

void TFormPrzegroda::Wyjcie1Click() {
    // Closing the window asks what is to be asked, once.
    close();
}

bool TFormPrzegroda::FormCloseQuery() {
    if (zamkniety_)
        return true;
    if (!ZapytajOZapis())
        return false;
    zamkniety_ = true;
    return true;
}

void TFormPrzegroda::closeEvent(QCloseEvent* zdarzenie) {
    // A failure inside the question keeps the window open: nothing is lost by staying.
    bool zamknij = false;
    Bezpiecznie([this, &zamknij] { zamknij = FormCloseQuery(); });
    if (!zamknij) {
        zdarzenie->ignore();
        return;
    }
    if (Pomoc)
        Pomoc->close();
    zdarzenie->accept();
}

// ---- sheets 3 and 4

void TFormPrzegroda::ZbudujWykresy() {
    auto strona = [](QWidget* arkusz, QWidget* wykres) {
        auto* uklad = new QVBoxLayout(arkusz);
        uklad->setContentsMargins(0, 0, 0, 0);
        uklad->addWidget(wykres);
    };
    ChartCisnienie = new TWykresCisnien(TabSheetWykresCisnien);
    ChartTemperatura = new TWykresTemperatur(TabSheetWykresTemperat);
    const QString tlo = QString::fromStdString((KatalogDanych / "tlo.bmp").string());
    ChartCisnienie->WczytajTlo(tlo);
    ChartTemperatura->WczytajTlo(tlo);
    strona(TabSheetWykresCisnien, ChartCisnienie);
    strona(TabSheetWykresTemperat, ChartTemperatura);
    UstawKontekstPomocy(ChartCisnienie, 13);
    UstawKontekstPomocy(ChartTemperatura, 14);
    // A chart sheet brought to the front takes the focus for its chart (the tabs do not take it
    // on a click), so that F1 opens the sheet's topic wherever the user came from.
    for (TWykres* wykres : std::initializer_list<TWykres*>{ChartCisnienie, ChartTemperatura})
        wykres->setFocusPolicy(Qt::StrongFocus);
    connect(PageControlPrzegroda, &QTabWidget::currentChanged, this, [this](int indeks) {
        QWidget* arkusz = PageControlPrzegroda->widget(indeks);
        if (arkusz != TabSheetWykresCisnien && arkusz != TabSheetWykresTemperat)
            return;
        QWidget* fokus = QApplication::focusWidget();
        if (fokus && fokus->window() == this && fokus != PageControlPrzegroda->tabBar() &&
            !arkusz->isAncestorOf(fokus))
            (arkusz == TabSheetWykresCisnien ? static_cast<QWidget*>(ChartCisnienie) : ChartTemperatura)
                ->setFocus(Qt::OtherFocusReason);
    });
}

void TFormPrzegroda::WyczyscWykresy() {
    WyczyscWykres(*ChartCisnienie);
    WyczyscWykres(*ChartTemperatura);
}

void TFormPrzegroda::RysujWykresy() {
    const bool cieplejWewnatrz = CieplejWewnatrz(*this);
    const auto& analiza = ArkuszKondensacji->Analiza();
    RysujWykresCisnien(*ChartCisnienie, Model, cieplejWewnatrz, analiza ? &analiza->Projektowe : nullptr);
    RysujWykresTemperatur(*ChartTemperatura, Model, cieplejWewnatrz);
}

bool TFormPrzegroda::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (FiltrArkuszaWarunkow(obiekt, zdarzenie) || FiltrSiatki(obiekt, zdarzenie))
        return true;
    return QMainWindow::eventFilter(obiekt, zdarzenie);
}

} // namespace murolab
