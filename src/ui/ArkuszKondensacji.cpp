#include "ui/ArkuszKondensacji.h"

#include "output/WykresMa.h"
#include "ui/FormKlimat.h"
#include "ui/KontekstPomocy.h"
#include "ui/WyborPrzekroju.h"
#include "widgets/Bezpiecznie.h"
#include "widgets/Dialogi.h"

#include "files/PlikKlimatu.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <variant>

namespace murolab {

namespace {

constexpr int kKontekstPomocy = 20;
const QString kRozszerzenie = QStringLiteral(".csv");
// Marks the list entry of the climate stored with the project.
constexpr int kRolaZProjektu = Qt::UserRole + 1;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The indoor choices: the key stored with the project, the list's text and who lives there.
struct TWyborWnetrza {
    const char* Klucz;
    const char* Tekst;
    const char* Opis;
};
const TWyborWnetrza kWnetrza[] = {
    {"stale", "Stałe: ti i φi z warunków pracy", "ti i φi z arkusza „Warunki pracy” w każdym miesiącu"},
    {"klasa1", "Klasa wilgotności 1", "Magazyny"},
    {"klasa2", "Klasa wilgotności 2", "Biura, sklepy"},
    {"klasa3", "Klasa wilgotności 3", "Mieszkania o małym zaludnieniu"},
    {"klasa4", "Klasa wilgotności 4", "Mieszkania o dużym zaludnieniu, hale sportowe, kuchnie, stołówki"},
};

// A climate's key: the path when it is not a plain name.
bool JestSciezka(const QString& klucz) {
    return CzySciezkaKlimatu(klucz.toStdString());
}

QTableWidgetItem* Komorka(const QString& tekst, bool pogrubiona = false) {
    auto* k = new QTableWidgetItem(tekst);
    k->setFlags(Qt::ItemIsEnabled);
    k->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (pogrubiona) {
        QFont f = k->font();
        f.setBold(true);
        k->setFont(f);
    }
    return k;
}

QLabel* EtykietaWynikow(QWidget* rodzic, const char* nazwa) {
    auto* e = new QLabel(rodzic);
    e->setObjectName(QString::fromLatin1(nazwa));
    e->setTextFormat(Qt::RichText);
    e->setWordWrap(true);
    e->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    e->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return e;
}

// A table sized to its rows: the sheet scrolls as a whole, the table itself never does.
void DopasujWysokosc(QTableWidget* t) {
    int h = t->horizontalHeader()->isHidden() ? 0 : t->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < t->rowCount(); ++r)
        h += t->verticalHeader()->sectionSize(r);
    t->setFixedHeight(h + 2 * t->frameWidth() + 2);
}

QString Html(const std::vector<TLiniaWyniku>& linie) {
    return QString::fromStdString(HtmlLinii(linie));
}

} // namespace

TArkuszKondensacji::TArkuszKondensacji(TModelProjektu& model, TDialogi& dialogi,
                                       const std::filesystem::path& katalogDanych, QWidget* rodzic)
    : QWidget(rodzic), model_(model), dialogi_(dialogi) {
    setObjectName(QStringLiteral("ArkuszKondensacji"));
    katalogWbudowany_ = QString::fromStdString(KatalogKlimatuZainstalowany(katalogDanych));
    katalogWlasny_ = DomyslnyKatalogWlasny();
    ZbudujKontrolki();
    UstawKontekstPomocy(this, kKontekstPomocy);
    PokazUstawienia();
    WyczyscWyniki();
}

TArkuszKondensacji::~TArkuszKondensacji() = default;

QString TArkuszKondensacji::DomyslnyKatalogWlasny() {
    return QString::fromStdString(KatalogKlimatuUzytkownika());
}

void TArkuszKondensacji::UstawKatalogiKlimatow(const QString& wbudowany, const QString& wlasny) {
    katalogWbudowany_ = wbudowany;
    katalogWlasny_ = wlasny;
    PokazUstawienia();
}

QList<TKlimatNaLiscie> TArkuszKondensacji::Klimaty() const {
    // The user's own climate hides an installed one of the same name, as on the command line.
    QList<TKlimatNaLiscie> lista;
    QStringList nazwy;
    auto dodaj = [&](const QString& katalog, bool wlasny) {
        if (katalog.isEmpty())
            return;
        const QFileInfoList pliki =
            QDir(katalog).entryInfoList({QStringLiteral("*.csv")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo& p : pliki) {
            if (nazwy.contains(p.completeBaseName()))
                continue;
            nazwy << p.completeBaseName();
            lista << TKlimatNaLiscie{p.completeBaseName(), NazwaStacji(p.filePath(), p.completeBaseName()),
                                     p.filePath(), wlasny};
        }
    };
    dodaj(katalogWlasny_, true);
    dodaj(katalogWbudowany_, false);
    std::sort(lista.begin(), lista.end(), [](const TKlimatNaLiscie& a, const TKlimatNaLiscie& b) {
        return a.Wlasny != b.Wlasny ? !a.Wlasny : QString::localeAwareCompare(a.Stacja, b.Stacja) < 0;
    });
    return lista;
}

QString TArkuszKondensacji::NazwaStacji(const QString& plik, const QString& nazwa) {
    // The files keep ASCII names; the list shows the station as its file's first line names it
    // ("Warszawa-Okęcie (stacja WMO 12375, ...)" up to the parenthesis). A file that does not read
    // as a climate keeps its file name: choosing it then says what is wrong with it.
    const auto tekst = CzytajTekstKlimatu(QFile::encodeName(plik).toStdString());
    if (Niepowodzenie(tekst))
        return nazwa;
    const auto klimat = CzytajKlimat(std::get<std::string>(tekst), plik.toStdString());
    if (Niepowodzenie(klimat))
        return nazwa;
    const std::string& stacja = std::get<TKlimat>(klimat).Nazwa;
    const auto nawias = stacja.find(" (");
    const QString krotka = Q(nawias == std::string::npos ? stacja : stacja.substr(0, nawias)).trimmed();
    return krotka.isEmpty() ? nazwa : krotka;
}

void TArkuszKondensacji::ZbudujKontrolki() {
    auto* przewijanie = new QScrollArea(this);
    przewijanie->setObjectName(QStringLiteral("PrzewijanieKondensacji"));
    przewijanie->setFrameShape(QFrame::NoFrame);
    przewijanie->setWidgetResizable(true);
    auto* obszar = new QWidget;
    przewijanie->setWidget(obszar);
    auto* zewn = new QVBoxLayout(this);
    zewn->setContentsMargins(0, 0, 0, 0);
    zewn->addWidget(przewijanie);

    auto* uklad = new QVBoxLayout(obszar);
    uklad->setContentsMargins(6, 6, 6, 6);
    uklad->setSpacing(6);

    // -- the choices
    auto* wybory = new QGridLayout;
    wybory->setHorizontalSpacing(6);
    wybory->addWidget(new QLabel(QStringLiteral("Klimat:"), obszar), 0, 0);
    klimaty_ = new QComboBox(obszar);
    klimaty_->setObjectName(QStringLiteral("ComboBoxKlimat"));
    klimaty_->setMinimumWidth(220);
    wybory->addWidget(klimaty_, 0, 1);
    wlasny_ = new QPushButton(QStringLiteral("Własny…"), obszar);
    wlasny_->setObjectName(QStringLiteral("ButtonKlimatWlasny"));
    wlasny_->setToolTip(QStringLiteral("Tabela 12 miesięcy (θe, φe) zapisywana jako klimat własny"));
    wybory->addWidget(wlasny_, 0, 2);
    wybory->addWidget(new QLabel(QStringLiteral("Wnętrze:"), obszar), 1, 0);
    wnetrze_ = new QComboBox(obszar);
    wnetrze_->setObjectName(QStringLiteral("ComboBoxWnetrze"));
    for (const TWyborWnetrza& w : kWnetrza) {
        wnetrze_->addItem(QString::fromUtf8(w.Tekst), QString::fromLatin1(w.Klucz));
        wnetrze_->setItemData(wnetrze_->count() - 1, QString::fromUtf8(w.Opis), Qt::ToolTipRole);
    }
    wybory->addWidget(wnetrze_, 1, 1, 1, 2);
    wybory->addWidget(new QLabel(QStringLiteral("Wiersz WT 2021:"), obszar), 2, 0);
    wiersze_ = new QComboBox(obszar);
    wiersze_->setObjectName(QStringLiteral("ComboBoxWierszWT"));
    wiersze_->addItem(QString(), QString()); // "według rodzaju przegrody", its text set later
    for (const TWierszWT& w : WierszeWT())
        wiersze_->addItem(Q(w.Etykieta), Q(w.Id));
    wiersze_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    wiersze_->setMinimumContentsLength(50);
    wybory->addWidget(wiersze_, 2, 1, 1, 2);
    wybory->setColumnStretch(3, 1);
    uklad->addLayout(wybory);

    // -- the chosen climate's months
    tabelaKlimatu_ = new QTableWidget(2, kLiczbaMiesiecy, obszar);
    tabelaKlimatu_->setObjectName(QStringLiteral("TabelaKlimatu"));
    tabelaKlimatu_->setHorizontalHeaderLabels(SkrotyMiesiecy());
    tabelaKlimatu_->setVerticalHeaderLabels({QStringLiteral("θe [°C]"), QStringLiteral("φe [%]")});
    tabelaKlimatu_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tabelaKlimatu_->verticalHeader()->setMinimumSectionSize(18);
    tabelaKlimatu_->verticalHeader()->setDefaultSectionSize(20);
    tabelaKlimatu_->horizontalHeader()->setMinimumSectionSize(30);
    tabelaKlimatu_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabelaKlimatu_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabelaKlimatu_->setFocusPolicy(Qt::NoFocus);
    tabelaKlimatu_->setSelectionMode(QAbstractItemView::NoSelection);
    DopasujWysokosc(tabelaKlimatu_);
    uklad->addWidget(tabelaKlimatu_);

    // -- the results
    auto naglowek = [&](const QString& tekst) {
        auto* e = new QLabel(QStringLiteral("<b>%1</b>").arg(tekst), obszar);
        uklad->addWidget(e);
        return e;
    };
    wyborPrzekroju_ = new TWyborPrzekroju("ComboBoxPrzekrojKondensacji", obszar);
    wyborPrzekroju_->layout()->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(wyborPrzekroju_);
    werdyktyPrzekroju_ = EtykietaWynikow(obszar, "LabelWerdyktyPrzekroju");
    werdyktyPrzekroju_->hide();
    uklad->addWidget(werdyktyPrzekroju_);
    naglowek(QStringLiteral("Warunki obliczeniowe (ti, φi, te, φe z warunków pracy)"));
    projektowe_ = EtykietaWynikow(obszar, "LabelProjektowe");
    uklad->addWidget(projektowe_);

    naglowek(QStringLiteral("Bilans roczny (PN-EN ISO 13788)"));
    miesiace_ = new QTableWidget(obszar);
    miesiace_->setObjectName(QStringLiteral("TabelaMiesiecy"));
    miesiace_->verticalHeader()->hide();
    miesiace_->verticalHeader()->setMinimumSectionSize(18);
    miesiace_->verticalHeader()->setDefaultSectionSize(18);
    miesiace_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    miesiace_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    miesiace_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    miesiace_->setSelectionMode(QAbstractItemView::NoSelection);
    miesiace_->setFocusPolicy(Qt::NoFocus);
    uklad->addWidget(miesiace_);
    rok_ = EtykietaWynikow(obszar, "LabelRok");
    podpowiedzKlimatu_ = new QLabel(QStringLiteral("Wybierz stację z listy „Klimat” albo własny klimat "
                                                   "(przycisk „Własny…”) i naciśnij Oblicz."),
                                    obszar);
    podpowiedzKlimatu_->setObjectName(QStringLiteral("LabelPodpowiedzKlimatu"));
    podpowiedzKlimatu_->setWordWrap(true);
    podpowiedzKlimatu_->hide();
    auto* rokIWykres = new QHBoxLayout;
    auto* rokIPodpowiedz = new QVBoxLayout;
    rokIPodpowiedz->addWidget(rok_);
    rokIPodpowiedz->addWidget(podpowiedzKlimatu_);
    rokIPodpowiedz->addStretch(1);
    rokIWykres->addLayout(rokIPodpowiedz, 1);
    wykresMa_ = new TWykresMa(obszar);
    wykresMa_->setObjectName(QStringLiteral("ChartMa"));
    wykresMa_->setFixedSize(330, 190);
    rokIWykres->addWidget(wykresMa_);
    uklad->addLayout(rokIWykres);

    naglowek(QStringLiteral("Temperatura powierzchni wewnętrznej"));
    frsi_ = EtykietaWynikow(obszar, "LabelFRsi");
    uklad->addWidget(frsi_);
    naglowek(QStringLiteral("WT 2021"));
    wt_ = EtykietaWynikow(obszar, "LabelWT");
    uklad->addWidget(wt_);

    grupaLato_ = new QGroupBox(QStringLiteral("Lato (PN-EN ISO 13786)"), obszar);
    grupaLato_->setObjectName(QStringLiteral("GroupBoxLato"));
    auto* ukladLata = new QVBoxLayout(grupaLato_);
    lato_etykieta_ = EtykietaWynikow(grupaLato_, "LabelLato");
    ukladLata->addWidget(lato_etykieta_);
    uklad->addWidget(grupaLato_);
    uklad->addStretch(1);

    PolaczBezpiecznie(dialogi_, this, klimaty_, &QComboBox::activated, [this](int i) { KlimatWybrany(i); });
    PolaczBezpiecznie(dialogi_, this, wlasny_, &QPushButton::clicked, [this] { OtworzEdytor(); });
    PolaczBezpiecznie(dialogi_, this, wnetrze_, &QComboBox::activated, [this](int i) { WnetrzeWybrane(i); });
    PolaczBezpiecznie(dialogi_, this, wiersze_, &QComboBox::activated, [this](int i) { WierszWybrany(i); });
}

void TArkuszKondensacji::WypelnijListeKlimatow() {
    wypelnianie_ = true;
    klimaty_->clear();
    klimaty_->addItem(QStringLiteral("(brak – tylko warunki obliczeniowe)"), QString());
    const QString wybrany = Q(model_.Iso13788.Klimat);
    int indeks = 0;
    for (const TKlimatNaLiscie& k : Klimaty()) {
        klimaty_->addItem(k.Wlasny ? k.Stacja + QStringLiteral(" (własny)") : k.Stacja, k.Nazwa);
        klimaty_->setItemData(klimaty_->count() - 1, k.Plik, Qt::ToolTipRole);
        if (k.Nazwa == wybrany && !klimatZProjektu_)
            indeks = klimaty_->count() - 1;
    }
    if (klimatZProjektu_) {
        // The year stored with the project, which no local file of its name holds.
        klimaty_->addItem(wybrany + QStringLiteral(" (z projektu)"), wybrany);
        klimaty_->setItemData(klimaty_->count() - 1, true, kRolaZProjektu);
        indeks = klimaty_->count() - 1;
    } else if (!wybrany.isEmpty() && indeks == 0) {
        // A stored climate that is no longer on offer (a path, or a file since removed) stays chosen.
        klimaty_->addItem(JestSciezka(wybrany) ? wybrany : wybrany + QStringLiteral(" (brak pliku)"),
                          wybrany);
        indeks = klimaty_->count() - 1;
    }
    klimaty_->setCurrentIndex(indeks);
    wypelnianie_ = false;
}

bool TArkuszKondensacji::WczytajKlimat(const QString& nazwa, QString* blad) {
    // The one lookup of files/: the user's folder first, then the installed one.
    const QString plik =
        JestSciezka(nazwa)
            ? nazwa
            : QString::fromStdString(ZnajdzKlimat(nazwa.toStdString(), katalogWlasny_.toStdString(),
                                                  katalogWbudowany_.toStdString()));
    if (plik.isEmpty()) {
        *blad = QStringLiteral("Nie znaleziono klimatu „%1” (ani w katalogu klimatów użytkownika, ani w "
                               "danych programu).")
                    .arg(nazwa);
        return false;
    }
    const auto tekst = CzytajTekstKlimatu(QFile::encodeName(plik).toStdString());
    if (const std::string* komunikat = Niepowodzenie(tekst)) {
        *blad = Q(*komunikat);
        return false;
    }
    auto wynik = CzytajKlimat(std::get<std::string>(tekst), plik.toStdString());
    if (const std::string* komunikat = Niepowodzenie(wynik)) {
        *blad = Q(*komunikat);
        return false;
    }
    klimat_ = std::get<TKlimat>(std::move(wynik));
    return true;
}

void TArkuszKondensacji::PokazUstawienia() {
    klimat_.reset();
    klimatZProjektu_ = false;
    bladKlimatu_.clear();
    const TKatalogiKlimatow katalogi{QFile::encodeName(katalogWlasny_).toStdString(),
                                     QFile::encodeName(katalogWbudowany_).toStdString()};
    const auto wynik = KlimatProjektu(model_.Iso13788, katalogi);
    if (const std::string* blad = Niepowodzenie(wynik)) {
        bladKlimatu_ = *blad;
    } else if (const auto& k = std::get<std::optional<TKlimatProjektu>>(wynik)) {
        klimat_ = k->Klimat;
        klimatZProjektu_ = k->ZProjektu;
        // A project saved before own climates travelled with it keeps its year from now on.
        if (!model_.Iso13788.KlimatZapisany)
            model_.Iso13788.KlimatZapisany = KlimatDoZapisu(model_.Iso13788.Klimat, k->Klimat, katalogi);
    }
    WypelnijListeKlimatow();
    PokazKlimat();

    wypelnianie_ = true;
    const int w = wnetrze_->findData(Q(model_.Iso13788.Wnetrze));
    wnetrze_->setCurrentIndex(std::max(w, 0));
    wnetrze_->setToolTip(wnetrze_->currentData(Qt::ToolTipRole).toString());
    const int r = model_.Iso13788.WierszWT.empty() ? 0 : wiersze_->findData(Q(model_.Iso13788.WierszWT));
    wiersze_->setCurrentIndex(std::max(r, 0));
    wypelnianie_ = false;
    OdswiezWierszDomyslny();
}

void TArkuszKondensacji::PokazKlimat() {
    for (int i = 0; i < kLiczbaMiesiecy; ++i)
        for (int r = 0; r < 2; ++r)
            tabelaKlimatu_->setItem(r, i, Komorka(QString()));
    if (!klimat_)
        return;
    const TWierszeKlimatu w = WierszeKlimatu(*klimat_);
    for (int i = 0; i < kLiczbaMiesiecy; ++i) {
        tabelaKlimatu_->setItem(0, i, Komorka(Q(w.Temp[static_cast<std::size_t>(i)])));
        tabelaKlimatu_->setItem(1, i, Komorka(Q(w.Wilgot[static_cast<std::size_t>(i)])));
    }
}

void TArkuszKondensacji::KlimatWybrany(int indeks) {
    if (wypelnianie_)
        return;
    const QString nazwa = klimaty_->itemData(indeks).toString();
    const bool zProjektu = klimaty_->itemData(indeks, kRolaZProjektu).toBool();
    const bool byloZProjektu = klimatZProjektu_;
    std::optional<TKlimat> zapisany;
    if (nazwa.isEmpty()) {
        klimat_.reset();
        bladKlimatu_.clear();
    } else if (zProjektu) {
        klimat_ = model_.Iso13788.KlimatZapisany;
        zapisany = klimat_;
        bladKlimatu_.clear();
    } else {
        QString blad;
        const std::optional<TKlimat> poprzedni = klimat_;
        if (!WczytajKlimat(nazwa, &blad)) {
            // A broken file is refused with its message; the previous choice stays.
            dialogi_.Komunikat(this, blad, QStringLiteral("Murolab -UWAGA !!!"), TIkona::Stop,
                               TPrzyciski::Ok);
            klimat_ = poprzedni;
            WypelnijListeKlimatow();
            return;
        }
        bladKlimatu_.clear();
        // An own climate's year travels with the project; a shipped one's is the same everywhere.
        zapisany = KlimatDoZapisu(nazwa.toStdString(), *klimat_,
                                  {QFile::encodeName(katalogWlasny_).toStdString(),
                                   QFile::encodeName(katalogWbudowany_).toStdString()});
    }
    klimatZProjektu_ = zProjektu;
    if (model_.Iso13788.Klimat != nazwa.toStdString() || model_.Iso13788.KlimatZapisany != zapisany) {
        model_.Iso13788.Klimat = nazwa.toStdString();
        model_.Iso13788.KlimatZapisany = zapisany;
        model_.Zmieniony = true;
        emit Zmieniono();
    }
    if (byloZProjektu != klimatZProjektu_)
        WypelnijListeKlimatow();
    PokazKlimat();
}

void TArkuszKondensacji::OtworzEdytor() {
    TFormKlimat edytor(dialogi_, katalogWlasny_, katalogWbudowany_, this);
    QString nazwa = klimat_ ? Q(klimat_->Nazwa) : QString();
    TKlimat wzor;
    if (klimat_) {
        wzor = *klimat_;
        // An installed station is the start of a new own climate, not overwritten under its name.
        nazwa = Q(model_.Iso13788.Klimat);
        const bool wlasny = QFileInfo::exists(QDir(katalogWlasny_).filePath(nazwa + kRozszerzenie));
        if (!wlasny)
            nazwa += QStringLiteral(" (własny)");
    } else {
        nazwa = QStringLiteral("Klimat własny");
        for (TMiesiacKlimatu& m : wzor.Miesiace)
            m = {0, 80};
    }
    edytor.Ustaw(wzor, nazwa);
    if (dialogi_.PokazModalnie(&edytor) != QDialog::Accepted || edytor.ZapisanaNazwa().isEmpty())
        return;
    const QString zapisana = edytor.ZapisanaNazwa();
    QString blad;
    if (!WczytajKlimat(zapisana, &blad)) {
        dialogi_.Blad(this, blad);
        return;
    }
    bladKlimatu_.clear();
    klimatZProjektu_ = false;
    model_.Iso13788.Klimat = zapisana.toStdString();
    model_.Iso13788.KlimatZapisany = klimat_;
    model_.Zmieniony = true;
    emit Zmieniono();
    WypelnijListeKlimatow();
    PokazKlimat();
}

void TArkuszKondensacji::WnetrzeWybrane(int indeks) {
    if (wypelnianie_)
        return;
    const std::string klucz = wnetrze_->itemData(indeks).toString().toStdString();
    wnetrze_->setToolTip(wnetrze_->itemData(indeks, Qt::ToolTipRole).toString());
    if (model_.Iso13788.Wnetrze != klucz) {
        model_.Iso13788.Wnetrze = klucz;
        model_.Zmieniony = true;
        emit Zmieniono();
    }
}

void TArkuszKondensacji::WierszWybrany(int indeks) {
    if (wypelnianie_)
        return;
    const std::string id = wiersze_->itemData(indeks).toString().toStdString();
    if (model_.Iso13788.WierszWT != id) {
        model_.Iso13788.WierszWT = id;
        model_.Zmieniony = true;
        emit Zmieniono();
    }
}

const TWierszWT& TArkuszKondensacji::WierszWT() const {
    if (const TWierszWT* w = ZnajdzWierszWT(model_.Iso13788.WierszWT))
        return *w;
    return DomyslnyWierszWT(model_.WarunkiPracy.TypPrzegrody.Utf8());
}

void TArkuszKondensacji::OdswiezWierszDomyslny() {
    const TWierszWT& w = DomyslnyWierszWT(model_.WarunkiPracy.TypPrzegrody.Utf8());
    wiersze_->setItemText(0, QStringLiteral("Według rodzaju przegrody: %1").arg(Q(w.Etykieta)));
}

TWyborAnalizy TArkuszKondensacji::Wybor() const {
    TWyborAnalizy w;
    w.Klimat = klimat_ ? &*klimat_ : nullptr;
    w.NazwaKlimatu = model_.Iso13788.Klimat;
    w.Wnetrze = WnetrzeProjektu(model_);
    w.Wiersz = &WierszWT();
    return w;
}

void TArkuszKondensacji::Pokaz(const TAnalizaProjektu& analiza, const TTekstyAnalizy& teksty) {
    OdswiezWierszDomyslny();
    analiza_ = analiza.Wilgoc;
    teksty_ = teksty.Wilgoc;
    lato_ = teksty.Lato;
    PokazTeksty();
}

void TArkuszKondensacji::PokazPrzekroj(const TWilgocPrzekroju* przekroj) {
    if (przekroj)
        przekroj_ = *przekroj;
    else
        przekroj_.reset();
    PokazTeksty();
}

void TArkuszKondensacji::WyczyscWyniki() {
    analiza_.reset();
    przekroj_.reset();
    wyborPrzekroju_->Ustaw({}, 0);
    teksty_ = {};
    lato_.clear();
    PokazTeksty();
    projektowe_->setText(QStringLiteral("Wyniki pojawią się po poleceniu „Oblicz”."));
}

void TArkuszKondensacji::PokazTeksty() {
    projektowe_->setText(Html(teksty_.Projektowe));
    rok_->setText(Html(teksty_.Rok));
    podpowiedzKlimatu_->setVisible(analiza_ && !analiza_->Rok);
    frsi_->setText(Html(teksty_.FRsi));
    wt_->setText(Html(teksty_.WT));
    lato_etykieta_->setText(Html(lato_));
    werdyktyPrzekroju_->setVisible(przekroj_.has_value());
    if (przekroj_)
        werdyktyPrzekroju_->setText(
            QStringLiteral("Oceny w grupach poniżej pochodzą z najniekorzystniejszych przekrojów (każda "
                           "grupa go wskazuje); tabela miesięcy i wykres M<sub>a</sub> – z wybranego "
                           "przekroju.<br>Przekrój %1")
                .arg(Q(przekroj_->Werdykty).toHtmlEscaped()));

    // The monthly table and the Ma bars: the chosen section's when there are sections.
    const TTekstyKondensacji& tabela = przekroj_ ? przekroj_->Teksty : teksty_;
    miesiace_->clear();
    miesiace_->setColumnCount(static_cast<int>(tabela.NaglowekMiesiecy.size()));
    miesiace_->setRowCount(static_cast<int>(tabela.Miesiace.size()));
    QStringList naglowki;
    for (const std::string& n : tabela.NaglowekMiesiecy)
        naglowki << Q(n);
    miesiace_->setHorizontalHeaderLabels(naglowki);
    for (int r = 0; r < miesiace_->rowCount(); ++r) {
        const auto& wiersz = tabela.Miesiace[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(wiersz.size()); ++c) {
            QTableWidgetItem* k =
                Komorka(Q(wiersz[static_cast<std::size_t>(c)]), r == tabela.MiesiacPogrubiony);
            if (c == 0)
                k->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            miesiace_->setItem(r, c, k);
        }
    }
    miesiace_->setVisible(!tabela.Miesiace.empty());
    miesiace_->resizeColumnsToContents();
    DopasujWysokosc(miesiace_);
    // Room for the horizontal scroll bar that many planes may need.
    miesiace_->setFixedHeight(miesiace_->height() + miesiace_->horizontalScrollBar()->sizeHint().height());
    wykresMa_->Rysuj(tabela.MaMiesiecy);
    wykresMa_->setVisible(!tabela.MaMiesiecy.empty());
}

} // namespace murolab
