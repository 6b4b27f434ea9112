// Sheet 0 of the main window: the working conditions (see ArkuszWarunkow.h).
#include "ui/ArkuszWarunkow.h"

#include "core/Liczby.h"
#include "core/TabeleWarunkow.h"
#include "files/PolaRekordu.h"
#include "files/RekordProjektu.h"
#include "rysunki/Rysunki.h"
#include "ui/KontekstPomocy.h"
#include "widgets/Bezpiecznie.h"
#include "widgets/Dialogi.h"
#include "widgets/ListaLiczb.h"
#include "widgets/Nazwy.h"
#include "widgets/NumEdit.h"
#include "widgets/Okna.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace murolab {

namespace {

QString Q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Rsi and Rse as the lists write them: "0,10", "0,13".
QString Opor(double r) {
    return QString::fromStdString(Staly(r, 3, 2));
}

const QString kNieokreslona = Q(kStrefyKlimatyczne[0].Nazwa);
const QString kSrednio = Q(kKlasyWilgotnosci[0].Nazwa);
const QString kScianaZewn = Q(kTypyPrzegrod[0].Nazwa);
const QString kUwaga = QStringLiteral("Murolab -UWAGA !!!");

constexpr int kDlugoscOporu = 5;
// The sheet's size in the smallest window, as designed; a larger sheet spreads its frames.
constexpr int kSzerokoscArkusza = 688;
constexpr int kWysokoscArkusza = 369;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}
std::string S(const QString& tekst) {
    return tekst.toStdString();
}

// The sheet's decorative picture: the program's wall in section.
class TObrazekPrzegrody : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QColor(160, 160, 160));
        RysujPrzekroj(p, QRectF(rect()).adjusted(1, 1, -1, -1), true);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QComboBox* NowaLista(QWidget* rodzic, const QStringList& pozycje, const QString& tekst,
                     const QString& podpowiedz, QComboBox* lista = nullptr) {
    if (!lista) {
        lista = new QComboBox(rodzic);
        // Drop-down lists with an edit part, as designed: any text can be shown, none is added.
        lista->setEditable(true);
        lista->setInsertPolicy(QComboBox::NoInsert);
        lista->setCompleter(nullptr);
    }
    lista->addItems(pozycje);
    lista->setMaxVisibleItems(pozycje.size());
    TArkuszWarunkow::UstawTekstListy(lista, tekst);
    lista->setToolTip(podpowiedz);
    UstawKontekstPomocy(lista, 18);
    return lista;
}

// A list whose texts are longer than its field: the field shows a text from its beginning (an edit
// part otherwise scrolls to its end), and a text that does not fit is its tooltip in full.
void PokazPoczatekTekstu(QComboBox* lista) {
    const QString podpowiedz = lista->toolTip();
    for (int i = 0; i < lista->count(); ++i)
        lista->setItemData(i, lista->itemText(i), Qt::ToolTipRole);
    auto pokaz = [lista, podpowiedz](const QString& tekst) {
        QLineEdit* pole = lista->lineEdit();
        if (!pole->hasFocus())
            pole->setCursorPosition(0);
        const bool miesciSie =
            pole->fontMetrics().horizontalAdvance(tekst) <= pole->contentsRect().width() - 4;
        lista->setToolTip(miesciSie ? podpowiedz : tekst);
    };
    QObject::connect(lista->lineEdit(), &QLineEdit::textChanged, lista, pokaz);
    QObject::connect(lista->lineEdit(), &QLineEdit::editingFinished, lista,
                     [lista, pokaz] { pokaz(lista->currentText()); });
    pokaz(lista->currentText());
}

QLabel* Etykieta(QWidget* rodzic, const QString& tekst, int x, int y) {
    auto* e = new QLabel(tekst, rodzic);
    e->move(x, y);
    e->adjustSize();
    return e;
}
} // namespace

TArkuszWarunkow::TArkuszWarunkow(TModelProjektu& model, TDialogi& dialogi, QWidget* rodzic)
    : QWidget(rodzic), model_(model), dialogi_(dialogi) {
    setObjectName(QStringLiteral("TabSheetWarPracy"));
    Zbuduj();
    // Entering the sheet (the focus moving into it from elsewhere in the window) counts as in the
    // list's own "enter": the class list never shows a state that the layers no longer allow.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* stary, QWidget* nowy) {
        if (stary && nowy && stary->window() == window() && nowy->window() == window() &&
            !isAncestorOf(stary) && isAncestorOf(nowy))
            Bezpiecznie(dialogi_, this, [this] { TabSheetWarPracyEnter(); });
    });
}

void TArkuszWarunkow::UstawTekstListy(QComboBox* lista, const QString& tekst) {
    // Neither activated nor textEdited is raised by these calls: no change handling runs.
    const int i = lista->findText(tekst, Qt::MatchExactly | Qt::MatchCaseSensitive);
    lista->setCurrentIndex(i);
    if (lista->isEditable()) {
        lista->setEditText(tekst);
        // The field shows a text from its beginning, as after a pick from the list.
        if (!lista->lineEdit()->hasFocus())
            lista->lineEdit()->setCursorPosition(0);
    }
}

void TArkuszWarunkow::Zbuduj() {
    QWidget* ark = this;

    // Partition type and surface resistances.
    auto* ramkaTypu = new QGroupBox(ark);
    ramkaTypu->setGeometry(6, 4, 377, 124);
    ramkaTypu_ = ramkaTypu;
    Etykieta(ramkaTypu, QStringLiteral("Typ przegrody"), 12, 10);
    QStringList typy;
    for (const TTypPrzegrody& t : kTypyPrzegrod)
        typy << Q(t.Nazwa);
    typPrzegrody_ = NowaLista(ramkaTypu, typy, kScianaZewn, QStringLiteral("Określ typ przegrody:"));
    typPrzegrody_->setGeometry(12, 28, 333, 24);
    // The types are long: the open list is as wide as its longest entry.
    typPrzegrody_->view()->setMinimumWidth(typPrzegrody_->view()->sizeHintForColumn(0) + 24);
    PokazPoczatekTekstu(typPrzegrody_);

    auto* naglowekOporow =
        new QLabel(QStringLiteral("Opory przejmownia ciepła [m<sup>2</sup>·K/W]"), ramkaTypu);
    naglowekOporow->setGeometry(12, 60, 340, 20);
    Etykieta(ramkaTypu, ZIndeksem(QStringLiteral("R"), QStringLiteral("si")), 16, 90);
    // The resistances are numbers typed by hand as well; these lists discard silently.
    auto listaOporu = [this, ramkaTypu] {
        auto* lista = new TListaLiczb(dialogi_, ramkaTypu);
        lista->UstawZasady(true, kDlugoscOporu, false);
        return lista;
    };
    rsi_ = listaOporu();
    NowaLista(ramkaTypu, {QStringLiteral("0,10"), QStringLiteral("0,13"), QStringLiteral("0,17")},
              QStringLiteral("0,13"), QStringLiteral("Podaj opory przejmowania ciepła"), rsi_);
    rsi_->setGeometry(44, 86, 60, 24);
    Etykieta(ramkaTypu, ZIndeksem(QStringLiteral("R"), QStringLiteral("se")), 136, 90);
    rse_ = listaOporu();
    NowaLista(ramkaTypu, {QStringLiteral("0,04")}, QStringLiteral("0,04"),
              QStringLiteral("Podaj opory przejmowania ciepła"), rse_);
    rse_->setGeometry(164, 86, 60, 24);

    // Temperatures and humidities.
    auto* ramkaWarunkow = new QGroupBox(QStringLiteral("Warunki pracy"), ark);
    ramkaWarunkow->setGeometry(6, 134, 377, 200);
    ramkaWarunkow_ = ramkaWarunkow;
    // One field with its heading above, its symbol before and its unit after it; (x, y) is the
    // heading's place in the frame.
    auto pole = [this, ramkaWarunkow](const QString& naglowek, const QString& symbol, const QString& indeks,
                                      const QString& jednostka, TNumType typ, int dlugosc,
                                      const QString& tekst, const QString& podpowiedz, int x, int y) {
        Etykieta(ramkaWarunkow, naglowek, x, y);
        Etykieta(ramkaWarunkow, ZIndeksem(symbol, indeks), x + 4, y + 26);
        auto* e = new TNumEdit(dialogi_, ramkaWarunkow);
        e->SetNumType(typ);
        e->SetMaxLength(dlugosc);
        e->setText(tekst);
        e->setToolTip(podpowiedz);
        e->setGeometry(x + 26, y + 22, 48, 22);
        UstawKontekstPomocy(e, 18);
        Etykieta(ramkaWarunkow, jednostka, x + 80, y + 26);
        return e;
    };
    const QString t = QStringLiteral("t"), fi = QStringLiteral("Φ");
    const QString stopnie = QStringLiteral("[°C]"), procent = QStringLiteral("[%]");
    tempWew_ = pole(QStringLiteral("Tempetratura wewn."), t, QStringLiteral("i"), stopnie, ntInteger, 3,
                    QStringLiteral("20"), QStringLiteral("Podaj temperaturę wewnętrzną"), 14, 26);
    tempZewn_ = pole(QStringLiteral("Tempetratura zewn."), t, QStringLiteral("e"), stopnie, ntInteger, 3,
                     QStringLiteral("-5"), QStringLiteral("Podaj temperaturę zewnętrzną"), 196, 26);
    wilgotWewn_ = pole(QStringLiteral("Wilgotność wewn."), fi, QStringLiteral("i"), procent, ntNatural, 2,
                       QStringLiteral("55"), QStringLiteral("Podaj wilgotność wewnętrzną"), 14, 88);
    wilgotZewn_ = pole(QStringLiteral("Wilgotność zewn."), fi, QStringLiteral("e"), procent, ntNatural, 2,
                       QStringLiteral("85"), QStringLiteral("Podaj wilgotność zewnętrzną"), 196, 88);
    wprowadz_ = new QPushButton(QStringLiteral("&Wprowadź"), ramkaWarunkow);
    wprowadz_->setGeometry(80, 154, 217, 30);
    QFont gruba = wprowadz_->font();
    gruba.setBold(true);
    wprowadz_->setFont(gruba);

    // Surroundings: climate zone and humidity class, and the picture.
    auto* ramkaOtoczenia = new QGroupBox(QStringLiteral("  Otoczenie  "), ark);
    ramkaOtoczenia->setGeometry(391, 4, 289, 124);
    ramkaOtoczenia_ = ramkaOtoczenia;
    Etykieta(ramkaOtoczenia, QStringLiteral("Strefa klimatyczna"), 12, 22);
    QStringList strefy;
    for (const TStrefaKlimatyczna& s : kStrefyKlimatyczne)
        strefy << Q(s.Nazwa);
    strefaKl_ = NowaLista(ramkaOtoczenia, strefy, kNieokreslona, QStringLiteral("Określ strefę klimatyczną"));
    strefaKl_->setGeometry(12, 40, 265, 24);
    Etykieta(ramkaOtoczenia, QStringLiteral("Wilgotność środowiska"), 12, 70);
    QStringList klasy;
    for (const TKlasaWilgotnosci& k : kKlasyWilgotnosci)
        klasy << Q(k.Nazwa);
    warunkiWilg_ =
        NowaLista(ramkaOtoczenia, klasy, kSrednio, QStringLiteral("Określ warunki wilgotnościowe"));
    warunkiWilg_->setGeometry(12, 88, 265, 24);
    auto* obrazek = new TObrazekPrzegrody(ark);
    obrazek->setGeometry(391, 134, 289, 200);
    obrazek_ = obrazek;

    for (QWidget* w : ramkaWarunkow->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        w->setProperty("polozenieProjektu", w->pos());

    setTabOrder(typPrzegrody_, strefaKl_);
    setTabOrder(strefaKl_, warunkiWilg_);
    setTabOrder(warunkiWilg_, rsi_);
    setTabOrder(rsi_, rse_);
    setTabOrder(rse_, tempWew_);
    setTabOrder(tempWew_, tempZewn_);
    setTabOrder(tempZewn_, wilgotWewn_);
    setTabOrder(wilgotWewn_, wilgotZewn_);
    setTabOrder(wilgotZewn_, wprowadz_);

    NazwijKontrolki({{typPrzegrody_, "ComboBoxTypPrzegrody"},
                     {strefaKl_, "ComboBoxStrefaKl"},
                     {warunkiWilg_, "ComboBoxWarunkiWilg"},
                     {rsi_, "ComboBoxRsi"},
                     {rse_, "ComboBoxRse"},
                     {tempWew_, "NumEditTempWew"},
                     {tempZewn_, "NumEditTempZewn"},
                     {wilgotWewn_, "NumEditWilgotWewn"},
                     {wilgotZewn_, "NumEditWilgotZewn"},
                     {wprowadz_, "Button6"}});

    // Picking from a list (mouse, arrow keys) and editing its text are the user's changes; the
    // program's own writes (UstawTekstListy) raise neither.
    auto zmiana = [this](QComboBox* lista, void (TArkuszWarunkow::*obsluga)()) {
        PolaczBezpiecznie(dialogi_, this, lista, &QComboBox::textActivated,
                          [this, obsluga] { (this->*obsluga)(); });
        PolaczBezpiecznie(dialogi_, this, lista->lineEdit(), &QLineEdit::textEdited,
                          [this, obsluga] { (this->*obsluga)(); });
    };
    zmiana(typPrzegrody_, &TArkuszWarunkow::ComboBoxTypPrzegrodyChange);
    zmiana(strefaKl_, &TArkuszWarunkow::ComboBoxStrefaKlChange);
    zmiana(warunkiWilg_, &TArkuszWarunkow::ComboBoxWarunkiWilgChange);
    for (QComboBox* lista : {typPrzegrody_, strefaKl_, warunkiWilg_}) {
        lista->installEventFilter(this);
        lista->lineEdit()->installEventFilter(this);
    }
    PolaczBezpiecznie(dialogi_, this, rsi_, &TListaLiczb::Wyjscie, [this] { ComboBoxRsiExit(); });
    PolaczBezpiecznie(dialogi_, this, rse_, &TListaLiczb::Wyjscie, [this] { ComboBoxRseExit(); });
    PolaczBezpiecznie(dialogi_, this, tempZewn_, &QLineEdit::textChanged,
                      [this] { NumEditTempZewnChange(); });
    PolaczBezpiecznie(dialogi_, this, wilgotWewn_, &TNumEdit::Wyjscie, [this] { NumEditWilgotWewnExit(); });
    PolaczBezpiecznie(dialogi_, this, wprowadz_, &QPushButton::clicked, [this] { Button6Click(); });
}

void TArkuszWarunkow::resizeEvent(QResizeEvent* zdarzenie) {
    QWidget::resizeEvent(zdarzenie);
    // What the sheet has beyond its designed size goes half to each column of frames across, and
    // to the lower row down; the lists widen with their frames, the picture fills its place.
    const int dx = std::max(0, width() - kSzerokoscArkusza);
    const int dy = std::max(0, height() - kWysokoscArkusza);
    const int lewa = dx / 2;
    const int prawa = dx - lewa;
    ramkaTypu_->setGeometry(6, 4, 377 + lewa, 124);
    ramkaWarunkow_->setGeometry(6, 134, 377 + lewa, 200 + dy);
    ramkaOtoczenia_->setGeometry(391 + lewa, 4, 289 + prawa, 124);
    obrazek_->setGeometry(391 + lewa, 134, 289 + prawa, 200 + dy);
    typPrzegrody_->resize(333 + lewa, typPrzegrody_->height());
    strefaKl_->resize(265 + prawa, strefaKl_->height());
    warunkiWilg_->resize(265 + prawa, warunkiWilg_->height());
    // The fields and "&Wprowadź" stay together in the middle of their frame.
    const int przesuniecie = lewa / 2;
    for (QWidget* w : ramkaWarunkow_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QPoint projekt = w->property("polozenieProjektu").toPoint();
        w->move(projekt.x() + przesuniecie, projekt.y() + dy / 2);
    }
}

bool TArkuszWarunkow::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    QComboBox* lista = qobject_cast<QComboBox*>(obiekt);
    if (!lista)
        if (auto* pole = qobject_cast<QLineEdit*>(obiekt))
            lista = qobject_cast<QComboBox*>(pole->parentWidget());
    if (!lista || (lista != typPrzegrody_ && lista != strefaKl_ && lista != warunkiWilg_))
        return false;

    if (zdarzenie->type() == QEvent::KeyPress) {
        const QChar znak = ZnakKlawisza(static_cast<QKeyEvent*>(zdarzenie));
        if (znak.isNull())
            return false; // arrows, Delete, Tab, F-keys: not characters
        // Type, zone and class are chosen from the list only: every character goes, silently (Enter
        // too: it must not make Qt pick the typed text).
        return true;
    }

    if (zdarzenie->type() == QEvent::FocusOut) {
        const auto powod = static_cast<QFocusEvent*>(zdarzenie)->reason();
        if (powod == Qt::ActiveWindowFocusReason || powod == Qt::PopupFocusReason)
            return false;
        // Focus moving between the list and its own edit part is not leaving the list.
        const QWidget* nowy = QApplication::focusWidget();
        if (nowy && (nowy == lista || lista->isAncestorOf(nowy)))
            return false;
        if (lista == typPrzegrody_)
            Bezpiecznie(dialogi_, this, [this] { ComboBoxTypPrzegrodyExit(); });
        else if (lista == strefaKl_)
            Bezpiecznie(dialogi_, this, [this] { ComboBoxStrefaKlExit(); });
    }
    return QWidget::eventFilter(obiekt, zdarzenie);
}

void TArkuszWarunkow::ComboBoxTypPrzegrodyChange() {
    if (const TTypPrzegrody* t = ZnajdzTypPrzegrody(S(typPrzegrody_->currentText()))) {
        UstawTekstListy(rsi_, Opor(t->Rsi));
        UstawTekstListy(rse_, Opor(t->Rse));
    }
}

void TArkuszWarunkow::ComboBoxTypPrzegrodyExit() {
    if (typPrzegrody_->currentText().isEmpty())
        UstawTekstListy(typPrzegrody_, kScianaZewn);
}

namespace {
// Empty -> the designed default; else the shortest general form of the number.
QString UporzadkowanyOpor(const QString& tekst, const QString& domyslny) {
    if (tekst.isEmpty())
        return domyslny;
    return QString::fromStdString(Ogolny(NaLiczbe(S(tekst))));
}
} // namespace

void TArkuszWarunkow::ComboBoxRsiExit() {
    UstawTekstListy(rsi_, UporzadkowanyOpor(rsi_->currentText(), QStringLiteral("0,13")));
}

void TArkuszWarunkow::ComboBoxRseExit() {
    UstawTekstListy(rse_, UporzadkowanyOpor(rse_->currentText(), QStringLiteral("0,04")));
}

void TArkuszWarunkow::NumEditTempZewnChange() {
    const QString te = tempZewn_->text();
    if (te == QLatin1String("-"))
        return;
    // Only a te written as the zone list writes it selects its zone ("-016" does not).
    std::int32_t wartosc = 0;
    const TStrefaKlimatyczna* strefa = &kStrefyKlimatyczne[0];
    if (ProbujNaCalkowita(S(te), wartosc) && te == QString::fromStdString(Calkowita(wartosc)))
        strefa = &StrefaDlaTe(wartosc);
    UstawTekstListy(strefaKl_, Q(strefa->Nazwa));
}

void TArkuszWarunkow::ComboBoxStrefaKlChange() {
    if (const TStrefaKlimatyczna* s = ZnajdzStrefe(S(strefaKl_->currentText())))
        tempZewn_->setText(QString::fromStdString(Calkowita(s->Te)));
}

void TArkuszWarunkow::ComboBoxStrefaKlExit() {
    if (!ZnajdzStrefe(S(strefaKl_->currentText())))
        UstawTekstListy(strefaKl_, kNieokreslona);
}

void TArkuszWarunkow::NumEditWilgotWewnExit() {
    const int fi = NaCalkowita(S(wilgotWewn_->text()));
    UstawTekstListy(warunkiWilg_, Q(KlasaDlaFi(fi).Nazwa));
}

void TArkuszWarunkow::ComboBoxWarunkiWilgChange() {
    const TKlasaWilgotnosci* klasa = ZnajdzKlase(S(warunkiWilg_->currentText()));
    if (!klasa) {
        klasa = &kKlasyWilgotnosci[0];
        UstawTekstListy(warunkiWilg_, Q(klasa->Nazwa));
    }
    wilgotWewn_->setText(QString::fromStdString(Calkowita(klasa->FiI)));
}

void TArkuszWarunkow::TabSheetWarPracyEnter() {
    // The insertion dialog takes each layer's lambda for the class shown here; once layers exist,
    // changing the class would leave their lambdas behind.
    warunkiWilg_->setEnabled(model_.LiczbaWarstw <= 0);
}

bool TArkuszWarunkow::SprawdzPolaWarunkow() {
    auto odrzuc = [this](QWidget* kontrolka, const char* komunikat) {
        dialogi_.Komunikat(this, Q(komunikat), kUwaga, TIkona::Stop, TPrzyciski::Ok);
        kontrolka->setFocus(Qt::OtherFocusReason);
        return false;
    };
    // Each value is converted just before its test, so an unconvertible field reports only after
    // the fields before it have passed. The limits are those a project file is held to when opened.
    const double rsi = NaLiczbe(S(rsi_->currentText()));
    if (!WZakresie(PoleWarunkow("Rsi").Dopuszczalne, rsi))
        return odrzuc(
            rsi_, "Niepoprawnie wprowadzono wartość oporu przejmownia ciepła na wewnętrznej powierzchni !!");
    const double rse = NaLiczbe(S(rse_->currentText()));
    if (!WZakresie(PoleWarunkow("Rse").Dopuszczalne, rse))
        return odrzuc(
            rse_, "Niepoprawnie wprowadzono wartość oporu przejmownia ciepła na zewnętrznej powierzchni !!");
    const int ti = NaCalkowita(S(tempWew_->text()));
    if (!WZakresie(PoleWarunkow("TempWew").Dopuszczalne, ti))
        return odrzuc(tempWew_, "Nie poprawna wartość temperatury po wewnętrznej stronie przegrody !!");
    const int te = NaCalkowita(S(tempZewn_->text()));
    if (!WZakresie(PoleWarunkow("TempZewn").Dopuszczalne, te))
        return odrzuc(tempZewn_, "Nie poprawna wartość temperatury po zewnętrznej stronie przegrody !!");
    const int fi = NaCalkowita(S(wilgotWewn_->text()));
    if (!WZakresie(PoleWarunkow("WilgotWewn").Dopuszczalne, fi))
        return odrzuc(wilgotWewn_, "Nie poprawnia wilgotność po wewnętrznej stronie przegrody !!");
    const int fe = NaCalkowita(S(wilgotZewn_->text()));
    if (!WZakresie(PoleWarunkow("WilgotZewn").Dopuszczalne, fe))
        return odrzuc(wilgotZewn_, "Nie poprawnia wilgotność po zewnętrznej stronie przegrody !!");
    return true;
}

void TArkuszWarunkow::ZapamietajWarunki() {
    TWarunkiPracy& w = model_.WarunkiPracy;
    w.TypPrzegrody.UstawUtf8(S(typPrzegrody_->currentText()));
    w.Rsi = NaLiczbe(S(rsi_->currentText()));
    w.Rse = NaLiczbe(S(rse_->currentText()));
    w.TempWew = NaCalkowita(S(tempWew_->text()));
    w.TempZewn = NaCalkowita(S(tempZewn_->text()));
    w.WilgotWewn = NaCalkowita(S(wilgotWewn_->text()));
    w.WilgotZewn = NaCalkowita(S(wilgotZewn_->text()));
    w.WarunkiWilg.UstawUtf8(S(warunkiWilg_->currentText()));
    w.StrefaKl.UstawUtf8(S(strefaKl_->currentText()));
}

void TArkuszWarunkow::Button6Click() {
    if (!SprawdzPolaWarunkow())
        return;
    const TRekordProjektu przed = KodujRekord(model_);
    ZapamietajWarunki();
    emit Wprowadzono(KodujRekord(model_) != przed);
}

void TArkuszWarunkow::UstawDomyslne() {
    tempWew_->setText(QStringLiteral("20"));
    // Written as the program writes: the te change handling runs and shows "nieokreślona".
    tempZewn_->setText(QStringLiteral("-5"));
    wilgotWewn_->setText(QStringLiteral("45"));
    wilgotZewn_->setText(QStringLiteral("85"));
    UstawTekstListy(typPrzegrody_, kScianaZewn);
    UstawTekstListy(strefaKl_, kNieokreslona);
    UstawTekstListy(warunkiWilg_, QStringLiteral("Warunki średniowilgotne"));
    UstawTekstListy(rsi_, QStringLiteral("0,13"));
    UstawTekstListy(rse_, QStringLiteral("0,04"));
}

void TArkuszWarunkow::PokazWarunki(const TWarunkiPracy& w) {
    // A project saved before "&Wprowadź" holds the "not set" markers, not temperatures of 50 and
    // -50 degC: it shows the sheet of a new project, and the model keeps its markers.
    if (!w.Ustalone()) {
        UstawDomyslne();
        return;
    }
    auto tekst = [](const std::string& t) { return QString::fromStdString(t); };
    tempWew_->setText(tekst(Calkowita(w.TempWew)));
    // The te change handling picks a zone here; the stored zone replaces it two lines below.
    tempZewn_->setText(tekst(Calkowita(w.TempZewn)));
    wilgotWewn_->setText(tekst(Calkowita(w.WilgotWewn)));
    wilgotZewn_->setText(tekst(Calkowita(w.WilgotZewn)));
    // Written without change handling, so a cut partition type cannot overwrite the stored Rsi, Rse.
    UstawTekstListy(typPrzegrody_, tekst(w.TypPrzegrody.Utf8()));
    UstawTekstListy(strefaKl_, tekst(w.StrefaKl.Utf8()));
    UstawTekstListy(warunkiWilg_, tekst(w.WarunkiWilg.Utf8()));
    UstawTekstListy(rsi_, tekst(Ogolny(w.Rsi)));
    UstawTekstListy(rse_, tekst(Ogolny(w.Rse)));
}

int TArkuszWarunkow::TempWewnetrzna() const {
    return NaCalkowita(S(tempWew_->text()));
}

int TArkuszWarunkow::TempZewnetrzna() const {
    return NaCalkowita(S(tempZewn_->text()));
}

QString TArkuszWarunkow::KlasaWilgotnosci() const {
    return warunkiWilg_->currentText();
}

QString TArkuszWarunkow::TypPrzegrody() const {
    return typPrzegrody_->currentText();
}

} // namespace murolab
