// What each argument of an entry function means, for the host's labelled fields.
// An entry function that is not listed (or an argument past the list) is
// labelled by its position and kind alone; whoever builds an entry function adds
// its line here.
#pragma once

#include <string>

namespace topodlg::gui {

// "" when the argument has no name here.
std::string ArgumentName(const std::string& entry, size_t index);

}  // namespace topodlg::gui
