// The project commands through the main window: "&Nowy", "Otwórz..", "Zapisz". The saved file is
// compared byte for byte with a record encoded here, independently of the program's encoder, from
// the offsets of the file layout; broken files and failing disks must leave the user's work as it was.

#include "OknoObliczen.h"
#include "core/Obliczenia.h"
#include "files/RekordProjektu.h"
#include "ui/FormMostkiTerm.h"
#include "ui/FormPrzegroda.h"
#include "widgets/NumEdit.h"
#include "widgets/Okna.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringEncoder>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtEndian>
#include <QtTest>

#include <bit>
#include <cmath>
#include <csignal>
#include <limits>
#include <memory>
#include <sys/resource.h>

using namespace murolab;

namespace {

// ---- the record, encoded from the file layout (offsets from the start of the file)

struct TRekordTestowy {
    QByteArray b = QByteArray(1296, '\0');

    void I32(int przesuniecie, qint32 v) { qToLittleEndian<qint32>(v, b.data() + przesuniecie); }
    void F64(int przesuniecie, double v) {
        qToLittleEndian<quint64>(std::bit_cast<quint64>(v), b.data() + przesuniecie);
    }
    // One length byte, then the characters in Windows-1250, cut to 40; the rest stays zero.
    void Tekst(int przesuniecie, const QString& t) {
        QStringEncoder cp1250("windows-1250");
        QByteArray bajty = cp1250.encode(t);
        Q_ASSERT(cp1250.isValid() && !cp1250.hasError());
        bajty.truncate(40);
        b[przesuniecie] = char(bajty.size());
        for (int i = 0; i < bajty.size(); ++i)
            b[przesuniecie + 1 + i] = bajty[i];
    }
    void Warstwa(int k, const QString& nazwa, double d, double lambda, double mi) {
        const int p = 72 * (k - 1);
        Tekst(p, nazwa);
        F64(p + 48, d);
        F64(p + 56, lambda);
        F64(p + 64, mi);
    }
    void Warunki(qint32 te, qint32 ti, qint32 fe, qint32 fi, double rsi, double rse, const QString& typ,
                 const QString& strefa, const QString& klasa) {
        I32(1080, te);
        I32(1084, ti);
        I32(1088, fe);
        I32(1092, fi);
        F64(1096, rsi);
        F64(1104, rse);
        Tekst(1112, typ);
        Tekst(1153, strefa);
        Tekst(1194, klasa);
    }
    void Poprawki(qint32 nr, double deltaU, double lambdaF, qint32 alfa, qint32 liczbaF, double poleF,
                  double deltaUk, double wlasny) {
        I32(1236, nr);
        F64(1240, deltaU);
        F64(1248, lambdaF);
        I32(1256, alfa);
        I32(1260, liczbaF);
        F64(1264, poleF);
        F64(1272, deltaUk);
        F64(1280, wlasny);
    }
    void Liczba(qint32 n) { I32(1288, n); }
};

// A project with nothing set: no layers, the "not set" working conditions, no corrections.
TRekordTestowy PustyProjekt() {
    TRekordTestowy r;
    r.Warunki(-50, 50, 0, 0, 0, 0, {}, {}, {});
    return r;
}

QByteArray Bajty(const TRekordProjektu& r) {
    return QByteArray(reinterpret_cast<const char*>(r.data()), int(r.size()));
}

bool ZapiszBajty(const QString& sciezka, const QByteArray& bajty) {
    QFile f(sciezka);
    return f.open(QIODevice::WriteOnly) && f.write(bajty) == bajty.size();
}

QByteArray CzytajBajty(const QString& sciezka) {
    QFile f(sciezka);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The first offset where two records differ, with the field it belongs to, for a readable failure.
QString RoznicaRekordow(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return QStringLiteral("rozmiar %1 zamiast %2").arg(a.size()).arg(b.size());
    for (int i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return QStringLiteral("bajt %1 (warstwa %2, bajt %3 rekordu warstwy lub warunki): %4 zamiast %5")
                .arg(i)
                .arg(i / 72 + 1)
                .arg(i % 72)
                .arg(quint8(a[i]))
                .arg(quint8(b[i]));
    return {};
}

// A file dialog as the user meets it: title, each filter's description and pattern, the default
// extension, the name it starts with.
QStringList DialogPliku(const TParametryPliku& p) {
    QStringList opis{p.Tytul};
    for (const TFiltrPliku& f : p.Filtry)
        opis << f.Opis << f.Wzorzec;
    return opis << p.DomyslneRozszerzenie << p.NazwaPoczatkowa;
}

// The summary lines as they read with these values (an empty value: not set).
QStringList Linie(const QStringList& wartosci) {
    const QString dalej = QStringLiteral(" = %1");
    return {ZIndeksem(QStringLiteral("t"), QStringLiteral("i"), dalej.arg(wartosci[0])),
            ZIndeksem(QStringLiteral("Φ"), QStringLiteral("i"), dalej.arg(wartosci[1])),
            ZIndeksem(QStringLiteral("t"), QStringLiteral("e"), dalej.arg(wartosci[2])),
            ZIndeksem(QStringLiteral("Φ"), QStringLiteral("e"), dalej.arg(wartosci[3]))};
}

const QString kTypDlugi =
    QStringLiteral("Strop nad ostantnią kondygnacją przy przepływie ciepła z dołu do góry");

// ---- the main window with the corrections dialog, as start-up builds them

struct TStanowisko : test::TOkno {
    TDialogiTestowe& d = Dialogi;
    TFormMostkiTerm* mostki = nullptr;
    QTemporaryDir katalog;

    TStanowisko() {
        // Parent and owner as at start-up: the dialog must stay on screen while it hides its parent.
        mostki = new TFormMostkiTerm(Okno->Model, d, Okno.get(), Okno.get());
        Okno->UstawFormy(nullptr, mostki, nullptr, nullptr, nullptr);
        d.Wyczysc();
    }

    QString Plik(const QString& nazwa) const { return katalog.filePath(nazwa); }

    // The sheet filled by the user and confirmed with "&Wprowadź".
    void Wprowadz(const QString& typ, const QString& ti, const QString& te, const QString& fi,
                  const QString& fe) {
        Kontrolka<QComboBox>(Okno, "ComboBoxTypPrzegrody")->setCurrentText(typ);
        ArkuszWarunkow(Okno)->ComboBoxTypPrzegrodyChange();
        Kontrolka<TNumEdit>(Okno, "NumEditTempWew")->setText(ti);
        Kontrolka<TNumEdit>(Okno, "NumEditTempZewn")->setText(te);
        Kontrolka<TNumEdit>(Okno, "NumEditWilgotWewn")->setText(fi);
        Kontrolka<TNumEdit>(Okno, "NumEditWilgotZewn")->setText(fe);
        Kontrolka<QPushButton>(Okno, "Button6")->click();
    }
    // "&Mostki cieplne": the dialog is shown modally, the script works on it.
    void Mostki(const std::function<void(TFormMostkiTerm&)>& skrypt) {
        d.Modalnie = [this, skrypt](QDialog*) { skrypt(*mostki); };
        Kontrolka<QPushButton>(Okno, "Button3")->click();
        d.Modalnie = nullptr;
    }
    void Zapisz(const QString& sciezka) {
        d.PlikiDoZapisu << sciezka;
        Kontrolka<QAction>(Okno, "Zapisz1")->trigger();
    }
    void Otworz(const QString& sciezka) {
        // The work on screen counts as saved: these tests are about the file, not the question.
        Okno->Model.Zmieniony = false;
        d.PlikiDoOtwarcia << sciezka;
        Kontrolka<QAction>(Okno, "Otwrz1")->trigger();
    }

    // The summary lines of sheet 1: ti, φi, te, φe as shown.
    QStringList LinieWarunkow() const {
        return {Kontrolka<QLabel>(Okno, "LabelTi")->text(), Kontrolka<QLabel>(Okno, "LabelFi")->text(),
                Kontrolka<QLabel>(Okno, "LabelTe")->text(), Kontrolka<QLabel>(Okno, "LabelFe")->text()};
    }

    QStringList Wiersz(int r) const {
        QStringList w;
        for (int k = 0; k < 5; ++k)
            w << ArkuszPrzegrody(Okno)->Komorka(r, k);
        return w;
    }
    QStringList Arkusz0() const {
        return {Kontrolka<TNumEdit>(Okno, "NumEditTempWew")->text(),
                Kontrolka<TNumEdit>(Okno, "NumEditTempZewn")->text(),
                Kontrolka<TNumEdit>(Okno, "NumEditWilgotWewn")->text(),
                Kontrolka<TNumEdit>(Okno, "NumEditWilgotZewn")->text(),
                Kontrolka<QComboBox>(Okno, "ComboBoxTypPrzegrody")->currentText(),
                Kontrolka<QComboBox>(Okno, "ComboBoxStrefaKl")->currentText(),
                Kontrolka<QComboBox>(Okno, "ComboBoxWarunkiWilg")->currentText(),
                Kontrolka<QComboBox>(Okno, "ComboBoxRsi")->currentText(),
                Kontrolka<QComboBox>(Okno, "ComboBoxRse")->currentText()};
    }
    // Everything the user could lose: the stored model, the grid, the sheets, the dialog's controls.
    QStringList Stan() const {
        QStringList s;
        const TRekordProjektu r = KodujRekord(Okno->Model);
        s << QString::fromLatin1(Bajty(r).toHex());
        s << QString::number(Okno->Model.Wyniki.U0, 'g', 17)
          << QString::number(Okno->Model.Wyniki.Ts, 'g', 17);
        s << QString::number(Kontrolka<TSiatkaWarstw>(Okno, "StringGridPrzegroda")->rowCount())
          << QString::number(Kontrolka<TSiatkaWarstw>(Okno, "StringGridPrzegroda")->isEnabled());
        for (int r = 0; r < Kontrolka<TSiatkaWarstw>(Okno, "StringGridPrzegroda")->rowCount(); ++r)
            s << Wiersz(r);
        s << Arkusz0();
        for (QTextEdit* t :
             {Kontrolka<QTextEdit>(Okno, "RichEditNr"), Kontrolka<QTextEdit>(Okno, "RichEditR"),
              Kontrolka<QTextEdit>(Okno, "RichEditTemp"), Kontrolka<QTextEdit>(Okno, "RichEditCisCzast")})
            s << t->toPlainText();
        s << Kontrolka<QLabel>(Okno, "LabelUk")->text() << Kontrolka<QLabel>(Okno, "LabeLKomunikat")->text();
        s << QString::number(Kontrolka<QCheckBox>(mostki, "CheckBoxDeltaUg")->isChecked())
          << Kontrolka<TNumEdit>(mostki, "NumEditNrNieszczelnosci")->text()
          << QString::number(Kontrolka<QCheckBox>(mostki, "CheckBoxMostekWlasny")->isChecked())
          << Kontrolka<TNumEdit>(mostki, "NumEditMostekWlasny")->text()
          << QString::number(Kontrolka<QRadioButton>(mostki, "RadioButtonUk005")->isChecked());
        return s;
    }
};

// Every kind of correction, typed into the dialog and confirmed: air voids of 0,01 in layer `warstwa`,
// fasteners of λ 50 in the older form (4 per m², 0,0001 m² each; α as the dialog proposes it, or
// `alfa`), linear bridges 0,05, an own addition of 0,1.
void WszystkiePoprawki(TFormMostkiTerm& f, const char* warstwa, const char* alfa = nullptr) {
    Kontrolka<QCheckBox>(f, "CheckBoxDeltaUg")->setChecked(true);
    Kontrolka<TNumEdit>(f, "NumEditNrNieszczelnosci")->setText(warstwa);
    Kontrolka<QComboBox>(f, "ComboBoxDeltaU")->setEditText("0,01");
    Kontrolka<QCheckBox>(f, "CheckBoxDeltaUf")->setChecked(true);
    Kontrolka<QComboBox>(f, "ComboBoxFormaLacznika")->setCurrentIndex(1);
    Kontrolka<TNumEdit>(f, "NumEditLambdaF")->setText("50");
    if (alfa)
        Kontrolka<QComboBox>(f, "ComboBoxAlfa")->setEditText(alfa);
    Kontrolka<TNumEdit>(f, "NumEditLiczbaF")->setText("4");
    Kontrolka<TNumEdit>(f, "NumEditPoleF")->setText("0,0001");
    Kontrolka<QRadioButton>(f, "RadioButtonUk005")->click();
    Kontrolka<QCheckBox>(f, "CheckBoxMostekWlasny")->setChecked(true);
    Kontrolka<TNumEdit>(f, "NumEditMostekWlasny")->setText("0,1");
    Kontrolka<QPushButton>(f, "Button1")->click();
}

// A small project of three layers with confirmed conditions and every kind of correction.
void TrzyWarstwy(TStanowisko& s) {
    s.Dodaj({{QStringLiteral("Tynk cementowo-wapienny"), "0,82", "19", "0,015"},
             {QStringLiteral("Mur z cegły pełnej"), "0,77", "16", "0,38"},
             {QStringLiteral("Styropian EPS – żółć ąę ŁŚŹ"), "0,04", "60", "0,1"}});
    s.Wprowadz(QStringLiteral("Ściany wewnętrzne"), "20", "-20", "60", "85");
    s.Mostki([](TFormMostkiTerm& f) { WszystkiePoprawki(f, "3", "5"); });
}

TRekordTestowy RekordTrzechWarstw() {
    TRekordTestowy r;
    r.Warstwa(1, QStringLiteral("Tynk cementowo-wapienny"), 0.015, 0.82, 19);
    r.Warstwa(2, QStringLiteral("Mur z cegły pełnej"), 0.38, 0.77, 16);
    r.Warstwa(3, QStringLiteral("Styropian EPS – żółć ąę ŁŚŹ"), 0.1, 0.04, 60);
    r.Warunki(-20, 20, 85, 60, 0.13, 0.08, QStringLiteral("Ściany wewnętrzne"), QStringLiteral("Strefa III"),
              QStringLiteral("Warunki średniowilgotne"));
    r.Poprawki(3, 0.01, 50, 5, 4, 0.0001, 0.05, 0.1);
    r.Liczba(3);
    return r;
}

// The file size limit of this process, lowered for one failing save and restored afterwards.
struct TLimitRozmiaruPliku {
    rlimit stary{};
    explicit TLimitRozmiaruPliku(rlim_t bajty) {
        getrlimit(RLIMIT_FSIZE, &stary);
        std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
        rlimit nowy = stary;
        nowy.rlim_cur = bajty;
        setrlimit(RLIMIT_FSIZE, &nowy);
    }
    ~TLimitRozmiaruPliku() { setrlimit(RLIMIT_FSIZE, &stary); }
};

} // namespace

class TestProjekt : public QObject {
    Q_OBJECT
private slots:
    void zapis_i_ponowne_otwarcie() {
        TStanowisko s;
        TrzyWarstwy(s);
        QVERIFY(s.d.Bledy().isEmpty());
        // Confirmed values reached the model (no reminder: corrections are set).
        QCOMPARE(s->Model.WarunkiPracy.Rse, 0.08);
        QCOMPARE(s->Model.WarunkiPracy.MostekWlasny, 0.1);

        const QString plik = s.Plik("sciana.pro");
        s.Zapisz(plik);
        QVERIFY2(s.d.Bledy().isEmpty(), qPrintable(s.d.Bledy().join('\n')));
        QVERIFY(s.d.Komunikaty().isEmpty());
        // The save dialog as designed.
        QCOMPARE(s.d.Wywolania.last().Rodzaj, TWywolanie::Zapis);
        QCOMPARE(DialogPliku(s.d.Wywolania.last().Plik),
                 (QStringList{"Zapisz plik projektu", "Pliki projektu(*.pro)", "*.pro", "pro", ""}));

        const QByteArray zapisany = CzytajBajty(plik);
        const QByteArray oczekiwany = RekordTrzechWarstw().b;
        QVERIFY2(zapisany == oczekiwany, qPrintable(RoznicaRekordow(zapisany, oczekiwany)));
        // No temporary file is left beside it.
        QCOMPARE(QDir(s.katalog.path()).entryList(QDir::Files), QStringList{"sciana.pro"});

        // A fresh start, then the file again.
        Kontrolka<QAction>(s, "Nowy1")->trigger();
        QCOMPARE(s->Model.LiczbaWarstw, 0);
        QCOMPARE(Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->rowCount(), 1);
        s.d.Wyczysc();
        s.Otworz(plik);
        QVERIFY2(s.d.Bledy().isEmpty(), qPrintable(s.d.Bledy().join('\n')));
        QCOMPARE(s.d.Wywolania.first().Rodzaj, TWywolanie::Otwarcie);
        QCOMPARE(DialogPliku(s.d.Wywolania.first().Plik),
                 (QStringList{QStringLiteral("Otwórz plik projektu"), "Pliki projektu (-.pro)", "*.pro",
                              "Wszystkie pliki", "*.*", "pro", ""}));

        QCOMPARE(s->Model.LiczbaWarstw, 3);
        QCOMPARE(Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->rowCount(), 3);
        QVERIFY(Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->isEnabled());
        QCOMPARE(s.Wiersz(0), (QStringList{"  1.", "Tynk cementowo-wapienny", "0,82", "19", "0,015"}));
        QCOMPARE(s.Wiersz(1), (QStringList{"  2.", "Mur z cegły pełnej", "0,77", "16", "0,38"}));
        QCOMPARE(s.Wiersz(2), (QStringList{"  3.", "Styropian EPS – żółć ąę ŁŚŹ", "0,04", "60", "0,1"}));
        QCOMPARE(s.Arkusz0(), (QStringList{"20", "-20", "60", "85", "Ściany wewnętrzne", "Strefa III",
                                           "Warunki średniowilgotne", "0,13", "0,08"}));
        TFormMostkiTerm& f = *s.mostki;
        QVERIFY(Kontrolka<QCheckBox>(f, "CheckBoxDeltaUg")->isChecked() &&
                Kontrolka<QCheckBox>(f, "CheckBoxDeltaUf")->isChecked() &&
                Kontrolka<QCheckBox>(f, "CheckBoxMostekWlasny")->isChecked());
        QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditNrNieszczelnosci")->text(), QStringLiteral("3"));
        QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxDeltaU")->currentText(), QStringLiteral("0,01"));
        QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditLambdaF")->text(), QStringLiteral("50"));
        QCOMPARE(Kontrolka<QComboBox>(f, "ComboBoxAlfa")->currentText(), QStringLiteral("5"));
        QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditLiczbaF")->text(), QStringLiteral("4"));
        QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditPoleF")->text(), QStringLiteral("0,0001"));
        QVERIFY(Kontrolka<QRadioButton>(f, "RadioButtonUk005")->isChecked());
        QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditMostekWlasny")->text(), QStringLiteral("0,1"));

        // Saved again, the same bytes; each dialog starts with the name last chosen in it.
        s.d.Wyczysc();
        const QString drugi = s.Plik("kopia.pro");
        s.Zapisz(drugi);
        QCOMPARE(s.d.Wywolania.last().Plik.NazwaPoczatkowa, plik);
        QVERIFY2(CzytajBajty(drugi) == oczekiwany,
                 qPrintable(RoznicaRekordow(CzytajBajty(drugi), oczekiwany)));
        s.d.Wyczysc();
        s.Otworz(drugi);
        QCOMPARE(s.d.Wywolania.first().Plik.NazwaPoczatkowa, plik);
        s.d.Wyczysc();
        s.d.PlikiDoZapisu << QString(); // cancelled
        Kontrolka<QAction>(s, "Zapisz1")->trigger();
        QCOMPARE(s.d.Wywolania.last().Plik.NazwaPoczatkowa, drugi);
    }

    void nowy_projekt() {
        TStanowisko s;
        TrzyWarstwy(s);
        s->Oblicz();
        QVERIFY(s->Model.Wyniki.U0 > 0);
        const QString podsumowanie = Kontrolka<QLabel>(s, "LabelTi")->text();
        s.d.Wyczysc();

        s.d.Odpowiedzi << TOdpowiedz::Nie;
        Kontrolka<QAction>(s, "Nowy1")->trigger();
        // Only the question about the changed project, answered "Nie".
        QCOMPARE(s.d.Wywolania.size(), 1);
        QCOMPARE(s.d.Komunikaty()[0].Przyciski, TPrzyciski::TakNieAnuluj);
        // Every stored field reset: layers, working conditions, corrections, the count.
        const QByteArray model = Bajty(KodujRekord(s->Model));
        QVERIFY2(model == PustyProjekt().b, qPrintable(RoznicaRekordow(model, PustyProjekt().b)));
        QCOMPARE(Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->rowCount(), 1);
        QVERIFY(!Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->isEnabled());
        QCOMPARE(s.Wiersz(0), (QStringList{"", "", "", "", ""}));
        QCOMPARE(s.Arkusz0(), (QStringList{"20", "-5", "45", "85", "Ściana zewnętrzna", "nieokreślona",
                                           "Warunki średniowilgotne", "0,13", "0,04"}));
        // The results are cleared from the sheet; the summary of sheet 1 shows the reset conditions:
        // none are set.
        QVERIFY(Kontrolka<QTextEdit>(s, "RichEditR")->toPlainText().trimmed().isEmpty());
        QVERIFY(Kontrolka<QLabel>(s, "LabelTi")->text() != podsumowanie);
        QCOMPARE(s.LinieWarunkow(), Linie({"", "", "", ""}));
        // The corrections dialog is reset; nf and Af keep their texts.
        TFormMostkiTerm& f = *s.mostki;
        QVERIFY(!Kontrolka<QCheckBox>(f, "CheckBoxDeltaUg")->isChecked() &&
                !Kontrolka<QCheckBox>(f, "CheckBoxDeltaUf")->isChecked() &&
                !Kontrolka<QCheckBox>(f, "CheckBoxMostekWlasny")->isChecked());
        QVERIFY(Kontrolka<QRadioButton>(f, "RadioButtonUk000")->isChecked());
        QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditLambdaF")->text(), QStringLiteral("0"));
        QCOMPARE(Kontrolka<TNumEdit>(f, "NumEditLiczbaF")->text(), QStringLiteral("4"));

        // The conditions shown are not stored: "Oblicz" asks for them.
        s.d.Wyczysc();
        s.Dodaj({{"Cegła", "0,77", "16", "0,38"}});
        Kontrolka<QPushButton>(s, "BitBtnOblicz")->click();
        QCOMPARE(s.d.TekstyKomunikatow(), QStringList{QStringLiteral("Nie określono warunków pracy !!")});
    }

    void poprawki_wchodza_do_uk_przy_nastepnym_obliczeniu() {
        TStanowisko s;
        // One layer of R = 1: U0 = 1 / (0,13 + 1 + 0,04).
        s.Dodaj({{"Warstwa", "1", "1", "1"}});
        s.Wprowadz(QStringLiteral("Ściana zewnętrzna"), "20", "-20", "55", "85");
        Kontrolka<QPushButton>(s, "BitBtnOblicz")->click();
        const double u0 = 1.0 / 1.17;
        QVERIFY(qAbs(Uk(s->Model) - u0) < 1e-12);
        QCOMPARE(Kontrolka<QLabel>(s, "LabelUk")->text(), QStringLiteral("U  = 0,855"));

        // Air voids in layer 1 (R_N / ΣR = 1): +0,01; fasteners 6 · 50 · 4 · 0,0001 = 0,12;
        // linear bridges 0,05; own 0,1.
        s.Mostki([](TFormMostkiTerm& f) { WszystkiePoprawki(f, "1"); });
        // Stored, but not recalculated by themselves.
        QCOMPARE(Kontrolka<QLabel>(s, "LabelUk")->text(), QStringLiteral("U  = 0,855"));
        Kontrolka<QPushButton>(s, "BitBtnOblicz")->click();
        QVERIFY(qAbs(Uk(s->Model) - (u0 + 0.01 + 0.12 + 0.05 + 0.1)) < 1e-12);
        QCOMPARE(Kontrolka<QLabel>(s, "LabelUk")->text(), QStringLiteral("U  = 1,135"));
    }

    // The fastener layer's d0 is the grid's, typed after the last calculation; a change of the 2017
    // entry alone (outside the record) still marks the project changed.
    void lacznik_2017_z_siatki_zaznacza_zmiane() {
        TStanowisko s;
        s.Dodaj({{"Tynk", "0,82", "19", "0,015"}, {"Styropian EPS", "0,04", "60", "0,12"}});
        ArkuszPrzegrody(s)->UstawKomorke(1, 4, QStringLiteral("0,2"));
        s->Model.Zmieniony = false;
        QString d0;
        s.Mostki([&](TFormMostkiTerm& f) {
            Kontrolka<QCheckBox>(f, "CheckBoxDeltaUf")->setChecked(true);
            Kontrolka<TNumEdit>(f, "NumEditLambdaF")->setText("50");
            Kontrolka<TNumEdit>(f, "NumEditLiczbaF")->setText("4");
            Kontrolka<TNumEdit>(f, "NumEditPoleF")->setText("0,00002");
            QComboBox* warstwy = Kontrolka<QComboBox>(f, "ComboBoxWarstwaF");
            QCOMPARE(warstwy->count(), 2);
            warstwy->setCurrentIndex(1);
            d0 = Kontrolka<QLabel>(f, "LabelWarstwaF")->text();
            Kontrolka<QCheckBox>(f, "CheckBoxWpuszczony")->setChecked(true);
            Kontrolka<TNumEdit>(f, "NumEditD1")->setText("0,15"); // deeper than the 0,12 before the edit
            Kontrolka<QPushButton>(f, "Button1")->click();
        });
        QVERIFY2(s.d.Komunikaty().isEmpty(), qPrintable(s.d.TekstyKomunikatow().join('\n')));
        QCOMPARE(d0, QStringLiteral("d<sub>0</sub> = 0,2 m;  R<sub>1</sub> = 5,000 m²·K/W"));
        QCOMPARE(s->Model.WarunkiPracy.Lacznik2017, std::optional<TLacznik2017>(TLacznik2017{2, 0.15}));
        QVERIFY(s->Model.Zmieniony);

        s->Model.Zmieniony = false;
        const TRekordProjektu rekord = KodujRekord(s->Model);
        s.Mostki([](TFormMostkiTerm& f) {
            Kontrolka<QCheckBox>(f, "CheckBoxWpuszczony")->setChecked(false);
            Kontrolka<QPushButton>(f, "Button1")->click();
        });
        QCOMPARE(s->Model.WarunkiPracy.Lacznik2017,
                 std::optional<TLacznik2017>(TLacznik2017{2, std::nullopt}));
        QVERIFY(KodujRekord(s->Model) == rekord);
        QVERIFY(s->Model.Zmieniony);
    }

    // A recessed fastener's layer made thinner than d1 in the grid afterwards: neither a calculation
    // nor a save goes on (the saved file could not be opened again).
    void lacznik_glebszy_niz_warstwa_po_edycji() {
        TStanowisko s;
        s.Dodaj({{"Tynk", "0,82", "19", "0,015"}, {"Styropian EPS", "0,04", "60", "0,12"}});
        s.Wprowadz(QStringLiteral("Ściana zewnętrzna"), "20", "-20", "55", "85");
        s.Mostki([](TFormMostkiTerm& f) {
            Kontrolka<QCheckBox>(f, "CheckBoxDeltaUf")->setChecked(true);
            Kontrolka<TNumEdit>(f, "NumEditLambdaF")->setText("50");
            Kontrolka<TNumEdit>(f, "NumEditLiczbaF")->setText("4");
            Kontrolka<TNumEdit>(f, "NumEditPoleF")->setText("0,00002");
            Kontrolka<QComboBox>(f, "ComboBoxWarstwaF")->setCurrentIndex(1);
            Kontrolka<QCheckBox>(f, "CheckBoxWpuszczony")->setChecked(true);
            Kontrolka<TNumEdit>(f, "NumEditD1")->setText("0,1");
            Kontrolka<QPushButton>(f, "Button1")->click();
        });
        QCOMPARE(s->Model.WarunkiPracy.Lacznik2017, std::optional<TLacznik2017>(TLacznik2017{2, 0.1}));
        ArkuszPrzegrody(s)->UstawKomorke(1, 4, QStringLiteral("0,08"));
        const QString blad = QStringLiteral("Łączniki mechaniczne w warstwie 2: d1 = 0,1 m; dozwolone "
                                            "większe od 0 i najwyżej 0,08 m (grubość warstwy).");
        s.d.Wyczysc();
        Kontrolka<QPushButton>(s, "BitBtnOblicz")->click();
        QCOMPARE(s.d.TekstyKomunikatow(), QStringList{blad});
        QCOMPARE(s->Model.Wyniki.U0, 0.0); // nothing computed

        s.d.Wyczysc();
        const QString plik = s.Plik("laczniki.pro");
        s.Zapisz(plik);
        QCOMPARE(s.d.TekstyKomunikatow(), QStringList{blad});
        QVERIFY(!QFile::exists(plik));
    }

    void okno_glowne_ukryte_podczas_poprawek() {
        TStanowisko s;
        s->show();
        bool oknoUkryte = false;
        bool dialogWidoczny = false;
        s.Mostki([&](TFormMostkiTerm& f) {
            oknoUkryte = !s->isVisible();
            dialogWidoczny = f.isVisible();
            Kontrolka<QPushButton>(f, "Button2")->click();
        });
        QVERIFY(oknoUkryte);
        QVERIFY(dialogWidoczny);
        QVERIFY(s->isVisible());
    }

    // The summary lines of sheet 1 follow the model's conditions whichever command set them.
    void linie_warunkow_pokazuja_model() {
        TStanowisko s;
        TrzyWarstwy(s);
        QCOMPARE(s.LinieWarunkow(), Linie({"20", "60", "-20", "85"}));
        const QString zima = s.Plik("zima.pro");
        s.Zapisz(zima);
        s.d.Wyczysc();

        Kontrolka<QAction>(s, "Nowy1")->trigger();
        QCOMPARE(s.LinieWarunkow(), Linie({"", "", "", ""}));
        s.Wprowadz(QStringLiteral("Ściana zewnętrzna"), "21", "-5", "50", "80");
        QCOMPARE(s.LinieWarunkow(), Linie({"21", "50", "-5", "80"}));

        s.Otworz(zima);
        QVERIFY2(s.d.Bledy().isEmpty(), qPrintable(s.d.Bledy().join('\n')));
        QCOMPARE(s->Model.WarunkiPracy.TempZewn, -20);
        QCOMPARE(s.LinieWarunkow(), Linie({"20", "60", "-20", "85"}));

        // A project saved before its conditions were entered shows none.
        Kontrolka<QAction>(s, "Nowy1")->trigger();
        s.d.PlikiDoZapisu << s.Plik("bez_warunkow.pro");
        s->ZapiszProjekt(); // the save of "&Wyjście" runs no checks
        s.Wprowadz(QStringLiteral("Ściana zewnętrzna"), "21", "-5", "50", "80");
        s.Otworz(s.Plik("bez_warunkow.pro"));
        QVERIFY2(s.d.Bledy().isEmpty(), qPrintable(s.d.Bledy().join('\n')));
        QCOMPARE(s.LinieWarunkow(), Linie({"", "", "", ""}));
    }

    void projekt_bez_warstw_i_bez_warunkow() {
        TStanowisko s;
        Kontrolka<QAction>(s, "Nowy1")->trigger();
        // "Zapisz" refuses a project without layers ...
        s.Zapisz(s.Plik("pusty.pro"));
        QCOMPARE(s.d.TekstyKomunikatow(), QStringList{QStringLiteral("Nie wprowadzono warstw !!")});
        QVERIFY(!QFile::exists(s.Plik("pusty.pro")));
        // ... but the save of "&Wyjście" runs no checks.
        s.d.Wyczysc();
        s->ZapiszProjekt();
        const QString plik = s.Plik("pusty.pro");
        QVERIFY2(CzytajBajty(plik) == PustyProjekt().b,
                 qPrintable(RoznicaRekordow(CzytajBajty(plik), PustyProjekt().b)));

        // Another project on screen, then the empty one.
        Kontrolka<QAction>(s, "Nowy1")->trigger();
        const QStringList arkuszNowego = s.Arkusz0();
        TrzyWarstwy(s);
        s.d.Wyczysc();
        s.Otworz(plik);
        QVERIFY(s.d.Bledy().isEmpty());
        QCOMPARE(s->Model.LiczbaWarstw, 0);
        QCOMPARE(Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->rowCount(), 1);
        QVERIFY(Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->isEnabled());
        QCOMPARE(s.Wiersz(0), (QStringList{"", "", "", "", ""}));
        // Conditions never entered show as on a new project, not as the markers ti 50 and te -50.
        QCOMPARE(s.Arkusz0(), arkuszNowego);
        QCOMPARE(arkuszNowego.mid(0, 2), (QStringList{"20", "-5"}));
        QCOMPARE(s->Model.WarunkiPracy.TempWew, kTempNieustalonaWewn);
        QVERIFY(!Kontrolka<QCheckBox>(s.mostki, "CheckBoxDeltaUg")->isChecked());

        // With a layer added, "Oblicz" reports the missing conditions.
        s.Dodaj({{"Cegła", "0,77", "16", "0,38"}});
        Kontrolka<QPushButton>(s, "BitBtnOblicz")->click();
        QCOMPARE(s.d.TekstyKomunikatow(), QStringList{QStringLiteral("Nie określono warunków pracy !!")});
    }

    void dlugi_typ_przegrody_obciety_a_opory_zachowane() {
        TStanowisko s;
        s.Dodaj({{"Strop", "1,2", "30", "0,2"}});
        s.Wprowadz(kTypDlugi, "20", "-20", "55", "85");
        QCOMPARE(Kontrolka<QComboBox>(s, "ComboBoxRsi")->currentText(), QStringLiteral("0,10"));
        s.Mostki([](TFormMostkiTerm& f) {
            Kontrolka<QRadioButton>(f, "RadioButtonUk015")->click();
            Kontrolka<QPushButton>(f, "Button1")->click();
        });
        const QString plik = s.Plik("strop.pro");
        s.Zapisz(plik);
        QVERIFY(s.d.Bledy().isEmpty());
        Kontrolka<QAction>(s, "Nowy1")->trigger();
        s.Otworz(plik);
        QCOMPARE(Kontrolka<QComboBox>(s, "ComboBoxTypPrzegrody")->currentText(), kTypDlugi.left(40));
        QCOMPARE(Kontrolka<QComboBox>(s, "ComboBoxTypPrzegrody")->currentText(),
                 QStringLiteral("Strop nad ostantnią kondygnacją przy prz"));
        QCOMPARE(Kontrolka<QComboBox>(s, "ComboBoxRsi")->currentText(), QStringLiteral("0,1"));
        QCOMPARE(Kontrolka<QComboBox>(s, "ComboBoxRse")->currentText(), QStringLiteral("0,04"));
        QCOMPARE(s->Model.WarunkiPracy.Rsi, 0.1);
        QCOMPARE(s->Model.WarunkiPracy.Rse, 0.04);
        QVERIFY(Kontrolka<QRadioButton>(s.mostki, "RadioButtonUk015")->isChecked());
    }

    void plik_dluzszy_i_strefa_niezgodna_z_te() {
        TStanowisko s;
        TRekordTestowy r;
        r.Warstwa(1, QStringLiteral("Beton"), 0.2, 1.7, 70);
        // Behind the count: ignored.
        r.Warstwa(2, QStringLiteral("Nie pokazywać"), 0.3, 0.5, 5);
        r.Warunki(-20, 21, 80, 50, 0.13, 0.04, QStringLiteral("Ściana zewnętrzna"),
                  QStringLiteral("Strefa II"), QStringLiteral("Warunki średniowilgotne"));
        r.Liczba(1);
        const QString plik = s.Plik("dluzszy.pro");
        QVERIFY(ZapiszBajty(plik, r.b + QByteArray(1, '\x7f')));
        s.Otworz(plik);
        QVERIFY(s.d.Bledy().isEmpty());
        QCOMPARE(s->Model.LiczbaWarstw, 1);
        QCOMPARE(Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->rowCount(), 1);
        QCOMPARE(s.Wiersz(0), (QStringList{"  1.", "Beton", "1,7", "70", "0,2"}));
        // The stored zone wins over the one that te selects.
        QCOMPARE(Kontrolka<TNumEdit>(s, "NumEditTempZewn")->text(), QStringLiteral("-20"));
        QCOMPARE(Kontrolka<QComboBox>(s, "ComboBoxStrefaKl")->currentText(), QStringLiteral("Strefa II"));
        QCOMPARE(Kontrolka<TNumEdit>(s, "NumEditTempWew")->text(), QStringLiteral("21"));
        // The layer table is filled from the grid only by a calculation or a save.
        QVERIFY(s->Model.Warstwy[1].Nazwa.Pusty());
        Kontrolka<QPushButton>(s, "BitBtnOblicz")->click();
        QCOMPARE(s->Model.Warstwy[1].Lambda, 1.7);
    }

    void wiecej_niz_10_warstw_z_pliku() {
        TStanowisko s;
        TRekordTestowy r;
        for (int k = 1; k <= 12; ++k)
            r.Warstwa(k, QStringLiteral("Warstwa %1").arg(k), 0.01 * k, 1, 10);
        r.Warunki(-20, 20, 85, 55, 0.13, 0.04, QStringLiteral("Ściana zewnętrzna"),
                  QStringLiteral("Strefa III"), QStringLiteral("Warunki średniowilgotne"));
        r.Poprawki(12, 0.01, 0, 0, 0, 0, 0, 0);
        r.Liczba(12);
        const QString plik = s.Plik("dwanascie.pro");
        QVERIFY(ZapiszBajty(plik, r.b));
        s.Otworz(plik);
        QVERIFY(s.d.Bledy().isEmpty());
        QCOMPARE(Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->rowCount(), 12);
        QCOMPARE(s.Wiersz(11), (QStringList{"  12.", "Warstwa 12", "1", "10", "0,12"}));
        QCOMPARE(Kontrolka<TNumEdit>(s.mostki, "NumEditNrNieszczelnosci")->text(), QStringLiteral("12"));

        // Calculated in full: R = d / λ of all twelve layers.
        Kontrolka<QPushButton>(s, "BitBtnOblicz")->click();
        QVERIFY2(s.d.Bledy().isEmpty(), qPrintable(s.d.Bledy().join('\n')));
        double suma = 0;
        for (int k = 1; k <= 12; ++k)
            suma += 0.01 * k;
        QVERIFY(qAbs(s->Model.Wyniki.SumaR - suma) < 1e-12);

        // The grid counts as full: "&Dodaj" asks first, a row is never added past the slots.
        s.d.Wyczysc();
        Kontrolka<QPushButton>(s, "Button1")->click();
        QCOMPARE(s.d.Komunikaty().size(), 1);
        QCOMPARE(s.d.Komunikaty()[0].Tytul, QStringLiteral("Murolab -UWAGA!"));
        s->DodajWiersz();
        QCOMPARE(s->Model.LiczbaWarstw, 12);
        QCOMPARE(Kontrolka<TSiatkaWarstw>(s, "StringGridPrzegroda")->rowCount(), 12);

        // Saved again: the twelve layers and the air-void layer number come back.
        const QString drugi = s.Plik("dwanascie2.pro");
        s.d.Wyczysc();
        s.Zapisz(drugi);
        QVERIFY(s.d.Bledy().isEmpty());
        QVERIFY2(CzytajBajty(drugi) == r.b, qPrintable(RoznicaRekordow(CzytajBajty(drugi), r.b)));
    }

    // Files that cannot be shown, and a cancelled dialog: the project on screen stays as it was.
    void uszkodzony_plik_nie_rusza_projektu_data() {
        QTest::addColumn<QString>("nazwa");    // empty: the dialog is cancelled
        QTest::addColumn<QByteArray>("bajty"); // written under that name unless null
        QTest::addColumn<QString>("fragment"); // of the message; empty: no message at all
        TRekordTestowy dobry;
        dobry.Warstwa(1, QStringLiteral("Beton"), 0.2, 1.7, 70);
        dobry.Warunki(-20, 20, 85, 55, 0.13, 0.04, QStringLiteral("Ściana zewnętrzna"),
                      QStringLiteral("Strefa III"), QStringLiteral("Warunki średniowilgotne"));
        dobry.Liczba(1);
        const auto plik = [](const char* wiersz, const QByteArray& bajty, const char* fragment) {
            QTest::newRow(wiersz) << QStringLiteral("zly.pro") << bajty << QString::fromUtf8(fragment);
        };

        plik("pusty", QByteArray(""), "0 bajtów");
        plik("krotszy o bajt", dobry.b.left(1295), "1295 bajtów");
        TRekordTestowy r = dobry;
        r.Liczba(16);
        plik("liczba warstw 16", r.b, "16");
        r.Liczba(-1);
        plik("liczba warstw -1", r.b, "-1");
        r = dobry;
        r.F64(1096, std::numeric_limits<double>::quiet_NaN());
        plik("Rsi NaN", r.b, "Rsi");
        r = dobry;
        r.F64(72 + 56, std::numeric_limits<double>::infinity());
        plik("lambda warstwy 2 nieskonczona", r.b, "warstwy 2");
        r = dobry;
        r.F64(1272, -std::numeric_limits<double>::infinity());
        plik("DeltaUk nieskonczone", r.b, "DeltaUk");
        r = dobry;
        r.I32(1088, 250);
        plik("wilgotnosc zewnetrzna 250", r.b, "(pole WilgotZewn) = 250");
        r = dobry;
        r.F64(48, -0.2);
        plik("grubosc ujemna", r.b, "grubość d warstwy 1");
        plik("blok rozszerzenia nie JSON", dobry.b + QByteArray("MUROLAB-ROZSZERZENIE 1\n{\"Opis\":"),
             "Blok rozszerzenia pliku projektu");
        plik("pliku nie ma", QByteArray(), "Nie można otworzyć");
        QTest::newRow("dialog anulowany") << QString() << QByteArray() << QString();
    }
    void uszkodzony_plik_nie_rusza_projektu() {
        QFETCH(QString, nazwa);
        QFETCH(QByteArray, bajty);
        QFETCH(QString, fragment);
        TStanowisko s;
        TrzyWarstwy(s);
        Kontrolka<QPushButton>(s, "BitBtnOblicz")->click();
        QVERIFY(s->Model.Wyniki.U0 > 0);
        s.d.Wyczysc();
        const QStringList przed = s.Stan();

        const QString plik = nazwa.isEmpty() ? QString() : s.Plik(nazwa);
        if (!bajty.isNull())
            QVERIFY(ZapiszBajty(plik, bajty));
        s.Otworz(plik);

        if (fragment.isEmpty()) {
            QCOMPARE(s.d.Wywolania.size(), 1); // the file dialog only
        } else {
            const QStringList bledy = s.d.Bledy();
            QCOMPARE(bledy.size(), 1);
            QVERIFY2(bledy[0].contains(fragment) && bledy[0].contains(plik), qPrintable(bledy[0]));
        }
        QCOMPARE(s.Stan(), przed);
    }

    // What the record has no room for travels in the extension block: the description, the yearly
    // check's choices, the layers' density and specific heat come back after "Otwórz..", survive a
    // calculation, and are saved again as they were read.
    void rozszerzenie_wraca_z_pliku() {
        TStanowisko s;
        TrzyWarstwy(s);
        s->Model.DaneProjektu.Obiekt.UstawUtf8("Szkoła");
        s->Model.DaneProjektu.Data.UstawUtf8("05.01.2026");
        s->Model.Iso13788.Klimat = "Warszawa";
        // Density and specific heat are typed into the grid; the save takes them from there.
        ArkuszPrzegrody(s)->UstawKomorke(1, 5, QStringLiteral("1800"));
        ArkuszPrzegrody(s)->UstawKomorke(2, 6, QStringLiteral("1,45"));
        const QString plik = s.Plik("opis.pro");
        s.Zapisz(plik);
        QVERIFY2(s.d.Bledy().isEmpty(), qPrintable(s.d.Bledy().join('\n')));
        const QByteArray zapisany = CzytajBajty(plik);
        QVERIFY(zapisany.startsWith(RekordTrzechWarstw().b));
        QVERIFY(zapisany.mid(1296).startsWith("MUROLAB-ROZSZERZENIE 1\n{\"Opis\":{\"Obiekt\":\"Szkoła\""));

        QVERIFY(zapisany.contains(
            R"("Warstwy":[{"Gestosc":null,"Cieplo":null},{"Gestosc":1800,"Cieplo":null},{"Gestosc":null,"Cieplo":1.45}])"));

        Kontrolka<QAction>(s, "Nowy1")->trigger();
        QVERIFY2(s->Model.DaneProjektu.Obiekt.Pusty(), "the description of the project before stays");
        QVERIFY(!s->Model.Warstwy[2].Gestosc);
        QCOMPARE(ArkuszPrzegrody(s)->Komorka(0, 5), QString());
        QCOMPARE(ArkuszPrzegrody(s)->Komorka(0, 6), QString());
        QCOMPARE(s->Model.Iso13788.Klimat, std::string());
        s->Model.DaneProjektu.Obiekt.UstawUtf8("Inny obiekt");
        s.Otworz(plik);
        QVERIFY2(s.d.Bledy().isEmpty(), qPrintable(s.d.Bledy().join('\n')));
        QCOMPARE(s->Model.DaneProjektu.Obiekt.Utf8(), std::string("Szkoła"));
        QCOMPARE(s->Model.DaneProjektu.Data.Utf8(), std::string("05.01.2026"));
        QCOMPARE(s->Model.Iso13788.Klimat, std::string("Warszawa"));
        QCOMPARE(s->Model.Warstwy[2].Gestosc, std::optional<double>(1800));
        QCOMPARE(s->Model.Warstwy[3].Cieplo, std::optional<double>(1.45));
        // The grid shows them with their layers; unknown ones stay empty.
        QCOMPARE(ArkuszPrzegrody(s)->Komorka(1, 5), QStringLiteral("1800"));
        QCOMPARE(ArkuszPrzegrody(s)->Komorka(1, 6), QString());
        QCOMPARE(ArkuszPrzegrody(s)->Komorka(2, 5), QString());
        QCOMPARE(ArkuszPrzegrody(s)->Komorka(2, 6), QStringLiteral("1,45"));

        // The calculation copies the grid into the layer table and leaves them be.
        Kontrolka<QPushButton>(s, "BitBtnOblicz")->click();
        QCOMPARE(s->Model.Warstwy[2].Lambda, 0.77);
        QCOMPARE(s->Model.Warstwy[2].Gestosc, std::optional<double>(1800));
        const QString drugi = s.Plik("opis2.pro");
        s.Zapisz(drugi);
        QVERIFY2(CzytajBajty(drugi) == zapisany, CzytajBajty(drugi).mid(1296).constData());

        // A file without a description has none: the one of the project before does not stay.
        QVERIFY(ZapiszBajty(plik, RekordTrzechWarstw().b));
        s.Otworz(plik);
        QVERIFY(s->Model.DaneProjektu.Obiekt.Pusty());
        QVERIFY(s->Model.DaneProjektu.Data.Pusty());
        QVERIFY(!s->Model.Warstwy[2].Gestosc);
        QCOMPARE(ArkuszPrzegrody(s)->Komorka(1, 5), QString());
    }

    // A file with the older alpha and no 2017 entry: opened on the older form, which says so; opening
    // the dialog and confirming changes nothing, and the file saves again as it was.
    void starsza_postac_lacznika_z_pliku() {
        TStanowisko s;
        const QString plik = s.Plik("stary.pro");
        QVERIFY(ZapiszBajty(plik, RekordTrzechWarstw().b));
        s.Otworz(plik);
        QVERIFY2(s.d.Bledy().isEmpty(), qPrintable(s.d.Bledy().join('\n')));
        const double deltaUf = DeltaUf(s->Model);
        QCOMPARE(deltaUf, 5 * 50 * 4 * 0.0001);
        QCOMPARE(Kontrolka<QComboBox>(s.mostki, "ComboBoxFormaLacznika")->currentIndex(), 1);
        s.Mostki([](TFormMostkiTerm& f) {
            QVERIFY(!Kontrolka<QLabel>(&f, "LabelFormaLacznika")->isHidden());
            QVERIFY(Kontrolka<QLabel>(&f, "LabelFormaLacznika")
                        ->text()
                        .startsWith(QStringLiteral("Projekt ma poprawkę w starszej postaci")));
            Kontrolka<QPushButton>(&f, "Button1")->click();
        });
        QVERIFY(!s->Model.WarunkiPracy.Lacznik2017.has_value());
        QCOMPARE(s->Model.WarunkiPracy.Alfa, 5);
        QCOMPARE(DeltaUf(s->Model), deltaUf);
        QVERIFY(!s->Model.Zmieniony);
        const QString drugi = s.Plik("stary2.pro");
        s.Zapisz(drugi);
        QCOMPARE(CzytajBajty(drugi).left(1296), RekordTrzechWarstw().b);
    }

    // The grid does not show a layer's bridging materials or an air layer's ventilation; opening and
    // saving such a project in the window keeps them, with the layer they belong to.
    void mostki_i_powietrze_wracaja_do_pliku() {
        TStanowisko s;
        const QByteArray blok = QByteArrayLiteral(
            "MUROLAB-ROZSZERZENIE 1\n"
            R"({"Warstwy":[{"Gestosc":null,"Cieplo":null},)"
            R"({"Gestosc":null,"Cieplo":null,"Mostki":[{"Nazwa":"Słup","Lambda":0.13,"Mi":50,)"
            R"("Gestosc":500,"Cieplo":2.5,"Udzial":0.15}]},)"
            R"({"Gestosc":null,"Cieplo":null,"Mostki":[{"Nazwa":"Łata","Lambda":0.13,"Mi":50,)"
            R"("Gestosc":null,"Cieplo":null,"Udzial":0.15}],"WOsi":2}],)"
            R"("Lacznik2017":{"Warstwa":3,"d1":0.08}})"
            "\n");
        const QString plik = s.Plik("mostki.pro");
        QVERIFY(ZapiszBajty(plik, RekordTrzechWarstw().b + blok));
        s.Otworz(plik);
        QVERIFY2(s.d.Bledy().isEmpty(), qPrintable(s.d.Bledy().join('\n')));
        QCOMPARE(s->Model.Warstwy[2].Mostki.size(), std::size_t{1});
        QCOMPARE(s->Model.Warstwy[3].WOsi, 2);
        // The 2017 fastener entry comes back into the dialog (the record's alpha 5 is the older form's).
        QCOMPARE(Kontrolka<QComboBox>(s.mostki, "ComboBoxFormaLacznika")->currentIndex(), 0);
        QCOMPARE(Kontrolka<QComboBox>(s.mostki, "ComboBoxWarstwaF")->currentData().toInt(), 3);
        QVERIFY(Kontrolka<QCheckBox>(s.mostki, "CheckBoxWpuszczony")->isChecked());
        QCOMPARE(Kontrolka<TNumEdit>(s.mostki, "NumEditD1")->text(), QStringLiteral("0,08"));

        const QString drugi = s.Plik("mostki2.pro");
        s.Zapisz(drugi);
        QVERIFY2(s.d.Bledy().isEmpty(), qPrintable(s.d.Bledy().join('\n')));
        const QByteArray zapisany = CzytajBajty(drugi);
        QVERIFY2(zapisany.mid(1296) == blok, zapisany.mid(1296).constData());
    }

    void gestosc_i_cieplo_z_siatki_przy_obliczeniu_data() {
        QTest::addColumn<QStringList>("komorki"); // density, specific heat of layer 2
        QTest::addColumn<QString>("komunikat");   // the one message, empty = none
        QTest::addColumn<double>("gestosc");      // -1 = unknown
        QTest::addColumn<double>("cieplo");
        const QString zlaGestosc = QStringLiteral("Podana wartość gęstości warstwy nr 2 jest niepoprawna.");
        const QString zleCieplo =
            QStringLiteral("Podana wartość ciepła właściwego warstwy nr 2 jest niepoprawna.");
        // clang-format off
        QTest::newRow("obie podane") << QStringList{"1800", "0,88"} << QString() << 1800.0 << 0.88;
        QTest::newRow("obie nieznane") << QStringList{"", ""} << QString() << -1.0 << -1.0;
        QTest::newRow("tylko gęstość") << QStringList{"1800", ""} << QString() << 1800.0 << -1.0;
        QTest::newRow("zero to bez masy, nie brak") << QStringList{"0", "0"} << QString() << 0.0 << 0.0;
        QTest::newRow("gęstość ujemna") << QStringList{"-1800", "0,88"} << zlaGestosc << 7.0 << 7.0;
        QTest::newRow("ciepło ujemne") << QStringList{"1800", "-0,5"} << zleCieplo << 7.0 << 7.0;
        // Physical bounds: ρ in kg/m3 up to 25 000, c in kJ/(kg K) up to 10 (the grid's unit).
        QTest::newRow("granice przyjęte") << QStringList{"25000", "10"} << QString() << 25000.0 << 10.0;
        QTest::newRow("gęstość ponad 25000") << QStringList{"25001", "0,88"} << zlaGestosc << 7.0 << 7.0;
        QTest::newRow("gęstość 1e300") << QStringList{"1e300", "0,88"} << zlaGestosc << 7.0 << 7.0;
        QTest::newRow("ciepło w J/(kg·K)") << QStringList{"1800", "840"} << zleCieplo << 7.0 << 7.0;
        // clang-format on
    }
    void gestosc_i_cieplo_z_siatki_przy_obliczeniu() {
        QFETCH(QStringList, komorki);
        QFETCH(QString, komunikat);
        QFETCH(double, gestosc);
        QFETCH(double, cieplo);
        TStanowisko s;
        TrzyWarstwy(s);
        // What the layer table held before: it stays when the check refuses the grid.
        s->Model.Warstwy[2].Gestosc = 7.0;
        s->Model.Warstwy[2].Cieplo = 7.0;
        s->Model.Warstwy[1].Gestosc = 7.0;
        ArkuszPrzegrody(s)->UstawKomorke(1, 5, komorki[0]);
        ArkuszPrzegrody(s)->UstawKomorke(1, 6, komorki[1]);
        s.d.Wyczysc();
        s->Oblicz();
        const QList<TWywolanie> k = s.d.Komunikaty();
        auto wartosc = [](double v) { return v < 0 ? std::optional<double>() : std::optional<double>(v); };
        QCOMPARE(s->Model.Warstwy[2].Gestosc, wartosc(gestosc));
        QCOMPARE(s->Model.Warstwy[2].Cieplo, wartosc(cieplo));
        if (komunikat.isEmpty()) {
            QVERIFY2(k.isEmpty(), qPrintable(k.value(0).Tekst));
            // Not needed by the calculation: it ran.
            QVERIFY(s->Model.Wyniki.U0 > 0);
        } else {
            QCOMPARE(k.size(), 1);
            QCOMPARE(k[0].Tekst, komunikat);
            QCOMPARE(k[0].Ikona, TIkona::Stop);
        }
        // An empty cell of another layer reaches the table as unknown (not as zero), unless refused.
        QCOMPARE(s->Model.Warstwy[1].Gestosc, komunikat.isEmpty() ? std::optional<double>() : 7.0);
    }

    void nieudany_zapis_zostawia_stary_plik() {
        TStanowisko s;
        TrzyWarstwy(s);
        const QString plik = s.Plik("sciana.pro");
        s.Zapisz(plik);
        const QByteArray stary = CzytajBajty(plik);
        QCOMPARE(stary.size(), 1296);

        // A changed project, then a disk that takes only 100 bytes of a file.
        ArkuszPrzegrody(s)->UstawKomorke(0, 1, QStringLiteral("Tynk gipsowy"));
        s.d.Wyczysc();
        {
            TLimitRozmiaruPliku limit(100);
            s.Zapisz(plik);
        }
        QCOMPARE(s.d.Bledy().size(), 1);
        QVERIFY2(s.d.Bledy()[0].contains(plik), qPrintable(s.d.Bledy()[0]));
        QCOMPARE(CzytajBajty(plik), stary);
        QCOMPARE(QDir(s.katalog.path()).entryList(QDir::Files), QStringList{"sciana.pro"});
        // The grid had been taken into the layer table before the file was written, nothing else.
        QCOMPARE(s->Model.Warstwy[1].Nazwa.Utf8(), std::string("Tynk gipsowy"));
        QCOMPARE(s->Model.WarunkiPracy.Rse, 0.08);

        // A directory that does not exist: the file cannot be created.
        s.d.Wyczysc();
        const QString bezKatalogu = s.Plik("brak/sciana.pro");
        s.Zapisz(bezKatalogu);
        QCOMPARE(s.d.Bledy().size(), 1);
        QVERIFY2(s.d.Bledy()[0].contains(QStringLiteral("Nie można zapisać")), qPrintable(s.d.Bledy()[0]));
        QVERIFY(!QFile::exists(bezKatalogu));

        // With room again the same command writes the changed project.
        s.d.Wyczysc();
        s.Zapisz(plik);
        QVERIFY(s.d.Bledy().isEmpty());
        QVERIFY(CzytajBajty(plik) != stary);
        QCOMPARE(CzytajBajty(plik).mid(1, 12), QByteArray("Tynk gipsowy"));
    }

    void zapisz_sprawdza_warstwy_i_warunki() {
        TStanowisko s;
        s.Dodaj({{"Cegła", "0,77", "16", "0,38"}, {"Zła", "0,005", "16", "0,38"}});
        s.Wprowadz(QStringLiteral("Ściana zewnętrzna"), "20", "-20", "55", "85");
        s.d.Wyczysc();
        s.Zapisz(s.Plik("x.pro"));
        QCOMPARE(s.d.Komunikaty().size(), 1);
        QVERIFY(
            s.d.Komunikaty()[0].Tekst.startsWith(QStringLiteral("Podana wartość wspł. przwodzenia ciepła")));
        QVERIFY(!QFile::exists(s.Plik("x.pro")));

        // Layers fixed, no correction: the reminder, then the save.
        ArkuszPrzegrody(s)->UstawKomorke(1, 2, "0,04");
        s.d.Wyczysc();
        s.d.PlikiDoZapisu.clear();
        s.Zapisz(s.Plik("x.pro"));
        QCOMPARE(s.d.TekstyKomunikatow(),
                 QStringList{QStringLiteral("W obliczeniach nie uwzględniono wpływu mostków cieplnych !")});
        QVERIFY(QFile::exists(s.Plik("x.pro")));
        // Saved: the edited grid, not what the last calculation took.
        const QByteArray zapisany = CzytajBajty(s.Plik("x.pro"));
        QCOMPARE(std::bit_cast<double>(qFromLittleEndian<quint64>(zapisany.constData() + 72 + 56)), 0.04);
    }
};

QTEST_MAIN(TestProjekt)
#include "tst_projekt.moc"
