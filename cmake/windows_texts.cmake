# The texts of the Windows zip, as Windows text files are: lines ended by CR LF. README.txt in
# Slovene and English, with the check codes' meanings read from the one table of them
# (src/contest/check_codes.cpp); the examples' reports as Pelvano.exe writes them.
function(pelvano_crlf_copy source destination)
  file(READ ${source} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${destination} "${text}")
endfunction()

function(pelvano_windows_texts folder)
  set(table ${PROJECT_SOURCE_DIR}/src/contest/check_codes.cpp)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${table} ${PROJECT_SOURCE_DIR}/packaging/windows/README.txt.in)
  file(READ ${table} source)
  # Each entry: {code, "file", "English", "Slovene"}, perhaps over two lines.
  string(REGEX REPLACE "\"[ \n]+\"" "" source "${source}")
  string(REGEX MATCHALL "{([0-9]+), \"(task|submission)\", \"[^\"]*\",[ \n]+\"[^\"]*\"}" entries
         "${source}")
  set(CHECK_CODES_EN "")
  set(CHECK_CODES_SL "")
  foreach(entry IN LISTS entries)
    string(REGEX REPLACE "{([0-9]+), \"([a-z]+)\", \"([^\"]*)\",[ \n]+\"([^\"]*)\"}"
           "\\1;\\2;\\3;\\4" fields "${entry}")
    list(GET fields 0 code)
    list(GET fields 1 file)
    list(GET fields 2 english)
    list(GET fields 3 slovene)
    if(file STREQUAL "task")
      set(datoteka "naloga")
    else()
      set(datoteka "oddaja")
    endif()
    string(APPEND CHECK_CODES_EN "    ${code}  ${file}: ${english}\n")
    string(APPEND CHECK_CODES_SL "    ${code}  ${datoteka}: ${slovene}\n")
  endforeach()
  string(STRIP "${CHECK_CODES_EN}" CHECK_CODES_EN)
  string(STRIP "${CHECK_CODES_SL}" CHECK_CODES_SL)
  set(CHECK_CODES_EN "    ${CHECK_CODES_EN}")
  set(CHECK_CODES_SL "    ${CHECK_CODES_SL}")
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/README.txt.in ${folder}/README.lf @ONLY)
  pelvano_crlf_copy(${folder}/README.lf ${folder}/README.txt)
  file(GLOB reports RELATIVE ${PROJECT_SOURCE_DIR}/examples
       ${PROJECT_SOURCE_DIR}/examples/*/report.txt)
  foreach(report IN LISTS reports)
    pelvano_crlf_copy(${PROJECT_SOURCE_DIR}/examples/${report} ${folder}/examples/${report})
  endforeach()
endfunction()
