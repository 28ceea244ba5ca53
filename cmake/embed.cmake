# embed_bytes(<target> <symbol> <file> [DEPENDS <producer-target>...]):
# links <file>'s bytes into <target> as
#   extern "C" const unsigned char <symbol>_begin[], <symbol>_end[];
# by the assembler's .incbin, so large blocks (the calculator inside the maker) cost no
# compile time. A file made by the build is named by its real output path (Ninja cannot
# take a generator expression as the object's file dependency), with its producing targets
# in DEPENDS so they are built first.
function(embed_bytes target symbol file)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  if(WIN32)
    set(section ".section .rdata,\"dr\"")
  else()
    set(section ".section .rodata")
  endif()
  # i686 PE symbols carry a leading underscore.
  set(prefix "")
  if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(prefix "_")
  endif()
  # ELF objects must say their stack is not executable, or the linker warns.
  set(stack_note "")
  if(NOT WIN32)
    set(stack_note "  .section .note.GNU-stack,\"\",@progbits\n")
  endif()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embed_${symbol}.S)
  file(GENERATE OUTPUT ${out} CONTENT
    "${section}\n  .balign 4\n  .globl ${prefix}${symbol}_begin\n${prefix}${symbol}_begin:\n  .incbin \"${file}\"\n  .globl ${prefix}${symbol}_end\n${prefix}${symbol}_end:\n  .byte 0\n${stack_note}")
  set_source_files_properties(${out} PROPERTIES GENERATED TRUE OBJECT_DEPENDS "${file}")
  target_sources(${target} PRIVATE ${out})
  if(ARG_DEPENDS)
    add_dependencies(${target} ${ARG_DEPENDS})
  endif()
endfunction()
