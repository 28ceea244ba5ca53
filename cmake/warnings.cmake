# Flags every target of both presets shares: GBK literals, warnings as errors,
# no build paths in the binaries (so the calculator carried by the maker is bit-identical).
add_compile_options(
  -finput-charset=UTF-8 -fexec-charset=GBK
  -Wall -Wextra -Wpedantic -Werror
  -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.
  -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)

if(WIN32)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # Runs on a bare Windows: no runtime DLLs, stripped, no timestamps.
  add_link_options(-static -static-libgcc -static-libstdc++ -s -Wl,--no-insert-timestamp)
endif()
