# The libraries a program maps before main, read by ldd (direct and indirect): neither program
# needs Qt Charts, Qt Svg or Qt's OpenGL libraries, which the charts module pulls in — and the
# module does need them, so a listing that names nothing fails too.
# Arguments: WINDOWED, BATCH (the programs), MODULE (the charts module).

find_program(LDD ldd)
if(NOT LDD)
    message("SKIP: ldd not found, the programs' libraries are not read")
    return()
endif()

set(charts_libraries "libQt6Charts[.]so" "libQt6Svg[.]so" "libQt6OpenGL[A-Za-z]*[.]so")

function(libraries_of file result)
    execute_process(COMMAND ${LDD} ${file} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "ldd ${file} failed: ${out}${err}")
    endif()
    set(${result} "${out}" PARENT_SCOPE)
endfunction()

foreach(program ${WINDOWED} ${BATCH})
    libraries_of(${program} listing)
    foreach(library ${charts_libraries})
        if(listing MATCHES "${library}")
            message(FATAL_ERROR "${program} maps ${CMAKE_MATCH_0} at start:\n${listing}")
        endif()
    endforeach()
endforeach()

libraries_of(${MODULE} listing)
foreach(library "libQt6Charts[.]so" "libQt6Svg[.]so")
    if(NOT listing MATCHES "${library}")
        message(FATAL_ERROR "the charts module does not name ${library}:\n${listing}")
    endif()
endforeach()
