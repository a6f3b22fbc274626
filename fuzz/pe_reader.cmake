km_fuzz_target(pe_reader SOURCES ${CMAKE_CURRENT_LIST_DIR}/PeReaderFuzz.cpp LIBS km_resources)
