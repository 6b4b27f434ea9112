// Part of TFormPrzegroda: sheet 0, the working conditions. The lists only propose values (a type
// proposes Rsi and Rse, a zone te, a class phi_i, and backwards); the model takes them only on
// "&Wprowadź", after the six checks.
#include "ui/FormPrzegroda.h"

#include "core/Liczby.h"
#include "core/TabeleWarunkow.h"
#include "files/PolaRekordu.h"
#include "ui/KontekstPomocy.h"
#include "ui/Okna.h"
#include "ui/Rysunki.h"
#include "widgets/NumEdit.h"

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

#include <array>

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

constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;
constexpr int kDlugoscOporu = 5;

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
                     const QString& podpowiedz) {
    auto* lista = new QComboBox(rodzic);
    // Drop-down lists with an edit part, as designed: any text can be shown, none is added.
    lista->setEditable(true);
    lista->setInsertPolicy(QComboBox::NoInsert);
    lista->setCompleter(nullptr);
    lista->addItems(pozycje);
    lista->setMaxVisibleItems(pozycje.size());
    TFormPrzegroda::UstawTekstListy(lista, tekst);
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

void TFormPrzegroda::UstawTekstListy(QComboBox* lista, const QString& tekst) {
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

void TFormPrzegroda::ZbudujArkuszWarunkow() {
    QWidget* ark = TabSheetWarPracy;

    // Partition type and surface resistances.
    auto* ramkaTypu = new QGroupBox(ark);
    ramkaTypu->setGeometry(6, 4, 377, 124);
    Etykieta(ramkaTypu, QStringLiteral("Typ przegrody"), 12, 10);
    QStringList typy;
    for (const TTypPrzegrody& t : kTypyPrzegrod)
        typy << Q(t.Nazwa);
    ComboBoxTypPrzegrody = NowaLista(ramkaTypu, typy, kScianaZewn, QStringLiteral("Określ typ przegrody:"));
    ComboBoxTypPrzegrody->setGeometry(12, 28, 333, 24);
    // The types are long: the open list is as wide as its longest entry.
    ComboBoxTypPrzegrody->view()->setMinimumWidth(ComboBoxTypPrzegrody->view()->sizeHintForColumn(0) + 24);
    PokazPoczatekTekstu(ComboBoxTypPrzegrody);

    auto* naglowekOporow =
        new QLabel(QStringLiteral("Opory przejmownia ciepła [m<sup>2</sup>·K/W]"), ramkaTypu);
    naglowekOporow->setGeometry(12, 60, 340, 20);
    Etykieta(ramkaTypu, ZIndeksem(QStringLiteral("R"), QStringLiteral("si")), 16, 90);
    ComboBoxRsi =
        NowaLista(ramkaTypu, {QStringLiteral("0,10"), QStringLiteral("0,13"), QStringLiteral("0,17")},
                  QStringLiteral("0,13"), QStringLiteral("Podaj opory przejmowania ciepła"));
    ComboBoxRsi->setGeometry(44, 86, 60, 24);
    Etykieta(ramkaTypu, ZIndeksem(QStringLiteral("R"), QStringLiteral("se")), 136, 90);
    ComboBoxRse = NowaLista(ramkaTypu, {QStringLiteral("0,04")}, QStringLiteral("0,04"),
                            QStringLiteral("Podaj opory przejmowania ciepła"));
    ComboBoxRse->setGeometry(164, 86, 60, 24);

    // Temperatures and humidities.
    auto* ramkaWarunkow = new QGroupBox(QStringLiteral("Warunki pracy"), ark);
    ramkaWarunkow->setGeometry(6, 134, 377, 200);
    // One field with its heading above, its symbol before and its unit after it; (x, y) is the
    // heading's place in the frame.
    auto pole = [this, ramkaWarunkow](const QString& naglowek, const QString& symbol, const QString& indeks,
                                      const QString& jednostka, TNumType typ, int dlugosc,
                                      const QString& tekst, const QString& podpowiedz, int x, int y) {
        Etykieta(ramkaWarunkow, naglowek, x, y);
        Etykieta(ramkaWarunkow, ZIndeksem(symbol, indeks), x + 4, y + 26);
        auto* e = new TNumEdit(Dialogi, ramkaWarunkow);
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
    NumEditTempWew = pole(QStringLiteral("Tempetratura wewn."), t, QStringLiteral("i"), stopnie, ntInteger, 3,
                          QStringLiteral("20"), QStringLiteral("Podaj temperaturę wewnętrzną"), 14, 26);
    NumEditTempZewn = pole(QStringLiteral("Tempetratura zewn."), t, QStringLiteral("e"), stopnie, ntInteger,
                           3, QStringLiteral("-5"), QStringLiteral("Podaj temperaturę zewnętrzną"), 196, 26);
    NumEditWilgotWewn = pole(QStringLiteral("Wilgotność wewn."), fi, QStringLiteral("i"), procent, ntNatural,
                             2, QStringLiteral("55"), QStringLiteral("Podaj wilgotność wewnętrzną"), 14, 88);
    NumEditWilgotZewn = pole(QStringLiteral("Wilgotność zewn."), fi, QStringLiteral("e"), procent, ntNatural,
                             2, QStringLiteral("85"), QStringLiteral("Podaj wilgotność zewnętrzną"), 196, 88);
    Button6 = new QPushButton(QStringLiteral("&Wprowadź"), ramkaWarunkow);
    Button6->setGeometry(80, 154, 217, 30);
    QFont gruba = Button6->font();
    gruba.setBold(true);
    Button6->setFont(gruba);

    // Surroundings: climate zone and humidity class, and the picture.
    auto* ramkaOtoczenia = new QGroupBox(QStringLiteral("  Otoczenie  "), ark);
    ramkaOtoczenia->setGeometry(391, 4, 289, 124);
    Etykieta(ramkaOtoczenia, QStringLiteral("Strefa klimatyczna"), 12, 22);
    QStringList strefy;
    for (const TStrefaKlimatyczna& s : kStrefyKlimatyczne)
        strefy << Q(s.Nazwa);
    ComboBoxStrefaKl =
        NowaLista(ramkaOtoczenia, strefy, kNieokreslona, QStringLiteral("Określ strefę klimatyczną"));
    ComboBoxStrefaKl->setGeometry(12, 40, 265, 24);
    Etykieta(ramkaOtoczenia, QStringLiteral("Wilgotność środowiska"), 12, 70);
    QStringList klasy;
    for (const TKlasaWilgotnosci& k : kKlasyWilgotnosci)
        klasy << Q(k.Nazwa);
    ComboBoxWarunkiWilg =
        NowaLista(ramkaOtoczenia, klasy, kSrednio, QStringLiteral("Określ warunki wilgotnościowe"));
    ComboBoxWarunkiWilg->setGeometry(12, 88, 265, 24);
    auto* obrazek = new TObrazekPrzegrody(ark);
    obrazek->setGeometry(391, 134, 289, 200);

    setTabOrder(ComboBoxTypPrzegrody, ComboBoxStrefaKl);
    setTabOrder(ComboBoxStrefaKl, ComboBoxWarunkiWilg);
    setTabOrder(ComboBoxWarunkiWilg, ComboBoxRsi);
    setTabOrder(ComboBoxRsi, ComboBoxRse);
    setTabOrder(ComboBoxRse, NumEditTempWew);
    setTabOrder(NumEditTempWew, NumEditTempZewn);
    setTabOrder(NumEditTempZewn, NumEditWilgotWewn);
    setTabOrder(NumEditWilgotWewn, NumEditWilgotZewn);
    setTabOrder(NumEditWilgotZewn, Button6);

    // Picking from a list (mouse, arrow keys) and editing its text are the user's changes; the
    // program's own writes (UstawTekstListy) raise neither.
    auto zmiana = [this](QComboBox* lista, void (TFormPrzegroda::*obsluga)()) {
        auto wywolaj = [this, obsluga] { Bezpiecznie([this, obsluga] { (this->*obsluga)(); }); };
        connect(lista, &QComboBox::textActivated, this, wywolaj);
        connect(lista->lineEdit(), &QLineEdit::textEdited, this, wywolaj);
    };
    zmiana(ComboBoxTypPrzegrody, &TFormPrzegroda::ComboBoxTypPrzegrodyChange);
    zmiana(ComboBoxStrefaKl, &TFormPrzegroda::ComboBoxStrefaKlChange);
    zmiana(ComboBoxWarunkiWilg, &TFormPrzegroda::ComboBoxWarunkiWilgChange);
    for (QComboBox* lista :
         {ComboBoxTypPrzegrody, ComboBoxStrefaKl, ComboBoxWarunkiWilg, ComboBoxRsi, ComboBoxRse}) {
        lista->installEventFilter(this);
        lista->lineEdit()->installEventFilter(this);
    }
    connect(NumEditTempZewn, &QLineEdit::textChanged, this,
            [this] { Bezpiecznie([this] { NumEditTempZewnChange(); }); });
    connect(NumEditWilgotWewn, &TNumEdit::Wyjscie, this,
            [this] { Bezpiecznie([this] { NumEditWilgotWewnExit(); }); });
    connect(Button6, &QPushButton::clicked, this, [this] { Bezpiecznie([this] { Button6Click(); }); });
    // Bringing the sheet to the front counts as entering it, so the class list never shows a
    // state that the layers no longer allow.
    connect(PageControlPrzegroda, &QTabWidget::currentChanged, this, [this](int k) {
        if (k == 0)
            Bezpiecznie([this] { TabSheetWarPracyEnter(); });
    });
}

bool TFormPrzegroda::FiltrArkuszaWarunkow(QObject* obiekt, QEvent* zdarzenie) {
    QComboBox* lista = qobject_cast<QComboBox*>(obiekt);
    if (!lista)
        if (auto* pole = qobject_cast<QLineEdit*>(obiekt))
            lista = qobject_cast<QComboBox*>(pole->parentWidget());
    if (!lista || (lista != ComboBoxTypPrzegrody && lista != ComboBoxStrefaKl &&
                   lista != ComboBoxWarunkiWilg && lista != ComboBoxRsi && lista != ComboBoxRse))
        return false;

    if (zdarzenie->type() == QEvent::KeyPress) {
        const QChar znak = ZnakKlawisza(static_cast<QKeyEvent*>(zdarzenie));
        if (znak.isNull())
            return false; // arrows, Delete, Tab, F-keys: not characters
        const char16_t c = znak.unicode();
        // Enter does nothing in these lists (and must not make Qt pick the typed text).
        if (c == kEnter)
            return true;
        if (lista == ComboBoxRsi || lista == ComboBoxRse) {
            const QLineEdit* pole = lista->lineEdit();
            bool przyjety = false;
            if (c == kSeparatorDziesietny)
                przyjety = !pole->text().contains(QChar(kSeparatorDziesietny));
            else
                przyjety = c == kBackspace || (c >= u'0' && c <= u'9');
            if (przyjety && c != kBackspace &&
                pole->text().size() - pole->selectedText().size() + 1 > kDlugoscOporu)
                przyjety = false;
            if (!przyjety)
                return true;
            if (c == kSeparatorDziesietny && static_cast<QKeyEvent*>(zdarzenie)->text() != QString(znak)) {
                // The keypad's decimal key types the program's separator whatever its own character.
                lista->lineEdit()->insert(QString(QChar(kSeparatorDziesietny)));
                return true;
            }
            return false;
        }
        // Type, zone and class are chosen from the list only: every character goes, silently.
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
        if (lista == ComboBoxTypPrzegrody)
            Bezpiecznie([this] { ComboBoxTypPrzegrodyExit(); });
        else if (lista == ComboBoxRsi)
            Bezpiecznie([this] { ComboBoxRsiExit(); });
        else if (lista == ComboBoxRse)
            Bezpiecznie([this] { ComboBoxRseExit(); });
        else if (lista == ComboBoxStrefaKl)
            Bezpiecznie([this] { ComboBoxStrefaKlExit(); });
    }
    return false;
}

void TFormPrzegroda::ComboBoxTypPrzegrodyChange() {
    if (const TTypPrzegrody* t = ZnajdzTypPrzegrody(S(ComboBoxTypPrzegrody->currentText()))) {
        UstawTekstListy(ComboBoxRsi, Opor(t->Rsi));
        UstawTekstListy(ComboBoxRse, Opor(t->Rse));
    }
}

void TFormPrzegroda::ComboBoxTypPrzegrodyExit() {
    if (ComboBoxTypPrzegrody->currentText().isEmpty())
        UstawTekstListy(ComboBoxTypPrzegrody, kScianaZewn);
}

namespace {
// Empty -> the designed default; else the shortest general form of the number.
QString UporzadkowanyOpor(const QString& tekst, const QString& domyslny) {
    if (tekst.isEmpty())
        return domyslny;
    return QString::fromStdString(Ogolny(NaLiczbe(S(tekst))));
}
} // namespace

void TFormPrzegroda::ComboBoxRsiExit() {
    UstawTekstListy(ComboBoxRsi, UporzadkowanyOpor(ComboBoxRsi->currentText(), QStringLiteral("0,13")));
}

void TFormPrzegroda::ComboBoxRseExit() {
    UstawTekstListy(ComboBoxRse, UporzadkowanyOpor(ComboBoxRse->currentText(), QStringLiteral("0,04")));
}

void TFormPrzegroda::NumEditTempZewnChange() {
    const QString te = NumEditTempZewn->text();
    if (te == QLatin1String("-"))
        return;
    // Only a te written as the zone list writes it selects its zone ("-016" does not).
    std::int32_t wartosc = 0;
    const TStrefaKlimatyczna* strefa = &kStrefyKlimatyczne[0];
    if (ProbujNaCalkowita(S(te), wartosc) && te == QString::fromStdString(Calkowita(wartosc)))
        strefa = &StrefaDlaTe(wartosc);
    UstawTekstListy(ComboBoxStrefaKl, Q(strefa->Nazwa));
}

void TFormPrzegroda::ComboBoxStrefaKlChange() {
    if (const TStrefaKlimatyczna* s = ZnajdzStrefe(S(ComboBoxStrefaKl->currentText())))
        NumEditTempZewn->setText(QString::fromStdString(Calkowita(s->Te)));
}

void TFormPrzegroda::ComboBoxStrefaKlExit() {
    if (!ZnajdzStrefe(S(ComboBoxStrefaKl->currentText())))
        UstawTekstListy(ComboBoxStrefaKl, kNieokreslona);
}

void TFormPrzegroda::NumEditWilgotWewnExit() {
    const int fi = NaCalkowita(S(NumEditWilgotWewn->text()));
    UstawTekstListy(ComboBoxWarunkiWilg, Q(KlasaDlaFi(fi).Nazwa));
}

void TFormPrzegroda::ComboBoxWarunkiWilgChange() {
    const TKlasaWilgotnosci* klasa = ZnajdzKlase(S(ComboBoxWarunkiWilg->currentText()));
    if (!klasa) {
        klasa = &kKlasyWilgotnosci[0];
        UstawTekstListy(ComboBoxWarunkiWilg, Q(klasa->Nazwa));
    }
    NumEditWilgotWewn->setText(QString::fromStdString(Calkowita(klasa->FiI)));
}

void TFormPrzegroda::TabSheetWarPracyEnter() {
    // The insertion dialog takes each layer's lambda for the class shown here; once layers exist,
    // changing the class would leave their lambdas behind.
    ComboBoxWarunkiWilg->setEnabled(Model.LiczbaWarstw <= 0);
}

bool TFormPrzegroda::SprawdzPolaWarunkow() {
    auto odrzuc = [this](QWidget* kontrolka, const char* komunikat) {
        Dialogi.Komunikat(this, Q(komunikat), kUwaga, TIkona::Stop, TPrzyciski::Ok);
        kontrolka->setFocus(Qt::OtherFocusReason);
        return false;
    };
    // Each value is converted just before its test, so an unconvertible field reports only after
    // the fields before it have passed. The limits are those a project file is held to when opened.
    const double rsi = NaLiczbe(S(ComboBoxRsi->currentText()));
    if (!WZakresie(PoleWarunkow("Rsi").Dopuszczalne, rsi))
        return odrzuc(
            ComboBoxRsi,
            "Niepoprawnie wprowadzono wartość oporu przejmownia ciepła na wewnętrznej powierzchni !!");
    const double rse = NaLiczbe(S(ComboBoxRse->currentText()));
    if (!WZakresie(PoleWarunkow("Rse").Dopuszczalne, rse))
        return odrzuc(
            ComboBoxRse,
            "Niepoprawnie wprowadzono wartość oporu przejmownia ciepła na zewnętrznej powierzchni !!");
    const int ti = NaCalkowita(S(NumEditTempWew->text()));
    if (!WZakresie(PoleWarunkow("TempWew").Dopuszczalne, ti))
        return odrzuc(NumEditTempWew, "Nie poprawna wartość temperatury po wewnętrznej stronie przegrody !!");
    const int te = NaCalkowita(S(NumEditTempZewn->text()));
    if (!WZakresie(PoleWarunkow("TempZewn").Dopuszczalne, te))
        return odrzuc(NumEditTempZewn,
                      "Nie poprawna wartość temperatury po zewnętrznej stronie przegrody !!");
    const int fi = NaCalkowita(S(NumEditWilgotWewn->text()));
    if (!WZakresie(PoleWarunkow("WilgotWewn").Dopuszczalne, fi))
        return odrzuc(NumEditWilgotWewn, "Nie poprawnia wilgotność po wewnętrznej stronie przegrody !!");
    const int fe = NaCalkowita(S(NumEditWilgotZewn->text()));
    if (!WZakresie(PoleWarunkow("WilgotZewn").Dopuszczalne, fe))
        return odrzuc(NumEditWilgotZewn, "Nie poprawnia wilgotność po zewnętrznej stronie przegrody !!");
    return true;
}

void TFormPrzegroda::ZapamietajWarunki() {
    TWarunkiPracy& w = Model.WarunkiPracy;
    w.TypPrzegrody.UstawUtf8(S(ComboBoxTypPrzegrody->currentText()));
    w.Rsi = NaLiczbe(S(ComboBoxRsi->currentText()));
    w.Rse = NaLiczbe(S(ComboBoxRse->currentText()));
    w.TempWew = NaCalkowita(S(NumEditTempWew->text()));
    w.TempZewn = NaCalkowita(S(NumEditTempZewn->text()));
    w.WilgotWewn = NaCalkowita(S(NumEditWilgotWewn->text()));
    w.WilgotZewn = NaCalkowita(S(NumEditWilgotZewn->text()));
    w.WarunkiWilg.UstawUtf8(S(ComboBoxWarunkiWilg->currentText()));
    w.StrefaKl.UstawUtf8(S(ComboBoxStrefaKl->currentText()));
}

void TFormPrzegroda::Button6Click() {
    if (!SprawdzPolaWarunkow())
        return;
    const TRekordProjektu przed = KodujRekord(Model);
    ZapamietajWarunki();
    if (KodujRekord(Model) != przed)
        ZaznaczZmiane();
    PokazLinieWarunkow();
    PokazArkusz(1);
}

} // namespace murolab
