// A start-up hook that asks for more memory than any heap has, so the test
// program reaches the fatal allocation failure before its window exists.
#include <new>

#include "app/lifecycle.h"
#include "tests/ui/test_programs.h"

namespace tessavor {

// Kept in a global so the compiler cannot drop the allocation.
void* volatile requestedBlock = nullptr;

void InitGlobals() { requestedBlock = ::operator new(test::FailingAllocationSize); }

}  // namespace tessavor
