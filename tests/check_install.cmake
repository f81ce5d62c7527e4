# Installs the build into a temporary prefix and checks what an installed Orvane is made of:
# the files, the desktop entry and software-centre record (validated when the tools are there),
# the file types, and the installed programs answering --version and computing an example.
# Arguments: BUILD_DIR, SOURCE_DIR, PREFIX, VERSION, WITH_UI, CHARTS_MODULE (the charts module
# relative to the prefix; empty in a build without charts).

function(fail)
    string(JOIN "" text ${ARGN})
    message(FATAL_ERROR "${text}")
endfunction()

# run(NAME command...): runs it, fails unless it exits 0; NAME_out and NAME_err hold its output.
function(run name)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        fail("${ARGN}\nexit: ${rc}\n${out}${err}")
    endif()
    set(${name}_out "${out}" PARENT_SCOPE)
    set(${name}_err "${err}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${PREFIX})
run(install ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

set(id org.orvane.Orvane)
set(data share/orvane)
set(expected bin/orvane-calc ${data}/FireLoads.csv ${data}/FLDensities.csv)
file(GLOB examples RELATIVE ${SOURCE_DIR}/examples ${SOURCE_DIR}/examples/*)
if(NOT examples)
    fail("no example projects in ${SOURCE_DIR}/examples")
endif()
foreach(example ${examples})
    list(APPEND expected ${data}/examples/${example})
endforeach()
if(EXISTS ${SOURCE_DIR}/docs/manual/index.html)
    list(APPEND expected ${data}/manual/index.html)
endif()
if(WITH_UI)
    list(APPEND expected bin/orvane share/applications/${id}.desktop
         share/mime/packages/orvane.xml share/metainfo/${id}.metainfo.xml
         share/icons/hicolor/scalable/apps/${id}.svg
         share/icons/hicolor/48x48/apps/${id}.png share/icons/hicolor/256x256/apps/${id}.png)
endif()
if(CHARTS_MODULE)
    list(APPEND expected ${CHARTS_MODULE})
endif()
foreach(file ${expected})
    if(NOT EXISTS ${PREFIX}/${file})
        fail("not installed: ${file}")
    endif()
endforeach()

if(WITH_UI)
    # The desktop entry: both names, the category, both project types, an icon that is installed.
    file(READ ${PREFIX}/share/applications/${id}.desktop entry)
    foreach(line "Name=Orvane" "Name[ru]=Орвейн" "Categories=Science;Engineering;"
                 "MimeType=application/x-orvane-smoke-exhaust;application/x-orvane-air-supply;"
                 "Icon=${id}" "Exec=orvane %f")
        string(FIND "${entry}" "${line}\n" at)
        if(at EQUAL -1)
            fail("the desktop entry lacks the line ${line}")
        endif()
    endforeach()
    find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
    if(DESKTOP_FILE_VALIDATE)
        run(desktop ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/${id}.desktop)
        if(NOT "${desktop_out}${desktop_err}" STREQUAL "")
            fail("desktop-file-validate: ${desktop_out}${desktop_err}")
        endif()
    else()
        message(STATUS "desktop-file-validate not found: the desktop entry is not validated")
    endif()
    find_program(APPSTREAMCLI appstreamcli)
    if(APPSTREAMCLI)
        run(metainfo ${APPSTREAMCLI} validate --no-net
            ${PREFIX}/share/metainfo/${id}.metainfo.xml)
    else()
        message(STATUS "appstreamcli not found: the metainfo is not validated")
    endif()
    # The file types: the MIME database built from the installed definitions knows both globs.
    find_program(UPDATE_MIME_DATABASE update-mime-database)
    if(UPDATE_MIME_DATABASE)
        run(mime ${UPDATE_MIME_DATABASE} ${PREFIX}/share/mime)
        file(READ ${PREFIX}/share/mime/globs2 globs)
        foreach(glob "application/x-orvane-smoke-exhaust:*.smkprj"
                     "application/x-orvane-air-supply:*.isrprj")
            string(FIND "${globs}" "${glob}" at)
            if(at EQUAL -1)
                fail("the MIME database lacks ${glob}")
            endif()
        endforeach()
    endif()
endif()

# The installed programs: the version, and an installed example computed from there.
set(programs orvane-calc)
if(WITH_UI)
    list(APPEND programs orvane)
endif()
foreach(program ${programs})
    run(version ${PREFIX}/bin/${program} --version)
    if(NOT version_out STREQUAL "Орвейн ${VERSION}\n")
        fail("${program} --version printed '${version_out}'")
    endif()
endforeach()
set(report ${PREFIX}/corridor.rtf)
run(calc ${PREFIX}/bin/orvane-calc -o ${report} ${PREFIX}/${data}/examples/corridor.smkprj)
if(NOT calc_out MATCHES "^L = [0-9]+ м³/ч, P = [0-9]+ Па\n$" OR NOT EXISTS ${report})
    fail("the installed orvane-calc did not compute the example: ${calc_out}${calc_err}")
endif()

# The installed programs find the installed charts module: the PDF of a run with two charts has
# one page more than it has with the module moved away, when the program draws no charts.
if(CHARTS_MODULE)
    function(pdf_pages name result)
        set(pdf ${PREFIX}/${name}.pdf)
        run(pdf ${PREFIX}/bin/orvane-calc --pdf ${pdf} -o ${PREFIX}/${name}.rtf
            ${PREFIX}/${data}/examples/lift.isrprj)
        file(STRINGS ${pdf} pages REGEX "/Type /Page([^s]|$)")
        list(LENGTH pages count)
        set(${result} ${count} PARENT_SCOPE)
    endfunction()
    pdf_pages(with_module with)
    file(RENAME ${PREFIX}/${CHARTS_MODULE} ${PREFIX}/charts-module-away)
    pdf_pages(without_module without)
    math(EXPR expected_with "${without} + 1")
    if(without LESS 1 OR NOT with EQUAL expected_with)
        fail("the installed orvane-calc wrote ${with} PDF pages with the charts module and "
             "${without} without it")
    endif()
endif()
file(REMOVE_RECURSE ${PREFIX})
