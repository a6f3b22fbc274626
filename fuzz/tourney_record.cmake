km_fuzz_target(tourney_record SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/TourneyRecordFuzz.cpp LIBS km_poker km_io)
