#pragma once
// What the tests of the calculate command and of the results sheet share: a main window built
// directly on the recording seam, with the real saturation table, a grid filled as the insertion
// dialog fills it and working conditions stored as "&Wprowadź" stores them.

#include "Kontrolki.h"
#include "core/Liczby.h"
#include "core/Obliczenia.h"
#include "files/PlikTablicyNasycenia.h"
#include "ui/FormPrzegroda.h"
#include "widgets/DialogiTestowe.h"
#include "widgets/NumEdit.h"

#include <QComboBox>
#include <QList>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace murolab::test {

struct TWiersz {
    QString Nazwa, Lambda, Mi, Grubosc;
};

struct TWarunki {
    int TempWew = 20, TempZewn = -20, WilgotWewn = 55, WilgotZewn = 80;
    double Rsi = 0.13, Rse = 0.04;
};

struct TOkno {
    TDialogiTestowe Dialogi;
    std::unique_ptr<TFormPrzegroda> Okno;

    // The window reads ula.dat from the data directory it is given: the source tree's data/.
    TOkno() : Okno(std::make_unique<TFormPrzegroda>(Dialogi, MUROLAB_DANE_ZRODLOWE)) {
        if (!Dialogi.Wywolania.isEmpty())
            qFatal("the window's creation said: %s", qPrintable(Dialogi.Wywolania.first().Tekst));
    }
    TFormPrzegroda* operator->() { return Okno.get(); }
    TModelProjektu& Model() { return Okno->Model; }

    // Rows appended as the layer insertion dialog appends them (at most 10).
    void Dodaj(const QList<TWiersz>& wiersze) {
        for (const TWiersz& w : wiersze) {
            Okno->DodajWiersz();
            Okno->WpiszWiersz(Okno->Model.LiczbaWarstw - 1, w.Nazwa, w.Lambda, w.Mi, w.Grubosc);
        }
    }
    // The state after "&Wprowadź": the model holds the conditions, the sheet's fields show them.
    void Warunki(const TWarunki& w) {
        TWarunkiPracy& p = Okno->Model.WarunkiPracy;
        p.TempWew = w.TempWew;
        p.TempZewn = w.TempZewn;
        p.WilgotWewn = w.WilgotWewn;
        p.WilgotZewn = w.WilgotZewn;
        p.Rsi = w.Rsi;
        p.Rse = w.Rse;
        Kontrolka<TNumEdit>(Okno, "NumEditTempWew")->setText(QString::number(w.TempWew));
        Kontrolka<TNumEdit>(Okno, "NumEditTempZewn")->setText(QString::number(w.TempZewn));
    }
    // The same state reached as the user reaches it: the fields typed, then "&Wprowadź".
    void Wprowadz(const TWarunki& w) {
        Kontrolka<QComboBox>(Okno, "ComboBoxRsi")->setCurrentText(QString::fromStdString(Ogolny(w.Rsi)));
        Kontrolka<QComboBox>(Okno, "ComboBoxRse")->setCurrentText(QString::fromStdString(Ogolny(w.Rse)));
        Kontrolka<TNumEdit>(Okno, "NumEditTempWew")->setText(QString::number(w.TempWew));
        Kontrolka<TNumEdit>(Okno, "NumEditTempZewn")->setText(QString::number(w.TempZewn));
        Kontrolka<TNumEdit>(Okno, "NumEditWilgotWewn")->setText(QString::number(w.WilgotWewn));
        Kontrolka<TNumEdit>(Okno, "NumEditWilgotZewn")->setText(QString::number(w.WilgotZewn));
        Kontrolka<QPushButton>(Okno, "Button6")->click();
    }
    // "&Oblicz", through the button: a failure reaches the standard error box, not the test.
    void Oblicz() { Kontrolka<QPushButton>(Okno, "BitBtnOblicz")->click(); }
    // One correction, so that no reminder interrupts tests about something else.
    void ZMostkami() { Okno->Model.WarunkiPracy.DeltaUk = 0.05; }

    int Arkusz() const { return Kontrolka<QTabWidget>(Okno, "PageControlPrzegroda")->currentIndex(); }

    // For a look at the window: with MUROLAB_ZRZUTY naming a directory, saves <nazwa>.png there.
    void Zrzut(const QString& nazwa) {
        const QString katalog = qEnvironmentVariable("MUROLAB_ZRZUTY");
        if (katalog.isEmpty())
            return;
        Okno->show();
        QCoreApplication::processEvents();
        Okno->grab().save(katalog + u'/' + nazwa + QStringLiteral(".png"));
    }
};

// The window under test, for the lookup of its controls by name (Kontrolki.h).
inline const QObject* Obiekt(const TOkno& o) {
    return o.Okno.get();
}

// Exactly one message box was shown: this text, caption and icon, with an OK button.
inline bool JedenKomunikat(const TDialogiTestowe& d, const QString& tekst, const QString& tytul,
                           TIkona ikona) {
    const QList<TWywolanie> k = d.Komunikaty();
    return k.size() == 1 && k[0].Tekst == tekst && k[0].Tytul == tytul && k[0].Ikona == ikona &&
           k[0].Przyciski == TPrzyciski::Ok;
}

// The lines of a column as the user reads them; an empty column has none.
inline QStringList Linie(const QTextEdit* kolumna) {
    const QString t = kolumna->toPlainText();
    if (kolumna->document()->isEmpty())
        return {};
    return t.split(u'\n');
}

// The eleven columns, left to right.
inline QList<QTextEdit*> Kolumny(TFormPrzegroda& o) {
    QList<QTextEdit*> kolumny;
    for (const char* nazwa :
         {"RichEditNr", "RichEditMaterial", "RichEditLambda", "RichEditMi", "RichEditGrubosc", "RichEditR",
          "RichEditDelta", "RichEditSpadek", "RichEditTemp", "RichEditCisNasy", "RichEditCisCzast"})
        kolumny << Kontrolka<QTextEdit>(o, nazwa);
    return kolumny;
}

// The labels of the parts of Uk under the results, left to right.
inline QList<QLabel*> SkladnikiUk(TFormPrzegroda& o) {
    QList<QLabel*> etykiety;
    for (int i = 0; i < 4; ++i)
        etykiety << Kontrolka<QLabel>(o, qPrintable(QStringLiteral("LabelSkladnikUk%1").arg(i)));
    return etykiety;
}

} // namespace murolab::test
