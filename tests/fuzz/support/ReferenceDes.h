#pragma once
// The DES of the native build (ReferenceDes.cpp), for its known-answer check.

#include <cstdint>

namespace vorma {

// One block encrypted with a 64-bit key (parity bits ignored), both big-endian as in the DES tables.
std::uint64_t ReferenceDesEncryptBlock(std::uint64_t key, std::uint64_t block);

}  // namespace vorma
