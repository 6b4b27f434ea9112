#include "core/Bledy.h"

#include <cerrno>

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
    case ELOOP:
        return "za dużo poziomów odnośników symbolicznych (odnośniki tworzą pętlę)";
    case EEXIST:
        return "plik już istnieje";
    case ETXTBSY:
        return "plik jest w użyciu jako program";
    case EAGAIN:
        return "plik jest chwilowo niedostępny (zablokowany)";
    case ENXIO:
    case ENODEV:
        return "brak urządzenia";
    case EMLINK:
        return "za dużo dowiązań do pliku";
    case ENOMEM:
        return "brak pamięci";
    case EINVAL:
        return "system plików nie obsługuje tej operacji";
    case EOPNOTSUPP:
        return "operacja nieobsługiwana przez system plików";
    case ESTALE:
        return "nieaktualny uchwyt pliku sieciowego";
    case ENOTEMPTY:
        return "katalog nie jest pusty";
    default:
        // The C library's text would be English: the number lets the cause be looked up.
        return "błąd systemu nr " + std::to_string(kod);
    }
}

} // namespace murolab
