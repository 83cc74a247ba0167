// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

// Marks a program text for translation where no Qt is at hand: the text with the context
// it is filed under, so that a window can translate it when it shows it. It still reads
// as the English text wherever a plain string is wanted. The translation tools are told
// to read this marker as their own "translate, no operation" one.
#define KVR_TR_NOOP(context, text) (::kvr::Marked{context, text})
