# Installing Quillmap 2 as a desktop application: the two programs, the desktop entry with its icon,
# and the sample Delphi installation, which the window browses where no Delphi is configured. The
# window looks for the sample at <folder of the program>/../share/quillmap2/delphi2, so the sample
# goes to DATADIR/quillmap2/delphi2 next to BINDIR.
include(GNUInstallDirs)

set(QM_INSTALLED_SAMPLE ${CMAKE_INSTALL_DATADIR}/quillmap2/delphi2)
file(RELATIVE_PATH qm_sample_from_bin ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/quillmap2/delphi2)
if(NOT qm_sample_from_bin STREQUAL "../share/quillmap2/delphi2")
  message(WARNING "The installed window looks for its sample installation at ../share/quillmap2/delphi2 "
                  "from its own folder, but with these install folders it lands at ${qm_sample_from_bin}.")
endif()

install(TARGETS quillmap2 quillmap2-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES desktop/quillmap2.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES desktop/quillmap2.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES desktop/quillmap2.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
# Only the installation itself: the generator and its table stay in the source tree.
install(DIRECTORY samples/delphi2/SOURCE samples/delphi2/BIN DESTINATION ${QM_INSTALLED_SAMPLE})

# The desktop entry passes desktop-file-validate without errors, warnings or hints.
find_program(QM_DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
add_test(NAME desktop_entry_is_valid
  COMMAND sh -c "out=$(\"$0\" \"$1\" 2>&1); status=$?; printf '%s' \"$out\"; [ $status -eq 0 ] && [ -z \"$out\" ]"
          ${QM_DESKTOP_FILE_VALIDATE} ${PROJECT_SOURCE_DIR}/desktop/quillmap2.desktop)
add_test(NAME install_puts_everything_under_the_prefix
  COMMAND ${PROJECT_SOURCE_DIR}/desktop/tests/install_test.sh ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR}
          ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_DATADIR})
