# Installing: the shared libraries with versions and sonames, their headers
# in one folder (include/corvel), the command-line programs, a CMake package
# (find_package(Corvel CONFIG) with Corvel:: targets) and a pkg-config file.
#
# The top-level list names every library and program once; a name whose
# target this configuration did not build (the windowed parts without Qt)
# is passed over, so the package holds exactly what was built.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(CORVEL_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/corvel)
set(CORVEL_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Corvel)
# Before 1.0 every minor version may change the binary interface.
if(PROJECT_VERSION_MAJOR EQUAL 0)
  set(CORVEL_SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
  set(CORVEL_COMPATIBILITY SameMinorVersion)
else()
  set(CORVEL_SOVERSION ${PROJECT_VERSION_MAJOR})
  set(CORVEL_COMPATIBILITY SameMajorVersion)
endif()
set(CORVEL_SANITIZER_FLAGS -fsanitize=address,undefined)

# corvel_install_library(TARGET [OUTPUT_NAME NAME] [QT] [HEADERS FOLDER...]
#                        [EXTRA_HEADERS FILE...])
# Installs the shared library TARGET as Corvel::TARGET with the headers of
# the given source folders (relative to the top) and single files. QT marks a
# library whose interface needs Qt 6 Widgets. OUTPUT_NAME renames the file
# where the target's own name is too general for a system library folder.
function(corvel_install_library target)
  if(NOT TARGET ${target})
    return()
  endif()
  cmake_parse_arguments(arg "QT" "OUTPUT_NAME" "HEADERS;EXTRA_HEADERS" ${ARGN})
  set_target_properties(${target} PROPERTIES
    VERSION ${PROJECT_VERSION}
    SOVERSION ${CORVEL_SOVERSION}
    INSTALL_RPATH "$ORIGIN")
  if(arg_OUTPUT_NAME)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${arg_OUTPUT_NAME})
  endif()
  corvel_build_only_include_directories(${target})
  if(CORVEL_SANITIZE)
    # The installed library is instrumented, so whatever links it needs the
    # sanitizers' run-time libraries first.
    set_property(TARGET ${target} APPEND PROPERTY INTERFACE_LINK_OPTIONS
      "$<INSTALL_INTERFACE:${CORVEL_SANITIZER_FLAGS}>")
  endif()
  install(TARGETS ${target} EXPORT CorvelTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    INCLUDES DESTINATION ${CORVEL_INSTALL_INCLUDEDIR})
  set(headers ${arg_EXTRA_HEADERS})
  foreach(folder ${arg_HEADERS})
    file(GLOB folder_headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.h)
    list(APPEND headers ${folder_headers})
  endforeach()
  if(headers)
    install(FILES ${headers} DESTINATION ${CORVEL_INSTALL_INCLUDEDIR})
  endif()
  set_property(GLOBAL APPEND PROPERTY CORVEL_INSTALLED_LIBRARIES ${target})
  if(arg_QT)
    set_property(GLOBAL PROPERTY CORVEL_INSTALLED_NEEDS_QT TRUE)
  endif()
endfunction()

# A folder may name its own source folder as an include directory of its
# target; that holds only in the build tree; installed, every header is in
# the one include folder the package names.
function(corvel_build_only_include_directories target)
  get_target_property(folders ${target} INTERFACE_INCLUDE_DIRECTORIES)
  if(NOT folders)
    return()
  endif()
  set(kept)
  foreach(folder ${folders})
    if(folder MATCHES "^\\$<")
      list(APPEND kept "${folder}")
    else()
      list(APPEND kept "$<BUILD_INTERFACE:${folder}>")
    endif()
  endforeach()
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${kept}")
endfunction()

# corvel_install_program(TARGET): a command-line program, which finds the
# libraries beside it in ../lib.
function(corvel_install_program target)
  if(NOT TARGET ${target})
    return()
  endif()
  # A program linked wholly statically has no run path to set.
  get_target_property(options ${target} LINK_OPTIONS)
  if(NOT "-static" IN_LIST options)
    file(RELATIVE_PATH to_libraries /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LIBDIR})
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${to_libraries}")
  endif()
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# The package files: the exported targets, the configuration and version
# files for find_package, and corvel.pc for pkg-config. Called once, after
# every library has been named.
function(corvel_install_package)
  set(generated ${CMAKE_BINARY_DIR}/package)
  install(EXPORT CorvelTargets
    NAMESPACE Corvel::
    FILE CorvelTargets.cmake
    DESTINATION ${CORVEL_INSTALL_CMAKEDIR})

  get_property(CORVEL_PACKAGE_LIBRARIES GLOBAL PROPERTY CORVEL_INSTALLED_LIBRARIES)
  get_property(needs_qt GLOBAL PROPERTY CORVEL_INSTALLED_NEEDS_QT)
  set(CORVEL_PACKAGE_DEPENDENCIES "")
  if(needs_qt)
    set(CORVEL_PACKAGE_DEPENDENCIES "find_dependency(Qt6 6.2 COMPONENTS Widgets UiTools)")
  endif()
  configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/CorvelConfig.cmake.in
    ${generated}/CorvelConfig.cmake
    INSTALL_DESTINATION ${CORVEL_INSTALL_CMAKEDIR})
  write_basic_package_version_file(${generated}/CorvelConfigVersion.cmake
    VERSION ${PROJECT_VERSION}
    COMPATIBILITY ${CORVEL_COMPATIBILITY})
  install(FILES ${generated}/CorvelConfig.cmake ${generated}/CorvelConfigVersion.cmake
    DESTINATION ${CORVEL_INSTALL_CMAKEDIR})

  # The pkg-config file finds the prefix from where it lies, so the
  # installed tree may be moved.
  file(RELATIVE_PATH CORVEL_PC_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
  string(REGEX REPLACE "/$" "" CORVEL_PC_PREFIX "${CORVEL_PC_PREFIX}")
  set(CORVEL_PC_LINK_FLAGS "")
  if(CORVEL_SANITIZE)
    string(REPLACE ";" " " CORVEL_PC_LINK_FLAGS "${CORVEL_SANITIZER_FLAGS}")
  endif()
  # The library names come from the targets when the build is generated.
  configure_file(${CMAKE_SOURCE_DIR}/cmake/corvel.pc.in ${generated}/corvel.pc.in @ONLY)
  file(GENERATE OUTPUT ${generated}/corvel.pc INPUT ${generated}/corvel.pc.in)
  install(FILES ${generated}/corvel.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endfunction()
