// Benchmark entry. The C library is told to keep freed memory instead of handing it back to
// the system after each iteration: on our virtual machines a page fault on fresh memory costs
// several microseconds, and the figures would otherwise measure the system's page handling
// (different on every machine, and not what a Windows heap does) rather than our code.
#include <benchmark/benchmark.h>
#include <malloc.h>

int main(int argc, char** argv) {
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
