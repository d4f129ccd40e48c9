# The seed inputs of the fuzz targets (fuzz/seeds/<target>/) also run as
# ordinary tests: in a gcc build without libFuzzer each target is linked
# with a small driver that feeds it every seed file; a target that finds a
# fault traps, and the test fails.
if(NOT KIROKAN_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(KIROKAN_FUZZ_SEED_DRIVER ${CMAKE_BINARY_DIR}/generated/FuzzSeedDriver.cpp)
  file(CONFIGURE OUTPUT ${KIROKAN_FUZZ_SEED_DRIVER} CONTENT [[
// Runs a libFuzzer target on the files named on the command line.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 1;
        }
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        std::printf("ok %s\n", argv[i]);
    }
    return 0;
}
]])
  file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/*.cpp)
  foreach(src IN LISTS fuzz_sources)
    get_filename_component(name ${src} NAME_WE)
    file(GLOB seeds CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/seeds/${name}/*)
    if(seeds)
      add_executable(${name}_seeds ${src} ${KIROKAN_FUZZ_SEED_DRIVER})
      target_compile_options(${name}_seeds PRIVATE ${KIROKAN_CP932_FLAGS})
      target_link_libraries(${name}_seeds PRIVATE kirokan_core)
      add_test(NAME fuzz_seeds_${name} COMMAND ${name}_seeds ${seeds})
    endif()
  endforeach()
endif()
