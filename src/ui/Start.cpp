#include "ui/Start.h"

#include "catalogue/FormWstawWarstwe.h"
#include "output/PodgladWydruku.h"
#include "ui/AboutBox.h"
#include "ui/FormDane.h"
#include "ui/FormMostkiTerm.h"
#include "ui/FormPrzegroda.h"
#include "ui/FormZestawienie.h"
#include "ui/Pomoc.h"
#include "ui/Powitanie.h"
#include "widgets/Dialogi.h"
#include "widgets/Okna.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>

#include <algorithm>
#include <utility>

namespace murolab {

namespace {
constexpr int kDomyslnaPauza = 2000;

bool LiczbaNieujemna(const QString& tekst, int& wynik) {
    bool dobra = false;
    const int n = tekst.trimmed().toInt(&dobra);
    if (!dobra || n < 0)
        return false;
    wynik = n;
    return true;
}
} // namespace

int PauzaPowitania(const QStringList& argumenty, const QByteArray& zmiennaSrodowiska) {
    int pauza = kDomyslnaPauza;
    LiczbaNieujemna(QString::fromLocal8Bit(zmiennaSrodowiska), pauza);
    for (int i = 0; i < argumenty.size(); ++i) {
        const QString& a = argumenty.at(i);
        if (a == QLatin1String("--pauza") && i + 1 < argumenty.size())
            LiczbaNieujemna(argumenty.at(++i), pauza);
        else if (a.startsWith(QLatin1String("--pauza=")))
            LiczbaNieujemna(a.mid(8), pauza);
    }
    return pauza;
}

void UstawNazwyProgramu() {
    QCoreApplication::setApplicationName(QStringLiteral("murolab"));
    // No display name (QGuiApplication::setApplicationDisplayName): with one set, Qt appends
    // " — Murolab" to every window title that does not end with it, and the program's titles already
    // name it at their start ("Murolab -UWAGA !!!", "Murolab -Potwierdź"). The window manager then
    // showed the name twice and cut the short boxes' captions.
    QGuiApplication::setDesktopFileName(QStringLiteral("murolab"));
}

QString PlikProjektuZArgumentow(const QStringList& argumenty) {
    for (int i = 1; i < argumenty.size(); ++i) {
        const QString& a = argumenty.at(i);
        if (a == QLatin1String("--"))
            return i + 1 < argumenty.size() ? argumenty.at(i + 1) : QString();
        if (a == QLatin1String("--pauza"))
            ++i;
        else if (!a.startsWith(QLatin1Char('-')) && !a.isEmpty())
            return a;
    }
    return {};
}

namespace {
// Hides a shown window for the life of the object.
class TNaBok {
public:
    explicit TNaBok(QWidget* okno) : okno_(okno && okno->isVisible() ? okno : nullptr) {
        if (okno_)
            okno_->hide();
    }
    ~TNaBok() {
        if (okno_)
            okno_->show();
    }
    TNaBok(const TNaBok&) = delete;
    TNaBok& operator=(const TNaBok&) = delete;

private:
    QWidget* okno_;
};
} // namespace

TOdpowiedz TDialogiStartu::Komunikat(QWidget* rodzic, const QString& tekst, const QString& tytul,
                                     TIkona ikona, TPrzyciski przyciski) {
    TNaBok naBok(Powitanie);
    return dialogi_.Komunikat(rodzic, tekst, tytul, ikona, przyciski);
}

void TDialogiStartu::Blad(QWidget* rodzic, const QString& tekst) {
    TNaBok naBok(Powitanie);
    dialogi_.Blad(rodzic, tekst);
}

TStart::TStart(TDialogi& dialogi, int pauzaMs, std::filesystem::path katalogDanych,
               std::filesystem::path katalogUzytkownika)
    : dialogi_(dialogi), pauzaMs_(pauzaMs), katalogDanych_(std::move(katalogDanych)),
      katalogUzytkownika_(std::move(katalogUzytkownika)) {}

TStart::~TStart() {
    // The forms refer to the model that the main window owns: the window deletes them first.
    okno_.reset();
    pomoc_.reset();
}

void TStart::Krok(TFormPowitanie& powitanie, const QString& nazwa, int przyrost) {
    const int postep = powitanie.PrzesunPostep(przyrost);
    if (PoKroku)
        PoKroku(nazwa, postep);
}

void TStart::Uruchom() {
    // The splash belongs to no window and is not one of the program's forms.
    auto powitanie = std::make_unique<TFormPowitanie>(pauzaMs_, katalogDanych_);
    if (PoUtworzeniuPowitania)
        PoUtworzeniuPowitania(*powitanie);
    powitanie->UstawKoniecPostepu(150);
    powitanie->Pokaz();
    dialogi_.Powitanie = powitanie.get();

    UstawNazwyProgramu();
    Krok(*powitanie, QStringLiteral("tytuł"), 5);

    pomoc_ = std::make_unique<TPomoc>(
        dialogi_,
        QDir(QString::fromStdString(katalogDanych_.string())).absoluteFilePath(QStringLiteral("POMOC.HLP")));
    Krok(*powitanie, QStringLiteral("pomoc"), 5);

    okno_ = std::make_unique<TFormPrzegroda>(dialogi_, katalogDanych_);
    TFormPrzegroda& okno = *okno_;
    Krok(*powitanie, QStringLiteral("TFormPrzegroda"), 20);

    auto* wstaw = new TFormWstawWarstwe(okno, dialogi_, &okno);
    wstaw->KatalogDanych = katalogDanych_;
    wstaw->KatalogUzytkownika = katalogUzytkownika_;
    Krok(*powitanie, QStringLiteral("TFormWstawWarstwe"), 20);

    auto* mostki = new TFormMostkiTerm(okno.Model, dialogi_, &okno, &okno);
    Krok(*powitanie, QStringLiteral("TFormMostkiTerm"), 20);

    auto* dane = new TFormDane(okno.Model, dialogi_, &okno);
    Krok(*powitanie, QStringLiteral("TFormDane"), 20);

    auto* raport = new TPodgladWydruku(okno.Model, dialogi_, katalogDanych_, &okno);
    Krok(*powitanie, QStringLiteral("TPodgladWydruku"), 20);
    Krok(*powitanie, QStringLiteral("TPodgladWydruku"), 20);

    auto* about = new TAboutBox(dialogi_, katalogDanych_, &okno);
    okno.UstawFormy(wstaw, mostki, dane, raport, about);
    okno.UstawPomoc(pomoc_.get());
    okno.UstawZestawienie(new TFormZestawienie(okno, dialogi_, &okno));
    if (PoKroku)
        PoKroku(QStringLiteral("TAboutBox"), powitanie->Postep());

    // The splash goes; as it goes it asks for the project description. Not when a project is named:
    // its file brings its own description, which would overwrite what was typed (F5 shows it).
    if (PlikProjektu.isEmpty())
        powitanie->PrzyZamknieciu = [this, dane] { dialogi_.PokazModalnie(dane); };
    dialogi_.Powitanie = nullptr;
    powitanie->FormDestroy();
    powitanie.reset();

    WysrodkujNaEkranie(&okno);
    okno.PokazNaStarcie();
    if (PoKroku)
        PoKroku(QStringLiteral("okno główne"), 0);

    if (!PlikProjektu.isEmpty())
        okno.Bezpiecznie([&] { okno.OtworzPlikProjektu(PlikProjektu); });
}

int UruchomOkno(int argc, char** argv, const std::filesystem::path& katalogDanych,
                const std::filesystem::path& katalogUzytkownika) {
    QApplication aplikacja(argc, argv);

    // Qt's own dialogs and buttons in Polish ("Tak", "Nie", "Anuluj").
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QTranslator tlumaczenie;
    if (tlumaczenie.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&tlumaczenie);

    TDialogiQt dialogi;
    TStart start(dialogi, PauzaPowitania(QApplication::arguments(), qgetenv("MUROLAB_PAUZA")), katalogDanych,
                 katalogUzytkownika);
    start.PlikProjektu = PlikProjektuZArgumentow(QApplication::arguments());
    start.Uruchom();
    return QApplication::exec();
}

} // namespace murolab
