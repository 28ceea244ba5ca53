// The vendor's contact: the QQ number fixed at build time, the title it ends and the
// messenger's chat link for it.
#pragma once

#include "common/text.h"

namespace calculator {

common::Text vendorContact();

// "请联系QQ：" and the number: the title of the missing-configuration message.
common::Text contactTitle();

// The messenger's own link scheme, opening a chat with the vendor.
common::Text contactLink();

}  // namespace calculator
