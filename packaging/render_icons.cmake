# Renders the SVG drawing SVG as square PNG icons with minigames-shot (SHOT):
# OUTPUT_DIR/<size>x<size>/APP_ID.png for each size of the comma-separated SIZES.
#   cmake -DSHOT=... -DSVG=... -DSIZES=16,32 -DOUTPUT_DIR=... -DAPP_ID=... -P render_icons.cmake

cmake_minimum_required(VERSION 3.25)

string(REPLACE "," ";" sizes "${SIZES}")

# minigames-shot splits its lines at blanks, so it is handed paths relative to OUTPUT_DIR only.
file(MAKE_DIRECTORY ${OUTPUT_DIR})
configure_file(${SVG} ${OUTPUT_DIR}/drawing.svg COPYONLY)
set(commands "")
foreach(size IN LISTS sizes)
  file(MAKE_DIRECTORY ${OUTPUT_DIR}/${size}x${size})
  string(APPEND commands "drawing drawing.svg ${size}x${size}/${APP_ID}.png ${size} ${size}\n")
endforeach()
file(WRITE ${OUTPUT_DIR}/render.txt "${commands}")

# A build step, not a test: no window system, and a sanitizer build reports no leaks here.
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{ASAN_OPTIONS} "$ENV{ASAN_OPTIONS}:detect_leaks=0")
execute_process(COMMAND ${SHOT}
                WORKING_DIRECTORY ${OUTPUT_DIR}
                INPUT_FILE ${OUTPUT_DIR}/render.txt
                RESULT_VARIABLE status
                OUTPUT_VARIABLE output
                ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "minigames-shot could not render ${SVG} (${status}):\n${output}")
endif()
