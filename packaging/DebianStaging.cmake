# Run by CPack on its staging folder, for the package only: what Debian's helpers do there.
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})

# A package that is not native carries its Debian changelog, compressed, beside the copyright file.
# -n leaves out the name and time, so that the package is reproducible.
set(doc ${usr}/share/doc/${CPACK_PACKAGE_NAME})
file(COPY_FILE ${CPACK_TIERCE_DEBIAN_CHANGELOG} ${doc}/changelog.Debian)
execute_process(COMMAND gzip -9nf ${doc}/changelog.Debian COMMAND_ERROR_IS_FATAL ANY)

# CPack strips the symbols; the compiler's notes and version strings go too, as dh_strip does.
execute_process(COMMAND strip --remove-section=.comment --remove-section=.note
                        ${usr}/${CPACK_TIERCE_PROGRAM} COMMAND_ERROR_IS_FATAL ANY)
