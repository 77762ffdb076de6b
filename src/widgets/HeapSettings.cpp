#include "widgets/HeapSettings.h"

#include <cstdlib>

#ifdef __GLIBC__
#include <malloc.h>
#endif

void mergeFreedBlocksAtOnce()
{
#ifdef __GLIBC__
    mallopt(M_MXFAST, 0);
#endif
}
