# Files of this subsystem: behaviour into the core, windows into the gui target.
list(APPEND SORTIVA_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/appinfo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogseam.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settingsstore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/textutil.cpp
)
list(APPEND SORTIVA_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/form1.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form1commands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmabout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmsplash.cpp
    ${CMAKE_CURRENT_LIST_DIR}/linklabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qtdialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/windowlinks.cpp
)
