#pragma once
// Which climate a project's yearly check uses, and the climates of one run, each read once.
// A climate is named by a path, by its file's name without ".csv" (the user's climate folder, then
// the program's) or by its station as the file's first line writes it ("Warszawa-Okęcie"), in any
// case and with the Polish letters or their plain forms ("warszawa-okecie").

#include "core/Klimat.h"
#include "core/Model.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace murolab {

// One climate file of the two folders.
struct TKlimatWFolderze {
    std::string Plik;   // its path
    std::string Nazwa;  // the file's name without ".csv"
    std::string Stacja; // the station from its first comment line up to " (", or Nazwa
};

// "warszawa-okecie" for "Warszawa-Okęcie", "Warszawa Okęcie" and "WARSZAWA_OKECIE": the form names
// are compared in.
std::string KluczNazwyKlimatu(std::string_view nazwa);

// The climates of one run: each name is resolved and read at most once, its climate or its message kept.
class TKlimaty {
public:
    TKlimaty(std::filesystem::path katalogDanych, std::string katalogUzytkownika);

    // The climate named, or the message: a name that is no climate lists the available ones; a name
    // of a folder, a FIFO or a file that is no climate says what is wrong with it.
    const TWynik<TKlimat>& Wczytaj(const std::string& nazwaLubSciezka);

    // The climate files of the user's folder, then the program's, each name once (the user's copy wins).
    const std::vector<TKlimatWFolderze>& Dostepne();

private:
    std::string Sciezka(const std::string& nazwa);

    std::filesystem::path katalogDanych_;
    std::string katalogUzytkownika_;
    std::map<std::string, TWynik<TKlimat>> wczytane_;
    std::optional<std::vector<TKlimatWFolderze>> dostepne_;
};

// The climate of one project's yearly check in a run: the name given on the command line
// (`nadrzedny`, empty when none) beats the project's own choice. Nazwa is empty and Klimat null when
// neither names one. A project that stores the months of its own climate (see KlimatProjektu in
// files/PlikKlimatu.h) is computed with those, unless the command line names another climate: the
// same project file gives the same year on every machine, as in the window.
struct TKlimatPrzebiegu {
    std::string Nazwa;
    const TWynik<TKlimat>* Klimat = nullptr; // a climate read by name or path (kept by TKlimaty)
    std::optional<TKlimat> Zapisany;         // the months stored with the project
    // The climate to compute with, or its message; null without a climate.
    const TKlimat* Dane() const;
    const std::string* Blad() const;
};
TKlimatPrzebiegu KlimatPrzebiegu(const TModelProjektu& model, const std::string& nadrzedny,
                                 TKlimaty& klimaty);

} // namespace murolab
