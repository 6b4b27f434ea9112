#include "core/Bledy.h"

#include <cerrno>
#include <cstring>

namespace murolab {

std::string OpisBleduSystemu(int kod) {
    switch (kod) {
    case ENOENT:
        return "nie ma takiego pliku ani katalogu";
    case EACCES:
    case EPERM:
        return "brak uprawnień";
    case EISDIR:
        return "to jest katalog, a nie plik";
    case ENOTDIR:
        return "element ścieżki nie jest katalogiem";
    case ENOSPC:
        return "brak miejsca na dysku";
    case EDQUOT:
        return "przekroczony przydział miejsca na dysku";
    case EFBIG:
        return "plik przekroczyłby dopuszczalny rozmiar";
    case EROFS:
        return "system plików jest tylko do odczytu";
    case EIO:
        return "błąd wejścia-wyjścia urządzenia";
    case ENAMETOOLONG:
        return "za długa nazwa pliku";
    case EMFILE:
    case ENFILE:
        return "za dużo otwartych plików";
    case EBUSY:
        return "plik lub urządzenie jest zajęte";
    case EXDEV:
        return "plik tymczasowy i docelowy leżą na różnych systemach plików";
    default:
        return std::strerror(kod);
    }
}

} // namespace murolab
