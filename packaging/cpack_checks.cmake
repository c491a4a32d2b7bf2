# Read by cpack before it makes a package.
if(NOT CPACK_TALLYWRIGHT_BUILT_FOR STREQUAL CPACK_PACKAGING_INSTALL_PREFIX)
  message(FATAL_ERROR "This build is for ${CPACK_TALLYWRIGHT_BUILT_FOR}, the package installs under "
                      "${CPACK_PACKAGING_INSTALL_PREFIX}: configure with "
                      "-DCMAKE_INSTALL_PREFIX=${CPACK_PACKAGING_INSTALL_PREFIX}, or use "
                      "tools/package.sh.")
endif()
