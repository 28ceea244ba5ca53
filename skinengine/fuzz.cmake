# Included by tests/fuzz/CMakeLists.txt (a clang project of its own): the skin reader's
# libFuzzer target, seeded by tools/fuzz with whatever corpus it keeps.
add_executable(skin_reader_fuzz ${root}/skinengine/fuzz/skin_reader_fuzz.cpp
  ${root}/skinengine/skin_reader.cpp ${root}/skinengine/colour.cpp)
