# Files of this subsystem: behaviour into the core, windows into the gui target.
list(APPEND SORTIVA_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/appinfo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogseam.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingsstore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/textutil.cpp
)
list(APPEND SORTIVA_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/qtdialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startup.cpp
)
