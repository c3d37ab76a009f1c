// Holds the window pictures compiled in by the build; see CMakeLists.txt.
