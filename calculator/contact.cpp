#include "calculator/contact.h"

#ifndef VENDOR_CONTACT
#error "VENDOR_CONTACT is set by the build (cache variable VENDOR_CONTACT)"
#endif

namespace calculator {

common::Text vendorContact() {
  return VENDOR_CONTACT;
}

common::Text contactTitle() {
  return "请联系QQ：" + vendorContact();
}

common::Text contactLink() {
  return "tencent://message/?uin=" + vendorContact() + "&Site=&Menu=yes";
}

}  // namespace calculator
