// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/font_warm_up.h"

namespace kvrgui {

// The system's own font service is running already: nothing to read ahead.
FontWarmUp::FontWarmUp() = default;

FontWarmUp::~FontWarmUp() = default;

void FontWarmUp::tell(bool) {}

void FontWarmUp::await() {}

} // namespace kvrgui
