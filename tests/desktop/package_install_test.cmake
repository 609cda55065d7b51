# Installs the build into a scratch root, as `cmake --install` or the Debian package would under
# /usr, and checks what a desktop and a user find there: both programs (answering --version
# without a display), the menu entry naming them, the icon as SVG and at each PNG size it claims,
# the translations beside them and the README.
#   cmake -DBUILD_DIR=<build> -DROOT=<scratch dir> -DVERSION=<x.y> -P package_install_test.cmake

cmake_minimum_required(VERSION 3.25)

foreach(variable BUILD_DIR ROOT VERSION)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

set(failures "")
macro(fail text)
  string(APPEND failures "  ${text}\n")
endmacro()

file(REMOVE_RECURSE "${ROOT}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${ROOT}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()

set(icon_sizes 16 32 48 64 128 256)
set(expected bin/karnoth bin/karnoth-cli share/applications/karnoth.desktop
             share/icons/hicolor/scalable/apps/karnoth.svg share/doc/karnoth/README.md
             share/karnoth/translations/karnoth_es.qm share/karnoth/translations/karnoth_pt_BR.qm)
foreach(side ${icon_sizes})
  list(APPEND expected share/icons/hicolor/${side}x${side}/apps/karnoth.png)
endforeach()
foreach(path ${expected})
  if(NOT EXISTS "${ROOT}/${path}" OR IS_DIRECTORY "${ROOT}/${path}")
    fail("${path} is not installed")
  endif()
endforeach()

# The programs answer without a window system: the menu entry and scripts may run them anywhere.
foreach(program karnoth karnoth-cli)
  if(EXISTS "${ROOT}/bin/${program}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=QT_QPA_PLATFORM --unset=DISPLAY --unset=WAYLAND_DISPLAY
                            "${ROOT}/bin/${program}" --version
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors TIMEOUT 60)
    if(NOT status EQUAL 0 OR NOT output STREQUAL "karnoth ${VERSION}\n")
      fail("${program} --version gave '${output}' (exit ${status}) ${errors}, not 'karnoth ${VERSION}'")
    endif()
  endif()
endforeach()

# The desktop entry: one [Desktop Entry] group of key=value lines, with the keys a menu shows and
# an Exec and Icon that name what was installed beside it.
set(entry_path "${ROOT}/share/applications/karnoth.desktop")
if(EXISTS "${entry_path}")
  file(STRINGS "${entry_path}" lines)
  list(GET lines 0 first)
  if(NOT first STREQUAL "[Desktop Entry]")
    fail("karnoth.desktop starts with '${first}', not [Desktop Entry]")
  endif()
  set(keys "")
  foreach(line ${lines})
    if(line MATCHES "^#" OR line STREQUAL "[Desktop Entry]")
      continue()
    elseif(line MATCHES "^([A-Za-z0-9-]+)=(.+)$")
      if(CMAKE_MATCH_1 IN_LIST keys)
        fail("karnoth.desktop sets ${CMAKE_MATCH_1} twice")
      endif()
      list(APPEND keys ${CMAKE_MATCH_1})
      set(entry_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
    else()
      fail("karnoth.desktop: '${line}' is not a key=value line")
    endif()
  endforeach()
  foreach(key Type Name GenericName Comment Exec Icon Categories)
    if(NOT key IN_LIST keys)
      fail("karnoth.desktop has no ${key}")
    endif()
  endforeach()
  if(NOT entry_Type STREQUAL "Application")
    fail("karnoth.desktop: Type=${entry_Type}, not Application")
  endif()
  string(REGEX REPLACE " .*" "" exec_program "${entry_Exec}")
  if(NOT EXISTS "${ROOT}/bin/${exec_program}")
    fail("karnoth.desktop: Exec=${entry_Exec} names no installed program")
  endif()
  if(NOT EXISTS "${ROOT}/share/icons/hicolor/scalable/apps/${entry_Icon}.svg")
    fail("karnoth.desktop: Icon=${entry_Icon} names no installed icon")
  endif()
  if(NOT entry_Categories MATCHES "^([A-Za-z]+;)+$"
     OR NOT entry_Categories MATCHES "(^|;)(Science|Education);")
    fail("karnoth.desktop: Categories=${entry_Categories} is not a ;-ended list with Science or Education")
  endif()
endif()

# Each PNG is a PNG (signature, IHDR first) of the size its directory names.
foreach(side ${icon_sizes})
  set(png "${ROOT}/share/icons/hicolor/${side}x${side}/apps/karnoth.png")
  if(NOT EXISTS "${png}")
    continue()
  endif()
  file(READ "${png}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 32 signature)
  if(NOT signature STREQUAL "89504e470d0a1a0a0000000d49484452")
    fail("${side}x${side}/apps/karnoth.png is not a PNG")
    continue()
  endif()
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL side OR NOT height EQUAL side)
    fail("${side}x${side}/apps/karnoth.png is ${width}x${height} pixels")
  endif()
endforeach()

set(svg "${ROOT}/share/icons/hicolor/scalable/apps/karnoth.svg")
if(EXISTS "${svg}")
  file(READ "${svg}" svg_text)
  if(NOT svg_text MATCHES "<svg[ >]")
    fail("karnoth.svg holds no <svg> element")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "The installed tree in ${ROOT} is not complete:\n${failures}")
endif()
file(REMOVE_RECURSE "${ROOT}")
