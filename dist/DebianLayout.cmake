# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the staged install before it builds the .deb: what Debian asks of a game's
# package beyond the install itself. The program goes to /usr/games, where Debian keeps games (a
# plain install keeps it in bin, on its user's PATH whatever the prefix). The package's doc
# folder gets the copyright and the changelog (made in Packaging.cmake), and lintian gets the
# package's overrides (lintian-overrides, each with its reason). Plain file operations only:
# CPack would package a file(INSTALL)ed file under its absolute path.
set(_usr "${CPACK_TEMPORARY_DIRECTORY}/usr")
set(_doc "${_usr}/share/doc/${CPACK_PACKAGE_NAME}")
set(_overrides "${_usr}/share/lintian/overrides")
set(_folders "${_usr}/games" "${_usr}/share/doc" "${_doc}" "${_usr}/share/lintian" "${_overrides}")
file(MAKE_DIRECTORY ${_folders})
# Folders made here are 0755 and files 0644, like those of the install.
file(CHMOD ${_folders} PERMISSIONS ${CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})

file(RENAME "${_usr}/bin/zintra_win" "${_usr}/games/zintra_win")
file(REMOVE_RECURSE "${_usr}/bin")

foreach(_document IN LISTS CPACK_ZINTRA_DEBIAN_DOCS)
    get_filename_component(_name "${_document}" NAME)
    file(COPY_FILE "${_document}" "${_doc}/${_name}")
endforeach()
file(COPY_FILE "${CPACK_ZINTRA_LINTIAN_OVERRIDES}" "${_overrides}/${CPACK_PACKAGE_NAME}")
file(GLOB _added "${_doc}/*" "${_overrides}/*")
file(CHMOD ${_added} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
