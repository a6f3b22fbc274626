km_fuzz_target(png_decoder SOURCES ${CMAKE_CURRENT_LIST_DIR}/PngDecoderFuzz.cpp LIBS km_resources)
