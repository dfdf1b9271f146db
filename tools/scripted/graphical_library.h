// The graphical library: a copy of this library with the graphical backend in
// it (libtopodlg_qt.so), loaded only when a person works the dialogs or a
// script takes a screenshot, so that calls that need neither never load the
// toolkit. It exports the same entry and host functions, and
// TopoDlgQt_RunTopodlg, topodlg's whole command.
#pragma once

#include <cstdio>
#include <string>

namespace topodlg {

// Loads the graphical library once (beside the program or library that holds
// this code, then where it is installed); nullptr with `error` set when there
// is none.
void* GraphicalLibrary(std::string& error);

// The function `name` of the loaded graphical library; nullptr if it is not
// loaded or has no such function.
void* GraphicalSymbol(const char* name);

using RunTopodlgFunction = int(int argc, char** argv, std::FILE* in);

}  // namespace topodlg
