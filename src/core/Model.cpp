#include "core/Model.h"

namespace murolab {

void TWarunkiPracy::Resetuj() {
    *this = TWarunkiPracy{};
    TempZewn = kTempNieustalonaZewn;
    TempWew = kTempNieustalonaWewn;
}

void TModelProjektu::Resetuj() {
    LiczbaWarstw = 0;
    Warstwy.Wyzeruj();
    WarunkiPracy.Resetuj();
    DaneProjektu = TDaneProjektu{};
    Iso13788 = TUstawieniaIso13788{};
    RozszerzenieNieznane = TWartoscJson::Obiekt();
}

} // namespace murolab
