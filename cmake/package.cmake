# The installable package: `cmake --install <build> --prefix <dir>` puts the
# DLLs in bin/, the import libraries and the framework's WinMain object in
# lib/, the headers in include/wg/ and a CMake package in lib/cmake/WG/, so
# that an application says
#     find_package(WG CONFIG REQUIRED)
#     target_link_libraries(app PRIVATE WG::wg WG::wgafxmain)
include(CMakePackageConfigHelpers)

install(TARGETS wg wgafx wgafxmain EXPORT WGTargets
        RUNTIME DESTINATION bin
        LIBRARY DESTINATION bin
        ARCHIVE DESTINATION lib
        OBJECTS DESTINATION lib/wgafxmain)
install(FILES ${CMAKE_SOURCE_DIR}/wg.h DESTINATION include/wg)
foreach(dir ${WG_HEADER_DIRS} framework)
  file(GLOB headers ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  install(FILES ${headers} DESTINATION include/wg/${dir})
endforeach()

install(EXPORT WGTargets NAMESPACE WG:: DESTINATION lib/cmake/WG)
file(WRITE ${CMAKE_BINARY_DIR}/package/WGConfig.cmake
     "# WG::wg (the library), WG::wgafx (its framework layer) and WG::wgafxmain\n"
     "# (WinMain, linked into the application as with MFC's static module).\n"
     "include(\"\${CMAKE_CURRENT_LIST_DIR}/WGTargets.cmake\")\n")
write_basic_package_version_file(${CMAKE_BINARY_DIR}/package/WGConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/package/WGConfig.cmake ${CMAKE_BINARY_DIR}/package/WGConfigVersion.cmake
        DESTINATION lib/cmake/WG)
