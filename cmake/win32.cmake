# Windows x64 (MinGW-w64): Tarvesk.exe, wrhk.dll and the folder they ship in.
#
# ${CMAKE_BINARY_DIR}/dist holds everything a user copies: Tarvesk.exe, wrhk.dll
# and the files of data/. Everything links statically so dist/ runs on a clean
# Windows. The Wine end-to-end tests' peer programs go to ${CMAKE_BINARY_DIR}/peers.

set(TARVESK_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(TARVESK_STATIC_LINK -static -static-libgcc -static-libstdc++)
set(TARVESK_WIN32_LIBS user32 gdi32 kernel32 shell32 imm32 ole32 oleaut32 uuid comdlg32 comctl32 advapi32)
set(TARVESK_WIN32_DEFINITIONS WIN32_LEAN_AND_MEAN NOMINMAX UNICODE _UNICODE _WIN32_WINNT=0x0A00 WINVER=0x0A00)

# CP936 <-> UTF-16 helpers: the text conversions, the backend and the DLL share them.
target_sources(tarvesk_text PRIVATE src/platform/win32/wide.cpp)
target_compile_definitions(tarvesk_text PRIVATE ${TARVESK_WIN32_DEFINITIONS})

# The backend.
file(GLOB TARVESK_WIN32_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
list(REMOVE_ITEM TARVESK_WIN32_SOURCES
  ${CMAKE_SOURCE_DIR}/src/platform/win32/text_win32.cpp
  ${CMAKE_SOURCE_DIR}/src/platform/win32/wide.cpp)
add_library(tarvesk_win32 STATIC ${TARVESK_WIN32_SOURCES})
target_compile_definitions(tarvesk_win32 PUBLIC ${TARVESK_WIN32_DEFINITIONS})
target_link_libraries(tarvesk_win32 PUBLIC tarvesk_core tarvesk_text ${TARVESK_WIN32_LIBS})

add_executable(Tarvesk WIN32 app/tarvesk_win.cpp)
target_link_libraries(Tarvesk PRIVATE tarvesk_win32)
target_link_options(Tarvesk PRIVATE ${TARVESK_STATIC_LINK})
set_target_properties(Tarvesk PROPERTIES OUTPUT_NAME Tarvesk RUNTIME_OUTPUT_DIRECTORY ${TARVESK_DIST_DIR})

# The input hook component: exactly "wrhk.dll", no "lib" prefix, undecorated exports.
add_library(wrhk SHARED src/hook/wrhk_dll.cpp src/hook/wrhk.def)
target_compile_definitions(wrhk PRIVATE ${TARVESK_WIN32_DEFINITIONS})
target_link_libraries(wrhk PRIVATE tarvesk_tokenizer tarvesk_text user32 kernel32)
target_link_options(wrhk PRIVATE ${TARVESK_STATIC_LINK})
set_target_properties(wrhk PROPERTIES
  PREFIX ""
  OUTPUT_NAME wrhk
  SUFFIX ".dll"
  RUNTIME_OUTPUT_DIRECTORY ${TARVESK_DIST_DIR}
  ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)

# The shipped data files (subfolders included), each copied when it changes.
# data/ may be missing from a fresh checkout while it holds no file.
file(GLOB_RECURSE TARVESK_DATA_FILES CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/data ${CMAKE_SOURCE_DIR}/data/*)
set(TARVESK_DIST_DATA)
foreach(data_file IN LISTS TARVESK_DATA_FILES)
  add_custom_command(OUTPUT ${TARVESK_DIST_DIR}/${data_file}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/${data_file} ${TARVESK_DIST_DIR}/${data_file}
    DEPENDS ${CMAKE_SOURCE_DIR}/data/${data_file}
    VERBATIM)
  list(APPEND TARVESK_DIST_DATA ${TARVESK_DIST_DIR}/${data_file})
endforeach()
add_custom_target(tarvesk_dist_data ALL DEPENDS ${TARVESK_DIST_DATA})

# Peer programs of the Wine end-to-end tests: one console program per source.
if(EXISTS ${CMAKE_SOURCE_DIR}/e2e/peers)
  file(GLOB TARVESK_PEER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/e2e/peers/*.cpp)
  foreach(peer_source IN LISTS TARVESK_PEER_SOURCES)
    get_filename_component(peer_name ${peer_source} NAME_WE)
    add_executable(peer_${peer_name} ${peer_source})
    target_include_directories(peer_${peer_name} PRIVATE src)
    target_compile_definitions(peer_${peer_name} PRIVATE ${TARVESK_WIN32_DEFINITIONS})
    target_link_libraries(peer_${peer_name} PRIVATE user32 gdi32 kernel32 shell32)
    target_link_options(peer_${peer_name} PRIVATE ${TARVESK_STATIC_LINK})
    # A peer with a wide entry point (wmain) needs the Unicode start-up code.
    file(READ ${peer_source} peer_text)
    if(peer_text MATCHES "wmain[ \t]*\\(")
      target_link_options(peer_${peer_name} PRIVATE -municode)
    endif()
    set_target_properties(peer_${peer_name} PROPERTIES
      OUTPUT_NAME ${peer_name}
      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/peers)
  endforeach()
endif()

# A Wine test's checker that drives the product's own code: it starts the
# archiver through the Win32 backend and reads back what arrived.
add_executable(archivecheck e2e/tools/archivecheck.cpp)
target_link_libraries(archivecheck PRIVATE tarvesk_win32)
target_link_options(archivecheck PRIVATE ${TARVESK_STATIC_LINK})
set_target_properties(archivecheck PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/peers)

# The application manifest (per-monitor DPI awareness, run as invoker), as a resource of Tarvesk.exe.
enable_language(RC)
target_sources(Tarvesk PRIVATE app/tarvesk.rc)
set_source_files_properties(app/tarvesk.rc PROPERTIES OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/app/tarvesk.manifest)
