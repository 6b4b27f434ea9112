#pragma once
// "Własny…" climate: a table of the twelve monthly means (θe, φe) with the program's numeric
// fields, and a name. "Zapisz" checks every value, writes the climate file into the user's climate
// folder and closes the form; the sheet then offers and chooses it. The name of a shipped climate is
// refused: the own file would hide the shipped one on this machine only.

#include "core/Klimat.h"

#include <QDialog>
#include <QString>

#include <array>

class QLineEdit;
class QPushButton;

namespace murolab {

class TDialogi;
class TNumEdit;

class TFormKlimat : public QDialog {
    Q_OBJECT
public:
    // `katalog`: the user's climate folder, where it saves; `katalogDostarczony`: the shipped climates'.
    TFormKlimat(TDialogi& dialogi, const QString& katalog, const QString& katalogDostarczony,
                QWidget* rodzic = nullptr);

    // Starts from a climate (the one chosen on the sheet, or an empty year) and a proposed name.
    void Ustaw(const TKlimat& klimat, const QString& nazwa);
    // After "Zapisz": the name saved (the file's name without ".csv") and the file.
    const QString& ZapisanaNazwa() const { return zapisanaNazwa_; }
    const QString& ZapisanyPlik() const { return zapisanyPlik_; }

    void Zapisz();

private:
    TDialogi& dialogi_;
    QString katalog_;
    QString katalogDostarczony_;
    QLineEdit* nazwa_ = nullptr;
    std::array<TNumEdit*, kLiczbaMiesiecy> temp_{};
    std::array<TNumEdit*, kLiczbaMiesiecy> wilgot_{};
    QString zapisanaNazwa_;
    QString zapisanyPlik_;
};

// Writes text to a file through a temporary file renamed over it, so that a failure never leaves
// a half-written file in its place. Returns an empty string, or the reason.
QString ZapiszPlikAtomowo(const QString& plik, const QByteArray& dane);

} // namespace murolab
