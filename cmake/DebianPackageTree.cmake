# Run by CPack on the staged tree of the .deb, after the install step and
# before the package is made: what Debian asks of a package's files but an
# install into a user's prefix does not need (man finds plain pages there).
#   - man pages and the changelog compressed with gzip -9n: no name, no time
#     stamp, so two builds of the same sources give the same package;
#   - the .comment and .note sections stripped from the programs, as dh_strip
#     does (CPACK_STRIP_FILES strips the symbols only);
#   - the HTML manual registered with doc-base, as dh_installdocs would.

set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT IS_DIRECTORY "${root}/bin")
  message(FATAL_ERROR "no staged programs under ${root}")
endif()

function(gzip_in_place file)
  execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "gzip -9n ${file} failed: ${rc}")
  endif()
endfunction()

file(GLOB pages "${root}/share/man/man*/*.[1-9]")
file(GLOB changelogs "${root}/share/doc/*/changelog")
if(NOT pages OR NOT changelogs)
  message(FATAL_ERROR "the staged tree lacks its man pages or changelog")
endif()
foreach(file IN LISTS pages changelogs)
  gzip_in_place("${file}")
endforeach()

file(GLOB programs "${root}/bin/*")
foreach(program IN LISTS programs)
  execute_process(COMMAND "${CPACK_TALLOWMERE_STRIP}" --remove-section=.comment --remove-section=.note "${program}"
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "strip ${program} failed: ${rc}")
  endif()
endforeach()

# The registration names the manual by its place in /usr: only the package
# knows it.
if(NOT EXISTS "${root}/share/doc/tallowmere/manual/index.html")
  message(FATAL_ERROR "the staged tree lacks the manual")
endif()
file(MAKE_DIRECTORY "${root}/share/doc-base")
file(COPY_FILE "${CPACK_TALLOWMERE_DOC_BASE}" "${root}/share/doc-base/tallowmere.tallowmere-manual")
file(CHMOD "${root}/share/doc-base/tallowmere.tallowmere-manual" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ
  WORLD_READ)
