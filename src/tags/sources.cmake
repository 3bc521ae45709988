# Files of this subsystem: behaviour into the core, windows into the gui target.
list(APPEND SORTIVA_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/genres.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form7lines.cpp
)
list(APPEND SORTIVA_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/form7.cpp
)
