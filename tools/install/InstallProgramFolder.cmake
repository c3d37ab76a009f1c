# Installs the program's own files of the program folder VELARCANA_INSTALL_FROM into
# <prefix>/Velarcana/. The files that the program writes there for its user (settings, birth
# data, profiles, result logs, the snapshot) are neither copied nor replaced: the folder the
# program ran from, the build's own among them, may hold the user's, and an earlier install
# holds the user's own. Run at install time.

set(user_files opciones.ini bio.dat horabio.dat biofinal.dat perfiles.txt mysnap.jpg mysnap.bmp)

# The program finds its files without regard to case, so "Opciones.ini" is the settings file too.
function(any_case_pattern text out)
    set(pattern "")
    string(LENGTH "${text}" length)
    math(EXPR last "${length} - 1")
    foreach(i RANGE ${last})
        string(SUBSTRING "${text}" ${i} 1 c)
        string(TOUPPER "${c}" upper)
        string(TOLOWER "${c}" lower)
        if(NOT upper STREQUAL lower)
            string(APPEND pattern "[${upper}${lower}]")
        elseif(c STREQUAL ".")
            string(APPEND pattern "\\.")
        else()
            string(APPEND pattern "${c}")
        endif()
    endforeach()
    set(${out} "${pattern}" PARENT_SCOPE)
endfunction()

set(names "")
foreach(name IN LISTS user_files)
    any_case_pattern("${name}" pattern)
    list(APPEND names "${pattern}")
endforeach()
list(JOIN names "|" names)
any_case_pattern(logs logs)
# Patterns see the whole path: anchor them at the folder, whatever the folders above it are named.
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" from "${VELARCANA_INSTALL_FROM}")

file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/Velarcana" TYPE DIRECTORY
     FILES "${VELARCANA_INSTALL_FROM}/" USE_SOURCE_PERMISSIONS
     REGEX "^${from}/(${names})$" EXCLUDE
     REGEX "^${from}/${logs}/." EXCLUDE)
