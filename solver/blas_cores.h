#pragma once
// The kernel set of the linear algebra library (OpenBLAS). The library picks its kernels by the
// processor's model number once, when it loads; a processor it does not know (a virtual one, a
// newer model) gets an older core type whose kernels leave half or three quarters of the vector
// units idle. The core name it chose is compared with the processor's vector extensions at the
// start of main; where the kernels are older than the processor allows, the program starts itself
// again with OPENBLAS_CORETYPE naming the right core type (the variable is read only at load).
#include <string_view>
#include <vector>

namespace tv {

/// The widest vector extensions the processor and its operating system support.
struct ProcessorFeatures {
    bool avx2 = false;   // AVX2 together with FMA3 (the Haswell kernels need both)
    bool avx512 = false; // AVX-512 F, CD, BW, DQ and VL (the SkylakeX kernels)
};

/// The running processor's features.
ProcessorFeatures processorFeatures();

/// The core type OpenBLAS should be told to use when it detected `detected` on a processor with
/// `features`; empty when the detected one already uses the widest vectors the processor has, or
/// when the name is not one whose kernels are known (a core newer than this list is left alone).
std::string_view coreTypeToForce(std::string_view detected, const ProcessorFeatures& features);

/// The core types that can be forced on a processor with `features`, oldest first.
std::vector<std::string_view> forcibleCoreTypes(const ProcessorFeatures& features);

/// Called first in main, before anything uses the library: when coreTypeToForce names a core type
/// for the library's choice (`detected`, or the library's own core name when null), executes the
/// program again with the same arguments and OPENBLAS_CORETYPE set to it. Returns (doing nothing)
/// when no core type needs forcing, when OPENBLAS_CORETYPE is set already (by the user, or by that
/// restart), or when the restart fails; the library then keeps the kernels it chose.
void useFastestBlasKernels(char** argv, const char* detected = nullptr);

/// How long (2^N processor cycles) the library's idle threads wait spinning for the next call
/// before they sleep: about 1.7 ms at 2.5 GHz instead of the library's 0.1 s, which they would
/// otherwise spin beside the solver's own threads (the fill of the matrix) after every call.
inline constexpr int kBlasThreadTimeout = 22;

/// Called first in main: useFastestBlasKernels, then OPENBLAS_THREAD_TIMEOUT set to
/// kBlasThreadTimeout unless the user set it, and the library's threads restarted to read it
/// (where the library has the calls for that; otherwise they keep its own wait).
void prepareBlasLibrary(char** argv);

} // namespace tv
