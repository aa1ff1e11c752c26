# SPDX-License-Identifier: MIT
# The calculation as a WebAssembly module (build/wasm/zirev1_calc.wasm), made by the normal build
# whenever clang can target wasm32-wasi with Debian's wasi-libc and libc++ for wasm32. It exports
# zirev1_calculate (c_interface/zirev1_calculate.h), zirev1_elements (zirev1_elements.h),
# zirev1_window and zirev1_sheet (zirev1_window.h), zirev1_allocate and zirev1_release, and imports
# nothing.
# zirev1_window draws through the form's library (window/), whose sources it takes from that
# target; the linker keeps only what it reaches. Where it is built, the custom target zirev1_wasm exists and its property
# ZIREV1_MODULE_FILE names the module.
option(ZIREV1_WASM "Build the WebAssembly module when the wasm32-wasi toolchain is present" ON)
if(ZIREV1_FUZZ OR ZIREV1_SANITIZE OR CMAKE_CROSSCOMPILING)
  return()
endif()
if(NOT ZIREV1_WASM)
  message(STATUS "WebAssembly module: off (ZIREV1_WASM=OFF); neither it nor the web page is "
                 "built")
  return()
endif()

get_target_property(float_options zirev1_calc_float_options INTERFACE_COMPILE_OPTIONS)
set(ZIREV1_WASM_FLAGS --target=wasm32-wasi -std=c++20 -O2 -DNDEBUG -fno-exceptions
    -mexec-model=reactor ${float_options})

# The probe needs what the calculation needs from the toolchain: the C++ library, and fast_float
# where that library has no from_chars for double (read_side_length.cpp).
find_program(ZIREV1_WASM_CXX NAMES clang++-14 clang++)
set(probe_dir ${CMAKE_BINARY_DIR}/wasm/probe)
file(MAKE_DIRECTORY ${probe_dir})
file(WRITE ${probe_dir}/probe.cpp [=[
#include <charconv>
#include <string>
#if !defined(__cpp_lib_to_chars)
#include <fast_float/fast_float.h>
#endif
int probe(int n) { return int(std::string(n, 'x').size()); }
]=])
if(ZIREV1_WASM_CXX)
  execute_process(COMMAND ${ZIREV1_WASM_CXX} ${ZIREV1_WASM_FLAGS} ${probe_dir}/probe.cpp
                          -o ${probe_dir}/probe.wasm
                  RESULT_VARIABLE probe_status OUTPUT_QUIET ERROR_VARIABLE probe_error)
endif()
if(NOT ZIREV1_WASM_CXX OR NOT probe_status EQUAL 0)
  if(NOT ZIREV1_WASM_CXX)
    set(reason "no clang++ found")
  else()
    string(REGEX MATCH "[^\n]*error[^\n]*" first_error "${probe_error}")
    if(NOT first_error)
      set(first_error "${probe_status}")
    endif()
    set(reason "${ZIREV1_WASM_CXX} cannot build for wasm32-wasi: ${first_error}")
  endif()
  # The packages are the [wasm] group of scripts/packages.txt, less Node.js, which only runs it.
  message(WARNING "WebAssembly module not built, nor the web page that runs it: ${reason}. "
                  "It needs clang, lld-14, wasi-libc, libc++-14-dev-wasm32, "
                  "libc++abi-14-dev-wasm32, libclang-rt-14-dev-wasm32 and libfast-float-dev. "
                  "-DZIREV1_WASM=OFF leaves it out without this warning.")
  return()
endif()

set(module ${CMAKE_BINARY_DIR}/wasm/zirev1_calc.wasm)
list(TRANSFORM ZIREV1_CALC_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE sources)
file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h
     ${CMAKE_CURRENT_SOURCE_DIR}/*.inc)
set(entries ${CMAKE_CURRENT_SOURCE_DIR}/c_interface/wasm_exports.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/c_interface/zirev1_window.cpp)
# The form's library is defined later, so its sources are read when the build is generated: they
# are relative to its folder, where the compiler runs, and the library itself stands for them
# (and for its generated metrics) as a dependency.
set(form_sources "$<FILTER:$<TARGET_PROPERTY:zirev1_form,SOURCES>,INCLUDE,\\.cpp$>")
set(form_includes "$<TARGET_PROPERTY:zirev1_form,INCLUDE_DIRECTORIES>")
add_custom_command(
  OUTPUT ${module}
  COMMAND ${ZIREV1_WASM_CXX} ${ZIREV1_WASM_FLAGS} -I${CMAKE_CURRENT_SOURCE_DIR}
          -I${CMAKE_CURRENT_SOURCE_DIR}/c_interface "-I$<JOIN:${form_includes},;-I>"
          ${sources} ${entries} ${form_sources}
          -Wl,--export=zirev1_calculate -Wl,--export=zirev1_elements -Wl,--export=zirev1_window -Wl,--export=zirev1_sheet
          -Wl,--strip-all -o ${module}
  WORKING_DIRECTORY $<TARGET_PROPERTY:zirev1_form,SOURCE_DIR>
  DEPENDS ${sources} ${headers} ${entries} zirev1_form
  COMMENT "Building the calculation for WebAssembly"
  COMMAND_EXPAND_LISTS VERBATIM)
add_custom_target(zirev1_wasm ALL DEPENDS ${module})
set_target_properties(zirev1_wasm PROPERTIES ZIREV1_MODULE_FILE ${module})
message(STATUS "WebAssembly module: ${module}")
