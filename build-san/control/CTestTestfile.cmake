# CMake generated Testfile for 
# Source directory: /work/main/control
# Build directory: /work/main/build-san/control
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
subdirs("core")
