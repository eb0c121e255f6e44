# The program's texts in other languages. `cmake --build --preset default --target update_translations`
# runs lupdate over every source and header of src/ (the Qt code's tr() and translate(), the
# core's wording()) into the .ts files below; the build compiles each with lrelease into a .qm
# that the application embeds under :/translations. The suite's Translations tests run the same
# lupdate on copies of the .ts files.
set(KIRVOLT_TS_FILES)
foreach(language IN LISTS KIRVOLT_LANGUAGES)
  list(APPEND KIRVOLT_TS_FILES ${PROJECT_SOURCE_DIR}/translations/kirvolt_${language}.ts)
endforeach()

file(GLOB_RECURSE KIRVOLT_TRANSLATED_SOURCES CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
list(SORT KIRVOLT_TRANSLATED_SOURCES)
set(KIRVOLT_LUPDATE_OPTIONS -locations none -tr-function-alias translate+=wording,QT_TRANSLATE_NOOP+=WORDING_NOOP)

# The same sources and options for the tests, as an lupdate list file.
string(REPLACE ";" "\n" sources_lines "-I${PROJECT_SOURCE_DIR}/src;${KIRVOLT_TRANSLATED_SOURCES}")
file(WRITE ${CMAKE_BINARY_DIR}/translations/sources.lst "${sources_lines}\n")
string(REPLACE ";" " " KIRVOLT_LUPDATE_OPTIONS_TEXT "${KIRVOLT_LUPDATE_OPTIONS}")
file(WRITE ${CMAKE_BINARY_DIR}/translations/lupdate_options.txt "${KIRVOLT_LUPDATE_OPTIONS_TEXT}\n")

qt_add_lupdate(kirvolt_app
  TS_FILES ${KIRVOLT_TS_FILES}
  SOURCES ${KIRVOLT_TRANSLATED_SOURCES}
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src
  OPTIONS ${KIRVOLT_LUPDATE_OPTIONS}
)
set_source_files_properties(${KIRVOLT_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/translations)
qt_add_lrelease(kirvolt_app
  TS_FILES ${KIRVOLT_TS_FILES}
  OPTIONS -silent
  QM_FILES_OUTPUT_VARIABLE kirvolt_qm_files
)
qt_add_resources(kirvolt_app kirvolt_translations
  PREFIX "/translations"
  BASE ${CMAKE_BINARY_DIR}/translations
  FILES ${kirvolt_qm_files}
)
