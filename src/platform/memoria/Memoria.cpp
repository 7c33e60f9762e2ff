#include "platform/memoria/Memoria.h"

#include <cstdlib> // names the C library: __GLIBC__ on glibc
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace memoria {

void tieniMemoriaLiberata()
{
#if defined(__GLIBC__)
    // Blocks up to 4 MB come from the heap (a list of 10,000 sheets is under
    // 1 MB; a printed page's picture is more, and is given back at once), and
    // up to 32 MB freed at the heap's top stay there.
    mallopt(M_MMAP_THRESHOLD, 4 << 20);
    mallopt(M_TRIM_THRESHOLD, 32 << 20);
#endif
}

} // namespace memoria
