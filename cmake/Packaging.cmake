# The Windows distribution: a zip with the plug-in, the README and, in a
# folder of its own, the simulated sensor. Make it with
#   cpack --config <build>/CPackConfig.cmake   (or cmake --build <build> --target package)
#
# The simulated sensor carries the real driver's file name, rsnrpz_32.dll;
# kept apart and labelled, it cannot be shipped in the driver's place by
# mistake.

if(WIN32)
    set(POWERMETER_SIMULATED_DRIVER_FOLDER simulated-driver)

    install(FILES $<TARGET_FILE:RohdeSchwarzNRPZ> DESTINATION .)
    install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
    install(FILES $<TARGET_FILE:rsnrpz_32> DESTINATION ${POWERMETER_SIMULATED_DRIVER_FOLDER})
    file(WRITE ${PROJECT_BINARY_DIR}/packaging/SIMULATED-DRIVER.txt
"This rsnrpz_32.dll is a SIMULATED NRP-Z11 sensor, not the Rohde & Schwarz
driver. It lets you try RohdeSchwarzNRPZ.dll without hardware: copy it
beside the host program (the .exe) that loads the plug-in.

To measure with a real sensor, install the NRP-Z driver from Rohde & Schwarz
and use its rsnrpz_32.dll instead. Never ship this file in its place.

The simulation is set through environment variables read when the sensor is
opened: RSNRPZ_SIM_LEVEL_DBM (default -20), RSNRPZ_SIM_NOISE_DB (0.02),
RSNRPZ_SIM_SEED, RSNRPZ_SIM_ABSENT=1, RSNRPZ_SIM_REMOVE_AFTER=<readings>,
RSNRPZ_SIM_APERTURE_MS (20).
")
    install(FILES ${PROJECT_BINARY_DIR}/packaging/SIMULATED-DRIVER.txt
        DESTINATION ${POWERMETER_SIMULATED_DRIVER_FOLDER})

    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_NAME RohdeSchwarzNRPZ)
    set(CPACK_PACKAGE_VENDOR "PowerMeterNRPZ project")
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
    set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
    set(CPACK_PACKAGE_FILE_NAME RohdeSchwarzNRPZ-${PROJECT_VERSION}-win32)
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
    include(CPack)
endif()
