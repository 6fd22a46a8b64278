include(${CMAKE_CURRENT_LIST_DIR}/Precompiled.cmake)

# One static library per source folder; the sources are every .cpp of the
# folder, so adding a unit needs no edit here. PCH names the precompiled
# header donor whose Qt modules match the target's (default: program code's).
function(trelvador_library name dir)
  cmake_parse_arguments(PARSE_ARGV 2 library "" "PCH" "")
  if(NOT library_PCH)
    set(library_PCH pch_program)
  endif()
  file(GLOB sources CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.qrc")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${library_UNPARSED_ARGUMENTS})
    trelvador_use_pch(${name} ${library_PCH})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${library_UNPARSED_ARGUMENTS})
  endif()
endfunction()

# One test executable per test folder, run by CTest under the offscreen platform.
function(trelvador_tests name dir)
  file(GLOB sources CONFIGURE_DEPENDS "${dir}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} test_support GTest::gtest)
  trelvador_use_pch(${name} pch_tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1"
    TIMEOUT 300)
endfunction()
