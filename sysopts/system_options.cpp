#include "sysopts/system_options.h"

#include "app/form1.h"

namespace sysopts {

// The switches arrive with the system options; until then their boxes stay off, which is also
// what start-up shows on systems that have none of them.
void ReadSystemOptions(app::TForm1&) {}

}  // namespace sysopts
