# Runs `cmake --install BUILD_DIR --prefix ROOT/usr` and checks the installed tree: the program,
# one desktop entry whose name is the application id, that id's icon at every theme size as a
# PNG of exactly that size and as the SVG drawing ICON_SVG, and its AppStream metainfo naming
# the same id, desktop entry and release VERSION. desktop-file-validate and appstreamcli check
# the entry and the metainfo where they are installed.

cmake_minimum_required(VERSION 3.25)

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

# Exactly one desktop entry; its name gives the application id the other files must use.
file(GLOB entry ${ROOT}/usr/share/applications/*)
list(LENGTH entry entry_count)
if(NOT entry_count EQUAL 1 OR NOT entry MATCHES "/([^/]+)\\.desktop$")
  message(FATAL_ERROR "expected one .desktop file in usr/share/applications, found: ${entry}")
endif()
set(app_id ${CMAKE_MATCH_1})
file(STRINGS ${entry} entry_lines ENCODING UTF-8)
foreach(key IN ITEMS "Exec=minigames" "Icon=${app_id}")
  if(NOT key IN_LIST entry_lines)
    fail("${app_id}.desktop lacks the line ${key}")
  endif()
endforeach()

# Every other file the system receives, each checked by what its name says it is.
set(expected bin/minigames share/icons/hicolor/scalable/apps/${app_id}.svg
             share/metainfo/${app_id}.metainfo.xml)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${app_id}.png)
endforeach()
foreach(path IN LISTS expected)
  set(file ${ROOT}/usr/${path})
  if(NOT EXISTS ${file})
    fail("no usr/${path}")
  elseif(path STREQUAL "bin/minigames")
    # An executable ELF file.
    file(READ ${file} magic LIMIT 4 HEX)
    execute_process(COMMAND test -x ${file} RESULT_VARIABLE not_executable)
    if(NOT magic STREQUAL "7f454c46" OR NOT not_executable EQUAL 0)
      fail("usr/${path} is not an executable program")
    endif()
  elseif(path MATCHES "/([0-9]+)x[0-9]+/")
    # The PNG signature, then the IHDR chunk with the width and height as 32-bit big-endian.
    set(size ${CMAKE_MATCH_1})
    file(READ ${file} header LIMIT 24 HEX)
    if(NOT header MATCHES "^89504e470d0a1a0a0000000d49484452(........)(........)$")
      fail("the ${size}x${size} icon is not a PNG")
      continue()
    endif()
    math(EXPR width "0x${CMAKE_MATCH_1}")
    math(EXPR height "0x${CMAKE_MATCH_2}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
      fail("the ${size}x${size} icon is ${width}x${height}")
    endif()
  elseif(path MATCHES "\\.svg$")
    file(SHA256 ${file} installed_hash)
    file(SHA256 ${ICON_SVG} drawing_hash)
    if(NOT installed_hash STREQUAL drawing_hash)
      fail("the scalable icon is not ${ICON_SVG}")
    endif()
  else()
    # The metainfo: the same id, launched through the desktop entry, newest release VERSION.
    file(READ ${file} xml)
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
endforeach()

# The freedesktop validators, where installed: each TOOL;PACKAGE;OUTPUT;ARGUMENTS… fails on a
# non-zero status, and with OUTPUT "silent" also on any output at all. validate-tree runs
# appstreamcli's checks of every metainfo file and also looks for the desktop entry each one
# launches.
foreach(validator IN ITEMS "desktop-file-validate;desktop-file-utils;silent;${entry}"
                           "appstreamcli;appstream;any;validate-tree;--no-net;${ROOT}")
  list(POP_FRONT validator tool package output_allowed)
  find_program(found_${tool} ${tool} NO_CACHE)
  if(NOT found_${tool})
    message(STATUS "SKIPPED: ${tool} is not installed (package ${package})")
    continue()
  endif()
  execute_process(COMMAND ${found_${tool}} ${validator}
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0 OR (output_allowed STREQUAL "silent" AND NOT output STREQUAL ""))
    list(JOIN validator " " arguments)
    fail("${tool} ${arguments}:\n${output}")
  endif()
endforeach()

if(errors)
  list(JOIN errors "\n  " text)
  message(FATAL_ERROR "the installed tree in ${ROOT}:\n  ${text}")
endif()
