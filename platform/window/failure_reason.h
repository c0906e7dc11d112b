#pragma once

#include <QString>

#include "platform/qt/whole_file.h"

namespace platform {

// Given:    why a file was not written.
// Returned: the reason in the window's Japanese ("ディスクに空きがありません"),
//           for the common refusals of the system and for the program's own;
//           the failure's English text for the rest.
QString JapaneseReason(const FileFailure& failure);

}  // namespace platform
