# Linux: the simulated desktop, the scenario runner, tests and benchmarks.
file(GLOB TARVESK_SIM_SOURCES CONFIGURE_DEPENDS src/platform/sim/*.cpp)
add_library(tarvesk_sim STATIC ${TARVESK_SIM_SOURCES})
target_link_libraries(tarvesk_sim PUBLIC tarvesk_core)

if(TARVESK_FUZZ)
  include(cmake/fuzz.cmake)
  return()
endif()

add_executable(tarvesk-sim app/tarvesk_sim.cpp app/scenario.cpp)
target_link_libraries(tarvesk-sim PRIVATE tarvesk_sim)

# The soak: random input for minutes, reporting the histories and memory.
add_executable(tarvesk-soak app/soak.cpp)
target_link_libraries(tarvesk-soak PRIVATE tarvesk_sim)

enable_testing()
find_package(GTest REQUIRED)
file(GLOB TARVESK_TEST_SOURCES CONFIGURE_DEPENDS tests/*.cpp)
add_executable(tarvesk_tests ${TARVESK_TEST_SOURCES} app/scenario.cpp)
target_include_directories(tarvesk_tests PRIVATE app tests)
target_link_libraries(tarvesk_tests PRIVATE tarvesk_sim GTest::gtest GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(tarvesk_tests PROPERTIES LABELS native DISCOVERY_TIMEOUT 60)

add_test(NAME example_scenario COMMAND tarvesk-sim ${CMAKE_SOURCE_DIR}/examples/wheel-and-keys.txt)
set_tests_properties(example_scenario PROPERTIES LABELS native)
add_test(NAME example_recording
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/record_replay.sh $<TARGET_FILE:tarvesk-sim> ${CMAKE_SOURCE_DIR}/examples/wheel-and-keys.txt)
set_tests_properties(example_recording PROPERTIES LABELS native)

if(TARVESK_BENCHMARKS)
  find_package(benchmark REQUIRED)
  file(GLOB TARVESK_BENCH_SOURCES CONFIGURE_DEPENDS bench/*.cpp)
  if(TARVESK_BENCH_SOURCES)
    add_executable(tarvesk_bench ${TARVESK_BENCH_SOURCES})
    target_link_libraries(tarvesk_bench PRIVATE tarvesk_sim benchmark::benchmark benchmark::benchmark_main)
  endif()
endif()
