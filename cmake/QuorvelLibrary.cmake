# quorvel_library(<name> DEPS <targets...>)
# Builds the static library quorvel_<name> from every .cpp file of the
# current source folder and its subfolders (a subfolder with its own
# CMakeLists.txt is left to it). Sources are globbed with CONFIGURE_DEPENDS
# so that a new file is picked up by the next build without editing lists.
# Paths are matched relative to the folder, so where the checkout lies
# does not matter.
function(quorvel_library name)
  cmake_parse_arguments(QL "" "" "DEPS" ${ARGN})
  set(folder "${CMAKE_CURRENT_SOURCE_DIR}")
  file(GLOB_RECURSE relative_sources CONFIGURE_DEPENDS RELATIVE "${folder}" "${folder}/*.cpp")
  file(GLOB_RECURSE own_lists CONFIGURE_DEPENDS RELATIVE "${folder}" "${folder}/*/CMakeLists.txt")
  set(sources "")
  foreach(source IN LISTS relative_sources)
    set(skip FALSE)
    foreach(own IN LISTS own_lists)
      get_filename_component(subfolder "${own}" DIRECTORY)
      string(FIND "${source}" "${subfolder}/" at)
      if(at EQUAL 0)
        set(skip TRUE)
      endif()
    endforeach()
    if(NOT skip)
      list(APPEND sources "${folder}/${source}")
    endif()
  endforeach()
  if(sources)
    add_library(quorvel_${name} STATIC ${sources})
    target_include_directories(quorvel_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(quorvel_${name} PUBLIC ${QL_DEPS})
  else()
    add_library(quorvel_${name} INTERFACE)
    target_include_directories(quorvel_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(quorvel_${name} INTERFACE ${QL_DEPS})
  endif()
endfunction()

# quorvel_test(<area> DEPS <targets...>)
# One test executable per area of tests/ (tests/<area>/*.cpp), run by CTest
# through gtest_discover_tests so that every case is reported by name.
function(quorvel_test area)
  cmake_parse_arguments(QT "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/${area}/*.cpp")
  if(NOT sources)
    return()
  endif()
  string(REPLACE "/" "_" exe "test_${area}")
  string(REPLACE "-" "_" exe "${exe}")
  add_executable(${exe} ${sources})
  target_include_directories(${exe} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${exe} PRIVATE ${QT_DEPS} GTest::gmock_main)
  # The test files themselves unoptimised with line tables only: they are
  # most of the build and scripts/test builds them twice, while the code
  # they test keeps the build type's optimisation.
  target_compile_options(${exe} PRIVATE "$<$<NOT:$<CONFIG:Debug>>:-O0;-g1>")
  target_compile_definitions(${exe} PRIVATE
      QUORVEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
      QUORVEL_FIXTURES_DIR="${CMAKE_CURRENT_SOURCE_DIR}/fixtures")
  gtest_discover_tests(${exe} DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
