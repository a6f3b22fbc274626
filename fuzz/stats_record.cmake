km_fuzz_target(stats_record SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/StatsRecordFuzz.cpp LIBS km_poker km_io)
