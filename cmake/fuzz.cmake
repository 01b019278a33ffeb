# One libFuzzer program per fuzz/*_fuzz.cpp, against the simulated desktop.
file(GLOB TARVESK_FUZZ_SOURCES CONFIGURE_DEPENDS fuzz/*_fuzz.cpp)
foreach(fuzz_source IN LISTS TARVESK_FUZZ_SOURCES)
  get_filename_component(fuzz_name ${fuzz_source} NAME_WE)
  add_executable(${fuzz_name} ${fuzz_source})
  target_link_libraries(${fuzz_name} PRIVATE tarvesk_sim)
  target_link_options(${fuzz_name} PRIVATE -fsanitize=fuzzer)
endforeach()
