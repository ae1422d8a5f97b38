include(GoogleTest)

# Adds every direct subfolder of the current folder that has a CMakeLists.txt,
# so a new folder joins the build by holding one.
function(telvarix_add_subdirectories)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# telvarix_headers(TARGET [SCOPE]): the current folder's headers, visible as
# "<folder>/name.h" to the target and to what links it, and nothing else of
# the tree: each folder gets an include root of its own holding one link to
# itself, so an include of a folder the target does not link fails to compile.
function(telvarix_headers target)
  set(scope PUBLIC)
  if(ARGC GREATER 1)
    set(scope ${ARGV1})
  endif()
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${PROJECT_BINARY_DIR}/include/${folder})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} $<BUILD_INTERFACE:${root}>)
endfunction()

# telvarix_library(NAME SOURCES ... DEPS ...): one static library per folder
# of src/, seeing its own headers and those of the targets it links.
function(telvarix_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  telvarix_headers(${name})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# telvarix_test(NAME SOURCES ... DEPS ...): one GoogleTest executable, registered with CTest.
# Tests see tests/ (support and their own folder) and what they link.
# They run headless (offscreen Qt platform).
function(telvarix_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TELVARIX_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
    DISCOVERY_TIMEOUT 60)
endfunction()

# telvarix_server_test(NAME SOURCES ... DEPS ...): a GoogleTest executable whose
# tests share one throwaway PostgreSQL server (tests/support/pg_test_server.h),
# so CTest runs it as one test, in one process.
function(telvarix_server_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} telvarix_test_support_server GTest::gmock GTest::gtest_main)
  # Suites parameterised over the backends run on the server (support/tested_backend.h).
  target_compile_definitions(${name} PRIVATE TELVARIX_ON_SERVER)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TELVARIX_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
    TIMEOUT 900)
endfunction()
