// Shell link objects of Windows (IShellLinkA and IPersistFile over COM) behind the shell link
// port of the shortcut maker.
#pragma once

#include <memory>

#include "shell/shell_link.h"

namespace kawaban {

// A factory of COM shell link objects. Making it initialises COM on the calling thread (a
// single-threaded apartment, CoInitialize); destroying it uninitialises COM again, unless the
// initialisation failed because the thread was already in another apartment. One factory
// serves one shortcut maker, on the thread that made it.
std::unique_ptr<ShellLinkFactory> MakeComShellLinkFactory();

}  // namespace kawaban
