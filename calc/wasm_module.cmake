# SPDX-License-Identifier: MIT
# The calculation as a WebAssembly module (build/wasm/zirev1_calc.wasm), made by the normal build
# whenever clang can target wasm32-wasi with Debian's wasi-libc and libc++ for wasm32. It exports
# zirev1_calculate (c_interface/zirev1_calculate.h), zirev1_allocate and zirev1_release, and
# imports nothing.
option(ZIREV1_WASM "Build the WebAssembly module when the wasm32-wasi toolchain is present" ON)
if(NOT ZIREV1_WASM OR ZIREV1_FUZZ OR ZIREV1_SANITIZE)
  return()
endif()

find_program(ZIREV1_WASM_CXX NAMES clang++-14 clang++)
set(probe_dir ${CMAKE_BINARY_DIR}/wasm/probe)
file(MAKE_DIRECTORY ${probe_dir})
file(WRITE ${probe_dir}/probe.cpp "#include <string>\nint probe(int n) { return int(std::string(n, 'x').size()); }\n")
set(ZIREV1_WASM_FLAGS --target=wasm32-wasi -std=c++20 -O2 -DNDEBUG -fno-exceptions
    -mexec-model=reactor ${ZIREV1_CALC_FLOAT_OPTIONS})
if(ZIREV1_WASM_CXX)
  execute_process(COMMAND ${ZIREV1_WASM_CXX} ${ZIREV1_WASM_FLAGS} ${probe_dir}/probe.cpp
                          -o ${probe_dir}/probe.wasm
                  RESULT_VARIABLE probe_status OUTPUT_QUIET ERROR_QUIET)
endif()
if(NOT ZIREV1_WASM_CXX OR NOT probe_status EQUAL 0)
  message(STATUS "WebAssembly module: no wasm32-wasi toolchain (clang, lld, wasi-libc, "
                 "libc++-14-dev-wasm32), not built")
  set(ZIREV1_WASM_MODULE "" CACHE INTERNAL "")
  return()
endif()

set(module ${CMAKE_BINARY_DIR}/wasm/zirev1_calc.wasm)
set(ZIREV1_WASM_MODULE ${module} CACHE INTERNAL "the WebAssembly module, when built")
set(sources ${ZIREV1_CALC_SOURCE_FILES})
file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h
     ${CMAKE_CURRENT_SOURCE_DIR}/*.inc)
add_custom_command(
  OUTPUT ${module}
  COMMAND ${ZIREV1_WASM_CXX} ${ZIREV1_WASM_FLAGS} -I${CMAKE_CURRENT_SOURCE_DIR}
          -I${CMAKE_CURRENT_SOURCE_DIR}/c_interface ${sources}
          ${CMAKE_CURRENT_SOURCE_DIR}/c_interface/wasm_exports.cpp
          -Wl,--export=zirev1_calculate -Wl,--strip-all -o ${module}
  DEPENDS ${sources} ${headers} ${CMAKE_CURRENT_SOURCE_DIR}/c_interface/wasm_exports.cpp
  COMMENT "Building the calculation for WebAssembly"
  VERBATIM)
add_custom_target(zirev1_wasm ALL DEPENDS ${module})
