# Fails when a text of the sources has no finished English translation: runs
# lupdate over the sources into a copy of each .ts file, then looks for
# entries it had to add or left unfinished.
#
#   cmake -DLUPDATE=... -DSOURCES_FILE=... -DTS_FILES=a.ts;b.ts -DWORK=dir -P check-translations.cmake
file(READ ${SOURCES_FILE} sources)
file(MAKE_DIRECTORY ${WORK})
set(failed FALSE)
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    set(copy ${WORK}/${name})
    configure_file(${ts} ${copy} COPYONLY)
    execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none ${sources} -ts ${copy}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    file(STRINGS ${copy} lines)
    set(source "")
    foreach(line IN LISTS lines)
        if(line MATCHES "<source>(.*)")
            set(source "${CMAKE_MATCH_1}")
        elseif(line MATCHES "type=\"unfinished\"" OR line MATCHES "<translation></translation>")
            message(SEND_ERROR "${name}: no finished translation for: ${source}")
            set(failed TRUE)
        endif()
    endforeach()
endforeach()
if(failed)
    message(FATAL_ERROR "some texts are not translated: run the update_translations target and translate them")
endif()
message(STATUS "every text has its translation")
