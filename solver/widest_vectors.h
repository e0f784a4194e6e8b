#pragma once
// TV_WIDEST_VECTORS before a function builds it for AVX-512 and AVX2 as well as for plain x86-64,
// the one to run chosen when the program starts: the same operations lane by lane (without
// contraction into fused multiply-adds), so the same bits on every processor.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
#define TV_WIDEST_VECTORS __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define TV_WIDEST_VECTORS
#endif
