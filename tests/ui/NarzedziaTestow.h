#pragma once
// The main window on the recording seam, shown and active, for the tests of its sheets.

#include "Kontrolki.h"
#include "ui/FormPrzegroda.h"
#include "widgets/DialogiTestowe.h"
#include "widgets/Klawiatura.h"

namespace murolab::testy {

// The main window on the recording seam, shown and active; what its creation said is forgotten.
struct TOknoGlowne {
    TDialogiTestowe d;
    TFormPrzegroda f{d, MUROLAB_DANE_ZRODLOWE};
    TOknoGlowne() {
        PokazAktywne(&f);
        d.Wyczysc();
    }
};

} // namespace murolab::testy
