#include "desktop/app/ImageMemory.h"

#include <cstdlib>  // defines __GLIBC__ on glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace lesson {

void KeepImageMemoryReturnable() {
#if defined(__GLIBC__)
  // Well below one 640 x 640 image (1.6 MB) and above the toolkit's small
  // allocations. A fixed value also turns the dynamic threshold off.
  mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}

}  // namespace lesson
