#include "ui/FormDane.h"

#include "widgets/Bezpiecznie.h"
#include "widgets/Nazwy.h"
#include "widgets/Tytul.h"

#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <tuple>

namespace murolab {

namespace {
QFont Czcionka(int piksele, bool gruba = false) {
    QFont f;
    f.setPixelSize(piksele);
    f.setBold(gruba);
    return f;
}
} // namespace

TFormDane::TFormDane(TModelProjektu& model, TDialogi& dialogi, QWidget* rodzic)
    : QDialog(rodzic), model_(model), dialogi_(dialogi) {
    setWindowTitle(TytulProgramu());
    // A fixed single border with the system menu, the minimise button and the close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(507, 376);

    GroupBox1 = new QGroupBox(QStringLiteral("Dane projektu:"), this);
    GroupBox1->setFont(Czcionka(16, true));
    GroupBox1->setGeometry(12, 10, 483, 300);

    auto* siatka = new QGridLayout(GroupBox1);
    siatka->setContentsMargins(16, 22, 16, 16);
    siatka->setHorizontalSpacing(12);
    siatka->setVerticalSpacing(14);
    const QFont etykiety = Czcionka(13);
    auto pole = [&](int wiersz, const QString& podpis, QWidget* kontrolka) {
        auto* etykieta = new QLabel(podpis, GroupBox1);
        etykieta->setFont(etykiety);
        etykieta->setBuddy(kontrolka);
        kontrolka->setFont(etykiety);
        siatka->addWidget(etykieta, wiersz, 0);
        siatka->addWidget(kontrolka, wiersz, 1);
    };
    auto tekst = [&](const char* nazwa, int limit) {
        auto* e = new QLineEdit(GroupBox1);
        e->setObjectName(QString::fromLatin1(nazwa));
        e->setMaxLength(limit);
        return e;
    };
    EditInwestor = tekst("EditInwestor", 40);
    EditObiekt = tekst("EditObiekt", 40);
    EditAdres = tekst("EditAdres", 60);
    EditRodzajPrze = tekst("EditRodzajPrze", 40);
    EditProjektant = tekst("EditProjektant", 40);
    // The calculation is dated today unless the user picks another day.
    DateTimePicker1 = new QDateEdit(QDate::currentDate(), GroupBox1);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setDisplayFormat(QString::fromLatin1(kFormatDaty));
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
    DateTimePicker1->setMaximumWidth(140);

    pole(0, QStringLiteral("Inwestor:"), EditInwestor);
    pole(1, QStringLiteral("Obiekt:"), EditObiekt);
    pole(2, QStringLiteral("Adres:"), EditAdres);
    pole(3, QStringLiteral("Rodzaj przegrody:"), EditRodzajPrze);
    pole(4, QStringLiteral("Autor projektu:"), EditProjektant);
    pole(5, QStringLiteral("Data obliczeń:"), DateTimePicker1);
    siatka->setColumnStretch(1, 1);

    Button1 = new QPushButton(QStringLiteral("&Wprowadz"), this);
    Button1->setFont(Czcionka(13, true));
    Button1->setGeometry(507 / 2 - 60, 326, 120, 30);
    Button1->setDefault(true);
    PolaczBezpiecznie(dialogi_, this, Button1, &QPushButton::clicked, [this] { Button1Click(); });

    setTabOrder(EditInwestor, EditObiekt);
    setTabOrder(EditObiekt, EditAdres);
    setTabOrder(EditAdres, EditRodzajPrze);
    setTabOrder(EditRodzajPrze, EditProjektant);
    setTabOrder(EditProjektant, DateTimePicker1);
    setTabOrder(DateTimePicker1, Button1);
    NazwijKontrolki({{GroupBox1, "GroupBox1"},
                     {EditInwestor, "EditInwestor"},
                     {EditObiekt, "EditObiekt"},
                     {EditAdres, "EditAdres"},
                     {EditRodzajPrze, "EditRodzajPrze"},
                     {EditProjektant, "EditProjektant"},
                     {DateTimePicker1, "DateTimePicker1"},
                     {Button1, "Button1"}});
}

namespace {
// A tab or a line break pasted into a field would make a description that no project file may
// hold (it is refused on opening): it is stored as a space.
std::string BezZnakowSterujacych(QString tekst) {
    for (QChar& c : tekst)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    return tekst.toStdString();
}
} // namespace

void TFormDane::Button1Click() {
    TDaneProjektu& d = model_.DaneProjektu;
    const auto opis = [](const TDaneProjektu& x) {
        return std::make_tuple(x.Obiekt.Utf8(), x.Adres.Utf8(), x.Inwestor.Utf8(), x.Projektant.Utf8(),
                               x.Data.Utf8());
    };
    const auto przed = opis(d);
    d.Obiekt.UstawUtf8(BezZnakowSterujacych(EditObiekt->text()));
    d.Adres.UstawUtf8(BezZnakowSterujacych(EditAdres->text()));
    d.Inwestor.UstawUtf8(BezZnakowSterujacych(EditInwestor->text()));
    d.Projektant.UstawUtf8(BezZnakowSterujacych(EditProjektant->text()));
    d.Data.UstawUtf8(DateTimePicker1->date().toString(QString::fromLatin1(kFormatDaty)).toStdString());
    // A date alone is not saved (the file keeps a description only with one of its texts): the date
    // the picker puts into an empty description is no change, so an untouched program asks nothing.
    const auto bezTekstow = [](const auto& o) {
        return std::get<0>(o).empty() && std::get<1>(o).empty() && std::get<2>(o).empty() &&
               std::get<3>(o).empty();
    };
    const auto po = opis(d);
    if (po != przed && !(bezTekstow(po) && bezTekstow(przed)))
        model_.Zmieniony = true;
    accept();
}

void TFormDane::PokazDane() {
    const TDaneProjektu& d = model_.DaneProjektu;
    EditObiekt->setText(QString::fromStdString(d.Obiekt.Utf8()));
    EditAdres->setText(QString::fromStdString(d.Adres.Utf8()));
    EditInwestor->setText(QString::fromStdString(d.Inwestor.Utf8()));
    EditProjektant->setText(QString::fromStdString(d.Projektant.Utf8()));
    const QDate data =
        QDate::fromString(QString::fromStdString(d.Data.Utf8()), QString::fromLatin1(kFormatDaty));
    if (data.isValid())
        DateTimePicker1->setDate(data);
}

void TFormDane::FormActivate() {
    EditInwestor->setFocus(Qt::ActiveWindowFocusReason);
}

// Each showing stands in the middle of the screen (at start-up the main window, its parent, is not
// shown yet, so Qt's placement over the parent would put it in a corner) and starts in the first
// field; switching to another program and back does not move the caret.
void TFormDane::showEvent(QShowEvent* zdarzenie) {
    if (const QScreen* ekran = screen()) {
        QRect ramka = frameGeometry();
        ramka.moveCenter(ekran->availableGeometry().center());
        move(ramka.topLeft());
    }
    PokazDane();
    QDialog::showEvent(zdarzenie);
    FormActivate();
}

} // namespace murolab
