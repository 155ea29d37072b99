# Additional clean files
cmake_minimum_required(VERSION 3.16)

if("${CONFIG}" STREQUAL "" OR "${CONFIG}" STREQUAL "Debug")
  file(REMOVE_RECURSE
  "control/CMakeFiles/vx_autogen.dir/AutogenUsed.txt"
  "control/CMakeFiles/vx_autogen.dir/ParseCache.txt"
  "control/vx_autogen"
  "tools/CMakeFiles/vxinit_autogen.dir/AutogenUsed.txt"
  "tools/CMakeFiles/vxinit_autogen.dir/ParseCache.txt"
  "tools/vxinit_autogen"
  )
endif()
