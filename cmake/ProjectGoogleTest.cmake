# GoogleTest for the test suite.
#
# Natively: Debian's packaged libraries. For Windows: the same release built
# from Debian's sources (libgtest-dev ships them in /usr/src/googletest),
# since no packaged library exists for the cross compiler. Either way the
# targets are GTest::gtest, GTest::gtest_main, GTest::gmock and
# GTest::gmock_main.

if(WIN32)
    set(POWERMETER_GOOGLETEST_SOURCE_DIR /usr/src/googletest
        CACHE PATH "GoogleTest sources to build for Windows")
    if(NOT EXISTS ${POWERMETER_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
        message(FATAL_ERROR "GoogleTest sources not found in ${POWERMETER_GOOGLETEST_SOURCE_DIR} "
            "(install libgtest-dev, or set POWERMETER_GOOGLETEST_SOURCE_DIR)")
    endif()
    # Built once, whichever test folder includes this first.
    if(NOT TARGET gtest)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
        add_subdirectory(${POWERMETER_GOOGLETEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
        # Its warnings are not ours to mend.
        foreach(gtest_target gtest gtest_main gmock gmock_main)
            target_compile_options(${gtest_target} PRIVATE -w)
        endforeach()
        add_library(GTest::GTest ALIAS gtest)
        add_library(GTest::Main ALIAS gtest_main)
    endif()

    # Test programs run under Wine, where starting one costs far more than
    # natively: list each program's tests when CTest runs rather than after
    # every build, and give the listing time. Test folders pass
    # DISCOVERY_TIMEOUT ${POWERMETER_GTEST_DISCOVERY_TIMEOUT}.
    set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
    set(POWERMETER_GTEST_DISCOVERY_TIMEOUT 120)
else()
    find_package(GTest REQUIRED)
    set(POWERMETER_GTEST_DISCOVERY_TIMEOUT 30)
endif()
include(GoogleTest)
