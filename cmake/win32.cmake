# Windows x64 (MinGW-w64): Tarvesk.exe, wrhk.dll and the folder they ship in.
#
# ${CMAKE_BINARY_DIR}/dist holds everything a user copies: Tarvesk.exe, wrhk.dll
# and the files of data/. Everything links statically so dist/ runs on a clean
# Windows. The Wine end-to-end tests' peer programs go to ${CMAKE_BINARY_DIR}/peers.

set(TARVESK_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(TARVESK_STATIC_LINK -static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)
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

# The icon and the version of each file (res/tarvesk.rc.in, one copy per file).
enable_language(RC)
set(TARVESK_ICON ${CMAKE_SOURCE_DIR}/res/tarvesk.ico)
function(tarvesk_version_resource target file_name description file_type)
  set(TARVESK_FILE_NAME ${file_name})
  set(TARVESK_FILE_DESCRIPTION ${description})
  set(TARVESK_FILE_TYPE ${file_type})
  configure_file(${CMAKE_SOURCE_DIR}/res/tarvesk.rc.in ${CMAKE_BINARY_DIR}/res/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/res/${target}.rc)
endfunction()

add_executable(Tarvesk WIN32 app/tarvesk_win.cpp)
tarvesk_version_resource(Tarvesk Tarvesk.exe "Tarvesk desktop companion" VFT_APP)
target_link_libraries(Tarvesk PRIVATE tarvesk_win32)
target_link_options(Tarvesk PRIVATE ${TARVESK_STATIC_LINK})
set_target_properties(Tarvesk PROPERTIES OUTPUT_NAME Tarvesk RUNTIME_OUTPUT_DIRECTORY ${TARVESK_DIST_DIR})

# The input hook component: exactly "wrhk.dll", no "lib" prefix, undecorated exports.
add_library(wrhk SHARED src/hook/wrhk_dll.cpp src/hook/wrhk.def)
tarvesk_version_resource(wrhk wrhk.dll "Tarvesk input hook" VFT_DLL)
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

# The release, `cmake --build --preset win64 --target package`:
# Tarvesk-<version>-win64.zip with one folder holding the program, its hook
# library, the shipped data files and the empty lists the program keeps beside
# it. Taken from the build's outputs and data/, never from dist/, where a run of
# the program may have left the user's own files.
install(TARGETS Tarvesk wrhk RUNTIME DESTINATION .)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION .)
set(TARVESK_EMPTY_LISTS ${CMAKE_BINARY_DIR}/package/ime.txt ${CMAKE_BINARY_DIR}/package/url.txt)
foreach(list_file IN LISTS TARVESK_EMPTY_LISTS)
  if(NOT EXISTS ${list_file})
    file(WRITE ${list_file} "")
  endif()
endforeach()
install(FILES ${TARVESK_EMPTY_LISTS} DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Tarvesk)
set(CPACK_PACKAGE_FILE_NAME Tarvesk-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
# The application manifest (per-monitor DPI awareness, run as invoker), as a resource of Tarvesk.exe.
target_sources(Tarvesk PRIVATE app/tarvesk.rc)
set_source_files_properties(app/tarvesk.rc PROPERTIES OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/app/tarvesk.manifest)
