# CMake generated Testfile for 
# Source directory: /work/main/tests/tools
# Build directory: /work/main/build-san/tests/tools
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build-san/tests/tools/tool_tests[1]_include.cmake")
