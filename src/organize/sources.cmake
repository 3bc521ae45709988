# Files of this subsystem: behaviour into the core, windows into the gui target.
list(APPEND SORTIVA_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/filehelpers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/destinationindex.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filemover.cpp
    ${CMAKE_CURRENT_LIST_DIR}/organizeengine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/listactions.cpp
)
list(APPEND SORTIVA_GUI_SOURCES
)
