# SPDX-License-Identifier: MIT
# Brings copies of the catalogues up to date with the code, as
# update_translations would, and fails on any message left unfinished: a
# text added to the code without its translations, or one never translated.
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
foreach(catalogue IN LISTS CATALOGUES)
  get_filename_component(name "${catalogue}" NAME)
  file(COPY "${catalogue}" DESTINATION "${OUT}")
  execute_process(COMMAND "${LUPDATE}" -silent -no-obsolete -locations none -I "${INCLUDE_ROOT}" ${SOURCES} -ts "${OUT}/${name}"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "lupdate failed on ${name}")
  endif()
  file(STRINGS "${OUT}/${name}" unfinished REGEX "type=\"unfinished\"")
  list(LENGTH unfinished count)
  if(count GREATER 0)
    message(FATAL_ERROR "${name}: ${count} message(s) without a finished translation")
  endif()
endforeach()
file(REMOVE_RECURSE "${OUT}")
