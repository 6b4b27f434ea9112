#include "ui/FormKlimat.h"

#include "files/PlikKlimatu.h"
#include "files/ZapisAtomowy.h"

#include "core/Liczby.h"
#include "output/TekstyKondensacji.h"
#include "widgets/Bezpiecznie.h"
#include "widgets/Dialogi.h"
#include "widgets/NumEdit.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace murolab {

namespace {
const QString kUwaga = QStringLiteral("Murolab -UWAGA !!!");

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

QString ZapiszPlikAtomowo(const QString& plik, const QByteArray& dane) {
    // Through the program's one atomic writer, as every other file it saves.
    const QByteArray sciezka = QFile::encodeName(plik);
    const TBlad blad =
        ZapiszAtomowo(std::string(sciezka.constData(), static_cast<std::size_t>(sciezka.size())),
                      std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(dane.constData()),
                                                    static_cast<std::size_t>(dane.size())));
    return blad ? QString::fromStdString(*blad) : QString();
}

TFormKlimat::TFormKlimat(TDialogi& dialogi, const QString& katalog, const QString& katalogDostarczony,
                         QWidget* rodzic)
    : QDialog(rodzic), dialogi_(dialogi), katalog_(katalog), katalogDostarczony_(katalogDostarczony) {
    setObjectName(QStringLiteral("FormKlimat"));
    setWindowTitle(QStringLiteral("Murolab - klimat własny"));
    setModal(true);

    auto* uklad = new QVBoxLayout(this);
    auto* wierszNazwy = new QHBoxLayout;
    wierszNazwy->addWidget(new QLabel(QStringLiteral("Nazwa klimatu:"), this));
    nazwa_ = new QLineEdit(this);
    nazwa_->setObjectName(QStringLiteral("EditNazwaKlimatu"));
    nazwa_->setMaxLength(60);
    wierszNazwy->addWidget(nazwa_, 1);
    uklad->addLayout(wierszNazwy);

    auto* siatka = new QGridLayout;
    siatka->setHorizontalSpacing(8);
    siatka->setVerticalSpacing(2);
    siatka->addWidget(new QLabel(QStringLiteral("Miesiąc"), this), 0, 0);
    siatka->addWidget(new QLabel(QStringLiteral("θe [°C]"), this), 0, 1);
    siatka->addWidget(new QLabel(QStringLiteral("φe [%]"), this), 0, 2);
    for (int i = 0; i < kLiczbaMiesiecy; ++i) {
        const QString numer = QString::number(i + 1);
        siatka->addWidget(new QLabel(Q(std::string(NazwaMiesiaca(i + 1))), this), i + 1, 0);
        temp_[i] = new TNumEdit(dialogi_, this);
        temp_[i]->SetNumType(ntReal);
        temp_[i]->SetMaxLength(8);
        temp_[i]->setObjectName(QStringLiteral("NumEditTemp") + numer);
        wilgot_[i] = new TNumEdit(dialogi_, this);
        wilgot_[i]->SetNumType(ntReal);
        wilgot_[i]->SetMaxLength(8);
        wilgot_[i]->setObjectName(QStringLiteral("NumEditWilgot") + numer);
        for (TNumEdit* e : {temp_[i], wilgot_[i]})
            e->setFixedWidth(70);
        siatka->addWidget(temp_[i], i + 1, 1);
        siatka->addWidget(wilgot_[i], i + 1, 2);
    }
    uklad->addLayout(siatka);
    auto* opis =
        new QLabel(QStringLiteral("Średnie miesięczne: θe od −50 do 50 °C, φe od 1 do 100 %."), this);
    opis->setWordWrap(true);
    uklad->addWidget(opis);

    auto* przyciski = new QHBoxLayout;
    auto* zapisz = new QPushButton(QStringLiteral("&Zapisz"), this);
    zapisz->setObjectName(QStringLiteral("ButtonZapiszKlimat"));
    zapisz->setDefault(true);
    auto* anuluj = new QPushButton(QStringLiteral("&Anuluj"), this);
    anuluj->setObjectName(QStringLiteral("ButtonAnulujKlimat"));
    przyciski->addStretch();
    przyciski->addWidget(zapisz);
    przyciski->addWidget(anuluj);
    uklad->addLayout(przyciski);
    PolaczBezpiecznie(dialogi_, this, zapisz, &QPushButton::clicked, [this] { Zapisz(); });
    connect(anuluj, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormKlimat::Ustaw(const TKlimat& klimat, const QString& nazwa) {
    nazwa_->setText(nazwa);
    for (int i = 0; i < kLiczbaMiesiecy; ++i) {
        temp_[i]->setText(Q(Ogolny(klimat.Miesiace[static_cast<std::size_t>(i)].Temp)));
        wilgot_[i]->setText(Q(Ogolny(klimat.Miesiace[static_cast<std::size_t>(i)].Wilgot)));
    }
    zapisanaNazwa_.clear();
    zapisanyPlik_.clear();
}

void TFormKlimat::Zapisz() {
    auto odmowa = [this](const QString& tekst, QWidget* pole) {
        dialogi_.Komunikat(this, tekst, kUwaga, TIkona::Stop, TPrzyciski::Ok);
        if (pole)
            pole->setFocus();
    };
    const QString nazwa = nazwa_->text().trimmed();
    if (nazwa.isEmpty() || nazwa.startsWith(u'.') || nazwa.contains(u'/') || nazwa.contains(u'\\')) {
        odmowa(QStringLiteral("Podaj nazwę klimatu (bez znaków / i \\, nie od kropki)."), nazwa_);
        return;
    }
    if (NazwaKlimatuDostarczonego(nazwa.toStdString(),
                                  QFile::encodeName(katalogDostarczony_).toStdString())) {
        odmowa(QStringLiteral("„%1” to nazwa klimatu dostarczonego z programem. Klimat własny musi mieć inną "
                              "nazwę, np. „%1 (własny)”.")
                   .arg(nazwa),
               nazwa_);
        return;
    }
    TKlimat klimat;
    klimat.Nazwa = nazwa.toStdString();
    for (int i = 0; i < kLiczbaMiesiecy; ++i) {
        const QString miesiac = Q(std::string(WMiesiacu(i + 1)));
        double t = 0;
        double fi = 0;
        if (!ProbujNaLiczbe(temp_[i]->text().toStdString(), t) || t < -50 || t > 50) {
            odmowa(QStringLiteral("Temperatura %1 musi być liczbą od -50 do 50 °C.").arg(miesiac), temp_[i]);
            return;
        }
        if (!ProbujNaLiczbe(wilgot_[i]->text().toStdString(), fi) || fi < 1 || fi > 100) {
            odmowa(QStringLiteral("Wilgotność %1 musi być liczbą od 1 do 100 %.").arg(miesiac), wilgot_[i]);
            return;
        }
        klimat.Miesiace[static_cast<std::size_t>(i)] = {t, fi};
    }
    if (!QDir().mkpath(katalog_)) {
        dialogi_.Blad(this, QStringLiteral("Nie można utworzyć folderu „%1”.").arg(katalog_));
        return;
    }
    const QString plik = QDir(katalog_).filePath(nazwa + QStringLiteral(".csv"));
    if (QFileInfo::exists(plik) &&
        dialogi_.Komunikat(this, QStringLiteral("Klimat „%1” już istnieje. Zastąpić go?").arg(nazwa),
                           QStringLiteral("Murolab"), TIkona::Pytanie, TPrzyciski::TakNie) != TOdpowiedz::Tak)
        return;
    const QString blad = ZapiszPlikAtomowo(plik, QByteArray::fromStdString(TekstKlimatu(klimat)));
    if (!blad.isEmpty()) {
        dialogi_.Blad(this, QStringLiteral("Nie można zapisać klimatu do pliku „%1”: %2").arg(plik, blad));
        return;
    }
    zapisanaNazwa_ = nazwa;
    zapisanyPlik_ = plik;
    accept();
}

} // namespace murolab
