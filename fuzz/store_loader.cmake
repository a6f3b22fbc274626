km_fuzz_target(store_loader SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/StoreLoaderFuzz.cpp LIBS km_io)
