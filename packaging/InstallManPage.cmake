# Included by the install(CODE) rule of packaging/CMakeLists.txt, so it runs at install time and
# the paths the manual page lists are those of the prefix actually installed to (the Debian
# package's /usr, or a --prefix given to cmake --install), not the configured one.
# Expects MAN_PAGES (pairs of a template and the folder under MANDIR: man6, fr/man6 for `man -L fr`),
# MAN_WORK_DIR and the relative BINDIR, DATADIR, MANDIR.
foreach(dir BINDIR DATADIR)
  cmake_path(ABSOLUTE_PATH ${dir} BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} OUTPUT_VARIABLE full)
  set(TIERCE_INSTALL_FULL_${dir} ${full})
endforeach()
set(CMAKE_INSTALL_FULL_DATADIR ${TIERCE_INSTALL_FULL_DATADIR})
# A folder of its own, as two installs to different prefixes may run at once.
string(RANDOM LENGTH 12 work)
set(work ${MAN_WORK_DIR}/${work})
cmake_path(ABSOLUTE_PATH MANDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} OUTPUT_VARIABLE mandir)
while(MAN_PAGES)
  list(POP_FRONT MAN_PAGES template folder)
  configure_file(${template} ${work}/${folder}/tierce.6 @ONLY)
  # -n leaves out the name and time, so that the package is reproducible.
  execute_process(COMMAND gzip -9nf ${work}/${folder}/tierce.6 COMMAND_ERROR_IS_FATAL ANY)
  file(INSTALL ${work}/${folder}/tierce.6.gz DESTINATION ${mandir}/${folder})
endwhile()
file(REMOVE_RECURSE ${work})
