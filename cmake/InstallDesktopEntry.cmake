# Run by the install step: writes the desktop entry with the absolute path of the installed
# executable and installs it into <prefix>/share/applications. Expects M2_DESKTOP_TEMPLATE (the
# entry with @M2_EXEC@ and @M2_TRY_EXEC@) and M2_DESKTOP_STAGED (a file in the build tree).

set(program "${CMAKE_INSTALL_PREFIX}/bin/Mirelo2")

# TryExec is a plain string value: only the backslash of the key file is escaped.
string(REPLACE "\\" "\\\\" M2_TRY_EXEC "${program}")

# Exec is a command line. A path with a character that desktop entries reserve is
# quoted, and inside the quotes ", `, $ and \ take a backslash; then the key file's own escape
# doubles every backslash, and a % is doubled so that it is not read as a field code.
set(M2_EXEC "${program}")
if(NOT M2_EXEC MATCHES "^[A-Za-z0-9/._+,:@%=-]+$")
    string(REGEX REPLACE "([\\\\\"`$])" "\\\\\\1" M2_EXEC "${M2_EXEC}")
    set(M2_EXEC "\"${M2_EXEC}\"")
endif()
string(REPLACE "\\" "\\\\" M2_EXEC "${M2_EXEC}")
string(REPLACE "%" "%%" M2_EXEC "${M2_EXEC}")

file(READ "${M2_DESKTOP_TEMPLATE}" entry)
string(CONFIGURE "${entry}" entry @ONLY)
file(WRITE "${M2_DESKTOP_STAGED}" "${entry}")
file(INSTALL "${M2_DESKTOP_STAGED}" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
