# GoogleTest for the native build: Debian's packaged libraries.
find_package(GTest REQUIRED)
include(GoogleTest)
