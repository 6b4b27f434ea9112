// The main window: the frame, the menu, the sheets' pages, the help and calculator commands and the
// closing questions (see FormPrzegroda.h).
#include "ui/FormPrzegroda.h"

#include "core/Liczby.h"
#include "core/Obliczenia.h"
#include "core/Sprawdzenia.h"
#include "files/PlikTablicyNasycenia.h"
#include "output/PodgladWydruku.h"
#include "output/Przekroje.h"
#include "ui/AboutBox.h"
#include "ui/ArkuszKondensacji.h"
#include "ui/ArkuszObliczen.h"
#include "ui/ArkuszPrzegrody.h"
#include "ui/ArkuszWarunkow.h"
#include "ui/ArkuszWykresu.h"
#include "ui/FormDane.h"
#include "ui/FormMostkiTerm.h"
#include "ui/FormZestawienie.h"
#include "ui/Kalkulator.h"
#include "ui/KontekstPomocy.h"
#include "ui/Pomoc.h"
#include "ui/WyborPrzekroju.h"
#include "widgets/Bezpiecznie.h"
#include "widgets/Okna.h"
#include "widgets/Tytul.h"

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

#include <algorithm>

namespace murolab {

namespace {
constexpr int kKontekstWynikow = 8;
const QString kPytanieZapis = QStringLiteral("Czy zapisać zmianny w pliku ..?");
constexpr int kSzerokoscOkna = 692;  // the designed client width, the window's smallest
constexpr int kMarginesZakladek = 6; // room beside the last tab, so that no arrow is needed

const QString kKrokWarunki = QStringLiteral("Ustaw warunki pracy i naciśnij Wprowadź");
// F2 brings the layer sheet, where "&Dodaj" opens the insertion dialog (F5 is the description).
const QString kKrokWarstwy = QStringLiteral("Dodaj warstwy (F2, potem Dodaj)");
// F7 only shows the results sheet; the calculation is the button under the sheets.
const QString kKrokOblicz = QStringLiteral("Naciśnij Oblicz");
const QString kKrokAktualne = QStringLiteral("Wyniki aktualne");
const QString kKrokPrzelicz = QStringLiteral("Dane zmienione – przelicz");
const QString kZnacznikNieaktualnych = QStringLiteral("Wyniki nieaktualne – dane zmieniono po obliczeniu");

} // namespace

TFormPrzegroda::TFormPrzegroda(TDialogi& dialogi, const std::filesystem::path& katalogDanych, QWidget* rodzic)
    : QMainWindow(rodzic), Dialogi(dialogi), KatalogDanych(katalogDanych) {
    setWindowTitle(TytulProgramu());
    // A sizeable window: the designed 692 x 454 client area is its smallest size, and the sheets
    // (charts, results) grow with it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    ZbudujMenu();

    // The client area under the menu: the page control, "&Oblicz" and the status bar.
    auto* srodek = new QWidget(this);
    srodek->setMinimumSize(kSzerokoscOkna, 435);
    arkusze_ = new QTabWidget(srodek);
    arkusze_->setObjectName(QStringLiteral("PageControlPrzegroda"));
    arkusze_->tabBar()->setFont(CzcionkaPikseli(font(), 13, true));
    // The captions without the runs of blanks that once placed them: the tabs pad their captions
    // themselves, and with the blanks the last tab ran past the window's edge.
    arkusze_->tabBar()->setElideMode(Qt::ElideNone);
    arkusze_->tabBar()->setExpanding(false);
    // The window opens wide enough for all six tabs; made narrower than that by the user, the tab
    // bar's arrows reach the last ones.
    arkusze_->setUsesScrollButtons(true);
    ZbudujArkusze();

    oblicz_ = new QPushButton(QStringLiteral("&Oblicz"), srodek);
    oblicz_->setObjectName(QStringLiteral("BitBtnOblicz"));
    oblicz_->setFixedHeight(33);
    oblicz_->setFont(CzcionkaPikseli(font(), 16, true));
    // The page control takes what the window gives; "&Oblicz" stays under it, 5 px in from the sides.
    auto* ukladSrodka = new QVBoxLayout(srodek);
    ukladSrodka->setContentsMargins(0, 0, 0, 1);
    ukladSrodka->setSpacing(0);
    ukladSrodka->addWidget(arkusze_, 1);
    ukladSrodka->addSpacing(3);
    auto* ukladPrzycisku = new QHBoxLayout;
    ukladPrzycisku->setContentsMargins(5, 0, 6, 0);
    ukladPrzycisku->addWidget(oblicz_);
    ukladSrodka->addLayout(ukladPrzycisku);
    PolaczBezpiecznie(Dialogi, this, oblicz_, &QPushButton::clicked, [this] { BitBtnObliczClick(); });

    setCentralWidget(srodek);
    auto* pasek = new QStatusBar(this);
    pasek->setObjectName(QStringLiteral("StatusBar1"));
    pasek->setSizeGripEnabled(false);
    pasek->setFixedHeight(19);
    setStatusBar(pasek);
    stan_ = new QLabel(pasek);
    stan_->setObjectName(QStringLiteral("LabelStan"));
    stan_->setContentsMargins(4, 0, 4, 0);
    pasek->addWidget(stan_, 1);

    // "&Oblicz" closes the round of Tab through a sheet's controls, as it stands below the sheets.
    setTabOrder(wykresTemperatur_, oblicz_);

    Kalkulator = new TKalkulator(Dialogi, this);

    // Results that no longer belong to the input are marked on each of their sheets.
    for (QWidget* arkusz :
         std::initializer_list<QWidget*>{obliczenia_, wykresCisnien_, wykresTemperatur_, kondensacja_}) {
        auto* znacznik = new QLabel(kZnacznikNieaktualnych, arkusz);
        znacznik->setObjectName(QStringLiteral("ZnacznikNieaktualnych"));
        znacznik->setStyleSheet(QStringLiteral(
            "QLabel { background: #fff3b0; color: #b00000; border: 1px solid #b00000; padding: 1px 6px; }"));
        znacznik->setFont(CzcionkaPikseli(font(), 12, true));
        znacznik->setToolTip(QStringLiteral("Naciśnij Oblicz, aby przeliczyć przegrodę"));
        znacznik->hide();
        znacznikiNieaktualnych_ << znacznik;
    }

    // A sheet has its final size only once it is in front: the mark is placed again then.
    PolaczBezpiecznie(Dialogi, this, arkusze_, &QTabWidget::currentChanged, [this] { OdswiezStan(); });

    // The tabs' full width, not the tab bar's smallest (which counts on its arrows), and the page
    // control's frame beside them.
    const int szerokoscZakladek = arkusze_->tabBar()->sizeHint().width() + 2 * kMarginesZakladek;
    resize(minimumSizeHint().expandedTo(QSize(std::max(kSzerokoscOkna, szerokoscZakladek), 0)));
    PokazArkusz(0);
    oblicz_->setFocus(Qt::OtherFocusReason);
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
    // A menu item with its name, shortcut and handler.
    auto pozycja = [this](QMenu* menu, const QString& tekst, const char* nazwa,
                          void (TFormPrzegroda::*obsluga)(), const QKeySequence& skrot = {}) {
        QAction* a = menu->addAction(tekst);
        a->setObjectName(QLatin1String(nazwa));
        a->setShortcut(skrot);
        PolaczBezpiecznie(Dialogi, this, a, &QAction::triggered, [this, obsluga] { (this->*obsluga)(); });
        return a;
    };

    QMenu* plik = menuBar()->addMenu(QStringLiteral("&Plik"));
    pozycja(plik, QStringLiteral("&Nowy"), "Nowy1", &TFormPrzegroda::Nowy1Click,
            QKeySequence(Qt::CTRL | Qt::Key_N));
    pozycja(plik, QStringLiteral("Otwórz.."), "Otwrz1", &TFormPrzegroda::Otwrz1Click,
            QKeySequence(Qt::CTRL | Qt::Key_O));
    plik->addSeparator();
    pozycja(plik, QStringLiteral("Zapisz"), "Zapisz1", &TFormPrzegroda::Zapisz1Click,
            QKeySequence(Qt::CTRL | Qt::Key_S));
    plik->addSeparator();
    pozycja(plik, QStringLiteral("Raport"), "Podgldwydruku1", &TFormPrzegroda::Podgldwydruku1Click);
    pozycja(plik, QStringLiteral("Zestawienie przegród…"), "Zestawienieprzegrod1",
            &TFormPrzegroda::Zestawienieprzegrod1Click);
    plik->addSeparator();
    QAction* wyjscie = pozycja(plik, QStringLiteral("&Wyjście"), "Wyjcie1", &TFormPrzegroda::Wyjcie1Click);
    wyjscie->setIcon(QIcon::fromTheme(QStringLiteral("application-exit"),
                                      style()->standardIcon(QStyle::SP_DialogCloseButton)));

    QMenu* edycja = menuBar()->addMenu(QStringLiteral("Edycja"));
    pozycja(edycja, QStringLiteral("&Przegroda"), "Edycjaprzegrody1", &TFormPrzegroda::Edycjaprzegrody1Click,
            QKeySequence(Qt::Key_F2));
    pozycja(edycja, QStringLiteral("&Warunki pracy"), "Warunkipracy1", &TFormPrzegroda::Warunkipracy1Click,
            QKeySequence(Qt::Key_F3));
    pozycja(edycja, QStringLiteral("&Mostki cieplne"), "Mostkicieplne1", &TFormPrzegroda::Button3Click,
            QKeySequence(Qt::Key_F4));
    edycja->addSeparator();
    pozycja(edycja, QStringLiteral("Dane projektanta"), "Projektdane1", &TFormPrzegroda::Projektdane1Click,
            QKeySequence(Qt::Key_F5));

    QMenu* obliczenia = menuBar()->addMenu(QStringLiteral("Obliczenia"));
    pozycja(obliczenia, QStringLiteral("Obliczenia"), "Obliczenia2", &TFormPrzegroda::Obliczenia2Click,
            QKeySequence(Qt::Key_F7));
    pozycja(obliczenia, QStringLiteral("Wykres ciśnień"), "Wykresci1", &TFormPrzegroda::Wykresci1Click,
            QKeySequence(Qt::Key_F8));
    pozycja(obliczenia, QStringLiteral("Wykres temperatur"), "Wykrestemperatur1",
            &TFormPrzegroda::Wykrestemperatur1Click, QKeySequence(Qt::Key_F9));
    pozycja(obliczenia, QStringLiteral("Kondensacja i WT 2021"), "Kondensacja1",
            &TFormPrzegroda::Kondensacja1Click, QKeySequence(Qt::Key_F10));

    // "Pomo&c": Alt+O is "&Oblicz", Alt+P "&Plik" and Alt+M "&Mostki cieplne".
    QMenu* pomoc = menuBar()->addMenu(QStringLiteral("Pomo&c"));
    pozycja(pomoc, QStringLiteral("Pomoc"), "Pomoc1", &TFormPrzegroda::Pomoc1Click);
    pomoc->addSeparator();
    pozycja(pomoc, QStringLiteral("O programie"), "Oprogramie2", &TFormPrzegroda::Oprogramie2Click);
}

void TFormPrzegroda::UstawFormy(TFormWstawWarstwe* wstaw, TFormMostkiTerm* mostki, TFormDane* dane,
                                TPodgladWydruku* raport, TAboutBox* about) {
    FormWstawWarstwe = wstaw;
    FormMostkiTerm = mostki;
    przegroda_->UstawFormy(wstaw, mostki);
    if (mostki)
        mostki->UstawZrodloWarstw([this](int k) {
            // The layer as the grid holds it now (the model's table takes it only at the next
            // calculation or save); what the grid does not show (bridges, an air layer) from the model.
            // Columns: 1 name, 2 lambda, 4 d; a text that is no number gives 0, which the dialog refuses.
            TWarstwa w = Model.Warstwy[k];
            const int wiersz = k - 1;
            w.Nazwa.UstawUtf8(przegroda_->Komorka(wiersz, 1).toStdString());
            if (!ProbujNaLiczbe(przegroda_->Komorka(wiersz, 2).toStdString(), w.Lambda))
                w.Lambda = 0;
            if (!ProbujNaLiczbe(przegroda_->Komorka(wiersz, 4).toStdString(), w.Grubosc))
                w.Grubosc = 0;
            return w;
        });
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
    przegroda_->WyczyscSiatke();
}

void TFormPrzegroda::FormActivate() {
    przegroda_->PokazSiatke();
}

void TFormPrzegroda::changeEvent(QEvent* zdarzenie) {
    QMainWindow::changeEvent(zdarzenie);
    if (zdarzenie->type() == QEvent::ActivationChange && isActiveWindow())
        Bezpiecznie([this] { FormActivate(); });
}

void TFormPrzegroda::PokazArkusz(int k) {
    arkusze_->setCurrentIndex(k);
}

void TFormPrzegroda::PokazNaStarcie() {
    PokazArkusz(0);
    show();
    oblicz_->setFocus(Qt::OtherFocusReason);
}

void TFormPrzegroda::BitBtnObliczClick() {
    Oblicz();
}
// Nowy1Click, Otwrz1Click and Zapisz1Click live with the project commands (Projekt.cpp).

void TFormPrzegroda::Zestawienieprzegrod1Click() {
    if (FormZestawienie)
        Dialogi.PokazModalnie(FormZestawienie);
}

std::optional<TModelProjektu> TFormPrzegroda::ProjektNaEkranie() {
    // An empty grid is no reason to refuse: its row says "Nie wprowadzono warstw".
    if (Model.LiczbaWarstw > 0 && !przegroda_->SprawdzWarstwy())
        return std::nullopt;
    przegroda_->PobierzWarstwy();
    return Model;
}

void TFormPrzegroda::Podgldwydruku1Click() {
    if (!PodgladWydruku)
        return;
    if (wynikiNieaktualne_)
        Dialogi.Komunikat(this,
                          QStringLiteral("Dane zmieniono po ostatnim obliczeniu: raport pokazuje wyniki "
                                         "poprzednich danych. Naciśnij Oblicz, aby go odświeżyć."),
                          QStringLiteral("Murolab -Uwaga!"), TIkona::Wykrzyknik, TPrzyciski::Ok);
    PodgladWydruku->PokazRaport(this, CieplejWewnatrz());
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
    // The 2017 fastener entry lives outside the record.
    const std::optional<TLacznik2017> lacznikPrzed = Model.WarunkiPracy.Lacznik2017;
    Dialogi.PokazModalnie(FormMostkiTerm);
    if (KodujRekord(Model) != przed || Model.WarunkiPracy.Lacznik2017 != lacznikPrzed)
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
void TFormPrzegroda::Kondensacja1Click() {
    PokazArkusz(5);
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
        return przegroda_->SprawdzWarstwy() && SprawdzWarunki() && ZapiszProjekt();
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
    if (!stan_)
        return;
    stan_->setText(NastepnyKrok());
    QFont f = stan_->font();
    f.setBold(wynikiNieaktualne_);
    stan_->setFont(f);
    stan_->setStyleSheet(wynikiNieaktualne_ ? QStringLiteral("color: #b00000;") : QString());
    for (QLabel* znacznik : std::as_const(znacznikiNieaktualnych_)) {
        znacznik->setVisible(wynikiNieaktualne_);
        if (!wynikiNieaktualne_)
            continue;
        // Bottom left of its sheet: free on the results sheet and beside the charts' axis title.
        znacznik->adjustSize();
        const QWidget* arkusz = znacznik->parentWidget();
        znacznik->move(4, std::max(0, arkusz->height() - znacznik->height() - 4));
        znacznik->raise();
    }
    for (int k = 2; k <= 5; ++k)
        arkusze_->tabBar()->setTabTextColor(k, wynikiNieaktualne_ ? QColor(0xb0, 0, 0) : QColor());
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

// ---- the sheets

void TFormPrzegroda::ZbudujArkusze() {
    warunki_ = new TArkuszWarunkow(Model, Dialogi);
    przegroda_ = new TArkuszPrzegrody(Model, Dialogi);
    obliczenia_ = new TArkuszObliczen;
    const std::filesystem::path tlo = KatalogDanych / "tlo.bmp";
    wykresCisnien_ = new TArkuszWykresuCisnien(tlo);
    wykresTemperatur_ = new TArkuszWykresuTemperatur(tlo);
    kondensacja_ = new TArkuszKondensacji(Model, Dialogi, KatalogDanych);
    przegroda_->UstawArkuszKondensacji(kondensacja_);
    // F1 on the results table opens the topic of the results sheet.
    UstawKontekstPomocy(obliczenia_, kKontekstWynikow);
    arkusze_->addTab(warunki_, QStringLiteral("Warunki pracy"));
    arkusze_->addTab(przegroda_, QStringLiteral("Przegroda"));
    arkusze_->addTab(obliczenia_, QStringLiteral("Obliczenia"));
    arkusze_->addTab(wykresCisnien_, QStringLiteral("Wykres ciśnień"));
    arkusze_->addTab(wykresTemperatur_, QStringLiteral("Wykres temperatur"));
    arkusze_->addTab(kondensacja_, QStringLiteral("Kondensacja i WT 2021"));

    // "&Wprowadź": the summary lines of the layer sheet follow the model, which the sheet then shows.
    PolaczBezpiecznie(Dialogi, this, warunki_, &TArkuszWarunkow::Wprowadzono, [this](bool zmiana) {
        if (zmiana)
            ZaznaczZmiane();
        przegroda_->PokazLinieWarunkow();
        PokazArkusz(1);
    });
    PolaczBezpiecznie(Dialogi, this, przegroda_, &TArkuszPrzegrody::Zmieniono, [this] { ZaznaczZmiane(); });
    PolaczBezpiecznie(Dialogi, this, przegroda_, &TArkuszPrzegrody::PokazMnie, [this] { PokazArkusz(1); });
    PolaczBezpiecznie(Dialogi, this, kondensacja_, &TArkuszKondensacji::Zmieniono,
                      [this] { WyborAnalizyZmieniony(); });
    // One section shown on every sheet: a choice on any of them is taken by all.
    for (TWyborPrzekroju* wybor : {&obliczenia_->WyborPrzekroju(), &wykresCisnien_->WyborPrzekroju(),
                                   &wykresTemperatur_->WyborPrzekroju(), &kondensacja_->WyborPrzekroju()})
        PolaczBezpiecznie(Dialogi, this, wybor, &TWyborPrzekroju::Wybrano,
                          [this](int przekroj) { WybierzPrzekroj(przekroj); });
    PolaczBezpiecznie(Dialogi, this, przegroda_, &TArkuszPrzegrody::MostkiCieplne,
                      [this] { Button3Click(); });
    PolaczBezpiecznie(Dialogi, this, przegroda_, &TArkuszPrzegrody::Kalkulator, [this] { Button5Click(); });
    // Bringing a sheet to the front counts as entering it.
    PolaczBezpiecznie(Dialogi, this, arkusze_, &QTabWidget::currentChanged, [this](int indeks) {
        QWidget* arkusz = arkusze_->widget(indeks);
        if (arkusz == warunki_)
            warunki_->TabSheetWarPracyEnter();
        else if (auto* wykres = qobject_cast<TArkuszWykresu*>(arkusz))
            wykres->Pokazany();
    });
}

bool TFormPrzegroda::CieplejWewnatrz() const {
    return warunki_->TempWewnetrzna() > warunki_->TempZewnetrzna();
}

QString TFormPrzegroda::KlasaWilgotnosci() const {
    return warunki_->KlasaWilgotnosci();
}

void TFormPrzegroda::DodajWiersz() {
    przegroda_->DodajWiersz();
}

void TFormPrzegroda::PrzesunWierszeWDol(int liczba, int wiersz) {
    przegroda_->PrzesunWierszeWDol(liczba, wiersz);
}

void TFormPrzegroda::WpiszWiersz(int wiersz, const QString& nazwa, const QString& lambda, const QString& mi,
                                 const QString& grubosc, const QString& gestosc, const QString& cieplo) {
    przegroda_->WpiszWiersz(wiersz, nazwa, lambda, mi, grubosc, gestosc, cieplo);
}

bool TFormPrzegroda::WstawWarstwePowietrza(bool wstaw, int wiersz, double grubosc) {
    return przegroda_->WstawWarstwePowietrza(wstaw, wiersz, grubosc);
}

void TFormPrzegroda::WyczyscWykresy() {
    wykresCisnien_->Wyczysc();
    wykresTemperatur_->Wyczysc();
}

void TFormPrzegroda::RysujWykresy() {
    const bool cieplejWewnatrz = CieplejWewnatrz();
    if (!analiza_) {
        wykresCisnien_->Rysuj(Model, cieplejWewnatrz, nullptr);
        wykresTemperatur_->Rysuj(Model, cieplejWewnatrz);
        return;
    }
    // The chosen section of a bridged partition; the partition itself otherwise.
    const std::size_t k = przekroj_.value_or(DomyslnyPrzekroj(*analiza_));
    const TModelProjektu& model = ModelPrzekrojuWidoku(Model, *analiza_, k);
    wykresCisnien_->Rysuj(model, cieplejWewnatrz, &WilgocPrzekrojuWidoku(*analiza_, k).Projektowe);
    wykresTemperatur_->Rysuj(model, cieplejWewnatrz);
}

} // namespace murolab
