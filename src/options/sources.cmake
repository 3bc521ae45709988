# Files of this subsystem: behaviour into the core, windows into the gui target.
list(APPEND SORTIVA_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/fieldlists.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filterpresets.cpp
    ${CMAKE_CURRENT_LIST_DIR}/optionflags.cpp
    ${CMAKE_CURRENT_LIST_DIR}/optionsvalues.cpp
    ${CMAKE_CURRENT_LIST_DIR}/replaceeditor.cpp
)
list(APPEND SORTIVA_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/firstrun.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form4.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form6.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmwarning.cpp
)
