km_fuzz_target(read_utf SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ReadUtfFuzz.cpp LIBS km_io)
