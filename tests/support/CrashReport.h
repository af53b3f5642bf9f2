#pragma once
// A test program that crashes prints where: the exception, then each frame of the crashed thread
// as module+offset (map an offset with `nm --numeric-sort` of the module), so a crash under Wine
// is found from the test log alone.

namespace vorma::test {

void PrintStackOnCrash();

}  // namespace vorma::test
