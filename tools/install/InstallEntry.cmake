# Writes the program's menu entry into <prefix>/applications/, with Exec= the executable of the
# installed program folder. Run at install time; VELARCANA_ENTRY_TEMPLATE names the entry with
# @VELARCANA_EXEC@ in place of the command and VELARCANA_ENTRY_FILE the file to fill in.

# Inside the quotes ", `, $ and \ take a backslash and % is doubled (it starts a field code);
# the value's own escaping then doubles every backslash.
set(exec "${CMAKE_INSTALL_PREFIX}/Velarcana/Velarcana")
string(REPLACE [[\]] [[\\]] exec "${exec}")
string(REPLACE [["]] [[\"]] exec "${exec}")
string(REPLACE [[`]] [[\`]] exec "${exec}")
string(REPLACE [[$]] [[\$]] exec "${exec}")
string(REPLACE [[%]] [[%%]] exec "${exec}")
string(REPLACE [[\]] [[\\]] exec "${exec}")
set(VELARCANA_EXEC "\"${exec}\"")

configure_file("${VELARCANA_ENTRY_TEMPLATE}" "${VELARCANA_ENTRY_FILE}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/applications" TYPE FILE
     FILES "${VELARCANA_ENTRY_FILE}")
