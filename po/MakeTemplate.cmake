# cmake -DXGETTEXT=... -DMSGCAT=... -DITS=... -DSOURCE_DIR=... -DVERSION=... -DSOURCES=a|b|...
#       -DOUTPUT=file.pot -P MakeTemplate.cmake
# Paths in the template are relative to the source tree, so it does not depend on the build.
set(work ${OUTPUT}.parts)
file(MAKE_DIRECTORY ${work})
string(REPLACE "|" ";" SOURCES "${SOURCES}")
set(relative)
foreach(source IN LISTS SOURCES)
    file(RELATIVE_PATH path ${SOURCE_DIR} ${source})
    list(APPEND relative ${path})
endforeach()
set(common --from-code=UTF-8 --add-comments=TRANSLATORS: --package-name=korvat
           --package-version=${VERSION} --msgid-bugs-address= --no-wrap)
execute_process(
    COMMAND ${XGETTEXT} ${common} --language=C++ --keyword=N_ --keyword=tr
            --keyword=trContext:1c,2 -o ${work}/program.pot ${relative}
    WORKING_DIRECTORY ${SOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY)
# The desktop entry's name is the game's name in every language; what it is, is translated.
execute_process(
    COMMAND ${XGETTEXT} ${common} --language=Desktop -k -kGenericName -kComment -kKeywords
            -o ${work}/desktop.pot dist/korvat.desktop
    WORKING_DIRECTORY ${SOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND ${XGETTEXT} ${common} --its=${ITS} -o ${work}/metainfo.pot
            dist/korvat.metainfo.xml.in
    WORKING_DIRECTORY ${SOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND ${MSGCAT} --use-first --no-wrap -o ${OUTPUT} ${work}/program.pot
            ${work}/desktop.pot ${work}/metainfo.pot
    COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${work})
