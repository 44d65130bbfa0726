# Installs the build into PREFIX and checks that the programs, the desktop entry, the
# metainfo, every icon and the manual pages arrive where a desktop and man look for them.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    ${BINDIR}/brindlex
    ${BINDIR}/brindlex-code
    ${DATADIR}/applications/org.brindlex.Brindlex.desktop
    ${DATADIR}/metainfo/org.brindlex.Brindlex.metainfo.xml
    ${DATADIR}/icons/hicolor/scalable/apps/org.brindlex.Brindlex.svg
    ${MANDIR}/man1/brindlex.1.gz
    ${MANDIR}/man1/brindlex-code.1.gz)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/org.brindlex.Brindlex.png)
endforeach()

set(missing "")
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        list(APPEND missing ${file})
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "not installed: ${missing}")
endif()

