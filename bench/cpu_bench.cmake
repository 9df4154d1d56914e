mj_add_benchmark(mj_cpu_bench ${CMAKE_CURRENT_LIST_DIR}/cpu_bench.cpp)
target_link_libraries(mj_cpu_bench PRIVATE mj_engine mj_cpu)
