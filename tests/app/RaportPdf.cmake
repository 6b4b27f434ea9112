# `murolab --oblicz przyklad.pro --raport X.pdf` without a display: status 0, three A4 pages whose
# text holds the header, both tables, the results and the moisture check.
file(REMOVE ${PDF})
set(ENV{DISPLAY} "")
set(ENV{QT_QPA_PLATFORM} "")
execute_process(COMMAND ${PROGRAM} --oblicz ${PROJEKT} --raport ${PDF}
                RESULT_VARIABLE kod ERROR_VARIABLE bledy OUTPUT_VARIABLE wyjscie)
if(NOT kod EQUAL 0)
    message(FATAL_ERROR "exit status ${kod}: ${bledy}")
endif()
execute_process(COMMAND pdfinfo ${PDF} OUTPUT_VARIABLE info RESULT_VARIABLE kod)
if(NOT kod EQUAL 0 OR NOT info MATCHES "Pages: +3\n" OR NOT info MATCHES "595(\\.[0-9]+)? x 842")
    message(FATAL_ERROR "not three A4 pages: ${info}")
endif()
execute_process(COMMAND pdftotext -layout ${PDF} - OUTPUT_VARIABLE tekst)
foreach(fragment "Murolab" "Rozkład temperatury w przegrodzie" "Rozkład ciśnień w przegrodzie"
                 "Nazwa materiału" "Styropian EPS 040" "0,335" "nie występuje"
                 "Wymagania WT 2021")
    string(FIND "${tekst}" "${fragment}" gdzie)
    if(gdzie EQUAL -1)
        message(FATAL_ERROR "the report lacks \"${fragment}\"")
    endif()
endforeach()
