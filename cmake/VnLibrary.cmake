# vn_layer(<name> DIR <dir> [DEPS ...] [PUBLIC_LIBS ...])
# A static library made of every .cpp in one source folder; a folder that holds only headers (or
# nothing yet) becomes an interface library, so layers can be filled one file at a time.
function(vn_layer name)
  cmake_parse_arguments(ARG "" "DIR" "DEPS;PUBLIC_LIBS" ${ARGN})
  file(GLOB _srcs CONFIGURE_DEPENDS "${ARG_DIR}/*.cpp")
  if(_srcs)
    add_library(${name} STATIC ${_srcs})
    target_include_directories(${name} PUBLIC "${CMAKE_SOURCE_DIR}/src")
    target_link_libraries(${name} PUBLIC ${ARG_DEPS} ${ARG_PUBLIC_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${CMAKE_SOURCE_DIR}/src")
    target_link_libraries(${name} INTERFACE ${ARG_DEPS} ${ARG_PUBLIC_LIBS})
  endif()
endfunction()

# vn_test(<name> DIR <dir> LIBS ... [XVFB])
# One GoogleTest program per test folder, registered with CTest.
function(vn_test name)
  cmake_parse_arguments(ARG "XVFB;LOOPBACK_ONLY" "DIR" "LIBS" ${ARGN})
  file(GLOB _srcs CONFIGURE_DEPENDS "${ARG_DIR}/*.cpp")
  if(NOT _srcs)
    return()
  endif()
  add_executable(${name} ${_srcs})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    VN_SOURCE_DATA_DIR="${VN_SOURCE_DATA_DIR}"
    VN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    VN_BINARY_DIR="${CMAKE_BINARY_DIR}")
  # Tests that start network servers run where only the loopback can reach them.
  set(_wrap)
  if(ARG_LOOPBACK_ONLY)
    set(_wrap sh "${CMAKE_SOURCE_DIR}/tests/support/loopback-only.sh")
  endif()
  if(ARG_XVFB)
    add_test(NAME ${name}
             COMMAND ${_wrap} xvfb-run -a -s "-screen 0 1600x1000x24" $<TARGET_FILE:${name}>)
  else()
    add_test(NAME ${name} COMMAND ${_wrap} $<TARGET_FILE:${name}>)
  endif()
  set_tests_properties(${name} PROPERTIES WORKING_DIRECTORY "${CMAKE_BINARY_DIR}")
endfunction()
