# CMake generated Testfile for 
# Source directory: /work/main/tests/control
# Build directory: /work/main/build-san/tests/control
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
include("/work/main/build-san/tests/control/control_tests[1]_include.cmake")
