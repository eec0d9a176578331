# Runs `cmake --install BUILD_DIR --prefix ROOT/usr` and checks the installed tree: the program,
# one desktop entry whose name is the application id, that id's icon at every theme size as a
# PNG of exactly that size and as the SVG drawing ICON_SVG, and its AppStream metainfo naming
# the same id, desktop entry and release VERSION. desktop-file-validate and appstreamcli check
# the entry and the metainfo where they are installed.

cmake_minimum_required(VERSION 3.25)

set(icon_sizes 16 24 32 48 64 128 256)
set(errors "")
macro(fail text)
  list(APPEND errors "${text}")
endmacro()

file(REMOVE_RECURSE ${ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${ROOT}/usr
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()
set(share ${ROOT}/usr/share)

# The program: an executable ELF file.
set(program ${ROOT}/usr/bin/minigames)
if(NOT EXISTS ${program})
  fail("no usr/bin/minigames")
else()
  file(READ ${program} magic LIMIT 4 HEX)
  execute_process(COMMAND test -x ${program} RESULT_VARIABLE not_executable)
  if(NOT magic STREQUAL "7f454c46" OR NOT not_executable EQUAL 0)
    fail("usr/bin/minigames is not an executable program")
  endif()
endif()

# Exactly one desktop entry; its name gives the application id the other files must use.
file(GLOB entries ${share}/applications/*)
list(LENGTH entries entry_count)
if(NOT entry_count EQUAL 1 OR NOT entries MATCHES "/([^/]+)\\.desktop$")
  message(FATAL_ERROR "expected one .desktop file in usr/share/applications, found: ${entries}")
endif()
set(app_id ${CMAKE_MATCH_1})
set(entry ${entries})
file(STRINGS ${entry} entry_lines ENCODING UTF-8)
foreach(key IN ITEMS "Exec=minigames" "Icon=${app_id}")
  if(NOT key IN_LIST entry_lines)
    fail("${app_id}.desktop lacks the line ${key}")
  endif()
endforeach()

# The icon: every theme size rendered to a PNG of that size, and the drawing itself.
foreach(size IN LISTS icon_sizes)
  set(png ${share}/icons/hicolor/${size}x${size}/apps/${app_id}.png)
  if(NOT EXISTS ${png})
    fail("no ${size}x${size} icon")
    continue()
  endif()
  # The PNG signature, then the IHDR chunk with the width and height as 32-bit big-endian.
  file(READ ${png} header LIMIT 24 HEX)
  if(NOT header MATCHES "^89504e470d0a1a0a0000000d49484452(........)(........)$")
    fail("the ${size}x${size} icon is not a PNG")
    continue()
  endif()
  math(EXPR width "0x${CMAKE_MATCH_1}")
  math(EXPR height "0x${CMAKE_MATCH_2}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    fail("the ${size}x${size} icon is ${width}x${height}")
  endif()
endforeach()
set(svg ${share}/icons/hicolor/scalable/apps/${app_id}.svg)
if(NOT EXISTS ${svg})
  fail("no scalable icon")
else()
  file(SHA256 ${svg} installed_hash)
  file(SHA256 ${ICON_SVG} drawing_hash)
  if(NOT installed_hash STREQUAL drawing_hash)
    fail("the scalable icon is not ${ICON_SVG}")
  endif()
endif()

# The metainfo: the same id, launched through the desktop entry, newest release VERSION.
set(metainfo ${share}/metainfo/${app_id}.metainfo.xml)
if(NOT EXISTS ${metainfo})
  fail("no usr/share/metainfo/${app_id}.metainfo.xml")
else()
  file(READ ${metainfo} xml)
  if(NOT xml MATCHES "<id>${app_id}</id>")
    fail("the metainfo's <id> is not ${app_id}")
  endif()
  if(NOT xml MATCHES "<launchable type=\"desktop-id\">${app_id}\\.desktop</launchable>")
    fail("the metainfo does not launch ${app_id}.desktop")
  endif()
  if(NOT xml MATCHES "<release version=\"([^\"]*)\"" OR NOT CMAKE_MATCH_1 STREQUAL VERSION)
    fail("the metainfo's newest release is '${CMAKE_MATCH_1}', the project's version ${VERSION}")
  endif()
endif()

# The freedesktop validators, where installed. validate-tree runs appstreamcli's checks of
# every metainfo file and also looks for the desktop entry each one launches.
find_program(desktop_file_validate desktop-file-validate)
find_program(appstreamcli appstreamcli)
if(desktop_file_validate)
  execute_process(COMMAND ${desktop_file_validate} ${entry}
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0 OR NOT output STREQUAL "")
    fail("desktop-file-validate ${app_id}.desktop:\n${output}")
  endif()
else()
  message(STATUS "SKIPPED: desktop-file-validate is not installed (package desktop-file-utils)")
endif()
if(appstreamcli)
  execute_process(COMMAND ${appstreamcli} validate-tree --no-net ${ROOT}
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    fail("appstreamcli validate-tree --no-net:\n${output}")
  endif()
else()
  message(STATUS "SKIPPED: appstreamcli is not installed (package appstream)")
endif()

if(errors)
  list(JOIN errors "\n  " text)
  message(FATAL_ERROR "the installed tree in ${ROOT}:\n  ${text}")
endif()
