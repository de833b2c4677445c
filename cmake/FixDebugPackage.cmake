# Run by CPack after it has built the packages (CPACK_POST_BUILD_SCRIPTS in
# Package.cmake). The debug package of CMake 3.25's DEB generator lists its
# file in md5sums by the absolute path of CPack's staging folder, and has no
# folder in /usr/share/doc; lintian rejects both. This rebuilds it with
# dpkg-deb as Debian's own debug packages are: md5sums by the paths in the
# package, the debug information not executable, and
# /usr/share/doc/spatium-dbgsym a link to the folder of the program's
# package, on which it depends.
foreach(ddeb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT ddeb MATCHES "-dbgsym_.*\\.ddeb$")
    continue()
  endif()
  set(root "${CPACK_TOPLEVEL_DIRECTORY}/fixed-dbgsym")
  file(REMOVE_RECURSE "${root}")
  execute_process(COMMAND dpkg-deb --raw-extract "${ddeb}" "${root}" COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${root}" "${root}/usr/*")
  list(SORT files)
  set(md5sums "")
  foreach(f IN LISTS files)
    file(MD5 "${root}/${f}" sum)
    file(CHMOD "${root}/${f}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    string(APPEND md5sums "${sum}  ${f}\n")
  endforeach()
  file(WRITE "${root}/DEBIAN/md5sums" "${md5sums}")
  file(MAKE_DIRECTORY "${root}/usr/share/doc")
  file(CREATE_LINK ${CPACK_PACKAGE_NAME} "${root}/usr/share/doc/${CPACK_PACKAGE_NAME}-dbgsym" SYMBOLIC)
  # gzip as CPack packs: xz would take four times as long.
  execute_process(COMMAND dpkg-deb -Zgzip --root-owner-group --build "${root}" "${ddeb}"
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${root}")
endforeach()
