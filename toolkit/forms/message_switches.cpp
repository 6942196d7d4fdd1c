#include "toolkit/forms/message_switches.h"

namespace tk {

int32_t AutoCloseCount = 0;
int32_t AutoPressDefault = 0;

} // namespace tk
