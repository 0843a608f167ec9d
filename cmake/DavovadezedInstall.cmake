# Install rules and the CMake and pkg-config packages; filled in with packaging.
