# Runs the program on the bundled example from a directory without ula.dat, as a user would:
# status 0, nothing on stderr (the example has a thermal-bridge addition), the sheet and the verdict,
# and, as the example carries a climate and every layer's density and specific heat, the year, fRsi,
# WT 2021 and the summer figures.
execute_process(COMMAND ${PROGRAM} --oblicz ${PROJEKT}
                RESULT_VARIABLE kod ERROR_VARIABLE bledy OUTPUT_VARIABLE wyjscie)
if(NOT kod EQUAL 0)
    message(FATAL_ERROR "exit status ${kod}: ${bledy}")
endif()
if(NOT bledy STREQUAL "")
    message(FATAL_ERROR "unexpected messages: ${bledy}")
endif()
if(NOT wyjscie MATCHES "Styropian EPS 040.*U  = 0,335.*kondensacja pary wodnej na wewnętrznej powierzchni nie występuje")
    message(FATAL_ERROR "not the example's results: ${wyjscie}")
endif()
if(NOT wyjscie MATCHES "Bilans roczny \\(PN-EN ISO 13788\\).*grudzień.*Klimat: Warszawa-Okęcie.*fRsi przegrody = .*WT 2021.*Lato \\(PN-EN ISO 13786")
    message(FATAL_ERROR "the example lacks the year, fRsi, WT 2021 or the summer figures: ${wyjscie}")
endif()
