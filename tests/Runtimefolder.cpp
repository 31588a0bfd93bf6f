// Qt looks into the user's runtime folder as every application starts and,
// without XDG_RUNTIME_DIR, makes one under TMPDIR that outlives the test.
// Linked into each Qt test program: a runtime folder of its own, set before
// main() makes the application and removed after it returns.
#include <cstdlib>

#include "core/Temporaryfolder.h"

namespace {
struct RuntimeFolder {
    RuntimeFolder() { ::setenv("XDG_RUNTIME_DIR", folder.path().c_str(), 1); }
    fixtures::TemporaryFolder folder;
} runtimeFolder;
} // namespace
