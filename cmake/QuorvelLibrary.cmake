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
    target_link_libraries(quorvel_${name} PUBLIC ${QL_DEPS})
  else()
    add_library(quorvel_${name} INTERFACE)
    target_link_libraries(quorvel_${name} INTERFACE ${QL_DEPS})
  endif()
  quorvel_include_view(quorvel_${name} "${folder}")
endfunction()

# quorvel_include_view(<target> <folder>)
# Gives a library of src/ the include folder that shows its own source
# folder alone, at its path below src/ (src/platform/qt as platform/qt:
# "build/include/<target>/platform/qt" is a link to it), and passes that on
# to whatever links the library. A library so sees its own folder and the
# folders of the libraries it links, directly or through others, and no
# other folder of src/: an include that goes the wrong way is not found.
# The library is also listed for the layering check (quorvel_layer_check).
function(quorvel_include_view target folder)
  file(RELATIVE_PATH below "${PROJECT_SOURCE_DIR}/src" "${folder}")
  set(view "${PROJECT_BINARY_DIR}/include/${target}")
  get_filename_component(parent "${view}/${below}" DIRECTORY)
  file(MAKE_DIRECTORY "${parent}")
  file(CREATE_LINK "${folder}" "${view}/${below}" SYMBOLIC)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE "${view}")
  else()
    target_include_directories(${target} PUBLIC "${view}")
  endif()
  set_property(TARGET ${target} PROPERTY QUORVEL_SOURCE_FOLDER "${below}")
  set_property(GLOBAL APPEND PROPERTY QUORVEL_LAYER_LIBRARIES ${target})
endfunction()

# The libraries of src/ that <target> links, directly or through others.
function(quorvel_linked_layers target out)
  get_property(layers GLOBAL PROPERTY QUORVEL_LAYER_LIBRARIES)
  set(found "")
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue current)
    get_target_property(type ${current} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(linked ${current} INTERFACE_LINK_LIBRARIES)
    else()
      get_target_property(linked ${current} LINK_LIBRARIES)
    endif()
    foreach(lib IN LISTS linked)
      if(lib IN_LIST layers AND NOT lib IN_LIST found)
        list(APPEND found ${lib})
        list(APPEND queue ${lib})
      endif()
    endforeach()
  endwhile()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# quorvel_layer_check([PROGRAM <target> <source>])
# Writes, for each library of src/, the folders it may include from (its
# own and those of the libraries it links, directly or through others),
# and for the program's source file those of the program's libraries, to
# build/layers.txt, and registers the test Layers.EveryIncludeGoesDown,
# which reads every source and header of src/ and fails on an include of a
# folder its file may not use (cmake/CheckLayers.cmake). The build itself
# refuses most of them (quorvel_include_view); the check also finds the
# header that no file of its own library includes, and the program file,
# which stands in src/ itself. What a library may use is what it links:
# its DEPS in its folder's CMakeLists.txt.
# The source folders of the libraries target links, directly or through
# others, joined by blanks.
function(quorvel_linked_folders target out)
  quorvel_linked_layers(${target} linked)
  set(folders "")
  foreach(other IN LISTS linked)
    get_target_property(folder ${other} QUORVEL_SOURCE_FOLDER)
    list(APPEND folders ${folder})
  endforeach()
  list(JOIN folders " " folders)
  set(${out} "${folders}" PARENT_SCOPE)
endfunction()

function(quorvel_layer_check)
  cmake_parse_arguments(QC "" "" "PROGRAM" ${ARGN})
  get_property(layers GLOBAL PROPERTY QUORVEL_LAYER_LIBRARIES)
  set(text "")
  foreach(lib IN LISTS layers)
    get_target_property(own ${lib} QUORVEL_SOURCE_FOLDER)
    quorvel_linked_folders(${lib} allowed)
    string(STRIP "${own} ${allowed}" allowed)
    string(APPEND text "${own}: ${allowed}\n")
  endforeach()
  if(QC_PROGRAM)
    list(GET QC_PROGRAM 0 program)
    list(GET QC_PROGRAM 1 source)
    quorvel_linked_folders(${program} allowed)
    string(APPEND text "${source}: ${allowed}\n")
  endif()
  file(WRITE "${PROJECT_BINARY_DIR}/layers.txt" "${text}")
  add_test(NAME Layers.EveryIncludeGoesDown
           COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/src -DLAYERS=${PROJECT_BINARY_DIR}/layers.txt
                   -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake)
  # The check itself, on a small tree with two includes the wrong way: one
  # up a layer, one into a folder that lies inside a usable one.
  set(sample ${PROJECT_SOURCE_DIR}/tests/fixtures/layers)
  add_test(NAME Layers.AWrongWayIncludeFails
           COMMAND ${CMAKE_COMMAND} -DSOURCE=${sample}/src -DLAYERS=${sample}/layers.txt
                   -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake)
  set_tests_properties(Layers.EveryIncludeGoesDown PROPERTIES TIMEOUT ${QUORVEL_TEST_TIMEOUT})
  set_tests_properties(Layers.AWrongWayIncludeFails PROPERTIES TIMEOUT ${QUORVEL_TEST_TIMEOUT}
      PASS_REGULAR_EXPRESSION "high/high\\.h includes \"low/inner/deep\\.h\".*low/low\\.h includes \"high/high\\.h\""
      FAIL_REGULAR_EXPRESSION "low/fine\\.h includes")
endfunction()

# The time limit of each test, in seconds, set on every test the build
# registers, so that a plain ctest has it too and a hanging test fails at
# that limit under its own name (ctest's --timeout only fills in for tests
# without a limit). The slowest cases (the random projects and the limits
# sweep) take some 10 to 25 s on a machine whose eight cores other builds
# keep busy (a load of 16); the sanitizer build runs several times slower.
if(QUORVEL_SANITIZE)
  set(QUORVEL_TEST_TIMEOUT 240 CACHE STRING "Time limit of each test (s)")
else()
  set(QUORVEL_TEST_TIMEOUT 90 CACHE STRING "Time limit of each test (s)")
endif()

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
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT ${QUORVEL_TEST_TIMEOUT})
endfunction()
