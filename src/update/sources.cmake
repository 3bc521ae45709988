# Files of this subsystem: behaviour into the core, windows into the gui target.
list(APPEND SORTIVA_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/download.cpp
    ${CMAKE_CURRENT_LIST_DIR}/updatecheck.cpp
)
list(APPEND SORTIVA_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/form8.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwindowupdates.cpp
)
