# Run at install time, so that the paths the manual page lists are those of the prefix actually
# installed to (CPack's /usr, or a --prefix given to cmake --install), not the configured one.
# Expects MAN_TEMPLATE, MAN_WORK_DIR and the relative BINDIR, DATADIR, MANDIR.
foreach(dir BINDIR DATADIR)
  cmake_path(ABSOLUTE_PATH ${dir} BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} OUTPUT_VARIABLE full)
  set(TIERCE_INSTALL_FULL_${dir} ${full})
endforeach()
set(CMAKE_INSTALL_FULL_DATADIR ${TIERCE_INSTALL_FULL_DATADIR})
# A folder of its own, as two installs to different prefixes may run at once.
string(RANDOM LENGTH 12 work)
set(work ${MAN_WORK_DIR}/${work})
configure_file(${MAN_TEMPLATE} ${work}/tierce.6 @ONLY)
# -n leaves out the name and time, so that the package is reproducible.
execute_process(COMMAND gzip -9nf ${work}/tierce.6 COMMAND_ERROR_IS_FATAL ANY)
cmake_path(ABSOLUTE_PATH MANDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} OUTPUT_VARIABLE mandir)
file(INSTALL ${work}/tierce.6.gz DESTINATION ${mandir}/man6)
file(REMOVE_RECURSE ${work})
