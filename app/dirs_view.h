#pragma once
// The main window's view for directory emptying.
#include "dirs/dirs_view.h"

namespace app {

class TForm1;

dirs::DirsView MakeDirsView(TForm1& form);

}  // namespace app
