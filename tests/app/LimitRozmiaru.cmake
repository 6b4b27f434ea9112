# `murolab --oblicz ... --raport X.pdf` under a file-size limit smaller than the report: the
# program is not killed by SIGXFSZ but reports the failed write (status 2), keeps the old report
# and leaves no temporary file in the folder.
file(REMOVE_RECURSE ${KATALOG})
file(MAKE_DIRECTORY ${KATALOG})
file(WRITE ${KATALOG}/raport.pdf "stary raport")
set(ENV{DISPLAY} "")
set(ENV{QT_QPA_PLATFORM} "")
# 8 blocks: a few kilobytes, far below the report's size.
execute_process(COMMAND sh -c "ulimit -f 8 && exec \"$0\" --oblicz \"$1\" --raport \"$2\""
                        ${PROGRAM} ${PROJEKT} ${KATALOG}/raport.pdf
                RESULT_VARIABLE kod ERROR_VARIABLE bledy OUTPUT_VARIABLE wyjscie)
if(NOT kod STREQUAL "2")
    message(FATAL_ERROR "exit status '${kod}', expected 2: ${bledy}")
endif()
if(NOT bledy MATCHES "Nie można zapisać raportu do pliku .*raport\\.pdf.*dopuszczalny rozmiar")
    message(FATAL_ERROR "no message about the size limit: ${bledy}")
endif()
file(READ ${KATALOG}/raport.pdf tresc)
if(NOT tresc STREQUAL "stary raport")
    message(FATAL_ERROR "the old report was changed")
endif()
file(GLOB pliki RELATIVE ${KATALOG} ${KATALOG}/* ${KATALOG}/.*)
if(NOT pliki STREQUAL "raport.pdf")
    message(FATAL_ERROR "files left in the folder: ${pliki}")
endif()
file(REMOVE_RECURSE ${KATALOG})
