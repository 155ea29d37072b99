# SPDX-License-Identifier: MIT
# Installs the build under a fresh prefix and runs the installed programs
# with no plugin path set: each must find the control library by itself.
# vxinit on a port with no device must fail with the port's error (8012),
# not with "cannot create" (429); kestrune must start and keep running.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()
foreach(file bin/kestrune bin/vxinit bin/vxdecode bin/earthmate-sim share/applications/${APP_ID}.desktop share/metainfo/${APP_ID}.metainfo.xml
             share/icons/hicolor/48x48/apps/kestrune.png share/icons/hicolor/scalable/apps/kestrune.svg
             share/man/man1/kestrune.1)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

set(clean_environment "${CMAKE_COMMAND}" -E env --unset=QT_PLUGIN_PATH "XDG_CONFIG_HOME=${PREFIX}/config"
    QT_QPA_PLATFORM=offscreen)
execute_process(COMMAND ${clean_environment} "${PREFIX}/bin/vxinit" --port 99 --count 1
                RESULT_VARIABLE exit_code ERROR_VARIABLE errors)
if(NOT errors MATCHES "cannot open /dev/ttyS98")
  message(FATAL_ERROR "the installed vxinit did not reach the port (exit ${exit_code}): ${errors}")
endif()
execute_process(COMMAND ${clean_environment} timeout 2 "${PREFIX}/bin/kestrune" RESULT_VARIABLE exit_code)
if(NOT exit_code EQUAL 124)
  message(FATAL_ERROR "the installed kestrune did not keep running (exit ${exit_code})")
endif()
file(REMOVE_RECURSE "${PREFIX}")
