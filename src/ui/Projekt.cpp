// Part of TFormPrzegroda; see FormPrzegroda.h.
#include "ui/FormPrzegroda.h"

namespace murolab {
} // namespace murolab
