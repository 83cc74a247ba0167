// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/errors.h"

namespace kvr {

// A picture file that fails a check. The action is abandoned and the picture keeps
// what it held; the text is the loader's own message.
class InvalidGraphic : public GeneralError {
  public:
    using GeneralError::GeneralError;
};

} // namespace kvr
