#pragma once

#include "FenworkCoreGlobal.h"

namespace aptui {

// Hands memory freed inside the process back to the system. The C library
// keeps what a large document freed for later use, so without this a
// program that closed a big plan would look as large as while it had it.
// Cheap when little was freed; does nothing where the C library offers no
// such call.
FENWORK_CORE_EXPORT void ReturnFreedMemory();

} // namespace aptui
