# Declarative helpers shared by the library, its tests, benchmarks and fuzzers.
include(GNUInstallDirs)

# Flags for every target the project compiles itself. Floating-point contraction stays
# off so that no fused multiply-add changes a rounding, whatever the compiler defaults.
function(qor_target_defaults target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Werror -ffp-contract=off
    # GCC 12 at -O3 reports impossible overlaps inside std::string concatenation (a known
    # false positive of its -Wrestrict, fixed in GCC 13).
    $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)
  if(QOR_SANITIZE)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()

# qor_add_unit(<unit>): compiles qor/<unit>/*.cpp (and detail/) into the library and
# qor/<unit>/*_test.cpp into the test program qor_<unit>_test, labelled <unit>.
function(qor_add_unit unit)
  set(dir ${PROJECT_SOURCE_DIR}/qor/${unit})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/detail/*.cpp)
  file(GLOB tests CONFIGURE_DEPENDS ${dir}/*_test.cpp ${dir}/detail/*_test.cpp)
  if(tests)
    list(REMOVE_ITEM sources ${tests})
  endif()
  target_sources(qormath PRIVATE ${sources})
  if(QOR_BUILD_TESTS AND tests)
    qor_add_test(qor_${unit}_test LABEL ${unit} SOURCES ${tests})
  endif()
endfunction()

# qor_add_test(<name> LABEL <label> SOURCES ...): a GoogleTest program run from the
# repository root, so tests find testdata/ by a relative path.
function(qor_add_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE qor::qormath GTest::gtest GTest::gmock GTest::gtest_main)
  qor_target_defaults(${name})
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    PROPERTIES LABELS ${ARG_LABEL}
    DISCOVERY_TIMEOUT 60)
endfunction()

# qor_add_bench(<name> SOURCES ... [LIBS ...]): a Google Benchmark program.
function(qor_add_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE qor::qormath benchmark::benchmark ${ARG_LIBS})
  qor_target_defaults(${name})
endfunction()
