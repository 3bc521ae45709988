# Files of this subsystem: behaviour into the core, windows into the gui target.
list(APPEND SORTIVA_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/artistname.cpp
    ${CMAKE_CURRENT_LIST_DIR}/extensionfilter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/filesearch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/foldername.cpp
    ${CMAKE_CURRENT_LIST_DIR}/id3v1tag.cpp
    ${CMAKE_CURRENT_LIST_DIR}/loadscan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/replacelist.cpp
    ${CMAKE_CURRENT_LIST_DIR}/organizelist.cpp
    ${CMAKE_CURRENT_LIST_DIR}/loadcommand.cpp
)
list(APPEND SORTIVA_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/organizelistmodel.cpp
)
