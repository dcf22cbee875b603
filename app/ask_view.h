#pragma once
// The main window as the ask dialog sees it.
#include "shutdown/ask_view.h"

namespace app {

class TForm1;

shutdown::AskView MakeAskView(TForm1& form);

}  // namespace app
