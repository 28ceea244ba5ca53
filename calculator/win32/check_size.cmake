# Fails when the calculator's program file outgrows what the maker may carry.
# cmake -DFILE=<exe> -DLIMIT=<bytes> -P check_size.cmake
file(SIZE "${FILE}" size)
if(size GREATER LIMIT)
  message(FATAL_ERROR "${FILE} is ${size} bytes, over the limit of ${LIMIT}")
endif()
message("${FILE}: ${size} bytes, at most ${LIMIT}")
