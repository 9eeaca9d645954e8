#include "FreedMemory.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace aptui {

void ReturnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace aptui
