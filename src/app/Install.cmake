# Desktop integration of the program: a menu entry, the .blv file type and the
# help pages (looked up next to the installed program, share/belvane/help).

install(FILES ${CMAKE_CURRENT_LIST_DIR}/belvane.desktop
        DESTINATION share/applications)
# shared-mime-info reads every file of this folder; run update-mime-database
# (packagers' post-install step) for the type to take effect.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/belvane-mime.xml
        DESTINATION share/mime/packages
        RENAME belvane.xml)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/help/
        DESTINATION share/belvane/help)
