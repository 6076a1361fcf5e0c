# The rules' sources, one list per folder: plain functions over plain data, QtCore only. Shared by
# the program's build (src/CMakeLists.txt) and the fuzzers' (tests/fuzz).
set(COMMON_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/common/codepage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/common/fields.cpp
    ${CMAKE_CURRENT_LIST_DIR}/common/file_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/common/files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/common/native_names.cpp
    ${CMAKE_CURRENT_LIST_DIR}/common/numbers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/common/random_source.cpp
    ${CMAKE_CURRENT_LIST_DIR}/common/wildcard.cpp
)
# The system's own calls: files read and written, folders listed and made, the process started.
if(WIN32)
    set(COMMON_PLATFORM windows)
else()
    set(COMMON_PLATFORM posix)
endif()
foreach(concern IN ITEMS atomic_write files folder_entries process)
    list(APPEND COMMON_SOURCES ${CMAKE_CURRENT_LIST_DIR}/common/${concern}_${COMMON_PLATFORM}.cpp)
endforeach()
set(REFERENCE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/reference/reference_tables.cpp
)
set(SHEET_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/sheet/abilities.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sheet/condition.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sheet/damage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sheet/edits.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sheet/sheet_captions.cpp
)
set(CREATION_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/creation/names.cpp
    ${CMAKE_CURRENT_LIST_DIR}/creation/random_character.cpp
)
set(CHARFILE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/charfile/character_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/charfile/unsaved_sheet.cpp
)
set(POSSESSIONS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/possessions/possession_file.cpp
)
set(CATALOGUE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/catalogue/catalogue.cpp
)
set(SHELL_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/shell/paths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shell/program_folder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shell/web_links.cpp
)
set(VERSIONS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/versions/version_changes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/versions/version_names.cpp
    ${CMAKE_CURRENT_LIST_DIR}/versions/version_store.cpp
)
set(PRINTOUT_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/printout/printed_sheet.cpp
)
set(CHARAC_RULES_SOURCES
    ${COMMON_SOURCES} ${REFERENCE_SOURCES} ${SHEET_SOURCES} ${CREATION_SOURCES} ${CHARFILE_SOURCES}
    ${POSSESSIONS_SOURCES} ${CATALOGUE_SOURCES} ${SHELL_SOURCES} ${VERSIONS_SOURCES}
    ${PRINTOUT_SOURCES})
