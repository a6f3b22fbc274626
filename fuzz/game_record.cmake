km_fuzz_target(game_record SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/GameRecordFuzz.cpp LIBS km_poker km_io)
