# Files of this subsystem: behaviour into the core, windows into the gui target.
list(APPEND SORTIVA_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/folder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/folderlist.cpp
    ${CMAKE_CURRENT_LIST_DIR}/listingexport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/listingformat.cpp
)
list(APPEND SORTIVA_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/exportcommand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form2.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form5.cpp
)
