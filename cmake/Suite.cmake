# The tests' runtime folder: the widget toolkit keeps its runtime files
# there instead of making a folder of its own in the system's temporary
# folder, which would outlive the run. Owner-only, as the toolkit asks.
set(SUITE_RUNTIME_DIR ${CMAKE_BINARY_DIR}/test-runtime)
file(MAKE_DIRECTORY ${SUITE_RUNTIME_DIR})
file(CHMOD ${SUITE_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
# What every test runs with.
set(SUITE_TEST_ENV "QT_QPA_PLATFORM=offscreen;SUITE_SOURCE_DIR=${CMAKE_SOURCE_DIR};SUITE_BINARY_DIR=${CMAKE_BINARY_DIR};XDG_RUNTIME_DIR=${SUITE_RUNTIME_DIR}")

# suite_program_environment(target)
# The build's folders, so that the program also runs by hand, outside CTest:
# the one object of SuiteEnvironment.cpp, compiled once for every test and
# benchmark program.
add_library(suite_environment OBJECT ${CMAKE_CURRENT_LIST_DIR}/SuiteEnvironment.cpp)
set_target_properties(suite_environment PROPERTIES AUTOMOC OFF)
target_compile_definitions(suite_environment PRIVATE
  "SUITE_BUILT_BINARY_DIR=\"${CMAKE_BINARY_DIR}\"" "SUITE_BUILT_SOURCE_DIR=\"${CMAKE_SOURCE_DIR}\"")
function(suite_program_environment target)
  target_link_libraries(${target} PRIVATE suite_environment)
endfunction()

# suite_test(NAME name SOURCES ... LIBS ... [ENV ...] [TIMEOUT s])
# A GoogleTest executable run headless by CTest as one test; run by hand
# from the build folder it finds the build's folders by itself.
function(suite_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  suite_program_environment(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "${SUITE_TEST_ENV};${T_ENV}")
endfunction()

# suite_benchmark(NAME name SOURCES ... LIBS ...)
# A Google Benchmark executable; built with everything, run by hand.
function(suite_benchmark)
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${B_NAME} ${B_SOURCES})
  suite_program_environment(${B_NAME})
  target_link_libraries(${B_NAME} PRIVATE ${B_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# suite_area_library(name [SHARED] LIBS ...)
# A library of every .cpp of the current folder except *_tests.cpp and
# *_bench.cpp; every *_tests.cpp becomes a test and every *_bench.cpp a
# benchmark, both linked with the library. Sources are globbed so that new
# files need no edit here (re-run cmake after adding one).
function(suite_area_library name)
  cmake_parse_arguments(A "SHARED" "" "LIBS;TEST_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources EXCLUDE REGEX "(_tests|_bench)\\.cpp$")
  if(A_SHARED)
    add_library(${name} SHARED ${sources} ${headers})
  else()
    add_library(${name} STATIC ${sources} ${headers})
  endif()
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/platform ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_LIBS})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_tests.cpp)
  foreach(t ${tests})
    get_filename_component(tn ${t} NAME_WE)
    suite_test(NAME ${tn} SOURCES ${t} LIBS ${name} ${A_TEST_LIBS})
  endforeach()
  file(GLOB benches CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_bench.cpp)
  foreach(b ${benches})
    get_filename_component(bn ${b} NAME_WE)
    suite_benchmark(NAME ${bn} SOURCES ${b} LIBS ${name} ${A_TEST_LIBS})
  endforeach()
endfunction()

# suite_embed_text(target file identifier)
# Embeds a text file of the current folder in target as the char array
# identifier, declared in the generated header <target>/<file>.h.
function(suite_embed_text target file identifier)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/embedded)
  set(out ${dir}/${target}/${file}.h)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_CURRENT_SOURCE_DIR}/${file} -DOUT=${out} -DNAME=${identifier}
            -P ${CMAKE_SOURCE_DIR}/cmake/EmbedText.cmake
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${file} ${CMAKE_SOURCE_DIR}/cmake/EmbedText.cmake
    COMMENT "Embedding ${file}")
  target_sources(${target} PRIVATE ${out})
  target_include_directories(${target} PRIVATE ${dir})
endfunction()
