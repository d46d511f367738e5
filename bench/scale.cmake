# Scale benchmarks (bench/scale.sh builds and runs them; they are not tests).
if(TARGET korbanix_engine)
  add_executable(korbanix_bench_scale_job EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/scale_job.cpp)
  target_link_libraries(korbanix_bench_scale_job PRIVATE korbanix_engine)
endif()
if(TARGET korbanix_app)
  add_executable(korbanix_bench_scale_probe EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/scale_probe.cpp)
  target_link_libraries(korbanix_bench_scale_probe PRIVATE korbanix_app)
endif()
