# Install rules: the library, its public headers (detail/ and tests stay behind), a CMake
# package configuration for find_package(qormath) and a pkg-config file.
include(CMakePackageConfigHelpers)

install(TARGETS qormath EXPORT qormathTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/qor/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/qor
  FILES_MATCHING PATTERN "*.h"
  PATTERN "detail" EXCLUDE)
install(EXPORT qormathTargets NAMESPACE qor:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/qormath)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/qormathConfig.cmake.in
  ${PROJECT_BINARY_DIR}/qormathConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/qormath)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/qormathConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/qormathConfig.cmake ${PROJECT_BINARY_DIR}/qormathConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/qormath)

configure_file(${PROJECT_SOURCE_DIR}/cmake/qormath.pc.in ${PROJECT_BINARY_DIR}/qormath.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/qormath.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
