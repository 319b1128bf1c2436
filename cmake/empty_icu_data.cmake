# ICU's data library is half the release and nothing the launcher does reads
# it: the package brings an empty one of the same name instead
# (empty_icu_data.c). Its name follows the ICU that Qt's Core was linked
# with, libicudata.so.<major> exporting icudt<major>_dat.
get_target_property(vs_qt_core Qt6::Core LOCATION)
execute_process(COMMAND objdump -p ${vs_qt_core} OUTPUT_VARIABLE vs_qt_core_headers
  COMMAND_ERROR_IS_FATAL ANY)
if(NOT vs_qt_core_headers MATCHES "NEEDED +libicuuc[.]so[.]([0-9]+)")
  message(FATAL_ERROR "${vs_qt_core} links no ICU that the release knows how to empty")
endif()
set(VS_ICU_MAJOR ${CMAKE_MATCH_1})

enable_language(C)
add_library(vs_empty_icu_data SHARED ${CMAKE_CURRENT_LIST_DIR}/empty_icu_data.c)
target_compile_definitions(vs_empty_icu_data PRIVATE VS_ICU_DATA_SYMBOL=icudt${VS_ICU_MAJOR}_dat)
target_compile_options(vs_empty_icu_data PRIVATE -fvisibility=hidden)
# Only the file the loader looks for: libicudata.so.<major>, with that soname.
set_target_properties(vs_empty_icu_data PROPERTIES OUTPUT_NAME icudata SOVERSION ${VS_ICU_MAJOR}
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/empty-icu-data)
install(TARGETS vs_empty_icu_data LIBRARY DESTINATION ${VS_LIBRARY_FOLDER} NAMELINK_SKIP)
