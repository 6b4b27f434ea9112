#include "ui/FormZestawienie.h"

#include "files/RekordProjektu.h"
#include "output/RaportZestawienia.h"
#include "ui/FormPrzegroda.h"
#include "widgets/Bezpiecznie.h"
#include "widgets/Nazwy.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace murolab {

namespace {

using K = TKolumnaZestawienia;
constexpr int kKolumnaPliku = kLiczbaKolumnZestawienia; // the path, after the figures

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string NazwaSystemowa(const QString& nazwa) {
    return QFile::encodeName(nazwa).toStdString();
}

const QColor kTloZle(0xF6, 0xC8, 0xC8);
const QColor kTloDobre(0xCC, 0xEC, 0xCC);
const QColor kTekstZly(0xA0, 0x00, 0x00);

TParametryPliku ParametryProjektow() {
    return {QStringLiteral("Dodaj projekty do zestawienia"),
            {{QStringLiteral("Pliki projektu (-.pro)"), QStringLiteral("*.pro")},
             {QStringLiteral("Wszystkie pliki"), QStringLiteral("*.*")}},
            QStringLiteral("pro"),
            {}};
}

TParametryPliku ParametryZestawienia(const QString& tytul, const QString& ostatni) {
    return {
        tytul,
        {{QStringLiteral("Zestawienia przegród (*.zestawienie.json)"), QStringLiteral("*.zestawienie.json")}},
        QStringLiteral("zestawienie.json"),
        ostatni};
}

// The text of a cell compared as the user reads it; an empty cell sorts after every other.
bool Przed(const TWierszZestawienia& a, const TWierszZestawienia& b, int kolumna, bool rosnaco) {
    if (kolumna == kKolumnaPliku)
        return rosnaco ? a.Plik < b.Plik : b.Plik < a.Plik;
    const auto k = static_cast<K>(kolumna);
    const auto la = LiczbaKomorki(a, k);
    const auto lb = LiczbaKomorki(b, k);
    if (la || lb) {
        if (!la || !lb)
            return la.has_value();
        return rosnaco ? *la < *lb : *lb < *la;
    }
    const QString ta = Q(KomorkaZestawienia(a, k));
    const QString tb = Q(KomorkaZestawienia(b, k));
    if (ta.isEmpty() != tb.isEmpty())
        return !ta.isEmpty();
    const int porownanie = QString::localeAwareCompare(ta, tb);
    return rosnaco ? porownanie < 0 : porownanie > 0;
}

} // namespace

TFormZestawienie::TFormZestawienie(TFormPrzegroda& okno, TDialogi& dialogi, QWidget* rodzic)
    : QDialog(rodzic), okno_(okno), dialogi_(dialogi) {
    setWindowTitle(QStringLiteral("Zestawienie przegród"));
    resize(1180, 560);

    auto* opis = new QGridLayout;
    auto pole = [&](QLineEdit*& edycja, const QString& etykieta, int wiersz, int kolumna) {
        edycja = new QLineEdit(this);
        opis->addWidget(new QLabel(etykieta, this), wiersz, kolumna * 2);
        opis->addWidget(edycja, wiersz, kolumna * 2 + 1);
    };
    pole(EditBudynek, QStringLiteral("Budynek:"), 0, 0);
    pole(EditAdres, QStringLiteral("Adres:"), 0, 1);
    pole(EditData, QStringLiteral("Data:"), 0, 2);
    pole(EditInwestor, QStringLiteral("Inwestor:"), 1, 0);
    pole(EditProjektant, QStringLiteral("Projektant:"), 1, 1);
    EditData->setPlaceholderText(QStringLiteral("dzisiejsza"));
    opis->setColumnStretch(1, 3);
    opis->setColumnStretch(3, 3);
    opis->setColumnStretch(5, 1);

    TabelaZestawienia = new QTableWidget(0, kLiczbaKolumnZestawienia + 1, this);
    QStringList naglowki;
    for (int k = 0; k < kLiczbaKolumnZestawienia; ++k) {
        // Two lines for the long headings, so that all the columns fit the window's width.
        QString n = Q(std::string(NaglowekKolumny(static_cast<K>(k))));
        if (n.size() > 8 && n.contains(u' '))
            n[n.indexOf(u' ')] = u'\n';
        naglowki << n;
    }
    naglowki << QStringLiteral("Plik");
    TabelaZestawienia->setHorizontalHeaderLabels(naglowki);
    TabelaZestawienia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TabelaZestawienia->setSelectionBehavior(QAbstractItemView::SelectRows);
    TabelaZestawienia->setSelectionMode(QAbstractItemView::ExtendedSelection);
    TabelaZestawienia->setWordWrap(false);
    TabelaZestawienia->horizontalHeader()->setSectionsClickable(true);
    TabelaZestawienia->horizontalHeader()->setSortIndicatorShown(false);
    TabelaZestawienia->horizontalHeader()->setStretchLastSection(true);
    // Rows are dragged by their numbers; the list behind the table takes the new order.
    TabelaZestawienia->verticalHeader()->setSectionsMovable(true);
    TabelaZestawienia->verticalHeader()->setToolTip(
        QStringLiteral("Przeciągnij numer wiersza, aby zmienić kolejność"));

    auto przycisk = [this](QPushButton*& p, const QString& tekst) {
        p = new QPushButton(tekst, this);
        p->setAutoDefault(false);
        return p;
    };
    auto* gora = new QHBoxLayout;
    gora->addWidget(przycisk(ButtonDodaj, QStringLiteral("Dodaj…")));
    gora->addWidget(przycisk(ButtonDodajBiezacy, QStringLiteral("Dodaj bieżący projekt")));
    gora->addWidget(przycisk(ButtonUsun, QStringLiteral("Usuń")));
    gora->addWidget(przycisk(ButtonPrzelicz, QStringLiteral("Przelicz")));
    gora->addStretch();
    gora->addWidget(przycisk(ButtonOtworz, QStringLiteral("Otwórz zestawienie…")));
    gora->addWidget(przycisk(ButtonZapisz, QStringLiteral("Zapisz zestawienie…")));
    gora->addWidget(przycisk(ButtonCsv, QStringLiteral("Eksport CSV…")));
    gora->addWidget(przycisk(ButtonPdf, QStringLiteral("Raport PDF…")));

    LabelPodsumowanie = new QLabel(this);
    LabelUwagi = new QLabel(this);
    LabelUwagi->setTextFormat(Qt::RichText);
    LabelUwagi->setWordWrap(true);
    LabelUwagi->hide();
    auto* dol = new QHBoxLayout;
    dol->addWidget(LabelPodsumowanie, 1);
    dol->addWidget(przycisk(ButtonZamknij, QStringLiteral("Zamknij")));

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(opis);
    uklad->addLayout(gora);
    uklad->addWidget(TabelaZestawienia, 1);
    uklad->addWidget(LabelUwagi);
    uklad->addLayout(dol);

    NazwijKontrolki({{EditBudynek, "EditBudynek"},
                     {EditAdres, "EditAdres"},
                     {EditInwestor, "EditInwestor"},
                     {EditProjektant, "EditProjektant"},
                     {EditData, "EditData"},
                     {TabelaZestawienia, "TabelaZestawienia"},
                     {LabelPodsumowanie, "LabelPodsumowanie"},
                     {LabelUwagi, "LabelUwagi"},
                     {ButtonDodaj, "ButtonDodaj"},
                     {ButtonDodajBiezacy, "ButtonDodajBiezacy"},
                     {ButtonUsun, "ButtonUsun"},
                     {ButtonPrzelicz, "ButtonPrzelicz"},
                     {ButtonOtworz, "ButtonOtworz"},
                     {ButtonZapisz, "ButtonZapisz"},
                     {ButtonCsv, "ButtonCsv"},
                     {ButtonPdf, "ButtonPdf"},
                     {ButtonZamknij, "ButtonZamknij"}});

    PolaczBezpiecznie(dialogi_, this, ButtonDodaj, &QPushButton::clicked, [this] { ButtonDodajClick(); });
    PolaczBezpiecznie(dialogi_, this, ButtonDodajBiezacy, &QPushButton::clicked,
                      [this] { ButtonDodajBiezacyClick(); });
    PolaczBezpiecznie(dialogi_, this, ButtonUsun, &QPushButton::clicked, [this] { ButtonUsunClick(); });
    PolaczBezpiecznie(dialogi_, this, ButtonPrzelicz, &QPushButton::clicked,
                      [this] { ButtonPrzeliczClick(); });
    PolaczBezpiecznie(dialogi_, this, ButtonOtworz, &QPushButton::clicked, [this] { ButtonOtworzClick(); });
    PolaczBezpiecznie(dialogi_, this, ButtonZapisz, &QPushButton::clicked, [this] { ButtonZapiszClick(); });
    PolaczBezpiecznie(dialogi_, this, ButtonCsv, &QPushButton::clicked, [this] { ButtonCsvClick(); });
    PolaczBezpiecznie(dialogi_, this, ButtonPdf, &QPushButton::clicked, [this] { ButtonPdfClick(); });
    PolaczBezpiecznie(dialogi_, this, ButtonZamknij, &QPushButton::clicked, [this] { accept(); });
    PolaczBezpiecznie(dialogi_, this, TabelaZestawienia, &QTableWidget::cellDoubleClicked,
                      [this](int wiersz, int) { OtworzWiersz(wiersz); });
    PolaczBezpiecznie(dialogi_, this, TabelaZestawienia->horizontalHeader(), &QHeaderView::sectionClicked,
                      [this](int kolumna) { Sortuj(kolumna); });
    PolaczBezpiecznie(dialogi_, this, TabelaZestawienia->verticalHeader(), &QHeaderView::sectionMoved,
                      [this](int, int z, int na) { PrzesunWiersz(z, na); });
    Pokaz();
}

TObliczanieZestawienia TFormZestawienie::Obliczanie() const {
    return TObliczanieZestawienia(okno_.Model.TablicaNasycenia, okno_.KatalogDanych);
}

void TFormZestawienie::Oblicz(TPozycja& p, TObliczanieZestawienia& obliczanie) const {
    if (p.Biezacy) {
        const std::string nazwa = NazwaPrzegrody(*p.Biezacy, true, "bieżący projekt");
        p.Wiersz = obliczanie.Wiersz(*p.Biezacy, p.Sciezka.toStdString(), nazwa);
        p.Wiersz.Niezapisany = p.Biezacy->Zmieniony;
    } else {
        p.Wiersz = obliczanie.Wiersz(NazwaSystemowa(p.Sciezka), p.Sciezka.toStdString());
    }
}

void TFormZestawienie::DodajPliki(const QStringList& pliki) {
    TObliczanieZestawienia obliczanie = Obliczanie();
    for (const QString& plik : pliki) {
        TPozycja p{plik, std::nullopt, {}};
        Oblicz(p, obliczanie);
        pozycje_.push_back(std::move(p));
    }
    kolumnaSortowania_ = -1;
    Pokaz();
}

void TFormZestawienie::ButtonDodajClick() {
    const QStringList pliki = dialogi_.WielePlikowDoOtwarcia(this, ParametryProjektow());
    if (!pliki.isEmpty())
        DodajPliki(pliki);
}

void TFormZestawienie::ButtonDodajBiezacyClick() {
    std::optional<TModelProjektu> model = okno_.ProjektNaEkranie();
    if (!model)
        return;
    TObliczanieZestawienia obliczanie = Obliczanie();
    TPozycja p{{}, std::move(model), {}};
    Oblicz(p, obliczanie);
    pozycje_.push_back(std::move(p));
    kolumnaSortowania_ = -1;
    Pokaz();
}

void TFormZestawienie::ButtonUsunClick() {
    std::vector<int> wiersze;
    for (const QModelIndex& i : TabelaZestawienia->selectionModel()->selectedRows())
        wiersze.push_back(i.row());
    if (wiersze.empty() && TabelaZestawienia->currentRow() >= 0)
        wiersze.push_back(TabelaZestawienia->currentRow());
    std::sort(wiersze.rbegin(), wiersze.rend());
    for (int w : wiersze)
        if (w >= 0 && w < static_cast<int>(pozycje_.size()))
            pozycje_.erase(pozycje_.begin() + w);
    Pokaz();
}

void TFormZestawienie::ButtonPrzeliczClick() {
    TObliczanieZestawienia obliczanie = Obliczanie();
    for (TPozycja& p : pozycje_)
        Oblicz(p, obliczanie);
    Pokaz();
}

void TFormZestawienie::showEvent(QShowEvent* zdarzenie) {
    QDialog::showEvent(zdarzenie);
    // The files may have changed since the summary was last shown.
    Bezpiecznie(dialogi_, this, [this] { ButtonPrzeliczClick(); });
}

void TFormZestawienie::UstawBudynek(const TOpisBudynku& b) {
    EditBudynek->setText(Q(b.Nazwa));
    EditAdres->setText(Q(b.Adres));
    EditInwestor->setText(Q(b.Inwestor));
    EditProjektant->setText(Q(b.Projektant));
    EditData->setText(Q(b.Data));
}

TOpisBudynku TFormZestawienie::Budynek() const {
    return {EditBudynek->text().trimmed().toStdString(), EditAdres->text().trimmed().toStdString(),
            EditInwestor->text().trimmed().toStdString(), EditProjektant->text().trimmed().toStdString(),
            EditData->text().trimmed().toStdString()};
}

const std::vector<TWierszZestawienia> TFormZestawienie::Wiersze() const {
    std::vector<TWierszZestawienia> w;
    w.reserve(pozycje_.size());
    for (const TPozycja& p : pozycje_)
        w.push_back(p.Wiersz);
    return w;
}

void TFormZestawienie::ButtonOtworzClick() {
    const QString nazwa = dialogi_.PlikDoOtwarcia(
        this, ParametryZestawienia(QStringLiteral("Otwórz zestawienie przegród"), ostatniPlikZestawienia_));
    if (nazwa.isEmpty())
        return;
    auto wynik = WczytajZestawienie(NazwaSystemowa(nazwa));
    if (const std::string* blad = Niepowodzenie(wynik)) {
        dialogi_.Blad(this, Q(*blad));
        return;
    }
    ostatniPlikZestawienia_ = nazwa;
    const TPlikZestawienia& z = std::get<TPlikZestawienia>(wynik);
    UstawBudynek(z.Budynek);
    pozycje_.clear();
    QStringList pliki;
    for (const std::string& p : z.Projekty)
        pliki << QFile::decodeName(QByteArray::fromStdString(SciezkaProjektu(p, NazwaSystemowa(nazwa))));
    DodajPliki(pliki);
}

void TFormZestawienie::ButtonZapiszClick() {
    QString nazwa = dialogi_.PlikDoZapisu(
        this, ParametryZestawienia(QStringLiteral("Zapisz zestawienie przegród"), ostatniPlikZestawienia_));
    if (nazwa.isEmpty())
        return;
    if (nazwa.endsWith(QStringLiteral(".zestawienie")))
        nazwa += QStringLiteral(".json");
    else if (!nazwa.endsWith(QStringLiteral(".json")))
        nazwa += QString::fromUtf8(kRozszerzenieZestawienia.data(), kRozszerzenieZestawienia.size());
    TPlikZestawienia z;
    z.Budynek = Budynek();
    int bezPliku = 0;
    for (const TPozycja& p : pozycje_) {
        if (p.Sciezka.isEmpty()) {
            ++bezPliku;
            continue;
        }
        z.Projekty.push_back(SciezkaWZestawieniu(NazwaSystemowa(p.Sciezka), NazwaSystemowa(nazwa)));
    }
    if (const TBlad blad = ZapiszZestawienie(NazwaSystemowa(nazwa), z)) {
        dialogi_.Blad(this, Q(*blad));
        return;
    }
    ostatniPlikZestawienia_ = nazwa;
    if (bezPliku > 0)
        dialogi_.Komunikat(
            this,
            QStringLiteral("Bieżący projekt nie ma pliku, więc nie trafił do pliku zestawienia: "
                           "zapisz go i dodaj jego plik."),
            QStringLiteral("Murolab"), TIkona::Informacja, TPrzyciski::Ok);
}

void TFormZestawienie::ButtonCsvClick() {
    const QString nazwa =
        dialogi_.PlikDoZapisu(this, {QStringLiteral("Eksport zestawienia do CSV"),
                                     {{QStringLiteral("Arkusz CSV (*.csv)"), QStringLiteral("*.csv")}},
                                     QStringLiteral("csv"),
                                     {}});
    if (nazwa.isEmpty())
        return;
    if (const TBlad blad = ZapiszCsvZestawienia(NazwaSystemowa(nazwa), Wiersze()))
        dialogi_.Blad(this, Q(*blad));
}

void TFormZestawienie::ButtonPdfClick() {
    const QString nazwa =
        dialogi_.PlikDoZapisu(this, {QStringLiteral("Raport zestawienia (PDF)"),
                                     {{QStringLiteral("Dokument PDF (*.pdf)"), QStringLiteral("*.pdf")}},
                                     QStringLiteral("pdf"),
                                     {}});
    if (nazwa.isEmpty())
        return;
    const TTrescZestawienia tresc{Budynek(), Wiersze(),
                                  QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))};
    QString blad;
    if (!ZapiszZestawieniePdf(nazwa, tresc, &blad))
        dialogi_.Blad(this, blad);
}

void TFormZestawienie::OtworzWiersz(int wiersz) {
    if (wiersz < 0 || wiersz >= static_cast<int>(pozycje_.size()))
        return;
    const TPozycja& p = pozycje_[static_cast<std::size_t>(wiersz)];
    if (p.Sciezka.isEmpty()) {
        // The main window's own project is there already.
        accept();
        return;
    }
    // A file that cannot be opened is said so before the open project is put at stake.
    const auto plik = WczytajPlikProjektu(NazwaSystemowa(p.Sciezka));
    if (const std::string* blad = Niepowodzenie(plik)) {
        dialogi_.Blad(this, Q(*blad));
        return;
    }
    if (!okno_.ZapytajOZapis())
        return;
    const QString sciezka = p.Sciezka;
    okno_.OtworzPlikProjektu(sciezka);
    accept();
}

void TFormZestawienie::Sortuj(int kolumna) {
    rosnaco_ = kolumna == kolumnaSortowania_ ? !rosnaco_ : true;
    kolumnaSortowania_ = kolumna;
    std::stable_sort(pozycje_.begin(), pozycje_.end(), [&](const TPozycja& a, const TPozycja& b) {
        return Przed(a.Wiersz, b.Wiersz, kolumna, rosnaco_);
    });
    Pokaz();
}

void TFormZestawienie::PrzesunWiersz(int z, int na) {
    const int n = static_cast<int>(pozycje_.size());
    if (z < 0 || z >= n || na < 0 || na >= n || z == na)
        return;
    TPozycja p = std::move(pozycje_[static_cast<std::size_t>(z)]);
    pozycje_.erase(pozycje_.begin() + z);
    pozycje_.insert(pozycje_.begin() + na, std::move(p));
    kolumnaSortowania_ = -1;
    // The header's own move is undone after the signal: the table is drawn again in the new order.
    QMetaObject::invokeMethod(
        this, [this] { Bezpiecznie(dialogi_, this, [this] { Pokaz(); }); }, Qt::QueuedConnection);
}

void TFormZestawienie::Pokaz() {
    QTableWidget* t = TabelaZestawienia;
    const QSignalBlocker blokada(t->verticalHeader());
    t->clearSpans();
    t->setRowCount(0);
    // A header whose sections were dragged keeps their visual order: it starts afresh.
    for (int i = 0; i < t->verticalHeader()->count(); ++i)
        t->verticalHeader()->moveSection(t->verticalHeader()->visualIndex(i), i);
    t->setRowCount(static_cast<int>(pozycje_.size()));
    int spelnia = 0, nieSpelnia = 0, nieobliczone = 0;
    for (int r = 0; r < t->rowCount(); ++r) {
        const TWierszZestawienia& w = pozycje_[static_cast<std::size_t>(r)].Wiersz;
        for (int k = 0; k < kLiczbaKolumnZestawienia; ++k) {
            const auto kolumna = static_cast<K>(k);
            auto* komorka = new QTableWidgetItem(Q(KomorkaZestawienia(w, kolumna)));
            if (LiczbaKomorki(w, kolumna) || kolumna == K::FRsiWymagane)
                komorka->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (const auto ocena = OcenaKomorki(w, kolumna))
                komorka->setBackground(*ocena ? kTloDobre : kTloZle);
            if (kolumna == K::Uk && w.Obliczony() && w.Niejednorodna) {
                const auto& m = *w.Niejednorodna;
                komorka->setToolTip(m.Stosowalna ? Q(std::string(ObjasnienieZnakuMetodyU()))
                                                 : Q(m.Komunikat));
                if (!m.Stosowalna)
                    komorka->setForeground(kTekstZly);
            }
            t->setItem(r, k, komorka);
        }
        t->setItem(r, kKolumnaPliku,
                   new QTableWidgetItem(w.Plik.empty() ? QStringLiteral("(bieżący projekt)") : Q(w.Plik)));
        if (!w.Obliczony()) {
            // The reason takes the place of the figures, in red.
            auto* powod = new QTableWidgetItem(Q(std::string(TekstStanu(w.Stan)) + ": " + w.Blad));
            powod->setForeground(kTekstZly);
            powod->setBackground(kTloZle);
            powod->setToolTip(Q(w.Blad));
            t->setItem(r, 1, powod);
            t->setSpan(r, 1, 1, kLiczbaKolumnZestawienia - 1);
            t->item(r, 0)->setForeground(kTekstZly);
            ++nieobliczone;
        } else if (w.WT2021 == TOcenaWT2021::Spelnia) {
            ++spelnia;
        } else if (w.WT2021 == TOcenaWT2021::NieSpelnia) {
            ++nieSpelnia;
        }
    }
    if (kolumnaSortowania_ >= 0) {
        t->horizontalHeader()->setSortIndicatorShown(true);
        t->horizontalHeader()->setSortIndicator(kolumnaSortowania_,
                                                rosnaco_ ? Qt::AscendingOrder : Qt::DescendingOrder);
    } else {
        t->horizontalHeader()->setSortIndicatorShown(false);
    }
    if (t->rowCount() > 0 && t->rowCount() <= 200)
        t->resizeColumnsToContents();
    LabelPodsumowanie->setText(
        QStringLiteral(
            "Projektów: %1; spełnia WT 2021: %2; nie spełnia: %3; nieocenionych: %4; nie obliczono: %5")
            .arg(t->rowCount())
            .arg(spelnia)
            .arg(nieSpelnia)
            .arg(t->rowCount() - spelnia - nieSpelnia - nieobliczone)
            .arg(nieobliczone));
    ButtonUsun->setEnabled(t->rowCount() > 0);
    PokazUwagi();
}

void TFormZestawienie::PokazUwagi() {
    std::vector<TWierszZestawienia> wiersze;
    bool metodaU = false;
    for (const TPozycja& p : pozycje_) {
        wiersze.push_back(p.Wiersz);
        metodaU = metodaU || (p.Wiersz.Obliczony() && p.Wiersz.Niejednorodna);
    }
    QStringList linie;
    if (metodaU)
        linie << Q(std::string(ObjasnienieZnakuMetodyU())).toHtmlEscaped();
    const std::vector<std::string> uwagi = UwagiNiestosowalnych(wiersze);
    if (!uwagi.empty()) {
        const QString czerwony = QStringLiteral("<span style=\"color:%1\">%2</span>").arg(kTekstZly.name());
        linie << czerwony.arg(Q(std::string(ObjasnienieZnakuNiestosowalnej())).toHtmlEscaped());
        for (const std::string& u : uwagi)
            linie << czerwony.arg(Q(u).toHtmlEscaped());
    }
    LabelUwagi->setText(linie.join(QStringLiteral("<br>")));
    LabelUwagi->setVisible(!linie.isEmpty());
}

} // namespace murolab
