# The layers of the engine, as the build enforces them: a source of a layer
# compiled with that layer's include folder finds the headers of its own layer
# and of the layers below, and does not find those of the layers above.
#
#   cmake -DCXX=<compiler> -DLAYERS=<build>/src/layers -DGENERATED=<dir>
#         -DSOURCES=<source>/src -P check_layers.cmake
#
# Every pair is tried with the compiler (syntax only), so the check fails if
# the include folders ever let a wrong-way include through, and equally if a
# right-way include stops compiling.
set(order base props calc files)
# One header of each layer, included as the sources include it.
set(header_base "base/case.h")
set(header_props "props/properties.h")
set(header_calc "calc/limits.h")
set(header_files "files/case_file.h")

set(work ${CMAKE_CURRENT_BINARY_DIR}/check_layers)
file(MAKE_DIRECTORY ${work})
set(failures "")
foreach(layer IN LISTS order)
  list(FIND order ${layer} own)
  foreach(target IN LISTS order)
    list(FIND order ${target} other)
    set(source ${work}/${layer}_includes_${target}.cpp)
    file(WRITE ${source} "#include \"${header_${target}}\"\n")
    execute_process(
      COMMAND ${CXX} -std=c++20 -fsyntax-only -I${LAYERS}/${layer} -I${GENERATED} ${source}
      RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
    if(other LESS_EQUAL own AND NOT rc EQUAL 0)
      string(APPEND failures "${layer} cannot include ${header_${target}}: ${err}\n")
    elseif(other GREATER own AND rc EQUAL 0)
      string(APPEND failures "${layer} includes ${header_${target}} of a layer above it\n")
    endif()
  endforeach()
endforeach()
# A relative include ("../calc/limits.h") is found next to the source
# whatever the include folders say: no engine source may use one.
if(SOURCES)
  foreach(layer IN LISTS order)
    file(GLOB files ${SOURCES}/${layer}/*.cpp ${SOURCES}/${layer}/*.h)
    foreach(f IN LISTS files)
      file(STRINGS ${f} relative REGEX "^[ \t]*#[ \t]*include[ \t]*\"\\.\\./")
      if(relative)
        string(APPEND failures "${f}: relative include ${relative}\n")
      endif()
    endforeach()
  endforeach()
endif()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "base < props < calc < files: every wrong-way include is refused")
