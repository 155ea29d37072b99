# CMake generated Testfile for 
# Source directory: /work/main/control/core
# Build directory: /work/main/build-san/control/core
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
