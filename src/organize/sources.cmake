# Files of this subsystem: behaviour into the core, windows into the gui target.
list(APPEND SORTIVA_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/filehelpers.cpp
)
list(APPEND SORTIVA_GUI_SOURCES
)
