# Runs the program on a file that does not exist and requires exit status 2 and a message.
execute_process(COMMAND ${PROGRAM} --oblicz nie_ma_takiego_pliku.pro
                RESULT_VARIABLE kod ERROR_VARIABLE bledy OUTPUT_VARIABLE wyjscie)
if(NOT kod EQUAL 2)
    message(FATAL_ERROR "exit status ${kod}, expected 2")
endif()
if(NOT bledy MATCHES "nie_ma_takiego_pliku.pro")
    message(FATAL_ERROR "no message naming the file: ${bledy}")
endif()
if(NOT wyjscie STREQUAL "")
    message(FATAL_ERROR "unexpected output: ${wyjscie}")
endif()
