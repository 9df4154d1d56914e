mj_add_benchmark(scoring_bench ${CMAKE_CURRENT_LIST_DIR}/scoring_bench.cpp)
target_link_libraries(scoring_bench PRIVATE mj_hand mj_test_support)
target_include_directories(scoring_bench PRIVATE ${PROJECT_SOURCE_DIR})
