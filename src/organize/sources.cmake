# Files of this subsystem: behaviour into the core, windows into the gui target.
list(APPEND SORTIVA_CORE_SOURCES
)
list(APPEND SORTIVA_GUI_SOURCES
)
